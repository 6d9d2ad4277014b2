// SPDX-License-Identifier: MIT
// Connection, Recordset and Field on PostgreSQL (psqlODBC) and SQLite (sqliteodbc).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/ado/backend.h"

namespace adotest {
namespace {

using ado::DataType;
using automation::Date;
using automation::Decimal;
using automation::Null;
using automation::Variant;
using automation::VarType;
using ::testing::HasSubstr;
namespace err = automation::err;

constexpr const char* kInsertAll =
    "INSERT INTO QvTesteAdo VALUES (1, 7, 70000, 9000000000, 1.5, 2.25, 12.50, '2024-01-31', '13:45:10', "
    "'2024-01-31 13:45:10', true, 'abc', 'varchar', 'long text')";

const double k134510 = 49510.0 / 86400.0;  // 13:45:10 as a fraction of a day

struct ValueCase {
  const char* column;
  DataType pg_type;
  Variant pg_value;
  DataType sqlite_type;
  Variant sqlite_value;
};

// Each kind as the driver types it (pinned per driver) and the Variant it reads as.
const std::vector<ValueCase> kValueCases = {
    {"ValSmall", DataType::adSmallInt, std::int16_t(7), DataType::adSmallInt, std::int16_t(7)},
    {"ValInt", DataType::adInteger, std::int32_t(70000), DataType::adInteger, std::int32_t(70000)},
    {"ValBig", DataType::adBigInt, std::int64_t(9000000000), DataType::adBigInt, std::int64_t(9000000000)},
    {"ValReal", DataType::adSingle, 1.5f, DataType::adDouble, 1.5},
    {"ValDouble", DataType::adDouble, 2.25, DataType::adDouble, 2.25},
    {"ValNumeric", DataType::adNumeric, Decimal{"12.5"}, DataType::adDouble, 12.5},
    {"ValDate", DataType::adDBDate, Date{45322}, DataType::adDBDate, Date{45322}},
    {"ValTime", DataType::adDBTime, Date{k134510}, DataType::adDBTime, Date{k134510}},
    {"ValStamp", DataType::adDBTimeStamp, Date{45322 + k134510}, DataType::adDBTimeStamp, Date{45322 + k134510}},
    {"ValBool", DataType::adBoolean, true, DataType::adBoolean, true},
    {"ValChar", DataType::adChar, "abc", DataType::adVarChar, "abc"},
    {"ValVarchar", DataType::adVarChar, "varchar", DataType::adVarChar, "varchar"},
    {"ValText", DataType::adLongVarChar, "long text", DataType::adLongVarChar, "long text"},
};

using Values = OnBackend;

TEST_P(Values, EveryKindReadsWithItsVariantKindAndTypeCode) {
  conn_.Execute(kInsertAll);
  auto rs = conn_.Execute("SELECT * FROM QvTesteAdo");
  ASSERT_TRUE(rs);
  ASSERT_FALSE(rs->EOF_());
  for (const ValueCase& c : kValueCases) {
    SCOPED_TRACE(c.column);
    ado::Field f = rs->Fields(c.column);
    const Variant& expected = GetParam().postgres ? c.pg_value : c.sqlite_value;
    EXPECT_EQ(f.Type(), GetParam().postgres ? c.pg_type : c.sqlite_type);
    EXPECT_EQ(f.Value().type(), expected.type());
    EXPECT_EQ(f.Value(), expected);
  }
}

TEST_P(Values, NullReadsAsNullInEveryKind) {
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)");
  auto rs = conn_.Execute("SELECT * FROM QvTesteAdo");
  for (const ValueCase& c : kValueCases) {
    EXPECT_TRUE(rs->Fields(c.column).Value().is_null()) << c.column;
  }
}

TEST_P(Values, DescriptionsOfTheFields) {
  auto rs = conn_.Execute("SELECT CodTeste, ValInt, ValChar, ValVarchar FROM QvTesteAdo WHERE 1 <> 1");
  ASSERT_TRUE(rs);
  EXPECT_TRUE(rs->EOF_());
  ASSERT_EQ(rs->FieldCount(), 4u);
  struct Expected { long size; int attributes; };
  const Expected expected[] = {{4, 0}, {4, ado::adFldIsNullable}, {3, ado::adFldIsNullable},
                               {40, ado::adFldIsNullable}};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(rs->Fields(i).Name());
    EXPECT_EQ(rs->Fields(i).DefinedSize(), expected[i].size);
    EXPECT_EQ(rs->Fields(i).Attributes(), expected[i].attributes);
  }
}

TEST_P(Values, TextWithQuoteAndAccentsRoundTrips) {
  const std::string text = "Conceição d'Ávila: ç ã õ é ü ñ €";
  std::string literal;
  for (char c : text) literal += c == '\'' ? std::string("''") : std::string(1, c);
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste, ValVarchar) VALUES (1, '" + literal + "')");
  // Written outside ODBC, read through it.
  GetParam().Exec("INSERT INTO QvTesteAdo (CodTeste, ValText) VALUES (2, '" + literal + "');");

  auto rs = conn_.Execute("SELECT ValVarchar, ValText FROM QvTesteAdo ORDER BY CodTeste");
  EXPECT_EQ(rs->Fields("ValVarchar").Value(), Variant(text));
  rs->MoveNext();
  EXPECT_EQ(rs->Fields("ValText").Value(), Variant(text));
  // The database counts characters, not bytes: nothing was encoded twice.
  auto found = conn_.Execute("SELECT CodTeste FROM QvTesteAdo WHERE length(ValVarchar) = 32 AND ValVarchar = '" +
                             literal + "'");
  EXPECT_FALSE(found->EOF_());
}

// Long texts come in several chunks; the chunks must join without losing a
// character, also one that takes two UTF-16 units.
TEST_P(Values, LongTextComesWhole) {
  std::string text;
  for (int i = 0; text.size() < 30000; ++i) text += i % 7 == 0 ? "\U0001F600" : i % 3 == 0 ? "ção " : "abc";
  GetParam().Exec("INSERT INTO QvTesteAdo (CodTeste, ValText) VALUES (1, '" + text + "');");
  for (std::size_t shift = 1; shift < 8; ++shift) {  // the first chunk ends at every offset of a character
    GetParam().Exec("INSERT INTO QvTesteAdo (CodTeste, ValText) VALUES (" + std::to_string(shift + 1) + ", '" +
                    std::string(shift, 'x') + text + "');");
  }
  auto rs = conn_.Execute("SELECT CodTeste, ValText FROM QvTesteAdo ORDER BY CodTeste");
  EXPECT_EQ(rs->Fields("ValText").Value(), Variant(text));
  for (std::size_t shift = 1; shift < 8; ++shift) {
    rs->MoveNext();
    EXPECT_EQ(rs->Fields("ValText").Value(), Variant(std::string(shift, 'x') + text)) << shift;
  }
}

TEST_P(Values, NumericBeyondDoublePrecisionKeepsItsDigits) {
  if (!GetParam().postgres) GTEST_SKIP() << "SQLite keeps numerics as doubles";
  auto rs = conn_.Execute("SELECT CAST('123456789012345678901234.5' AS numeric) AS n, "
                          "CAST('-0.000125' AS numeric(10, 6)) AS m");
  EXPECT_EQ(rs->Fields("n").Value(), Variant(Decimal{"123456789012345678901234.5"}));
  EXPECT_EQ(rs->Fields("m").Value(), Variant(Decimal{"-0.000125"}));
}

INSTANTIATE_TEST_SUITE_P(Drivers, Values, ::testing::Values(kPostgres, kSqlite), BackendName);

using Cursor = OnBackend;

TEST_P(Cursor, EmptyResultIsAtEofAndHasNoCurrentRecord) {
  auto rs = conn_.Execute("SELECT CodTeste FROM QvTesteAdo");
  ASSERT_TRUE(rs);
  EXPECT_TRUE(rs->EOF_());
  EXPECT_EQ(ErrorOf([&] { (void)rs->Fields("CodTeste").Value(); }).number(), err::kNoCurrentRecord);
  EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }).number(), err::kNoCurrentRecord);
  EXPECT_EQ(ErrorOf([&] { rs->MoveFirst(); }).number(), err::kNoCurrentRecord);
}

