// The person entry dialog: its layout, the name filter on every way text gets in, the date
// check with its messages and focus, Enter and Escape.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "DialogDriver.h"
#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "gui/NameEdit.h"
#include "gui/PersonEntryDialog.h"

namespace vorel {

using test::ExecWith;

namespace {

// Key presses as a keyboard gives them, letters outside ASCII included.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(widget, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
  }
}

}  // namespace

class PersonEntryDialogTest : public QObject {
  Q_OBJECT

  // Fills the date fields, presses OK, and reports what happened.
  struct CheckResult {
    int result;
    QStringList texts;
    std::vector<BoxKind> kinds;
    QStringList titles;
    QWidget* focus;
  };
  CheckResult Check(PersonEntryDialog& saisie, const QString& day, const QString& month,
                    const QString& year, QWidget* focusBefore) {
    test::ScriptedDesktop dialogs;
    CheckResult r{};
    r.result = ExecWith(saisie, [&] {
      test::Child<QLineEdit>(saisie, "dayEdit")->setText(day);
      test::Child<QLineEdit>(saisie, "monthEdit")->setText(month);
      test::Child<QLineEdit>(saisie, "yearEdit")->setText(year);
      focusBefore->setFocus();
      test::Child<QPushButton>(saisie, "okButton")->click();
      r.focus = saisie.focusWidget();
      // A refused date leaves the dialog open; Escape then cancels whatever the fields hold.
      if (saisie.isVisible())
        QTest::keyClick(test::Child<NameEdit>(saisie, "nameEdit"), Qt::Key_Escape);
    });
    r.texts = dialogs.Texts();
    for (const auto& box : dialogs.boxes) {
      r.kinds.push_back(box.kind);
      r.titles << box.title;
    }
    return r;
  }

 private slots:
  void layout() {
    PersonEntryDialog saisie;
    QCOMPARE(saisie.windowTitle(), QString("Ajouter"));
    QCOMPARE(saisie.size(), QSize(317, 176));
    QCOMPARE(saisie.minimumSize(), saisie.maximumSize());
    QVERIFY(saisie.font().bold());
    const QColor lime(0, 255, 0), yellow(255, 255, 0);
    const struct {
      QWidget* widget;
      QRect place;
      QColor base;  // invalid: not a field
      int maxLength;
      const char* tip;
    } rows[] = {
        {test::Child<QFrame>(saisie, "bevel"), {8, 8, 300, 121}, {}, 0, ""},
        {test::Child<NameEdit>(saisie, "nameEdit"), {24, 40, 273, 20}, lime, 255, ""},
        {test::Child<QLineEdit>(saisie, "dayEdit"), {24, 88, 25, 20}, yellow, 2, "Jour"},
        {test::Child<QLineEdit>(saisie, "monthEdit"), {48, 88, 25, 20}, yellow, 2, "Mois"},
        {test::Child<QLineEdit>(saisie, "yearEdit"), {72, 88, 41, 20}, yellow, 4, "Année"},
        {test::Child<QPushButton>(saisie, "okButton"), {136, 138, 77, 27}, {}, 0, ""},
        {test::Child<QPushButton>(saisie, "cancelButton"), {231, 138, 77, 27}, {}, 0, ""},
    };
    for (const auto& row : rows) {
      const QByteArray name = row.widget->objectName().toLatin1();
      QVERIFY2(row.widget->geometry() == row.place, name);
      QCOMPARE(row.widget->toolTip(), QString::fromUtf8(row.tip));
      if (auto* field = qobject_cast<QLineEdit*>(row.widget)) {
        QVERIFY2(field->palette().color(QPalette::Base) == row.base, name);
        QCOMPARE(field->maxLength(), row.maxLength);
        QVERIFY2(!field->font().bold(), name);
      }
    }
    QCOMPARE(test::Child<QLabel>(saisie, "nameLabel")->pos(), QPoint(24, 24));
    QCOMPARE(test::Child<QLabel>(saisie, "nameLabel")->text(), QString("Nom et prénom(s)"));
    QCOMPARE(test::Child<QLabel>(saisie, "dateLabel")->pos(), QPoint(24, 72));
    QCOMPARE(test::Child<QLabel>(saisie, "dateLabel")->text(), QString("Date de naissance"));
    QCOMPARE(test::Child<QPushButton>(saisie, "okButton")->text(), QString("OK"));
    QCOMPARE(test::Child<QPushButton>(saisie, "cancelButton")->text(), QString("Annuler"));
    QVERIFY(test::Child<QPushButton>(saisie, "okButton")->isDefault());
    QVERIFY(!test::Child<QPushButton>(saisie, "okButton")->icon().pixmap(16).isNull());
    QVERIFY(!test::Child<QPushButton>(saisie, "cancelButton")->icon().pixmap(16).isNull());

    const QList<QWidget*> order = {test::Child<QPushButton>(saisie, "okButton"),
                                   test::Child<NameEdit>(saisie, "nameEdit"),
                                   test::Child<QLineEdit>(saisie, "dayEdit"),
                                   test::Child<QLineEdit>(saisie, "monthEdit"),
                                   test::Child<QLineEdit>(saisie, "yearEdit"),
                                   test::Child<QPushButton>(saisie, "cancelButton")};
    for (int i = 0; i + 1 < order.size(); ++i) QCOMPARE(test::NextTabStop(order[i]), order[i + 1]);
    QCOMPARE(test::NextTabStop(test::Child<QPushButton>(saisie, "cancelButton")),
             test::Child<QPushButton>(saisie, "okButton"));
  }

