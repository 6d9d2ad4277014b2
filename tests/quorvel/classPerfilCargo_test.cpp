// SPDX-License-Identifier: MIT
// classPerfilCargo against PostgreSQL, its list on SQLite too.
#include "quorvel/health/classPerfilCargo.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;

// The writable values of a profile.
struct Profile {
  std::int32_t filial, cargo;
  Variant idade_min, idade_max;
  std::string sexo;
  std::int32_t grau;
  std::uint8_t anos, meses;
};

class PerfilTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsPerfilCargo"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(
        conn,
        "DELETE FROM RhsPerfilCargo; DELETE FROM RhsFilial; DELETE FROM CadGeral; DELETE FROM RhsCargo;"
        "DELETE FROM RhsGrauInstrucao;"
        "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (1, 'Matriz São Paulo'), (2, 'Filial Recife'),"
        " (3, 'Filial Curitiba');"
        "INSERT INTO CadGeral VALUES (1, 'Matriz SP (geral)'), (2, 'Recife (geral)');"
        "INSERT INTO RhsCargo VALUES (10, 'Analista', NULL, NULL), (11, 'Técnico de Segurança', NULL, NULL),"
        " (12, 'Auxiliar', NULL, NULL);"
        "INSERT INTO RhsGrauInstrucao VALUES (5, 'Médio completo'), (7, 'Superior completo');"
        "INSERT INTO RhsPerfilCargo VALUES (1, 1, 10, 18, 60, 'M', 7, 2, 6), (2, 2, 11, NULL, NULL, 'F', 5, 0, 0),"
        " (12, 1, 11, 21, NULL, 'I', 5, 1, 0), (13, 3, 12, NULL, 45, '', 9, 0, 3),"
        " (14, 9, 10, NULL, NULL, 'M', 5, 0, 0), (15, 2, 99, NULL, NULL, 'M', 5, 0, 0),"
        " (16, 2, 12, NULL, NULL, 'M', 5, 300, 0)");
  }
  std::int32_t Insert(Profile p) {
    std::int32_t key = -1;
    c.IncPerfilCargo(Postgres(), desc, user, machine, key, p.filial, p.cargo, p.idade_min, p.idade_max, p.sexo, p.grau,
                     p.anos, p.meses);
    return key;
  }
  std::string Stored(std::int32_t key) {
    return qvtest::Cell(Postgres(),
                          "SELECT CodFilial || '|' || CodCargo || '|' || COALESCE(CAST(IdadeMin AS text), "
                          "'Null') || '|' || COALESCE(CAST(IdadeMax AS text), 'Null') || '|' || Sexo || "
                          "'|' || CodGrauInstrMin || '|' || ExperMinAnos || '|' || ExperMinMeses "
                          "FROM RhsPerfilCargo WHERE CodRegPerfilCargo = " +
                              std::to_string(key));
  }

  quorvel::classPerfilCargo c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(PerfilTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert({1, 10, Variant(std::int32_t{18}), kNull, "M", 7, 2, 6}), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsPerfilCargo (CodRegPerfilCargo) VALUES (41)");
  EXPECT_EQ(Insert({2, 11, Variant("21"), Variant(65.0), "x' OR '1'='1", 5, 255, 11}), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "1|10|18|Null|M|7|2|6");
  EXPECT_EQ(Stored(42), "2|11|21|65|x' OR '1'='1|5|255|11");
}

TEST_F(PerfilTest, AgesThatAreNoNumberSendNothing) {
  const Variant ages[] = {Variant(), Variant(""), Variant("1 OR 1=1"), Variant("18); DELETE FROM RhsCargo; --")};
  for (const Variant& age : ages) {
    for (bool min : {true, false}) {
      desc.clear();
      qvtest::Trace trace;
      std::int32_t key = -1;
      Profile p{1, 10, min ? age : kNull, min ? kNull : age, "M", 7, 0, 0};
      c.IncPerfilCargo(Postgres(), desc, user, machine, key, p.filial, p.cargo, p.idade_min, p.idade_max, p.sexo,
                       p.grau, p.anos, p.meses);
      EXPECT_EQ(desc, "13    Quorvel");
      EXPECT_EQ(key, 1) << "the key is handed back before the statement is built";
      EXPECT_FALSE(trace.Sent("INSERT"));
      std::int32_t k = 1;
      desc.clear();
      c.AltPerfilCargo(Postgres(), desc, user, machine, k, p.filial, p.cargo, p.idade_min, p.idade_max, p.sexo, p.grau,
                       p.anos, p.meses);
      EXPECT_EQ(desc, "13    Quorvel");
      EXPECT_FALSE(trace.Sent("UPDATE"));
    }
  }
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsPerfilCargo"), 0);
}

TEST_F(PerfilTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsPerfilCargo (CodRegPerfilCargo) VALUES (2147483647)", "RhsPerfilCargo",
      [&] {
        return Insert({1, 10, kNull, kNull, "M", 7, 0, 0});
      },
      desc);
}

