// vorel-report as a function: the command line in, the exit status out, what it says on the
// two streams given. The program's main only hands it the process's own.
#pragma once

#include <ostream>

namespace vorel {

int RunReportTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace vorel
