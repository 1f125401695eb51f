// What every fuzz target does when a property it checks does not hold: say which, and stop
// so that the fuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}
