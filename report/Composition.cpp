// Report composition.
#include "report/Composition.h"

#include "base/Cp1252.h"
#include "numerology/DateText.h"
#include "report/Catalogue.h"
#include "report/Publisher.h"
#include "report/ReportWriter.h"

namespace vorel {

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
  w.Title("Vorel de " + report.caption);
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
