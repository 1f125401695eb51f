// The seam rule of the thème and of the two-person report: two texts that can meet in two
// sections of one report share no run of four consecutive content words. Which texts can meet
// is worked out from the rules, every case enumerated; each key the compositions ask for must
// hold a text.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "numerology/Couple.h"
#include "numerology/Theme.h"
#include "report/Catalogue.h"
#include "report/ContentWords.h"
#include "report/CoupleReport.h"
#include "report/ThemeReport.h"

namespace vorel {
namespace {

using KeyPair = std::pair<std::string, std::string>;

// Checks each pair once; the message lists the keys without a text and every pair that shares
// a run, with the runs.
std::string Offenders(CatalogueId id, const std::set<KeyPair>& pairs) {
  std::map<std::string, std::vector<std::string>> runs;
  std::set<std::string> missing;
  const auto runsOf = [&](const std::string& key) -> const std::vector<std::string>& {
    auto [it, added] = runs.try_emplace(key);
    if (added) {
      const auto text = FindCatalogueText(id, key);
      if (text.empty()) missing.insert(key);
      it->second = FourWordRuns({text.begin(), text.end()});
    }
    return it->second;
  };
  std::ostringstream out;
  int broken = 0;
  for (const auto& [a, b] : pairs) {
    const auto& ra = runsOf(a);
    const auto& rb = runsOf(b);
    std::vector<std::string> shared;
    std::set_intersection(ra.begin(), ra.end(), rb.begin(), rb.end(), std::back_inserter(shared));
    if (shared.empty()) continue;
    ++broken;
    out << "\n  " << a << " / " << b << ":";
    for (const std::string& run : shared) out << " \"" << run << "\"";
  }
  std::string message;
  for (const std::string& key : missing) message += " " + key;
  if (!message.empty()) message = "keys without a text:" + message + "\n";
  if (broken)
    message += std::to_string(broken) +
               " pairs of texts that meet share a run of four content "
               "words:" +
               out.str();
  return message;
}

void AddAll(std::set<KeyPair>& pairs, const std::vector<std::string>& a,
            const std::vector<std::string>& b) {
  for (const std::string& x : a)
    for (const std::string& y : b) pairs.insert(std::minmax(x, y));
}

std::vector<std::string> ThemeKeys(ThemeText kind, std::initializer_list<int> numbers) {
  std::vector<std::string> keys;
  for (int n : numbers) keys.push_back(ThemeKey(kind, n));
  return keys;
}

TEST(ThemeSeam, NoRunOfFourContentWordsInTwoSectionsOfOneTheme) {
  using enum ThemeText;
  const std::map<ThemeText, std::vector<std::string>> groups = {
      {Lesson, ThemeKeys(Lesson, {1, 2, 3, 4, 5, 6, 7, 8, 9})},
      {Dominant, ThemeKeys(Dominant, {1, 2, 3, 4, 5, 6, 7, 8, 9})},
      {Debt, ThemeKeys(Debt, {13, 14, 16, 19})},
      {Challenge, ThemeKeys(Challenge, {0, 1, 2, 3, 4, 5, 6, 7, 8})},
      {Pinnacle, ThemeKeys(Pinnacle, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})},
      {Cycle, ThemeKeys(Cycle, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})},
      {Year, ThemeKeys(Year, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})},
      {Month, ThemeKeys(Month, {1, 2, 3, 4, 5, 6, 7, 8, 9})},
  };
  const auto fromDate = [](ThemeText kind) {
    return kind == Challenge || kind == Pinnacle || kind == Cycle;
  };
  std::set<KeyPair> pairs;
  // Sections that depend on different facts meet in every combination: the name (lessons,
  // dominants), the year studied (years; every month text appears in every thème), and the
  // debts, which the name alone can bring to any date. A missing number is never dominant.
  for (const auto& [kindA, keysA] : groups)
    for (const auto& [kindB, keysB] : groups) {
      if (kindA >= kindB || (fromDate(kindA) && fromDate(kindB))) continue;
      AddAll(pairs, keysA, keysB);
    }
  for (int n = 1; n <= 9; ++n) pairs.erase(std::minmax(ThemeKey(Lesson, n), ThemeKey(Dominant, n)));
  // The challenges, pinnacles and cycles all come from the day, the month and the year reduced
  // keeping 11 and 22: days give 1 to 9, 11 and 22, months 1 to 9 and 11, years 1 to 9, 11
  // and 22, in every combination. A date with those parts stands for all the others.
  for (int d : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})
    for (int m : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11})
      for (int y : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
        const Date birth{d, m, y};
        const std::int32_t path = ComputeNumbers("", birth).Path;
        const Challenges c = ComputeChallenges(birth);
        std::vector<std::string> challenges, pinnacles, cycles;
        for (int v : {c.first, c.second, c.main, c.fourth})
          challenges.push_back(ThemeKey(Challenge, v));
        for (const LifePeriod& p : ComputePinnacles(birth, path).periods)
          pinnacles.push_back(ThemeKey(Pinnacle, p.number.Value()));
        for (const LifePeriod& p : ComputeCycles(birth, path))
          cycles.push_back(ThemeKey(Cycle, p.number.Value()));
        AddAll(pairs, challenges, pinnacles);
        AddAll(pairs, challenges, cycles);
        AddAll(pairs, pinnacles, cycles);
      }
  EXPECT_EQ(Offenders(CatalogueId::Theme, pairs), "");
}

TEST(CoupleSeam, NoRunOfFourContentWordsInTwoSectionsOfOneReport) {
  const int kPaths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
  using enum Closeness;
  std::set<KeyPair> pairs;
  // The pair text and the couple number both come from the two paths.
  for (int a : kPaths)
    for (int b : kPaths)
      pairs.insert(
          std::minmax(PairKey(PathPair(a, b)), CoupleNumberKey(CoupleNumber(a, b).Value())));
  std::vector<std::string> pathTexts;
  for (const auto& [a, b] : pairs) pathTexts.push_back(a), pathTexts.push_back(b);
  std::sort(pathTexts.begin(), pathTexts.end());
  pathTexts.erase(std::unique(pathTexts.begin(), pathTexts.end()), pathTexts.end());

  // The lines come from the names and the year sentences from the days, months and year
  // studied: they meet the path texts and each other in every combination, except that a name
  // without letters has no vowel either, so an absent expression comes with an absent
  // motivation.
  const auto keys = [](const char* topic, std::initializer_list<Closeness> bands) {
    std::vector<std::string> out;
    for (Closeness band : bands) out.push_back(ClosenessKey(topic, band));
    return out;
  };
  const auto motivation = keys("Motivation", {Same, Close, Apart, Absent});
  const auto expression = keys("Expression", {Same, Close, Apart});
  const auto years = keys("Annees", {Same, Close, Apart});
  const std::vector<std::string> absent = {ClosenessKey("Expression", Absent)};
  AddAll(pairs, pathTexts, motivation);
  AddAll(pairs, pathTexts, expression);
  AddAll(pairs, pathTexts, absent);
  AddAll(pairs, pathTexts, years);
  AddAll(pairs, motivation, expression);
  AddAll(pairs, {ClosenessKey("Motivation", Absent)}, absent);
  AddAll(pairs, motivation, years);
  AddAll(pairs, expression, years);
  AddAll(pairs, absent, years);
  EXPECT_EQ(Offenders(CatalogueId::Couple, pairs), "");
}

}  // namespace
}  // namespace vorel
