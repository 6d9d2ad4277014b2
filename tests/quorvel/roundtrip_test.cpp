// SPDX-License-Identifier: MIT
// Values keep their meaning from caller to database and back: a value written
// through a class's own insert is found again through its own list filter by
// the same value, given as a number, as text with a decimal comma and, where
// the filter takes one, as a time or a date; a near value finds nothing.
// Calls go by name through dispatch, so that one table covers every class:
// parameters not named in a case get a plain value of their declared type.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "quorvel/administration/classAnotacao.h"
#include "quorvel/administration/classContrSindical.h"
#include "quorvel/administration/classFerias.h"
#include "quorvel/administration/classTipoValeTransporte.h"
#include "quorvel/administration/classValeRefeicao.h"
#include "quorvel/health/classExameMedico.h"
#include "quorvel/health/classPeriodicidadeExame.h"
#include "quorvel/health/classTipoExameMedico.h"
#include "quorvel/personnel/classCargo.h"
#include "quorvel/personnel/classContratoFuncionario.h"
#include "quorvel/personnel/classDadosFuncionario.h"
#include "quorvel/personnel/classRemuneracao.h"
#include "quorvel/recruitment/classConhecVaga.h"
#include "quorvel/recruitment/classEncaminhamento.h"
#include "quorvel/recruitment/classVaga.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::TimeSerial;
using automation::Variant;

template <class C>
std::shared_ptr<com::IDispatch> Make() {
  return std::make_shared<com::DispatchObject<C>>();
}

struct Trip {
  const char* name;
  std::shared_ptr<com::IDispatch> (*make)();
  const char* table;  // emptied before the insert
  const char* inc;
  const char* column;  // the insert's parameter that carries the value
  Variant value;
  const char* car;
  const char* filter;  // the list's filter on that column
  std::vector<Variant> finds;
  std::vector<Variant> misses;
  const char* seed = nullptr;  // rows the list joins to
  std::vector<std::pair<std::string_view, Variant>> also = {};  // further values of the insert
};

// A plain value of each declared type, for the parameters a case leaves alone.
Variant Plain(com::Type type) {
  switch (type) {
    case com::Type::String: return Variant("S");
    case com::Type::Long: return Variant(std::int32_t{1});
    case com::Type::Integer: return Variant(std::int16_t{1});
    case com::Type::Byte: return Variant(std::uint8_t{1});
    case com::Type::Double: return Variant(1.0);
    case com::Type::Single: return Variant(1.0f);
    case com::Type::Date: return Variant(DateSerial(2020, 1, 2));
    case com::Type::Boolean: return Variant(false);
    default: return Variant(Null);
  }
}

// The arguments of a method: the connection, an empty DescErr, then each
// parameter's plain value, or `value` for the parameter named `name`.
std::vector<Variant> Arguments(const com::IDispatch& object, const char* method, const Variant& conn,
                               std::string_view name, const Variant& value,
                               const std::vector<std::pair<std::string_view, Variant>>& also = {}) {
  const com::MethodInfo* info = object.FindMethod(method);
  EXPECT_NE(info, nullptr) << method;
  std::vector<Variant> args;
  if (!info) return args;
  for (const com::ParamInfo& p : info->params) {
    const auto given = std::find_if(also.begin(), also.end(), [&p](const auto& a) { return a.first == p.name; });
    if (given != also.end()) args.push_back(given->second);
    else if (p.type == com::Type::Object) args.push_back(conn);
    else if (p.name == "DescErr") args.emplace_back("");
    else if (p.name == name) args.push_back(value);
    else if (p.name == "vlArray") args.emplace_back();
    else if (std::string_view(method).starts_with("Car")) args.emplace_back(Null);  // no filter
    else args.push_back(Plain(p.type));
  }
  return args;
}

const Variant kDay(DateSerial(2024, 3, 5));
const std::vector<Variant> kDayForms{kDay, Variant("05/03/2024"), Variant("2024/03/05")};

