// A number together with the way it was reached: the terms added, then each reduction step,
// so a report can show "4 + 7 + 1961 = 1972 → 19 → 10 → 1" and not only the 1.
#pragma once

#include <cstdint>
#include <vector>

namespace vorel {

struct Reckoning {
  std::vector<std::int32_t> terms;  // the numbers added; empty when a total is reduced as is
  std::vector<std::int32_t> steps;  // the sum (or the total), then each digit sum
  std::int32_t Value() const { return steps.back(); }
  bool operator==(const Reckoning&) const = default;
};

// A total reduced as ReduceNumber does: 11 and 22 stop the reduction.
Reckoning ReduceKeepingMasters(std::int32_t total);
Reckoning SumKeepingMasters(std::vector<std::int32_t> terms);

// Reduced to one digit: 11 and 22 are reduced too (29 → 11 → 2).
Reckoning ReduceToDigit(std::int32_t total);
Reckoning SumToDigit(std::vector<std::int32_t> terms);

// 11 and 22, the numbers a reduction keeps.
bool IsMasterNumber(std::int32_t number);

// 11 read as 2 and 22 as 4; every other number as it is.
std::int32_t MasterAsDigit(std::int32_t number);

}  // namespace vorel
