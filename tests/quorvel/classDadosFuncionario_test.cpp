// SPDX-License-Identifier: MIT
// classDadosFuncionario against PostgreSQL, the dialect on SQLite.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classDadosFuncionario.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

const Variant kNull(Null);

// A whole employment record with sound defaults.
struct Employee {
  std::int32_t pkCodIndividual = 1, pkCodFuncionario = -1, pkCodFilial = 2, pkCodVaga = 0, pkCodTipoContrato = 3;
  Variant pnNrMatricula = Variant(std::int32_t{1001});
  automation::Date pnDataAdmissao = DateSerial(2005, 3, 1), pnDataPrimAdmissao = DateSerial(2001, 2, 1);
  std::uint8_t pkCodTipoAdmissao = 1, pnMotivoContratacao = 3;
  std::int32_t pkCodCargo = 4;
  Variant pkCodCA = Variant(std::int32_t{7});
  std::string pkNumBancoPagto = "001", pnAgenciaPagto = "1234-5", pnContaPagto = "98765-0";
  Variant pnDataOpFGTS = Variant(DateSerial(2005, 3, 1));
  std::string pnOptante = "S", pkNumBancoFGTS = "", pnNrContaFGTS = "";
  double pnSalarioContratual = 2500.5;
  std::uint8_t pkCodTipoSalario = 1;
  std::string pnPeriodoPagamento = "M";
  std::int16_t pnNrDepIR = 2;
  float pnIndicePericulosidade = 0, pnIndiceInsalubridade = 0.25f, pnHorasDiarias = 8.5f, pnHorasSemanais = 44,
        pnHorasMensais = 220;
  std::string pnHorarioTrabalho = "08:00-17:30";
  Variant pnHorasExtrasNaoExcedentes = kNull, pnAcrescimoNaoExcedentes = Variant(0.5);
  std::string pnContrSindical = "N";
  Variant pkCodSindicato = kNull;
  std::string pnValeRefeicao = "S", pnValeTransporte = "N", pnConvMedico = "S", pnConvFarmacia = "N";
  float pnPercentualSAT = 2;
  std::string pnAlvara = "", pnMaoDeObra = "Direta";
  std::int16_t pkCodTipoVinculo = 10;
  std::uint8_t pnNrDepSalFamilia = 1;
  Variant pnDataExameMedico = kNull;
  automation::Date pnDataFerias = DateSerial(2005, 3, 1);
  Variant pnFichaRegistro = kNull, pnDataDesligamento = kNull, pkCodMotivoDeslig = kNull;
  std::string pnNomeResponsavel = "Ana";
  automation::Date pnDataUltimaAtualizacao = DateSerial(2005, 3, 2);
  double pnGratificacao = 0;

  template <class Method>
  void Call(Method method, quorvel::classDadosFuncionario& c, ado::Connection& conn, std::string& desc) {
    std::string user = "ana", machine = "estacao1";
    (c.*method)(conn, desc, user, machine, pkCodIndividual, pkCodFuncionario, pkCodFilial, pkCodVaga,
                pkCodTipoContrato, pnNrMatricula, pnDataAdmissao, pnDataPrimAdmissao, pkCodTipoAdmissao,
                pnMotivoContratacao, pkCodCargo, pkCodCA, pkNumBancoPagto, pnAgenciaPagto, pnContaPagto,
                pnDataOpFGTS, pnOptante, pkNumBancoFGTS, pnNrContaFGTS, pnSalarioContratual, pkCodTipoSalario,
                pnPeriodoPagamento, pnNrDepIR, pnIndicePericulosidade, pnIndiceInsalubridade, pnHorasDiarias,
                pnHorasSemanais, pnHorasMensais, pnHorarioTrabalho, pnHorasExtrasNaoExcedentes,
                pnAcrescimoNaoExcedentes, pnContrSindical, pkCodSindicato, pnValeRefeicao, pnValeTransporte,
                pnConvMedico, pnConvFarmacia, pnPercentualSAT, pnAlvara, pnMaoDeObra, pkCodTipoVinculo,
                pnNrDepSalFamilia, pnDataExameMedico, pnDataFerias, pnFichaRegistro, pnDataDesligamento,
                pkCodMotivoDeslig, pnNomeResponsavel, pnDataUltimaAtualizacao, pnGratificacao);
  }
  void Inc(quorvel::classDadosFuncionario& c, ado::Connection& conn, std::string& desc) {
    Call(&quorvel::classDadosFuncionario::IncDadosFuncionario, c, conn, desc);
  }
  void Alt(quorvel::classDadosFuncionario& c, ado::Connection& conn, std::string& desc) {
    Call(&quorvel::classDadosFuncionario::AltDadosFuncionario, c, conn, desc);
  }
};

