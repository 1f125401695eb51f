// Vorel: the program entry. Everything happens in the start-up sequence.
#include <QApplication>

#include "app/Startup.h"
#include "gui/Desktop.h"
#include "system/ProgramPaths.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The configuration folder holds vorel.ini and nothing else of ours.
  vorel::KeepToolkitSettingsInCache();
  vorel::InstallDesktopDefaults(app);
  return vorel::RunStartup(app, vorel::StartupOptions{});
}
