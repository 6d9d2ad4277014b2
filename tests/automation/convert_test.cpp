// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>

#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "tests/automation/expect_error.h"

namespace automation {
namespace {

struct WholeCase {
  Variant in;
  long long expected;  // ignored when error != 0
  int error = 0;
};

void check_whole(const char* name, long long (*convert)(const Variant&), std::span<const WholeCase> cases) {
  for (const WholeCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << name << " case " << (&c - cases.data()));
    if (c.error) EXPECT_AUTOMATION_ERROR(convert(c.in), c.error);
    else EXPECT_EQ(convert(c.in), c.expected);
  }
}

TEST(WholeConversion, CIntRoundsHalfToEvenAndOverflowsAtLimits) {
  const WholeCase cases[] = {
      {0.5, 0},        {1.5, 2},           {2.5, 2},          {-2.5, -2},          {-3.5, -4},
      {2.4999, 2},     {2.5001, 3},        {32767.0, 32767},  {32767.4, 32767},    {32767.5, 0, err::kOverflow},
      {-32768.5, -32768}, {-32768.6, 0, err::kOverflow}, {-32769, 0, err::kOverflow}, {32768, 0, err::kOverflow},
      {std::int64_t{40000}, 0, err::kOverflow}, {true, -1},     {false, 0},          {Variant(), 0},
      {"12", 12},      {" 2,5 ", 2},       {"3,5", 4},        {"1.5", 2},          {Decimal{"32767.5"}, 0, err::kOverflow},
      {Decimal{"-4.5"}, -4}, {Decimal{"2.50000000000000000001"}, 3}, {Date{2.75}, 3},
      {Null, 0, err::kInvalidUseOfNull}, {"", 0, err::kTypeMismatch}, {"abc", 0, err::kTypeMismatch},
      {"12abc", 0, err::kTypeMismatch}, {std::numeric_limits<double>::infinity(), 0, err::kOverflow},
      {std::nan(""), 0, err::kOverflow},
  };
  check_whole("CInt", [](const Variant& v) -> long long { return CInt(v); }, cases);
}

TEST(WholeConversion, CLngLimits) {
  const WholeCase cases[] = {
      {2147483647.0, 2147483647},  {2147483647.5, 0, err::kOverflow}, {-2147483648.5, -2147483648LL},
      {-2147483648.6, 0, err::kOverflow}, {std::int64_t{2147483648LL}, 0, err::kOverflow},
      {std::int64_t{-2147483648LL}, -2147483648LL}, {"-2147483648", -2147483648LL},
      {Decimal{"2147483647.49"}, 2147483647}, {1e300, 0, err::kOverflow}, {Null, 0, err::kInvalidUseOfNull},
  };
  check_whole("CLng", [](const Variant& v) -> long long { return CLng(v); }, cases);
}

TEST(WholeConversion, CByteLimits) {
  const WholeCase cases[] = {
      {255.0, 255}, {255.5, 0, err::kOverflow}, {254.5, 254}, {-0.5, 0}, {-0.6, 0, err::kOverflow},
      {256, 0, err::kOverflow}, {-1, 0, err::kOverflow}, {true, 0, err::kOverflow}, {std::int16_t{200}, 200},
  };
  check_whole("CByte", [](const Variant& v) -> long long { return CByte(v); }, cases);
}

TEST(WholeConversion, CLngLngLimits) {
  const WholeCase cases[] = {
      {std::int64_t{std::numeric_limits<std::int64_t>::max()}, std::numeric_limits<std::int64_t>::max()},
      {Decimal{"9223372036854775807"}, std::numeric_limits<std::int64_t>::max()},
      {Decimal{"9223372036854775808"}, 0, err::kOverflow},
      {Decimal{"-9223372036854775808"}, std::numeric_limits<std::int64_t>::min()},
      {9223372036854775808.0, 0, err::kOverflow},
      {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
  };
  check_whole("CLngLng", [](const Variant& v) -> long long { return CLngLng(v); }, cases);
}

TEST(RealConversion, CDblOfEachKind) {
  struct Case {
    Variant in;
    double expected;
  };
  const Case cases[] = {
      {std::int16_t{-3}, -3},   {true, -1},       {Date{45000.25}, 45000.25}, {Decimal{"-123.45"}, -123.45},
      {"1,5", 1.5},             {"1.5", 1.5},     {"  -1,5  ", -1.5},          {"1.234,5", 1234.5},
      {"1.234.567", 1234567},   {"1,5E3", 1500},  {"&H1F", 31},               {"&HFFFF", -1},
      {",5", 0.5},              {"+7", 7},        {Variant(), 0},             {1.0f / 3.0f, double{1.0f / 3.0f}},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(CDbl(c.in), c.expected) << CStr(c.in);
}

TEST(RealConversion, TextThatIsNoNumberRaisesTypeMismatch) {
  for (const char* text : {"", " ", "abc", "1,2,3", "1..5", "--1", "1e", "12 34", ".", "&H", "1,5x"})
    EXPECT_AUTOMATION_ERROR(CDbl(text), err::kTypeMismatch);
  EXPECT_AUTOMATION_ERROR(CDbl(Null), err::kInvalidUseOfNull);
  EXPECT_AUTOMATION_ERROR(CDbl(Variant(std::make_shared<Object>())), err::kTypeMismatch);
}

TEST(RealConversion, PointDecimalSettingReadsCommaAsGrouping) {
  RegionalSettings us;
  us.decimal_separator = ".";
  us.thousands_separator = ",";
  ScopedRegionalSettings pin(us);
  EXPECT_DOUBLE_EQ(CDbl("1,234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(CDbl("1.5"), 1.5);
}

TEST(RealConversion, CSngOverflow) {
  EXPECT_FLOAT_EQ(CSng(1.5), 1.5f);
  EXPECT_FLOAT_EQ(CSng("2,25"), 2.25f);
  EXPECT_EQ(CSng(3.4028235e38), std::numeric_limits<float>::max());
  EXPECT_AUTOMATION_ERROR(CSng(1e39), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(CSng(-3.5e38), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(CDbl("1E400"), err::kOverflow);
}

TEST(OtherConversion, CBool) {
  EXPECT_TRUE(CBool(-1));
  EXPECT_TRUE(CBool(0.1));
  EXPECT_FALSE(CBool(0));
  EXPECT_TRUE(CBool(" true "));
  EXPECT_FALSE(CBool("False"));
  EXPECT_TRUE(CBool("2"));
  EXPECT_FALSE(CBool(Decimal{"0.00"}));
  EXPECT_AUTOMATION_ERROR(CBool("yes"), err::kTypeMismatch);
  EXPECT_AUTOMATION_ERROR(CBool(Null), err::kInvalidUseOfNull);
}

TEST(OtherConversion, CDec) {
  struct Case {
    Variant in;
    const char* expected;
  };
  const Case cases[] = {
      {42, "42"},          {-0.5, "-0.5"},        {0.1, "0.1"},         {"1.234,56", "1234.56"},
      {"1E-3", "0.001"},   {1e20, "100000000000000000000"},  {Decimal{"1.50"}, "1.50"},
  };
  for (const Case& c : cases) EXPECT_EQ(CDec(c.in).text, c.expected);
  EXPECT_AUTOMATION_ERROR(CDec(1e30), err::kOverflow);
}

TEST(Val, ReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"34,9", 34},     {"  12 34", 1234}, {"1.5", 1.5},      {"-3.25abc", -3.25}, {"abc", 0},
      {"", 0},          {"  ", 0},         {".5", 0.5},       {"1.2.3", 1.2},      {"1e3", 1000},
      {"2D2", 200},     {"1e", 1},         {"&HFF", 255},     {"&HFFFF", -1},      {"&O17", 15},
      {"- 4", -4},      {"\t7\n", 7},      {"1E+2x", 100},    {"+", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Rounding, IntAndFix) {
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Int(-2.1), -3);
  EXPECT_EQ(Int(-2.0), -2);
  EXPECT_EQ(Fix(-2.7), -2);
}

TEST(Rounding, RoundHalfToEvenOnTheWrittenDecimal) {
  struct Case {
    double x;
    int decimals;
    double expected;
  };
  const Case cases[] = {
      {2.5, 0, 2},       {3.5, 0, 4},      {-2.5, 0, -2},    {-3.5, 0, -4},   {0.125, 2, 0.12},
      {0.375, 2, 0.38},  {2.675, 2, 2.68}, {2.665, 2, 2.66}, {1.005, 2, 1.0}, {0.5, 0, 0},
      {2.4999, 0, 2},    {9.995, 2, 10.0}, {123.456, 1, 123.5}, {-0.4, 0, 0}, {1e300, 2, 1e300},
      {0.0049, 2, 0},    {0.005, 2, 0},    {0.015, 2, 0.02},
  };
  for (const Case& c : cases) EXPECT_EQ(Round(c.x, c.decimals), c.expected) << c.x << " to " << c.decimals;
  EXPECT_AUTOMATION_ERROR(Round(1.5, -1), err::kInvalidArgument);
}

TEST(Predicates, IsNumericAndIsDate) {
  EXPECT_TRUE(IsNumeric("1,5"));
  EXPECT_TRUE(IsNumeric(Variant()));
  EXPECT_FALSE(IsNumeric("1,5a"));
  // Beyond the range of CDbl: false, not an error.
  for (const char* text : {"1E400", "&H1FFFFFFFF", "-1e99999999"}) {
    EXPECT_FALSE(IsNumeric(text)) << text;
    EXPECT_AUTOMATION_ERROR(CDbl(text), err::kOverflow);
  }
  EXPECT_TRUE(IsNumeric("1E-400"));
  EXPECT_FALSE(IsNumeric(Null));
  EXPECT_FALSE(IsNumeric(Date{1}));
  EXPECT_TRUE(IsDate("2024-02-29"));
  EXPECT_FALSE(IsDate("2023-02-29"));
  EXPECT_TRUE(IsDate(Date{0}));
  EXPECT_FALSE(IsDate(5));
}

}  // namespace
}  // namespace automation
