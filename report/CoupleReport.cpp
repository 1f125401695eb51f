// The composition of the two-person report.
#include "report/CoupleReport.h"

#include <cstdio>

#include "base/Cp1252.h"
#include "numerology/Theme.h"
#include "report/Catalogue.h"
#include "report/ReportWriter.h"
#include "report/ThemeReport.h"

namespace vorel {
namespace {

// The two persons' columns, in twips from the text's left edge.
constexpr int kFirstColumn = 4000;
constexpr int kSecondColumn = 7200;

std::string Number(int n) {
  return std::to_string(n);
}

// What one person brings to the report.
struct Side {
  std::string name;  // UTF-8
  Date birth;
  CoreNumbers core;
  PersonReckonings reckonings;
  Reckoning years[2];  // the year studied and the next
};

// A register row may hold no name at all; the report still needs a way to say whom it means.
Side MakeSide(const CouplePerson& person, const Date& birth, int year, const char* unnamed) {
  Side s;
  s.name = Cp1252ToUtf8(person.name);
  if (s.name.find_first_not_of(' ') == std::string::npos) s.name = unnamed;
  s.birth = birth;
  s.core = ComputeNumbers(person.name, birth);
  s.reckonings = ComputeReckonings(s.core, birth);
  s.years[0] = PersonalYear(birth, year);
  s.years[1] = PersonalYear(birth, year + 1);
  return s;
}

class CoupleWriter {
 public:
  CoupleWriter(RichDocument& document, const Side& a, const Side& b, int year)
      : w_(document), a_(a), b_(b), year_(year) {}

  void Title(const std::string& caption) {
    w_.Title(caption);
    w_.SetBold(false);
    w_.Line();
    w_.Line(
        "Ce rapport décrit des tendances tirées des nombres de chacun\u00A0; il ne note pas la "
        "relation et ne prononce aucun verdict sur elle.");
  }

  void Persons(const CalendarNames& names) {
    w_.Heading("Les deux personnes");
    Columns();
    Row("Naissance", LongDateText(a_.birth, names), LongDateText(b_.birth, names));
    Row("Motivation", NameNumberText(a_.reckonings.motivation, "aucune voyelle"),
        NameNumberText(b_.reckonings.motivation, "aucune voyelle"));
    Row("Réalisation", NameNumberText(a_.reckonings.realisation, "aucune consonne"),
        NameNumberText(b_.reckonings.realisation, "aucune consonne"));
    Row("Expression", NameNumberText(a_.reckonings.expression, "aucune lettre"),
        NameNumberText(b_.reckonings.expression, "aucune lettre"));
    // The path's arithmetic is too wide for one column: its sum on one line, its reduction on
    // the next.
    Row("Jour + mois + année", SumOnly(a_.reckonings.path), SumOnly(b_.reckonings.path));
    Row("Chemin de vie", ReckoningText(Reckoning{{}, a_.reckonings.path.steps}),
        ReckoningText(Reckoning{{}, b_.reckonings.path.steps}));
    Row("Jour de naissance", ReckoningText(a_.reckonings.birthday),
        ReckoningText(b_.reckonings.birthday));
    Row("Année personnelle " + Number(year_), ReckoningText(a_.years[0]),
        ReckoningText(b_.years[0]));
    w_.SetTabs({});
    w_.Line();
  }

  void CoupleNumberSection() {
    w_.Heading("Le nombre du couple");
    const Reckoning number = CoupleNumber(a_.core.Path, b_.core.Path);
    w_.Line("Les deux chemins de vie additionnés, 11 et 22 comptés tels quels\u00A0: " +
            ReckoningText(number) + (IsMasterNumber(number.Value()) ? ", un nombre maître." : "."));
    Text(CoupleNumberKey(number.Value()));
  }

  void Paths() {
    w_.Heading("Vos chemins de vie ensemble");
    w_.Line(a_.name + " suit le chemin de vie " + Number(a_.core.Path) + ", " + b_.name +
            " le chemin de vie " + Number(b_.core.Path) + ".");
    for (const Side* s : {&a_, &b_})
      if (IsMasterNumber(s->core.Path))
        w_.Line("Le " + Number(s->core.Path) + " de " + s->name + " se lit ici comme un " +
                Number(MasterAsDigit(s->core.Path)) + ".");
    Text(PairKey(PathPair(a_.core.Path, b_.core.Path)));
  }

  void MotivationAndExpression() {
    w_.Heading("Ce qui vous anime, ce que vous montrez");
    Compared("Motivation", "Motivations", a_.core.Motivation, b_.core.Motivation,
             "de nombre de motivation", "voyelle");
    Compared("Expression", "Expressions", a_.core.Expression, b_.core.Expression,
             "de nombre d'expression", "lettre");
  }

  void Years() {
    w_.Heading("Vos années");
    w_.Line("L'année personnelle de chacun, l'année " + Number(year_) + " et la suivante\u00A0:");
    w_.Line();
    Columns();
    for (int k = 0; k < 2; ++k)
      Row(Number(year_ + k), MasterNumberText(a_.years[k].Value()),
          MasterNumberText(b_.years[k].Value()));
    w_.SetTabs({});
    w_.Line();
    const Closeness bands[2] = {CompareNumbers(a_.years[0].Value(), b_.years[0].Value()),
                                CompareNumbers(a_.years[1].Value(), b_.years[1].Value())};
    // A sentence for each band met; both years share it when they fall in the same band.
    if (bands[0] == bands[1]) {
      w_.Line("En " + Number(year_) + " comme en " + Number(year_ + 1) + "\u00A0:");
      Text(ClosenessKey("Annees", bands[0]));
    } else {
      for (int k = 0; k < 2; ++k) {
        w_.Line("En " + Number(year_ + k) + "\u00A0:");
        Text(ClosenessKey("Annees", bands[k]));
      }
    }
  }

 private:
  static std::string SumOnly(const Reckoning& r) {
    return ReckoningText(Reckoning{r.terms, {r.steps.front()}});
  }

  // The names over the two columns, bold, then the rows in regular type.
  void Columns() {
    w_.SetTabs({kFirstColumn, kSecondColumn});
    w_.SetBold(true);
    w_.Line("\t" + a_.name + "\t" + b_.name);
    w_.SetBold(false);
  }

  void Row(const std::string& label, const std::string& first, const std::string& second) {
    w_.Line(label + "\u00A0:\t" + first + "\t" + second);
  }

  // The line saying whose number is absent, or both numbers, then the line of the band.
  void Compared(const char* topic, const char* plural, int first, int second, const char* missing,
                const char* letter) {
    const std::string lacks = std::string(" n'a pas ") + missing;
    if (first == 0 && second == 0)
      w_.Line("Ni " + a_.name + " ni " + b_.name + " n'a " + missing +
              "\u00A0: aucun des deux noms ne contient de " + letter + ".");
    else if (first == 0 || second == 0)
      w_.Line((first == 0 ? a_.name : b_.name) + lacks + "\u00A0: son nom ne contient aucune " +
              letter + ".");
    else
      w_.Line(std::string(plural) + "\u00A0: " + Number(first) + " pour " + a_.name + ", " +
              Number(second) + " pour " + b_.name + ".");
    Text(ClosenessKey(topic, CompareNumbers(first, second)));
  }

  void Text(const std::string& key) {
    w_.CatalogueText(CatalogueId::Couple, key);
    w_.Line();
  }

  ReportWriter w_;
  const Side& a_;
  const Side& b_;
  int year_;
};

}  // namespace

std::string PairKey(std::pair<int, int> paths) {
  char key[16];
  std::snprintf(key, sizeof key, "Paire%02d%02d", paths.first, paths.second);
  return key;
}

std::string CoupleNumberKey(int number) {
  return "Couple" + Number(number);
}

std::string ClosenessKey(std::string_view topic, Closeness closeness) {
  static const char* const kBands[] = {"Meme", "Proche", "Ecart", "Absente"};
  return std::string(topic) + kBands[static_cast<int>(closeness)];
}

CoupleReport ComposeCouple(const CouplePerson& first, const CouplePerson& second, int year,
                           const CalendarNames& names) {
  CoupleReport report;
  report.births[0] = TextToDate(Cp1252ToUtf8(first.dateText));
  report.births[1] = TextToDate(Cp1252ToUtf8(second.dateText));
  CheckStudyYear(year);
  const Side a = MakeSide(first, report.births[0], year, "La première personne");
  const Side b = MakeSide(second, report.births[1], year, "La seconde personne");
  report.numbers = {a.core, b.core};
  report.caption = a.name + " et " + b.name;

  CoupleWriter w(report.document, a, b, year);
  w.Title(report.caption);
  w.Persons(names);
  w.CoupleNumberSection();
  w.Paths();
  w.MotivationAndExpression();
  w.Years();
  return report;
}

}  // namespace vorel
