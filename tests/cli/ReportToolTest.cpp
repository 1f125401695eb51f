// vorel-report end to end: its reports are the program's, to the byte.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "base/Cp1252.h"
#include "base/FileIO.h"
#include "gui/ReportWindow.h"
#include "numerology/Calendar.h"
#include "register/RegisterFile.h"
#include "report/Composition.h"
#include "system/LocaleNames.h"

namespace vorel {
namespace {

struct Result {
  int status;
  QByteArray out, err;
};

// asUser: as an unprivileged user when the tests run as root, for whom permissions count.
Result RunTool(const QStringList& arguments, bool asUser = false) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LANG", "fr_FR.UTF-8");
  env.remove("LC_ALL");
  p.setProcessEnvironment(env);
  if (asUser && ::geteuid() == 0)
    p.start(QStringLiteral("setpriv"),
            QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", VOREL_REPORT_TOOL} +
                arguments);
  else
    p.start(QStringLiteral(VOREL_REPORT_TOOL), arguments);
  if (!p.waitForFinished(60000)) return {-1, {}, {}};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ReportToolTest : public QObject {
  Q_OBJECT

 private slots:
  void textAndRtfAreThoseOfTheProgram() {
    QTemporaryDir dir;
    // The report window's save of the same person.
    test::ScriptedDesktop dialogs;
    ReportWindow window;
    const Report report = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
    window.showReport(report);
    dialogs.files = {dir.filePath("window.RTF")};
    window.saveReport();

    const Result rtf =
        RunTool({"MARTIN PAUL HENRI", "14/03/1962", "--rtf", dir.filePath("tool.RTF")});
    QCOMPARE(rtf.status, 0);
    QVERIFY(rtf.out.isEmpty());
    QCOMPARE(ReadAll(dir.filePath("tool.RTF")), ReadAll(dir.filePath("window.RTF")));

    const Result text = RunTool({"Martin Paul Henri", "14/03/1962"});
    QCOMPARE(text.status, 0);
    QCOMPARE(text.out.toStdString(), report.document.PlainText() + "\n");
  }

  void explainTellsEachStep() {
    const Result r = RunTool({"BRRR", "14/03/1962", "--explain"});
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
    const QList<QStringList> cases = {
        {},
        {"DUPONT"},
        {"DUPONT", "31/02/1962", "--rtf", target},
        {"DUPONT", "01/02/1962", "--bogus"},
        {"DUPONT", "01/02/1962", "--rtf"},
        {"--register", dir.filePath("VOREL.DAT")},
        {"--register", "a", "--out", "b", "--explain"},
    };
    for (const QStringList& args : cases) {
      const Result r = RunTool(args);
      QCOMPARE(r.status, 2);
      QVERIFY(r.out.isEmpty());
      QVERIFY(!r.err.isEmpty());
      QVERIFY(!QFile::exists(target));
    }
    const Result help = RunTool({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(QString::fromUtf8(help.out).contains("Rédige le bilan Vorel"));
  }

  void wholeRegister() {
    QTemporaryDir dir;
    RegisterList list;
    list.persons = {{"MARTIN PAUL HENRI", "14/03/1962"},
                    {"DUPONT", "31/04/1962"},  // not a date: listed and skipped
                    {"MARTIN PAUL HENRI", "14/03/1962"},
                    {Utf8ToCp1252("ÉLISE, \"LA\" RENÉE"), "01/06/1980"},
                    {"", "05/05/1955"}};
    const QString registerPath = dir.filePath("VOREL.DAT");
    SaveRegister(registerPath.toStdString(), list);
    const QString out = dir.filePath("out");
    const Result r = RunTool({"--register", registerPath, "--out", out});
    QCOMPARE(r.status, 1);
    QVERIFY(QString::fromUtf8(r.err).contains("'31/04/1962' n'est pas une date correcte"));
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
  }

  // The tool's output and input files get what the program's do: a write-protected report
  // is refused and untouched, a link is followed and stays, a pipe is refused at once.
  void userFilesAsTheProgramTreatsThem() {
    QTemporaryDir dir;
    // Open to the unprivileged user the tool may run as.
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    const QString readOnly = dir.filePath("readonly.RTF");
    ReplaceFileContents(readOnly.toStdString(), "{\\rtf1 old}");
    if (::geteuid() == 0) QCOMPARE(::chown(readOnly.toLocal8Bit().constData(), 65534, 65534), 0);
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    Result r = RunTool({"MARTIN PAUL HENRI", "14/03/1962", "--rtf", readOnly}, true);
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
    QVERIFY(QString::fromUtf8(r.err).startsWith("vorel-report : " + pipe +
                                                " : Accès au fichier refusé.\n"));
  }
};

VOREL_GUI_TEST(ReportToolTest);

}  // namespace vorel

#include "ReportToolTest.moc"
