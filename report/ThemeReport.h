// The thème: the numbers of one person and of a year studied, each with its arithmetic and
// its text, composed as a report.
#pragma once

#include <string>
#include <string_view>

#include "numerology/Calendar.h"
#include "report/Composition.h"

namespace vorel {

// The kinds of text of the thème's catalogue; with a number each forms a key ("Lecon7").
enum class ThemeText { Lesson, Dominant, Debt, Challenge, Pinnacle, Cycle, Year, Month };

std::string ThemeKey(ThemeText kind, int number);

// name: the register's single-byte text; dateText: "dd/mm/yyyy"; year: the year studied, 1 to
// 9999 (the callers pass the current year). Throws Error, before anything is made, when the
// date is not valid ("'%s' n'est pas une date correcte") or the year is out of range. The
// caption is "Thème de " and the report's caption.
Report ComposeTheme(std::string_view name, std::string_view dateText, int year,
                    const CalendarNames& names);

// Throws Error "'%s' n'est pas une année correcte (de 1 à 9999)" unless 1 <= year <= 9999.
void CheckStudyYear(int year);
// The year studied as a person writes it: at most four digits, 1 to 9999; throws the same
// Error otherwise, naming the text.
int StudyYear(std::string_view text);

}  // namespace vorel
