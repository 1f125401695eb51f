// The link label.
#include "gui/UrlLabel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

#include "gui/Desktop.h"

namespace vorel {

UrlLabel::UrlLabel(Desktop& desktop, QWidget* parent)
    : QLabel(parent), desktop_(desktop), menu_(new QMenu(this)) {
  // The hand of our resources; its hotspot is the tip of the index finger.
  const QPixmap hand(QStringLiteral(":/vorel/hand.png"));
  if (!hand.isNull()) setCursor(QCursor(hand, 11, 1));
  setFontColor(QColor(0, 0, 255));
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  menu_->addAction(QStringLiteral("Copy"), this, &UrlLabel::copy);
}

UrlLabel::~UrlLabel() {
  delete menu_;
  menu_ = nullptr;
}

QColor UrlLabel::fontColor() const {
  return palette().color(QPalette::WindowText);
}

void UrlLabel::setFontColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

QString UrlLabel::target() const {
  return url_.trimmed().isEmpty() ? text() : url_;
}

void UrlLabel::click() {
  emit clicked();
  const QString address = target();
  if (!address.trimmed().isEmpty()) desktop_.openUrl(address);
}

void UrlLabel::copy() {
  QGuiApplication::clipboard()->setText(text());
}

void UrlLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    savedColor_ = fontColor();
    setFontColor(activeColor_);
    pressed_ = true;
  }
  QLabel::mousePressEvent(event);
}

void UrlLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    // The click comes first, so the link opens while the label still shows the active colour.
    if (rect().contains(event->position().toPoint())) click();
    setFontColor(savedColor_);
  }
  QLabel::mouseReleaseEvent(event);
}

void UrlLabel::contextMenuEvent(QContextMenuEvent* event) {
  menu_->popup(event->globalPos());
  event->accept();
}

}  // namespace vorel
