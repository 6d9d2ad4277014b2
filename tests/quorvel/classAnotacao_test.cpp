// SPDX-License-Identifier: MIT
// classAnotacao against PostgreSQL.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/administration/classAnotacao.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::SortedKeys;

const Variant kNull(Null);

// A day with a time of day.
automation::Date At(automation::Date day, automation::Date time) { return {day.value + time.value}; }

class AnotacaoTest : public ::testing::Test {
 public:
  // Employees 12 and 13 with their people, 14 without one; type 9 is missing.
  void SetUp() override {
    qvtest::Exec(Postgres(),
                 "DELETE FROM RhsAnotacao; DELETE FROM RhsTipoAnotacao; DELETE FROM RhsDadosFuncionario;"
                 " DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana Souza'), (2, 'João Lima');"
                 "INSERT INTO RhsDadosFuncionario (CodIndividual, CodFuncionario) VALUES (1, 12), (2, 13), (99, 14);"
                 "INSERT INTO RhsTipoAnotacao VALUES (1, 'Advertência', 'N', 'S'), (2, 'Elogio', 'N', 'S');"
                 "INSERT INTO RhsAnotacao VALUES (1, 12, 1, '2024-03-04', 'Atraso reiterado'),"
                 " (2, 12, 2, '2024-03-05', 'Bom trabalho'), (3, 13, 1, '2024-03-04', 'Falta'),"
                 " (4, 14, 1, '2024-04-01', 'Sem pessoa'), (5, 12, 9, '2024-04-02', 'Tipo ausente')");
  }
  std::int32_t Insert(std::int32_t func, std::int32_t tipo, automation::Date data, std::string texto) {
    std::int32_t key = -1;
    c.IncAnotacao(Postgres(), desc, user, machine, key, func, tipo, data, texto);
    return key;
  }
  static std::string Row(std::int32_t key) {
    return qvtest::Cell(Postgres(), "SELECT CodFuncionario || '|' || CodTipoAnotacao || '|' || DataAnotacao"
                                     " || '|' || DescrAnotacao FROM RhsAnotacao WHERE CodRegAnotacao = " +
                                         std::to_string(key));
  }

  quorvel::classAnotacao c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(AnotacaoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsAnotacao");
  EXPECT_EQ(Insert(12, 1, DateSerial(2024, 5, 6), "Primeira"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsAnotacao (CodRegAnotacao) VALUES (41)");
  EXPECT_EQ(Insert(13, 2, At(DateSerial(2024, 5, 7), automation::TimeSerial(15, 30, 0)), "O'Brien x' OR '1'='1 UPPER"),
            42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "12|1|2024-05-06|Primeira");
  EXPECT_EQ(Row(42), "13|2|2024-05-07|O'Brien x' OR '1'='1 UPPER");
}

TEST_F(AnotacaoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsAnotacao (CodRegAnotacao) VALUES (2147483647)", "RhsAnotacao",
      [&] { return Insert(12, 1, DateSerial(2024, 5, 6), "X"); }, desc);
}

TEST_F(AnotacaoTest, FetchReadsTheEmployeeAndTheType) {
  std::int32_t key = 1, func = 0, tipo = 0;
  std::string nome, descr, texto;
  automation::Date data{};
  c.BusAnotacao(Postgres(), desc, key, func, nome, tipo, descr, data, texto);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(func, 12);
  EXPECT_EQ(nome, "Ana Souza");
  EXPECT_EQ(tipo, 1);
  EXPECT_EQ(descr, "Advertência");
  EXPECT_EQ(Variant(data), Variant(DateSerial(2024, 3, 4)));
  EXPECT_EQ(texto, "Atraso reiterado");
}

TEST_F(AnotacaoTest, UpdateRewritesItsRowAlone) {
  std::int32_t key = 1, f = 13, t = 2;
  automation::Date d = DateSerial(2024, 6, 1);
  std::string o = "Elogio d'equipe";
  c.AltAnotacao(Postgres(), desc, user, machine, key, f, t, d, o);
  EXPECT_EQ(Row(1), "13|2|2024-06-01|Elogio d'equipe");
  EXPECT_EQ(Row(2), "12|2|2024-03-05|Bom trabalho");
}

TEST_F(AnotacaoTest, DeleteRemovesItsRowAlone) {
  std::int32_t key = 1, missing = 99;
  c.ExcAnotacao(Postgres(), desc, user, machine, missing);
  c.ExcAnotacao(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsAnotacao WHERE CodRegAnotacao = 1"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsAnotacao"), 4);
}

TEST_F(AnotacaoTest, FetchErrors) {
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t func;  // outputs start as -1 and "old"
    const char* nome;
    std::int32_t tipo;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", -1, "old", -1},
      {4, "94    Quorvel", 14, "old", -1},         // no person for the employee
      {5, "94    Quorvel", 12, "Ana Souza", 9},  // no such type
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, func = -1, tipo = -1;
    std::string nome = "old", descr = "old", texto = "old";
    const automation::Date before = DateSerial(1999, 1, 1);
    automation::Date data = before;
    desc = "before";
    c.BusAnotacao(Postgres(), desc, key, func, nome, tipo, descr, data, texto);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(func, k.func) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
    EXPECT_EQ(tipo, k.tipo) << k.key;
    EXPECT_EQ(descr, "old") << k.key;
    EXPECT_EQ(Variant(data), Variant(before)) << k.key;
    EXPECT_EQ(texto, "old") << k.key;
  }
}

