// SPDX-License-Identifier: MIT
// classRemuneracao against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classRemuneracao.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

class RemuneracaoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  // Raises 1 to 7: employee 10 (João) has 1, 2, 3, 7; employee 20 (Maria) 4, 5; employee 30 (no person) 6.
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsRemuneracao; DELETE FROM RhsMotivoAumento; DELETE FROM RhsDadosFuncionario;"
                 "DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'João Pereira'), (2, 'Maria');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (10, 1), (20, 2), (30, 9);"
                 "INSERT INTO RhsMotivoAumento VALUES (1, 'Dissídio'), (2, 'Promoção');"
                 "INSERT INTO RhsRemuneracao VALUES"
                 " (1, 10, '2005/05/01', 2.5, 1025, 1), (2, 10, '2004/05/01', 3, 1000, 1),"
                 " (3, 10, '2005/05/01', 1.5, 1010.5, 2), (4, 20, '2005/05/01', 2.5, 2050, 1),"
                 " (5, 20, '2006/01/01', 10, 2255, 2), (6, 30, '2006/01/01', 5, 800, 1),"
                 " (7, 10, '2006/01/01', 4, 1100, 9)");
  }
  std::int32_t Insert(std::int32_t employee, float index, double amount, std::int32_t reason) {
    std::int32_t key = -1;
    automation::Date date = DateSerial(2007, 3, 1);
    c.IncRemuneracao(Postgres(), desc, user, machine, key, employee, date, index, amount, reason);
    return key;
  }
  std::string Keys() {
    const Variant v = qvtest::Scalar(
        Postgres(), "SELECT string_agg(CodRegRemuneracao::text, ' ' ORDER BY CodRegRemuneracao) FROM RhsRemuneracao");
    return v.is_null() ? "" : automation::CStr(v);
  }

  quorvel::classRemuneracao c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(RemuneracaoTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert(20, 2.5f, 2306.38, 2), 8);
  qvtest::Exec(Postgres(), "DELETE FROM RhsRemuneracao");
  qvtest::Trace trace;
  EXPECT_EQ(Insert(10, 2.5f, 1025.75, 1), 1);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements().back(),
            "INSERT INTO RhsRemuneracao (CodRegRemuneracao, CodFuncionario, DataAumento, IndiceAumento, "
            "ValorAtualizado, CodMotivoAumento) VALUES ( 1,  10, '2007/03/01',  csng('2.5'),  1025.75,  1) ");
  EXPECT_EQ(automation::CStr(qvtest::Scalar(
                Postgres(), "SELECT CodFuncionario || '|' || DataAumento || '|' || IndiceAumento || '|' || "
                            "ValorAtualizado || '|' || CodMotivoAumento FROM RhsRemuneracao")),
            "10|2007-03-01|2.5|1025.75|1");
}

TEST_F(RemuneracaoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsRemuneracao (CodRegRemuneracao) VALUES (2147483647)", "RhsRemuneracao",
      [&] { return Insert(10, 1, 1, 1); }, desc);
}

TEST_F(RemuneracaoTest, Update) {
  std::int32_t key = 3, employee = 20, reason = 1;
  automation::Date date = DateSerial(2005, 6, 1);
  float index = 0.75f;
  double amount = 2065.5;
  qvtest::Trace trace;
  c.AltRemuneracao(Postgres(), desc, user, machine, key, employee, date, index, amount, reason);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            std::vector<std::string>{"UPDATE RhsRemuneracao SET CodFuncionario = 20, DataAumento = '2005/06/01', "
                                     "IndiceAumento = csng('0.75'), ValorAtualizado = 2065.5, "
                                     "CodMotivoAumento = 1 WHERE CodRegRemuneracao = 3"});
  EXPECT_EQ(automation::CStr(qvtest::Scalar(
                Postgres(), "SELECT CodFuncionario || '|' || DataAumento || '|' || IndiceAumento || '|' || "
                            "ValorAtualizado FROM RhsRemuneracao WHERE CodRegRemuneracao = 3")),
            "20|2005-06-01|0.75|2065.5");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsRemuneracao WHERE CodFuncionario = 10"), 3);
}

