// Vorel: the program entry. Everything happens in the start-up sequence.
#include <QApplication>
#include <QClipboard>
#include <cstdio>
#include <cstdlib>

#include "app/ApplicationDefaults.h"
#include "app/Startup.h"
#include "system/ProgramPaths.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The configuration folder holds vorel.ini and nothing else of ours.
  vorel::KeepToolkitSettingsInCache();
  vorel::InstallApplicationDefaults(app);
  const int code = vorel::RunStartup(app, vorel::StartupOptions{});
  // The windows are gone and vorel.ini is written. What remains is the toolkit's farewell to
  // the display, the accessibility bus and the print system, which a desktop can keep waiting
  // after the windows have vanished: the program ends now. Only a copy it still holds on the
  // clipboard needs that farewell, to hand it to the desktop's clipboard keeper.
  if (!QGuiApplication::clipboard()->ownsClipboard()) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}