const Trip kTrips[] = {
    {"RaiseIndex", Make<quorvel::classRemuneracao>, "RhsRemuneracao", "IncRemuneracao", "pnIndiceAumento",
     Variant(1.05f), "CarRemuneracao", "pnIndiceAumento", {Variant(1.05), Variant("1,05"), Variant(1.05f)},
     {Variant(1.06)}},
    {"RaiseDate", Make<quorvel::classRemuneracao>, "RhsRemuneracao", "IncRemuneracao", "pnDataAumento", kDay,
     "CarRemuneracao", "pnDataAumento", kDayForms, {Variant(DateSerial(2024, 3, 6))}},
    {"DailyHours", Make<quorvel::classContratoFuncionario>, "RhsContratoFuncionario", "IncContratoFuncionario",
     "pnHorasDiarias", Variant(8.8), "CarContratoFuncionario", "pnHorasDiarias",
     {Variant(8.8), Variant("8,8"), Variant(8.8f), Variant(TimeSerial(8, 48, 0)), Variant("08:48"), Variant("8:48")},
     {Variant("08:30")}},
    {"WeeklyHours", Make<quorvel::classContratoFuncionario>, "RhsContratoFuncionario", "IncContratoFuncionario",
     "pnHorasSemanais", Variant(18.5), "CarContratoFuncionario", "pnHorasSemanais",
     {Variant(18.5), Variant("18,5"), Variant(TimeSerial(18, 30, 0)), Variant("18:30")}, {Variant(18.6)}},
    {"OvertimeHours", Make<quorvel::classContratoFuncionario>, "RhsContratoFuncionario", "IncContratoFuncionario",
     "pnHorasExtrasNaoExcedentes", Variant(1.1), "CarContratoFuncionario", "pnHorasExtrasNaoExcedentes",
     {Variant(1.1), Variant("1,1")}, {Variant(1.2)}},
    {"OvertimeSurcharge", Make<quorvel::classContratoFuncionario>, "RhsContratoFuncionario",
     "IncContratoFuncionario", "pnAcrescimoNaoExcedentes", Variant(0.3), "CarContratoFuncionario",
     "pnAcrescimoNaoExcedentes", {Variant(0.3), Variant("0,3"), Variant(0.3f)}, {Variant(0.4)}},
    {"ContractDuration", Make<quorvel::classContratoFuncionario>, "RhsContratoFuncionario",
     "IncContratoFuncionario", "pnDuracaoContr", Variant(std::int32_t{12}), "CarContratoFuncionario",
     "pnDuracaoContr", {Variant(std::int32_t{12}), Variant("12"), Variant(12.0)}, {Variant(std::int32_t{13})}},
    {"ContractIssue", Make<quorvel::classContratoFuncionario>, "RhsContratoFuncionario", "IncContratoFuncionario",
     "pnDataEmissaoContr", kDay, "CarContratoFuncionario", "pnDataEmissaoContr", kDayForms,
     {Variant(DateSerial(2024, 3, 4))}},
    {"DaysLost", Make<quorvel::classExameMedico>, "RhsExameMedico", "IncExameMedico", "pnDiasPerdidos",
     Variant(1.1), "CarExameMedico", "pnDiasPerdidos", {Variant(1.1), Variant("1,1"), Variant(1.1f)}, {Variant(1.2)}},
    {"ExamRuleMinimumAge", Make<quorvel::classPeriodicidadeExame>, "RhsPeriodicidadeExame",
     "IncPeriodicidadeExame", "pnIdadeMin", Variant(45.5), "CarPeriodicidadeExame", "pnIdadeMin",
     {Variant(45.5), Variant(45.5f), Variant("45,5"), Variant("45.5"), Variant("45%"), Variant("4_,5")},
     {Variant(45.6), Variant("45,6"), Variant("4_,6")}},
    {"ExamRuleMinimumAgeInexact", Make<quorvel::classPeriodicidadeExame>, "RhsPeriodicidadeExame",
     "IncPeriodicidadeExame", "pnIdadeMin", Variant(45.3), "CarPeriodicidadeExame", "pnIdadeMin",
     {Variant(45.3), Variant(45.3f), Variant("45,3"), Variant("4_,3"), Variant("45,_")},
     {Variant(45.2), Variant("45,31")}},
    {"ExamDate", Make<quorvel::classExameMedico>, "RhsExameMedico", "IncExameMedico", "pnDataExame", kDay,
     "CarExameMedico", "pnDataExame", kDayForms, {Variant(DateSerial(2023, 3, 5))}},
    {"VacancyMinimumAge", Make<quorvel::classVaga>, "RhsVaga", "IncVaga", "pnIdadeMin", Variant(18.5), "CarVaga",
     "pnIdadeMin", {Variant(18.5), Variant("18,5"), Variant(18.4)}, {Variant(18.6)}},
    {"VacancyMaximumAge", Make<quorvel::classVaga>, "RhsVaga", "IncVaga", "pnIdadeMax", Variant(40.5), "CarVaga",
     "pnIdadeMax", {Variant(40.5), Variant("40,5"), Variant(40.6)}, {Variant(40.4)}},
    {"VacancySalary", Make<quorvel::classVaga>, "RhsVaga", "IncVaga", "pnSalarioOferecido", Variant(1234.56),
     "CarVaga", "pnSalarioOferecido", {Variant(1234.56), Variant("1234,56")}, {Variant(1234.57)}},
    {"PositionFloor", Make<quorvel::classCargo>, "RhsCargo", "IncCargo", "pnPisoCargo", Variant(1.05), "CarCargo",
     "pnPisoCargo", {Variant(1.05), Variant("1,05")}, {Variant(1.06)}},
    {"VoucherPrice", Make<quorvel::classTipoValeTransporte>, "RhsTipoValeTransporte", "IncTipoValeTransporte",
     "pnValorUnitario", Variant(1.05), "CarTipoValeTransporte", "pnValorUnitario", {Variant(1.05), Variant("1,05")},
     {Variant(1.1)}},
    {"UnionContribution", Make<quorvel::classContrSindical>, "RhsContrSindical", "IncContrSindical",
     "pnValorContribuicao", Variant(0.3), "CarContrSindical", "pnValorContribuicao", {Variant(0.3), Variant("0,3")},
     {Variant(0.31)}},
    {"VacationAcquisitionStart", Make<quorvel::classFerias>, "RhsFerias", "IncFerias", "pnInicioAquisicao", kDay,
     "CarFerias", "pnInicioAquisicao", {kDay, Variant("2024/03/05")}, {Variant(DateSerial(2024, 3, 6))}, nullptr,
     {{"pnDtSolicitacao", kDay}}},
    {"VacationStart", Make<quorvel::classFerias>, "RhsFerias", "IncFerias", "pnInicioFerias", kDay, "CarFerias",
     "pnInicioFerias", {kDay}, {Variant(DateSerial(2024, 3, 6))}, nullptr, {{"pnDtSolicitacao", kDay}}},
    {"VacationEnd", Make<quorvel::classFerias>, "RhsFerias", "IncFerias", "pnFimFerias", kDay, "CarFerias",
     "pnFimFerias", {kDay, Variant("2024/03/05")}, {Variant(DateSerial(2024, 3, 6))}, nullptr,
     {{"pnDtSolicitacao", kDay}}},
    {"AnnotationDate", Make<quorvel::classAnotacao>, "RhsAnotacao", "IncAnotacao", "pnDataAnotacao", kDay,
     "CarAnotacao", "pnDataAnotacao", kDayForms, {Variant(DateSerial(2024, 4, 5))}},
    {"MealVoucherDate", Make<quorvel::classValeRefeicao>, "RhsValeRefeicao", "IncValeRefeicao", "pnDataRetirada",
     kDay, "CarValeRefeicao", "pnDataRetirada", kDayForms, {Variant(DateSerial(2024, 3, 6))}},
    {"ReferralDate", Make<quorvel::classEncaminhamento>, "RhsEncaminhamento", "IncEncaminhamento",
     "pnDataEncaminhamento", kDay, "CarEncaminhamento", "pnDataEncaminhamento", kDayForms,
     {Variant(DateSerial(2024, 3, 6))}},
    {"HiringDate", Make<quorvel::classDadosFuncionario>, "RhsDadosFuncionario", "IncDadosFuncionario",
     "pnDataAdmissao", kDay, "CarDadosFuncionario", "pnDataAdmissao", kDayForms, {Variant(DateSerial(2024, 3, 6))},
     "DELETE FROM RhsDadosPessoais; INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana')"},
    {"DaysOff", Make<quorvel::classTipoExameMedico>, "RhsTipoExameMedico", "IncTipoExameMedico", "pnDiasDeParada",
     Variant(std::int32_t{3}), "CarTipoExameMedico", "pnDiasDeParada", {Variant(std::int32_t{3}), Variant("3"),
     Variant(3.0)}, {Variant(std::int32_t{4})}},
    {"KnowledgeLevel", Make<quorvel::classConhecVaga>, "RhsConhecVaga", "IncConhecVaga", "pnNivelConhecVaga",
     Variant(std::int32_t{2}), "CarConhecVaga", "pnNivelConhecVaga", {Variant(std::int32_t{2}), Variant("2")},
     {Variant(std::int32_t{3})}},
};

