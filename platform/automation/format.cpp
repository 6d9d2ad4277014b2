// SPDX-License-Identifier: MIT
// Text forms: CStr, the text of doubles and singles, Format, MonthName.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/automation/ascii.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/number_text.h"
#include "platform/automation/regional.h"
#include "platform/automation/text.h"

namespace automation {

namespace {

using detail::DecimalDigits;

void append_padded(std::string& out, int value, int width) {
  const std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(static_cast<std::size_t>(width) - digits.size(), '0');
  out += digits;
}

std::string non_finite_text(double x, std::string_view point) {
  std::string out = std::signbit(x) || std::isnan(x) ? "-1" : "1";
  out += point;
  out += std::isnan(x) ? "#IND" : "#INF";
  return out;
}

void append_short_date(std::string& out, const DateParts& p, const RegionalSettings& r) {
  for (std::size_t k = 0; k < r.short_date_order.size(); ++k) {
    if (k > 0) out += r.date_separator;
    switch (r.short_date_order[k]) {
      case 'y': append_padded(out, p.year, 4); break;
      case 'm': append_padded(out, p.month, 2); break;
      default: append_padded(out, p.day, 2); break;
    }
  }
}

void append_time(std::string& out, const DateParts& p, const RegionalSettings& r) {
  append_padded(out, p.hour, 2);
  out += r.time_separator;
  append_padded(out, p.minute, 2);
  out += r.time_separator;
  append_padded(out, p.second, 2);
}

// General date: the short date, then the time unless midnight; the time alone
// on day 0 (1899-12-30).
std::string date_text(Date d) {
  const RegionalSettings& r = regional();
  const DateParts p = SplitDate(d);
  const bool day_zero = p.year == 1899 && p.month == 12 && p.day == 30;
  const bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0;
  std::string out;
  if (!day_zero) append_short_date(out, p, r);
  if (day_zero || !midnight) {
    if (!out.empty()) out += ' ';
    append_time(out, p, r);
  }
  return out;
}

// Weekday, Sunday = 0. Day 0 (1899-12-30) was a Saturday.
int weekday(const DateParts& p) {
  const long long day = static_cast<long long>(DateSerial(p.year, p.month, p.day).value);
  return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

int day_of_year(const DateParts& p) {
  return static_cast<int>(DateSerial(p.year, p.month, p.day).value - DateSerial(p.year, 1, 1).value) + 1;
}

bool is_letter(char c, char lower) { return detail::ascii_lower(c) == lower; }

// ---- Date patterns -------------------------------------------------------

struct DateToken {
  char letter = 0;  // lower-case pattern letter, or 0 for literal text
  int count = 0;
  std::string text;  // literal
};

std::vector<DateToken> tokenize_date(std::string_view pattern, bool& twelve_hour) {
  std::vector<DateToken> tokens;
  auto literal = [&](std::string_view s) {
    if (tokens.empty() || tokens.back().letter != 0) tokens.push_back({});
    tokens.back().text += s;
  };
  twelve_hour = false;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    const std::string_view rest = pattern.substr(i);
    const char lower = detail::ascii_lower(c);
    if (rest.starts_with("AM/PM") || rest.starts_with("am/pm") || rest.starts_with("A/P") ||
        rest.starts_with("a/p") || rest.starts_with("AMPM")) {
      const std::size_t n = rest.starts_with("AMPM") ? 4 : rest[1] == '/' ? 3 : 5;
      tokens.push_back({'p', static_cast<int>(n), std::string(rest.substr(0, n))});
      twelve_hour = true;
      i += n;
    } else if (lower == 'y' || lower == 'm' || lower == 'd' || lower == 'h' || lower == 'n' || lower == 's' ||
               lower == 'w' || lower == 'q' || lower == 'c') {
      std::size_t j = i;
      while (j < pattern.size() && is_letter(pattern[j], lower)) ++j;
      tokens.push_back({lower, static_cast<int>(j - i), {}});
      i = j;
    } else if (c == '"') {
      const std::size_t end = pattern.find('"', i + 1);
      literal(pattern.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1));
      i = end == std::string_view::npos ? pattern.size() : end + 1;
    } else if (c == '\\' && i + 1 < pattern.size()) {
      literal(pattern.substr(i + 1, 1));
      i += 2;
    } else if (c == '/') {
      literal(regional().date_separator);
      ++i;
    } else if (c == ':') {
      literal(regional().time_separator);
      ++i;
    } else {
      literal(pattern.substr(i, 1));
      ++i;
    }
  }
  // "m" right after an hour or right before a second is a minute.
  const DateToken* previous = nullptr;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    DateToken& t = tokens[k];
    if (t.letter == 0) continue;
    if (t.letter == 'm' && t.count <= 2) {
      const DateToken* next = nullptr;
      for (std::size_t j = k + 1; j < tokens.size() && !next; ++j)
        if (tokens[j].letter != 0) next = &tokens[j];
      if ((previous && previous->letter == 'h') || (next && next->letter == 's')) t.letter = 'n';
    }
    previous = &t;
  }
  return tokens;
}

