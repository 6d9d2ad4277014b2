#include "hosts/hrapp/arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"

namespace hrapp {

using automation::Variant;

namespace {

[[noreturn]] void Fail(std::string_view what, std::string_view text) {
  automation::raise(automation::err::kTypeMismatch, std::string(what) + ": " + std::string(text));
}

std::optional<std::int64_t> Integer(std::string_view t) {
  std::int64_t v = 0;
  const char* end = t.data() + t.size();
  auto [p, ec] = std::from_chars(t.data() + (t.starts_with('+') ? 1 : 0), end, v);
  if (ec != std::errc() || p != end || t.empty()) return std::nullopt;
  return v;
}

// A decimal with a point; one beyond the double range is none.
std::optional<double> Decimal(std::string_view t) {
  static const std::regex number(R"([-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?)");
  if (!std::regex_match(t.begin(), t.end(), number)) return std::nullopt;
  if (t.starts_with('+')) t.remove_prefix(1);
  double v = 0;
  const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || p != t.data() + t.size()) return std::nullopt;
  return v;
}

std::optional<automation::Date> DateText(std::string_view t) {
  static const std::regex date(R"((\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?)?)");
  std::match_results<std::string_view::const_iterator> m;
  if (!std::regex_match(t.begin(), t.end(), m, date)) return std::nullopt;
  auto part = [&](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
  return automation::MakeDate({part(1), part(2), part(3), part(4), part(5), part(6)});
}

template <class T>
Variant Ranged(std::string_view text, std::string_view type_name) {
  const auto v = Integer(text);
  if (!v || *v < std::numeric_limits<T>::min() || *v > std::numeric_limits<T>::max())
    Fail("not a " + std::string(type_name), text);
  return Variant(static_cast<T>(*v));
}

// A small JSON reader: null, true, false, numbers, strings, arrays.
class Json {
 public:
  explicit Json(std::string_view text) : t_(text) {}

  Variant Document() {
    Variant v = Value(0);
    Blank();
    if (i_ != t_.size()) Fail("unexpected text after the JSON value", t_.substr(i_));
    return v;
  }

 private:
  void Blank() {
    while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r')) ++i_;
  }
  bool Take(std::string_view word) {
    if (t_.substr(i_, word.size()) != word) return false;
    i_ += word.size();
    return true;
  }

  Variant Value(int depth) {
    Blank();
    if (i_ >= t_.size()) Fail("JSON value missing", t_);
    const char c = t_[i_];
    if (c == '[') return Array(depth);
    if (c == '"') return Variant(String());
    if (Take("null")) return Variant(automation::Null);
    if (Take("true")) return Variant(true);
    if (Take("false")) return Variant(false);
    const std::size_t start = i_;
    while (i_ < t_.size() && std::string_view("+-0123456789.eE").find(t_[i_]) != std::string_view::npos) ++i_;
    const std::string_view number = t_.substr(start, i_ - start);
    if (const auto n = Integer(number)) {
      if (*n >= std::numeric_limits<std::int32_t>::min() && *n <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(*n));
      return Variant(*n);
    }
    if (const auto d = Decimal(number)) return Variant(*d);
    Fail("not a JSON value", t_.substr(start));
  }

  // The four hex digits of a \u escape.
  unsigned Hex4() {
    unsigned code = 0;
    const char* end = t_.data() + std::min(i_ + 4, t_.size());
    const auto [p, ec] = std::from_chars(t_.data() + i_, end, code, 16);
    if (i_ + 4 > t_.size() || ec != std::errc() || p != end) Fail("bad \\u escape", t_);
    i_ += 4;
    return code;
  }

  std::string String() {
    ++i_;  // opening quote
    std::string out;
    while (i_ < t_.size() && t_[i_] != '"') {
      char c = t_[i_++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= t_.size()) break;
      c = t_[i_++];
      switch (c) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
          unsigned code = Hex4();
          if (code >= 0xDC00 && code <= 0xDFFF) Fail("bad \\u escape", t_);
          if (code >= 0xD800 && code <= 0xDBFF) {  // a surrogate pair
            if (!Take("\\u")) Fail("bad \\u escape", t_);
            const unsigned low = Hex4();
            if (low < 0xDC00 || low > 0xDFFF) Fail("bad \\u escape", t_);
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          if (code < 0x80) {
            out += static_cast<char>(code);
          } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
          } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
          } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
          }
          break;
        }
        default: out += c;  // \" \\ \/
      }
    }
    if (i_ >= t_.size()) Fail("unterminated JSON string", t_);
    ++i_;
    return out;
  }

  Variant Array(int depth) {
    if (depth >= 2) Fail("arrays have at most two dimensions", t_);
    ++i_;
    std::vector<Variant> items;
    Blank();
    if (i_ < t_.size() && t_[i_] == ']') {
      ++i_;
      return Variant(automation::VariantArray());
    }
    for (;;) {
      items.push_back(Value(depth + 1));
      Blank();
      if (i_ < t_.size() && t_[i_] == ',') {
        ++i_;
        continue;
      }
      if (i_ < t_.size() && t_[i_] == ']') {
        ++i_;
        break;
      }
      Fail("expected , or ] in JSON array", t_);
    }
    const long n = static_cast<long>(items.size());
    if (!items.front().is_array()) {
      automation::VariantArray a({automation::Bounds{0, n - 1}});
      for (long i = 0; i < n; ++i) {
        if (items[static_cast<std::size_t>(i)].is_array()) Fail("mixed JSON array", t_);
        a.at(i) = std::move(items[static_cast<std::size_t>(i)]);
      }
      return Variant(std::move(a));
    }
    const long m = items.front().as_array().ubound(1) + 1;
    automation::VariantArray a({automation::Bounds{0, n - 1}, automation::Bounds{0, m - 1}});
    for (long i = 0; i < n; ++i) {
      const Variant& row = items[static_cast<std::size_t>(i)];
      if (!row.is_array() || row.as_array().ubound(1) + 1 != m) Fail("rows of a 2-D array differ in length", t_);
      for (long j = 0; j < m; ++j) a.at(i, j) = row.as_array().at(j);
    }
    return Variant(std::move(a));
  }

  std::string_view t_;
  std::size_t i_ = 0;
};

}  // namespace

