// SPDX-License-Identifier: MIT
// Driver values into automation values, and the text forms of the Unicode entry points.
#include <gtest/gtest.h>

#include "platform/ado/odbc.h"
#include "platform/ado/values.h"

namespace {

using ado::values::ToDate;
using ado::values::ToDecimal;

TEST(ToDecimal, GivesThePlainForm) {
  struct Case { const char* in; const char* out; };
  const Case cases[] = {
      {"12.50", "12.5"},   {"-0012.500", "-12.5"}, {"+3", "3"},         {"0.00", "0"},
      {"-0.0", "0"},       {"0.05", "0.05"},       {".5", "0.5"},       {"100", "100"},
      {"3,25", "3.25"},    {"1.5e+3", "1500"},     {"1.5E-3", "0.0015"}, {"-2e2", "-200"},
      {" 7 ", "7"},        {"123456789012345678901234.5", "123456789012345678901234.5"},
      {"abc", "abc"},      {"1.2.3", "1.2.3"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToDecimal(c.in).text, c.out) << c.in;
}

TEST(ToDate, CountsDaysFromTheAutomationEpoch) {
  struct Case { int y, m, d, h, mi, s; double serial; };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0, 0.0},
      {1900, 1, 1, 0, 0, 0, 2.0},
      {2024, 1, 31, 0, 0, 0, 45322.0},
      {2024, 2, 29, 18, 0, 0, 45351.75},
      {2000, 3, 1, 6, 0, 0, 36586.25},
      {1899, 12, 29, 6, 0, 0, -1.25},  // before the epoch the time counts away from zero
      {1800, 1, 1, 0, 0, 0, -36522.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ToDate(c.y, c.m, c.d, c.h, c.mi, c.s, 0).value, c.serial) << c.y << "-" << c.m << "-" << c.d;
  }
  EXPECT_DOUBLE_EQ(ToDate(2024, 1, 31, 0, 0, 0, 500000000).value, 45322.0 + 0.5 / 86400);
  EXPECT_DOUBLE_EQ(ado::values::ToTime(12, 0, 0).value, 0.5);
}

TEST(WideText, RoundTripsEveryPlane) {
  const std::string texts[] = {"", "plain", "ação é ü ñ", "€ ≠ ∑", "\U0001F600 emoji", "d'Ávila"};
  for (const std::string& text : texts) {
    ado::odbc::WideString wide = ado::odbc::ToWide(text);
    std::string back;
    ado::odbc::AppendUtf8(back, wide.data(), wide.size());
    EXPECT_EQ(back, text);
  }
  EXPECT_EQ(ado::odbc::ToWide("\U0001F600").size(), 2u);  // a surrogate pair
  EXPECT_EQ(ado::odbc::ToWide("ç").size(), 1u);
}

TEST(WideText, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(ado::odbc::ToWide("a\xC3"), (ado::odbc::WideString{'a', 0xFFFD}));
  EXPECT_EQ(ado::odbc::ToWide("\xFF" "b"), (ado::odbc::WideString{0xFFFD, 'b'}));
  const SQLWCHAR lone[] = {0xD800, 'x'};
  std::string out;
  ado::odbc::AppendUtf8(out, lone, 2);
  EXPECT_EQ(out, "\xEF\xBF\xBDx");
}

}  // namespace