std::string format_date(Date d, std::string_view pattern) {
  const RegionalSettings& r = regional();
  const DateParts p = SplitDate(d);
  bool twelve_hour = false;
  std::string out;
  for (const DateToken& t : tokenize_date(pattern, twelve_hour)) {
    const int two = std::min(t.count, 2);
    switch (t.letter) {
      case 0: out += t.text; break;
      case 'y':
        if (t.count == 1) out += std::to_string(day_of_year(p));
        else if (t.count <= 3) append_padded(out, p.year % 100, 2);
        else append_padded(out, p.year, 4);
        break;
      case 'm':
        if (t.count <= 2) append_padded(out, p.month, two);
        else out += MonthName(p.month, t.count == 3);
        break;
      case 'd':
        if (t.count <= 2) append_padded(out, p.day, two);
        else if (t.count == 3) out += FirstChars(r.day_names[static_cast<std::size_t>(weekday(p))], 3);
        else if (t.count == 4) out += r.day_names[static_cast<std::size_t>(weekday(p))];
        else append_short_date(out, p, r);
        break;
      case 'h': {
        int hour = p.hour;
        if (twelve_hour) hour = hour % 12 == 0 ? 12 : hour % 12;
        append_padded(out, hour, two);
        break;
      }
      case 'n': append_padded(out, p.minute, two); break;
      case 's': append_padded(out, p.second, two); break;
      case 'w':
        if (t.count == 1) out += std::to_string(weekday(p) + 1);
        else out += std::to_string((day_of_year(p) - 1 + weekday(DateParts{p.year, 1, 1})) / 7 + 1);
        break;
      case 'q': out += std::to_string((p.month - 1) / 3 + 1); break;
      case 'c': out += date_text(d); break;
      case 'p': {
        const bool pm = p.hour >= 12;
        if (t.count == 3) out += t.text[pm ? 2 : 0];
        else if (t.count == 4) out += pm ? "PM" : "AM";
        else out += t.text.substr(pm ? 3 : 0, 2);
        break;
      }
      default: break;
    }
  }
  return out;
}

// ---- Number patterns -----------------------------------------------------

struct NumberSection {
  std::string prefix, suffix;
  int min_integer = 0;
  int min_fraction = 0, max_fraction = 0;
  bool point = false, grouping = false, percent = false;
};

std::vector<std::string> split_sections(std::string_view pattern) {
  std::vector<std::string> sections(1);
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '"') quoted = !quoted;
    if (c == '\\' && i + 1 < pattern.size()) {
      sections.back() += pattern.substr(i, 2);
      ++i;
      continue;
    }
    if (c == ';' && !quoted) sections.emplace_back();
    else sections.back() += c;
  }
  return sections;
}

NumberSection parse_section(std::string_view s) {
  NumberSection n;
  bool in_number = false, after_number = false, fraction = false;
  auto literal = [&](std::string_view text) { (after_number ? n.suffix : n.prefix) += text; };
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const bool placeholder = c == '0' || c == '#';
    if (!after_number && (placeholder || c == '.' || (c == ',' && in_number))) {
      in_number = true;
      if (c == '.') {
        if (fraction) {
          after_number = true;
          literal(".");
          continue;
        }
        fraction = n.point = true;
      } else if (c == ',') {
        if (!fraction) n.grouping = true;
      } else if (fraction) {
        ++n.max_fraction;
        if (c == '0') n.min_fraction = n.max_fraction;
      } else if (c == '0') {
        ++n.min_integer;
      }
      continue;
    }
    if (in_number) after_number = true;
    if (c == '%') {
      n.percent = true;
      literal("%");
    } else if (c == '"') {
      const std::size_t end = s.find('"', i + 1);
      literal(s.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1));
      i = end == std::string_view::npos ? s.size() : end;
    } else if (c == '\\' && i + 1 < s.size()) {
      literal(s.substr(++i, 1));
    } else {
      literal(s.substr(i, 1));
    }
  }
  return n;
}

