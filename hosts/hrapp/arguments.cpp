// SPDX-License-Identifier: MIT
#include "hosts/hrapp/arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <vector>

#include <nlohmann/json.hpp>

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

constexpr std::string_view kDateForm = "yyyy-mm-dd [hh:mm[:ss]]";

// A text in the date form; one in that form that names no real day or time is refused.
std::optional<automation::Date> DateText(std::string_view t) {
  static const std::regex date(R"((\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?)?)");
  std::match_results<std::string_view::const_iterator> m;
  if (!std::regex_match(t.begin(), t.end(), m, date)) return std::nullopt;
  auto part = [&](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
  try {
    return automation::MakeDate({part(1), part(2), part(3), part(4), part(5), part(6)});
  } catch (const automation::Error&) {
    Fail("not a date " + std::string(kDateForm) + " (no such day or time)", t);
  }
}

template <class T>
Variant Ranged(std::string_view text, std::string_view type_name) {
  const auto v = Integer(text);
  if (!v || *v < std::numeric_limits<T>::min() || *v > std::numeric_limits<T>::max())
    Fail("not a " + std::string(type_name), text);
  return Variant(static_cast<T>(*v));
}

// A JSON value as a Variant: null, true, false, numbers, strings, and arrays
// of one or two dimensions (a 2-D array is an array of rows of one length).
Variant FromJson(const nlohmann::json& j, std::string_view text, int depth) {
  using Kind = nlohmann::json::value_t;
  switch (j.type()) {
    case Kind::null: return Variant(automation::Null);
    case Kind::boolean: return Variant(j.get<bool>());
    case Kind::string: return Variant(j.get_ref<const std::string&>());
    case Kind::number_integer:
    case Kind::number_unsigned: {
      if (j.is_number_unsigned() && j.get<std::uint64_t>() > std::numeric_limits<std::int64_t>::max())
        Fail("JSON number out of range", text);
      const auto n = j.get<std::int64_t>();
      if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(n));
      return Variant(n);
    }
    case Kind::number_float: {
      const double d = j.get<double>();
      if (!std::isfinite(d)) Fail("JSON number out of range", text);
      return Variant(d);
    }
    case Kind::array: break;
    default: Fail("JSON objects are not accepted, only null, true, false, numbers, texts and arrays", text);
  }
  if (depth >= 2) Fail("arrays have at most two dimensions", text);
  const long n = static_cast<long>(j.size());
  if (n == 0) return Variant(automation::VariantArray());
  std::vector<Variant> items;
  for (const auto& item : j) items.push_back(FromJson(item, text, depth + 1));
  const auto rows = std::count_if(items.begin(), items.end(), [](const Variant& v) { return v.is_array(); });
  if (rows != 0 && rows != n) Fail("a JSON array mixes arrays and values (rows of a 2-D array are arrays)", text);
  if (rows == 0) {
    automation::VariantArray a({automation::Bounds{0, n - 1}});
    for (long i = 0; i < n; ++i) a.at(i) = std::move(items[static_cast<std::size_t>(i)]);
    return Variant(std::move(a));
  }
  const long m = items.front().as_array().ubound(1) + 1;
  automation::VariantArray a({automation::Bounds{0, n - 1}, automation::Bounds{0, m - 1}});
  for (long i = 0; i < n; ++i) {
    const Variant& row = items[static_cast<std::size_t>(i)];
    if (row.as_array().ubound(1) + 1 != m) Fail("rows of a 2-D array differ in length", text);
    for (long c = 0; c < m; ++c) a.at(i, c) = row.as_array().at(c);
  }
  return Variant(std::move(a));
}

}  // namespace

Variant ParseJson(std::string_view text) {
  nlohmann::json j;
  try {
    j = nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    // "[json.exception.parse_error.101] parse error at ...": the part after the tag.
    std::string_view why = e.what();
    if (const auto end_of_tag = why.find("] "); end_of_tag != std::string_view::npos) why.remove_prefix(end_of_tag + 2);
    Fail("not JSON (" + std::string(why) + ")", text);
  }
  return FromJson(j, text, 0);
}

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
      if (!d) Fail("not a date " + std::string(kDateForm), text);
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
