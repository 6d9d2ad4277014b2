// SPDX-License-Identifier: MIT
#include "platform/vantrel/vantrel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace vantrel {
namespace {

enum class Style { General, Fixed, Grouped, Currency, Percent, Scientific };

struct Format {
  const char* name;
  Style style;
  int decimals;
};

// 1-based for callers: entry 0 is format 1.
constexpr std::array<Format, 10> kFormats{{
    {"General", Style::General, 0},
    {"0", Style::Fixed, 0},
    {"0.0", Style::Fixed, 1},
    {"0.00", Style::Fixed, 2},
    {"#,##0", Style::Grouped, 0},
    {"#,##0.00", Style::Grouped, 2},
    {"$#,##0.00", Style::Currency, 2},
    {"0%", Style::Percent, 0},
    {"0.00%", Style::Percent, 2},
    {"0.00E+00", Style::Scientific, 2},
}};

template <class Number>
std::string Printf(const char* pattern, int decimals, Number value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, pattern, decimals, value);
  return buffer;
}

// Up to 15 significant digits, more (to 17) when 15 would not read back as
// the same number; fewer when the text would not fit the limit.
std::string General(double value, std::size_t limit) {
  for (int digits = 15; digits <= 17; ++digits) {
    std::string s = Printf("%.*g", digits, value);
    if (s.size() > limit) break;
    if (std::strtod(s.c_str(), nullptr) == value) return s;
  }
  for (int digits = 15; digits >= 1; --digits) {
    std::string s = Printf("%.*g", digits, value);
    if (s.size() <= limit) return s;
  }
  return Printf("%.*e", 0, value).substr(0, limit);
}

std::string Group(const std::string& fixed) {
  // fixed: optional '-', digits, optional fraction.
  std::size_t start = fixed[0] == '-' ? 1 : 0;
  std::size_t end = fixed.find('.');
  if (end == std::string::npos) end = fixed.size();
  std::string out = fixed.substr(0, start);
  for (std::size_t i = start; i < end; ++i) {
    out += fixed[i];
    std::size_t left = end - i - 1;
    if (left > 0 && left % 3 == 0) out += ',';
  }
  return out + fixed.substr(end);
}

// In long double, so that the largest values still scale.
long double Percent(double value) { return static_cast<long double>(value) * 100; }

std::string Styled(double value, const Format& f) {
  switch (f.style) {
    case Style::General: return General(value, kFormatTextSize - 1);
    case Style::Fixed: return Printf("%.*f", f.decimals, value);
    case Style::Grouped: return Group(Printf("%.*f", f.decimals, value));
    case Style::Currency: {
      std::string digits = Group(Printf("%.*f", f.decimals, std::fabs(value)));
      bool negative = value < 0 && digits.find_first_not_of("0.,") != std::string::npos;
      return negative ? "($" + digits + ")" : "$" + digits;
    }
    case Style::Percent: return Printf("%.*Lf", f.decimals, Percent(value)) + "%";
    case Style::Scientific: return Printf("%.*E", f.decimals, value);
  }
  return {};
}

struct Series {
  std::mutex mutex;
  std::map<int, std::vector<std::string>> names;
};

Series& series() {
  static Series s;
  return s;
}

void Copy(const std::string& text, char* out, std::size_t size) {
  std::size_t n = std::min(text.size(), size - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

}  // namespace

std::string FormatNumber(double value, int format) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (format < 1 || format > static_cast<int>(kFormats.size())) return General(value, kShortFormatTextSize - 2);
  const Format& f = kFormats[static_cast<std::size_t>(format - 1)];
  std::string text = Styled(value, f);
  // A number too long for the caller's buffer is written in scientific form
  // instead (a percentage still as a percentage).
  if (text.size() > kFormatTextSize - 1)
    text = f.style == Style::Percent ? Printf("%.*LE", 6, Percent(value)) + "%" : Printf("%.*E", 6, value);
  return text;
}

void RegisterSeriesNames(int chart, std::vector<std::string> names) {
  std::lock_guard lock(series().mutex);
  series().names[chart] = std::move(names);
}

void ClearSeriesNames() {
  std::lock_guard lock(series().mutex);
  series().names.clear();
}

}  // namespace vantrel

extern "C" {

short GetSFTableSize(void) {
  return static_cast<short>(vantrel::kFormats.size());
}

void GetSFTableEntry(int index, char* name) {
  if (name == nullptr) return;
  if (index < 0 || index >= static_cast<int>(vantrel::kFormats.size())) {
    name[0] = '\0';
    return;
  }
  vantrel::Copy(vantrel::kFormats[static_cast<std::size_t>(index)].name, name, vantrel::kFormatNameSize);
}

void StdFormat(double value, int format, char* text) {
  if (text == nullptr) return;
  bool short_form = format < 1 || format > static_cast<int>(vantrel::kFormats.size());
  vantrel::Copy(vantrel::FormatNumber(value, format), text,
                short_form ? vantrel::kShortFormatTextSize - 1 : vantrel::kFormatTextSize);
}

void GetSeriesHeaderString(int chart, int series, char* text) {
  if (text == nullptr) return;
  std::string name;
  {
    std::lock_guard lock(vantrel::series().mutex);
    auto it = vantrel::series().names.find(chart);
    if (it != vantrel::series().names.end() && series >= 0 && series < static_cast<int>(it->second.size()))
      name = it->second[static_cast<std::size_t>(series)];
    else
      name = "Series " + std::to_string(static_cast<long>(series) + 1);
  }
  vantrel::Copy(name, text, vantrel::kSeriesNameSize);
}

}  // extern "C"
