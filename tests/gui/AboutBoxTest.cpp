// The about dialog and its link label.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>
#include <QTimer>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "app/ApplicationDefaults.h"
#include "gui/AboutBox.h"
#include "gui/UrlLabel.h"
#include "report/Publisher.h"

namespace vorel {

class AboutBoxTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::ScriptedDesktop> desktop_;

 private slots:
  void init() { desktop_ = std::make_unique<test::ScriptedDesktop>(); }
  void cleanup() { desktop_.reset(); }

  void dialogLayout() {
    AboutBox box(*desktop_);
    QCOMPARE(box.windowTitle(), QString("A propos"));
    QCOMPARE(test::Child<QLabel>(box, "productName")->text(), QString("Vorel"));
    QVERIFY(test::Child<QLabel>(box, "productName")->font().bold());
    // The version the build defines, the word size of this build, the system it runs on.
    QFile cmake(QStringLiteral(VOREL_SOURCE_DIR "/CMakeLists.txt"));
    QVERIFY(cmake.open(QIODevice::ReadOnly));
    const auto project = QRegularExpression(QStringLiteral("project\\(Vorel VERSION ([0-9.]+)"))
                             .match(QString::fromUtf8(cmake.readAll()));
    QVERIFY(project.hasMatch());
    QCOMPARE(
        test::Child<QLabel>(box, "version")->text(),
        QStringLiteral("Version %1 - %2 bits").arg(project.captured(1)).arg(QSysInfo::WordSize));
    QCOMPARE(test::Child<QLabel>(box, "comments")->text(), QString("pour Linux"));
    QCOMPARE(test::Child<QLabel>(box, "programIcon")->accessibleName(), QString("Icône de Vorel"));
    QVERIFY(test::Child<QLabel>(box, "comments")->wordWrap());
    QVERIFY(!test::Child<QLabel>(box, "programIcon")->pixmap().isNull());
    QVERIFY(test::Child<QLabel>(box, "programIcon")->hasScaledContents());
    QCOMPARE(test::Child<UrlLabel>(box, "link")->text(), QString(kPublisherHost));
    QCOMPARE(test::Child<UrlLabel>(box, "link")->url(), QString(kPublisherUrl));
    QCOMPARE(test::Child<UrlLabel>(box, "link")->font().family(), QString("Arial"));
    QCOMPARE(test::Child<UrlLabel>(box, "link")->font().pixelSize(), 19);
    QVERIFY(test::Child<UrlLabel>(box, "link")->font().underline());
    QCOMPARE(test::Child<UrlLabel>(box, "link")->fontColor(), QColor(0, 0, 255));
    QCOMPARE(test::Child<UrlLabel>(box, "link")->cursor().shape(), Qt::PointingHandCursor);
    // The address fits its 160 pixels, with the dialog's real fonts.
    InstallApplicationDefaults(*qApp);
    QVERIFY(QFontMetrics(test::Child<UrlLabel>(box, "link")->font())
                .horizontalAdvance(test::Child<UrlLabel>(box, "link")->text()) <= 160);
    QVERIFY(test::Child<QPushButton>(box, "okButton")->isDefault());
  }

  void enterClosesThroughOk() {
    AboutBox box(*desktop_);
    QTimer::singleShot(0, [&] { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
  }

  void linkOpensUrlOrCaptionAndCopiesTheCaption() {
    UrlLabel label(*desktop_);
    label.setText(QStringLiteral("www.vorel.example"));
    label.setUrl(QStringLiteral("https://www.vorel.example/"));
    label.resize(160, 22);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.activeColor(), QColor(128, 0, 128));
    QCOMPARE(label.cursor().shape(), Qt::BitmapCursor);  // the hand of our resources

    bool handlerFirst = false;
    connect(&label, &UrlLabel::clicked, [&] { handlerFirst = desktop_->openedUrls.isEmpty(); });
    QColor colourWhenOpened;
    desktop_->whenUrlOpened = [&] { colourWhenOpened = label.fontColor(); };
    QTest::mousePress(&label, Qt::LeftButton);
    QCOMPARE(label.fontColor(), QColor(128, 0, 128));
    QTest::mouseRelease(&label, Qt::LeftButton);
    QCOMPARE(desktop_->openedUrls, QStringList{"https://www.vorel.example/"});
    QVERIFY(handlerFirst);
    QCOMPARE(colourWhenOpened, QColor(128, 0, 128));
    QCOMPARE(label.fontColor(), QColor(0, 0, 255));

    // Released outside: the colour comes back and nothing opens.
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 500));
    QCOMPARE(desktop_->openedUrls.size(), 1);
    QCOMPARE(label.fontColor(), QColor(0, 0, 255));

    // A right press changes nothing; the menu has one item that copies the caption.
    QTest::mousePress(&label, Qt::RightButton);
    QCOMPARE(label.fontColor(), QColor(0, 0, 255));
    QTest::mouseRelease(&label, Qt::RightButton);
    QCOMPARE(label.contextMenu()->actions().size(), 1);
    QCOMPARE(label.contextMenu()->actions()[0]->text(), QString("Copier"));
    label.contextMenu()->actions()[0]->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("www.vorel.example"));
  }

  // Tab reaches the link from OK; Enter or Space there opens it, and Enter elsewhere is OK's.
  void linkByTheKeyboard() {
    AboutBox box(*desktop_);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    auto* ok = test::Child<QPushButton>(box, "okButton");
    QCOMPARE(box.focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    auto* link = test::Child<UrlLabel>(box, "link");
    QCOMPARE(box.focusWidget(), link);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyClick(link, key);
    QCOMPARE(desktop_->openedUrls, QStringList(3, QString(kPublisherUrl)));
    QVERIFY(box.isVisible());
    QTest::keyClick(link, Qt::Key_Tab);
    QCOMPARE(box.focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(!box.isVisible());
  }

  void blankAddressFallsBackToTheCaption() {
    const struct {
      const char* url;
      const char* caption;
      QStringList opened;
    } cases[] = {{"", "www.vorel.example", {"www.vorel.example"}},
                 {"   ", "www.vorel.example", {"www.vorel.example"}},
                 {" https://x.example ", "caption", {" https://x.example "}},
                 {"", "", {}},
                 {" ", "  ", {}}};
    for (const auto& c : cases) {
      desktop_->openedUrls.clear();
      UrlLabel label(*desktop_);
      label.setUrl(QString::fromUtf8(c.url));
      label.setText(QString::fromUtf8(c.caption));
      label.click();
      QCOMPARE(desktop_->openedUrls, c.opened);
    }
  }
};

VOREL_GUI_TEST(AboutBoxTest);

}  // namespace vorel

#include "AboutBoxTest.moc"
