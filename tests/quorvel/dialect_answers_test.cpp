// SPDX-License-Identifier: MIT
// The same calls over the same rows answer alike on PostgreSQL and SQLite:
// text compared without regard to case (LIKE and the upper-cased
// equalities, accented letters in any case), date arithmetic across a month
// end, a year end and a leap day, and month/year filters; and values given
// as text: knowledge codes with blanks, signs and decimals, dates in the
// Brazilian and ISO forms, numbers compared as text, numbers stored in
// columns of a smaller precision. Each call's answer (DescErr, its value,
// the outputs it names, or what the database then holds) must be the
// expected one on both. The dialect is the database's the connection
// reached: a SQLite file in a folder named "postgres" answers as SQLite, a
// PostgreSQL connection whose string lacks the word as PostgreSQL.
// Without the extension, SQLite refuses what needs it instead of answering.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <span>
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
#include "quorvel/common/dialect.h"
#include "quorvel/common/formatting.h"
#include "quorvel/health/classPeriodicidadeExame.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "quorvel/personnel/classInfTabelas.h"
#include "quorvel/personnel/classRelatorios.h"
#include "quorvel/recruitment/classConhecimento.h"
#include "quorvel/recruitment/classNivelEscolaridade.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/person.h"
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
  // When given, the answer of a call without error is instead the first cell
  // this statement then reads ("Null" for Null): what the call stored.
  const char* check = nullptr;
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
    case com::Type::Byte: return Variant(std::uint8_t{0});
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
  if (k.check) return qvtest::Cell(*connection, k.check);
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

// A SQLite connection to the program's file without the extension.
std::shared_ptr<ado::Connection> Bare() {
  auto bare = std::make_shared<ado::Connection>();
  bare->Open("Driver=sqlite;Database=" + testdb::Get().sqlite_path);
  EXPECT_EQ(bare->ConnectionString().find("qv_sqlite_ext"), std::string::npos) << bare->ConnectionString();
  return bare;
}

// Calls on a SQLite connection without the extension: each that needs it
// reports the database error instead of answering; the others answer.
void ExpectRefusedWithoutTheExtension(std::span<const Call> calls) {
  const auto bare = Bare();
  const std::string refused = "error " + std::to_string(automation::err::kDatabase);
  for (const Call& k : calls) EXPECT_EQ(Answer(k, bare), k.needs_extension ? refused : k.answer) << k.name;
}

TEST_F(DialectAnswersTest, WithoutTheExtensionSqliteRefuses) { ExpectRefusedWithoutTheExtension(kCalls); }

