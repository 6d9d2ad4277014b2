// SPDX-License-Identifier: MIT
#pragma once
// Test databases: every test program gets its own fresh PostgreSQL database on
// the private cluster of the test run (tests/support/testdb) and its own SQLite
// file, each with the whole schema applied, and ODBC data sources that name them.
//
// The first call to Get() creates them and writes this process's ODBC files
// (ODBCSYSINI, ODBCINI), so call it before any ODBC call. Everything is removed
// at program exit.
//
// The cluster: the state folder QV_TESTDB_STATE names (scripts/run-bench), else
// the one the CTest fixture "testdb" started for this ctest run (qv_add_test
// sets QV_TESTDB_RUNS), else (a test program run by hand) one of its own,
// started by Get() and stopped at exit.

#include <string>
#include <string_view>
#include <vector>

namespace testdb {

struct Databases {
  std::string postgres;        // connection string of DSN quorvel_postgres (contains "postgres")
  std::string sqlite;          // connection string of DSN quorvel_sqlite (no "postgres" anywhere)
  std::string postgres_dsn = "quorvel_postgres";
  std::string sqlite_dsn = "quorvel_sqlite";
  std::string postgres_database;  // the fresh database's name on the cluster
  std::string sqlite_path;        // the fresh SQLite file
  std::string socket_dir;         // the cluster's socket folder
  std::string postgres_dsnless;   // DSN-less connection string of the same PostgreSQL database
  std::string sqlite_dsnless;     // DSN-less connection string of the same SQLite file
};

const Databases& Get();

// Adds a data source to this process's ODBCINI: driver PostgreSQL (a database
// of the cluster, which must exist) or SQLite (a file, created when first used).
// `ansi` takes psqlODBC's ANSI driver (psqlodbca.so) instead of the Unicode one.
void AddDataSource(const std::string& name, bool postgres, const std::string& database_or_path, bool ansi = false);

// Runs SQL text (one or more statements) outside ODBC, for fixtures: on
// PostgreSQL through one psql session per database, kept for the program's
// life (a SET lasts into the next call). A failure throws std::runtime_error
// with the database's message.
void ExecPostgres(std::string_view sql);
void ExecSqlite(std::string_view sql);

// Creates another fresh PostgreSQL database (schema applied) and returns its name;
// dropped at exit like the first.
std::string CreatePostgresDatabase();

// A database as a legacy server may keep it.
struct DatabaseSettings {
  std::string encoding;               // e.g. "LATIN1": made from template0 with the schema applied
  std::string locale;                 // its LC_COLLATE and LC_CTYPE ("pt_BR.ISO-8859-1"); "C" when empty
  std::vector<std::string> settings;  // each run as ALTER DATABASE name SET ... ("DateStyle = 'German'")
  std::vector<std::string> locales;   // locales the server must know, made first ("pt_BR.UTF-8")
};
std::string CreatePostgresDatabase(const DatabaseSettings& settings);

// Makes a locale ("pt_BR.ISO-8859-1": the language and the character set)
// with localedef in the folder the cluster's server reads locales from, once.
void MakeServerLocale(const std::string& locale);

// ExecPostgres on another database of the cluster.
void ExecPostgres(const std::string& database, std::string_view sql);

}  // namespace testdb
