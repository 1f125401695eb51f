// The explanation of the numbers.
#include "report/Explain.h"

#include "base/Cp1252.h"
#include "numerology/Numbers.h"
#include "numerology/Reckoning.h"
#include "report/Catalogue.h"

namespace vorel {
namespace {

std::string Join(const std::vector<std::int32_t>& values, const char* separator) {
  std::string out;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += separator;
    out += std::to_string(values[i]);
  }
  return out;
}

// "28 -> 10 -> 1", with a note when a master number stopped the reduction.
std::string Reduction(std::int32_t total) {
  const std::vector<std::int32_t> steps = ReductionSteps(total);
  std::string out = "réduction " + Join(steps, " -> ");
  const std::int32_t last = steps.back();
  if (IsMasterNumber(last)) out += " (arrêt sur le nombre maître " + std::to_string(last) + ")";
  return out;
}

std::string KeyWithText(const std::string& key) {
  const bool found = !FindCatalogueText(CatalogueId::Synthesis, key).empty();
  return key + (found ? "" : " (aucun texte)");
}

}  // namespace

std::string ExplainNumbers(std::string_view name, const Date& birth) {
  const CoreNumbers n = ComputeNumbers(name, birth);
  std::string out = "Détail des calculs\n";
  out += "Nom : " + Cp1252ToUtf8(name) + "\n";
  std::vector<std::int32_t> vowels, consonants;
  std::string ignored;
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsNameLetter(c)) {
      ignored += ignored.empty() ? "" : " ";
      ignored += c == ' ' ? std::string("espace") : "'" + Cp1252ToUtf8(std::string(1, ch)) + "'";
      continue;
    }
    const std::int32_t value = LetterValue(ch);
    const bool vowel = IsVowel(c);
    (vowel ? vowels : consonants).push_back(value);
    out += "  ";
    out += ch;
    out += vowel ? "  voyelle    " : "  consonne   ";
    out += std::to_string(value);
    if (value != c - 64)
      out += "  (" + std::to_string(c - 64) + " réduit à " + std::to_string(value) + ")";
    out += "\n";
  }
  if (!ignored.empty()) out += "  caractères sans valeur : " + ignored + "\n";

  const auto sum = [](const std::vector<std::int32_t>& v, std::int32_t total) {
    return (v.empty() ? std::string("aucune lettre") : Join(v, " + ")) + " = " +
           std::to_string(total);
  };
  out += "Voyelles : " + sum(vowels, n.MotivationSum) + " ; " + Reduction(n.MotivationSum) +
         " : motivation " + std::to_string(n.Motivation) + "\n";
  out += "Consonnes : " + sum(consonants, n.RealisationSum) + " ; " + Reduction(n.RealisationSum) +
         " : réalisation " + std::to_string(n.Realisation) + "\n";
  out += "Toutes les lettres : " + std::to_string(n.MotivationSum) + " + " +
         std::to_string(n.RealisationSum) + " = " + std::to_string(n.ExpressionSum) + " ; " +
         Reduction(n.ExpressionSum) + " : expression " + std::to_string(n.Expression) + "\n";

  const std::int64_t s = static_cast<std::int64_t>(birth.day) + birth.month + birth.year;
  std::vector<std::int32_t> digits;
  for (const char c : std::to_string(s)) digits.push_back(c - '0');
  out += "Date : " + std::to_string(birth.day) + " + " + std::to_string(birth.month) + " + " +
         std::to_string(birth.year) + " = " + std::to_string(s) + " ; chiffres " +
         Join(digits, " + ") + " = " + std::to_string(n.PathSum) + " ; " + Reduction(n.PathSum) +
         " : chemin de vie " + std::to_string(n.Path) + "\n";

  out += "Synthèse : chemin " + std::to_string(n.Path);
  if (IsMasterNumber(n.Path)) out += " (compté " + std::to_string(MasterAsDigit(n.Path)) + ")";
  out += " et expression " + std::to_string(n.Expression);
  if (IsMasterNumber(n.Expression))
    out += " (comptée " + std::to_string(MasterAsDigit(n.Expression)) + ")";
  out += " : première clé " + KeyWithText(FirstSynthesisKey(n));
  const std::string second = SecondSynthesisKey(n);
  if (second.empty())
    out += " ; pas de nombre maître, pas de seconde clé\n";
  else
    out += " ; nombre maître " + std::to_string(MasterMark(n)) + " : seconde clé " +
           KeyWithText(second) + "\n";
  return out;
}

}  // namespace vorel
