// SPDX-License-Identifier: MIT
// classContratoFuncionario against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classContratoFuncionario.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

const Variant kNull(Null);

// A whole contract with sound defaults.
struct Contract {
  std::int32_t pkCodRegContratoFuncionario = -1, pkCodFuncionario = 20, pkCodTipoContrato = 3, pkCodCargo = 6;
  automation::Date pnDataEmissaoContr = DateSerial(2007, 2, 1);
  Variant pnDuracaoContr = Variant(std::int32_t{90}), pnDataValidadeContr = Variant(DateSerial(2007, 5, 1)),
          pnDataEncerramContr = kNull;
  std::string pnMotivoContrato = "Substituição", pnPeriodoPagamentoContr = "M";
  std::uint8_t pkCodTipoSalario = 1;
  double pnValorSalarioContr = 2750.25;
  float pnIndicePericulosidadeContr = 0.3f, pnIndiceInsalubridadeContr = 0, pnHorasDiarias = 8.5f,
        pnHorasSemanais = 42.5f;
  std::string pnHorarioTrabalho = "08:00-17:30";
  Variant pnHorasExtrasNaoExcedentes = Variant(std::int32_t{2}), pnAcrescimoNaoExcedentes = Variant(0.5);
  std::string pnEmitido = "N";

  template <class Method>
  void Call(Method method, quorvel::classContratoFuncionario& c, ado::Connection& conn, std::string& desc) {
    std::string user = "ana", machine = "estacao1";
    (c.*method)(conn, desc, user, machine, pkCodRegContratoFuncionario, pkCodFuncionario, pkCodTipoContrato,
                pkCodCargo, pnDataEmissaoContr, pnDuracaoContr, pnDataValidadeContr, pnDataEncerramContr,
                pnMotivoContrato, pnPeriodoPagamentoContr, pkCodTipoSalario, pnValorSalarioContr,
                pnIndicePericulosidadeContr, pnIndiceInsalubridadeContr, pnHorasDiarias, pnHorasSemanais,
                pnHorarioTrabalho, pnHorasExtrasNaoExcedentes, pnAcrescimoNaoExcedentes, pnEmitido);
  }
  void Inc(quorvel::classContratoFuncionario& c, ado::Connection& conn, std::string& desc) {
    Call(&quorvel::classContratoFuncionario::IncContratoFuncionario, c, conn, desc);
  }
  void Alt(quorvel::classContratoFuncionario& c, ado::Connection& conn, std::string& desc) {
    Call(&quorvel::classContratoFuncionario::AltContratoFuncionario, c, conn, desc);
  }
};

class ContratoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  // Employee 10 (João, Matriz): contracts 1 (closed) and 2 (open); 20 (Maria, Filial Sul): 3 (closed);
  // 30 (no person, Matriz): 11 (open).
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(
        conn,
        "DELETE FROM RhsContratoFuncionario; DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
        "DELETE FROM RhsFilial; DELETE FROM RhsCargo; DELETE FROM RhsTipoContrato; DELETE FROM RhsTipoSalario;"
        "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, DataNasc) VALUES (1, 'João', '1980/05/10'),"
        " (2, 'Maria', NULL);"
        "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual, CodFilial) VALUES (10, 1, 2), (20, 2, 5),"
        " (30, 9, 2);"
        "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (2, 'Matriz'), (5, 'Filial Sul');"
        "INSERT INTO RhsCargo VALUES (4, 'Analista', '317110', 0), (6, 'Gerente', NULL, NULL);"
        "INSERT INTO RhsTipoContrato (CodTipoContrato, DescrTipoContrato) VALUES (1, 'Experiência'),"
        " (3, 'Indeterminado');"
        "INSERT INTO RhsTipoSalario VALUES (1, 'Mensalista');"
        "INSERT INTO RhsContratoFuncionario VALUES"
        " (1, 10, 1, 4, '2004/01/05', 90, '2004/04/04', '2004/04/04', 'Experiência', 'M', 1, 1500, 0, 0, 8, 44,"
        " '08-17', NULL, NULL, 'S'),"
        " (2, 10, 3, 4, '2004/04/05', NULL, NULL, NULL, 'Efetivação', 'M', 1, 1800.5, 0, 0.25, 8.5, 44, '08-17',"
        " 2, 0.5, 'N'),"
        " (3, 20, 3, 6, '2005/02/01', NULL, NULL, '2006/01/31', 'Contratação', 'Q', 2, 3000, 0, 0, 8, 40, '',"
        " NULL, NULL, 's'),"
        " (11, 30, 1, 4, '2006/01/01', 30, '2006/01/31', NULL, 'Temporário', 'M', 1, 900, 0, 0, 6, 30, '',"
        " NULL, NULL, 'N')");
  }
  std::string Cell(std::string_view sql) {
    return qvtest::Cell(Postgres(), sql);
  }

  quorvel::classContratoFuncionario c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ContratoTest, CountsAndOpenContractsOfAnEmployee) {
  struct Case {
    std::int32_t employee;
    std::int32_t count;
    bool open;
  };
  for (const Case& k : {Case{10, 2, true}, Case{20, 1, false}, Case{30, 1, true}, Case{99, 0, false}}) {
    std::int32_t employee = k.employee, count = -1;
    bool open = !k.open;
    c.fQuantContratosFuncionario(Postgres(), desc, employee, count);
    c.fExisteContratoEmAberto(Postgres(), desc, employee, open);
    EXPECT_EQ(count, k.count) << k.employee;
    EXPECT_EQ(open, k.open) << k.employee;
  }
  EXPECT_EQ(desc, "");
}

TEST_F(ContratoTest, CountAndOpenContractStatements) {
  qvtest::Trace trace;
  std::int32_t employee = 10, count = 0;
  bool open = false;
  c.fQuantContratosFuncionario(Postgres(), desc, employee, count);
  c.fExisteContratoEmAberto(Postgres(), desc, employee, open);
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{"SELECT COUNT(CodFuncionario) AS QuantContratosFuncionario FROM "
                                      "RhsContratoFuncionario WHERE CodFuncionario = 10",
                                      "SELECT CodFuncionario, DataEncerramContr FROM RhsContratoFuncionario "
                                      "WHERE CodFuncionario = 10 AND (DataEncerramContr)IS NULL"}));
}

TEST_F(ContratoTest, FailuresGiveZeroAndFalse) {
  ado::Connection& conn = qvtest::Sqlite();
  Seed(conn);
  qvtest::Exec(conn, "ALTER TABLE RhsContratoFuncionario RENAME TO RhsContratoFora");
  std::int32_t employee = 10, count = 5;
  bool open = true;
  c.fQuantContratosFuncionario(conn, desc, employee, count);
  c.fExisteContratoEmAberto(conn, desc, employee, open);
  qvtest::Exec(conn, "ALTER TABLE RhsContratoFora RENAME TO RhsContratoFuncionario");
  EXPECT_EQ(count, 0);
  EXPECT_FALSE(open);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
}

TEST_F(ContratoTest, InsertStatements) {
  Contract k;
  qvtest::Trace trace;
  k.Inc(c, Postgres(), desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(k.pkCodRegContratoFuncionario, 12);
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{
                "SELECT MAX(CodRegContratoFuncionario) AS MaxCod FROM RhsContratoFuncionario",
                "INSERT INTO RhsContratoFuncionario (CodRegContratoFuncionario, CodFuncionario, CodTipoContrato, "
                "CodCargo, DataEmissaoContr, DuracaoContr, DataValidadeContr, DataEncerramContr,  "
                "MotivoContrato,PeriodoPagamentoContr, CodTipoSalario, ValorSalarioContr, IndicePericulosidadeContr, "
                "IndiceInsalubridadeContr, HorasDiarias, HorasSemanais, HorarioTrabalho, HorasExtrasNaoExcedentes, "
                "AcrescimoNaoExcedentes, Emitido) VALUES ( 12,  20,  3,  6, '2007/02/01',  90,  '2007/05/01',  Null, "
                "'Substituição', 'M',  1,  '2750.25',  csng('0.3'),  csng('0'),  csng('8.5'),  csng('42.5'), "
                "'08:00-17:30',  2,  csng('0.5'), 'N') "}));
}

