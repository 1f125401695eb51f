// The register load's error text, for tests that compare it: empty when the load went through.
#pragma once

#include <string>

#include "base/Error.h"
#include "register/RegisterFile.h"

namespace vorel::test {

inline std::string LoadMessage(const std::string& path, RegisterList& list) {
  try {
    LoadRegister(path, list);
    return "";
  } catch (const Error& e) {
    return e.what();
  }
}

}  // namespace vorel::test
