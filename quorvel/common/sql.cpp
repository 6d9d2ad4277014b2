// SPDX-License-Identifier: MIT
#include "quorvel/common/sql.h"

#include <cmath>

#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "platform/automation/text.h"
#include "quorvel/common/formatting.h"

namespace quorvel::sql {

std::string Quote(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  for (const char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  out += '\'';
  return out;
}

std::string QuoteUpper(std::string_view text) { return Quote(automation::UCase(text)); }

std::string Text(const Variant& value) { return Quote(automation::CStr(value)); }

std::string UpperText(const Variant& value) { return QuoteUpper(automation::CStr(value)); }

std::string OptionalText(const Variant& value) { return value.is_null() ? "Null" : Text(value); }

std::string TextOrEmpty(const Variant& value) { return value.is_null() ? Quote("") : Text(value); }

namespace {

// A Decimal's text as the data layer writes it: an optional minus, digits,
// and optionally a point and more digits.
bool IsPlainDecimal(std::string_view t) {
  if (t.starts_with('-')) t.remove_prefix(1);
  const auto digits = [](std::string_view d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const auto point = t.find('.');
  if (point == std::string_view::npos) return digits(t);
  return digits(t.substr(0, point)) && digits(t.substr(point + 1));
}

}  // namespace

std::string Number(const Variant& value) {
  using automation::VarType;
  switch (value.type()) {
    case VarType::Integer: return std::to_string(*value.get_if<std::int16_t>());
    case VarType::Long: return std::to_string(*value.get_if<std::int32_t>());
    case VarType::LongLong: return std::to_string(*value.get_if<std::int64_t>());
    case VarType::Byte: return std::to_string(*value.get_if<std::uint8_t>());
    case VarType::Boolean: return *value.get_if<bool>() ? "-1" : "0";
    case VarType::Decimal: {
      const std::string& text = value.get_if<automation::Decimal>()->text;
      if (!IsPlainDecimal(text)) automation::raise(automation::err::kTypeMismatch);
      return text;
    }
    case VarType::Single:
      if (!std::isfinite(*value.get_if<float>())) automation::raise(automation::err::kTypeMismatch);
      return fFormataNumeroSql(value);
    case VarType::Double:
      if (!std::isfinite(*value.get_if<double>())) automation::raise(automation::err::kTypeMismatch);
      return fFormataNumeroSql(value);
    case VarType::String: {
      if (value.as_string().empty()) automation::raise(automation::err::kTypeMismatch);
      // As a Decimal, so that every digit of a long number is kept.
      return automation::CDec(value).text;
    }
    default:
      // Empty, Null, dates, objects and arrays are no numbers here.
      automation::raise(automation::err::kTypeMismatch);
  }
}

std::string OptionalNumber(const Variant& value) { return value.is_null() ? "Null" : Number(value); }

namespace {

// Digits and LIKE wildcards around one decimal separator, after an optional sign.
bool IsNumberPattern(std::string_view text, std::string_view separator) {
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  const auto at = text.find(separator);
  if (at == std::string_view::npos) return false;
  const auto figures = [](std::string_view part) {
    return part.find_first_not_of("0123456789_%") == std::string_view::npos;
  };
  const std::string_view whole = text.substr(0, at);
  const std::string_view fraction = text.substr(at + separator.size());
  return !(whole.empty() && fraction.empty()) && figures(whole) && figures(fraction);
}

}  // namespace

std::string NumberPattern(const Variant& value) {
  // A Boolean is no number to a filter: it keeps its text.
  if (value.is_numeric() && value.type() != automation::VarType::Boolean) return Quote(Number(value));
  if (value.type() != automation::VarType::String) return Text(value);
  const std::string& separator = automation::regional().decimal_separator;
  std::string text = value.as_string();
  if (!separator.empty() && separator != "." && IsNumberPattern(text, separator))
    text.replace(text.find(separator), separator.size(), ".");
  return Quote(text);
}

namespace {

// CDate, but Empty is no date here (CDate would make it 1899-12-30).
automation::Date GivenDate(const Variant& value) {
  if (value.is_empty()) automation::raise(automation::err::kTypeMismatch);
  return automation::CDate(value);
}

}  // namespace

std::string Date(const Variant& value) { return Quote(fFormataDataSql(GivenDate(value))); }

std::string OptionalDate(const Variant& value) { return value.is_null() ? "Null" : Date(value); }

std::string Time(const Variant& value) { return Quote(fFormataHoraSql(GivenDate(value))); }

std::string OptionalTime(const Variant& value) { return value.is_null() ? "Null" : Time(value); }

std::string Single(float value) {
  std::string text = automation::SingleToString(value);
  const std::string& separator = automation::regional().decimal_separator;
  if (separator != ".") {
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 1))
      text.replace(at, separator.size(), ".");
  }
  return "csng(" + Quote(text) + ")";
}

std::string Single(const Variant& value) {
  Number(value);
  return Single(automation::CSng(value));
}

bool IsQuoted(std::string_view text) noexcept {
  if (text.size() < 2 || text.front() != '\'' || text.back() != '\'') return false;
  const std::string_view inner = text.substr(1, text.size() - 2);
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] != '\'') continue;
    if (i + 1 == inner.size() || inner[i + 1] != '\'') return false;
    ++i;
  }
  return true;
}

