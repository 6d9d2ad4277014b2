// SPDX-License-Identifier: MIT
// SQLite extension: the functions the HR statements call that SQLite lacks.
//   cstr(x)  (also CStr: SQLite names are case-insensitive)  x as text, Null stays Null
//   now()    the current local date and time, "yyyy-mm-dd hh:mm:ss"
//   upper(x) upper case of UTF-8 text, accented letters included
//   like(p, x[, e])  x LIKE p [ESCAPE e], ignoring the case of every letter
//            (SQLite's own ignores the case of ASCII letters only)
//   These three read a floating-point value as PostgreSQL writes it: its
//   shortest exact digits, a whole number without ".0" ("40", "40.5", "1e+15").
//   collation qv_nocase  text compared by its upper case (accented letters included)
//   collation qv_numeric  runs of digits compared by their number value ("9" before "10")
//   qv_days(d)  a date "yyyy/mm/dd" or "yyyy-mm-dd" (a time after it adds its
//            fraction of a day) as days from 1899-12-30, to subtract and add
//   month(d), year(d)  the month and year of such a date as text ("5", "2024")
// A date function given text that is no date fails with an error; Null gives Null.
#include <sqlite3ext.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/text.h"

SQLITE_EXTENSION_INIT1

namespace {

std::string_view TextOf(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string_view();
}

// A double as PostgreSQL's float8 output writes it: the shortest digits that
// read back exactly, in fixed notation for decimal exponents from -4 to 14
// and as d.ddde+XX otherwise.
std::string PostgresFloatText(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
  if (x == 0) return std::signbit(x) ? "-0" : "0";
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));  // "-1.2345e+02"
  const std::size_t e = text.find('e');
  std::string digits;
  for (const char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') digits += c;
  }
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
  std::string out = x < 0 ? "-" : "";
  if (exponent < -4 || exponent >= 15) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    out += std::string(exponent < 0 ? "e-" : "e+") + (power.size() < 2 ? "0" : "") + power;
  } else if (exponent < 0) {
    out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits + std::string(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  }
  return out;
}

// A value's text: a floating-point value as PostgreSQL writes it, any other
// as SQLite gives it.
std::string ValueText(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_FLOAT) return PostgresFloatText(sqlite3_value_double(v));
  return std::string(TextOf(v));
}

void ResultText(sqlite3_context* ctx, std::string_view text) {
  sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

bool AnyNull(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i) {
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
  }
  return false;
}

void Cstr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  ResultText(ctx, ValueText(argv[0]));
}

void Upper(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  ResultText(ctx, automation::UCase(ValueText(argv[0])));
}

void Now(sqlite3_context* ctx, int, sqlite3_value**) {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  ResultText(ctx, std::string_view(text, n));
}

// The code points of UTF-8 text (a byte that starts no valid sequence stands for itself).
std::vector<char32_t> CodePoints(std::string_view s) {
  std::vector<char32_t> out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (n == 1 || i + n > s.size()) {
      out.push_back(b);
      ++i;
      continue;
    }
    char32_t c = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(c);
    i += n;
  }
  return out;
}

// LIKE over code points: % any run, _ any one, `escape` (when given) makes
// the next pattern character stand for itself.
bool Like(const std::vector<char32_t>& pattern, const std::vector<char32_t>& text, std::optional<char32_t> escape) {
  struct Token {
    enum Kind { kRun, kOne, kChar } kind;
    char32_t c;
  };
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char32_t c = pattern[i];
    if (escape && c == *escape && i + 1 < pattern.size()) tokens.push_back({Token::kChar, pattern[++i]});
    else if (c == U'%') tokens.push_back({Token::kRun, 0});
    else if (c == U'_') tokens.push_back({Token::kOne, 0});
    else tokens.push_back({Token::kChar, c});
  }
  // Greedy match with a return to the last run: exact for these two wildcards.
  std::size_t p = 0, t = 0, run = tokens.size(), resume = 0;
  while (t < text.size()) {
    if (p < tokens.size() && tokens[p].kind == Token::kRun) {
      run = p++;
      resume = t;
    } else if (p < tokens.size() && (tokens[p].kind == Token::kOne || tokens[p].c == text[t])) {
      ++p;
      ++t;
    } else if (run != tokens.size()) {
      p = run + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < tokens.size() && tokens[p].kind == Token::kRun) ++p;
  return p == tokens.size();
}

void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
  std::optional<char32_t> escape;
  if (argc == 3) {
    // Upper-cased as the pattern it is looked for in.
    const std::vector<char32_t> e = CodePoints(automation::UCase(TextOf(argv[2])));
    if (e.size() != 1) return sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
    escape = e[0];
  }
  const bool match = Like(CodePoints(automation::UCase(ValueText(argv[0]))),
                          CodePoints(automation::UCase(ValueText(argv[1]))), escape);
  sqlite3_result_int(ctx, match ? 1 : 0);
}

int NoCase(void*, int n1, const void* p1, int n2, const void* p2) {
  const std::string a = automation::UCase(std::string_view(static_cast<const char*>(p1), static_cast<std::size_t>(n1)));
  const std::string b = automation::UCase(std::string_view(static_cast<const char*>(p2), static_cast<std::size_t>(n2)));
  return a.compare(b);
}

