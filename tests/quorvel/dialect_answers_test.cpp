// The same calls over the same rows answer alike on PostgreSQL and SQLite:
// text compared without regard to case (LIKE and the upper-cased
// equalities, accented letters in any case), date arithmetic across a month
// end, a year end and a leap day, and month/year filters. Each call's answer
// (DescErr, its value, the outputs it names) must be the expected one on both.
// Without the extension, SQLite refuses what needs it instead of answering.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "quorvel/administration/classFaltaFuncionario.h"
#include "quorvel/administration/classFerias.h"
#include "quorvel/administration/classTransportador.h"
#include "quorvel/common/module1.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "quorvel/recruitment/classNivelEscolaridade.h"
#include "tests/quorvel/fixture.h"
#include "tests/support/testdb.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;

template <class C>
std::shared_ptr<com::IDispatch> Make() {
  return std::make_shared<com::DispatchObject<C>>();
}

using Named = std::vector<std::pair<std::string_view, Variant>>;

struct Call {
  const char* name;
  std::shared_ptr<com::IDispatch> (*make)();
  const char* method;
  Named given;         // the other parameters: Null filters, a plain value of their type
  const char* output;  // the parameter whose value is the answer ("" for the function value)
  const char* answer;  // its text: a list by its first column, in order
  bool needs_extension = true;  // on SQLite: without the extension it is refused
};

// A person's birth date `years` years and `days` days before today.
std::string BornAgo(int years, int days) {
  const double day = automation::Today().value - years * 365.25 - days;
  return "'" + quorvel::fFormataDataSql(Variant(automation::ToDate(day))) + "'";
}

// Rows with names in mixed case and accents, and dates across a month end,
// a year end and the leap day of 2024.
std::string Rows() {
  return "DELETE FROM RhsDadosPessoais; DELETE FROM RhsDadosCandidato; DELETE FROM RhsExperCandidato;"
         "DELETE FROM RhsTransportador; DELETE FROM RhsNivelEscolaridade; DELETE FROM RhsFaltaFuncionario;"
         "DELETE FROM RhsFerias;"
         "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, NrIdentidade, Sexo, DataNasc) VALUES"
         " (1, 'Maria Aparecida da Conceição', 'mg-12.345', 'f', " + BornAgo(30, 10) + "),"
         " (2, 'JOÃO BATISTA ARAÚJO', 'SP-98.765', 'M', " + BornAgo(30, -10) + "),"
         " (3, 'ana de são josé d''oeste', 'Rj-55.444', 'F', " + BornAgo(20, 0) + ");"
         "INSERT INTO RhsDadosCandidato (CodIndividual, CodCandidato) VALUES (1, 11), (2, 12), (3, 13);"
         "INSERT INTO RhsExperCandidato (CodRegExperCandidato, CodCandidato, CodCargo, DataEntrada, DataSaida) VALUES"
         " (1, 11, 5, '2022/12/31', '2023/12/31'), (2, 12, 5, '2023/01/01', '2023/12/31'),"
         " (3, 13, 5, '2024/01/01', '2024/12/31');"
         "INSERT INTO RhsTransportador (CodTransp, NomeTransp) VALUES (1, 'Viação Azul'), (2, 'ÔNIBUS ÚNICO');"
         "INSERT INTO RhsNivelEscolaridade (CodNivel, DescrNivel) VALUES (1, 'Ensino Médio'), (2, 'Ensino Básico');"
         "INSERT INTO RhsFaltaFuncionario (CodRegFaltaFuncionario, CodFuncionario, DataInicio, DataFinal) VALUES"
         " (1, 1, '2024/03/01', '2024/03/03'), (2, 1, '2024/01/30', '2024/02/02'),"
         " (3, 1, '2023/12/30', '2024/01/02'), (4, 1, '2024/02/28', '2024/03/01');"
         "INSERT INTO RhsFerias (CodRegFerias, CodFuncionario, InicioAquisicao, InicioFerias) VALUES"
         " (1, 1, '2023/05/02', '2024/05/02'), (2, 1, '2023/05/31', '2024/05/31'), (3, 1, '2022/12/31', '2023/12/31'),"
         " (4, 1, '2023/06/01', '2024/06/01')";
}

Variant Day(int y, int m, int d) { return Variant(DateSerial(y, m, d)); }

