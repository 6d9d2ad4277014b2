// SPDX-License-Identifier: MIT
// classExperCandidato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classExperCandidato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Date;
using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kN(Null);

// A job as the class's callers pass it.
struct Job {
  std::int32_t candidate = 7;
  std::string empresa = "Alfa";
  std::int32_t city = 10, position = 3;
  std::string atividades = "Vendas";
  Date entrada = DateSerial(2015, 1, 1);
  Variant saida = kN;
  double salario = 2500.5;
  std::int16_t motivo = 2;
  std::string descr = "Mudança";
};

class ExperCandidatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsExperCandidato; DELETE FROM RhsDadosCandidato; DELETE FROM RhsDadosPessoais;"
                 "DELETE FROM RhsCidade; DELETE FROM CadEndCidades; DELETE FROM RhsCargo; DELETE FROM RhsMotivoDeslig;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana Souza');"
                 "INSERT INTO RhsDadosCandidato (CodIndividual, CodCandidato) VALUES (1, 7);"
                 "INSERT INTO RhsCidade VALUES (10, 'Recife');"
                 "INSERT INTO CadEndCidades (CodCidade, Cidade) VALUES (10, 'Recife PE'), (20, 'Olinda PE');"
                 "INSERT INTO RhsCargo (CodCargo, NomeCargo) VALUES (3, 'Analista');"
                 "INSERT INTO RhsMotivoDeslig VALUES (2, 'Pedido');"
                 "INSERT INTO RhsExperCandidato VALUES"
                 " (1, 7, 'Alfa', 10, 3, 'Vendas', '2015-01-01', '2018-06-30', 2500.5, 2, 'Mudança'),"
                 " (2, 7, 'Beta', 10, 3, 'Suporte', '2018-07-01', Null, 3000, 2, 'Atual'),"
                 " (3, 8, '', 10, 4, 'Caixa', '2010-01-01', '2012-01-01', 900, 1, 'Fim'),"
                 " (4, 8, 'Alfa', 10, 3, 'Gerência', '2012-02-01', '2014-12-31', 1800, 2, 'Oferta'),"
                 " (5, 7, 'Gama', 20, 3, 'Estágio', '1999-01-01', '2000-01-01', 400, 2, 'Fim')");
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(
        Postgres(), "SELECT CodCandidato || '|' || NomeEmpresa || '|' || CodCidade || '|' || CodCargo || '|' || "
                    "DescrAtividades || '|' || DataEntrada || '|' || COALESCE(CAST(DataSaida AS varchar), 'Null') "
                    "|| '|' || SalarioSaida || '|' || CodMotivoDeslig || '|' || DescrMotivoSaida "
                    "FROM RhsExperCandidato WHERE CodRegExperCandidato = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }
  std::int32_t Inc(Job j) {
    std::int32_t key = -1;
    c.IncExperCandidato(Postgres(), desc, user, machine, key, j.candidate, j.empresa, j.city, j.position,
                        j.atividades, j.entrada, j.saida, j.salario, j.motivo, j.descr);
    return key;
  }
  void Alt(std::int32_t key, Job j) {
    c.AltExperCandidato(Postgres(), desc, user, machine, key, j.candidate, j.empresa, j.city, j.position,
                        j.atividades, j.entrada, j.saida, j.salario, j.motivo, j.descr);
  }

  quorvel::classExperCandidato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ExperCandidatoTest, Employers) {
  Variant list("replaced");
  c.CarComboNomeEmpresa(Postgres(), desc, list);
  auto values = qvtest::Elements(list);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_TRUE(values.back().is_empty());
  std::vector<std::string> names;
  for (std::size_t i = 0; i + 1 < values.size(); ++i) names.push_back(automation::CStr(values[i]));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Alfa", "Beta", "Gama"}));
  qvtest::Exec(Postgres(), "DELETE FROM RhsExperCandidato");
  c.CarComboNomeEmpresa(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant()}));
  EXPECT_EQ(desc, "");
}

