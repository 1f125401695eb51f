// The register name of a written name.
#include "register/PersonName.h"

#include "base/Cp1252.h"

namespace vorel {
namespace {

// Base letters of U+00C0 to U+017F, one per code point: '.' is not a letter, '*' is spelled
// out by SpelledOut. Kra (ĸ) is written q since its spelling reform.
constexpr std::string_view kBaseLetters =
    "AAAAAA*CEEEEIIIIDNOOOOO.OUUUUY**"   // U+00C0
    "AAAAAA*CEEEEIIIIDNOOOOO.OUUUUY*Y"   // U+00E0
    "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGG"   // U+0100
    "GGGGHHHHIIIIIIIIII**JJKKQLLLLLLL"   // U+0120
    "LLLNNNNNNNNNOOOOOO**RRRRRRSSSSSS"   // U+0140
    "SSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";  // U+0160
constexpr char32_t kFirstFolded = 0xC0;
static_assert(kBaseLetters.size() == 0x180 - kFirstFolded);

std::string_view SpelledOut(char32_t c) {
  switch (c) {
    case 0xC6:
    case 0xE6:
      return "AE";
    case 0xDE:
    case 0xFE:
      return "TH";
    case 0xDF:
      return "SS";
    case 0x132:
    case 0x133:
      return "IJ";
    case 0x152:
    case 0x153:
      return "OE";
    default:
      return {};
  }
}

bool SeparatesWords(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x202F;
}

}  // namespace

std::string_view PersonNameLetters(char32_t c) {
  static constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  if (c >= 'A' && c <= 'Z') return kAlphabet.substr(c - 'A', 1);
  if (c >= 'a' && c <= 'z') return kAlphabet.substr(c - 'a', 1);
  if (c == 0x192) return "F";  // ƒ, a letter of Windows-1252
  if (c < kFirstFolded || c >= kFirstFolded + kBaseLetters.size()) return {};
  const char base = kBaseLetters[c - kFirstFolded];
  if (base == '*') return SpelledOut(c);
  if (base == '.') return {};
  return kAlphabet.substr(base - 'A', 1);
}

std::string NormalisePersonName(std::string_view text) {
  const bool utf8 = IsValidUtf8(text);
  std::string name;
  bool spacePending = false;
  size_t pos = 0;
  while (pos < text.size()) {
    const char32_t c = utf8 ? DecodeUtf8(text, pos).value_or(0)
                            : Cp1252ToUnicode(static_cast<unsigned char>(text[pos++]));
    if (SeparatesWords(c)) {
      spacePending = true;
      continue;
    }
    const std::string_view capitals = PersonNameLetters(c);
    if (capitals.empty()) continue;
    if (spacePending && !name.empty()) name += ' ';
    spacePending = false;
    name += capitals;
  }
  return name;
}

}  // namespace vorel
