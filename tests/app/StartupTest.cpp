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
#include "base/ProfileFile.h"
#include "gui/HelpWindow.h"
#include "gui/MainWindow.h"
#include "gui/RegisterEditor.h"
#include "gui/ReportWindow.h"
#include "gui/TimedWait.h"
#include "register/RegisterFile.h"

namespace vorel {
namespace {

StartupOptions InFolder(const QTemporaryDir& dir, int interval = 0, const QString& splash = {}) {
  return StartupOptions{interval, interval, splash, dir.path().toStdString() + "/"};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// What the user sees at one moment of the start-up.
struct Moment {
  QStringList visible;  // the program's windows on the screen, by name
  bool busy;            // the busy cursor
  bool windowsMade;     // the main window exists, shown or not
  bool operator==(const Moment&) const = default;
};

QDebug operator<<(QDebug debug, const Moment& m) {
  return debug << m.visible << (m.busy ? "busy" : "idle") << (m.windowsMade ? "made" : "unmade");
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsAreCreatedOnceAndStayHidden() {
    QTemporaryDir dir;
    ProgramWindows windows(InFolder(dir), std::make_unique<test::ScriptedDesktop>());
    QMap<QString, int> made;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
      ++made[w->objectName()];
    }
    for (const char* name : {"mainWindow", "registerEditor", "personEntry", "personChooser",
                             "reportWindow", "aboutBox", "helpWindow"})
      QVERIFY2(made.value(QString::fromLatin1(name)) == 1, name);
  }

  // The creation steps run in their order, and an error in one is shown before the next
  // runs: the main window's placement comes before the register, the report window's after.
  void aFailedStepIsShownAndTheStepsAfterItRun() {
    QTemporaryDir dir;
    SaveRegisterFile(dir.filePath("VOREL.DAT").toStdString(),
                     {{"ABEL", "01/01/1970"}, {"BRUN", "02/02/1980"}});
    QFile cut(dir.filePath("VOREL.DAT"));
    QVERIFY(cut.open(QIODevice::Append));
    cut.write("0123456789");
    cut.close();
    const QString ini = QString::fromStdString(ProfileFile::DefaultPath());
    QDir().mkpath(QFileInfo(ini).path());
    WriteFile(ini, "[MainW]\r\nx=40\r\ny=50\r\n[AnalWin]\r\nx=3\r\ny=4\r\nw=500\r\nh=200\r\n");
    const auto removeIni = qScopeGuard([&] { QFile::remove(ini); });

    auto desktop = std::make_unique<test::ScriptedDesktop>();
    const test::ScriptedDesktop& dialogs = *desktop;
    ProgramWindows windows(InFolder(dir), std::move(desktop));
    QCOMPARE(dialogs.texts(), QStringList{"Lecture au-delà de la fin de fichier."});
    QCOMPARE(windows.mainWindow().pos(), QPoint(40, 50));
    QCOMPARE(windows.registerEditor().personCount(), 2);
    QCOMPARE(windows.reportWindow().geometry(), QRect(3, 4, 500, 200));
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
          StartupOptions{0, 0, QString(), root.filePath(c.programDir).toStdString()},
          std::make_unique<test::ScriptedDesktop>());
      QCOMPARE(QString::fromStdString(windows.registerPath()), c.registerPath);
      QCOMPARE(QString::fromStdString(windows.registerEditor().registerPath()), c.registerPath);
      QCOMPARE(QString::fromStdString(windows.helpFile()), c.helpFile);
    }
    // The data folder is made by the first save, not before.
    QVERIFY(!QFileInfo::exists(data));
  }

  // Logo alone under the busy cursor, then the splash while the other windows exist hidden,
  // then the main window with the default cursor; no box on the way, on the real desktop.
  void sequenceShowsLogoThenSplashThenRunsTheMainLoop() {
    QTemporaryDir dir;
    SaveRegisterFile(dir.filePath("VOREL.DAT").toStdString(), {{"ABEL", "01/01/1970"}});
    const QString bmp = dir.filePath("LOGICIEL.BMP");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QVERIFY(picture.save(bmp, "BMP"));
    const QString garbage = dir.filePath("GARBAGE.BMP");
    WriteFile(garbage, "BM this is not a bitmap at all");

    const auto run = [&](const QString& splash) {
      std::vector<Moment> seen;
      QTimer probe;
      connect(&probe, &QTimer::timeout, [&] {
        Moment now{{}, QApplication::overrideCursor() != nullptr, false};
        for (QWidget* w : QApplication::topLevelWidgets()) {
          if (w->objectName() == QStringLiteral("mainWindow")) now.windowsMade = true;
          if (w->isVisible())
            now.visible << (w->objectName().isEmpty() ? w->metaObject()->className()
                                                      : w->objectName());
        }
        now.visible.sort();
        if (seen.empty() || !(seen.back() == now)) seen.push_back(now);
        // A box would wait for an answer: it is seen, then closed.
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        if (now.visible.contains(QStringLiteral("mainWindow"))) QCoreApplication::quit();
      });
      probe.start(20);
      RunStartup(*qApp, InFolder(dir, 150, splash));
      return seen;
    };

    const Moment logo{{"logoWindow"}, true, false};
    const Moment splash{{"splashWindow"}, true, true};
    const Moment main{{"mainWindow"}, false, true};
    QCOMPARE(run(bmp), (std::vector<Moment>{logo, splash, main}));
    // A missing file, or one that is not a picture, skips the splash without a word.
    QCOMPARE(run(dir.filePath("ABSENT.BMP")), (std::vector<Moment>{logo, main}));
    QCOMPARE(run(garbage), (std::vector<Moment>{logo, main}));
  }

