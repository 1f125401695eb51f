// A timed wait that keeps the program's messages flowing, so every window paints.
#pragma once

#include <QObject>

class QTimer;

namespace vorel {

class TimedWait : public QObject {
  Q_OBJECT
  Q_PROPERTY(int interval READ interval WRITE setInterval)

 public:
  explicit TimedWait(QObject* owner);
  ~TimedWait() override;

  // Milliseconds; 0 without a timer. Never set, it is the timer's own default of 1000.
  int interval() const;
  void setInterval(int milliseconds);

  // Returns after interval() milliseconds, dispatching messages meanwhile; nothing else ends the
  // wait early. A zero interval returns at once.
  void wait();

 private:
  QTimer* timer_ = nullptr;
  bool done_ = false;
};

}  // namespace vorel
