// The dialect adjustment on both databases: SQLite loses the three words
// outside literals, PostgreSQL keeps them; csng's text reads back the same.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/automation/regional.h"
#include "quorvel/common/module1.h"
#include "quorvel/common/sql.h"
#include "quorvel/personnel/classConselho.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;

TEST(DialectTest, AdjustmentFollowsTheConnection) {
  struct Case {
    ado::Connection& conn;
    const char* after;
  };
  const Case cases[] = {
      {qvtest::Postgres(), "SELECT cstr(a), csng('1.5') FROM t WHERE UPPER(b) = 'UPPER cstr'"},
      {qvtest::Sqlite(), "SELECT (a), ('1.5') FROM t WHERE (b) COLLATE qv_nocase = 'UPPER cstr'"},
  };
  for (const Case& c : cases) {
    std::string s = "SELECT cstr(a), csng('1.5') FROM t WHERE UPPER(b) = 'UPPER cstr'";
    quorvel::fAjustaSql(c.conn, s);
    EXPECT_EQ(s, c.after) << c.conn.ConnectionString();
  }
}

// What SQLite gets written otherwise, outside literals only; whether the
// statement compares text without regard to case.
TEST(DialectTest, SqliteWordsOutsideLiterals) {
  struct Case {
    const char* before;
    const char* after;
    bool folds;
  };
  const Case cases[] = {
      {"WHERE UPPER(a) = 'X'", "WHERE UPPER(a) COLLATE qv_nocase = 'X'", true},
      {"WHERE UPPER(t.a)<>'X' AND UPPER(b) IN ('X')",
       "WHERE UPPER(t.a) COLLATE qv_nocase<>'X' AND UPPER(b) COLLATE qv_nocase IN ('X')", true},
      {"WHERE UPPER(f(a, ')')) = 'X'", "WHERE UPPER(f(a, ')')) COLLATE qv_nocase = 'X'", true},
      {"WHERE UPPER(a) LIKE 'X%'", "WHERE UPPER(a) LIKE 'X%'", true},
      {"WHERE UPPER(a) >= 'X' OR UPPER(b) INTO", "WHERE UPPER(a) >= 'X' OR UPPER(b) INTO", true},
      {"WHERE Month(d) & '/' & Year(d) = '5/2024'", "WHERE Month(d) || '/' || Year(d) = '5/2024'", false},
      {"WHERE a = 'UPPER(b) = & c'", "WHERE a = 'UPPER(b) = & c'", false},
      {"WHERE UPPERCASE = 1", "WHERE UPPERCASE = 1", false},
  };
  for (const Case& c : cases) {
    std::string s = c.before;
    EXPECT_EQ(quorvel::SQLiteWords(s), c.folds) << c.before;
    EXPECT_EQ(s, c.after) << c.before;
  }
}

TEST(DialectTest, ConnectionKinds) {
  EXPECT_TRUE(quorvel::NamesSqlite(qvtest::Sqlite().ConnectionString()));
  EXPECT_TRUE(quorvel::LoadsSqliteExtension(qvtest::Sqlite().ConnectionString()));
  EXPECT_FALSE(quorvel::NamesSqlite(qvtest::Postgres().ConnectionString()));
  EXPECT_FALSE(quorvel::LoadsSqliteExtension("DSN=x;LoadExt=;BigInt=0;Note=qv_sqlite_ext"));
  EXPECT_EQ(quorvel::DateDays(qvtest::Postgres(), "DataNasc"), "DataNasc");
  EXPECT_EQ(quorvel::DateDays(qvtest::Sqlite(), "DataNasc"), "qv_days(DataNasc)");
}

