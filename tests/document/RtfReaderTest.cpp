// The RTF reader: what other programs write, what breaks readers, and every escape of text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "document/Rtf.h"
#include "document/RtfTestDocuments.h"

namespace vorel {
namespace {

using test::Format;

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(VOREL_TEST_DATA) + "/rtf/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

RichDocument Read(std::string_view rtf) {
  auto document = ReadRtf(rtf);
  if (!document) ADD_FAILURE() << "not read as RTF: " << rtf.substr(0, 60);
  return document.value_or(RichDocument{});
}

std::string TextOf(std::string_view rtf) {
  return Read(rtf).PlainText();
}

struct TextCase {
  const char* name;
  std::string_view rtf;
  std::string_view text;
};

void ExpectTexts(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextOf(c.rtf), c.text);
  }
}

TEST(RtfReader, ReadsSamplesOfCommonWritersAsText) {
  const struct {
    const char* file;
    const char* text;
  } cases[] = {
      {"word-style.rtf",
       "Qualités\nVous êtes déterminé et l’œuvre vous attend\u202F: courage.[1. Note de bas de "
       "page.]\nLien\n"
       "Nombre\t7\n\nPremier point\nŠž. Fin du rapport."},
      {"wordpad-style.rtf", "Café crème, brûlée.\nRouge italique\nZażółć gęślą jaźń\nПривет\n"},
      {"writer-style.rtf",
       "Portrait\nUne personnalité à part entière («\u00A0citation\u00A0»)\n"
       "Bleu souligné, puis € et œ."},
      {"textedit-style.rtf",
       "Bilan\nPremière ligne\nSeconde «\u00A0ligne\u00A0»\n€ et “guillemets”"},
      {"abiword-style.rtf", "Titre rouge\nTexte noir avec élégance."},
      {"converter-style.rtf",
       "Titre\nL’œuvre complète en italique et code.\nJaponais あい fin\n"
       "Emoji 😀 ok; seul \uFFFD x\nSans repli été\nnouveau…"},
      {"binary.rtf", "Avant  après\n image\nx y\nfin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = ReadFile(c.file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(TextOf(bytes), c.text);
  }
}

TEST(RtfReader, KeepsTheFormattingOfCommonWriters) {
  const RichDocument word = Read(ReadFile("word-style.rtf"));
  ASSERT_GE(word.paragraphs.size(), 3u);
  EXPECT_EQ(word.paragraphs[0].format.alignment, Alignment::Center);
  EXPECT_EQ(word.paragraphs[0].runs.at(0).format,
            Format("Arial", 32, true, false, false, Color{192, 0, 0}));
  const Paragraph& body = word.paragraphs[1];
  EXPECT_EQ(body.format, (ParagraphFormat{0, 1000, 1000, Alignment::Justify}));
  ASSERT_EQ(body.runs.size(), 3u);
  EXPECT_EQ(body.runs[1].text, "courage");
  EXPECT_EQ(body.runs[1].format, Format("Times New Roman", 24, true, true));
  EXPECT_EQ(word.paragraphs[2].runs.at(0).format,
            Format("Calibri", 22, false, false, true, Color{0, 0, 255}));
  EXPECT_EQ(word.paragraphs[5].format.firstIndent, -360);

  const RichDocument writer = Read(ReadFile("writer-style.rtf"));
  ASSERT_EQ(writer.paragraphs.size(), 3u);
  EXPECT_EQ(writer.paragraphs[0].runs.at(0).format, Format("Liberation Sans", 28, true));
  EXPECT_EQ(writer.paragraphs[0].markFormat, Format("Liberation Sans", 28));
  EXPECT_EQ(writer.paragraphs[1].runs.at(1).format, Format("Liberation Serif", 24, false, true));
  EXPECT_EQ(writer.paragraphs[2].runs.at(0).format,
            Format("Liberation Serif", 24, false, false, true, Color{0, 0, 255}));

  // AbiWord's colour table has no "auto" entry: 1 is the second colour written.
  const RichDocument abiword = Read(ReadFile("abiword-style.rtf"));
  EXPECT_EQ(abiword.paragraphs.at(0).runs.at(0).format,
            Format("Arial", 28, true, false, false, Color{255, 0, 0}));
  EXPECT_EQ(abiword.paragraphs.at(1).runs.at(0).format, Format("Times New Roman", 24));

  const RichDocument textedit = Read(ReadFile("textedit-style.rtf"));
  EXPECT_EQ(textedit.paragraphs.at(0).runs.at(0).format, Format("Helvetica-Bold", 24, true));
  EXPECT_EQ(textedit.paragraphs.at(2).runs.at(0).format,
            Format("Helvetica", 24, false, false, false, Color{220, 0, 0}));
}

TEST(RtfReader, ReadsControlWordsAndSymbolsAsText) {
  ExpectTexts({
      {"one space ends a word", R"({\rtf1 \b  x})", " x"},
      {"other delimiters are text", R"({\rtf1 a\b?c\b0;d})", "a?c;d"},
      {"bare line ends are not spaces", "{\\rtf1 a\r\nb\rc\nd}", "abcd"},
      {"backslash and line end is a paragraph", "{\\rtf1 a\\\nb\\\r\nc}", "a\nb\nc"},
      {"escaped specials", R"({\rtf1 \\\{\}})", "\\{}"},
      {"symbols",
       R"({\rtf1 \emdash\endash\emspace\enspace\qmspace\bullet\lquote\rquote\ldblquote\rdblquote})",
       "—–\u2003\u2002\u2005•‘’“”"},
      {"invisible marks", R"({\rtf1 a\zwj\zwnj\ltrmark\rtlmark b})", "a\u200D\u200C\u200E\u200Fb"},
      {"control symbols", R"({\rtf1 a\~b\-c\_d\|e\:f})", "a\u00A0b\u00ADc\u2011def"},
      {"tab and line", R"({\rtf1 a\tab b\line c})", "a\tb\nc"},
      {"raw tab", "{\\rtf1 a\tb}", "a\tb"},
      {"section and page breaks end a paragraph once", R"({\rtf1 a\page\par b\sect c})",
       "a\n\nb\nc"},
      {"unknown words are ignored", R"({\rtf1 a\foo\bar12 b\af3\hich\loch\dbch c})", "abc"},
      {"parameters are 32-bit and saturate", R"({\rtf1\rsid99999999999 a\b-99999999999 b})", "ab"},
      {"ignored destinations",
       R"({\rtf1{\info{\title T}}{\stylesheet{\s1 Normal;}}a{\pict 0a0b}{\header h}{\footer f})"
       R"({\listtext 1.}{\pntext 2.}{\nonshppict{\pict 00}}b})",
       "ab"},
      {"unknown starred groups are skipped", R"({\rtf1 a{\*\unknown b{c}\par}d})", "ad"},
      {"fields keep their result",
       R"({\rtf1 {\field{\*\fldinst HYPERLINK "u"}{\fldrslt lien}})"
       R"( {\field{\fldinst PAGE}{\fldrslt 3}}})",
       "lien 3"},
      {"objects keep their result",
       R"({\rtf1 {\object\objemb{\*\objclass Paint}{\*\objdata 0102}{\result vu}}})", "vu"},
      {"\\upr reads its Unicode version", R"({\rtf1 {\upr{A}{\*\ud{\u8364?}}}})", "€"},
      {"hidden text", R"({\rtf1 a{\v cach\'e9}b\v c\v0 d})", "abd"},
      {"capitals", R"({\rtf1 {\caps \'e9t\'e9 \'9cil \u255? x}\caps0 y})", "ÉTÉ ŒIL Ÿ Xy"},
      {"super, sub and highlight keep their text",
       R"({\rtf1 x{\super 2}{\sub i}{\highlight3 h}{\strike s}})", "x2ihs"},
      {"tables read as rows of tab-separated cells",
       R"({\rtf1\trowd\cellx100\cellx200\pard\intbl A\cell B\cell\row)"
       R"(\trowd\cellx100\cellx200\pard\intbl\cell C\cell\row after})",
       "A\tB\n\tC\nafter"},
      {"nested tables", R"({\rtf1 a\nestcell b\nestcell{\*\nesttableprops\nestrow}\nestrow})",
       "a\tb"},
      {"text after the document", R"({\rtf1 a}b{\rtf1 c})", "a"},
  });
}

TEST(RtfReader, DecodesBytesThroughTheCodePageInForce) {
  ExpectTexts({
      {"Windows-1252 by default", R"({\rtf1 \'e9\'80\'9c\'92\'85})", "é€œ’…"},
      {"hex digits of either case", R"({\rtf1 \'E9\'eA})", "éê"},
      {"raw 8-bit bytes", "{\\rtf1 caf\xe9}", "café"},
      {"document code page", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", "При"},
      {"negative code page", R"({\rtf1\ansi\ansicpg-64286 \'b9})", "ą"},
      {"font charset wins over the document code page",
       R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset238 B;}{\f2\fcharset204 C;}})"
       R"(\f0\'e9\f1\'e6\f2\'e6{\f1\'b3}\'e6})",
       "éćжłж"},
      {"font code page", R"({\rtf1{\fonttbl{\f0\cpg1250 A;}}\f0\'9c})", "ś"},
      {"default charset defers to the document",
       R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset1 A;}}\f0\'cf})", "П"},
      {"default font's code page", R"({\rtf1\deff1{\fonttbl{\f1\fcharset161 G;}}\'e1})", "α"},
      {"Mac Roman", R"({\rtf1\mac \'8e\'8a\'a5})", "éä•"},
      {"other single-byte code pages",
       R"({\rtf1{\fonttbl{\f0\fcharset162 T;}{\f1\fcharset177 H;}{\f2\fcharset178 A;})"
       R"({\f3\fcharset186 B;}{\f4\fcharset222 Th;}{\f5\fcharset163 V;}})"
       R"(\f0\'f0\f1\'e0\f2\'c7\f3\'e0\f4\'a1\f5\'e0})",
       "ğאاąกà"},
      {"double-byte pairs become one replacement character",
       R"({\rtf1{\fonttbl{\f0\fcharset128 Mincho;}}\f0 a\'82\'a0b\'b1c\'82d\'82}e})",
       "a\uFFFDbｱc\uFFFD\uFFFD"},
  });
  const RichDocument named = Read(
      R"({\rtf1{\fonttbl{\f0\fcharset238 \'8ajrift {\*\falt Other} ;}{\f1 \u8734?\'3b;}}\f0 a\f1 b})");
  ASSERT_EQ(named.paragraphs.at(0).runs.size(), 2u);
  EXPECT_EQ(named.paragraphs[0].runs[0].format.font, "Šjrift");
  EXPECT_EQ(named.paragraphs[0].runs[1].format.font, "∞;");
}

