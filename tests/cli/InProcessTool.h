// vorel-report called in-process, as its main calls it: the exit status and what it said.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/ReportTool.h"

namespace vorel::test {

struct ToolRun {
  int status;
  std::string out, err;
};

inline ToolRun Tool(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "vorel-report");
  std::vector<const char*> argv;
  for (const std::string& a : arguments) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = RunReportTool(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

}  // namespace vorel::test
