// The register file and its sort, for 10,000 to 1,000,000 persons.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "register/RegisterFile.h"

namespace vorel {
namespace {

std::vector<Person> RandomRegister(size_t count) {
  static const char* surnames[] = {"MARTIN",  "BERNARD", "DUBOIS", "THOMAS", "ROBERT",
                                   "RICHARD", "PETIT",   "DURAND", "LEROY",  "MOREAU"};
  static const char* given[] = {"PAUL", "JEAN", "MARIE", "ANNE", "LUC", "CLAIRE", "HENRI"};
  std::mt19937 random(42);
  std::vector<Person> list;
  list.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    std::string name = surnames[random() % 10];
    name += std::to_string(random() % 100000);
    name += ' ';
    name += given[random() % 7];
    char date[11];
    std::snprintf(date, sizeof date, "%02u/%02u/%04u", unsigned(random() % 28 + 1),
                  unsigned(random() % 12 + 1), unsigned(1900 + random() % 120));
    list.push_back({name, date});
  }
  return list;
}

std::string TempRegisterPath() {
  return (std::filesystem::temp_directory_path() /
          ("vorel-bench-" + std::to_string(::getpid()) + ".DAT"))
      .string();
}

void BM_LoadRegister(benchmark::State& state) {
  const std::vector<Person> list = RandomRegister(state.range(0));
  const std::string path = TempRegisterPath();
  SaveRegisterFile(path, list);
  for (auto _ : state) {
    Result<RegisterFileContents> loaded = LoadRegisterFile(path);
    benchmark::DoNotOptimize(loaded.value.persons.data());
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadRegister)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_SaveRegister(benchmark::State& state) {
  const std::vector<Person> list = RandomRegister(state.range(0));
  const std::string path = TempRegisterPath();
  for (auto _ : state) SaveRegisterFile(path, list);
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveRegister)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_SortRegister(benchmark::State& state) {
  const std::vector<Person> original = RandomRegister(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Person> list = original;
    state.ResumeTiming();
    SortPersons(list);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortRegister)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorel
