// Speed of the RTF writer and reader on report-like documents.
#include <benchmark/benchmark.h>

#include <map>

#include "bench/ReportSample.h"
#include "document/Rtf.h"

namespace vorel {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

// An RTF file of about the given size, made once per size.
const std::string& ReportRtf(std::size_t megabytes) {
  static std::map<std::size_t, std::string> files;
  std::string& file = files[megabytes];
  if (file.empty()) file = bench::ReportLikeRtf(megabytes * kMegabyte);
  return file;
}

void BM_WriteRtf(benchmark::State& state) {
  const RichDocument document = bench::ReportLikeDocument(kMegabyte);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string rtf = WriteRtf(document);
    bytes = rtf.size();
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["file_MB"] = static_cast<double>(bytes) / kMegabyte;
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

void BM_ReadRtf(benchmark::State& state) {
  const std::string& rtf = ReportRtf(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    auto document = ReadRtf(rtf);
    benchmark::DoNotOptimize(document);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
  state.counters["file_MB"] = static_cast<double>(rtf.size()) / kMegabyte;
}
BENCHMARK(BM_ReadRtf)->Arg(1)->Arg(4)->Arg(10)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorel
