// Runs and paragraphs of the document being read, and their limits.
#include "document/private/DocumentBuilder.h"

namespace vorel {

void DocumentBuilder::SetFormat(const CharFormat& format) {
  Flush();
  format_ = format;
}

void DocumentBuilder::EndParagraph(const ParagraphFormat& format) {
  Flush();
  paragraph_.format = format;
  paragraph_.markFormat = format_;
  document_.paragraphs.push_back(std::move(paragraph_));
  paragraph_ = Paragraph{};
}

void DocumentBuilder::Flush() {
  if (pending_.empty()) return;
  if (runCount_ >= kMaxRuns && !paragraph_.runs.empty()) {
    paragraph_.runs.back().text += pending_;
  } else {
    const size_t before = paragraph_.runs.size();
    AppendRun(paragraph_, pending_, format_);
    runCount_ += paragraph_.runs.size() - before;
  }
  pending_.clear();
}

}  // namespace vorel
