// Date text both ways: the register's short form.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "numerology/DateText.h"

namespace vorel {
namespace {

TEST(DateText, BothWays) {
  EXPECT_EQ(DateToText({14, 3, 1962}), "14/03/1962");
  EXPECT_EQ(DateToText({5, 8, 62}), "05/08/0062");
  const struct {
    const char* text;
    bool valid;
    Date date;
  } cases[] = {
      {"14/03/1962", true, {14, 3, 1962}},
      {"1/3/62", true, {1, 3, 62}},
      {" 29/02/2000 ", true, {29, 2, 2000}},
      {"29/02/1900", false, {}},
      {"31/04/1962", false, {}},
      {"00/01/1962", false, {}},
      {"01/13/1962", false, {}},
      {"01/01/0000", false, {}},
      {"01/01/10000", false, {}},
      {"14/03", false, {}},
      {"14-03-1962", false, {}},
      {"", false, {}},
      {"1a/03/1962", false, {}},
      {"14/03/1962x", false, {}},
      {"99999999999/1/1", false, {}},
      {"31/12/9999", true, {31, 12, 9999}},
  };
  for (const auto& c : cases) {
    Date date;
    EXPECT_EQ(TryTextToDate(c.text, date), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(date, c.date) << c.text;
    }
  }
  // A year typed on one or two characters is of the 1900s.
  const std::pair<const char*, int> typed[] = {{"62", 1962}, {"5", 1905},    {"+5", 1905},
                                               {"00", 1900}, {"", 1900},     {"962", 962},
                                               {"0062", 62}, {"1962", 1962}, {"x", 1900}};
  for (const auto& [text, year] : typed) EXPECT_EQ(YearOfTypedDate(text), year) << text;
  try {
    TextToDate("31/04/1962");
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'31/04/1962' n'est pas une date correcte");
  }
}

}  // namespace
}  // namespace vorel
