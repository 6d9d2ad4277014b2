// SPDX-License-Identifier: MIT
// classVaga against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classVaga.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Date;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

const Variant kNull(Null);
constexpr Date kMarch1{45352}, kMarch2{45353}, kMay1{45413};

// The 25 column arguments of the insert and the update.
struct Columns {
  std::int32_t filial = 10, cargo = 1;
  std::uint8_t solicitada = 2;
  Date data = kMarch1;
  std::uint8_t motivo = 1;
  std::int32_t tipo = 1;
  std::uint8_t selecionada = 0, contratada = 0;
  Variant idade_min = Variant(std::int32_t{18}), idade_max = Variant(std::int32_t{30});
  std::string sexo = "F";
  std::int32_t grau = 2;
  std::uint8_t anos = 1, meses = 6;
  std::string horario = "08:00-17:00";
  Variant salario = Variant(3500.5);
  std::string vt = "S", vr = "S", medico = "N", farmacia = "N", atividades = "Atendimento";
  Date atualizacao = kMarch2;
  std::string status = "A";
  Variant encerramento = kNull, motivo_encerramento = kNull;
};

// The 31 outputs of the fetch, starting as recognisable old values.
struct Fetched {
  std::int32_t key = -1, filial = -1, cargo = -1, tipo = -1, grau = -1;
  std::string nome_fil = "old", nome_cargo = "old", sexo = "old", grau_instrucao = "old", horario = "old",
              vt = "old", vr = "old", medico = "old", farmacia = "old", atividades = "old", status = "old",
              descr_motivo = "old";
  std::uint8_t solicitada = 99, motivo = 99, selecionada = 99, contratada = 99, anos = 99, meses = 99;
  Date data{-1}, atualizacao{-1};
  Variant descr_tipo = Variant("old"), idade_min = Variant("old"), idade_max = Variant("old"),
          salario = Variant("old"), encerramento = Variant("old"), motivo_encerramento = Variant("old");
};

class VagaTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsVaga; DELETE FROM RhsFilial; DELETE FROM CadGeral; DELETE FROM RhsCargo;"
                 "DELETE FROM RhsTipoContrato; DELETE FROM RhsGrauInstrucao; DELETE FROM RhsMotivoEncerramento;"
                 "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (10, 'Matriz São Paulo'), (20, 'Filial Campinas');"
                 "INSERT INTO CadGeral (CodGeral, Nome) VALUES (10, 'Matriz (geral)'), (20, 'Campinas (geral)');"
                 "INSERT INTO RhsCargo (CodCargo, NomeCargo) VALUES (1, 'Analista'), (2, 'Vigilante');"
                 "INSERT INTO RhsTipoContrato (CodTipoContrato, DescrTipoContrato) VALUES (1, 'CLT'), (2, 'Estágio');"
                 "INSERT INTO RhsGrauInstrucao VALUES (1, 'Fundamental'), (2, 'Médio'), (3, 'Superior');"
                 "INSERT INTO RhsMotivoEncerramento VALUES (1, 'Preenchida');"
                 "INSERT INTO RhsVaga VALUES"
                 " (1, 10, 1, 2, '2024-03-01', 1, 1, 0, 0, 18, 30, 'F', 2, 1, 6, '08:00-17:00', 3500.5,"
                 "  'S', 'S', 'N', 'N', 'Atendimento', '2024-03-02', 'A', NULL, NULL),"
                 " (2, 10, 2, 1, '2024-04-01', 2, 2, 1, 0, NULL, NULL, 'M', 3, 0, 0, 'Noite', 950.5,"
                 "  'N', 'S', 'S', 'N', 'Vigia', '2024-04-02', 'F', '2024-05-01', 1),"
                 " (3, 20, 1, 3, '2024-02-01', 3, 1, 2, 1, 25, 40, 'I', 1, 2, 0, 'Livre', 7000,"
                 "  'S', 'N', 'S', 'S', 'Dev', '2024-02-02', 'A', NULL, NULL),"
                 " (12, 30, 9, 1, '2024-01-01', 1, 7, 0, 0, NULL, NULL, 'I', 9, 0, 0, '', NULL,"
                 "  'N', 'N', 'N', 'N', '', '2024-01-02', 'E', NULL, 5)");
  }
  std::int32_t Insert(Columns& k) {
    std::int32_t key = -1;
    c.IncVaga(Postgres(), desc, user, machine, key, k.filial, k.cargo, k.solicitada, k.data, k.motivo, k.tipo,
              k.selecionada, k.contratada, k.idade_min, k.idade_max, k.sexo, k.grau, k.anos, k.meses, k.horario,
              k.salario, k.vt, k.vr, k.medico, k.farmacia, k.atividades, k.atualizacao, k.status, k.encerramento,
              k.motivo_encerramento);
    return key;
  }
  void Update(std::int32_t key, Columns& k) {
    c.AltVaga(Postgres(), desc, user, machine, key, k.filial, k.cargo, k.solicitada, k.data, k.motivo, k.tipo,
              k.selecionada, k.contratada, k.idade_min, k.idade_max, k.sexo, k.grau, k.anos, k.meses, k.horario,
              k.salario, k.vt, k.vr, k.medico, k.farmacia, k.atividades, k.atualizacao, k.status, k.encerramento,
              k.motivo_encerramento);
  }
  Fetched Fetch(std::int32_t key) {
    Fetched f;
    f.key = key;
    c.BusVaga(Postgres(), desc, f.key, f.filial, f.nome_fil, f.cargo, f.nome_cargo, f.solicitada, f.data, f.motivo,
              f.tipo, f.descr_tipo, f.selecionada, f.contratada, f.idade_min, f.idade_max, f.sexo, f.grau,
              f.grau_instrucao, f.anos, f.meses, f.horario, f.salario, f.vt, f.vr, f.medico, f.farmacia,
              f.atividades, f.atualizacao, f.status, f.encerramento, f.motivo_encerramento, f.descr_motivo);
    return f;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(
        Postgres(),
        "SELECT concat_ws('|', CodFilial, CodCargo, QuantSolicitada, DataSolicitacao, MotivoSolicitacao, "
        "CodTipoContrato, QuantSelecionada, QuantContratada, coalesce(IdadeMin::text, 'Null'), "
        "coalesce(IdadeMax::text, 'Null'), Sexo, CodGrauInstrMin, ExperMinAnos, ExperMinMeses, HorarioTrabalho, "
        "coalesce(SalarioOferecido::text, 'Null'), ValeTransporte, ValeRefeicao, ConvMedico, ConvFarmacia, "
        "Atividades, UltAtualizacao, Status, coalesce(DataEncerramento::text, 'Null'), "
        "coalesce(CodMotivoEncerramento::text, 'Null')) FROM RhsVaga WHERE CodVaga = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }
  std::string Counters(std::int32_t key) {
    return automation::CStr(qvtest::Scalar(Postgres(), "SELECT QuantSelecionada || '/' || QuantContratada FROM "
                                                       "RhsVaga WHERE CodVaga = " + std::to_string(key)));
  }

  quorvel::classVaga c;
  std::string desc, user = "ana", machine = "estacao1";
};

constexpr const char* kFirstRow =
    "10|1|2|2024-03-01|1|1|0|0|18|30|F|2|1|6|08:00-17:00|3500.5|S|S|N|N|Atendimento|2024-03-02|A|Null|Null";

TEST_F(VagaTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsVaga");
  Columns k;
  EXPECT_EQ(Insert(k), 1);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), kFirstRow);
  qvtest::Exec(Postgres(), "UPDATE RhsVaga SET CodVaga = 41");
  Columns all_null;
  all_null.idade_min = all_null.idade_max = all_null.salario = kNull;
  all_null.sexo = "O'Brien";
  all_null.atividades = "x' OR '1'='1";
  EXPECT_EQ(Insert(all_null), 42);
  EXPECT_EQ(Row(42), "10|1|2|2024-03-01|1|1|0|0|Null|Null|O'Brien|2|1|6|08:00-17:00|Null|S|S|N|N|x' OR '1'='1|"
                     "2024-03-02|A|Null|Null");
}