const char* const kInsertColumns =
    "INSERT INTO RhsDadosFuncionario (CodIndividual, CodFuncionario, CodFilial, CodVaga, CodTipoContrato, "
    "NrMatricula, DataAdmissao, DataPrimAdmissao, CodTipoAdmissao, MotivoContratacao, CodCargo, CodCA, "
    "NumBancoPagto, AgenciaPagto, ContaPagto, DataOpFGTS, Optante, NumBancoFGTS, NrContaFGTS, SalarioContratual, "
    "CodTipoSalario, PeriodoPagamento, NrDepIR, IndicePericulosidade, IndiceInsalubridade, HorasDiarias, "
    "HorasSemanais, HorasMensais, HorarioTrabalho, HorasExtrasNaoExcedentes, AcrescimoNaoExcedentes, "
    "ContrSindical, CodSindicato, ValeRefeicao, ValeTransporte, ConvMedico, ConvFarmacia, PercentualSAT, Alvara, "
    "MaoDeObra, CodTipoVinculo, NrDepSalFamilia, DataExameMedico, DataFerias, FichaRegistro, DataDesligamento, "
    "CodMotivoDeslig, NomeResponsavel, DataUltimaAtualizacao, Gratificacao) ";

class DadosFuncionarioTest : public ::testing::Test {
 public:
  static void Reset(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais; DELETE FROM RhsFerias;"
                 "DELETE FROM RhsFilial; DELETE FROM RhsTipoAdmissao; DELETE FROM RhsCargo; DELETE FROM RhsBanco;"
                 "DELETE FROM RhsTipoSalario; DELETE FROM RhsSindicato; DELETE FROM RhsTipoVinculoEmpregaticio;"
                 "DELETE FROM RhsMotivoDeslig; DELETE FROM RhsTipoContrato;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, DataNasc, Status) VALUES"
                 " (1, 'João Pereira', '1980-05-10', 'Candidato'), (2, 'Maria O''Brien', '1975-01-02', 'Candidato'),"
                 " (3, 'Josefa Lima', NULL, 'Candidato'), (4, 'Pedro Nunca', NULL, 'Candidato')");
  }
  void SetUp() override { Reset(Postgres()); }

  // Three employees: 1 João (2005/03/01), 2 Maria (2003/07/15, left 2006/01/31), 3 Josefa (2004/01/05).
  void SeedEmployees(ado::Connection& conn) {
    Employee e;
    e.Inc(c, conn, desc);
    e = Employee{};
    e.pkCodIndividual = 2;
    e.pkCodFilial = 5;
    e.pnDataAdmissao = DateSerial(2003, 7, 15);
    e.pnValeTransporte = "S";
    e.pnDataDesligamento = Variant(DateSerial(2006, 1, 31));
    e.pkCodMotivoDeslig = Variant(std::int32_t{2});
    e.Inc(c, conn, desc);
    e = Employee{};
    e.pkCodIndividual = 3;
    e.pnDataAdmissao = DateSerial(2004, 1, 5);
    e.pkCodSindicato = Variant(std::int32_t{5});
    e.Inc(c, conn, desc);
    ASSERT_EQ(desc, "");
  }
  std::string Cell(std::string_view sql, ado::Connection& conn = Postgres()) {
    return qvtest::Cell(conn, sql);
  }

  quorvel::classDadosFuncionario c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(DadosFuncionarioTest, InsertAllocatesTheKeyAndHiresThePerson) {
  Employee e;
  e.Inc(c, Postgres(), desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(e.pkCodFuncionario, 1);
  EXPECT_EQ(Cell("SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 1"), "Funcionário");
  EXPECT_EQ(qvtest::Scalar(Postgres(), "SELECT DataUltimaAtualizacao FROM RhsDadosPessoais WHERE CodIndividual = 1"),
            Variant(automation::Today()));
  EXPECT_EQ(Cell("SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 2"), "Candidato");

  qvtest::Exec(Postgres(), "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (41, 4)");
  Employee f;
  f.pkCodIndividual = 2;
  f.pnNomeResponsavel = "Sr. O'Brien";
  f.pnHorarioTrabalho = "x' OR '1'='1";
  f.Inc(c, Postgres(), desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.pkCodFuncionario, 42);
  EXPECT_EQ(Cell("SELECT NomeResponsavel || '|' || HorarioTrabalho FROM RhsDadosFuncionario "
                 "WHERE CodFuncionario = 42"),
            "Sr. O'Brien|x' OR '1'='1");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDadosFuncionario"), 3);
}

TEST_F(DadosFuncionarioTest, InsertStoresEveryKindOfValue) {
  Employee e;
  e.Inc(c, Postgres(), desc);
  ASSERT_EQ(desc, "");
  struct Case {
    const char* column;
    const char* value;
  };
  const Case cases[] = {
      {"NumBancoPagto", "001"},          {"NumBancoFGTS", "Null"},        {"NrContaFGTS", ""},
      {"NrMatricula", "1001"},           {"CodCA", "7"},                  {"DataOpFGTS", "01/03/2005"},
      {"HorasExtrasNaoExcedentes", "Null"}, {"AcrescimoNaoExcedentes", "0,5"}, {"CodSindicato", "Null"},
      {"DataExameMedico", "Null"},       {"FichaRegistro", "Null"},       {"DataDesligamento", "Null"},
      {"CodMotivoDeslig", "Null"},       {"IndiceInsalubridade", "0,25"}, {"HorasDiarias", "8,5"},
      {"SalarioContratual", "2500,5"},   {"MotivoContratacao", "3"},      {"DataFerias", "01/03/2005"},
      {"CodTipoVinculo", "10"},          {"Gratificacao", "0"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Cell("SELECT " + std::string(k.column) + " FROM RhsDadosFuncionario WHERE CodFuncionario = 1"),
              k.value)
        << k.column;
  }
}

TEST_F(DadosFuncionarioTest, RefusedInsertKeepsTheKeyAndLeavesTheStatus) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (6, 4)");
  Employee e;
  e.pnOptante = std::string(40, 'S');  // longer than the column
  e.Inc(c, Postgres(), desc);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(e.pkCodFuncionario, 7);
  EXPECT_EQ(Cell("SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 1"), "Candidato");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDadosFuncionario"), 1);
}

