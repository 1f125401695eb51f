// The start-up sequence.
#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <optional>

#include "gui/BusyCursor.h"
#include "gui/LogoWindow.h"
#include "gui/MainWindow.h"
#include "gui/SplashWindow.h"
#include "gui/TimedWait.h"

namespace vorel {
namespace {

void Note(std::vector<std::string>* log, const char* what) {
  if (log) log->emplace_back(what);
}

}  // namespace

int RunStartup(QApplication& app, const StartupOptions& options, std::vector<std::string>* log) {
  std::optional<BusyCursor> busy(std::in_place);

  auto logo = std::make_unique<LogoWindow>();
  logo->timedWait().SetInterval(options.logoInterval);
  logo->show();
  logo->repaint();
  Note(log, "Logo");
  logo->timedWait().Wait();

  QCoreApplication::setApplicationName(QStringLiteral("Vorel"));

  ProgramWindows windows(options, log);

  logo->hide();
  logo.reset();

  // A regular file only: a pipe of that name would hold the start-up until someone wrote.
  if (QFileInfo(options.splashFile).isFile()) {
    auto splash = std::make_unique<SplashWindow>();
    // A file that is not a picture is skipped as silently as a missing one.
    if (splash->loadPicture(options.splashFile)) {
      splash->timedWait().SetInterval(options.splashInterval);
      splash->show();
      splash->repaint();
      Note(log, "Splash");
      splash->timedWait().Wait();
      splash->hide();
    }
  }

  busy.reset();
  windows.mainWindow().show();
  Note(log, "MainLoop");
  return app.exec();
}

}  // namespace vorel