  void nameFilterByKeyPresses() {
    PersonEntryDialog saisie;
    const struct {
      const char* typed;
      const char* shown;
    } rows[] = {
        {"Dupont-Durand é", "DUPONTDURAND "},
        {"Hélène", "HLNE"},
        {"l'Abbé 2e", "LABB E"},
        {"ZAZ zaz", "ZAZ ZAZ"},
    };
    for (const auto& row : rows) {
      test::Child<NameEdit>(saisie, "nameEdit")->clear();
      Type(test::Child<NameEdit>(saisie, "nameEdit"), QString::fromUtf8(row.typed));
      QCOMPARE(test::Child<NameEdit>(saisie, "nameEdit")->text(), QString::fromUtf8(row.shown));
    }
    // Backspace is kept and edits as usual.
    QTest::keyClick(test::Child<NameEdit>(saisie, "nameEdit"), Qt::Key_Backspace);
    QCOMPARE(test::Child<NameEdit>(saisie, "nameEdit")->text(), QString("ZAZ ZA"));

    // The filter itself, code by code: only space, backspace and the 52 letters pass.
    for (char16_t code = 0; code < 0x180; ++code) {
      QChar key(code);
      NameEdit::FilterKey(key);
      const bool kept =
          code == 32 || code == 8 || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
      QCOMPARE(!key.isNull(), kept);
      if (kept && code >= 'a') QCOMPARE(key, QChar(char16_t(code - 32)));
    }
  }

  void pastedDroppedAndComposedTextIsFiltered() {
    PersonEntryDialog saisie;
    NameEdit* nom = test::Child<NameEdit>(saisie, "nameEdit");
    QGuiApplication::clipboard()->setText(QStringLiteral("Jean-Pierre 2\nÉric"));

    QTest::keyClick(nom, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nom->text(), QString("JEANPIERRE RIC"));
    nom->clear();
    QTest::keyClick(nom, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(nom->text(), QString("JEANPIERRE RIC"));

    // The context menu's paste.
    nom->setText(QStringLiteral("AB"));
    nom->setCursorPosition(1);
    std::unique_ptr<QMenu> menu(nom->createContextMenu());
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
      if (action->text().contains(QStringLiteral("Paste"))) paste = action;
    QVERIFY(paste);
    paste->trigger();
    QCOMPARE(nom->text(), QString("AJEANPIERRE RICB"));

    // Dropped text.
    nom->clear();
    QMimeData dragged;
    dragged.setText(QStringLiteral("o'Neil 3"));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    // Straight to the field: the application delivers a drop only during a real drag.
    static_cast<QObject*>(nom)->event(&drop);
    QCOMPARE(nom->text(), QString("ONEIL "));

    // Text committed by an input method.
    nom->clear();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("çaé b"));
    QApplication::sendEvent(nom, &composed);
    QCOMPARE(nom->text(), QString("A B"));

    // At most 255 characters, however they come.
    nom->clear();
    QGuiApplication::clipboard()->setText(QString(300, QLatin1Char('x')));
    QTest::keyClick(nom, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nom->text(), QString(255, QLatin1Char('X')));
    QTest::keyClick(nom, Qt::Key_Y);
    QCOMPARE(nom->text().size(), 255);
  }

  void textSetByTheProgramShowsInCapitals() {
    PersonEntryDialog saisie;
    // Letters whose capital the file's code page lacks are left alone rather than lost.
    test::Child<NameEdit>(saisie, "nameEdit")->setText(QStringLiteral("émile ßµ dupont"));
    QCOMPARE(test::Child<NameEdit>(saisie, "nameEdit")->text(), QStringLiteral("ÉMILE ßµ DUPONT"));
  }

