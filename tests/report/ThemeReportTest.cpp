// The thème as composed: its sections in order with their arithmetic and texts, its look, and
// the input it refuses.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "report/Catalogue.h"
#include "report/ReportLines.h"
#include "report/ThemeReport.h"

namespace vorel {
namespace {

std::string Text(ThemeText kind, int number) {
  const auto text = FindCatalogueText(CatalogueId::Theme, ThemeKey(kind, number));
  return text.empty() ? "(no text " + ThemeKey(kind, number) + ")" : text[0];
}

const std::string kNoLetters =
    "Le nom ne contient aucune lettre de A à Z\u00A0: la grille est vide, sans leçon karmique ni "
    "nombre dominant.";

TEST(ThemeReport, SectionsInOrder) {
  using enum ThemeText;
  const struct {
    const char* name;
    const char* date;
    int year;
    std::vector<std::string> lines;   // in this order, other lines between them
    std::vector<std::string> absent;  // nowhere
  } cases[] = {
      {"SEAN DUMONT",
       "04/07/1961",
       2025,
       {"Thème de SEAN DUMONT (mardi 04 juillet 1961 - Cancer)",
        "Les nombres",
        "Expression\u00A0:\t36 \u2192 9",
        "Chemin de vie\u00A0:\t4 + 7 + 1961 = 1972 \u2192 19 \u2192 10 \u2192 1",
        "Jour de naissance\u00A0:\t4",
        "La grille d'inclusion",
        "1\u00A0: 2\t2\u00A0: 1\t3\u00A0: 1",
        "4\u00A0: 2\t5\u00A0: 3\t6\u00A0: 1",
        "7\u00A0: 0\t8\u00A0: 0\t9\u00A0: 0",
        "Les valeurs absentes de la grille donnent chacune une leçon karmique\u00A0: 7, 8 et 9.",
        "Leçon karmique du 7",
        Text(Lesson, 7),
        "Leçon karmique du 8",
        Text(Lesson, 8),
        "Leçon karmique du 9",
        Text(Lesson, 9),
        "La valeur la plus fréquente est le nombre dominant\u00A0: 5, avec 3 lettres.",
        "Nombre dominant 5",
        Text(Dominant, 5),
        "Les dettes karmiques",
        "Dette karmique 19, portée par le chemin de vie",
        "Chemin de vie\u00A0: 4 + 7 + 1961 = 1972 \u2192 19 \u2192 10 \u2192 1",
        Text(Debt, 19),
        "Les défis",
        "Premier défi\u00A0:\t7 \u2212 4 = 3 (mois et jour)",
        "Défi 1 (principal et quatrième)",
        Text(Challenge, 1),
        "Les réalisations",
        "Première réalisation\u00A0:\t7 + 4 = 11\tde 0 à 35 ans (1961 à 1996)",
        "Quatrième réalisation\u00A0:\t7 + 8 = 15 \u2192 6\tà partir de 53 ans (2014)",
        "Réalisation 11 (première)",
        Text(Pinnacle, 11),
        "Les cycles de vie",
        "Troisième cycle (année)\u00A0:\t1961 \u2192 17 \u2192 8\tà partir de 53 ans (2014)",
        "Cycle 8 (troisième)",
        Text(Cycle, 8),
        "L'année personnelle",
        "2025\u00A0: année personnelle 11 (nombre maître)",
        "4 + 7 + 2025 = 2036 \u2192 11",
        Text(Year, 11),
        "2026\u00A0: année personnelle 3",
        Text(Year, 3),
        "Les mois personnels de 2025",
        "Janvier\u00A0: 3 \u2014 " + Text(Month, 3),
        "Août\u00A0: 1 \u2014 " + Text(Month, 1),
        "Décembre\u00A0: 5 \u2014 " + Text(Month, 5)},
       {kNoLetters}},
      // No letters: no lesson, no dominant; master parts in the challenges and pinnacles.
      {"",
       "29/11/1960",
       2027,
       {"Motivation\u00A0:\t0 (aucune voyelle dans le nom)",
        "Jour de naissance\u00A0:\t29 \u2192 11", kNoLetters,
        "Aucune dette karmique\u00A0: ni 13, ni 14, ni 16, ni 19 n'apparaît dans le calcul des "
        "quatre nombres, et le jour de naissance n'en est pas un.",
        "Le mois, le jour et l'année de naissance, réduits chacun à un chiffre\u00A0: mois 11 "
        "\u2192 2, jour 29 \u2192 11 \u2192 2, année 1960 \u2192 16 \u2192 7.",
        "Premier défi\u00A0:\t2 \u2212 2 = 0 (mois et jour)",
        "Défi principal\u00A0:\t5 \u2212 0 = 5 (les deux premiers)", "Défi 0 (premier)",
        Text(Challenge, 0), "Défi 5 (deuxième, principal et quatrième)", Text(Challenge, 5),
        "Première réalisation\u00A0:\t11 + 11 = 22\tde 0 à 34 ans (1960 à 1994)",
        "Troisième réalisation\u00A0:\t22 + 9 = 31 \u2192 4\tde 43 à 52 ans (2003 à 2012)",
        "Réalisation 22 (première)", "Réalisation 9 (deuxième et quatrième)",
        "Premier cycle (mois)\u00A0:\t11\tde 0 à 34 ans (1960 à 1994)",
        "Deuxième cycle (jour)\u00A0:\t29 \u2192 11\tde 34 à 52 ans (1994 à 2012)",
        "Cycle 11 (premier et deuxième)", Text(Cycle, 11)},
       {"1\u00A0: 0\t2\u00A0: 0\t3\u00A0: 0", "Leçon karmique du 1", "Nombre dominant 1"}},
      // A debt carried by two numbers is written once; a tie of dominants; the last year.
      {"OY",
       "15/03/1970",
       9999,
       {"Nombre dominant 6", Text(Dominant, 6), "Nombre dominant 7", Text(Dominant, 7),
        "Dette karmique 13, portée par la motivation et l'expression",
        "Motivation\u00A0: 13 \u2192 4", "Expression\u00A0: 13 \u2192 4", Text(Debt, 13),
        "9999\u00A0: année personnelle 9", "10000\u00A0: année personnelle 1"},
       {}},
      {"A",
       "15/03/1970",
       2027,
       {"2027\u00A0: année personnelle 11 (nombre maître)", "15 + 3 + 2027 = 2045 \u2192 11",
        "2028\u00A0: année personnelle 3",
        "Chaque mois\u00A0: l'année personnelle réduite à un chiffre (2) plus le numéro du mois, "
        "réduit à un chiffre.",
        "Janvier\u00A0: 3 \u2014 " + Text(Month, 3)},
       {}},
  };
  for (const auto& c : cases) {
    const Report r = ComposeTheme(c.name, c.date, c.year, FrenchLocaleNames());
    EXPECT_EQ(test::MissingInOrder(r.document, c.lines), "") << c.name << " " << c.date;
    for (const std::string& line : c.absent)
      EXPECT_FALSE(test::HasLine(r.document, line)) << c.name << ": " << line;
    test::ExpectReportLook(r.document, c.name);
  }
  const Report r = ComposeTheme("SEAN DUMONT", "04/07/1961", 2025, FrenchLocaleNames());
  EXPECT_EQ(r.caption, "Thème de SEAN DUMONT (mardi 04 juillet 1961 - Cancer)");
  EXPECT_EQ(r.numbers, ComputeNumbers("SEAN DUMONT", "04/07/1961"));
}

TEST(ThemeReport, RefusesBadInputBeforeComposing) {
  const struct {
    const char* date;
    int year;
    const char* message;
  } cases[] = {
      {"31/04/1962", 2025, "'31/04/1962' n'est pas une date correcte"},
      {"31/04/1962", 0, "'31/04/1962' n'est pas une date correcte"},
      {"14/03/1962", 0, "'0' n'est pas une année correcte (de 1 à 9999)"},
      {"14/03/1962", 10000, "'10000' n'est pas une année correcte (de 1 à 9999)"},
  };
  for (const auto& c : cases) {
    try {
      ComposeTheme("DUPONT", c.date, c.year, FrenchLocaleNames());
      ADD_FAILURE() << c.date << " " << c.year;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace vorel
