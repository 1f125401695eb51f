// The RTF writer: its exact output, the rules its bytes follow, and round trips through the
// reader.
#include <gtest/gtest.h>

#include "document/Rtf.h"
#include "document/RtfTestDocuments.h"

namespace vorel {
namespace {

using test::Format;
using test::RandomDocuments;
using test::ReportDocument;
using test::ReportParagraph;

RichDocument OneRun(std::string text) {
  RichDocument document;
  document.paragraphs.push_back(ReportParagraph({{std::move(text), CharFormat{}}}));
  return document;
}

TEST(RtfWriter, WritesTheExpectedBytesForASmallReport) {
  RichDocument document;
  const CharFormat heading = Format("Arial", 28, true);
  document.paragraphs.push_back(ReportParagraph({{"Portrait", heading}}, heading));
  Paragraph born = ReportParagraph(
      {{"Né le ", CharFormat{}}, {"1er mai", Format("Times New Roman", 24, false, true)}});
  born.format.alignment = Alignment::Justify;
  document.paragraphs.push_back(born);
  document.paragraphs.push_back(ReportParagraph({}, Format("Arial", 20)));

  const std::string expected =
      R"({\rtf1\ansi\ansicpg1252\deff0\uc1{\fonttbl{\f0\froman\fcharset0 Times New Roman;})"
      R"({\f1\fswiss\fcharset0 Arial;}}{\colortbl;\red0\green0\blue0;})"
      "\r\n"
      R"(\pard\plain\li1000\ri1000\fi0\ql\f1\fs28\cf1\b Portrait\par)"
      "\r\n"
      R"(\pard\plain\li1000\ri1000\fi0\qj\f0\fs24\cf1 N\'e9 le \i 1er mai\i0\par)"
      "\r\n"
      R"(\pard\plain\li1000\ri1000\fi0\ql\f1\fs20\cf1\par)"
      "\r\n}";
  EXPECT_EQ(WriteRtf(document), expected);
}

// Stops follow the other paragraph properties, each with its kind and leader before it.
TEST(RtfWriter, WritesTabStopsAfterTheParagraphProperties) {
  RichDocument document;
  Paragraph list = ReportParagraph({{"\u2022\tun", CharFormat{}}});
  list.format = ParagraphFormat{-360,
                                360,
                                0,
                                Alignment::Left,
                                {{360},
                                 {4000, TabKind::Center, TabLeader::MiddleDots},
                                 {6000, TabKind::Right, TabLeader::Dots},
                                 {8000, TabKind::Decimal, TabLeader::Equals}}};
  document.paragraphs.push_back(list);
  const std::string rtf = WriteRtf(document);
  const std::string expected =
      R"(\pard\plain\li360\ri0\fi-360\ql\tx360\tqc\tlmdot\tx4000\tqr\tldot\tx6000\tqdec\tleq)"
      R"(\tx8000\f0\fs24\cf1\'95\tab un\par)";
  EXPECT_NE(rtf.find(expected), std::string::npos) << rtf;
}

TEST(RtfWriter, NamesFontFamiliesAndColours) {
  RichDocument document;
  document.paragraphs.push_back(ReportParagraph({
      {"a", Format("MS Sans Serif", 24)},
      {"b", Format("Courier New", 24)},
      {"c", Format("Verdigris", 24, false, false, false, Color{1, 2, 3})},
  }));
  const std::string rtf = WriteRtf(document);
  for (const char* fragment :
       {R"({\f1\fswiss\fcharset0 MS Sans Serif;})", R"({\f2\fmodern\fcharset0 Courier New;})",
        R"({\f3\fnil\fcharset0 Verdigris;})", R"(\red1\green2\blue3;})",
        R"(\f1\fs24\cf1 a\f2 b\f3\cf2 c\f0\cf1\par)"})
    EXPECT_NE(rtf.find(fragment), std::string::npos) << fragment << "\n" << rtf;
}

// Switches inside the paragraph, like bold; none for a plain run. A position ends with its
// own word turned off: other readers pass over \nosupersub.
TEST(RtfWriter, WritesStrikeAndVerticalPositionAsSwitches) {
  const CharFormat plain;
  const CharFormat struckUp =
      Format("Times New Roman", 24, false, false, false, {}, true, Script::Super);
  const CharFormat down =
      Format("Times New Roman", 24, false, false, false, {}, false, Script::Sub);
  RichDocument document;
  document.paragraphs.push_back(
      ReportParagraph({{"a", plain}, {"b", struckUp}, {"c", down}, {"d", plain}}, down));
  const std::string rtf = WriteRtf(document);
  EXPECT_NE(rtf.find(R"(\cf1 a\strike\super b\strike0\super0\sub c\sub0 d\sub\par)"),
            std::string::npos)
      << rtf;
}

TEST(RtfWriter, KeepsTheNonBreakingSpaceBeforePunctuation) {
  const RichDocument document = OneRun("mot\u00A0: suite\u00A0; fin\u00A0! oui\u00A0?");
  const std::string rtf = WriteRtf(document);
  EXPECT_NE(rtf.find(R"(mot\~: suite\~; fin\~! oui\~?)"), std::string::npos) << rtf;
  EXPECT_EQ(ReadRtf(rtf), document);
}

TEST(RtfWriter, EscapesEveryCharacterThatIsNotPlainAscii) {
  const struct {
    const char* text;
    const char* body;  // from the last character property to \par
  } cases[] = {
      {"a\\b{c}", R"(\cf1 a\\b\{c\}\par)"},
      {"é", R"(\cf1\'e9\par)"},
      {"œ€’", R"(\cf1\'9c\'80\'92\par)"},
      {"\xC2\xA0", R"(\cf1\~\par)"},
      {"∞", R"(\cf1\u8734\'3f\par)"},
      {"😀", R"(\cf1\u-10179\'3f\u-8704\'3f\par)"},
      {"\xEF\xBF\xBD", R"(\cf1\u-3\'3f\par)"},
      {"\xFF", R"(\cf1\u-3\'3f\par)"},  // malformed UTF-8 is written as a replacement character
      {"a\tb", R"(\cf1 a\tab b\par)"},
      {"a\n\t", R"(\cf1 a\line\tab\par)"},
      {"\x01", R"(\cf1\u1\'3f\par)"},
      {"1;2 ?", R"(\cf1 1;2 ?\par)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string rtf = WriteRtf(OneRun(c.text));
    EXPECT_NE(rtf.find(c.body), std::string::npos) << rtf;
  }
}

// Readers drop CR and LF without taking them for spaces, and some stop at 8-bit bytes.
void ExpectFileRules(const std::string& rtf) {
  for (size_t i = 0; i < rtf.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(rtf[i]);
    ASSERT_LT(c, 0x80) << "at " << i;
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < rtf.size() && rtf[i + 1] == '\n') << "lone CR at " << i;
      const bool afterPar = i >= 4 && rtf.compare(i - 4, 4, "\\par") == 0;
      const bool beforeBackslash = i + 2 < rtf.size() && rtf[i + 2] == '\\';
      ASSERT_TRUE(afterPar || beforeBackslash) << "line break at " << i;
    }
    if (c == '\n') {
      ASSERT_TRUE(i > 0 && rtf[i - 1] == '\r') << "lone LF at " << i;
    }
  }
  // Formatting is switched inline: after the header, every brace is an escaped one.
  const size_t body = rtf.find("\\pard");
  for (size_t i = body; i != std::string::npos && i + 1 < rtf.size(); ++i)
    if (rtf[i] == '{' || rtf[i] == '}') {
      ASSERT_EQ(rtf[i - 1], '\\') << "group at " << i;
    }
}

TEST(RtfWriter, WritesAsciiLinesThatBreakOnlyWhereReadersIgnoreTheBreak) {
  RichDocument report;
  for (int i = 0; i < 40; ++i)
    for (const Paragraph& paragraph : ReportDocument().paragraphs)
      report.paragraphs.push_back(paragraph);
  Paragraph& longParagraph = report.paragraphs.emplace_back();
  for (int i = 0; i < 100; ++i) AppendRun(longParagraph, "Qualité rare, sûre. ", CharFormat{});
  const std::string rtf = WriteRtf(report);
  ExpectFileRules(rtf);

  // Text with an accent every few words never makes a line longer than old readers take.
  size_t lineStart = 0;
  for (size_t end = rtf.find("\r\n"); end != std::string::npos;
       lineStart = end + 2, end = rtf.find("\r\n", lineStart))
    EXPECT_LE(end - lineStart, 255u) << rtf.substr(lineStart, end - lineStart);

  RandomDocuments random(7);
  for (int i = 0; i < 200; ++i) ExpectFileRules(WriteRtf(random.Next()));
}

TEST(RtfWriter, RoundTripsEveryAttribute) {
  RichDocument document;
  const std::vector<CharFormat> formats = {
      CharFormat{},
      Format("Arial", 28, true),
      Format("Arial", 28, true, true),
      Format("Arial", 28, false, true, true),
      Format("Courier New", 2),
      Format("MS Sans Serif", 3276, false, false, true, Color{255, 255, 255}),
      Format("Times New Roman", 24, false, false, false, Color{0, 128, 255}),
      Format("Gar;amond {Pro}\\", 24),
      Format("Émile Ünïcødé 字体", 24),
      Format("Times New Roman", 24, false, false, false, {}, true),
      Format("Times New Roman", 24, true, false, false, {}, false, Script::Super),
      Format("Arial", 20, false, true, false, {}, true, Script::Sub),
  };
  Paragraph mixed;
  for (const CharFormat& format : formats) AppendRun(mixed, "é texte ", format);
  mixed.markFormat = formats[5];
  document.paragraphs.push_back(mixed);
  for (Alignment alignment :
       {Alignment::Left, Alignment::Center, Alignment::Right, Alignment::Justify}) {
    Paragraph aligned = ReportParagraph({{"aligné", CharFormat{}}});
    aligned.format.alignment = alignment;
    document.paragraphs.push_back(aligned);
  }
  Paragraph indented = ReportParagraph({{"retrait", CharFormat{}}});
  indented.format = ParagraphFormat{-360, -720, 12000, Alignment::Left};
  document.paragraphs.push_back(indented);
  Paragraph tabbed = ReportParagraph({{"a\tb\tc", CharFormat{}}});
  for (int kind = 0; kind <= int(TabKind::Decimal); ++kind)
    for (int leader = 0; leader <= int(TabLeader::Equals); ++leader)
      tabbed.format.tabs.push_back(TabStop{kind * 2000 + leader * 100 - 200,
                                           static_cast<TabKind>(kind),
                                           static_cast<TabLeader>(leader)});
  document.paragraphs.push_back(tabbed);
  for (const CharFormat& format : formats)
    document.paragraphs.push_back(ReportParagraph({}, format));  // empty, sized by its mark

  const auto read = ReadRtf(WriteRtf(document));
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, document);
}

TEST(RtfWriter, RoundTripsRandomDocuments) {
  RandomDocuments random(20240611);
  for (int i = 0; i < 2000; ++i) {
    const RichDocument document = random.Next();
    const std::string rtf = WriteRtf(document);
    const auto read = ReadRtf(rtf);
    ASSERT_TRUE(read);
    ASSERT_EQ(*read, document) << "document " << i << "\n" << rtf;
  }
}

TEST(RtfWriter, EmptyDocumentReadsBackAsOneEmptyParagraph) {
  const auto read = ReadRtf(WriteRtf(RichDocument{}));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->paragraphs.size(), 1u);
  EXPECT_EQ(read->paragraphs[0], Paragraph{});
}

}  // namespace
}  // namespace vorel