TEST(RtfReader, DecodesUnicodeEscapesAndSkipsTheirFallback) {
  ExpectTexts({
      {"one fallback byte", R"({\rtf1 \u233\'e9t\u233?})", "été"},
      {"negative values", R"({\rtf1 \u-3\'3f\u-24\'3f})", "\uFFFD\uFFE8"},
      {"surrogate pair", R"({\rtf1 \u55357\'3f\u56832\'3f!})", "😀!"},
      {"lone high surrogate", R"({\rtf1 \u55357\'3f x})", "\uFFFD x"},
      {"lone low surrogate", R"({\rtf1 \u-8704\'3f x})", "\uFFFD x"},
      {"two fallback units", R"({\rtf1\uc2 \u12354\'82\'a0x})", "あx"},
      {"a control word is one unit", R"({\rtf1 \u8364\bullet x})", "€x"},
      {"a text character is one unit", R"({\rtf1 \u8364 Ex})", "€x"},
      {"a group ends the fallback", R"({\rtf1\uc3 {\u233 a}b})", "éb"},
      {"\\uc belongs to its group", R"({\rtf1 {\uc0 \u233}\u233 x})", "éé"},
      {"zero units", R"({\rtf1\uc0 \u233 x})", "éx"},
      {"line ends inside a fallback do not count", "{\\rtf1 \\u233\r\n\\'3fx}", "éx"},
      {"code points past U+FFFF", R"({\rtf1\uc0 \u128512})", "😀"},
  });
}

