// The report's lines, their order and their formats, against the catalogue lookups.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "numerology/Calendar.h"
#include "report/Catalogue.h"
#include "report/Composition.h"
#include "report/Publisher.h"

namespace vorel {
namespace {

// One expected line: its text (or a catalogue text spread over several lines), font, bold.
struct Line {
  std::string text;
  const char* font = "Times New Roman";
  bool bold = false;
};

void AddText(std::vector<Line>& lines, CatalogueId id, const std::string& key) {
  for (const std::string& p : FindCatalogueText(id, key)) lines.push_back({p});
}

std::vector<Line> Expected(const std::string& caption, const std::string& motiv,
                           const std::string& real, const std::string& exp, const std::string& chem,
                           std::vector<std::string> synth, const std::string& numbers,
                           const std::string& days, const std::string& periods) {
  std::vector<Line> l;
  l.push_back({""});
  l.push_back({""});
  l.push_back({"Vorel de " + caption, "Arial", true});
  l.push_back({"", "Times New Roman", true});
  l.push_back({"", "Times New Roman", true});
  l.push_back(
      {"Vos désirs profonds, vos espoirs, bref ce que vous tendez à rechercher et à "
       "apprécier, sera caractérisé par les tendances suivantes :",
       "Times New Roman", true});
  l.push_back({"", "Times New Roman", true});
  AddText(l, CatalogueId::Motivation, motiv);
  l.push_back({""});
  l.push_back({"Comment les autres vous perçoivent, tant au plan physique que moral :",
               "Times New Roman", true});
  l.push_back({""});
  AddText(l, CatalogueId::Realisation, real);
  l.push_back({""});
  l.push_back({"Capacités ou aptitudes professionnelles à développer :", "Times New Roman", true});
  l.push_back({""});
  AddText(l, CatalogueId::Expression, exp);
  l.push_back({""});
  l.push_back(
      {"Impact important dans votre vie socio-professionnelle, cette analyse porte "
       "autant sur le caractère que sur la destinée :",
       "Times New Roman", true});
  l.push_back({""});
  AddText(l, CatalogueId::Path, chem);
  l.push_back({""});
  l.push_back({"SYNTHESE", "Times New Roman", true});
  l.push_back({""});
  for (const auto& key : synth) AddText(l, CatalogueId::Synthesis, key);
  l.push_back({""});
  l.push_back({"Vos nombres de chance : " + numbers, "Times New Roman", true});
  l.push_back({"", "Times New Roman", true});
  l.push_back({"Vos jours de chance : " + days, "Times New Roman", true});
  l.push_back({"", "Times New Roman", true});
  l.push_back({"Vos périodes de chance : " + periods, "Times New Roman", true});
  l.push_back({"", "Times New Roman", true});
  l.push_back({"", "Times New Roman", true});
  l.push_back({kPublisherUrl});
  return l;
}

void ExpectLines(const RichDocument& doc, const std::vector<Line>& expected) {
  ASSERT_EQ(doc.paragraphs.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const Paragraph& p = doc.paragraphs[i];
    EXPECT_EQ(p.Text(), expected[i].text) << "line " << i + 1;
    EXPECT_LE(p.runs.size(), 1u) << "line " << i + 1;
    // The format of the line: its run, or the mark of an empty line.
    const CharFormat& f = p.runs.empty() ? p.markFormat : p.runs[0].format;
    EXPECT_EQ(f.font, expected[i].font) << "line " << i + 1;
    EXPECT_EQ(f.bold, expected[i].bold) << "line " << i + 1;
    EXPECT_EQ(f.sizeHalfPoints, 24);
    EXPECT_EQ(f.color, Color{});
    EXPECT_FALSE(f.italic || f.underline);
    // Every line stands 50 points in from both edges.
    EXPECT_EQ(p.format.leftIndent, 1000);
    EXPECT_EQ(p.format.rightIndent, 1000);
    EXPECT_EQ(p.format.firstIndent, 0);
  }
}

TEST(Composition, MartinPaulHenriLineByLine) {
  const Report r = ComposeReport("MARTIN PAUL HENRI", "14/03/1962", FrenchLocaleNames());
  EXPECT_EQ(r.caption, "MARTIN PAUL HENRI (mercredi 14 mars 1962 - Poissons)");
  EXPECT_EQ(r.numbers, (CoreNumbers{1, 7, 8, 8, 28, 52, 80, 26}));
  ExpectLines(r.document,
              Expected(r.caption, "Memo1", "Memo7", "Memo8", "Memo8", {"Memo0808"},
                       "14, 3, 62, 26, 8, 52, 28, 80, 16", "mardi, lundi, samedi",
                       "du 14 janvier au 29 janvier , du 14 septembre au 13 octobre , du 14 "
                       "août au 13 septembre "));
}

TEST(Composition, EdgeCases) {
  const CalendarNames& fr = FrenchLocaleNames();
  // The first of a month keeps its two digits in the caption.
  EXPECT_EQ(ComposeReport("DUPONT", "01/06/1980", fr).caption,
            "DUPONT (dimanche 01 juin 1980 - Gémeaux)");

  const struct {
    const char* name;
    const char* date;
    std::vector<std::string> synth;
    const char* motiv;
  } cases[] = {
      // No vowel: "Memo0" has no text, the heading is followed by its empty lines only.
      {"BRRR", "14/03/1962", {"Memo0208", "Memo020811"}, "Memo0"},
      // Expression 5 and Path 5: "Memo0505" and no second key.
      {"E", "02/01/1991", {"Memo0505"}, "Memo5"},
      // Path 22 and Expression 22: first key Memo0404, second Memo040422.
      {"V", "12/01/1962", {"Memo0404", "Memo040422"}, "Memo0"},
      // Path 11 with Expression 7: Memo0207 then Memo020711.
      {"G", "10/09/1990", {"Memo0207", "Memo020711"}, "Memo0"},
  };
  for (const auto& c : cases) {
    const Report r = ComposeReport(c.name, c.date, fr);
    const CoreNumbers& n = r.numbers;
    SCOPED_TRACE(c.name);
    ExpectLines(r.document,
                Expected(r.caption, c.motiv, NumberKey(n.Realisation), NumberKey(n.Expression),
                         NumberKey(n.Path), c.synth, LuckyNumbers(r.birth, c.name, n),
                         LuckyDays(r.birth, fr), LuckyPeriods(r.birth, fr)));
  }
}

// Every pair of expression and path has its synthesis: 5 and 5 too, where the heading
// once stood over nothing. A name without consonants still has no realisation text.
TEST(Composition, FiveAndFiveHasItsSynthesisAndAMissingNumberAddsNothing) {
  const Report r = ComposeReport("E", "02/01/1991", FrenchLocaleNames());
  ASSERT_EQ(r.numbers.Expression, 5);
  ASSERT_EQ(r.numbers.Path, 5);
  ASSERT_EQ(r.numbers.Realisation, 0);
  const auto& ps = r.document.paragraphs;
  const auto at = [&](const std::string& text) {
    size_t i = 0;
    while (i < ps.size() && ps[i].Text() != text) ++i;
    return i;
  };
  const size_t synthesis = at("SYNTHESE");
  ASSERT_LT(synthesis + 7, ps.size());
  EXPECT_EQ(ps[synthesis + 1].Text(), "");
  EXPECT_NE(ps[synthesis + 2].Text(), "");
  EXPECT_NE(ps[synthesis + 3].Text(), "");
  EXPECT_EQ(ps[synthesis + 4].Text().rfind("Points forts :", 0), 0u);
  EXPECT_EQ(ps[synthesis + 5].Text().rfind("Points faibles :", 0), 0u);
  EXPECT_EQ(ps[synthesis + 6].Text(), "");
  EXPECT_EQ(ps[synthesis + 7].Text().rfind("Vos nombres de chance : ", 0), 0u);

  const size_t realisation =
      at("Comment les autres vous perçoivent, tant au plan physique que moral :");
  ASSERT_LT(realisation + 3, ps.size());
  EXPECT_EQ(ps[realisation + 1].Text(), "");
  EXPECT_EQ(ps[realisation + 2].Text(), "");
  EXPECT_EQ(ps[realisation + 3].Text(), "Capacités ou aptitudes professionnelles à développer :");
}

TEST(Composition, InvalidDateMakesNothing) {
  try {
    ComposeReport("DUPONT", "31/04/1962", FrenchLocaleNames());
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'31/04/1962' n'est pas une date correcte");
  }
}

}  // namespace
}  // namespace vorel
