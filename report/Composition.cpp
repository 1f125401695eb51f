// Report composition.
#include "report/Composition.h"

#include "base/Cp1252.h"
#include "numerology/DateText.h"
#include "report/Catalogue.h"
#include "report/Publisher.h"

namespace vorel {
namespace {

// Adds lines at the end of the document in a current format that changes only in its font
// name and bold flag, as the report's table of lines says.
class ReportWriter {
 public:
  explicit ReportWriter(RichDocument& document) : document_(document) {
    paragraph_.leftIndent = kReportIndent;
    paragraph_.rightIndent = kReportIndent;
  }

  void SetFont(const char* font) { format_.font = font; }
  void SetBold(bool bold) { format_.bold = bold; }

  void Line(std::string_view text = {}) {
    Paragraph p;
    p.format = paragraph_;
    p.markFormat = format_;
    AppendRun(p, text, format_);
    document_.paragraphs.push_back(std::move(p));
  }

  void CatalogueText(CatalogueId id, const std::string& key) {
    for (const std::string& paragraph : FindCatalogueText(id, key)) Line(paragraph);
  }

 private:
  RichDocument& document_;
  ParagraphFormat paragraph_;
  CharFormat format_;  // the window's own font after clearing: Times New Roman 12, black
};

}  // namespace

std::string ReportCaption(std::string_view nameUtf8, const Date& birth,
                          const CalendarNames& names) {
  std::string caption(nameUtf8);
  caption += " (";
  caption += LongDateText(birth, names);
  caption += " - ";
  caption += ZodiacSign(birth);
  caption += ")";
  return caption;
}

Report ComposeReport(std::string_view name, std::string_view dateText, const CalendarNames& names) {
  Report report;
  report.birth = TextToDate(Cp1252ToUtf8(dateText));
  report.caption = ReportCaption(Cp1252ToUtf8(name), report.birth, names);
  report.numbers = ComputeNumbers(name, report.birth);
  const CoreNumbers& n = report.numbers;

  ReportWriter w(report.document);
  w.Line();
  w.Line();
  w.SetFont("Arial");
  w.SetBold(true);
  w.Line("Vorel de " + report.caption);
  w.SetFont("Times New Roman");
  w.Line();
  w.Line();
  w.SetBold(true);
  w.Line(
      "Vos désirs profonds, vos espoirs, bref ce que vous tendez à rechercher et à apprécier, "
      "sera caractérisé par les tendances suivantes :");
  w.Line();
  w.SetBold(false);
  w.CatalogueText(CatalogueId::Motivation, NumberKey(n.Motivation));
  w.Line();
  w.SetBold(true);
  w.Line("Comment les autres vous perçoivent, tant au plan physique que moral :");
  w.SetBold(false);
  w.Line();
  w.CatalogueText(CatalogueId::Realisation, NumberKey(n.Realisation));
  w.Line();
  w.SetBold(true);
  w.Line("Capacités ou aptitudes professionnelles à développer :");
  w.SetBold(false);
  w.Line();
  w.CatalogueText(CatalogueId::Expression, NumberKey(n.Expression));
  w.Line();
  w.SetBold(true);
  w.Line(
      "Impact important dans votre vie socio-professionnelle, cette analyse porte autant sur le "
      "caractère que sur la destinée :");
  w.SetBold(false);
  w.Line();
  w.CatalogueText(CatalogueId::Path, NumberKey(n.Path));
  w.Line();
  w.SetBold(true);
  w.Line("SYNTHESE");
  w.SetBold(false);
  w.Line();
  w.CatalogueText(CatalogueId::Synthesis, FirstSynthesisKey(n));
  if (const std::string second = SecondSynthesisKey(n); !second.empty())
    w.CatalogueText(CatalogueId::Synthesis, second);
  w.Line();
  w.SetBold(true);
  w.Line("Vos nombres de chance : " + LuckyNumbers(report.birth, name, n));
  w.Line();
  w.Line("Vos jours de chance : " + LuckyDays(report.birth, names));
  w.Line();
  w.Line("Vos périodes de chance : " + LuckyPeriods(report.birth, names));
  w.Line();
  w.Line();
  w.SetBold(false);
  w.Line(kPublisherUrl);
  return report;
}

}  // namespace vorel