TEST(RtfReader, ReadsCharacterFormattingByGroupAndSwitch) {
  const RichDocument document =
      Read(R"({\rtf1{\fonttbl{\f0 Times New Roman;}{\f1 Arial;}}{\colortbl;\red10\green20\blue30;})"
           R"(\f0\fs24 a\b b\b0 c{\i\f1\fs30\cf1 d}e\ul f\ul0 g\uldb h\ulnone i\ulc1 j)"
           R"(\strike k\strike0 l{\super m}{\sub n}\super o\nosupersub p\striked1 q\striked0 r)"
           R"({\super\sub s}{\sub t\super0 u}{\strike\super v\plain w}\par})");
  ASSERT_EQ(document.paragraphs.size(), 1u);
  const std::vector<vorel::Run> expected = {
      {"a", Format("Times New Roman", 24)},
      {"b", Format("Times New Roman", 24, true)},
      {"c", Format("Times New Roman", 24)},
      {"d", Format("Arial", 30, false, true, false, Color{10, 20, 30})},
      {"e", Format("Times New Roman", 24)},
      {"f", Format("Times New Roman", 24, false, false, true)},
      {"g", Format("Times New Roman", 24)},
      {"h", Format("Times New Roman", 24, false, false, true)},
      {"ij", Format("Times New Roman", 24)},
      {"k", Format("Times New Roman", 24, false, false, false, {}, true)},
      {"l", Format("Times New Roman", 24)},
      {"m", Format("Times New Roman", 24, false, false, false, {}, false, Script::Super)},
      {"n", Format("Times New Roman", 24, false, false, false, {}, false, Script::Sub)},
      {"o", Format("Times New Roman", 24, false, false, false, {}, false, Script::Super)},
      {"p", Format("Times New Roman", 24)},
      {"q", Format("Times New Roman", 24, false, false, false, {}, true)},
      {"r", Format("Times New Roman", 24)},
      {"st", Format("Times New Roman", 24, false, false, false, {}, false, Script::Sub)},
      {"u", Format("Times New Roman", 24)},
      {"v", Format("Times New Roman", 24, false, false, false, {}, true, Script::Super)},
      {"w", Format("Times New Roman", 24)},
  };
  EXPECT_EQ(document.paragraphs[0].runs, expected);
}

