// Fuzzes the plain-text reader: the text must be valid UTF-8 and hold every line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Cp1252.h"
#include "document/PlainText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const vorel::RichDocument document = vorel::ReadPlainText(bytes, vorel::CharFormat{});
  Check(!document.paragraphs.empty(), "at least one paragraph");
  const std::string text = document.PlainText();
  Check(vorel::IsValidUtf8(text), "valid UTF-8");
  // Every character stays; each line end becomes '\n', but for one at the very end.
  const std::string decoded = vorel::DecodePlainText(bytes);
  std::string lines;
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    if (decoded[i] == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n') continue;
    lines += decoded[i] == '\r' ? '\n' : decoded[i];
  }
  if (lines.ends_with('\n')) lines.pop_back();
  Check(text == lines, "every line, in order");
  return 0;
}
