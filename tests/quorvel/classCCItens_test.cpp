// SPDX-License-Identifier: MIT
// classCCItens against PostgreSQL.
#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "quorvel/administration/classCCItens.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::Postgres;

const Variant kNull = automation::Null;

class CCItensTest : public ::testing::Test {
 public:
  void SetUp() override {
    for (const char* t : {"FlpCCItens", "FlpCCCabecalho", "FlpEventoDetalhe", "FlpEvento", "RhsDadosFuncionario",
                          "RhsDadosPessoais", "RhsFilial"})
      qvtest::Exec(Postgres(), std::string("DELETE FROM ") + t);
  }
  // Two payslips (120, 121) of employee 5, three event details, four items.
  void Seed() {
    qvtest::Exec(Postgres(), "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (8, 'Ana Souza')");
    qvtest::Exec(Postgres(), "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (3, 'Centro')");
    qvtest::Exec(Postgres(),
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual, CodFilial) VALUES (5, 8, 3)");
    qvtest::Exec(Postgres(), "INSERT INTO FlpCCCabecalho VALUES (120, 5, '200312', 'NOR', 1000, 900),"
                             " (121, 5, '200401', 'FER', 0, 400), (220, 6, '200312', 'NOR', 10, 9)");
    qvtest::Exec(Postgres(), "INSERT INTO FlpEvento VALUES (30, 'Horas extras'), (10, 'Salario')");
    qvtest::Exec(Postgres(), "INSERT INTO FlpEventoDetalhe VALUES (1, 30, 'P', 'Hora extra 50%', 'S'),"
                             " (2, 10, 'P', 'Salario base', 'N'), (3, 20, 'D', 'INSS', 'N')");
    qvtest::Exec(Postgres(), "INSERT INTO FlpCCItens VALUES (1, 120, 1, 10, 'H', 150.5, NULL, NULL, NULL, NULL),"
                             " (2, 120, 2, 0, 'V', 1000, NULL, NULL, NULL, NULL),"
                             " (3, 121, 3, 0, 'V', 88, NULL, NULL, NULL, NULL),"
                             " (4, 220, 1, 2, 'H', 30, NULL, NULL, NULL, NULL)");
  }
  std::int32_t Insert(std::int32_t payslip, std::int32_t det, std::string unit, std::int32_t ferias = 0) {
    std::int32_t key = -1, zero = 0;
    double ref = 2.5, valor = 10;
    c.IncCCItens(Postgres(), desc, user, machine, key, payslip, det, ref, unit, valor, ferias, zero, zero, zero);
    return key;
  }