  void sleeperWaitsItsIntervalWhileMessagesFlow() {
    QObject owner;
    auto* sleeper = new TimedWait(&owner);
    QCOMPARE(sleeper->interval(), 1000);  // never set: the timer's own default
    sleeper->setInterval(300);
    QCOMPARE(sleeper->property("interval").toInt(), 300);
    bool dispatched = false;
    QTimer::singleShot(50, [&] { dispatched = true; });
    QElapsedTimer clock;
    clock.start();
    sleeper->wait();
    QVERIFY(clock.elapsed() >= 290);
    QVERIFY(clock.elapsed() < 3000);
    QVERIFY(dispatched);

    sleeper->setInterval(0);
    clock.restart();
    sleeper->wait();
    QVERIFY(clock.elapsed() < 100);
  }

  void mainWindowToolbar() {
    QTemporaryDir dir;
    ProgramWindows windows(InFolder(dir), std::make_unique<test::ScriptedDesktop>());
    MainWindow& main = windows.mainWindow();
    QCOMPARE(main.windowTitle(), QString("Vorel"));
    QCOMPARE(main.pos(), QPoint(10, 10));
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    const struct {
      const char* name;
      const char* caption;
    } buttons[] = {{"registerButton", "&Fichier"}, {"reportButton", "&Vorel"},
                   {"themeButton", "&Thème"},      {"coupleButton", "&Couple"},
                   {"openButton", "&Ouvrir"},      {"helpButton", "&Aide"},
                   {"aboutButton", "A &propos"},   {"quitButton", "&Quitter"}};
    for (const auto& b : buttons) {
      auto* button = test::Child<QToolButton>(main, b.name);
      QCOMPARE(button->text(), QString::fromUtf8(b.caption));
      QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
      QVERIFY2(!button->icon().pixmap(16).isNull(), b.caption);
      QCOMPARE(button->toolTip().isEmpty(), std::string_view(b.name) != "openButton");
    }
    QCOMPARE(test::Child<QToolButton>(main, "openButton")->toolTip(),
             QString("Ouvrir un fichier vorel"));
    // Besides their Alt letters, Ouvrir and Quitter answer their standard keys.
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* desktop = static_cast<test::ScriptedDesktop*>(&windows.desktop());
    desktop->files = {QString()};  // the open dialog, cancelled
    QTest::keySequence(&main, QKeySequence::Open);
    QCOMPARE(desktop->fileRequests.size(), size_t(1));
    QCOMPARE(desktop->fileRequests[0].title, QString("Ouvrir un fichier texte"));
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(!main.isVisible());
  }

  void helpContentsAndTopics() {
    QTemporaryDir dir;
    QVERIFY(QFile::copy(VOREL_SOURCE_DIR "/resources/VOREL.HLP", dir.filePath("VOREL.HLP")));
    ProgramWindows windows(InFolder(dir));
    HelpWindow& help = windows.helpWindow();
    const auto scrolled = [&] { return help.browser()->verticalScrollBar()->value(); };
    windows.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows.mainWindow()));

    test::Child<QToolButton>(windows.mainWindow(), "helpButton")->click();
    QVERIFY(help.isVisible() && help.isLoaded());
    QCOMPARE(scrolled(), 0);

    // F1 in the main window opens topic 1; topics 6, 7 and 8 lie further down.
    help.resize(400, 200);
    help.hide();
    windows.mainWindow().activateWindow();
    QTest::keyClick(&windows.mainWindow(), Qt::Key_F1);
    QVERIFY(help.isVisible());
    const int topicOne = scrolled();
    const QString html = help.browser()->toHtml();
    for (int topic : {1, 6, 7, 8})
      QVERIFY2(html.contains(QStringLiteral("topic-%1").arg(topic)),
               qPrintable(QString::number(topic)));
    windows.desktop().showHelp(HelpTopic::Print);
    QVERIFY(scrolled() > topicOne);
    // F1 in the help window itself goes back to topic 1.
    help.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(&help, Qt::Key_F1);
    QCOMPARE(scrolled(), topicOne);
  }

  void missingHelpFileIsReportedByTheHelpWindow() {
    HelpWindow help(QStringLiteral("/nonexistent/VOREL.HLP"));
    help.showTopic(HelpTopic::Main);
    QVERIFY(!help.isLoaded());
    QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("introuvable")));
  }
};

VOREL_GUI_TEST(StartupTest);

}  // namespace vorel

#include "StartupTest.moc"
