// SPDX-License-Identifier: MIT
#include "sendrik/version_check.h"

#include <cmath>
#include <cstdio>

#include "platform/ado/ado.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"

namespace sendrik {
namespace {

// Text from 1-based position `start` to the end ("" past the end).
std::string_view MidFrom(std::string_view text, std::size_t start) {
  return start - 1 < text.size() ? text.substr(start - 1) : std::string_view{};
}

// 1-based position of `what` in `text`, 0 when absent.
std::size_t InStr(std::string_view text, std::string_view what) {
  const auto p = text.find(what);
  return p == std::string_view::npos ? 0 : p + 1;
}

// The first `count` characters; a negative count is an invalid argument.
std::string_view Left(std::string_view text, long count) {
  if (count < 0) automation::raise(automation::err::kInvalidArgument);
  return text.substr(0, static_cast<std::size_t>(count));
}

// The text after the word "values", its opening parenthesis and quote.
std::string_view AfterValues(std::string_view command) {
  return MidFrom(command, InStr(LowerAscii(command), "values") + 8);
}

// The number that should follow the greatest stored value ("" with no row).
// The query sorts Nulls first in descending order: the first row that is not
// Null holds the greatest value; only when every row is Null does a Null
// count, as empty.
std::string Expected(ado::Connection& connection, std::string_view query, std::string_view column) {
  auto rs = connection.Execute(query, -1);
  if (!rs || rs->EOF_()) return {};
  std::string stored;
  for (; !rs->EOF_(); rs->MoveNext()) {
    const automation::Variant& value = rs->Fields(column).Value();
    if (value.is_null() || value.is_empty()) continue;
    stored = automation::CStr(value);
    break;
  }
  return PlainNumber(automation::Val(MidFrom(stored, 6)) + 1);
}

void CheckValue(ado::Connection& connection, std::string_view value, std::string_view query, std::string_view column,
                const std::function<void()>& warn) {
  const std::string v = VersionNumber(value);
  if (v.empty() || v == "0") return;
  if (v != Expected(connection, query, column)) warn();
}

}  // namespace

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool NamesVersionTable(std::string_view command) {
  return LowerAscii(command).find("fauversaodb") != std::string::npos;
}

std::string PlainNumber(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value == 0 ? 0.0 : value);
    return text;
  }
  return automation::DoubleToString(value);
}

std::string VersionNumber(std::string_view value) { return PlainNumber(automation::Val(MidFrom(value, 6))); }

std::string FirstVersionValue(std::string_view command) {
  const std::string_view t = AfterValues(command);
  return std::string(Left(t, static_cast<long>(InStr(t, ",")) - 2));
}

std::string SecondVersionValue(std::string_view command) {
  std::string_view t = AfterValues(command);
  t = MidFrom(t, InStr(t, ",") + 3);
  return std::string(Left(t, static_cast<long>(InStr(t, ")")) - 2));
}

void CheckVersion(ado::Connection& connection, std::string_view command, const std::function<void()>& warn) {
  if (!NamesVersionTable(command)) return;
  CheckValue(connection, FirstVersionValue(command), kFirstVersionQuery, "versaopd", warn);
  CheckValue(connection, SecondVersionValue(command), kSecondVersionQuery, "versaoct", warn);
}

}  // namespace sendrik
