// The help viewer: a window of the program showing the HTML help document VOREL.HLP. The
// contents page is its top; topic n is the anchor "topic-n".
#pragma once

#include <QWidget>

#include "gui/HelpTopic.h"

class QTextBrowser;

namespace vorel {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QString helpFile, QWidget* parent = nullptr);

  void showContents();
  void showTopic(HelpTopic topic);

  QTextBrowser* browser() const { return browser_; }
  // False when the help file could not be read; the window then says so itself.
  bool isLoaded() const { return loaded_; }

 private:
  bool load();

  QString helpFile_;
  QTextBrowser* browser_;
  bool loaded_ = false;
};

}  // namespace vorel
