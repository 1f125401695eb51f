// The link label as a screen reader sees it: a link named by its caption, which "press" opens.
#pragma once

#include <QAccessibleWidget>

namespace vorel {

class UrlLabel;

class UrlLabelAccessible : public QAccessibleWidget {
 public:
  explicit UrlLabelAccessible(UrlLabel* label);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  UrlLabel* label() const;
};

}  // namespace vorel
