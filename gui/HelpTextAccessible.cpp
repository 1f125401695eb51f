// The help's text for a screen reader.
#include "gui/HelpTextAccessible.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <algorithm>

#include "gui/HelpLinkAccessible.h"

namespace vorel {

HelpTextAccessible::HelpTextAccessible(QTextBrowser* browser)
    : QAccessibleWidget(browser, QAccessible::Document) {
  changes_ = QObject::connect(browser->document(), &QTextDocument::contentsChanged,
                              [this] { linksStale_ = true; });
}

HelpTextAccessible::~HelpTextAccessible() {
  QObject::disconnect(changes_);
  forgetLinks();
}

QTextBrowser* HelpTextAccessible::browser() const {
  return static_cast<QTextBrowser*>(widget());
}

QAccessible::State HelpTextAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.multiLine = true;
  state.selectableText = true;
  return state;
}

QString HelpTextAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return text(0, characterCount());
  return QAccessibleWidget::text(t);
}

void HelpTextAccessible::forgetLinks() const {
  for (QAccessible::Id id : links_) QAccessible::deleteAccessibleInterface(id);
  links_.clear();
}

const std::vector<QAccessible::Id>& HelpTextAccessible::links() const {
  if (!linksStale_) return links_;
  linksStale_ = false;
  forgetLinks();
  // A link may be cut in several fragments of different looks: those that follow one another
  // with the same address are one link.
  int start = -1, end = -1;
  QString href;
  const auto flush = [&] {
    if (start >= 0)
      links_.push_back(QAccessible::registerAccessibleInterface(
          new HelpLinkAccessible(browser(), start, end, href)));
    start = -1;
  };
  for (QTextBlock block = browser()->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      const QString target = format.isAnchor() ? format.anchorHref() : QString();
      if (target.isEmpty()) {
        flush();
        continue;
      }
      if (start >= 0 && target == href && fragment.position() == end) {
        end = fragment.position() + fragment.length();
        continue;
      }
      flush();
      start = fragment.position();
      end = start + fragment.length();
      href = target;
    }
    flush();
  }
  return links_;
}

int HelpTextAccessible::childCount() const {
  return static_cast<int>(links().size());
}

QAccessibleInterface* HelpTextAccessible::child(int index) const {
  const auto& all = links();
  if (index < 0 || index >= static_cast<int>(all.size())) return nullptr;
  return QAccessible::accessibleInterface(all[static_cast<size_t>(index)]);
}

int HelpTextAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto& all = links();
  for (size_t i = 0; i < all.size(); ++i)
    if (QAccessible::accessibleInterface(all[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* HelpTextAccessible::childAt(int x, int y) const {
  const int offset = offsetAtPoint(QPoint(x, y));
  for (QAccessible::Id id : links()) {
    auto* link = static_cast<HelpLinkAccessible*>(QAccessible::accessibleInterface(id));
    if (offset >= link->start() && offset < link->end()) return link;
  }
  return nullptr;
}

void* HelpTextAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void HelpTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  const QTextCursor cursor = browser()->textCursor();
  const bool has = selectionIndex == 0 && cursor.hasSelection();
  *startOffset = has ? cursor.selectionStart() : 0;
  *endOffset = has ? cursor.selectionEnd() : 0;
}

int HelpTextAccessible::selectionCount() const {
  return browser()->textCursor().hasSelection() ? 1 : 0;
}

void HelpTextAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void HelpTextAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex != 0) return;
  QTextCursor cursor = browser()->textCursor();
  cursor.clearSelection();
  browser()->setTextCursor(cursor);
}

void HelpTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  const int last = characterCount();
  QTextCursor cursor = browser()->textCursor();
  cursor.setPosition(std::clamp(startOffset, 0, last));
  cursor.setPosition(std::clamp(endOffset, 0, last), QTextCursor::KeepAnchor);
  browser()->setTextCursor(cursor);
}

int HelpTextAccessible::cursorPosition() const {
  return browser()->textCursor().position();
}

void HelpTextAccessible::setCursorPosition(int position) {
  QTextCursor cursor = browser()->textCursor();
  cursor.setPosition(std::clamp(position, 0, characterCount()));
  browser()->setTextCursor(cursor);
}

QString HelpTextAccessible::text(int startOffset, int endOffset) const {
  const int last = characterCount();
  QTextCursor cursor(browser()->document());
  cursor.setPosition(std::clamp(startOffset, 0, last));
  cursor.setPosition(std::clamp(endOffset, 0, last), QTextCursor::KeepAnchor);
  // Paragraphs end with a line break, as a reader of plain text expects.
  QString text = cursor.selectedText();
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
  return text;
}

int HelpTextAccessible::characterCount() const {
  // The document's last position is after its closing paragraph mark.
  return browser()->document()->characterCount() - 1;
}

QRect HelpTextAccessible::characterRect(int offset) const {
  QTextCursor cursor(browser()->document());
  cursor.setPosition(std::clamp(offset, 0, characterCount()));
  const int start = cursor.position();
  cursor.movePosition(QTextCursor::NextCharacter);
  return TextScreenRect(*browser(), start, cursor.position());
}

int HelpTextAccessible::offsetAtPoint(const QPoint& point) const {
  const QPoint local = browser()->viewport()->mapFromGlobal(point);
  if (!browser()->viewport()->rect().contains(local)) return -1;
  return browser()->cursorForPosition(local).position();
}

void HelpTextAccessible::scrollToSubstring(int startIndex, int endIndex) {
  setCursorPosition(endIndex);
  browser()->ensureCursorVisible();
  setCursorPosition(startIndex);
  browser()->ensureCursorVisible();
}

QString HelpTextAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

}  // namespace vorel