TEST(RtfReader, ResetsAndClampsCharacterProperties) {
  const struct {
    const char* name;
    std::string_view rtf;
    CharFormat format;
  } cases[] = {
      {"\\plain resets to the default font and size",
       R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1 B;}}\f0\fs40\b\i\ul\cf1\plain x})", Format("B", 24)},
      {"\\pard keeps character properties", R"({\rtf1{\fonttbl{\f0 A;}}\b\pard x})",
       Format("A", 24, true)},
      {"\\fs0 is the default size", R"({\rtf1\fs0 x})", Format("Times New Roman", 24)},
      {"tiny size", R"({\rtf1\fs1 x})", Format("Times New Roman", 2)},
      {"huge size", R"({\rtf1\fs99999 x})", Format("Times New Roman", 3276)},
      {"unknown font is the default font", R"({\rtf1{\fonttbl{\f0 A;}}\f2147483647 x})",
       Format("A", 24)},
      {"negative font number", R"({\rtf1{\fonttbl{\f0 A;}{\f-5 N;}}\f-5 x})", Format("N", 24)},
      {"no font table", R"({\rtf1\f3 x})", Format("Times New Roman", 24)},
      {"colour out of range", R"({\rtf1{\colortbl;\red9\green9\blue9;}\cf9999 x})",
       Format("Times New Roman", 24)},
      {"negative colour", R"({\rtf1{\colortbl\red9\green9\blue9;}\cf-1 x})",
       Format("Times New Roman", 24)},
      {"auto colour", R"({\rtf1{\colortbl;\red9\green9\blue9;}\cf0 x})",
       Format("Times New Roman", 24)},
      {"components clamp", R"({\rtf1{\colortbl\red999\green-4\blue7;}\cf0 x})",
       Format("Times New Roman", 24, false, false, false, Color{255, 0, 7})},
      {"font table without inner groups",
       R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1\fnil Menlo;}\f1 x})", Format("Menlo", 24)},
      {"font entry without a semicolon", R"({\rtf1{\fonttbl{\f0 Arial}}\f0 x})",
       Format("Arial", 24)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RichDocument document = Read(c.rtf);
    ASSERT_EQ(document.paragraphs.size(), 1u);
    ASSERT_EQ(document.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(document.paragraphs[0].runs[0].format, c.format);
  }
}

