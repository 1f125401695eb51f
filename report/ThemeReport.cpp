// The composition of a thème.
#include "report/ThemeReport.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/Cp1252.h"
#include "base/Error.h"
#include "base/IntegerText.h"
#include "numerology/Theme.h"
#include "report/ReportWriter.h"

namespace vorel {
namespace {

// Tab stops, in twips from the text's left edge: the value column after a label, a third
// column for the ages, and the grid's cells.
constexpr int kValueTab = 4000;
constexpr int kAgesTab = 6400;
constexpr int kGridTabs[] = {2800, 4600};

const char* const kThemePrefixes[] = {"Lecon",       "Dominant", "Dette", "Defi",
                                      "Realisation", "Cycle",    "Annee", "Mois"};

std::string Number(int n) {
  return std::to_string(n);
}

// "de 29 à 38 ans (1978 à 1987)", "à partir de 47 ans (1996)".
std::string AgesText(const LifePeriod& period, int birthYear) {
  if (!period.toAge)
    return "à partir de " + Number(period.fromAge) + " ans (" + Number(birthYear + period.fromAge) +
           ")";
  return "de " + Number(period.fromAge) + " à " + Number(*period.toAge) + " ans (" +
         Number(birthYear + period.fromAge) + " à " + Number(birthYear + *period.toAge) + ")";
}

// The values in order of first appearance, each with the names of the places it holds:
// "Réalisation 11 (première et deuxième)" is written once with its text.
struct Occurrence {
  int value;
  std::vector<std::string> places;
};

std::vector<Occurrence> Occurrences(const std::vector<std::pair<int, std::string>>& values) {
  std::vector<Occurrence> out;
  for (const auto& [value, place] : values) {
    auto it = std::find_if(out.begin(), out.end(),
                           [value = value](const Occurrence& o) { return o.value == value; });
    if (it == out.end())
      out.push_back({value, {place}});
    else
      it->places.push_back(place);
  }
  return out;
}

class ThemeWriter {
 public:
  ThemeWriter(Report& report, const ThemeNumbers& t, const CalendarNames& names)
      : w_(report.document), t_(t), birth_(report.birth), names_(names) {}

  void Title(const std::string& caption) {
    w_.Title(caption);
    w_.Line();
  }

  void Numbers() {
    w_.Heading("Les nombres");
    const PersonReckonings& r = t_.reckonings;
    w_.SetTabs({kValueTab});
    w_.Line("Motivation\u00A0:\t" + NameNumberText(r.motivation, "aucune voyelle dans le nom"));
    w_.Line("Réalisation\u00A0:\t" + NameNumberText(r.realisation, "aucune consonne dans le nom"));
    w_.Line("Expression\u00A0:\t" + NameNumberText(r.expression, "aucune lettre dans le nom"));
    w_.Line("Chemin de vie\u00A0:\t" + ReckoningText(r.path));
    w_.Line("Jour de naissance\u00A0:\t" + ReckoningText(r.birthday));
    w_.SetTabs({});
    w_.Line();
  }

  void Grid() {
    w_.Heading("La grille d'inclusion");
    if (t_.grid.letters == 0) {
      w_.Line(
          "Le nom ne contient aucune lettre de A à Z\u00A0: la grille est vide, sans leçon "
          "karmique ni nombre dominant.");
      w_.Line();
      return;
    }
    w_.Line(
        "Le nombre de lettres du nom pour chaque valeur de 1 à 9 (K compte pour 2, V pour "
        "4)\u00A0:");
    w_.Line();
    w_.SetTabs({kGridTabs[0], kGridTabs[1]});
    for (int row = 0; row < 3; ++row) {
      std::string line;
      for (int column = 0; column < 3; ++column) {
        const int n = row * 3 + column + 1;
        if (column) line += '\t';
        line += Number(n) + "\u00A0: " + Number(t_.grid.counts[n - 1]);
      }
      w_.Line(line);
    }
    w_.SetTabs({});
    w_.Line();

    if (t_.lessons.empty()) {
      w_.Line("Chaque valeur de 1 à 9 est présente dans le nom\u00A0: pas de leçon karmique.");
      w_.Line();
    } else {
      w_.Line((t_.lessons.size() == 1 ? "La valeur absente de la grille donne une leçon "
                                        "karmique\u00A0: "
                                      : "Les valeurs absentes de la grille donnent chacune une "
                                        "leçon karmique\u00A0: ") +
              ListText(NumberTexts(t_.lessons)) + ".");
      w_.Line();
      for (int lesson : t_.lessons)
        Entry("Leçon karmique du " + Number(lesson), ThemeText::Lesson, lesson);
    }

    const int count = t_.grid.counts[t_.dominants.front() - 1];
    const std::string letters = Number(count) + (count == 1 ? " lettre" : " lettres");
    if (t_.dominants.size() == 1)
      w_.Line("La valeur la plus fréquente est le nombre dominant\u00A0: " +
              Number(t_.dominants.front()) + ", avec " + letters + ".");
    else
      w_.Line("Plusieurs valeurs arrivent à égalité en tête, avec " + letters +
              " chacune\u00A0; toutes sont des nombres dominants\u00A0: " +
              ListText(NumberTexts(t_.dominants)) + ".");
    w_.Line();
    for (int dominant : t_.dominants)
      Entry("Nombre dominant " + Number(dominant), ThemeText::Dominant, dominant);
  }

