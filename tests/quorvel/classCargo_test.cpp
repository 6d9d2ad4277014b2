// SPDX-License-Identifier: MIT
// classCargo against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classCargo.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::Keys;

const Variant kNull(Null);

class CargoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsCargo; DELETE FROM RhsCBO"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsCargo; DELETE FROM RhsCBO;"
                 "INSERT INTO RhsCBO VALUES ('252105', 'Administrador'), ('2521-05', 'Administrador (código)'),"
                 " ('317110', 'Programador de sistemas');"
                 "INSERT INTO RhsCargo VALUES (1, 'Analista de Sistemas', '317110', 4200.5),"
                 " (2, 'Gerente Administrativo', '252105', 9000), (10, 'Auxiliar de Escritório', '411005', 1518.75),"
                 " (11, 'Diretor Geral', '2521-05', 25000), (12, 'Estagiário', NULL, NULL)");
  }
  std::int32_t Insert(std::string nome, std::string cbo, double piso) {
    std::int32_t key = -1;
    c.IncCargo(Postgres(), desc, user, machine, key, nome, cbo, piso);
    return key;
  }
  std::string Cell(std::string_view sql) {
    return qvtest::Cell(Postgres(), sql);
  }

  quorvel::classCargo c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(CargoTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("Analista", "317110", 4200.5), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsCargo VALUES (41, 'X', NULL, NULL)");
  EXPECT_EQ(Insert("Coordenação d'Obras", "x' OR 1--", 1518.75), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Cell("SELECT NomeCargo || '|' || CodCBO || '|' || PisoCargo FROM RhsCargo WHERE CodCargo = 42"),
            "Coordenação d'Obras|x' OR 1--|1518.75");
  EXPECT_EQ(Cell("SELECT PisoCargo FROM RhsCargo WHERE CodCargo = 1"), "4200,5") << "read back as a Double";
}

TEST_F(CargoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsCargo VALUES (2147483647, 'Max', NULL, NULL)", "RhsCargo",
      [&] { return Insert("Analista", "317110", 1); }, desc);
}

TEST_F(CargoTest, FetchReadsTheOccupationToo) {
  Seed(Postgres());
  std::int32_t key = 1;
  std::string nome, cbo, descr;
  double piso = 0;
  c.BusCargo(Postgres(), desc, key, nome, cbo, descr, piso);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(nome, "Analista de Sistemas");
  EXPECT_EQ(cbo, "317110");
  EXPECT_EQ(descr, "Programador de sistemas");
  EXPECT_EQ(piso, 4200.5);
}

TEST_F(CargoTest, FetchOfTheNameAlone) {
  Seed(Postgres());
  std::int32_t key = 1;
  std::string only;
  c.BusNomeCargo(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Analista de Sistemas");
}

TEST_F(CargoTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 1;
  std::string nome = "Analista Sênior", cbo = "252105";
  double piso = 7300.25;
  c.AltCargo(Postgres(), desc, user, machine, key, nome, cbo, piso);
  EXPECT_EQ(Cell("SELECT NomeCargo || '|' || CodCBO || '|' || PisoCargo FROM RhsCargo WHERE CodCargo = 1"),
            "Analista Sênior|252105|7300.25");
  EXPECT_EQ(Cell("SELECT NomeCargo FROM RhsCargo WHERE CodCargo = 2"), "Gerente Administrativo");
}

TEST_F(CargoTest, UpdateOfAMissingKeyChangesNothing) {
  Seed(Postgres());
  std::int32_t missing = 99;
  std::string nome = "Analista Sênior", cbo = "252105";
  double piso = 7300.25;
  c.AltCargo(Postgres(), desc, user, machine, missing, nome, cbo, piso);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsCargo WHERE NomeCargo = 'Analista Sênior'"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsCargo"), 5);
}

TEST_F(CargoTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 1, missing = 99;
  c.ExcCargo(Postgres(), desc, user, machine, key);
  c.ExcCargo(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsCargo WHERE CodCargo = 1"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsCargo"), 4);
}

