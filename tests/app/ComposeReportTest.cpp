// "&Vorel", "&Thème" and "&Couple" in the running program: the chooser, the report in the
// report window.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "app/Startup.h"
#include "gui/DialogDriver.h"
#include "gui/MainWindow.h"
#include "gui/NameEdit.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/RegisterGrid.h"
#include "gui/ReportWindow.h"
#include "report/Composition.h"
#include "report/CoupleReport.h"
#include "report/ThemeReport.h"
#include "system/LocaleNames.h"

namespace vorel {

class ComposeReportTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<ProgramWindows> windows_;
  test::ScriptedDesktop* dialogs_ = nullptr;  // the windows' desktop

  // Picks grid row in the chooser and answers OK, or cancels.
  void choose(int row, bool ok = true) {
    PersonChooser* chooser = &windows_->personChooser();
    test::WhenShown(chooser, [chooser, row, ok] {
      test::Child<RegisterGrid>(*chooser, "personGrid")->setCurrentRow(row);
      (ok ? test::Child<QPushButton>(*chooser, "okButton")
          : test::Child<QPushButton>(*chooser, "cancelButton"))
          ->click();
    });
    test::Child<QToolButton>(windows_->mainWindow(), "reportButton")->click();
  }

  // What the chooser showed at each of its showings in a run of choices.
  struct Shown {
    QString caption;
    int row;
  };

  // Presses the toolbar button, then at each showing of the chooser picks a row and answers OK
  // (0: Annuler). A refused choice leaves the chooser open for the next step.
  std::vector<Shown> chooseInTurn(const char* button, std::vector<int> rows) {
    auto shown = std::make_shared<std::vector<Shown>>();
    PersonChooser* chooser = &windows_->personChooser();
    auto step = std::make_shared<std::function<void(size_t)>>();
    *step = [=](size_t i) {
      if (i >= rows.size()) return;
      test::WhenShown(chooser, [=] {
        shown->push_back({chooser->windowTitle(), chooser->currentRow()});
        if (rows[i] == 0) {
          test::Child<QPushButton>(*chooser, "cancelButton")->click();
          return;
        }
        test::Child<RegisterGrid>(*chooser, "personGrid")->setCurrentRow(rows[i]);
        test::Child<QPushButton>(*chooser, "okButton")->click();
        (*step)(i + 1);
      });
    };
    (*step)(0);
    test::Child<QToolButton>(windows_->mainWindow(), button)->click();
    return *shown;
  }

  HelpTopic helpOfTheReport() {
    dialogs_->helpTopics.clear();
    ReportWindow& window = windows_->reportWindow();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return HelpTopic::Contents;
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
    return dialogs_->helpTopics.empty() ? HelpTopic::Contents : dialogs_->helpTopics.back();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    SaveRegisterFile(dir_->filePath("VOREL.DAT").toStdString(),
                     {{"MARTIN PAUL HENRI", "14/03/1962"},
                      {"DUPONT JEAN", "31/04/1962"},
                      {"BRRR", "01/06/1980"}});
    auto desktop = std::make_unique<test::ScriptedDesktop>();
    dialogs_ = desktop.get();
    windows_ = std::make_unique<ProgramWindows>(
        StartupOptions{0, 0, QString(), dir_->path().toStdString() + "/"}, std::move(desktop));
  }
  void cleanup() {
    windows_.reset();
    dir_.reset();
  }

  void chosenPersonGivesTheReport() {
    test::ScriptedDesktop& dialogs = *dialogs_;
    choose(1);
    ReportWindow& report = windows_->reportWindow();
    QVERIFY(report.isVisible());
    const Report expected = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", SystemCalendarNames());
    QCOMPARE(report.windowTitle(), QString::fromStdString(expected.caption));
    QCOMPARE(report.content(), expected.document);
    QCOMPARE(test::Child<QTextEdit>(report, "reportEdit")->textCursor().position(), 0);
    QVERIFY(report.isModified());
    // The chooser showed the register, heading row apart, and keeps the chosen row.
    QCOMPARE(windows_->personChooser().currentRow(), 1);
    QVERIFY(dialogs.boxes.empty());
  }

