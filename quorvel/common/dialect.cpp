#include "quorvel/common/dialect.h"

#include "platform/com/dispatch.h"

namespace quorvel {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept {
  return text.size() >= prefix.size() && com::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

Dialect DialectOfDbms(std::string_view dbms_name) noexcept {
  if (StartsWithNoCase(dbms_name, "PostgreSQL")) return Dialect::kPostgres;
  if (StartsWithNoCase(dbms_name, "SQLite")) return Dialect::kSqlite;
  return Dialect::kOther;
}

Dialect DialectOf(const ado::Connection& ConnRH) noexcept { return DialectOfDbms(ConnRH.DbmsName()); }

}  // namespace quorvel
