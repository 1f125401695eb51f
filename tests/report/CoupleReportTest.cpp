// The two-person report as composed: the persons side by side, the couple number and the
// pair text chosen from the paths, the lines chosen by the bands, the input it refuses.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "report/Catalogue.h"
#include "report/CoupleReport.h"
#include "report/ReportLines.h"

namespace vorel {
namespace {

std::string Text(const std::string& key) {
  const auto text = FindCatalogueText(CatalogueId::Couple, key);
  return text.empty() ? "(no text " + key + ")" : text[0];
}

TEST(CoupleReport, SectionsInOrder) {
  const struct {
    CouplePerson first, second;
    int year;
    std::vector<std::string> lines;  // in this order, other lines between them
  } cases[] = {
      {{"MARTIN PAUL HENRI", "14/03/1962"},
       {"DURAND LEA", "15/05/1949"},
       2025,
       {"MARTIN PAUL HENRI et DURAND LEA",
        "Les deux personnes",
        "\tMARTIN PAUL HENRI\tDURAND LEA",
        "Naissance\u00A0:\tmercredi 14 mars 1962\tdimanche 15 mai 1949",
        "Expression\u00A0:\t80 \u2192 8\t35 \u2192 8",
        "Jour + mois + année\u00A0:\t14 + 3 + 1962 = 1979\t15 + 5 + 1949 = 1969",
        "Chemin de vie\u00A0:\t1979 \u2192 26 \u2192 8\t1969 \u2192 25 \u2192 7",
        "Jour de naissance\u00A0:\t14 \u2192 5\t15 \u2192 6",
        "Année personnelle 2025\u00A0:\t14 + 3 + 2025 = 2042 \u2192 8\t15 + 5 + 2025 = 2045 "
        "\u2192 11",
        "Le nombre du couple",
        "Les deux chemins de vie additionnés, 11 et 22 comptés tels quels\u00A0: 8 + 7 = 15 "
        "\u2192 6.",
        Text("Couple6"),
        "Vos chemins de vie ensemble",
        "MARTIN PAUL HENRI suit le chemin de vie 8, DURAND LEA le chemin de vie 7.",
        Text("Paire0708"),
        "Ce qui vous anime, ce que vous montrez",
        "Motivations\u00A0: 1 pour MARTIN PAUL HENRI, 1 pour DURAND LEA.",
        Text("MotivationMeme"),
        "Expressions\u00A0: 8 pour MARTIN PAUL HENRI, 8 pour DURAND LEA.",
        Text("ExpressionMeme"),
        "Vos années",
        "2025\u00A0:\t8\t11 (nombre maître)",
        "2026\u00A0:\t9\t3",
        "En 2025 comme en 2026\u00A0:",
        Text("AnneesEcart")}},
      // Two master paths: 11 + 11 = 22 stays, each 11 is read as a 2.
      {{"K", "10/09/1990"},
       {"ALI", "11/09/1989"},
       2025,
       {"Les deux chemins de vie additionnés, 11 et 22 comptés tels quels\u00A0: 11 + 11 = 22, un "
        "nombre maître.",
        Text("Couple22"), "Le 11 de K se lit ici comme un 2.",
        "Le 11 de ALI se lit ici comme un 2.", Text("Paire0202"),
        "K n'a pas de nombre de motivation\u00A0: son nom ne contient aucune voyelle.",
        Text("MotivationAbsente"), "Expressions\u00A0: 11 pour K, 4 pour ALI.",
        Text("ExpressionProche")}},
      // 22 + 22 = 44 → 8; the two years fall in two bands, each with its sentence.
      {{"V", "12/01/1962"},
       {"E", "01/09/1956"},
       2030,
       {"Les deux chemins de vie additionnés, 11 et 22 comptés tels quels\u00A0: 22 + 22 = 44 "
        "\u2192 8.",
        Text("Couple8"), "Le 22 de V se lit ici comme un 4.", "Le 22 de E se lit ici comme un 4.",
        Text("Paire0404"), "2030\u00A0:\t9\t6", "2031\u00A0:\t1\t7",
        "En 2030\u00A0:", Text("AnneesProche"), "En 2031\u00A0:", Text("AnneesEcart")}},
      // A person without letters: numbers 0, and the lines say whose number is absent.
      {{"DURAND LEA", "15/05/1949"},
       {"-", "01/01/2000"},
       2025,
       {"Expression\u00A0:\t35 \u2192 8\t0 (aucune lettre)",
        "Les deux chemins de vie additionnés, 11 et 22 comptés tels quels\u00A0: 7 + 4 = 11, un "
        "nombre maître.",
        Text("Couple11"), Text("Paire0407"),
        "- n'a pas de nombre de motivation\u00A0: son nom ne contient aucune voyelle.",
        Text("MotivationAbsente"),
        "- n'a pas de nombre d'expression\u00A0: son nom ne contient aucune lettre.",
        Text("ExpressionAbsente")}},
      {{"BRRR", "04/07/1961"},
       {"K", "10/09/1990"},
       2025,
       {"Ni BRRR ni K n'a de nombre de motivation\u00A0: aucun des deux noms ne contient de "
        "voyelle.",
        Text("MotivationAbsente"), "Expressions\u00A0: 11 pour BRRR, 11 pour K.",
        Text("ExpressionMeme")}},
  };
  for (const auto& c : cases) {
    const CoupleReport r = ComposeCouple(c.first, c.second, c.year, FrenchLocaleNames());
    const std::string name = r.caption;
    EXPECT_EQ(test::MissingInOrder(r.document, c.lines), "") << name;
    test::ExpectReportLook(r.document, name);
    EXPECT_EQ(r.numbers[0], ComputeNumbers(c.first.name, c.first.dateText)) << name;
    EXPECT_EQ(r.numbers[1], ComputeNumbers(c.second.name, c.second.dateText)) << name;
  }
}

TEST(CoupleReport, RefusesBadInputBeforeComposing) {
  const struct {
    const char* first;
    const char* second;
    int year;
    const char* message;
  } cases[] = {
      {"14/03/1962", "30/02/1970", 2025, "'30/02/1970' n'est pas une date correcte"},
      {"1962", "30/02/1970", 2025, "'1962' n'est pas une date correcte"},
      {"14/03/1962", "01/01/1970", 10000, "'10000' n'est pas une année correcte (de 1 à 9999)"},
  };
  for (const auto& c : cases) {
    try {
      ComposeCouple({"A", c.first}, {"B", c.second}, c.year, FrenchLocaleNames());
      ADD_FAILURE() << c.first << " " << c.second;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace vorel
