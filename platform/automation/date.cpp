// SPDX-License-Identifier: MIT
#include "platform/automation/date.h"

#include <cmath>
#include <string_view>

#include "platform/automation/regional.h"

#include "platform/automation/error.h"

namespace automation {

namespace {

constexpr long long kEpochShift = 25569;  // 1970-01-01 as an automation day
constexpr double kFirstDay = -657434.0;   // 0100-01-01
constexpr double kLastDay = 2958466.0;    // 10000-01-01, excluded
constexpr int kSecondsPerDay = 86400;

// Within 0100-01-01 00:00 .. 9999-12-31 23:59:59. Days before day 0 count
// their time away from zero, so the first day reaches down to kFirstDay - 1.
bool in_range(double value) { return value > kFirstDay - 1 && value < kLastDay; }

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long days_from_civil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civil_from_days(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

int days_in_month(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Automation date of a day number and a time of day in seconds.
Date compose(long long day, long long seconds) {
  const double time = static_cast<double>(seconds) / kSecondsPerDay;
  const double serial = static_cast<double>(day);
  const double value = day >= 0 ? serial + time : serial - time;
  if (!in_range(value)) raise(err::kOverflow);
  return Date{value};
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

DateParts SplitDate(Date d) {
  if (!in_range(d.value)) raise(err::kOverflow);
  double whole = 0;
  const double fraction = std::modf(d.value, &whole);
  long long day = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(fraction) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day;
  }
  DateParts p;
  civil_from_days(day - kEpochShift, p.year, p.month, p.day);
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>(seconds / 60 % 60);
  p.second = static_cast<int>(seconds % 60);
  return p;
}

Date MakeDate(const DateParts& p) {
  if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
      p.day > days_in_month(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
      p.minute > 59 || p.second < 0 || p.second > 59)
    raise(err::kTypeMismatch);
  const long long day =
      days_from_civil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) + kEpochShift;
  return compose(day, p.hour * 3600LL + p.minute * 60LL + p.second);
}

Date DateSerial(int year, int month, int day) {
  // Two-digit years as the runtime reads them: 0-29 are 2000-2029, 30-99 are 1930-1999.
  if (year >= 0 && year < 30) year += 2000;
  else if (year >= 30 && year < 100) year += 1900;
  // Months and days out of their range carry over, as DateSerial(2024, 13, 0) = 2024-12-31.
  const long long months = static_cast<long long>(month) - 1;  // any int, without wrapping
  long long y = year + months / 12;
  int m = static_cast<int>(months % 12);
  if (m < 0) {
    m += 12;
    --y;
  }
  const long long first = days_from_civil(y, static_cast<unsigned>(m + 1), 1) + kEpochShift;
  return compose(first + day - 1, 0);
}

Date ToDate(double value) {
  if (!in_range(value)) raise(err::kOverflow);
  return Date{value};
}

namespace {

// Cursor over a date text.
class Scanner {
 public:
  explicit Scanner(std::string_view s) : s_(s) {}
  bool done() const { return i_ == s_.size(); }
  // 1 to max_digits digits; exactly `min_digits` or more.
  bool number(int min_digits, int max_digits, int& out) {
    std::size_t j = i_;
    int value = 0;
    while (j < s_.size() && j - i_ < static_cast<std::size_t>(max_digits) && s_[j] >= '0' && s_[j] <= '9')
      value = value * 10 + (s_[j++] - '0');
    if (j - i_ < static_cast<std::size_t>(min_digits)) return false;
    if (j < s_.size() && s_[j] >= '0' && s_[j] <= '9') return false;
    i_ = j;
    out = value;
    return true;
  }
  bool literal(std::string_view text) {
    if (text.empty() || !s_.substr(i_).starts_with(text)) return false;
    i_ += text.size();
    return true;
  }
  bool blanks() {
    const std::size_t start = i_;
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
    return i_ > start;
  }
  std::size_t position() const { return i_; }
  void reset(std::size_t i) { i_ = i; }

 private:
  std::string_view s_;
  std::size_t i_ = 0;
};

bool valid_calendar_date(int y, int m, int d) {
  return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= days_in_month(y, m);
}

// "hh:mm[:ss]" with ':' or the regional time separator.
bool scan_time(Scanner& in, DateParts& p) {
  const std::string_view sep = regional().time_separator;
  auto separator = [&] { return in.literal(":") || (sep != ":" && in.literal(sep)); };
  if (!in.number(1, 2, p.hour) || !separator() || !in.number(2, 2, p.minute)) return false;
  const std::size_t before_seconds = in.position();
  if (separator()) {
    if (!in.number(2, 2, p.second)) {
      in.reset(before_seconds);
      return false;
    }
  }
  return p.hour <= 23 && p.minute <= 59 && p.second <= 59;
}

// "yyyy/mm/dd" or "yyyy-mm-dd".
bool scan_iso_date(Scanner& in, DateParts& p) {
  if (!in.number(4, 4, p.year)) return false;
  std::string_view sep;
  if (in.literal("/")) sep = "/";
  else if (in.literal("-")) sep = "-";
  else return false;
  return in.number(1, 2, p.month) && in.literal(sep) && in.number(1, 2, p.day);
}

// The regional short date, its fields in the regional order.
bool scan_short_date(Scanner& in, DateParts& p) {
  const RegionalSettings& r = regional();
  if (r.short_date_order.size() != 3) return false;
  for (std::size_t k = 0; k < 3; ++k) {
    if (k > 0 && !in.literal(r.date_separator)) return false;
    const char field = r.short_date_order[k];
    const bool ok = field == 'y'   ? in.number(4, 4, p.year)
                    : field == 'm' ? in.number(1, 2, p.month)
                                   : in.number(1, 2, p.day);
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
  Scanner in(text);
  in.blanks();
  const std::size_t start = in.position();
  DateParts p;
  bool has_date = scan_iso_date(in, p);
  if (!has_date) {
    in.reset(start);
    p = DateParts{};
    has_date = scan_short_date(in, p);
  }
  if (has_date) {
    if (!valid_calendar_date(p.year, p.month, p.day)) return std::nullopt;
    const std::size_t after_date = in.position();
    if (in.blanks() && !in.done()) {
      if (!scan_time(in, p)) return std::nullopt;
    } else {
      in.reset(after_date);
    }
  } else {
    in.reset(start);
    p = DateParts{};
    if (!scan_time(in, p)) return std::nullopt;
  }
  in.blanks();
  if (!in.done()) return std::nullopt;
  if (!has_date) return TimeSerial(p.hour, p.minute, p.second);
  return MakeDate(p);
}

Date TimeSerial(int hour, int minute, int second) {
  const long long total = hour * 3600LL + minute * 60LL + second;
  return Date{static_cast<double>(total) / kSecondsPerDay};
}

}  // namespace automation
