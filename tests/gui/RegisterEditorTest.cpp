// The register editor: layout, add and modify through the entry dialog, delete, sort, the
// close question and a failed save, keys in the grid, a load that stops part-way.
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "DialogDriver.h"
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
      : fichier(dir.filePath("VOREL.DAT").toStdString(), saisie) {
    if (!persons.empty()) {
      RegisterList list;
      list.persons = persons;
      SaveRegister(dir.filePath("VOREL.DAT").toStdString(), list);
    }
    fichier.loadRegister();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& p : fichier.list().persons) names.push_back(p.name);
    return names;
  }
  QTemporaryDir dir;
  PersonEntryDialog saisie;
  RegisterEditor fichier;
};

std::vector<Person> Numbered(int count) {
  std::vector<Person> persons;
  for (int i = 1; i <= count; ++i)
    persons.push_back({"P" + std::to_string(i), "0" + std::to_string(i) + "/01/1970"});
  return persons;
}

// Types a person into the entry dialog once it shows, and confirms with Enter.
void EnterPerson(PersonEntryDialog& saisie, const QString& name, const QString& day,
                 const QString& month, const QString& year, QStringList* shown = nullptr) {
  WhenShown(&saisie, [=, &saisie] {
    if (shown)
      *shown = {saisie.windowTitle(), test::Child<NameEdit>(saisie, "nameEdit")->text(),
                test::Child<QLineEdit>(saisie, "dayEdit")->text(),
                test::Child<QLineEdit>(saisie, "monthEdit")->text(),
                test::Child<QLineEdit>(saisie, "yearEdit")->text()};
    test::Child<NameEdit>(saisie, "nameEdit")->clear();
    QTest::keyClicks(test::Child<NameEdit>(saisie, "nameEdit"), name);
    test::Child<QLineEdit>(saisie, "dayEdit")->setText(day);
    test::Child<QLineEdit>(saisie, "monthEdit")->setText(month);
    test::Child<QLineEdit>(saisie, "yearEdit")->setText(year);
    QTest::keyClick(test::Child<NameEdit>(saisie, "nameEdit"), Qt::Key_Return);
  });
}

}  // namespace

class RegisterEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void layout() {
    test::ScriptedDesktop dialogs;
    Editor e({});
    RegisterEditor& f = e.fichier;
    QCOMPARE(f.windowTitle(), QString("Fichier des noms et des dates de naissance "));
    QCOMPARE(f.size(), QSize(592, 372));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(f.font().bold());
    const struct {
      QWidget* widget;
      QRect place;
      const char* caption;
      bool picture;
    } rows[] = {
        {test::Child<QFrame>(f, "bevel"), {8, 8, 577, 313}, nullptr, false},
        {test::Child<RegisterGrid>(f, "personGrid"), {24, 24, 425, 281}, nullptr, false},
        {test::Child<QLabel>(f, "rowNumber"), {464, 24, 98, 13}, "Fiche 1/1", false},
        {test::Child<QPushButton>(f, "addButton"), {464, 72, 105, 33}, "Ajouter", true},
        {test::Child<QPushButton>(f, "deleteButton"), {464, 139, 105, 33}, "Supprimer", true},
        {test::Child<QPushButton>(f, "modifyButton"), {464, 205, 105, 33}, "Modifier", true},
        {test::Child<QPushButton>(f, "sortButton"), {464, 272, 105, 33}, "Trier", true},
        {test::Child<QPushButton>(f, "okButton"), {464, 332, 105, 27}, "OK", false},
    };
    for (const auto& row : rows) {
      const QByteArray name = row.widget->objectName().toLatin1();
      QVERIFY2(row.widget->geometry() == row.place, name);
      if (auto* button = qobject_cast<QPushButton*>(row.widget)) {
        QCOMPARE(button->text(), QString::fromUtf8(row.caption));
        QCOMPARE(!button->icon().pixmap(20).isNull(), row.picture);
      }
    }
    QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 1/1"));
    QCOMPARE(test::Child<QLabel>(f, "rowNumber")->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
    QVERIFY(test::Child<QLabel>(f, "rowNumber")->font().bold());
    QVERIFY(test::Child<QPushButton>(f, "okButton")->isDefault());
    QVERIFY(!test::Child<QPushButton>(f, "sortButton")->isEnabled());

    RegisterGrid* g = test::Child<RegisterGrid>(f, "personGrid");
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

    const QList<QWidget*> order = {
        test::Child<QPushButton>(f, "okButton"),     test::Child<QPushButton>(f, "addButton"),
        test::Child<QPushButton>(f, "deleteButton"), test::Child<QPushButton>(f, "modifyButton"),
        test::Child<QPushButton>(f, "sortButton"),   test::Child<RegisterGrid>(f, "personGrid")};
    for (int i = 0; i + 1 < order.size(); ++i) QCOMPARE(test::NextTabStop(order[i]), order[i + 1]);
    QCOMPARE(test::NextTabStop(test::Child<RegisterGrid>(f, "personGrid")),
             test::Child<QPushButton>(f, "okButton"));
    QCOMPARE(f.focusWidget(), test::Child<QPushButton>(f, "okButton"));

    // A fresh start shows the sample person and closes without a question or a file.
    QCOMPARE(e.Names(), std::vector<std::string>{"MARTIN PAUL HENRI"});
    QCOMPARE(
        ExecWith(f,
                 [&] { QTest::keyClick(test::Child<QPushButton>(f, "okButton"), Qt::Key_Return); }),
        int(QDialog::Accepted));
    QVERIFY(dialogs.boxes.empty());
    QVERIFY(!QFile::exists(e.dir.filePath("VOREL.DAT")));
  }

