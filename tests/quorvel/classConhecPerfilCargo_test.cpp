// SPDX-License-Identifier: MIT
// classConhecPerfilCargo against PostgreSQL, its list on SQLite too.
#include "quorvel/health/classConhecPerfilCargo.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;
using qvtest::SortedKeys;

class ConhecPerfilTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsConhecPerfilCargo"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(
        conn,
        "DELETE FROM RhsConhecPerfilCargo; DELETE FROM RhsConhecimento;"
        "INSERT INTO RhsConhecimento (CodConhec, CodPaiConhec, DescrConhec, CodCompletoConhec,"
        " DescrCompletaConhec) VALUES (1, NULL, 'Informática', '.1.', 'Informática'),"
        " (8, '1', 'Planilhas', '.1.8.', 'Informática/Planilhas'), (12, '1', 'SQL', '.1.12.', 'Informática/SQL');"
        "INSERT INTO RhsConhecPerfilCargo VALUES (1, 3, '8', 2), (2, 3, '12', 3), (3, 30, '8', 2),"
        " (4, 4, '77', 1), (5, 3, '1', 2)");
  }
  std::int32_t Insert(std::int32_t perfil, std::string cod, std::uint8_t nivel) {
    std::int32_t key = -1;
    c.IncConhecPerfilCargo(Postgres(), desc, user, machine, key, perfil, cod, nivel);
    return key;
  }
  static std::string Stored(std::int32_t key) {
    return qvtest::Cell(Postgres(),
                          "SELECT CodRegPerfilCargo || '|' || CodConhec || '|' || NivelConhecPerfil "
                          "FROM RhsConhecPerfilCargo WHERE CodRegConhecPerfil = " +
                              std::to_string(key));
  }

  quorvel::classConhecPerfilCargo c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ConhecPerfilTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert(3, "8", 2), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecPerfilCargo (CodRegConhecPerfil) VALUES (41)");
  EXPECT_EQ(Insert(4, "x' OR '1'='1", 255), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "3|8|2");
  EXPECT_EQ(Stored(42), "4|x' OR '1'='1|255");
}

TEST_F(ConhecPerfilTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsConhecPerfilCargo (CodRegConhecPerfil) VALUES (2147483647)", "RhsConhecPerfilCargo",
      [&] { return Insert(1, "1", 1); }, desc);
}

TEST_F(ConhecPerfilTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|profile|code|description|level; they start as -1, "old" and 99
  };
  const Case cases[] = {
      {1, "", "1|3|8|Planilhas|2"},
      {77, "3021    Quorvel", "77|-1|old|old|99"},
      {4, "94    Quorvel", "4|4|77|old|99"},  // the node is missing from the tree
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, perfil = -1;
    std::string cod = "old", descr = "old";
    std::uint8_t nivel = 99;
    desc.clear();
    c.BusConhecPerfilCargo(Postgres(), desc, key, perfil, cod, descr, nivel);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(
        std::to_string(key) + "|" + std::to_string(perfil) + "|" + cod + "|" + descr + "|" + std::to_string(nivel),
        k.outputs)
        << k.key;
  }
}

TEST_F(ConhecPerfilTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2, perfil = 30;
  std::string cod = "1";
  std::uint8_t nivel = 5;
  c.AltConhecPerfilCargo(Postgres(), desc, user, machine, key, perfil, cod, nivel);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(2), "30|1|5");
  EXPECT_EQ(Stored(1), "3|8|2");
}

TEST_F(ConhecPerfilTest, DeleteRemovesItsRow) {
  Seed(Postgres());
  std::int32_t key = 2;
  c.ExcConhecPerfilCargo(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecPerfilCargo"), 4);
}

class ConhecPerfilListTest : public qvtest::ListTest<ConhecPerfilTest> {};

TEST_P(ConhecPerfilListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarConhecPerfilCargo(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegConhecPerfil", "CodRegPerfilCargo", "CodConhec", "DescrConhec", "CodCompletoConhec",
                            "DescrCompletaConhec", "NivelConhecPerfil"}),
             qvtest::SortedKeys);
}

