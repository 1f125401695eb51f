// Applying a window's geometry table.
#include "gui/WindowLayout.h"

#include <QWidget>
#include <map>

namespace vorel {

void ApplyLayout(QWidget& window, const WindowLayout& layout) {
  std::map<int, QWidget*> tabOrder;
  for (const ControlPlace& place : layout.controls) {
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(place.name));
    // The window tests check that every row names a control of its window.
    Q_ASSERT_X(control, "ApplyLayout", place.name);
    if (!control) continue;
    if (place.rect.isEmpty()) {
      control->move(place.rect.topLeft());
      control->adjustSize();
    } else {
      control->setGeometry(place.rect);
    }
    if (place.tab >= 0) tabOrder[place.tab] = control;
  }
  QWidget* previous = nullptr;
  for (const auto& [index, control] : tabOrder) {
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace vorel
