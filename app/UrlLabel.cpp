// TUrlLabel.
#include "app/UrlLabel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

#include "platform/Desktop.h"

namespace vorel {

TUrlLabel::TUrlLabel(QWidget* parent) : QLabel(parent), menu_(new QMenu(this)) {
  // The hand of our resources; its hotspot is the tip of the index finger.
  const QPixmap hand(QStringLiteral(":/vorel/hand.png"));
  if (!hand.isNull()) setCursor(QCursor(hand, 11, 1));
  SetFontColor(QColor(0, 0, 255));
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  menu_->addAction(QStringLiteral("Copy"), this, &TUrlLabel::Copy);
}

TUrlLabel::~TUrlLabel() {
  delete menu_;
  menu_ = nullptr;
}

QColor TUrlLabel::FontColor() const {
  return palette().color(QPalette::WindowText);
}

void TUrlLabel::SetFontColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

QString TUrlLabel::Target() const {
  return url_.trimmed().isEmpty() ? text() : url_;
}

void TUrlLabel::Click() {
  emit clicked();
  const QString target = Target();
  if (!target.trimmed().isEmpty()) OpenUrl(target);
}

void TUrlLabel::Copy() {
  QGuiApplication::clipboard()->setText(text());
}

void TUrlLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    savedColor_ = FontColor();
    SetFontColor(activeColor_);
    pressed_ = true;
  }
  QLabel::mousePressEvent(event);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    // The click comes first, so the link opens while the label still shows ActiveColor.
    if (rect().contains(event->position().toPoint())) Click();
    SetFontColor(savedColor_);
  }
  QLabel::mouseReleaseEvent(event);
}

void TUrlLabel::contextMenuEvent(QContextMenuEvent* event) {
  menu_->popup(event->globalPos());
  event->accept();
}

}  // namespace vorel
