// The numbers of two persons.
#include "numerology/Couple.h"

#include <algorithm>
#include <cstdlib>

namespace vorel {

Reckoning CoupleNumber(std::int32_t path1, std::int32_t path2) {
  return SumKeepingMasters({path1, path2});
}

std::pair<int, int> PathPair(std::int32_t path1, std::int32_t path2) {
  const int a = MasterAsDigit(path1), b = MasterAsDigit(path2);
  return {std::min(a, b), std::max(a, b)};
}

Closeness CompareNumbers(std::int32_t a, std::int32_t b) {
  if (a == 0 || b == 0) return Closeness::Absent;
  const int difference = std::abs(MasterAsDigit(a) - MasterAsDigit(b));
  if (difference == 0) return Closeness::Same;
  return difference <= 3 ? Closeness::Close : Closeness::Apart;
}

}  // namespace vorel