TEST_F(DadosFuncionarioTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  Employee e;
  bool updated = true;
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (2147483647, 4)", "RhsDadosFuncionario",
      [&] {
        qvtest::Trace trace;
        e.Inc(c, Postgres(), desc);
        updated = trace.Sent("UPDATE");
        return e.pkCodFuncionario;
      },
      desc);
  EXPECT_FALSE(updated) << "the person's status stays";
  EXPECT_EQ(Cell("SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 1"), "Candidato");
}

// Values the statement cannot take: nothing is sent, the person is untouched.
TEST_F(DadosFuncionarioTest, HostileValuesOnTheWriters) {
  struct Case {
    const char* name;
    std::function<void(Employee&)> set;
  };
  const Case cases[] = {
      {"InjectionInOptionalNumber", [](Employee& e) { e.pnNrMatricula = Variant("1 OR 1=1"); }},
      {"EmptyOptionalNumber", [](Employee& e) { e.pkCodCA = Variant(); }},
      {"EmptyTextOptionalNumber", [](Employee& e) { e.pnFichaRegistro = Variant(""); }},
      {"TextInOptionalSingle", [](Employee& e) { e.pnAcrescimoNaoExcedentes = Variant("1') OR ('1"); }},
      {"TextThatIsNoDate", [](Employee& e) { e.pnDataDesligamento = Variant("31/02/x"); }},
  };
  Employee existing;
  existing.Inc(c, Postgres(), desc);
  ASSERT_EQ(desc, "");
  qvtest::Exec(Postgres(), "UPDATE RhsDadosPessoais SET Status = 'Candidato'");
  for (const Case& k : cases) {
    for (const bool insert : {true, false}) {
      Employee e;
      e.pkCodFuncionario = 1;
      k.set(e);
      desc.clear();
      qvtest::Trace trace;
      insert ? e.Inc(c, Postgres(), desc) : e.Alt(c, Postgres(), desc);
      EXPECT_EQ(desc, "13    Quorvel") << k.name << insert;
      EXPECT_FALSE(trace.Sent("INSERT")) << k.name;
      EXPECT_FALSE(trace.Sent("UPDATE")) << k.name;
    }
  }
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDadosFuncionario"), 1);
  EXPECT_EQ(Cell("SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 1"), "Candidato");
}

