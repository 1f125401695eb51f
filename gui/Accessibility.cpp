// The program's accessible interfaces.
#include "gui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QTextBrowser>

#include "gui/HelpTextAccessible.h"
#include "gui/UrlLabel.h"
#include "gui/UrlLabelAccessible.h"

namespace vorel {
namespace {

QAccessibleInterface* ProgramInterfaces(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  // Asked for each class from the object's own up to QObject: answer for the object's own.
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  if (auto* label = qobject_cast<UrlLabel*>(widget)) return new UrlLabelAccessible(label);
  if (auto* browser = qobject_cast<QTextBrowser*>(widget)) return new HelpTextAccessible(browser);
  // Qt reads a plain top-level widget as a filler, and a screen reader may then not announce
  // its title: the program's own windows are frames (its dialogs are dialogs already).
  if (widget->isWindow() && !qobject_cast<QDialog*>(widget) &&
      className.startsWith(QLatin1String("vorel::")))
    return new QAccessibleWidget(widget, QAccessible::Window);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ProgramInterfaces);
    return true;
  }();
  (void)installed;
}

}  // namespace vorel
