// The help viewer: a window of the program showing the HTML help document VOREL.HLP. The
// contents page is its top; topic n is the anchor "topic-n". Escape closes it. Asked for while
// a modal dialog is open, it shows as a window of that dialog, so that it can be read and
// closed before the dialog is; it is a window of its own again once the dialog closes.
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool load();
  void present();
  // Makes the window a window of owner (none: of its own), where it stood and as visible as
  // it was.
  void belongTo(QWidget* owner);

  QString helpFile_;
  QTextBrowser* browser_;
  bool loaded_ = false;
  QWidget* owner_ = nullptr;
};

}  // namespace vorel
