// The person chooser: layout, the copy made at each showing, the current row kept between
// showings, and the keys and clicks of its grid.
#include <QHeaderView>
#include <QPushButton>
#include <QTest>

#include "DialogDriver.h"
#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "gui/PersonChooser.h"
#include "gui/RegisterGrid.h"

namespace vorel {

using test::ExecWith;

namespace {

std::vector<Person> Persons(int count) {
  std::vector<Person> persons;
  for (int i = 1; i <= count; ++i)
    persons.push_back({"P" + std::to_string(i), std::to_string(10 + i) + "/03/1962"});
  return persons;
}

}  // namespace

class PersonChooserTest : public QObject {
  Q_OBJECT

  test::ScriptedDesktop desktop_;

 private slots:
  void layout() {
    PersonChooser c(desktop_);
    QCOMPARE(c.windowTitle(), QString("Choix d'une personne"));
    QVERIFY(c.font().bold());
    QCOMPARE(test::Child<QPushButton>(c, "okButton")->text(), QString("OK"));
    QCOMPARE(test::Child<QPushButton>(c, "cancelButton")->text(), QString("Annuler"));
    QVERIFY(test::Child<QPushButton>(c, "okButton")->isDefault());
    QCOMPARE(c.focusWidget(), test::Child<QPushButton>(c, "okButton"));
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")->palette().color(QPalette::Base),
             QColor(0, 255, 255));
    QVERIFY(!test::Child<RegisterGrid>(c, "personGrid")->font().bold());
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")->horizontalHeader()->defaultSectionSize(),
             132);

    c.fill(Persons(1));
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")->columnWidth(0), 300);
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")->columnWidth(1), 317);
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")
                 ->model()
                 ->headerData(0, Qt::Horizontal)
                 .toString(),
             QString("Nom et prénom(s)"));
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")
                 ->model()
                 ->headerData(1, Qt::Horizontal)
                 .toString(),
             QString("Date de naissance"));
  }

  void showsACopyAndKeepsItsRow() {
    PersonChooser c(desktop_);
    std::vector<Person> list = Persons(6);
    list[0].name = "\xC9MILE";  // Windows-1252 bytes are shown as their letters
    c.fill(list);
    QCOMPARE(c.currentRow(), 1);
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")->model()->index(0, 0).data().toString(),
             QString("ÉMILE"));
    // A copy: what happens to the list later is not seen until the next showing.
    list[1].name = "CHANGED";
    QCOMPARE(test::Child<RegisterGrid>(c, "personGrid")->model()->index(1, 0).data().toString(),
             QString("P2"));

    // Row 5 chosen, then cancelled: the next showing starts there.
    QCOMPARE(ExecWith(c,
                      [&] {
                        for (int i = 0; i < 4; ++i)
                          QTest::keyClick(test::Child<RegisterGrid>(c, "personGrid"), Qt::Key_Down);
                        QTest::keyClick(test::Child<RegisterGrid>(c, "personGrid"), Qt::Key_Escape);
                      }),
             int(QDialog::Rejected));
    QCOMPARE(c.currentRow(), 5);
    c.fill(list);
    QCOMPARE(c.currentRow(), 5);
    QCOMPARE(c.chosenPerson(), list[4]);

    // Three persons deleted meanwhile: the last row is current.
    list.resize(3);
    c.fill(list);
    QCOMPARE(c.currentRow(), 3);
    QVERIFY(test::Child<RegisterGrid>(c, "personGrid")->selectionModel()->isRowSelected(2, {}));
    QCOMPARE(c.chosenPerson(), list[2]);
  }

  void keysAndClicks() {
    PersonChooser c(desktop_);
    c.fill(Persons(3));
    // Enter in the grid confirms; a double click only selects; the heading is never chosen.
    int result = ExecWith(c, [&] {
      QTest::keyClick(test::Child<RegisterGrid>(c, "personGrid"), Qt::Key_Up);
      QCOMPARE(c.currentRow(), 1);
      QTest::mouseClick(test::Child<RegisterGrid>(c, "personGrid")->horizontalHeader()->viewport(),
                        Qt::LeftButton, {}, QPoint(10, 5));
      QCOMPARE(c.currentRow(), 1);
      const QPoint second =
          test::Child<RegisterGrid>(c, "personGrid")
              ->visualRect(test::Child<RegisterGrid>(c, "personGrid")->model()->index(1, 0))
              .center();
      QTest::mouseDClick(test::Child<RegisterGrid>(c, "personGrid")->viewport(), Qt::LeftButton, {},
                         second);
      QVERIFY(c.isVisible());
      QCOMPARE(c.currentRow(), 2);
      QTest::keyClick(test::Child<RegisterGrid>(c, "personGrid"), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(c.chosenPerson().name, std::string("P2"));

    result = ExecWith(c, [&] { c.close(); });
    QCOMPARE(result, int(QDialog::Rejected));
    result = ExecWith(c, [&] { test::Child<QPushButton>(c, "cancelButton")->click(); });
    QCOMPARE(result, int(QDialog::Rejected));
    result = ExecWith(
        c, [&] { QTest::keyClick(test::Child<QPushButton>(c, "okButton"), Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
  }
};

VOREL_GUI_TEST(PersonChooserTest);

}  // namespace vorel

#include "PersonChooserTest.moc"
