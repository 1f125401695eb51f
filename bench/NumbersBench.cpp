// The engine for one person: all numbers, the sign and the three lucky texts.
#include <benchmark/benchmark.h>

#include "numerology/Calendar.h"
#include "numerology/Numbers.h"

namespace vorel {
namespace {

void BM_EnginePerPerson(benchmark::State& state) {
  const std::string name = "MARTIN PAUL HENRI";
  const std::string date = "14/03/1962";
  const CalendarNames& names = FrenchLocaleNames();
  for (auto _ : state) {
    const Date birth = TextToDate(date);
    const CoreNumbers numbers = ComputeNumbers(name, birth);
    benchmark::DoNotOptimize(ZodiacSign(birth));
    benchmark::DoNotOptimize(LuckyNumbers(birth, name, numbers));
    benchmark::DoNotOptimize(LuckyDays(birth, names));
    benchmark::DoNotOptimize(LuckyPeriods(birth, names));
  }
}
BENCHMARK(BM_EnginePerPerson);

}  // namespace
}  // namespace vorel