  void cancellingTheChooserLeavesTheReport() {
    choose(1);
    const RichDocument before = windows_->reportWindow().content();
    const QString title = windows_->reportWindow().windowTitle();
    choose(3, false);
    QCOMPARE(windows_->reportWindow().content(), before);
    QCOMPARE(windows_->reportWindow().windowTitle(), title);
  }

  void invalidDateIsShownAndTheReportStays() {
    test::ScriptedDesktop& dialogs = *dialogs_;
    choose(1);
    const RichDocument before = windows_->reportWindow().content();
    choose(2);
    QCOMPARE(dialogs.texts(), QStringList{"'31/04/1962' n'est pas une date correcte."});
    QCOMPARE(windows_->reportWindow().content(), before);
  }

  void secondReportReplacesASavedOneWithoutAQuestion() {
    test::ScriptedDesktop& dialogs = *dialogs_;
    choose(1);
    dialogs.files = {dir_->filePath("martin.RTF")};
    windows_->reportWindow().saveReport();
    QCOMPARE(windows_->reportWindow().fileName(), dir_->filePath("martin.RTF").toStdString());
    choose(3);
    QVERIFY(dialogs.boxes.empty());
    QVERIFY(windows_->reportWindow().fileName().empty());
    QVERIFY(windows_->reportWindow().windowTitle().startsWith("BRRR ("));
    QVERIFY(!test::Child<QTextEdit>(windows_->reportWindow(), "reportEdit")
                 ->toPlainText()
                 .contains("MARTIN"));
    QCOMPARE(windows_->reportWindow().reportName(), QString("ce vorel"));
  }

  void themeOfTheChosenPerson() {
    chooseInTurn("themeButton", {3});
    ReportWindow& report = windows_->reportWindow();
    const Report expected =
        ComposeTheme("BRRR", "01/06/1980", QDate::currentDate().year(), SystemCalendarNames());
    QCOMPARE(report.windowTitle(), QString::fromStdString(expected.caption));
    QVERIFY(report.windowTitle().startsWith("Thème de BRRR ("));
    QCOMPARE(report.content(), expected.document);
    QCOMPARE(helpOfTheReport(), HelpTopic::Theme);
    // The original report, and a file opened, have the program's page.
    choose(1);
    QCOMPARE(helpOfTheReport(), HelpTopic::Main);
  }