const Call kCalls[] = {
    // LIKE on names and descriptions, accented letters in another case.
    {"NameEndsLowerCase", Make<quorvel::classDadosPessoais>, "CarDadosPessoais", {{"pnNome", Variant("%conceição")}},
     "vlArray", "1"},
    {"NameUnaccentedFindsNothing", Make<quorvel::classDadosPessoais>, "CarDadosPessoais",
     {{"pnNome", Variant("%conceicao")}}, "vlArray", ""},
    {"NameBeginsLowerCase", Make<quorvel::classDadosPessoais>, "CarDadosPessoais", {{"pnNome", Variant("joão%")}},
     "vlArray", "2"},
    {"NameInCapitals", Make<quorvel::classDadosPessoais>, "CarDadosPessoais",
     {{"pnNome", Variant("%SÃO JOSÉ D'OESTE")}}, "vlArray", "3"},
    {"IdentityLikeOtherCase", Make<quorvel::classDadosPessoais>, "CarDadosPessoais",
     {{"pnNrIdentidade", Variant("MG%")}}, "vlArray", "1"},
    {"CarrierLike", Make<quorvel::classTransportador>, "CarTransportador", {{"pnNomeTransp", Variant("%ÇÃO%")}},
     "vlArray", "1"},
    {"CarrierLikeLowerCase", Make<quorvel::classTransportador>, "CarTransportador",
     {{"pnNomeTransp", Variant("ônibus ú%")}}, "vlArray", "2"},
    {"SchoolingLike", Make<quorvel::classNivelEscolaridade>, "CarNivelEscolaridade",
     {{"pnDescrNivel", Variant("%médio%")}}, "vlArray", "1"},
    {"SchoolingLikeUnderscore", Make<quorvel::classNivelEscolaridade>, "CarNivelEscolaridade",
     {{"pnDescrNivel", Variant("ENSINO B_SICO")}}, "vlArray", "2"},
    // Equalities with the caller's value upper-cased.
    {"IdentityInCapitals", Make<quorvel::classDadosPessoais>, "fExisteNrIdentidade",
     {{"pnNrIdentidade", Variant("MG-12.345")}}, "result", "1"},
    {"IdentityAsStored", Make<quorvel::classDadosPessoais>, "fExisteNrIdentidade",
     {{"pnNrIdentidade", Variant("mg-12.345")}}, "result", "1"},
    {"IdentityMixedCase", Make<quorvel::classDadosPessoais>, "fExisteNrIdentidade",
     {{"pnNrIdentidade", Variant("rJ-55.444")}}, "result", "3"},
    {"IdentityUnknown", Make<quorvel::classDadosPessoais>, "fExisteNrIdentidade",
     {{"pnNrIdentidade", Variant("MG-12.346")}}, "result", "-1"},
    {"PersonNameLowerCase", Make<quorvel::classDadosPessoais>, "fExisteNome",
     {{"pnNome", Variant("joão batista araújo")}}, "result", "True"},
    {"PersonNameUnaccented", Make<quorvel::classDadosPessoais>, "fExisteNome",
     {{"pnNome", Variant("Joao Batista Araujo")}}, "result", "False"},
    {"CarrierAsStored", Make<quorvel::classTransportador>, "fExisteNomeTransp",
     {{"pnNomeTransp", Variant("Viação Azul")}}, "", "True"},
    {"CarrierLowerCase", Make<quorvel::classTransportador>, "fExisteNomeTransp",
     {{"pnNomeTransp", Variant("viação azul")}}, "", "True"},
    {"CarrierCapitals", Make<quorvel::classTransportador>, "fExisteNomeTransp",
     {{"pnNomeTransp", Variant("ÔNIBUS ÚNICO")}}, "", "True"},
    {"CarrierOtherLetters", Make<quorvel::classTransportador>, "fExisteNomeTransp",
     {{"pnNomeTransp", Variant("Viacao Azul")}}, "", "False"},
    {"CandidatesBySexLowerCase", Make<quorvel::classDadosPessoais>, "CarDadosPessoaisFiltro",
     {{"pnSexo", Variant("f")}}, "vlArray", "1 3"},
    // Days of absence: within a month, cut at a month end, at a year end, over a leap day.
    {"AbsenceWithinMonth", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2024, 3, 1)}, {"pnDataFinal", Day(2024, 3, 31)}}, "", "3"},
    {"AbsenceCutAtMonthEnd", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2024, 1, 15)}, {"pnDataFinal", Day(2024, 1, 31)}}, "", "2"},
    {"AbsenceCutAtYearEnd", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2023, 12, 15)}, {"pnDataFinal", Day(2023, 12, 31)}}, "", "2"},
    {"AbsenceOverYearEnd", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2023, 12, 15)}, {"pnDataFinal", Day(2024, 1, 10)}}, "", "4"},
    {"AbsenceCutAtLeapDay", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2024, 2, 20)}, {"pnDataFinal", Day(2024, 2, 29)}}, "", "2"},
    {"AbsencesOverLeapDay", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2024, 2, 20)}, {"pnDataFinal", Day(2024, 3, 5)}}, "", "6"},
    {"NoAbsence", Make<quorvel::classFaltaFuncionario>, "fNrFaltasPeriodo",
     {{"pnDataInicial", Day(2024, 4, 1)}, {"pnDataFinal", Day(2024, 4, 30)}}, "", "0"},
    // Ages and experience computed by the database.
    {"AgeFrom", Make<quorvel::classDadosPessoais>, "CarDadosPessoaisFiltro", {{"pnIdadeInicial", Variant(30)}},
     "vlArray", "1"},
    {"AgeUpTo", Make<quorvel::classDadosPessoais>, "CarDadosPessoaisFiltro", {{"pnIdadeFinal", Variant(30)}},
     "vlArray", "2 3"},
    {"AgeBetween", Make<quorvel::classDadosPessoais>, "CarDadosPessoaisFiltro",
     {{"pnIdadeInicial", Variant(29)}, {"pnIdadeFinal", Variant("29,99")}}, "vlArray", "2"},
    {"ExperienceOfAYear", Make<quorvel::classDadosPessoais>, "CarDadosPessoaisFiltro",
     {{"pkCodCargoExper", Variant(5)}, {"pnExperMin", Variant(1)}}, "vlArray", "1 3"},
    {"ExperienceOfHalfAYear", Make<quorvel::classDadosPessoais>, "CarDadosPessoaisFiltro",
     {{"pkCodCargoExper", Variant(5)}, {"pnExperMin", Variant("0,5")}}, "vlArray", "2 1 3"},
    // Vacations by the month and year of their start.
    {"VacationMonth", Make<quorvel::classFerias>, "CarFerias", {{"pnInicioFerias", Variant("5/2024")}}, "vlArray",
     "1 2"},
    {"VacationMonthAtYearEnd", Make<quorvel::classFerias>, "CarFerias", {{"pnInicioFerias", Variant("12/2023")}},
     "vlArray", "3"},
    {"VacationMonthPadded", Make<quorvel::classFerias>, "CarFerias", {{"pnInicioFerias", Variant("05/2024")}},
     "vlArray", ""},
    {"VacationDay", Make<quorvel::classFerias>, "CarFerias", {{"pnInicioFerias", Variant("31/05/2024")}}, "vlArray",
     "2", false},
    {"VacationDayThatIsNone", Make<quorvel::classFerias>, "CarFerias", {{"pnInicioFerias", Variant("30/02/2024")}},
     "vlArray", "error 13", false},
};

