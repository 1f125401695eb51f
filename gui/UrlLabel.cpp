// The link label.
#include "gui/UrlLabel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "gui/Desktop.h"
#include "gui/DialogLook.h"

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
  menu_->addAction(QStringLiteral("Copier"), this, &UrlLabel::copy);
  // Tab reaches the link; a click does not take the focus from where the user left it.
  setFocusPolicy(Qt::TabFocus);
}

UrlLabel::~UrlLabel() {
  delete menu_;
  menu_ = nullptr;
}

QColor UrlLabel::fontColor() const {
  return palette().color(QPalette::WindowText);
}

void UrlLabel::setFontColor(const QColor& color) {
  SetTextColour(this, color);
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

void UrlLabel::keyPressEvent(QKeyEvent* event) {
  const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Space;
  if (activates && event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
    click();
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void UrlLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // The style's focus frame, around the text as a button draws it around its caption.
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = contentsRect().intersected(
      QRect(QPoint(0, 0), QSize(fontMetrics().horizontalAdvance(text()) + 2, height())));
  option.backgroundColor = palette().color(backgroundRole());
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace vorel
