// SPDX-License-Identifier: MIT
#pragma once
// Connections to the test databases, statement capture and small readers
// shared by the business-object tests.

#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <ranges>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "platform/automation/variant.h"

namespace qvtest {

using automation::Variant;

inline const Variant kNull(automation::Null);

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

// An insert (giving back the key it was handed) after `sql` put the largest
// Long key into `table` on PostgreSQL: it sends no INSERT, gives the key 0
// and DescErr "6    Quorvel", and the table keeps its rows.
void ExpectInsertRefusedAtTheLastKey(std::string_view sql, std::string_view table,
                                     const std::function<std::int32_t()>& insert, const std::string& desc);

// A ListArray or RecordArray as rows of cells (row 0 the captions).
std::vector<std::vector<Variant>> Rows(const Variant& array);
// The caption row of a ListArray.
std::vector<Variant> Captions(const Variant& list);
// Texts as Variants, e.g. the captions a list must have.
std::vector<Variant> Texts(std::initializer_list<const char*> texts);
// Column c of every row after the captions.
std::vector<Variant> Column(const Variant& array, long c);
// The elements of a ComboArray.
std::vector<Variant> Elements(const Variant& array);
// The cells of an array row by row, "|" between cells and "/" between rows
// ("Null" for Null).
std::string RowsText(const Variant& array);
// Column c of a list joined by blanks ("Null" for Null).
std::string Keys(const Variant& list, long column = 0);
// The numeric keys of a list in ascending order, joined by blanks.
std::string SortedKeys(const Variant& list);

// The test database of either kind, and as a method's ConnRH argument.
inline ado::Connection& Database(bool postgres) { return postgres ? Postgres() : Sqlite(); }
inline Variant ConnRH(bool postgres) {
  return Variant(std::shared_ptr<automation::Object>(postgres ? PostgresConnection() : SqliteConnection()));
}

// A test on both databases: a TEST_P over PostgreSQL or SQLite, instantiated
// with ::testing::Bool() and named by DatabaseName. Base is the class's fixture.
template <class Base = ::testing::Test>
class DatabaseTest : public Base, public ::testing::WithParamInterface<bool> {
 public:
  bool postgres() const { return this->GetParam(); }
  ado::Connection& conn() const { return Database(postgres()); }
  Variant ConnRH() const { return qvtest::ConnRH(postgres()); }
};

// Names the cases of a database parameter "Postgres" or "Sqlite".
inline std::string DatabaseName(const ::testing::TestParamInfo<bool>& info) {
  return info.param ? "Postgres" : "Sqlite";
}

// Names the cases of a (database, case) parameter "Postgres_<name>" or "Sqlite_<name>".
struct DatabaseCaseName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return std::string(std::get<0>(info.param) ? "Postgres_" : "Sqlite_") + std::get<1>(info.param).name;
  }
};

// The filter arguments of one list call: given in order ({a, b}) or by
// position (Filters::At({{4, a}, {9, b}})); every other one is Null.
class Filters {
 public:
  Filters() = default;
  Filters(std::initializer_list<Variant> in_order);
  static Filters At(std::initializer_list<std::pair<std::size_t, Variant>> by_position);
  // The call's `count` arguments, each a Variant of its own that the method may write.
  std::vector<Variant> Args(std::size_t count) const;

 private:
  std::vector<std::pair<std::size_t, Variant>> given_;
};

// A row of a list-filter table: the filters and what the list answers.
struct ListCase {
  const char* name;
  Filters filters;
  const char* keys;                   // the list's keys as the test reads them
  const char* desc = "";              // DescErr; with an error the list argument stays as it was
  const char* sqlite_keys = nullptr;  // where SQLite answers otherwise
  const char* sqlite_desc = nullptr;
};

// The list argument before the call: a failed call leaves it so.
inline const Variant kUntouchedList("replaced");

// Reads a list's keys as a case gives them.
using KeyReader = std::function<std::string(const Variant& list)>;

// The answer of a list call to case k on that database: DescErr as the case
// says; after an error the list untouched, else its captions (unless none are
// given) and its keys as `keys` reads them (column 0 in list order by default).
void ExpectListed(const ListCase& k, bool postgres, const std::string& desc, const Variant& list,
                  const std::vector<Variant>& captions, const KeyReader& keys = {});

// One list filter on both databases: a TEST_P over (PostgreSQL or SQLite,
// ListCase), instantiated with OnBothDatabases. Base is the class's fixture.
template <class Base = ::testing::Test>
class ListTest : public Base, public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {
 public:
  bool postgres() const { return std::get<0>(this->GetParam()); }
  ado::Connection& conn() const { return Database(postgres()); }
  const ListCase& list_case() const { return std::get<1>(this->GetParam()); }
  std::vector<Variant> Args(std::size_t count) const { return list_case().filters.Args(count); }
  void ExpectList(const std::string& desc, const Variant& list, const std::vector<Variant>& captions,
                  const KeyReader& keys = {}) const {
    ExpectListed(list_case(), postgres(), desc, list, captions, keys);
  }
};

// The cases of a ListTest, each on PostgreSQL and on SQLite.
template <class Cases>
auto OnBothDatabases(const Cases& cases) {
  return ::testing::Combine(::testing::Bool(), ::testing::ValuesIn(cases));
}

// A call and the statements it must send, in order: on the test fixture
// (StatementCase<Fixture>) or on what the lambda captures (StatementCase<>).
template <class Fixture = void>
struct StatementCase {
  const char* name;
  std::function<void(Fixture&)> call;
  std::vector<std::string> statements;
};
template <>
struct StatementCase<void> {
  const char* name;
  std::function<void()> call;
  std::vector<std::string> statements;
};

// Runs each case under a fresh Trace and expects exactly its statements;
// before, if given, runs ahead of each case outside the trace.
template <class Fixture, class Cases>
  requires(!std::ranges::range<Fixture>)
void ExpectStatements(Fixture& fixture, const Cases& cases, const std::function<void()>& before = {}) {
  for (const auto& k : cases) {
    if (before) before();
    Trace trace;
    k.call(fixture);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}
void ExpectStatements(const std::vector<StatementCase<>>& cases, const std::function<void()>& before = {});
template <class Cases>
void ExpectStatements(const Cases& cases, const std::function<void()>& before = {}) {
  for (const auto& k : cases) {
    if (before) before();
    Trace trace;
    k.call();
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

}  // namespace qvtest
