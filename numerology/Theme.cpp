// The thème's numbers.
#include "numerology/Theme.h"

#include <algorithm>
#include <cstdlib>

namespace vorel {
namespace {

bool IsDebt(std::int32_t value) {
  return std::find(std::begin(kKarmicDebts), std::end(kKarmicDebts), value) !=
         std::end(kKarmicDebts);
}

// The age at which the first pinnacle ends.
int FirstPinnacleEnd(std::int32_t path) {
  return 36 - MasterAsDigit(path);
}

}  // namespace

InclusionGrid ComputeInclusionGrid(std::string_view name) {
  InclusionGrid grid;
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsNameLetter(c)) continue;
    ++grid.counts[MasterAsDigit(LetterValue(ch)) - 1];
    ++grid.letters;
  }
  return grid;
}

std::vector<int> KarmicLessons(const InclusionGrid& grid) {
  std::vector<int> lessons;
  if (grid.letters == 0) return lessons;
  for (int n = 1; n <= 9; ++n)
    if (grid.counts[n - 1] == 0) lessons.push_back(n);
  return lessons;
}

std::vector<int> DominantNumbers(const InclusionGrid& grid) {
  std::vector<int> dominants;
  if (grid.letters == 0) return dominants;
  const int highest = *std::max_element(grid.counts.begin(), grid.counts.end());
  for (int n = 1; n <= 9; ++n)
    if (grid.counts[n - 1] == highest) dominants.push_back(n);
  return dominants;
}

PersonReckonings ComputeReckonings(const CoreNumbers& numbers, const Date& birth) {
  PersonReckonings r;
  r.motivation = ReduceKeepingMasters(numbers.MotivationSum);
  r.realisation = ReduceKeepingMasters(numbers.RealisationSum);
  r.expression = ReduceKeepingMasters(numbers.ExpressionSum);
  // The path takes the digit sum of day + month + year once, whatever that sum is (a sum of
  // 11 gives 2), then reduces: the same number as the report's.
  r.path.terms = {birth.day, birth.month, birth.year};
  const std::int32_t sum = birth.day + birth.month + birth.year;
  r.path.steps = {sum};
  if (sum > 9)
    for (std::int32_t step : ReductionSteps(numbers.PathSum)) r.path.steps.push_back(step);
  r.birthday = ReduceKeepingMasters(birth.day);
  return r;
}

std::vector<KarmicDebt> KarmicDebts(const PersonReckonings& r, const Date& birth) {
  std::vector<KarmicDebt> debts;
  const std::pair<const Reckoning*, DebtCarrier> carriers[] = {
      {&r.motivation, DebtCarrier::Motivation},
      {&r.realisation, DebtCarrier::Realisation},
      {&r.expression, DebtCarrier::Expression},
      {&r.path, DebtCarrier::Path},
  };
  for (const auto& [reckoning, carrier] : carriers)
    for (std::int32_t step : reckoning->steps)
      if (IsDebt(step)) debts.push_back({step, carrier});
  if (IsDebt(birth.day)) debts.push_back({birth.day, DebtCarrier::BirthDay});
  return debts;
}

Challenges ComputeChallenges(const Date& birth) {
  Challenges c;
  c.month = ReduceToDigit(birth.month);
  c.day = ReduceToDigit(birth.day);
  c.year = ReduceToDigit(birth.year);
  const int m = c.month.Value(), d = c.day.Value(), y = c.year.Value();
  c.first = std::abs(m - d);
  c.second = std::abs(d - y);
  c.main = std::abs(c.first - c.second);
  c.fourth = std::abs(m - y);
  return c;
}

Pinnacles ComputePinnacles(const Date& birth, std::int32_t path) {
  Pinnacles p;
  p.month = ReduceKeepingMasters(birth.month);
  p.day = ReduceKeepingMasters(birth.day);
  p.year = ReduceKeepingMasters(birth.year);
  const std::int32_t m = p.month.Value(), d = p.day.Value(), y = p.year.Value();
  const Reckoning first = SumKeepingMasters({m, d});
  const Reckoning second = SumKeepingMasters({d, y});
  const Reckoning third = SumKeepingMasters({first.Value(), second.Value()});
  const Reckoning fourth = SumKeepingMasters({m, y});
  const int end = FirstPinnacleEnd(path);
  p.periods = {LifePeriod{first, 0, end}, LifePeriod{second, end, end + 9},
               LifePeriod{third, end + 9, end + 18}, LifePeriod{fourth, end + 18, std::nullopt}};
  return p;
}

std::array<LifePeriod, 3> ComputeCycles(const Date& birth, std::int32_t path) {
  const int end = FirstPinnacleEnd(path);
  return {LifePeriod{ReduceKeepingMasters(birth.month), 0, end},
          LifePeriod{ReduceKeepingMasters(birth.day), end, end + 18},
          LifePeriod{ReduceKeepingMasters(birth.year), end + 18, std::nullopt}};
}

Reckoning PersonalYear(const Date& birth, int year) {
  return SumKeepingMasters({birth.day, birth.month, year});
}

std::array<Reckoning, 12> PersonalMonths(std::int32_t personalYear) {
  std::array<Reckoning, 12> months;
  for (int m = 1; m <= 12; ++m) months[m - 1] = SumToDigit({MasterAsDigit(personalYear), m});
  return months;
}

ThemeNumbers ComputeTheme(std::string_view name, const Date& birth, int year) {
  ThemeNumbers t;
  t.core = ComputeNumbers(name, birth);
  t.reckonings = ComputeReckonings(t.core, birth);
  t.grid = ComputeInclusionGrid(name);
  t.lessons = KarmicLessons(t.grid);
  t.dominants = DominantNumbers(t.grid);
  t.debts = KarmicDebts(t.reckonings, birth);
  t.challenges = ComputeChallenges(birth);
  t.pinnacles = ComputePinnacles(birth, t.core.Path);
  t.cycles = ComputeCycles(birth, t.core.Path);
  t.year = year;
  t.personalYear = PersonalYear(birth, year);
  t.nextPersonalYear = PersonalYear(birth, year + 1);
  t.personalMonths = PersonalMonths(t.personalYear.Value());
  return t;
}

}  // namespace vorel
