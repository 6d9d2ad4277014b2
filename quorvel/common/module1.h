#pragma once
// The library's shared procedures: literal formatting, the dialect
// adjustment and the error procedure.

#include <string>
#include <string_view>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/dispatch.h"

namespace quorvel {

using automation::Variant;

// The text that follows the error number and four blanks in DescErr, and the
// caption of the library's message box.
inline constexpr std::string_view kIdentification = "Quorvel";

// Off PostgreSQL (the database the connection reached, DialectOf), removes
// "UPPER", then "csng", then "cstr" from the statement, case-sensitively and
// outside quoted literals only. On SQLite the statement is first written for
// SQLiteWords: what it compares without regard to case, and any LIKE (the
// extension's like() also reads a number's text as PostgreSQL writes it),
// needs the extension, which is then required of the connection.
void fAjustaSql(ado::Connection& ConnRH, std::string& statement);
// The word removal itself.
void RemoveDialectWords(std::string& statement);

// Whether a SQLite connection string (the driver completes it with its key
// "LoadExt=") loads our extension (libqv_sqlite_ext).
bool LoadsSqliteExtension(std::string_view connection_string) noexcept;
// What SQLite needs written otherwise, outside quoted literals: an
// "UPPER(x)" compared by =, <> or IN compares x under the extension's
// collation ("UPPER(x) = " becomes "UPPER(x) COLLATE qv_nocase = ", before
// UPPER is removed), since SQLite's = heeds letter case; "&" joins texts as
// "||". Whether the statement compares text without regard to case.
bool SQLiteWords(std::string& statement);
// A date (a date column, a date literal, now()) as a number of days that can
// be subtracted and added: the expression itself, except on SQLite, which
// keeps dates as text: qv_days(date) of the extension there.
std::string DateDays(ado::Connection& ConnRH, std::string_view date);
// A text of whole numbers (a knowledge code) as it is ordered by number value
// ("10" after "9"), for MAX: the expression itself on PostgreSQL, whose column
// type orders it so, and under the extension's collation qv_numeric on SQLite.
std::string NumberOrdered(ado::Connection& ConnRH, std::string_view text);

// Whether the word LIKE (any case) stands outside quoted literals.
bool HasLike(std::string_view statement) noexcept;

// PostgreSQL's LIKE takes the backslash as its escape character, where the
// statements mean none: every backslash inside a quoted pattern that follows
// LIKE (the word outside literals, any case) is doubled, so that it stands for
// itself; % and _ stay wildcards. Nothing else in the statement changes.
void DoubleLikeBackslashes(std::string& statement);
// PostgreSQL reads a backslash in a plain literal as itself or as an escape,
// as the server's standard_conforming_strings says. Every quoted literal that
// holds a backslash becomes an escape literal (E'...') with each backslash
// doubled, which the server reads as the same text under either setting and
// whatever backslash_quote is; a literal without a backslash, a literal that
// is already an escape literal, and text inside double-quoted names stay as
// they are.
void EscapeBackslashLiterals(std::string& statement);
// The statement as it is sent on ConnRH: on PostgreSQL, DoubleLikeBackslashes
// and then EscapeBackslashLiterals; unchanged on any other database.
std::string ForConnection(ado::Connection& ConnRH, std::string_view statement);

// Null gives ""; otherwise the value's text with every "," replaced by ".".
std::string fFormataNumeroSql(const Variant& value);
// Null gives ""; otherwise "yyyy/mm/dd" with the regional date separator.
std::string fFormataDataSql(const Variant& value);
// Null gives ""; otherwise "hh:mm" with the regional time separator.
std::string fFormataHoraSql(const Variant& value);

// The error pending in a trap: number 0 means none.
using ErrObject = automation::ErrorInfo;

// With an error pending, DescErr becomes its number, four blanks and the
// identification text; with none (number 0), DescErr is left as it was.
void pTrataErro(std::string& DescErr, const ErrObject& err);

}  // namespace quorvel
