// SPDX-License-Identifier: MIT
#include "quorvel/common/backslashes.h"

#include "quorvel/common/dialect.h"
#include "quorvel/common/literals.h"

namespace quorvel {

namespace {

// The piece's text with every backslash doubled.
void AppendDoubled(std::string& out, std::string_view text) {
  for (const char c : text) {
    out += c;
    if (c == '\\') out += '\\';
  }
}

}  // namespace

void DoubleLikeBackslashes(std::string& statement) {
  if (statement.find('\\') == std::string::npos) return;
  std::string out;
  out.reserve(statement.size() + 8);
  const std::string_view s = statement;
  bool after_like = false;  // only blanks since the word LIKE
  for (const Piece& piece : Pieces(s)) {
    const std::string_view text = s.substr(piece.begin, piece.end - piece.begin);
    if (piece.kind == PieceKind::kLiteral && after_like) {
      AppendDoubled(out, text);
    } else if (piece.quoted()) {
      out += text;
    } else {
      for (std::size_t i = piece.begin; i < piece.end; ++i) {
        if (IsLikeAt(s, i)) {
          after_like = true;
          out.append(s, i, 4);
          i += 3;
          continue;
        }
        if (s[i] != ' ') after_like = false;
        out += s[i];
      }
      continue;
    }
    after_like = false;
  }
  statement = std::move(out);
}

void EscapeBackslashLiterals(std::string& statement) {
  if (statement.find('\\') == std::string::npos) return;
  std::string out;
  out.reserve(statement.size() + 8);
  const std::string_view s = statement;
  for (const Piece& piece : Pieces(s)) {
    const std::string_view text = s.substr(piece.begin, piece.end - piece.begin);
    if (piece.kind == PieceKind::kLiteral && text.find('\\') != std::string_view::npos) {
      out += 'E';
      AppendDoubled(out, text);
    } else {
      out += text;
    }
  }
  statement = std::move(out);
}

std::string ForConnection(ado::Connection& ConnRH, std::string_view statement) {
  std::string sent(statement);
  if (IsPostgres(ConnRH)) {
    DoubleLikeBackslashes(sent);
    EscapeBackslashLiterals(sent);
  }
  return sent;
}

}  // namespace quorvel