Variant ParseJson(std::string_view text) { return Json(text).Document(); }

Variant ParseArgument(std::string_view text, com::Type type) {
  using com::Type;
  switch (type) {
    case Type::String: return Variant(text);
    case Type::Long: return Ranged<std::int32_t>(text, "Long (32-bit integer)");
    case Type::Integer: return Ranged<std::int16_t>(text, "Integer (16-bit integer)");
    case Type::Byte: return Ranged<std::uint8_t>(text, "Byte (0 to 255)");
    case Type::Double:
    case Type::Single: {
      const auto d = Decimal(text);
      if (!d) Fail("not a decimal number", text);
      if (type == Type::Double) return Variant(*d);
      if (std::fabs(*d) > std::numeric_limits<float>::max()) Fail("out of the Single range", text);
      return Variant(static_cast<float>(*d));
    }
    case Type::Date: {
      const auto d = DateText(text);
      if (!d) Fail("not a date yyyy-mm-dd", text);
      return Variant(*d);
    }
    case Type::Boolean:
      if (text == "true" || text == "True") return Variant(true);
      if (text == "false" || text == "False") return Variant(false);
      Fail("not true or false", text);
    case Type::Object: Fail("an object cannot be given on the command line", text);
    case Type::Variant: break;
  }
  if (text == "null") return Variant(automation::Null);
  if (text == "empty") return Variant();
  if (text.starts_with('[') || text.starts_with('"')) return ParseJson(text);
  if (const auto n = Integer(text)) {
    if (*n >= std::numeric_limits<std::int32_t>::min() && *n <= std::numeric_limits<std::int32_t>::max())
      return Variant(static_cast<std::int32_t>(*n));
    return Variant(*n);
  }
  if (const auto d = Decimal(text)) return Variant(*d);
  if (const auto d = DateText(text)) return Variant(*d);
  return Variant(text);
}

}  // namespace hrapp