TEST_F(DadosFuncionarioTest, InsertStatements) {
  Employee e;
  qvtest::Trace trace;
  e.Inc(c, Postgres(), desc);
  ASSERT_EQ(desc, "");
  const std::vector<std::string> expected = {
      "SELECT MAX(CodFuncionario) AS MaxCod FROM RhsDadosFuncionario",
      std::string(kInsertColumns) +
          "VALUES ( 1,  1,  2,  0,  3,  1001, '2005/03/01', '2001/02/01',  1,  3,  4,  7,  '001', '1234-5', "
          "'98765-0',  '2005/03/01', 'S',  Null, '',  2500.5,  1, 'M',  2,  csng('0'),  csng('0.25'),  csng('8.5'),"
          "  csng('44'),  csng('220'), '08:00-17:30',  Null,  csng('0.5'), 'N',  Null, 'S', 'N', 'S', 'N',"
          "  csng('2'), '', 'Direta',  10,  1,  Null, '2005/03/01',  Null,  Null,  Null, 'Ana', '2005/03/02',  0)",
      trace.statements().at(2),  // the person's status, as the person register sends it
  };
  EXPECT_EQ(trace.statements(), expected);
  EXPECT_TRUE(trace.statements().at(2).starts_with("UPDATE RhsDadosPessoais SET Status = 'Funcionário', "));
}

TEST_F(DadosFuncionarioTest, UpdateStatement) {
  Employee e;
  e.Inc(c, Postgres(), desc);
  qvtest::Trace trace;
  e.Alt(c, Postgres(), desc);
  ASSERT_EQ(desc, "");
  const std::vector<std::string> expected = {
      "UPDATE RhsDadosFuncionario SET CodIndividual = 1, CodFilial = 2, CodVaga = 0, CodTipoContrato = 3, "
      "NrMatricula = 1001, DataAdmissao = '2005/03/01', DataPrimAdmissao = '2001/02/01', CodTipoAdmissao = 1, "
      "MotivoContratacao = '3', CodCargo = 4, CodCA = 7, NumBancoPagto = '001', AgenciaPagto = '1234-5', "
      "ContaPagto = '98765-0', DataOpFGTS = '2005/03/01', Optante = 'S', NumBancoFGTS = Null, NrContaFGTS = '', "
      "SalarioContratual = 2500.5, CodTipoSalario = 1, PeriodoPagamento = 'M', NrDepIR = 2, "
      "IndicePericulosidade = 0, IndiceInsalubridade = 0.25, HorasDiarias = 8.5 , HorasSemanais = 44, "
      "HorasMensais = 220, HorarioTrabalho = '08:00-17:30', HorasExtrasNaoExcedentes = Null, "
      "AcrescimoNaoExcedentes = csng('0.5'), ContrSindical = 'N', CodSindicato = Null, ValeRefeicao = 'S', "
      "ValeTransporte = 'N', ConvMedico = 'S', ConvFarmacia = 'N', PercentualSAT = 2, Alvara = '', "
      "MaoDeObra = 'Direta', CodTipoVinculo = 10, NrDepSalFamilia = 1, DataExameMedico = Null, "
      "DataFerias = '2005/03/01', FichaRegistro = Null, DataDesligamento = Null, CodMotivoDeslig = Null, "
      "NomeResponsavel = 'Ana', DataUltimaAtualizacao = '2005/03/02', Gratificacao = 0 WHERE CodFuncionario = 1",
  };
  EXPECT_EQ(trace.statements(), expected);
}

TEST_F(DadosFuncionarioTest, UpdateRewritesTheRecord) {
  SeedEmployees(Postgres());
  Employee e;
  e.pkCodFuncionario = 1;
  e.pkCodIndividual = 4;
  e.pnHorasDiarias = 1.5f;
  e.pnMotivoContratacao = 9;
  e.pkNumBancoFGTS = "237";
  e.pnDataDesligamento = Variant(DateSerial(2007, 12, 31));
  e.pkCodMotivoDeslig = Variant("2");
  e.pnGratificacao = 150.75;
  e.Alt(c, Postgres(), desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Cell("SELECT CodIndividual || '|' || HorasDiarias || '|' || MotivoContratacao || '|' || NumBancoFGTS"
                 " || '|' || DataDesligamento || '|' || CodMotivoDeslig || '|' || Gratificacao"
                 " FROM RhsDadosFuncionario WHERE CodFuncionario = 1"),
            "4|1.5|9|237|2007-12-31|2|150.75");
  EXPECT_EQ(Cell("SELECT CodIndividual FROM RhsDadosFuncionario WHERE CodFuncionario = 2"), "2");
}

