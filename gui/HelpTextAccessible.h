// The help's text as a screen reader sees it: a read-only document named "Aide de Vorel", whose
// text can be read, searched and selected, with each of its links as a child.
#pragma once

#include <QAccessibleWidget>
#include <QMetaObject>
#include <vector>

class QTextBrowser;

namespace vorel {

class HelpTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit HelpTextAccessible(QTextBrowser* browser);
  ~HelpTextAccessible() override;

  QAccessible::Role role() const override { return QAccessible::Document; }
  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QTextBrowser* browser() const;
  // The links of the document as it stands, made anew after each change of it.
  const std::vector<QAccessible::Id>& links() const;
  void forgetLinks() const;

  QMetaObject::Connection changes_;
  mutable bool linksStale_ = true;
  mutable std::vector<QAccessible::Id> links_;
};

}  // namespace vorel