// Runs of digits compare by their number value (leading zeros aside), other
// bytes as they are; texts equal so are ordered by their bytes, so that only
// the same text is equal ("010" is not "10").
int NumericOrder(void*, int n1, const void* p1, int n2, const void* p2) {
  const std::string_view a(static_cast<const char*>(p1), static_cast<std::size_t>(n1));
  const std::string_view b(static_cast<const char*>(p2), static_cast<std::size_t>(n2));
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  // The run of digits at `at`, without its leading zeros; `at` moves past it.
  const auto run = [&digit](std::string_view s, std::size_t& at) {
    while (at < s.size() && s[at] == '0' && at + 1 < s.size() && digit(s[at + 1])) ++at;
    const std::size_t start = at;
    while (at < s.size() && digit(s[at])) ++at;
    return s.substr(start, at - start);
  };
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      const std::string_view x = run(a, i), y = run(b, j);
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (const int c = x.compare(y); c != 0) return c;
    } else if (a[i] != b[j]) {
      return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
    } else {
      ++i;
      ++j;
    }
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return a.compare(b);
}

struct Day {
  int year, month, day;
  double fraction;  // of the day, from a time after the date
};

bool Digits(std::string_view s, std::size_t& i, std::size_t min, std::size_t max, int& value) {
  std::size_t n = 0;
  value = 0;
  while (i < s.size() && n < max && s[i] >= '0' && s[i] <= '9') {
    value = value * 10 + (s[i++] - '0');
    ++n;
  }
  return n >= min;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// "yyyy/mm/dd" or "yyyy-mm-dd", optionally followed by " hh:mm[:ss[.fff]]" (or "T").
std::optional<Day> ParseDay(std::string_view s) {
  Day d{};
  std::size_t i = 0;
  if (!Digits(s, i, 4, 4, d.year) || i >= s.size() || (s[i] != '/' && s[i] != '-')) return std::nullopt;
  const char separator = s[i++];
  if (!Digits(s, i, 1, 2, d.month) || i >= s.size() || s[i++] != separator || !Digits(s, i, 1, 2, d.day))
    return std::nullopt;
  if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.year, d.month)) return std::nullopt;
  if (i < s.size()) {
    int h = 0, m = 0, sec = 0;
    if ((s[i] != ' ' && s[i] != 'T') || !Digits(s, ++i, 1, 2, h) || i >= s.size() || s[i++] != ':' ||
        !Digits(s, i, 2, 2, m) || h > 23 || m > 59)
      return std::nullopt;
    if (i < s.size() && s[i] == ':') {
      if (!Digits(s, ++i, 2, 2, sec) || sec > 59) return std::nullopt;
      if (i < s.size() && s[i] == '.') {
        int ignored = 0;
        if (!Digits(s, ++i, 1, 9, ignored)) return std::nullopt;
      }
    }
    if (i != s.size()) return std::nullopt;
    d.fraction = (h * 3600 + m * 60 + sec) / 86400.0;
  }
  return d;
}

// Days from 1899-12-30 (the civil calendar, proleptic Gregorian).
std::int64_t Serial(const Day& d) {
  const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;  // 1970-01-01 is day 25569
}

// The date of the only argument, or a result (Null, or the error) already given.
std::optional<Day> DayArgument(sqlite3_context* ctx, sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return std::nullopt;
  }
  const std::string_view text = TextOf(v);
  std::optional<Day> d = ParseDay(text);
  if (!d) {
    const std::string message = "not a date: '" + std::string(text) + "'";
    sqlite3_result_error(ctx, message.c_str(), -1);
  }
  return d;
}

void Days(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const std::optional<Day> d = DayArgument(ctx, argv[0]);
  if (!d) return;
  if (d->fraction == 0) sqlite3_result_int64(ctx, Serial(*d));
  else sqlite3_result_double(ctx, static_cast<double>(Serial(*d)) + d->fraction);
}

void Month(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (const std::optional<Day> d = DayArgument(ctx, argv[0])) ResultText(ctx, std::to_string(d->month));
}

void Year(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (const std::optional<Day> d = DayArgument(ctx, argv[0])) ResultText(ctx, std::to_string(d->year));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(
    sqlite3* db, char** /*error*/, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  const int pure = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  struct Function {
    const char* name;
    int args;
    int flags;
    void (*call)(sqlite3_context*, int, sqlite3_value**);
  };
  const Function functions[] = {
      {"cstr", 1, pure, Cstr},         {"upper", 1, pure, Upper},   {"now", 0, SQLITE_UTF8, Now},
      {"like", 2, pure, LikeFunction}, {"like", 3, pure, LikeFunction}, {"qv_days", 1, pure, Days},
      {"month", 1, pure, Month},       {"year", 1, pure, Year},
  };
  int rc = SQLITE_OK;
  for (const Function& f : functions) {
    if (rc == SQLITE_OK) rc = sqlite3_create_function(db, f.name, f.args, f.flags, nullptr, f.call, nullptr, nullptr);
  }
  if (rc == SQLITE_OK) rc = sqlite3_create_collation(db, "qv_nocase", SQLITE_UTF8, nullptr, NoCase);
  if (rc == SQLITE_OK) rc = sqlite3_create_collation(db, "qv_numeric", SQLITE_UTF8, nullptr, NumericOrder);
  return rc;
}