  quorvel::classCCItens c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(CCItensTest, InsertAllocatesTheNextKeyAndStoresNullForZeroCodes) {
  EXPECT_EQ(Insert(121, 0, "H"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO FlpCCItens (CodItemDetalheCC) VALUES (41)");
  EXPECT_EQ(Insert(121, 1, "'", 7), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "FlpCCItens WHERE CodItemDetalheCC = 1 AND CodEventoDet IS NULL AND "
                                      "CodEventoFerias IS NULL AND CodEventoAdicAbono IS NULL"),
            1);
  EXPECT_EQ(qvtest::Cell(Postgres(), "SELECT CodEventoFerias || Unidade || CodEventoDet FROM FlpCCItens "
                                     "WHERE CodItemDetalheCC = 42"),
            "7'1");
}

TEST_F(CCItensTest, Statements) {
  using Case = qvtest::StatementCase<CCItensTest>;
  const std::vector<Case> cases = {
      {"IncNulls", [](CCItensTest& t) { t.Insert(121, 0, "H"); },
       {"SELECT MAX(CodItemDetalheCC) AS MaxCod FROM FlpCCItens",
        "INSERT INTO FlpCCItens (CodItemDetalheCC, CodContracheque, CodEventoDet, Referencia, Unidade, Valor, "
        "CodEventoFerias, CodEventoAdicFerias, CodEventoAbono, CodEventoAdicAbono) VALUES ( 1,  121,  Null, 2.5, "
        "'H',  10,  Null,  Null,  Null,  Null)"}},
      {"IncCodes", [](CCItensTest& t) { t.Insert(121, 4, "V", 7); },
       {"SELECT MAX(CodItemDetalheCC) AS MaxCod FROM FlpCCItens",
        "INSERT INTO FlpCCItens (CodItemDetalheCC, CodContracheque, CodEventoDet, Referencia, Unidade, Valor, "
        "CodEventoFerias, CodEventoAdicFerias, CodEventoAbono, CodEventoAdicAbono) VALUES ( 1,  121,  4,  2.5, "
        "'V',  10,  ('7'),  Null,  Null,  Null)"}},
      {"Alt",
       [](CCItensTest& t) {
         std::int32_t key = 9, cc = 121, det = 0, f = 0, af = 2, ab = 3, aab = 0;
         double ref = 1.25, valor = 12.5;
         std::string unit = "H";
         t.c.AltCCItens(Postgres(), t.desc, t.user, t.machine, key, cc, det, ref, unit, valor, f, af, ab, aab);
       },
       {"UPDATE FlpCCItens SET CodContracheque = 121, CodEventoDet = 0, Referencia = 1.25, Unidade = 'H', "
        "Valor = 12.5, CodEventoFerias = Null, CodEventoAdicFerias = '2', CodEventoAbono = '3', "
        "CodEventoAdicAbono = Null WHERE CodItemDetalheCC = 9"}},
      {"AltValor",
       [](CCItensTest& t) {
         std::int32_t key = 9;
         double v = 12.5;
         t.c.AltValorItemCC(Postgres(), t.desc, t.user, t.machine, key, v);
       },
       {"UPDATE FlpCCItens SET Valor = 12.5 WHERE CodItemDetalheCC = 9"}},
      {"Exc",
       [](CCItensTest& t) {
         std::int32_t key = 9;
         t.c.ExcCCItens(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM FlpCCItens WHERE CodItemDetalheCC = 9"}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM FlpCCItens"); });
  EXPECT_EQ(desc, "");
}

TEST_F(CCItensTest, FetchReadsTheEmployeeAndTheEvent) {
  Seed();
  std::int32_t key = 1, cc = -1, det = -1;
  std::string anoMes, nome, fil, evento, nomeEvento, unit;
  double ref = -1, valor = -1;
  c.BusCCItens(Postgres(), desc, key, cc, det, anoMes, nome, fil, evento, nomeEvento, ref, unit, valor);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(cc, 120);
  EXPECT_EQ(det, 1);
  EXPECT_EQ(anoMes + "|" + nome + "|" + fil + "|" + evento + "|" + nomeEvento + "|" + unit,
            "200312|Ana Souza|Centro|30|Hora extra 50%|H");
  EXPECT_EQ(ref, 10);
  EXPECT_EQ(valor, 150.5);
}

TEST_F(CCItensTest, UpdateOfTheAmountAlone) {
  Seed();
  std::int32_t key = 1;
  double novo = 12.5;
  c.AltValorItemCC(Postgres(), desc, user, machine, key, novo);
  EXPECT_EQ(qvtest::Scalar(Postgres(), "SELECT Valor FROM FlpCCItens WHERE CodItemDetalheCC = 1"), Variant(12.5));
}

TEST_F(CCItensTest, UpdateWritesNullForZeroCodes) {
  Seed();
  std::int32_t key = 1, cc = 120, zero = 0, abono = 3;
  double novo = 12.5;
  std::string v = "V";
  c.AltCCItens(Postgres(), desc, user, machine, key, cc, zero, novo, v, novo, zero, zero, abono, zero);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "FlpCCItens WHERE CodItemDetalheCC = 1 AND CodEventoDet = 0 AND "
                                      "CodEventoAbono = '3' AND CodEventoFerias IS NULL AND Unidade = 'V'"),
            1);
}

TEST_F(CCItensTest, DeleteRemovesTheItem) {
  Seed();
  std::int32_t key = 1;
  c.ExcCCItens(Postgres(), desc, user, machine, key);
  EXPECT_EQ(qvtest::Count(Postgres(), "FlpCCItens"), 3);
}

TEST_F(CCItensTest, FetchErrors) {
  Seed();
  qvtest::Exec(Postgres(), "INSERT INTO FlpCCItens VALUES (7, 120, NULL, 1, 'H', 1, NULL, NULL, NULL, NULL)");
  struct Case {
    std::int32_t key;
    const char* error;
    std::int32_t payslip;
  };
  for (const Case& k : {Case{99, "3021", -1}, Case{7, "94", 120}}) {
    std::int32_t key = k.key, cc = -1, det = -1;
    std::string s1, s2, s3, s4, s5, s6;
    double ref = 0, valor = 0;
    desc.clear();
    c.BusCCItens(Postgres(), desc, key, cc, det, s1, s2, s3, s4, s5, ref, s6, valor);
    EXPECT_EQ(desc.rfind(k.error, 0), 0u) << k.key << ": " << desc;
    EXPECT_EQ(cc, k.payslip) << k.key;
  }
}

TEST_F(CCItensTest, ListFilters) {
  Seed();
  struct Case {
    const char* name;
    Variant cc, func, det, anoMes, tipo;
    const char* keys;
  };
  const Case cases[] = {
      {"all", kNull, kNull, kNull, kNull, kNull, "2 3 1 4"},
      {"payslip prefix", Variant("12%"), kNull, kNull, kNull, kNull, "2 3 1"},
      {"employee", kNull, Variant("6"), kNull, kNull, kNull, "4"},
      {"event detail and month", kNull, kNull, Variant("1"), Variant("200312"), kNull, "1 4"},
      {"event type", kNull, kNull, kNull, kNull, Variant("D"), "3"},
      {"quote in filter", Variant("x' OR '1'='1"), kNull, kNull, kNull, kNull, ""},
      {"O'Brien month", kNull, kNull, kNull, Variant("O'Brien"), kNull, ""},
  };
  for (const Case& k : cases) {
    Variant list, cc = k.cc, func = k.func, det = k.det, anoMes = k.anoMes, tipo = k.tipo;
    desc.clear();
    c.CarCCItens(Postgres(), desc, list, cc, func, det, anoMes, tipo);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(qvtest::Keys(list), k.keys) << k.name;
  }
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull;
  c.CarCCItens(Postgres(), desc, list, n1, n2, n3, n4, n5);
  EXPECT_EQ(qvtest::Rows(list).at(0).size(), 9u);
  EXPECT_EQ(qvtest::RowsText(list).rfind(
                "CodItemDetalheCC|CodContracheque|CodEventoDet|CodEvento|Nome|Referencia|Tipo|Unidade|Valor/", 0),
            0u);
}

TEST_F(CCItensTest, ListOnSqlite) {
  auto& db = qvtest::Sqlite();
  qvtest::Exec(db, "DELETE FROM FlpCCItens");
  qvtest::Exec(db, "INSERT INTO FlpCCItens (CodItemDetalheCC, CodContracheque, CodEventoDet) VALUES (1, 120, 1),"
                   " (2, 121, 2), (3, 220, 1)");
  Variant list, cc("12%"), n1 = kNull, det("1"), n3 = kNull, n4 = kNull;
  c.CarCCItens(db, desc, list, cc, n1, det, n3, n4);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Keys(list), "1");
}

TEST_F(CCItensTest, DispatchByName) {
  com::DispatchObject<quorvel::classCCItens> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn,      Variant(""),  Variant("u"), Variant("m"), Variant(), Variant("121"),
                           Variant(0), Variant(2.5), Variant("H"), Variant(0.0), Variant(0), Variant(0),
                           Variant(0), Variant(0)};
  com::CallResult r = object.Invoke("inccCITENS", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{1}));
  EXPECT_EQ(qvtest::Count(Postgres(), "FlpCCItens WHERE CodContracheque = 121"), 1);
}

}  // namespace
