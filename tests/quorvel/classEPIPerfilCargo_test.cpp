// SPDX-License-Identifier: MIT
// classEPIPerfilCargo against PostgreSQL, its list on SQLite too.
#include "quorvel/health/classEPIPerfilCargo.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;

class EPIPerfilTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsEPIPerfilCargo; DELETE FROM RhsEPI"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsEPIPerfilCargo; DELETE FROM RhsEPI;"
                 "INSERT INTO RhsEPI VALUES (7, 'Luva de raspa'), (3, 'Capacete'), (17, 'Óculos de proteção');"
                 "INSERT INTO RhsEPIPerfilCargo VALUES (1, 3, 7), (2, 3, 3), (3, 12, 17), (10, 3, 17),"
                 " (11, 1, 99), (12, 30, 7)");
  }
  std::int32_t Insert(std::int32_t perfil, std::int32_t epi) {
    std::int32_t key = -1;
    c.IncEPIPerfilCargo(Postgres(), desc, user, machine, key, perfil, epi);
    return key;
  }

  quorvel::classEPIPerfilCargo c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(EPIPerfilTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert(3, 7), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsEPIPerfilCargo VALUES (41, 1, 1)");
  EXPECT_EQ(Insert(4, 8), 42);
  EXPECT_EQ(Insert(4, 8), 43) << "nothing stops a piece being required twice";
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Cell(Postgres(),
                           "SELECT CodPerfilCargo || '|' || CodEPI FROM RhsEPIPerfilCargo "
                           "WHERE CodRegEPIPerfilCargo = 42"),
            "4|8");
}

TEST_F(EPIPerfilTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsEPIPerfilCargo VALUES (2147483647, 1, 1)", "RhsEPIPerfilCargo", [&] { return Insert(1, 2); },
      desc);
}

TEST_F(EPIPerfilTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t perfil, epi;  // outputs start as -1, -1, "old"
    const char* nome;
  };
  const Case cases[] = {
      {2, "", 3, 3, "Capacete"},
      {77, "3021    Quorvel", -1, -1, "old"},
      {11, "94    Quorvel", 1, 99, "old"},  // the piece is missing from the catalogue
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, perfil = -1, epi = -1;
    std::string nome = "old";
    desc.clear();
    c.BusEPIPerfilCargo(Postgres(), desc, key, perfil, epi, nome);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(perfil, k.perfil) << k.key;
    EXPECT_EQ(epi, k.epi) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
  }
}

TEST_F(EPIPerfilTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2, perfil = 5, epi = 17;
  desc.clear();
  c.AltEPIPerfilCargo(Postgres(), desc, user, machine, key, perfil, epi);
  EXPECT_EQ(qvtest::Cell(Postgres(),
                           "SELECT CodPerfilCargo || '|' || CodEPI FROM RhsEPIPerfilCargo "
                           "WHERE CodRegEPIPerfilCargo = 2"),
            "5|17");
  EXPECT_EQ(qvtest::Cell(Postgres(), "SELECT CodPerfilCargo FROM RhsEPIPerfilCargo WHERE CodRegEPIPerfilCargo = 1"),
            "3");
  EXPECT_EQ(desc, "");
}

TEST_F(EPIPerfilTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  c.ExcEPIPerfilCargo(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEPIPerfilCargo"), 5);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEPIPerfilCargo WHERE CodRegEPIPerfilCargo = 2"), 0);
}

class EPIPerfilListTest : public qvtest::ListTest<EPIPerfilTest> {};