TEST_F(ContratoTest, UpdateStatementWritesNullsAndTheClosingDate) {
  Contract k;
  k.Inc(c, Postgres(), desc);
  k.pnAcrescimoNaoExcedentes = kNull;
  k.pnDataEncerramContr = Variant(DateSerial(2007, 4, 30));
  k.pnDuracaoContr = kNull;
  qvtest::Trace trace;
  k.Alt(c, Postgres(), desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{
                "UPDATE RhsContratoFuncionario SET CodFuncionario = 20, CodTipoContrato = 3, CodCargo = 6, "
                "DataEmissaoContr = '2007/02/01', DuracaoContr = Null, DataValidadeContr = '2007/05/01', "
                "DataEncerramContr = '2007/04/30', MotivoContrato = 'Substituição', PeriodoPagamentoContr = 'M', "
                "CodTipoSalario = 1, ValorSalarioContr = '2750.25', IndicePericulosidadeContr = '0.3', "
                "IndiceInsalubridadeContr = '0', HorasDiarias = '8.5', HorasSemanais = '42.5', "
                "HorarioTrabalho = '08:00-17:30', HorasExtrasNaoExcedentes = 2, AcrescimoNaoExcedentes = Null, "
                "Emitido = 'N' WHERE CodRegContratoFuncionario = 12"}));
  EXPECT_EQ(Cell("SELECT HorasDiarias || '|' || HorasSemanais || '|' || DataEncerramContr || '|' || "
                 "coalesce(AcrescimoNaoExcedentes::text, 'Null') FROM RhsContratoFuncionario "
                 "WHERE CodRegContratoFuncionario = 12"),
            "8.5|42.5|2007-04-30|Null");
}

TEST_F(ContratoTest, InsertOnAnEmptyTableTakesKeyOne) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsContratoFuncionario");
  Contract k;
  k.pnMotivoContrato = "x' OR '1'='1";
  k.Inc(c, Postgres(), desc);
  EXPECT_EQ(k.pkCodRegContratoFuncionario, 1);
  EXPECT_EQ(Cell("SELECT MotivoContrato FROM RhsContratoFuncionario"), "x' OR '1'='1");
}

TEST_F(ContratoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsContratoFuncionario;"
                           "INSERT INTO RhsContratoFuncionario (CodRegContratoFuncionario) VALUES (2147483647)");
  Contract k;
  qvtest::Trace trace;
  k.Inc(c, Postgres(), desc);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_EQ(k.pkCodRegContratoFuncionario, 0);
  EXPECT_FALSE(trace.Sent("INSERT"));
}

TEST_F(ContratoTest, UpdateWritesTheSurchargeQuoted) {
  Contract k;
  k.pkCodRegContratoFuncionario = 3;
  k.pnAcrescimoNaoExcedentes = Variant("0,75");
  qvtest::Trace trace;
  k.Alt(c, Postgres(), desc);
  EXPECT_EQ(desc, "");
  EXPECT_NE(trace.statements().at(0).find(", AcrescimoNaoExcedentes = '0.75' , Emitido = 'N' WHERE"),
            std::string::npos);
  EXPECT_EQ(Cell("SELECT AcrescimoNaoExcedentes FROM RhsContratoFuncionario WHERE CodRegContratoFuncionario = 3"),
            "0,75");
}

