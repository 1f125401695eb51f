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
#include "ScriptedDialogs.h"
#include "app/Main.h"
#include "app/Startup.h"
#include "platform/Desktop.h"
#include "register/DialogDriver.h"
#include "register/RegisterGrid.h"
#include "register/Schoixp.h"
#include "register/Sfichier.h"
#include "register/Ssaisie.h"
#include "report/Composition.h"
#include "reportwin/Analwin.h"

namespace vorel {

class VorelBtnTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<Windows> windows_;

  // Picks grid row in the chooser and answers OK, or cancels.
  void Choose(int row, bool ok = true) {
    TChoixP* chooser = windows_->ChoixP.get();
    test::WhenShown(chooser, [chooser, row, ok] {
      chooser->Grille->SetCurrentRow(row);
      (ok ? chooser->OKBtn : chooser->CancelBtn)->click();
    });
    windows_->MainForm->VorelBtn->click();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    RegisterList list;
    list.persons = {
        {"MARTIN PAUL HENRI", "14/03/1962"}, {"DUPONT JEAN", "31/04/1962"}, {"BRRR", "01/06/1980"}};
    SaveRegister(dir_->filePath("VOREL.DAT").toStdString(), list);
    windows_ = std::make_unique<Windows>(
        StartupOptions{0, 0, QString(), dir_->path().toStdString() + "/"});
  }
  void cleanup() {
    windows_.reset();
    dir_.reset();
  }

  void chosenPersonGivesTheReport() {
    test::ScriptedDialogs dialogs;
    Choose(1);
    TAnalyseChild& report = *windows_->AnalyseChild;
    QVERIFY(report.isVisible());
    const Report expected = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", SystemCalendarNames());
    QCOMPARE(report.windowTitle(), QString::fromStdString(expected.caption));
    QCOMPARE(report.Content(), expected.document);
    QCOMPARE(windows_->MainForm->Numbers, (CoreNumbers{1, 7, 8, 8, 28, 52, 80, 26}));
    QCOMPARE(report.Memo->textCursor().position(), 0);
    QVERIFY(report.Modified());
    // The chooser showed the register, heading row apart, and keeps the chosen row.
    QCOMPARE(windows_->ChoixP->CurrentRow(), 1);
    QVERIFY(dialogs.boxes.empty());
  }

  void cancellingTheChooserLeavesTheReport() {
    test::ScriptedDialogs dialogs;
    Choose(1);
    const RichDocument before = windows_->AnalyseChild->Content();
    const QString title = windows_->AnalyseChild->windowTitle();
    Choose(3, false);
    QCOMPARE(windows_->AnalyseChild->Content(), before);
    QCOMPARE(windows_->AnalyseChild->windowTitle(), title);
  }

  void invalidDateIsShownAndTheReportStays() {
    test::ScriptedDialogs dialogs;
    Choose(1);
    const RichDocument before = windows_->AnalyseChild->Content();
    Choose(2);
    QCOMPARE(dialogs.Texts(), QStringList{"'31/04/1962' n'est pas une date correcte."});
    QCOMPARE(windows_->AnalyseChild->Content(), before);
  }

  void secondReportReplacesASavedOneWithoutAQuestion() {
    test::ScriptedDialogs dialogs;
    Choose(1);
    dialogs.files = {dir_->filePath("martin.RTF")};
    windows_->AnalyseChild->SpeedSauveClick();
    QCOMPARE(windows_->AnalyseChild->NomFichier(), dir_->filePath("martin.RTF").toStdString());
    Choose(3);
    QVERIFY(dialogs.boxes.empty());
    QVERIFY(windows_->AnalyseChild->NomFichier().empty());
    QVERIFY(windows_->AnalyseChild->windowTitle().startsWith("BRRR ("));
    QVERIFY(!windows_->AnalyseChild->Memo->toPlainText().contains("MARTIN"));
    QCOMPARE(windows_->AnalyseChild->ReportName(), QString("ce vorel"));
  }

  void unsavedRegisterEditsReachTheChooser() {
    test::ScriptedDialogs dialogs;
    Choose(3);
    // Row 2 deleted in the editor, not saved: the chooser's row 3 falls back to the last row.
    TFichier& editor = *windows_->Fichier;
    editor.Grille->SetCurrentRow(2);
    editor.MoinsBtnClick();
    Choose(3);
    QCOMPARE(windows_->ChoixP->CurrentRow(), 2);
    QVERIFY(windows_->AnalyseChild->windowTitle().startsWith("BRRR ("));

    // A person added and not saved can be chosen at once.
    TSaisie& entry = *windows_->Saisie;
    test::WhenShown(&entry, [&entry] {
      entry.NomEdit->setText("NOUVEAU");
      entry.JourEdit->setText("2");
      entry.MoisEdit->setText("2");
      entry.AnneeEdit->setText("2");
      entry.OKBtn->click();
    });
    editor.PlusBtnClick();
    Choose(3);
    // The year typed as 2 on Add is 1902; the test runs under the C locale's French names.
    QCOMPARE(windows_->AnalyseChild->windowTitle(),
             QString("NOUVEAU (Dimanche 02 Février 1902 - Verseau)"));
    QCOMPARE(QFile(dir_->filePath("VOREL.DAT")).size(), 3 * 267);
  }
};

VOREL_GUI_TEST(VorelBtnTest);

}  // namespace vorel

#include "VorelBtnTest.moc"