// A copy of the program's SQLite file (with its rows as they are) in a folder
// named "postgres", as under the home of a postgres user, and a connection
// with the extension to it. Removed with the object.
class SqliteUnderPostgresFolder {
 public:
  SqliteUnderPostgresFolder() {
    std::string folder = (std::filesystem::path(testdb::Get().sqlite_path).parent_path() / "dialectXXXXXX").string();
    if (!mkdtemp(folder.data())) ADD_FAILURE() << "no folder " << folder;
    root_ = folder;
    const std::filesystem::path file = root_ / "postgres" / "hr.sqlite";
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::copy_file(testdb::Get().sqlite_path, file);
    std::string connection = testdb::Get().sqlite_dsnless;
    connection.replace(connection.find(testdb::Get().sqlite_path), testdb::Get().sqlite_path.size(), file.string());
    conn_->Open(connection);
  }
  ~SqliteUnderPostgresFolder() {
    conn_->Close();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  SqliteUnderPostgresFolder(const SqliteUnderPostgresFolder&) = delete;
  SqliteUnderPostgresFolder& operator=(const SqliteUnderPostgresFolder&) = delete;
  const std::shared_ptr<ado::Connection>& connection() const { return conn_; }

 private:
  std::filesystem::path root_;
  std::shared_ptr<ado::Connection> conn_ = std::make_shared<ado::Connection>();
};

// The program's PostgreSQL database through a data source and a role whose
// names lack the word "postgres": the completed string does not hold it.
std::shared_ptr<ado::Connection> PostgresWithoutTheWord() {
  static const std::shared_ptr<ado::Connection> conn = [] {
    const std::string role = "rh_" + std::to_string(getpid());
    testdb::ExecPostgres("CREATE ROLE " + role + " LOGIN SUPERUSER");
    testdb::AddDataSource("rh_principal", true, testdb::Get().postgres_database);
    auto c = std::make_shared<ado::Connection>();
    c->Open("DSN=rh_principal;UID=" + role);
    return c;
  }();
  return conn;
}

// Each call on both unusual connections gives its database's answer.
void ExpectTheDialectOfTheDatabaseReached(std::span<const Call> calls) {
  const SqliteUnderPostgresFolder sqlite;
  const auto postgres = PostgresWithoutTheWord();
  ASSERT_NE(sqlite.connection()->ConnectionString().find("postgres"), std::string::npos);
  ASSERT_EQ(postgres->ConnectionString().find("postgres"), std::string::npos) << postgres->ConnectionString();
  EXPECT_EQ(quorvel::DialectOf(*sqlite.connection()), quorvel::Dialect::kSqlite);
  EXPECT_EQ(quorvel::DialectOf(*postgres), quorvel::Dialect::kPostgres);
  for (const Call& k : calls) EXPECT_EQ(Answer(k, sqlite.connection()), k.answer) << k.name << " on SQLite";
  for (const Call& k : calls) EXPECT_EQ(Answer(k, postgres), k.answer) << k.name << " on PostgreSQL";
}

TEST_F(DialectAnswersTest, DialectOfTheDatabaseReached) { ExpectTheDialectOfTheDatabaseReached(kCalls); }

// Values given as text, over rows of their own.
class TextValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (ado::Connection* db : {&qvtest::Postgres(), &qvtest::Sqlite()}) qvtest::Exec(*db, TextRows());
  }
  static std::string TextRows() {
    return "DELETE FROM RhsConhecimento; DELETE FROM RhsAnotacao; DELETE FROM RhsFerias;"
           "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais; DELETE FROM RhsPeriodicidadeExame;"
           "DELETE FROM TempRegistros;"
           "INSERT INTO RhsConhecimento VALUES ('1', '', 'A', '.1.', '> A >'), ('2', '', 'B', '.2.', '> B >'),"
           " ('9', '', 'C', '.9.', '> C >'), ('10', '', 'D', '.10.', '> D >');"
           "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Maria');"
           "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (1, 1);"
           "INSERT INTO RhsFerias (CodRegFerias, CodFuncionario, InicioAquisicao, FimAquisicao, InicioFerias,"
           " FimFerias) VALUES (1, 1, '2023/01/10', '2024/01/09', '2024/05/02', '2024/05/31'),"
           " (2, 1, '2022/01/10', '2023/01/09', '2023/05/02', '2023/05/31');"
           "INSERT INTO RhsPeriodicidadeExame (CodRegPeriodicidade, CodRegExamePerfil, IdadeMin, Anos, Meses, Dias)"
           " VALUES (1, 1, 40, 1, 0, 0), (2, 1, 40.5, 1, 0, 0),"
           " (3, 1, CAST(0.1 AS double precision) + CAST(0.2 AS double precision), 1, 0, 0),"
           " (4, 1, 1e15, 1, 0, 0)";
  }
  automation::ScopedRegionalSettings brazil_{automation::RegionalSettings::brazil()};
};

// The pair array of the generic writers: (column, literal) per pair.
Variant Pairs(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  automation::VariantArray a({automation::Bounds{0, static_cast<long>(pairs.size()) - 1}, automation::Bounds{0, 1}});
  long i = 0;
  for (const auto& [name, literal] : pairs) {
    a.at(i, 0) = Variant(name);
    a.at(i++, 1) = Variant(literal);
  }
  return Variant(std::move(a));
}

// The whole-record update of person 1 with one value given.
Call PersonUpdate(const char* name, std::string_view parameter, Variant value, const char* answer, const char* check) {
  Named given = {{"pkCodIndividual", Variant(std::int32_t{1})},
                 {"pnArray", qvtest::ExtraArray(Variant("obs"), Variant(std::int32_t{55}))},
                 {parameter, std::move(value)}};
  return {name, Make<quorvel::classDadosPessoais>, "AltDadosPessoais", std::move(given), "", answer, false, check};
}

// A generic writer's call on a table with its pairs.
Call Generic(const char* name, const char* method, const char* table, Variant pairs, const char* answer,
             const char* check) {
  const bool deletes = std::string_view(method) == "pExcTabelasAuxiliares";
  Named given = {{deletes ? "plNomeTabela" : "vlNomeTabela", Variant(table)}, {"vlArray", std::move(pairs)}};
  return {name, Make<quorvel::classInfTabelas>, method, std::move(given), "", answer, false, check};
}

constexpr const char* kKnowledgeCount = "SELECT COUNT(*) FROM RhsConhecimento";
constexpr const char* kAnnotations = "SELECT COUNT(*) FROM RhsAnotacao";
constexpr const char* kRefused = "error -2147217900";