TEST_F(VagaTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  Columns k;
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "UPDATE RhsVaga SET CodVaga = 2147483647 WHERE CodVaga = 12", "RhsVaga", [&] { return Insert(k); }, desc);
}

TEST_F(VagaTest, OptionalValuesOnInsertAndUpdate) {
  struct Case {
    const char* name;
    std::function<void(Columns&)> set;
    const char* desc;
    const char* stored;  // columns IdadeMin|IdadeMax|Salario|Encerramento|Motivo, or "(none)"
  };
  const Case cases[] = {
      {"Numbers", [](Columns&) {}, "", "18|30|3500.5|Null|Null"},
      {"SalaryWithDecimalComma", [](Columns& k) { k.salario = Variant("950,5"); }, "", "18|30|950.5|Null|Null"},
      {"AgesAsText", [](Columns& k) { k.idade_min = Variant("21"); }, "", "21|30|3500.5|Null|Null"},
      {"Closed",
       [](Columns& k) {
         k.encerramento = Variant(kMay1);
         k.motivo_encerramento = Variant(std::int32_t{1});
       },
       "", "18|30|3500.5|2024-05-01|1"},
      {"ClosingDateAsText", [](Columns& k) { k.encerramento = Variant("not a date"); }, "13    Quorvel", "(none)"},
      {"InjectionInAge", [](Columns& k) { k.idade_min = Variant("1 OR 1=1"); }, "13    Quorvel", "(none)"},
      {"EmptyAge", [](Columns& k) { k.idade_max = Variant(); }, "13    Quorvel", "(none)"},
      {"EmptyTextSalary", [](Columns& k) { k.salario = Variant(""); }, "13    Quorvel", "(none)"},
      {"InjectionInReason", [](Columns& k) { k.motivo_encerramento = Variant("1); DROP TABLE RhsVaga; --"); },
       "13    Quorvel", "(none)"},
  };
  const auto stored = [](std::int32_t key) {
    const Variant v = qvtest::Scalar(
        Postgres(), "SELECT concat_ws('|', coalesce(IdadeMin::text, 'Null'), coalesce(IdadeMax::text, 'Null'), "
                    "coalesce(SalarioOferecido::text, 'Null'), coalesce(DataEncerramento::text, 'Null'), "
                    "coalesce(CodMotivoEncerramento::text, 'Null')) FROM RhsVaga WHERE CodVaga = " +
                        std::to_string(key));
    return v.is_empty() ? std::string("(none)") : automation::CStr(v);
  };
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(), "DELETE FROM RhsVaga");
    Columns values;
    k.set(values);
    desc.clear();
    const std::int32_t key = Insert(values);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(key, 1) << k.name;
    EXPECT_EQ(stored(1), k.stored) << k.name;
    // The update writes the same forms over a stored row.
    qvtest::Exec(Postgres(), "DELETE FROM RhsVaga");
    Columns plain;
    Insert(plain);
    desc.clear();
    Update(1, values);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(stored(1), *k.desc ? "18|30|3500.5|Null|Null" : k.stored) << k.name;
  }
}

TEST_F(VagaTest, UpdateRewritesEveryColumn) {
  Columns k;
  k.filial = 20;
  k.cargo = 2;
  k.solicitada = 255;
  k.selecionada = 7;
  k.contratada = 3;
  k.status = "F";
  k.encerramento = Variant(kMay1);
  k.motivo_encerramento = Variant(std::int32_t{1});
  desc = "texto anterior";
  Update(3, k);
  std::int32_t missing = 99;
  Update(missing, k);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "20|2|255|2024-03-01|1|1|7|3|18|30|F|2|1|6|08:00-17:00|3500.5|S|S|N|N|Atendimento|2024-03-02|F|"
                    "2024-05-01|1");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsVaga"), 4);
}

