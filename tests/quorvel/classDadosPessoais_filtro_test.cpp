// SPDX-License-Identifier: MIT
// classDadosPessoais: the candidate search, against PostgreSQL.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/automation/array.h"
#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/regional.h"
#include "quorvel/common/formatting.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

automation::VariantArray Codes(std::initializer_list<const char*> s) {
  automation::VariantArray a({automation::Bounds{0, static_cast<long>(s.size()) - 1}});
  long i = 0;
  for (const char* x : s) a.at(i++) = Variant(x);
  return a;
}

// The criteria in the method's order; all Null by default.
struct Criteria {
  Variant sexo = Variant(Null);
  Variant fumante = Variant(Null);
  Variant cargoPret = Variant(Null);
  Variant estadoCivil = Variant(Null);
  Variant filhos = Variant(Null);
  Variant horasExtras = Variant(Null);
  Variant viagens = Variant(Null);
  Variant transporte = Variant(Null);
  Variant idadeIni = Variant(Null);
  Variant idadeFim = Variant(Null);
  Variant cidade = Variant(Null);
  Variant grau = Variant(Null);
  Variant cargoExper = Variant(Null);
  Variant experMin = Variant(Null);
  Variant situacao = Variant(Null);
  Variant conhec = Variant(Null);
};

class FiltroTest : public ::testing::Test {
 protected:
  // Born on 1 January, `years` years before this one: the age is years - 1
  // or years whatever year the test runs in.
  static std::string BornYearsAgo(int years) {
    const int year = automation::SplitDate(automation::Today()).year - years;
    return "'" + std::to_string(year) + "-01-01'";
  }

  static void SetUpTestSuite() {
    qvtest::Exec(Postgres(),
                 "DELETE FROM RhsDadosPessoais; DELETE FROM RhsDadosCandidato; DELETE FROM RhsCargoCandidato;"
                 "DELETE FROM RhsExperCandidato; DELETE FROM RhsConhecCandidato; DELETE FROM RhsConhecimento;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade,"
                 " NrCPF, Status, Fumante, CodEstadoCivil, NrFilhos, CodCidade, CodGrauInstrucao) VALUES"
                 " (1, 'Carla', 'P1', 'M1', " + BornYearsAgo(36) + ", 'f', 'RG1', 'CPF1', 'Candidato', 'N', 1, 0, 10, 5),"
                 " (2, 'Ana', 'P2', 'M2', " + BornYearsAgo(46) + ", 'F', 'RG2', 'CPF2', 'Candidato', 'S', 2, 2, 20, 7),"
                 " (3, 'Bruno', 'P3', 'M3', " + BornYearsAgo(56) + ", 'M', 'RG3', 'CPF3', 'Candidato', 'n', 1, 1, 10, 3),"
                 " (4, 'Dora', 'P4', 'M4', " + BornYearsAgo(41) + ", 'F', 'RG4', 'CPF4', 'Funcionário', 'N', 1, 0, 10, 5);"
                 "INSERT INTO RhsDadosCandidato (CodCandidato, CodIndividual, Situacao, DispHorasExtras, DispViagens,"
                 " MeioTransporte) VALUES (11, 1, 'Ativo', 'S', 'N', 'Carro'), (12, 2, 'Ativo', 'N', 'S', 'Ônibus'),"
                 " (13, 3, 'Inativo', 'S', 'S', 'Carro'), (19, 99, 'Ativo', 'S', 'S', 'Carro');"
                 "INSERT INTO RhsCargoCandidato VALUES (1, 11, 100), (2, 11, 200), (3, 12, 100);"
                 // Ana: 2 + 1 years as 100; Bruno: 1 year as 100 (ends in 2021), Carla: 2 years as 200
                 // and 578 days (1.58 years) as 300.
                 "INSERT INTO RhsExperCandidato (CodRegExperCandidato, CodCandidato, CodCargo, DataEntrada, DataSaida)"
                 " VALUES (1, 12, 100, '2010-01-01', '2012-01-01'), (2, 12, 100, '2013-01-01', '2014-01-02'),"
                 " (3, 13, 100, '2020-01-01', '2021-01-01'), (4, 11, 200, '2015-01-01', '2017-01-01'),"
                 " (5, 11, 300, '2020-01-01', '2021-08-01');"
                 "INSERT INTO RhsConhecimento (CodConhec, CodCompletoConhec) VALUES"
                 " (12, '.12.'), (15, '.15.'), (16, '.15.16.'), (20, '.20.');"
                 "INSERT INTO RhsConhecCandidato (CodRegConhecCandidato, CodCandidato, CodConhec) VALUES"
                 " (1, 11, '12'), (2, 11, '16'), (3, 12, '12'), (4, 13, '15'), (5, 13, '20');");
  }

