// The name and birth-date numbers against the worked examples.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "numerology/DateText.h"
#include "numerology/Numbers.h"

namespace vorel {

void PrintTo(const CoreNumbers& n, std::ostream* os) {
  *os << "{" << n.Motivation << ", " << n.Realisation << ", " << n.Expression << ", " << n.Path
      << ", " << n.MotivationSum << ", " << n.RealisationSum << ", " << n.ExpressionSum << ", "
      << n.PathSum << "}";
}

namespace {

TEST(ReduceNumber, StopsAtNineElevenAndTwentyTwo) {
  const struct {
    int in, out;
  } cases[] = {{0, 0},   {9, 9},     {10, 1},    {11, 11},      {22, 22}, {29, 11},
               {38, 11}, {499, 22},  {19, 1},    {28, 1},       {99, 9},  {1979, 8},
               {-4, -4}, {2009, 11}, {1975, 22}, {INT32_MAX, 1}};
  for (const auto& c : cases) EXPECT_EQ(ReduceNumber(c.in), c.out) << c.in;
  EXPECT_EQ(ReductionSteps(499), (std::vector<int32_t>{499, 22}));
  EXPECT_EQ(ReductionSteps(19), (std::vector<int32_t>{19, 10, 1}));
}

TEST(LetterValue, FullTable) {
  const int expected[26] = {1, 2, 3, 4, 5, 6, 7, 8, 9,  1, 11, 3, 4,
                            5, 6, 7, 8, 9, 1, 2, 3, 22, 5, 6,  7, 8};
  for (int i = 0; i < 26; ++i) EXPECT_EQ(LetterValue(static_cast<char>('A' + i)), expected[i]);
}

struct NumbersCase {
  const char* name;
  const char* date;
  CoreNumbers expected;  // Motivation, Realisation, Expression, Path, then the four sums
};

TEST(ComputeNumbers, WorkedExamples) {
  const NumbersCase cases[] = {
      {"MARTIN PAUL HENRI", "14/03/1962", {1, 7, 8, 8, 28, 52, 80, 26}},
      {"YVES", "29/02/1984", {3, 5, 8, 8, 12, 23, 35, 8}},
      {"K", "10/09/1990", {0, 11, 11, 11, 0, 11, 11, 11}},
      {"V", "12/01/1962", {0, 22, 22, 22, 0, 22, 22, 22}},
      {"BRRR", "14/03/1962", {0, 11, 11, 8, 0, 29, 29, 26}},
      {"JEAN-PIERRE", "14/03/1962", {7, 4, 11, 8, 25, 31, 56, 26}},
      {"- '42", "14/03/1962", {0, 0, 0, 8, 0, 0, 0, 26}},
      // Lower-case and accented letters (É in the single-byte code page) add nothing.
      {"\xC9MILE martin", "14/03/1962", {5, 7, 3, 8, 14, 7, 21, 26}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComputeNumbers(c.name, c.date), c.expected) << c.name << " " << c.date;
  }
}

TEST(ComputeNumbers, PathIsDigitSumOfTheSumNotOfTheWrittenDigits) {
  // 29 + 2 + 1984 = 2015: digit sum 8, whereas the written digits add up to 35.
  EXPECT_EQ(ComputeNumbers("", "29/02/1984").PathSum, 8);
  EXPECT_THROW(ComputeNumbers("A", "31/04/1962"), Error);
}

TEST(SynthesisKeys, PairAndMasterMark) {
  const struct {
    int path, expression;
    const char* first;
    const char* second;
  } cases[] = {
      {8, 8, "Memo0808", ""},
      {7, 3, "Memo0307", ""},
      {11, 7, "Memo0207", "Memo020711"},
      {22, 5, "Memo0405", "Memo040522"},
      {2, 22, "Memo0204", "Memo020422"},
      {11, 11, "Memo0202", "Memo020211"},
      {22, 22, "Memo0404", "Memo040422"},
      {11, 22, "Memo0204", "Memo020422"},
      {5, 5, "Memo0505", ""},
  };
  for (const auto& c : cases) {
    CoreNumbers n;
    n.Path = c.path;
    n.Expression = c.expression;
    EXPECT_EQ(FirstSynthesisKey(n), c.first) << c.path << "/" << c.expression;
    EXPECT_EQ(SecondSynthesisKey(n), c.second) << c.path << "/" << c.expression;
  }
}

}  // namespace
}  // namespace vorel