// A plain value of each declared type, for the parameters a call leaves alone.
Variant Plain(const com::ParamInfo& p, std::string_view method) {
  if (method.starts_with("Car") || p.type == com::Type::Variant) return Variant(Null);
  switch (p.type) {
    case com::Type::String: return Variant("");
    case com::Type::Long: return Variant(std::int32_t{0});
    case com::Type::Integer: return Variant(std::int16_t{0});
    case com::Type::Double: return Variant(0.0);
    case com::Type::Date: return Variant(DateSerial(2024, 1, 1));
    case com::Type::Boolean: return Variant(false);
    default: return Variant(Null);
  }
}

// The call's answer: "error N" for a DescErr of N, otherwise the output's text.
std::string Answer(const Call& k, const std::shared_ptr<ado::Connection>& connection) {
  const auto object = k.make();
  const com::MethodInfo* info = object->FindMethod(k.method);
  if (!info) return "no method";
  std::vector<Variant> args;
  std::size_t output = 0;
  for (const com::ParamInfo& p : info->params) {
    const auto given = std::find_if(k.given.begin(), k.given.end(), [&p](const auto& g) { return g.first == p.name; });
    if (p.name == k.output) output = args.size();
    if (given != k.given.end()) args.push_back(given->second);
    else if (p.type == com::Type::Object) args.emplace_back(std::shared_ptr<automation::Object>(connection));
    else if (p.name == "DescErr") args.emplace_back("");
    else if (p.name == "vlArray") args.emplace_back();
    else args.push_back(Plain(p, k.method));
  }
  const com::CallResult result = object->Invoke(k.method, args);
  if (result.failed()) return "failed " + std::to_string(result.error.number);
  const std::string desc = automation::CStr(args[1]);
  if (!desc.empty()) return "error " + desc.substr(0, desc.find(' '));
  const Variant& value = output ? args[output] : result.value;
  return value.is_array() ? qvtest::Keys(value) : automation::CStr(value);
}

class DialectAnswersTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (ado::Connection* db : {&qvtest::Postgres(), &qvtest::Sqlite()}) qvtest::Exec(*db, Rows());
  }
  automation::ScopedRegionalSettings brazil_{automation::RegionalSettings::brazil()};
};

TEST_F(DialectAnswersTest, BothDatabasesGiveTheSameAnswers) {
  for (const Call& k : kCalls) {
    const std::string postgres = Answer(k, qvtest::PostgresConnection());
    const std::string sqlite = Answer(k, qvtest::SqliteConnection());
    EXPECT_EQ(postgres, k.answer) << k.name << " on PostgreSQL";
    EXPECT_EQ(sqlite, postgres) << k.name << " on SQLite";
  }
}

// The same calls on a SQLite connection without the extension: each that
// needs it reports the database error instead of answering.
TEST_F(DialectAnswersTest, WithoutTheExtensionSqliteRefuses) {
  auto bare = std::make_shared<ado::Connection>();
  bare->Open("Driver=sqlite;Database=" + testdb::Get().sqlite_path);
  ASSERT_EQ(bare->ConnectionString().find("qv_sqlite_ext"), std::string::npos) << bare->ConnectionString();
  const std::string refused = "error " + std::to_string(automation::err::kDatabase);
  for (const Call& k : kCalls) EXPECT_EQ(Answer(k, bare), k.needs_extension ? refused : k.answer) << k.name;
}

}  // namespace