TEST_F(ExperCandidatoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsExperCandidato");
  EXPECT_EQ(Inc({}), 1);
  EXPECT_EQ(Row(1), "7|Alfa|10|3|Vendas|2015-01-01|Null|2500.5|2|Mudança");
  qvtest::Exec(Postgres(), "UPDATE RhsExperCandidato SET CodRegExperCandidato = 41");
  Job hostile;
  hostile.empresa = "O'Brien";
  hostile.descr = "x' OR '1'='1";
  hostile.saida = Variant(DateSerial(2020, 2, 29));
  EXPECT_EQ(Inc(hostile), 42);
  EXPECT_EQ(Row(42), "7|O'Brien|10|3|Vendas|2015-01-01|2020-02-29|2500.5|2|x' OR '1'='1");
  EXPECT_EQ(desc, "");
}

TEST_F(ExperCandidatoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "UPDATE RhsExperCandidato SET CodRegExperCandidato = 2147483647 "
                           "WHERE CodRegExperCandidato = 5");
  qvtest::Trace trace;
  EXPECT_EQ(Inc({}), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
}

TEST_F(ExperCandidatoTest, UpdateRewritesItsRowAlone) {
  Job j;
  j.candidate = 8;
  j.saida = Variant(DateSerial(2016, 3, 1));
  j.salario = 1234.75;
  desc = "texto anterior";
  Alt(2, j);
  Alt(99, j);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(2), "8|Alfa|10|3|Vendas|2015-01-01|2016-03-01|1234.75|2|Mudança");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsExperCandidato"), 5);
}

TEST_F(ExperCandidatoTest, UpdateWithNullClearsTheLeavingDate) {
  Job j;
  j.candidate = 8;
  j.saida = kN;
  j.salario = 1234.75;
  Alt(2, j);
  EXPECT_EQ(Row(2), "8|Alfa|10|3|Vendas|2015-01-01|Null|1234.75|2|Mudança");
}

TEST_F(ExperCandidatoTest, DeleteRemovesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  c.ExcExperCandidato(Postgres(), desc, user, machine, key);
  c.ExcExperCandidato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "(none)");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsExperCandidato"), 4);
}

TEST_F(ExperCandidatoTest, Fetch) {
  qvtest::Exec(Postgres(), "UPDATE RhsExperCandidato SET CodMotivoDeslig = 9 WHERE CodRegExperCandidato = 4;"
                           "UPDATE RhsExperCandidato SET CodCandidato = 7 WHERE CodRegExperCandidato = 4");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|candidate|name|employer|city|city name|position|position name|salary|reason|text
  };
  const Case cases[] = {
      {1, "", "1|7|Ana Souza|Alfa|10|Recife|3|Analista|2500.5|2|Pedido|Mudança"},
      {2, "", "2|7|Ana Souza|Beta|10|Recife|3|Analista|3000|2|Pedido|Atual"},
      {77, "3021    Quorvel", "77|-1|old|old|-1|old|-1|old|-1|-1|old|old"},
      {5, "94    Quorvel", "5|7|Ana Souza|Gama|20|old|-1|old|-1|-1|old|old"},  // no RhsCidade row
      {3, "94    Quorvel", "3|8|old|old|-1|old|-1|old|-1|-1|old|old"},         // no candidate record
      {4, "94    Quorvel", "4|7|Ana Souza|Alfa|10|Recife|3|Analista|1800|9|old|old"},  // no such reason
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, candidate = -1, city = -1, position = -1;
    std::string nome = "old", empresa = "old", cidade = "old", cargo = "old", atividades = "old", motivo = "old",
                descr = "old";
    Date entrada = DateSerial(1900, 1, 1);
    Variant saida("old");
    double salario = -1;
    std::int16_t reason = -1;
    desc.clear();
    c.BusExperCandidato(Postgres(), desc, key, candidate, nome, empresa, city, cidade, position, cargo, atividades,
                        entrada, saida, salario, reason, motivo, descr);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream out;
    out << key << "|" << candidate << "|" << nome << "|" << empresa << "|" << city << "|" << cidade << "|"
        << position << "|" << cargo << "|" << salario << "|" << reason << "|" << motivo << "|" << descr;
    EXPECT_EQ(out.str(), k.outputs) << k.key;
    if (k.key == 1) {
      EXPECT_EQ(entrada, DateSerial(2015, 1, 1));
      EXPECT_EQ(automation::CDate(saida), DateSerial(2018, 6, 30));
      EXPECT_EQ(atividades, "Vendas");
    }
    if (k.key == 2) {
      EXPECT_TRUE(saida.is_null()) << "no leaving date";
    }
  }
}

