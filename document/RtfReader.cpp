// The RTF reader: the control-word table, the group stack and the text it builds.
#include "document/RtfReader.h"

#include <algorithm>
#include <array>

#include "base/Cp1252.h"
#include "document/Rtf.h"

namespace vorel {
namespace {

// Real files nest a few dozen groups; deeper ones are counted, not stacked.
constexpr size_t kMaxDepth = 4096;
// Fallbacks are a few bytes at most; a larger \uc is damage and would eat real text.
constexpr int kMaxFallbackUnits = 64;
// Sizes a word processor accepts, in half-points.
constexpr int kMinFontSize = 2;
constexpr int kMaxFontSize = 3276;
// A long report has some ten thousand paragraphs. Past these counts a file is an attack on
// memory (two bytes, a backslash and a line end, make a paragraph): further paragraph ends
// become line breaks and further runs take the format of the last one, so the text stays.
constexpr size_t kMaxParagraphs = 500'000;
constexpr size_t kMaxRuns = 1'000'000;
// Longer words are not RTF; they are passed over like unknown ones.
constexpr size_t kMaxWordLength = 32;
// Word processors allow 64 tab stops in a paragraph; more are damage.
constexpr size_t kMaxTabStops = 64;

// Where a control word acts. Only the switches, which end or start the skipping, act inside
// groups whose text is skipped; the kinds are otherwise the table's chapters.
enum class ControlKind : std::uint8_t {
  Document,     // code page and default font
  Table,        // entries of the font and colour tables
  Destination,  // a group whose content is not body text, or not only
  Switch,       // \*, the inner groups that \object and \upr read, and notes
  Character,    // character properties of the group
  Paragraph,    // paragraph properties of the group
  Text,         // characters, breaks and Unicode escapes
};

// \caps shows letters as capitals; the report's languages need Latin-1 and the French œ.
char32_t ToUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;
  return c;
}

// A switch without a parameter, or with one other than 0, turns the property on.
bool On(const RtfToken& token) {
  return !token.hasParameter || token.value != 0;
}

// Code pages may be written as unsigned 16-bit values that overflowed.
int CodePageParameter(int value) {
  return value < 0 ? value + 65536 : value;
}

constexpr std::uint32_t WordHash(std::string_view word) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : word) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

// Words of 1 to kMaxWordLength bytes, none twice.
template <typename Entry, size_t N>
constexpr bool IsValidTable(const std::array<Entry, N>& table) {
  for (size_t i = 0; i < N; ++i) {
    if (table[i].word.empty() || table[i].word.size() > kMaxWordLength) return false;
    for (size_t j = i + 1; j < N; ++j)
      if (table[i].word == table[j].word) return false;
  }
  return true;
}

constexpr size_t CountWords(std::string_view list) {
  return static_cast<size_t>(std::count(list.begin(), list.end(), ' ')) + 1;
}

// The words of a list separated by single spaces.
template <size_t M>
constexpr std::array<std::string_view, M> SplitWords(std::string_view list) {
  std::array<std::string_view, M> words{};
  for (std::string_view& word : words) {
    const size_t end = std::min(list.find(' '), list.size());
    word = list.substr(0, end);
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return words;
}

// The table followed by one entry per word of the list, each a copy of the shared entry.
template <typename Entry, size_t N, size_t M>
constexpr std::array<Entry, N + M> Join(const Entry (&entries)[N],
                                        const std::array<std::string_view, M>& words,
                                        Entry shared) {
  std::array<Entry, N + M> table{};
  for (size_t i = 0; i < N; ++i) table[i] = entries[i];
  for (size_t i = 0; i < M; ++i) {
    table[N + i] = shared;
    table[N + i].word = words[i];
  }
  return table;
}

// Open addressing in a table over twice the size of the list: a lookup hashes the word once
// and compares about one entry. A slot holds an entry's position plus one, 0 when free.
template <size_t Size, typename Entry, size_t N>
constexpr std::array<std::uint16_t, Size> BuildIndex(const std::array<Entry, N>& table) {
  static_assert((Size & (Size - 1)) == 0 && N * 2 < Size);
  std::array<std::uint16_t, Size> index{};
  for (size_t i = 0; i < N; ++i) {
    size_t slot = WordHash(table[i].word) & (Size - 1);
    while (index[slot] != 0) slot = (slot + 1) & (Size - 1);
    index[slot] = static_cast<std::uint16_t>(i + 1);
  }
  return index;
}

}  // namespace

struct RtfReader::Keyword {
  std::string_view word;
  ControlKind kind = ControlKind::Text;
  void (RtfReader::*handler)(int argument, const RtfToken& token) = nullptr;
  int argument = 0;  // a code page, a code point, an alignment, a destination...
};

const RtfReader::Keyword* RtfReader::FindKeyword(std::string_view word) {
  using K = ControlKind;
  using R = RtfReader;
  // Control symbols are here too, as words of one character that no control word can be.
  static constexpr Keyword kKeywords[] = {
      {"ansi", K::Document, &R::SetCodePage, kCodePageWindows1252},
      {"mac", K::Document, &R::SetCodePage, kCodePageMacRoman},
      {"pc", K::Document, &R::SetCodePage, 437},
      {"pca", K::Document, &R::SetCodePage, 850},
      {"ansicpg", K::Document, &R::AnsiCodePage},
      {"deff", K::Document, &R::DefaultFont},

      {"fcharset", K::Table, &R::FontCharset},
      {"cpg", K::Table, &R::FontCodePage},
      {"red", K::Table, &R::ColorComponent, 0},
      {"green", K::Table, &R::ColorComponent, 1},
      {"blue", K::Table, &R::ColorComponent, 2},

      {"fonttbl", K::Destination, &R::BeginFontTable},
      {"colortbl", K::Destination, &R::BeginColorTable},
      {"object", K::Destination, &R::BeginDestination, int(Destination::Object)},
      {"upr", K::Destination, &R::BeginDestination, int(Destination::Upr)},
      {"*", K::Switch, &R::Starred},
      {"result", K::Switch, &R::ObjectResult},
      {"ud", K::Switch, &R::UnicodeVersion},
      // Notes are often starred, though their text is the body's.
      {"footnote", K::Switch, &R::Footnote},

      {"plain", K::Character, &R::Plain},
      {"f", K::Character, &R::Font},
      {"fs", K::Character, &R::FontSize},
      {"b", K::Character, &R::Bold},
      {"i", K::Character, &R::Italic},
      {"ulnone", K::Character, &R::UnderlineNone},
      {"cf", K::Character, &R::TextColor},
      {"v", K::Character, &R::Hidden},
      {"caps", K::Character, &R::Caps},
      // Every underline style reads as underline; \ulc is only its colour.
      {"ul", K::Character, &R::Underline},
      {"uld", K::Character, &R::Underline},
      {"uldash", K::Character, &R::Underline},
      {"uldashd", K::Character, &R::Underline},
      {"uldashdd", K::Character, &R::Underline},
      {"uldb", K::Character, &R::Underline},
      {"ulhwave", K::Character, &R::Underline},
      {"ulldash", K::Character, &R::Underline},
      {"ulth", K::Character, &R::Underline},
      {"ulthd", K::Character, &R::Underline},
      {"ulthdash", K::Character, &R::Underline},
      {"ulthdashd", K::Character, &R::Underline},
      {"ulthdashdd", K::Character, &R::Underline},
      {"ulthldash", K::Character, &R::Underline},
      {"ululdbwave", K::Character, &R::Underline},
      {"ulw", K::Character, &R::Underline},
      {"ulwave", K::Character, &R::Underline},
      {"ulhair", K::Character, &R::Underline},

      {"pard", K::Paragraph, &R::Pard},
      {"li", K::Paragraph, &R::LeftIndent},
      {"lin", K::Paragraph, &R::LeftIndent},
      {"ri", K::Paragraph, &R::RightIndent},
      {"rin", K::Paragraph, &R::RightIndent},
      {"fi", K::Paragraph, &R::FirstIndent},
      {"ql", K::Paragraph, &R::Align, int(Alignment::Left)},
      {"qc", K::Paragraph, &R::Align, int(Alignment::Center)},
      {"qr", K::Paragraph, &R::Align, int(Alignment::Right)},
      {"qj", K::Paragraph, &R::Align, int(Alignment::Justify)},
      {"qd", K::Paragraph, &R::Align, int(Alignment::Justify)},
      {"tx", K::Paragraph, &R::TabPosition},
      {"tb", K::Paragraph, &R::BarTab},
      {"tqc", K::Paragraph, &R::TabStopKind, int(TabKind::Center)},
      {"tqr", K::Paragraph, &R::TabStopKind, int(TabKind::Right)},
      {"tqdec", K::Paragraph, &R::TabStopKind, int(TabKind::Decimal)},
      {"tldot", K::Paragraph, &R::TabStopLeader, int(TabLeader::Dots)},
      {"tlmdot", K::Paragraph, &R::TabStopLeader, int(TabLeader::MiddleDots)},
      {"tlhyph", K::Paragraph, &R::TabStopLeader, int(TabLeader::Hyphens)},
      {"tlul", K::Paragraph, &R::TabStopLeader, int(TabLeader::Underline)},
      {"tlth", K::Paragraph, &R::TabStopLeader, int(TabLeader::ThickLine)},
      {"tleq", K::Paragraph, &R::TabStopLeader, int(TabLeader::Equals)},

      {"par", K::Text, &R::Par},
      {"\r", K::Text, &R::Par},  // a backslash before a line end
      {"\n", K::Text, &R::Par},
      {"sect", K::Text, &R::SectionBreak},
      {"page", K::Text, &R::SectionBreak},
      {"line", K::Text, &R::LineBreak},
      {"tab", K::Text, &R::Tab},
      {"cell", K::Text, &R::Cell},
      {"nestcell", K::Text, &R::Cell},
      {"row", K::Text, &R::Row},
      {"nestrow", K::Text, &R::Row},
      {"u", K::Text, &R::Unicode},
      {"uc", K::Text, &R::FallbackUnits},
      {"chftn", K::Text, &R::NoteMark},
      {"ftnalt", K::Text, &R::Endnote},
      {"\\", K::Text, &R::EscapedSpecial, '\\'},
      {"{", K::Text, &R::EscapedSpecial, '{'},
      {"}", K::Text, &R::EscapedSpecial, '}'},
      {"~", K::Text, &R::Symbol, 0xA0},
      {"-", K::Text, &R::Symbol, 0xAD},
      {"_", K::Text, &R::Symbol, 0x2011},
      {"emdash", K::Text, &R::Symbol, 0x2014},
      {"endash", K::Text, &R::Symbol, 0x2013},
      {"emspace", K::Text, &R::Symbol, 0x2003},
      {"enspace", K::Text, &R::Symbol, 0x2002},
      {"qmspace", K::Text, &R::Symbol, 0x2005},
      {"bullet", K::Text, &R::Symbol, 0x2022},
      {"lquote", K::Text, &R::Symbol, 0x2018},
      {"rquote", K::Text, &R::Symbol, 0x2019},
      {"ldblquote", K::Text, &R::Symbol, 0x201C},
      {"rdblquote", K::Text, &R::Symbol, 0x201D},
      {"zwj", K::Text, &R::Symbol, 0x200D},
      {"zwnj", K::Text, &R::Symbol, 0x200C},
      {"ltrmark", K::Text, &R::Symbol, 0x200E},
      {"rtlmark", K::Text, &R::Symbol, 0x200F},
      {"zwbo", K::Text, &R::Symbol, 0x200B},
      {"zwnbo", K::Text, &R::Symbol, 0xFEFF},
  };
  // Groups whose content is not body text: metadata, pictures, headers and footers, note
  // separators, list numbers (the paragraph text already holds them), field instructions, index
  // entries.
  static constexpr std::string_view kSkipped =
      "aftncn aftnsep aftnsepc annotation atnauthor atndate atnicn atnid atnparent atnref "
      "atntime atrfend atrfstart author bkmkend bkmkstart buptim category "
      "colorschememapping comment company creatim datafield datastore defchp defpap do "
      "doccomm docvar dptxbxtext falt fchars ffdeftext ffentrymcr ffexitmcr ffformat "
      "ffhelptext ffl ffname ffstattext file filetbl fldinst footer footerf footerl "
      "footerr formfield ftncn ftnsep ftnsepc generator gridtbl header headerf "
      "headerl headerr hlinkbase info keywords latentstyles lchars listoverridetable "
      "listpicture liststylename listtable listtext manager nonesttables nonshppict "
      "objalias objclass objdata objname objsect objtime oldcprops oldpprops oldsprops "
      "oldtprops operator panose password passwordhash pgdsctbl picprop pict pn pnseclvl "
      "pntext pntxta pntxtb printim private propname protend protstart protusertbl pxe "
      "revtbl revtim rsidtbl rxe shpinst sn sp stylesheet subject sv tc tcn template "
      "themedata title txe userprops wgrffmtfilter windowcaption writereservation "
      "writereservhash xe xform xmlattrname xmlattrvalue xmlclose xmlname xmlnstbl xmlopen";
  static constexpr auto kTable =
      Join(kKeywords, SplitWords<CountWords(kSkipped)>(kSkipped),
           Keyword{{}, K::Destination, &R::BeginDestination, int(Destination::Skip)});
  static_assert(IsValidTable(kTable));
  static constexpr size_t kIndexSize = 512;
  static constexpr auto kIndex = BuildIndex<kIndexSize>(kTable);

  if (word.size() > kMaxWordLength) return nullptr;
  for (size_t slot = WordHash(word) & (kIndexSize - 1); kIndex[slot] != 0;
       slot = (slot + 1) & (kIndexSize - 1)) {
    const Keyword& keyword = kTable[kIndex[slot] - 1];
    if (keyword.word == word) return &keyword;
  }
  return nullptr;
}

RtfReader::RtfReader(std::string_view rtf) : tokenizer_(rtf) {
  ApplyKey(RunKey{});
}

RichDocument RtfReader::Read() {
  while (!done_) {
    const RtfToken token = tokenizer_.Next();
    switch (token.kind) {
      case RtfTokenKind::End:
        done_ = true;
        break;
      case RtfTokenKind::GroupOpen:
        OpenGroup();
        break;
      case RtfTokenKind::GroupClose:
        CloseGroup();
        break;
      case RtfTokenKind::ControlWord:
      case RtfTokenKind::ControlSymbol:
        Control(token);
        break;
      case RtfTokenKind::HexByte:
        HexByte(token.value);
        break;
      case RtfTokenKind::Binary:
        SkipFallbackUnit();  // one unit of a fallback; its bytes are never text
        break;
      case RtfTokenKind::Text:
        TextRun(token.text);
        break;
      case RtfTokenKind::Byte:
        RawByte(static_cast<unsigned char>(token.value));
        break;
    }
  }
  ResolveSurrogate();
  // A note cut short still closes its bracket, in the body's format.
  if (!notes_.empty()) {
    group_.chars = bodyChars_;
    dirty_ = true;
    while (!notes_.empty()) EndNote();
  }
  if (hasContent_ || document_.paragraphs.empty()) EndParagraph();
  return std::move(document_);
}

// --- groups ---

void RtfReader::OpenGroup() {
  ResolveSurrogate();
  skipUnits_ = 0;
  if (stack_.size() >= kMaxDepth) {
    ++overflow_;
    return;
  }
  stack_.push_back(group_);
}

void RtfReader::CloseGroup() {
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
  const bool endsNote = !notes_.empty() && notes_.back().depth == stack_.size();
  group_ = stack_.back();
  stack_.pop_back();
  dirty_ = true;
  if (endsNote) EndNote();
}

// --- tokens ---

bool RtfReader::SkipFallbackUnit() {
  if (skipUnits_ == 0) return false;
  --skipUnits_;
  return true;
}

void RtfReader::Control(const RtfToken& token) {
  if (SkipFallbackUnit()) return;
  const Keyword* keyword = FindKeyword(token.text);
  if (!keyword) return;  // unknown words and symbols, \| and \: among them
  if (group_.destination >= Destination::Skip && keyword->kind != ControlKind::Switch) return;
  (this->*keyword->handler)(keyword->argument, token);
}

void RtfReader::TextRun(std::string_view run) {
  const size_t skipped = std::min(run.size(), static_cast<size_t>(skipUnits_));
  skipUnits_ -= static_cast<int>(skipped);
  run.remove_prefix(skipped);
  if (!run.empty()) Ascii(run);
}

void RtfReader::RawByte(unsigned char byte) {
  if (SkipFallbackUnit() || group_.destination >= Destination::Skip) return;
  if (byte == '\t')
    CodePoint('\t');
  else if (byte >= 0x80)
    Byte(byte);
  // Other control bytes are noise.
}

void RtfReader::HexByte(int byte) {
  if (SkipFallbackUnit()) return;
  if (byte >= 0) Byte(static_cast<unsigned char>(byte));
}

// --- document ---

void RtfReader::SetCodePage(int codePage, const RtfToken&) {
  SetDocumentCodePage(codePage);
}

void RtfReader::AnsiCodePage(int, const RtfToken& token) {
  if (token.hasParameter) SetDocumentCodePage(CodePageParameter(token.value));
}

void RtfReader::DefaultFont(int, const RtfToken& token) {
  defaultFont_ = token.value;
  group_.chars.font = defaultFont_;
  dirty_ = true;
}

void RtfReader::SetDocumentCodePage(CodePage codePage) {
  documentCodePage_ = codePage;
  dirty_ = true;
}

// --- font and colour tables ---

void RtfReader::BeginFontTable(int, const RtfToken&) {
  group_.destination = Destination::FontTable;
  fontPending_ = false;
}

void RtfReader::BeginColorTable(int, const RtfToken&) {
  group_.destination = Destination::ColorTable;
  pendingColor_ = Color{};
}

void RtfReader::FontCharset(int, const RtfToken& token) {
  if (group_.destination == Destination::FontTable && fontPending_)
    fontCharsetCodePage_ = CodePageOfCharset(token.value).value_or(0);
}

void RtfReader::FontCodePage(int, const RtfToken& token) {
  if (group_.destination == Destination::FontTable && fontPending_)
    fontCpg_ = CodePageParameter(token.value);
}

void RtfReader::ColorComponent(int component, const RtfToken& token) {
  if (group_.destination != Destination::ColorTable) return;
  const auto value = static_cast<std::uint8_t>(std::clamp(token.value, 0, 255));
  if (component == 0)
    pendingColor_.red = value;
  else if (component == 1)
    pendingColor_.green = value;
  else
    pendingColor_.blue = value;
}

// --- destinations ---

void RtfReader::BeginDestination(int destination, const RtfToken&) {
  group_.destination = static_cast<Destination>(destination);
}

void RtfReader::Starred(int, const RtfToken&) {
  // Inside \upr the starred group is the one we want.
  if (group_.destination != Destination::Upr) group_.destination = Destination::Skip;
}

void RtfReader::ObjectResult(int, const RtfToken&) {
  if (group_.destination == Destination::Object) group_.destination = Destination::Text;
}

void RtfReader::UnicodeVersion(int, const RtfToken&) {
  if (group_.destination == Destination::Upr) group_.destination = Destination::Text;
}

// --- character properties ---

void RtfReader::Plain(int, const RtfToken&) {
  group_.chars = CharState{};
  group_.chars.font = defaultFont_;
  dirty_ = true;
}

void RtfReader::Font(int, const RtfToken& token) {
  if (group_.destination == Destination::FontTable) {
    StartFont(token.value);
  } else {
    group_.chars.font = token.value;
    dirty_ = true;
  }
}

void RtfReader::FontSize(int, const RtfToken& token) {
  group_.chars.size =
      token.value <= 0 ? kDefaultFontSize : std::clamp(token.value, kMinFontSize, kMaxFontSize);
  dirty_ = true;
}

void RtfReader::Bold(int, const RtfToken& token) {
  group_.chars.bold = On(token);
  dirty_ = true;
}

void RtfReader::Italic(int, const RtfToken& token) {
  group_.chars.italic = On(token);
  dirty_ = true;
}

void RtfReader::Underline(int, const RtfToken& token) {
  group_.chars.underline = On(token);
  dirty_ = true;
}

void RtfReader::UnderlineNone(int, const RtfToken&) {
  group_.chars.underline = false;
  dirty_ = true;
}

void RtfReader::TextColor(int, const RtfToken& token) {
  group_.chars.color = token.value;
  dirty_ = true;
}

// Hidden text and capitals change the text, not the run's format.
void RtfReader::Hidden(int, const RtfToken& token) {
  group_.chars.hidden = On(token);
}

void RtfReader::Caps(int, const RtfToken& token) {
  group_.chars.caps = On(token);
}

// --- paragraph properties ---

void RtfReader::Pard(int, const RtfToken&) {
  group_.paragraph = ParagraphFormat{};
  tabKind_ = TabKind::Left;
  tabLeader_ = TabLeader::None;
}

void RtfReader::LeftIndent(int, const RtfToken& token) {
  group_.paragraph.leftIndent = token.value;
}

void RtfReader::RightIndent(int, const RtfToken& token) {
  group_.paragraph.rightIndent = token.value;
}

void RtfReader::FirstIndent(int, const RtfToken& token) {
  group_.paragraph.firstIndent = token.value;
}

void RtfReader::Align(int alignment, const RtfToken&) {
  group_.paragraph.alignment = static_cast<Alignment>(alignment);
}

// The kind and leader come before the position they qualify. A stop set again at the same
// position replaces the old one.
void RtfReader::TabPosition(int, const RtfToken& token) {
  const TabStop stop{token.value, tabKind_, tabLeader_};
  tabKind_ = TabKind::Left;
  tabLeader_ = TabLeader::None;
  std::vector<TabStop>& tabs = group_.paragraph.tabs;
  const auto at =
      std::lower_bound(tabs.begin(), tabs.end(), stop.position,
                       [](const TabStop& t, int position) { return t.position < position; });
  if (at != tabs.end() && at->position == stop.position)
    *at = stop;
  else if (tabs.size() < kMaxTabStops)
    tabs.insert(at, stop);
}

void RtfReader::TabStopKind(int kind, const RtfToken&) {
  tabKind_ = static_cast<TabKind>(kind);
}

void RtfReader::TabStopLeader(int leader, const RtfToken&) {
  tabLeader_ = static_cast<TabLeader>(leader);
}

// A bar tab draws a vertical line and moves no text: only its position is passed over.
void RtfReader::BarTab(int, const RtfToken&) {
  tabKind_ = TabKind::Left;
  tabLeader_ = TabLeader::None;
}

// --- notes ---

// A note is a group of its own in body text, the word at its start: {\footnote or
// {\*\footnote. Its characters keep the body's format, so that they read as part of it.
void RtfReader::Footnote(int, const RtfToken&) {
  if (overflow_ > 0 || stack_.size() < 2 || stack_.back().destination != Destination::Text) return;
  if (group_.destination != Destination::Text && group_.destination != Destination::Skip) return;
  if (!notes_.empty() && notes_.back().depth == stack_.size()) return;
  if (group_.chars.hidden) {  // hidden with its mark
    group_.destination = Destination::Skip;
    return;
  }
  group_.destination = Destination::Text;
  if (notes_.empty()) bodyChars_ = group_.chars;
  notes_.push_back(OpenNote{stack_.size(), ++footnotes_, false});
  dirty_ = true;
  Ascii("[");
  noteGap_ = NoteGap::Trim;
}

// Endnotes are numbered apart from footnotes.
void RtfReader::Endnote(int, const RtfToken&) {
  if (notes_.empty() || notes_.back().depth != stack_.size() || notes_.back().endnote) return;
  OpenNote& note = notes_.back();
  if (note.number == footnotes_) --footnotes_;
  note.number = ++endnotes_;
  note.endnote = true;
}

// The automatic number: in the body it marks where the note stands, which its bracket
// shows; in the note it is written as the note's number.
void RtfReader::NoteMark(int, const RtfToken&) {
  if (group_.destination != Destination::Text || notes_.empty()) return;
  Ascii(std::to_string(notes_.back().number) + '.');
  noteGap_ = NoteGap::Space;
}

// After the note's group has closed: the bracket takes the format of the body again.
void RtfReader::EndNote() {
  notes_.pop_back();
  noteGap_ = NoteGap::None;
  BeforeBodyText();
  pendingText_ += ']';
}

// --- text and breaks ---

void RtfReader::Par(int, const RtfToken&) {
  if (group_.destination == Destination::Text) BreakParagraph();
}

void RtfReader::SectionBreak(int, const RtfToken&) {
  if (group_.destination == Destination::Text && hasContent_) BreakParagraph();
}

void RtfReader::LineBreak(int, const RtfToken&) {
  if (group_.destination == Destination::Text) CodePoint('\n');
}

void RtfReader::Tab(int, const RtfToken&) {
  if (group_.destination == Destination::Text) CodePoint('\t');
}

void RtfReader::Cell(int, const RtfToken&) {
  // The tab goes in only when more of the row follows, so a row reads as its cells
  // separated by tabs.
  if (group_.destination == Destination::Text && !group_.chars.hidden) ++pendingCellTabs_;
}

void RtfReader::Row(int, const RtfToken&) {
  if (group_.destination != Destination::Text) return;
  pendingCellTabs_ = 0;
  BreakParagraph();
}

void RtfReader::Symbol(int codePoint, const RtfToken&) {
  CodePoint(static_cast<char32_t>(codePoint));
}

void RtfReader::EscapedSpecial(int character, const RtfToken&) {
  const char special = static_cast<char>(character);
  Ascii(std::string_view(&special, 1));
}

void RtfReader::Unicode(int, const RtfToken& token) {
  if (!token.hasParameter) return;
  const std::int64_t unit = token.value < 0 ? std::int64_t{token.value} + 65536 : token.value;
  CodePoint(unit < 0 || unit > 0x10FFFF ? 0xFFFD : static_cast<char32_t>(unit));
  skipUnits_ = group_.fallbackUnits;
}

void RtfReader::FallbackUnits(int, const RtfToken& token) {
  group_.fallbackUnits = std::clamp(token.value, 0, kMaxFallbackUnits);
}

// --- fonts and colours ---

void RtfReader::StartFont(int number) {
  CommitFont();
  fontPending_ = true;
  fontNumber_ = number;
  fontName_.clear();
  fontCharsetCodePage_ = 0;
  fontCpg_ = 0;
}

void RtfReader::CommitFont() {
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

int RtfReader::FontSlot(int number) const {
  const auto found = fontSlots_.find(number);
  return found == fontSlots_.end() ? -1 : found->second;
}

// --- text ---

// Brings the run format and code page up to date with the group's properties; text in the
// old format goes to the paragraph first.
void RtfReader::Refresh() {
  dirty_ = false;
  // A note shows the body's format, but its bytes are in its own font's code page.
  const CharState& chars = notes_.empty() ? group_.chars : bodyChars_;
  RunKey key;
  key.fontSlot = FontSlot(chars.font);
  if (key.fontSlot < 0) key.fontSlot = FontSlot(defaultFont_);
  int codeSlot = key.fontSlot;
  if (!notes_.empty()) {
    codeSlot = FontSlot(group_.chars.font);
    if (codeSlot < 0) codeSlot = FontSlot(defaultFont_);
  }
  codePage_ =
      codeSlot >= 0 && fonts_[codeSlot].codePage ? fonts_[codeSlot].codePage : documentCodePage_;
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

void RtfReader::ApplyKey(const RunKey& key) {
  key_ = key;
  format_ = CharFormat{};
  if (key.fontSlot >= 0) format_.font = fonts_[key.fontSlot].name;
  format_.sizeHalfPoints = key.size;
  format_.bold = key.bold;
  format_.italic = key.italic;
  format_.underline = key.underline;
  format_.color = key.color;
}

void RtfReader::FlushText() {
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

void RtfReader::BreakParagraph() {
  if (!notes_.empty()) {  // a note's paragraphs are joined by a space
    if (noteGap_ == NoteGap::None) noteGap_ = NoteGap::Space;
    return;
  }
  if (document_.paragraphs.size() + 1 < kMaxParagraphs) {
    EndParagraph();
    return;
  }
  ResolveSurrogate();
  BeforeBodyText();
  pendingText_ += '\n';
}

void RtfReader::EndParagraph() {
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
void RtfReader::BeforeBodyText() {
  if (dirty_) Refresh();
  if (pendingCellTabs_ > 0) {
    pendingText_.append(pendingCellTabs_, '\t');
    pendingCellTabs_ = 0;
  }
  hasContent_ = true;
}

// Printable ASCII other than \ { } as it stands in the file, or from \\ \{ \}.
void RtfReader::Ascii(std::string_view text) {
  switch (group_.destination) {
    case Destination::Text:
      if (group_.chars.hidden) return;
      ResolveSurrogate();
      BeforeBodyText();
      if (noteGap_ != NoteGap::None) {
        while (!text.empty() && !PassNoteGap(static_cast<unsigned char>(text.front())))
          text.remove_prefix(1);
        if (text.empty()) return;
      }
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
void RtfReader::CodePoint(char32_t codePoint) {
  if (group_.destination != Destination::Text && group_.destination != Destination::FontTable)
    return;
  if (group_.destination == Destination::Text && group_.chars.hidden) return;
  if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
    ResolveSurrogate();
    highSurrogate_ = codePoint;
    return;
  }
  if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
    codePoint = highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (codePoint - 0xDC00)
                               : 0xFFFD;
    highSurrogate_ = 0;
  } else {
    ResolveSurrogate();
  }
  Put(codePoint);
}

void RtfReader::Put(char32_t codePoint) {
  if (codePoint == 0) return;
  if (group_.destination == Destination::FontTable) {
    if (fontPending_) AppendUtf8(fontName_, codePoint);
    return;
  }
  BeforeBodyText();
  if (noteGap_ != NoteGap::None && !PassNoteGap(codePoint)) return;
  AppendUtf8(pendingText_, group_.chars.caps ? ToUpper(codePoint) : codePoint);
}

// False for a blank in a note's gap, which is dropped; the first other character closes the
// gap, after a space where one is owed.
bool RtfReader::PassNoteGap(char32_t codePoint) {
  if (codePoint == ' ' || codePoint == '\t' || codePoint == '\n' || codePoint == 0xA0) return false;
  if (noteGap_ == NoteGap::Space) pendingText_ += ' ';
  noteGap_ = NoteGap::None;
  return true;
}

// A high surrogate with no low one after it stands for a character we cannot know.
void RtfReader::ResolveSurrogate() {
  if (!highSurrogate_) return;
  highSurrogate_ = 0;
  Put(0xFFFD);
}

CodePage RtfReader::CurrentCodePage() {
  if (group_.destination == Destination::FontTable)
    return fontCharsetCodePage_ ? fontCharsetCodePage_ : fontCpg_ ? fontCpg_ : documentCodePage_;
  if (dirty_) Refresh();
  return codePage_;
}

// A byte of text, from \'hh or as it stands, in the current code page.
void RtfReader::Byte(unsigned char byte) {
  if (group_.destination != Destination::Text && group_.destination != Destination::FontTable)
    return;
  const CodePage codePage = CurrentCodePage();
  if (IsDoubleByteCodePage(codePage)) {
    if (IsLeadByte(codePage, byte)) {
      tokenizer_.SkipTrailByte();
      CodePoint(0xFFFD);  // we carry no double-byte tables
    } else {
      CodePoint(DoubleByteSingleToUnicode(codePage, byte));
    }
    return;
  }
  CodePoint(codePage == kCodePageWindows1252 ? Cp1252ToUnicode(byte)
                                             : SingleByteToUnicode(codePage, byte));
}

std::optional<RichDocument> ReadRtf(std::string_view bytes) {
  size_t start = 0;
  if (bytes.starts_with("\xEF\xBB\xBF")) start = 3;
  while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' ||
                                  bytes[start] == '\r' || bytes[start] == '\n'))
    ++start;
  if (bytes.substr(start, 5) != "{\\rtf") return std::nullopt;
  return RtfReader(bytes.substr(start)).Read();
}

}  // namespace vorel
