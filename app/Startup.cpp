// The start-up sequence.
#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <optional>

#include "gui/BusyCursor.h"
#include "gui/Desktop.h"
#include "gui/LogoWindow.h"
#include "gui/MainWindow.h"
#include "gui/SplashWindow.h"
#include "gui/TimedWait.h"

namespace vorel {

int RunStartup(QApplication& app, const StartupOptions& options, std::unique_ptr<Desktop> desktop) {
  std::optional<BusyCursor> busy(std::in_place);

  auto logo = std::make_unique<LogoWindow>();
  logo->timedWait().setInterval(options.logoInterval);
  logo->show();
  logo->repaint();
  logo->timedWait().wait();

  QCoreApplication::setApplicationName(QStringLiteral("Vorel"));

  ProgramWindows windows(options, std::move(desktop));

  logo->hide();
  logo.reset();

  // A regular file only: a pipe of that name would hold the start-up until someone wrote.
  if (QFileInfo(options.splashFile).isFile()) {
    auto splash = std::make_unique<SplashWindow>();
    // A file that is not a picture is skipped as silently as a missing one.
    if (splash->loadPicture(options.splashFile)) {
      splash->timedWait().setInterval(options.splashInterval);
      splash->show();
      splash->repaint();
      splash->timedWait().wait();
      splash->hide();
    }
  }

  busy.reset();
  windows.mainWindow().show();
  return app.exec();
}

}  // namespace vorel
