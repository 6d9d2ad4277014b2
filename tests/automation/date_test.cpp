// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "tests/automation/expect_error.h"

namespace automation {
namespace {

struct DateCase {
  double value;
  DateParts parts;
  friend void PrintTo(const DateCase& c, std::ostream* os) {
    const DateParts& p = c.parts;
    *os << c.value << " = " << p.year << '-' << p.month << '-' << p.day << ' ' << p.hour << ':' << p.minute << ':'
        << p.second;
  }
};

class DateRoundTrip : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateRoundTrip, SplitAndMakeAgree) {
  const DateCase& c = GetParam();
  EXPECT_EQ(SplitDate(Date{c.value}), c.parts);
  EXPECT_NEAR(MakeDate(c.parts).value, c.value, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, DateRoundTrip,
    ::testing::Values(DateCase{0.0, {1899, 12, 30, 0, 0, 0}},            //
                      DateCase{-1.25, {1899, 12, 29, 6, 0, 0}},          // before day 0: time is |fraction|
                      DateCase{-1.0, {1899, 12, 29, 0, 0, 0}},           //
                      DateCase{-36522.5, {1800, 1, 1, 12, 0, 0}},        //
                      DateCase{1.0, {1899, 12, 31, 0, 0, 0}},            //
                      DateCase{61.0, {1900, 3, 1, 0, 0, 0}},             // 1900 was no leap year
                      DateCase{60.0, {1900, 2, 28, 0, 0, 0}},            //
                      DateCase{45351.0, {2024, 2, 29, 0, 0, 0}},         // leap day
                      DateCase{45351.0 + (13 * 3600 + 45 * 60 + 17) / 86400.0, {2024, 2, 29, 13, 45, 17}},
                      DateCase{2958465.0, {9999, 12, 31, 0, 0, 0}},      //
                      DateCase{2958465.0 + 86399 / 86400.0, {9999, 12, 31, 23, 59, 59}},
                      DateCase{-657434.0, {100, 1, 1, 0, 0, 0}},         //
                      DateCase{-657434.5, {100, 1, 1, 12, 0, 0}},        // the first day's time, away from zero
                      DateCase{0.5, {1899, 12, 30, 12, 0, 0}}));

TEST(Dates, SplitRoundsToTheNearestSecond) {
  EXPECT_EQ(SplitDate(Date{45351.0 + 59.6 / 86400.0}), (DateParts{2024, 2, 29, 0, 1, 0}));
  EXPECT_EQ(SplitDate(Date{45351.0 + 86399.7 / 86400.0}), (DateParts{2024, 3, 1, 0, 0, 0}));
  // Before day 0 the time counts forward too: 23:59:59.7 of 1899-12-29 is the next midnight.
  EXPECT_EQ(SplitDate(Date{-1.0 - 86399.7 / 86400.0}), (DateParts{1899, 12, 30, 0, 0, 0}));
  EXPECT_EQ(SplitDate(Date{-2.0 - 59.6 / 86400.0}), (DateParts{1899, 12, 28, 0, 1, 0}));
}

TEST(Dates, InvalidPartsRaiseTypeMismatch) {
  for (const DateParts& p : {DateParts{2023, 2, 29}, DateParts{2024, 13, 1}, DateParts{2024, 4, 31},
                             DateParts{2024, 1, 0}, DateParts{2024, 1, 1, 24, 0, 0}, DateParts{2024, 1, 1, 0, 60, 0},
                             DateParts{10000, 1, 1}, DateParts{99, 1, 1}})
    EXPECT_AUTOMATION_ERROR(MakeDate(p), err::kTypeMismatch);
}

TEST(Dates, OutOfRangeValuesOverflow) {
  EXPECT_AUTOMATION_ERROR(SplitDate(Date{2958466.0}), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(SplitDate(Date{-657435.0}), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(ToDate(1e10), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(CDate(1e10), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(CDate(std::nan("")), err::kOverflow);
  for (int month : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
    EXPECT_AUTOMATION_ERROR(DateSerial(2024, month, 1), err::kOverflow);
  EXPECT_AUTOMATION_ERROR(DateSerial(9999, 12, 32), err::kOverflow);
}

TEST(Dates, SerialsCarryOver) {
  EXPECT_EQ(DateSerial(2024, 13, 1), DateSerial(2025, 1, 1));
  EXPECT_EQ(DateSerial(2024, 3, 0), DateSerial(2024, 2, 29));
  EXPECT_EQ(DateSerial(2024, 0, 1), DateSerial(2023, 12, 1));
  EXPECT_EQ(DateSerial(24, 1, 1), DateSerial(2024, 1, 1));
  EXPECT_EQ(DateSerial(99, 1, 1), DateSerial(1999, 1, 1));
  EXPECT_DOUBLE_EQ(TimeSerial(6, 0, 0).value, 0.25);
  EXPECT_DOUBLE_EQ(TimeSerial(25, 0, 0).value, 25.0 / 24);
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
}

TEST(Dates, CDateOfText) {
  struct Case {
    const char* text;
    DateParts parts;
  };
  const Case cases[] = {
      {"2024/03/05", {2024, 3, 5}},          {"2024-3-5", {2024, 3, 5}},
      {"05/03/2024", {2024, 3, 5}},          {" 5/3/2024 ", {2024, 3, 5}},
      {"2024-02-29 13:45", {2024, 2, 29, 13, 45, 0}}, {"29/02/2024 13:45:17", {2024, 2, 29, 13, 45, 17}},
      {"07:30", {1899, 12, 30, 7, 30, 0}},   {"07:30:15", {1899, 12, 30, 7, 30, 15}},
      {"0100-01-01 23:59:59", {100, 1, 1, 23, 59, 59}}, {"31/12/9999 23:59:59", {9999, 12, 31, 23, 59, 59}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitDate(CDate(c.text)), c.parts) << c.text;
  for (const char* bad : {"", "abc", "2024/13/01", "31/02/2024", "2024/03", "05-03-2024", "2024/03/05 25:00",
                          "2024/03/05x", "45000", "24:00", "2024/03-05"})
    EXPECT_AUTOMATION_ERROR(CDate(bad), err::kTypeMismatch);
  EXPECT_AUTOMATION_ERROR(CDate(Null), err::kInvalidUseOfNull);
}

TEST(Dates, CDateOfNumbersAndDates) {
  EXPECT_EQ(CDate(45351), Date{45351});
  EXPECT_EQ(CDate(-1.25), Date{-1.25});
  EXPECT_EQ(CDate(Date{3.5}), Date{3.5});
  EXPECT_EQ(CDate(true), Date{-1});
}

TEST(Clock, ScopedClockPinsNowAndToday) {
  const Date pinned = MakeDate({2024, 2, 29, 13, 45, 17});
  {
    ScopedClock clock(pinned);
    EXPECT_EQ(Now(), pinned);
    EXPECT_EQ(Today(), DateSerial(2024, 2, 29));
    {
      ScopedClock inner(Date{1});
      EXPECT_EQ(Now(), Date{1});
    }
    EXPECT_EQ(Now(), pinned);
  }
  EXPECT_NE(Now(), pinned);
  const DateParts today = SplitDate(Today());
  EXPECT_EQ(today.hour + today.minute + today.second, 0);
  EXPECT_GE(today.year, 2024);
}

}  // namespace
}  // namespace automation
