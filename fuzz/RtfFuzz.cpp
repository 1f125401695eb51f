// Fuzzes the RTF reader; whatever it reads must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "document/Rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto first = vorel::ReadRtf(bytes);
  if (!first) return 0;
  const auto second = vorel::ReadRtf(vorel::WriteRtf(*first));
  Check(second.has_value(), "what we write is RTF");
  Check(*second == *first, "a write and a second read give the same document");
  return 0;
}
