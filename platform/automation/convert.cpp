// SPDX-License-Identifier: MIT
#include "platform/automation/convert.h"

#include <cmath>
#include <limits>
#include <variant>

#include "platform/automation/ascii.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/number_text.h"
#include "platform/automation/regional.h"

namespace automation {

namespace {

using detail::DecimalDigits;

// A Variant's value as a number: exact integers, doubles, or decimal digits.
using Number = std::variant<std::int64_t, double, DecimalDigits>;

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

DecimalDigits parse_or_mismatch(std::optional<DecimalDigits> d) {
  if (!d) raise(err::kTypeMismatch);
  return std::move(*d);
}

Number number_of(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty: return std::int64_t{0};
    case VarType::Null: raise(err::kInvalidUseOfNull);
    case VarType::Integer: return std::int64_t{*v.get_if<std::int16_t>()};
    case VarType::Long: return std::int64_t{*v.get_if<std::int32_t>()};
    case VarType::LongLong: return *v.get_if<std::int64_t>();
    case VarType::Byte: return std::int64_t{*v.get_if<std::uint8_t>()};
    case VarType::Boolean: return std::int64_t{*v.get_if<bool>() ? -1 : 0};
    case VarType::Single: return double{*v.get_if<float>()};
    case VarType::Double: return *v.get_if<double>();
    case VarType::Date: return v.get_if<Date>()->value;
    case VarType::Decimal: return parse_or_mismatch(detail::parse_plain(v.get_if<Decimal>()->text));
    case VarType::String: return parse_or_mismatch(detail::parse_number(v.as_string(), regional()));
    default: raise(err::kTypeMismatch);
  }
}

double round_half_even(double x) {
  const double r = std::round(x);  // half away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
  return r;
}

// Whole value of a Number rounded half to even, within [lo, hi] or 6.
std::int64_t whole(const Number& n, std::int64_t lo, std::int64_t hi) {
  const std::int64_t value = std::visit(
      Overloaded{[](std::int64_t x) { return x; },
                 [](double x) -> std::int64_t {
                   if (!std::isfinite(x)) raise(err::kOverflow);
                   const double r = round_half_even(x);
                   // 2^63 is the first double beyond the 64-bit range.
                   if (r >= 9223372036854775808.0 || r < -9223372036854775808.0) raise(err::kOverflow);
                   return static_cast<std::int64_t>(r);
                 },
                 [](const DecimalDigits& d) {
                   return detail::to_int64(detail::round_to(d, 0, detail::Tie::ToEven));
                 }},
      n);
  if (value < lo || value > hi) raise(err::kOverflow);
  return value;
}

template <class T>
T whole_of(const Variant& v) {
  return static_cast<T>(whole(number_of(v), std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

double double_of(const Number& n) {
  return std::visit(Overloaded{[](std::int64_t x) { return static_cast<double>(x); },
                               [](double x) { return x; },
                               [](const DecimalDigits& d) { return detail::to_double(d); }},
                    n);
}

// Decimal holds at most 29 digits before the point.
constexpr int kDecimalMaxMagnitude = 28;
constexpr int kDecimalMaxScale = 28;

}  // namespace

std::int16_t CInt(const Variant& v) { return whole_of<std::int16_t>(v); }
std::int32_t CLng(const Variant& v) { return whole_of<std::int32_t>(v); }
std::int64_t CLngLng(const Variant& v) { return whole_of<std::int64_t>(v); }
std::uint8_t CByte(const Variant& v) { return whole_of<std::uint8_t>(v); }

double CDbl(const Variant& v) { return double_of(number_of(v)); }

float CSng(const Variant& v) {
  const double x = CDbl(v);
  // Halfway between the largest single and 2^128: from there on a double
  // rounds to infinity.
  constexpr double kBeyondSingle = 0x1.ffffffp127;
  constexpr float kMaxSingle = std::numeric_limits<float>::max();
  if (!std::isfinite(x) || std::fabs(x) >= kBeyondSingle) raise(err::kOverflow);
  if (std::fabs(x) > kMaxSingle) return x < 0 ? -kMaxSingle : kMaxSingle;
  return static_cast<float>(x);
}

bool CBool(const Variant& v) {
  if (const auto* s = v.get_if<std::string>()) {
    const std::string_view t = detail::trim_blanks(*s);
    if (detail::same_letters(t, "true")) return true;
    if (detail::same_letters(t, "false")) return false;
  }
  if (const auto* b = v.get_if<bool>()) return *b;
  return std::visit(Overloaded{[](std::int64_t x) { return x != 0; },
                               [](double x) { return x != 0; },
                               [](const DecimalDigits& d) { return !d.is_zero(); }},
                    number_of(v));
}

Decimal CDec(const Variant& v) {
  if (const auto* d = v.get_if<Decimal>()) return *d;
  DecimalDigits d = std::visit(Overloaded{[](std::int64_t x) { return detail::from_integer(x); },
                                          [](double x) {
                                            if (!std::isfinite(x)) raise(err::kOverflow);
                                            return detail::from_double(x, 15);
                                          },
                                          [](DecimalDigits x) { return x; }},
                               number_of(v));
  if (!d.is_zero() && d.magnitude() > kDecimalMaxMagnitude) raise(err::kOverflow);
  d = detail::round_to(std::move(d), kDecimalMaxScale, detail::Tie::ToEven);
  return Decimal{detail::to_plain(d, ".")};
}

Date CDate(const Variant& v) {
  if (const auto* d = v.get_if<Date>()) return *d;
  if (const auto* s = v.get_if<std::string>()) {
    if (auto d = ParseDate(*s)) return *d;
    raise(err::kTypeMismatch);
  }
  return ToDate(CDbl(v));
}

bool IsNumeric(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::LongLong:
    case VarType::Byte:
    case VarType::Boolean:
    case VarType::Single:
    case VarType::Double:
    case VarType::Decimal:
      return true;
    case VarType::String:
      // A text whose number lies beyond the double range fails in CDbl too.
      try {
        const auto number = detail::parse_number(v.as_string(), regional());
        return number && (detail::to_double(*number), true);
      } catch (const Error&) {
        return false;
      }
    default:
      return false;
  }
}

bool IsDate(const Variant& v) {
  if (v.type() == VarType::Date) return true;
  if (const auto* s = v.get_if<std::string>()) return ParseDate(*s).has_value();
  return false;
}

double Val(std::string_view text) { return detail::val(text); }

double Int(double x) { return std::floor(x); }
double Fix(double x) { return std::trunc(x); }

double Round(double x, int decimals) {
  if (decimals < 0) raise(err::kInvalidArgument);
  if (!std::isfinite(x) || x == 0) return x;
  // Rounded on the shortest decimal form of x, so that 2.675 (stored as
  // 2.67499999...) rounds as the 2.675 that was written.
  return detail::to_double(detail::round_to(detail::from_double(x), decimals, detail::Tie::ToEven));
}

}  // namespace automation
