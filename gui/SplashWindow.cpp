// The splash window.
#include "gui/SplashWindow.h"

#include <QImageReader>
#include <QLabel>

#include "gui/Layouts.h"

namespace vorel {

SplashWindow::SplashWindow()
    : PictureWindow("splashWindow", QStringLiteral("Logiciel"), kSplashClient) {}

bool SplashWindow::loadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // A huge declared size would cost the start-up its memory: such a file is not a splash.
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > 64LL * 1024 * 1024) return false;
  const QImage picture = reader.read();
  if (picture.isNull()) return false;
  this->picture().setPixmap(QPixmap::fromImage(picture));
  return true;
}

}  // namespace vorel
