// The main window: the toolbar from which every function of the program is reached.
#pragma once

#include <QWidget>
#include <string>

namespace vorel {

class AboutBox;
class Desktop;
class PersonChooser;
class RegisterEditor;
class ReportWindow;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // settingsPath: the settings file that keeps the placements of this and the report window.
  MainWindow(Desktop& desktop, std::string settingsPath, RegisterEditor& registerEditor,
             PersonChooser& personChooser, ReportWindow& reportWindow, AboutBox& aboutBox);

  // Creation step: the placement kept in the settings.
  void restorePlacement();

  void editRegister();
  // Lets the user choose a person and shows that person's report.
  void composeReport();
  // The thème of a person, for this year.
  void composeTheme();
  // Lets the user choose two persons, the second another row than the first, and shows their
  // report for this year.
  void composeCouple();
  void openReport();
  void showHelpContents();
  void showAbout();

  // Writes the placements of the main and report windows to the settings.
  void savePlacements();

 protected:
  // Writes the placements of the main and report windows, then ends the program.
  void closeEvent(QCloseEvent* event) override;

 private:
  Desktop& desktop_;
  std::string settingsPath_;
  RegisterEditor& registerEditor_;
  PersonChooser& personChooser_;
  ReportWindow& reportWindow_;
  AboutBox& aboutBox_;
};

}  // namespace vorel