// Values the statement cannot take: nothing is sent.
TEST_F(ContratoTest, HostileValuesOnTheWriters) {
  const std::vector<std::function<void(Contract&)>> cases = {
      [](Contract& k) { k.pnDuracaoContr = Variant("1 OR 1=1"); },
      [](Contract& k) { k.pnHorasExtrasNaoExcedentes = Variant(); },
      [](Contract& k) { k.pnAcrescimoNaoExcedentes = Variant("1') OR ('1"); },
      [](Contract& k) { k.pnDataValidadeContr = Variant("amanhã"); },
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (const bool insert : {true, false}) {
      Contract k;
      k.pkCodRegContratoFuncionario = 3;
      cases[i](k);
      desc.clear();
      qvtest::Trace trace;
      insert ? k.Inc(c, Postgres(), desc) : k.Alt(c, Postgres(), desc);
      EXPECT_EQ(desc, "13    Quorvel") << i << insert;
      EXPECT_FALSE(trace.Sent("INSERT")) << i;
      EXPECT_FALSE(trace.Sent("UPDATE")) << i;
    }
  }
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsContratoFuncionario"), 4);
}

TEST_F(ContratoTest, IssuedFlagOfItsRowAlone) {
  std::int32_t key = 2, missing = 77;
  std::string emitido = "S";
  qvtest::Trace trace;
  c.AltEmissaoContratoFuncionario(Postgres(), desc, user, machine, key, emitido);
  EXPECT_EQ(trace.statements(),
            std::vector<std::string>{
                "UPDATE RhsContratoFuncionario SET Emitido = 'S' WHERE CodRegContratoFuncionario = 2"});
  c.AltEmissaoContratoFuncionario(Postgres(), desc, user, machine, missing, emitido);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Cell("SELECT Emitido || MotivoContrato FROM RhsContratoFuncionario WHERE CodRegContratoFuncionario = 2"),
            "SEfetivação");
  EXPECT_EQ(Cell("SELECT Emitido FROM RhsContratoFuncionario WHERE CodRegContratoFuncionario = 11"), "N");
}

TEST_F(ContratoTest, DeleteRemovesItsRowAlone) {
  std::int32_t key = 2, missing = 77;
  c.ExcContratoFuncionario(Postgres(), desc, user, machine, key);
  c.ExcContratoFuncionario(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsContratoFuncionario WHERE CodRegContratoFuncionario = 2"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsContratoFuncionario"), 3);
}

struct Fetched {
  std::int32_t key, employee = -1, tipo = -1, cargo = -1;
  std::string nome = "old", descr = "old", nomeCargo = "old", motivo = "old", periodo = "old", descrSalario = "old",
              horario = "old", emitido = "old";
  automation::Date nasc = DateSerial(1900, 1, 1);
  Variant emissao = Variant("old"), duracao = Variant("old"), validade = Variant("old"), encerram = Variant("old"),
          extras = Variant("old"), acrescimo = Variant("old");
  std::uint8_t tipoSalario = 255;
  double valor = -1;
  float peric = -1, insal = -1, diarias = -1, semanais = -1;

  void Fetch(quorvel::classContratoFuncionario& c, std::string& desc) {
    c.BusContratoFuncionario(Postgres(), desc, key, employee, nome, nasc, tipo, descr, cargo, nomeCargo, emissao,
                             duracao, validade, encerram, motivo, periodo, tipoSalario, descrSalario, valor, peric,
                             insal, diarias, semanais, horario, extras, acrescimo, emitido);
  }
};

