// The help viewer: a window of the program showing the HTML help document VOREL.HLP that
// lies beside the executable. The contents page is its top; topic n is the anchor "topic-n".
#pragma once

#include <QWidget>

class QTextBrowser;

namespace vorel {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QString helpFile, QWidget* parent = nullptr);

  void ShowContents();
  void ShowTopic(int topic);

  QTextBrowser* Browser() const { return browser_; }
  // False when the help file could not be read; the window then says so itself.
  bool Loaded() const { return loaded_; }

 private:
  bool Load();

  QString helpFile_;
  QTextBrowser* browser_;
  bool loaded_ = false;
};

}  // namespace vorel
