// Every window against its geometry table: each control where the table puts it, inside its
// parent, overlapping no other control unless the table says so, and Tab going the table's
// way. With the program's own fonts, so that the labels fitted to their text are measured as
// the user sees them.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

#include "DialogDriver.h"
#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "app/ApplicationDefaults.h"
#include "app/ProgramWindows.h"
#include "gui/AboutBox.h"
#include "gui/Layouts.h"
#include "gui/MainWindow.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"

namespace vorel {
namespace {

QByteArray Where(const QWidget& window, const char* control) {
  return window.objectName().toLatin1() + "/" + control;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallApplicationDefaults(*qApp); }

  void controlsStandWhereTheTableSays() {
    QTemporaryDir dir;
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"},
                           std::make_unique<test::ScriptedDesktop>());
    const struct {
      QWidget* window;
      const WindowLayout& layout;
    } rows[] = {
        {&windows.mainWindow(), kMainWindowLayout},
        {&windows.registerEditor(), kRegisterEditorLayout},
        {&windows.personEntry(), kPersonEntryLayout},
        {&windows.personChooser(), kPersonChooserLayout},
        {&windows.aboutBox(), kAboutBoxLayout},
        {&windows.reportWindow(), kReportWindowLayout},
    };
    for (const auto& row : rows) {
      QWidget& window = *row.window;
      if (!row.layout.client.isEmpty()) {
        QVERIFY2(window.size() == row.layout.client, window.objectName().toLatin1());
        QVERIFY2(window.minimumSize() == window.maximumSize(), window.objectName().toLatin1());
      }
      std::map<QWidget*, const ControlPlace*> placed;
      std::map<int, QWidget*> tabOrder;
      for (const ControlPlace& place : row.layout.controls) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(place.name));
        QVERIFY2(control, Where(window, place.name));
        placed[control] = &place;
        // A place with no size fits the control to its text.
        const QRect expected =
            place.rect.isEmpty() ? QRect(place.rect.topLeft(), control->sizeHint()) : place.rect;
        QVERIFY2(control->geometry() == expected, Where(window, place.name));
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                 Where(window, place.name) + " leaves its parent");
        if (place.tab >= 0) {
          QVERIFY2(!tabOrder.count(place.tab), Where(window, place.name));
          tabOrder[place.tab] = control;
        } else {
          QVERIFY2(!(control->focusPolicy() & Qt::TabFocus), Where(window, place.name));
        }
      }

      // Overlaps, between controls of the same parent.
      const auto controls = row.layout.controls;
      for (size_t i = 0; i < controls.size(); ++i) {
        QWidget* a = window.findChild<QWidget*>(QString::fromLatin1(controls[i].name));
        for (size_t j = i + 1; j < controls.size(); ++j) {
          QWidget* b = window.findChild<QWidget*>(QString::fromLatin1(controls[j].name));
          if (a->parentWidget() != b->parentWidget()) continue;
          const QByteArray pair = Where(window, controls[i].name) + " and " + controls[j].name;
          const QRect ra = a->geometry(), rb = b->geometry();
          if (controls[i].overlap == Overlap::Backdrop ||
              controls[j].overlap == Overlap::Backdrop) {
            // Whatever stands on a bevel lies wholly within it.
            QVERIFY2(!ra.intersects(rb) || ra.contains(rb) || rb.contains(ra), pair);
            continue;
          }
          const bool meant = j == i + 1 && controls[j].overlap == Overlap::Previous;
          QVERIFY2(ra.intersects(rb) == meant, pair);
        }
      }

      // Every control of a fixed window, on it or on one of its panels, has its row.
      if (!row.layout.client.isEmpty()) {
        std::vector<QWidget*> holders = {&window};
        for (const auto& [control, place] : placed)
          if (place->overlap == Overlap::Backdrop) holders.push_back(control);
        for (QWidget* holder : holders)
          for (QWidget* child : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
              QVERIFY2(placed.count(child), Where(window, qPrintable(child->objectName())));
      }

      // Tab goes round the table's order.
      for (auto it = tabOrder.begin(); it != tabOrder.end(); ++it) {
        const auto next = std::next(it) == tabOrder.end() ? tabOrder.begin() : std::next(it);
        QVERIFY2(test::NextTabStop(it->second) == next->second,
                 Where(window, qPrintable(it->second->objectName())));
      }
    }
  }
};

VOREL_GUI_TEST(WindowLayoutTest);

}  // namespace vorel

#include "WindowLayoutTest.moc"