TEST_P(Cursor, ReadsRowsInOrderUntilEof) {
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)");
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (2)");
  auto rs = conn_.Execute("SELECT CodTeste FROM QvTesteAdo ORDER BY CodTeste");
  rs->MoveFirst();  // on the first row: nothing moves
  std::vector<Variant> read;
  for (; !rs->EOF_(); rs->MoveNext()) read.push_back(rs->Fields(std::size_t(0)).Value());
  EXPECT_EQ(read, (std::vector<Variant>{std::int32_t(1), std::int32_t(2)}));
  EXPECT_EQ(ErrorOf([&] { (void)rs->Fields(std::size_t(0)).Value(); }).number(), err::kNoCurrentRecord);
}

// A forward-only result goes back to its first row by running the statement again.
TEST_P(Cursor, MoveFirstAfterMoveNextStartsOver) {
  GetParam().Exec("INSERT INTO QvTesteAdo (CodTeste) VALUES (1), (2);");
  std::vector<std::string> seen;
  ado::ScopedTrace trace([&](std::string_view s) { seen.emplace_back(s); });
  auto rs = conn_.Execute("SELECT CodTeste FROM QvTesteAdo ORDER BY CodTeste");
  rs->MoveNext();
  rs->MoveNext();
  ASSERT_TRUE(rs->EOF_());
  rs->MoveFirst();
  EXPECT_EQ(rs->Fields("CodTeste").Value(), Variant(std::int32_t(1)));
  EXPECT_EQ(seen.size(), 2u);
}

TEST_P(Cursor, FieldsReadInAnyOrderAndMoreThanOnce) {
  conn_.Execute(kInsertAll);
  auto rs = conn_.Execute("SELECT CodTeste, ValInt, ValVarchar, ValText FROM QvTesteAdo");
  EXPECT_EQ(rs->Fields("ValText").Value(), Variant("long text"));
  EXPECT_EQ(rs->Fields("ValVarchar").Value(), Variant("varchar"));
  EXPECT_EQ(rs->Fields("ValInt").Value(), Variant(std::int32_t(70000)));
  EXPECT_EQ(rs->Fields("CodTeste").Value(), Variant(std::int32_t(1)));
  EXPECT_EQ(rs->Fields("ValText").Value(), Variant("long text"));
  EXPECT_EQ(rs->Fields(3).Value(), Variant("long text"));
}

TEST_P(Cursor, FieldLookUpIgnoresCaseAndTheFirstOfEqualNamesWins) {
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste, ValInt) VALUES (41, 5)");
  auto rs = conn_.Execute("SELECT MAX(CodTeste) AS MaxCod, ValInt AS Dup, CodTeste AS dup FROM QvTesteAdo "
                          "GROUP BY ValInt, CodTeste");
  // PostgreSQL folds the unquoted alias to lower case; SQLite keeps it.
  EXPECT_EQ(rs->Fields(std::size_t(0)).Name(), GetParam().postgres ? "maxcod" : "MaxCod");
  for (const char* name : {"MaxCod", "maxcod", "MAXCOD"}) {
    EXPECT_EQ(rs->Fields(name).Value(), Variant(std::int32_t(41))) << name;
  }
  EXPECT_EQ(rs->Fields("DUP").Value(), Variant(std::int32_t(5)));
  EXPECT_EQ(rs->Fields("dup").Value(), Variant(std::int32_t(5)));
  EXPECT_EQ(rs->Fields(2).Value(), Variant(std::int32_t(41)));
}

TEST_P(Cursor, UnknownFieldRaisesItemNotFound) {
  auto rs = conn_.Execute("SELECT CodTeste FROM QvTesteAdo");
  EXPECT_EQ(ErrorOf([&] { (void)rs->Fields("Nada"); }).number(), err::kItemNotFound);
  EXPECT_EQ(ErrorOf([&] { (void)rs->Fields(std::size_t(1)); }).number(), err::kItemNotFound);
}

