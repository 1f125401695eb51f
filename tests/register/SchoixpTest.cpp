// The person chooser: layout, the copy made at each showing, the current row kept between
// showings, and the keys and clicks of its grid.
#include <QHeaderView>
#include <QPushButton>
#include <QTest>

#include "DialogDriver.h"
#include "GuiTest.h"
#include "app/Main.h"
#include "platform/Dialogs.h"
#include "register/RegisterGrid.h"
#include "register/Schoixp.h"
#include "register/Sfichier.h"
#include "register/Ssaisie.h"

namespace vorel {

using test::ExecWith;

namespace {

int gHelpTopic = 0;

RegisterList Persons(int count) {
  RegisterList list;
  for (int i = 1; i <= count; ++i)
    list.persons.push_back({"P" + std::to_string(i), std::to_string(10 + i) + "/03/1962"});
  return list;
}

}  // namespace

class SchoixpTest : public QObject {
  Q_OBJECT

 private slots:
  void layout() {
    TChoixP c;
    QCOMPARE(c.windowTitle(), QString("Choix d'une personne"));
    QCOMPARE(c.size(), QSize(464, 369));
    QCOMPARE(c.minimumSize(), c.maximumSize());
    QVERIFY(c.font().bold());
    const struct {
      QWidget* widget;
      QRect place;
      const char* caption;
    } rows[] = {
        {c.Bevel1, {8, 8, 449, 313}, nullptr},
        {c.Grille, {24, 24, 417, 281}, nullptr},
        {c.OKBtn, {296, 332, 77, 27}, "OK"},
        {c.CancelBtn, {380, 332, 77, 27}, "Annuler"},
    };
    for (const auto& row : rows) {
      QVERIFY2(row.widget->geometry() == row.place, row.widget->objectName().toLatin1());
      if (auto* button = qobject_cast<QPushButton*>(row.widget))
        QCOMPARE(button->text(), QString::fromUtf8(row.caption));
    }
    QVERIFY(c.OKBtn->isDefault());
    QCOMPARE(c.focusWidget(), c.OKBtn);
    QCOMPARE(c.Grille->palette().color(QPalette::Base), QColor(0, 255, 255));
    QVERIFY(!c.Grille->font().bold());
    QCOMPARE(c.Grille->horizontalHeader()->defaultSectionSize(), 132);

    c.Fill(Persons(1));
    QCOMPARE(c.Grille->columnWidth(0), 300);
    QCOMPARE(c.Grille->columnWidth(1), 317);
    QCOMPARE(c.Grille->model()->headerData(0, Qt::Horizontal).toString(),
             QString("Nom et prénom(s)"));
    QCOMPARE(c.Grille->model()->headerData(1, Qt::Horizontal).toString(),
             QString("Date de naissance"));
  }

  void showsACopyAndKeepsItsRow() {
    TChoixP c;
    RegisterList list = Persons(6);
    list.persons[0].name = "\xC9MILE";  // Windows-1252 bytes are shown as their letters
    c.Fill(list);
    QCOMPARE(c.CurrentRow(), 1);
    QCOMPARE(c.Grille->model()->index(0, 0).data().toString(), QString("ÉMILE"));
    // A copy: what happens to the list later is not seen until the next showing.
    list.persons[1].name = "CHANGED";
    QCOMPARE(c.Grille->model()->index(1, 0).data().toString(), QString("P2"));

    // Row 5 chosen, then cancelled: the next showing starts there.
    QCOMPARE(ExecWith(c,
                      [&] {
                        for (int i = 0; i < 4; ++i) QTest::keyClick(c.Grille, Qt::Key_Down);
                        QTest::keyClick(c.Grille, Qt::Key_Escape);
                      }),
             int(QDialog::Rejected));
    QCOMPARE(c.CurrentRow(), 5);
    c.Fill(list);
    QCOMPARE(c.CurrentRow(), 5);
    QCOMPARE(c.CurrentPerson(), list.persons[4]);

    // Three persons deleted meanwhile: the last row is current.
    list.persons.resize(3);
    c.Fill(list);
    QCOMPARE(c.CurrentRow(), 3);
    QVERIFY(c.Grille->selectionModel()->isRowSelected(2, {}));
    QCOMPARE(c.CurrentPerson(), list.persons[2]);
  }

  void keysAndClicks() {
    TChoixP c;
    c.Fill(Persons(3));
    // Enter in the grid confirms; a double click only selects; the heading is never chosen.
    int result = ExecWith(c, [&] {
      QTest::keyClick(c.Grille, Qt::Key_Up);
      QCOMPARE(c.CurrentRow(), 1);
      QTest::mouseClick(c.Grille->horizontalHeader()->viewport(), Qt::LeftButton, {},
                        QPoint(10, 5));
      QCOMPARE(c.CurrentRow(), 1);
      const QPoint second = c.Grille->visualRect(c.Grille->model()->index(1, 0)).center();
      QTest::mouseDClick(c.Grille->viewport(), Qt::LeftButton, {}, second);
      QVERIFY(c.isVisible());
      QCOMPARE(c.CurrentRow(), 2);
      QTest::keyClick(c.Grille, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(c.CurrentPerson().name, std::string("P2"));

    result = ExecWith(c, [&] { c.close(); });
    QCOMPARE(result, int(QDialog::Rejected));
    result = ExecWith(c, [&] { c.CancelBtn->click(); });
    QCOMPARE(result, int(QDialog::Rejected));
    result = ExecWith(c, [&] { QTest::keyClick(c.OKBtn, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
  }

  void helpKeyInEveryRegisterDialog() {
    SetHelpHandler([](int topic) { gHelpTopic = topic; });
    TMainForm main;
    TFichier fichier(&main);
    TSaisie saisie;
    TChoixP choixP;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&fichier, &saisie, &choixP}) {
      gHelpTopic = 0;
      dialog->show();
      QVERIFY(QTest::qWaitForWindowActive(dialog));
      QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
      QVERIFY2(gHelpTopic == 1, dialog->objectName().toLatin1());
      dialog->hide();
    }
    SetHelpHandler(nullptr);
  }
};

VOREL_GUI_TEST(SchoixpTest);

}  // namespace vorel

#include "SchoixpTest.moc"
