// Under a dark theme, every control whose colour the program sets reads as painted: its text
// at least 4.5 times as bright, or as dark, as its background, measured on the pixels. A
// focused grid shows it, and its chosen row keeps its look.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <functional>
#include <map>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "app/ApplicationDefaults.h"
#include "app/ProgramWindows.h"
#include "gui/AboutBox.h"
#include "gui/HelpWindow.h"
#include "gui/NameEdit.h"
#include "gui/PersonEntryDialog.h"
#include "gui/RegisterEditor.h"
#include "gui/RegisterGrid.h"
#include "gui/ReportWindow.h"
#include "register/Register.h"
#include "register/RegisterFile.h"
#include "report/Composition.h"

namespace vorel {
namespace {

QPalette DarkPalette() {
  QPalette p;
  const QColor window(45, 45, 45), base(30, 30, 30), text(230, 230, 230);
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
    p.setColor(role, window);
  p.setColor(QPalette::Base, base);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(role, text);
  p.setColor(QPalette::Highlight, QColor(47, 101, 202));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, QColor(138, 180, 248));
  return p;
}

// Relative luminance and contrast as accessibility guidelines define them.
double Luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb MostFound(const QImage& image) {
  std::map<QRgb, int> count;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y) & 0xFFFFFF];
  return std::max_element(count.begin(), count.end(),
                          [](auto& a, auto& b) { return a.second < b.second; })
      ->first;
}

// What is painted in area of widget: the colour found most is the background, the text is the
// painted colour that stands out most from it.
double PaintedContrast(QWidget& widget, const QRect& area) {
  const QImage image = widget.grab(area).toImage();
  const QRgb background = MostFound(image);
  double most = 1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      most = std::max(most, Contrast(image.pixel(x, y), background));
  return most;
}

// The place of the first words of the help or the report that read text, made visible.
QRect PlaceOf(QTextEdit& edit, const QString& text) {
  QTextCursor found = edit.document()->find(text);
  if (found.isNull()) qFatal("no %s", qPrintable(text));
  QTextCursor at(edit.document());
  at.setPosition(found.selectionEnd());
  edit.setTextCursor(at);
  edit.ensureCursorVisible();
  at.setPosition(found.selectionStart());
  const QRect start = edit.cursorRect(at);
  return QRect(start.topLeft(), QPoint(edit.cursorRect(found).right(), start.bottom()));
}

}  // namespace

class ContrastTest : public QObject {
  Q_OBJECT

  QPalette saved_;

 private slots:
  void initTestCase() {
    InstallApplicationDefaults(*qApp);
    saved_ = QApplication::palette();
    QApplication::setPalette(DarkPalette());
  }
  void cleanupTestCase() { QApplication::setPalette(saved_); }