TEST_P(Cursor, ClosedRecordsetRefusesReads) {
  auto rs = conn_.Execute("SELECT CodTeste FROM QvTesteAdo");
  rs->Close();
  EXPECT_FALSE(rs->IsOpen());
  EXPECT_EQ(ErrorOf([&] { (void)rs->EOF_(); }).number(), ado::kObjectClosed);
  rs->Close();  // a second Close is harmless
}

INSTANTIATE_TEST_SUITE_P(Drivers, Cursor, ::testing::Values(kPostgres, kSqlite), BackendName);

using Statements = OnBackend;

TEST_P(Statements, StatementsWithoutRowsGiveNoRecordset) {
  EXPECT_EQ(conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)"), nullptr);
  EXPECT_EQ(conn_.Execute("UPDATE QvTesteAdo SET ValInt = 1 WHERE CodTeste = 1"), nullptr);
  // Touching no row is a success.
  EXPECT_EQ(conn_.Execute("UPDATE QvTesteAdo SET ValInt = 1 WHERE CodTeste = 99"), nullptr);
  EXPECT_EQ(conn_.Execute("DELETE FROM QvTesteAdo WHERE CodTeste = 99"), nullptr);
}

TEST_P(Statements, RefusedStatementRaisesTheDatabaseErrorWithTheDriversText) {
  automation::Error e = ErrorOf([&] { conn_.Execute("SELECT * FROM TabelaQueNaoExiste"); });
  EXPECT_EQ(e.number(), err::kDatabase);
  EXPECT_THAT(e.description(), HasSubstr(GetParam().postgres ? "[42P01]" : "[HY000]"));
  EXPECT_THAT(e.description(), HasSubstr(GetParam().postgres ? "tabelaquenaoexiste" : "TabelaQueNaoExiste"));

  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)");
  e = ErrorOf([&] { conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)"); });
  EXPECT_EQ(e.number(), err::kDatabase);
  EXPECT_THAT(e.description(), HasSubstr(GetParam().postgres ? "[23505]" : "UNIQUE"));
}

TEST_P(Statements, TraceSeesEveryStatementInOrder) {
  std::vector<std::string> seen;
  {
    ado::ScopedTrace trace([&](std::string_view s) { seen.emplace_back(s); });
    conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)");
    conn_.Execute("SELECT CodTeste FROM QvTesteAdo");
    ErrorOf([&] { conn_.Execute("SELECT nada FROM QvTesteAdo"); });
  }
  conn_.Execute("DELETE FROM QvTesteAdo");  // after the trace's end
  EXPECT_EQ(seen, (std::vector<std::string>{"INSERT INTO QvTesteAdo (CodTeste) VALUES (1)",
                                            "SELECT CodTeste FROM QvTesteAdo", "SELECT nada FROM QvTesteAdo"}));
}

// Later classes update rows while they read others on the same connection.
TEST_P(Statements, UpdatesInsideAReadLoopOnTheSameConnection) {
  for (bool transaction : {false, true}) {
    SCOPED_TRACE(transaction ? "in a transaction" : "autocommit");
    GetParam().Exec("DELETE FROM QvTesteAdo; INSERT INTO QvTesteAdo (CodTeste, ValInt) VALUES (1, 10), (2, 20), (3, 30);");
    if (transaction) conn_.BeginTrans();
    auto rs = conn_.Execute("SELECT CodTeste, ValInt FROM QvTesteAdo ORDER BY CodTeste");
    int rows = 0;
    for (; !rs->EOF_(); rs->MoveNext(), ++rows) {
      const std::int32_t key = *rs->Fields("CodTeste").Value().get_if<std::int32_t>();
      conn_.Execute("UPDATE QvTesteAdo SET ValInt = ValInt + 1 WHERE CodTeste = " + std::to_string(key));
      auto inner = conn_.Execute("SELECT ValInt FROM QvTesteAdo WHERE CodTeste = " + std::to_string(key));
      EXPECT_EQ(inner->Fields("ValInt").Value(), Variant(std::int32_t(key * 10 + 1)));
    }
    rs->Close();
    if (transaction) conn_.CommitTrans();
    EXPECT_EQ(rows, 3);
    std::vector<Variant> after;
    for (auto all = conn_.Execute("SELECT ValInt FROM QvTesteAdo ORDER BY CodTeste"); !all->EOF_(); all->MoveNext()) {
      after.push_back(all->Fields("ValInt").Value());
    }
    EXPECT_EQ(after, (std::vector<Variant>{std::int32_t(11), std::int32_t(21), std::int32_t(31)}));
  }
}

