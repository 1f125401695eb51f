// Vorel: the program entry. Everything happens in the start-up sequence.
#include <QApplication>

#include "app/Startup.h"
#include "gui/Desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vorel::InstallDesktopDefaults(app);
  return vorel::RunStartup(app, vorel::StartupOptions{});
}