TEST_F(PerfilTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // every output after the call, "|"-separated
  };
  // Outputs start as -1 and "old" (ages "old" too).
  const Case cases[] = {
      {1, "", "1|1|Matriz SP (geral)|10|Analista|18|60|M|7|Superior completo|2|6"},
      {2, "", "2|2|Recife (geral)|11|Técnico de Segurança|Null|Null|F|5|Médio completo|0|0"},
      {77, "3021    Quorvel", "77|-1|old|-1|old|old|old|old|-1|old|255|255"},
      {13, "94    Quorvel", "13|3|old|-1|old|old|old|old|-1|old|255|255"},             // branch not in CadGeral
      {15, "94    Quorvel", "15|2|Recife (geral)|99|old|old|old|old|-1|old|255|255"},  // position missing
      {12, "", "12|1|Matriz SP (geral)|11|Técnico de Segurança|21|Null|I|5|Médio completo|1|0"},
      {16, "6    Quorvel", "16|2|Recife (geral)|12|Auxiliar|Null|Null|M|5|Médio completo|255|255"},
  };
  auto text = [](const Variant& v) { return v.is_null() ? std::string("Null") : automation::CStr(v); };
  for (const Case& k : cases) {
    std::int32_t key = k.key, filial = -1, cargo = -1, grau = -1;
    std::string nome_fil = "old", nome_cargo = "old", sexo = "old", grau_nome = "old";
    Variant min("old"), max("old");
    std::uint8_t anos = 255, meses = 255;
    desc.clear();
    c.BusPerfilCargo(Postgres(), desc, key, filial, nome_fil, cargo, nome_cargo, min, max, sexo, grau, grau_nome, anos,
                     meses);
    EXPECT_EQ(desc, k.desc) << k.key;
    const std::string outputs = std::to_string(key) + "|" + std::to_string(filial) + "|" + nome_fil + "|" +
                                std::to_string(cargo) + "|" + nome_cargo + "|" + text(min) + "|" + text(max) + "|" +
                                sexo + "|" + std::to_string(grau) + "|" + grau_nome + "|" + std::to_string(anos) + "|" +
                                std::to_string(meses);
    EXPECT_EQ(outputs, k.outputs) << k.key;
  }
}

TEST_F(PerfilTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  Profile p{3, 12, Variant(std::int32_t{30}), Variant("50"), "O'Brien", 7, 4, 11};
  c.AltPerfilCargo(Postgres(), desc, user, machine, key, p.filial, p.cargo, p.idade_min, p.idade_max, p.sexo, p.grau,
                   p.anos, p.meses);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(2), "3|12|30|50|O'Brien|7|4|11");
  EXPECT_EQ(Stored(1), "1|10|18|60|M|7|2|6");
}

TEST_F(PerfilTest, UpdateWithNullClearsTheAges) {
  Seed(Postgres());
  std::int32_t key = 2;
  Profile p{3, 12, kNull, kNull, "O'Brien", 7, 4, 11};
  c.AltPerfilCargo(Postgres(), desc, user, machine, key, p.filial, p.cargo, p.idade_min, p.idade_max, p.sexo, p.grau,
                   p.anos, p.meses);
  EXPECT_EQ(Stored(2), "3|12|Null|Null|O'Brien|7|4|11");
}

TEST_F(PerfilTest, DeleteRemovesTheProfileAlone) {
  Seed(Postgres());
  qvtest::Exec(Postgres(), "DELETE FROM RhsEPIPerfilCargo; INSERT INTO RhsEPIPerfilCargo VALUES (1, 2, 3)");
  std::int32_t key = 2;
  c.ExcPerfilCargo(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsPerfilCargo"), 6);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEPIPerfilCargo WHERE CodPerfilCargo = 2"), 1) << "nothing cascades";
}

class PerfilListTest : public qvtest::ListTest<PerfilTest> {};

