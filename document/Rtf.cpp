// RTF writer and reader over RichDocument.
#include "document/Rtf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

#include "base/CodePages.h"
#include "base/Cp1252.h"

namespace vorel {
namespace {

// ---------------------------------------------------------------------------------------------
// Writer

// Lines are broken before a control word once they pass this length; text with no escape
// in it can run longer, since breaking it would need a break inside the text.
constexpr size_t kSoftLineLength = 200;

constexpr char kHexDigits[] = "0123456789abcdef";

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

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
                       [&](std::string_view name) { return EqualsNoCase(name, font); });
  };
  if (in(kRoman)) return "\\froman";
  if (in(kSwiss)) return "\\fswiss";
  if (in(kModern)) return "\\fmodern";
  return "\\fnil";
}

std::uint32_t ColorKey(Color c) {
  return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

class RtfWriter {
 public:
  explicit RtfWriter(const RichDocument& document) : document_(document) {}

  std::string Write() {
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

 private:
  enum class TextKind { Run, FontName };

  // Font 0 is the default font of CharFormat, so that \plain means it; the others follow in
  // the order the document first uses them.
  void CollectTables() {
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

  void AddFont(const std::string& name) {
    if (fontIndex_.emplace(name, static_cast<int>(fonts_.size())).second) fonts_.push_back(&name);
  }

  // Colour 0 is "auto"; every colour the document names, black included, gets its own entry
  // so that no reader's idea of "auto" changes it.
  void AddColor(Color color) {
    if (colorIndex_.emplace(ColorKey(color), static_cast<int>(colors_.size()) + 1).second)
      colors_.push_back(color);
  }

  void WriteParagraph(const Paragraph& paragraph) {
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
  void SwitchFormat(const CharFormat* from, const CharFormat& to) {
    if (!from || from->font != to.font) Control("\\f", fontIndex_.at(to.font));
    if (!from || from->sizeHalfPoints != to.sizeHalfPoints) Control("\\fs", to.sizeHalfPoints);
    if (!from || from->color != to.color) Control("\\cf", colorIndex_.at(ColorKey(to.color)));
    if (from ? from->bold != to.bold : to.bold) Control(to.bold ? "\\b" : "\\b0");
    if (from ? from->italic != to.italic : to.italic) Control(to.italic ? "\\i" : "\\i0");
    if (from ? from->underline != to.underline : to.underline)
      Control(to.underline ? "\\ul" : "\\ulnone");
  }

  void NewLine() {
    out_ += "\r\n";
    lineStart_ = out_.size();
    needDelimiter_ = false;
  }

  // Every backslash is a place where a line may break.
  void BeginEscape() {
    if (out_.size() - lineStart_ >= kSoftLineLength) NewLine();
  }

  void Control(std::string_view word) {
    BeginEscape();
    out_ += word;
    needDelimiter_ = true;
  }

  void Control(std::string_view word, int value) {
    Control(word);
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    // Byte by byte: GCC 12 warns falsely about an overlap on append at -O3.
    for (const char* digit = digits; digit != result.ptr; ++digit) out_ += *digit;
  }

  void Raw(std::string_view text) {
    out_ += text;
    needDelimiter_ = false;
  }

  // A control symbol, which needs no delimiter after it.
  void Symbol(std::string_view symbol) {
    BeginEscape();
    out_ += symbol;
    needDelimiter_ = false;
  }

  void HexByte(unsigned char byte) {
    BeginEscape();
    out_ += "\\'";
    out_ += kHexDigits[byte >> 4];
    out_ += kHexDigits[byte & 15];
    needDelimiter_ = false;
  }

  void Unicode(char32_t codePoint) {
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

  static bool IsPlainAscii(unsigned char c) {
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
  }

  void Text(std::string_view text, TextKind kind) {
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

  const RichDocument& document_;
  std::string out_;
  size_t lineStart_ = 0;
  bool needDelimiter_ = false;
  std::unordered_map<std::string, int> fontIndex_;
  std::vector<const std::string*> fonts_;
  std::unordered_map<std::uint32_t, int> colorIndex_;
  std::vector<Color> colors_;
};

// ---------------------------------------------------------------------------------------------
// Reader

// Real files nest a few dozen groups; deeper ones are counted, not stacked.
constexpr size_t kMaxDepth = 4096;
// Fallbacks are a few bytes at most; a larger \uc is damage and would eat real text.
constexpr int kMaxFallbackUnits = 64;
// Sizes a word processor accepts, in half-points.
constexpr int kMinFontSize = 2;
constexpr int kMaxFontSize = 3276;
constexpr int kDefaultFontSize = 24;
// A long report has some ten thousand paragraphs. Past these counts a file is an attack on
// memory (two bytes, a backslash and a line end, make a paragraph): further paragraph ends
// become line breaks and further runs take the format of the last one, so the text stays.
constexpr size_t kMaxParagraphs = 500'000;
constexpr size_t kMaxRuns = 1'000'000;

// Object and Upr skip their content but for one inner group: the object's \result, and
// the Unicode version (\ud) of text that also comes in an 8-bit version.
enum class Destination : std::uint8_t { Text, FontTable, ColorTable, Skip, Object, Upr };

enum class Kw : std::uint8_t {
  // document and tables
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCpg,
  Deff,
  FontTable,
  ColorTable,
  Fcharset,
  Cpg,
  Red,
  Green,
  Blue,
  // destinations
  Skip,
  Object,
  Result,
  Upr,
  Ud,
  // character formatting
  Plain,
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Color,
  Hidden,
  Caps,
  // paragraph formatting
  Pard,
  LeftIndent,
  RightIndent,
  FirstIndent,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  // text
  Par,
  SectionOrPage,
  Line,
  Tab,
  Cell,
  Row,
  Char,
  Unicode,
  UnicodeSkip,
  Bin,
};

struct Keyword {
  Kw kind;
  char32_t codePoint = 0;  // Kw::Char
};

const std::unordered_map<std::string_view, Keyword>& Keywords() {
  static const std::unordered_map<std::string_view, Keyword> table = [] {
    std::unordered_map<std::string_view, Keyword> t;
    const std::pair<std::string_view, Kw> plain[] = {
        {"ansi", Kw::Ansi},
        {"mac", Kw::Mac},
        {"pc", Kw::Pc},
        {"pca", Kw::Pca},
        {"ansicpg", Kw::AnsiCpg},
        {"deff", Kw::Deff},
        {"fonttbl", Kw::FontTable},
        {"colortbl", Kw::ColorTable},
        {"fcharset", Kw::Fcharset},
        {"cpg", Kw::Cpg},
        {"red", Kw::Red},
        {"green", Kw::Green},
        {"blue", Kw::Blue},
        {"object", Kw::Object},
        {"result", Kw::Result},
        {"upr", Kw::Upr},
        {"ud", Kw::Ud},
        {"plain", Kw::Plain},
        {"f", Kw::Font},
        {"fs", Kw::FontSize},
        {"b", Kw::Bold},
        {"i", Kw::Italic},
        {"ulnone", Kw::UnderlineNone},
        {"cf", Kw::Color},
        {"v", Kw::Hidden},
        {"caps", Kw::Caps},
        {"pard", Kw::Pard},
        {"li", Kw::LeftIndent},
        {"lin", Kw::LeftIndent},
        {"ri", Kw::RightIndent},
        {"rin", Kw::RightIndent},
        {"fi", Kw::FirstIndent},
        {"ql", Kw::AlignLeft},
        {"qc", Kw::AlignCenter},
        {"qr", Kw::AlignRight},
        {"qj", Kw::AlignJustify},
        {"qd", Kw::AlignJustify},
        {"par", Kw::Par},
        {"sect", Kw::SectionOrPage},
        {"page", Kw::SectionOrPage},
        {"line", Kw::Line},
        {"tab", Kw::Tab},
        {"cell", Kw::Cell},
        {"nestcell", Kw::Cell},
        {"row", Kw::Row},
        {"nestrow", Kw::Row},
        {"u", Kw::Unicode},
        {"uc", Kw::UnicodeSkip},
        {"bin", Kw::Bin},
    };
    for (const auto& [word, kind] : plain) t.emplace(word, Keyword{kind});
    // Every underline style reads as underline; \ulc is only its colour.
    for (std::string_view word : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                  "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                                  "ulthldash", "ululdbwave", "ulw", "ulwave", "ulhair"})
      t.emplace(word, Keyword{Kw::Underline});
    const std::pair<std::string_view, char32_t> chars[] = {
        {"emdash", 0x2014},    {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005},   {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
        {"ltrmark", 0x200E},   {"rtlmark", 0x200F},   {"zwbo", 0x200B},    {"zwnbo", 0xFEFF},
    };
    for (const auto& [word, codePoint] : chars) t.emplace(word, Keyword{Kw::Char, codePoint});
    // Groups whose content is not body text: metadata, pictures, headers and footers, notes,
    // list numbers (the paragraph text already holds them), field instructions, index entries.
    std::string_view skipped =
        "aftncn aftnsep aftnsepc annotation atnauthor atndate atnicn atnid atnparent atnref "
        "atntime atrfend atrfstart author bkmkend bkmkstart buptim category "
        "colorschememapping comment company creatim datafield datastore defchp defpap do "
        "doccomm docvar dptxbxtext falt fchars ffdeftext ffentrymcr ffexitmcr ffformat "
        "ffhelptext ffl ffname ffstattext file filetbl fldinst footer footerf footerl "
        "footerr footnote formfield ftncn ftnsep ftnsepc generator gridtbl header headerf "
        "headerl headerr hlinkbase info keywords latentstyles lchars listoverridetable "
        "listpicture liststylename listtable listtext manager nonesttables nonshppict "
        "objalias objclass objdata objname objsect objtime oldcprops oldpprops oldsprops "
        "oldtprops operator panose password passwordhash pgdsctbl picprop pict pn pnseclvl "
        "pntext pntxta pntxtb printim private propname protend protstart protusertbl pxe "
        "revtbl revtim rsidtbl rxe shpinst sn sp stylesheet subject sv tc tcn template "
        "themedata title txe userprops wgrffmtfilter windowcaption writereservation "
        "writereservhash xe xform xmlattrname xmlattrvalue xmlclose xmlname xmlnstbl xmlopen ";
    while (!skipped.empty()) {
      const size_t end = skipped.find(' ');
      t.emplace(skipped.substr(0, end), Keyword{Kw::Skip});
      skipped.remove_prefix(end + 1);
    }
    return t;
  }();
  return table;
}

// Bytes that are text as they stand: printable ASCII but for the three special characters.
constexpr std::array<bool, 256> kPlainText = [] {
  std::array<bool, 256> t{};
  for (int c = 0x20; c < 0x7F; ++c) t[c] = c != '\\' && c != '{' && c != '}';
  return t;
}();

// Bytes a skipped group can pass over without looking.
constexpr std::array<bool, 256> kSkippable = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = c != '\\' && c != '{' && c != '}';
  return t;
}();

bool IsLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

int HexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// \caps shows letters as capitals; the report's languages need Latin-1 and the French œ.
char32_t ToUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;
  return c;
}

// Code pages may be written as unsigned 16-bit values that overflowed.
int CodePageParameter(int value) {
  return value < 0 ? value + 65536 : value;
}

struct CharState {
  int font = 0;
  int size = kDefaultFontSize;
  int color = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool hidden = false;
  bool caps = false;
};

struct GroupState {
  CharState chars;
  ParagraphFormat paragraph;
  int fallbackUnits = 1;
  Destination destination = Destination::Text;
};

struct FontEntry {
  std::string name;
  CodePage codePage = 0;  // 0: the document's
};

// What a run's format is made of, cheap to compare at every change of group or property.
struct RunKey {
  int fontSlot = -1;
  int size = kDefaultFontSize;
  Color color;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const RunKey&) const = default;
};

class RtfReader {
 public:
  explicit RtfReader(std::string_view in) : in_(in) { ApplyKey(RunKey{}); }

  RichDocument Read(size_t start) {
    pos_ = start;
    while (pos_ < in_.size() && !done_) {
      const unsigned char c = static_cast<unsigned char>(in_[pos_]);
      if (c == '{') {
        ++pos_;
        OpenGroup();
      } else if (c == '}') {
        ++pos_;
        CloseGroup();
      } else if (c == '\\') {
        ControlSequence();
      } else if (c == '\r' || c == '\n') {
        ++pos_;  // line ends are layout of the file, not text
      } else if (skipUnits_ > 0) {
        --skipUnits_;
        ++pos_;
      } else if (group_.destination >= Destination::Skip) {
        while (pos_ < in_.size() && kSkippable[static_cast<unsigned char>(in_[pos_])]) ++pos_;
      } else if (kPlainText[c]) {
        const size_t start = pos_;
        while (pos_ < in_.size() && kPlainText[static_cast<unsigned char>(in_[pos_])]) ++pos_;
        Ascii(in_.substr(start, pos_ - start));
      } else {
        ++pos_;
        if (c == '\t')
          CodePoint('\t');
        else if (c >= 0x80)
          Byte(c);
        // Other control bytes are noise.
      }
    }
    ResolveSurrogate();
    if (hasContent_ || document_.paragraphs.empty()) EndParagraph();
    return std::move(document_);
  }

 private:
  // --- groups ---

  void OpenGroup() {
    ResolveSurrogate();
    skipUnits_ = 0;
    if (stack_.size() >= kMaxDepth) {
      ++overflow_;
      return;
    }
    stack_.push_back(group_);
  }

  void CloseGroup() {
    ResolveSurrogate();
    skipUnits_ = 0;
    if (overflow_ > 0) {
      --overflow_;
      return;
    }
    if (group_.destination == Destination::FontTable) CommitFont();
    // The closing brace of the document's group ends it; what follows is not RTF. Its state
    // stays, for the last paragraph if that has no \par.
    if (stack_.size() <= 1) {
      done_ = true;
      return;
    }
    group_ = stack_.back();
    stack_.pop_back();
    dirty_ = true;
  }

  // --- tokens ---

  void ControlSequence() {
    const size_t start = pos_ + 1;
    if (start >= in_.size()) {
      pos_ = in_.size();
      return;
    }
    const unsigned char c = static_cast<unsigned char>(in_[start]);
    if (IsLetter(c)) {
      ControlWord(start);
      return;
    }
    pos_ = start + 1;
    if (c == '\'') {
      HexEscape();
      return;
    }
    if (skipUnits_ > 0) {
      --skipUnits_;
      return;
    }
    switch (c) {
      case '\\':
      case '{':
      case '}': {
        const char symbol = static_cast<char>(c);
        Ascii(std::string_view(&symbol, 1));
        break;
      }
      case '~':
        CodePoint(0xA0);
        break;
      case '-':
        CodePoint(0xAD);
        break;
      case '_':
        CodePoint(0x2011);
        break;
      case '*':
        // Inside \upr the starred group is the one we want.
        if (group_.destination != Destination::Upr) group_.destination = Destination::Skip;
        break;
      case '\r':
      case '\n':
        if (group_.destination == Destination::Text) BreakParagraph();
        break;
      default:
        break;  // \| \: and unknown symbols
    }
  }

  void HexEscape() {
    const int high = pos_ < in_.size() ? HexValue(static_cast<unsigned char>(in_[pos_])) : -1;
    const int low =
        pos_ + 1 < in_.size() ? HexValue(static_cast<unsigned char>(in_[pos_ + 1])) : -1;
    // A broken escape drops the one hex digit it has and reads on.
    pos_ += high < 0 ? 0 : low < 0 ? 1 : 2;
    if (skipUnits_ > 0) {
      --skipUnits_;
      return;
    }
    if (high >= 0 && low >= 0) Byte(static_cast<unsigned char>(high * 16 + low));
  }

  void ControlWord(size_t start) {
    size_t p = start;
    while (p < in_.size() && IsLetter(static_cast<unsigned char>(in_[p]))) ++p;
    const std::string_view word = in_.substr(start, p - start);
    bool negative = false;
    if (p + 1 < in_.size() && in_[p] == '-' && IsDigit(static_cast<unsigned char>(in_[p + 1]))) {
      negative = true;
      ++p;
    }
    bool hasParam = false;
    std::int64_t value = 0;
    while (p < in_.size() && IsDigit(static_cast<unsigned char>(in_[p]))) {
      hasParam = true;
      if (value <= std::numeric_limits<std::int32_t>::max()) value = value * 10 + (in_[p] - '0');
      ++p;
    }
    if (p < in_.size() && in_[p] == ' ') ++p;
    pos_ = p;
    const std::int64_t signedValue = negative ? -value : value;
    const int param = static_cast<int>(
        std::clamp<std::int64_t>(signedValue, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));

    const auto& keywords = Keywords();
    // Longer words are not RTF; they are passed over like unknown ones.
    const auto found = word.size() > 32 ? keywords.end() : keywords.find(word);
    if (found == keywords.end()) {
      if (skipUnits_ > 0) --skipUnits_;
      return;
    }
    const Keyword keyword = found->second;
    if (keyword.kind == Kw::Bin) SkipBinary(hasParam ? param : 0);
    if (skipUnits_ > 0) {
      --skipUnits_;
      return;
    }
    switch (group_.destination) {
      case Destination::Skip:
        return;
      case Destination::Object:
        if (keyword.kind == Kw::Result) group_.destination = Destination::Text;
        return;
      case Destination::Upr:
        if (keyword.kind == Kw::Ud) group_.destination = Destination::Text;
        return;
      default:
        Apply(keyword, hasParam, param);
        return;
    }
  }

  void SkipBinary(int count) {
    const size_t remaining = in_.size() - pos_;
    pos_ += count <= 0 ? 0 : std::min(remaining, static_cast<size_t>(count));
  }

  void Apply(Keyword keyword, bool hasParam, int param) {
    CharState& chars = group_.chars;
    ParagraphFormat& paragraph = group_.paragraph;
    const bool on = !hasParam || param != 0;
    const int valueOrZero = hasParam ? param : 0;
    switch (keyword.kind) {
      case Kw::Ansi:
        SetDocumentCodePage(kCodePageWindows1252);
        break;
      case Kw::Mac:
        SetDocumentCodePage(kCodePageMacRoman);
        break;
      case Kw::Pc:
        SetDocumentCodePage(437);
        break;
      case Kw::Pca:
        SetDocumentCodePage(850);
        break;
      case Kw::AnsiCpg:
        if (hasParam) SetDocumentCodePage(CodePageParameter(param));
        break;
      case Kw::Deff:
        defaultFont_ = valueOrZero;
        chars.font = defaultFont_;
        dirty_ = true;
        break;
      case Kw::FontTable:
        group_.destination = Destination::FontTable;
        fontPending_ = false;
        break;
      case Kw::ColorTable:
        group_.destination = Destination::ColorTable;
        pendingColor_ = Color{};
        break;
      case Kw::Fcharset:
        if (group_.destination == Destination::FontTable && fontPending_)
          fontCharsetCodePage_ = CodePageOfCharset(valueOrZero).value_or(0);
        break;
      case Kw::Cpg:
        if (group_.destination == Destination::FontTable && fontPending_)
          fontCpg_ = CodePageParameter(valueOrZero);
        break;
      case Kw::Red:
      case Kw::Green:
      case Kw::Blue:
        if (group_.destination == Destination::ColorTable) {
          const auto component = static_cast<std::uint8_t>(std::clamp(valueOrZero, 0, 255));
          if (keyword.kind == Kw::Red) pendingColor_.red = component;
          if (keyword.kind == Kw::Green) pendingColor_.green = component;
          if (keyword.kind == Kw::Blue) pendingColor_.blue = component;
        }
        break;
      case Kw::Skip:
        group_.destination = Destination::Skip;
        break;
      case Kw::Object:
        group_.destination = Destination::Object;
        break;
      case Kw::Upr:
        group_.destination = Destination::Upr;
        break;
      case Kw::Result:
      case Kw::Ud:
        break;
      case Kw::Plain:
        chars = CharState{};
        chars.font = defaultFont_;
        dirty_ = true;
        break;
      case Kw::Font:
        if (group_.destination == Destination::FontTable) {
          StartFont(valueOrZero);
        } else {
          chars.font = valueOrZero;
          dirty_ = true;
        }
        break;
      case Kw::FontSize:
        chars.size = !hasParam || param <= 0 ? kDefaultFontSize
                                             : std::clamp(param, kMinFontSize, kMaxFontSize);
        dirty_ = true;
        break;
      case Kw::Bold:
        chars.bold = on, dirty_ = true;
        break;
      case Kw::Italic:
        chars.italic = on, dirty_ = true;
        break;
      case Kw::Underline:
        chars.underline = on, dirty_ = true;
        break;
      case Kw::UnderlineNone:
        chars.underline = false, dirty_ = true;
        break;
      case Kw::Color:
        chars.color = valueOrZero, dirty_ = true;
        break;
      case Kw::Hidden:
        chars.hidden = on;
        break;
      case Kw::Caps:
        chars.caps = on;
        break;
      case Kw::Pard:
        paragraph = ParagraphFormat{};
        break;
      case Kw::LeftIndent:
        paragraph.leftIndent = valueOrZero;
        break;
      case Kw::RightIndent:
        paragraph.rightIndent = valueOrZero;
        break;
      case Kw::FirstIndent:
        paragraph.firstIndent = valueOrZero;
        break;
      case Kw::AlignLeft:
        paragraph.alignment = Alignment::Left;
        break;
      case Kw::AlignCenter:
        paragraph.alignment = Alignment::Center;
        break;
      case Kw::AlignRight:
        paragraph.alignment = Alignment::Right;
        break;
      case Kw::AlignJustify:
        paragraph.alignment = Alignment::Justify;
        break;
      case Kw::Par:
        if (group_.destination == Destination::Text) BreakParagraph();
        break;
      case Kw::SectionOrPage:
        if (group_.destination == Destination::Text && hasContent_) BreakParagraph();
        break;
      case Kw::Line:
        if (group_.destination == Destination::Text) CodePoint('\n');
        break;
      case Kw::Tab:
        if (group_.destination == Destination::Text) CodePoint('\t');
        break;
      case Kw::Cell:
        // The tab goes in only when more of the row follows, so a row reads as its cells
        // separated by tabs.
        if (group_.destination == Destination::Text && !group_.chars.hidden) ++pendingCellTabs_;
        break;
      case Kw::Row:
        if (group_.destination == Destination::Text) {
          pendingCellTabs_ = 0;
          BreakParagraph();
        }
        break;
      case Kw::Char:
        CodePoint(keyword.codePoint);
        break;
      case Kw::Unicode:
        if (hasParam) {
          const std::int64_t unit = param < 0 ? std::int64_t{param} + 65536 : param;
          CodePoint(unit < 0 || unit > 0x10FFFF ? 0xFFFD : static_cast<char32_t>(unit));
          skipUnits_ = group_.fallbackUnits;
        }
        break;
      case Kw::UnicodeSkip:
        group_.fallbackUnits = std::clamp(valueOrZero, 0, kMaxFallbackUnits);
        break;
      case Kw::Bin:
        break;  // its bytes were passed over already
    }
  }

  void SetDocumentCodePage(CodePage codePage) {
    documentCodePage_ = codePage;
    dirty_ = true;
  }

  // --- fonts and colours ---

  void StartFont(int number) {
    CommitFont();
    fontPending_ = true;
    fontNumber_ = number;
    fontName_.clear();
    fontCharsetCodePage_ = 0;
    fontCpg_ = 0;
  }

  void CommitFont() {
    if (!fontPending_) return;
    ResolveSurrogate();
    fontPending_ = false;
    const size_t first = fontName_.find_first_not_of(' ');
    const size_t last = fontName_.find_last_not_of(' ');
    FontEntry entry;
    if (first != std::string::npos) entry.name = fontName_.substr(first, last - first + 1);
    entry.codePage = fontCharsetCodePage_ ? fontCharsetCodePage_ : fontCpg_;
    const auto [slot, added] = fontSlots_.emplace(fontNumber_, static_cast<int>(fonts_.size()));
    if (added)
      fonts_.push_back(std::move(entry));
    else
      fonts_[slot->second] = std::move(entry);
    dirty_ = true;
  }

  int FontSlot(int number) const {
    const auto found = fontSlots_.find(number);
    return found == fontSlots_.end() ? -1 : found->second;
  }

  // --- text ---

  // Brings the run format and code page up to date with the group's properties; text in the
  // old format goes to the paragraph first.
  void Refresh() {
    dirty_ = false;
    const CharState& chars = group_.chars;
    RunKey key;
    key.fontSlot = FontSlot(chars.font);
    if (key.fontSlot < 0) key.fontSlot = FontSlot(defaultFont_);
    codePage_ = key.fontSlot >= 0 && fonts_[key.fontSlot].codePage ? fonts_[key.fontSlot].codePage
                                                                   : documentCodePage_;
    key.size = chars.size;
    if (chars.color >= 0 && static_cast<size_t>(chars.color) < colors_.size())
      key.color = colors_[chars.color];
    key.bold = chars.bold;
    key.italic = chars.italic;
    key.underline = chars.underline;
    if (key == key_) return;
    FlushText();
    ApplyKey(key);
  }

  void ApplyKey(const RunKey& key) {
    key_ = key;
    format_ = CharFormat{};
    if (key.fontSlot >= 0) format_.font = fonts_[key.fontSlot].name;
    format_.sizeHalfPoints = key.size;
    format_.bold = key.bold;
    format_.italic = key.italic;
    format_.underline = key.underline;
    format_.color = key.color;
  }

  void FlushText() {
    if (pendingText_.empty()) return;
    if (runCount_ >= kMaxRuns && !paragraph_.runs.empty()) {
      paragraph_.runs.back().text += pendingText_;
    } else {
      const size_t before = paragraph_.runs.size();
      AppendRun(paragraph_, pendingText_, format_);
      runCount_ += paragraph_.runs.size() - before;
    }
    pendingText_.clear();
  }

  void BreakParagraph() {
    if (document_.paragraphs.size() + 1 < kMaxParagraphs) {
      EndParagraph();
      return;
    }
    ResolveSurrogate();
    BeforeBodyText();
    pendingText_ += '\n';
  }

  void EndParagraph() {
    ResolveSurrogate();
    if (dirty_) Refresh();
    FlushText();
    paragraph_.format = group_.paragraph;
    paragraph_.markFormat = format_;
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = Paragraph{};
    pendingCellTabs_ = 0;
    hasContent_ = false;
  }

  // Body text is about to grow: the format must be current and owed cell tabs written.
  void BeforeBodyText() {
    if (dirty_) Refresh();
    if (pendingCellTabs_ > 0) {
      pendingText_.append(pendingCellTabs_, '\t');
      pendingCellTabs_ = 0;
    }
    hasContent_ = true;
  }

  // Printable ASCII other than \ { } as it stands in the file, or from \\ \{ \}.
  void Ascii(std::string_view text) {
    switch (group_.destination) {
      case Destination::Text:
        if (group_.chars.hidden) return;
        ResolveSurrogate();
        BeforeBodyText();
        if (group_.chars.caps) {
          for (char c : text) pendingText_ += static_cast<char>(ToUpper(c));
        } else {
          pendingText_ += text;
        }
        return;
      case Destination::FontTable:
        for (char c : text) {
          if (c == ';') {
            CommitFont();
          } else if (fontPending_) {
            ResolveSurrogate();
            fontName_ += c;
          }
        }
        return;
      case Destination::ColorTable:
        for (char c : text) {
          if (c == ';') {
            colors_.push_back(pendingColor_);
            pendingColor_ = Color{};
          }
        }
        return;
      default:
        return;
    }
  }

  // One character of text from an escape, a symbol or a decoded byte.
  void CodePoint(char32_t codePoint) {
    if (group_.destination != Destination::Text && group_.destination != Destination::FontTable)
      return;
    if (group_.destination == Destination::Text && group_.chars.hidden) return;
    if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
      ResolveSurrogate();
      highSurrogate_ = codePoint;
      return;
    }
    if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
      codePoint = highSurrogate_
                      ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (codePoint - 0xDC00)
                      : 0xFFFD;
      highSurrogate_ = 0;
    } else {
      ResolveSurrogate();
    }
    Put(codePoint);
  }

  void Put(char32_t codePoint) {
    if (codePoint == 0) return;
    if (group_.destination == Destination::FontTable) {
      if (fontPending_) AppendUtf8(fontName_, codePoint);
      return;
    }
    BeforeBodyText();
    AppendUtf8(pendingText_, group_.chars.caps ? ToUpper(codePoint) : codePoint);
  }

  // A high surrogate with no low one after it stands for a character we cannot know.
  void ResolveSurrogate() {
    if (!highSurrogate_) return;
    highSurrogate_ = 0;
    Put(0xFFFD);
  }

  CodePage CurrentCodePage() {
    if (group_.destination == Destination::FontTable)
      return fontCharsetCodePage_ ? fontCharsetCodePage_ : fontCpg_ ? fontCpg_ : documentCodePage_;
    if (dirty_) Refresh();
    return codePage_;
  }

  // A byte of text, from \'hh or as it stands, in the current code page.
  void Byte(unsigned char byte) {
    if (group_.destination != Destination::Text && group_.destination != Destination::FontTable)
      return;
    const CodePage codePage = CurrentCodePage();
    if (IsDoubleByteCodePage(codePage)) {
      if (IsLeadByte(codePage, byte)) {
        TakeTrailByte();
        CodePoint(0xFFFD);  // we carry no double-byte tables
      } else {
        CodePoint(DoubleByteSingleToUnicode(codePage, byte));
      }
      return;
    }
    CodePoint(codePage == kCodePageWindows1252 ? Cp1252ToUnicode(byte)
                                               : SingleByteToUnicode(codePage, byte));
  }

  // The byte after a lead byte belongs to the same character, escaped or not.
  void TakeTrailByte() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (c == '\\') {
      if (pos_ + 3 < in_.size() && in_[pos_ + 1] == '\'' &&
          HexValue(static_cast<unsigned char>(in_[pos_ + 2])) >= 0 &&
          HexValue(static_cast<unsigned char>(in_[pos_ + 3])) >= 0)
        pos_ += 4;
      return;
    }
    if (c != '{' && c != '}' && c != '\r' && c != '\n') ++pos_;
  }

  std::string_view in_;
  size_t pos_ = 0;
  bool done_ = false;

  GroupState group_;
  std::vector<GroupState> stack_;
  size_t overflow_ = 0;
  int skipUnits_ = 0;

  CodePage documentCodePage_ = kCodePageWindows1252;
  int defaultFont_ = 0;
  std::vector<FontEntry> fonts_;
  std::unordered_map<int, int> fontSlots_;
  bool fontPending_ = false;
  int fontNumber_ = 0;
  std::string fontName_;
  CodePage fontCharsetCodePage_ = 0;
  CodePage fontCpg_ = 0;
  std::vector<Color> colors_;
  Color pendingColor_;

  bool dirty_ = true;
  RunKey key_;
  CharFormat format_;
  CodePage codePage_ = kCodePageWindows1252;
  char32_t highSurrogate_ = 0;
  size_t pendingCellTabs_ = 0;
  size_t runCount_ = 0;
  std::string pendingText_;
  Paragraph paragraph_;
  bool hasContent_ = false;
  RichDocument document_;
};

}  // namespace

std::string WriteRtf(const RichDocument& document) {
  return RtfWriter(document).Write();
}

std::optional<RichDocument> ReadRtf(std::string_view bytes) {
  size_t start = 0;
  if (bytes.starts_with("\xEF\xBB\xBF")) start = 3;
  while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' ||
                                  bytes[start] == '\r' || bytes[start] == '\n'))
    ++start;
  if (bytes.substr(start, 5) != "{\\rtf") return std::nullopt;
  return RtfReader(bytes).Read(start);
}

}  // namespace vorel
