// SPDX-License-Identifier: MIT
#include "platform/automation/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/automation/ascii.h"
#include "platform/automation/error.h"

namespace automation::detail {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool starts_with_nocase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && same_letters(s.substr(0, prefix.size()), prefix);
}

// Parses "d.ddde+XX" as printed by std::to_chars in scientific form.
DecimalDigits from_scientific(std::string_view s) {
  DecimalDigits d;
  std::size_t i = 0;
  if (i < s.size() && s[i] == '-') {
    d.negative = true;
    ++i;
  }
  int fraction_digits = 0;
  bool after_point = false;
  for (; i < s.size() && s[i] != 'e'; ++i) {
    if (s[i] == '.') {
      after_point = true;
      continue;
    }
    d.digits.push_back(s[i]);
    if (after_point) ++fraction_digits;
  }
  int exp = 0;
  if (i < s.size()) std::from_chars(s.data() + i + 1 + (s[i + 1] == '+'), s.data() + s.size(), exp);
  d.exponent = exp - fraction_digits;
  normalise(d);
  return d;
}

// Digits of a number in radix 16 or 8 after "&H" / "&O" / "&"; VB gives a
// 16-bit value when it fits in 16 bits, else a 32-bit one.
std::optional<std::int64_t> parse_radix(std::string_view s, std::size_t& used, bool& any_digit) {
  int radix = 0;
  std::size_t i = 0;
  if (starts_with_nocase(s, "&H")) radix = 16, i = 2;
  else if (starts_with_nocase(s, "&O")) radix = 8, i = 2;
  else if (!s.empty() && s[0] == '&') radix = 8, i = 1;
  else return std::nullopt;
  std::uint64_t value = 0;
  const std::size_t first = i;
  for (; i < s.size(); ++i) {
    int digit = -1;
    const char c = s[i];
    if (is_digit(c)) digit = c - '0';
    else if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0 || digit >= radix) break;
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFull) raise(err::kOverflow);
  }
  used = i;
  any_digit = i > first;
  if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Accumulates mantissa digits, tracking the decimal point.
struct MantissaBuilder {
  DecimalDigits d;
  int fraction_digits = 0;
  bool any_digit = false;
  void add(char c, bool fraction) {
    any_digit = true;
    d.digits.push_back(c);
    if (fraction) ++fraction_digits;
  }
  // Adds an exponent; absurd exponents are clamped so that the value
  // over- or underflows instead of wrapping.
  DecimalDigits finish(long exponent) {
    exponent = std::clamp(exponent, -100000L, 100000L);
    d.exponent = static_cast<int>(exponent) - fraction_digits;
    normalise(d);
    return d;
  }
};

// Exponent "E+05" / "e-3" / "D2" at s[i]; returns the position after it, or i
// when there is no complete exponent.
std::size_t parse_exponent(std::string_view s, std::size_t i, long& exponent, bool allow_d) {
  exponent = 0;
  if (i >= s.size()) return i;
  const char c = s[i];
  if (!(c == 'e' || c == 'E' || (allow_d && (c == 'd' || c == 'D')))) return i;
  std::size_t j = i + 1;
  bool negative = false;
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative = s[j++] == '-';
  const std::size_t first = j;
  long value = 0;
  for (; j < s.size() && is_digit(s[j]); ++j) value = std::min(value * 10 + (s[j] - '0'), 1000000L);
  if (j == first) return i;
  exponent = negative ? -value : value;
  return j;
}

// A sign, then digits with '.' as the decimal point, from the start of s;
// returns the position after them.
std::size_t read_point_number(std::string_view s, MantissaBuilder& m) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) m.d.negative = s[i++] == '-';
  bool fraction = false;
  for (; i < s.size(); ++i) {
    if (is_digit(s[i])) m.add(s[i], fraction);
    else if (s[i] == '.' && !fraction) fraction = true;
    else break;
  }
  return i;
}

}  // namespace

void normalise(DecimalDigits& d) {
  const auto first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    d = DecimalDigits{};
    return;
  }
  d.digits.erase(0, first);
  const auto last = d.digits.find_last_not_of('0');
  d.exponent += static_cast<int>(d.digits.size() - 1 - last);
  d.digits.erase(last + 1);
}

DecimalDigits from_integer(std::int64_t x) {
  DecimalDigits d;
  d.negative = x < 0;
  const std::uint64_t magnitude = x < 0 ? 0 - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
  d.digits = std::to_string(magnitude);
  normalise(d);
  return d;
}

DecimalDigits from_double(double x, int significant) {
  if (x == 0 || !std::isfinite(x)) return {};
  char buf[64];
  const auto r = significant > 0
                     ? std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1)
                     : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
  return from_scientific(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

DecimalDigits from_float(float x, int significant) {
  if (x == 0 || !std::isfinite(x)) return {};
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1);
  return from_scientific(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

double to_double(const DecimalDigits& d) {
  if (d.is_zero()) return 0.0;
  if (d.magnitude() > 400) raise(err::kOverflow);
  if (d.magnitude() < -400) return 0.0;
  std::string text = d.digits;
  text += 'e';
  text += std::to_string(d.exponent);
  double value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    if (d.magnitude() > 0) raise(err::kOverflow);
    value = 0.0;
  }
  return d.negative ? -value : value;
}

std::int64_t to_int64(const DecimalDigits& d) {
  if (d.is_zero()) return 0;
  if (d.exponent < 0 || d.magnitude() > 18) raise(err::kOverflow);
  std::uint64_t value = 0;
  for (char c : d.digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  for (int i = 0; i < d.exponent; ++i) value *= 10;  // magnitude <= 18: no wrap
  if (d.negative) {
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1) raise(err::kOverflow);
    return static_cast<std::int64_t>(0 - value);
  }
  if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) raise(err::kOverflow);
  return static_cast<std::int64_t>(value);
}

