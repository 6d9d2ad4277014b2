#pragma once
// Connections to the test databases, statement capture and small readers
// shared by the business-object tests.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "platform/automation/variant.h"

namespace qvtest {

using automation::Variant;

// Open connections on this program's fresh databases, kept for the whole run.
std::shared_ptr<ado::Connection> PostgresConnection();
std::shared_ptr<ado::Connection> SqliteConnection();
inline ado::Connection& Postgres() { return *PostgresConnection(); }
inline ado::Connection& Sqlite() { return *SqliteConnection(); }
// A further fresh PostgreSQL database where a backslash in a plain literal is
// an escape (standard_conforming_strings = off), as on legacy servers.
ado::Connection& PostgresEscapeStrings();

// Runs fixture SQL on the database of that connection (one of the above).
void Exec(ado::Connection& conn, std::string_view sql);
// The first column of the first row (Empty without a row).
Variant Scalar(ado::Connection& conn, std::string_view sql);
long Count(ado::Connection& conn, std::string_view table_and_condition);
// Scalar as text, "Null" for Null.
std::string Cell(ado::Connection& conn, std::string_view sql);

// Every statement sent while it lives.
class Trace {
 public:
  Trace();
  const std::vector<std::string>& statements() const { return statements_; }
  bool Sent(std::string_view prefix) const;  // a statement beginning with prefix was sent

 private:
  std::vector<std::string> statements_;
  ado::ScopedTrace scope_;
};

// A ListArray or RecordArray as rows of cells (row 0 the captions).
std::vector<std::vector<Variant>> Rows(const Variant& array);
// Column c of every row after the captions.
std::vector<Variant> Column(const Variant& array, long c);
// The elements of a ComboArray.
std::vector<Variant> Elements(const Variant& array);
// The cells of an array row by row, "|" between cells and "/" between rows
// ("Null" for Null).
std::string RowsText(const Variant& array);
// Column c of a list joined by blanks.
std::string Keys(const Variant& list, long column = 0);
// The numeric keys of a list in ascending order, joined by blanks.
std::string SortedKeys(const Variant& list);

// Names the cases of a (database, case) parameter "Postgres_<name>" or "Sqlite_<name>".
struct DatabaseCaseName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return std::string(std::get<0>(info.param) ? "Postgres_" : "Sqlite_") + std::get<1>(info.param).name;
  }
};

// A call on the test fixture and the statements it must send, in order.
template <class Fixture>
struct StatementCase {
  const char* name;
  std::function<void(Fixture&)> call;
  std::vector<std::string> statements;
};

// Runs each case under a fresh Trace and expects exactly its statements;
// before, if given, runs ahead of each case outside the trace.
template <class Fixture, class Cases>
void ExpectStatements(Fixture& fixture, const Cases& cases, const std::function<void()>& before = {}) {
  for (const auto& k : cases) {
    if (before) before();
    Trace trace;
    k.call(fixture);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

}  // namespace qvtest
