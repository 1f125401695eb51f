// TSplash.
#include "app/Ssplash.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>

#include "app/Sleeper.h"
#include "app/Slogo.h"

namespace vorel {

TSplash::TSplash()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Image(new QLabel(this)),
      Sleeper(new TSleeper(this)) {
  setObjectName(QStringLiteral("Splash"));
  setWindowTitle(QStringLiteral("Logiciel"));
  setFixedSize(632, 453);
  Image->setGeometry(0, 0, 632, 453);
  Image->setAlignment(Qt::AlignCenter);
  Sleeper->SetInterval(2000);
  CentreOnScreen(*this);
}

bool TSplash::LoadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // A huge declared size would cost the start-up its memory: such a file is not a splash.
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > 64LL * 1024 * 1024) return false;
  const QImage picture = reader.read();
  if (picture.isNull()) return false;
  Image->setPixmap(QPixmap::fromImage(picture));
  return true;
}

void TSplash::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace vorel
