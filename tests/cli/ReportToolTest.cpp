// vorel-report end to end: its reports are the program's, to the byte.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "base/Cp1252.h"
#include "base/FileIO.h"
#include "base/ProfileFile.h"
#include "cli/ToolRunner.h"
#include "gui/ReportWindow.h"
#include "numerology/Calendar.h"
#include "register/RegisterFile.h"
#include "report/Composition.h"
#include "system/LocaleNames.h"

namespace vorel {

using test::ReadAll;
using test::RunTool;
using test::ToolResult;

namespace {

// The pages and the words of a PDF file with their boxes, as pdftotext reads them.
QByteArrayList PlacedWords(const QString& file) {
  const QByteArray boxes = test::RunProgram("pdftotext", {"-bbox", file, "-"}).out;
  QByteArrayList kept;
  for (const QByteArray& line : boxes.split('\n'))
    if (line.contains("<page") || line.contains("<word")) kept.append(line.trimmed());
  return kept;
}

}  // namespace

class ReportToolTest : public QObject {
  Q_OBJECT

 private slots:
  void textAndRtfAreThoseOfTheProgram() {
    QTemporaryDir dir;
    // The report window's save of the same person.
    test::ScriptedDesktop dialogs;
    ReportWindow window(dialogs, ProfileFile::DefaultPath());
    const Report report = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
    window.showReport(report);
    dialogs.files = {dir.filePath("window.RTF")};
    window.saveReport();

    const ToolResult rtf =
        RunTool({"MARTIN PAUL HENRI", "14/03/1962", "--rtf", dir.filePath("tool.RTF")});
    QCOMPARE(rtf.status, 0);
    QVERIFY(rtf.out.isEmpty());
    QCOMPARE(ReadAll(dir.filePath("tool.RTF")), ReadAll(dir.filePath("window.RTF")));

    const ToolResult text = RunTool({"Martin Paul Henri", "14/03/1962"});
    QCOMPARE(text.status, 0);
    QCOMPARE(text.out.toStdString(), report.document.PlainText() + "\n");
  }

  void explainTellsEachStep() {
    const ToolResult r = RunTool({"BRRR", "14/03/1962", "--explain"});
    QCOMPARE(r.status, 0);
    const QString out = QString::fromUtf8(r.out);
    QVERIFY(out.contains("Détail des calculs"));
    QVERIFY(
        out.contains("Consonnes : 2 + 9 + 9 + 9 = 29 ; réduction 29 -> 11 (arrêt sur le "
                     "nombre maître 11) : réalisation 11"));
    QVERIFY(out.contains("Voyelles : aucune lettre = 0"));
    QVERIFY(
        out.contains("Date : 14 + 3 + 1962 = 1979 ; chiffres 1 + 9 + 7 + 9 = 26 ; "
                     "réduction 26 -> 8 : chemin de vie 8"));
    QVERIFY(out.contains("seconde clé Memo020811"));
  }

