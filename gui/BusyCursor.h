// The busy cursor for as long as a scope runs: restored however the scope is left, an
// exception included.
#pragma once

#include <QGuiApplication>

namespace vorel {

class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vorel
