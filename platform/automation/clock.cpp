// SPDX-License-Identifier: MIT
#include "platform/automation/clock.h"

#include <cmath>
#include <ctime>

#include "platform/automation/date.h"

namespace automation {

namespace {
std::optional<Date>& fixed_now() {
  static std::optional<Date> now;
  return now;
}
}  // namespace

Date Now() {
  if (const auto& fixed = fixed_now()) return *fixed;
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return MakeDate({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                   tm.tm_sec > 59 ? 59 : tm.tm_sec});
}

Date Today() {
  const DateParts p = SplitDate(Now());
  return DateSerial(p.year, p.month, p.day);
}

ScopedClock::ScopedClock(Date fixed) : previous_(fixed_now()) { fixed_now() = fixed; }
ScopedClock::~ScopedClock() { fixed_now() = previous_; }

}  // namespace automation