  void badArgumentsWriteNothing() {
    QTemporaryDir dir;
    const QString target = dir.filePath("x.RTF");
    const QString dat = dir.filePath("VOREL.DAT");
    const QList<QStringList> cases = {
        {},
        {"DUPONT"},
        {"DUPONT", "31/02/1962", "--rtf", target},
        {"DUPONT", "01/02/1962", "--bogus"},
        {"DUPONT", "01/02/1962", "--rtf"},
        {"--register", dat},
        {"--register", "a", "--out", "b", "--explain"},
        // A name beginning with "-" is an option unless it follows "--".
        {"-DUPONT", "01/02/1962", "--rtf", target},
        // A name with no letter at all once the name rule is applied.
        {"1234", "01/02/1962", "--rtf", target},
        {"DUPONT", "01/02/1962", "--rtf", target, "--pdf", target},
        {"DUPONT", "01/02/1962", "--pdf"},
        {"--import", dir.filePath("a.csv")},
        {"--import", dir.filePath("a.csv"), "--export", target, "--register", dat},
        {"--export", target, "--register", dat, "--out", dir.path()},
        {"--register", dat, "--out", dir.path(), "--pdf", "--pdf"},
        {"--", "DUPONT", "01/02/1962", "--rtf", target},
    };
    for (const QStringList& args : cases) {
      const ToolResult r = RunTool(args);
      QCOMPARE(r.status, 2);
      QVERIFY(r.out.isEmpty());
      QVERIFY(!r.err.isEmpty());
      QVERIFY(!QFile::exists(target));
    }
    const ToolResult help = RunTool({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(QString::fromUtf8(help.out).contains("Rédige le bilan Vorel"));
  }

  // NAME goes through the person entry's rule; "--" ends the options.
  void nameFollowsTheEntrysRule() {
    const struct {
      QStringList args;
      const char* name;
    } cases[] = {
        {{"Hélène", "14/03/1962"}, "HELENE"},
        {{"  dupré   Françoise-Œdipe ", "14/03/1962"}, "DUPRE FRANCOISEOEDIPE"},
        {{"--", "-DUPONT JEAN", "21/06/1980"}, "DUPONT JEAN"},
        {{"--explain", "--", "--x", "21/06/1980"}, "X"},
    };
    for (const auto& c : cases) {
      const ToolResult r = RunTool(c.args);
      QCOMPARE(r.status, 0);
      const Report expected =
          ComposeReport(c.name, c.args[c.args.size() - 1].toStdString(), FrenchLocaleNames());
      QVERIFY2(r.out.startsWith(QByteArray::fromStdString(expected.document.PlainText() + "\n")),
               c.name);
    }
  }

  void wholeRegister() {
    QTemporaryDir dir;
    const std::vector<Person> persons = {{"MARTIN PAUL HENRI", "14/03/1962"},
                                         {"DUPONT", "31/04/1962"},  // not a date: skipped
                                         {"MARTIN PAUL HENRI", "14/03/1962"},
                                         {Utf8ToCp1252("ÉLISE, \"LA\" RENÉE"), "01/06/1980"},
                                         {"", "05/05/1955"}};
    const QString registerPath = dir.filePath("VOREL.DAT");
    SaveRegisterFile(registerPath.toStdString(), persons);
    const QString out = dir.filePath("out");
    const ToolResult r = RunTool({"--register", registerPath, "--out", out});
    QCOMPARE(r.status, 1);
    QVERIFY(QString::fromUtf8(r.err).contains(
        "fiche 2 (DUPONT) passée : '31/04/1962' n'est pas une date correcte.\n"));
    QVERIFY(QString::fromUtf8(r.err).contains("4 bilans écrits"));

    QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, QStringList({"MARTIN_PAUL_HENRI_14-03-1962-2.RTF",
                                 "MARTIN_PAUL_HENRI_14-03-1962.RTF", "SANS_NOM_05-05-1955.RTF",
                                 "numbers.csv", "ÉLISE_LA_RENÉE_01-06-1980.RTF"}));
    const Report martin = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", SystemCalendarNames());
    const QByteArray csv = ReadAll(out + "/numbers.csv");
    const QList<QByteArray> rows = csv.split('\n');
    QCOMPARE(rows.size(), 6);  // heading, four persons, the empty tail
    QCOMPARE(rows[1], QByteArray("MARTIN PAUL HENRI,14/03/1962,1,7,8,8,28,52,80,26,Poissons\r"));
    QVERIFY(rows[3].startsWith("\"ÉLISE, \"\"LA\"\" RENÉE\",01/06/1980,"));
    QVERIFY(
        ReadAll(out + "/MARTIN_PAUL_HENRI_14-03-1962.RTF").contains("Vorel de MARTIN PAUL HENRI"));
    // Names read from a register stay as stored, accents and punctuation included.
    QVERIFY(ReadAll(out + "/ÉLISE_LA_RENÉE_01-06-1980.RTF")
                .contains("Vorel de \\'c9LISE, \"LA\" REN\\'c9E"));

    // The same with PDF files: the same names, another extension, the same summary.
    const QString pdfOut = dir.filePath("pdf");
    const ToolResult p = RunTool({"--register", registerPath, "--out", pdfOut, "--pdf"});
    QCOMPARE(p.status, 1);
    QStringList pdfs = QDir(pdfOut).entryList(QDir::Files, QDir::Name);
    files.replaceInStrings(".RTF", ".pdf");
    QCOMPARE(pdfs, files);
    QCOMPARE(ReadAll(pdfOut + "/numbers.csv"), csv);
    QVERIFY(ReadAll(pdfOut + "/SANS_NOM_05-05-1955.pdf").startsWith("%PDF-"));
    // Made several at a time, each is the PDF of its report alone.
    if (test::HasProgram("pdftotext")) {
      QCOMPARE(
          RunTool({"MARTIN PAUL HENRI", "14/03/1962", "--pdf", dir.filePath("one.pdf")}).status, 0);
      const QByteArrayList one = PlacedWords(dir.filePath("one.pdf"));
      QVERIFY(one.size() > 500);
      QCOMPARE(PlacedWords(pdfOut + "/MARTIN_PAUL_HENRI_14-03-1962-2.pdf"), one);
    }
  }

  // The PDF is the report window's print on a PDF printer with 20 mm margins, word for word
  // and place for place, made without any display; its text is the report's, its fonts are
  // embedded.
  void pdfIsTheWindowsPrint() {
    if (!test::HasProgram("pdftotext") || !test::HasProgram("pdffonts") ||
        !test::HasProgram("pdfinfo"))
      QSKIP("pdftotext, pdffonts or pdfinfo missing (Debian package poppler-utils)");
    QTemporaryDir dir;
    const Report report = ComposeReport("DUPRE HELENE", "02/11/1975", FrenchLocaleNames());
    test::ScriptedDesktop dialogs;
    ReportWindow window(dialogs, ProfileFile::DefaultPath());
    window.showReport(report);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setOutputFileName(dir.filePath("window.pdf"));
    QVERIFY(window.printCopies(printer, 1) > 1);

    // As over ssh: no display, and a platform named for other programs.
    const QString pdf = dir.filePath("tool.pdf");
    const ToolResult r = RunTool(
        {"Dupré Hélène", "02/11/1975", "--pdf", pdf},
        {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", QString()}, {"WAYLAND_DISPLAY", QString()}});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err, QByteArray());

    // Every word in the same place on the same page.
    const QByteArrayList toolWords = PlacedWords(pdf);
    QVERIFY(toolWords.size() > 500);
    QCOMPARE(toolWords, PlacedWords(dir.filePath("window.pdf")));
    // A4, the text 50 points in from the 20 mm margin (57 points).
    QVERIFY(toolWords[0].contains("width=\"595.") && toolWords[0].contains("height=\"842."));
    QVERIFY(toolWords[1].contains("xMin=\"106.9"));

    // The text, line by line, is the report's once the lines the page broke are joined.
    QString text = QString::fromUtf8(test::RunProgram("pdftotext", {pdf, "-"}).out);
    text.remove(QLatin1Char('\f'));
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList paragraphs = QString::fromStdString(report.document.PlainText())
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString paragraph : paragraphs) {
      QVERIFY2(!lines.isEmpty(), qPrintable(paragraph));
      // pdftotext mends a word the page broke at its hyphen ("import-" "export") into one
      // word without it, so hyphens are left out of the comparison. It writes the gap of two
      // spaces as one or two by its width, a paragraph's last spaces leave no mark, and a
      // non-breaking space comes back as a plain one: runs of spaces count as one.
      paragraph = paragraph.remove(QLatin1Char('-')).simplified();
      QString joined = lines.takeFirst().remove(QLatin1Char('-')).simplified();
      while (joined.size() < paragraph.size() && !lines.isEmpty())
        joined += QLatin1Char(' ') + lines.takeFirst().remove(QLatin1Char('-')).simplified();
      QCOMPARE(joined, paragraph);
    }
    QVERIFY(lines.isEmpty());

    // Every font embedded, the bold among them; the title is the report's caption.
    const QByteArrayList fonts = test::RunProgram("pdffonts", {pdf}).out.split('\n').mid(2);
    int listed = 0;
    bool bold = false;
    for (const QByteArray& row : fonts) {
      if (row.trimmed().isEmpty()) continue;
      ++listed;
      QVERIFY2(row.mid(row.indexOf("Identity-H")).simplified().startsWith("Identity-H yes"),
               row.constData());
      bold = bold || row.startsWith("LiberationSerif-Bold");
    }
    QVERIFY(listed >= 2);
    QVERIFY(bold);
    const QString info = QString::fromUtf8(test::RunProgram("pdfinfo", {pdf}).out);
    QVERIFY(info.contains("Title:           " + QString::fromStdString(report.caption) + "\n"));
  }
  // The tool's output and input files get what the program's do: a write-protected report
  // is refused and untouched, a link is followed and stays, a pipe is refused at once.
  void userFilesAsTheProgramTreatsThem() {
    QTemporaryDir dir;
    // Open to the unprivileged user the tool runs as when the tests run as root.
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    const QString readOnly = dir.filePath("readonly.RTF");
    ReplaceFileContents(readOnly.toStdString(), "{\\rtf1 old}");
    if (::geteuid() == 0) QCOMPARE(::chown(readOnly.toLocal8Bit().constData(), 65534, 65534), 0);
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    const QStringList oneReport{"MARTIN PAUL HENRI", "14/03/1962", "--rtf", readOnly};
    ToolResult r =
        ::geteuid() == 0
            ? test::RunProgram("setpriv", QStringList{"--reuid=65534", "--regid=65534",
                                                      "--clear-groups", VOREL_REPORT_TOOL} +
                                              oneReport)
            : RunTool(oneReport);
    QCOMPARE(r.status, 1);
    QCOMPARE(QString::fromUtf8(r.err),
             "vorel-report : Impossible de créer le fichier " + readOnly + ".\n");
    QCOMPARE(ReadAll(readOnly), QByteArray("{\\rtf1 old}"));

    const QString target = dir.filePath("target.RTF"), link = dir.filePath("link.RTF");
    ReplaceFileContents(target.toStdString(), "{\\rtf1 old}");
    QVERIFY(QFile::link(QStringLiteral("target.RTF"), link));
    r = RunTool({"MARTIN PAUL HENRI", "14/03/1962", "--rtf", link});
    QCOMPARE(r.status, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(ReadAll(target).contains("Vorel de MARTIN PAUL HENRI"));

    const QString pipe = dir.filePath("VOREL.DAT");
    QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0666), 0);
    r = RunTool({"--register", pipe, "--out", dir.filePath("out")});
    QCOMPARE(r.status, 1);
    QCOMPARE(QString::fromUtf8(r.err),
             "vorel-report : Impossible d'ouvrir le fichier " + pipe + ".\n");
    QVERIFY(!QFile::exists(dir.filePath("out")));
  }
};

VOREL_GUI_TEST(ReportToolTest);

}  // namespace vorel

#include "ReportToolTest.moc"
