// The code pages other programs' RTF files name: single-byte tables and the double-byte
// lead bytes, so that escaped bytes become Unicode text.
#pragma once

#include <optional>

namespace vorel {

// A code page number as RTF files give it (\ansicpg, \cpg), or derived from \fcharset.
using CodePage = int;

inline constexpr CodePage kCodePageWindows1252 = 1252;
inline constexpr CodePage kCodePageMacRoman = 10000;

// The code page of an RTF \fcharset value; nothing for the values that defer to the
// document (1, "default") or that name no code page we know.
std::optional<CodePage> CodePageOfCharset(int charset);

// The byte's code point in a single-byte code page; U+FFFD when the code page leaves the byte
// undefined. Code pages without a table of ours read as Windows-1252, the most likely
// intent of a writer that named one we do not know.
char32_t SingleByteToUnicode(CodePage codePage, unsigned char byte);

bool IsDoubleByteCodePage(CodePage codePage);

// Whether the byte starts a two-byte character in a double-byte code page.
bool IsLeadByte(CodePage codePage, unsigned char byte);

// A byte that stands alone in a double-byte code page: ASCII, the half-width katakana of 932,
// and U+FFFD for the rest (we carry no tables for these code pages).
char32_t DoubleByteSingleToUnicode(CodePage codePage, unsigned char byte);

}  // namespace vorel