TEST_P(PerfilListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarPerfilCargo(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, qvtest::Texts({"CodRegPerfilCargo", "NomeFil", "NomeCargo"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "13 16 2 15 1 12 14", "", "14 13 15 16 2 1 12"},
    {"Key", {Variant(std::int32_t{12})}, "12"},
    {"KeyPattern", {Variant("1%")}, "13 16 15 1 12 14", "", "14 13 15 16 1 12"},
    {"Branch", {kNull, Variant("matriz%")}, "1 12"},
    {"Position", {kNull, kNull, Variant("%segurança")}, "2 12"},
    {"BranchAndPosition", {kNull, Variant("%recife"), Variant("a%")}, "16"},
    {"All", {Variant("1_"), Variant("%"), Variant("%")}, "13 16 12"},
    {"QuoteInBranch", {kNull, Variant("x' OR '1'='1")}, ""},
    {"QuoteInKey", {Variant("1' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, PerfilListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(PerfilTest, ListShowsMissingNamesAsNull) {
  Variant list, a = kNull, b = kNull, d = kNull;
  c.CarPerfilCargo(Postgres(), desc, list, a, b, d);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
  a = Variant("1_");
  c.CarPerfilCargo(Postgres(), desc, list, a, b, d);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[3], (std::vector<Variant>{Variant(std::int32_t{15}), Variant("Filial Recife"), kNull}));
  EXPECT_EQ(rows[5], (std::vector<Variant>{Variant(std::int32_t{14}), kNull, Variant("Analista")}));
}

TEST_F(PerfilTest, Statements) {
  std::int32_t key = 7, filial = 1, cargo = 2, grau = 3, out = 0;
  std::uint8_t anos = 4, meses = 5;
  std::string sexo = "M", s1, s2, s3;
  Variant min(std::int32_t{18}), max(kNull), v1, v2, list;
  const std::string select =
      "SELECT RhsPerfilCargo.CodRegPerfilCargo, RhsFilial.NomeFil, RhsCargo.NomeCargo FROM (( RhsPerfilCargo "
      "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsPerfilCargo.CodFilial) "
      "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsPerfilCargo.CodCargo) ";
  const std::string none = select + " ORDER BY RhsFilial.NomeFil, RhsCargo.NomeCargo";
  const std::string all = select +
                          "WHERE  CodRegPerfilCargo LIKE '12' AND UPPER(NomeFil)LIKE 'MATRIZ%' AND "
                          "UPPER(NomeCargo) LIKE 'ANA%' ORDER BY RhsFilial.NomeFil, RhsCargo.NomeCargo";
  const std::string sqlite = select + "WHERE (NomeFil)LIKE 'MATRIZ%' ORDER BY RhsFilial.NomeFil, RhsCargo.NomeCargo";
  qvtest::ExpectStatements(
      {
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull;
             c.CarPerfilCargo(Postgres(), desc, list, a, b, d);
           },
           {none.c_str()}},
          {"CarAll",
           [&] {
             Variant a(std::int32_t{12}), b("matriz%"), d("ana%");
             c.CarPerfilCargo(Postgres(), desc, list, a, b, d);
           },
           {all.c_str()}},
          {"CarOffPostgres",
           [&] {
             Variant a = kNull, b("matriz%"), d = kNull;
             c.CarPerfilCargo(qvtest::Sqlite(), desc, list, a, b, d);
           },
           {sqlite.c_str()}},
          {"Bus",
           [&] { c.BusPerfilCargo(Postgres(), desc, key, out, s1, out, s2, v1, v2, s3, out, s3, anos, meses); },
           {"SELECT RhsPerfilCargo.*, CG.Nome, RhsCargo.NomeCargo, RhsGrauInstrucao.GrauInstrucao "
            "FROM ((( RhsPerfilCargo LEFT JOIN CadGeral CG ON CG.CodGeral = RhsPerfilCargo.CodFilial) "
            "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsPerfilCargo.CodCargo) "
            "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsPerfilCargo.CodGrauInstrMin) "
            "WHERE CodRegPerfilCargo = 7"}},
          {"Exc",
           [&] { c.ExcPerfilCargo(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsPerfilCargo WHERE CodRegPerfilCargo = 7"}},
          {"Alt",
           [&] {
             c.AltPerfilCargo(Postgres(), desc, user, machine, key, filial, cargo, min, max, sexo, grau, anos, meses);
           },
           {"UPDATE RhsPerfilCargo SET CodFilial = 1, CodCargo = 2, IdadeMin = 18, IdadeMax = Null, Sexo = 'M', "
            "CodGrauInstrMin = 3, ExperMinAnos = 4, ExperMinMeses = 5 WHERE CodRegPerfilCargo = 7"}},
          {"Inc",
           [&] {
             c.IncPerfilCargo(Postgres(), desc, user, machine, key, filial, cargo, min, max, sexo, grau, anos, meses);
           },
           {"SELECT MAX(CodRegPerfilCargo) AS MaxCod FROM RhsPerfilCargo",
            "INSERT INTO RhsPerfilCargo (CodRegPerfilCargo, CodFilial, CodCargo, IdadeMin, IdadeMax, Sexo, "
            "CodGrauInstrMin, ExperMinAnos, ExperMinMeses) VALUES ( 1,  1,  2,  18,  Null, 'M',  3,  4,  5) "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsPerfilCargo"); });
}

TEST_F(PerfilTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classPerfilCargo> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus(14);
  bus[0] = conn;
  bus[1] = Variant("");
  bus[2] = Variant("2");
  const com::CallResult r = object.Invoke("BusPerfilCargo", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[4], Variant("Recife (geral)"));
  EXPECT_TRUE(bus[7].is_null());
  EXPECT_EQ(bus[11], Variant("Médio completo"));
  EXPECT_EQ(bus[12], Variant(std::uint8_t{0}));
}

}  // namespace
