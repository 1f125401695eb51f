// Report-like documents of a chosen size for the RTF benchmarks and the reader comparison.
#pragma once

#include <cstddef>
#include <string>

#include "document/RichDocument.h"
#include "document/Rtf.h"

namespace vorel::bench {

// Paragraphs as the report window saves them (indents of 50 points, bold Arial headings,
// French body text full of accents) until the text reaches about textBytes.
inline RichDocument ReportLikeDocument(std::size_t textBytes) {
  static constexpr const char* kBody[] = {
      "Vous êtes une personne déterminée, fidèle en amitié et très exigeante envers vous-même. ",
      "Votre caractère est fort : l’œuvre qui vous attend coûte des efforts, mais déjà vous ",
      "avancez avec sûreté vers une réussite méritée. Les périodes de réflexion sont précieuses. ",
      "Côté cœur, la sincérité prime ; côté travail, l’ambition est là, à peine cachée. ",
  };
  CharFormat heading;
  heading.font = "Arial";
  heading.sizeHalfPoints = 28;
  heading.bold = true;
  const CharFormat body;
  CharFormat emphasis = body;
  emphasis.italic = true;

  RichDocument document;
  std::size_t size = 0;
  for (int section = 0; size < textBytes; ++section) {
    Paragraph title;
    title.format.leftIndent = 1000;
    title.format.rightIndent = 1000;
    AppendRun(title, "Qualités et défauts, période n° " + std::to_string(section + 1), heading);
    title.markFormat = heading;
    size += title.runs[0].text.size();
    document.paragraphs.push_back(std::move(title));
    for (int i = 0; i < 4; ++i) {
      Paragraph paragraph;
      paragraph.format.leftIndent = 1000;
      paragraph.format.rightIndent = 1000;
      paragraph.markFormat = body;
      for (const char* sentence : kBody) AppendRun(paragraph, sentence, body);
      AppendRun(paragraph, "Très bien.", emphasis);
      size += paragraph.Text().size();
      document.paragraphs.push_back(std::move(paragraph));
    }
    // The format is copied before the vector grows: a reference into it would dangle.
    const ParagraphFormat format = document.paragraphs.back().format;
    document.paragraphs.emplace_back().format = format;
  }
  return document;
}

// The RTF file of a report-like document, of about fileBytes.
inline std::string ReportLikeRtf(std::size_t fileBytes) {
  constexpr std::size_t kProbe = 64 * 1024;
  const double growth = static_cast<double>(WriteRtf(ReportLikeDocument(kProbe)).size()) / kProbe;
  return WriteRtf(ReportLikeDocument(static_cast<std::size_t>(fileBytes / growth)));
}

}  // namespace vorel::bench
