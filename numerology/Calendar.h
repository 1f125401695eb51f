// Birth-date calendar results: zodiac sign, lucky numbers, lucky days, lucky periods.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "numerology/DateText.h"
#include "numerology/Numbers.h"

namespace vorel {

// Long week-day names (Sunday first) and month names (January first). The core never asks
// the system for them: the program hands in the user's locale names.
struct CalendarNames {
  std::array<std::string, 7> weekDays;
  std::array<std::string, 12> months;
};

const CalendarNames& FrenchLocaleNames();  // what a French locale gives: "lundi", "janvier"
const CalendarNames& FallbackNames();      // when the system has none: "Lundi", "Janvier"

// A day that exists in the month. Day 0 stands for the last day of the month before: month
// steps back (January to December) and the caller uses the month as left here.
int ClampDay(int day, int& month, int year);

int DayOfWeek(const Date& date);  // 0 Sunday .. 6 Saturday, proleptic Gregorian
Date AddDays(const Date& date, int days);

const char* ZodiacSign(const Date& date);

std::string LuckyNumbers(const Date& birth, std::string_view name, const CoreNumbers& numbers);
std::string LuckyDays(const Date& birth, const CalendarNames& names);
std::string LuckyPeriods(const Date& birth, const CalendarNames& names);

// "dddd dd mmmm yyyy": "mercredi 14 mars 1962".
std::string LongDateText(const Date& date, const CalendarNames& names);

}  // namespace vorel
