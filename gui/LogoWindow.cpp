// The logo window.
#include "gui/LogoWindow.h"

#include <QIcon>
#include <QLabel>

#include "gui/Layouts.h"

namespace vorel {

LogoWindow::LogoWindow()
    : PictureWindow("logoWindow", QStringLiteral("Vorel pour Windows"), kLogoClient) {
  // The picture stands at the top, as high as the logo; a screen that doubles its pixels gets
  // the logo drawn at twice the size rather than one blown up.
  const QPixmap logo = QIcon(QStringLiteral(":/vorel/logo.png")).pixmap(kLogoClient);
  picture().setPixmap(logo);
  picture().setGeometry(
      0, 0, kLogoClient.width(),
      logo.isNull() ? kLogoClient.height() : int(logo.deviceIndependentSize().height()));
}

}  // namespace vorel
