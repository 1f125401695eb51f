// What a load gives back: the value it read, together with the error that stopped it, if any.
// A load that keeps what it read before a failure returns both, rather than filling an
// out-parameter and then throwing.
#pragma once

#include <optional>
#include <utility>

#include "base/Error.h"

namespace vorel {

template <typename T, typename E = Error>
struct Result {
  T value{};
  std::optional<E> error;

  bool ok() const { return !error; }
  // The value when there was no error; throws the error otherwise.
  T& Get() & {
    if (error) throw *error;
    return value;
  }
  T&& Get() && {
    if (error) throw *error;
    return std::move(value);
  }
};

}  // namespace vorel