TEST_F(DadosFuncionarioTest, OneColumnUpdates) {
  SeedEmployees(Postgres());
  struct Case {
    const char* name;
    std::function<void(DadosFuncionarioTest&, std::int32_t&)> call;
    const char* column;
    const char* value;
    const char* statement;
  };
  const Case cases[] = {
      {"SalFamilia",
       [](DadosFuncionarioTest& t, std::int32_t& key) {
         std::int32_t n = 4;
         t.c.AltNrDepSalFamilia(Postgres(), t.desc, t.user, t.machine, key, n);
       },
       "NrDepSalFamilia", "4", "UPDATE RhsDadosFuncionario SET NrDepSalFamilia = 4 WHERE CodFuncionario = 2"},
      {"IR",
       [](DadosFuncionarioTest& t, std::int32_t& key) {
         std::int32_t n = 0;
         t.c.AltNrDepIR(Postgres(), t.desc, t.user, t.machine, key, n);
       },
       "NrDepIR", "0", "UPDATE RhsDadosFuncionario SET NrDepIR = 0 WHERE CodFuncionario = 2"},
      {"Salario",
       [](DadosFuncionarioTest& t, std::int32_t& key) {
         double s = 3100.25;
         t.c.AltSalarioContratual(Postgres(), t.desc, t.user, t.machine, key, s);
       },
       "SalarioContratual", "3100,25",
       "UPDATE RhsDadosFuncionario SET SalarioContratual = 3100.25 WHERE CodFuncionario = 2"},
  };
  for (const Case& k : cases) {
    std::int32_t key = 2;
    qvtest::Trace trace;
    k.call(*this, key);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(trace.statements(), std::vector<std::string>{k.statement}) << k.name;
    const std::string column = k.column;
    EXPECT_EQ(Cell("SELECT " + column + " FROM RhsDadosFuncionario WHERE CodFuncionario = 2"), k.value);
    EXPECT_NE(Cell("SELECT " + column + " FROM RhsDadosFuncionario WHERE CodFuncionario = 1"), k.value);
  }
  // A count out of the column's range goes to the database, which refuses it.
  std::int32_t key = 2, big = 70000;
  c.AltNrDepIR(Postgres(), desc, user, machine, key, big);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
}

TEST_F(DadosFuncionarioTest, FindsThePersonsEmployeeKey) {
  SeedEmployees(Postgres());
  struct Case {
    std::int32_t person;
    std::int32_t key;
  };
  for (const Case& k : {Case{2, 2}, Case{3, 3}, Case{4, -1}, Case{99, -1}}) {
    std::int32_t person = k.person;
    EXPECT_EQ(c.fBusCodFuncionario(Postgres(), desc, person), k.key) << k.person;
  }
  EXPECT_EQ(desc, "");
}

TEST_F(DadosFuncionarioTest, FailureGivesZero) {
  ado::Connection& conn = qvtest::Sqlite();
  qvtest::Exec(conn, "ALTER TABLE RhsDadosFuncionario RENAME TO RhsDadosFuncionarioFora");
  std::int32_t person = 1;
  const std::int32_t key = c.fBusCodFuncionario(conn, desc, person);
  qvtest::Exec(conn, "ALTER TABLE RhsDadosFuncionarioFora RENAME TO RhsDadosFuncionario");
  EXPECT_EQ(key, 0);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
}

class DadosFuncionarioListTest : public qvtest::ListTest<DadosFuncionarioTest> {};

TEST_P(DadosFuncionarioListTest, Filters) {
  Reset(conn());
  SeedEmployees(conn());
  auto f = Args(18);
  Variant list = qvtest::kUntouchedList;
  c.CarDadosFuncionario(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11],
                        f[12], f[13], f[14], f[15], f[16], f[17]);
  ExpectList(desc, list, {});
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "2 3 1"},
    {"PersonPattern", Filters::At({{0, Variant("3")}}), "3"},
    {"KeyPattern", Filters::At({{1, Variant("%")}}), "2 3 1"},
    {"LowerCaseName", Filters::At({{2, Variant("jo%")}}), "3 1"},
    // Without UPPER, SQLite's LIKE folds ASCII letters only.
    {"PortugueseLetters", Filters::At({{2, Variant("joão%")}}), "1"},
    {"QuoteInName", Filters::At({{2, Variant("maria o'b%")}}), "2"},
    {"InjectionInName", Filters::At({{2, Variant("x' OR '1'='1")}}), ""},
    {"Branch", Filters::At({{3, Variant(std::int32_t{5})}}), "2"},
    {"BranchAsDigits", Filters::At({{3, Variant("2")}}), "3 1"},
    {"AdmissionDate", Filters::At({{6, Variant(DateSerial(2004, 1, 5))}}), "3"},
    {"Union", Filters::At({{10, Variant(std::int32_t{5})}}), "3"},
    {"LeavingReason", Filters::At({{11, Variant(std::int32_t{2})}}), "2"},
    {"Several", Filters::At({{3, Variant(std::int32_t{2})}, {17, Variant("N")}, {2, Variant("%")}}), "3 1"},
    {"OnlyTheLast", Filters::At({{17, Variant("S")}}), ""},
    {"TransportVoucher", Filters::At({{14, Variant("S")}}), "2"},
    {"InjectionInNumber", Filters::At({{3, Variant("1 OR 1=1")}}), "", "13    Quorvel"},
    {"EmptyNumber", Filters::At({{7, Variant()}}), "", "13    Quorvel"},
    {"EmptyTextNumber", Filters::At({{8, Variant("")}}), "", "13    Quorvel"},
    {"TextThatIsNoDate", Filters::At({{6, Variant("amanhã")}}), "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, DadosFuncionarioListTest, qvtest::OnBothDatabases(kListCases),
                         qvtest::DatabaseCaseName());

