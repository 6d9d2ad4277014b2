// SPDX-License-Identifier: MIT
#include "quorvel/common/dialect.h"

#include "platform/com/dispatch.h"

namespace quorvel {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept {
  return text.size() >= prefix.size() && com::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// What the library decides of a connection when it is opened.
struct ConnectionDialect {
  Dialect dialect = Dialect::kOther;
  bool sqlite_extension = false;
};

ConnectionDialect Decide(const ado::Connection& ConnRH) {
  const Dialect dialect = DialectOfDbms(ConnRH.DbmsName());
  return {dialect, dialect == Dialect::kSqlite && LoadsSqliteExtension(ConnRH.ConnectionString())};
}

const ConnectionDialect& Decided(const ado::Connection& ConnRH) { return ConnRH.Kept(&Decide); }

}  // namespace

Dialect DialectOfDbms(std::string_view dbms_name) noexcept {
  if (StartsWithNoCase(dbms_name, "PostgreSQL")) return Dialect::kPostgres;
  if (StartsWithNoCase(dbms_name, "SQLite")) return Dialect::kSqlite;
  return Dialect::kOther;
}

bool LoadsSqliteExtension(std::string_view connection_string) noexcept {
  const std::size_t at = connection_string.find("LoadExt=");
  if (at == std::string_view::npos) return false;
  std::string_view value = connection_string.substr(at);
  value = value.substr(0, value.find(';'));
  return value.find("qv_sqlite_ext") != std::string_view::npos;
}

Dialect DialectOf(const ado::Connection& ConnRH) { return Decided(ConnRH).dialect; }

bool HasSqliteExtension(const ado::Connection& ConnRH) { return Decided(ConnRH).sqlite_extension; }

}  // namespace quorvel
