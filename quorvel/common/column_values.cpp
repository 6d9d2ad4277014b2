// SPDX-License-Identifier: MIT
#include "quorvel/common/column_values.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/automation/error.h"
#include "quorvel/common/dialect.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/sql.h"

namespace quorvel {

namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) noexcept {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The run of digits at `at` (empty when there is none); `at` moves past it.
std::string_view DigitRun(std::string_view text, std::size_t& at) noexcept {
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return text.substr(start, at - start);
}

int ValueOf(std::string_view digits) noexcept {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

int DaysIn(int year, int month) noexcept {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && automation::IsLeapYear(year) ? 29 : kDays[month - 1];
}

// "hh:mm", "hh:mm:ss" or "hh:mm:ss.fff" into the parts' time.
bool ReadTime(std::string_view text, automation::DateParts& parts) noexcept {
  std::size_t at = 0;
  const std::string_view hour = DigitRun(text, at);
  if (hour.empty() || hour.size() > 2 || at >= text.size() || text[at++] != ':') return false;
  const std::string_view minute = DigitRun(text, at);
  if (minute.size() != 2) return false;
  std::string_view second = "0";
  if (at < text.size() && text[at] == ':') {
    ++at;
    second = DigitRun(text, at);
    if (second.size() != 2) return false;
    if (at < text.size() && text[at] == '.') {
      ++at;
      if (DigitRun(text, at).empty()) return false;
    }
  }
  parts.hour = ValueOf(hour);
  parts.minute = ValueOf(minute);
  parts.second = ValueOf(second);
  return at == text.size() && parts.hour <= 23 && parts.minute <= 59 && parts.second <= 59;
}

}  // namespace

std::optional<DateText> ReadDateText(std::string_view text) {
  text = TrimBlanks(text);
  const std::size_t end = text.find_first_of(" T");
  const std::string_view day_text = text.substr(0, end);
  DateText d;
  if (end != std::string_view::npos) {
    if (!ReadTime(TrimBlanks(text.substr(end + 1)), d.parts)) return std::nullopt;
    d.has_time = true;
  }
  // Three runs of digits, one separator between them.
  std::size_t at = 0;
  std::string_view fields[3];
  char separator = 0;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (at >= day_text.size()) return std::nullopt;
      const char c = day_text[at++];
      if (i == 1 && c != '-' && c != '/' && c != '.') return std::nullopt;
      if (i == 1) separator = c;
      else if (c != separator) return std::nullopt;
    }
    fields[i] = DigitRun(day_text, at);
    if (fields[i].empty()) return std::nullopt;
  }
  if (at != day_text.size()) return std::nullopt;
  std::string_view year = fields[2], month = fields[1], day = fields[0];
  if (fields[0].size() == 4) {
    year = fields[0];
    day = fields[2];
  } else if (fields[0].size() > 2 || (fields[2].size() != 2 && fields[2].size() != 4)) {
    return std::nullopt;
  }
  if (month.size() > 2 || day.size() > 2) return std::nullopt;
  d.parts.year = ValueOf(year);
  if (year.size() == 2) d.parts.year += d.parts.year < 70 ? 2000 : 1900;
  d.parts.month = ValueOf(month);
  d.parts.day = ValueOf(day);
  if (d.parts.year < 100 || d.parts.month < 1 || d.parts.month > 12 || d.parts.day < 1 ||
      d.parts.day > DaysIn(d.parts.year, d.parts.month))
    return std::nullopt;
  return d;
}

std::string DateTextFor(ado::Connection& ConnRH, std::string_view text, bool with_time) {
  if (!IsSqlite(ConnRH)) return std::string(text);
  const std::optional<DateText> d = ReadDateText(text);
  if (!d) {
    automation::raise(automation::err::kDatabase,
                      "invalid input syntax for type date: \"" + std::string(text) + "\"");
  }
  automation::DateParts day = d->parts;
  day.hour = day.minute = day.second = 0;
  std::string out = fFormataDataSql(automation::Variant(automation::MakeDate(day)));
  if (with_time && d->has_time) {
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", d->parts.hour, d->parts.minute, d->parts.second);
    out += time;
  }
  return out;
}

