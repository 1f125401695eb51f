// TLogo.
#include "app/Slogo.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/Sleeper.h"

namespace vorel {

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize size = window.frameGeometry().size().expandedTo(window.size());
  window.move(area.x() + (area.width() - size.width()) / 2,
              area.y() + (area.height() - size.height()) / 2);
}

TLogo::TLogo()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Image1(new QLabel(this)),
      Sleeper(new TSleeper(this)) {
  setObjectName(QStringLiteral("Logo"));
  setWindowTitle(QStringLiteral("Vorel pour Windows"));
  setFixedSize(360, 300);
  const QPixmap logo(QStringLiteral(":/vorel/logo.png"));
  Image1->setPixmap(logo);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setGeometry(0, 0, 360, logo.isNull() ? 300 : logo.height());
  Sleeper->SetInterval(2000);
  CentreOnScreen(*this);
}

void TLogo::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace vorel
