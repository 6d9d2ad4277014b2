// SPDX-License-Identifier: MIT
#pragma once
// Statement building: the literal of each kind of value, and the filter
// clause of the list methods. Text literals double every embedded quote, and
// numbers taken from Variants are converted to numbers first, so that no
// value can change the statement it goes into.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace quorvel::sql {

using automation::Variant;

// 'text' with every embedded ' doubled.
std::string Quote(std::string_view text);
// Quote of the upper-cased text (Portuguese letters included).
std::string QuoteUpper(std::string_view text);

// The same for a Variant, by its text (Null raises 94).
std::string Text(const Variant& value);
std::string UpperText(const Variant& value);
// "Null" for Null, otherwise Text.
std::string OptionalText(const Variant& value);
// Text, with Null written as the empty text ''.
std::string TextOrEmpty(const Variant& value);

// A number from a Variant, unquoted, written through fFormataNumeroSql:
// integers as they are, Decimal as its digits, Single and Double with a
// decimal point, text converted by the regional rules to a Decimal (every
// digit kept, a point, no exponent). Empty, "", text that
// is no number, a Decimal whose text is not plain digits and an infinite or
// NaN value raise 13.
std::string Number(const Variant& value);
// "Null" for Null, otherwise Number.
std::string OptionalNumber(const Variant& value);
// The quoted LIKE pattern for a column that holds fractions, written as the
// databases write its numbers: a number as Number writes it (a decimal
// point); a text of digits and the wildcards _ and %, with an optional sign
// and the regional decimal separator once, with that separator made a point
// ("45,5" -> '45.5', "4_,5" -> '4_.5'); any other value as Text.
std::string NumberPattern(const Variant& value);

// 'yyyy/mm/dd' of a date. Null raises 94, Empty and text that is no date 13.
std::string Date(const Variant& value);
// "Null" for Null, otherwise Date.
std::string OptionalDate(const Variant& value);

// 'hh:mm' of a time (a date's time of day); Null and Empty as Date.
std::string Time(const Variant& value);
// "Null" for Null, otherwise Time.
std::string OptionalTime(const Variant& value);
// csng('1.5'): a single-precision value as the text of the database's csng,
// always with a decimal point.
std::string Single(float value);
// Single of a Variant converted to a single first (13 as Number for anything
// that is no number).
std::string Single(const Variant& value);

// Text that is one complete quoted literal: 'x', its inner quotes doubled.
bool IsQuoted(std::string_view text) noexcept;
// The text of a literal that IsQuoted: without its quotes, each doubled quote single.
std::string Unquoted(std::string_view literal);
// One literal as a caller writes it for a statement: Null, True, False, a
// number (digits, an optional point and exponent), a quoted literal, or
// csng of a quoted literal. Blanks around it are allowed.
bool IsLiteral(std::string_view text) noexcept;
// A table or column name: identifiers joined by dots, each of letters,
// digits and _ (not beginning with a digit; letters outside ASCII count) or
// within double quotes.
bool IsName(std::string_view text) noexcept;

// A value the statement takes unquoted where a caller may also give a
// literal of its own: a number as Number writes it, or text that IsQuoted
// as it stands; anything else raises 13.
std::string NumberOrQuoted(const Variant& value);

// The filter clause of a list: "WHERE " before the first condition,
// " AND " before each further one; a Null filter adds nothing.
class Filter {
 public:
  using Literal = std::string (*)(const Variant&);

  // Adds fragment + literal(value) when value is not Null.
  void Add(const Variant& value, std::string_view fragment, Literal literal);
  // The same with a literal that needs more than the value (the connection, say).
  template <class LiteralFunction>
  void Add(const Variant& value, std::string_view fragment, const LiteralFunction& literal) {
    if (!value.is_null()) Add(std::string(fragment) + literal(value));
  }
  // Adds a condition as it stands.
  void Add(std::string_view condition);
  const std::string& Clause() const noexcept { return clause_; }

 private:
  std::string clause_;
};

}  // namespace quorvel::sql
