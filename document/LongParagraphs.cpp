// Cutting long paragraphs at spaces.
#include "document/LongParagraphs.h"

#include <optional>
#include <utility>
#include <vector>

#include "document/private/DocumentBuilder.h"

namespace vorel {
namespace {

// A place in a paragraph's text: a run and a byte in it, never at a run's end.
struct Position {
  size_t run = 0;
  size_t byte = 0;
};

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the piece that starts at start ends, or nothing when the rest is short enough.
std::optional<Position> FindCut(const std::vector<Run>& runs, Position start) {
  std::optional<Position> afterSpace;
  size_t count = 0;
  bool spaceDue = false;  // the last code point was a space
  for (size_t r = start.run; r < runs.size(); ++r) {
    const std::string& text = runs[r].text;
    for (size_t b = r == start.run ? start.byte : 0; b < text.size(); ++b) {
      if (IsContinuationByte(text[b])) continue;
      if (spaceDue) afterSpace = Position{r, b};
      if (count == kMaxParagraphLength) return afterSpace ? *afterSpace : Position{r, b};
      spaceDue = text[b] == ' ';
      ++count;
    }
  }
  return std::nullopt;
}

// The paragraph's text from one position to another (or its end), in the paragraph's format.
Paragraph Piece(const Paragraph& paragraph, Position from, std::optional<Position> to) {
  Paragraph piece;
  piece.format = paragraph.format;
  piece.markFormat = paragraph.markFormat;
  const size_t lastRun = to ? to->run : paragraph.runs.size() - 1;
  for (size_t r = from.run; r <= lastRun && r < paragraph.runs.size(); ++r) {
    const Run& run = paragraph.runs[r];
    const size_t begin = r == from.run ? from.byte : 0;
    const size_t end = to && r == to->run ? to->byte : run.text.size();
    if (begin < end) piece.runs.push_back(Run{run.text.substr(begin, end - begin), run.format});
  }
  return piece;
}

}  // namespace

bool SplitLongParagraphs(RichDocument& document) {
  const size_t count = document.paragraphs.size();
  size_t runs = 0;
  for (const Paragraph& paragraph : document.paragraphs) runs += paragraph.runs.size();
  std::vector<Paragraph> result;
  result.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    Paragraph& paragraph = document.paragraphs[i];
    Position start;
    while (const std::optional<Position> end = FindCut(paragraph.runs, start)) {
      // The paragraphs made so far, this piece, the rest of this paragraph and those after.
      const size_t paragraphs = result.size() + 2 + (count - i - 1);
      const bool splitsRun = end->byte != 0;
      if (paragraphs > DocumentBuilder::kMaxParagraphs ||
          (splitsRun && runs >= DocumentBuilder::kMaxRuns))
        break;
      if (splitsRun) ++runs;
      result.push_back(Piece(paragraph, start, end));
      start = *end;
    }
    const bool uncut = start.run == 0 && start.byte == 0;
    result.push_back(uncut ? std::move(paragraph) : Piece(paragraph, start, std::nullopt));
  }
  document.paragraphs = std::move(result);
  return document.paragraphs.size() > count;
}

}  // namespace vorel
