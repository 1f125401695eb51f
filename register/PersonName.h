// The rule that turns a name written anywhere (command line, spreadsheet) into a register name.
#pragma once

#include <string>
#include <string_view>

namespace vorel {

// What the person entry would have kept of the name, as a clean name:
// - a Latin letter with a mark becomes its base letter (é → E, ç → C, ø → O, ł → L), and
//   the joined letters are spelled out (æ → AE, œ → OE, ß → SS, þ → TH, ĳ → IJ); marks
//   written as separate combining characters simply drop away;
// - small letters become capitals; every other character (digit, hyphen, apostrophe,
//   letters of other scripts) is dropped, so "Dupont-Durand" gives DUPONTDURAND;
// - spaces, tabs, line breaks and no-break spaces separate words: each run of them becomes
//   one space, and none is kept at either end.
// The text is read as UTF-8 when it is valid UTF-8, otherwise as Windows-1252 bytes. The
// result holds only A to Z and single inner spaces; it may be empty.
std::string NormalisePersonName(std::string_view text);

// The letters of the rule above for one character: its capital, its base letter's capital, or
// the two capitals it is spelled with; empty for a character the rule drops or that separates
// words. The person entry folds what is typed with it, keeping spaces as typed.
std::string_view PersonNameLetters(char32_t c);

}  // namespace vorel
