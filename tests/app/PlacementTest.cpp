// Window placement kept in vorel.ini, through the real windows.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "app/Startup.h"
#include "base/ProfileFile.h"
#include "gui/MainWindow.h"
#include "gui/Placement.h"
#include "gui/ReportWindow.h"

namespace vorel {

class PlacementTest : public QObject {
  Q_OBJECT

  QString iniPath() const { return QString::fromStdString(ProfileFile::DefaultPath()); }
  QByteArray ini() const {
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeIni(const QByteArray& text) {
    QFile::remove(iniPath());
    QFile f(iniPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
  }

  // The program's windows in a program folder of their own, on a screen of the given size.
  std::unique_ptr<ProgramWindows> makeWindows(QSize screen,
                                              test::ScriptedDesktop** dialogs = nullptr) {
    auto desktop = std::make_unique<test::ScriptedDesktop>();
    desktop->screen = screen;
    if (dialogs) *dialogs = desktop.get();
    return std::make_unique<ProgramWindows>(
        StartupOptions{0, 0, QString(), programDir_.path().toStdString() + "/"},
        std::move(desktop));
  }

  QTemporaryDir programDir_;
  std::unique_ptr<test::ScriptedDesktop> desktop_;

 private slots:
  void init() {
    QDir().mkpath(QFileInfo(iniPath()).path());
    QFile::remove(iniPath());
    QDir(iniPath()).removeRecursively();
    desktop_ = std::make_unique<test::ScriptedDesktop>();
  }
  void cleanup() { desktop_.reset(); }

  void defaultsCentreTheReportWindow() {
    const struct {
      QSize screen;
      QPoint expected;
    } cases[] = {{{1024, 768}, {212, 234}},
                 {{800, 600}, {100, 150}},
                 {{590, 600}, {-5, 150}},
                 {{601, 301}, {0, 0}}};
    for (const auto& c : cases) {
      desktop_->screen = c.screen;
      ReportWindow w(*desktop_, iniPath().toStdString());
      w.restorePlacement();
      QCOMPARE(w.pos(), c.expected);
      QCOMPARE(w.size(), QSize(600, 300));
    }
    // "w" and "h" given, "x" and "y" missing: the centring still uses 600 x 300.
    writeIni("[AnalWin]\r\nw=800\r\nh=0x190\r\n");
    desktop_->screen = QSize(1024, 768);
    ReportWindow w(*desktop_, iniPath().toStdString());
    w.restorePlacement();
    QCOMPARE(w.geometry(), QRect(212, 234, 800, 400));
    // A size below the window's minimum, written by hand or by an older version, opens at the
    // minimum.
    writeIni("[AnalWin]\r\nx=5\r\ny=6\r\nw=100\r\nh=40\r\n");
    ReportWindow small(*desktop_, iniPath().toStdString());
    small.restorePlacement();
    QCOMPARE(small.geometry(), QRect(QPoint(5, 6), kReportMinimumSize));
  }

  void firstRunWritesBothSectionsAndTheNextRunReadsThem() {
    {
      const auto windows = makeWindows({1024, 768});
      QCOMPARE(windows->mainWindow().pos(), QPoint(10, 10));
      windows->mainWindow().savePlacements();
    }
    QCOMPARE(ini(), QByteArray("[MainW]\r\nx=10\r\ny=10\r\n\r\n[AnalWin]\r\nx=212\r\ny=234\r\n"
                               "w=600\r\nh=300\r\nMaxi=0\r\n"));
    // Keys added by hand: gone from [MainW], kept in [AnalWin].
    writeIni(
        "[MainW]\r\nx=40\r\ny=0X20\r\nmine=1\r\n\r\n[AnalWin]\r\nx=3\r\ny=4\r\nw=500\r\n"
        "h=200\r\nMaxi=0\r\nnote=kept\r\n");
    {
      const auto windows = makeWindows({1024, 768});
      QCOMPARE(windows->mainWindow().pos(), QPoint(40, 32));
      QCOMPARE(windows->reportWindow().geometry(), QRect(3, 4, 500, 200));
      windows->mainWindow().move(70, 80);
      windows->mainWindow().savePlacements();
    }
    QCOMPARE(ini(), QByteArray("[AnalWin]\r\nx=3\r\ny=4\r\nw=500\r\nh=200\r\nMaxi=0\r\n"
                               "note=kept\r\n\r\n[MainW]\r\nx=70\r\ny=80\r\n"));
  }

  void maximisedAndMinimisedReportWindow() {
    const std::string ini = iniPath().toStdString();
    ReportWindow w(*desktop_, ini);
    QWidget main;
    main.move(10, 10);
    w.setGeometry(100, 120, 640, 320);
    w.showMaximized();
    QVERIFY(QTest::qWaitFor([&] { return w.isMaximized(); }));
    const QRect maximised(w.pos(), w.size());
    ProfileFile settings(ProfileFile::DefaultPath());
    SavePlacements(main, w, settings);
    QCOMPARE(settings.Entries().ReadInteger("AnalWin", "Maxi", 0), 1);
    QCOMPARE(settings.Entries().ReadInteger("AnalWin", "w", 0), maximised.width());
    QCOMPARE(settings.Entries().ReadInteger("AnalWin", "x", -1), maximised.x());

    // Opened maximised; restoring gives the design placement, its position being the frame's.
    ReportWindow next(*desktop_, ini);
    next.restorePlacement();
    next.show();
    QVERIFY(QTest::qWaitFor([&] { return next.isMaximized(); }));
    next.showNormal();
    QVERIFY(QTest::qWaitFor([&] { return !next.isMaximized(); }));
    QCOMPARE(QRect(next.pos(), next.size()), kReportDesignPlacement);

    // Minimised: the rectangle it has when restored, and Maxi=0.
    ReportWindow small(*desktop_, ini);
    small.setGeometry(50, 60, 610, 310);
    small.show();
    QVERIFY(QTest::qWaitForWindowExposed(&small));
    small.showMinimized();
    QVERIFY(QTest::qWaitFor([&] { return small.isMinimized(); }));
    SavePlacements(main, small, settings);
    QCOMPARE(settings.Entries().ReadInteger("AnalWin", "Maxi", 1), 0);
    // Read back at the next start, it gives the window its restored place and size again.
    ReportWindow again(*desktop_, ini);
    again.restorePlacement();
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.geometry(), QRect(50, 60, 610, 310));
    // Any non-zero integer counts as maximised.
    writeIni("[AnalWin]\r\nMaxi=2\r\n");
    ReportWindow two(*desktop_, ini);
    two.restorePlacement();
    QVERIFY(two.windowState() & Qt::WindowMaximized);
  }

  void failedWriteIsShownAndTheProgramStillEnds() {
    test::ScriptedDesktop* dialogs = nullptr;
    const auto windows = makeWindows({1024, 768}, &dialogs);
    windows->mainWindow().show();
    QVERIFY(QDir().mkpath(iniPath()));  // a folder where the file should be
    QVERIFY(windows->mainWindow().close());
    QCOMPARE(dialogs->texts(), QStringList{"Impossible d'écrire dans vorel.ini."});
    QVERIFY(!windows->mainWindow().isVisible());
  }
};

VOREL_GUI_TEST(PlacementTest);

}  // namespace vorel

#include "PlacementTest.moc"
