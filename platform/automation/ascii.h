// SPDX-License-Identifier: MIT
#pragma once
// Internal: small ASCII helpers shared by the conversions.

#include <string_view>

namespace automation::detail {

constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal but for the case of ASCII letters.
constexpr bool same_letters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  return true;
}

constexpr bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Without the spaces and tabs around.
constexpr std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace automation::detail