TEST_F(RemuneracaoTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t employee;  // outputs start as -1, "old", 1900/01/01, -1 ...
    const char* nome;
    bool rest;  // date, index, amount and reason written
    const char* motivo;
  };
  const Case cases[] = {
      {3, "", 10, "João Pereira", true, "Promoção"},
      {7, "94    Quorvel", 10, "João Pereira", true, "old"},  // reason missing from the lookup
      {6, "94    Quorvel", 30, "old", false, "old"},          // employee without a person
      {99, "3021    Quorvel", -1, "old", false, "old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, employee = -1, reason = -1;
    std::string nome = "old", motivo = "old";
    automation::Date date = DateSerial(1900, 1, 1);
    float index = -1;
    double amount = -1;
    desc.clear();
    c.BusRemuneracao(Postgres(), desc, key, employee, nome, date, index, amount, reason, motivo);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key);
    EXPECT_EQ(employee, k.employee) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
    EXPECT_EQ(motivo, k.motivo) << k.key;
    if (k.rest) {
      EXPECT_NE(date, DateSerial(1900, 1, 1)) << k.key;
      EXPECT_NE(index, -1) << k.key;
      EXPECT_NE(amount, -1) << k.key;
      EXPECT_NE(reason, -1) << k.key;
    } else {
      EXPECT_EQ(amount, -1) << k.key;
    }
  }
  std::int32_t key = 3, employee = 0, reason = 0;
  std::string nome, motivo;
  automation::Date date{};
  float index = 0;
  double amount = 0;
  c.BusRemuneracao(Postgres(), desc, key, employee, nome, date, index, amount, reason, motivo);
  EXPECT_EQ(date, DateSerial(2005, 5, 1));
  EXPECT_EQ(index, 1.5f);
  EXPECT_EQ(amount, 1010.5);
  EXPECT_EQ(reason, 2);
}

TEST_F(RemuneracaoTest, Delete) {
  struct Case {
    const char* name;
    Variant key, employee;
    const char* left;
    const char* desc = "";
  };
  const Case cases[] = {
      {"KeyAlone", Variant(std::int32_t{3}), kNull, "1 2 4 5 6 7"},
      {"EmployeeAlone", kNull, Variant(std::int32_t{10}), "4 5 6"},
      {"BothMatching", Variant("4"), Variant(std::int32_t{20}), "1 2 3 5 6 7"},
      {"BothNotMatching", Variant(std::int32_t{4}), Variant(std::int32_t{10}), "1 2 3 4 5 6 7"},
      {"Neither", kNull, kNull, "1 2 3 4 5 6 7", "5    Quorvel"},
      {"InjectionInKey", Variant("1 OR 1=1"), kNull, "1 2 3 4 5 6 7", "13    Quorvel"},
      {"EmptyEmployee", kNull, Variant(), "1 2 3 4 5 6 7", "13    Quorvel"},
  };
  for (const Case& k : cases) {
    Seed(Postgres());
    Variant key = k.key, employee = k.employee;
    desc.clear();
    c.ExcRemuneracao(Postgres(), desc, user, machine, key, employee);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(Keys(), k.left) << k.name;
  }
  qvtest::Trace trace;
  Variant key = kNull, employee(std::int32_t{20});
  c.ExcRemuneracao(Postgres(), desc, user, machine, key, employee);
  EXPECT_EQ(trace.statements(), std::vector<std::string>{"DELETE FROM RhsRemuneracao WHERE CodFuncionario = 20"});
}

class RemuneracaoListTest : public qvtest::ListTest<RemuneracaoTest> {};

