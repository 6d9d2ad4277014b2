// SPDX-License-Identifier: MIT
#include "platform/ado/values.h"

#include <algorithm>
#include <string>

namespace ado::values {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
constexpr long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + long(doe) - 719468;
}

constexpr long kEpoch = DaysFromCivil(1899, 12, 30);

}  // namespace

automation::Date ToDate(int year, int month, int day, int hour, int minute, int second, std::uint32_t fraction) {
  const double days = double(DaysFromCivil(year, unsigned(month), unsigned(day)) - kEpoch);
  const double time = (hour * 3600.0 + minute * 60.0 + second + fraction / 1e9) / 86400.0;
  // Before the epoch the time is kept apart from the (negative) day: -1.25 is 1899-12-29 06:00.
  return automation::Date{days < 0 ? days - time : days + time};
}

automation::Date ToTime(int hour, int minute, int second) {
  return automation::Date{(hour * 3600.0 + minute * 60.0 + second) / 86400.0};
}

automation::Decimal ToDecimal(std::string_view text) {
  std::size_t p = 0;
  while (p < text.size() && text[p] == ' ') ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  std::string digits;  // every digit, the point removed
  long point = -1;     // digits before the point
  for (; p < text.size(); ++p) {
    char c = text[p];
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if ((c == '.' || c == ',') && point < 0) {
      point = long(digits.size());
    } else {
      break;
    }
  }
  if (digits.empty()) return automation::Decimal{std::string(text)};
  if (point < 0) point = long(digits.size());
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    std::size_t q = p + 1;
    bool exp_negative = false;
    if (q < text.size() && (text[q] == '-' || text[q] == '+')) exp_negative = text[q++] == '-';
    long exponent = 0;
    for (; q < text.size() && text[q] >= '0' && text[q] <= '9' && exponent < 100000; ++q) {
      exponent = exponent * 10 + (text[q] - '0');
    }
    point += exp_negative ? -exponent : exponent;
    p = q;
  }
  while (p < text.size() && text[p] == ' ') ++p;
  if (p != text.size()) return automation::Decimal{std::string(text)};

  // Digit k of the number (k < point: before the point), zeros outside `digits`.
  const long count = long(digits.size());
  auto digit = [&](long k) { return k >= 0 && k < count ? digits[std::size_t(k)] : '0'; };
  long first = std::min(point, 0L), last = std::max(point, count);  // [first, last)
  while (first < point - 1 && digit(first) == '0') ++first;
  while (last > point && digit(last - 1) == '0') --last;
  std::string whole, fraction;
  for (long k = first; k < point; ++k) whole += digit(k);
  for (long k = point; k < last; ++k) fraction += digit(k);
  if (whole.empty()) whole.push_back('0');
  std::string out;
  if (negative && !(whole == "0" && fraction.empty())) out += '-';
  out += whole;
  if (!fraction.empty()) {
    out += '.';
    out += fraction;
  }
  return automation::Decimal{out};
}

}  // namespace ado::values
