// The picture windows of the start-up.
#include "gui/PictureWindow.h"

#include <QCloseEvent>
#include <QLabel>

#include "gui/DialogLook.h"
#include "gui/TimedWait.h"

namespace vorel {

PictureWindow::PictureWindow(const char* name, const QString& caption, QSize size)
    // A start-up picture: the desktop gives it no frame and no task-bar entry.
    : QWidget(nullptr, Qt::SplashScreen), picture_(new QLabel(this)), wait_(new TimedWait(this)) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  setFixedSize(size);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setGeometry(0, 0, size.width(), size.height());
  wait_->setInterval(2000);
  KeepCentredOnScreen(*this);
}

void PictureWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace vorel
