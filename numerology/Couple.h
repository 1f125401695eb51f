// The numbers of two persons read together: the couple number, the pair of paths, and how
// far apart two numbers of the same kind stand.
#pragma once

#include <cstdint>
#include <utility>

#include "numerology/Reckoning.h"

namespace vorel {

// Path 1 + path 2, 11 and 22 counted as they are, reduced keeping 11 and 22.
Reckoning CoupleNumber(std::int32_t path1, std::int32_t path2);

// The two paths as digits (11 as 2, 22 as 4), the smaller first.
std::pair<int, int> PathPair(std::int32_t path1, std::int32_t path2);

// Two numbers of the same kind, compared after 11 → 2 and 22 → 4: the same, 1 to 3 apart,
// 4 or more apart; a 0 (a name without the letters of that number) is absent.
enum class Closeness { Same, Close, Apart, Absent };

Closeness CompareNumbers(std::int32_t a, std::int32_t b);

}  // namespace vorel