class ExperCandidatoListTest : public qvtest::ListTest<ExperCandidatoTest> {};

TEST_P(ExperCandidatoListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarExperCandidato(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, {});
}

// Most recent departure first; PostgreSQL puts the Null leaving date before them, SQLite after.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "2 1 4 3 5", "", "1 4 3 5 2"},
    {"Candidate", {Variant(std::int32_t{7})}, "2 1 5", "", "1 5 2"},
    {"City", {kN, Variant("10")}, "2 1 4 3", "", "1 4 3 2"},
    {"Position", {kN, kN, Variant(std::int32_t{3})}, "2 1 4 5", "", "1 4 5 2"},
    {"CandidateAndPosition", {Variant(std::int32_t{8}), kN, Variant(std::int32_t{3})}, "4"},
    {"NoMatch", {Variant(std::int32_t{55})}, ""},
    {"InjectionInCandidate", {Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"QuoteInCity", {kN, Variant("x' OR '1'='1")}, "", "13    Quorvel"},
    {"EmptyPosition", {kN, kN, Variant()}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ExperCandidatoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ExperCandidatoTest, ListRowsAndCaptionsFollowTheirOwnOrders) {
  Variant list, a(std::int32_t{7}), b = kN, d = kN;
  c.CarExperCandidato(Postgres(), desc, list, a, b, d);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodRegExperCandidato"), Variant("CodCandidato"),
                                           Variant("NomeEmpresa"), Variant("CodCidade"), Variant("NomeCidade"),
                                           Variant("CodCargo"), Variant("NomeCargo"), Variant("DescrAtividades"),
                                           Variant("DataEntrada"), Variant("DataSaida"), Variant("SalarioSaida"),
                                           Variant("CodMotivoDeslig"), Variant("MotivoDeslig"),
                                           Variant("DescrMotivoSaida")}));
  const auto& first = rows[2];  // job 1
  EXPECT_EQ(automation::CDate(first[2]), DateSerial(2015, 1, 1)) << "entry date under NomeEmpresa";
  EXPECT_EQ(automation::CDate(first[3]), DateSerial(2018, 6, 30));
  EXPECT_EQ(first[4], Variant(std::int32_t{3}));
  EXPECT_EQ(first[5], Variant("Analista"));
  EXPECT_EQ(first[6], Variant("Alfa")) << "employer under NomeCargo";
  EXPECT_EQ(first[7], Variant(std::int32_t{10}));
  EXPECT_EQ(first[8], Variant("Recife PE")) << "the city register's name";
  EXPECT_EQ(first[9], Variant("Vendas"));
  EXPECT_EQ(first[10], Variant(2500.5));
  EXPECT_EQ(first[12], Variant("Pedido"));
  EXPECT_EQ(first[13], Variant("Mudança"));
  EXPECT_TRUE(rows[1][3].is_null()) << "job 2 has no leaving date";
  EXPECT_EQ(rows[3][8], Variant("Olinda PE"));
  EXPECT_EQ(desc, "");
}

