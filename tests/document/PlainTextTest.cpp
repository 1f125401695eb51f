// Plain-text files: the encoding guess and the split into paragraphs.
#include <gtest/gtest.h>

#include "document/PlainText.h"

namespace vorel {
namespace {

TEST(PlainText, DecodesUtf8OrElseWindows1252) {
  const struct {
    std::string_view bytes;
    std::string_view text;
  } cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"caf\xC3\xA9", "café"},
      {"\xEF\xBB\xBF"
       "caf\xC3\xA9",
       "café"},
      {"caf\xE9 \x80", "café €"},
      {"\xC3\xA9 \xE9", "Ã© é"},  // one bad sequence makes the whole file Windows-1252
      {"\xEF\xBB\xBF\xE9", "ï»¿é"},
      {"\xED\xA0\x80", "í\xC2\xA0€"},  // an encoded surrogate is not UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(DecodePlainText(c.bytes), c.text) << c.bytes;
}

TEST(PlainText, MakesOneParagraphPerLine) {
  const struct {
    std::string_view bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {""}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r", {"a"}},
      {"\n", {""}},
      {"a\n\n", {"a", ""}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\xEF\xBB\xBF\r\n\tx\r\n", {"", "\tx"}},
      {"caf\xE9\r\nsuite", {"café", "suite"}},
  };
  CharFormat format;
  format.font = "Courier New";
  format.sizeHalfPoints = 20;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const RichDocument document = ReadPlainText(c.bytes, format);
    ASSERT_EQ(document.paragraphs.size(), c.lines.size());
    for (size_t i = 0; i < c.lines.size(); ++i) {
      const Paragraph& paragraph = document.paragraphs[i];
      EXPECT_EQ(paragraph.Text(), c.lines[i]);
      EXPECT_EQ(paragraph.markFormat, format);
      EXPECT_EQ(paragraph.format, ParagraphFormat{});
      EXPECT_EQ(paragraph.runs.size(), c.lines[i].empty() ? 0u : 1u);
      for (const vorel::Run& run : paragraph.runs) EXPECT_EQ(run.format, format);
    }
  }
}

// As the RTF reader: a file of line ends must not become millions of paragraphs.
TEST(PlainText, BoundsParagraphsButKeepsTheText) {
  std::string bytes;
  std::string text;
  for (int i = 0; i < 600'000; ++i) {
    bytes += i % 2 ? "ab\r\n" : "cd\r";
    text += i % 2 ? "ab\n" : "cd\n";
  }
  text.pop_back();
  const RichDocument document = ReadPlainText(bytes, CharFormat{});
  EXPECT_EQ(document.paragraphs.size(), 500'000u);
  EXPECT_TRUE(document.PlainText() == text);  // no diff of a megabyte on failure
}

}  // namespace
}  // namespace vorel
