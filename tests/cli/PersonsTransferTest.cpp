// vorel-report --import and --export: the register to and from spreadsheet files, through
// the command as a user runs it.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTest.h"
#include "base/Cp1252.h"
#include "cli/ToolRunner.h"
#include "register/RegisterFile.h"

namespace vorel {

using test::ReadAll;
using test::RunTool;
using test::ToolResult;
using test::WriteAll;

namespace {

QByteArray RegisterBytes(const std::vector<Person>& persons) {
  QByteArray bytes;
  for (const Person& person : persons) {
    unsigned char record[kRecordSize];
    EncodeRecord(person, record);
    bytes.append(reinterpret_cast<const char*>(record), kRecordSize);
  }
  return bytes;
}

}  // namespace

class PersonsTransferTest : public QObject {
  Q_OBJECT

 private slots:
  // Good files add their persons, in file order, after those already there; a missing or
  // empty register holds only the imported persons. A bad file, a bad register or a missing
  // file changes nothing and names what is wrong.
  void importIsAllOrNothing() {
    const std::vector<Person> two = {{"DURAND MARC", "01/02/1970"},
                                     {Utf8ToCp1252("ÉVA"), "03/04/1980"}};
    const QByteArray damaged = RegisterBytes(two) + QByteArray(100, 'x');
    const QByteArray missing;  // no file at all
    const struct {
      const char* what;
      QByteArray registerBytes;
      bool registerExists;
      QByteArray csv;
      int status;
      const char* message;
      std::vector<Person> result;  // empty: the register is as it was
    } cases[] = {
        {"semicolons, header, into no register",
         missing,
         false,
         "nom;date de naissance\r\nRousseau Élodie;14/03/1962\r\nDUPONT JEAN;1990-12-31\r\n",
         0,
         "2 personnes ajoutées",
         {{"ROUSSEAU ELODIE", "14/03/1962"}, {"DUPONT JEAN", "31/12/1990"}}},
        {"into an empty register",
         "",
         true,
         "\xEF\xBB\xBFZo\xC3\xA9;1/2/2003\n",
         0,
         "1 personnes ajoutées",
         {{"ZOE", "01/02/2003"}}},
        {"Windows-1252, commas, quotes, after the persons there",
         RegisterBytes(two),
         true,
         "\"L\xE9on, dit \"\"Lulu\"\"\",29/02/2000\r\n",
         0,
         "1 personnes ajoutées",
         {two[0], two[1], {"LEON DIT LULU", "29/02/2000"}}},
        {"a date that does not exist",
         RegisterBytes(two),
         true,
         "nom;date\nA;01/01/2000\nB;31/02/1990\n",
         1,
         "x.csv : Ligne 3 : la date « 31/02/1990 » n'existe pas.\n",
         {}},
        {"a missing date",
         missing,
         false,
         "A;01/01/2000\nB\n",
         1,
         "Ligne 2 : la date de naissance manque.",
         {}},
        {"a name too long",
         RegisterBytes(two),
         true,
         "A;01/01/2000\n" + QByteArray(256, 'N') + ";01/01/2000\n",
         1,
         "Ligne 2 : le nom a plus de 255 caractères.",
         {}},
        {"a damaged register",
         damaged,
         true,
         "A;01/01/2000\n",
         1,
         "Lecture au-delà de la fin de fichier",
         {}},
        {"no person in the file",
         RegisterBytes(two),
         true,
         "nom;date de naissance\r\n",
         0,
         "Aucune personne",
         {}},
    };
    for (const auto& c : cases) {
      QTemporaryDir dir;
      const QString dat = dir.filePath("VOREL.DAT");
      const QString csv = dir.filePath("x.csv");
      if (c.registerExists) QVERIFY(WriteAll(dat, c.registerBytes));
      QVERIFY(WriteAll(csv, c.csv));
      const ToolResult r = RunTool({"--import", csv, "--register", dat});
      QVERIFY2(r.status == c.status, c.what);
      QVERIFY2(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.message)),
               qPrintable(QString(c.what) + ": " + r.err));
      if (c.result.empty()) {
        QVERIFY2(QFile::exists(dat) == c.registerExists, c.what);
        QVERIFY2(ReadAll(dat) == c.registerBytes, c.what);
      } else {
        QVERIFY2(ReadAll(dat) == RegisterBytes(c.result), c.what);
      }
    }

    // A CSV file that is not there.
    QTemporaryDir dir;
    const ToolResult r =
        RunTool({"--import", dir.filePath("nothing.csv"), "--register", dir.filePath("V.DAT")});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains("Impossible d'ouvrir le fichier"));
    QVERIFY(!QFile::exists(dir.filePath("V.DAT")));
  }

  // What the person entry writes comes back byte for byte: export, then import into no
  // register, gives the same VOREL.DAT.
  void exportThenImportGivesTheSameRegister() {
    QTemporaryDir dir;
    const std::vector<Person> persons = {{"MARTIN PAUL HENRI", "14/03/1962"},
                                         {"DUPONT JEAN", "29/02/2000"},
                                         {"A", "01/01/0100"},
                                         {"MARTIN PAUL HENRI", "14/03/1962"},
                                         {std::string(255, 'Z'), "31/12/9999"}};
    const QByteArray original = RegisterBytes(persons);
    QVERIFY(WriteAll(dir.filePath("VOREL.DAT"), original));
    const QString csv = dir.filePath("personnes.csv");
    const ToolResult out = RunTool({"--export", csv, "--register", dir.filePath("VOREL.DAT")});
    QCOMPARE(out.status, 0);
    const QByteArray text = ReadAll(csv);
    QVERIFY(
        text.startsWith("\xEF\xBB\xBFnom;date de naissance\r\nMARTIN PAUL HENRI;14/03/1962\r\n"));
    QCOMPARE(text.count("\r\n"), 6);
    QCOMPARE(text.count('\n'), 6);

    const ToolResult in = RunTool({"--import", csv, "--register", dir.filePath("NEW.DAT")});
    QCOMPARE(in.status, 0);
    QCOMPARE(ReadAll(dir.filePath("NEW.DAT")), original);

    // A register that is not there is not the sample person's.
    const ToolResult none =
        RunTool({"--export", dir.filePath("n.csv"), "--register", dir.filePath("NONE.DAT")});
    QCOMPARE(none.status, 1);
    QVERIFY(!QFile::exists(dir.filePath("n.csv")));
  }
};

VOREL_GUI_TEST(PersonsTransferTest);

}  // namespace vorel

#include "PersonsTransferTest.moc"
