// The error box's full-stop rule and message formatting.
#include <gtest/gtest.h>

#include "base/Error.h"

namespace vorel {
namespace {

TEST(ErrorBoxText, FullStopOnlyAfterCharactersAboveTheFullStop) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"Fichier introuvable", "Fichier introuvable."},
      {"Erreur E/S 5", "Erreur E/S 5."},
      {"chemin /", "chemin /."},
      {"question ?", "question ?."},
      {"deux points :", "deux points :."},
      {"Accès refusé", "Accès refusé."},  // a non-ASCII last character is above '.'
      {"Date incorrecte.", "Date incorrecte."},
      {"virgule,", "virgule,"},
      {"blanc ", "blanc "},
      {"Attention !", "Attention !"},
      {"(entre parenthèses)", "(entre parenthèses)"},
      {"tiret -", "tiret -"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.in), c.out) << c.in;
}

TEST(FormatMessage, ReplacesTheFirstPlaceholder) {
  EXPECT_EQ(FormatMessage("'%s' n'est pas une date correcte", "1/2"),
            "'1/2' n'est pas une date correcte");
  EXPECT_EQ(FormatMessage("Erreur E/S %d", "13"), "Erreur E/S 13");
  EXPECT_EQ(FormatMessage("%s et %s", "a"), "a et %s");
  EXPECT_EQ(FormatMessage("rien", "a"), "rien");
}

}  // namespace
}  // namespace vorel
