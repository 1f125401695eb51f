// The start-up sequence and the one object that owns every window of the program.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace vorel {

class TMainForm;
class TFichier;
class TSaisie;
class TChoixP;
class TAnalyseChild;
class TAboutBox;
class HelpWindow;

struct StartupOptions {
  int logoInterval = 2000;
  int splashInterval = 2000;
  QString splashFile = QStringLiteral("LOGICIEL.BMP");  // looked up in the working directory
  std::string programDir;                               // empty: the executable's
};

// The windows, created once in a fixed order, each running its creation handler; each gets
// the peers it uses. They live until this object goes.
class Windows {
 public:
  // log, when given, receives the name of each window as it is created.
  explicit Windows(const StartupOptions& options, std::vector<std::string>* log = nullptr);
  ~Windows();

  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TFichier> Fichier;
  std::unique_ptr<TSaisie> Saisie;
  std::unique_ptr<TChoixP> ChoixP;
  std::unique_ptr<TAnalyseChild> AnalyseChild;
  std::unique_ptr<TAboutBox> AboutBox;
  // The help viewer, made at the first request for help.
  std::unique_ptr<HelpWindow> Help;
  QString HelpFile;

  void ShowHelp(int topic);  // 0: contents
};

// Steps 1 to 10: busy cursor, logo and its wait, title, help file, the windows, splash,
// default cursor, main loop. Returns the main loop's exit code. log as for Windows, plus
// "Logo", "Splash" and "MainLoop" at the steps they mark.
int RunStartup(QApplication& app, const StartupOptions& options,
               std::vector<std::string>* log = nullptr);

}  // namespace vorel