TEST_P(RemuneracaoListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  c.CarRemuneracao(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list, {});
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "2 3 1 4 6 7 5"},
    {"Employee", {Variant(std::int32_t{10})}, "2 3 1 7"},
    {"Date", {kNull, Variant(DateSerial(2005, 5, 1))}, "3 1 4"},
    {"Index", {kNull, kNull, Variant(2.5)}, "1 4"},
    {"IndexWithDecimalComma", {kNull, kNull, Variant("2,5")}, "1 4"},
    {"ReasonAsDigits", {kNull, kNull, kNull, Variant("1")}, "2 1 4 6"},
    {"OnlyTheLast", {kNull, kNull, kNull, Variant(std::int32_t{2})}, "3 5"},
    {"Several", {Variant("10"), Variant(DateSerial(2005, 5, 1)), Variant(2.5f), Variant(1.0)}, "1"},
    {"InjectionInEmployee", {Variant("10 OR 1=1")}, "", "13    Quorvel"},
    {"InjectionInIndex", {kNull, kNull, Variant("1') OR ('1")}, "", "13    Quorvel"},
    {"EmptyReason", {kNull, kNull, kNull, Variant()}, "", "13    Quorvel"},
    {"TextThatIsNoDate", {kNull, Variant("x' OR '1'='1")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, RemuneracaoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(RemuneracaoTest, ListStatement) {
  Variant list, employee(std::int32_t{10}), date = kNull, index(2.5), reason = kNull;
  qvtest::Trace trace;
  c.CarRemuneracao(Postgres(), desc, list, employee, date, index, reason);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            std::vector<std::string>{
                "SELECT RhsRemuneracao.*, RhsMotivoAumento.MotivoAumento FROM ( RhsRemuneracao LEFT JOIN "
                "RhsMotivoAumento ON RhsMotivoAumento.CodMotivoAumento = RhsRemuneracao.CodMotivoAumento) "
                "WHERE CodFuncionario = 10 AND IndiceAumento = csng('2.5') ORDER BY DataAumento, ValorAtualizado"});
}

TEST_F(RemuneracaoTest, ListColumns) {
  Variant list, employee = kNull, date = kNull, index = kNull, reason = kNull;
  c.CarRemuneracao(Postgres(), desc, list, employee, date, index, reason);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodRegRemuneracao"), Variant("CodFuncionario"),
                                           Variant("DataAumento"), Variant("IndiceAumento"),
                                           Variant("ValorAtualizado"), Variant("CodMotivoAumento"),
                                           Variant("MotivoAumento")}));
  EXPECT_EQ(rows[2], (std::vector<Variant>{Variant(std::int32_t{3}), Variant(std::int32_t{10}),
                                           Variant(DateSerial(2005, 5, 1)), Variant(1.5), Variant(1010.5),
                                           Variant(std::int32_t{2}), Variant("Promoção")}));
  EXPECT_TRUE(rows[6][6].is_null()) << "a reason missing from the lookup";
}

TEST_F(RemuneracaoTest, SqliteStoresTheIndexAsANumber) {
  ado::Connection& conn = qvtest::Sqlite();
  Seed(conn);
  std::int32_t key = 3, employee = 10, reason = 1;
  automation::Date date = DateSerial(2005, 6, 1);
  float index = 1.25f;
  double amount = 1500.5;
  c.AltRemuneracao(conn, desc, user, machine, key, employee, date, index, amount, reason);
  c.IncRemuneracao(conn, desc, user, machine, key, employee, date, index, amount, reason);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, 8);
  EXPECT_EQ(qvtest::Scalar(conn, "SELECT group_concat(typeof(IndiceAumento) || ' ' || IndiceAumento, ',') "
                                 "FROM RhsRemuneracao WHERE CodRegRemuneracao IN (3, 8)"),
            Variant("real 1.25,real 1.25"));
}

TEST_F(RemuneracaoTest, DispatchByName) {
  com::DispatchObject<quorvel::classRemuneracao> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn,       Variant(""),   Variant("u"), Variant("m"), Variant(), Variant("20"),
                           Variant("2007-01-01"), Variant("3,5"), Variant(2300.0), Variant(std::int32_t{2})};
  com::CallResult r = object.Invoke("incremuneracao", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{8}));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsRemuneracao WHERE CodFuncionario = 20 AND IndiceAumento = 3.5"), 1);
}

}  // namespace