class RoundTripTest : public qvtest::DatabaseTest<> {};

TEST_P(RoundTripTest, WrittenValuesAreFoundByTheirOwnFilters) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  ado::Connection& db = conn();
  const Variant conn = ConnRH();
  for (const Trip& k : kTrips) {
    qvtest::Exec(db, std::string("DELETE FROM ") + k.table);
    if (k.seed) qvtest::Exec(db, k.seed);
    const auto object = k.make();
    std::vector<Variant> inc = Arguments(*object, k.inc, conn, k.column, k.value, k.also);
    const com::CallResult written = object->Invoke(k.inc, inc);
    ASSERT_FALSE(written.failed()) << k.name << ": " << written.error.description;
    ASSERT_EQ(inc[1], Variant("")) << k.name;
    ASSERT_EQ(qvtest::Count(db, k.table), 1) << k.name;

    const auto found = [&](const Variant& filter) {
      std::vector<Variant> car = Arguments(*object, k.car, conn, k.filter, filter);
      const com::CallResult listed = object->Invoke(k.car, car);
      EXPECT_FALSE(listed.failed()) << k.name << ": " << listed.error.description;
      EXPECT_EQ(car[1], Variant("")) << k.name << " by " << automation::CStr(filter);
      return static_cast<long>(qvtest::Rows(car[2]).size()) - 1;
    };
    for (const Variant& filter : k.finds)
      EXPECT_EQ(found(filter), 1) << k.name << " by " << automation::CStr(filter);
    for (const Variant& filter : k.misses)
      EXPECT_EQ(found(filter), 0) << k.name << " by " << automation::CStr(filter);
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, RoundTripTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