TEST_F(ContratoTest, Fetch) {
  Fetched f{2};
  f.Fetch(c, desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.employee, 10);
  EXPECT_EQ(f.nome, "João");
  EXPECT_EQ(f.nasc, DateSerial(1980, 5, 10));
  EXPECT_EQ(f.descr, "Indeterminado");
  EXPECT_EQ(f.nomeCargo, "Analista");
  EXPECT_EQ(f.emissao, Variant(DateSerial(2004, 4, 5)));
  EXPECT_TRUE(f.duracao.is_null());
  EXPECT_TRUE(f.validade.is_null());
  EXPECT_TRUE(f.encerram.is_null());
  EXPECT_EQ(f.motivo, "Efetivação");
  EXPECT_EQ(f.tipoSalario, 1);
  EXPECT_EQ(f.descrSalario, "Mensalista");
  EXPECT_EQ(f.valor, 1800.5);
  EXPECT_EQ(f.insal, 0.25f);
  EXPECT_EQ(f.diarias, 8.5f);
  EXPECT_EQ(f.semanais, 44.0f);
  EXPECT_EQ(f.horario, "08-17");
  EXPECT_EQ(automation::CDbl(f.extras), 2.0);
  EXPECT_EQ(automation::CDbl(f.acrescimo), 0.5);
  EXPECT_EQ(f.emitido, "N");

  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t employee;
    const char* nome;
    std::uint8_t tipoSalario;
    const char* descrSalario;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", -1, "old", 255, "old"},
      {11, "94    Quorvel", 30, "old", 255, "old"},  // employee without a person
      {3, "94    Quorvel", 20, "Maria", 2, "old"},   // person without birth date stops before the rest
  };
  for (const Case& k : cases) {
    Fetched g{k.key};
    desc.clear();
    g.Fetch(c, desc);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(g.key, k.key);
    EXPECT_EQ(g.employee, k.employee) << k.key;
    EXPECT_EQ(g.nome, k.nome) << k.key;
    EXPECT_EQ(g.descrSalario, k.descrSalario) << k.key;
  }
  qvtest::Exec(Postgres(), "UPDATE RhsDadosPessoais SET DataNasc = '1975/01/02' WHERE CodIndividual = 2");
  Fetched g{3};
  desc.clear();
  g.Fetch(c, desc);
  EXPECT_EQ(desc, "94    Quorvel") << "a salary type missing from the lookup";
  EXPECT_EQ(g.tipoSalario, 2);
  EXPECT_EQ(g.descrSalario, "old");
  EXPECT_EQ(g.valor, -1);
}

class ContratoListTest : public qvtest::ListTest<ContratoTest> {};

TEST_P(ContratoListTest, Filters) {
  Seed(conn());
  auto f = Args(16);
  Variant list = qvtest::kUntouchedList;
  c.CarContratoFuncionario(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10],
                           f[11], f[12], f[13], f[14], f[15]);
  ExpectList(desc, list, {});
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "11 3 2 1"},
    {"KeyPattern", Filters::At({{0, Variant("1%")}}), "11 1"},
    {"Employee", Filters::At({{1, Variant(std::int32_t{10})}}), "2 1"},
    {"ContractType", Filters::At({{2, Variant("3")}}), "3 2"},
    {"BranchName", Filters::At({{3, Variant("%sul")}}), "3"},
    {"Position", Filters::At({{4, Variant(std::int32_t{4})}, {5, Variant("anal%")}}), "11 2 1"},
    {"IssueDate", Filters::At({{6, Variant(DateSerial(2004, 4, 5))}}), "2"},
    {"Duration", Filters::At({{7, Variant(std::int32_t{90})}}), "1"},
    // Without UPPER, SQLite compares the Portuguese letters as they are.
    {"Reason", Filters::At({{8, Variant("efetivação")}}), "2"},
    {"PayPeriod", Filters::At({{9, Variant("q")}}), "3"},
    {"SalaryType", Filters::At({{10, Variant(std::int32_t{2})}}), "3"},
    {"DailyHours", Filters::At({{11, Variant(8.5)}}), "2"},
    {"DailyHoursAsTime", Filters::At({{11, Variant(automation::TimeSerial(8, 30, 0))}}), "2"},
    {"WeeklyHours", Filters::At({{12, Variant("40")}}), "3"},
    {"Overtime", Filters::At({{13, Variant(std::int32_t{2})}}), "2"},
    {"Surcharge", Filters::At({{14, Variant("0,5")}}), "2"},
    {"IssuedLowerCase", Filters::At({{15, Variant("s")}}), "3 1"},
    {"Several", Filters::At({{1, Variant(std::int32_t{10})}, {15, Variant("N")}, {3, Variant("%")}}), "2"},
    {"QuoteInName", Filters::At({{5, Variant("x' OR '1'='1")}}), ""},
    {"InjectionInDuration", Filters::At({{7, Variant("1 OR 1=1")}}), "", "13    Quorvel"},
    {"EmptyEmployee", Filters::At({{1, Variant()}}), "", "13    Quorvel"},
    {"TextHours", Filters::At({{11, Variant("oito")}}), "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ContratoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ContratoTest, ListStatement) {
  std::vector<Variant> f(16, kNull);
  f[0] = Variant("1%");
  f[14] = Variant(0.5);
  Variant list;
  qvtest::Trace trace;
  c.CarContratoFuncionario(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                           f[10], f[11], f[12], f[13], f[14], f[15]);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            std::vector<std::string>{
                "SELECT RhsContratoFuncionario.*, RhsFilial.NomeFil, RhsCargo.NomeCargo FROM ((( "
                "RhsContratoFuncionario LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = "
                "RhsContratoFuncionario.CodFuncionario) LEFT JOIN RhsFilial ON RhsFilial.CodFilial = "
                "RhsDadosFuncionario.CodFilial) LEFT JOIN RhsCargo ON RhsCargo.CodCargo = "
                "RhsContratoFuncionario.CodCargo) WHERE CStr(CodRegContratoFuncionario) LIKE '1%' AND "
                "RhsContratoFuncionario.AcrescimoNaoExcedentes = csng('0.5 ') ORDER BY DataEmissaoContr DESC"});
}