  void toolbarShowsTheEditorModally() {
    Editor e({});
    PersonChooser chooser;
    ReportWindow report;
    AboutBox about;
    MainWindow main(e.fichier, chooser, report, about);
    bool modal = false;
    WhenShown(&e.fichier, [&] {
      modal = e.fichier.isModal();
      e.fichier.accept();
    });
    test::Child<QToolButton>(main, "registerButton")->click();
    QVERIFY(modal);
  }

  void addWithTwoDigitYearThenModify() {
    test::ScriptedDesktop dialogs;
    dialogs.answers = {Answer::No};
    Editor e({});
    RegisterEditor& f = e.fichier;
    ExecWith(f, [&] {
      // Cancelled: nothing changes.
      WhenShown(&e.saisie, [&] {
        QTest::keyClick(test::Child<NameEdit>(e.saisie, "nameEdit"), Qt::Key_Escape);
      });
      test::Child<QPushButton>(f, "addButton")->click();
      QCOMPARE(f.personCount(), 1);
      QVERIFY(!f.isModified());

      QStringList shown;
      EnterPerson(e.saisie, "dupont jean", "5", "3", "62", &shown);
      test::Child<QPushButton>(f, "addButton")->click();
      QCOMPARE(shown, (QStringList{"Ajouter", "", "", "", ""}));
      QCOMPARE(f.list().persons.back(), (Person{"DUPONT JEAN", "05/03/1962"}));
      QCOMPARE(test::Child<RegisterGrid>(f, "personGrid")->currentRow(), 2);
      QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 2/2"));
      QVERIFY(test::Child<QPushButton>(f, "sortButton")->isEnabled());
      QVERIFY(f.isModified());

      // A three-digit year is taken as typed.
      EnterPerson(e.saisie, "abel", "1", "1", "962");
      test::Child<QPushButton>(f, "addButton")->click();
      QCOMPARE(f.list().persons.back().date, std::string("01/01/0962"));

      // Modify shows the fields without leading zeros; a year retyped as 62 stays 62.
      test::Child<RegisterGrid>(f, "personGrid")->setCurrentRow(2);
      EnterPerson(e.saisie, "dupont paul", "5", "3", "62", &shown);
      test::Child<QPushButton>(f, "modifyButton")->click();
      QCOMPARE(shown, (QStringList{"Modifier", "DUPONT JEAN", "5", "3", "1962"}));
      QCOMPARE(f.list().persons[1], (Person{"DUPONT PAUL", "05/03/0062"}));
      QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 2/3"));
      f.reject();
    });
    QVERIFY(e.saisie.isHidden());
    QCOMPARE(dialogs.Texts(), QStringList{"Le fichier a été modifié. Voulez-vous l'enregistrer ?"});
  }

