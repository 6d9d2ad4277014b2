// SPDX-License-Identifier: MIT
#pragma once
// Backslashes as PostgreSQL reads them: the statement as it is sent.

#include <string>
#include <string_view>

#include "platform/ado/ado.h"

namespace quorvel {

// PostgreSQL's LIKE takes the backslash as its escape character, where the
// statements mean none: every backslash inside a quoted pattern that follows
// LIKE (the word outside literals, any case) is doubled, so that it stands for
// itself; % and _ stay wildcards. An escape literal stays as its writer
// wrote it. Nothing else in the statement changes.
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

}  // namespace quorvel
