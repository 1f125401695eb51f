// The thème's numbers against the worked examples and the edges of each rule.
#include <gtest/gtest.h>

#include "numerology/Theme.h"

namespace vorel {

void PrintTo(const Reckoning& r, std::ostream* os) {
  for (size_t i = 0; i < r.terms.size(); ++i) *os << (i ? " + " : "") << r.terms[i];
  for (size_t i = 0; i < r.steps.size(); ++i)
    *os << (i ? " -> " : r.terms.empty() ? "" : " = ") << r.steps[i];
}

void PrintTo(const KarmicDebt& d, std::ostream* os) {
  *os << d.debt << " on " << static_cast<int>(d.carrier);
}

namespace {

using Steps = std::vector<std::int32_t>;

TEST(Theme, InclusionGridLessonsAndDominants) {
  const struct {
    const char* name;
    std::array<int, 9> counts;
    std::vector<int> lessons, dominants;
  } cases[] = {
      {"SEAN DUMONT", {2, 1, 1, 2, 3, 1, 0, 0, 0}, {7, 8, 9}, {5}},
      // K counts under 2 and V under 4; every other letter under its own value.
      {"KV", {0, 1, 0, 1, 0, 0, 0, 0, 0}, {1, 3, 5, 6, 7, 8, 9}, {2, 4}},
      // The alphabet: a tie of eight.
      {"ABCDEFGHI JKLMNOPQR STUVWXYZ", {3, 3, 3, 3, 3, 3, 3, 3, 2}, {}, {1, 2, 3, 4, 5, 6, 7, 8}},
      // A name without letters: an empty grid, no lesson, no dominant made up.
      {"- '", {}, {}, {}},
      {"", {}, {}, {}},
      // Lower-case and accented letters (É in the single-byte code page) count for nothing.
      {"\xC9mile A", {1, 0, 0, 0, 0, 0, 0, 0, 0}, {2, 3, 4, 5, 6, 7, 8, 9}, {1}},
  };
  for (const auto& c : cases) {
    const InclusionGrid grid = ComputeInclusionGrid(c.name);
    EXPECT_EQ(grid.counts, c.counts) << c.name;
    EXPECT_EQ(KarmicLessons(grid), c.lessons) << c.name;
    EXPECT_EQ(DominantNumbers(grid), c.dominants) << c.name;
  }
}

TEST(Theme, Reckonings) {
  const struct {
    const char* name;
    Date birth;
    Reckoning expression, path, birthday;
  } cases[] = {
      {"MARTIN PAUL HENRI",
       {14, 3, 1962},
       {{}, {80, 8}},
       {{14, 3, 1962}, {1979, 26, 8}},
       {{}, {14, 5}}},
      {"SEAN DUMONT", {4, 7, 1961}, {{}, {36, 9}}, {{4, 7, 1961}, {1972, 19, 10, 1}}, {{}, {4}}},
      // The path takes the digit sum of the sum once: a sum of 11 gives 2, as in the report.
      {"K", {1, 1, 9}, {{}, {11}}, {{1, 1, 9}, {11, 2}}, {{}, {1}}},
      {"", {29, 11, 1960}, {{}, {0}}, {{29, 11, 1960}, {2000, 2}}, {{}, {29, 11}}},
      {"V", {22, 1, 1}, {{}, {22}}, {{22, 1, 1}, {24, 6}}, {{}, {22}}},
  };
  for (const auto& c : cases) {
    const CoreNumbers core = ComputeNumbers(c.name, c.birth);
    const PersonReckonings r = ComputeReckonings(core, c.birth);
    EXPECT_EQ(r.expression, c.expression) << c.name;
    EXPECT_EQ(r.path, c.path) << c.name;
    EXPECT_EQ(r.path.Value(), core.Path) << c.name;
    EXPECT_EQ(r.birthday, c.birthday) << c.name;
  }
}

TEST(Theme, KarmicDebts) {
  using enum DebtCarrier;
  const struct {
    const char* name;
    Date birth;
    std::vector<KarmicDebt> debts;
  } cases[] = {
      {"SEAN DUMONT", {4, 7, 1961}, {{19, Path}}},
      // O + Y = 13 in the vowels, and so in all the letters.
      {"OY", {4, 7, 1962}, {{13, Motivation}, {13, Expression}}},
      // 49 → 13 → 4 in the consonants and in all the letters.
      {"RRRRRBB", {4, 7, 1962}, {{13, Realisation}, {13, Expression}}},
      {"A", {14, 3, 1962}, {{14, BirthDay}}},
      {"A", {16, 3, 1963}, {{16, BirthDay}}},
      // 10/10/2039: 2059 → 16 → 7.
      {"A", {10, 10, 2039}, {{16, Path}}},
      {"A", {19, 1, 1}, {{19, BirthDay}}},
      // The sum itself in the first years: 1 + 1 + 11 = 13.
      {"A", {1, 1, 11}, {{13, Path}}},
      {"", {28, 2, 1962}, {}},
  };
  for (const auto& c : cases) {
    const CoreNumbers core = ComputeNumbers(c.name, c.birth);
    EXPECT_EQ(KarmicDebts(ComputeReckonings(core, c.birth), c.birth), c.debts)
        << c.name << " " << DateToText(c.birth);
  }
}

TEST(Theme, Challenges) {
  const struct {
    Date birth;
    int month, day, year, first, second, main, fourth;
  } cases[] = {
      {{3, 7, 1962}, 7, 3, 9, 4, 6, 2, 2},
      // Master parts are reduced too: 29 → 11 → 2, 11 → 2.
      {{29, 11, 1960}, 2, 2, 7, 0, 5, 5, 5},
      {{22, 12, 9999}, 3, 4, 9, 1, 5, 4, 6},
      {{9, 1, 1}, 1, 9, 1, 8, 8, 0, 0},
  };
  for (const auto& c : cases) {
    const Challenges ch = ComputeChallenges(c.birth);
    EXPECT_EQ((std::array{ch.month.Value(), ch.day.Value(), ch.year.Value(), ch.first, ch.second,
                          ch.main, ch.fourth}),
              (std::array{c.month, c.day, c.year, c.first, c.second, c.main, c.fourth}))
        << DateToText(c.birth);
  }
  EXPECT_EQ(ComputeChallenges({29, 11, 1960}).day.steps, (Steps{29, 11, 2}));
}

TEST(Theme, PinnaclesAndCycles) {
  const struct {
    Date birth;
    std::array<int, 4> pinnacles;
    std::array<int, 3> cycles;
    int firstEnd;
  } cases[] = {
      // Path 7: the first pinnacle runs to 29.
      {{15, 5, 1949}, {11, 11, 22, 1}, {5, 6, 5}, 29},
      // Master parts: 11 + 11 = 22 stays; the path 2 ends the first at 34.
      {{29, 11, 1960}, {22, 9, 4, 9}, {11, 11, 7}, 34},
      // A master path counts as its digit: path 11 ends at 34, path 22 at 32.
      {{10, 9, 1990}, {1, 2, 3, 1}, {9, 1, 1}, 34},
      {{12, 1, 1962}, {4, 3, 7, 1}, {1, 3, 9}, 32},
      {{22, 2, 1993}, {6, 8, 5, 6}, {2, 22, 22}, 35},
  };
  for (const auto& c : cases) {
    const std::int32_t path = ComputeNumbers("", c.birth).Path;
    const Pinnacles p = ComputePinnacles(c.birth, path);
    const auto cycles = ComputeCycles(c.birth, path);
    const int end = c.firstEnd;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(p.periods[i].number.Value(), c.pinnacles[i]) << DateToText(c.birth) << " " << i;
      EXPECT_EQ(p.periods[i].fromAge, i == 0 ? 0 : end + 9 * (i - 1)) << DateToText(c.birth);
      EXPECT_EQ(p.periods[i].toAge, i == 3 ? std::nullopt : std::optional(end + 9 * i))
          << DateToText(c.birth);
    }
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(cycles[i].number.Value(), c.cycles[i]) << DateToText(c.birth) << " " << i;
      EXPECT_EQ(cycles[i].fromAge, i == 0 ? 0 : end + 18 * (i - 1)) << DateToText(c.birth);
      EXPECT_EQ(cycles[i].toAge, i == 2 ? std::nullopt : std::optional(end + 18 * i))
          << DateToText(c.birth);
    }
  }
  // The arithmetic shown: parts reduced, then each sum reduced.
  const Pinnacles p = ComputePinnacles({29, 11, 1960}, 2);
  EXPECT_EQ(p.year.steps, (Steps{1960, 16, 7}));
  EXPECT_EQ(p.periods[2].number, (Reckoning{{22, 9}, {31, 4}}));
}

