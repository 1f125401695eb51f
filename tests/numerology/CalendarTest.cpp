// Zodiac sign, lucky numbers, days and periods against the worked examples.
#include <gtest/gtest.h>

#include "numerology/Calendar.h"

namespace vorel {
namespace {

const CalendarNames& fr = FrenchLocaleNames();

TEST(Calendar, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeap(2000));
  EXPECT_TRUE(IsLeap(1984));
  EXPECT_FALSE(IsLeap(1900));
  EXPECT_FALSE(IsLeap(1962));
  EXPECT_EQ(MonthLength(1960, 2), 29);
  EXPECT_EQ(MonthLength(1962, 2), 28);
  EXPECT_EQ(MonthLength(1962, 4), 30);
  EXPECT_EQ(MonthLength(1962, 12), 31);
}

TEST(Calendar, ClampDay) {
  const struct {
    int day, month, year, outDay, outMonth;
  } cases[] = {
      {31, 9, 1962, 30, 9}, {30, 2, 1962, 28, 2}, {31, 2, 1960, 29, 2},
      {14, 5, 1962, 14, 5}, {0, 10, 1962, 30, 9}, {0, 3, 1962, 28, 2},
      {0, 3, 1960, 29, 2},  {0, 1, 1975, 31, 12},  // across the year's end to December
  };
  for (const auto& c : cases) {
    int month = c.month;
    EXPECT_EQ(ClampDay(c.day, month, c.year), c.outDay) << c.day << "/" << c.month;
    EXPECT_EQ(month, c.outMonth) << c.day << "/" << c.month;
  }
}

TEST(Calendar, DayOfWeekAndAddDays) {
  EXPECT_EQ(DayOfWeek({14, 3, 1962}), 3);  // a Wednesday
  EXPECT_EQ(DayOfWeek({1, 1, 1}), 1);      // proleptic Gregorian: a Monday
  EXPECT_EQ(DayOfWeek({31, 12, 9999}), 5);
  EXPECT_EQ(AddDays({29, 12, 9999}, 6), (Date{4, 1, 10000}));
  EXPECT_EQ(AddDays({28, 2, 1960}, 1), (Date{29, 2, 1960}));
  EXPECT_EQ(AddDays({28, 2, 1900}, 1), (Date{1, 3, 1900}));
}

TEST(Calendar, ZodiacBoundaries) {
  const struct {
    int day, month;
    const char* sign;
  } cases[] = {
      {19, 1, "Capricorne"}, {20, 1, "Verseau"},     {19, 2, "Verseau"},     {20, 2, "Poissons"},
      {20, 3, "Poissons"},   {21, 3, "Bélier"},      {19, 4, "Bélier"},      {20, 4, "Taureau"},
      {20, 5, "Taureau"},    {21, 5, "Gémeaux"},     {20, 6, "Gémeaux"},     {21, 6, "Cancer"},
      {21, 7, "Cancer"},     {22, 7, "Lion"},        {22, 8, "Lion"},        {23, 8, "Vierge"},
      {22, 9, "Vierge"},     {23, 9, "Balance"},     {22, 10, "Balance"},    {23, 10, "Scorpion"},
      {21, 11, "Scorpion"},  {22, 11, "Sagittaire"}, {22, 12, "Sagittaire"}, {23, 12, "Capricorne"},
      {14, 3, "Poissons"},
  };
  for (const auto& c : cases)
    EXPECT_STREQ(ZodiacSign({c.day, c.month, 1962}), c.sign) << c.day << "/" << c.month;
}

TEST(Calendar, LuckyNumbers) {
  const CoreNumbers martin{1, 7, 8, 8, 28, 52, 80, 26};
  const struct {
    Date birth;
    const char* name;
    const char* expected;
  } cases[] = {
      {{14, 3, 1962}, "MARTIN PAUL HENRI", "14, 3, 62, 26, 8, 52, 28, 80, 16"},
      {{14, 3, 1962}, "DUPONT", "14, 3, 62, 26, 8, 52, 28, 80"},
      {{14, 3, 1962}, "DUPONT ", "14, 3, 62, 26, 8, 52, 28, 80"},
      {{14, 3, 1962}, "DUPONT   ", "14, 3, 62, 26, 8, 52, 28, 80"},
      {{14, 3, 1962}, "DUPONT  JEAN", "14, 3, 62, 26, 8, 52, 28, 80, 10"},
      {{14, 3, 1962}, "DUPONT A", "14, 3, 62, 26, 8, 52, 28, 80, 1"},
      // Taken literally: a leading space, then the character after the spaces.
      {{14, 3, 1962}, " MARTIN", "14, 3, 62, 26, 8, 52, 28, 80, 13"},
      {{14, 3, 1962}, "DUPONT -", "14, 3, 62, 26, 8, 52, 28, 80, -19"},
      {{31, 8, 2005}, "DUPONT", "31, 8, 05, 26, 8, 52, 28, 80"},
      {{14, 3, 962}, "DUPONT", "14, 3, 2, 26, 8, 52, 28, 80"},
      {{14, 3, 62}, "DUPONT", "14, 3, , 26, 8, 52, 28, 80"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LuckyNumbers(c.birth, c.name, martin), c.expected) << c.name;
}

TEST(Calendar, LuckyDays) {
  EXPECT_EQ(LuckyDays({14, 3, 1962}, fr), "mardi, lundi, samedi");
  EXPECT_EQ(LuckyDays({14, 3, 1962}, FallbackNames()), "Mardi, Lundi, Samedi");
  // Late in 9999 the lucky days fall in the year 10000 and are named all the same.
  EXPECT_EQ(LuckyDays({30, 12, 9999}, fr), "mercredi, mardi, dimanche");
}

TEST(Calendar, LuckyPeriods) {
  const struct {
    Date birth;
    const char* expected;
  } cases[] = {
      {{14, 3, 1962},
       "du 14 janvier au 29 janvier , du 14 septembre au 13 octobre , du 14 août au 13 septembre "},
      {{30, 4, 1962},
       "du 28 février au 15 mars , du 30 octobre au 29 novembre , du 30 septembre au 29 octobre "},
      {{30, 4, 1960},
       "du 29 février au 15 mars , du 30 octobre au 29 novembre , du 30 septembre au 29 octobre "},
      {{31, 8, 2005},
       "du 30 juin au 15 juillet , du 28 février au 30 mars , du 31 janvier au 28 février "},
      {{1, 3, 1970},
       "du 1 janvier au 16 janvier , du 1 septembre au 30 septembre , du 1 août au 31 août "},
      {{1, 7, 1975},
       "du 1 mai au 16 mai , du 1 janvier au 31 janvier , du 1 décembre au 31 décembre "},
      {{1, 6, 1980},
       "du 1 avril au 16 avril , du 1 décembre au 31 décembre , du 1 novembre au 30 novembre "},
      {{29, 2, 1984},
       "du 29 décembre au 13 janvier , du 29 août au 28 septembre , du 29 juillet au 28 août "},
      {{29, 12, 1962},
       "du 29 octobre au 13 novembre , du 29 juin au 28 juillet , du 29 mai au 28 juin "},
      {{20, 2, 9999},
       "du 20 décembre au 4 janvier , du 20 août au 19 septembre , du 20 juillet au 19 août "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LuckyPeriods(c.birth, fr), c.expected) << DateToText(c.birth);
}

TEST(Calendar, LongDateText) {
  EXPECT_EQ(LongDateText({14, 3, 1962}, fr), "mercredi 14 mars 1962");
  EXPECT_EQ(LongDateText({1, 6, 1980}, fr), "dimanche 01 juin 1980");
  EXPECT_EQ(LongDateText({5, 8, 62}, FallbackNames()), "Samedi 05 Août 0062");
}

}  // namespace
}  // namespace vorel
