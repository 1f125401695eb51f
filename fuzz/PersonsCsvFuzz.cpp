// Arbitrary bytes as a persons CSV: a refusal is an Error with a message, an accepted file
// gives register records under the name rule with valid dates, and writing those persons
// and reading them back gives the same persons.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "base/Error.h"
#include "numerology/DateText.h"
#include "register/PersonName.h"
#include "register/PersonsCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<Person> persons;
  try {
    persons = ParsePersonsCsv(bytes);
  } catch (const Error& e) {
    const std::string_view message = e.what();
    Check(message.starts_with("Ligne ") || message.starts_with("Le fichier "), "message form");
    return 0;
  }
  for (const Person& person : persons) {
    Check(!person.name.empty() && person.name.size() <= kNameCapacity, "name length");
    Check(NormalisePersonName(person.name) == person.name, "name under the rule");
    Date date;
    Check(person.date.size() == kDateCapacity && TryTextToDate(person.date, date) &&
              DateToText(date) == person.date,
          "register date");
  }
  const std::string written = WritePersonsCsv(persons);
  try {
    Check(ParsePersonsCsv(written) == persons, "written persons read back");
  } catch (const Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    Check(false, "written persons accepted");
  }
  return 0;
}