TEST_P(Statements, CommitIsVisibleAndRollbackIsNot) {
  ado::Connection other;
  other.Open(GetParam().ConnectionString());
  auto count = [&] {
    auto rs = other.Execute("SELECT CodTeste FROM QvTesteAdo ORDER BY CodTeste");
    std::vector<Variant> keys;
    for (; !rs->EOF_(); rs->MoveNext()) keys.push_back(rs->Fields("CodTeste").Value());
    return keys;
  };
  conn_.BeginTrans();
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (1)");
  conn_.RollbackTrans();
  conn_.BeginTrans();
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (2)");
  conn_.CommitTrans();
  EXPECT_EQ(count(), (std::vector<Variant>{std::int32_t(2)}));
  // Back in autocommit: a statement stands at once.
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (3)");
  EXPECT_EQ(count(), (std::vector<Variant>{std::int32_t(2), std::int32_t(3)}));
}

TEST_P(Statements, TransactionCallsOutOfOrderRaiseTheDatabaseError) {
  EXPECT_EQ(ErrorOf([&] { conn_.RollbackTrans(); }).number(), err::kDatabase);
  EXPECT_EQ(ErrorOf([&] { conn_.CommitTrans(); }).number(), err::kDatabase);
  conn_.BeginTrans();
  EXPECT_EQ(ErrorOf([&] { conn_.BeginTrans(); }).number(), err::kDatabase);
  conn_.RollbackTrans();
}

INSTANTIATE_TEST_SUITE_P(Drivers, Statements, ::testing::Values(kPostgres, kSqlite), BackendName);

using Connections = OnBackend;

TEST_P(Connections, DsnLessConnectionReachesTheSameDatabase) {
  conn_.Execute("INSERT INTO QvTesteAdo (CodTeste) VALUES (5)");
  ado::Connection dsnless;
  dsnless.Open(GetParam().postgres ? testdb::Get().postgres_dsnless : testdb::Get().sqlite_dsnless);
  auto rs = dsnless.Execute("SELECT CodTeste FROM QvTesteAdo");
  EXPECT_EQ(rs->Fields("CodTeste").Value(), Variant(std::int32_t(5)));
}

TEST_P(Connections, ConnectionStringIsTheDriversCompletedString) {
  const std::string& completed = conn_.ConnectionString();
  EXPECT_THAT(completed, HasSubstr(GetParam().postgres ? "DSN=quorvel_postgres;" : "DSN=quorvel_sqlite;"));
  EXPECT_THAT(completed, HasSubstr(GetParam().postgres ? testdb::Get().postgres_database : testdb::Get().sqlite_path));
  conn_.Close();
  EXPECT_FALSE(conn_.IsOpen());
  EXPECT_FALSE(conn_.ConnectionString().empty());  // kept after Close, as ADO does
}

// The product the driver reached, by DSN and DSN-less alike; kept after Close.
TEST_P(Connections, DbmsNameIsTheDatabaseReached) {
  const char* product = GetParam().postgres ? "PostgreSQL" : "SQLite";
  EXPECT_EQ(ado::Connection().DbmsName(), "");
  EXPECT_EQ(conn_.DbmsName(), product);
  ado::Connection dsnless;
  dsnless.Open(GetParam().postgres ? testdb::Get().postgres_dsnless : testdb::Get().sqlite_dsnless);
  EXPECT_EQ(dsnless.DbmsName(), product);
  conn_.Close();
  EXPECT_EQ(conn_.DbmsName(), product);
}

