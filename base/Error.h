// The one error type of the core: its message is the French text the user reads.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vorel {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces the first "%s" or "%d" of pattern with arg.
std::string FormatMessage(std::string_view pattern, std::string_view arg);

// The text of the application's error box: the message, followed by a full stop when its
// last character's code is above that of '.', so "Date incorrecte." is left as it is.
std::string ErrorBoxText(std::string_view message);

}  // namespace vorel
