// The composition of a report: a person's numbers, texts and calendar results laid out as a
// rich document, line by line, with the window caption that goes with it.
#pragma once

#include <string>
#include <string_view>

#include "document/RichDocument.h"
#include "numerology/Calendar.h"
#include "numerology/Numbers.h"

namespace vorel {

struct Report {
  std::string caption;  // "NAME (mercredi 14 mars 1962 - Poissons)", UTF-8
  RichDocument document;
  CoreNumbers numbers;
  Date birth;
};

// Every paragraph of a report stands 50 points in from both edges.
inline constexpr int kReportIndent = 1000;  // twips

// name: the register's single-byte text; dateText: "dd/mm/yyyy". Throws Error "'%s' n'est
// pas une date correcte" when the date is not valid, before anything is made.
Report ComposeReport(std::string_view name, std::string_view dateText, const CalendarNames& names);

// The caption alone.
std::string ReportCaption(std::string_view nameUtf8, const Date& birth, const CalendarNames& names);

}  // namespace vorel