  void modifyReadsTheDateCell() {
    test::ScriptedDesktop dialogs;
    Editor e(Persons{{"ABEL", "31/02/1962"}, {"BRUN", ""}, {"CHAR", "1/2/3"}});
    RegisterEditor& f = e.fichier;
    bool shown = false;
    QPointer<QTimer> pending = WhenShown(&e.saisie, [&] {
      shown = true;
      e.saisie.reject();
    });
    test::Child<QPushButton>(f, "modifyButton")->click();
    QVERIFY(!shown);
    delete pending.data();
    QCOMPARE(dialogs.Texts(), QStringList{"'31/02/1962' n'est pas une date correcte."});
    QCOMPARE(f.list().persons[0].date, std::string("31/02/1962"));

    // An empty date cell opens the dialog with empty date fields.
    for (int row : {2, 3}) {
      test::Child<RegisterGrid>(f, "personGrid")->setCurrentRow(row);
      QStringList fields;
      WhenShown(&e.saisie, [&] {
        fields = {test::Child<QLineEdit>(e.saisie, "dayEdit")->text(),
                  test::Child<QLineEdit>(e.saisie, "monthEdit")->text(),
                  test::Child<QLineEdit>(e.saisie, "yearEdit")->text()};
        e.saisie.reject();
      });
      test::Child<QPushButton>(f, "modifyButton")->click();
      QCOMPARE(fields, (row == 2 ? QStringList{"", "", ""} : QStringList{"1", "2", "3"}));
    }
    QVERIFY(!f.isModified());
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
      test::Child<RegisterGrid>(e.fichier, "personGrid")->setCurrentRow(row.row);
      test::Child<QPushButton>(e.fichier, "deleteButton")->click();
      QCOMPARE(e.Names(), row.names);
      QCOMPARE(test::Child<QLabel>(e.fichier, "rowNumber")->text(), QString(row.label));
      QCOMPARE(test::Child<RegisterGrid>(e.fichier, "personGrid")->currentRow(), row.current);
      QCOMPARE(test::Child<QPushButton>(e.fichier, "sortButton")->isEnabled(),
               row.names.size() != 1);
      QVERIFY(e.fichier.isModified());
      QVERIFY(test::Child<RegisterGrid>(e.fichier, "personGrid")
                  ->selectionModel()
                  ->isRowSelected(row.current - 1, {}));
    }

    // Deleting the only person leaves the sample person, and that is what gets saved.
    test::ScriptedDesktop dialogs;
    dialogs.answers = {Answer::Yes};
    Editor e(Persons{{"SEUL", "01/01/2000"}});
    ExecWith(e.fichier, [&] {
      test::Child<QPushButton>(e.fichier, "deleteButton")->click();
      test::Child<QPushButton>(e.fichier, "okButton")->click();
    });
    QFile saved(e.dir.filePath("VOREL.DAT"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes.size(), kRecordSize);
    QCOMPARE(bytes.mid(1, 17), QByteArray("MARTIN PAUL HENRI"));
  }