TEST(Theme, PersonalYears) {
  const struct {
    Date birth;
    int year;
    Steps steps;
  } cases[] = {
      {{22, 4, 1970}, 2021, {2047, 13, 4}},
      {{2, 1, 1970}, 1995, {1998, 27, 9}},
      {{15, 3, 1970}, 2027, {2045, 11}},
      {{29, 12, 1970}, 9999, {10040, 5}},
      {{1, 1, 1970}, 1, {3}},
      {{1, 1, 1970}, 20, {22}},
  };
  for (const auto& c : cases) EXPECT_EQ(PersonalYear(c.birth, c.year).steps, c.steps) << c.year;
}

TEST(Theme, PersonalMonths) {
  const struct {
    int personalYear;
    std::array<int, 12> months;
  } cases[] = {
      {11, {3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5}},
      {22, {5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7}},
      // 9 + 2 = 11 is reduced to one digit like every month.
      {9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    const auto months = PersonalMonths(c.personalYear);
    for (int m = 0; m < 12; ++m)
      EXPECT_EQ(months[m].Value(), c.months[m]) << c.personalYear << " month " << m + 1;
  }
  EXPECT_EQ(PersonalMonths(9)[1], (Reckoning{{9, 2}, {11, 2}}));
}

}  // namespace
}  // namespace vorel
