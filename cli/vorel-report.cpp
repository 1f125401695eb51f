// vorel-report: the program's reports from the command line, one person or a whole register,
// and the register to and from spreadsheets.
#include <iostream>

#include "cli/ReportTool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const int status = vorel::RunReportTool(argc, argv, std::cout, std::cerr);
  std::cout.flush();
  // Output that could not be written (a full disk, a closed pipe) is a failure too.
  return !std::cout && status == 0 ? 1 : status;
}
