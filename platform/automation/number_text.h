// SPDX-License-Identifier: MIT
#pragma once
// Internal: exact decimal digits behind the number conversions, parsing of
// number texts and VB's text forms of numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/regional.h"

namespace automation::detail {

// A decimal number: (negative ? -1 : 1) * digits * 10^exponent. Normalised:
// no leading or trailing zero in digits; zero is digits "" and not negative.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  bool is_zero() const noexcept { return digits.empty(); }
  // Position of the first digit as a power of ten (scientific exponent).
  int magnitude() const noexcept { return static_cast<int>(digits.size()) - 1 + exponent; }
};

void normalise(DecimalDigits& d);
DecimalDigits from_integer(std::int64_t x);
// The double's value rounded to `significant` digits, or its shortest
// round-trip digits when significant is 0.
DecimalDigits from_double(double x, int significant = 0);
DecimalDigits from_float(float x, int significant);
// Nearest double; a value beyond the double range raises 6.
double to_double(const DecimalDigits& d);
// Whole value; beyond 64 bits raises 6. The value must have no fraction.
std::int64_t to_int64(const DecimalDigits& d);

enum class Tie { ToEven, AwayFromZero };
DecimalDigits round_to(DecimalDigits d, int decimals, Tie tie);

// "-123.45" with `point` as decimal separator, no exponent.
std::string to_plain(const DecimalDigits& d, std::string_view point);
// VB's text of a number rounded to `precision` significant digits: plain when
// the exponent lies in [-4, precision), else "1,5E-05" / "1E+15".
std::string to_vb_text(const DecimalDigits& d, int precision, std::string_view point);

// Text as a number under the regional settings (blanks around, a sign, the
// regional decimal separator or a point, grouping, an exponent, &H / &O).
std::optional<DecimalDigits> parse_number(std::string_view text, const RegionalSettings& r);
// Plain form as Decimal holds it: "-123.45", a point, optionally an exponent.
std::optional<DecimalDigits> parse_plain(std::string_view text);
// VB's Val.
double val(std::string_view text);

}  // namespace automation::detail
