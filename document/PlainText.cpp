// Plain-text decoding and line splitting.
#include "document/PlainText.h"

#include <algorithm>

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
  const std::string decoded = DecodePlainText(bytes);
  const std::string_view text = decoded;
  // The RTF reader's builder and its limit on paragraphs: past it, line ends are line breaks
  // in the last paragraph, so the text stays and memory stays bounded.
  DocumentBuilder builder;
  builder.SetFormat(format);
  bool lineOpen = true;  // false right after a paragraph end
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    builder.Append(text.substr(pos, end - pos));
    lineOpen = true;
    if (end == text.size()) break;
    pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    if (builder.CanEndParagraph()) {
      builder.EndParagraph(ParagraphFormat{});
      lineOpen = false;
    } else if (pos < text.size()) {
      builder.Append('\n');
    }
  }
  if (lineOpen) builder.EndParagraph(ParagraphFormat{});
  return builder.Finish();
}

}  // namespace vorel