TEST_F(CargoTest, FetchStopsAtTheFirstNull) {
  Seed(Postgres());
  qvtest::Exec(Postgres(), "INSERT INTO RhsCargo VALUES (20, 'Sem piso', '252105', NULL)");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* nome;  // outputs start as "old" and -1
    const char* cbo;
    const char* descr;
    double piso;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", "old", "old", -1},
      {10, "94    Quorvel", "Auxiliar de Escritório", "411005", "old", -1},  // code missing from RhsCBO
      {12, "94    Quorvel", "Estagiário", "old", "old", -1},                // no code at all
      {20, "94    Quorvel", "Sem piso", "252105", "Administrador", -1},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string nome = "old", cbo = "old", descr = "old";
    double piso = -1;
    desc = "before";
    c.BusCargo(Postgres(), desc, key, nome, cbo, descr, piso);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key);
    EXPECT_EQ(nome, k.nome) << k.key;
    EXPECT_EQ(cbo, k.cbo) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
    EXPECT_EQ(piso, k.piso) << k.key;
  }
}

TEST_F(CargoTest, FetchOfTheNameOfAMissingKey) {
  std::int32_t key = 77;
  std::string nome = "old";
  c.BusNomeCargo(Postgres(), desc, key, nome);
  EXPECT_EQ(desc, "3021    Quorvel");
  EXPECT_EQ(nome, "old");
}

