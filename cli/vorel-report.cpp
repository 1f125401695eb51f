// vorel-report: the program's reports from the command line, one person or a whole register,
// and the register to and from spreadsheets.
#include <cstdio>

#include "PersonsTransfer.h"
#include "ReportArguments.h"
#include "ReportCommands.h"

int main(int argc, char** argv) {
  const vorel::ReportArguments arguments = vorel::ParseReportArguments(argc, argv);
  switch (arguments.command) {
    case vorel::ToolCommand::Help:
      std::fputs(vorel::kReportUsage, stdout);
      return 0;
    case vorel::ToolCommand::OneReport:
      return vorel::WriteOneReport(arguments);
    case vorel::ToolCommand::RegisterReports:
      return vorel::WriteRegisterReports(arguments);
    case vorel::ToolCommand::Import:
      return vorel::ImportPersons(arguments);
    case vorel::ToolCommand::Export:
      return vorel::ExportPersons(arguments);
  }
  return 2;
}
