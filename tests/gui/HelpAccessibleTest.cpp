// The help's text as a screen reader reads it: its text whole, its links named and followed,
// made anew when the help is read again.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "GuiTest.h"
#include "gui/Accessibility.h"
#include "gui/HelpWindow.h"

namespace vorel {

class HelpAccessibleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallAccessibility(); }

  void linksAreNamedAndFollowed() {
    QTemporaryDir dir;
    QFile file(dir.filePath("VOREL.HLP"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray html =
        "<p><a href='#topic-6'>Ouvrir un <b>bilan</b></a> ou "
        "<a href='https://vorel.example/'>le site</a>.</p>";
    for (int i = 0; i < 200; ++i) html += "<p>ligne</p>";
    html += "<h2><a name='topic-6'></a>Ouvrir</h2>";
    file.write(html);
    file.close();
    HelpWindow help(dir.filePath("VOREL.HLP"));
    help.resize(400, 300);
    help.showContents();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(help.browser());
    QCOMPARE(text->role(), QAccessible::Document);
    QCOMPARE(text->text(QAccessible::Name), QString("Aide de Vorel"));
    QAccessibleTextInterface* reading = text->textInterface();
    QVERIFY(reading);
    QVERIFY(reading->text(0, reading->characterCount())
                .startsWith(QStringLiteral("Ouvrir un bilan ou le site.\nligne\n")));

    // A link cut in two looks is one link; each is named by its words.
    QCOMPARE(text->childCount(), 2);
    const struct {
      const char* name;
      const char* target;
    } links[] = {{"Ouvrir un bilan", "#topic-6"}, {"le site", "https://vorel.example/"}};
    for (int i = 0; i < 2; ++i) {
      QAccessibleInterface* link = text->child(i);
      QCOMPARE(link->role(), QAccessible::Link);
      QCOMPARE(link->text(QAccessible::Name), QString::fromUtf8(links[i].name));
      QCOMPARE(link->text(QAccessible::Value), QString::fromUtf8(links[i].target));
      QCOMPARE(link->parent(), text);
      QCOMPARE(text->indexOfChild(link), i);
    }
    // Pressed, the link inside the help shows its place.
    QCOMPARE(help.browser()->verticalScrollBar()->value(), 0);
    text->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(help.browser()->verticalScrollBar()->value() > 0);

    // Read again, once changed, the help gets the links it holds now.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<p>Voir <a href='#topic-1'>le programme</a>.</p>");
    file.close();
    help.showContents();
    QCOMPARE(text->childCount(), 1);
    QCOMPARE(text->child(0)->text(QAccessible::Name), QString("le programme"));
  }
};

VOREL_GUI_TEST(HelpAccessibleTest);

}  // namespace vorel

#include "HelpAccessibleTest.moc"