std::string Unquoted(std::string_view literal) {
  std::string text;
  text.reserve(literal.size());
  for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
    text += literal[i];
    if (literal[i] == '\'') ++i;
  }
  return text;
}

namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }
// Letters include those outside ASCII (the bytes of UTF-8 sequences), as both databases accept.
bool IsIdentifierStart(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

std::string_view Trim(std::string_view text) noexcept {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// [+-]digits[.digits][e[+-]digits], at least one digit before the exponent.
bool IsNumber(std::string_view t) noexcept {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < t.size() && IsDigit(t[i]); ++i) ++digits;
  if (i < t.size() && t[i] == '.') {
    for (++i; i < t.size() && IsDigit(t[i]); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i == start) return false;
  }
  return i == t.size();
}

}  // namespace

bool IsLiteral(std::string_view text) noexcept {
  const std::string_view t = Trim(text);
  if (EqualsNoCase(t, "Null") || EqualsNoCase(t, "True") || EqualsNoCase(t, "False")) return true;
  if (IsNumber(t) || IsQuoted(t)) return true;
  constexpr std::string_view kSingle = "csng(";
  return t.size() > kSingle.size() && EqualsNoCase(t.substr(0, kSingle.size()), kSingle) && t.back() == ')' &&
         IsQuoted(Trim(t.substr(kSingle.size(), t.size() - kSingle.size() - 1)));
}

bool IsName(std::string_view text) noexcept {
  std::size_t i = 0;
  for (;;) {
    const std::size_t start = i;
    if (i < text.size() && text[i] == '"') {
      // "...", a doubled quote standing for one; never empty.
      for (++i;; ++i) {
        if (i >= text.size()) return false;
        if (text[i] != '"') continue;
        if (i + 1 < text.size() && text[i + 1] == '"') {
          ++i;
          continue;
        }
        break;
      }
      if (i == start + 1) return false;
      ++i;
    } else {
      if (i >= text.size() || !IsIdentifierStart(text[i])) return false;
      while (i < text.size() && (IsIdentifierStart(text[i]) || IsDigit(text[i]))) ++i;
    }
    if (i == text.size()) return true;
    if (text[i] != '.') return false;
    ++i;
  }
}

std::string NumberOrQuoted(const Variant& value) {
  if (const auto* text = value.get_if<std::string>(); text && IsQuoted(*text)) return *text;
  return Number(value);
}

void Filter::Add(const Variant& value, std::string_view fragment, Literal literal) {
  if (value.is_null()) return;
  std::string condition(fragment);
  condition += literal(value);
  Add(condition);
}

void Filter::Add(std::string_view condition) {
  clause_ += clause_.empty() ? "WHERE " : " AND ";
  clause_ += condition;
}

}  // namespace quorvel::sql
