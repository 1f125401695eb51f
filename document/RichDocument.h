// The report as data: paragraphs of formatted runs. The report window, the RTF and
// plain-text codecs and the composition all speak this model.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorel {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Color&) const = default;
};

// Superscript and subscript: raised or lowered, at a smaller size the display chooses.
enum class Script : std::uint8_t { Normal, Super, Sub };

struct CharFormat {
  std::string font = "Times New Roman";
  int sizeHalfPoints = 24;  // 12 points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color color;  // black
  bool strike = false;
  Script script = Script::Normal;
  bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Center, Right, Justify };

enum class TabKind : std::uint8_t { Left, Center, Right, Decimal };
// What fills the space before the text a tab moves; the window cannot draw it, but a save
// keeps it.
enum class TabLeader : std::uint8_t {
  None,
  Dots,
  MiddleDots,
  Hyphens,
  Underline,
  ThickLine,
  Equals
};

// The position is in twips from the left edge of the text, like the left indent.
struct TabStop {
  int position = 0;
  TabKind kind = TabKind::Left;
  TabLeader leader = TabLeader::None;
  bool operator==(const TabStop&) const = default;
};

// Indents in twips (1/20 point); the first-line indent is relative to the left indent.
// Tab stops are in ascending positions, none twice.
struct ParagraphFormat {
  int firstIndent = 0;
  int leftIndent = 0;
  int rightIndent = 0;
  Alignment alignment = Alignment::Left;
  std::vector<TabStop> tabs = {};
  bool operator==(const ParagraphFormat&) const = default;
};

// Text is UTF-8; '\t' is a tab and '\n' a line break inside the paragraph.
struct Run {
  std::string text;
  CharFormat format;
  bool operator==(const Run&) const = default;
};

struct Paragraph {
  ParagraphFormat format;
  std::vector<Run> runs;
  // The format of the paragraph mark: it gives an empty paragraph its height.
  CharFormat markFormat;
  std::string Text() const;
  bool operator==(const Paragraph&) const = default;
};

struct RichDocument {
  std::vector<Paragraph> paragraphs;
  // The whole text, one paragraph per line ('\n' after every paragraph but the last).
  std::string PlainText() const;
  bool operator==(const RichDocument&) const = default;
};

// Appends text to the paragraph, joining it to the last run when the formats agree.
void AppendRun(Paragraph& paragraph, std::string_view text, const CharFormat& format);

}  // namespace vorel
