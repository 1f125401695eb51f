// The one object that owns every window of the program. The windows are made once, each
// given the windows it works with, and live until this object goes.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace vorel {

class AboutBox;
class MainWindow;
class PersonChooser;
class PersonEntryDialog;
class RegisterEditor;
class ReportWindow;

struct StartupOptions {
  int logoInterval = 2000;
  int splashInterval = 2000;
  QString splashFile = QStringLiteral("LOGICIEL.BMP");  // looked up in the working directory
  std::string programDir;  // the executable's folder, where the lookups start; empty: the real one
};

class ProgramWindows {
 public:
  // Runs each window's creation step in the fixed order: main window (placement), register
  // editor (the register file), person entry, chooser, report window (placement), the five
  // catalogues, about dialog. A step's error is shown and the next one runs all the same.
  // log, when given, receives the name of each window as its step runs.
  explicit ProgramWindows(const StartupOptions& options, std::vector<std::string>* log = nullptr);
  ~ProgramWindows();

  MainWindow& mainWindow() const { return *mainWindow_; }
  RegisterEditor& registerEditor() const { return *registerEditor_; }
  PersonEntryDialog& personEntry() const { return *personEntry_; }
  PersonChooser& personChooser() const { return *personChooser_; }
  ReportWindow& reportWindow() const { return *reportWindow_; }
  AboutBox& aboutBox() const { return *aboutBox_; }

  // The register file and the help document the lookups found.
  const std::string& registerPath() const { return registerPath_; }
  const std::string& helpFile() const { return helpFile_; }

 private:
  std::string registerPath_;
  std::string helpFile_;
  // Declared so that a window is destroyed before those it works with.
  std::unique_ptr<AboutBox> aboutBox_;
  std::unique_ptr<ReportWindow> reportWindow_;
  std::unique_ptr<PersonChooser> personChooser_;
  std::unique_ptr<PersonEntryDialog> personEntry_;
  std::unique_ptr<RegisterEditor> registerEditor_;
  std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace vorel
