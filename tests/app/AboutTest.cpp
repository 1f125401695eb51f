// The about dialog and its link label.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "GuiTest.h"
#include "app/UrlLabel.h"
#include "app/sabout.h"
#include "platform/Desktop.h"
#include "report/Publisher.h"

namespace vorel {

class AboutTest : public QObject {
  Q_OBJECT

  QStringList opened_;

 private slots:
  void init() {
    opened_.clear();
    SetUrlOpener([this](const QString& url) { opened_ << url; });
  }
  void cleanup() { SetUrlOpener(nullptr); }

  void dialogLayout() {
    TAboutBox box;
    QCOMPARE(box.windowTitle(), QString("A propos"));
    QCOMPARE(box.size(), QSize(298, 221));
    const struct {
      QWidget* widget;
      QRect expected;
    } places[] = {{box.Panel1, {8, 8, 281, 169}},
                  {box.ProgramIcon, {8, 8, 65, 57}},
                  {box.Comments, {8, 104, 249, 17}},
                  {box.UrlLabel1, {8, 129, 160, 22}},
                  {box.OKButton, {111, 188, 75, 25}}};
    for (const auto& p : places) QCOMPARE(p.widget->geometry(), p.expected);
    QCOMPARE(box.ProductName->pos(), QPoint(88, 16));
    QCOMPARE(box.Version->pos(), QPoint(88, 40));
    QCOMPARE(box.Copyright->pos(), QPoint(8, 80));
    QCOMPARE(box.ProductName->text(), QString("Vorel"));
    QVERIFY(box.ProductName->font().bold());
    QCOMPARE(box.Version->text(), QString("Version 2.0 - 32 bits"));
    QCOMPARE(box.Comments->text(), QString("pour Windows 95 et supérieur"));
    QVERIFY(box.Comments->wordWrap());
    QVERIFY(!box.ProgramIcon->pixmap().isNull());
    QVERIFY(box.ProgramIcon->hasScaledContents());
    QCOMPARE(box.UrlLabel1->text(), QString(kPublisherHost));
    QCOMPARE(box.UrlLabel1->URL(), QString(kPublisherUrl));
    QCOMPARE(box.UrlLabel1->font().family(), QString("Arial"));
    QCOMPARE(box.UrlLabel1->font().pixelSize(), 19);
    QVERIFY(box.UrlLabel1->font().underline());
    QCOMPARE(box.UrlLabel1->FontColor(), QColor(0, 0, 255));
    QCOMPARE(box.UrlLabel1->cursor().shape(), Qt::PointingHandCursor);
    // The address fits its 160 pixels, with the dialog's real fonts.
    InstallDesktopDefaults(*qApp);
    QVERIFY(QFontMetrics(box.UrlLabel1->font()).horizontalAdvance(box.UrlLabel1->text()) <= 160);
    QVERIFY(box.OKButton->isDefault());
  }

  void enterClosesThroughOk() {
    TAboutBox box;
    QTimer::singleShot(0, [&] { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
  }

  void linkOpensUrlOrCaptionAndCopiesTheCaption() {
    TUrlLabel label;
    label.setText(QStringLiteral("www.vorel.example"));
    label.SetURL(QStringLiteral("https://www.vorel.example/"));
    label.resize(160, 22);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.ActiveColor(), QColor(128, 0, 128));
    QCOMPARE(label.cursor().shape(), Qt::BitmapCursor);  // the hand of our resources

    bool handlerFirst = false;
    connect(&label, &TUrlLabel::clicked, [&] { handlerFirst = opened_.isEmpty(); });
    QColor colourWhenOpened;
    SetUrlOpener([&](const QString& url) {
      opened_ << url;
      colourWhenOpened = label.FontColor();
    });
    QTest::mousePress(&label, Qt::LeftButton);
    QCOMPARE(label.FontColor(), QColor(128, 0, 128));
    QTest::mouseRelease(&label, Qt::LeftButton);
    QCOMPARE(opened_, QStringList{"https://www.vorel.example/"});
    QVERIFY(handlerFirst);
    QCOMPARE(colourWhenOpened, QColor(128, 0, 128));
    QCOMPARE(label.FontColor(), QColor(0, 0, 255));

    // Released outside: the colour comes back and nothing opens.
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 500));
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(label.FontColor(), QColor(0, 0, 255));

    // A right press changes nothing; the menu has one item that copies the caption.
    QTest::mousePress(&label, Qt::RightButton);
    QCOMPARE(label.FontColor(), QColor(0, 0, 255));
    QTest::mouseRelease(&label, Qt::RightButton);
    QCOMPARE(label.ContextMenu()->actions().size(), 1);
    QCOMPARE(label.ContextMenu()->actions()[0]->text(), QString("Copy"));
    label.ContextMenu()->actions()[0]->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("www.vorel.example"));
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
      opened_.clear();
      TUrlLabel label;
      label.SetURL(QString::fromUtf8(c.url));
      label.setText(QString::fromUtf8(c.caption));
      label.Click();
      QCOMPARE(opened_, c.opened);
    }
  }
};

VOREL_GUI_TEST(AboutTest);

}  // namespace vorel

#include "AboutTest.moc"
