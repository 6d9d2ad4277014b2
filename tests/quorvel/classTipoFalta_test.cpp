// SPDX-License-Identifier: MIT
// classTipoFalta: a catalogue of absence types, its list alone, the
// justification shown in words.
#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "quorvel/administration/classTipoFalta.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classTipoFalta;

const Variant kNull(Null);

const qvtest::Catalogue kTipoFalta{
    .name = "classTipoFalta",
    .table = "RhsTipoFalta",
    .key = "CodTipoFalta",
    .text = "DescrTipoFalta",
    .other_columns = ", Justificativa",
    .other_values = ", 'J'",
    .captions = qvtest::Texts({"CodTipoFalta", "DescrTipoFalta", "Justificativa"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant just = kNull;
      classTipoFalta().CarTipoFalta(conn, desc, list, code, text, just);
    },
};

INSTANTIATE_TEST_SUITE_P(TipoFalta, CatalogueTest, ::testing::Values(&kTipoFalta), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(TipoFalta, CatalogueListTest, qvtest::CatalogueListCases(kTipoFalta),
                         qvtest::CatalogueListName);

void Seed(ado::Connection& conn) {
  qvtest::Exec(conn,
               "DELETE FROM RhsTipoFalta;"
               "INSERT INTO RhsTipoFalta VALUES (1, 'Atestado médico', 'J'), (2, 'Falta sem aviso', 'I'),"
               " (3, 'Vazio', ''), (10, 'Doação de sangue', 'J'), (11, 'Atraso', 'j'), (12, 'Sem código', NULL),"
               " (13, 'O''Brien', 'J')");
}

class TipoFaltaListTest : public qvtest::ListTest<> {};

TEST_P(TipoFaltaListTest, Filters) {
  Seed(conn());
  classTipoFalta c;
  std::string desc;
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarTipoFalta(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, qvtest::Texts({"CodTipoFalta", "DescrTipoFalta", "Justificativa"}));
}

// Keys in description order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 11 10 2 13 12 3"},
    {"KeyPattern", {Variant("1%")}, "1 11 10 13 12"},
    {"StoredCode", {kNull, kNull, Variant("J")}, "1 10 13"},
    {"CodeIsExact", {kNull, kNull, Variant("j")}, "11"},
    {"WordsFindNothing", {kNull, kNull, Variant("Justificada")}, ""},
    {"Several", {Variant("1_"), Variant("%"), Variant("J")}, "10 13"},
    {"QuoteInDescription", {kNull, Variant("o'brien")}, "13"},
    {"InjectionInCode", {kNull, kNull, Variant("x' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, TipoFaltaListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST(TipoFaltaTest, JustificationInWords) {
  classTipoFalta c;
  std::string desc;
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull;
  Seed(Postgres());
  c.CarTipoFalta(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Atestado médico"), Variant("Justificada")}));
  EXPECT_EQ(qvtest::Keys(list, 2),
            "Justificada Injustificada Justificada Injustificada Justificada Injustificada Injustificada");
}

TEST(TipoFaltaTest, Statements) {
  classTipoFalta c;
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
  classTipoFalta c;
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
  classTipoFalta c;
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
  classTipoFalta c;
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
  com::DispatchObject<classTipoFalta> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant(), Variant("10"), kNull, kNull};
  const com::CallResult r = object.Invoke("cartipofalta", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[1], Variant(""));
  EXPECT_EQ(qvtest::Rows(args[2]).back(),
            (std::vector<Variant>{Variant(std::int32_t{10}), Variant("Doação de sangue"), Variant("Justificada")}));
}

}  // namespace
