// The register editor: layout, add and modify through the entry dialog, delete, sort, the
// close question and a failed save, keys in the grid, a load that stops part-way.
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "DialogDriver.h"
#include "FileSizeLimit.h"
#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "gui/AboutBox.h"
#include "gui/MainWindow.h"
#include "gui/NameEdit.h"
#include "gui/PersonChooser.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/RegisterGrid.h"
#include "gui/ReportWindow.h"

namespace vorel {

using test::ExecWith;
using test::WhenShown;

namespace {

using Persons = std::vector<Person>;

// The windows the editor needs, on a register file of our own.
struct Editor {
  explicit Editor(const std::vector<Person>& persons)
      : persons(dir.filePath("VOREL.DAT").toStdString()),
        entry(desktop),
        editor(desktop, this->persons, entry) {
    if (!persons.empty()) SaveRegisterFile(dir.filePath("VOREL.DAT").toStdString(), persons);
    editor.loadRegister();
  }
  RegisterGrid* grid() const { return test::Child<RegisterGrid>(editor, "personGrid"); }
  QPushButton* button(const char* name) const { return test::Child<QPushButton>(editor, name); }
  QString rowNumber() const { return test::Child<QLabel>(editor, "rowNumber")->text(); }
  std::vector<std::string> names() const {
    std::vector<std::string> names;
    for (const auto& p : editor.persons()) names.push_back(p.name);
    return names;
  }
  QTemporaryDir dir;
  test::ScriptedDesktop desktop;
  Register persons;
  PersonEntryDialog entry;
  RegisterEditor editor;
};

std::vector<Person> Numbered(int count) {
  std::vector<Person> persons;
  for (int i = 1; i <= count; ++i)
    persons.push_back({"P" + std::to_string(i), "0" + std::to_string(i) + "/01/1970"});
  return persons;
}

// Types a person into the entry dialog once it shows, and confirms with Enter.
void EnterPerson(PersonEntryDialog& entry, const QString& name, const QString& day,
                 const QString& month, const QString& year, QStringList* shown = nullptr) {
  WhenShown(&entry, [=, &entry] {
    if (shown)
      *shown = {entry.windowTitle(), test::Child<NameEdit>(entry, "nameEdit")->text(),
                test::Child<QLineEdit>(entry, "dayEdit")->text(),
                test::Child<QLineEdit>(entry, "monthEdit")->text(),
                test::Child<QLineEdit>(entry, "yearEdit")->text()};
    test::Child<NameEdit>(entry, "nameEdit")->clear();
    QTest::keyClicks(test::Child<NameEdit>(entry, "nameEdit"), name);
    test::Child<QLineEdit>(entry, "dayEdit")->setText(day);
    test::Child<QLineEdit>(entry, "monthEdit")->setText(month);
    test::Child<QLineEdit>(entry, "yearEdit")->setText(year);
    QTest::keyClick(test::Child<NameEdit>(entry, "nameEdit"), Qt::Key_Return);
  });
}

}  // namespace

class RegisterEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void layout() {
    Editor e({});
    RegisterEditor& editor = e.editor;
    QCOMPARE(editor.windowTitle(), QString("Fichier des noms et des dates de naissance "));
    QVERIFY(editor.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(editor.font().bold());
    const struct {
      const char* name;
      const char* caption;
      bool picture;
    } buttons[] = {{"addButton", "&Ajouter", true},
                   {"deleteButton", "&Supprimer", true},
                   {"modifyButton", "&Modifier", true},
                   {"sortButton", "&Trier", true},
                   {"okButton", "OK", false}};
    for (const auto& b : buttons) {
      auto* button = test::Child<QPushButton>(editor, b.name);
      QCOMPARE(button->text(), QString::fromUtf8(b.caption));
      QCOMPARE(!button->icon().pixmap(20).isNull(), b.picture);
    }
    QCOMPARE(e.rowNumber(), QString("Fiche 1/1"));
    QCOMPARE(test::Child<QLabel>(editor, "rowNumber")->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
    QVERIFY(test::Child<QLabel>(editor, "rowNumber")->font().bold());
    QVERIFY(e.button("okButton")->isDefault());
    QVERIFY(!e.button("sortButton")->isEnabled());

    RegisterGrid* g = e.grid();
    QCOMPARE(g->palette().color(QPalette::Base), QColor(0, 255, 255));
    QVERIFY(!g->font().bold());
    QVERIFY(g->showGrid());
    QVERIFY(!g->verticalHeader()->isVisible());
    QCOMPARE(g->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(g->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(g->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(g->columnWidth(0), 300);
    QCOMPARE(g->columnWidth(1), 325);
    QCOMPARE(g->model()->headerData(0, Qt::Horizontal).toString(), QString("Nom et prénom(s)"));
    QCOMPARE(g->model()->headerData(1, Qt::Horizontal).toString(), QString("Date de naissance"));

    QCOMPARE(editor.focusWidget(), e.button("okButton"));

    // A fresh start shows the sample person and closes without a question or a file.
    QCOMPARE(e.names(), std::vector<std::string>{"MARTIN PAUL HENRI"});
    QCOMPARE(ExecWith(editor, [&] { QTest::keyClick(e.button("okButton"), Qt::Key_Return); }),
             int(QDialog::Accepted));
    QVERIFY(e.desktop.boxes.empty());
    QVERIFY(!QFile::exists(e.dir.filePath("VOREL.DAT")));
  }

  void toolbarShowsTheEditorModally() {
    Editor e({});
    PersonChooser chooser(e.desktop);
    ReportWindow report(e.desktop, e.dir.filePath("vorel.ini").toStdString());
    AboutBox about(e.desktop);
    MainWindow main(e.desktop, e.dir.filePath("vorel.ini").toStdString(), e.editor, chooser, report,
                    about);
    bool modal = false;
    WhenShown(&e.editor, [&] {
      modal = e.editor.isModal();
      e.editor.accept();
    });
    test::Child<QToolButton>(main, "registerButton")->click();
    QVERIFY(modal);
  }

  void addWithTwoDigitYearThenModify() {
    Editor e({});
    test::ScriptedDesktop& dialogs = e.desktop;
    dialogs.answers = {Answer::No};
    RegisterEditor& editor = e.editor;
    ExecWith(editor, [&] {
      // Cancelled: nothing changes.
      WhenShown(&e.entry, [&] {
        QTest::keyClick(test::Child<NameEdit>(e.entry, "nameEdit"), Qt::Key_Escape);
      });
      e.button("addButton")->click();
      QCOMPARE(editor.personCount(), 1);
      QVERIFY(!editor.isModified());

      QStringList shown;
      EnterPerson(e.entry, "dupont jean", "5", "3", "62", &shown);
      e.button("addButton")->click();
      QCOMPARE(shown, (QStringList{"Ajouter", "", "", "", ""}));
      QCOMPARE(editor.persons().back(), (Person{"DUPONT JEAN", "05/03/1962"}));
      QCOMPARE(e.grid()->currentRow(), 2);
      QCOMPARE(e.rowNumber(), QString("Fiche 2/2"));
      QVERIFY(e.button("sortButton")->isEnabled());
      QVERIFY(editor.isModified());

      // A three-digit year is taken as typed.
      EnterPerson(e.entry, "abel", "1", "1", "962");
      e.button("addButton")->click();
      QCOMPARE(editor.persons().back().date, std::string("01/01/0962"));

      // Modify shows the fields without leading zeros; a year retyped as 62 stays 62.
      e.grid()->setCurrentRow(2);
      EnterPerson(e.entry, "dupont paul", "5", "3", "62", &shown);
      e.button("modifyButton")->click();
      QCOMPARE(shown, (QStringList{"Modifier", "DUPONT JEAN", "5", "3", "1962"}));
      QCOMPARE(editor.persons()[1], (Person{"DUPONT PAUL", "05/03/0062"}));
      QCOMPARE(e.rowNumber(), QString("Fiche 2/3"));
      editor.reject();
    });
    QVERIFY(e.entry.isHidden());
    QCOMPARE(dialogs.texts(), QStringList{"Le fichier a été modifié. Voulez-vous l'enregistrer ?"});
  }

  void modifyReadsTheDateCell() {
    Editor e(Persons{{"ABEL", "31/02/1962"}, {"BRUN", ""}, {"CHAR", "1/2/3"}});
    RegisterEditor& editor = e.editor;
    const test::ScriptedDesktop& dialogs = e.desktop;
    bool shown = false;
    QPointer<QTimer> pending = WhenShown(&e.entry, [&] {
      shown = true;
      e.entry.reject();
    });
    e.button("modifyButton")->click();
    QVERIFY(!shown);
    delete pending.data();
    QCOMPARE(dialogs.texts(), QStringList{"'31/02/1962' n'est pas une date correcte."});
    QCOMPARE(editor.persons()[0].date, std::string("31/02/1962"));

    // An empty date cell opens the dialog with empty date fields.
    for (int row : {2, 3}) {
      e.grid()->setCurrentRow(row);
      QStringList fields;
      WhenShown(&e.entry, [&] {
        fields = {test::Child<QLineEdit>(e.entry, "dayEdit")->text(),
                  test::Child<QLineEdit>(e.entry, "monthEdit")->text(),
                  test::Child<QLineEdit>(e.entry, "yearEdit")->text()};
        e.entry.reject();
      });
      e.button("modifyButton")->click();
      QCOMPARE(fields, (row == 2 ? QStringList{"", "", ""} : QStringList{"1", "2", "3"}));
    }
    QVERIFY(!editor.isModified());
  }

  void deleteRows() {
    const struct {
      int count;
      int row;
      std::vector<std::string> names;
      const char* label;
      int current;
    } rows[] = {
        {5, 3, {"P1", "P2", "P4", "P5"}, "Fiche 3/4", 3},
        {4, 4, {"P1", "P2", "P3"}, "Fiche 3/3", 3},
        {2, 1, {"P2"}, "Fiche 1/1", 1},
        {1, 1, {"MARTIN PAUL HENRI"}, "Fiche 1/1", 1},
    };
    for (const auto& row : rows) {
      Editor e(Numbered(row.count));
      e.grid()->setCurrentRow(row.row);
      e.button("deleteButton")->click();
      QCOMPARE(e.names(), row.names);
      QCOMPARE(e.rowNumber(), QString(row.label));
      QCOMPARE(e.grid()->currentRow(), row.current);
      QCOMPARE(e.button("sortButton")->isEnabled(), row.names.size() != 1);
      QVERIFY(e.editor.isModified());
      QVERIFY(e.grid()->selectionModel()->isRowSelected(row.current - 1, {}));
    }

    // Deleting the only person leaves the sample person, and that is what gets saved.
    Editor e(Persons{{"SEUL", "01/01/2000"}});
    e.desktop.answers = {Answer::Yes};
    ExecWith(e.editor, [&] {
      e.button("deleteButton")->click();
      e.button("okButton")->click();
    });
    QFile saved(e.dir.filePath("VOREL.DAT"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes.size(), kRecordSize);
    QCOMPARE(bytes.mid(1, 17), QByteArray("MARTIN PAUL HENRI"));
  }

  void deleteKeyInTheGrid() {
    Editor e(Numbered(4));
    RegisterEditor& editor = e.editor;
    e.grid()->setCurrentRow(2);
    QTest::keyClick(e.grid(), Qt::Key_Delete);
    QCOMPARE(e.names(), (std::vector<std::string>{"P1", "P3", "P4"}));
    QTest::keyClick(e.grid(), Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(e.names(), (std::vector<std::string>{"P1", "P4"}));
    QCOMPARE(e.rowNumber(), QString("Fiche 2/2"));
    // Elsewhere the Delete key is nobody's business.
    QTest::keyClick(e.button("okButton"), Qt::Key_Delete);
    QCOMPARE(editor.personCount(), 2);
  }

  void sort() {
    Editor e(
        Persons{{"MARTINEZ", "01/01/1950"}, {"MARTIN PAUL", "02/02/1960"}, {"ABEL", "03/03/1970"}});
    RegisterEditor& editor = e.editor;
    e.grid()->setCurrentRow(3);
    e.button("sortButton")->click();
    QCOMPARE(e.names(), (std::vector<std::string>{"ABEL", "MARTIN PAUL", "MARTINEZ"}));
    QCOMPARE(editor.persons()[2].date, std::string("01/01/1950"));
    QCOMPARE(e.grid()->currentRow(), 1);
    QCOMPARE(e.rowNumber(), QString("Fiche 1/3"));
    QVERIFY(editor.isModified());

    // Already sorted: still marked modified.
    Editor sorted(Persons{{"A", "01/01/1950"}, {"B", "01/01/1950"}});
    QVERIFY(!sorted.editor.isModified());
    sorted.button("sortButton")->click();
    QVERIFY(sorted.editor.isModified());
  }

  void closeQuestion() {
    Editor e(Persons{{"ABEL", "03/03/1970"}, {"ZOE", "01/01/1990"}});
    RegisterEditor& editor = e.editor;
    test::ScriptedDesktop& dialogs = e.desktop;
    const QString path = e.dir.filePath("VOREL.DAT");
    PersonChooser chooser(e.desktop);

    // Annuler keeps the dialog open, whether OK or Escape asked; Non closes it and keeps the
    // edits.
    dialogs.answers = {Answer::Cancel, Answer::Cancel, Answer::No};
    ExecWith(editor, [&] {
      e.button("sortButton")->click();
      e.grid()->setCurrentRow(2);
      e.button("deleteButton")->click();
      e.button("okButton")->click();
      QVERIFY(editor.isVisible());
      QTest::keyClick(e.grid(), Qt::Key_Escape);
      QVERIFY(editor.isVisible());
      editor.close();  // the close box
      QVERIFY(!editor.isVisible());
    });
    QCOMPARE(dialogs.boxes.size(), size_t(3));
    QCOMPARE(dialogs.boxes[0].kind, BoxKind::Confirmation);
    QCOMPARE(dialogs.boxes[0].text,
             QString("Le fichier a été modifié. Voulez-vous l'enregistrer ?"));
    QVERIFY(editor.isModified());
    QCOMPARE(QFileInfo(path).size(), 2 * kRecordSize);
    chooser.fill(editor.persons());
    QCOMPARE(test::Child<RegisterGrid>(chooser, "personGrid")->model()->rowCount(), 1);

    // The question comes again; Oui writes the file.
    dialogs.answers = {Answer::Yes};
    ExecWith(editor, [&] { QTest::keyClick(e.grid(), Qt::Key_Return); });
    QCOMPARE(dialogs.boxes.size(), size_t(4));
    QVERIFY(!editor.isModified());
    QCOMPARE(LoadRegisterFile(path.toStdString()).value.persons, editor.persons());

    // Nothing changed since: no question, and Escape closes at once.
    QCOMPARE(ExecWith(editor, [&] { QTest::keyClick(e.button("okButton"), Qt::Key_Escape); }),
             int(QDialog::Rejected));
    QCOMPARE(dialogs.boxes.size(), size_t(4));
    QVERIFY(dialogs.answers.empty() && !dialogs.unexpected);
  }

  // Another program saved the register while the editor had it: the editor asks, then adds its
  // changes to the file as it now is (Oui), replaces it (Non), or stays open (Annuler).
  void anotherProgramChangedTheRegister() {
    const struct {
      Answer answer;
      bool closed;
      Persons inFile;
    } cases[] = {
        {Answer::Yes, true,
         Persons{{"ABEL", "01/01/1970"}, {"THEIRS", "02/02/1980"}, {"MINE", "03/03/1990"}}},
        {Answer::No, true, Persons{{"ABEL", "01/01/1970"}, {"MINE", "03/03/1990"}}},
        {Answer::Cancel, false, Persons{{"ABEL", "01/01/1970"}, {"THEIRS", "02/02/1980"}}},
    };
    for (const auto& c : cases) {
      Editor e(Persons{{"ABEL", "01/01/1970"}});
      const std::string path = e.dir.filePath("VOREL.DAT").toStdString();
      e.desktop.answers = {Answer::Yes, c.answer};
      // After Annuler, the test closes the editor without saving: "Non" to the save question.
      if (!c.closed) e.desktop.answers.push_back(Answer::No);
      bool open = true;
      ExecWith(e.editor, [&] {
        EnterPerson(e.entry, "MINE", "3", "3", "1990");
        e.button("addButton")->click();
        SaveRegisterFile(path, {{"ABEL", "01/01/1970"}, {"THEIRS", "02/02/1980"}});
        e.button("okButton")->click();
        open = e.editor.isVisible();
        if (open) e.editor.reject();
      });
      QCOMPARE(e.desktop.texts().value(1),
               QString("Le fichier des personnes a été modifié par un autre programme depuis son "
                       "ouverture. Y ajouter vos modifications ?"));
      QCOMPARE(!open, c.closed);
      QCOMPARE(LoadRegisterFile(path).value.persons, c.inFile);
      if (c.answer == Answer::Yes) {
        QCOMPARE(e.editor.persons(), c.inFile);
        QCOMPARE(e.rowNumber().section('/', 1), QString("3"));
      }
    }
  }

  void failedSaveKeepsTheDialogOpen() {
    Editor e({});
    RegisterEditor& editor = e.editor;
    test::ScriptedDesktop& dialogs = e.desktop;
    dialogs.answers = {Answer::Yes, Answer::No};
    bool openAfterFailure = false;
    {
      // The disk fills up during the save: a record is larger than what may still be written.
      test::FileSizeLimit diskFull(100);
      QVERIFY(diskFull.active());
      ExecWith(editor, [&] {
        e.button("deleteButton")->click();
        e.button("okButton")->click();
        openAfterFailure = editor.isVisible();
        e.button("okButton")->click();
      });
    }
    QVERIFY(openAfterFailure);
    QVERIFY(editor.isModified());
    const QString expected =
        QString::fromStdString("Impossible d'écrire dans " + editor.registerPath() + ".");
    QCOMPARE(dialogs.texts(),
             (QStringList{"Le fichier a été modifié. Voulez-vous l'enregistrer ?", expected,
                          "Le fichier a été modifié. Voulez-vous l'enregistrer ?"}));
    QCOMPARE(dialogs.boxes[1].kind, BoxKind::Error);
    // Neither a part of the register nor a temporary file is left behind: only the lock file
    // that every save of the register takes.
    QCOMPARE(QDir(e.dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{".VOREL.DAT.lock"});
  }

  void keysInTheGrid() {
    Editor e(Numbered(3));
    RegisterEditor& editor = e.editor;
    ExecWith(editor, [&] {
      e.grid()->setFocus();
      // Arrows move the current row and the counter; the heading row is never reached.
      QTest::keyClick(e.grid(), Qt::Key_Down);
      QCOMPARE(e.rowNumber(), QString("Fiche 2/3"));
      QTest::keyClick(e.grid(), Qt::Key_End, Qt::ControlModifier);
      QCOMPARE(e.rowNumber(), QString("Fiche 3/3"));
      for (int i = 0; i < 5; ++i) QTest::keyClick(e.grid(), Qt::Key_Up);
      QCOMPARE(e.grid()->currentRow(), 1);

      // Clicks: a person row is chosen; the heading and the space below the rows choose
      // nothing and leave the row marked.
      const QRect third = e.grid()->visualRect(e.grid()->model()->index(2, 1));
      QTest::mouseClick(e.grid()->viewport(), Qt::LeftButton, {}, third.center());
      QCOMPARE(e.rowNumber(), QString("Fiche 3/3"));
      QCOMPARE(e.grid()->horizontalScrollBar()->value(), 0);
      QTest::mouseClick(e.grid()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                        QPoint(10, 5));
      QTest::mouseClick(e.grid()->viewport(), Qt::LeftButton, {},
                        QPoint(10, e.grid()->viewport()->height() - 3));
      QCOMPARE(e.grid()->currentRow(), 3);
      QVERIFY(e.grid()->selectionModel()->isRowSelected(2, {}));

      // Tab leaves the grid.
      e.grid()->setFocus();
      QCOMPARE(editor.focusWidget(), e.grid());
      QTest::keyClick(e.grid(), Qt::Key_Tab);
      QVERIFY(editor.focusWidget() != e.grid());
      QCOMPARE(e.grid()->currentRow(), 3);

      // Enter with the grid focused closes, through the close query.
      e.grid()->setFocus();
      QTest::keyClick(e.grid(), Qt::Key_Return);
    });
    QVERIFY(!editor.isVisible());
    QVERIFY(e.desktop.boxes.empty());
  }

  void loadStoppedPartWay() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("VOREL.DAT").toStdString();
    SaveRegisterFile(path, Numbered(2));
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::Append));
    file.write("0123456789");
    file.close();

    test::ScriptedDesktop desktop;
    PersonEntryDialog entry(desktop);
    Register persons(path);
    RegisterEditor editor(desktop, persons, entry);
    QString error;
    try {
      editor.loadRegister();
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
    QCOMPARE(error, QString("Lecture au-delà de la fin de fichier"));
    QCOMPARE(editor.personCount(), 2);
    QCOMPARE(test::Child<QLabel>(editor, "rowNumber")->text(), QString("Fiche 1/2"));
    QVERIFY(test::Child<QPushButton>(editor, "sortButton")->isEnabled());
    QVERIFY(!editor.isModified());
  }
};

VOREL_GUI_TEST(RegisterEditorTest);

}  // namespace vorel

#include "RegisterEditorTest.moc"
