// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "tests/automation/expect_error.h"

namespace automation {
namespace {

struct TextCase {
  Variant in;
  const char* expected;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.expected << '"'; }
};

class CStrBrazil : public ::testing::TestWithParam<TextCase> {};

TEST_P(CStrBrazil, Text) { EXPECT_EQ(CStr(GetParam().in), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, CStrBrazil,
    ::testing::Values(TextCase{Variant(), ""}, TextCase{true, "True"}, TextCase{false, "False"},
                      TextCase{std::int16_t{-32768}, "-32768"}, TextCase{std::uint8_t{255}, "255"},
                      TextCase{std::int64_t{9007199254740993}, "9007199254740993"}, TextCase{2.5, "2,5"},
                      TextCase{-0.75, "-0,75"}, TextCase{100.0, "100"}, TextCase{0.0, "0"}, TextCase{-0.0, "0"},
                      TextCase{0.1 + 0.2, "0,3"}, TextCase{1.0 / 3, "0,333333333333333"},
                      TextCase{123456789012345.0, "123456789012345"}, TextCase{1e15, "1E+15"},
                      TextCase{1234567890123456.0, "1,23456789012346E+15"}, TextCase{1e100, "1E+100"},
                      TextCase{0.0001, "0,0001"}, TextCase{0.00001, "1E-05"}, TextCase{-1.5e-7, "-1,5E-07"},
                      TextCase{1.0f / 3, "0,3333333"}, TextCase{2.5f, "2,5"}, TextCase{0.1f, "0,1"},
                      TextCase{1234567.0f, "1234567"}, TextCase{1e7f, "1E+07"}, TextCase{16777216.0f, "1,677722E+07"},
                      TextCase{Decimal{"-123.45"}, "-123,45"}, TextCase{Decimal{"1.50"}, "1,50"},
                      TextCase{"text", "text"}));

INSTANTIATE_TEST_SUITE_P(
    Dates, CStrBrazil,
    ::testing::Values(TextCase{Date{45351.0}, "29/02/2024"},
                      TextCase{Date{45351.0 + (13 * 3600 + 45 * 60 + 7) / 86400.0}, "29/02/2024 13:45:07"},
                      TextCase{Date{0.25}, "06:00:00"}, TextCase{Date{0.0}, "00:00:00"},
                      TextCase{Date{-1.25}, "29/12/1899 06:00:00"}, TextCase{Date{61.0}, "01/03/1900"},
                      TextCase{Date{2958465.0}, "31/12/9999"}));

TEST(CStr, NullRaisesInvalidUseOfNull) {
  EXPECT_AUTOMATION_ERROR(CStr(Null), err::kInvalidUseOfNull);
  EXPECT_AUTOMATION_ERROR(CStr(Variant(std::make_shared<Object>())), err::kTypeMismatch);
}

TEST(CStr, PinnedPointDecimalSetting) {
  RegionalSettings us;
  us.decimal_separator = ".";
  us.thousands_separator = ",";
  us.short_date_order = "mdy";
  ScopedRegionalSettings pin(us);
  EXPECT_EQ(CStr(2.5), "2.5");
  EXPECT_EQ(CStr(1.5e-7), "1.5E-07");
  EXPECT_EQ(CStr(Decimal{"-1.25"}), "-1.25");
  EXPECT_EQ(CStr(Date{45351.5}), "02/29/2024 12:00:00");
  EXPECT_EQ(Format(2.5, "0.00"), "2.50");
  EXPECT_EQ(CDate("02/29/2024"), DateSerial(2024, 2, 29));
  EXPECT_AUTOMATION_ERROR(CDate("29/02/2024"), err::kTypeMismatch);
}

TEST(CStr, SettingsComeBackAfterTheScope) {
  {
    RegionalSettings other;
    other.decimal_separator = ".";
    ScopedRegionalSettings pin(other);
  }
  EXPECT_EQ(CStr(2.5), "2,5");
}

TEST(CStr, DoubleTextReadsBack) {
  for (double x : {0.1, 2.675, 1234.5678, -98765.4321, 1e-10, 6.02214076e23, 45351.572}) {
    EXPECT_DOUBLE_EQ(CDbl(CStr(x)), x) << x;
  }
  const Date d = MakeDate({2024, 2, 29, 13, 45, 17});
  EXPECT_EQ(CDate(CStr(d)), d);
}

TEST(Format, DatePatterns) {
  const Date d = MakeDate({2024, 3, 5, 14, 5, 59});
  struct Case {
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {"yyyy/mm/dd", "2024/03/05"}, {"hh:mm", "14:05"},  {"dd/mm/yyyy", "05/03/2024"}, {"hh:mm:ss", "14:05:59"},
      {"d/m/yy", "5/3/24"},         {"mmmm", "março"},   {"mmm", "mar"},              {"dddd", "terça-feira"},
      {"h:nn AM/PM", "2:05 PM"},    {"yyyy\"x\"mm", "2024x03"}, {"q", "1"},         {"Short Date", "05/03/2024"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(d, c.pattern), c.expected) << c.pattern;
  EXPECT_EQ(Format("2024-03-05", "yyyy/mm/dd"), "2024/03/05");
  EXPECT_EQ(Format(45356.25, "yyyy/mm/dd hh:mm"), "2024/03/05 06:00");
  EXPECT_EQ(Format("no date", "yyyy/mm/dd"), "no date");
  EXPECT_EQ(Format(Null, "yyyy/mm/dd"), "");
}

TEST(Format, DateSeparatorsAreRegional) {
  RegionalSettings dashed;
  dashed.date_separator = "-";
  dashed.time_separator = ".";
  ScopedRegionalSettings pin(dashed);
  const Date d = MakeDate({2024, 3, 5, 7, 30, 0});
  EXPECT_EQ(Format(d, "yyyy/mm/dd"), "2024-03-05");
  EXPECT_EQ(Format(d, "hh:mm"), "07.30");
}

TEST(Format, NumberPatterns) {
  struct Case {
    Variant value;
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {2.5, "0.00", "2,50"},        {2.5, "0", "3"},              {3.5, "0", "4"},
      {-2.5, "0", "-3"},            {0.125, "0.00", "0,13"},      {2.675, "0.00", "2,68"},
      {1234567.891, "0.00", "1234567,89"}, {1234567.891, "#,##0.00", "1.234.567,89"},
      {0.5, "#.00", ",50"},         {7, "000", "007"},            {-0.001, "0.00", "0,00"},
      {0.256, "0.0%", "25,6%"},     {-5, "0;(0)", "(5)"},         {0, "0;(0);\"zero\"", "zero"},
      {"1,5", "0.00", "1,50"},      {"abc", "0.00", "abc"},       {1e20, "0", "100000000000000000000"},
      {2.5, "R$ 0.00", "R$ 2,50"},  {1.5, "Fixed", "1,50"},       {true, "0", "-1"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.pattern;
  EXPECT_EQ(Format(2.5, ""), "2,5");
}

TEST(MonthName, PortugueseNames) {
  EXPECT_EQ(MonthName(1), "janeiro");
  EXPECT_EQ(MonthName(3), "março");
  EXPECT_EQ(MonthName(12, true), "dez");
  EXPECT_AUTOMATION_ERROR(MonthName(0), err::kInvalidArgument);
  EXPECT_AUTOMATION_ERROR(MonthName(13), err::kInvalidArgument);
}

TEST(Errors, StandardDescriptions) {
  struct Case {
    int number;
    const char* description;
  };
  const Case cases[] = {
      {err::kOverflow, "Overflow"},
      {err::kSubscriptOutOfRange, "Subscript out of range"},
      {err::kTypeMismatch, "Type mismatch"},
      {err::kInvalidUseOfNull, "Invalid use of Null"},
      {err::kNoCurrentRecord, "No current record"},
      {err::kItemNotFound, "Item cannot be found in the collection corresponding to the requested name or ordinal."},
      {12345, "Application-defined or object-defined error"},
  };
  for (const Case& c : cases) {
    try {
      raise(c.number);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      const auto& error = dynamic_cast<const Error&>(e);
      EXPECT_EQ(error.number(), c.number);
      EXPECT_EQ(error.description(), c.description);
      EXPECT_STREQ(error.what(), c.description);
    }
  }
  try {
    raise(err::kDatabase, "driver said no", "ODBC");
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "driver said no");
    EXPECT_EQ(e.source(), "ODBC");
  }
}

}  // namespace
}  // namespace automation