TEST_F(VagaTest, CountersMoveBySignedAmounts) {
  struct Case {
    bool hired;
    std::int32_t amount;
    const char* counters;  // selected/hired of vacancy 3 after the call, starting at 2/1
  };
  const Case cases[] = {{true, 0, "2/1"}, {true, 3, "2/4"}, {true, -1, "2/0"},
                        {false, 2, "4/1"}, {false, -2, "0/1"}, {false, -3, "-1/1"}};
  for (const Case& k : cases) {
    qvtest::Exec(Postgres(), "UPDATE RhsVaga SET QuantSelecionada = 2, QuantContratada = 1 WHERE CodVaga = 3");
    std::int32_t key = 3, amount = k.amount;
    desc.clear();
    if (k.hired)
      c.pAltQuantContratada(Postgres(), desc, user, machine, key, amount);
    else
      c.pAltQuantSelecionada(Postgres(), desc, user, machine, key, amount);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(Counters(3), k.counters) << k.hired << " " << k.amount;
    EXPECT_EQ(Counters(1), "0/0");
  }
}

TEST_F(VagaTest, Fetch) {
  Fetched f = Fetch(1);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.key, 1);
  EXPECT_EQ(f.filial, 10);
  EXPECT_EQ(f.nome_fil, "Matriz (geral)") << "the branch name of the general register";
  EXPECT_EQ(f.nome_cargo, "Analista");
  EXPECT_EQ(f.solicitada, 2);
  EXPECT_EQ(f.data, kMarch1);
  EXPECT_EQ(f.descr_tipo, Variant("CLT"));
  EXPECT_EQ(f.idade_min, Variant(18.0));
  EXPECT_EQ(f.grau_instrucao, "Médio");
  EXPECT_EQ(f.meses, 6);
  EXPECT_EQ(f.salario, Variant(3500.5));
  EXPECT_EQ(f.atividades, "Atendimento");
  EXPECT_EQ(f.atualizacao, kMarch2);
  EXPECT_EQ(f.status, "A");
  EXPECT_TRUE(f.encerramento.is_null());
  EXPECT_TRUE(f.motivo_encerramento.is_null());
  EXPECT_EQ(f.descr_motivo, "") << "an open vacancy";

  f = Fetch(2);
  EXPECT_EQ(desc, "");
  EXPECT_TRUE(f.idade_min.is_null());
  EXPECT_EQ(f.encerramento, Variant(kMay1));
  EXPECT_EQ(f.motivo_encerramento, Variant(std::int32_t{1}));
  EXPECT_EQ(f.descr_motivo, "Preenchida");
}

TEST_F(VagaTest, FetchErrors) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsVaga (CodVaga, CodFilial, CodCargo, QuantSolicitada) VALUES (20, 10, 1, 300);"
                           "INSERT INTO RhsVaga SELECT 21, 10, 1, 1, DataSolicitacao, MotivoSolicitacao, 9, "
                           "0, 0, NULL, NULL, 'M', 9, 0, 0, '', NULL, '', '', '', '', '', UltAtualizacao, '', NULL, 5 "
                           "FROM RhsVaga WHERE CodVaga = 1");
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t filial;
    const char* nome_fil;
    const char* nome_cargo;
    const char* grau_instrucao;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", -1, "old", "old", "old"},
      {12, "94    Quorvel", 30, "old", "old", "old"},             // a branch missing from the general register
      {20, "6    Quorvel", 10, "Matriz (geral)", "Analista", "old"},  // 300 requested: no Byte
      {21, "94    Quorvel", 10, "Matriz (geral)", "Analista", "old"},  // a degree missing
  };
  for (const Case& k : cases) {
    desc.clear();
    const Fetched f = Fetch(k.key);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(f.key, k.key);
    EXPECT_EQ(f.filial, k.filial) << k.key;
    EXPECT_EQ(f.nome_fil, k.nome_fil) << k.key;
    EXPECT_EQ(f.nome_cargo, k.nome_cargo) << k.key;
    EXPECT_EQ(f.grau_instrucao, k.grau_instrucao) << k.key;
  }
  const Fetched f = Fetch(21);
  EXPECT_TRUE(f.descr_tipo.is_null()) << "a missing contract type does not fail";
  EXPECT_EQ(f.sexo, "M");
}

