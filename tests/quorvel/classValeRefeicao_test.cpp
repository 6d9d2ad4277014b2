// SPDX-License-Identifier: MIT
// classValeRefeicao against PostgreSQL.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "quorvel/administration/classValeRefeicao.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);
const Variant N = kNull;

std::string Text(const Variant& v) {
  if (v.is_null()) return "Null";
  if (v.get_if<automation::Date>()) return automation::Format(v, "yyyy-mm-dd");
  return automation::CStr(v);
}

// The keys of a list whose order is the database's, sorted.
std::string SortedKeys(const Variant& list) {
  std::vector<long> keys;
  for (const Variant& v : qvtest::Column(list, 0)) keys.push_back(automation::CLng(v));
  std::sort(keys.begin(), keys.end());
  std::string out;
  for (long k : keys) out += (out.empty() ? "" : " ") + std::to_string(k);
  return out;
}

class ValeRefeicaoTest : public ::testing::Test {
 public:
  void SetUp() override {
    qvtest::Exec(Postgres(),
                 "DELETE FROM RhsValeRefeicao; DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Maria da Conceição'),"
                 " (2, 'João Sá');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (5, 1), (6, 2), (7, 99);"
                 "INSERT INTO RhsValeRefeicao VALUES"
                 " (1, 5, '2024-03-05', 20, 25.5, 510),"
                 " (2, 5, '2024-04-05', 22, 25.5, 561),"
                 " (3, 6, '2024-03-05', 20, 30, 600),"
                 " (10, 7, '2024-03-06', 0, 30, 0),"       // the employee's person is missing
                 " (11, 6, '2024-03-07', 300, 1, 300),"     // more than a byte holds
                 " (12, 6, '2024-03-08', 10, NULL, NULL)");
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(),
                                     "SELECT concat_ws('|', CodFuncionario, to_char(DataRetirada, 'YYYY-MM-DD'),"
                                     " QuantidadeRetirada, ValorUnitarioVR, ValorTotal) FROM RhsValeRefeicao"
                                     " WHERE CodRegValeRefeicao = " + std::to_string(key));
    return v.is_null() || v.is_empty() ? "none" : automation::CStr(v);
  }
  void Write(bool insert, std::int32_t& key, std::int32_t func, automation::Date data, std::uint8_t quant,
             double unit, double total) {
    if (insert) {
      c.IncValeRefeicao(Postgres(), desc, user, machine, key, func, data, quant, unit, total);
    } else {
      c.AltValeRefeicao(Postgres(), desc, user, machine, key, func, data, quant, unit, total);
    }
  }

  quorvel::classValeRefeicao c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ValeRefeicaoTest, InsertAndUpdateWriteTheirRow) {
  struct Case {
    const char* name;
    bool insert;
    std::int32_t key;  // of the row written
    std::uint8_t quant;
    double unit, total;
    const char* row;
  };
  const Case cases[] = {
      {"Insert", true, 13, 20, 25.5, 510, "6|2024-12-31|20|25.5|510"},
      {"InsertTotalAsGiven", true, 13, 3, 12.5, 1, "6|2024-12-31|3|12.5|1"},
      {"InsertLargestQuantity", true, 13, 255, 0.01, 2.55, "6|2024-12-31|255|0.01|2.55"},
      {"Update", false, 3, 0, 12.5, 0, "6|2024-12-31|0|12.5|0"},
      {"UpdateMissing", false, 99, 1, 1, 1, "none"},
  };
  for (const Case& k : cases) {
    SetUp();
    std::int32_t key = k.insert ? -1 : k.key;
    desc.clear();
    Write(k.insert, key, 6, automation::DateSerial(2024, 12, 31), k.quant, k.unit, k.total);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(key, k.key) << k.name;
    EXPECT_EQ(Row(k.key), k.row) << k.name;
    EXPECT_EQ(qvtest::Count(Postgres(), "RhsValeRefeicao"), k.insert ? 7 : 6) << k.name;
  }
  EXPECT_EQ(Row(1), "5|2024-03-05|20|25.5|510");
}

