// "&Vorel" in the running program: the chooser, the report in the report window.
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