class VagaListTest : public qvtest::ListTest<VagaTest> {};

TEST_P(VagaListTest, Filters) {
  Seed(conn());
  auto f = Args(18);
  Variant list = qvtest::kUntouchedList;
  c.CarVaga(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12],
            f[13], f[14], f[15], f[16], f[17]);
  ExpectList(desc, list,
             qvtest::Texts({"CodVaga", "NomeFil", "NomeCargo", "DescrTipoContrato", "QuantSolicitada",
                            "QuantSelecionada", "QuantContratada", "Status", "CodFilial", "CodCargo"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "3 1 2 12", "", "12 3 1 2"},  // Null names sort first on SQLite
    {"KeyPattern", Filters::At({{0, Variant("1%")}}), "1 12", "", "12 1"},
    {"Branch", Filters::At({{1, Variant("10")}}), "1 2"},
    {"BranchName", Filters::At({{2, Variant("%paulo")}}), "1 2"},
    {"BranchNamePortuguese", Filters::At({{2, Variant("matriz são%")}}), "1 2"},
    {"Position", Filters::At({{3, Variant(std::int32_t{1})}}), "3 1"},
    {"PositionName", Filters::At({{4, Variant("vig%")}}), "2"},
    {"Reason", Filters::At({{5, Variant(std::int32_t{2})}}), "2"},
    {"ContractType", Filters::At({{6, Variant("2")}}), "2"},
    {"SalaryWithDecimalComma", Filters::At({{7, Variant("950,50")}}), "3 1 2"},
    {"Salary", Filters::At({{7, Variant(3500.5)}}), "3 1"},
    {"TransportVoucher", Filters::At({{8, Variant("S")}}), "3 1"},
    {"MealVoucher", Filters::At({{9, Variant("N")}}), "3 12", "", "12 3"},
    {"MedicalPlan", Filters::At({{10, Variant("S")}}), "3 2"},
    {"PharmacyPlan", Filters::At({{11, Variant("S")}}), "3"},
    {"MinimumAge", Filters::At({{12, Variant(std::int32_t{20})}}), "3"},
    {"MaximumAge", Filters::At({{13, Variant("30")}}), "1"},
    {"Sex", Filters::At({{14, Variant("F")}}), "1"},
    {"Degree", Filters::At({{15, Variant(std::int32_t{2})}}), "1 2 12", "", "12 1 2"},
    {"Status", Filters::At({{16, Variant("A")}}), "3 1"},
    {"ClosingReason", Filters::At({{17, Variant(std::int32_t{1})}}), "2"},
    {"Several", Filters::At({{0, Variant("%")}, {12, Variant(std::int32_t{18})}, {16, Variant("A")}}), "3 1"},
    {"EmptyStatus", Filters::At({{16, Variant("")}}), ""},
    {"QuoteInStatus", Filters::At({{16, Variant("x' OR '1'='1")}}), ""},
    {"QuoteInKey", Filters::At({{0, Variant("1' OR '1'='1")}}), ""},
    {"InjectionInAge", Filters::At({{12, Variant("1 OR 1=1")}}), "", "13    Quorvel"},
    {"EmptyAge", Filters::At({{13, Variant()}}), "", "13    Quorvel"},
    {"EmptyTextSalary", Filters::At({{7, Variant("")}}), "", "13    Quorvel"},
    {"TextReason", Filters::At({{17, Variant("abc")}}), "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, VagaListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(VagaTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(VagaTest&)> call;
    std::vector<std::string> statements;
  };
  const std::string head =
      "SELECT CodVaga, NomeFil, NomeCargo, DescrTipoContrato, QuantSolicitada, QuantSelecionada, QuantContratada, "
      "Status, RhsVaga.CodFilial, RhsVaga.CodCargo FROM ((( RhsVaga LEFT JOIN RhsFilial ON RhsFilial.CodFilial = "
      "RhsVaga.CodFilial) LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsVaga.CodCargo) LEFT JOIN RhsTipoContrato ON "
      "RhsTipoContrato.CodTipoContrato = RhsVaga.CodTipoContrato) ";
  const auto list = [](ado::Connection& conn, std::vector<std::pair<int, Variant>> filters) {
    return [&conn, filters](VagaTest& t) {
      std::vector<Variant> f(18, kNull);
      for (const auto& [i, v] : filters) f[static_cast<std::size_t>(i)] = v;
      Variant l;
      t.c.CarVaga(conn, t.desc, l, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11],
                  f[12], f[13], f[14], f[15], f[16], f[17]);
    };
  };
  const Case cases[] = {
      {"Hired",
       [](VagaTest& t) {
         std::int32_t key = 5, amount = 2;
         t.c.pAltQuantContratada(Postgres(), t.desc, t.user, t.machine, key, amount);
       },
       {"UPDATE RhsVaga SET QuantContratada = QuantContratada + 2 WHERE CodVaga = 5"}},
      {"SelectedDown",
       [](VagaTest& t) {
         std::int32_t key = 5, amount = -2147483647 - 1;
         t.c.pAltQuantSelecionada(Postgres(), t.desc, t.user, t.machine, key, amount);
       },
       {"UPDATE RhsVaga SET QuantSelecionada = QuantSelecionada - 2147483648 WHERE CodVaga = 5"}},
      {"Inc",
       [](VagaTest& t) {
         qvtest::Exec(Postgres(), "DELETE FROM RhsVaga");
         Columns k;
         k.salario = Variant("950,5");
         k.horario = "O'Brien";
         t.Insert(k);
       },
       {"SELECT MAX(CodVaga) AS MaxCod FROM RhsVaga",
        "INSERT INTO RhsVaga (CodVaga, CodFilial, CodCargo, QuantSolicitada, DataSolicitacao, MotivoSolicitacao, "
        "CodTipoContrato, QuantSelecionada, QuantContratada, IdadeMin, IdadeMax, Sexo, CodGrauInstrMin, "
        "ExperMinAnos, ExperMinMeses, HorarioTrabalho, SalarioOferecido, ValeTransporte, ValeRefeicao, ConvMedico, "
        "ConvFarmacia, Atividades, UltAtualizacao, Status, DataEncerramento, CodMotivoEncerramento) VALUES ( 1,  "
        "10,  1,  2, '2024/03/01',  1,  1,  0,  0,  18,  30, 'F',  2,  1,  6, 'O''Brien',  950.5, 'S', 'S', 'N', "
        "'N', 'Atendimento', '2024/03/02', 'A',  Null,  Null) "}},
      {"Alt",
       [](VagaTest& t) {
         Columns k;
         k.encerramento = Variant(kMay1);
         k.motivo_encerramento = Variant(std::int32_t{1});
         t.Update(7, k);
       },
       {"UPDATE RhsVaga SET CodFilial = 10, CodCargo = 1, QuantSolicitada = 2, DataSolicitacao = '2024/03/01', "
        "MotivoSolicitacao = 1, CodTipoContrato = 1, QuantSelecionada = 0, QuantContratada = 0, IdadeMin = 18, "
        "IdadeMax = 30, Sexo = 'F', CodGrauInstrMin = 2, ExperMinAnos = 1, ExperMinMeses = 6, HorarioTrabalho = "
        "'08:00-17:00', SalarioOferecido = 3500.5, ValeTransporte = 'S', ValeRefeicao = 'S', ConvMedico = 'N', "
        "ConvFarmacia = 'N', Atividades = 'Atendimento', UltAtualizacao = '2024/03/02', Status = 'A', "
        "DataEncerramento = '2024/05/01', CodMotivoEncerramento = 1 WHERE CodVaga = 7"}},
      {"Bus", [](VagaTest& t) { t.Fetch(7); },
       {"SELECT RhsVaga.*, CG.Nome, RhsCargo.NomeCargo, RhsTipoContrato.DescrTipoContrato, "
        "RhsGrauInstrucao.GrauInstrucao, RhsMotivoEncerramento.DescrMotivoEncerramento FROM (((((( RhsVaga LEFT "
        "JOIN RhsFilial ON RhsFilial.CodFilial = RhsVaga.CodFilial) LEFT JOIN RhsCargo ON RhsCargo.CodCargo = "
        "RhsVaga.CodCargo) LEFT Join CadGeral CG ON CG.CodGeral = RhsVaga.CodFilial) LEFT JOIN RhsTipoContrato ON "
        "RhsTipoContrato.CodTipoContrato = RhsVaga.CodTipoContrato) LEFT JOIN RhsGrauInstrucao ON "
        "RhsGrauInstrucao.CodGrauInstrucao = RhsVaga.CodGrauInstrMin) LEFT JOIN RhsMotivoEncerramento ON "
        "RhsMotivoEncerramento.CodMotivoEncerramento = RhsVaga.CodMotivoEncerramento) WHERE RhsVaga.CodVaga = 7"}},
      {"CarNone", list(Postgres(), {}), {head + " ORDER BY NomeFil, NomeCargo"}},
      {"CarFirstAndStatus", list(Postgres(), {{0, Variant("7")}, {16, Variant("A")}}),
       {head + "WHERE CodVaga LIKE '7' AND Status = 'A' ORDER BY NomeFil, NomeCargo"}},
      {"CarAll",
       list(Postgres(), {{0, Variant("1")},   {1, Variant("2")},   {2, Variant("f")},   {3, Variant("3")},
                         {4, Variant("c")},   {5, Variant("4")},   {6, Variant("5")},   {7, Variant("950,50")},
                         {8, Variant("S")},   {9, Variant("N")},   {10, Variant("S")},  {11, Variant("N")},
                         {12, Variant("18")}, {13, Variant("40")}, {14, Variant("F")},  {15, Variant("2")},
                         {16, Variant("A")},  {17, Variant("1")}}),
       {head + "WHERE CodVaga LIKE '1' AND RhsVaga.CodFilial LIKE '2' AND UPPER(NomeFil) LIKE 'F' AND "
               "RhsVaga.CodCargo LIKE '3' AND UPPER(NomeCargo) LIKE 'C' AND MotivoSolicitacao = 4 AND "
               "RhsVaga.CodTipoContrato LIKE '5' AND SalarioOferecido >= 950.5 AND ValeTransporte = 'S' AND "
               "ValeRefeicao = 'N' AND ConvMedico = 'S' AND ConvFarmacia = 'N' AND IdadeMin >= 18 AND "
               "IdadeMax <= 40 AND Sexo = 'F' AND RhsVaga.CodGrauInstrMin >= 2 AND Status = 'A' AND "
               "RhsVaga.CodMotivoEncerramento = 1 ORDER BY NomeFil, NomeCargo"}},
      {"CarOffPostgres", list(qvtest::Sqlite(), {{2, Variant("abc")}}),
       {head + "WHERE (NomeFil) LIKE 'ABC' ORDER BY NomeFil, NomeCargo"}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(VagaTest, DispatchByName) {
  com::DispatchObject<quorvel::classVaga> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant("u"), Variant("m"), Variant("3"), Variant("-1")};
  const com::CallResult r = object.Invoke("paltquantcontratada", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[1], Variant(""));
  EXPECT_EQ(Counters(3), "2/0");
}

}  // namespace
