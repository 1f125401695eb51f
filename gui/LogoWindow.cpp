// The logo window.
#include "gui/LogoWindow.h"

#include <QLabel>

namespace vorel {

LogoWindow::LogoWindow()
    : PictureWindow("logoWindow", QStringLiteral("Vorel pour Windows"), QSize(360, 300)) {
  const QPixmap logo(QStringLiteral(":/vorel/logo.png"));
  picture().setPixmap(logo);
  picture().setGeometry(0, 0, 360, logo.isNull() ? 300 : logo.height());
}

}  // namespace vorel