  void deleteKeyInTheGrid() {
    Editor e(Numbered(4));
    RegisterEditor& f = e.fichier;
    test::Child<RegisterGrid>(f, "personGrid")->setCurrentRow(2);
    QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Delete);
    QCOMPARE(e.Names(), (std::vector<std::string>{"P1", "P3", "P4"}));
    QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Delete,
                    Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(e.Names(), (std::vector<std::string>{"P1", "P4"}));
    QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 2/2"));
    // Elsewhere the Delete key is nobody's business.
    QTest::keyClick(test::Child<QPushButton>(f, "okButton"), Qt::Key_Delete);
    QCOMPARE(f.personCount(), 2);
  }

  void sort() {
    Editor e(
        Persons{{"MARTINEZ", "01/01/1950"}, {"MARTIN PAUL", "02/02/1960"}, {"ABEL", "03/03/1970"}});
    RegisterEditor& f = e.fichier;
    test::Child<RegisterGrid>(f, "personGrid")->setCurrentRow(3);
    test::Child<QPushButton>(f, "sortButton")->click();
    QCOMPARE(e.Names(), (std::vector<std::string>{"ABEL", "MARTIN PAUL", "MARTINEZ"}));
    QCOMPARE(f.list().persons[2].date, std::string("01/01/1950"));
    QCOMPARE(test::Child<RegisterGrid>(f, "personGrid")->currentRow(), 1);
    QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 1/3"));
    QVERIFY(f.isModified());

    // Already sorted: still marked modified.
    Editor sorted(Persons{{"A", "01/01/1950"}, {"B", "01/01/1950"}});
    QVERIFY(!sorted.fichier.isModified());
    test::Child<QPushButton>(sorted.fichier, "sortButton")->click();
    QVERIFY(sorted.fichier.isModified());
  }

  void closeQuestion() {
    test::ScriptedDesktop dialogs;
    Editor e(Persons{{"ABEL", "03/03/1970"}, {"ZOE", "01/01/1990"}});
    RegisterEditor& f = e.fichier;
    const QString path = e.dir.filePath("VOREL.DAT");
    PersonChooser choixP;

    // Annuler keeps the dialog open; Non closes it and keeps the edits.
    dialogs.answers = {Answer::Cancel, Answer::No};
    ExecWith(f, [&] {
      test::Child<QPushButton>(f, "sortButton")->click();
      test::Child<RegisterGrid>(f, "personGrid")->setCurrentRow(2);
      test::Child<QPushButton>(f, "deleteButton")->click();
      test::Child<QPushButton>(f, "okButton")->click();
      QVERIFY(f.isVisible());
      f.close();  // the close box
      QVERIFY(!f.isVisible());
    });
    QCOMPARE(dialogs.boxes.size(), size_t(2));
    QCOMPARE(dialogs.boxes[0].kind, BoxKind::Confirmation);
    QCOMPARE(dialogs.boxes[0].text,
             QString("Le fichier a été modifié. Voulez-vous l'enregistrer ?"));
    QVERIFY(f.isModified());
    QCOMPARE(QFileInfo(path).size(), 2 * kRecordSize);
    choixP.fill(f.list());
    QCOMPARE(test::Child<RegisterGrid>(choixP, "personGrid")->model()->rowCount(), 1);

    // The question comes again; Oui writes the file.
    dialogs.answers = {Answer::Yes};
    ExecWith(f,
             [&] { QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Return); });
    QCOMPARE(dialogs.boxes.size(), size_t(3));
    QVERIFY(!f.isModified());
    RegisterList reloaded;
    LoadRegister(path.toStdString(), reloaded);
    QCOMPARE(reloaded.persons, f.list().persons);

    // Nothing changed since: no question.
    ExecWith(f, [&] { test::Child<QPushButton>(f, "okButton")->click(); });
    QCOMPARE(dialogs.boxes.size(), size_t(3));
    QVERIFY(dialogs.answers.empty() && !dialogs.unexpected);
  }

  void failedSaveKeepsTheDialogOpen() {
    test::ScriptedDesktop dialogs;
    Editor e({});
    RegisterEditor& f = e.fichier;
    // The disk fills up during the save.
    SaveOptions diskFull;
    diskFull.failAfterBytes = 100;
    f.setSaveOptions(diskFull);
    dialogs.answers = {Answer::Yes, Answer::No};
    bool openAfterFailure = false;
    ExecWith(f, [&] {
      test::Child<QPushButton>(f, "deleteButton")->click();
      test::Child<QPushButton>(f, "okButton")->click();
      openAfterFailure = f.isVisible();
      test::Child<QPushButton>(f, "okButton")->click();
    });
    QVERIFY(openAfterFailure);
    QVERIFY(f.isModified());
    const QString expected =
        QString::fromStdString("Impossible d'écrire dans " + f.registerPath() + ".");
    QCOMPARE(dialogs.Texts(),
             (QStringList{"Le fichier a été modifié. Voulez-vous l'enregistrer ?", expected,
                          "Le fichier a été modifié. Voulez-vous l'enregistrer ?"}));
    QCOMPARE(dialogs.boxes[1].kind, BoxKind::Error);
  }

  void keysInTheGrid() {
    test::ScriptedDesktop dialogs;
    Editor e(Numbered(3));
    RegisterEditor& f = e.fichier;
    ExecWith(f, [&] {
      test::Child<RegisterGrid>(f, "personGrid")->setFocus();
      // Escape does nothing, in the grid or on a button.
      QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Escape);
      QTest::keyClick(test::Child<QPushButton>(f, "okButton"), Qt::Key_Escape);
      QVERIFY(f.isVisible());

      // Arrows move the current row and the counter; the heading row is never reached.
      QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Down);
      QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 2/3"));
      QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_End, Qt::ControlModifier);
      QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 3/3"));
      for (int i = 0; i < 5; ++i)
        QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Up);
      QCOMPARE(test::Child<RegisterGrid>(f, "personGrid")->currentRow(), 1);

      // Clicks: a person row is chosen; the heading and the space below the rows choose
      // nothing and leave the row marked.
      const QRect third =
          test::Child<RegisterGrid>(f, "personGrid")
              ->visualRect(test::Child<RegisterGrid>(f, "personGrid")->model()->index(2, 1));
      QTest::mouseClick(test::Child<RegisterGrid>(f, "personGrid")->viewport(), Qt::LeftButton, {},
                        third.center());
      QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 3/3"));
      QCOMPARE(test::Child<RegisterGrid>(f, "personGrid")->horizontalScrollBar()->value(), 0);
      QTest::mouseClick(test::Child<RegisterGrid>(f, "personGrid")->horizontalHeader()->viewport(),
                        Qt::LeftButton, {}, QPoint(10, 5));
      QTest::mouseClick(
          test::Child<RegisterGrid>(f, "personGrid")->viewport(), Qt::LeftButton, {},
          QPoint(10, test::Child<RegisterGrid>(f, "personGrid")->viewport()->height() - 3));
      QCOMPARE(test::Child<RegisterGrid>(f, "personGrid")->currentRow(), 3);
      QVERIFY(test::Child<RegisterGrid>(f, "personGrid")->selectionModel()->isRowSelected(2, {}));

      // Tab leaves the grid.
      test::Child<RegisterGrid>(f, "personGrid")->setFocus();
      QCOMPARE(f.focusWidget(), test::Child<RegisterGrid>(f, "personGrid"));
      QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Tab);
      QVERIFY(f.focusWidget() != test::Child<RegisterGrid>(f, "personGrid"));
      QCOMPARE(test::Child<RegisterGrid>(f, "personGrid")->currentRow(), 3);

      // Enter with the grid focused closes, through the close query.
      test::Child<RegisterGrid>(f, "personGrid")->setFocus();
      QTest::keyClick(test::Child<RegisterGrid>(f, "personGrid"), Qt::Key_Return);
    });
    QVERIFY(!f.isVisible());
    QVERIFY(dialogs.boxes.empty());
  }

  void loadStoppedPartWay() {
    test::ScriptedDesktop dialogs;
    QTemporaryDir dir;
    RegisterList list;
    list.persons = Numbered(2);
    const std::string path = dir.filePath("VOREL.DAT").toStdString();
    SaveRegister(path, list);
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::Append));
    file.write("0123456789");
    file.close();

    PersonEntryDialog entry;
    RegisterEditor f(path, entry);
    QString error;
    try {
      f.loadRegister();
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
    QCOMPARE(error, QString("Lecture au-delà de la fin de fichier"));
    QCOMPARE(f.personCount(), 2);
    QCOMPARE(test::Child<QLabel>(f, "rowNumber")->text(), QString("Fiche 1/2"));
    QVERIFY(test::Child<QPushButton>(f, "sortButton")->isEnabled());
    QVERIFY(!f.isModified());
  }
};

VOREL_GUI_TEST(RegisterEditorTest);

}  // namespace vorel

#include "RegisterEditorTest.moc"
