// SPDX-License-Identifier: MIT
#include "tests/quorvel/fixture.h"

#include <algorithm>

#include "platform/automation/convert.h"
#include "tests/support/testdb.h"

namespace qvtest {

namespace {

std::shared_ptr<ado::Connection> Open(const std::string& connection_string) {
  auto conn = std::make_shared<ado::Connection>();
  conn->Open(connection_string);
  return conn;
}

}  // namespace

std::shared_ptr<ado::Connection> PostgresConnection() {
  static const std::shared_ptr<ado::Connection> conn = Open(testdb::Get().postgres);
  return conn;
}

std::shared_ptr<ado::Connection> SqliteConnection() {
  static const std::shared_ptr<ado::Connection> conn = Open(testdb::Get().sqlite);
  return conn;
}

namespace {

struct EscapeStrings {
  std::string database = [] {
    testdb::DatabaseSettings d;
    d.settings = {"standard_conforming_strings = off"};
    return testdb::CreatePostgresDatabase(d);
  }();
  std::shared_ptr<ado::Connection> conn = [this] {
    testdb::AddDataSource("quorvel_postgres_escape", true, database);
    return Open("DSN=quorvel_postgres_escape");
  }();
};

// Made on first use only: most programs never need it.
const EscapeStrings* escape_strings = nullptr;

}  // namespace

ado::Connection& PostgresEscapeStrings() {
  static const EscapeStrings made;
  escape_strings = &made;
  return *made.conn;
}

void Exec(ado::Connection& conn, std::string_view sql) {
  if (&conn == PostgresConnection().get()) testdb::ExecPostgres(sql);
  else if (escape_strings && &conn == escape_strings->conn.get()) testdb::ExecPostgres(escape_strings->database, sql);
  else testdb::ExecSqlite(sql);
}

Variant Scalar(ado::Connection& conn, std::string_view sql) {
  auto rs = conn.Execute(sql);
  if (!rs || rs->EOF_()) return Variant();
  Variant v = rs->Fields(std::size_t{0}).Value();
  rs->Close();
  return v;
}

long Count(ado::Connection& conn, std::string_view table_and_condition) {
  const Variant v = Scalar(conn, "SELECT COUNT(*) AS n FROM " + std::string(table_and_condition));
  if (const auto* p = v.get_if<std::int64_t>()) return static_cast<long>(*p);
  if (const auto* p = v.get_if<std::int32_t>()) return *p;
  if (const auto* p = v.get_if<automation::Decimal>()) return std::stol(p->text);
  return -1;
}

std::string Cell(ado::Connection& conn, std::string_view sql) {
  const Variant v = Scalar(conn, sql);
  return v.is_null() ? "Null" : automation::CStr(v);
}

Trace::Trace() : scope_([this](std::string_view s) { statements_.emplace_back(s); }) {}

bool Trace::Sent(std::string_view prefix) const {
  for (const auto& s : statements_) {
    if (s.starts_with(prefix)) return true;
  }
  return false;
}

void ExpectInsertRefusedAtTheLastKey(std::string_view sql, std::string_view table,
                                     const std::function<std::int32_t()>& insert, const std::string& desc) {
  Exec(Postgres(), sql);
  const long rows = Count(Postgres(), table);
  Trace trace;
  EXPECT_EQ(insert(), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT")) << "no insert after a failed next key";
  EXPECT_EQ(Count(Postgres(), table), rows);
}

std::vector<std::vector<Variant>> Rows(const Variant& array) {
  const auto& a = array.as_array();
  std::vector<std::vector<Variant>> rows;
  for (long r = a.lbound(2); r <= a.ubound(2); ++r) {
    std::vector<Variant> row;
    for (long c = a.lbound(1); c <= a.ubound(1); ++c) row.push_back(a.at(c, r));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<Variant> Captions(const Variant& list) {
  const auto rows = Rows(list);
  return rows.empty() ? std::vector<Variant>{} : rows.front();
}

std::vector<Variant> Texts(std::initializer_list<const char*> texts) {
  std::vector<Variant> out;
  for (const char* t : texts) out.emplace_back(t);
  return out;
}

std::vector<Variant> Column(const Variant& array, long c) {
  const auto& a = array.as_array();
  std::vector<Variant> out;
  for (long r = 1; r <= a.ubound(2); ++r) out.push_back(a.at(c, r));
  return out;
}

std::vector<Variant> Elements(const Variant& array) {
  const auto& a = array.as_array();
  return {a.elements().begin(), a.elements().end()};
}

std::string RowsText(const Variant& array) {
  std::string out;
  for (const auto& row : Rows(array)) {
    if (!out.empty()) out += "/";
    for (std::size_t c = 0; c < row.size(); ++c)
      out += (c ? "|" : "") + (row[c].is_null() ? std::string("Null") : automation::CStr(row[c]));
  }
  return out;
}

std::string Keys(const Variant& list, long column) {
  std::string out;
  for (const Variant& v : Column(list, column))
    out += (out.empty() ? "" : " ") + (v.is_null() ? std::string("Null") : automation::CStr(v));
  return out;
}

std::string SortedKeys(const Variant& list) {
  std::vector<long> keys;
  for (const Variant& v : Column(list, 0)) keys.push_back(automation::CLng(v));
  std::sort(keys.begin(), keys.end());
  std::string out;
  for (long k : keys) out += (out.empty() ? "" : " ") + std::to_string(k);
  return out;
}

Filters::Filters(std::initializer_list<Variant> in_order) {
  std::size_t at = 0;
  for (const Variant& v : in_order) given_.emplace_back(at++, v);
}

Filters Filters::At(std::initializer_list<std::pair<std::size_t, Variant>> by_position) {
  Filters f;
  f.given_.assign(by_position.begin(), by_position.end());
  return f;
}

std::vector<Variant> Filters::Args(std::size_t count) const {
  std::vector<Variant> args(count, Variant(automation::Null));
  for (const auto& [at, v] : given_) args.at(at) = v;
  return args;
}

void ExpectListed(const ListCase& k, bool postgres, const std::string& desc, const Variant& list,
                  const std::vector<Variant>& captions, const KeyReader& keys) {
  const char* expected_desc = !postgres && k.sqlite_desc ? k.sqlite_desc : k.desc;
  EXPECT_EQ(desc, expected_desc);
  if (*expected_desc) {
    EXPECT_EQ(list, kUntouchedList);
    return;
  }
  ASSERT_TRUE(list.is_array()) << "no list";
  if (!captions.empty()) {
    EXPECT_EQ(Captions(list), captions);
  }
  const std::string expected = !postgres && k.sqlite_keys ? k.sqlite_keys : k.keys;
  EXPECT_EQ(keys ? keys(list) : Keys(list), expected);
}

void ExpectStatements(const std::vector<StatementCase<>>& cases, const std::function<void()>& before) {
  ExpectStatements<std::vector<StatementCase<>>>(cases, before);
}

}  // namespace qvtest
