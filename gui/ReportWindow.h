// The report window. It shows one report, lets the user edit it, saves it as RTF, opens saved
// reports, prints and copies; it asks before unsaved changes are lost.
#pragma once

#include <QWidget>
#include <string>

#include "gui/HelpTopic.h"

class QFrame;
class QPrinter;
class QTextEdit;

namespace vorel {

class Desktop;
struct Report;
struct RichDocument;

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  // settingsPath: the settings file that keeps the window's placement.
  ReportWindow(Desktop& desktop, std::string settingsPath);

  // Creation step: the placement kept in the settings.
  void restorePlacement();

  // What the composition does with the window: caption, content, caret at the start, no file
  // name, shown in front. The report counts as unsaved.
  // helpTopic: what F1 opens while the window shows it (the thème's and the two-person
  // report's own pages; the program's for the others).
  void showReport(const Report& report, HelpTopic helpTopic = HelpTopic::Main);

  void saveReport();
  void openReport();
  void printReport();
  void copyReport();

  // The file the report was last saved to or opened from; empty for a new report.
  const std::string& fileName() const { return fileName_; }
  bool isModified() const;
  // The report's name in the save question: the file name, or "ce vorel".
  QString reportName() const;
  RichDocument content() const;

  // Lays the document out on the printer's printable area and prints it copies times, each
  // copy from a new page. Returns the number of pages printed.
  int printCopies(QPrinter& printer, int copies);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The save question; true when the pending action goes on.
  bool askToSave();
  void layOutChildren();
  // True when long paragraphs had to be cut.
  bool loadFile(const std::string& path);

  Desktop& desktop_;
  HelpTopic helpTopic_ = HelpTopic::Main;
  std::string settingsPath_;
  QFrame* toolbar_;
  QTextEdit* reportEdit_;
  std::string fileName_;
  QString lastOpened_;
};

}  // namespace vorel
