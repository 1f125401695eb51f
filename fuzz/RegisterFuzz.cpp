// Arbitrary bytes as VOREL.DAT, in memory: the read must keep the register list's invariants,
// report an incomplete tail and nothing else, and writing the list then reading it again
// must give the list back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Error.h"
#include "register/RegisterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorel;
  RegisterList list;
  list.modified = true;
  std::optional<std::string> error;
  try {
    ReadRegister(std::string_view(reinterpret_cast<const char*>(data), size), list);
  } catch (const Error& e) {
    error = e.what();
  }

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

  const std::string saved = WriteRegister(list);
  Check(saved.size() == list.persons.size() * kRecordSize, "saved length");
  RegisterList reloaded;
  try {
    ReadRegister(saved, reloaded);
  } catch (const Error&) {
    Check(false, "saved bytes read cleanly");
  }
  Check(reloaded.persons == list.persons, "write and read round trip");
  return 0;
}
