// The logo window.
#include "gui/LogoWindow.h"

#include <QCloseEvent>
#include <QLabel>

#include "gui/DialogLook.h"
#include "gui/TimedWait.h"

namespace vorel {

LogoWindow::LogoWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      picture_(new QLabel(this)),
      wait_(new TimedWait(this)) {
  setObjectName(QStringLiteral("logoWindow"));
  setWindowTitle(QStringLiteral("Vorel pour Windows"));
  setFixedSize(360, 300);
  const QPixmap logo(QStringLiteral(":/vorel/logo.png"));
  picture_->setPixmap(logo);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setGeometry(0, 0, 360, logo.isNull() ? 300 : logo.height());
  wait_->SetInterval(2000);
  KeepCentredOnScreen(*this);
}

void LogoWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace vorel
