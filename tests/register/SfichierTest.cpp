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
#include "ScriptedDialogs.h"
#include "app/Main.h"
#include "register/RegisterGrid.h"
#include "register/Schoixp.h"
#include "register/Sfichier.h"
#include "register/Ssaisie.h"

namespace vorel {

using test::ExecWith;
using test::WhenShown;

namespace {

using Persons = std::vector<Person>;

// The windows the editor needs, on a register file of our own.
struct Editor {
  explicit Editor(const std::vector<Person>& persons, std::string programDir = {})
      : main(programDir.empty() ? dir.path().toStdString() + "/" : programDir), fichier(&main) {
    if (!persons.empty()) {
      RegisterList list;
      list.persons = persons;
      SaveRegister(dir.filePath("VOREL.DAT").toStdString(), list);
    }
    main.FormCreate();
    fichier.SetPeers(&saisie);
    fichier.FormCreate();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& p : fichier.List().persons) names.push_back(p.name);
    return names;
  }
  QTemporaryDir dir;
  TMainForm main;
  TSaisie saisie;
  TFichier fichier;
};

std::vector<Person> Numbered(int count) {
  std::vector<Person> persons;
  for (int i = 1; i <= count; ++i)
    persons.push_back({"P" + std::to_string(i), "0" + std::to_string(i) + "/01/1970"});
  return persons;
}

// Types a person into the entry dialog once it shows, and confirms with Enter.
void EnterPerson(TSaisie& saisie, const QString& name, const QString& day, const QString& month,
                 const QString& year, QStringList* shown = nullptr) {
  WhenShown(&saisie, [=, &saisie] {
    if (shown)
      *shown = {saisie.windowTitle(), saisie.NomEdit->text(), saisie.JourEdit->text(),
                saisie.MoisEdit->text(), saisie.AnneeEdit->text()};
    saisie.NomEdit->clear();
    QTest::keyClicks(saisie.NomEdit, name);
    saisie.JourEdit->setText(day);
    saisie.MoisEdit->setText(month);
    saisie.AnneeEdit->setText(year);
    QTest::keyClick(saisie.NomEdit, Qt::Key_Return);
  });
}

}  // namespace

class SfichierTest : public QObject {
  Q_OBJECT

 private slots:
  void layout() {
    test::ScriptedDialogs dialogs;
    Editor e({});
    TFichier& f = e.fichier;
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
        {f.Bevel1, {8, 8, 577, 313}, nullptr, false},
        {f.Grille, {24, 24, 425, 281}, nullptr, false},
        {f.Numero, {464, 24, 98, 13}, "Fiche 1/1", false},
        {f.PlusBtn, {464, 72, 105, 33}, "Ajouter", true},
        {f.MoinsBtn, {464, 139, 105, 33}, "Supprimer", true},
        {f.ModifBtn, {464, 205, 105, 33}, "Modifier", true},
        {f.SortBtn, {464, 272, 105, 33}, "Trier", true},
        {f.OKBtn, {464, 332, 105, 27}, "OK", false},
    };
    for (const auto& row : rows) {
      const QByteArray name = row.widget->objectName().toLatin1();
      QVERIFY2(row.widget->geometry() == row.place, name);
      if (auto* button = qobject_cast<QPushButton*>(row.widget)) {
        QCOMPARE(button->text(), QString::fromUtf8(row.caption));
        QCOMPARE(!button->icon().pixmap(20).isNull(), row.picture);
      }
    }
    QCOMPARE(f.Numero->text(), QString("Fiche 1/1"));
    QCOMPARE(f.Numero->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(f.Numero->font().bold());
    QVERIFY(f.OKBtn->isDefault());
    QVERIFY(!f.SortBtn->isEnabled());

    RegisterGrid* g = f.Grille;
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

    const QList<QWidget*> order = {f.OKBtn, f.PlusBtn, f.MoinsBtn, f.ModifBtn, f.SortBtn, f.Grille};
    for (int i = 0; i + 1 < order.size(); ++i) QCOMPARE(test::NextTabStop(order[i]), order[i + 1]);
    QCOMPARE(test::NextTabStop(f.Grille), f.OKBtn);
    QCOMPARE(f.focusWidget(), f.OKBtn);

    // A fresh start shows the sample person and closes without a question or a file.
    QCOMPARE(e.Names(), std::vector<std::string>{"MARTIN PAUL HENRI"});
    QCOMPARE(ExecWith(f, [&] { QTest::keyClick(f.OKBtn, Qt::Key_Return); }),
             int(QDialog::Accepted));
    QVERIFY(dialogs.boxes.empty());
    QVERIFY(!QFile::exists(e.dir.filePath("VOREL.DAT")));
  }

