// Where the program finds its own files.
#pragma once

#include <string>

namespace vorel {

// The directory of the running executable, with a trailing '/'.
std::string ExecutableDirectory();

}  // namespace vorel
