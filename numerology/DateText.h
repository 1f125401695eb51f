// Dates as the register holds them: text in the fixed short form "dd/mm/yyyy".
#pragma once

#include <string>
#include <string_view>

namespace vorel {

struct Date {
  int day = 1;
  int month = 1;
  int year = 1;
  bool operator==(const Date&) const = default;
};

// Gregorian leap years and month lengths (month 1 to 12).
bool IsLeap(int year);
int MonthLength(int year, int month);

// Years 1 to 9999, Gregorian leap years.
bool IsValidDate(int year, int month, int day);

// "14/03/1962"; the year on four digits ("0062").
std::string DateToText(const Date& date);

// Day, month and year separated by "/", each of one or more digits (blanks around the text
// are allowed). Throws Error "'%s' n'est pas une date correcte" otherwise.
Date TextToDate(std::string_view text);

// The year of a date as typed in a year field when a person is added: one or two characters
// are a year of the 1900s ("62" gives 1962, "5" gives 1905), three or more the year as written
// ("962", "0062" gives 62). Text that is not an integer counts as 0 ("" gives 1900).
int YearOfTypedDate(std::string_view yearText);

// Nothing thrown: false when the text is not a valid date.
bool TryTextToDate(std::string_view text, Date& date);

}  // namespace vorel
