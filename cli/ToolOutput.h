// How vorel-report speaks: its two output streams, its error messages, its usage errors.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "base/Error.h"

namespace vorel {

// Bad arguments: the tool says the message, points at --help and ends with status 2.
class UsageError : public Error {
 public:
  using Error::Error;
};

struct ToolOutput {
  std::ostream& out;  // the report's text, the help, the version
  std::ostream& err;  // messages and progress

  // "vorel-report : message." on the error stream.
  void Error(std::string_view message) const;
};

}  // namespace vorel
