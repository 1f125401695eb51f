// Long paragraphs cut for the layout: where the cuts fall, and that nothing else changes.
#include <gtest/gtest.h>

#include "base/Cp1252.h"
#include "document/LongParagraphs.h"
#include "document/RtfTestDocuments.h"

namespace vorel {
namespace {

using test::Format;

// Every code point with its run's format, and where each paragraph starts.
struct Flat {
  std::vector<std::pair<char32_t, CharFormat>> characters;
  std::vector<size_t> paragraphStarts;
};

Flat Flatten(const RichDocument& document) {
  Flat flat;
  for (const Paragraph& paragraph : document.paragraphs) {
    flat.paragraphStarts.push_back(flat.characters.size());
    for (const vorel::Run& run : paragraph.runs)
      for (size_t pos = 0; pos < run.text.size();)
        flat.characters.emplace_back(DecodeUtf8(run.text, pos).value_or(0xFFFD), run.format);
  }
  return flat;
}

std::string Repeat(std::string_view piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

Paragraph OneParagraph(std::vector<vorel::Run> runs) {
  Paragraph paragraph = test::ReportParagraph({}, Format("Arial", 20));
  paragraph.format.firstIndent = -200;
  paragraph.format.alignment = Alignment::Justify;
  paragraph.runs = std::move(runs);
  return paragraph;
}

TEST(LongParagraphs, CutAfterTheLastSpaceWithinTheLengthOrAtIt) {
  const CharFormat plain;
  const CharFormat bold = Format("Times New Roman", 24, true);
  std::vector<vorel::Run> alternating;
  for (int i = 0; i < 4000; ++i)
    alternating.push_back({i % 2 ? "mot " : "gras ", i % 2 ? plain : bold});
  const struct {
    const char* name;
    std::vector<vorel::Run> runs;
    std::vector<size_t> lengths;  // of the paragraphs made, in code points
  } cases[] = {
      {"as long as allowed", {{std::string(10'000, 'a'), plain}}, {10'000}},
      {"no space: at the length", {{std::string(25'000, 'a'), plain}}, {10'000, 10'000, 5'000}},
      {"after the last space", {{Repeat("abcdef ", 2'000), plain}}, {9'996, 4'004}},
      {"a space as the last allowed character", {{Repeat("abcd ", 2'001), plain}}, {10'000, 5}},
      {"code points, not bytes", {{Repeat("é", 15'000), plain}}, {10'000, 5'000}},
      {"a non-breaking space is no place to cut",
       {{Repeat("x\u00A0", 6'000), plain}},
       {10'000, 2'000}},
      {"across runs", alternating, {9'999, 8'001}},
      {"an empty paragraph", {}, {0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RichDocument document;
    document.paragraphs.push_back(OneParagraph(c.runs));
    document.paragraphs.push_back(OneParagraph({{"suite", plain}}));
    const RichDocument before = document;
    EXPECT_EQ(SplitLongParagraphs(document), c.lengths.size() > 1);
    ASSERT_EQ(document.paragraphs.size(), c.lengths.size() + 1);
    for (size_t i = 0; i < c.lengths.size(); ++i) {
      const Paragraph& piece = document.paragraphs[i];
      EXPECT_EQ(Flatten(RichDocument{{piece}}).characters.size(), c.lengths[i]) << i;
      EXPECT_EQ(piece.format, before.paragraphs[0].format) << i;
      EXPECT_EQ(piece.markFormat, before.paragraphs[0].markFormat) << i;
    }
    EXPECT_EQ(document.paragraphs.back(), before.paragraphs.back());
    // Every character in order and in its format; runs cut at a piece's end, never joined.
    EXPECT_TRUE(Flatten(document).characters == Flatten(before).characters);
    size_t runs = 0;
    for (const Paragraph& piece : document.paragraphs) runs += piece.runs.size();
    EXPECT_LE(runs, before.paragraphs[0].runs.size() + 1 + 2 * (c.lengths.size() - 1));
  }
}

// What a file cannot push past: the pieces stop where the reader's counts would be passed,
// and the last piece keeps the rest.
TEST(LongParagraphs, StayWithinTheReadersLimits) {
  const CharFormat plain;
  const CharFormat bold = Format("Times New Roman", 24, true);
  RichDocument manyParagraphs;
  manyParagraphs.paragraphs.resize(499'998);
  manyParagraphs.paragraphs.push_back(OneParagraph({{std::string(30'000, 'a'), plain}}));
  // 999,990 runs in paragraphs short enough.
  RichDocument manyRuns;
  for (int p = 0; p < 101; ++p) {
    Paragraph& paragraph = manyRuns.paragraphs.emplace_back();
    for (int r = 0; r < (p < 100 ? 9'999 : 90); ++r)
      paragraph.runs.push_back({"x", r % 2 ? plain : bold});
  }
  manyRuns.paragraphs.push_back(OneParagraph({{std::string(200'000, 'a'), plain}}));
  const struct {
    const char* name;
    RichDocument& document;
    std::vector<size_t> lengths;  // of the pieces of the last paragraph
  } cases[] = {
      {"500,000 paragraphs", manyParagraphs, {10'000, 20'000}},
      {"1,000,000 runs",
       manyRuns,
       {10'000, 10'000, 10'000, 10'000, 10'000, 10'000, 10'000, 10'000, 10'000, 110'000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const size_t before = c.document.paragraphs.size() - 1;
    EXPECT_TRUE(SplitLongParagraphs(c.document));
    ASSERT_EQ(c.document.paragraphs.size(), before + c.lengths.size());
    for (size_t i = 0; i < c.lengths.size(); ++i)
      EXPECT_EQ(c.document.paragraphs[before + i].Text().size(), c.lengths[i]) << i;
  }
}

}  // namespace
}  // namespace vorel
