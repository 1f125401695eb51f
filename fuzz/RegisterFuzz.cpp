// Arbitrary bytes as VOREL.DAT: the load must keep the register list's invariants, report an
// incomplete tail and nothing else, and a save followed by a load must give the list back.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "register/RegisterFile.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// In memory where the system offers it: every save syncs its file to the disk.
const std::string& WorkDirectory() {
  static const std::string dir = [] {
    std::string pattern =
        ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/vorel-fuzz-XXXXXX" : "/tmp/vorel-fuzz-XXXXXX";
    Check(::mkdtemp(pattern.data()) != nullptr, "temporary folder");
    return pattern;
  }();
  return dir;
}

void RemoveWorkDirectory() {
  for (const char* name : {"/VOREL.DAT", "/SAVED.DAT"}) ::unlink((WorkDirectory() + name).c_str());
  ::rmdir(WorkDirectory().c_str());
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Check(file != nullptr, "input file");
  Check(size == 0 || std::fwrite(data, 1, size, file) == size, "input written");
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorel;
  // The folder first, so that it outlives the clean-up registered after it.
  static const bool cleanup = !WorkDirectory().empty() && std::atexit(RemoveWorkDirectory) == 0;
  (void)cleanup;
  const std::string input = WorkDirectory() + "/VOREL.DAT";
  const std::string output = WorkDirectory() + "/SAVED.DAT";
  WriteFile(input, data, size);

  RegisterList list;
  list.modified = true;
  const auto error = LoadRegister(input, list);

  const size_t whole = size / kRecordSize;
  Check(!list.modified, "modified cleared");
  Check(list.PersonCount() == static_cast<int>(whole == 0 ? 1 : whole), "one row per record");
  Check(error.has_value() == (size % kRecordSize != 0), "error exactly for a partial record");
  if (error) Check(*error == "Lecture au-delà de la fin de fichier", "partial record text");
  for (size_t i = 0; i < list.persons.size(); ++i) {
    const Person& person = list.persons[i];
    Check(person.name.size() <= kNameCapacity && person.date.size() <= kDateCapacity,
          "field capacities");
    if (i < whole && !(whole == 1 && person.name == kSampleName && person.date == kSampleDate))
      Check(person == DecodeRecord(data + i * kRecordSize), "record read as written");
  }
  if (list.PersonCount() == 1) Check(!list.persons[0].date.empty(), "sample person rule");

  SaveRegister(output, list);
  RegisterList reloaded;
  Check(!LoadRegister(output, reloaded).has_value(), "saved file loads cleanly");
  Check(reloaded.persons == list.persons, "save and load round trip");
  std::FILE* saved = std::fopen(output.c_str(), "rb");
  Check(saved != nullptr, "saved file");
  std::fseek(saved, 0, SEEK_END);
  Check(std::ftell(saved) == static_cast<long>(list.persons.size()) * kRecordSize, "saved length");
  std::fclose(saved);
  return 0;
}
