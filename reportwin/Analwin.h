// TAnalyseChild: the report window. It shows one report, lets the user edit it, saves it as
// RTF, opens saved reports, prints and copies; it asks before unsaved changes are lost.
#pragma once

#include <QWidget>
#include <string>

class QFrame;
class QPrinter;
class QTextEdit;
class QToolButton;

namespace vorel {

struct Report;
struct RichDocument;

class TAnalyseChild : public QWidget {
  Q_OBJECT

 public:
  TAnalyseChild();

  QFrame* Panel1;
  QToolButton* SpeedImprime;
  QToolButton* SpeedCopy;
  QToolButton* SpeedSauve;
  QTextEdit* Memo;

  // Creation handler: placement from the settings.
  void FormCreate();

  void Copier1Click();
  void Imprimer1Click();
  void OpenBtnClick();
  void SpeedSauveClick();
  // True when the window may close.
  bool FormCloseQuery();

  // What the composition does with the window: caption, content, caret at the start, no file
  // name, shown in front. The report counts as unsaved.
  void ShowReport(const Report& report);

  const std::string& NomFichier() const { return nomFichier_; }
  bool Modified() const;
  // The report's name in the save question: the file name, or "ce vorel".
  QString ReportName() const;
  RichDocument Content() const;

  // Lays the document out on the printer's printable area and prints it copies times, each
  // copy from a new page. Returns the number of pages printed.
  int PrintCopies(QPrinter& printer, int copies);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The save question; true when the pending action goes on.
  bool AskSave();
  void LayoutChildren();
  void LoadFile(const std::string& path);

  std::string nomFichier_;
  QString lastOpened_;
};

}  // namespace vorel