  void Debts() {
    w_.Heading("Les dettes karmiques");
    if (t_.debts.empty()) {
      w_.Line(
          "Aucune dette karmique\u00A0: ni 13, ni 14, ni 16, ni 19 n'apparaît dans le calcul des "
          "quatre nombres, et le jour de naissance n'en est pas un.");
      w_.Line();
      return;
    }
    for (int debt : kKarmicDebts) {
      std::vector<std::string> carriers, lines;
      for (const KarmicDebt& d : t_.debts) {
        if (d.debt != debt) continue;
        carriers.push_back(CarrierName(d.carrier));
        lines.push_back(CarrierLine(d.carrier));
      }
      if (carriers.empty()) continue;
      SubHeading("Dette karmique " + Number(debt) + ", portée par " + ListText(carriers));
      for (const std::string& line : lines) w_.Line(line);
      Text(ThemeText::Debt, debt);
    }
  }

  void Challenges() {
    w_.Heading("Les défis");
    const vorel::Challenges& c = t_.challenges;
    BirthParts("réduits chacun à un chiffre", c.month, c.day, c.year);
    const int m = c.month.Value(), d = c.day.Value(), y = c.year.Value();
    w_.SetTabs({kValueTab});
    w_.Line("Premier défi\u00A0:\t" + Difference(m, d) + " (mois et jour)");
    w_.Line("Deuxième défi\u00A0:\t" + Difference(d, y) + " (jour et année)");
    w_.Line("Défi principal\u00A0:\t" + Difference(c.first, c.second) + " (les deux premiers)");
    w_.Line("Quatrième défi\u00A0:\t" + Difference(m, y) + " (mois et année)");
    w_.SetTabs({});
    w_.Line();
    for (const Occurrence& o : Occurrences({{c.first, "premier"},
                                            {c.second, "deuxième"},
                                            {c.main, "principal"},
                                            {c.fourth, "quatrième"}}))
      Entry("Défi " + Number(o.value) + " (" + ListText(o.places) + ")", ThemeText::Challenge,
            o.value);
  }

  void Pinnacles() {
    w_.Heading("Les réalisations");
    const vorel::Pinnacles& p = t_.pinnacles;
    BirthParts("réduits en gardant 11 et 22", p.month, p.day, p.year);
    static const char* const kLabels[] = {"Première réalisation", "Deuxième réalisation",
                                          "Troisième réalisation", "Quatrième réalisation"};
    static const char* const kPlaces[] = {"première", "deuxième", "troisième", "quatrième"};
    Periods(p.periods, kLabels, kPlaces, "Réalisation ", ThemeText::Pinnacle);
  }

  void Cycles() {
    w_.Heading("Les cycles de vie");
    static const char* const kLabels[] = {"Premier cycle (mois)", "Deuxième cycle (jour)",
                                          "Troisième cycle (année)"};
    static const char* const kPlaces[] = {"premier", "deuxième", "troisième"};
    Periods(t_.cycles, kLabels, kPlaces, "Cycle ", ThemeText::Cycle);
  }

  // Periods of life, one line each with their ages and years, then the text of each value once,
  // naming the periods it stands for.
  template <size_t N>
  void Periods(const std::array<LifePeriod, N>& periods, const char* const (&labels)[N],
               const char* const (&places)[N], const std::string& name, ThemeText kind) {
    w_.SetTabs({kValueTab, kAgesTab});
    std::vector<std::pair<int, std::string>> values;
    for (size_t i = 0; i < N; ++i) {
      const LifePeriod& period = periods[i];
      w_.Line(std::string(labels[i]) + "\u00A0:\t" + ReckoningText(period.number) + "\t" +
              AgesText(period, birth_.year));
      values.push_back({period.number.Value(), places[i]});
    }
    w_.SetTabs({});
    w_.Line();
    for (const Occurrence& o : Occurrences(values))
      Entry(name + Number(o.value) + " (" + ListText(o.places) + ")", kind, o.value);
  }

  void Years() {
    w_.Heading("L'année personnelle");
    w_.Line(
        "L'année personnelle additionne le jour et le mois de naissance et l'année, puis réduit "
        "le total en gardant 11 et 22.");
    w_.Line();
    for (int k = 0; k < 2; ++k) {
      const Reckoning& year = k == 0 ? t_.personalYear : t_.nextPersonalYear;
      const int value = year.Value();
      SubHeading(Number(t_.year + k) + "\u00A0: année personnelle " + MasterNumberText(value));
      w_.Line(ReckoningText(year));
      Text(ThemeText::Year, value);
    }

    SubHeading("Les mois personnels de " + Number(t_.year));
    const int digit = MasterAsDigit(t_.personalYear.Value());
    w_.Line("Chaque mois\u00A0: l'année personnelle réduite à un chiffre (" + Number(digit) +
            ") plus le numéro du mois, réduit à un chiffre.");
    w_.Line();
    for (int m = 0; m < 12; ++m) {
      const int value = t_.personalMonths[m].Value();
      std::string month = names_.months[m];
      if (!month.empty()) month[0] = AsciiUpper(month[0]);
      const auto text = FindCatalogueText(CatalogueId::Theme, ThemeKey(ThemeText::Month, value));
      w_.Line(month + "\u00A0: " + Number(value) + (text.empty() ? "" : " \u2014 " + text[0]));
    }
  }

 private:
  static std::vector<std::string> NumberTexts(const std::vector<int>& values) {
    std::vector<std::string> out;
    for (int v : values) out.push_back(Number(v));
    return out;
  }

  // "7 − 3 = 4": the larger first, so the difference reads as a subtraction.
  static std::string Difference(int a, int b) {
    return Number(std::max(a, b)) + " \u2212 " + Number(std::min(a, b)) + " = " +
           Number(std::max(a, b) - std::min(a, b));
  }

  static std::string CarrierName(DebtCarrier carrier) {
    switch (carrier) {
      case DebtCarrier::Motivation:
        return "la motivation";
      case DebtCarrier::Realisation:
        return "la réalisation";
      case DebtCarrier::Expression:
        return "l'expression";
      case DebtCarrier::Path:
        return "le chemin de vie";
      case DebtCarrier::BirthDay:
        return "le jour de naissance";
    }
    return {};
  }

  std::string CarrierLine(DebtCarrier carrier) const {
    const PersonReckonings& r = t_.reckonings;
    switch (carrier) {
      case DebtCarrier::Motivation:
        return "Motivation\u00A0: " + ReckoningText(r.motivation);
      case DebtCarrier::Realisation:
        return "Réalisation\u00A0: " + ReckoningText(r.realisation);
      case DebtCarrier::Expression:
        return "Expression\u00A0: " + ReckoningText(r.expression);
      case DebtCarrier::Path:
        return "Chemin de vie\u00A0: " + ReckoningText(r.path);
      case DebtCarrier::BirthDay:
        return "Jour de naissance\u00A0: le " + Number(birth_.day);
    }
    return {};
  }

  // The parts of the birth date a section starts from, and how they were reduced.
  void BirthParts(std::string_view reduced, const Reckoning& month, const Reckoning& day,
                  const Reckoning& year) {
    w_.Line("Le mois, le jour et l'année de naissance, " + std::string(reduced) + "\u00A0: mois " +
            ReckoningText(month) + ", jour " + ReckoningText(day) + ", année " +
            ReckoningText(year) + ".");
    w_.Line();
  }

  void SubHeading(const std::string& text) {
    w_.SetBold(true);
    w_.Line(text);
    w_.SetBold(false);
  }

  void Text(ThemeText kind, int number) {
    w_.CatalogueText(CatalogueId::Theme, ThemeKey(kind, number));
    w_.Line();
  }

  void Entry(const std::string& heading, ThemeText kind, int number) {
    SubHeading(heading);
    Text(kind, number);
  }

  ReportWriter w_;
  const ThemeNumbers& t_;
  const Date& birth_;
  const CalendarNames& names_;
};

}  // namespace

std::string ThemeKey(ThemeText kind, int number) {
  return kThemePrefixes[static_cast<int>(kind)] + Number(number);
}

namespace {

Error BadStudyYear(std::string_view text) {
  return Error(FormatMessage("'%s' n'est pas une année correcte (de 1 à 9999)", text));
}

}  // namespace

void CheckStudyYear(int year) {
  if (year < 1 || year > 9999) throw BadStudyYear(Number(year));
}

int StudyYear(std::string_view text) {
  const bool digits = !text.empty() && text.size() <= 4 &&
                      text.find_first_not_of("0123456789") == std::string_view::npos;
  if (!digits) throw BadStudyYear(text);
  const int year = TextToInteger(text).value_or(0);
  CheckStudyYear(year);
  return year;
}

Report ComposeTheme(std::string_view name, std::string_view dateText, int year,
                    const CalendarNames& names) {
  Report report;
  report.birth = TextToDate(Cp1252ToUtf8(dateText));
  CheckStudyYear(year);
  report.caption = "Thème de " + ReportCaption(Cp1252ToUtf8(name), report.birth, names);
  const ThemeNumbers t = ComputeTheme(name, report.birth, year);
  report.numbers = t.core;

  ThemeWriter w(report, t, names);
  w.Title(report.caption);
  w.Numbers();
  w.Grid();
  w.Debts();
  w.Challenges();
  w.Pinnacles();
  w.Cycles();
  w.Years();
  return report;
}

}  // namespace vorel
