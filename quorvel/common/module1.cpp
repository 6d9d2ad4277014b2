#include "quorvel/common/module1.h"

#include <algorithm>

#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "quorvel/common/dialect.h"

namespace quorvel {

void RemoveDialectWords(std::string& statement) {
  for (const std::string_view word : {std::string_view("UPPER"), std::string_view("csng"), std::string_view("cstr")}) {
    std::string out;
    out.reserve(statement.size());
    bool quoted = false;  // a doubled quote inside a literal closes and reopens it: still right
    for (std::size_t i = 0; i < statement.size();) {
      const char c = statement[i];
      if (c == '\'') {
        quoted = !quoted;
      } else if (!quoted && statement.compare(i, word.size(), word) == 0) {
        i += word.size();
        continue;
      }
      out += c;
      ++i;
    }
    statement = std::move(out);
  }
}

namespace {

bool IsWordChar(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// Whether the word LIKE, in any case, stands whole at `at`.
bool IsLikeAt(std::string_view s, std::size_t at) noexcept {
  constexpr std::string_view kLike = "LIKE";
  if (at + kLike.size() > s.size() || (at > 0 && IsWordChar(s[at - 1]))) return false;
  for (std::size_t i = 0; i < kLike.size(); ++i) {
    const char c = s[at + i];
    if ((c == kLike[i] ? c : static_cast<char>(c - 'a' + 'A')) != kLike[i]) return false;
  }
  return at + kLike.size() == s.size() || !IsWordChar(s[at + kLike.size()]);
}

}  // namespace

bool HasLike(std::string_view statement) noexcept {
  bool quoted = false;
  for (std::size_t i = 0; i < statement.size(); ++i) {
    if (statement[i] == '\'') quoted = !quoted;
    else if (!quoted && IsLikeAt(statement, i)) return true;
  }
  return false;
}

void DoubleLikeBackslashes(std::string& statement) {
  if (statement.find('\\') == std::string::npos) return;
  std::string out;
  out.reserve(statement.size() + 8);
  bool quoted = false;   // inside a literal (a doubled quote closes and reopens it)
  bool pattern = false;  // that literal is the pattern of a LIKE
  bool after_like = false;
  for (std::size_t i = 0; i < statement.size(); ++i) {
    const char c = statement[i];
    if (quoted) {
      if (c == '\'') {
        quoted = false;
      } else if (c == '\\' && pattern) {
        out += '\\';
      }
    } else if (c == '\'') {
      quoted = true;
      // A doubled quote reopens the same literal.
      pattern = after_like || (pattern && i > 0 && statement[i - 1] == '\'');
      after_like = false;
    } else if (IsLikeAt(statement, i)) {
      out.append(statement, i, 4);
      i += 3;
      after_like = true;
      continue;
    } else if (c != ' ') {
      after_like = false;
      pattern = false;
    }
    out += c;
  }
  statement = std::move(out);
}

void EscapeBackslashLiterals(std::string& statement) {
  if (statement.find('\\') == std::string::npos) return;
  std::string out;
  out.reserve(statement.size() + 8);
  const std::size_t n = statement.size();
  for (std::size_t i = 0; i < n;) {
    const char c = statement[i];
    if (c == '"') {
      // A name: copied to its closing quote (a doubled one stands for itself).
      std::size_t end = i + 1;
      for (; end < n; ++end) {
        if (statement[end] != '"') continue;
        if (end + 1 < n && statement[end + 1] == '"') {
          ++end;
          continue;
        }
        break;
      }
      end = std::min(end + 1, n);
      out.append(statement, i, end - i);
      i = end;
    } else if (c == '\'') {
      const bool escape = i > 0 && (statement[i - 1] == 'E' || statement[i - 1] == 'e') &&
                          (i == 1 || !IsWordChar(statement[i - 2]));
      // The literal's end: the quote not doubled (and, in an escape literal, not after a backslash).
      std::size_t end = i + 1;
      bool backslash = false;
      for (; end < n; ++end) {
        const char d = statement[end];
        if (escape && d == '\\') {
          ++end;
          continue;
        }
        if (d == '\\') backslash = true;
        if (d != '\'') continue;
        if (end + 1 < n && statement[end + 1] == '\'') {
          ++end;
          continue;
        }
        break;
      }
      end = std::min(end + 1, n);
      if (escape || !backslash) {
        out.append(statement, i, end - i);
      } else {
        out += 'E';
        for (std::size_t k = i; k < end; ++k) {
          out += statement[k];
          if (statement[k] == '\\') out += '\\';
        }
      }
      i = end;
    } else {
      out += c;
      ++i;
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

bool LoadsSqliteExtension(std::string_view connection_string) noexcept {
  const std::size_t at = connection_string.find("LoadExt=");
  if (at == std::string_view::npos) return false;
  const std::string_view value = connection_string.substr(at).substr(0, connection_string.substr(at).find(';'));
  return value.find("qv_sqlite_ext") != std::string_view::npos;
}

namespace {

// The position after the parenthesis that closes the one at `open`, outside
// literals (npos when it is not closed).
std::size_t AfterClosing(std::string_view s, std::size_t open) noexcept {
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = open; i < s.size(); ++i) {
    if (s[i] == '\'') quoted = !quoted;
    else if (quoted) continue;
    else if (s[i] == '(') ++depth;
    else if (s[i] == ')' && --depth == 0) return i + 1;
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
  // Where a collation goes in `out` as the statement is copied (npos: none pending).
  std::size_t collate_at = std::string::npos;
  bool quoted = false;
  for (std::size_t i = 0; i < statement.size(); ++i) {
    if (i == collate_at) {
      out += kCollate;
      collate_at = std::string::npos;
    }
    const char c = statement[i];
    if (c == '\'') {
      quoted = !quoted;
    } else if (!quoted && c == '&') {
      out += "||";
      continue;
    } else if (!quoted && statement.compare(i, kUpper.size(), kUpper) == 0) {
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
    if ((folds || HasLike(statement)) && !LoadsSqliteExtension(ConnRH.ConnectionString())) {
      automation::raise(automation::err::kDatabase,
                        "text compared without regard to case, or matched by LIKE, needs the SQLite extension "
                        "libqv_sqlite_ext (the connection's LoadExt)");
    }
  }
  RemoveDialectWords(statement);
}

std::string fFormataNumeroSql(const Variant& value) {
  if (value.is_null()) return {};
  std::string text = automation::CStr(value);
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

std::string fFormataDataSql(const Variant& value) {
  if (value.is_null()) return {};
  return automation::Format(value, "yyyy/mm/dd");
}

std::string fFormataHoraSql(const Variant& value) {
  if (value.is_null()) return {};
  return automation::Format(value, "hh:mm");
}

void pTrataErro(std::string& DescErr, const ErrObject& err) {
  const std::string text = std::to_string(err.number) + "    " + std::string(kIdentification);
  if (err.number != 0) DescErr = text;
}

}  // namespace quorvel