TEST_F(CargoTest, SuccessLeavesDescErrAlone) {
  Seed(Postgres());
  desc = "texto anterior";
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  c.CarCargo(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(Insert("Novo", "", 0), 13);
  EXPECT_EQ(desc, "texto anterior");
}

class CargoListTest : public qvtest::ListTest<CargoTest> {};

TEST_P(CargoListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  c.CarCargo(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list, qvtest::Texts({"CodCargo", "NomeCargo", "CodCBO", "DescrCBO", "PisoCargo"}));
}

// Keys in name order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 10 11 12 2"},
    {"OnlyTheLast", {kNull, kNull, kNull, Variant(1518.75)}, "10"},
    {"KeyPattern", {Variant("1%")}, "1 10 11 12"},
    {"LowerCaseName", {kNull, Variant("%ger%")}, "11 2"},
    {"PortugueseLetters", {kNull, Variant("%escritório")}, "10"},
    {"CodeAsNumber", {kNull, kNull, Variant(std::int32_t{252105})}, "2"},
    {"CodeAsDigits", {kNull, kNull, Variant("317110")}, "1"},
    {"CodeQuotedByTheCaller", {kNull, kNull, Variant("'2521-05'")}, "11"},
    {"AmountWithDecimalComma", {kNull, kNull, kNull, Variant("4200,5")}, "1"},
    {"AmountAsInteger", {kNull, kNull, kNull, Variant(std::int32_t{9000})}, "2"},
    {"Several", {Variant("1_"), Variant("%"), Variant("'411005'"), Variant(1518.75)}, "10"},
    {"NoMatch", {kNull, Variant("zz%")}, ""},
    {"QuoteInKey", {Variant("1' OR '1'='1")}, ""},
    {"QuoteInName", {kNull, Variant("x' OR '1'='1")}, ""},
    {"InjectionInCode", {kNull, kNull, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"UnclosedQuoteInCode", {kNull, kNull, Variant("'1' OR '1'='1'")}, "", "13    Quorvel"},
    {"TextCode", {kNull, kNull, Variant("2521-05")}, "", "13    Quorvel"},
    {"EmptyCode", {kNull, kNull, Variant()}, "", "13    Quorvel"},
    {"InjectionInAmount", {kNull, kNull, kNull, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyTextAmount", {kNull, kNull, kNull, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, CargoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(CargoTest, ListOnAnEmptyTableGivesTheCaptions) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  c.CarCargo(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(CargoTest, ListKeepsNulls) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  Seed(Postgres());
  c.CarCargo(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Analista de Sistemas"),
                                           Variant("317110"), Variant("Programador de sistemas"), Variant(4200.5)}));
  EXPECT_TRUE(rows[2][3].is_null()) << "a code missing from RhsCBO";
  EXPECT_TRUE(rows[4][2].is_null());
  EXPECT_TRUE(rows[4][4].is_null());
}

TEST_F(CargoTest, Statements) {
  const qvtest::StatementCase<CargoTest> cases[] = {
      {"Exc",
       [](CargoTest& t) {
         std::int32_t key = 7;
         t.c.ExcCargo(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsCargo WHERE CodCargo = 7"}},
      {"BusNome",
       [](CargoTest& t) {
         std::int32_t key = 7;
         std::string n;
         t.c.BusNomeCargo(Postgres(), t.desc, key, n);
       },
       {"SELECT RhsCargo.NomeCargo FROM   RhsCargo WHERE  RhsCargo.CodCargo = 7"}},
      {"CarKey",
       [](CargoTest& t) {
         Variant list, cod("1%"), n1 = kNull, n2 = kNull, n3 = kNull;
         t.c.CarCargo(Postgres(), t.desc, list, cod, n1, n2, n3);
       },
       {"SELECT RhsCargo.*, RhsCBO.DescrCBO FROM ( RhsCargo LEFT JOIN RhsCBO ON RhsCBO.CodCBO = RhsCargo.CodCBO) "
        "WHERE  CodCargo LIKE '1%' ORDER BY NomeCargo"}},
      {"CarAll",
       [](CargoTest& t) {
         Variant list, cod("1%"), nome("ana%"), cbo(std::int32_t{252105}), piso(1518.75);
         t.c.CarCargo(Postgres(), t.desc, list, cod, nome, cbo, piso);
       },
       {"SELECT RhsCargo.*, RhsCBO.DescrCBO FROM ( RhsCargo LEFT JOIN RhsCBO ON RhsCBO.CodCBO = RhsCargo.CodCBO) "
        "WHERE  CodCargo LIKE '1%' AND UPPER(NomeCargo) LIKE 'ANA%' AND RhsCargo.CodCBO = 252105 AND "
        "PisoCargo = 1518.75  ORDER BY NomeCargo"}},
      {"CarOffPostgres",
       [](CargoTest& t) {
         Variant list, cod = kNull, nome("ana%"), n2 = kNull, n3 = kNull;
         t.c.CarCargo(qvtest::Sqlite(), t.desc, list, cod, nome, n2, n3);
       },
       {"SELECT RhsCargo.*, RhsCBO.DescrCBO FROM ( RhsCargo LEFT JOIN RhsCBO ON RhsCBO.CodCBO = RhsCargo.CodCBO) "
        "WHERE (NomeCargo) LIKE 'ANA%' ORDER BY NomeCargo"}},
      {"Bus",
       [](CargoTest& t) {
         std::int32_t key = 7;
         std::string n, cbo, d;
         double p = 0;
         t.c.BusCargo(Postgres(), t.desc, key, n, cbo, d, p);
       },
       {"SELECT RhsCargo.*, RhsCBO.DescrCBO FROM ( RhsCargo LEFT JOIN RhsCBO ON RhsCBO.CodCBO = RhsCargo.CodCBO) "
        "WHERE CodCargo = 7"}},
      {"Alt",
       [](CargoTest& t) {
         std::int32_t key = 7;
         std::string n = "A", cbo = "B";
         double p = 1234.5;
         t.c.AltCargo(Postgres(), t.desc, t.user, t.machine, key, n, cbo, p);
       },
       {"UPDATE RhsCargo SET NomeCargo = 'A', CodCBO = 'B', PisoCargo = 1234.5 WHERE CodCargo = 7"}},
      {"Inc",
       [](CargoTest& t) {
         std::int32_t key = 7;
         std::string n = "A", cbo = "B";
         double p = 1234.5;
         t.c.IncCargo(Postgres(), t.desc, t.user, t.machine, key, n, cbo, p);
       },
       {"SELECT MAX(CodCargo) AS MaxCod FROM RhsCargo",
        "INSERT INTO RhsCargo (CodCargo, NomeCargo, CodCBO, PisoCargo) VALUES ( 1, 'A', 'B',  1234.5 )"}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsCargo"); });
}

class CargoDispatchTest : public CargoTest {
 protected:
  void SetUp() override { Seed(Postgres()); }
  com::DispatchObject<quorvel::classCargo> object;
  const Variant conn{std::shared_ptr<automation::Object>(qvtest::PostgresConnection())};
};

TEST_F(CargoDispatchTest, FetchGivesEveryColumnInItsType) {
  std::vector<Variant> bus{conn, Variant(""), Variant("2"), Variant(), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("buscargo", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[2], Variant(std::int32_t{2}));
  EXPECT_EQ(bus[3], Variant("Gerente Administrativo"));
  EXPECT_EQ(bus[4], Variant("252105"));
  EXPECT_EQ(bus[5], Variant("Administrador"));
  EXPECT_EQ(bus[6], Variant(9000.0));
}

TEST_F(CargoDispatchTest, InsertTakesTheFloorWithDecimalComma) {
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("Novo"),
                           Variant("317110"), Variant("1.518,75")};
  const com::CallResult r = object.Invoke("IncCargo", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[4], Variant(std::int32_t{13}));
  EXPECT_EQ(inc[7], Variant(1518.75));
  EXPECT_EQ(Cell("SELECT PisoCargo FROM RhsCargo WHERE CodCargo = 13"), "1518,75");
}

}  // namespace
