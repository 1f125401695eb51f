// Vorel: the program entry. Everything happens in the start-up sequence.
#include <QApplication>

#include "app/ApplicationDefaults.h"
#include "app/Startup.h"
#include "system/ProgramPaths.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The configuration folder holds vorel.ini and nothing else of ours.
  vorel::KeepToolkitSettingsInCache();
  vorel::InstallApplicationDefaults(app);
  return vorel::RunStartup(app, vorel::StartupOptions{});
}
