// vorel-report's reports: one person's, or one file per person of a register.
#pragma once

#include "ReportArguments.h"

namespace vorel {

// Each returns the program's exit status.
int WriteOneReport(const ReportArguments& arguments);
int WriteRegisterReports(const ReportArguments& arguments);

}  // namespace vorel
