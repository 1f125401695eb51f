// The splash window.
#include "gui/SplashWindow.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>

#include "gui/DialogLook.h"
#include "gui/TimedWait.h"

namespace vorel {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      picture_(new QLabel(this)),
      wait_(new TimedWait(this)) {
  setObjectName(QStringLiteral("splashWindow"));
  setWindowTitle(QStringLiteral("Logiciel"));
  setFixedSize(632, 453);
  picture_->setGeometry(0, 0, 632, 453);
  picture_->setAlignment(Qt::AlignCenter);
  wait_->SetInterval(2000);
  KeepCentredOnScreen(*this);
}

bool SplashWindow::loadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // A huge declared size would cost the start-up its memory: such a file is not a splash.
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > 64LL * 1024 * 1024) return false;
  const QImage picture = reader.read();
  if (picture.isNull()) return false;
  picture_->setPixmap(QPixmap::fromImage(picture));
  return true;
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace vorel
