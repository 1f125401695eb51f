// Plain-text decoding and line splitting.
#include "document/PlainText.h"

#include "base/Cp1252.h"
#include "document/private/DocumentBuilder.h"

namespace vorel {

std::string DecodePlainText(std::string_view bytes) {
  std::string_view body = bytes;
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  if (IsValidUtf8(body)) return std::string(body);
  return Cp1252ToUtf8(bytes);
}

RichDocument ReadPlainText(std::string_view bytes, const CharFormat& format) {
  const std::string text = DecodePlainText(bytes);
  RichDocument document;
  const auto addLine = [&](std::string_view line) {
    Paragraph& paragraph = document.paragraphs.emplace_back();
    paragraph.markFormat = format;
    AppendRun(paragraph, line, format);
  };
  size_t lineStart = 0;
  size_t pos = 0;
  // Past the RTF reader's limit on paragraphs, the last one takes the rest of the file, its
  // line ends as line breaks: the text stays, and memory stays bounded.
  while (pos < text.size() && document.paragraphs.size() + 1 < DocumentBuilder::kMaxParagraphs) {
    const char c = text[pos];
    if (c != '\r' && c != '\n') {
      ++pos;
      continue;
    }
    addLine(std::string_view(text).substr(lineStart, pos - lineStart));
    pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
    lineStart = pos;
  }
  if (lineStart < text.size() || document.paragraphs.empty()) {
    std::string rest;
    for (size_t i = lineStart; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      rest += text[i] == '\r' ? '\n' : text[i];
    }
    if (rest.ends_with('\n')) rest.pop_back();
    addLine(rest);
  }
  return document;
}

}  // namespace vorel
