// Small operations on the document model.
#include "document/RichDocument.h"

namespace vorel {

std::string Paragraph::Text() const {
  std::string out;
  for (const Run& run : runs) out += run.text;
  return out;
}

std::string RichDocument::PlainText() const {
  std::string out;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    if (i) out += '\n';
    out += paragraphs[i].Text();
  }
  return out;
}

void AppendRun(Paragraph& paragraph, std::string_view text, const CharFormat& format) {
  if (text.empty()) return;
  if (!paragraph.runs.empty() && paragraph.runs.back().format == format)
    paragraph.runs.back().text += text;
  else
    paragraph.runs.push_back(Run{std::string(text), format});
}

}  // namespace vorel
