// The maker's logo, shown while the program creates its windows.
#pragma once

#include <QWidget>

class QLabel;

namespace vorel {

class TimedWait;

class LogoWindow : public QWidget {
  Q_OBJECT

 public:
  LogoWindow();

  // How long the logo stays: 2,000 ms unless the start-up says otherwise.
  TimedWait& timedWait() const { return *wait_; }

 protected:
  // The user cannot close it; the start-up destroys it.
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* picture_;
  TimedWait* wait_;
};

}  // namespace vorel