TEST(RtfReader, TakesParagraphPropertiesInForceAtTheParagraphMark) {
  const RichDocument document = Read(R"({\rtf1 \li100 a\li200\ri300\fi-50\qc\par )"
                                     R"(b{\lin400\rin500\qr\par}c\pard\qj\par )"
                                     R"(\li-9999999999 d\par )"
                                     R"(\fs40\b\par )"
                                     R"(\ql e})");
  const std::vector<std::pair<std::string, ParagraphFormat>> expected = {
      {"a", {-50, 200, 300, Alignment::Center}},
      {"b", {-50, 400, 500, Alignment::Right}},
      {"c", {0, 0, 0, Alignment::Justify}},
      {"d", {0, std::numeric_limits<int>::min(), 0, Alignment::Justify}},
      {"", {0, std::numeric_limits<int>::min(), 0, Alignment::Justify}},
      {"e", {0, std::numeric_limits<int>::min(), 0, Alignment::Left}},
  };
  ASSERT_EQ(document.paragraphs.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(document.paragraphs[i].Text(), expected[i].first) << i;
    EXPECT_EQ(document.paragraphs[i].format, expected[i].second) << i;
  }
  // The mark of the empty paragraph carries the size set before it.
  EXPECT_EQ(document.paragraphs[4].markFormat, Format("Times New Roman", 40, true));
}

TEST(RtfReader, ReadsTabStopsWithTheirKindAndLeader) {
  std::string many = "{\\rtf1";
  for (int i = 1; i <= 100; ++i) many += "\\tx" + std::to_string(i * 10);
  std::vector<TabStop> first64;
  for (int i = 1; i <= 64; ++i) first64.push_back(TabStop{i * 10});
  const struct {
    const char* name;
    std::string_view rtf;
    std::vector<TabStop> tabs;
  } cases[] = {
      {"a list item", R"({\rtf1{\pard\ql\li360\fi-360 \bullet \tx360\tab un\par}})", {{360}}},
      {"kinds and leaders, sorted",
       R"({\rtf1\tqr\tldot\tx5000\tqc\tx3000\tqdec\tlhyph\tx7000\tx-100 x})",
       {{-100},
        {3000, TabKind::Center},
        {5000, TabKind::Right, TabLeader::Dots},
        {7000, TabKind::Decimal, TabLeader::Hyphens}}},
      {"the other leaders",
       R"({\rtf1\tlmdot\tx1\tlul\tx2\tlth\tx3\tleq\tx4 x})",
       {{1, TabKind::Left, TabLeader::MiddleDots},
        {2, TabKind::Left, TabLeader::Underline},
        {3, TabKind::Left, TabLeader::ThickLine},
        {4, TabKind::Left, TabLeader::Equals}}},
      {"a stop set again is replaced", R"({\rtf1\tx500\tqr\tx500 x})", {{500, TabKind::Right}}},
      {"bar tabs are passed over with their kind", R"({\rtf1\tqr\tldot\tb800\tx900 x})", {{900}}},
      {"\\pard clears the stops and a pending kind", R"({\rtf1\tx100\tqr\pard\tx200 x})", {{200}}},
      {"stops belong to the group", R"({\rtf1\tx100{\tx300}x})", {{100}}},
      {"stops of a skipped group", R"({\rtf1{\stylesheet{\s1\tx300 Normal;}}x})", {}},
      {"at most 64 stops", many, first64},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RichDocument document = Read(c.rtf);
    ASSERT_EQ(document.paragraphs.size(), 1u);
    EXPECT_EQ(document.paragraphs[0].format.tabs, c.tabs);
  }
  // The stops are those in force at the paragraph mark, like the other properties.
  const RichDocument two = Read(R"({\rtf1\tx100 a\par\pard\tqc\tx200 b\par c})");
  ASSERT_EQ(two.paragraphs.size(), 3u);
  EXPECT_EQ(two.paragraphs[0].format.tabs, std::vector<TabStop>{{100}});
  EXPECT_EQ(two.paragraphs[1].format.tabs, (std::vector<TabStop>{{200, TabKind::Center}}));
  EXPECT_EQ(two.paragraphs[2].format.tabs, (std::vector<TabStop>{{200, TabKind::Center}}));
}

