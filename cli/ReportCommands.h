// vorel-report's reports: one person's, or one file per person of a register.
#pragma once

#include "cli/ReportArguments.h"
#include "cli/ToolOutput.h"
#include "register/RegisterFile.h"

namespace vorel {

// Each returns the program's exit status.
int WriteOneReport(const ReportArguments& arguments, const ToolOutput& io);
int WriteRegisterReports(const ReportArguments& arguments, const ToolOutput& io);

// A readable file name for a person, without its extension: the name's letters and digits,
// the date; at most 120 bytes of name, cut between two characters.
std::string ReportFileBase(const Person& person);

}  // namespace vorel
