// SPDX-License-Identifier: MIT
// classContrSindical against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "quorvel/administration/classContrSindical.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::SortedKeys;

const Variant kNull(Null);
const Variant N = kNull;

class ContrSindicalTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsContrSindical; DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Maria da Conceição'),"
                 " (2, 'João Sá');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (5, 1), (6, 2), (7, 99);"
                 "INSERT INTO RhsContrSindical VALUES"
                 " (1, 5, 2023, 120.5, 'Sindicato dos Comerciários'),"
                 " (2, 5, 2024, 130, 'Sindicato dos Comerciários'),"
                 " (3, 6, 2024, 98.75, 'Bancários de São Paulo'),"
                 " (10, 7, 2024, 50, 'Outro'),"      // the employee's person is missing
                 " (11, 8, 2022, 10, 'Sem'),"        // the employee is missing
                 " (12, 6, 2021, NULL, NULL)");
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(),
                                     "SELECT concat_ws('|', CodFuncionario, AnoBaseContrSind, ValorContribuicao,"
                                     " NomeSindFavorecido) FROM RhsContrSindical WHERE CodRegContrSindical = " +
                                         std::to_string(key));
    return v.is_null() || v.is_empty() ? "none" : automation::CStr(v);
  }

  quorvel::classContrSindical c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ContrSindicalTest, InsertAndUpdateWriteTheirRow) {
  struct Case {
    const char* name;
    bool insert;
    std::int32_t key;  // of the row written
    std::int32_t func;
    std::int16_t ano;
    double valor;
    const char* sind;
    const char* row;
  };
  const Case cases[] = {
      {"Insert", true, 13, 5, 2025, 140.25, "Sindicato dos Comerciários", "5|2025|140.25|Sindicato dos Comerciários"},
      {"InsertHostileName", true, 13, 6, 2025, 0, "O'Brien x' OR '1'='1", "6|2025|0|O'Brien x' OR '1'='1"},
      {"InsertDialectWords", true, 13, 6, 2025, 1, "UPPER cstr csng", "6|2025|1|UPPER cstr csng"},
      {"Update", false, 3, 5, 2020, 12.5, "D'Ávila", "5|2020|12.5|D'Ávila"},
      {"UpdateMissing", false, 99, 5, 2020, 12.5, "X", "none"},
  };
  for (const Case& k : cases) {
    Seed(Postgres());
    std::int32_t key = k.insert ? -1 : k.key, func = k.func;
    std::int16_t ano = k.ano;
    double valor = k.valor;
    std::string sind = k.sind;
    desc.clear();
    if (k.insert) {
      c.IncContrSindical(Postgres(), desc, user, machine, key, func, ano, valor, sind);
    } else {
      c.AltContrSindical(Postgres(), desc, user, machine, key, func, ano, valor, sind);
    }
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(key, k.key) << k.name;
    EXPECT_EQ(Row(k.key), k.row) << k.name;
    EXPECT_EQ(qvtest::Count(Postgres(), "RhsContrSindical"), k.insert ? 7 : 6) << k.name;
  }
  EXPECT_EQ(Row(1), "5|2023|120.5|Sindicato dos Comerciários");
}

TEST_F(ContrSindicalTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  for (std::int32_t key : {2, 99}) c.ExcContrSindical(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsContrSindical"), 5);
  EXPECT_EQ(Row(2), "none");
}

TEST_F(ContrSindicalTest, NextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsContrSindical");
  std::int32_t key = -1, func = 5;
  std::int16_t ano = 2024;
  double valor = 1;
  std::string sind = "S";
  c.IncContrSindical(Postgres(), desc, user, machine, key, func, ano, valor, sind);
  EXPECT_EQ(key, 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsContrSindical (CodRegContrSindical) VALUES (41)");
  c.IncContrSindical(Postgres(), desc, user, machine, key, func, ano, valor, sind);
  EXPECT_EQ(key, 42);
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsContrSindical (CodRegContrSindical) VALUES (2147483647)", "RhsContrSindical",
      [&] {
        c.IncContrSindical(Postgres(), desc, user, machine, key, func, ano, valor, sind);
        return key;
      },
      desc);
}

TEST_F(ContrSindicalTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* expected;
  };
  const Case cases[] = {
      {1, "", "1|5|Maria da Conceição|2023|120.5|Sindicato dos Comerciários"},
      {3, "", "3|6|João Sá|2024|98.75|Bancários de São Paulo"},
      {10, "94    Quorvel", "10|7|old|-1|-1|old"},
      {11, "94    Quorvel", "11|8|old|-1|-1|old"},
      {12, "94    Quorvel", "12|6|João Sá|2021|-1|old"},
      {77, "3021    Quorvel", "77|-1|old|-1|-1|old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, func = -1;
    std::int16_t ano = -1;
    double valor = -1;
    std::string nome = "old", sind = "old";
    desc = "before";
    c.BusContrSindical(Postgres(), desc, key, func, nome, ano, valor, sind);
    EXPECT_EQ(desc, *k.desc ? k.desc : "before") << k.key;
    std::ostringstream got;
    got << key << "|" << func << "|" << nome << "|" << ano << "|" << valor << "|" << sind;
    EXPECT_EQ(got.str(), k.expected) << k.key;
  }
}

class ContrSindicalListTest : public qvtest::ListTest<ContrSindicalTest> {};

TEST_P(ContrSindicalListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  c.CarContrSindical(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegContrSindical", "CodFuncionario", "AnoBaseContrSind", "ValorContribuicao",
                            "NomeSindFavorecido"}),
             qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 10 11 12"},
    {"OnlyTheLast", {N, N, N, Variant("sindicato%")}, "1 2"},
    {"Employee", {Variant(std::int32_t{5})}, "1 2"},
    {"YearAsDigits", {N, Variant("2024")}, "2 3 10"},
    {"AmountWithDecimalComma", {N, N, Variant("98,75")}, "3"},
    {"AmountAsDouble", {N, N, Variant(120.5)}, "1"},
    {"PortugueseLetters", {N, N, N, Variant("%são paulo")}, "3"},
    {"Several", {Variant("6"), Variant(std::int16_t{2024}), Variant(98.75), Variant("%")}, "3"},
    {"NoMatch", {N, N, N, Variant("zz%")}, ""},
    {"QuoteInName", {N, N, N, Variant("x' OR '1'='1")}, ""},
    {"InjectionInEmployee", {Variant("5 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyYear", {N, Variant()}, "", "13    Quorvel"},
    {"EmptyTextAmount", {N, N, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ContrSindicalListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ContrSindicalTest, ListKeepsNulls) {
  Variant list, f1 = N, f2 = N;
  Variant employee(std::int32_t{6}), year(std::int32_t{2021});
  c.CarContrSindical(Postgres(), desc, list, employee, year, f1, f2);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{12}), Variant(std::int32_t{6}),
                                           Variant(std::int16_t{2021}), kNull, kNull}));
}

