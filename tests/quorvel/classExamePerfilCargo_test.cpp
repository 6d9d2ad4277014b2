// SPDX-License-Identifier: MIT
// classExamePerfilCargo against PostgreSQL, its list on SQLite too.
#include "quorvel/health/classExamePerfilCargo.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;
using qvtest::SortedKeys;

class ExamePerfilTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsExamePerfilCargo; DELETE FROM RhsTipoExameMedico"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsExamePerfilCargo; DELETE FROM RhsTipoExameMedico;"
                 "INSERT INTO RhsTipoExameMedico VALUES (1, 'Admissional', 0, 'S'), (2, 'Audiometria', 1, 'S'),"
                 " (20, 'Espirometria', 0, 'S');"
                 "INSERT INTO RhsExamePerfilCargo VALUES (1, 4, 1, 'S'), (2, 4, 2, 'N'), (3, 14, 2, 'S'),"
                 " (4, 40, 20, 'S'), (5, 4, 99, 's'), (6, 7, 2, 'N')");
  }
  std::int32_t Insert(std::int32_t perfil, std::int32_t tipo, std::string obrig) {
    std::int32_t key = -1;
    c.IncExamePerfilCargo(Postgres(), desc, user, machine, key, perfil, tipo, obrig);
    return key;
  }

  quorvel::classExamePerfilCargo c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ExamePerfilTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert(4, 1, "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsExamePerfilCargo VALUES (41, 1, 1, 'S')");
  EXPECT_EQ(Insert(5, 2, "x' OR '1'='1"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Cell(Postgres(),
                           "SELECT CodRegPerfilCargo || '|' || CodTipoExame || '|' || Obrigatoriedade "
                           "FROM RhsExamePerfilCargo WHERE CodRegExamePerfil = 42"),
            "5|2|x' OR '1'='1");
}

TEST_F(ExamePerfilTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsExamePerfilCargo VALUES (2147483647, 1, 1, 'S')", "RhsExamePerfilCargo",
      [&] { return Insert(1, 1, "S"); }, desc);
}

TEST_F(ExamePerfilTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t perfil, tipo;  // outputs start as -1, -1, "old", "old"
    const char* descr;
    const char* obrig;
  };
  const Case cases[] = {
      {2, "", 4, 2, "Audiometria", "N"},
      {77, "3021    Quorvel", -1, -1, "old", "old"},
      {5, "94    Quorvel", 4, 99, "old", "old"},  // the exam type is missing
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, perfil = -1, tipo = -1;
    std::string descr = "old", obrig = "old";
    desc.clear();
    c.BusExamePerfilCargo(Postgres(), desc, key, perfil, tipo, descr, obrig);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(perfil, k.perfil) << k.key;
    EXPECT_EQ(tipo, k.tipo) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
    EXPECT_EQ(obrig, k.obrig) << k.key;
  }
}

TEST_F(ExamePerfilTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2, perfil = 9, tipo = 20;
  std::string obrig = "O'Brien";
  desc.clear();
  c.AltExamePerfilCargo(Postgres(), desc, user, machine, key, perfil, tipo, obrig);
  EXPECT_EQ(qvtest::Cell(Postgres(),
                           "SELECT CodRegPerfilCargo || '|' || CodTipoExame || '|' || Obrigatoriedade "
                           "FROM RhsExamePerfilCargo WHERE CodRegExamePerfil = 2"),
            "9|20|O'Brien");
  EXPECT_EQ(desc, "");
}

TEST_F(ExamePerfilTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  c.ExcExamePerfilCargo(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsExamePerfilCargo"), 5);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsExamePerfilCargo WHERE CodRegExamePerfil = 2"), 0);
}

class ExamePerfilListTest : public qvtest::ListTest<ExamePerfilTest> {};