  Variant Run(Criteria k) {
    Variant list;
    desc.clear();
    c.CarDadosPessoaisFiltro(Postgres(), desc, list, k.sexo, k.fumante, k.cargoPret, k.estadoCivil, k.filhos,
                             k.horasExtras, k.viagens, k.transporte, k.idadeIni, k.idadeFim, k.cidade, k.grau,
                             k.cargoExper, k.experMin, k.situacao, k.conhec);
    return list;
  }

  quorvel::classDadosPessoais c;
  std::string desc;
};

TEST_F(FiltroTest, NoCriterionListsEveryCandidateWithAPersonOnceByName) {
  const Variant list = Run({});
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  const char* captions[] = {"CodIndividual", "Nome", "Status", "Situacao", "(Idade)", "DataNasc", "Sexo",
                            "NrIdentidade", "NrCPF", "NomePai", "NomeMae", "CodCandidato"};
  ASSERT_EQ(rows[0].size(), std::size(captions));
  for (std::size_t i = 0; i < std::size(captions); ++i) EXPECT_EQ(automation::CStr(rows[0][i]), captions[i]);
  EXPECT_EQ(qvtest::Keys(list, 1), "Ana Bruno Carla");
  EXPECT_EQ(qvtest::Keys(list, 3), "Ativo Inativo Ativo");  // the candidate's situation
  EXPECT_EQ(qvtest::Keys(list, 11), "12 13 11");
  EXPECT_EQ(automation::CStr(rows[1][9]), "P2");
  EXPECT_EQ(automation::CStr(rows[1][10]), "M2");
}

TEST_F(FiltroTest, Criteria) {
  struct Case {
    const char* name;
    Criteria k;
    const char* names;
  };
  const Case cases[] = {
      {"SexoAnyCase", {.sexo = Variant("f")}, "Ana Carla"},
      {"Fumante", {.fumante = Variant("n")}, "Bruno Carla"},
      {"CargoPretendido", {.cargoPret = Variant(std::int32_t{100})}, "Ana Carla"},
      {"EstadoCivil", {.estadoCivil = Variant(std::int32_t{1})}, "Bruno Carla"},
      {"ComFilhos", {.filhos = Variant("S")}, "Ana Bruno"},
      {"LowerSMeansNoChildren", {.filhos = Variant("s")}, "Carla"},
      {"HorasExtras", {.horasExtras = Variant("S")}, "Bruno Carla"},
      {"Viagens", {.viagens = Variant("S")}, "Ana Bruno"},
      {"Transporte", {.transporte = Variant("Carro")}, "Bruno Carla"},
      {"Cidade", {.cidade = Variant(std::int32_t{10})}, "Bruno Carla"},
      {"GrauOrHigher", {.grau = Variant(std::int32_t{5})}, "Ana Carla"},
      {"Situacao", {.situacao = Variant("Inativo")}, "Bruno"},
      {"CargoExperAlone", {.cargoExper = Variant(std::int32_t{100})}, "Ana Bruno"},
      {"ExperMinSummed", {.cargoExper = Variant(std::int32_t{100}), .experMin = Variant(2.5)}, "Ana"},
      {"ExperMinAloneIgnored", {.experMin = Variant(50.0)}, "Ana Bruno Carla"},
      // Fractional years: 578 days are 1.58 years, enough for 1,5, not for 1,6.
      {"ExperMinFractionText", {.cargoExper = Variant(std::int32_t{300}), .experMin = Variant("1,5")}, "Carla"},
      {"ExperMinFractionNumber", {.cargoExper = Variant(std::int32_t{300}), .experMin = Variant(1.5)}, "Carla"},
      {"ExperMinAboveFraction", {.cargoExper = Variant(std::int32_t{300}), .experMin = Variant("1,6")}, ""},
      {"IdadeRange", {.idadeIni = Variant(std::int32_t{40}), .idadeFim = Variant(std::int32_t{50})}, "Ana"},
      {"Combined", {.sexo = Variant("F"), .cidade = Variant(std::int32_t{10})}, "Carla"},
      {"ConhecElementZeroIgnored", {.conhec = Variant(Codes({"20", "12"}))}, "Ana Carla"},
      {"ConhecAllRequiredWithChildren", {.conhec = Variant(Codes({"X", "12", "15"}))}, "Carla"},
      {"ConhecNoneHolds", {.conhec = Variant(Codes({"X", "12", "20"}))}, ""},
  };
  for (const Case& k : cases) {
    const Variant list = Run(k.k);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(qvtest::Keys(list, 1), k.names) << k.name;
  }
}

