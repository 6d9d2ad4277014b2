// SPDX-License-Identifier: MIT
#pragma once
// Driver values into automation values: dates and times as automation dates,
// numeric text as Decimal.

#include "platform/export.h"

#include <cstdint>
#include <string_view>

#include "platform/automation/variant.h"

namespace ado::values {

// Calendar date and time (fraction in nanoseconds) as an automation date.
QV_EXPORT automation::Date ToDate(int year, int month, int day, int hour, int minute, int second, std::uint32_t fraction);
// Time of day as the fraction of a day alone.
QV_EXPORT automation::Date ToTime(int hour, int minute, int second);
// Numeric text ("-0012.500", "1.5e+3", "3,25") in the plain form of Decimal ("-12.5", "1500", "3.25");
// text that is no number stays as it was given.
QV_EXPORT automation::Decimal ToDecimal(std::string_view text);

}  // namespace ado::values