// The window has no notes: each note's text stands in brackets where its mark stands.
TEST(RtfReader, ShowsNotesInBracketsWhereTheirMarkStands) {
  ExpectTexts({
      {"a word processor's note",
       R"({\rtf1 le texte{\cs15\super\chftn {\footnote\pard\plain\s16\fs20 {\cs15\super\chftn })"
       R"({  Texte de la note.}}}\par suite})",
       "le texte[1. Texte de la note.]\nsuite"},
      {"a starred note of two paragraphs",
       "{\\rtf1 note{\\super\\chftn}{\\*\\footnote\\chftn\\~\\plain\\pard {\\pard\\ql "
       "Premier.\\par}\r\n"
       "{\\pard Second.\\par}\r\n} et suite.\\par}",
       "note[1. Premier. Second.] et suite."},
      {"numbers follow the notes, endnotes apart",
       R"({\rtf1 a{\footnote\chftn x}b{\footnote\ftnalt\chftn\tab y}c{\footnote\chftn z}})",
       "a[1. x]b[1. y]c[2. z]"},
      {"a note without a number", R"({\rtf1 a{\*\footnote  \par note}b})", "a[note]b"},
      {"groups, fields and tables inside a note",
       R"({\rtf1 a{\footnote\chftn {\i en {\b gras}} fin{\*\bkmkstart x})"
       R"({\field{\*\fldinst PAGE}{\fldrslt 3}} A\cell B\cell\row C\line D}b})",
       "a[1. en gras fin3 A\tB C\nD]b"},
      {"separators stay skipped",
       R"({\rtf1{\*\ftnsep\chftnsep}{\*\ftnsepc\chftnsepc}{\*\ftncn x}{\*\aftnsep y}a})", "a"},
      {"a hidden mark hides its note", R"({\rtf1 a{\v{\footnote x}}b})", "ab"},
      {"hidden text inside a note", R"({\rtf1 a{\footnote x{\v y}z}b})", "a[xz]b"},
      {"a note in a skipped group", R"({\rtf1 a{\*\unknown{\footnote x}}b})", "ab"},
      {"a note at the end", R"({\rtf1 texte{\footnote\chftn note}}})", "texte[1. note]"},
      {"a note cut short", R"({\rtf1 texte{\footnote\chftn note {\i x)", "texte[1. note x]"},
      {"a note of its own paragraph", R"({\rtf1 a\par{\footnote b}\par c})", "a\n[b]\nc"},
  });
  // The note takes the body's format at its mark, but its bytes decode in its own font.
  const RichDocument document =
      Read(R"({\rtf1{\fonttbl{\f0 Times;}{\f1 Arial;}{\f2\fcharset204 Cyr;}})"
           R"(\f0\fs24\b gras{\footnote\pard\plain\f1\fs16 note {\f2\'cf}}\b0 fin})");
  ASSERT_EQ(document.paragraphs.size(), 1u);
  const std::vector<vorel::Run> expected = {{"gras[note П]", Format("Times", 24, true)},
                                            {"fin", Format("Times", 24)}};
  EXPECT_EQ(document.paragraphs[0].runs, expected);
}

TEST(RtfReader, RejectsWhatIsNotRtf) {
  for (std::string_view bytes : {"", "hello", "{\\rt", "{\\RTF1 x}", "{ \\rtf1 x}", "\\rtf1",
                                 "\xEF\xBB\xBF\xEF\xBB\xBF{\\rtf1}"})
    EXPECT_FALSE(ReadRtf(bytes)) << bytes;
  EXPECT_EQ(TextOf(" \t\r\n{\\rtf1 x}"), "x");
  EXPECT_EQ(TextOf("\xEF\xBB\xBF\r\n{\\rtf1 x}"), "x");
  EXPECT_EQ(Read("{\\rtf1}").paragraphs, std::vector<Paragraph>(1));
  EXPECT_EQ(Read("{\\rtf").paragraphs, std::vector<Paragraph>(1));
}