const Variant N = kNull;

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Profile", {Variant(std::int32_t{3})}, "1 2 5"},
    {"ProfilePattern", {Variant("3%")}, "1 2 3 5"},
    {"Code", {N, Variant("8")}, "1 3"},
    {"CodePattern", {N, Variant("1%")}, "2 5"},
    {"ProfileAndLevel", {Variant(std::int32_t{3}), N, Variant(std::int32_t{2})}, "1 5"},
    {"All", {Variant("3"), Variant("%"), Variant("3")}, "2"},
    {"QuoteInCode", {N, Variant("8' OR '1'='1")}, ""},
    {"InjectionInLevel", {N, N, Variant("2 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyLevel", {N, N, Variant()}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ConhecPerfilListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

class ConhecPerfilDatabaseTest : public qvtest::DatabaseTest<ConhecPerfilTest> {};

TEST_P(ConhecPerfilDatabaseTest, ListRowsCarryTheTree) {
  Seed(conn());
  Variant list, perfil = kNull, cod("_"), nivel = kNull;
  c.CarConhecPerfilCargo(conn(), desc, list, perfil, cod, nivel);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (rows[r][0] == Variant(std::int32_t{3})) {
      EXPECT_EQ(rows[r], (std::vector<Variant>{Variant(std::int32_t{3}), Variant(std::int32_t{30}), Variant("8"),
                                               Variant("Planilhas"), Variant(".1.8."),
                                               Variant("Informática/Planilhas"), Variant(std::int16_t{2})}));
    }
  }
  cod = Variant("77");
  c.CarConhecPerfilCargo(conn(), desc, list, perfil, cod, nivel);
  EXPECT_EQ(qvtest::Rows(list).at(1),
            (std::vector<Variant>{Variant(std::int32_t{4}), Variant(std::int32_t{4}), Variant("77"), kNull, kNull,
                                  kNull, Variant(std::int16_t{1})}));
}

TEST_F(ConhecPerfilTest, Statements) {
  std::int32_t key = 7, perfil = 3;
  std::string cod = "8", descr;
  std::uint8_t nivel = 2;
  Variant list;
  const std::string select =
      "SELECT RhsConhecPerfilCargo.*, RhsConhecimento.DescrConhec, RhsConhecimento.CodCompletoConhec, "
      "RhsConhecimento.DescrCompletaConhec FROM ( RhsConhecPerfilCargo "
      "LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecPerfilCargo.CodConhec) ";
  const std::string some = select + "WHERE  CodRegPerfilCargo LIKE '3' AND NivelConhecPerfil = 2";
  const std::string all = select +
                          "WHERE  CodRegPerfilCargo LIKE '3' AND RhsConhecPerfilCargo.CodConhec LIKE '8' AND "
                          "NivelConhecPerfil = 2";
  qvtest::ExpectStatements(
      {
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull;
             c.CarConhecPerfilCargo(Postgres(), desc, list, a, b, d);
           },
           {select.c_str()}},
          {"CarProfileAndLevel",
           [&] {
             Variant a(std::int32_t{3}), b = kNull, d(std::int32_t{2});
             c.CarConhecPerfilCargo(Postgres(), desc, list, a, b, d);
           },
           {some.c_str()}},
          {"CarAll",
           [&] {
             Variant a(std::int32_t{3}), b("8"), d(std::int32_t{2});
             c.CarConhecPerfilCargo(qvtest::Sqlite(), desc, list, a, b, d);
           },
           {all.c_str()}},
          {"Bus",
           [&] { c.BusConhecPerfilCargo(Postgres(), desc, key, perfil, cod, descr, nivel); },
           {"SELECT RhsConhecPerfilCargo.*, RhsConhecimento.DescrConhec FROM ( RhsConhecPerfilCargo "
            "LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecPerfilCargo.CodConhec) "
            "WHERE CodRegConhecPerfil = 7"}},
          {"Exc",
           [&] { c.ExcConhecPerfilCargo(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsConhecPerfilCargo WHERE CodRegConhecPerfil = 7"}},
          {"Alt",
           [&] { c.AltConhecPerfilCargo(Postgres(), desc, user, machine, key, perfil, cod, nivel); },
           {"UPDATE RhsConhecPerfilCargo SET CodRegPerfilCargo = 3, CodConhec = '8', NivelConhecPerfil = 2 "
            "WHERE CodRegConhecPerfil = 7"}},
          {"Inc",
           [&] {
             cod = "8";
             c.IncConhecPerfilCargo(Postgres(), desc, user, machine, key, perfil, cod, nivel);
           },
           {"SELECT MAX(CodRegConhecPerfil) AS MaxCod FROM RhsConhecPerfilCargo",
            "INSERT INTO RhsConhecPerfilCargo (CodRegConhecPerfil, CodRegPerfilCargo, CodConhec, NivelConhecPerfil) "
            "VALUES ( 1,  3, '8',  2) "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsConhecPerfilCargo"); });
}

TEST_F(ConhecPerfilTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classConhecPerfilCargo> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("2"), Variant(), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("busconhecperfilcargo", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[4], Variant("12"));
  EXPECT_EQ(bus[5], Variant("SQL"));
  EXPECT_EQ(bus[6], Variant(std::uint8_t{3}));
}

INSTANTIATE_TEST_SUITE_P(Both, ConhecPerfilDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
