// The optional picture LOGICIEL.BMP, shown after the logo.
#pragma once

#include <QWidget>

class QLabel;

namespace vorel {

class TimedWait;

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  SplashWindow();

  // False when the file cannot be read as a picture.
  bool loadPicture(const QString& path);
  TimedWait& timedWait() const { return *wait_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* picture_;
  TimedWait* wait_;
};

}  // namespace vorel
