// vorel-report's exchange of the register with spreadsheets: CSV in, CSV out.
#pragma once

#include "ReportArguments.h"

namespace vorel {

// Each returns the program's exit status.
int ImportPersons(const ReportArguments& arguments);
int ExportPersons(const ReportArguments& arguments);

}  // namespace vorel