TEST_F(ContrSindicalTest, ListOnAnEmptyTableGivesTheCaptions) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsContrSindical");
  Variant list, n1 = N, n2 = N, f1 = N, f2 = N;
  c.CarContrSindical(Postgres(), desc, list, n1, n2, f1, f2);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(ContrSindicalTest, Statements) {
  const qvtest::StatementCase<ContrSindicalTest> cases[] = {
      {"Bus",
       [](ContrSindicalTest& t) {
         std::int32_t key = 7, f = 0;
         std::int16_t a = 0;
         double v = 0;
         std::string n, s;
         t.c.BusContrSindical(Postgres(), t.desc, key, f, n, a, v, s);
       },
       {"SELECT RhsContrSindical.*, RhsDadosPessoais.Nome FROM (( RhsContrSindical LEFT JOIN RhsDadosFuncionario "
        "ON RhsDadosFuncionario.CodFuncionario = RhsContrSindical.CodFuncionario) LEFT JOIN RhsDadosPessoais ON "
        "RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) WHERE CodRegContrSindical = 7"}},
      {"Exc",
       [](ContrSindicalTest& t) {
         std::int32_t key = 7;
         t.c.ExcContrSindical(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsContrSindical WHERE CodRegContrSindical = 7"}},
      {"CarAll",
       [](ContrSindicalTest& t) {
         Variant list, f(std::int32_t{5}), a(std::int32_t{2024}), v("1.234,5"), s("são%");
         t.c.CarContrSindical(Postgres(), t.desc, list, f, a, v, s);
       },
       {"SELECT * FROM RhsContrSindical WHERE CodFuncionario = 5 AND AnoBaseContrSind = 2024 AND "
        "ValorContribuicao = 1234.5 AND UPPER(NomeSindFavorecido) LIKE 'SÃO%'"}},
      {"CarNone",
       [](ContrSindicalTest& t) {
         Variant list, f = N, a = N, v = N, s = N;
         t.c.CarContrSindical(Postgres(), t.desc, list, f, a, v, s);
       },
       {"SELECT * FROM RhsContrSindical "}},
      {"CarOffPostgres",
       [](ContrSindicalTest& t) {
         Variant list, f = N, a = N, v = N, s("são%");
         t.c.CarContrSindical(qvtest::Sqlite(), t.desc, list, f, a, v, s);
       },
       {"SELECT * FROM RhsContrSindical WHERE (NomeSindFavorecido) LIKE 'SÃO%'"}},
      {"Alt",
       [](ContrSindicalTest& t) {
         std::int32_t key = 7, f = 5;
         std::int16_t a = 2024;
         double v = 12.5;
         std::string s = "S";
         t.c.AltContrSindical(Postgres(), t.desc, t.user, t.machine, key, f, a, v, s);
       },
       {"UPDATE RhsContrSindical SET CodFuncionario = 5, AnoBaseContrSind = 2024, ValorContribuicao = 12.5, "
        "NomeSindFavorecido = 'S' WHERE CodRegContrSindical = 7"}},
      {"Inc",
       [](ContrSindicalTest& t) {
         std::int32_t key = 7, f = 5;
         std::int16_t a = 2024;
         double v = 12.5;
         std::string s = "S";
         t.c.IncContrSindical(Postgres(), t.desc, t.user, t.machine, key, f, a, v, s);
       },
       {"SELECT MAX(CodRegContrSindical) AS MaxCod FROM RhsContrSindical",
        "INSERT INTO RhsContrSindical (CodRegContrSindical, CodFuncionario, AnoBaseContrSind, ValorContribuicao, "
        "NomeSindFavorecido) VALUES ( 1,  5,  2024,  12.5, 'S') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsContrSindical"); });
}

TEST_F(ContrSindicalTest, DispatchByName) {
  com::DispatchObject<quorvel::classContrSindical> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("3"), Variant(), Variant(), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("BUSCONTRSINDICAL", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[3], Variant(std::int32_t{6}));
  EXPECT_EQ(bus[4], Variant("João Sá"));
  EXPECT_EQ(bus[5], Variant(std::int16_t{2024}));
  EXPECT_EQ(bus[6], Variant(98.75));
}

}  // namespace
