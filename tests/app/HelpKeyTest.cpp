// F1 in every window and dialog of the program opens the help at the window's topic.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "GuiTest.h"
#include "app/ProgramWindows.h"
#include "gui/AboutBox.h"
#include "gui/HelpWindow.h"
#include "gui/MainWindow.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/QtDesktop.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"

namespace vorel {
namespace {

// The real boxes and dialogs; only the help is recorded instead of shown.
class HelpRecorder : public QtDesktop {
 public:
  explicit HelpRecorder(HelpWindow& unused) : QtDesktop(unused) {}
  void showHelp(HelpTopic topic) override { topics.push_back(topic); }
  std::vector<HelpTopic> topics;
};

void PressF1(QWidget& window) {
  window.activateWindow();
  // Not qWaitForWindowActive: it takes a dialog for active as soon as its owner is.
  QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
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
    HelpWindow unused(dir.filePath("VOREL.HLP"));
    auto recorder = std::make_unique<HelpRecorder>(unused);
    HelpRecorder& desktop = *recorder;
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"},
                           std::move(recorder));
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
      HelpTopic topic;
    } rows[] = {
        {"main window", shown(windows.mainWindow()), HelpTopic::Main},
        {"register editor", shown(windows.registerEditor()), HelpTopic::Main},
        {"person entry", shown(windows.personEntry()), HelpTopic::Main},
        {"person chooser", shown(windows.personChooser()), HelpTopic::Main},
        {"report window", shown(report), HelpTopic::Main},
        {"about box", shown(windows.aboutBox()), HelpTopic::Main},
        {"error box", modal([&] { desktop.showError(QStringLiteral("Erreur")); }), HelpTopic::Main},
        {"question", modal([&] { desktop.askConfirmation(QStringLiteral("Question ?")); }),
         HelpTopic::Main},
        {"warning", modal([&] { desktop.showWarning(QStringLiteral("Date incorrecte.")); }),
         HelpTopic::Main},
        {"save dialog", modal([&] { report.saveReport(); }), HelpTopic::Save},
        {"open dialog", modal([&] { report.openReport(); }), HelpTopic::Open},
        {"print dialog", modal([&] { report.printReport(); }), HelpTopic::Print},
    };
    for (const auto& row : rows) {
      desktop.topics.clear();
      row.pressF1();
      QVERIFY2(desktop.topics == std::vector<HelpTopic>{row.topic}, row.window);
    }
  }

  // Help asked for in a modal dialog can be read and closed before the dialog is, and outlives
  // it; Escape closes it.
  void helpOverAModalDialog() {
    QTemporaryDir dir;
    auto* help = new HelpWindow(dir.filePath("VOREL.HLP"));
    QPointer<HelpWindow> alive(help);
    QtDesktop desktop(*help);
    bool closedByEscape = false;
    {
      QDialog dialog;
      QTimer::singleShot(0, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        desktop.showHelp(HelpTopic::Main);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }));
        // Through the window system, as a user's key comes: a blocked window gets none.
        QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
        closedByEscape = !help->isVisible();
        desktop.showHelp(HelpTopic::Open);
        dialog.accept();
      });
      dialog.exec();
    }
    QVERIFY(closedByEscape);
    QVERIFY(alive);
    QVERIFY(help->isVisible());
    QVERIFY(!help->parentWidget());
    delete help;
  }
};

VOREL_GUI_TEST(HelpKeyTest);

}  // namespace vorel

#include "HelpKeyTest.moc"
