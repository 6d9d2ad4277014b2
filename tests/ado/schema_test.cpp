// SPDX-License-Identifier: MIT
// What the statements expect of each database: PostgreSQL's compatibility
// functions and operators, SQLite's extension functions.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ado/backend.h"

namespace adotest {
namespace {

using automation::Variant;

// Conditions that hold on the database; checked as CASE WHEN ... THEN 'yes'.
const std::vector<const char*> kPostgresConditions = {
    "cstr(15) = '15'",
    "cstr('abc') = 'abc'",
    "cstr(DATE '2024-01-31') = '2024-01-31'",
    "CStr(15) = '15'",
    "csng('8,5') = 8.5",
    "csng('8.5') = 8.5",
    "csng(' 3 ') = 3",
    "upper(12) = '12'",
    "upper(CAST(1.5 AS double precision)) = '1.5'",
    "15 LIKE '1%'",
    "NOT (15 LIKE '2%')",
    "15 NOT LIKE '2%'",
    "CAST(15 AS smallint) LIKE '_5'",
    "CAST(1.5 AS double precision) LIKE '1.%'",
    "CAST(15 AS bigint) LIKE '15'",
    "CAST('15' AS text) = 15",
    "15 = CAST(' 15' AS text)",
    "NOT (CAST('x' AS text) = 1)",
    "CAST('001' AS text) = 1",
    "1 = CAST(' 0001 ' AS text)",
    "CAST('0' AS text) = 0",
    "NOT (CAST('' AS text) = 0)",
    "NOT (CAST(' ' AS text) = 0)",
    "NOT (CAST('1 2' AS text) = 12)",
    "CAST('341' AS text) = CAST(341 AS bigint)",
    "csng('1,05') = CAST(1.05 AS double precision)",
    "csng('8.8') = 8.8",
    "pg_typeof(csng('0,3')) = 'double precision'::regtype",
    "month(DATE '2005-05-03') & '/' & year(DATE '2005-05-03') = '5/2005'",
    "month(TIMESTAMP '2005-12-03 10:00') & '/' & year(TIMESTAMP '2005-12-03 10:00') = '12/2005'",
    "(TIMESTAMP '2024-01-31' - TIMESTAMP '2024-01-01') >= 30",
    "NOT ((TIMESTAMP '2024-01-31' - TIMESTAMP '2024-01-01') >= 31)",
    "(TIMESTAMP '2024-01-31' - TIMESTAMP '2024-01-01') <= 30.5",
    "current_setting('DateStyle') = 'ISO, DMY'",
    "CAST('03/02/2024' AS date) = DATE '2024-02-03'",
};

const std::vector<const char*> kSqliteConditions = {
    "cstr(15) = '15'",
    "CStr(15) = '15'",
    "cstr(1.5) = '1.5'",
    "cstr('abc') = 'abc'",
    "cstr(NULL) IS NULL",
    "now() LIKE '____-__-__ __:__:__'",
    "upper('abc') = 'ABC'",
};

std::string Answer(ado::Connection& conn, const std::string& condition) {
  auto rs = conn.Execute("SELECT CASE WHEN " + condition + " THEN 'yes' ELSE 'no' END AS answer");
  return rs->Fields("answer").Value().as_string();
}

TEST(Compatibility, PostgresGivesTheStatementsTheirFunctionsAndOperators) {
  ado::Connection conn;
  conn.Open(kPostgres.ConnectionString());
  for (const char* condition : kPostgresConditions) EXPECT_EQ(Answer(conn, condition), "yes") << condition;
}

TEST(Compatibility, SqliteExtensionGivesTheStatementsTheirFunctions) {
  ado::Connection conn;
  conn.Open(kSqlite.ConnectionString());
  for (const char* condition : kSqliteConditions) EXPECT_EQ(Answer(conn, condition), "yes") << condition;
}

using Compat = OnBackend;

TEST_P(Compat, UpperOfAccentedLetters) {
  auto rs = conn_.Execute("SELECT upper('ação é ü ç') AS u");
  EXPECT_EQ(rs->Fields("u").Value(), Variant("AÇÃO É Ü Ç"));
}

// Dotted codes sort as the HR application expects (the cluster's C.UTF-8 collation).
TEST_P(Compat, DottedCodesSortByteWise) {
  GetParam().Exec("INSERT INTO QvTesteAdo (CodTeste, ValVarchar) VALUES (1, '1.10'), (2, '1.2'), (3, '1-1'), (4, '1.1');");
  auto rs = conn_.Execute("SELECT ValVarchar FROM QvTesteAdo ORDER BY ValVarchar");
  std::vector<Variant> order;
  for (; !rs->EOF_(); rs->MoveNext()) order.push_back(rs->Fields("ValVarchar").Value());
  EXPECT_EQ(order, (std::vector<Variant>{"1-1", "1.1", "1.10", "1.2"}));
}

INSTANTIATE_TEST_SUITE_P(Drivers, Compat, ::testing::Values(kPostgres, kSqlite), BackendName);

}  // namespace
}  // namespace adotest