// The SQLite extension's own functions, each asked of a real connection.
TEST(DialectTest, SqliteExtensionFunctions) {
  struct Case {
    const char* expression;
    const char* value;  // the result as text; "error" when SQLite refuses it
  };
  const Case cases[] = {
      {"'Conceição' LIKE '%CONCEIÇÃO'", "1"},
      {"'ENSINO MÉDIO' LIKE '%médio%'", "1"},
      {"'Médio' LIKE 'M_dio'", "1"},
      {"'Médio' LIKE 'M_d'", "0"},
      {"'São José' LIKE 'SÃO%JOSÉ'", "1"},
      {"'abc' LIKE 'a%c%'", "1"},
      {"'ab' LIKE 'a%c'", "0"},
      {"'a%b' LIKE 'A!%B' ESCAPE '!'", "1"},
      {"'axb' LIKE 'A!%B' ESCAPE '!'", "0"},
      // The escape character is a letter: it folds as the pattern does.
      {"'a%b' LIKE 'AX%B' ESCAPE 'x'", "1"},
      {"NULL LIKE 'a'", ""},
      {"'ÇÃO' = 'ção' COLLATE qv_nocase", "1"},
      {"'ção' = 'cao' COLLATE qv_nocase", "0"},
      {"qv_days('2024/03/03') - qv_days('2024/03/01')", "2"},
      {"qv_days('2024/03/01') - qv_days('2024/02/28')", "2"},
      {"qv_days('2023/03/01') - qv_days('2023/02/28')", "1"},
      {"qv_days('2025/01/01') - qv_days('2024/12/31')", "1"},
      {"qv_days('1899-12-30')", "0"},
      {"qv_days('2024/02/29 12:00') * 2", "90703"},
      {"qv_days('2023/02/29')", "error"},
      {"qv_days('2024/13/01')", "error"},
      {"qv_days('1/3/2024')", "error"},
      {"qv_days(NULL)", ""},
      {"month('2024/05/31') || '/' || year('2024-05-31')", "5/2024"},
      {"upper('ação') || cstr(12)", "AÇÃO12"},
  };
  for (const Case& c : cases) {
    std::string got;
    try {
      auto rs = qvtest::Sqlite().Execute(std::string("SELECT ") + c.expression + " AS v");
      const Variant& v = rs->Fields("v").Value();
      got = v.is_null() ? "" : automation::CStr(v);
    } catch (const std::exception&) {
      got = "error";
    }
    EXPECT_EQ(got, c.value) << c.expression;
  }
}

TEST(DialectTest, ListStatementOnEachDatabase) {
  struct Case {
    ado::Connection& conn;
    const char* statement;
  };
  const Case cases[] = {
      {qvtest::Postgres(),
       "SELECT * FROM RhsConselho WHERE cstr(CodConselho) LIKE '1%' AND UPPER(SiglaConselho) LIKE 'CR%' "
       "ORDER BY SiglaConselho"},
      {qvtest::Sqlite(),
       "SELECT * FROM RhsConselho WHERE (CodConselho) LIKE '1%' AND (SiglaConselho) LIKE 'CR%' "
       "ORDER BY SiglaConselho"},
  };
  for (const Case& c : cases) {
    qvtest::Exec(c.conn, "DELETE FROM RhsConselho; INSERT INTO RhsConselho VALUES (1, 'CRM', 'Medicina'),"
                         " (10, 'CRO', 'Odontologia'), (2, 'CREA', 'Engenharia')");
    quorvel::classConselho conselho;
    std::string desc;
    Variant list, cod("1%"), sigla("cr%"), null(Null);
    qvtest::Trace trace;
    conselho.CarConselho(c.conn, desc, list, cod, sigla, null);
    EXPECT_EQ(desc, "");
    ASSERT_EQ(trace.statements().size(), 1u);
    EXPECT_EQ(trace.statements()[0], c.statement);
    EXPECT_EQ(qvtest::Column(list, 1), (std::vector<Variant>{Variant("CRM"), Variant("CRO")}));
  }
}

TEST(DialectTest, SingleValueReadsBackWithItsFraction) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  for (ado::Connection* conn : {&qvtest::Postgres(), &qvtest::Sqlite()}) {
    qvtest::Exec(*conn, "DROP TABLE IF EXISTS QvTesteSingle; CREATE TABLE QvTesteSingle (Cod integer, Valor real)");
    std::string s = "INSERT INTO QvTesteSingle (Cod, Valor) VALUES (1, " + quorvel::sql::Single(1.5f) + ")";
    quorvel::fAjustaSql(*conn, s);
    conn->Execute(s);
    EXPECT_EQ(automation::CDbl(qvtest::Scalar(*conn, "SELECT Valor FROM QvTesteSingle")), 1.5)
        << conn->ConnectionString();
  }
}

}  // namespace
