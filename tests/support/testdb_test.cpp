// SPDX-License-Identifier: MIT
// The test-database harness: data sources, fixtures outside ODBC, extra DSNs.
#include "tests/support/testdb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/ado/ado.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string OpenAndComplete(const std::string& connection_string) {
  ado::Connection conn;
  conn.Open(connection_string);
  return conn.ConnectionString();
}

// The library's dialect rule looks for the lowercase word in the completed string.
TEST(DataSources, PostgresCompletesWithTheWordPostgres) {
  const auto& db = testdb::Get();
  EXPECT_THAT(OpenAndComplete(db.postgres), HasSubstr("postgres"));
  EXPECT_THAT(OpenAndComplete(db.postgres_dsnless), HasSubstr("postgres"));
}

TEST(DataSources, SqliteNeverNamesPostgres) {
  const auto& db = testdb::Get();
  EXPECT_THAT(db.sqlite_path, Not(HasSubstr("postgres")));
  EXPECT_THAT(OpenAndComplete(db.sqlite), Not(HasSubstr("postgres")));
  EXPECT_THAT(OpenAndComplete(db.sqlite_dsnless), Not(HasSubstr("postgres")));
}

TEST(DataSources, DriverLogsAreOff) {
  EXPECT_THAT(OpenAndComplete(testdb::Get().postgres), HasSubstr("CommLog=0"));
  EXPECT_THAT(OpenAndComplete(testdb::Get().postgres), HasSubstr("Debug=0"));
}

// Each program has databases of its own, with the schema applied.
TEST(Databases, AreFreshWithTheSchema) {
  const auto& db = testdb::Get();
  EXPECT_THAT(db.postgres_database, HasSubstr(std::to_string(getpid())));
  EXPECT_TRUE(std::filesystem::exists(db.sqlite_path));
  for (const std::string& cs : {db.postgres, db.sqlite}) {
    ado::Connection conn;
    conn.Open(cs);
    EXPECT_TRUE(conn.Execute("SELECT CodTeste FROM QvTesteAdo")->EOF_()) << cs;
  }
}

TEST(Fixtures, RunOutsideOdbcAndAreSeenThroughIt) {
  testdb::ExecPostgres("INSERT INTO QvTesteAdo (CodTeste, ValVarchar) VALUES (901, 'ação');");
  testdb::ExecSqlite("INSERT INTO QvTesteAdo (CodTeste, ValVarchar) VALUES (901, upper('ação'));");
  ado::Connection pg, lite;
  pg.Open(testdb::Get().postgres);
  lite.Open(testdb::Get().sqlite);
  EXPECT_EQ(pg.Execute("SELECT ValVarchar FROM QvTesteAdo WHERE CodTeste = 901")->Fields("ValVarchar").Value(),
            automation::Variant("ação"));
  EXPECT_EQ(lite.Execute("SELECT ValVarchar FROM QvTesteAdo WHERE CodTeste = 901")->Fields("ValVarchar").Value(),
            automation::Variant("AÇÃO"));
  testdb::ExecPostgres("DELETE FROM QvTesteAdo;");
  testdb::ExecSqlite("DELETE FROM QvTesteAdo;");
}

TEST(Fixtures, FailuresCarryTheDatabasesMessage) {
  try {
    testdb::ExecPostgres("SELECT * FROM nada;");
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_THAT(e.what(), HasSubstr("nada"));
  }
  EXPECT_THROW(testdb::ExecSqlite("SELECT * FROM nada;"), std::runtime_error);
}

// Data sources of given names, added after the first connection.
TEST(DataSources, CanBeAdded) {
  const auto& db = testdb::Get();
  std::string other = testdb::CreatePostgresDatabase();
  testdb::ExecPostgres("SELECT 1;");  // the first connections are made already
  OpenAndComplete(db.postgres);
  testdb::AddDataSource("Folha postgres", true, other);
  std::string path = std::filesystem::path(db.sqlite_path).replace_filename("extra.sqlite").string();
  testdb::AddDataSource("Folha local", false, path);

  EXPECT_THAT(OpenAndComplete("DSN=Folha postgres"), HasSubstr(other));
  ado::Connection lite;
  lite.Open("DSN=Folha local");
  lite.Execute("CREATE TABLE t (a integer)");
  EXPECT_TRUE(std::filesystem::exists(path));
  ado::Connection pg;
  pg.Open("DSN=Folha postgres");
  EXPECT_TRUE(pg.Execute("SELECT CodTeste FROM QvTesteAdo")->EOF_());  // the schema is there too
}

}  // namespace
