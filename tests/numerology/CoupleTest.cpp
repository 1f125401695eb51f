// The numbers of two persons: the couple number, the pair of paths, the closeness bands.
#include <gtest/gtest.h>

#include "numerology/Couple.h"

namespace vorel {
namespace {

TEST(Couple, NumberAndPair) {
  const struct {
    int path1, path2;
    std::vector<std::int32_t> steps;
    std::pair<int, int> pair;
  } cases[] = {
      {8, 7, {15, 6}, {7, 8}},   {7, 4, {11}, {4, 7}},     {11, 11, {22}, {2, 2}},
      {22, 22, {44, 8}, {4, 4}}, {11, 9, {20, 2}, {2, 9}}, {1, 22, {23, 5}, {1, 4}},
      {9, 9, {18, 9}, {9, 9}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CoupleNumber(c.path1, c.path2).steps, c.steps) << c.path1 << "/" << c.path2;
    EXPECT_EQ(PathPair(c.path1, c.path2), c.pair) << c.path1 << "/" << c.path2;
    EXPECT_EQ(PathPair(c.path2, c.path1), c.pair) << c.path2 << "/" << c.path1;
  }
}

TEST(Couple, Closeness) {
  using enum Closeness;
  const struct {
    int a, b;
    Closeness closeness;
  } cases[] = {
      {5, 5, Same},   {11, 2, Same},  {22, 4, Same},  {1, 2, Close}, {1, 4, Close},
      {9, 6, Close},  {11, 5, Close}, {1, 5, Apart},  {9, 1, Apart}, {22, 9, Apart},
      {0, 3, Absent}, {7, 0, Absent}, {0, 0, Absent},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareNumbers(c.a, c.b), c.closeness) << c.a << "/" << c.b;
}

}  // namespace
}  // namespace vorel
