// classTipoFalta against PostgreSQL and SQLite.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/administration/classTipoFalta.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

std::string Joined(const std::vector<Variant>& cells) {
  std::string out;
  for (const Variant& v : cells) out += (out.empty() ? "" : " ") + automation::CStr(v);
  return out;
}

void Seed(ado::Connection& conn) {
  qvtest::Exec(conn,
               "DELETE FROM RhsTipoFalta;"
               "INSERT INTO RhsTipoFalta VALUES (1, 'Atestado médico', 'J'), (2, 'Falta sem aviso', 'I'),"
               " (3, 'Vazio', ''), (10, 'Doação de sangue', 'J'), (11, 'Atraso', 'j'), (12, 'Sem código', NULL),"
               " (13, 'O''Brien', 'J')");
}

struct ListCase {
  const char* name;
  Variant cod, descr, just;
  const char* keys;  // in description order
  const char* sqlite_keys = nullptr;  // where SQLite differs: its LIKE folds ASCII letters only
};

class TipoFaltaListTest : public ::testing::TestWithParam<std::tuple<bool, ListCase>> {};

TEST_P(TipoFaltaListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  quorvel::classTipoFalta c;
  std::string desc;
  Variant list("replaced"), cod = k.cod, descr = k.descr, just = k.just;
  c.CarTipoFalta(conn, desc, list, cod, descr, just);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodTipoFalta"), Variant("DescrTipoFalta"), Variant("Justificativa")}));
  EXPECT_EQ(Joined(qvtest::Column(list, 0)), std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, TipoFaltaListTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(ListCase{"None", kNull, kNull, kNull, "1 11 10 2 13 12 3"},
                                         ListCase{"KeyPattern", Variant("1%"), kNull, kNull, "1 11 10 13 12"},
                                         ListCase{"KeyAsNumber", Variant(std::int32_t{2}), kNull, kNull, "2"},
                                         ListCase{"LowerCaseDescription", kNull, Variant("%sangue"), kNull, "10"},
                                         ListCase{"PortugueseLetters", kNull, Variant("%médico"), kNull, "1"},
                                         ListCase{"StoredCode", kNull, kNull, Variant("J"), "1 10 13"},
                                         ListCase{"CodeIsExact", kNull, kNull, Variant("j"), "11"},
                                         ListCase{"WordsFindNothing", kNull, kNull, Variant("Justificada"), ""},
                                         ListCase{"Several", Variant("1_"), Variant("%"), Variant("J"), "10 13"},
                                         ListCase{"QuoteInDescription", kNull, Variant("o'brien"), kNull, "13"},
                                         ListCase{"InjectionInKey", Variant("1' OR '1'='1"), kNull, kNull, ""},
                                         ListCase{"InjectionInCode", kNull, kNull, Variant("x' OR '1'='1"), ""})),
    qvtest::DatabaseCaseName());

TEST(TipoFaltaTest, JustificationWordsAndEmptyTable) {
  quorvel::classTipoFalta c;
  std::string desc;
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull;
  qvtest::Exec(Postgres(), "DELETE FROM RhsTipoFalta");
  c.CarTipoFalta(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
  c.CarTipoFalta(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Atestado médico"), Variant("Justificada")}));
  EXPECT_EQ(Joined(qvtest::Column(list, 2)),
            "Justificada Injustificada Justificada Injustificada Justificada Injustificada Injustificada");
}

TEST(TipoFaltaTest, Statements) {
  quorvel::classTipoFalta c;
  std::string desc;
  struct Case {
    bool postgres;
    Variant cod, descr, just;
    const char* statement;
  };
  const Case cases[] = {
      {true, kNull, kNull, kNull, "SELECT * FROM RhsTipoFalta  ORDER BY DescrTipoFalta"},
      {true, Variant("1%"), Variant("ates%"), Variant("J"),
       "SELECT * FROM RhsTipoFalta WHERE CodTipoFalta LIKE '1%' AND UPPER(DescrTipoFalta) LIKE 'ATES%' AND "
       "Justificativa = 'J' ORDER BY DescrTipoFalta"},
      {false, kNull, Variant("ates%"), kNull,
       "SELECT * FROM RhsTipoFalta WHERE (DescrTipoFalta) LIKE 'ATES%' ORDER BY DescrTipoFalta"},
  };
  for (const Case& k : cases) {
    Variant list, cod = k.cod, descr = k.descr, just = k.just;
    qvtest::Trace trace;
    c.CarTipoFalta(k.postgres ? Postgres() : qvtest::Sqlite(), desc, list, cod, descr, just);
    EXPECT_EQ(trace.statements(), std::vector<std::string>{k.statement});
  }
  EXPECT_EQ(desc, "");
}

TEST(TipoFaltaTest, AFurtherColumnWidensTheArray) {
  Seed(Postgres());
  qvtest::Exec(Postgres(), "ALTER TABLE RhsTipoFalta ADD COLUMN Extra integer DEFAULT 7");
  quorvel::classTipoFalta c;
  std::string desc;
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull;
  c.CarTipoFalta(Postgres(), desc, list, n1, n2, n3);
  qvtest::Exec(Postgres(), "ALTER TABLE RhsTipoFalta DROP COLUMN Extra");
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 8u);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 4u);
    EXPECT_TRUE(row[3].is_empty());
  }
}

// As wide as the table: one column fewer than the captions is the subscript
// error, with the array as the caller passed it.
TEST(TipoFaltaTest, ANarrowerTableFailsWithTheSubscriptError) {
  Seed(Postgres());
  quorvel::classTipoFalta c;
  std::string desc;
  Variant list("replaced"), n1 = kNull, n2 = kNull, n3 = kNull;
  Postgres().BeginTrans();  // the table's change is undone with it
  Postgres().Execute("ALTER TABLE RhsTipoFalta DROP COLUMN Justificativa");
  c.CarTipoFalta(Postgres(), desc, list, n1, n2, n3);
  Postgres().RollbackTrans();
  EXPECT_EQ(desc, "9    Quorvel");
  EXPECT_EQ(list, Variant("replaced"));
}

TEST(TipoFaltaTest, FailureLeavesTheArray) {
  quorvel::classTipoFalta c;
  std::string desc;
  Variant list("replaced"), n1 = kNull, n2 = kNull, n3 = kNull;
  qvtest::Exec(qvtest::Sqlite(), "ALTER TABLE RhsTipoFalta RENAME TO RhsTipoFaltaAway");
  c.CarTipoFalta(qvtest::Sqlite(), desc, list, n1, n2, n3);
  qvtest::Exec(qvtest::Sqlite(), "ALTER TABLE RhsTipoFaltaAway RENAME TO RhsTipoFalta");
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(list, Variant("replaced"));
}

TEST(TipoFaltaTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classTipoFalta> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant(), Variant("10"), kNull, kNull};
  const com::CallResult r = object.Invoke("cartipofalta", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[1], Variant(""));
  EXPECT_EQ(qvtest::Rows(args[2]).back(),
            (std::vector<Variant>{Variant(std::int32_t{10}), Variant("Doação de sangue"), Variant("Justificada")}));
}

}  // namespace
