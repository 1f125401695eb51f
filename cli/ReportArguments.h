// vorel-report's command line: what the user asked for, and the help text.
#pragma once

#include <string>

namespace vorel {

enum class ToolCommand { Help, Version, OneReport, RegisterReports, Import, Export };

struct ReportArguments {
  ToolCommand command = ToolCommand::Help;
  std::string name, date;  // as typed, for OneReport
  std::string rtf, pdf;    // OneReport's output file, at most one of them
  bool explain = false;
  std::string registerFile, out;
  bool pdfPerPerson = false;  // RegisterReports: PDF files instead of RTF
  std::string csv;            // Import's input, Export's output
};

// The text --help prints; no line passes 80 columns.
extern const char* const kReportUsage;

// Reads the command line. Throws UsageError with the French message of bad arguments.
ReportArguments ParseReportArguments(int argc, const char* const* argv);

}  // namespace vorel