// The classic inputs that hang, exhaust or crash readers: each must come back quickly with
// the text before the damage.
TEST(RtfReader, SurvivesMalformedInput) {
  const std::string deep = "{\\rtf1 abc" + std::string(200000, '{') + "def";
  std::string unclosedBold = "{\\rtf1 a";
  for (int i = 0; i < 100000; ++i) unclosedBold += "{\\b x";
  const std::string longWord = "{\\rtf1 a\\" + std::string(100000, 'x') + " b}";
  const std::string longNumber = "{\\rtf1 a\\fs" + std::string(100000, '9') + " b}";
  ExpectTexts({
      {"200,000 nested groups", deep, "abcdef"},
      {"100,000 unclosed bold groups", unclosedBold, "a" + std::string(100000, 'x')},
      {"huge \\bin in a short file", R"({\rtf1 abc\bin2147483647 xyz})", "abc"},
      {"negative \\bin", R"({\rtf1 abc\bin-5 xyz})", "abcxyz"},
      {"\\bin data with braces in a starred group", "{\\rtf1 a{\\*\\x\\bin3 }{}}b}", "ab"},
      {"\\bin as a fallback", "{\\rtf1 \\u233\\bin2 }}x}", "éx"},
      {"negative \\uc", R"({\rtf1\uc-1 \u233 x})", "éx"},
      {"huge \\uc", R"({\rtf1 {\uc2147483647 \u233 abc}def})", "édef"},
      {"most negative \\u", R"({\rtf1 \u-2147483648 ab})", "\uFFFDb"},
      {"\\u at the end", "{\\rtf1 ab\\u", "ab"},
      {"\\u with a fallback cut short", "{\\rtf1 ab\\u233", "abé"},
      {"\\'e at the end", "{\\rtf1 ab\\'e", "ab"},
      {"backslash at the end", "{\\rtf1 ab\\", "ab"},
      {"bad hex digits", R"({\rtf1 a\'zzb\'4g})", "azzbg"},
      {"hex escape before a brace", R"({\rtf1 a\'}b)", "a"},
      {"huge font number", R"({\rtf1 a\f2147483647 b})", "ab"},
      {"negative font", R"({\rtf1 a\f-5 b})", "ab"},
      {"huge colour", R"({\rtf1 a\cf9999 b})", "ab"},
      {"negative colour", R"({\rtf1 a\cf-1 b})", "ab"},
      {"100,000-letter control word", longWord, "ab"},
      {"100,000-digit parameter", longNumber, "ab"},
      {"extra closing brace", R"({\rtf1 a}}b)", "a"},
      {"extra closing brace inside", R"({\rtf1 a{\b b}}c})", "ab"},
      {"missing closing brace", R"({\rtf1 a\par b)", "a\nb"},
      {"NUL bytes", std::string_view("{\\rtf1 a\0b\\u0?c}", 16), "abc"},
      {"truncated font table", R"({\rtf1{\fonttbl{\f0 Ari)", ""},
  });
  const RichDocument bold = Read(unclosedBold);
  ASSERT_EQ(bold.paragraphs.size(), 1u);
  EXPECT_EQ(bold.paragraphs[0].runs.back().format, Format("Times New Roman", 24, true));
}

TEST(RtfReader, BoundsParagraphsAndRunsButKeepsTheText) {
  std::string rtf = "{\\rtf1 ";
  std::string text;
  for (int i = 0; i < 600'000; ++i) {
    rtf += "\\b a\\b0 b\\par ";
    text += "ab\n";
  }
  const RichDocument document = Read(rtf);
  EXPECT_EQ(document.paragraphs.size(), 500'000u);
  // Past the limit paragraph ends are line breaks, the last one included.
  EXPECT_TRUE(document.PlainText() == text);  // no diff of a megabyte on failure
  size_t runs = 0;
  for (const Paragraph& paragraph : document.paragraphs) runs += paragraph.runs.size();
  EXPECT_EQ(runs, 1'000'000u);
}

TEST(RtfReader, ReadsEveryCutOfAFileAsTheTextBeforeTheCut) {
  const std::string rtf = WriteRtf(test::ReportDocument());
  const std::string full = ReadRtf(rtf)->PlainText();
  for (size_t cut = 5; cut <= rtf.size(); ++cut) {
    const auto document = ReadRtf(std::string_view(rtf).substr(0, cut));
    ASSERT_TRUE(document) << cut;
    const std::string text = document->PlainText();
    ASSERT_EQ(full.compare(0, text.size(), text), 0) << "cut at " << cut << ": " << text;
  }
}

}  // namespace
}  // namespace vorel
