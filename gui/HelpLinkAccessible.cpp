// A link of the help for a screen reader.
#include "gui/HelpLinkAccessible.h"

#include <QDesktopServices>
#include <QTextCursor>
#include <QUrl>

namespace vorel {

QRect TextScreenRect(const QTextBrowser& browser, int start, int end) {
  QTextCursor cursor(browser.document());
  cursor.setPosition(start);
  QRect rect = browser.cursorRect(cursor);
  cursor.setPosition(end);
  const QRect last = browser.cursorRect(cursor);
  if (last.top() == rect.top() && last.left() > rect.left()) rect.setRight(last.left() - 1);
  return QRect(browser.viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

HelpLinkAccessible::HelpLinkAccessible(QTextBrowser* browser, int start, int end, QString href)
    : browser_(browser), start_(start), end_(end), href_(std::move(href)) {}

bool HelpLinkAccessible::isValid() const {
  return !browser_.isNull();
}

QWindow* HelpLinkAccessible::window() const {
  return browser_ ? browser_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* HelpLinkAccessible::parent() const {
  return browser_ ? QAccessible::queryAccessibleInterface(browser_.data()) : nullptr;
}

QString HelpLinkAccessible::text(QAccessible::Text t) const {
  if (!browser_) return {};
  if (t == QAccessible::Name) {
    QTextCursor cursor(browser_->document());
    cursor.setPosition(start_);
    cursor.setPosition(end_, QTextCursor::KeepAnchor);
    return cursor.selectedText().simplified();
  }
  if (t == QAccessible::Value) return href_;
  return {};
}

QRect HelpLinkAccessible::rect() const {
  return browser_ ? TextScreenRect(*browser_, start_, end_) : QRect();
}

QAccessible::State HelpLinkAccessible::state() const {
  QAccessible::State state;
  state.linked = true;
  state.focusable = true;
  if (!browser_) {
    state.invalid = true;
    return state;
  }
  const QTextCursor cursor = browser_->textCursor();
  state.focused =
      browser_->hasFocus() && cursor.selectionStart() == start_ && cursor.selectionEnd() == end_;
  const QRect shown(browser_->viewport()->mapToGlobal(QPoint(0, 0)), browser_->viewport()->size());
  if (!shown.intersects(rect())) state.offscreen = true;
  return state;
}

void* HelpLinkAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList HelpLinkAccessible::actionNames() const {
  return {pressAction()};
}

void HelpLinkAccessible::doAction(const QString& actionName) {
  if (!browser_ || actionName != pressAction()) return;
  // As a click would: a place in the help is shown, an address outside opens in the browser.
  if (href_.startsWith(QLatin1Char('#')))
    browser_->scrollToAnchor(href_.mid(1));
  else
    QDesktopServices::openUrl(QUrl(href_));
}

}  // namespace vorel
