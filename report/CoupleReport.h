// The two-person report: the numbers of two persons side by side, the couple number, their
// paths together, how their motivations, expressions and personal years meet.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "document/RichDocument.h"
#include "numerology/Calendar.h"
#include "numerology/Couple.h"
#include "numerology/Numbers.h"

namespace vorel {

// One person as the register holds them: the single-byte name and "dd/mm/yyyy".
struct CouplePerson {
  std::string_view name;
  std::string_view dateText;
};

struct CoupleReport {
  std::string caption;  // "NAME1 et NAME2", UTF-8
  RichDocument document;
  std::array<CoreNumbers, 2> numbers;
  std::array<Date, 2> births;
};

// The keys of the couple's catalogue: "Paire0307" (the smaller path first), "Couple11",
// "MotivationProche", "ExpressionAbsente", "AnneesEcart" (topic "Motivation", "Expression" or
// "Annees").
std::string PairKey(std::pair<int, int> paths);
std::string CoupleNumberKey(int number);
std::string ClosenessKey(std::string_view topic, Closeness closeness);

// year: the year studied, 1 to 9999 (the callers pass the current year). Throws Error, before
// anything is made, when either date is not valid ("'%s' n'est pas une date correcte", the
// first person's checked first) or the year is out of range. The same person twice is
// composed like any two.
CoupleReport ComposeCouple(const CouplePerson& first, const CouplePerson& second, int year,
                           const CalendarNames& names);

}  // namespace vorel
