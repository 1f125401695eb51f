// Lines added at the end of a report in a current format, as every composition writes them:
// paragraphs kReportIndent in from both edges, Times New Roman 12 until the font or bold
// changes. And the bits of text the compositions share: a reckoning, a number, a list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/RichDocument.h"
#include "numerology/Reckoning.h"
#include "report/Catalogue.h"

namespace vorel {

class ReportWriter {
 public:
  explicit ReportWriter(RichDocument& document);

  void SetFont(const char* font) { format_.font = font; }
  void SetBold(bool bold) { format_.bold = bold; }
  // Left tab stops for the lines that follow, in twips from the text's left edge (the left
  // indent counts from there too); none by default.
  void SetTabs(std::initializer_list<int> positions);

  void Line(std::string_view text = {});
  // Two empty lines, then the title in Arial bold; the lines after it are in Times New Roman.
  void Title(std::string_view title);
  // A section heading in bold between two empty lines; the lines after it are regular.
  void Heading(std::string_view heading);
  // Each paragraph of the text, one line each; nothing when the catalogue has no such key.
  void CatalogueText(CatalogueId id, const std::string& key);

 private:
  RichDocument& document_;
  ParagraphFormat paragraph_;
  CharFormat format_;  // the window's own font after clearing: Times New Roman 12, black
};

// "4 + 7 + 1961 = 1972 → 19 → 10 → 1", or "80 → 8" when no terms were added.
std::string ReckoningText(const Reckoning& reckoning);

// A number of the name: its reckoning, or "0 (absent)" when the name has no letter of its kind.
std::string NameNumberText(const Reckoning& reckoning, std::string_view absent);

// "7", or "11 (nombre maître)" for 11 and 22.
std::string MasterNumberText(int number);

// "7", "7 et 8", "7, 8 et 9".
std::string ListText(const std::vector<std::string>& items);

}  // namespace vorel