std::string format_number(double x, std::string_view pattern) {
  const RegionalSettings& r = regional();
  const std::vector<std::string> sections = split_sections(pattern);
  std::size_t which = 0;
  if (x < 0 && sections.size() >= 2 && !sections[1].empty()) which = 1;
  else if (x == 0 && sections.size() >= 3 && !sections[2].empty()) which = 2;
  const NumberSection n = parse_section(sections[which]);
  const bool sign = x < 0 && which == 0;

  if (!std::isfinite(x)) return non_finite_text(x, r.decimal_separator);
  DecimalDigits d = detail::from_double(n.percent ? x * 100 : x);
  d.negative = false;
  // Format rounds half away from zero, unlike Round.
  d = detail::round_to(std::move(d), n.max_fraction, detail::Tie::AwayFromZero);

  const std::string plain = detail::to_plain(d, ".");
  const std::size_t dot = plain.find('.');
  std::string integer = plain.substr(0, dot);
  std::string fraction = dot == std::string::npos ? "" : plain.substr(dot + 1);
  if (integer == "0") integer.clear();
  if (static_cast<int>(integer.size()) < n.min_integer)
    integer.insert(0, static_cast<std::size_t>(n.min_integer) - integer.size(), '0');
  if (n.grouping && !r.thousands_separator.empty()) {
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
      if (i > 0 && (integer.size() - i) % 3 == 0) grouped += r.thousands_separator;
      grouped += integer[i];
    }
    integer = std::move(grouped);
  }
  if (static_cast<int>(fraction.size()) < n.min_fraction)
    fraction.append(static_cast<std::size_t>(n.min_fraction) - fraction.size(), '0');

  std::string out;
  if (sign && !d.is_zero()) out += '-';
  out += n.prefix;
  out += integer;
  if (n.point) out += r.decimal_separator;
  out += fraction;
  out += n.suffix;
  return out;
}

bool is_date_pattern(std::string_view pattern) {
  bool quoted = false, date_letter = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\\') {
      ++i;
      continue;
    }
    if (c == '0' || c == '#') return false;
    for (char l : std::string_view("ymdhnswqc"))
      if (is_letter(c, l)) date_letter = true;
  }
  return date_letter;
}

// Named formats of the runtime, as patterns.
std::optional<std::string_view> named_pattern(std::string_view name) {
  struct Named {
    std::string_view name, pattern;
  };
  static constexpr Named names[] = {
      {"Fixed", "0.00"},        {"Standard", "#,##0.00"}, {"Percent", "0.00%"},
      {"Short Time", "hh:mm"},  {"Medium Time", "hh:mm AMPM"}, {"Long Time", "hh:mm:ss"},
      {"Short Date", "ddddd"},  {"General Date", "c"},
  };
  for (const Named& n : names)
    if (detail::same_letters(n.name, name)) return n.pattern;
  return std::nullopt;
}

}  // namespace

std::string DoubleToString(double x) {
  const std::string& point = regional().decimal_separator;
  if (!std::isfinite(x)) return non_finite_text(x, point);
  return detail::to_vb_text(detail::from_double(x, 15), 15, point);
}

std::string SingleToString(float x) {
  const std::string& point = regional().decimal_separator;
  if (!std::isfinite(x)) return non_finite_text(x, point);
  return detail::to_vb_text(detail::from_float(x, 7), 7, point);
}

std::string CStr(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty: return {};
    case VarType::Null: raise(err::kInvalidUseOfNull);
    case VarType::Integer: return std::to_string(*v.get_if<std::int16_t>());
    case VarType::Long: return std::to_string(*v.get_if<std::int32_t>());
    case VarType::LongLong: return std::to_string(*v.get_if<std::int64_t>());
    case VarType::Byte: return std::to_string(*v.get_if<std::uint8_t>());
    case VarType::Boolean: return *v.get_if<bool>() ? regional().true_text : regional().false_text;
    case VarType::Single: return SingleToString(*v.get_if<float>());
    case VarType::Double: return DoubleToString(*v.get_if<double>());
    case VarType::Date: return date_text(*v.get_if<Date>());
    case VarType::String: return v.as_string();
    case VarType::Decimal: {
      std::string text;
      for (char c : v.get_if<Decimal>()->text) {
        if (c == '.') text += regional().decimal_separator;
        else text += c;
      }
      return text;
    }
    default: raise(err::kTypeMismatch);
  }
}

std::string Format(const Variant& v, std::string_view pattern) {
  if (v.is_null() || v.is_empty()) return {};
  if (pattern.empty()) return CStr(v);
  if (const auto named = named_pattern(pattern)) pattern = *named;
  if (detail::same_letters(pattern, "General Number")) return DoubleToString(CDbl(v));

  const std::string* text = v.get_if<std::string>();
  if (is_date_pattern(pattern)) {
    Date d{};
    if (const auto* date = v.get_if<Date>()) {
      d = *date;
    } else if (text) {
      if (auto parsed = ParseDate(*text)) d = *parsed;
      else if (IsNumeric(v)) d = ToDate(CDbl(v));
      else return *text;  // text that is no date is written as it is
    } else {
      d = ToDate(CDbl(v));
    }
    return format_date(d, pattern);
  }
  if (text && !IsNumeric(v)) return *text;
  return format_number(CDbl(v), pattern);
}

std::string MonthName(int month, bool abbreviated) {
  if (month < 1 || month > 12) raise(err::kInvalidArgument);
  const std::string& name = regional().month_names[static_cast<std::size_t>(month - 1)];
  return abbreviated ? FirstChars(name, 3) : name;
}

}  // namespace automation