TEST_F(DadosFuncionarioTest, ListStatement) {
  SeedEmployees(Postgres());
  std::vector<Variant> f(18, kNull);
  f[2] = Variant("jo%");
  Variant list;
  qvtest::Trace trace;
  c.CarDadosFuncionario(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10],
                        f[11], f[12], f[13], f[14], f[15], f[16], f[17]);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            std::vector<std::string>{
                "SELECT RhsDadosFuncionario.CodIndividual, RhsDadosFuncionario.CodFuncionario, RhsDadosPessoais.Nome, "
                "RhsDadosFuncionario.DataAdmissao, RhsDadosFuncionario.DataDesligamento FROM ( RhsDadosPessoais "
                "INNER JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodIndividual = RhsDadosPessoais.CodIndividual) "
                "WHERE UPPER(Nome) LIKE 'JO%' ORDER BY DataAdmissao"});
}

TEST_F(DadosFuncionarioTest, ListColumns) {
  SeedEmployees(Postgres());
  std::vector<Variant> f(18, kNull);
  Variant list;
  c.CarDadosFuncionario(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10],
                        f[11], f[12], f[13], f[14], f[15], f[16], f[17]);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodFuncionario"), Variant("Nome"), Variant("DataAdmissao"),
                                           Variant("DataDesligamento"), Variant("CodIndividual")}));
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{2}), Variant("Maria O'Brien"),
                                           Variant(DateSerial(2003, 7, 15)), Variant(DateSerial(2006, 1, 31)),
                                           Variant(std::int32_t{2})}));
  EXPECT_EQ(rows[2][3], Variant("  /  /    "));
  // Only people with an employment record.
  EXPECT_EQ(qvtest::Column(list, 4).size(), 3u);
}

TEST_F(DadosFuncionarioTest, FetchesTheWholeRecord) {
  qvtest::Exec(Postgres(),
               "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (2, 'Matriz');"
               "INSERT INTO RhsTipoAdmissao VALUES (1, 'Primeiro emprego');"
               "INSERT INTO RhsCargo VALUES (4, 'Analista', '317110', 1000);"
               "INSERT INTO RhsBanco VALUES (1, 'Banco do Brasil', 'Banco do Brasil S.A.'), (237, 'Bradesco', 'B');"
               "INSERT INTO RhsTipoSalario VALUES (1, 'Mensalista');"
               "INSERT INTO RhsSindicato (CodSindicato, NomeSind) VALUES (5, 'Sindicato dos Comerciários');"
               "INSERT INTO RhsTipoVinculoEmpregaticio VALUES (10, 'CLT');"
               "INSERT INTO RhsMotivoDeslig VALUES (2, 'Pedido de demissão');"
               "INSERT INTO RhsTipoContrato (CodTipoContrato, DescrTipoContrato) VALUES (3, 'Indeterminado')");
  Employee e;
  e.pkNumBancoFGTS = "237";
  e.pkCodSindicato = Variant(std::int32_t{5});
  e.pkCodMotivoDeslig = Variant(std::int32_t{2});
  e.pnGratificacao = 99.5;
  e.Inc(c, Postgres(), desc);
  ASSERT_EQ(desc, "");

  Variant record;
  std::int32_t key = 1;
  c.BusDadosFuncionario(Postgres(), desc, record, key);
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(record);
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(rows[0].size(), 64u);
  struct Case {
    int col;
    const char* caption;
    Variant value;
  };
  const Case cases[] = {
      {0, "Nome", Variant("João Pereira")},
      {1, "DataNasc", Variant(DateSerial(1980, 5, 10))},
      {3, "CodFuncionario", Variant(std::int32_t{1})},
      {6, "NomeFil", Variant("Matriz")},
      {11, "TipoAdmissao", Variant("Primeiro emprego")},
      {14, "NomeCargo", Variant("Analista")},
      {15, "CodCBO", Variant("317110")},
      {17, "NomeSetor", Variant("")},
      {18, "NumBancoPagto", Variant("001")},
      {19, "NomeBancoPagto", Variant("Banco do Brasil")},
      {25, "NomeBancoFGTS", Variant("Bradesco")},
      {30, "TipoSalario", Variant("Mensalista")},
      {42, "NomeSind", Variant("Sindicato dos Comerciários")},
      {51, "TipoVinculo", Variant("CLT")},
      {54, "DataFerias", Variant(DateSerial(2005, 3, 1))},
      {56, "DataDesligamento", kNull},
      {58, "MotivoDeslig", Variant("Pedido de demissão")},
      {62, "DescrTipoContrato", Variant("Indeterminado")},
      {63, "Gratificacao", Variant(99.5)},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(rows[0][k.col], Variant(k.caption)) << k.col;
    EXPECT_EQ(rows[1][k.col], k.value) << k.caption;
  }
}

