// The register load's error text, for tests that compare it: empty when the load went through.
#pragma once

#include <string>

#include "register/Register.h"

namespace vorel::test {

inline std::string LoadMessage(Register& persons) {
  const std::optional<Error> error = persons.Load();
  return error ? error->what() : "";
}

}  // namespace vorel::test
