// SPDX-License-Identifier: MIT
#include "quorvel/common/literals.h"

namespace quorvel {

namespace {

// Whether an escape literal begins at `at`: E (either case) and a quote,
// the E not ending a longer word.
bool IsEscapeStart(std::string_view s, std::size_t at) noexcept {
  return (s[at] == 'E' || s[at] == 'e') && at + 1 < s.size() && s[at + 1] == '\'' &&
         (at == 0 || !IsWordChar(s[at - 1]));
}

// The end of the quoted text whose body starts at `at`: after the closing
// `quote` that is not doubled (and, with `escapes`, not after a backslash),
// or the end of the text.
std::size_t QuotedEnd(std::string_view s, std::size_t at, char quote, bool escapes) noexcept {
  for (std::size_t i = at; i < s.size(); ++i) {
    if (escapes && s[i] == '\\') {
      ++i;
    } else if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        ++i;
      } else {
        return i + 1;
      }
    }
  }
  return s.size();
}

Piece PieceAt(std::string_view s, std::size_t at) noexcept {
  if (at >= s.size()) return {PieceKind::kCode, s.size(), s.size()};
  if (s[at] == '"') return {PieceKind::kName, at, QuotedEnd(s, at + 1, '"', false)};
  if (s[at] == '\'') return {PieceKind::kLiteral, at, QuotedEnd(s, at + 1, '\'', false)};
  if (IsEscapeStart(s, at)) return {PieceKind::kEscapeLiteral, at, QuotedEnd(s, at + 2, '\'', true)};
  std::size_t end = at + 1;
  while (end < s.size() && s[end] != '\'' && s[end] != '"' && !IsEscapeStart(s, end)) ++end;
  return {PieceKind::kCode, at, end};
}

}  // namespace

Pieces::Iterator::Iterator(std::string_view text, std::size_t at) noexcept : text_(text), piece_(PieceAt(text, at)) {}

Pieces::Iterator& Pieces::Iterator::operator++() noexcept {
  piece_ = PieceAt(text_, piece_.end);
  return *this;
}

bool IsWordChar(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool IsLikeAt(std::string_view s, std::size_t at) noexcept {
  constexpr std::string_view kLike = "LIKE";
  if (at + kLike.size() > s.size() || (at > 0 && IsWordChar(s[at - 1]))) return false;
  for (std::size_t i = 0; i < kLike.size(); ++i) {
    const char c = s[at + i];
    if ((c == kLike[i] ? c : static_cast<char>(c - 'a' + 'A')) != kLike[i]) return false;
  }
  return at + kLike.size() == s.size() || !IsWordChar(s[at + kLike.size()]);
}

}  // namespace quorvel
