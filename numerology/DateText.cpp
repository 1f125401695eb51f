// Date text in both directions.
#include "numerology/DateText.h"

#include <cstdio>

#include "base/Error.h"
#include "base/IntegerText.h"

namespace vorel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// At most 9 digits, so the value fits; more digits are not a date anyway.
bool ReadNumber(std::string_view text, size_t& pos, int& value) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (pos - start == 9) return false;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > start;
}

}  // namespace

bool IsLeap(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kLengths[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  return day <= MonthLength(year, month);
}

std::string DateToText(const Date& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
  return text;
}

bool TryTextToDate(std::string_view text, Date& date) {
  size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  int day = 0, month = 0, year = 0;
  if (!ReadNumber(text, pos, day) || pos >= text.size() || text[pos++] != '/') return false;
  if (!ReadNumber(text, pos, month) || pos >= text.size() || text[pos++] != '/') return false;
  if (!ReadNumber(text, pos, year)) return false;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos != text.size() || !IsValidDate(year, month, day)) return false;
  date = Date{day, month, year};
  return true;
}

Date TextToDate(std::string_view text) {
  Date date;
  if (!TryTextToDate(text, date))
    throw Error(FormatMessage("'%s' n'est pas une date correcte", text));
  return date;
}

int YearOfTypedDate(std::string_view yearText) {
  const int year = TextToInteger(yearText).value_or(0);
  return yearText.size() < 3 ? year + 1900 : year;
}

}  // namespace vorel
