// vorel-report's exchange of the register with spreadsheets: CSV in, CSV out.
#pragma once

#include "cli/ReportArguments.h"
#include "cli/ToolOutput.h"

namespace vorel {

// Each returns the program's exit status.
int ImportPersons(const ReportArguments& arguments, const ToolOutput& io);
int ExportPersons(const ReportArguments& arguments, const ToolOutput& io);

}  // namespace vorel
