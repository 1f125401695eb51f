// vorel-report's messages.
#include "cli/ToolOutput.h"

namespace vorel {

void ToolOutput::Error(std::string_view message) const {
  err << "vorel-report : " << ErrorBoxText(message) << '\n';
}

}  // namespace vorel