TEST_P(ExamePerfilListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarExamePerfilCargo(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(
      desc, list,
      qvtest::Texts({"CodRegExamePerfil", "CodRegPerfilCargo", "CodTipoExame", "DescrTipoExame", "Obrigatoriedade"}),
      qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5 6"},
    {"Profile", {Variant(std::int32_t{4})}, "1 2 5"},
    {"ProfilePattern", {Variant("4%")}, "1 2 4 5"},
    {"ExamType", {kNull, Variant(std::int32_t{2})}, "2 3 6"},
    {"ExamTypePattern", {kNull, Variant("2%")}, "2 3 4 6"},
    {"Flag", {kNull, kNull, Variant("S")}, "1 3 4"},
    {"TypeAndFlag", {kNull, Variant(std::int32_t{2}), Variant("N")}, "2 6"},
    {"All", {Variant("4"), Variant("2"), Variant("N")}, "2"},
    {"QuoteInFlag", {kNull, kNull, Variant("S' OR '1'='1")}, ""},
    {"QuoteInProfile", {Variant("4' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, ExamePerfilListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ExamePerfilTest, ListKeepsNulls) {
  Variant list, a = kNull, b = kNull, d = kNull;
  c.CarExamePerfilCargo(Postgres(), desc, list, a, b, d);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
  b = Variant(std::int32_t{99});
  c.CarExamePerfilCargo(Postgres(), desc, list, a, b, d);
  EXPECT_EQ(qvtest::Rows(list),
            (std::vector<std::vector<Variant>>{qvtest::Texts({"CodRegExamePerfil", "CodRegPerfilCargo",
                                                                "CodTipoExame", "DescrTipoExame", "Obrigatoriedade"}),
                                               {Variant(std::int32_t{5}), Variant(std::int32_t{4}),
                                                Variant(std::int32_t{99}), qvtest::kNull, Variant("s")}}));
}

TEST_F(ExamePerfilTest, Statements) {
  std::int32_t key = 7, perfil = 3, tipo = 9;
  std::string descr, obrig = "S";
  Variant list;
  const std::string select =
      "SELECT RhsExamePerfilCargo.*, RhsTipoExameMedico.DescrTipoExame FROM ( RhsExamePerfilCargo "
      "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExamePerfilCargo.CodTipoExame) ";
  const std::string bus = select + "WHERE CodRegExamePerfil = 7";
  const std::string all = select +
                          "WHERE UPPER(CodRegPerfilCargo) LIKE '4' AND CStr(RhsExamePerfilCargo.CodTipoExame) "
                          "LIKE '2' AND Obrigatoriedade = 'S'";
  const std::string sqlite = select +
                             "WHERE (CodRegPerfilCargo) LIKE '4' AND CStr(RhsExamePerfilCargo.CodTipoExame) "
                             "LIKE '2'";
  qvtest::ExpectStatements(
      {
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull;
             c.CarExamePerfilCargo(Postgres(), desc, list, a, b, d);
           },
           {select.c_str()}},
          {"CarAll",
           [&] {
             Variant a(std::int32_t{4}), b(std::int32_t{2}), d("S");
             c.CarExamePerfilCargo(Postgres(), desc, list, a, b, d);
           },
           {all.c_str()}},
          {"CarOffPostgres",
           [&] {
             Variant a(std::int32_t{4}), b(std::int32_t{2}), d = kNull;
             c.CarExamePerfilCargo(qvtest::Sqlite(), desc, list, a, b, d);
           },
           {sqlite.c_str()}},
          {"Bus", [&] { c.BusExamePerfilCargo(Postgres(), desc, key, perfil, tipo, descr, obrig); }, {bus.c_str()}},
          {"Exc",
           [&] { c.ExcExamePerfilCargo(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsExamePerfilCargo WHERE CodRegExamePerfil = 7"}},
          {"Alt",
           [&] { c.AltExamePerfilCargo(Postgres(), desc, user, machine, key, perfil, tipo, obrig); },
           {"UPDATE RhsExamePerfilCargo SET CodRegPerfilCargo = 3, CodTipoExame = 9, Obrigatoriedade = 'S' "
            "WHERE CodRegExamePerfil = 7"}},
          {"Inc",
           [&] { c.IncExamePerfilCargo(Postgres(), desc, user, machine, key, perfil, tipo, obrig); },
           {"SELECT MAX(CodRegExamePerfil) AS MaxCod FROM RhsExamePerfilCargo",
            "INSERT INTO RhsExamePerfilCargo (CodRegExamePerfil, CodRegPerfilCargo, CodTipoExame, Obrigatoriedade) "
            "VALUES ( 1,  3,  9, 'S') "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsExamePerfilCargo"); });
}

TEST_F(ExamePerfilTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classExamePerfilCargo> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("3"), Variant(), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("busexameperfilcargo", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[3], Variant(std::int32_t{14}));
  EXPECT_EQ(bus[5], Variant("Audiometria"));
  EXPECT_EQ(bus[6], Variant("S"));
}

}  // namespace
