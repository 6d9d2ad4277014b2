// SPDX-License-Identifier: MIT
#pragma once
// The statement written for the connection's dialect: the dialect
// adjustment (fAjustaSql) and the forms that differ on SQLite.

#include <string>
#include <string_view>

#include "platform/ado/ado.h"

namespace quorvel {

// Off PostgreSQL (the database the connection reached, DialectOf), removes
// "UPPER", then "csng", then "cstr" from the statement, case-sensitively and
// outside quoted literals only. On SQLite the statement is first written for
// SQLiteWords: what it compares without regard to case, and any LIKE (the
// extension's like() also reads a number's text as PostgreSQL writes it),
// needs the extension, which is then required of the connection.
void fAjustaSql(ado::Connection& ConnRH, std::string& statement);
// The word removal itself.
void RemoveDialectWords(std::string& statement);

// What SQLite needs written otherwise, outside quoted literals: an
// "UPPER(x)" compared by =, <> or IN compares x under the extension's
// collation ("UPPER(x) = " becomes "UPPER(x) COLLATE qv_nocase = ", before
// UPPER is removed), since SQLite's = heeds letter case; "&" joins texts as
// "||". Whether the statement compares text without regard to case.
bool SQLiteWords(std::string& statement);
// Whether the word LIKE (any case) stands outside quoted literals.
bool HasLike(std::string_view statement) noexcept;

// A date (a date column, a date literal, now()) as a number of days that can
// be subtracted and added: the expression itself, except on SQLite, which
// keeps dates as text: qv_days(date) of the extension there.
std::string DateDays(ado::Connection& ConnRH, std::string_view date);
// A text of whole numbers (a knowledge code) as it is ordered by number value
// ("10" after "9"), for MAX: the expression itself on PostgreSQL, whose column
// type orders it so, and under the extension's collation qv_numeric on SQLite.
std::string NumberOrdered(ado::Connection& ConnRH, std::string_view text);

}  // namespace quorvel
