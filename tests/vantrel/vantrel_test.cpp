// SPDX-License-Identifier: MIT
#include "platform/vantrel/vantrel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>

namespace {

TEST(FormatTable, HasTheStandardFormatsWithShortUniqueNames) {
  ASSERT_GE(GetSFTableSize(), 8);
  std::set<std::string> names;
  for (int i = 0; i < GetSFTableSize(); ++i) {
    char name[64];
    std::memset(name, 'x', sizeof name);
    GetSFTableEntry(i, name);
    ASSERT_NE(std::memchr(name, '\0', sizeof name), nullptr);
    EXPECT_GT(std::strlen(name), 0u);
    EXPECT_LE(std::strlen(name), 63u);
    names.insert(name);
  }
  EXPECT_EQ(static_cast<int>(names.size()), GetSFTableSize());
  char name[64] = "untouched";
  GetSFTableEntry(GetSFTableSize(), name);
  EXPECT_STREQ(name, "");
  GetSFTableEntry(-1, name);
  EXPECT_STREQ(name, "");
}

struct FormatCase {
  double value;
  int format;
  const char* text;
};

class StdFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(StdFormats, FormatsTheValue) {
  char text[64];
  StdFormat(GetParam().value, GetParam().format, text);
  EXPECT_STREQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, StdFormats,
    ::testing::Values(FormatCase{23432.789, 1, "23432.789"}, FormatCase{23432.789, 2, "23433"},
                      FormatCase{23432.789, 3, "23432.8"}, FormatCase{23432.789, 4, "23432.79"},
                      FormatCase{23432.789, 5, "23,433"}, FormatCase{1234567.891, 6, "1,234,567.89"},
                      FormatCase{-1234.5, 6, "-1,234.50"}, FormatCase{23432.789, 7, "$23,432.79"},
                      FormatCase{-5, 7, "($5.00)"}, FormatCase{0.256, 8, "26%"}, FormatCase{0.25678, 9, "25.68%"},
                      FormatCase{23432.789, 10, "2.34E+04"}, FormatCase{999, 5, "999"},
                      FormatCase{100, 5, "100"}, FormatCase{-100000, 5, "-100,000"},
                      FormatCase{45, 0, "45"}, FormatCase{12.5, 0, "12.5"}, FormatCase{45, 99, "45"},
                      FormatCase{45, -1, "45"}, FormatCase{std::nan(""), 2, "NaN"},
                      // the general form reads back as the same number
                      FormatCase{1.05, 1, "1.05"}, FormatCase{8.8, 1, "8.8"}, FormatCase{18.5, 0, "18.5"},
                      FormatCase{0.1 + 0.2, 1, "0.30000000000000004"}, FormatCase{1.0 / 3, 1, "0.3333333333333333"},
                      FormatCase{0.1 + 0.2, 0, "0.30000000000000004"},
                      FormatCase{-std::numeric_limits<double>::infinity(), 4, "-Infinity"},
                      // too long for 64 bytes: scientific, a percentage still scaled
                      FormatCase{1e70, 4, "1.000000E+70"}, FormatCase{1e70, 8, "1.000000E+72%"},
                      FormatCase{-1.5e308, 9, "-1.500000E+310%"}));

TEST(StdFormat, ShortFormatLeavesRoomForAPercentSign) {
  for (double v : {-1.2345678901234567e-300, -std::numeric_limits<double>::max(), 123456789012345678.0, -0.1 / 3}) {
    char text[24];
    std::memset(text, 'x', sizeof text);
    StdFormat(v, 0, text);
    ASSERT_NE(std::memchr(text, '\0', sizeof text), nullptr);
    EXPECT_LE(std::strlen(text), 22u) << text;
  }
}

TEST(StdFormat, HugeValuesStayWithinSixtyFourBytes) {
  for (int format = 1; format <= GetSFTableSize(); ++format) {
    char text[64];
    StdFormat(-std::numeric_limits<double>::max(), format, text);
    EXPECT_LE(std::strlen(text), 63u) << format;
  }
}

TEST(SeriesHeaders, RegisteredNamesElseNumbered) {
  vantrel::ClearSeriesNames();
  vantrel::RegisterSeriesNames(7, {"Salaries", "Benefits", std::string(300, 'n')});
  struct Case {
    int chart, series;
    std::string name;
  };
  for (const Case& c : {Case{7, 0, "Salaries"}, Case{7, 1, "Benefits"}, Case{7, 2, std::string(255, 'n')},
                        Case{7, 3, "Series 4"}, Case{8, 0, "Series 1"}, Case{7, -1, "Series 0"}}) {
    char text[256];
    GetSeriesHeaderString(c.chart, c.series, text);
    EXPECT_EQ(text, c.name) << c.chart << "/" << c.series;
  }
  vantrel::ClearSeriesNames();
  char text[256];
  GetSeriesHeaderString(7, 0, text);
  EXPECT_STREQ(text, "Series 1");
}

}  // namespace
