// vorel-report's command line: what the user asked for, and the help text.
#pragma once

#include <string>

namespace vorel {

enum class ToolCommand { Help, Version, OneReport, RegisterReports, Import, Export };

// The kind of report: the Vorel report, the thème, or the report of two persons.
enum class ReportKind { Vorel, Theme, Couple };

struct ReportArguments {
  ToolCommand command = ToolCommand::Help;
  ReportKind kind = ReportKind::Vorel;
  std::string name, date;    // as typed, for OneReport
  std::string name2, date2;  // the second person of a Couple report
  int year = 0;              // the year studied by a thème or a couple; 0 for this year
  std::string rtf, pdf;      // OneReport's output file, at most one of them
  bool explain = false;
  std::string registerFile, out;
  bool pdfPerPerson = false;  // RegisterReports: PDF files instead of RTF
  std::string csv;            // Import's input, Export's output
};

// The text --help prints; no line passes 80 columns. Its first lines, up to the first empty
// one, are the synopsis that a usage error shows.
extern const char* const kReportUsage;

// Reads the command line. Throws UsageError with the French message of bad arguments.
ReportArguments ParseReportArguments(int argc, const char* const* argv);

}  // namespace vorel
