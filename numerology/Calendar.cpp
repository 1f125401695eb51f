// Calendar arithmetic and the lucky results of a birth date.
#include "numerology/Calendar.h"

#include <cstdio>

#include "base/AsciiCase.h"

namespace vorel {
namespace {

constexpr int kSignThreshold[12] = {20, 20, 21, 20, 21, 21, 22, 23, 23, 23, 22, 23};
constexpr const char* kSigns[12] = {"Capricorne", "Verseau", "Poissons", "Bélier",
                                    "Taureau",    "Gémeaux", "Cancer",   "Lion",
                                    "Vierge",     "Balance", "Scorpion", "Sagittaire"};

// Days since 1970-01-01 and back, proleptic Gregorian (H. Hinnant's civil-date algorithm).
long DaysFromCivil(long y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{d, m, static_cast<int>(yoe + era * 400 + (m <= 2))};
}

int MonthPlus(int month, int k) {
  return (month + k - 1) % 12 + 1;
}

// " d mmmm ": the period dates carry a space on both sides.
std::string PeriodDate(int day, int month, const CalendarNames& names) {
  std::string out(" ");
  out += std::to_string(day);
  out += ' ';
  out += names.months[month - 1];
  out += ' ';
  return out;
}

}  // namespace

const CalendarNames& FrenchLocaleNames() {
  static const CalendarNames names{
      {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"},
      {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
       "octobre", "novembre", "décembre"}};
  return names;
}

const CalendarNames& FallbackNames() {
  // The same names with a capital: every one of them begins with an ASCII letter.
  static const CalendarNames names = [] {
    CalendarNames capitalised = FrenchLocaleNames();
    const auto capitalise = [](std::string& name) { name[0] = AsciiUpper(name[0]); };
    for (std::string& day : capitalised.weekDays) capitalise(day);
    for (std::string& month : capitalised.months) capitalise(month);
    return capitalised;
  }();
  return names;
}

int ClampDay(int day, int& month, int year) {
  if (day == 0) {
    // Held at January the period would span two months; December keeps it one month long.
    month = month == 1 ? 12 : month - 1;
    day = MonthLength(year, month);
  }
  const int length = MonthLength(year, month);
  return day < length ? day : length;
}

int DayOfWeek(const Date& date) {
  const long days = DaysFromCivil(date.year, date.month, date.day);
  // 1970-01-01 was a Thursday.
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

Date AddDays(const Date& date, int days) {
  return CivilFromDays(DaysFromCivil(date.year, date.month, date.day) + days);
}

const char* ZodiacSign(const Date& date) {
  int sign = date.month;
  if (date.day >= kSignThreshold[date.month - 1]) ++sign;
  if (sign == 13) sign = 1;
  return kSigns[sign - 1];
}

std::string LuckyNumbers(const Date& birth, std::string_view name, const CoreNumbers& n) {
  const std::string year = std::to_string(birth.year);
  const std::string yearDigits = year.size() > 2 ? year.substr(2, 2) : std::string();
  std::string out = std::to_string(birth.day) + ", " + std::to_string(birth.month) + ", " +
                    yearDigits + ", " + std::to_string(n.PathSum) + ", " + std::to_string(n.Path) +
                    ", " + std::to_string(n.RealisationSum) + ", " +
                    std::to_string(n.MotivationSum) + ", " + std::to_string(n.ExpressionSum);
  // The initial of the first given name: the character after the first run of spaces.
  const size_t space = name.find(' ');
  if (space != std::string_view::npos && space + 1 < name.size()) {
    const size_t initial = name.find_first_not_of(' ', space + 1);
    if (initial != std::string_view::npos)
      out += ", " + std::to_string(static_cast<unsigned char>(name[initial]) - 64);
  }
  return out;
}

std::string LuckyDays(const Date& birth, const CalendarNames& names) {
  std::string out;
  for (int offset : {6, 5, 3}) {
    if (!out.empty()) out += ", ";
    out += names.weekDays[DayOfWeek(AddDays(birth, offset))];
  }
  return out;
}

std::string LuckyPeriods(const Date& birth, const CalendarNames& names) {
  const int d = birth.day, m = birth.month, y = birth.year;

  int firstMonth = MonthPlus(m, 10);
  const int firstDay = ClampDay(d, firstMonth, y);
  const Date firstEnd = AddDays(Date{firstDay, firstMonth, y}, 15);

  // The second and third periods run from day d of one month to day d - 1 of the next.
  const auto period = [&](int k) {
    int startMonth = MonthPlus(m, k);
    const int startDay = ClampDay(d, startMonth, y);
    int endMonth = MonthPlus(m, k + 1);
    const int endDay = ClampDay(d - 1, endMonth, y);
    return "du" + PeriodDate(startDay, startMonth, names) + "au" +
           PeriodDate(endDay, endMonth, names);
  };

  return "du" + PeriodDate(firstDay, firstMonth, names) + "au" +
         PeriodDate(firstEnd.day, firstEnd.month, names) + ", " + period(6) + ", " + period(5);
}

std::string LongDateText(const Date& date, const CalendarNames& names) {
  char day[8];
  std::snprintf(day, sizeof day, "%02d", date.day);
  char year[8];
  std::snprintf(year, sizeof year, "%04d", date.year);
  return names.weekDays[DayOfWeek(date)] + " " + day + " " + names.months[date.month - 1] + " " +
         year;
}

}  // namespace vorel
