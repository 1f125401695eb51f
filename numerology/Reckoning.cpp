// Reductions that keep their steps.
#include "numerology/Reckoning.h"

#include <algorithm>
#include <numeric>

#include "numerology/Numbers.h"

namespace vorel {
namespace {

std::int32_t Sum(const std::vector<std::int32_t>& terms) {
  const std::int64_t sum = std::accumulate(terms.begin(), terms.end(), std::int64_t{0});
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, 0, INT32_MAX));
}

// Reduces the last step further to one digit when it stopped on 11 or 22.
Reckoning DownToDigit(Reckoning r) {
  if (IsMasterNumber(r.Value())) r.steps.push_back(MasterAsDigit(r.Value()));
  return r;
}

}  // namespace

Reckoning ReduceKeepingMasters(std::int32_t total) {
  return Reckoning{{}, ReductionSteps(total)};
}

Reckoning SumKeepingMasters(std::vector<std::int32_t> terms) {
  const std::int32_t sum = Sum(terms);
  return Reckoning{std::move(terms), ReductionSteps(sum)};
}

Reckoning ReduceToDigit(std::int32_t total) {
  return DownToDigit(ReduceKeepingMasters(total));
}

Reckoning SumToDigit(std::vector<std::int32_t> terms) {
  return DownToDigit(SumKeepingMasters(std::move(terms)));
}

bool IsMasterNumber(std::int32_t number) {
  return number == 11 || number == 22;
}

std::int32_t MasterAsDigit(std::int32_t number) {
  if (number == 11) return 2;
  if (number == 22) return 4;
  return number;
}

}  // namespace vorel
