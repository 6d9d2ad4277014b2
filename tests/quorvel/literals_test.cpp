// SPDX-License-Identifier: MIT
// The statement's pieces around quotes, and the passes that walk them.
#include <gtest/gtest.h>

#include <string>

#include "quorvel/common/adjustment.h"
#include "quorvel/common/backslashes.h"
#include "quorvel/common/literals.h"

namespace {

using namespace quorvel;

// The pieces written out: code as it stands, the others as lit[...],
// esc[...] and name[...].
std::string Written(std::string_view statement) {
  std::string out;
  for (const Piece& piece : Pieces(statement)) {
    const std::string_view text = statement.substr(piece.begin, piece.end - piece.begin);
    switch (piece.kind) {
      case PieceKind::kCode: out += text; break;
      case PieceKind::kLiteral: out += "lit[" + std::string(text) + "]"; break;
      case PieceKind::kEscapeLiteral: out += "esc[" + std::string(text) + "]"; break;
      case PieceKind::kName: out += "name[" + std::string(text) + "]"; break;
    }
  }
  return out;
}

TEST(PiecesTest, AsTheServerReadsTheQuotes) {
  struct Case {
    const char* statement;
    const char* written;
  };
  const Case cases[] = {
      {"", ""},
      {"SELECT 1", "SELECT 1"},
      {"a = 'x' AND b = 'O''Brien'", "a = lit['x'] AND b = lit['O''Brien']"},
      {"a = ''", "a = lit['']"},
      {R"(a = 'x\' OR b = 1)", R"(a = lit['x\'] OR b = 1)"},
      // Escape literals: a backslash takes the character after it.
      {R"(a = E'x\'y' AND b = e'\\')", R"(a = esc[E'x\'y'] AND b = esc[e'\\'])"},
      {R"(a = E'x''y')", R"(a = esc[E'x''y'])"},
      {R"(a = (E'x'))", R"(a = (esc[E'x']))"},
      // An E ending a word is no prefix.
      {R"(CASE WHEN a THEN b ELSE'x\' END)", R"(CASE WHEN a THEN b ELSElit['x\'] END)"},
      {R"(a = 'x'E'y')", R"(a = lit['x']esc[E'y'])"},
      // Names, a doubled quote inside them.
      {R"(SELECT "it's", "a""b" FROM t)", R"(SELECT name["it's"], name["a""b"] FROM t)"},
      {R"(a = '"' AND "'" = 1)", R"(a = lit['"'] AND name["'"] = 1)"},
      // Unterminated: to the end.
      {"a = 'x", "a = lit['x]"},
      {R"(a = E'x\)", R"(a = esc[E'x\])"},
      {R"(a = "x)", R"(a = name["x])"},
  };
  for (const Case& c : cases) EXPECT_EQ(Written(c.statement), c.written) << c.statement;
}

TEST(PiecesTest, FromAPlaceInCode) {
  const std::string_view s = "f('(', x) = 'y'";
  std::string rest;
  for (const Piece& piece : Pieces(s, 1)) {
    if (piece.quoted()) rest += '|';
    rest += s.substr(piece.begin, piece.end - piece.begin);
  }
  EXPECT_EQ(rest, "(|'(', x) = |'y'");
}

// A quote inside a double-quoted name opens no literal for any pass.
TEST(PiecesTest, PassesLeaveNamesWhole) {
  std::string words = R"(SELECT "it's", UPPER(x) FROM t WHERE cstr(y) = 'UPPER')";
  RemoveDialectWords(words);
  EXPECT_EQ(words, R"(SELECT "it's", (x) FROM t WHERE (y) = 'UPPER')");

  EXPECT_TRUE(HasLike(R"(SELECT "it's" FROM t WHERE a LIKE 'x')"));
  EXPECT_FALSE(HasLike(R"(SELECT "LIKE" FROM t WHERE a = 'LIKE')"));

  std::string sqlite = R"(SELECT "it's" FROM t WHERE UPPER(a) = 'X' AND b & 'c')";
  EXPECT_TRUE(SQLiteWords(sqlite));
  EXPECT_EQ(sqlite, R"(SELECT "it's" FROM t WHERE UPPER(a) COLLATE qv_nocase = 'X' AND b || 'c')");

  std::string like = R"(SELECT "it's" FROM t WHERE a LIKE 'x\')";
  DoubleLikeBackslashes(like);
  EXPECT_EQ(like, R"(SELECT "it's" FROM t WHERE a LIKE 'x\\')");
}

}  // namespace
