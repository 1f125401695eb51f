// TLogo: the maker's logo, shown while the program creates its windows.
#pragma once

#include <QWidget>

class QLabel;

namespace vorel {

class TSleeper;

class TLogo : public QWidget {
  Q_OBJECT

 public:
  TLogo();

  QLabel* Image1;
  TSleeper* Sleeper;

 protected:
  // The user cannot close it; the start-up destroys it.
  void closeEvent(QCloseEvent* event) override;
};

// Puts a top-level window in the middle of the primary screen.
void CentreOnScreen(QWidget& window);

}  // namespace vorel
