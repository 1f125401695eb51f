// The start-up sequence, the timed wait, the main window and help.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "GuiTest.h"
#include "ScriptedDesktop.h"
#include "app/Startup.h"
#include "gui/Desktop.h"
#include "gui/HelpWindow.h"
#include "gui/MainWindow.h"
#include "gui/RegisterEditor.h"
#include "gui/TimedWait.h"

namespace vorel {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsAreCreatedOnceInTheirOrderAndStayHidden() {
    QTemporaryDir dir;
    std::vector<std::string> log;
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"}, &log);
    const std::vector<std::string> expected = {
        "MainWindow",   "RegisterEditor", "PersonEntryDialog", "PersonChooser",
        "ReportWindow", "motivation",     "realisation",       "expression",
        "path",         "synthesis",      "AboutBox"};
    QCOMPARE(log, expected);
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
  }

  // The register and the help, for a program folder, an installed program (bin/ beside
  // share/vorel/) and a program with neither file beside it.
  void programFilesAreFoundWhereTheyLive() {
    QTemporaryDir root, home;
    const QByteArray savedData = qgetenv("XDG_DATA_HOME"), savedHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
      qputenv("XDG_DATA_HOME", savedData);
      qputenv("HOME", savedHome);
    });
    const QString data = root.filePath("data");
    const auto touch = [&](const QString& path) {
      QDir().mkpath(QFileInfo(path).path());
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
    };
    touch(root.filePath("stick/VOREL.DAT"));
    touch(root.filePath("stick/VOREL.HLP"));
    touch(root.filePath("usr/share/vorel/VOREL.HLP"));
    touch(root.filePath("both/bin/VOREL.HLP"));
    touch(root.filePath("both/share/vorel/VOREL.HLP"));
    QDir().mkpath(root.filePath("usr/bin"));
    QDir().mkpath(root.filePath("bare"));
    const struct {
      const char* programDir;
      bool xdgSet;
      QString registerPath, helpFile;
    } cases[] = {
        {"stick/", true, root.filePath("stick/VOREL.DAT"), root.filePath("stick/VOREL.HLP")},
        {"usr/bin/", true, data + "/vorel/VOREL.DAT",
         root.filePath("usr/bin/../share/vorel/VOREL.HLP")},
        {"both/bin/", true, data + "/vorel/VOREL.DAT", root.filePath("both/bin/VOREL.HLP")},
        {"bare/", false, home.filePath(".local/share/vorel/VOREL.DAT"),
         root.filePath("bare/VOREL.HLP")},
    };
    for (const auto& c : cases) {
      qputenv("XDG_DATA_HOME", c.xdgSet ? data.toLocal8Bit() : QByteArray());
      qputenv("HOME", home.path().toLocal8Bit());
      ProgramWindows windows(
          StartupOptions{0, 0, QString(), root.filePath(c.programDir).toStdString()});
      QCOMPARE(QString::fromStdString(windows.registerPath()), c.registerPath);
      QCOMPARE(QString::fromStdString(windows.registerEditor().registerPath()), c.registerPath);
      QCOMPARE(QString::fromStdString(windows.helpFile()), c.helpFile);
    }
    // The data folder is made by the first save, not before.
    QVERIFY(!QFileInfo::exists(data));
  }

  void sequenceShowsLogoThenSplashThenRunsTheMainLoop() {
    QTemporaryDir dir;
    const QString bmp = dir.filePath("LOGICIEL.BMP");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QVERIFY(picture.save(bmp, "BMP"));

    bool busyDuringStartup = false;
    bool busyInMainLoop = true;
    const auto run = [&](const QString& splash) {
      std::vector<std::string> log;
      busyDuringStartup = false;
      busyInMainLoop = true;
      QTimer probe;
      // Samples the cursor while the start-up waits, then ends the main loop once it runs.
      connect(&probe, &QTimer::timeout, [&] {
        const bool busy = QApplication::overrideCursor() != nullptr;
        if (!log.empty() && log.back() == "MainLoop") {
          busyInMainLoop = busy;
          QCoreApplication::quit();
        } else {
          busyDuringStartup = busyDuringStartup || busy;
        }
      });
      probe.start(20);
      RunStartup(*qApp, StartupOptions{150, 150, splash, dir.path().toStdString() + "/"}, &log);
      return log;
    };

    auto log = run(bmp);
    QVERIFY(busyDuringStartup);
    QVERIFY(!busyInMainLoop);
    QCOMPARE(log.front(), std::string("Logo"));
    QCOMPARE(log[1], std::string("MainWindow"));
    QCOMPARE(log[log.size() - 2], std::string("Splash"));
    QCOMPARE(log.back(), std::string("MainLoop"));

    // A missing file, or one that is not a picture, skips the splash without a word.
    test::ScriptedDesktop dialogs;
    log = run(dir.filePath("ABSENT.BMP"));
    QCOMPARE(log[log.size() - 2], std::string("AboutBox"));
    QFile garbage(dir.filePath("GARBAGE.BMP"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("BM this is not a bitmap at all");
    garbage.close();
    log = run(garbage.fileName());
    QCOMPARE(log[log.size() - 2], std::string("AboutBox"));
    QVERIFY(dialogs.boxes.empty());
  }

  void sleeperWaitsItsIntervalWhileMessagesFlow() {
    QObject owner;
    auto* sleeper = new TimedWait(&owner);
    QCOMPARE(sleeper->Interval(), 1000);  // never set: the timer's own default
    sleeper->SetInterval(300);
    QCOMPARE(sleeper->property("Interval").toInt(), 300);
    bool dispatched = false;
    QTimer::singleShot(50, [&] { dispatched = true; });
    QElapsedTimer clock;
    clock.start();
    sleeper->Wait();
    QVERIFY(clock.elapsed() >= 290);
    QVERIFY(clock.elapsed() < 3000);
    QVERIFY(dispatched);

    sleeper->SetInterval(0);
    clock.restart();
    sleeper->Wait();
    QVERIFY(clock.elapsed() < 100);
  }

  void mainWindowToolbar() {
    QTemporaryDir dir;
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"});
    MainWindow& main = windows.mainWindow();
    QCOMPARE(main.windowTitle(), QString("Vorel"));
    QCOMPARE(main.size(), QSize(388, 50));
    QCOMPARE(main.pos(), QPoint(10, 10));
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    const struct {
      QToolButton* button;
      const char* caption;
      int left;
    } buttons[] = {{test::Child<QToolButton>(main, "registerButton"), "&Fichier", 2},
                   {test::Child<QToolButton>(main, "reportButton"), "&Vorel", 66},
                   {test::Child<QToolButton>(main, "openButton"), "&Ouvrir", 130},
                   {test::Child<QToolButton>(main, "helpButton"), "&Aide", 194},
                   {test::Child<QToolButton>(main, "aboutButton"), "A &propos", 258},
                   {test::Child<QToolButton>(main, "quitButton"), "&Quitter", 322}};
    for (const auto& b : buttons) {
      QCOMPARE(b.button->text(), QString::fromUtf8(b.caption));
      QCOMPARE(b.button->geometry(), QRect(b.left, 2, 65, 45));
      QCOMPARE(b.button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
      QVERIFY2(!b.button->icon().pixmap(16).isNull(), b.caption);
      QCOMPARE(b.button->toolTip().isEmpty(),
               b.button != test::Child<QToolButton>(main, "openButton"));
    }
    QCOMPARE(test::Child<QToolButton>(main, "openButton")->toolTip(),
             QString("Ouvrir un fichier vorel"));
  }

  void helpContentsAndTopics() {
    QTemporaryDir dir;
    QVERIFY(QFile::copy(VOREL_SOURCE_DIR "/resources/VOREL.HLP", dir.filePath("VOREL.HLP")));
    ProgramWindows windows(StartupOptions{0, 0, QString(), dir.path().toStdString() + "/"});
    windows.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows.mainWindow()));

    test::Child<QToolButton>(windows.mainWindow(), "helpButton")->click();
    QVERIFY(CurrentDesktop().helpWindow() && CurrentDesktop().helpWindow()->isVisible() &&
            CurrentDesktop().helpWindow()->Loaded());
    QCOMPARE(CurrentDesktop().helpWindow()->Browser()->verticalScrollBar()->value(), 0);

    // F1 in the main window opens topic 1; topics 6, 7 and 8 lie further down.
    CurrentDesktop().helpWindow()->hide();
    windows.mainWindow().activateWindow();
    QTest::keyClick(&windows.mainWindow(), Qt::Key_F1);
    QVERIFY(CurrentDesktop().helpWindow()->isVisible());
    const QString html = CurrentDesktop().helpWindow()->Browser()->toHtml();
    for (int topic : {1, 6, 7, 8})
      QVERIFY2(html.contains(QStringLiteral("topic-%1").arg(topic)),
               qPrintable(QString::number(topic)));
    CurrentDesktop().helpWindow()->resize(400, 200);
    CurrentDesktop().ShowHelp(8);
    QVERIFY(CurrentDesktop().helpWindow()->Browser()->verticalScrollBar()->value() > 0);
  }

  void missingHelpFileIsReportedByTheHelpWindow() {
    test::ScriptedDesktop dialogs;
    HelpWindow help(QStringLiteral("/nonexistent/VOREL.HLP"));
    help.ShowTopic(1);
    QVERIFY(!help.Loaded());
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("introuvable")));
    QVERIFY(dialogs.boxes.empty());
  }
};

VOREL_GUI_TEST(StartupTest);

}  // namespace vorel

#include "StartupTest.moc"
