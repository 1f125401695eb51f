// The report window's flows: save, open, print, copy and the save question, answered
// through the dialog seam.
#include <sys/stat.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "FileSizeLimit.h"
#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "base/ProfileFile.h"
#include "document/Rtf.h"
#include "gui/BusyCursor.h"
#include "gui/Guard.h"
#include "gui/HelpWindow.h"
#include "gui/Layouts.h"
#include "gui/Placement.h"
#include "gui/QtDesktop.h"
#include "gui/ReportWindow.h"
#include "render/DocumentBridge.h"
#include "render/PageLayout.h"
#include "report/Composition.h"

namespace vorel {
namespace {

Report Martin() {
  return ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
}

// The settings file of the test program's own configuration folder.
std::string Settings() {
  return ProfileFile::DefaultPath();
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int PdfPages(const QString& path) {
  return static_cast<int>(QString::fromLatin1(ReadAll(path))
                              .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class ReportWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The watch cursor of a long operation goes away however the operation ends; set and
  // restored by hand, an error in between left it on for good.
  void busyCursorEndsWithAnError() {
    test::ScriptedDesktop desktop;
    QVERIFY(!QGuiApplication::overrideCursor());
    RunGuarded(desktop, [] {
      BusyCursor busy;
      QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
      throw Error("Erreur au chargement de flux");
    });
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(desktop.texts(), QStringList{"Erreur au chargement de flux."});
  }

  void layout() {
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    // The toolbar and the text follow the window's size.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(700, 400);
    QTRY_COMPARE(test::Child<QFrame>(w, "toolbar")->geometry(),
                 QRect(0, 0, 700, kReportToolbarHeight));
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->geometry(),
             QRect(0, kReportToolbarHeight, 700, 400 - kReportToolbarHeight));
    w.hide();
    // It cannot be made smaller than its buttons and some text.
    w.resize(100, 40);
    QCOMPARE(w.size(), kReportMinimumSize);
    const struct {
      const char* button;
      const char* tip;
      const char* name;  // what a screen reader says
    } buttons[] = {{"saveButton", "Enregistrer", "Enregistrer"},
                   {"printButton", "Imprimer", "Imprimer"},
                   {"copyButton", "Copier dans le Presse-papiers", "Copier"}};
    for (const auto& b : buttons) {
      QCOMPARE(test::Child<QToolButton>(w, b.button)->toolTip(), QString::fromUtf8(b.tip));
      QCOMPARE(test::Child<QToolButton>(w, b.button)->accessibleName(), QString::fromUtf8(b.name));
      QVERIFY(!test::Child<QToolButton>(w, b.button)->icon().pixmap(18).isNull());
    }
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->document()->defaultFont().family(),
             QString("Times New Roman"));
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->document()->defaultFont().pointSize(), 12);
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->horizontalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOff);
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->lineWrapMode(), QTextEdit::WidgetWidth);
    QVERIFY(!test::Child<QTextEdit>(w, "reportEdit")->tabChangesFocus());
  }

  // Every command has its keys, and the keyboard reaches every button: Tab in the text types a
  // tab, Ctrl+Tab and Ctrl+Shift+Tab leave it.
  void keyboard() {
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* edit = test::Child<QTextEdit>(w, "reportEdit");
    // The caret is in the text, though Tab reaches the buttons first.
    QCOMPARE(QApplication::focusWidget(), edit);
    const struct {
      QKeySequence::StandardKey keys;
      bool save;  // a save dialog, else an open one or a print dialog
      int printRequests;
    } commands[] = {{QKeySequence::Save, true, 0},
                    {QKeySequence::Open, false, 0},
                    {QKeySequence::Print, false, 1}};
    for (const auto& c : commands) {
      dialogs.fileRequests.clear();
      dialogs.printRequests = 0;
      dialogs.files = {QString()};  // cancelled
      dialogs.copies = {0};
      dialogs.answers = {Answer::No};
      QTest::keySequence(edit, QKeySequence(c.keys));
      QCOMPARE(dialogs.printRequests, c.printRequests);
      QCOMPARE(dialogs.fileRequests.size(), size_t(c.printRequests ? 0 : 1));
      if (!c.printRequests) QCOMPARE(dialogs.fileRequests[0].save, c.save);
      dialogs.files.clear();
      dialogs.copies.clear();
      dialogs.answers.clear();
    }

    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(edit->toPlainText().startsWith(QLatin1Char('\t')));
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), test::Child<QToolButton>(w, "saveButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), test::Child<QToolButton>(w, "copyButton"));
    // Space on a button runs it.
    dialogs.printRequests = 0;
    dialogs.copies = {0};
    QTest::keyClick(test::Child<QToolButton>(w, "printButton"), Qt::Key_Space);
    QCOMPARE(dialogs.printRequests, 1);
  }

  // The real open dialog: the RTF reports first, then plain text and any file; a name typed
  // that exists opens as typed, one that does not gets ".RTF".
  void openDialogListsTextFilesAndOpensTypedNames() {
    struct RealFileDialog : test::ScriptedDesktop {
      std::optional<QString> askFileName(QWidget* parent, const FileRequest& request) override {
        return real.askFileName(parent, request);
      }
      HelpWindow help{QString()};
      QtDesktop real{help};
    } desktop;
    QTemporaryDir dir;
    for (const char* name : {"notes", "dupont.RTF"}) {
      QFile f(dir.filePath(QString::fromLatin1(name)));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("texte");
    }
    ReportWindow w(desktop, Settings());
    const struct {
      const char* typed;
      const char* opened;
    } rows[] = {{"notes", "notes"}, {"dupont", "dupont.RTF"}, {"dupont.RTF", "dupont.RTF"}};
    for (const auto& row : rows) {
      QStringList filters;
      QTimer::singleShot(0, [&] {
        QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        dialog->setDirectory(dir.path());
        test::Child<QLineEdit>(*dialog, "fileNameEdit")->setText(QString::fromLatin1(row.typed));
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible()) dialog->reject();
      });
      w.openReport();
      QCOMPARE(filters, (QStringList{"Fichiers vorel (*.RTF)", "Textes (*.txt *.TXT)",
                                     "Tous les fichiers (*)"}));
      QCOMPARE(w.fileName(), dir.filePath(QString::fromLatin1(row.opened)).toStdString());
    }
  }

  void composedReportIsShownUnsavedAndTheQuestionNamesIt() {
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    const Report report = Martin();
    w.showReport(report);
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QString::fromStdString(report.caption));
    QCOMPARE(w.content(), report.document);
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->textCursor().position(), 0);
    QVERIFY(w.isModified());
    QVERIFY(w.fileName().empty());

    dialogs.answers = {Answer::Cancel};
    QVERIFY(!w.close());
    QCOMPARE(dialogs.texts(), QStringList{"Voulez-vous enregistrer ce vorel ?"});
    QVERIFY(w.isVisible());

    dialogs.answers = {Answer::No};
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    // Closing only hides: the text and the flag stay.
    QVERIFY(w.isModified());
    QCOMPARE(w.content(), report.document);
  }

  void saveNamesTheWindowAfterTheFileAndProposesItAgain() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    const QString path = dir.filePath("dupont.RTF");
    dialogs.files = {path};
    test::Child<QToolButton>(w, "saveButton")->click();
    QCOMPARE(dialogs.fileRequests.size(), size_t(1));
    const FileRequest& r = dialogs.fileRequests[0];
    QVERIFY(r.save);
    QCOMPARE(r.title, QString("Enregistrer le vorel dans un fichier texte"));
    QCOMPARE(r.filter, QString("Fichiers vorel (*.RTF)"));
    QCOMPARE(r.defaultSuffix, QString("RTF"));
    QCOMPARE(r.initialPath, QString());
    QCOMPARE(r.helpTopic, HelpTopic::Save);
    QCOMPARE(w.windowTitle(), QString("dupont.RTF"));
    QCOMPARE(w.fileName(), path.toStdString());
    QVERIFY(!w.isModified());
    QCOMPARE(ReadAll(path).toStdString(), WriteRtf(w.content()));

    // Closing now asks nothing; after an edit the question names the file.
    QVERIFY(w.close());
    QVERIFY(dialogs.boxes.empty());
    w.show();
    QTest::keyClicks(test::Child<QTextEdit>(w, "reportEdit"), "x");
    QVERIFY(w.isModified());
    dialogs.answers = {Answer::Cancel};
    QVERIFY(!w.close());
    QCOMPARE(dialogs.texts().last(), QString("Voulez-vous enregistrer dupont.RTF ?"));

    // A second save opens the dialog on the same full path.
    dialogs.files = {path};
    test::Child<QToolButton>(w, "saveButton")->click();
    QCOMPARE(dialogs.fileRequests.back().initialPath, path);
    QVERIFY(!w.isModified());
  }

  void openRestoresFormattingAndReadsPlainText() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    const Report report = Martin();
    const QString rtfPath = dir.filePath("martin.RTF");
    ReplaceFileContents(rtfPath.toStdString(), WriteRtf(report.document));

    ReportWindow w(dialogs, Settings());
    dialogs.files = {rtfPath};
    w.openReport();
    QCOMPARE(dialogs.fileRequests[0].title, QString("Ouvrir un fichier texte"));
    QVERIFY(!dialogs.fileRequests[0].save);
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QString("martin.RTF"));
    QCOMPARE(w.content(), report.document);  // fonts, bold, indents, run by run
    QVERIFY(!w.isModified());

    // Not RTF: plain text, one paragraph per line, Windows-1252 when not UTF-8.
    const QString textPath = dir.filePath("notes.txt");
    QFile f(textPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("premi\xE8re ligne\r\nseconde\rtroisi\xE8me\n");
    f.close();
    dialogs.files = {textPath};
    w.openReport();
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->toPlainText(),
             QString::fromUtf8("première ligne\nseconde\ntroisième"));
    QCOMPARE(dialogs.fileRequests.back().initialPath, rtfPath);  // starts on the last file
    QVERIFY(dialogs.boxes.empty());
  }

  // A file of one paragraph of 400,000 characters opens at once, its text whole, in paragraphs
  // of at most 10,000 characters, and the window says so once.
  void longParagraphsAreCutAndSaid() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    std::string text;
    while (text.size() < 400'000) text += "mot ";
    const QString path = dir.filePath("long.RTF");
    ReplaceFileContents(path.toStdString(), "{\\rtf1\\ansi " + text + "}");
    ReportWindow w(dialogs, Settings());
    dialogs.files = {path};
    w.openReport();
    QCOMPARE(dialogs.texts(),
             QStringList{"Les paragraphes de plus de 10 000 caractères ont été coupés."});
    QCOMPARE(dialogs.boxes[0].kind, BoxKind::Warning);
    const QTextDocument& shown = *test::Child<QTextEdit>(w, "reportEdit")->document();
    QVERIFY(shown.blockCount() >= 40);
    for (QTextBlock b = shown.begin(); b.isValid(); b = b.next()) QVERIFY(b.length() <= 10'001);
    QCOMPARE(shown.toPlainText().remove('\n'), QString::fromStdString(text));
    // A file of short paragraphs opens without a word.
    dialogs.boxes.clear();
    ReplaceFileContents(path.toStdString(), "{\\rtf1\\ansi court\\par}");
    dialogs.files = {path};
    w.openReport();
    QVERIFY(dialogs.boxes.empty());
  }

  // Another program's tab stops: the text after a tab stands at its stop, on screen and on
  // paper, and a save writes the stops back with their kind and leader.
  void tabStopsAreShownPrintedAndSaved() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    const QString path = dir.filePath("liste.rtf");
    ReplaceFileContents(
        path.toStdString(),
        R"({\rtf1{\pard\li360\fi-360 \bullet\tx360\tqr\tldot\tx5000\tab un\tab 2\par})"
        R"(\pard\li720\fi-360\tx1080 -\tab trois\par\pard\li720\fi-360 -\tab quatre})");
    ReportWindow w(dialogs, Settings());
    dialogs.files = {path};
    w.openReport();
    QTextDocument* doc = test::Child<QTextEdit>(w, "reportEdit")->document();
    const QTextBlock block = doc->firstBlock();
    QCOMPARE(block.blockFormat().tabPositions(),
             (QList<QTextOption::Tab>{QTextOption::Tab(24, QTextOption::LeftTab),
                                      QTextOption::Tab(5000 / 15.0, QTextOption::RightTab)}));
    doc->size();  // lays the document out
    // "•\tun\t2": "un" starts at 360 twips, "2" ends at 5000, from the first line's start.
    const QTextLine line = block.layout()->lineAt(0);
    QVERIFY(qAbs(line.cursorToX(2) - line.x() - 24) < 0.5);
    QVERIFY(qAbs(line.cursorToX(6) - line.x() - 5000 / 15.0) < 0.5);
    // A hanging indent is a stop too, before a later one and without any: "trois" and
    // "quatre" line up with the lines below them.
    for (QTextBlock hanging : {block.next(), block.next().next()}) {
      const QTextLine first = hanging.layout()->lineAt(0);
      QVERIFY(qAbs(first.cursorToX(2) - first.x() - 24) < 0.5);
    }

    // At 300 dpi the stops keep their place in inches.
    QImage page(2480, 3508, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    const auto printed = LayOutForDevice(*doc, page);
    const QTextLine printedLine = printed->firstBlock().layout()->lineAt(0);
    QVERIFY(qAbs(printedLine.cursorToX(2) - printedLine.x() - 75) < 1.5);

    const QString savedPath = dir.filePath("liste2.rtf");
    dialogs.files = {savedPath};
    test::Child<QToolButton>(w, "saveButton")->click();
    const auto saved = ReadRtf(ReadAll(savedPath).toStdString());
    QVERIFY(saved && saved->paragraphs.size() == 3);
    QCOMPARE(saved->paragraphs[0].format.tabs,
             (std::vector<TabStop>{{360}, {5000, TabKind::Right, TabLeader::Dots}}));
    QCOMPARE(saved->paragraphs[1].format.tabs, std::vector<TabStop>{{1080}});
    QVERIFY(saved->paragraphs[2].format.tabs.empty());
    QCOMPARE(saved->paragraphs[0].Text(), std::string("\u2022\tun\t2"));
  }

  void questionWhileOpening() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    const Report report = Martin();
    w.showReport(report);
    // "Annuler": no open dialog, nothing changes.
    dialogs.answers = {Answer::Cancel};
    w.openReport();
    QVERIFY(dialogs.fileRequests.empty());
    QCOMPARE(w.content(), report.document);
    QVERIFY(w.isModified());
    // "&Oui", then the save dialog cancelled: the open dialog still comes.
    dialogs.answers = {Answer::Yes};
    dialogs.files = {QString(), QString()};
    w.openReport();
    QCOMPARE(dialogs.fileRequests.size(), size_t(2));
    QVERIFY(dialogs.fileRequests[0].save);
    QVERIFY(!dialogs.fileRequests[1].save);
    QVERIFY(w.isModified());
  }

  // The report as composed or opened is where the edit history starts: undo takes back the
  // user's edits only, Ctrl+Y and Ctrl+Shift+Z both redo.
  void undoTakesBackOnlyTheUsersEdits() {
    QTemporaryDir dir;
    const Report report = Martin();
    const QString path = dir.filePath("martin.RTF");
    ReplaceFileContents(path.toStdString(), WriteRtf(report.document));
    const struct {
      const char* how;
      std::function<void(ReportWindow&, test::ScriptedDesktop&)> load;
      bool unsaved;
    } loads[] = {
        {"composed", [&](ReportWindow& w, test::ScriptedDesktop&) { w.showReport(report); }, true},
        {"opened",
         [&](ReportWindow& w, test::ScriptedDesktop& dialogs) {
           dialogs.answers = {Answer::No};
           dialogs.files = {path};
           w.openReport();
         },
         false},
    };
    for (const auto& load : loads) {
      test::ScriptedDesktop dialogs;
      ReportWindow w(dialogs, Settings());
      w.showReport(Martin());
      QTest::keyClicks(test::Child<QTextEdit>(w, "reportEdit"), "earlier");
      load.load(w, dialogs);
      auto* edit = test::Child<QTextEdit>(w, "reportEdit");
      const auto undoAction = [&] {
        std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        return test::Child<QAction>(*menu, "edit-undo")->isEnabled();
      };
      QVERIFY2(!undoAction(), load.how);
      QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
      QVERIFY2(w.content() == report.document, load.how);
      QCOMPARE(w.isModified(), load.unsaved);

      QTest::keyClicks(edit, "x");
      QVERIFY2(undoAction(), load.how);
      const QString edited = edit->toPlainText();
      const struct {
        QKeyCombination key;
        bool undone;
      } keys[] = {{Qt::ControlModifier | Qt::Key_Z, true},
                  {Qt::ControlModifier | Qt::Key_Y, false},
                  {Qt::ControlModifier | Qt::Key_Z, true},
                  {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, false},
                  {Qt::ControlModifier | Qt::Key_Z, true},
                  {Qt::ControlModifier | Qt::Key_Z, true}};
      for (const auto& k : keys) {
        QTest::keyClick(edit, k.key.key(), k.key.keyboardModifiers());
        QVERIFY2((edit->toPlainText() != edited) == k.undone, load.how);
        QVERIFY2(k.undone == (w.content() == report.document), load.how);
      }
      // Back where it was opened: nothing to save; a composed report stays unsaved.
      QCOMPARE(w.isModified(), load.unsaved);
      const size_t asked = dialogs.boxes.size();
      if (load.unsaved) dialogs.answers = {Answer::No};
      QVERIFY(w.close());
      QCOMPARE(dialogs.boxes.size() - asked, size_t(load.unsaved ? 1 : 0));
    }
  }

  // The real print dialog offers the printer, the file, the copies, the colour and two-sided
  // printing, and nothing the printing would ignore: no page range, page set, collation or
  // reverse order. Three copies chosen there print three whole copies.
  void printDialogOffersOnlyWhatIsHonoured() {
    struct RealPrintDialog : test::ScriptedDesktop {
      std::optional<int> askPrint(QWidget* parent, QPrinter& printer, HelpTopic topic) override {
        return real.askPrint(parent, printer, topic);
      }
      HelpWindow help{QString()};
      QtDesktop real{help};
    } desktop;
    QTemporaryDir dir;
    ReportWindow w(desktop, Settings());
    w.showReport(Martin());
    const auto printThrough = [&](const QString& pdf, int copies, QStringList* offered) {
      QTimer::singleShot(0, [&] {
        QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget* dialog = QApplication::activeModalWidget();
        for (auto* b : dialog->findChildren<QPushButton*>())
          if (b->text().contains(QStringLiteral("Options"))) b->click();  // the whole dialog
        // Every tab of it in turn.
        const auto collect = [&] {
          for (QWidget* input : dialog->findChildren<QWidget*>()) {
            const bool isInput =
                qobject_cast<QAbstractButton*>(input) || qobject_cast<QComboBox*>(input) ||
                qobject_cast<QAbstractSpinBox*>(input) || qobject_cast<QLineEdit*>(input);
            const QString name = input->objectName();
            if (isInput && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_")) &&
                input->isVisibleTo(dialog) && !offered->contains(name))
              *offered << name;
          }
        };
        if (offered) {
          for (auto* tabs : dialog->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i) {
              tabs->setCurrentIndex(i);
              collect();
            }
        }
        test::Child<QSpinBox>(*dialog, "copies")->setValue(copies);
        test::Child<QLineEdit>(*dialog, "filename")->setText(pdf);
        static_cast<QDialog*>(dialog)->accept();
      });
      test::Child<QToolButton>(w, "printButton")->click();
    };
    QStringList offered;
    printThrough(dir.filePath("one.pdf"), 1, &offered);
    offered.sort();
    const QStringList honoured = {"color",       "copies",    "duplexLong", "duplexShort",
                                  "fileBrowser", "filename",  "grayscale",  "noDuplex",
                                  "printers",    "properties"};
    QCOMPARE(offered, honoured);
    const int pagesPerCopy = PdfPages(dir.filePath("one.pdf"));
    QVERIFY(pagesPerCopy >= 2);
    printThrough(dir.filePath("three.pdf"), 3, nullptr);
    QCOMPARE(PdfPages(dir.filePath("three.pdf")), 3 * pagesPerCopy);
  }

  void yesThenCancelledSaveStillCloses() {
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    dialogs.answers = {Answer::Yes};
    dialogs.files = {QString()};
    QVERIFY(w.close());
    QVERIFY(w.isModified());
    // A later open asks again.
    dialogs.answers = {Answer::Cancel};
    w.openReport();
    QCOMPARE(dialogs.texts().size(), 2);
  }

  void failedSaveKeepsTheOldFileAndTheFlag() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    const QString path = dir.filePath("old.RTF");
    ReplaceFileContents(path.toStdString(), "{\\rtf1 old}");

    dialogs.files = {path};
    {
      // The disk fills up during the save.
      test::FileSizeLimit diskFull(100);
      QVERIFY(diskFull.active());
      test::Child<QToolButton>(w, "saveButton")->click();
    }
    QCOMPARE(dialogs.texts(), QStringList{"Erreur à l'enregistrement de flux."});
    QCOMPARE(w.windowTitle(), QString("old.RTF"));
    QCOMPARE(w.fileName(), path.toStdString());
    QVERIFY(w.isModified());
    QCOMPARE(ReadAll(path), QByteArray("{\\rtf1 old}"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary file left

    // A folder that does not exist: the file cannot be created.
    const QString nowhere = dir.filePath("absent/x.RTF");
    dialogs.files = {nowhere};
    test::Child<QToolButton>(w, "saveButton")->click();
    QCOMPARE(dialogs.texts().last(), "Impossible de créer le fichier " + nowhere + ".");

    // Asked for by the question while closing: the window stays open.
    dialogs.answers = {Answer::Yes};
    dialogs.files = {nowhere};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
  }

  // A missing file, and names that are no document: a pipe nobody writes to (which must not
  // hang the program), a device, a folder.
  void failedOpenNamesTheFileButKeepsTheText() {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.RTF");
    QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.RTF")));
    for (const QString& path : {QStringLiteral("/nonexistent/lost.RTF"), pipe,
                                QStringLiteral("/dev/zero"), dir.filePath("folder.RTF")}) {
      test::ScriptedDesktop dialogs;
      ReportWindow w(dialogs, Settings());
      const Report report = Martin();
      w.showReport(report);
      w.hide();
      dialogs.answers = {Answer::No};
      dialogs.files = {path};
      RunGuarded(dialogs, [&] { w.openReport(); });
      QCOMPARE(dialogs.texts().last(), "Impossible d'ouvrir le fichier " + path + ".");
      QCOMPARE(w.windowTitle(), QFileInfo(path).fileName());
      QCOMPARE(w.fileName(), path.toStdString());
      QCOMPARE(w.content(), report.document);
      QVERIFY(w.isModified());
      QVERIFY(!w.isVisible());
    }
  }

  // Saving over a symbolic link saves the file it points to; the link stays a link.
  void saveThroughALinkKeepsTheLink() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    const QString target = dir.filePath("target.RTF"), link = dir.filePath("link.RTF");
    ReplaceFileContents(target.toStdString(), "{\\rtf1 old}");
    QVERIFY(QFile::link(QStringLiteral("target.RTF"), link));
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    dialogs.files = {link};
    test::Child<QToolButton>(w, "saveButton")->click();
    QVERIFY(dialogs.texts().isEmpty());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(ReadAll(target), QByteArray::fromStdString(WriteRtf(w.content())));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
  }

  void copyWholeReportOrSelection() {
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    const Report report = Martin();
    w.showReport(report);
    QTextCursor end = test::Child<QTextEdit>(w, "reportEdit")->textCursor();
    end.movePosition(QTextCursor::End);
    test::Child<QTextEdit>(w, "reportEdit")->setTextCursor(end);
    test::Child<QToolButton>(w, "copyButton")->click();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QCOMPARE(mime->text(), QString::fromStdString(report.document.PlainText()));
    const auto copied = ReadRtf(mime->data(QStringLiteral("text/rtf")).toStdString());
    QVERIFY(copied.has_value());
    QCOMPARE(*copied, report.document);
    QVERIFY(mime->hasHtml());
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->textCursor().position(), 0);
    QVERIFY(!test::Child<QTextEdit>(w, "reportEdit")->textCursor().hasSelection());

    // A selection: only it, and the caret where it began.
    QTextCursor c = test::Child<QTextEdit>(w, "reportEdit")->textCursor();
    c.setPosition(2);
    c.setPosition(12, QTextCursor::KeepAnchor);
    test::Child<QTextEdit>(w, "reportEdit")->setTextCursor(c);
    test::Child<QToolButton>(w, "copyButton")->click();
    QCOMPARE(QApplication::clipboard()->text(), QString("Vorel de M"));
    QCOMPARE(test::Child<QTextEdit>(w, "reportEdit")->textCursor().position(), 2);

    // The non-breaking spaces of French typography reach the clipboard as they are.
    test::Child<QTextEdit>(w, "reportEdit")
        ->setPlainText(QStringLiteral("Vous\u00A0?\nOui\u00A0!"));
    test::Child<QToolButton>(w, "copyButton")->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Vous\u00A0?\nOui\u00A0!"));
  }

  void printLayoutKeepsTheIndentsInPoints() {
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    // A 300 dpi page: 50 points of indent are 208 device pixels on both sides.
    QImage page(2480, 3508, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    const auto doc = LayOutForDevice(*test::Child<QTextEdit>(w, "reportEdit")->document(), page);
    QCOMPARE(doc->pageSize(), QSizeF(2480, 3508));
    const QTextBlock title = doc->findBlockByNumber(2);
    QCOMPARE(title.text().left(9), QString("Vorel de "));
    QVERIFY(qAbs(title.layout()->lineAt(0).x() - 208.3) < 1.5);
    const QTextBlock body = doc->findBlockByNumber(7);
    QVERIFY(body.layout()->lineCount() > 1);
    for (int i = 0; i < body.layout()->lineCount(); ++i) {
      const QTextLine line = body.layout()->lineAt(i);
      QVERIFY(qAbs(line.x() - 208.3) < 1.5);
      QVERIFY(line.x() + line.width() <= 2480 - 208.3 + 1.5);
    }
    // The text keeps its size in points: 12 points are 50 pixels at 300 dpi.
    QVERIFY(qAbs(body.layout()->lineAt(0).height() - 50 * 1.15) < 12);
  }

  void printsCompleteCopiesEachOnNewPages() {
    QTemporaryDir dir;
    test::ScriptedDesktop dialogs;
    ReportWindow w(dialogs, Settings());
    w.showReport(Martin());
    dialogs.printFile = dir.filePath("one.pdf");
    dialogs.copies = {1};
    test::Child<QToolButton>(w, "printButton")->click();
    const int pagesPerCopy = PdfPages(dialogs.printFile);
    QVERIFY(pagesPerCopy >= 2);

    dialogs.printFile = dir.filePath("three.pdf");
    dialogs.copies = {3};
    test::Child<QToolButton>(w, "printButton")->click();
    QCOMPARE(PdfPages(dialogs.printFile), 3 * pagesPerCopy);
    // The job is named after the caption, cut to 31 characters: the PDF's title is a UTF-16
    // string that ends right after "mercredi 14 ".
    const QString name = w.windowTitle().left(31);
    QCOMPARE(name, QString("MARTIN PAUL HENRI (mercredi 14 "));
    QByteArray tail;
    for (QChar ch : QString("mercredi 14 ")) tail += char(0), tail += char(ch.unicode());
    tail += ')';
    QVERIFY(ReadAll(dialogs.printFile).contains(tail));

    // Cancelled: nothing printed.
    dialogs.printFile = dir.filePath("none.pdf");
    dialogs.copies = {0};
    test::Child<QToolButton>(w, "printButton")->click();
    QVERIFY(!QFile::exists(dialogs.printFile));
    QVERIFY(dialogs.boxes.empty());
  }
};

VOREL_GUI_TEST(ReportWindowTest);

}  // namespace vorel

#include "ReportWindowTest.moc"
