// Arbitrary text as a date: whatever is accepted is a valid date whose text reads back as the
// same date, and the throwing form agrees with the other.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Error.h"
#include "numerology/DateText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Date date;
  const bool accepted = TryTextToDate(text, date);
  bool thrown = false;
  try {
    Check(TextToDate(text) == date, "both forms give the same date");
  } catch (const Error&) {
    thrown = true;
  }
  Check(thrown != accepted, "both forms accept the same texts");
  if (!accepted) return 0;

  Check(IsValidDate(date.year, date.month, date.day), "accepted dates are valid");
  const std::string written = DateToText(date);
  Check(written.size() == 10 && written[2] == '/' && written[5] == '/', "dd/mm/yyyy");
  Date again;
  Check(TryTextToDate(written, again) && again == date, "round trip");
  return 0;
}
