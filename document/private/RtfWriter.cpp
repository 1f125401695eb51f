// The RTF writer: header, tables, and paragraphs that state all their properties.
#include "document/private/RtfWriter.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "base/AsciiCase.h"
#include "base/Cp1252.h"

namespace vorel {
namespace {

// Lines are broken before a control word once they pass this length; text with no escape
// in it can run longer, since breaking it would need a break inside the text.
constexpr size_t kSoftLineLength = 200;

constexpr char kHexDigits[] = "0123456789abcdef";

// Word processors choose a substitute by family when a font is missing, so the family
// should be the real one for the fonts the report uses.
std::string_view FamilyWord(std::string_view font) {
  static constexpr std::array<std::string_view, 6> kRoman = {
      "Times New Roman", "Times", "Georgia", "Garamond", "Book Antiqua", "Liberation Serif"};
  static constexpr std::array<std::string_view, 8> kSwiss = {
      "Arial",  "MS Sans Serif", "Helvetica",       "Verdana",
      "Tahoma", "Calibri",       "Liberation Sans", "Segoe UI"};
  static constexpr std::array<std::string_view, 5> kModern = {"Courier New", "Courier", "Consolas",
                                                              "Lucida Console", "Liberation Mono"};
  const auto in = [&](const auto& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view name) { return EqualsIgnoringAsciiCase(name, font); });
  };
  if (in(kRoman)) return "\\froman";
  if (in(kSwiss)) return "\\fswiss";
  if (in(kModern)) return "\\fmodern";
  return "\\fnil";
}

