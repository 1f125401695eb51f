// Fuzzes the plain-text reader: the text must be valid UTF-8 and hold every line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/Cp1252.h"
#include "document/PlainText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const vorel::RichDocument document = vorel::ReadPlainText(bytes, vorel::CharFormat{});
  if (document.paragraphs.empty()) std::abort();
  const std::string text = document.PlainText();
  if (!vorel::IsValidUtf8(text)) std::abort();
  if (text.find('\r') != std::string::npos) std::abort();
  return 0;
}