const std::vector<Call>& TextCalls() {
  using quorvel::classConhecimento;
  using quorvel::classFerias;
  using quorvel::classPeriodicidadeExame;
  static const std::vector<Call> calls = {
      // Knowledge codes are text: blanks, signs, decimals and leading zeros name no node.
      {"CodeWithLeadingBlank", Make<classConhecimento>, "BusConhecimento", {{"pkCodConhec", Variant(" 10")}},
       "pkCodConhec", "error 3021", false},
      {"CodeWithDecimals", Make<classConhecimento>, "BusConhecimento", {{"pkCodConhec", Variant("2.0")}},
       "pkCodConhec", "error 3021", false},
      {"CodeWithLeadingZero", Make<classConhecimento>, "BusConhecimento", {{"pkCodConhec", Variant("010")}},
       "pkCodConhec", "error 3021", false},
      {"DeleteCodeWithTrailingBlank", Make<classConhecimento>, "ExcConhecimento", {{"pkCodConhec", Variant("1 ")}},
       "", "4", false, kKnowledgeCount},
      {"DeleteCodeWithDecimals", Make<classConhecimento>, "ExcConhecimento", {{"pkCodConhec", Variant("2.0")}}, "",
       "4", false, kKnowledgeCount},
      {"DeleteCodeWithSign", Make<classConhecimento>, "ExcConhecimento", {{"pkCodConhec", Variant("+9")}}, "", "4",
       false, kKnowledgeCount},
      // The next code is the numerically greatest plus one: 11 after 10, 10 after 9.
      {"NextCodeAfterTen", Make<classConhecimento>, "IncConhecimento", {{"pnDescrConhec", Variant("E")}},
       "pkCodConhec", "11"},
      {"DeleteTen", Make<classConhecimento>, "ExcConhecimento", {{"pkCodConhec", Variant("10")}}, "", "0", false,
       "SELECT COUNT(*) FROM RhsConhecimento WHERE CodConhec = '10'"},
      {"DeleteEleven", Make<classConhecimento>, "ExcConhecimento", {{"pkCodConhec", Variant("11")}}, "", "3", false,
       kKnowledgeCount},
      {"NextCodeAfterNine", Make<classConhecimento>, "IncConhecimento", {{"pnDescrConhec", Variant("F")}},
       "pkCodConhec", "10"},
      // The generic writers store a date given as text as the date it names, or refuse it.
      Generic("GenericInsertBrazilianDate", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "9"}, {"DataAnotacao", "'31/12/2023'"}}), "1",
              "SELECT COUNT(*) FROM RhsAnotacao WHERE DataAnotacao = '2023/12/31'"),
      Generic("GenericUpdateIsoDate", "pAltTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "9"}, {"DataAnotacao", "'2024-02-01'"}}), "1",
              "SELECT COUNT(*) FROM RhsAnotacao WHERE DataAnotacao = '2024/02/01'"),
      Generic("GenericDeleteByDate", "pExcTabelasAuxiliares", "RhsAnotacao", Pairs({{"DataAnotacao", "'1.2.2024'"}}),
              "0", kAnnotations),
      Generic("GenericInsertTwoDigitYearAndTime", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "9"}, {"DataAnotacao", "'5-3-24 10:30'"}}), "05/03/2024",
              "SELECT DataAnotacao FROM RhsAnotacao WHERE CodRegAnotacao = 9"),
      Generic("GenericInsertDayThatIsNone", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "10"}, {"DataAnotacao", "'31/02/2023'"}}), kRefused, kAnnotations),
      Generic("GenericInsertMonthFirst", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "13"}, {"DataAnotacao", "'12/31/2023'"}}), kRefused, kAnnotations),
      Generic("GenericInsertTextThatIsNoDate", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "14"}, {"DataAnotacao", "'31/12/2023 x'"}}), kRefused, kAnnotations),
      Generic("GenericInsertNumberAsDate", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "15"}, {"DataAnotacao", "45000"}}), kRefused, kAnnotations),
      Generic("GenericInsertVacation", "pIncTabelasAuxiliares", "RhsFerias",
              Pairs({{"CodRegFerias", "3"}, {"CodFuncionario", "1"}, {"InicioAquisicao", "'10/01/2021'"},
                     {"FimAquisicao", "'2022-01-09'"}}),
              "1",
              "SELECT COUNT(*) FROM RhsFerias WHERE InicioAquisicao = '2021/01/10'"
              " AND FimAquisicao = '2022/01/09'"),
      // ... and an integer as PostgreSQL stores it: rounded, or refused.
      Generic("GenericInsertFractionInInteger", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "11"}, {"CodTipoAnotacao", "2.5"}}), "3",
              "SELECT CodTipoAnotacao FROM RhsAnotacao WHERE CodRegAnotacao = 11"),
      Generic("GenericInsertTextInInteger", "pIncTabelasAuxiliares", "RhsAnotacao",
              Pairs({{"CodRegAnotacao", "12"}, {"CodTipoAnotacao", "'2524-05'"}}), kRefused, kAnnotations),
      // Vacation filters given as text: the date they name.
      {"AcquisitionStartBrazilian", Make<classFerias>, "CarFerias", {{"pnInicioAquisicao", Variant("10/01/2023")}},
       "vlArray", "1", false},
      {"AcquisitionStartIso", Make<classFerias>, "CarFerias", {{"pnInicioAquisicao", Variant("2023-01-10")}},
       "vlArray", "1", false},
      {"AcquisitionEndBrazilian", Make<classFerias>, "CarFerias", {{"pnFimAquisicao", Variant("9/1/2024")}},
       "vlArray", "1", false},
      {"VacationEndIso", Make<classFerias>, "CarFerias", {{"pnFimFerias", Variant("2023-05-31")}}, "vlArray", "2",
       false},
      {"AcquisitionStartByName", Make<classFerias>, "CarFerias",
       {{"pnNomeFuncionario", Variant("mar%")}, {"pnInicioAquisicao", Variant("10.01.2022")}}, "vlArray", "2"},
      {"AcquisitionStartThatIsNoDate", Make<classFerias>, "CarFerias", {{"pnInicioAquisicao", Variant("31/02/2023")}},
       "vlArray", kRefused, false},
      // Numbers compared as text: a whole number has no ".0", a fraction its shortest digits.
      {"WholeAge", Make<classPeriodicidadeExame>, "CarPeriodicidadeExame", {{"pnIdadeMin", Variant("40")}}, "vlArray",
       "1"},
      {"WholeAgeByPattern", Make<classPeriodicidadeExame>, "CarPeriodicidadeExame", {{"pnIdadeMin", Variant("4_")}},
       "vlArray", "1"},
      {"NoPointZero", Make<classPeriodicidadeExame>, "CarPeriodicidadeExame", {{"pnIdadeMin", Variant("%.0")}},
       "vlArray", ""},
      {"ShortestDigits", Make<classPeriodicidadeExame>, "CarPeriodicidadeExame",
       {{"pnIdadeMin", Variant("0.30000000000000004")}}, "vlArray", "3"},
      {"ExponentForm", Make<classPeriodicidadeExame>, "CarPeriodicidadeExame", {{"pnIdadeMin", Variant("1e+15")}},
       "vlArray", "4"},
      // Numbers kept at the column's precision, or refused.
      PersonUpdate("ChildrenRounded", "pnNrFilhos", Variant(2.5), "3",
                   "SELECT NrFilhos FROM RhsDadosPessoais WHERE CodIndividual = 1"),
      PersonUpdate("HeightRounded", "pnAltura", Variant("1,755"), "1,76",
                   "SELECT Altura FROM RhsDadosPessoais WHERE CodIndividual = 1"),
      PersonUpdate("WeightRounded", "pnPeso", Variant(70.555), "70,56",
                   "SELECT Peso FROM RhsDadosPessoais WHERE CodIndividual = 1"),
      PersonUpdate("WeightTooLarge", "pnPeso", Variant(1234.5), kRefused,
                   "SELECT Peso FROM RhsDadosPessoais WHERE CodIndividual = 1"),
      {"ScratchCodeRounded", Make<quorvel::classRelatorios>, "IncTabelaTemporaria", {{"plCodigo", Variant(15.5)}}, "",
       "16", false, "SELECT MAX(Codigo) FROM TempRegistros"},
      {"ScratchCodeThatIsNoNumber", Make<quorvel::classRelatorios>, "IncTabelaTemporaria",
       {{"plCodigo", Variant("'2524-05'")}}, "", kRefused, false, "SELECT COUNT(*) FROM TempRegistros"},
  };
  return calls;
}

TEST_F(TextValuesTest, BothDatabasesGiveTheSameAnswers) {
  for (const Call& k : TextCalls()) {
    const std::string postgres = Answer(k, qvtest::PostgresConnection());
    const std::string sqlite = Answer(k, qvtest::SqliteConnection());
    EXPECT_EQ(postgres, k.answer) << k.name << " on PostgreSQL";
    EXPECT_EQ(sqlite, postgres) << k.name << " on SQLite";
  }
}

TEST_F(TextValuesTest, WithoutTheExtensionSqliteRefuses) { ExpectRefusedWithoutTheExtension(TextCalls()); }

TEST_F(TextValuesTest, DialectOfTheDatabaseReached) { ExpectTheDialectOfTheDatabaseReached(TextCalls()); }

}  // namespace