  // The chooser twice, with its two captions; the second starts after the first choice (before
  // it, after the last row) and refuses the same row; either Annuler composes nothing.
  void coupleOfTwoChosenPersons() {
    SaveRegisterFile(dir_->filePath("VOREL.DAT").toStdString(),
                     {{"MARTIN PAUL HENRI", "14/03/1962"},
                      {"DUPONT JEAN", "31/04/1962"},
                      {"BRRR", "01/06/1980"},
                      {"BRRR", "01/06/1980"}});
    QVERIFY(!windows_->registerEditor().persons().empty());
    windows_->registerEditor().loadRegister();
    const QString first = "Choix de la première personne", second = "Choix de la seconde personne";
    const struct {
      const char* what;
      std::vector<int> rows;
      std::vector<Shown> shown;
      QStringList boxes;
      const char* caption;  // null: nothing composed
    } cases[] = {
        {"two rows", {1, 3}, {{first, 1}, {second, 2}}, {}, "MARTIN PAUL HENRI et BRRR"},
        {"the last row first", {4, 1}, {{first, 1}, {second, 3}}, {}, "BRRR et MARTIN PAUL HENRI"},
        {"the same row refused, another taken",
         {1, 1, 4},
         {{first, 1}, {second, 2}, {second, 1}},
         {"Choisissez une autre personne."},
         "MARTIN PAUL HENRI et BRRR"},
        {"two rows of the same person are two persons",
         {3, 4},
         {{first, 1}, {second, 4}},
         {},
         "BRRR et BRRR"},
        {"Annuler first", {0}, {{first, 1}}, {}, nullptr},
        {"Annuler second", {1, 0}, {{first, 1}, {second, 2}}, {}, nullptr},
        {"a date that does not exist",
         {1, 2},
         {{first, 1}, {second, 2}},
         {"'31/04/1962' n'est pas une date correcte."},
         nullptr},
    };
    for (const auto& c : cases) {
      windows_->reportWindow().hide();
      windows_->reportWindow().showReport(Report{"avant", {}, {}, {}});
      dialogs_->boxes.clear();
      windows_->personChooser().startOn(1);
      const std::vector<Shown> shown = chooseInTurn("coupleButton", c.rows);
      QCOMPARE(shown.size(), c.shown.size());
      for (size_t i = 0; i < shown.size(); ++i) {
        QVERIFY2(shown[i].caption == c.shown[i].caption, c.what);
        QVERIFY2(shown[i].row == c.shown[i].row, c.what);
      }
      QVERIFY2(dialogs_->texts() == c.boxes, c.what);
      const QString title = windows_->reportWindow().windowTitle();
      QVERIFY2(title == (c.caption ? QString::fromUtf8(c.caption) : QString("avant")), c.what);
    }
    // The couple report holds what the composition makes, and F1 opens its page.
    chooseInTurn("coupleButton", {1, 3});
    const CoupleReport expected =
        ComposeCouple({"MARTIN PAUL HENRI", "14/03/1962"}, {"BRRR", "01/06/1980"},
                      QDate::currentDate().year(), SystemCalendarNames());
    QCOMPARE(windows_->reportWindow().content(), expected.document);
    QCOMPARE(helpOfTheReport(), HelpTopic::Couple);
    // "&Vorel" finds the plain chooser again, which refuses no row.
    const std::vector<Shown> plain = chooseInTurn("reportButton", {3});
    QCOMPARE(plain.front().caption, QString("Choix d'une personne"));
    QVERIFY(windows_->reportWindow().windowTitle().startsWith("BRRR ("));
  }

  void unsavedRegisterEditsReachTheChooser() {
    choose(3);
    // Row 2 deleted in the editor, not saved: the chooser's row 3 falls back to the last row.
    RegisterEditor& editor = windows_->registerEditor();
    test::Child<RegisterGrid>(editor, "personGrid")->setCurrentRow(2);
    editor.deletePerson();
    choose(3);
    QCOMPARE(windows_->personChooser().currentRow(), 2);
    QVERIFY(windows_->reportWindow().windowTitle().startsWith("BRRR ("));

    // A person added and not saved can be chosen at once.
    PersonEntryDialog& entry = windows_->personEntry();
    test::WhenShown(&entry, [&entry] {
      test::Child<NameEdit>(entry, "nameEdit")->setText("NOUVEAU");
      test::Child<QLineEdit>(entry, "dayEdit")->setText("2");
      test::Child<QLineEdit>(entry, "monthEdit")->setText("2");
      test::Child<QLineEdit>(entry, "yearEdit")->setText("2");
      test::Child<QPushButton>(entry, "okButton")->click();
    });
    editor.addPerson();
    choose(3);
    // The year typed as 2 on Add is 1902; the test runs under the C locale's French names.
    QCOMPARE(windows_->reportWindow().windowTitle(),
             QString("NOUVEAU (Dimanche 02 Février 1902 - Verseau)"));
    QCOMPARE(QFile(dir_->filePath("VOREL.DAT")).size(), 3 * 267);
  }
};

VOREL_GUI_TEST(ComposeReportTest);

}  // namespace vorel

#include "ComposeReportTest.moc"