  void toolbarShowsTheEditorModally() {
    Editor e({});
    e.main.SetPeers(&e.fichier, nullptr, nullptr, nullptr);
    bool modal = false;
    WhenShown(&e.fichier, [&] {
      modal = e.fichier.isModal();
      e.fichier.accept();
    });
    e.main.FichierBtn->click();
    QVERIFY(modal);
  }

  void addWithTwoDigitYearThenModify() {
    test::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::No};
    Editor e({});
    TFichier& f = e.fichier;
    ExecWith(f, [&] {
      // Cancelled: nothing changes.
      WhenShown(&e.saisie, [&] { QTest::keyClick(e.saisie.NomEdit, Qt::Key_Escape); });
      f.PlusBtn->click();
      QCOMPARE(f.FicheCount(), 1);
      QVERIFY(!f.Modified());

      QStringList shown;
      EnterPerson(e.saisie, "dupont jean", "5", "3", "62", &shown);
      f.PlusBtn->click();
      QCOMPARE(shown, (QStringList{"Ajouter", "", "", "", ""}));
      QCOMPARE(f.List().persons.back(), (Person{"DUPONT JEAN", "05/03/1962"}));
      QCOMPARE(f.Grille->CurrentRow(), 2);
      QCOMPARE(f.Numero->text(), QString("Fiche 2/2"));
      QVERIFY(f.SortBtn->isEnabled());
      QVERIFY(f.Modified());

      // A three-digit year is taken as typed.
      EnterPerson(e.saisie, "abel", "1", "1", "962");
      f.PlusBtn->click();
      QCOMPARE(f.List().persons.back().date, std::string("01/01/0962"));

      // Modify shows the fields without leading zeros; a year retyped as 62 stays 62.
      f.Grille->SetCurrentRow(2);
      EnterPerson(e.saisie, "dupont paul", "5", "3", "62", &shown);
      f.ModifBtn->click();
      QCOMPARE(shown, (QStringList{"Modifier", "DUPONT JEAN", "5", "3", "1962"}));
      QCOMPARE(f.List().persons[1], (Person{"DUPONT PAUL", "05/03/0062"}));
      QCOMPARE(f.Numero->text(), QString("Fiche 2/3"));
      f.reject();
    });
    QVERIFY(e.saisie.isHidden());
    QCOMPARE(dialogs.Texts(), QStringList{"Le fichier a été modifié. Voulez-vous l'enregistrer ?"});
  }

  void modifyReadsTheDateCell() {
    test::ScriptedDialogs dialogs;
    Editor e(Persons{{"ABEL", "31/02/1962"}, {"BRUN", ""}, {"CHAR", "1/2/3"}});
    TFichier& f = e.fichier;
    bool shown = false;
    QPointer<QTimer> pending = WhenShown(&e.saisie, [&] {
      shown = true;
      e.saisie.reject();
    });
    f.ModifBtn->click();
    QVERIFY(!shown);
    delete pending.data();
    QCOMPARE(dialogs.Texts(), QStringList{"'31/02/1962' n'est pas une date correcte."});
    QCOMPARE(f.List().persons[0].date, std::string("31/02/1962"));

    // An empty date cell opens the dialog with empty date fields.
    for (int row : {2, 3}) {
      f.Grille->SetCurrentRow(row);
      QStringList fields;
      WhenShown(&e.saisie, [&] {
        fields = {e.saisie.JourEdit->text(), e.saisie.MoisEdit->text(), e.saisie.AnneeEdit->text()};
        e.saisie.reject();
      });
      f.ModifBtn->click();
      QCOMPARE(fields, (row == 2 ? QStringList{"", "", ""} : QStringList{"1", "2", "3"}));
    }
    QVERIFY(!f.Modified());
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
      e.fichier.Grille->SetCurrentRow(row.row);
      e.fichier.MoinsBtn->click();
      QCOMPARE(e.Names(), row.names);
      QCOMPARE(e.fichier.Numero->text(), QString(row.label));
      QCOMPARE(e.fichier.Grille->CurrentRow(), row.current);
      QCOMPARE(e.fichier.SortBtn->isEnabled(), row.names.size() != 1);
      QVERIFY(e.fichier.Modified());
      QVERIFY(e.fichier.Grille->selectionModel()->isRowSelected(row.current - 1, {}));
    }

    // Deleting the only person leaves the sample person, and that is what gets saved.
    test::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes};
    Editor e(Persons{{"SEUL", "01/01/2000"}});
    ExecWith(e.fichier, [&] {
      e.fichier.MoinsBtn->click();
      e.fichier.OKBtn->click();
    });
    QFile saved(e.dir.filePath("VOREL.DAT"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes.size(), kRecordSize);
    QCOMPARE(bytes.mid(1, 17), QByteArray("MARTIN PAUL HENRI"));
  }

  void deleteKeyInTheGrid() {
    Editor e(Numbered(4));
    TFichier& f = e.fichier;
    f.Grille->SetCurrentRow(2);
    QTest::keyClick(f.Grille, Qt::Key_Delete);
    QCOMPARE(e.Names(), (std::vector<std::string>{"P1", "P3", "P4"}));
    QTest::keyClick(f.Grille, Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(e.Names(), (std::vector<std::string>{"P1", "P4"}));
    QCOMPARE(f.Numero->text(), QString("Fiche 2/2"));
    // Elsewhere the Delete key is nobody's business.
    QTest::keyClick(f.OKBtn, Qt::Key_Delete);
    QCOMPARE(f.FicheCount(), 2);
  }

  void sort() {
    Editor e(
        Persons{{"MARTINEZ", "01/01/1950"}, {"MARTIN PAUL", "02/02/1960"}, {"ABEL", "03/03/1970"}});
    TFichier& f = e.fichier;
    f.Grille->SetCurrentRow(3);
    f.SortBtn->click();
    QCOMPARE(e.Names(), (std::vector<std::string>{"ABEL", "MARTIN PAUL", "MARTINEZ"}));
    QCOMPARE(f.List().persons[2].date, std::string("01/01/1950"));
    QCOMPARE(f.Grille->CurrentRow(), 1);
    QCOMPARE(f.Numero->text(), QString("Fiche 1/3"));
    QVERIFY(f.Modified());

    // Already sorted: still marked modified.
    Editor sorted(Persons{{"A", "01/01/1950"}, {"B", "01/01/1950"}});
    QVERIFY(!sorted.fichier.Modified());
    sorted.fichier.SortBtn->click();
    QVERIFY(sorted.fichier.Modified());
  }

  void closeQuestion() {
    test::ScriptedDialogs dialogs;
    Editor e(Persons{{"ABEL", "03/03/1970"}, {"ZOE", "01/01/1990"}});
    TFichier& f = e.fichier;
    const QString path = e.dir.filePath("VOREL.DAT");
    TChoixP choixP;

    // Annuler keeps the dialog open; Non closes it and keeps the edits.
    dialogs.answers = {Answer::Cancel, Answer::No};
    ExecWith(f, [&] {
      f.SortBtn->click();
      f.Grille->SetCurrentRow(2);
      f.MoinsBtn->click();
      f.OKBtn->click();
      QVERIFY(f.isVisible());
      f.close();  // the close box
      QVERIFY(!f.isVisible());
    });
    QCOMPARE(dialogs.boxes.size(), size_t(2));
    QCOMPARE(dialogs.boxes[0].kind, BoxKind::Confirmation);
    QCOMPARE(dialogs.boxes[0].text,
             QString("Le fichier a été modifié. Voulez-vous l'enregistrer ?"));
    QVERIFY(f.Modified());
    QCOMPARE(QFileInfo(path).size(), 2 * kRecordSize);
    choixP.Fill(f.List());
    QCOMPARE(choixP.Grille->model()->rowCount(), 1);

    // The question comes again; Oui writes the file.
    dialogs.answers = {Answer::Yes};
    ExecWith(f, [&] { QTest::keyClick(f.Grille, Qt::Key_Return); });
    QCOMPARE(dialogs.boxes.size(), size_t(3));
    QVERIFY(!f.Modified());
    RegisterList reloaded;
    QCOMPARE(LoadRegister(path.toStdString(), reloaded), std::nullopt);
    QCOMPARE(reloaded.persons, f.List().persons);

    // Nothing changed since: no question.
    ExecWith(f, [&] { f.OKBtn->click(); });
    QCOMPARE(dialogs.boxes.size(), size_t(3));
    QVERIFY(dialogs.answers.empty() && !dialogs.unexpected);
  }

  void failedSaveKeepsTheDialogOpen() {
    test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/missing/";
    Editor e({}, programDir);
    TFichier& f = e.fichier;
    dialogs.answers = {Answer::Yes, Answer::No};
    bool openAfterFailure = false;
    ExecWith(f, [&] {
      f.MoinsBtn->click();
      f.OKBtn->click();
      openAfterFailure = f.isVisible();
      f.OKBtn->click();
    });
    QVERIFY(openAfterFailure);
    QVERIFY(f.Modified());
    const QString expected =
        QString::fromStdString("Impossible d'écrire dans " + programDir + "VOREL.DAT.");
    QCOMPARE(dialogs.Texts(),
             (QStringList{"Le fichier a été modifié. Voulez-vous l'enregistrer ?", expected,
                          "Le fichier a été modifié. Voulez-vous l'enregistrer ?"}));
    QCOMPARE(dialogs.boxes[1].kind, BoxKind::Error);
  }

  void keysInTheGrid() {
    test::ScriptedDialogs dialogs;
    Editor e(Numbered(3));
    TFichier& f = e.fichier;
    ExecWith(f, [&] {
      f.Grille->setFocus();
      // Escape does nothing, in the grid or on a button.
      QTest::keyClick(f.Grille, Qt::Key_Escape);
      QTest::keyClick(f.OKBtn, Qt::Key_Escape);
      QVERIFY(f.isVisible());

      // Arrows move the current row and the counter; the heading row is never reached.
      QTest::keyClick(f.Grille, Qt::Key_Down);
      QCOMPARE(f.Numero->text(), QString("Fiche 2/3"));
      QTest::keyClick(f.Grille, Qt::Key_End, Qt::ControlModifier);
      QCOMPARE(f.Numero->text(), QString("Fiche 3/3"));
      for (int i = 0; i < 5; ++i) QTest::keyClick(f.Grille, Qt::Key_Up);
      QCOMPARE(f.Grille->CurrentRow(), 1);

      // Clicks: a person row is chosen; the heading and the space below the rows choose
      // nothing and leave the row marked.
      const QRect third = f.Grille->visualRect(f.Grille->model()->index(2, 1));
      QTest::mouseClick(f.Grille->viewport(), Qt::LeftButton, {}, third.center());
      QCOMPARE(f.Numero->text(), QString("Fiche 3/3"));
      QCOMPARE(f.Grille->horizontalScrollBar()->value(), 0);
      QTest::mouseClick(f.Grille->horizontalHeader()->viewport(), Qt::LeftButton, {},
                        QPoint(10, 5));
      QTest::mouseClick(f.Grille->viewport(), Qt::LeftButton, {},
                        QPoint(10, f.Grille->viewport()->height() - 3));
      QCOMPARE(f.Grille->CurrentRow(), 3);
      QVERIFY(f.Grille->selectionModel()->isRowSelected(2, {}));

      // Tab leaves the grid.
      f.Grille->setFocus();
      QCOMPARE(f.focusWidget(), f.Grille);
      QTest::keyClick(f.Grille, Qt::Key_Tab);
      QVERIFY(f.focusWidget() != f.Grille);
      QCOMPARE(f.Grille->CurrentRow(), 3);

      // Enter with the grid focused closes, through the close query.
      f.Grille->setFocus();
      QTest::keyClick(f.Grille, Qt::Key_Return);
    });
    QVERIFY(!f.isVisible());
    QVERIFY(dialogs.boxes.empty());
  }

  void loadStoppedPartWay() {
    test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    RegisterList list;
    list.persons = Numbered(2);
    const std::string path = dir.filePath("VOREL.DAT").toStdString();
    SaveRegister(path, list);
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::Append));
    file.write("0123456789");
    file.close();

    TMainForm main(dir.path().toStdString() + "/");
    main.FormCreate();
    TFichier f(&main);
    QString error;
    try {
      f.FormCreate();
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
    QCOMPARE(error, QString("Lecture au-delà de la fin de fichier"));
    QCOMPARE(f.FicheCount(), 2);
    QCOMPARE(f.Numero->text(), QString("Fiche 1/2"));
    QVERIFY(f.SortBtn->isEnabled());
    QVERIFY(!f.Modified());
  }
};

VOREL_GUI_TEST(SfichierTest);

}  // namespace vorel

#include "SfichierTest.moc"