TEST_F(AnotacaoTest, ListFilters) {
  struct Case {
    const char* name;
    Variant func, tipo, data;
    const char* keys;  // sorted
    const char* desc = "";
  };
  const Case cases[] = {
      {"None", kNull, kNull, kNull, "1 2 3 4 5"},
      {"Employee", Variant(std::int32_t{12}), kNull, kNull, "1 2 5"},
      {"EmployeeAndType", Variant("12"), Variant(std::int32_t{1}), kNull, "1"},
      {"OnlyTheLast", kNull, kNull, Variant(DateSerial(2024, 3, 4)), "1 3"},
      {"DateWithTimeOfDay", kNull, kNull, Variant(At(DateSerial(2024, 3, 4), automation::TimeSerial(10, 30, 0))), "1 3"},
      {"MissingType", kNull, Variant(9.0), kNull, "5"},
      {"NoMatch", Variant(std::int32_t{77}), kNull, kNull, ""},
      {"NumericInjection", Variant("1 OR 1=1"), kNull, kNull, "", "13    Quorvel"},
      {"QuoteInType", kNull, Variant("1' OR '1'='1"), kNull, "", "13    Quorvel"},
      {"EmptyEmployee", Variant(), kNull, kNull, "", "13    Quorvel"},
      {"EmptyTextType", kNull, Variant(""), kNull, "", "13    Quorvel"},
      {"TextDate", kNull, kNull, Variant("x' OR '1'='1"), "", "13    Quorvel"},
  };
  for (const Case& k : cases) {
    Variant list("replaced"), func = k.func, tipo = k.tipo, data = k.data;
    desc.clear();
    qvtest::Trace trace;
    c.CarAnotacao(Postgres(), desc, list, func, tipo, data);
    EXPECT_EQ(desc, k.desc) << k.name;
    if (*k.desc) {
      EXPECT_EQ(list, Variant("replaced")) << k.name;
      EXPECT_TRUE(trace.statements().empty()) << k.name;
      continue;
    }
    EXPECT_EQ(SortedKeys(list), k.keys) << k.name;
  }
}

TEST_F(AnotacaoTest, ListColumns) {
  Variant list, n1 = Variant(std::int32_t{12}), n2 = kNull, n3 = kNull;
  c.CarAnotacao(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(desc, "");
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodRegAnotacao"), Variant("CodFuncionario"),
                                           Variant("CodTipoAnotacao"), Variant("DescrTipoAnotacao"),
                                           Variant("DataAnotacao"), Variant("DescrAnotacao")}));
  std::sort(rows.begin() + 1, rows.end(), [](const auto& a, const auto& b) {
    return automation::CLng(a[0]) < automation::CLng(b[0]);
  });
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant(std::int32_t{12}),
                                           Variant(std::int32_t{1}), Variant("Advertência"),
                                           Variant(DateSerial(2024, 3, 4)), Variant("Atraso reiterado")}));
  EXPECT_TRUE(rows[3][3].is_null()) << "a type missing from RhsTipoAnotacao";
}