TEST_F(ValeRefeicaoTest, DeleteRemovesItsRowAlone) {
  for (std::int32_t key : {2, 99}) c.ExcValeRefeicao(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsValeRefeicao"), 5);
  EXPECT_EQ(Row(2), "none");
}

TEST_F(ValeRefeicaoTest, NextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsValeRefeicao");
  std::int32_t key = -1;
  const automation::Date day = automation::DateSerial(2024, 1, 2);
  Write(true, key, 5, day, 1, 1, 1);
  EXPECT_EQ(key, 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsValeRefeicao (CodRegValeRefeicao) VALUES (41)");
  Write(true, key, 5, day, 1, 1, 1);
  EXPECT_EQ(key, 42);
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsValeRefeicao (CodRegValeRefeicao) VALUES (2147483647)", "RhsValeRefeicao",
      [&] {
        Write(true, key, 5, day, 1, 1, 1);
        return key;
      },
      desc);
}

TEST_F(ValeRefeicaoTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* expected;
  };
  const Case cases[] = {
      {1, "", "1|5|Maria da Conceição|2024-03-05|20|25.5|510"},
      {3, "", "3|6|João Sá|2024-03-05|20|30|600"},
      {10, "94    Quorvel", "10|7|old|1999-01-01|7|-1|-1"},
      {11, "6    Quorvel", "11|6|João Sá|2024-03-07|7|-1|-1"},
      {12, "94    Quorvel", "12|6|João Sá|2024-03-08|10|-1|-1"},
      {77, "3021    Quorvel", "77|-1|old|1999-01-01|7|-1|-1"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, func = -1;
    std::string nome = "old";
    automation::Date data = automation::DateSerial(1999, 1, 1);
    std::uint8_t quant = 7;
    double unit = -1, total = -1;
    desc = "before";
    c.BusValeRefeicao(Postgres(), desc, key, func, nome, data, quant, unit, total);
    EXPECT_EQ(desc, *k.desc ? k.desc : "before") << k.key;
    std::ostringstream got;
    got << key << "|" << func << "|" << nome << "|" << Text(Variant(data)) << "|" << int{quant} << "|" << unit
        << "|" << total;
    EXPECT_EQ(got.str(), k.expected) << k.key;
  }
}

TEST_F(ValeRefeicaoTest, List) {
  struct Case {
    const char* name;
    Variant func, data, quant;
    const char* keys;  // sorted
    const char* desc = "";
  };
  const Case cases[] = {
      {"None", N, N, N, "1 2 3 10 11 12"},
      {"OnlyTheLast", N, N, Variant(std::int32_t{20}), "1 3"},
      {"Employee", Variant("5"), N, N, "1 2"},
      {"Date", N, Variant(automation::DateSerial(2024, 3, 5)), N, "1 3"},
      {"DateAsText", N, Variant("05/03/2024"), N, "1 3"},
      {"EmployeeAndDate", Variant(std::int32_t{5}), Variant(automation::DateSerial(2024, 3, 5)), N, "1"},
      {"Several", Variant(6.0), Variant("2024-03-05"), Variant("20"), "3"},
      {"NoMatch", Variant(std::int32_t{77}), N, N, ""},
      {"InjectionInEmployee", Variant("5 OR 1=1"), N, N, "", "13    Quorvel"},
      {"InjectionInDate", N, Variant("2024-03-05' OR '1'='1"), N, "", "13    Quorvel"},
      {"EmptyQuantity", N, N, Variant(), "", "13    Quorvel"},
      {"EmptyTextQuantity", N, N, Variant(""), "", "13    Quorvel"},
  };
  for (const Case& k : cases) {
    Variant list("replaced"), func = k.func, data = k.data, quant = k.quant;
    desc.clear();
    c.CarValeRefeicao(Postgres(), desc, list, func, data, quant);
    EXPECT_EQ(desc, k.desc) << k.name;
    if (*k.desc) {
      EXPECT_EQ(list, Variant("replaced")) << k.name;
      continue;
    }
    EXPECT_EQ(qvtest::Rows(list)[0],
              (std::vector<Variant>{Variant("CodRegValeRefeicao"), Variant("CodFuncionario"), Variant("DataRetirada"),
                                    Variant("QuantidadeRetirada"), Variant("ValorUnitarioVR"), Variant("ValorTotal")}))
        << k.name;
    EXPECT_EQ(SortedKeys(list), k.keys) << k.name;
  }
  Variant list, func(std::int32_t{6}), data(automation::DateSerial(2024, 3, 8)), quant = N;
  c.CarValeRefeicao(Postgres(), desc, list, func, data, quant);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][0], Variant(std::int32_t{12}));
  EXPECT_TRUE(rows[1][4].is_null());
  qvtest::Exec(Postgres(), "DELETE FROM RhsValeRefeicao");
  c.CarValeRefeicao(Postgres(), desc, list, func, data, quant);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(ValeRefeicaoTest, Statements) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  struct Case {
    const char* name;
    std::function<void(ValeRefeicaoTest&)> call;
    std::vector<const char*> statements;
  };
  const Case cases[] = {
      {"Bus",
       [](ValeRefeicaoTest& t) {
         std::int32_t key = 7, f = 0;
         std::string n;
         automation::Date d;
         std::uint8_t q = 0;
         double u = 0, v = 0;
         t.c.BusValeRefeicao(Postgres(), t.desc, key, f, n, d, q, u, v);
       },
       {"SELECT RhsValeRefeicao.*, RhsDadosPessoais.Nome FROM (( RhsValeRefeicao LEFT JOIN RhsDadosFuncionario ON "
        "RhsDadosFuncionario.CodFuncionario = RhsValeRefeicao.CodFuncionario) LEFT JOIN RhsDadosPessoais ON "
        "RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) WHERE CodRegValeRefeicao = 7"}},
      {"Exc",
       [](ValeRefeicaoTest& t) {
         std::int32_t key = 7;
         t.c.ExcValeRefeicao(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsValeRefeicao WHERE CodRegValeRefeicao = 7"}},
      {"CarAll",
       [](ValeRefeicaoTest& t) {
         Variant list, f(std::int32_t{5}), d(automation::DateSerial(2024, 3, 5)), q(std::uint8_t{3});
         t.c.CarValeRefeicao(Postgres(), t.desc, list, f, d, q);
       },
       {"SELECT * FROM RhsValeRefeicao WHERE CodFuncionario = 5 AND DataRetirada = '2024/03/05' AND "
        "QuantidadeRetirada = 3"}},
      {"CarNone",
       [](ValeRefeicaoTest& t) {
         Variant list, f = N, d = N, q = N;
         t.c.CarValeRefeicao(Postgres(), t.desc, list, f, d, q);
       },
       {"SELECT * FROM RhsValeRefeicao "}},
      {"Alt",
       [](ValeRefeicaoTest& t) {
         std::int32_t key = 7;
         t.Write(false, key, 5, automation::DateSerial(2024, 3, 5), 0, 12.5, 37.5);
       },
       {"UPDATE RhsValeRefeicao SET CodFuncionario = 5, DataRetirada = '2024/03/05', QuantidadeRetirada = 0, "
        "ValorUnitarioVR = 12.5, ValorTotal = 37.5 WHERE CodRegValeRefeicao = 7"}},
      {"Inc",
       [](ValeRefeicaoTest& t) {
         std::int32_t key = 7;
         t.Write(true, key, 5, automation::DateSerial(2024, 3, 5), 3, 12.5, 37.5);
       },
       {"SELECT MAX(CodRegValeRefeicao) AS MaxCod FROM RhsValeRefeicao",
        "INSERT INTO RhsValeRefeicao (CodRegValeRefeicao, CodFuncionario, DataRetirada, QuantidadeRetirada, "
        "ValorUnitarioVR, ValorTotal) VALUES ( 1,  5, '2024/03/05',  3,  12.5, 37.5 )"}},
  };
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(), "DELETE FROM RhsValeRefeicao");
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), std::vector<std::string>(k.statements.begin(), k.statements.end())) << k.name;
  }
}

TEST_F(ValeRefeicaoTest, DispatchByName) {
  com::DispatchObject<quorvel::classValeRefeicao> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> car{conn, Variant(""), Variant(), Variant("6"), N, N};
  com::CallResult r = object.Invoke("carvalerefeicao", car);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(SortedKeys(car[2]), "3 11 12");

  std::vector<Variant> inc{conn,           Variant(""),    Variant("u"),    Variant("m"), Variant(),
                           Variant("5"),   Variant("2024-06-05"), Variant("4"), Variant("12,5"), Variant("50")};
  r = object.Invoke("IncValeRefeicao", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[4], Variant(std::int32_t{13}));
  EXPECT_EQ(inc[8], Variant(12.5));
  EXPECT_EQ(Row(13), "5|2024-06-05|4|12.5|50");
}

}  // namespace