TEST_F(DadosFuncionarioTest, FetchWithoutLookupsOrRow) {
  Employee e;
  e.pkNumBancoPagto = "";
  e.Inc(c, Postgres(), desc);
  qvtest::Exec(Postgres(), "UPDATE RhsDadosFuncionario SET Gratificacao = NULL");
  Variant record("old");
  std::int32_t key = 1;
  c.BusDadosFuncionario(Postgres(), desc, record, key);
  ASSERT_EQ(desc, "");
  auto rows = qvtest::Rows(record);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(rows[1][18].is_null());
  EXPECT_TRUE(rows[1][19].is_null());
  EXPECT_TRUE(rows[1][25].is_null());
  EXPECT_TRUE(rows[1][6].is_null());
  EXPECT_EQ(rows[1][17], Variant(""));
  EXPECT_EQ(rows[1][63], Variant(std::int16_t{0}));

  key = 77;
  desc = "before";
  c.BusDadosFuncionario(Postgres(), desc, record, key);
  EXPECT_EQ(desc, "before");
  rows = qvtest::Rows(record);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].size(), 64u);
  EXPECT_EQ(rows[0][63], Variant("Gratificacao"));
}

class VacationBaseDateTest : public DadosFuncionarioTest {
 public:
  void SetUp() override {
    DadosFuncionarioTest::SetUp();
    SeedEmployees(Postgres());
    // Employee 1 has three vacation records, employee 3 one with no previous base, employee 2 none.
    qvtest::Exec(Postgres(),
                 "UPDATE RhsDadosFuncionario SET DataFerias = '2006-03-01' WHERE CodFuncionario = 1;"
                 "INSERT INTO RhsFerias (CodRegFerias, CodFuncionario, DtBaseAnterior) VALUES"
                 " (1, 1, '2004-01-10'), (2, 1, '2004-01-10'), (3, 1, '2004-01-10'), (4, 3, NULL)");
  }
  std::string Base(int employee) {
    return Cell("SELECT DataFerias FROM RhsDadosFuncionario WHERE CodFuncionario = " + std::to_string(employee));
  }
  std::string Previous(int employee) {
    return Cell("SELECT string_agg(coalesce(DtBaseAnterior::text, 'Null'), ' ' ORDER BY CodRegFerias) "
                "FROM RhsFerias WHERE CodFuncionario = " + std::to_string(employee));
  }
};

TEST_F(VacationBaseDateTest, KeepsTheBaseDateWithTheVacationRecords) {
  std::int32_t key = 1;
  c.pIncDataBaseFerias(Postgres(), desc, user, machine, key);
  EXPECT_EQ(Previous(1), "2006-03-01 2006-03-01 2006-03-01");
  EXPECT_EQ(Previous(3), "Null");

  qvtest::Exec(Postgres(), "UPDATE RhsFerias SET DtBaseAnterior = '2004-01-10' WHERE CodFuncionario = 1");
  Variant none = kNull;
  c.pAltDataBaseFerias(Postgres(), desc, user, machine, key, none);
  EXPECT_EQ(Base(1), "10/01/2004");
  Variant date(DateSerial(2007, 6, 30));
  c.pAltDataBaseFerias(Postgres(), desc, user, machine, key, date);
  EXPECT_EQ(Base(1), "30/06/2007");
  EXPECT_EQ(desc, "");

  // Without vacation records nothing changes, also with a date.
  key = 2;
  c.pAltDataBaseFerias(Postgres(), desc, user, machine, key, date);
  c.pIncDataBaseFerias(Postgres(), desc, user, machine, key);
  EXPECT_EQ(Base(2), "01/03/2005");
  key = 99;
  c.pIncDataBaseFerias(Postgres(), desc, user, machine, key);
  c.pAltDataBaseFerias(Postgres(), desc, user, machine, key, none);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsFerias WHERE DtBaseAnterior IS NULL"), 1);
}