  void colouredTextReadsOnADarkTheme() {
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QStringLiteral(VOREL_SOURCE_DIR "/resources/VOREL.HLP"),
                        dir.filePath("VOREL.HLP")));
    SaveRegisterFile(dir.filePath("VOREL.DAT").toStdString(),
                     {{"ABEL", "01/01/1970"}, {"ZOE", "02/02/1990"}});
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"},
                           std::make_unique<test::ScriptedDesktop>());
    RegisterEditor& editor = windows.registerEditor();
    PersonEntryDialog& entry = windows.personEntry();
    AboutBox& about = windows.aboutBox();
    HelpWindow& help = windows.helpWindow();
    ReportWindow& report = windows.reportWindow();
    entry.prepare(QStringLiteral("Ajouter"), QStringLiteral("DUPONT JEAN"), QStringLiteral("14"));
    report.showReport(ComposeReport("ABEL", "01/01/1970", FrenchLocaleNames()));
    help.showContents();
    for (QWidget* w : std::initializer_list<QWidget*>{&editor, &entry, &about, &help, &report}) {
      w->show();
      QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    // Nothing in the measured places has the focus: a caret would be measured with the text.
    test::Child<QPushButton>(entry, "okButton")->setFocus();
    test::Child<QPushButton>(editor, "okButton")->setFocus();
    test::Child<NameEdit>(entry, "nameEdit")->deselect();

    auto* grid = test::Child<RegisterGrid>(editor, "personGrid");
    grid->setCurrentRow(1);
    QRect secondRow = grid->visualRect(grid->model()->index(1, 0));
    auto* browser = help.browser();
    auto* page = test::Child<QTextEdit>(report, "reportEdit");
    const struct {
      const char* what;
      QWidget* widget;
      std::function<QRect()> area;
    } rows[] = {
        {"register counter", test::Child<QLabel>(editor, "rowNumber"),
         [&] { return test::Child<QLabel>(editor, "rowNumber")->rect(); }},
        {"grid row", grid->viewport(), [&] { return secondRow.adjusted(2, 2, -2, -2); }},
        {"name field", test::Child<NameEdit>(entry, "nameEdit"),
         [&] { return test::Child<NameEdit>(entry, "nameEdit")->rect().adjusted(4, 4, -4, -4); }},
        {"day field", test::Child<QLineEdit>(entry, "dayEdit"),
         [&] { return test::Child<QLineEdit>(entry, "dayEdit")->rect().adjusted(4, 4, -4, -4); }},
        {"about title", test::Child<QLabel>(about, "productName"),
         [&] { return test::Child<QLabel>(about, "productName")->rect(); }},
        {"about link", test::Child<QLabel>(about, "link"),
         [&] { return test::Child<QLabel>(about, "link")->rect(); }},
        {"help heading", browser->viewport(),
         [&] { return PlaceOf(*browser, QStringLiteral("Aide de Vorel")); }},
        {"help key", browser->viewport(),
         [&] { return PlaceOf(*browser, QStringLiteral("Alt+F")); }},
        {"help note", browser->viewport(),
         [&] { return PlaceOf(*browser, QStringLiteral("Quitter Vorel ne pose")); }},
        {"help link", browser->viewport(),
         [&] { return PlaceOf(*browser, QStringLiteral("Tenir le fichier des personnes")); }},
        {"report page", page->viewport(),
         [&] { return PlaceOf(*page, QStringLiteral("Vorel de")); }},
    };
    for (const auto& row : rows) {
      const QRect area = row.area();
      QVERIFY2(!area.isEmpty(), row.what);
      const double contrast = PaintedContrast(*row.widget, area);
      QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(row.what).arg(contrast)));
    }
  }

  void gridFocusFrameKeepsTheChosenRow() {
    QTemporaryDir dir;
    SaveRegisterFile(dir.filePath("VOREL.DAT").toStdString(),
                     {{"ABEL", "01/01/1970"}, {"ZOE", "02/02/1990"}});
    test::ScriptedDesktop desktop;
    Register persons(dir.filePath("VOREL.DAT").toStdString());
    PersonEntryDialog entry(desktop);
    RegisterEditor editor(desktop, persons, entry);
    editor.loadRegister();
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    auto* grid = test::Child<RegisterGrid>(editor, "personGrid");
    grid->setCurrentRow(2);
    QRect row = grid->visualRect(grid->model()->index(1, 0));
    row.setLeft(0);
    row.setRight(grid->viewport()->width() - 1);

    test::Child<QPushButton>(editor, "okButton")->setFocus();
    test::Child<NameEdit>(entry, "nameEdit")->deselect();
    const QImage unfocused = grid->viewport()->grab().toImage();
    grid->setFocus();
    const QImage focused = grid->viewport()->grab().toImage();
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y)
      for (int x = 0; x < focused.width(); ++x)
        if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
          ++changed;
          QVERIFY2(row.contains(x, y), "the focus shows outside the chosen row");
        }
    QVERIFY2(changed > 0, "no sign of the focus");
    const QRect inside = row.adjusted(3, 3, -3, -3);
    QCOMPARE(MostFound(focused.copy(inside)), MostFound(unfocused.copy(inside)));
  }
};

VOREL_GUI_TEST(ContrastTest);

}  // namespace vorel

#include "ContrastTest.moc"