TEST_F(ExperCandidatoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(ExperCandidatoTest&)> call;
    std::vector<std::string> statements;
  };
  const Case cases[] = {
      {"Inc",
       [](ExperCandidatoTest& t) {
         Job j;
         j.empresa = "O'Brien";
         t.Inc(j);
       },
       {"SELECT MAX(CodRegExperCandidato) AS MaxCod FROM RhsExperCandidato",
        "INSERT INTO RhsExperCandidato (CodRegExperCandidato, CodCandidato, NomeEmpresa, CodCidade, CodCargo, "
        "DescrAtividades, DataEntrada, DataSaida, SalarioSaida, CodMotivoDeslig, DescrMotivoSaida) VALUES ( 6,  7, "
        "'O''Brien',  10,  3, 'Vendas', '2015/01/01',  Null,  2500.5,  2, 'Mudança') "}},
      {"Alt",
       [](ExperCandidatoTest& t) {
         Job j;
         j.saida = Variant(DateSerial(2018, 6, 30));
         t.Alt(4, j);
       },
       {"UPDATE RhsExperCandidato SET CodCandidato = 7, NomeEmpresa = 'Alfa', CodCidade = 10, CodCargo = 3, "
        "DescrAtividades = 'Vendas', DataEntrada = '2015/01/01', DataSaida = '2018/06/30', SalarioSaida = 2500.5, "
        "CodMotivoDeslig = 2, DescrMotivoSaida = 'Mudança' WHERE CodRegExperCandidato = 4"}},
      {"Exc",
       [](ExperCandidatoTest& t) {
         std::int32_t key = 4;
         t.c.ExcExperCandidato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsExperCandidato WHERE CodRegExperCandidato = 4"}},
      {"Combo",
       [](ExperCandidatoTest& t) {
         Variant l;
         t.c.CarComboNomeEmpresa(Postgres(), t.desc, l);
       },
       {"SELECT DISTINCT NomeEmpresa FROM RhsExperCandidato WHERE NomeEmpresa <> ''"}},
      {"Car",
       [](ExperCandidatoTest& t) {
         Variant l, a(std::int32_t{7}), b(std::int32_t{10}), d("3");
         t.c.CarExperCandidato(Postgres(), t.desc, l, a, b, d);
       },
       {"SELECT RhsExperCandidato.*, RhsCidade.Cidade, RhsCargo.NomeCargo, RhsMotivoDeslig.MotivoDeslig FROM ((( "
        "RhsExperCandidato LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsExperCandidato.CodCidade) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsExperCandidato.CodCargo) LEFT JOIN RhsMotivoDeslig ON "
        "RhsMotivoDeslig.CodMotivoDeslig = RhsExperCandidato.CodMotivoDeslig) WHERE CodCandidato = 7 AND "
        "RhsExperCandidato.CodCidade = 10 AND RhsExperCandidato.CodCargo = 3 ORDER BY DataSaida DESC"}},
      {"Bus",
       [](ExperCandidatoTest& t) {
         std::int32_t key = 1, a = 0, b = 0, d = 0;
         std::string s[7];
         Date e;
         Variant v;
         double x = 0;
         std::int16_t m = 0;
         t.c.BusExperCandidato(Postgres(), t.desc, key, a, s[0], s[1], b, s[2], d, s[3], s[4], e, v, x, m, s[5],
                               s[6]);
       },
       {"SELECT RhsExperCandidato.*, RhsDadosPessoais.Nome, RhsCidade.NomeCidade, RhsCargo.NomeCargo, "
        "RhsMotivoDeslig.MotivoDeslig FROM ((((( RhsExperCandidato LEFT JOIN RhsDadosCandidato ON "
        "RhsDadosCandidato.CodCandidato = RhsExperCandidato.CodCandidato) LEFT JOIN RhsDadosPessoais ON "
        "RhsDadosPessoais.CodIndividual = RhsDadosCandidato.CodIndividual) LEFT JOIN RhsCidade ON "
        "RhsCidade.CodCidade = RhsExperCandidato.CodCidade) LEFT JOIN RhsCargo ON RhsCargo.CodCargo = "
        "RhsExperCandidato.CodCargo) LEFT JOIN RhsMotivoDeslig ON RhsMotivoDeslig.CodMotivoDeslig = "
        "RhsExperCandidato.CodMotivoDeslig) WHERE CodRegExperCandidato = 1"}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(ExperCandidatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classExperCandidato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> exc{conn, Variant(""), Variant("u"), Variant("m"), Variant("5")};
  const com::CallResult r = object.Invoke("ExcExperCandidato", exc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(exc[1], Variant(""));
  EXPECT_EQ(Row(5), "(none)");
}

}  // namespace
