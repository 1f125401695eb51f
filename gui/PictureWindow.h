// What the logo and the splash windows share: a fixed start-up picture window with a caption,
// without frame or task-bar entry, a timed wait of 2,000 ms, centred, and no way for the user
// to close it.
#pragma once

#include <QWidget>

class QLabel;

namespace vorel {

class TimedWait;

class PictureWindow : public QWidget {
  Q_OBJECT

 public:
  // How long the window stays: 2,000 ms unless the start-up says otherwise.
  TimedWait& timedWait() const { return *wait_; }

 protected:
  PictureWindow(const char* name, const QString& caption, QSize size);
  QLabel& picture() const { return *picture_; }
  // The start-up destroys it.
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* picture_;
  TimedWait* wait_;
};

}  // namespace vorel
