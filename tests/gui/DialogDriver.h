// Helpers for driving the register's modal dialogs from a test: an action that runs once a
// dialog is on the screen, from inside the dialog's own event loop.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace vorel::test {

// Runs action as soon as dialog is visible; dropped if it does not show within a few
// seconds. Deleting the returned timer cancels the action.
inline QPointer<QTimer> WhenShown(QWidget* dialog, std::function<void()> action) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [=] {
    const bool shown = dialog->isVisible();
    if (!shown && ++*tries < 600) return;
    timer->stop();
    timer->deleteLater();
    if (shown) action();
  });
  timer->start(5);
  return timer;
}

// The next widget that Tab reaches from w, in the declared order (disabled ones included).
inline QWidget* NextTabStop(QWidget* w) {
  for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain())
    if (next->focusPolicy() & Qt::TabFocus) return next;
  return w;
}

// A modal run that cannot hang the test: should the dialog still be open after its action
// and a grace period, it is hidden, which ends its event loop.
inline int ExecWith(QDialog& dialog, std::function<void()> action) {
  QObject scope;  // the fallback dies with this run, so it never hits a later showing
  WhenShown(&dialog, [&dialog, &scope, action] {
    action();
    QTimer::singleShot(3000, &scope, [&dialog] {
      if (dialog.isVisible()) dialog.hide();
    });
  });
  return dialog.exec();
}

}  // namespace vorel::test
