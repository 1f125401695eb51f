// Arbitrary bytes as VOREL.DAT, in memory: the read gives one person per whole record, each as
// written, reports an incomplete tail and nothing else, and writing the persons then reading
// them again gives them back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "register/RegisterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorel;
  const Result<std::vector<Person>> read =
      ReadRegister(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::vector<Person>& persons = read.value;

  const size_t whole = size / kRecordSize;
  Check(persons.size() == whole, "one person per record");
  Check(read.error.has_value() == (size % kRecordSize != 0), "error exactly for a partial record");
  if (read.error)
    Check(std::string(read.error->what()) == "Lecture au-delà de la fin de fichier",
          "partial record text");
  for (size_t i = 0; i < persons.size(); ++i) {
    const Person& person = persons[i];
    Check(person.name.size() <= kNameCapacity && person.date.size() <= kDateCapacity,
          "field capacities");
    Check(person == DecodeRecord(data + i * kRecordSize), "record read as written");
  }

  const std::string saved = WriteRegister(persons);
  Check(saved.size() == persons.size() * kRecordSize, "saved length");
  const Result<std::vector<Person>> reread = ReadRegister(saved);
  Check(reread.ok(), "saved bytes read cleanly");
  Check(reread.value == persons, "write and read round trip");
  return 0;
}
