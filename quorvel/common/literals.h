// SPDX-License-Identifier: MIT
#pragma once
// A statement's text split as PostgreSQL's lexer splits it around quotes:
// plain literals ('...', a doubled quote standing for one), escape literals
// (E'...' or e'...' after no letter, digit or _, where a backslash escapes
// the character after it), double-quoted names ("...", a doubled quote
// standing for one) and the code between them. An unterminated literal or
// name runs to the end. Every pass over statements that must leave quoted
// text alone walks these pieces.

#include <cstddef>
#include <string_view>

namespace quorvel {

enum class PieceKind { kCode, kLiteral, kEscapeLiteral, kName };

// One piece: statement[begin, end). An escape literal begins at its E.
struct Piece {
  PieceKind kind;
  std::size_t begin;
  std::size_t end;
  bool quoted() const noexcept { return kind != PieceKind::kCode; }
};

// The pieces of a statement, in order, from a position where code begins:
//   for (const Piece& piece : Pieces(statement)) ...
class Pieces {
 public:
  explicit Pieces(std::string_view statement, std::size_t from = 0) noexcept : text_(statement), from_(from) {}

  class Iterator {
   public:
    Iterator(std::string_view text, std::size_t at) noexcept;
    const Piece& operator*() const noexcept { return piece_; }
    const Piece* operator->() const noexcept { return &piece_; }
    Iterator& operator++() noexcept;
    bool operator==(const Iterator& other) const noexcept { return piece_.begin == other.piece_.begin; }

   private:
    std::string_view text_;
    Piece piece_;
  };

  Iterator begin() const noexcept { return {text_, from_}; }
  Iterator end() const noexcept { return {text_, text_.size()}; }

 private:
  std::string_view text_;
  std::size_t from_;
};

// A letter, digit or _ of a word (bytes of UTF-8 letters included).
bool IsWordChar(char c) noexcept;
// Whether the word LIKE, in any case, stands whole at `at`.
bool IsLikeAt(std::string_view statement, std::size_t at) noexcept;

}  // namespace quorvel
