// SPDX-License-Identifier: MIT
#pragma once
// Automation dates: days from 1899-12-30, the fraction being the time of day.
// Before 1899-12-30 the integer part (toward zero) is the day and the absolute
// value of the fraction the time: -1.25 is 1899-12-29 06:00.

#include "platform/export.h"

#include <optional>
#include <string_view>

#include "platform/automation/variant.h"

namespace automation {

struct QV_EXPORT DateParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  friend bool operator==(const DateParts&, const DateParts&) = default;
};

// Whole seconds are rounded to the nearest second, as the runtime does.
QV_EXPORT DateParts SplitDate(Date d);
// A date that is no calendar date (month 13, 31 February) raises 13.
QV_EXPORT Date MakeDate(const DateParts& parts);
QV_EXPORT Date DateSerial(int year, int month, int day);
QV_EXPORT Date TimeSerial(int hour, int minute, int second);
QV_EXPORT bool IsLeapYear(int year);

// A number as a date; outside 0100-01-01 .. 9999-12-31 raises 6.
QV_EXPORT Date ToDate(double value);
// Date of a text: "yyyy/mm/dd" or "yyyy-mm-dd", the regional short date
// ("dd/mm/yyyy"), either optionally followed by a time "hh:mm[:ss]", or a time
// alone. Blanks around are ignored. Anything else gives nothing.
QV_EXPORT std::optional<Date> ParseDate(std::string_view text);

}  // namespace automation
