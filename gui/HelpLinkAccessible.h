// One link of the help's text as a screen reader sees it: a link named by its words, which
// "press" follows. It has no widget of its own; the help's text owns it. And where a stretch
// of the help's text stands on the screen, for the link and the text alike.
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>
#include <QTextBrowser>

namespace vorel {

// Where the characters start to end of the browser's document stand on the screen, as far as
// they lie on the line of the first.
QRect TextScreenRect(const QTextBrowser& browser, int start, int end);

class HelpLinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  // The characters start to end of the browser's document carry the link to href.
  HelpLinkAccessible(QTextBrowser* browser, int start, int end, QString href);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  int start() const { return start_; }
  int end() const { return end_; }

 private:
  QPointer<QTextBrowser> browser_;
  int start_;
  int end_;
  QString href_;
};

}  // namespace vorel
