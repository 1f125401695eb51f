// One thème and one two-person report composed, and the thème written as RTF.
#include <benchmark/benchmark.h>

#include "document/Rtf.h"
#include "report/CoupleReport.h"
#include "report/ThemeReport.h"

namespace vorel {
namespace {

void BM_ComposeTheme(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(
        ComposeTheme("MARTIN PAUL HENRI", "14/03/1962", 2025, FrenchLocaleNames()));
}
BENCHMARK(BM_ComposeTheme)->Unit(benchmark::kMicrosecond);

void BM_ComposeThemeAndWriteRtf(benchmark::State& state) {
  for (auto _ : state) {
    const Report r = ComposeTheme("MARTIN PAUL HENRI", "14/03/1962", 2025, FrenchLocaleNames());
    benchmark::DoNotOptimize(WriteRtf(r.document));
  }
}
BENCHMARK(BM_ComposeThemeAndWriteRtf)->Unit(benchmark::kMicrosecond);

void BM_ComposeCouple(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(ComposeCouple({"MARTIN PAUL HENRI", "14/03/1962"},
                                           {"DURAND LEA", "15/05/1949"}, 2025,
                                           FrenchLocaleNames()));
}
BENCHMARK(BM_ComposeCouple)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorel
