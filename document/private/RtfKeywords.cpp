// The control-word table of the RTF reader and its hash index, both built at compile time.
#include "document/private/RtfKeywords.h"

#include <algorithm>
#include <array>

#include "base/CodePages.h"
#include "document/RichDocument.h"

namespace vorel {
namespace {

using A = RtfAction;

// Longer words are not RTF; they are passed over like unknown ones.
constexpr size_t kMaxRtfWordLength = 32;

constexpr std::uint32_t WordHash(std::string_view word) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : word) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

// Words of 1 to kMaxRtfWordLength bytes, none twice.
template <size_t N>
constexpr bool IsValidTable(const std::array<RtfKeyword, N>& table) {
  for (size_t i = 0; i < N; ++i) {
    if (table[i].word.empty() || table[i].word.size() > kMaxRtfWordLength) return false;
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
template <size_t N, size_t M>
constexpr std::array<RtfKeyword, N + M> Join(const RtfKeyword (&entries)[N],
                                             const std::array<std::string_view, M>& words,
                                             RtfKeyword shared) {
  std::array<RtfKeyword, N + M> table{};
  for (size_t i = 0; i < N; ++i) table[i] = entries[i];
  for (size_t i = 0; i < M; ++i) {
    table[N + i] = shared;
    table[N + i].word = words[i];
  }
  return table;
}

// Open addressing in a table over twice the size of the list: a lookup hashes the word once
// and compares about one entry. A slot holds an entry's position plus one, 0 when free.
template <size_t Size, size_t N>
constexpr std::array<std::uint16_t, Size> BuildIndex(const std::array<RtfKeyword, N>& table) {
  static_assert((Size & (Size - 1)) == 0 && N * 2 < Size);
  std::array<std::uint16_t, Size> index{};
  for (size_t i = 0; i < N; ++i) {
    size_t slot = WordHash(table[i].word) & (Size - 1);
    while (index[slot] != 0) slot = (slot + 1) & (Size - 1);
    index[slot] = static_cast<std::uint16_t>(i + 1);
  }
  return index;
}

constexpr RtfKeyword kKeywords[] = {
    {"ansi", A::CodePage, kCodePageWindows1252},
    {"mac", A::CodePage, kCodePageMacRoman},
    {"pc", A::CodePage, 437},
    {"pca", A::CodePage, 850},
    {"ansicpg", A::AnsiCodePage},
    {"deff", A::DefaultFont},

    {"fcharset", A::FontCharset},
    {"cpg", A::FontCodePage},
    {"red", A::ColorComponent, 0},
    {"green", A::ColorComponent, 1},
    {"blue", A::ColorComponent, 2},

    {"fonttbl", A::FontTable},
    {"colortbl", A::ColorTable},
    {"object", A::ObjectGroup},
    {"upr", A::UprGroup},
    {"*", A::Starred},
    {"result", A::ObjectResult},
    {"ud", A::UnicodeVersion},
    // Notes are often starred, though their text is the body's.
    {"footnote", A::Footnote},

    {"plain", A::Plain},
    {"f", A::Font},
    {"fs", A::FontSize},
    {"b", A::Bold},
    {"i", A::Italic},
    {"ulnone", A::UnderlineNone},
    {"cf", A::TextColor},
    {"v", A::Hidden},
    {"caps", A::Caps},
    // A double strike reads as a strike; \up and \dn, a raise by a measure, are not read.
    {"strike", A::Strike},
    {"striked", A::Strike},
    {"super", A::Script, int(Script::Super)},
    {"sub", A::Script, int(Script::Sub)},
    {"nosupersub", A::Script, int(Script::Normal)},
    // Every underline style reads as underline; \ulc is only its colour.
    {"ul", A::Underline},
    {"uld", A::Underline},
    {"uldash", A::Underline},
    {"uldashd", A::Underline},
    {"uldashdd", A::Underline},
    {"uldb", A::Underline},
    {"ulhwave", A::Underline},
    {"ulldash", A::Underline},
    {"ulth", A::Underline},
    {"ulthd", A::Underline},
    {"ulthdash", A::Underline},
    {"ulthdashd", A::Underline},
    {"ulthdashdd", A::Underline},
    {"ulthldash", A::Underline},
    {"ululdbwave", A::Underline},
    {"ulw", A::Underline},
    {"ulwave", A::Underline},
    {"ulhair", A::Underline},

    {"pard", A::Pard},
    {"li", A::LeftIndent},
    {"lin", A::LeftIndent},
    {"ri", A::RightIndent},
    {"rin", A::RightIndent},
    {"fi", A::FirstIndent},
    {"ql", A::Align, int(Alignment::Left)},
    {"qc", A::Align, int(Alignment::Center)},
    {"qr", A::Align, int(Alignment::Right)},
    {"qj", A::Align, int(Alignment::Justify)},
    {"qd", A::Align, int(Alignment::Justify)},
    {"tx", A::TabPosition},
    {"tb", A::BarTab},
    {"tqc", A::TabStopKind, int(TabKind::Center)},
    {"tqr", A::TabStopKind, int(TabKind::Right)},
    {"tqdec", A::TabStopKind, int(TabKind::Decimal)},
    {"tldot", A::TabStopLeader, int(TabLeader::Dots)},
    {"tlmdot", A::TabStopLeader, int(TabLeader::MiddleDots)},
    {"tlhyph", A::TabStopLeader, int(TabLeader::Hyphens)},
    {"tlul", A::TabStopLeader, int(TabLeader::Underline)},
    {"tlth", A::TabStopLeader, int(TabLeader::ThickLine)},
    {"tleq", A::TabStopLeader, int(TabLeader::Equals)},

    {"par", A::Par},
    {"\r", A::Par},  // a backslash before a line end
    {"\n", A::Par},
    {"sect", A::SectionBreak},
    {"page", A::SectionBreak},
    {"line", A::LineBreak},
    {"tab", A::Tab},
    {"cell", A::Cell},
    {"nestcell", A::Cell},
    {"row", A::Row},
    {"nestrow", A::Row},
    {"u", A::Unicode},
    {"uc", A::FallbackUnits},
    {"chftn", A::NoteMark},
    {"ftnalt", A::Endnote},
    {"\\", A::EscapedSpecial, '\\'},
    {"{", A::EscapedSpecial, '{'},
    {"}", A::EscapedSpecial, '}'},
    {"~", A::Symbol, 0xA0},
    {"-", A::Symbol, 0xAD},
    {"_", A::Symbol, 0x2011},
    {"emdash", A::Symbol, 0x2014},
    {"endash", A::Symbol, 0x2013},
    {"emspace", A::Symbol, 0x2003},
    {"enspace", A::Symbol, 0x2002},
    {"qmspace", A::Symbol, 0x2005},
    {"bullet", A::Symbol, 0x2022},
    {"lquote", A::Symbol, 0x2018},
    {"rquote", A::Symbol, 0x2019},
    {"ldblquote", A::Symbol, 0x201C},
    {"rdblquote", A::Symbol, 0x201D},
    {"zwj", A::Symbol, 0x200D},
    {"zwnj", A::Symbol, 0x200C},
    {"ltrmark", A::Symbol, 0x200E},
    {"rtlmark", A::Symbol, 0x200F},
    {"zwbo", A::Symbol, 0x200B},
    {"zwnbo", A::Symbol, 0xFEFF},
};

// Groups whose content is not body text: metadata, pictures, headers and footers, note
// separators, list numbers (the paragraph text already holds them), field instructions, index
// entries.
constexpr std::string_view kSkipped =
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

constexpr auto kTable =
    Join(kKeywords, SplitWords<CountWords(kSkipped)>(kSkipped), RtfKeyword{{}, A::SkipGroup});
static_assert(IsValidTable(kTable));
constexpr size_t kIndexSize = 512;
constexpr auto kIndex = BuildIndex<kIndexSize>(kTable);

}  // namespace

const RtfKeyword* FindRtfKeyword(std::string_view word) {
  if (word.size() > kMaxRtfWordLength) return nullptr;
  for (size_t slot = WordHash(word) & (kIndexSize - 1); kIndex[slot] != 0;
       slot = (slot + 1) & (kIndexSize - 1)) {
    const RtfKeyword& keyword = kTable[kIndex[slot] - 1];
    if (keyword.word == word) return &keyword;
  }
  return nullptr;
}

}  // namespace vorel
