// SPDX-License-Identifier: MIT
// classFerias: vacation pay and event averages, against PostgreSQL.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "quorvel/administration/classFerias.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::Postgres;

class FeriasPagamentoTest : public ::testing::Test {
 public:
  void SetUp() override {
    for (const char* t : {"FlpCCItens", "FlpCCCabecalho", "FlpEventoDetalhe", "RhsFerias"})
      qvtest::Exec(Postgres(), std::string("DELETE FROM ") + t);
    qvtest::Exec(Postgres(), "INSERT INTO RhsFerias (CodRegFerias, CodFuncionario, ValorFerias) VALUES (9, 5, 1)");
    // Employee 5: normal payslips 10 (200312) and 11 (200401), vacation payslip 20; employee 6: payslip 30.
    qvtest::Exec(Postgres(), "INSERT INTO FlpCCCabecalho VALUES (10, 5, '200312', 'NOR', 300.25, 250),"
                             " (11, 5, '200401', 'NOR', 500, 450), (20, 5, '200402', 'FER', 0, 400),"
                             " (30, 6, '200312', 'NOR', 90, 80)");
    qvtest::Exec(Postgres(),
                 "INSERT INTO FlpEventoDetalhe (CodEventoDet, IncidFerias) VALUES (1, 'S'), (2, 'N'), (3, 'S')");
  }
  void Items(const char* values) {
    qvtest::Exec(Postgres(), std::string("INSERT INTO FlpCCItens (CodItemDetalheCC, CodContracheque, "
                                         "CodEventoDet, Unidade, Referencia, Valor) VALUES ") + values);
  }
  std::string Pay() { return qvtest::Cell(Postgres(), "SELECT ValorFerias FROM RhsFerias WHERE CodRegFerias = 9"); }
  std::string Average(std::string ini, std::string fim) {
    std::int32_t func = 5, cc = 20;
    f.pCalculaMediaEvento(Postgres(), desc, user, machine, func, cc, ini, fim);
    return qvtest::Cell(Postgres(), "SELECT string_agg(CodEventoDet || ':' || Referencia || Unidade || ':' || "
                                    "Valor, ' ' ORDER BY CodEventoDet) FROM FlpCCItens WHERE CodContracheque = 20");
  }

  quorvel::classFerias f;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(FeriasPagamentoTest, PayWithThirteenthPart) {
  std::int32_t func = 5, cc = 20, reg = 9;
  std::string mes = "200312";
  f.pAltValorFeriasCOMDecimo(Postgres(), desc, user, machine, func, mes, cc, reg);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Pay(), "550,12");  // 400 + 150.125 rounded half to even
  EXPECT_EQ(qvtest::Cell(Postgres(), "SELECT TotalProventos FROM FlpCCCabecalho WHERE CodContracheque = 20"),
            "550,12");
}

TEST_F(FeriasPagamentoTest, PayWithoutNormalPayslipFallsBackAndWarns) {
  struct Case {
    const char* mes;
    int month;
  };
  for (const Case& k : {Case{"200212", 12}, Case{"200305", 5}}) {
    std::int32_t func = 5, cc = 20, reg = 9;
    std::string mes = k.mes;
    desc = "old";
    f.pAltValorFeriasCOMDecimo(Postgres(), desc, user, machine, func, mes, cc, reg);
    EXPECT_EQ(desc, "9999 Funcionário sem Contra Cheque no mês de " + automation::MonthName(k.month) +
                        ".\rFérias calculadas sem parcela de Décimo Terceiro.")
        << k.mes;
    EXPECT_EQ(Pay(), "400") << k.mes;
  }
}

TEST_F(FeriasPagamentoTest, PayWithoutVacationPayslip) {
  std::int32_t cc = 99, reg = 9, func = 5;
  std::string mes = "200312";
  desc = "old";
  f.pAltValorFeriasSEMDecimo(Postgres(), desc, user, machine, cc, reg);
  EXPECT_EQ(desc, "old");
  EXPECT_EQ(Pay(), "1");
  f.pAltValorFeriasCOMDecimo(Postgres(), desc, user, machine, func, mes, cc, reg);  // no current record
  EXPECT_EQ(desc.rfind("3021", 0), 0u) << desc;
  EXPECT_EQ(Pay(), "1");
  cc = 20;
  f.pAltValorFeriasSEMDecimo(Postgres(), desc, user, machine, cc, reg);
  EXPECT_EQ(Pay(), "400");
}

TEST_F(FeriasPagamentoTest, EventAverages) {
  // Event 1 counts: 10 h + 14 h on the period's payslips; 5 h of employee 6 and a value item do not.
  Items("(1, 10, 1, 'H', 10, 0), (2, 11, 1, 'H', 14, 0), (3, 30, 1, 'H', 5, 0), (4, 10, 2, 'H', 8, 0),"
        " (5, 11, 3, 'V', 0, 99)");
  EXPECT_EQ(Average("200302", "200402"), "1:2H:0");
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Average("200302", "200402"), "1:2H:0 1:2H:0") << "a second call adds the items again";
  struct Case {
    const char* ini;
    const char* fim;
    const char* error;  // prefix of DescErr
  };
  // No payslip in the period: nothing, no error; a span other than a year: division by zero.
  for (const Case& k : {Case{"200501", "200601", ""}, Case{"200302", "200312", "11 "}}) {
    qvtest::Exec(Postgres(), "DELETE FROM FlpCCItens WHERE CodContracheque = 20");
    desc.clear();
    EXPECT_EQ(Average(k.ini, k.fim), "Null") << k.ini;  // no item
    EXPECT_EQ(desc.rfind(k.error, 0), 0u) << k.ini << ": " << desc;
  }
}

}  // namespace
