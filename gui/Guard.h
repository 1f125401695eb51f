// Every event handler of the windows runs inside this guard: an error that leaves it is
// shown in the application's error box and the program goes on.
#pragma once

#include <QString>
#include <exception>
#include <functional>

#include "gui/Dialogs.h"

namespace vorel {

template <class F>
void RunGuarded(F&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromUtf8(e.what()));
  }
}

// A slot that runs handler inside the guard.
inline std::function<void()> Guarded(std::function<void()> handler) {
  return [handler = std::move(handler)] { RunGuarded(handler); };
}

}  // namespace vorel
