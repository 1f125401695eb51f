// The logo window.
#include "gui/LogoWindow.h"

#include <QLabel>

#include "gui/Layouts.h"

namespace vorel {

LogoWindow::LogoWindow()
    : PictureWindow("logoWindow", QStringLiteral("Vorel pour Windows"), kLogoClient) {
  // The picture stands at the top, as high as the logo.
  const QPixmap logo(QStringLiteral(":/vorel/logo.png"));
  picture().setPixmap(logo);
  picture().setGeometry(0, 0, kLogoClient.width(),
                        logo.isNull() ? kLogoClient.height() : logo.height());
}

}  // namespace vorel
