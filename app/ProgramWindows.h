// The one object that owns every window of the program, the desktop they use and the help
// window behind it. The windows are made once, each given what it works with, and live until
// this object goes.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "gui/Desktop.h"

namespace vorel {

class AboutBox;
class HelpWindow;
class MainWindow;
class PersonChooser;
class PersonEntryDialog;
class Register;
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
  // desktop: the boxes and dialogs the windows use; the real desktop when null.
  explicit ProgramWindows(const StartupOptions& options, std::unique_ptr<Desktop> desktop = {});
  ~ProgramWindows();

  MainWindow& mainWindow() const { return *mainWindow_; }
  RegisterEditor& registerEditor() const { return *registerEditor_; }
  PersonEntryDialog& personEntry() const { return *personEntry_; }
  PersonChooser& personChooser() const { return *personChooser_; }
  ReportWindow& reportWindow() const { return *reportWindow_; }
  AboutBox& aboutBox() const { return *aboutBox_; }
  HelpWindow& helpWindow() const { return *helpWindow_; }
  Desktop& desktop() const { return *desktop_; }
  Register& persons() const { return *register_; }

  // The register file, the help document and the settings file the windows use.
  const std::string& registerPath() const { return registerPath_; }
  const std::string& helpFile() const { return helpFile_; }
  const std::string& settingsPath() const { return settingsPath_; }

 private:
  std::string registerPath_;
  std::string helpFile_;
  std::string settingsPath_;
  // Declared so that each is destroyed before what it works with: the windows before the
  // desktop, the desktop before the help window it shows.
  std::unique_ptr<HelpWindow> helpWindow_;
  std::unique_ptr<Desktop> desktop_;
  std::unique_ptr<Register> register_;
  std::unique_ptr<AboutBox> aboutBox_;
  std::unique_ptr<ReportWindow> reportWindow_;
  std::unique_ptr<PersonChooser> personChooser_;
  std::unique_ptr<PersonEntryDialog> personEntry_;
  std::unique_ptr<RegisterEditor> registerEditor_;
  std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace vorel
