// The main window: the toolbar from which every function of the program is reached.
#pragma once

#include <QWidget>

#include "numerology/Numbers.h"

namespace vorel {

class AboutBox;
class PersonChooser;
class RegisterEditor;
class ReportWindow;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(RegisterEditor& registerEditor, PersonChooser& personChooser,
             ReportWindow& reportWindow, AboutBox& aboutBox);

  // Creation step: the placement kept in the settings.
  void restorePlacement();

  void editRegister();
  // Lets the user choose a person and shows that person's report.
  void composeReport();
  void openReport();
  void showHelpContents();
  void showAbout();

  // Writes the placements of the main and report windows to the settings.
  void savePlacements();

  // The numbers of the person of the last report.
  const CoreNumbers& lastNumbers() const { return numbers_; }

 protected:
  // Writes the placements of the main and report windows, then ends the program.
  void closeEvent(QCloseEvent* event) override;

 private:
  RegisterEditor& registerEditor_;
  PersonChooser& personChooser_;
  ReportWindow& reportWindow_;
  AboutBox& aboutBox_;
  CoreNumbers numbers_;
};

}  // namespace vorel
