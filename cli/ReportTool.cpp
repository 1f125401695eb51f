// vorel-report's commands, dispatched.
#include "cli/ReportTool.h"

#include <string_view>

#include "cli/PersonsTransfer.h"
#include "cli/ReportArguments.h"
#include "cli/ReportCommands.h"
#include "cli/ToolOutput.h"

#ifndef VOREL_VERSION
#error "VOREL_VERSION names the version, from the project's one definition"
#endif

namespace vorel {

int RunReportTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const ToolOutput io{out, err};
  try {
    const ReportArguments arguments = ParseReportArguments(argc, argv);
    switch (arguments.command) {
      case ToolCommand::Help:
        out << kReportUsage;
        return 0;
      case ToolCommand::Version:
        out << "vorel-report " VOREL_VERSION "\n";
        return 0;
      case ToolCommand::OneReport:
        return WriteOneReport(arguments, io);
      case ToolCommand::RegisterReports:
        return WriteRegisterReports(arguments, io);
      case ToolCommand::Import:
        return ImportPersons(arguments, io);
      case ToolCommand::Export:
        return ExportPersons(arguments, io);
    }
  } catch (const UsageError& e) {
    const std::string_view usage = kReportUsage;
    err << "vorel-report : " << e.what() << '\n'
        << usage.substr(0, usage.find("\n\n") + 1) << "Essayez « vorel-report --help ».\n";
    return 2;
  }
  return 2;
}

}  // namespace vorel