TEST_F(AnotacaoTest, ListOnAnEmptyTableGivesTheCaptions) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsAnotacao");
  Variant list, n1 = Variant(std::int32_t{12}), n2 = kNull, n3 = kNull;
  c.CarAnotacao(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(AnotacaoTest, Statements) {
  const qvtest::StatementCase<AnotacaoTest> cases[] = {
      {"Bus",
       [](AnotacaoTest& t) {
         std::int32_t key = 7, f = 0, tipo = 0;
         std::string n, d, o;
         automation::Date data{};
         t.c.BusAnotacao(Postgres(), t.desc, key, f, n, tipo, d, data, o);
       },
       {"SELECT RhsAnotacao.*, RhsDadosPessoais.Nome, RhsTipoAnotacao.DescrTipoAnotacao FROM ((( RhsAnotacao "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsAnotacao.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoAnotacao ON RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) "
        "WHERE CodRegAnotacao = 7"}},
      {"Exc",
       [](AnotacaoTest& t) {
         std::int32_t key = 7;
         t.c.ExcAnotacao(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsAnotacao WHERE CodRegAnotacao = 7"}},
      {"CarNone",
       [](AnotacaoTest& t) {
         Variant list, n1 = kNull, n2 = kNull, n3 = kNull;
         t.c.CarAnotacao(Postgres(), t.desc, list, n1, n2, n3);
       },
       {"SELECT RhsAnotacao.*, RhsTipoAnotacao.DescrTipoAnotacao FROM ( RhsAnotacao LEFT JOIN RhsTipoAnotacao ON "
        "RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) "}},
      {"CarAll",
       [](AnotacaoTest& t) {
         Variant list, f(std::int32_t{12}), tipo("1"), d(At(DateSerial(2024, 3, 4), automation::TimeSerial(9, 0, 0)));
         t.c.CarAnotacao(Postgres(), t.desc, list, f, tipo, d);
       },
       {"SELECT RhsAnotacao.*, RhsTipoAnotacao.DescrTipoAnotacao FROM ( RhsAnotacao LEFT JOIN RhsTipoAnotacao ON "
        "RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) WHERE CodFuncionario = 12 AND "
        "RhsAnotacao.CodTipoAnotacao = 1 AND DataAnotacao = '2024/03/04'"}},
      {"Alt",
       [](AnotacaoTest& t) {
         std::int32_t key = 7, f = 12, tipo = 1;
         automation::Date d = DateSerial(2024, 3, 4);
         std::string o = "A";
         t.c.AltAnotacao(Postgres(), t.desc, t.user, t.machine, key, f, tipo, d, o);
       },
       {"UPDATE RhsAnotacao SET CodFuncionario = 12, CodTipoAnotacao = 1, DataAnotacao = '2024/03/04', "
        "DescrAnotacao = 'A' WHERE CodRegAnotacao = 7"}},
      {"Inc",
       [](AnotacaoTest& t) {
         qvtest::Exec(Postgres(), "DELETE FROM RhsAnotacao");
         std::int32_t key = 7, f = 12, tipo = 1;
         automation::Date d = DateSerial(2024, 3, 4);
         std::string o = "A";
         t.c.IncAnotacao(Postgres(), t.desc, t.user, t.machine, key, f, tipo, d, o);
       },
       {"SELECT MAX(CodRegAnotacao) AS MaxCod FROM RhsAnotacao",
        "INSERT INTO RhsAnotacao (CodRegAnotacao, CodFuncionario, CodTipoAnotacao, DataAnotacao, DescrAnotacao) "
        "VALUES ( 1,  12,  1, '2024/03/04', 'A') "}},
  };
  qvtest::ExpectStatements(*this, cases);
}

TEST_F(AnotacaoTest, DispatchByName) {
  com::DispatchObject<quorvel::classAnotacao> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("3"), Variant(), Variant(), Variant(), Variant(), Variant(),
                           Variant()};
  const com::CallResult r = object.Invoke("busanotacao", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[1], Variant(""));
  EXPECT_EQ(bus[3], Variant(std::int32_t{13}));
  EXPECT_EQ(bus[4], Variant("João Lima"));
  EXPECT_EQ(bus[6], Variant("Advertência"));
  EXPECT_EQ(bus[7], Variant(DateSerial(2024, 3, 4)));
  EXPECT_EQ(bus[8], Variant("Falta"));
}

}  // namespace
