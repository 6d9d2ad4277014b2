// SPDX-License-Identifier: MIT
#include "quorvel/common/adjustment.h"

#include "platform/automation/error.h"
#include "quorvel/common/dialect.h"
#include "quorvel/common/literals.h"

namespace quorvel {

void RemoveDialectWords(std::string& statement) {
  for (const std::string_view word : {std::string_view("UPPER"), std::string_view("csng"), std::string_view("cstr")}) {
    std::string out;
    out.reserve(statement.size());
    for (const Piece& piece : Pieces(statement)) {
      if (piece.quoted()) {
        out.append(statement, piece.begin, piece.end - piece.begin);
        continue;
      }
      for (std::size_t i = piece.begin; i < piece.end;) {
        if (statement.compare(i, word.size(), word) == 0) {
          i += word.size();
        } else {
          out += statement[i++];
        }
      }
    }
    statement = std::move(out);
  }
}

bool HasLike(std::string_view statement) noexcept {
  for (const Piece& piece : Pieces(statement)) {
    if (piece.quoted()) continue;
    for (std::size_t i = piece.begin; i < piece.end; ++i) {
      if (IsLikeAt(statement, i)) return true;
    }
  }
  return false;
}

namespace {

// The position after the parenthesis that closes the one at `open`, outside
// literals (npos when it is not closed).
std::size_t AfterClosing(std::string_view s, std::size_t open) noexcept {
  int depth = 0;
  for (const Piece& piece : Pieces(s, open)) {
    if (piece.quoted()) continue;
    for (std::size_t i = piece.begin; i < piece.end; ++i) {
      if (s[i] == '(') ++depth;
      else if (s[i] == ')' && --depth == 0) return i + 1;
    }
  }
  return std::string_view::npos;
}

// Whether an equality-like comparison (=, <>, !=, IN) begins at `at`, after blanks.
bool ComparesEqual(std::string_view s, std::size_t at) noexcept {
  while (at < s.size() && s[at] == ' ') ++at;
  const std::string_view rest = s.substr(at);
  if (rest.starts_with("=") || rest.starts_with("<>") || rest.starts_with("!=")) return true;
  return rest.size() >= 2 && (rest[0] == 'I' || rest[0] == 'i') && (rest[1] == 'N' || rest[1] == 'n') &&
         (rest.size() == 2 || !IsWordChar(rest[2]));
}

}  // namespace

bool SQLiteWords(std::string& statement) {
  constexpr std::string_view kUpper = "UPPER";
  constexpr std::string_view kCollate = " COLLATE qv_nocase";
  bool folds = false;
  std::string out;
  out.reserve(statement.size() + 16);
  // Where a collation goes as the statement is copied (npos: none pending);
  // always a place in code, right after a parenthesis.
  std::size_t collate_at = std::string::npos;
  for (const Piece& piece : Pieces(statement)) {
    if (piece.quoted()) {
      out.append(statement, piece.begin, piece.end - piece.begin);
      continue;
    }
    for (std::size_t i = piece.begin; i < piece.end; ++i) {
      if (i == collate_at) {
        out += kCollate;
        collate_at = std::string::npos;
      }
      const char c = statement[i];
      if (c == '&') {
        out += "||";
        continue;
      }
      if (statement.compare(i, kUpper.size(), kUpper) == 0) {
        std::size_t open = i + kUpper.size();
        while (open < statement.size() && statement[open] == ' ') ++open;
        if (open < statement.size() && statement[open] == '(') {
          folds = true;
          const std::size_t after = AfterClosing(statement, open);
          if (collate_at == std::string::npos && after != std::string::npos && ComparesEqual(statement, after))
            collate_at = after;
        }
      }
      out += c;
    }
  }
  if (collate_at == statement.size()) out += kCollate;
  statement = std::move(out);
  return folds;
}

std::string DateDays(ado::Connection& ConnRH, std::string_view date) {
  if (!IsSqlite(ConnRH)) return std::string(date);
  return "qv_days(" + std::string(date) + ")";
}

std::string NumberOrdered(ado::Connection& ConnRH, std::string_view text) {
  if (!IsSqlite(ConnRH)) return std::string(text);
  return std::string(text) + " COLLATE qv_numeric";
}

void fAjustaSql(ado::Connection& ConnRH, std::string& statement) {
  const Dialect dialect = DialectOf(ConnRH);
  if (dialect == Dialect::kPostgres) return;
  if (dialect == Dialect::kSqlite) {
    const bool folds = SQLiteWords(statement);
    if ((folds || HasLike(statement)) && !HasSqliteExtension(ConnRH)) {
      automation::raise(automation::err::kDatabase,
                        "text compared without regard to case, or matched by LIKE, needs the SQLite extension "
                        "libqv_sqlite_ext (the connection's LoadExt)");
    }
  }
  RemoveDialectWords(statement);
}

}  // namespace quorvel
