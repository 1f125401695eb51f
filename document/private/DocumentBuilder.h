// Builds a RichDocument from text in formats and paragraph ends, within the limits that keep
// a hostile file from exhausting memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Cp1252.h"
#include "document/RichDocument.h"

namespace vorel {

class DocumentBuilder {
 public:
  // A long report has some ten thousand paragraphs. Past these counts a file is an attack on
  // memory (two bytes, a backslash and a line end, make a paragraph): the reader turns
  // further paragraph ends into line breaks and further runs take the format of the last
  // one, so the text stays.
  static constexpr size_t kMaxParagraphs = 500'000;
  static constexpr size_t kMaxRuns = 1'000'000;

  // Text in the current format. It joins the paragraph when the format changes or the
  // paragraph ends, so that a run is made once, whatever the number of pieces.
  void Append(std::string_view text) { pending_ += text; }
  void Append(char c) { pending_ += c; }
  void Append(size_t count, char c) { pending_.append(count, c); }
  void AppendCodePoint(char32_t codePoint) { AppendUtf8(pending_, codePoint); }

  // The format of the text from now on, and of a paragraph mark.
  void SetFormat(const CharFormat& format);

  // False once a further paragraph would pass the limit.
  bool CanEndParagraph() const { return document_.paragraphs.size() + 1 < kMaxParagraphs; }
  bool Empty() const { return document_.paragraphs.empty(); }
  // Ends the paragraph with these properties, its mark in the current format.
  void EndParagraph(const ParagraphFormat& format);

  RichDocument Finish() { return std::move(document_); }

 private:
  void Flush();

  std::string pending_;
  CharFormat format_;
  Paragraph paragraph_;
  size_t runCount_ = 0;
  RichDocument document_;
};

}  // namespace vorel