TEST_F(ContratoTest, ListColumns) {
  std::vector<Variant> f(16, kNull);
  Variant list;
  c.CarContratoFuncionario(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                           f[10], f[11], f[12], f[13], f[14], f[15]);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodRegContratoFuncionario"), Variant("NomeFil"),
                                           Variant("NomeCargo"), Variant("DataEmissaoContr"),
                                           Variant("DataValidadeContr"), Variant("DataEncerramContr")}));
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{11}), Variant("Matriz"), Variant("Analista"),
                                           Variant(DateSerial(2006, 1, 1)), Variant(DateSerial(2006, 1, 31)),
                                           Variant("Em aberto")}));
  EXPECT_EQ(rows[3][4], Variant("  /  /    "));
  EXPECT_EQ(rows[4][5], Variant(DateSerial(2004, 4, 4)));
}

TEST_F(ContratoTest, SqliteStoresTheSinglesAsNumbers) {
  ado::Connection& conn = qvtest::Sqlite();
  Seed(conn);
  Contract k;
  k.Inc(c, conn, desc);
  k.pnHorasSemanais = 36.5f;
  k.pnAcrescimoNaoExcedentes = Variant("0,75");
  k.Alt(c, conn, desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Scalar(conn, "SELECT typeof(HorasDiarias) || ' ' || HorasDiarias || ' ' || HorasSemanais || ' '"
                                 " || typeof(AcrescimoNaoExcedentes) || ' ' || AcrescimoNaoExcedentes || ' ' || "
                                 "ValorSalarioContr FROM RhsContratoFuncionario WHERE CodRegContratoFuncionario = 12"),
            Variant("real 8.5 36.5 real 0.75 2750.25"));
}

TEST_F(ContratoTest, DispatchByName) {
  com::DispatchObject<quorvel::classContratoFuncionario> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> open{conn, Variant(""), Variant("10"), Variant()};
  com::CallResult r = object.Invoke("fexistecontratoemaberto", open);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(open[3], Variant(true));
  std::vector<Variant> count{conn, Variant(""), Variant(std::int32_t{10}), Variant()};
  r = object.Invoke("fQuantContratosFuncionario", count);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(count[3], Variant(std::int32_t{2}));
}

}  // namespace
