// The timed wait.
#include "gui/TimedWait.h"

#include <QCoreApplication>
#include <QTimer>

namespace vorel {

TimedWait::TimedWait(QObject* owner) : QObject(owner), timer_(new QTimer) {
  timer_->setInterval(1000);
  timer_->setSingleShot(false);
  // A coarse timer may tick up to 5 % early; the wait must last its whole interval.
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, [this] { done_ = true; });
}

TimedWait::~TimedWait() {
  delete timer_;
  timer_ = nullptr;
}

int TimedWait::interval() const {
  return timer_ ? timer_->interval() : 0;
}

void TimedWait::setInterval(int milliseconds) {
  if (timer_) timer_->setInterval(milliseconds);
}

void TimedWait::wait() {
  if (!timer_ || timer_->interval() <= 0) return;
  done_ = false;
  timer_->start();
  // Blocks until some message arrives, the timer's tick included: no busy loop.
  while (!done_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  timer_->stop();
}

}  // namespace vorel
