// Every event handler of the windows runs inside this guard: an error that leaves it is
// shown in the application's error box and the program goes on.
#pragma once

#include <QString>
#include <exception>
#include <functional>

#include "gui/Desktop.h"

namespace vorel {

template <class F>
void RunGuarded(Desktop& desktop, F&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    desktop.showError(QString::fromUtf8(e.what()));
  }
}

// A slot that runs handler inside the guard.
inline std::function<void()> Guarded(Desktop& desktop, std::function<void()> handler) {
  return [&desktop, handler = std::move(handler)] { RunGuarded(desktop, handler); };
}

}  // namespace vorel
