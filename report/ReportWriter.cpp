// The lines of a report.
#include "report/ReportWriter.h"

#include "report/Composition.h"

namespace vorel {

ReportWriter::ReportWriter(RichDocument& document) : document_(document) {
  paragraph_.leftIndent = kReportIndent;
  paragraph_.rightIndent = kReportIndent;
}

void ReportWriter::SetTabs(std::initializer_list<int> positions) {
  paragraph_.tabs.clear();
  for (int position : positions) paragraph_.tabs.push_back(TabStop{position});
}

void ReportWriter::Line(std::string_view text) {
  Paragraph p;
  p.format = paragraph_;
  p.markFormat = format_;
  AppendRun(p, text, format_);
  document_.paragraphs.push_back(std::move(p));
}

void ReportWriter::Title(std::string_view title) {
  Line();
  Line();
  SetFont("Arial");
  SetBold(true);
  Line(title);
  SetFont("Times New Roman");
}

void ReportWriter::Heading(std::string_view heading) {
  SetBold(true);
  Line();
  Line(heading);
  SetBold(false);
  Line();
}

void ReportWriter::CatalogueText(CatalogueId id, const std::string& key) {
  for (const std::string& paragraph : FindCatalogueText(id, key)) Line(paragraph);
}

std::string ReckoningText(const Reckoning& r) {
  std::string out;
  for (size_t i = 0; i < r.terms.size(); ++i) {
    if (i) out += " + ";
    out += std::to_string(r.terms[i]);
  }
  for (size_t i = 0; i < r.steps.size(); ++i) {
    if (i)
      out += " \u2192 ";
    else if (!r.terms.empty())
      out += " = ";
    out += std::to_string(r.steps[i]);
  }
  return out;
}

std::string NameNumberText(const Reckoning& reckoning, std::string_view absent) {
  if (reckoning.Value() == 0) return "0 (" + std::string(absent) + ")";
  return ReckoningText(reckoning);
}

std::string MasterNumberText(int number) {
  return std::to_string(number) + (IsMasterNumber(number) ? " (nombre maître)" : "");
}

std::string ListText(const std::vector<std::string>& items) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += i + 1 == items.size() ? " et " : ", ";
    out += items[i];
  }
  return out;
}

}  // namespace vorel