TEST_F(FiltroTest, Statements) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  struct Case {
    const char* name;
    Criteria k;
    const char* where;
  };
  const Case cases[] = {
      {"Sexo", {.sexo = Variant("f")}, "WHERE UPPER(Sexo) = 'F'"},
      {"Filhos", {.sexo = Variant("m"), .filhos = Variant("s")}, "WHERE UPPER(Sexo) = 'M' AND NrFilhos = 0"},
      {"ExperMinComma", {.cargoExper = Variant(std::int32_t{7}), .experMin = Variant("1,5")},
       "WHERE RhsExperCandidato.CodCargo = 7 AND RhsExperCandidato.CodCandidato IN (SELECT CodCandidato "
       "FROM RhsExperCandidato WHERE CodCargo = 7 GROUP BY CodCandidato HAVING (SUM((CASE WHEN DataSaida is null "
       "then  'TODAY'else  DataSaida end ) - (DataEntrada))/365.0) >= 1.5)"},
      {"ConhecOneLevel", {.conhec = Variant(Codes({"X", "12"}))},
       "WHERE RhsDadosCandidato.CodCandidato IN (SELECT CodCandidato FROM RhsConhecCandidato INNER JOIN "
       "RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecCandidato.CodConhec WHERE CodCompletoConhec "
       "LIKE '%.12.%')"},
      {"ConhecQuote", {.conhec = Variant(Codes({"X", "1'2"}))},
       "WHERE RhsDadosCandidato.CodCandidato IN (SELECT CodCandidato FROM RhsConhecCandidato INNER JOIN "
       "RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecCandidato.CodConhec WHERE CodCompletoConhec "
       "LIKE '%.1''2.%')"},
  };
  const std::string head =
      "SELECT DISTINCT RhsDadosPessoais.CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade, "
      "NrCPF, Status, RhsDadosCandidato.Situacao, RhsDadosCandidato.CodCandidato FROM (((( RhsDadosCandidato "
      "INNER JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosCandidato.CodIndividual) "
      "LEFT JOIN RhsCargoCandidato ON RhsCargoCandidato.CodCandidato = RhsDadosCandidato.CodCandidato) "
      "LEFT JOIN RhsExperCandidato ON RhsExperCandidato.CodCandidato = RhsDadosCandidato.CodCandidato) "
      "LEFT JOIN RhsConhecCandidato ON RhsConhecCandidato.CodCandidato = RhsDadosCandidato.CodCandidato) ";
  const std::string today = quorvel::fFormataDataSql(Variant(automation::Today()));
  for (const Case& k : cases) {
    qvtest::Trace trace;
    Run(k.k);
    EXPECT_EQ(desc, "") << k.name;
    std::string where = k.where;
    if (auto at = where.find("TODAY"); at != std::string::npos) where.replace(at, 5, today);
    ASSERT_FALSE(trace.statements().empty()) << k.name;
    EXPECT_EQ(trace.statements().front(), head + where + " ORDER BY Nome") << k.name;
  }
}

// SQLite takes the experience condition too (its date arithmetic is its own).
TEST_F(FiltroTest, ExperienceConditionRunsOnSqlite) {
  Variant list;
  Criteria k{.cargoExper = Variant(std::int32_t{300}), .experMin = Variant("1,5")};
  desc.clear();
  c.CarDadosPessoaisFiltro(qvtest::Sqlite(), desc, list, k.sexo, k.fumante, k.cargoPret, k.estadoCivil, k.filhos,
                           k.horasExtras, k.viagens, k.transporte, k.idadeIni, k.idadeFim, k.cidade, k.grau,
                           k.cargoExper, k.experMin, k.situacao, k.conhec);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).at(0).size(), 12u) << "the list was made";
}

TEST_F(FiltroTest, AgeOfNinetyOrMoreIsListed) {
  qvtest::Exec(Postgres(),
               "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, DataNasc) VALUES (5, 'Eva', '1920-01-01');"
               "INSERT INTO RhsDadosCandidato (CodCandidato, CodIndividual, Situacao) VALUES (15, 5, 'Antigo')");
  const Variant list = Run({.situacao = Variant("Antigo")});
  qvtest::Exec(Postgres(), "DELETE FROM RhsDadosPessoais WHERE CodIndividual = 5;"
                           "DELETE FROM RhsDadosCandidato WHERE CodCandidato = 15");
  EXPECT_EQ(desc, "");
  ASSERT_EQ(qvtest::Keys(list, 1), "Eva");
  EXPECT_GE(automation::CLng(qvtest::Rows(list)[1][4]), 100);
}

TEST_F(FiltroTest, HostileValuesFailOrStayLiterals) {
  struct Case {
    const char* name;
    Criteria k;
    bool fails;
    const char* names;
  };
  const Case cases[] = {
      {"QuoteInText", {.transporte = Variant("O'Brien")}, false, ""},
      {"InjectionInText", {.situacao = Variant("x' OR '1'='1")}, false, ""},
      {"InjectionInNumber", {.cidade = Variant("1 OR 1=1")}, true, ""},
      {"EmptyNumber", {.grau = Variant()}, true, ""},
      {"InjectionInExperMin", {.cargoExper = Variant(std::int32_t{100}), .experMin = Variant("0) OR (1=1")}, true, ""},
  };
  for (const Case& k : cases) {
    const Variant list = Run(k.k);
    EXPECT_EQ(!desc.empty(), k.fails) << k.name << ": " << desc;
    if (!k.fails) {
      EXPECT_EQ(qvtest::Keys(list, 1), k.names) << k.name;
    }
  }
}

}  // namespace
