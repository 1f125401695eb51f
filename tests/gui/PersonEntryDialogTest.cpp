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

  test::ScriptedDesktop desktop_;

  // Fills the date fields, presses OK, and reports what happened.
  struct CheckResult {
    int result;
    QStringList texts;
    std::vector<BoxKind> kinds;
    QStringList titles;
    QWidget* focus;
  };
  CheckResult check(PersonEntryDialog& entry, const QString& day, const QString& month,
                    const QString& year, QWidget* focusBefore) {
    desktop_.boxes.clear();
    CheckResult r{};
    r.result = ExecWith(entry, [&] {
      test::Child<QLineEdit>(entry, "dayEdit")->setText(day);
      test::Child<QLineEdit>(entry, "monthEdit")->setText(month);
      test::Child<QLineEdit>(entry, "yearEdit")->setText(year);
      focusBefore->setFocus();
      test::Child<QPushButton>(entry, "okButton")->click();
      r.focus = entry.focusWidget();
      // A refused date leaves the dialog open; Escape then cancels whatever the fields hold.
      if (entry.isVisible())
        QTest::keyClick(test::Child<NameEdit>(entry, "nameEdit"), Qt::Key_Escape);
    });
    r.texts = desktop_.texts();
    for (const auto& box : desktop_.boxes) {
      r.kinds.push_back(box.kind);
      r.titles << box.title;
    }
    return r;
  }

 private slots:
  void layout() {
    PersonEntryDialog entry(desktop_);
    QCOMPARE(entry.windowTitle(), QString("Ajouter"));
    QVERIFY(entry.font().bold());
    const QColor lime(0, 255, 0), yellow(255, 255, 0);
    const struct {
      QLineEdit* field;
      QColor base;
      int maxLength;
      const char* tip;
    } fields[] = {
        {test::Child<NameEdit>(entry, "nameEdit"), lime, 255, ""},
        {test::Child<QLineEdit>(entry, "dayEdit"), yellow, 2, "Jour"},
        {test::Child<QLineEdit>(entry, "monthEdit"), yellow, 2, "Mois"},
        {test::Child<QLineEdit>(entry, "yearEdit"), yellow, 4, "Année"},
    };
    for (const auto& row : fields) {
      const QByteArray name = row.field->objectName().toLatin1();
      QCOMPARE(row.field->toolTip(), QString::fromUtf8(row.tip));
      QVERIFY2(row.field->palette().color(QPalette::Base) == row.base, name);
      QCOMPARE(row.field->maxLength(), row.maxLength);
      QVERIFY2(!row.field->font().bold(), name);
    }
    QCOMPARE(test::Child<QLabel>(entry, "nameLabel")->text(), QString("Nom et prénom(s)"));
    QCOMPARE(test::Child<QLabel>(entry, "dateLabel")->text(), QString("Date de naissance"));
    QCOMPARE(test::Child<QPushButton>(entry, "okButton")->text(), QString("OK"));
    QCOMPARE(test::Child<QPushButton>(entry, "cancelButton")->text(), QString("Annuler"));
    QVERIFY(test::Child<QPushButton>(entry, "okButton")->isDefault());
    QVERIFY(!test::Child<QPushButton>(entry, "okButton")->icon().pixmap(16).isNull());
    QVERIFY(!test::Child<QPushButton>(entry, "cancelButton")->icon().pixmap(16).isNull());
  }

  void nameFilterByKeyPresses() {
    PersonEntryDialog entry(desktop_);
    const struct {
      const char* typed;
      const char* shown;
    } rows[] = {
        {"Dupont-Durand é", "DUPONTDURAND E"},
        {"Hélène", "HELENE"},
        {"l'Abbé 2e", "LABBE E"},
        {"ZAZ zaz", "ZAZ ZAZ"},
        // Accented and joined letters fold as the register's name rule folds them; spaces stay
        // exactly as typed, doubled ones included; other scripts are dropped.
        {"Œdipe  Ærø Çà", "OEDIPE  AERO CA"},
        {"Noël Straße Łukasz", "NOEL STRASSE LUKASZ"},
        {"Дима×÷", ""},
    };
    for (const auto& row : rows) {
      test::Child<NameEdit>(entry, "nameEdit")->clear();
      Type(test::Child<NameEdit>(entry, "nameEdit"), QString::fromUtf8(row.typed));
      QCOMPARE(test::Child<NameEdit>(entry, "nameEdit")->text(), QString::fromUtf8(row.shown));
    }
    Type(test::Child<NameEdit>(entry, "nameEdit"), QStringLiteral("ZAZ ZAZ"));
    // Backspace is kept and edits as usual.
    QTest::keyClick(test::Child<NameEdit>(entry, "nameEdit"), Qt::Key_Backspace);
    QCOMPARE(test::Child<NameEdit>(entry, "nameEdit")->text(), QString("ZAZ ZA"));

    // The filter itself, code by code: space and backspace pass as they are; every other key
    // gives capitals only, one or two; nothing but a letter gives any, and every accented or
    // joined Latin letter gives some.
    for (char16_t code = 0; code < 0x180; ++code) {
      const QString kept = NameEdit::filterKey(QChar(code));
      const QByteArray what = QByteArray::number(code, 16);
      if (code == 32 || code == 8) {
        QVERIFY2(kept == QString(QChar(code)), what);
        continue;
      }
      QVERIFY2(kept.size() <= 2, what);
      for (QChar c : kept) QVERIFY2(c >= QLatin1Char('A') && c <= QLatin1Char('Z'), what);
      QVERIFY2(kept.isEmpty() || QChar(code).isLetter(), what);
      if (code >= 0xC0 && QChar(code).isLetter()) QVERIFY2(!kept.isEmpty(), what);
      if (code >= 'a' && code <= 'z') QCOMPARE(kept, QString(QChar(char16_t(code - 32))));
    }
  }

  void pastedDroppedAndComposedTextIsFiltered() {
    PersonEntryDialog entry(desktop_);
    NameEdit* nameEdit = test::Child<NameEdit>(entry, "nameEdit");
    QGuiApplication::clipboard()->setText(QStringLiteral("Jean-Pierre 2\nÉric"));

    QTest::keyClick(nameEdit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nameEdit->text(), QString("JEANPIERRE ERIC"));
    nameEdit->clear();
    QTest::keyClick(nameEdit, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(nameEdit->text(), QString("JEANPIERRE ERIC"));

    // The context menu's paste.
    nameEdit->setText(QStringLiteral("AB"));
    nameEdit->setCursorPosition(1);
    std::unique_ptr<QMenu> menu(nameEdit->createContextMenu());
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
      if (action->text().contains(QStringLiteral("Paste"))) paste = action;
    QVERIFY(paste);
    paste->trigger();
    QCOMPARE(nameEdit->text(), QString("AJEANPIERRE ERICB"));

    // Dropped text.
    nameEdit->clear();
    QMimeData dragged;
    dragged.setText(QStringLiteral("o'Neil 3"));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    // Straight to the field: the application delivers a drop only during a real drag.
    static_cast<QObject*>(nameEdit)->event(&drop);
    QCOMPARE(nameEdit->text(), QString("ONEIL "));

    // Text committed by an input method.
    nameEdit->clear();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("çaé b"));
    QApplication::sendEvent(nameEdit, &composed);
    QCOMPARE(nameEdit->text(), QString("CAE B"));

    // At most 255 characters, however they come.
    nameEdit->clear();
    QGuiApplication::clipboard()->setText(QString(300, QLatin1Char('x')));
    QTest::keyClick(nameEdit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nameEdit->text(), QString(255, QLatin1Char('X')));
    QTest::keyClick(nameEdit, Qt::Key_Y);
    QCOMPARE(nameEdit->text().size(), 255);
    // A fold that would pass the limit stops at it.
    nameEdit->setText(QString(254, QLatin1Char('X')));
    Type(nameEdit, QStringLiteral("œ"));
    QCOMPARE(nameEdit->text(), QString(254, QLatin1Char('X')) + QLatin1Char('O'));
  }

  void textSetByTheProgramShowsInCapitals() {
    PersonEntryDialog entry(desktop_);
    // Letters whose capital the file's code page lacks are left alone rather than lost.
    test::Child<NameEdit>(entry, "nameEdit")->setText(QStringLiteral("émile ßµ dupont"));
    QCOMPARE(test::Child<NameEdit>(entry, "nameEdit")->text(), QStringLiteral("ÉMILE ßµ DUPONT"));
  }

  void dateCheck() {
    PersonEntryDialog entry(desktop_);
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
          check(entry, QString::fromUtf8(row.day), QString::fromUtf8(row.month),
                QString::fromUtf8(row.year), test::Child<QLineEdit>(entry, "monthEdit"));
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
      QCOMPARE(r.focus, isWarning ? static_cast<QWidget*>(test::Child<QLineEdit>(entry, "dayEdit"))
                                  : test::Child<QLineEdit>(entry, "monthEdit"));
      // The fields are left as they were.
      QCOMPARE(test::Child<QLineEdit>(entry, "dayEdit")->text(), QString::fromUtf8(row.day));
      QCOMPARE(test::Child<QLineEdit>(entry, "yearEdit")->text(), QString::fromUtf8(row.year));
    }
  }

  void enterAndEscape() {
    PersonEntryDialog entry(desktop_);
    desktop_.boxes.clear();
    test::Child<QLineEdit>(entry, "dayEdit")->setText(QStringLiteral("5"));
    test::Child<QLineEdit>(entry, "monthEdit")->setText(QStringLiteral("3"));
    test::Child<QLineEdit>(entry, "yearEdit")->setText(QStringLiteral("62"));
    // Enter anywhere runs the date check, on the Annuler button too.
    for (QWidget* focus : std::initializer_list<QWidget*>{
             test::Child<NameEdit>(entry, "nameEdit"), test::Child<QLineEdit>(entry, "yearEdit"),
             test::Child<QPushButton>(entry, "cancelButton"),
             test::Child<QPushButton>(entry, "okButton")}) {
      const int result = ExecWith(entry, [&] {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
      });
      QVERIFY2(result == QDialog::Accepted, focus->objectName().toLatin1());
    }
    // Escape and the close box cancel, whatever the fields hold.
    test::Child<QLineEdit>(entry, "dayEdit")->setText(QStringLiteral("zz"));
    QCOMPARE(ExecWith(entry,
                      [&] {
                        QTest::keyClick(test::Child<QLineEdit>(entry, "dayEdit"), Qt::Key_Escape);
                      }),
             int(QDialog::Rejected));
    QCOMPARE(ExecWith(entry, [&] { entry.close(); }), int(QDialog::Rejected));
    QCOMPARE(ExecWith(entry, [&] { test::Child<QPushButton>(entry, "cancelButton")->click(); }),
             int(QDialog::Rejected));
    QVERIFY(desktop_.boxes.empty());
  }
};

VOREL_GUI_TEST(PersonEntryDialogTest);

}  // namespace vorel

#include "PersonEntryDialogTest.moc"