TEST_P(EPIPerfilListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  c.CarEPIPerfilCargo(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list, qvtest::Texts({"CodRegEPIPerfilCargo", "CodPerfilCargo", "CodEPI", "NomeEPI"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "11 2 1 10 3 12", "", "11 2 1 10 3 12"},
    {"Profile", {kNull, Variant(std::int32_t{3})}, "2 1 10"},
    {"ProfilePattern", {kNull, Variant("3%")}, "2 1 10 12"},
    {"Key", {Variant("1_")}, "11 10 12"},
    {"Piece", {kNull, kNull, Variant(std::int32_t{17})}, "10 3"},
    {"Name", {kNull, kNull, kNull, Variant("%de%")}, "1 10 3 12"},
    {"Several", {Variant("1%"), Variant("3"), Variant("%"), Variant("%")}, "1 10"},
    {"QuoteInName", {kNull, kNull, kNull, Variant("x' OR '1'='1")}, ""},
    {"QuoteInProfile", {kNull, Variant("3' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, EPIPerfilListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(EPIPerfilTest, ListKeepsNulls) {
  Variant list, a = kNull, b = kNull, d = kNull, e = kNull;
  c.CarEPIPerfilCargo(Postgres(), desc, list, a, b, d, e);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
  c.CarEPIPerfilCargo(Postgres(), desc, list, a, b, d, e);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[1][0], Variant(std::int32_t{11}));
  EXPECT_TRUE(rows[1][3].is_null());
  EXPECT_EQ(rows[2], (std::vector<Variant>{Variant(std::int32_t{2}), Variant(std::int32_t{3}), Variant(std::int32_t{3}),
                                           Variant("Capacete")}));
}

TEST_F(EPIPerfilTest, Statements) {
  std::int32_t key = 7, perfil = 3, epi = 9;
  std::string nome;
  Variant list;
  const std::string select =
      "SELECT RhsEPIPerfilCargo.*, RhsEPI.NomeEPI FROM ( RhsEPIPerfilCargo "
      "LEFT JOIN RhsEPI ON RhsEPI.CodEPI = RhsEPIPerfilCargo.CodEPI) ";
  const std::string bus = select + "WHERE CodRegEPIPerfilCargo = 7";
  const std::string none = select + " ORDER BY RhsEPIPerfilCargo.CodPerfilCargo, NomeEPI ";
  const std::string all = select +
                          "WHERE  CodRegEPIPerfilCargo LIKE '1%' AND  RhsEPIPerfilCargo.CodPerfilCargo LIKE '3' "
                          "AND  RhsEPIPerfilCargo.CodEPI LIKE '9' AND UPPER(NomeEPI) LIKE 'LUVA%' "
                          "ORDER BY RhsEPIPerfilCargo.CodPerfilCargo, NomeEPI ";
  const std::string sqlite =
      select + "WHERE (NomeEPI) LIKE 'LUVA%' ORDER BY RhsEPIPerfilCargo.CodPerfilCargo, NomeEPI ";
  qvtest::ExpectStatements(
      {
          {"Bus", [&] { c.BusEPIPerfilCargo(Postgres(), desc, key, perfil, epi, nome); }, {bus.c_str()}},
          {"Exc",
           [&] { c.ExcEPIPerfilCargo(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsEPIPerfilCargo WHERE CodRegEPIPerfilCargo = 7"}},
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull, e = kNull;
             c.CarEPIPerfilCargo(Postgres(), desc, list, a, b, d, e);
           },
           {none.c_str()}},
          {"CarAll",
           [&] {
             Variant a("1%"), b(std::int32_t{3}), d(std::int32_t{9}), e("luva%");
             c.CarEPIPerfilCargo(Postgres(), desc, list, a, b, d, e);
           },
           {all.c_str()}},
          {"CarOffPostgres",
           [&] {
             Variant a = kNull, b = kNull, d = kNull, e("luva%");
             c.CarEPIPerfilCargo(qvtest::Sqlite(), desc, list, a, b, d, e);
           },
           {sqlite.c_str()}},
          {"Alt",
           [&] { c.AltEPIPerfilCargo(Postgres(), desc, user, machine, key, perfil, epi); },
           {"UPDATE RhsEPIPerfilCargo SET CodPerfilCargo = 3, CodEPI = 9 WHERE CodRegEPIPerfilCargo = 7"}},
          {"Inc",
           [&] { c.IncEPIPerfilCargo(Postgres(), desc, user, machine, key, perfil, epi); },
           {"SELECT MAX(CodRegEPIPerfilCargo) AS MaxCod FROM RhsEPIPerfilCargo ",
            "INSERT INTO RhsEPIPerfilCargo (CodRegEPIPerfilCargo, CodPerfilCargo, CodEPI) VALUES ( 1,  3,  9) "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsEPIPerfilCargo"); });
}

TEST_F(EPIPerfilTest, DispatchByName) {
  com::DispatchObject<quorvel::classEPIPerfilCargo> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("3"), Variant(7.0)};
  const com::CallResult r = object.Invoke("IncEPIPerfilCargo", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[4], Variant(std::int32_t{1}));
  EXPECT_EQ(inc[5], Variant(std::int32_t{3}));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEPIPerfilCargo WHERE CodEPI = 7"), 1);
}

}  // namespace