std::uint32_t ColorKey(Color c) {
  return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

bool IsPlainAscii(unsigned char c) {
  return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

}  // namespace

std::string RtfWriter::Write() {
  CollectTables();
  size_t textSize = 0;
  for (const Paragraph& paragraph : document_.paragraphs)
    for (const Run& run : paragraph.runs) textSize += run.text.size();
  out_.reserve(textSize + textSize / 8 + document_.paragraphs.size() * 64 + 512);

  Raw("{");
  Control("\\rtf", 1);
  Control("\\ansi");
  Control("\\ansicpg", 1252);
  Control("\\deff", 0);
  Control("\\uc", 1);
  Raw("{");
  Control("\\fonttbl");
  for (size_t i = 0; i < fonts_.size(); ++i) {
    Raw("{");
    Control("\\f", static_cast<int>(i));
    Control(FamilyWord(*fonts_[i]));
    Control("\\fcharset", 0);
    Text(*fonts_[i], TextKind::FontName);
    Raw(";}");
  }
  Raw("}{");
  Control("\\colortbl");
  Raw(";");
  for (const Color& color : colors_) {
    Control("\\red", color.red);
    Control("\\green", color.green);
    Control("\\blue", color.blue);
    Raw(";");
  }
  Raw("}");
  if (!document_.paragraphs.empty()) NewLine();
  for (const Paragraph& paragraph : document_.paragraphs) WriteParagraph(paragraph);
  Raw("}");
  return std::move(out_);
}

// Font 0 is the default font of CharFormat, so that \plain means it; the others follow in
// the order the document first uses them.
void RtfWriter::CollectTables() {
  static const CharFormat kDefault;
  AddFont(kDefault.font);
  for (const Paragraph& paragraph : document_.paragraphs) {
    for (const Run& run : paragraph.runs) {
      if (run.text.empty()) continue;
      AddFont(run.format.font);
      AddColor(run.format.color);
    }
    AddFont(paragraph.markFormat.font);
    AddColor(paragraph.markFormat.color);
  }
}

void RtfWriter::AddFont(const std::string& name) {
  if (fontIndex_.emplace(name, static_cast<int>(fonts_.size())).second) fonts_.push_back(&name);
}

// Colour 0 is "auto"; every colour the document names, black included, gets its own entry
// so that no reader's idea of "auto" changes it.
void RtfWriter::AddColor(Color color) {
  if (colorIndex_.emplace(ColorKey(color), static_cast<int>(colors_.size()) + 1).second)
    colors_.push_back(color);
}

void RtfWriter::WriteParagraph(const Paragraph& paragraph) {
  Control("\\pard");
  Control("\\plain");
  Control("\\li", paragraph.format.leftIndent);
  Control("\\ri", paragraph.format.rightIndent);
  Control("\\fi", paragraph.format.firstIndent);
  switch (paragraph.format.alignment) {
    case Alignment::Left:
      Control("\\ql");
      break;
    case Alignment::Center:
      Control("\\qc");
      break;
    case Alignment::Right:
      Control("\\qr");
      break;
    case Alignment::Justify:
      Control("\\qj");
      break;
  }
  // Each stop's kind and leader come before its position.
  for (const TabStop& tab : paragraph.format.tabs) {
    switch (tab.kind) {
      case TabKind::Left:
        break;
      case TabKind::Center:
        Control("\\tqc");
        break;
      case TabKind::Right:
        Control("\\tqr");
        break;
      case TabKind::Decimal:
        Control("\\tqdec");
        break;
    }
    switch (tab.leader) {
      case TabLeader::None:
        break;
      case TabLeader::Dots:
        Control("\\tldot");
        break;
      case TabLeader::MiddleDots:
        Control("\\tlmdot");
        break;
      case TabLeader::Hyphens:
        Control("\\tlhyph");
        break;
      case TabLeader::Underline:
        Control("\\tlul");
        break;
      case TabLeader::ThickLine:
        Control("\\tlth");
        break;
      case TabLeader::Equals:
        Control("\\tleq");
        break;
    }
    Control("\\tx", tab.position);
  }
  const CharFormat* current = nullptr;
  for (const Run& run : paragraph.runs) {
    if (run.text.empty()) continue;
    SwitchFormat(current, run.format);
    current = &run.format;
    Text(run.text, TextKind::Run);
  }
  // The mark's format is the one in force at \par: it sizes an empty paragraph.
  SwitchFormat(current, paragraph.markFormat);
  Control("\\par");
  NewLine();
}

// Writes the whole format after \plain (from is null), otherwise what changes from it.
void RtfWriter::SwitchFormat(const CharFormat* from, const CharFormat& to) {
  if (!from || from->font != to.font) Control("\\f", fontIndex_.at(to.font));
  if (!from || from->sizeHalfPoints != to.sizeHalfPoints) Control("\\fs", to.sizeHalfPoints);
  if (!from || from->color != to.color) Control("\\cf", colorIndex_.at(ColorKey(to.color)));
  if (from ? from->bold != to.bold : to.bold) Control(to.bold ? "\\b" : "\\b0");
  if (from ? from->italic != to.italic : to.italic) Control(to.italic ? "\\i" : "\\i0");
  if (from ? from->underline != to.underline : to.underline)
    Control(to.underline ? "\\ul" : "\\ulnone");
  if (from ? from->strike != to.strike : to.strike) Control(to.strike ? "\\strike" : "\\strike0");
  // A position ends with its own word turned off: other readers pass over \nosupersub.
  if (from ? from->script != to.script : to.script != Script::Normal) {
    if (from && from->script == Script::Super) Control("\\super0");
    if (from && from->script == Script::Sub) Control("\\sub0");
    if (to.script == Script::Super) Control("\\super");
    if (to.script == Script::Sub) Control("\\sub");
  }
}

void RtfWriter::NewLine() {
  out_ += "\r\n";
  lineStart_ = out_.size();
  needDelimiter_ = false;
}

// Every backslash is a place where a line may break.
void RtfWriter::BeginEscape() {
  if (out_.size() - lineStart_ >= kSoftLineLength) NewLine();
}

void RtfWriter::Control(std::string_view word) {
  BeginEscape();
  out_ += word;
  needDelimiter_ = true;
}

void RtfWriter::Control(std::string_view word, int value) {
  Control(word);
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  // Byte by byte: GCC 12 warns falsely about an overlap on append at -O3.
  for (const char* digit = digits; digit != result.ptr; ++digit) out_ += *digit;
}

void RtfWriter::Raw(std::string_view text) {
  out_ += text;
  needDelimiter_ = false;
}

// A control symbol, which needs no delimiter after it.
void RtfWriter::Symbol(std::string_view symbol) {
  BeginEscape();
  out_ += symbol;
  needDelimiter_ = false;
}

void RtfWriter::HexByte(unsigned char byte) {
  BeginEscape();
  out_ += "\\'";
  out_ += kHexDigits[byte >> 4];
  out_ += kHexDigits[byte & 15];
  needDelimiter_ = false;
}

void RtfWriter::Unicode(char32_t codePoint) {
  const auto unit = [&](unsigned value) {
    Control("\\u", value > 0x7FFF ? static_cast<int>(value) - 0x10000 : static_cast<int>(value));
    out_ += "\\'3f";
    needDelimiter_ = false;
  };
  if (codePoint >= 0x10000) {
    codePoint -= 0x10000;
    unit(0xD800 + (codePoint >> 10));
    unit(0xDC00 + (codePoint & 0x3FF));
  } else {
    unit(codePoint);
  }
}

void RtfWriter::Text(std::string_view text, TextKind kind) {
  size_t pos = 0;
  while (pos < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (IsPlainAscii(c) && !(kind == TextKind::FontName && c == ';')) {
      size_t end = pos + 1;
      while (end < text.size() && IsPlainAscii(static_cast<unsigned char>(text[end])) &&
             !(kind == TextKind::FontName && text[end] == ';'))
        ++end;
      if (needDelimiter_) out_ += ' ';
      needDelimiter_ = false;
      out_.append(text, pos, end - pos);
      pos = end;
      continue;
    }
    // U+00A1 to U+00FF, the accented letters of a French text, are the Windows-1252 bytes of
    // the same value: no decoding and no table search for most escapes of a report.
    if ((c == 0xC2 || c == 0xC3) && pos + 1 < text.size()) {
      const unsigned char next = static_cast<unsigned char>(text[pos + 1]);
      const unsigned byte = ((c & 0x1Fu) << 6) | (next & 0x3Fu);
      if ((next & 0xC0) == 0x80 && byte > 0xA0) {
        HexByte(static_cast<unsigned char>(byte));
        pos += 2;
        continue;
      }
    }
    const char32_t codePoint = DecodeUtf8(text, pos).value_or(0xFFFD);
    if (codePoint == 0) continue;  // NUL would end the text for many consumers
    if (codePoint == '\\' || codePoint == '{' || codePoint == '}') {
      const char symbol[] = {'\\', static_cast<char>(codePoint), '\0'};
      Symbol(symbol);
    } else if (codePoint == '\t' && kind == TextKind::Run) {
      Control("\\tab");
    } else if (codePoint == '\n' && kind == TextKind::Run) {
      Control("\\line");
    } else if (codePoint < 0x20 || codePoint == 0x7F) {
      Unicode(codePoint);
    } else if (codePoint == ';') {
      HexByte(';');  // a literal one would end the font name
    } else if (codePoint == 0xA0) {
      Symbol("\\~");
    } else if (const auto byte = UnicodeToCp1252(codePoint)) {
      HexByte(*byte);
    } else {
      Unicode(codePoint);
    }
  }
}

}  // namespace vorel
