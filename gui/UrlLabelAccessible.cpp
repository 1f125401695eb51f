// The link label for a screen reader.
#include "gui/UrlLabelAccessible.h"

#include "gui/UrlLabel.h"

namespace vorel {

UrlLabelAccessible::UrlLabelAccessible(UrlLabel* label)
    : QAccessibleWidget(label, QAccessible::Link) {}

UrlLabel* UrlLabelAccessible::label() const {
  return static_cast<UrlLabel*>(widget());
}

QString UrlLabelAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && label()->accessibleName().isEmpty()) return label()->text();
  return QAccessibleWidget::text(t);
}

QAccessible::State UrlLabelAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.linked = true;
  return state;
}

QStringList UrlLabelAccessible::actionNames() const {
  return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void UrlLabelAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction())
    label()->click();
  else
    QAccessibleWidget::doAction(actionName);
}

QStringList UrlLabelAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName == pressAction()) return {QStringLiteral("Return"), QStringLiteral("Space")};
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

}  // namespace vorel