// What a user works out from a connection: once per opening, kept after
// Close, worked out again when the same object opens another database.
struct Product {
  std::string name;
};
struct Completed {
  std::string text;
};
int products_derived = 0;
Product DeriveProduct(const ado::Connection& conn) {
  ++products_derived;
  return {conn.DbmsName()};
}
Completed DeriveCompleted(const ado::Connection& conn) { return {conn.ConnectionString()}; }

TEST(KeptTest, WorkedOutOncePerOpening) {
  products_derived = 0;
  ado::Connection conn;
  EXPECT_EQ(conn.Kept(&DeriveProduct).name, "");  // never opened
  conn.Open(testdb::Get().sqlite);
  EXPECT_EQ(conn.Kept(&DeriveProduct).name, "SQLite");
  EXPECT_EQ(conn.Kept(&DeriveProduct).name, "SQLite");
  EXPECT_EQ(conn.Kept(&DeriveCompleted).text, conn.ConnectionString());  // one value per type
  EXPECT_EQ(products_derived, 2);
  conn.Close();
  EXPECT_EQ(conn.Kept(&DeriveProduct).name, "SQLite");
  EXPECT_EQ(products_derived, 2);
  EXPECT_THROW(conn.Open("DSN=quorvel_nada"), automation::Error);  // a failed Open changes nothing
  EXPECT_EQ(conn.Kept(&DeriveProduct).name, "SQLite");
  conn.Open(testdb::Get().postgres);
  EXPECT_EQ(conn.Kept(&DeriveProduct).name, "PostgreSQL");
  EXPECT_EQ(conn.Kept(&DeriveCompleted).text, conn.ConnectionString());
  EXPECT_EQ(products_derived, 3);
}

TEST_P(Connections, UserAndPasswordJoinTheConnectionString) {
  if (!GetParam().postgres) GTEST_SKIP() << "SQLite has no users";
  ado::Connection conn;
  conn.Open("DSN=" + testdb::Get().postgres_dsn, "postgres", "secret");
  EXPECT_THAT(conn.ConnectionString(), HasSubstr("UID=postgres;"));
}

TEST_P(Connections, CloseEndsTheOpenRecordsets) {
  auto rs = conn_.Execute("SELECT CodTeste FROM QvTesteAdo");
  conn_.Close();
  EXPECT_FALSE(rs->IsOpen());
  EXPECT_EQ(ErrorOf([&] { conn_.Execute("SELECT 1"); }).number(), ado::kObjectClosed);
  conn_.Open(GetParam().ConnectionString());  // and may open again
  EXPECT_TRUE(conn_.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Drivers, Connections, ::testing::Values(kPostgres, kSqlite), BackendName);

// SQLite does not hold a text to its declared size: the whole text comes back.
TEST(SqliteText, LongerThanItsDeclaredSizeComesWhole) {
  kSqlite.Exec("DELETE FROM QvTesteAdo; INSERT INTO QvTesteAdo (CodTeste, ValChar, ValVarchar) VALUES "
               "(1, 'abcdef', '" + std::string(500, 'v') + "ção');");
  ado::Connection conn;
  conn.Open(kSqlite.ConnectionString());
  auto rs = conn.Execute("SELECT ValChar, ValVarchar FROM QvTesteAdo");
  EXPECT_EQ(rs->Fields("ValChar").Value(), Variant("abcdef"));
  EXPECT_EQ(rs->Fields("ValVarchar").Value(), Variant(std::string(500, 'v') + "ção"));
}

TEST(Connection, UnknownDataSourceRaisesTheDatabaseError) {
  testdb::Get();
  ado::Connection conn;
  automation::Error e = ErrorOf([&] { conn.Open("DSN=quorvel_nada"); });
  EXPECT_EQ(e.number(), err::kDatabase);
  EXPECT_THAT(e.description(), HasSubstr("[IM002]"));
  EXPECT_FALSE(conn.IsOpen());
}

TEST(Connection, TravelsInAVariant) {
  auto conn = std::make_shared<ado::Connection>();
  conn->Open(testdb::Get().sqlite);
  Variant v{std::shared_ptr<automation::Object>(conn)};
  auto back = std::dynamic_pointer_cast<ado::Connection>(v.as_object());
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->IsOpen());
}

}  // namespace
}  // namespace adotest