TEST_F(VacationBaseDateTest, NullDatesAreNotWritten) {
  struct Case {
    const char* name;
    std::function<void(VacationBaseDateTest&)> call;
    const char* desc;
  };
  const Case cases[] = {
      {"RestoreWithoutPrevious",
       [](VacationBaseDateTest& t) {
         std::int32_t key = 3;
         Variant none = kNull;
         t.c.pAltDataBaseFerias(Postgres(), t.desc, t.user, t.machine, key, none);
       },
       "94    Quorvel"},
      {"KeepWithoutBase",
       [](VacationBaseDateTest& t) {
         qvtest::Exec(Postgres(), "UPDATE RhsDadosFuncionario SET DataFerias = NULL WHERE CodFuncionario = 1");
         std::int32_t key = 1;
         t.c.pIncDataBaseFerias(Postgres(), t.desc, t.user, t.machine, key);
       },
       "94    Quorvel"},
      {"TextThatIsNoDate",
       [](VacationBaseDateTest& t) {
         std::int32_t key = 1;
         Variant text("x' OR '1'='1");
         t.c.pAltDataBaseFerias(Postgres(), t.desc, t.user, t.machine, key, text);
       },
       "13    Quorvel"},
  };
  for (const Case& k : cases) {
    desc.clear();
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_FALSE(trace.Sent("UPDATE")) << k.name;
  }
  EXPECT_EQ(Base(3), "01/03/2005");
  EXPECT_EQ(Previous(1), "2004-01-10 2004-01-10 2004-01-10");
}

TEST_F(VacationBaseDateTest, Statements) {
  std::int32_t key = 1;
  Variant none = kNull;
  qvtest::Trace trace;
  c.pIncDataBaseFerias(Postgres(), desc, user, machine, key);
  c.pAltDataBaseFerias(Postgres(), desc, user, machine, key, none);
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{
                "SELECT DataFerias FROM RhsDadosFuncionario WHERE CodFuncionario = 1",
                "UPDATE RhsFerias SET DtBaseAnterior = '2006/03/01' WHERE CodFuncionario = 1",
                "SELECT DtBaseAnterior FROM RhsFerias WHERE CodFuncionario = 1",
                "UPDATE RhsDadosFuncionario SET DataFerias = '2006/03/01' WHERE CodFuncionario = 1",
            }));
}

TEST_F(DadosFuncionarioTest, SqliteStoresTheSinglesAsNumbers) {
  ado::Connection& conn = qvtest::Sqlite();
  Reset(conn);
  Employee e;
  e.pnHorasDiarias = 7.25f;
  e.Inc(c, conn, desc);
  ASSERT_EQ(desc, "");
  e.pnIndiceInsalubridade = 1.5f;
  e.Alt(c, conn, desc);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(qvtest::Scalar(conn, "SELECT typeof(HorasDiarias) || ' ' || HorasDiarias || ' ' || "
                                 "IndiceInsalubridade || ' ' || AcrescimoNaoExcedentes FROM RhsDadosFuncionario"),
            Variant("real 7.25 1.5 0.5"));
  EXPECT_EQ(Cell("SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 1", conn), "Funcionário");
}

TEST_F(DadosFuncionarioTest, DispatchByName) {
  SeedEmployees(Postgres());
  com::DispatchObject<quorvel::classDadosFuncionario> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> find{conn, Variant(""), Variant("3")};
  com::CallResult r = object.Invoke("fbuscodfuncionario", find);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(std::int32_t{3}));
  EXPECT_EQ(find[1], Variant(""));

  std::vector<Variant> bus{conn, Variant(""), Variant(), Variant("2")};
  r = object.Invoke("BusDadosFuncionario", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(qvtest::Rows(bus[2])[1][0], Variant("Maria O'Brien"));
}

}  // namespace
