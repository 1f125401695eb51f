// The control words and symbols the RTF reader knows: what each one does, found by its hash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorel {

// What a control word asks for. Each destination of the reader gives an action its own
// handler, or none, where the word means nothing.
enum class RtfAction : std::uint8_t {
  // document
  CodePage,      // argument: the code page
  AnsiCodePage,  // \ansicpg, its parameter
  DefaultFont,
  // destinations
  FontTable,
  ColorTable,
  ObjectGroup,  // keeps only its \result
  UprGroup,     // keeps only its \ud
  SkipGroup,    // metadata, pictures, headers and footers...: no text
  Starred,      // \*
  ObjectResult,
  UnicodeVersion,
  Footnote,
  // font and colour table entries
  FontCharset,
  FontCodePage,
  ColorComponent,  // argument: 0 red, 1 green, 2 blue
  // character properties
  Plain,
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  TextColor,
  Hidden,
  Caps,
  Strike,
  Script,  // argument: the Script
  // paragraph properties
  Pard,
  LeftIndent,
  RightIndent,
  FirstIndent,
  Align,        // argument: the Alignment
  TabPosition,  // \tx
  TabStopKind,  // argument: the TabKind
  TabStopLeader,
  BarTab,
  // text and breaks
  Par,
  SectionBreak,
  LineBreak,
  Tab,
  Cell,
  Row,
  Symbol,          // argument: the code point
  EscapedSpecial,  // argument: \ { or }
  Unicode,
  FallbackUnits,
  NoteMark,
  Endnote,
};
constexpr std::size_t kRtfActionCount = static_cast<std::size_t>(RtfAction::Endnote) + 1;

struct RtfKeyword {
  std::string_view word;
  RtfAction action = RtfAction::SkipGroup;
  int argument = 0;
};

// Control symbols are words of one character, which no control word can be. Nothing for an
// unknown word.
const RtfKeyword* FindRtfKeyword(std::string_view word);

}  // namespace vorel
