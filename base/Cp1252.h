// Windows-1252, the single-byte code page of the register file and of RTF \'hh escapes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorel {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so that
// every byte survives a round trip.
char32_t Cp1252ToUnicode(unsigned char byte);

// The byte of a code point, or nothing when the code page has none.
std::optional<unsigned char> UnicodeToCp1252(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view bytes);

// Characters the code page lacks become replacement; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');

// Appends the UTF-8 form of a code point (an invalid one as U+FFFD).
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns nothing, and advances by
// one byte, on a malformed sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& pos);

bool IsValidUtf8(std::string_view text);

}  // namespace vorel
