// One report composed, and written as RTF.
#include <benchmark/benchmark.h>

#include "document/Rtf.h"
#include "report/Composition.h"

namespace vorel {
namespace {

void BM_ComposeReport(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames()));
}
BENCHMARK(BM_ComposeReport)->Unit(benchmark::kMicrosecond);

void BM_ComposeAndWriteRtf(benchmark::State& state) {
  for (auto _ : state) {
    const Report r = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
    benchmark::DoNotOptimize(WriteRtf(r.document));
  }
}
BENCHMARK(BM_ComposeAndWriteRtf)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorel
