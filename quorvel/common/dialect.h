// SPDX-License-Identifier: MIT
#pragma once
// Which database a connection reached, and so which statements it gets:
// PostgreSQL's as written, SQLite's with its own adjustments, or those of
// any other database with the dialect words removed. Decided once per
// opening of the connection and kept with it.

#include <string_view>

#include "platform/ado/ado.h"

namespace quorvel {

enum class Dialect { kPostgres, kSqlite, kOther };

// The dialect of a database product by the name its driver reports
// ("PostgreSQL", "SQLite"; letter case ignored).
Dialect DialectOfDbms(std::string_view dbms_name) noexcept;
// Whether a SQLite connection string (the driver completes it with its key
// "LoadExt=") loads our extension (libqv_sqlite_ext).
bool LoadsSqliteExtension(std::string_view connection_string) noexcept;

// The dialect of the database the connection reached, as its driver named
// it when the connection was opened (never a word of the connection string).
// A connection never opened is kOther.
Dialect DialectOf(const ado::Connection& ConnRH);
// Whether the connection reached SQLite with our extension loaded.
bool HasSqliteExtension(const ado::Connection& ConnRH);

inline bool IsPostgres(const ado::Connection& ConnRH) { return DialectOf(ConnRH) == Dialect::kPostgres; }
inline bool IsSqlite(const ado::Connection& ConnRH) { return DialectOf(ConnRH) == Dialect::kSqlite; }

}  // namespace quorvel
