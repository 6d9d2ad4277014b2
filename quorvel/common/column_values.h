// SPDX-License-Identifier: MIT
#pragma once
// Values in the form a column of the connection's database keeps them.
// PostgreSQL converts a literal to its column's type on input: it reads a
// date text under DateStyle ISO, DMY, rounds a number to the column's scale
// and refuses what does not fit. SQLite keeps whatever it is given, so on
// SQLite these values are converted (or refused) before the statement, the
// way PostgreSQL would; on PostgreSQL they reach the statement as given.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ado/ado.h"
#include "platform/automation/date.h"

namespace quorvel {

// A date text as PostgreSQL reads it under DateStyle ISO, DMY, in its
// numeric forms: year first ("2023-01-10", "2023/1/10", "2023.01.10") or day
// first ("10/01/2023", "10-1-2023", "10.01.23"; a two-digit year is 1970 to
// 2069), blanks around, optionally followed by a time after a blank or "T"
// ("hh:mm", "hh:mm:ss", a fraction of a second ignored). Nothing for any
// other text, a day that does not exist included.
struct DateText {
  automation::DateParts parts;
  bool has_time = false;
};
std::optional<DateText> ReadDateText(std::string_view text);

// The text of a date given as text, to store in a date column or compare
// with one (it goes between quotes): as given on PostgreSQL, and on any
// database but SQLite; on SQLite, which keeps the library's dates as
// "yyyy/mm/dd" text, that form of ReadDateText (with " hh:mm:ss" after it
// for a timestamp, `with_time`). A text that is no date raises the database
// error there, as PostgreSQL refuses it.
std::string DateTextFor(ado::Connection& ConnRH, std::string_view text, bool with_time = false);

// A number column as the schema declares it: numeric(precision, scale), or
// an integer type by its range.
struct NumberType {
  std::string_view name;
  int precision = 0;  // numeric: all digits; 0 for an integer type
  int scale = 0;
  std::int64_t low = 0, high = 0;  // integer types
};
inline constexpr NumberType kSmallint{"smallint", 0, 0, -32768, 32767};
inline constexpr NumberType kInteger{"integer", 0, 0, -2147483648LL, 2147483647LL};
inline constexpr NumberType kBigint{"bigint", 0, 0, INT64_MIN, INT64_MAX};
constexpr NumberType Numeric(int precision, int scale) { return {"numeric", precision, scale}; }

// A number as PostgreSQL stores it in a column of that type, as plain digits:
// rounded to the scale, half away from zero, on its decimal digits (1.755
// gives 1.76 in numeric(4, 2), 2.5 gives 3 in an integer). `text` holds the
// number as a literal writes it (sign, digits, a point, an exponent), or, for
// `quoted`, the text of a quoted literal: blanks around are allowed, and for
// an integer type only whole digits ("15.5" is no integer). Nothing when it
// is no number or does not fit (numeric(5, 2) holds less than 1000).
std::optional<std::string> FitNumber(std::string_view text, const NumberType& type, bool quoted);

// A literal for a column of that type (a number, a quoted text or Null): on
// SQLite, FitNumber of it (a quoted text stays quoted), and the database
// error when that gives nothing, as PostgreSQL refuses it; as given on any
// other database, and for Null or any other literal.
std::string FittedLiteral(ado::Connection& ConnRH, const std::string& literal, const NumberType& type);

}  // namespace quorvel