  void dateCheck() {
    PersonEntryDialog saisie;
    const QString warning = QStringLiteral("Date incorrecte.");
    const auto notInteger = [](const char* text) {
      return QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(text);
    };
    const struct {
      const char *day, *month, *year;
      QString message;  // empty: accepted
    } rows[] = {
        {"14", "3", "1962", {}},
        {"29", "2", "1964", {}},
        {"29", "2", "2000", {}},
        {"1", "1", "62", {}},
        {"31", "12", "9999", {}},
        {"+5", "03", "0001", {}},
        {"31", "4", "1962", warning},
        {"29", "2", "1962", warning},
        {"29", "2", "1900", warning},
        {"", "3", "1962", warning},
        {"14", "", "1962", warning},
        {"14", "3", "", warning},
        {"1", "1", "0", warning},
        {"1", "1", "00", warning},
        {"1", "1", "0000", warning},
        {"-1", "3", "1962", warning},
        {"1", "13", "1962", warning},
        {"1a", "3", "1962", notInteger("1a")},
        {"1", "-", "1962", notInteger("-")},
        {"1", "3", "+", notInteger("+")},
        {"1", "3", "19 2", notInteger("19 2")},
        // The year is read first, then the month, then the day.
        {"x", "y", "z", notInteger("z")},
        {"x", "y", "1962", notInteger("y")},
    };
    for (const auto& row : rows) {
      const QByteArray what = QByteArray(row.day) + "/" + row.month + "/" + row.year;
      const CheckResult r =
          Check(saisie, QString::fromUtf8(row.day), QString::fromUtf8(row.month),
                QString::fromUtf8(row.year), test::Child<QLineEdit>(saisie, "monthEdit"));
      if (row.message.isEmpty()) {
        QVERIFY2(r.result == QDialog::Accepted, what);
        QVERIFY2(r.texts.isEmpty(), what);
        continue;
      }
      QVERIFY2(r.result == QDialog::Rejected, what);
      QCOMPARE(r.texts, QStringList{row.message});
      const bool isWarning = row.message == warning;
      QCOMPARE(r.kinds.front(), isWarning ? BoxKind::Warning : BoxKind::Error);
      QCOMPARE(r.titles.front(), QString(isWarning ? "Avertissement" : "Vorel"));
      // A warning sends the focus to the day; a non-number leaves it where it was.
      QCOMPARE(r.focus, isWarning ? static_cast<QWidget*>(test::Child<QLineEdit>(saisie, "dayEdit"))
                                  : test::Child<QLineEdit>(saisie, "monthEdit"));
      // The fields are left as they were.
      QCOMPARE(test::Child<QLineEdit>(saisie, "dayEdit")->text(), QString::fromUtf8(row.day));
      QCOMPARE(test::Child<QLineEdit>(saisie, "yearEdit")->text(), QString::fromUtf8(row.year));
    }
  }

  void enterAndEscape() {
    PersonEntryDialog saisie;
    test::ScriptedDesktop dialogs;
    test::Child<QLineEdit>(saisie, "dayEdit")->setText(QStringLiteral("5"));
    test::Child<QLineEdit>(saisie, "monthEdit")->setText(QStringLiteral("3"));
    test::Child<QLineEdit>(saisie, "yearEdit")->setText(QStringLiteral("62"));
    // Enter anywhere runs the date check, on the Annuler button too.
    for (QWidget* focus : std::initializer_list<QWidget*>{
             test::Child<NameEdit>(saisie, "nameEdit"), test::Child<QLineEdit>(saisie, "yearEdit"),
             test::Child<QPushButton>(saisie, "cancelButton"),
             test::Child<QPushButton>(saisie, "okButton")}) {
      const int result = ExecWith(saisie, [&] {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
      });
      QVERIFY2(result == QDialog::Accepted, focus->objectName().toLatin1());
    }
    // Escape and the close box cancel, whatever the fields hold.
    test::Child<QLineEdit>(saisie, "dayEdit")->setText(QStringLiteral("zz"));
    QCOMPARE(ExecWith(saisie,
                      [&] {
                        QTest::keyClick(test::Child<QLineEdit>(saisie, "dayEdit"), Qt::Key_Escape);
                      }),
             int(QDialog::Rejected));
    QCOMPARE(ExecWith(saisie, [&] { saisie.close(); }), int(QDialog::Rejected));
    QCOMPARE(ExecWith(saisie, [&] { test::Child<QPushButton>(saisie, "cancelButton")->click(); }),
             int(QDialog::Rejected));
    QVERIFY(dialogs.boxes.empty());
  }
};

VOREL_GUI_TEST(PersonEntryDialogTest);

}  // namespace vorel

#include "PersonEntryDialogTest.moc"
