// The numbers of a thème: the name's inclusion grid, its lessons and dominant numbers, the
// karmic debts, the challenges, the pinnacles, the life cycles and the personal years and
// months of a year studied. Each keeps the arithmetic that reached it.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "numerology/DateText.h"
#include "numerology/Numbers.h"
#include "numerology/Reckoning.h"

namespace vorel {

// How many letters of the name have each value 1 to 9; K counts under 2 and V under 4, the
// digits of their values 11 and 22.
struct InclusionGrid {
  std::array<int, 9> counts{};  // counts[n - 1]: the letters of value n
  int letters = 0;
  bool operator==(const InclusionGrid&) const = default;
};

// name: the register's single-byte text; only A to Z count.
InclusionGrid ComputeInclusionGrid(std::string_view name);

// The values no letter has (the karmic lessons). A grid without letters has none: there is no
// name to read a lesson from.
std::vector<int> KarmicLessons(const InclusionGrid& grid);

// The values with the highest count, all of them on a tie; none without letters.
std::vector<int> DominantNumbers(const InclusionGrid& grid);

// The karmic debts, in ascending order.
inline constexpr int kKarmicDebts[] = {13, 14, 16, 19};

// The numbers of a person that can carry a karmic debt.
enum class DebtCarrier { Motivation, Realisation, Expression, Path, BirthDay };

struct KarmicDebt {
  int debt = 0;  // 13, 14, 16 or 19
  DebtCarrier carrier = DebtCarrier::Path;
  bool operator==(const KarmicDebt&) const = default;
};

// The four numbers of the report and the birthday number, each with its arithmetic.
struct PersonReckonings {
  Reckoning motivation;   // the vowels' total reduced
  Reckoning realisation;  // the consonants' total reduced
  Reckoning expression;   // all letters' total reduced
  Reckoning path;         // day + month + year, its digit sum, then reduced
  Reckoning birthday;     // the day reduced, keeping 11 and 22 (29 → 11)
  bool operator==(const PersonReckonings&) const = default;
};

PersonReckonings ComputeReckonings(const CoreNumbers& numbers, const Date& birth);

// 13, 14, 16 and 19 met at any step of the four numbers' reductions, or as the day of
// birth; one entry for each number that carries one, in the order of DebtCarrier.
std::vector<KarmicDebt> KarmicDebts(const PersonReckonings& reckonings, const Date& birth);

// Month, day and year each reduced to one digit (11 and 22 too); the challenges are the
// differences: first |month - day|, second |day - year|, main |first - second|, fourth
// |month - year|.
struct Challenges {
  Reckoning month, day, year;
  int first = 0, second = 0, main = 0, fourth = 0;
  bool operator==(const Challenges&) const = default;
};

Challenges ComputeChallenges(const Date& birth);

// A number that holds for a period of life, from one birthday to another; the last period
// lasts for life (toAge empty).
struct LifePeriod {
  Reckoning number;
  int fromAge = 0;
  std::optional<int> toAge;
  bool operator==(const LifePeriod&) const = default;
};

// The pinnacles: the month, day and year reduced keeping 11 and 22; first = month + day,
// second = day + year, third = first + second, fourth = month + year, each reduced keeping 11
// and 22. The first ends at 36 minus the path (11 counting as 2, 22 as 4), the second and
// third last nine years each.
struct Pinnacles {
  Reckoning month, day, year;
  std::array<LifePeriod, 4> periods;
  bool operator==(const Pinnacles&) const = default;
};

Pinnacles ComputePinnacles(const Date& birth, std::int32_t path);

// The life cycles: the month, the day and the year reduced keeping 11 and 22. The first ends
// where the first pinnacle ends, the third begins where the fourth pinnacle begins.
std::array<LifePeriod, 3> ComputeCycles(const Date& birth, std::int32_t path);

// Day + month of birth + the year studied, reduced keeping 11 and 22.
Reckoning PersonalYear(const Date& birth, int year);

// The twelve months of a personal year: the year as one digit (11 as 2, 22 as 4) plus the
// month's number, reduced to one digit.
std::array<Reckoning, 12> PersonalMonths(std::int32_t personalYear);

// Everything a thème shows, for one person and the year studied.
struct ThemeNumbers {
  CoreNumbers core;
  PersonReckonings reckonings;
  InclusionGrid grid;
  std::vector<int> lessons;
  std::vector<int> dominants;
  std::vector<KarmicDebt> debts;
  Challenges challenges;
  Pinnacles pinnacles;
  std::array<LifePeriod, 3> cycles;
  int year = 0;  // the year studied
  Reckoning personalYear;
  Reckoning nextPersonalYear;
  std::array<Reckoning, 12> personalMonths;  // of the year studied
};

ThemeNumbers ComputeTheme(std::string_view name, const Date& birth, int year);

}  // namespace vorel
