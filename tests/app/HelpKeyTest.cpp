// F1 in every window and dialog of the program opens the help at the window's topic.
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "GuiTest.h"
#include "app/ProgramWindows.h"
#include "gui/AboutBox.h"
#include "gui/Desktop.h"
#include "gui/Dialogs.h"
#include "gui/HelpWindow.h"
#include "gui/MainWindow.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"

namespace vorel {
namespace {

// The real boxes and dialogs; only the help is recorded instead of shown.
class HelpRecorder : public Desktop {
 public:
  HelpRecorder() : override_(*this) {}
  void ShowHelp(int topic) override { topics.push_back(topic); }
  std::vector<int> topics;

 private:
  DesktopOverride override_;
};

void PressF1(QWidget& window) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
}

// Presses F1 in the next modal dialog, then closes it.
void PressF1InNextModal() {
  QTimer::singleShot(0, [] {
    QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    QWidget* dialog = QApplication::activeModalWidget();
    PressF1(*dialog);
    static_cast<QDialog*>(dialog)->reject();
  });
}

}  // namespace

class HelpKeyTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowAnswersF1() {
    QTemporaryDir dir;
    HelpRecorder desktop;
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"});
    HelpWindow help(dir.filePath("VOREL.HLP"));
    ReportWindow& report = windows.reportWindow();
    const auto shown = [](QWidget& w) {
      return [&w] {
        w.show();
        PressF1(w);
        w.hide();
      };
    };
    const auto modal = [](std::function<void()> open) {
      return [open] {
        PressF1InNextModal();
        open();
      };
    };
    const struct {
      const char* window;
      std::function<void()> pressF1;
      int topic;
    } rows[] = {
        {"main window", shown(windows.mainWindow()), 1},
        {"register editor", shown(windows.registerEditor()), 1},
        {"person entry", shown(windows.personEntry()), 1},
        {"person chooser", shown(windows.personChooser()), 1},
        {"report window", shown(report), 1},
        {"about box", shown(windows.aboutBox()), 1},
        {"help window", shown(help), 1},
        {"error box", modal([] { ShowErrorBox(QStringLiteral("Erreur")); }), 1},
        {"question", modal([] { AskConfirmation(QStringLiteral("Question ?")); }), 1},
        {"warning", modal([] { ShowWarning(QStringLiteral("Date incorrecte.")); }), 1},
        {"save dialog", modal([&] { report.saveReport(); }), 7},
        {"open dialog", modal([&] { report.openReport(); }), 6},
        {"print dialog", modal([&] { report.printReport(); }), 8},
    };
    for (const auto& row : rows) {
      desktop.topics.clear();
      row.pressF1();
      QVERIFY2(desktop.topics == std::vector<int>{row.topic}, row.window);
    }
  }
};

VOREL_GUI_TEST(HelpKeyTest);

}  // namespace vorel

#include "HelpKeyTest.moc"
