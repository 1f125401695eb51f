// Fuzzes the RTF reader; whatever it reads must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/Rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto first = vorel::ReadRtf(bytes);
  if (!first) return 0;
  const auto second = vorel::ReadRtf(vorel::WriteRtf(*first));
  if (!second || *second != *first) std::abort();
  return 0;
}