namespace {

// The digits of a number with the count of them before its point.
struct Decimal {
  bool negative = false;
  std::string digits;
  long point = 0;
};

// [+-]digits[.digits][e[+-]digits], at least one digit; `whole` allows no point and no exponent.
std::optional<Decimal> ReadDecimal(std::string_view text, bool whole) {
  Decimal d;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) d.negative = text[at++] == '-';
  d.digits = DigitRun(text, at);
  d.point = static_cast<long>(d.digits.size());
  if (!whole && at < text.size() && text[at] == '.') {
    ++at;
    d.digits += DigitRun(text, at);
  }
  if (d.digits.empty()) return std::nullopt;
  if (!whole && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    bool minus = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) minus = text[at++] == '-';
    const std::string_view power = DigitRun(text, at);
    if (power.empty() || power.size() > 4) return std::nullopt;
    d.point += minus ? -ValueOf(power) : ValueOf(power);
  }
  if (at != text.size()) return std::nullopt;
  return d;
}

// The decimal rounded to `scale` digits after its point, half away from
// zero: the whole digits (no leading zero but one) and the fraction.
std::pair<std::string, std::string> Rounded(const Decimal& d, int scale) {
  std::string digits = d.digits;
  long point = d.point;
  if (point < 0) {
    digits.insert(0, static_cast<std::size_t>(-point), '0');
    point = 0;
  }
  const std::size_t kept = static_cast<std::size_t>(point) + static_cast<std::size_t>(scale);
  if (digits.size() < kept) digits.append(kept - digits.size(), '0');
  const bool up = digits.size() > kept && digits[kept] >= '5';
  digits.resize(kept);
  if (up) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(0, 1, '1');
      ++point;
    } else {
      ++digits[i - 1];
    }
  }
  std::string whole = digits.substr(0, static_cast<std::size_t>(point));
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  return {whole.empty() ? "0" : whole, digits.substr(static_cast<std::size_t>(point))};
}

}  // namespace

std::optional<std::string> FitNumber(std::string_view text, const NumberType& type, bool quoted) {
  if (quoted) text = TrimBlanks(text);
  const bool integer = type.precision == 0;
  const std::optional<Decimal> d = ReadDecimal(text, integer && quoted);
  if (!d || d->point > 40) return std::nullopt;
  const auto [whole, fraction] = Rounded(*d, integer ? 0 : type.scale);
  const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
  const std::string sign = d->negative && !zero ? "-" : "";
  if (integer) {
    if (whole.size() > 19) return std::nullopt;
    // The magnitude fits an unsigned 64-bit number; the range decides.
    unsigned long long magnitude = 0;
    for (const char c : whole) {
      if (magnitude > (~0ULL - 9) / 10) return std::nullopt;
      magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    }
    const bool fits = d->negative && !zero ? magnitude <= static_cast<unsigned long long>(-(type.low + 1)) + 1
                                           : magnitude <= static_cast<unsigned long long>(type.high);
    if (!fits) return std::nullopt;
    return sign + whole;
  }
  if (whole != "0" && static_cast<int>(whole.size()) > type.precision - type.scale) return std::nullopt;
  return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

std::string FittedLiteral(ado::Connection& ConnRH, const std::string& literal, const NumberType& type) {
  if (!IsSqlite(ConnRH)) return literal;
  const std::string_view given = TrimBlanks(literal);
  const bool quoted = sql::IsQuoted(given);
  if (!quoted && (given.empty() || (!IsDigit(given.front()) && given.front() != '-' && given.front() != '+' &&
                                    given.front() != '.')))
    return literal;  // Null, True, a function
  const std::string text = quoted ? sql::Unquoted(given) : std::string(given);
  const std::optional<std::string> fitted = FitNumber(text, type, quoted);
  if (!fitted) {
    automation::raise(automation::err::kDatabase, std::string(type.name) + " cannot hold \"" + text + "\"");
  }
  return quoted ? sql::Quote(*fitted) : *fitted;
}

}  // namespace quorvel
