// TSleeper.
#include "app/Sleeper.h"

#include <QCoreApplication>
#include <QTimer>

namespace vorel {

TSleeper::TSleeper(QObject* owner) : QObject(owner), timer_(new QTimer) {
  timer_->setInterval(1000);
  timer_->setSingleShot(false);
  // A coarse timer may tick up to 5 % early; the wait must last its whole interval.
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, [this] { done_ = true; });
}

TSleeper::~TSleeper() {
  delete timer_;
  timer_ = nullptr;
}

int TSleeper::Interval() const {
  return timer_ ? timer_->interval() : 0;
}

void TSleeper::SetInterval(int milliseconds) {
  if (timer_) timer_->setInterval(milliseconds);
}

void TSleeper::Wait() {
  if (!timer_ || timer_->interval() <= 0) return;
  done_ = false;
  timer_->start();
  // Blocks until some message arrives, the timer's tick included: no busy loop.
  while (!done_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  timer_->stop();
}

}  // namespace vorel
