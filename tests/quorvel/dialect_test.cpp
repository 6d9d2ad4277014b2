// SPDX-License-Identifier: MIT
// The dialect adjustment on both databases: SQLite loses the three words
// outside literals, PostgreSQL keeps them; csng's text reads back the same.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_values.h"
#include "quorvel/common/dialect.h"
#include "quorvel/common/sql.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/recruitment/classConhecimento.h"
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
  EXPECT_EQ(quorvel::DialectOf(qvtest::Sqlite()), quorvel::Dialect::kSqlite);
  EXPECT_TRUE(quorvel::LoadsSqliteExtension(qvtest::Sqlite().ConnectionString()));
  EXPECT_EQ(quorvel::DialectOf(qvtest::Postgres()), quorvel::Dialect::kPostgres);
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
      // A floating-point value reads as PostgreSQL writes it.
      {"cstr(40.0) || '|' || upper(40.5) || '|' || cstr(1e15)", "40|40.5|1e+15"},
      {"40.0 LIKE '40'", "1"},
      {"40.0 LIKE '%.0'", "0"},
      {"(0.1 + 0.2) LIKE '0.3'", "0"},
      // Digits by their number value; only the same text is equal.
      {"'10' > '9' COLLATE qv_numeric", "1"},
      {"'a10' > 'a9' COLLATE qv_numeric", "1"},
      {"'010' = '10' COLLATE qv_numeric", "0"},
      {"'010' < '10' COLLATE qv_numeric", "1"},
      {"'10' = '10' COLLATE qv_numeric", "1"},
      {"'1.2.10' > '1.2.9' COLLATE qv_numeric", "1"},
      {"'10 ' > '10' COLLATE qv_numeric", "1"},
      {"'b' > 'a10' COLLATE qv_numeric", "1"},
      {"(SELECT max(c COLLATE qv_numeric) FROM (SELECT '9' AS c UNION SELECT '10' UNION SELECT '2'))", "10"},
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

// A floating-point value as text is the same on both databases: the
// shortest digits that read back, no ".0", the exponent form from 1e+15
// and below 0.0001.
TEST(DialectTest, NumbersAsTextAlike) {
  const char* const values[] = {"40", "40.5", "-2.5", "0.1 + 0.2", "1e15", "1e14", "123456789012345",
                                "1234567890123456", "0.0001", "0.00001", "0.00012345", "1e300", "-1e-300",
                                "5e-324", "1.7976931348623157e308", "100", "1234.5678"};
  for (const char* value : values) {
    std::string cast = value;
    if (const auto plus = cast.find(" + "); plus != std::string::npos)
      cast = "CAST(" + cast.substr(0, plus) + " AS double precision) + CAST(" + cast.substr(plus + 3) +
             " AS double precision)";
    else
      cast = "CAST(" + cast + " AS double precision)";
    const std::string statement = "SELECT cstr(" + cast + ") AS v";
    EXPECT_EQ(qvtest::Cell(qvtest::Sqlite(), statement), qvtest::Cell(qvtest::Postgres(), statement)) << value;
  }
}

// Every date text the library reads is the date PostgreSQL reads (DateStyle
// ISO, DMY); texts it refuses PostgreSQL refuses too.
TEST(DialectTest, DateTextsAsPostgresqlReadsThem) {
  const char* const read[] = {"2023-01-10", "2023/1/5", "2023.12.31", "10/01/2023", "9-1-2024", "31.12.2023",
                              "5/3/24", "1/2/69", "1/2/70", "29/02/2024", " 2023-01-10 ", "2023-01-10 10:30",
                              "10/01/2023 8:05:09", "2023-01-10T23:59:59.5"};
  for (const char* text : read) {
    const std::optional<quorvel::DateText> d = quorvel::ReadDateText(text);
    ASSERT_TRUE(d) << text;
    automation::DateParts day = d->parts;
    day.hour = day.minute = day.second = 0;
    EXPECT_EQ(qvtest::Scalar(qvtest::Postgres(), std::string("SELECT CAST('") + text + "' AS date)"),
              Variant(automation::MakeDate(day)))
        << text;
  }
  for (const char* text : {"29/02/2023", "31/04/2024", "12/31/2023", "2023-13-01", "00/01/2023", "10/01/2023 x"}) {
    EXPECT_FALSE(quorvel::ReadDateText(text)) << text;
    EXPECT_THROW(qvtest::Scalar(qvtest::Postgres(), std::string("SELECT CAST('") + text + "' AS date)"),
                 automation::Error)
        << text;
  }
}

// The next knowledge code is the numerically greatest code plus one; on
// SQLite, whose column is plain text, under the extension's numeric collation.
TEST(DialectTest, NextKnowledgeCodeStatement) {
  struct Case {
    ado::Connection& conn;
    const char* statement;
  };
  const Case cases[] = {
      {qvtest::Postgres(), "SELECT MAX(CodConhec) AS MaxCod FROM RhsConhecimento"},
      {qvtest::Sqlite(), "SELECT MAX(CodConhec COLLATE qv_numeric) AS MaxCod FROM RhsConhecimento"},
  };
  for (const Case& c : cases) {
    qvtest::Exec(c.conn, "DELETE FROM RhsConhecimento; INSERT INTO RhsConhecimento VALUES"
                         " ('9', '', 'A', '.9.', '> A >'), ('10', '', 'B', '.10.', '> B >')");
    quorvel::classConhecimento tree;
    std::string desc, user, machine, code, parent, descr = "C", code_path, descr_path;
    qvtest::Trace trace;
    tree.IncConhecimento(c.conn, desc, user, machine, code, parent, descr, code_path, descr_path);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(code, "11");
    ASSERT_FALSE(trace.statements().empty());
    EXPECT_EQ(trace.statements()[0], c.statement);
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