DecimalDigits round_to(DecimalDigits d, int decimals, Tie tie) {
  if (d.is_zero() || d.exponent >= -decimals) return d;
  const std::size_t drop = static_cast<std::size_t>(-decimals - d.exponent);
  if (drop > d.digits.size()) return {};  // below half a unit of the last place
  std::string kept = d.digits.substr(0, d.digits.size() - drop);
  const std::string_view rest = std::string_view(d.digits).substr(d.digits.size() - drop);
  bool up = false;
  if (rest[0] > '5') up = true;
  else if (rest[0] == '5') {
    const bool exact_half = rest.find_first_not_of('0', 1) == std::string_view::npos;
    if (!exact_half || tie == Tie::AwayFromZero) up = true;
    else up = !kept.empty() && (kept.back() - '0') % 2 == 1;
  }
  if (up) {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) kept.insert(kept.begin(), '1');
    else ++kept[i - 1];
  }
  d.digits = std::move(kept);
  d.exponent = -decimals;
  const bool negative = d.negative;
  normalise(d);
  if (!d.is_zero()) d.negative = negative;
  return d;
}

std::string to_plain(const DecimalDigits& d, std::string_view point) {
  if (d.is_zero()) return "0";
  std::string out = d.negative ? "-" : "";
  if (d.exponent >= 0) {
    out += d.digits;
    out.append(static_cast<std::size_t>(d.exponent), '0');
    return out;
  }
  const int integer_digits = static_cast<int>(d.digits.size()) + d.exponent;
  if (integer_digits <= 0) {
    out += '0';
    out += point;
    out.append(static_cast<std::size_t>(-integer_digits), '0');
    out += d.digits;
  } else {
    out.append(d.digits, 0, static_cast<std::size_t>(integer_digits));
    out += point;
    out.append(d.digits, static_cast<std::size_t>(integer_digits));
  }
  return out;
}

std::string to_vb_text(const DecimalDigits& d, int precision, std::string_view point) {
  if (d.is_zero()) return "0";
  const int e = d.magnitude();
  if (e >= -4 && e < precision) return to_plain(d, point);
  std::string out = d.negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += point;
    out.append(d.digits, 1);
  }
  out += e < 0 ? "E-" : "E+";
  const std::string exp = std::to_string(e < 0 ? -e : e);
  if (exp.size() < 2) out += '0';
  out += exp;
  return out;
}

std::optional<DecimalDigits> parse_number(std::string_view s, const RegionalSettings& r) {
  s = trim_blanks(s);
  if (s.empty()) return std::nullopt;

  if (s[0] == '&') {
    std::size_t used = 0;
    bool any_digit = false;
    const auto value = parse_radix(s, used, any_digit);
    if (!value || !any_digit || used != s.size()) return std::nullopt;
    return from_integer(*value);
  }

  bool negative = false;
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') {
    negative = s[i] == '-';
    ++i;
    while (i < s.size() && is_blank(s[i])) ++i;
  }
  const std::string_view decimal = r.decimal_separator;
  const std::string_view group = r.thousands_separator;
  // Without the regional decimal separator, a single point is read as the
  // decimal point ("1.5" under the Brazilian setting).
  const std::string_view rest = s.substr(i);
  std::string_view point = decimal;
  if (!decimal.empty() && rest.find(decimal) == std::string_view::npos && group == "." &&
      std::count(rest.begin(), rest.end(), '.') == 1)
    point = ".";
  const bool grouping = !group.empty() && point != group;

  MantissaBuilder m;
  bool fraction = false;
  while (i < s.size()) {
    if (is_digit(s[i])) {
      m.add(s[i++], fraction);
    } else if (!fraction && !point.empty() && s.substr(i).starts_with(point)) {
      fraction = true;
      i += point.size();
    } else if (!fraction && grouping && s.substr(i).starts_with(group) && i > 0 && is_digit(s[i - 1]) &&
               i + group.size() < s.size() && is_digit(s[i + group.size()])) {
      i += group.size();
    } else {
      break;
    }
  }
  if (!m.any_digit) return std::nullopt;
  long exponent = 0;
  i = parse_exponent(s, i, exponent, true);
  if (i != s.size()) return std::nullopt;
  m.d.negative = negative;
  return m.finish(exponent);
}

std::optional<DecimalDigits> parse_plain(std::string_view s) {
  MantissaBuilder m;
  std::size_t i = read_point_number(s, m);
  if (!m.any_digit) return std::nullopt;
  long exponent = 0;
  i = parse_exponent(s, i, exponent, false);
  if (i != s.size()) return std::nullopt;
  return m.finish(exponent);
}

double val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);
  if (!s.empty() && s[0] == '&') {
    std::size_t used = 0;
    bool any_digit = false;
    if (const auto value = parse_radix(s, used, any_digit)) return static_cast<double>(*value);
    return 0.0;
  }
  MantissaBuilder m;
  const std::size_t i = read_point_number(s, m);
  if (!m.any_digit) return 0.0;
  long exponent = 0;
  parse_exponent(s, i, exponent, true);
  return to_double(m.finish(exponent));
}

}  // namespace automation::detail
