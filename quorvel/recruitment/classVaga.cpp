#include "quorvel/recruitment/classVaga.h"

#include <array>
#include <cstdlib>

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Date;
using automation::Variant;

namespace {

// Columns 2 to 26 of RhsVaga in insert order; `quoted` ones are written as a
// quoted literal right after the separator, the others after a blank.
struct VagaColumn {
  std::string_view name;
  bool quoted;
};
constexpr std::array<VagaColumn, 25> kColumns{{
    {"CodFilial", false},        {"CodCargo", false},         {"QuantSolicitada", false},
    {"DataSolicitacao", true},   {"MotivoSolicitacao", false}, {"CodTipoContrato", false},
    {"QuantSelecionada", false}, {"QuantContratada", false},  {"IdadeMin", false},
    {"IdadeMax", false},         {"Sexo", true},              {"CodGrauInstrMin", false},
    {"ExperMinAnos", false},     {"ExperMinMeses", false},    {"HorarioTrabalho", true},
    {"SalarioOferecido", false}, {"ValeTransporte", true},    {"ValeRefeicao", true},
    {"ConvMedico", true},        {"ConvFarmacia", true},      {"Atividades", true},
    {"UltAtualizacao", true},    {"Status", true},            {"DataEncerramento", false},
    {"CodMotivoEncerramento", false},
}};
using Values = std::array<std::string, 25>;

std::string Digits(std::int64_t n) { return std::to_string(n); }
std::string QuotedDate(const Date& d) { return sql::Date(Variant(d)); }

void AddToCounter(ado::Connection& ConnRH, std::string& DescErr, std::string_view counter, std::int32_t key,
                  std::int32_t amount) {
  Trapped(DescErr, [&] {
    const std::int64_t n = amount;
    std::string statement = "UPDATE RhsVaga SET ";
    statement += std::string(counter) + " = " + std::string(counter) + " ";
    statement += (n >= 0 ? "+ " : "- ") + Digits(std::llabs(n)) + " ";
    statement += "WHERE CodVaga = " + Digits(key);
    Execute(ConnRH, statement);
  });
}

}  // namespace

void classVaga::pAltQuantContratada(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                    std::int32_t& pkCodVaga, std::int32_t& plValorAModificar) {
  AddToCounter(ConnRH, DescErr, "QuantContratada", pkCodVaga, plValorAModificar);
}

void classVaga::pAltQuantSelecionada(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                     std::int32_t& pkCodVaga, std::int32_t& plValorAModificar) {
  AddToCounter(ConnRH, DescErr, "QuantSelecionada", pkCodVaga, plValorAModificar);
}

void classVaga::CarVaga(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodVaga,
                        Variant& pkCodFilial, Variant& pnNomeFil, Variant& pkCodCargo, Variant& pnNomeCargo,
                        Variant& pnMotivoSolicitacao, Variant& pkCodTipoContrato, Variant& pnSalarioOferecido,
                        Variant& pnValeTransporte, Variant& pnValeRefeicao, Variant& pnConvMedico,
                        Variant& pnConvFarmacia, Variant& pnIdadeMin, Variant& pnIdadeMax, Variant& pnSexo,
                        Variant& pkCodGrauInstrMin, Variant& pnStatus, Variant& pkCodMotivoEncerramento) {
  static constexpr Column kList[] = {{"CodVaga"},          {"NomeFil"},         {"NomeCargo"},
                                     {"DescrTipoContrato"}, {"QuantSolicitada"}, {"QuantSelecionada"},
                                     {"QuantContratada"},   {"Status"},          {"CodFilial"},
                                     {"CodCargo"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodVaga, "CodVaga LIKE ", sql::Text);
    where.Add(pkCodFilial, "RhsVaga.CodFilial LIKE ", sql::Text);
    where.Add(pnNomeFil, "UPPER(NomeFil) LIKE ", sql::UpperText);
    where.Add(pkCodCargo, "RhsVaga.CodCargo LIKE ", sql::Text);
    where.Add(pnNomeCargo, "UPPER(NomeCargo) LIKE ", sql::UpperText);
    where.Add(pnMotivoSolicitacao, "MotivoSolicitacao = ", sql::Number);
    where.Add(pkCodTipoContrato, "RhsVaga.CodTipoContrato LIKE ", sql::Text);
    where.Add(pnSalarioOferecido, "SalarioOferecido >= ", sql::Number);
    where.Add(pnValeTransporte, "ValeTransporte = ", sql::Text);
    where.Add(pnValeRefeicao, "ValeRefeicao = ", sql::Text);
    where.Add(pnConvMedico, "ConvMedico = ", sql::Text);
    where.Add(pnConvFarmacia, "ConvFarmacia = ", sql::Text);
    where.Add(pnIdadeMin, "IdadeMin >= ", sql::Number);
    where.Add(pnIdadeMax, "IdadeMax <= ", sql::Number);
    where.Add(pnSexo, "Sexo = ", sql::Text);
    where.Add(pkCodGrauInstrMin, "RhsVaga.CodGrauInstrMin >= ", sql::Number);
    where.Add(pnStatus, "Status = ", sql::Text);
    where.Add(pkCodMotivoEncerramento, "RhsVaga.CodMotivoEncerramento = ", sql::Number);
    std::string statement =
        "SELECT CodVaga, NomeFil, NomeCargo, DescrTipoContrato, QuantSolicitada, "
        "QuantSelecionada, QuantContratada, Status, RhsVaga.CodFilial, RhsVaga.CodCargo "
        "FROM ((( RhsVaga "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsVaga.CodFilial) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsVaga.CodCargo) "
        "LEFT JOIN RhsTipoContrato ON RhsTipoContrato.CodTipoContrato = RhsVaga.CodTipoContrato) " +
        where.Clause() + " ORDER BY NomeFil, NomeCargo";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kList);
  });
}

void classVaga::BusVaga(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodVaga,
                        std::int32_t& pkCodFilial, std::string& pnNomeFil, std::int32_t& pkCodCargo,
                        std::string& pnNomeCargo, std::uint8_t& pnQuantSolicitada, Date& pnDataSolicitacao,
                        std::uint8_t& pnMotivoSolicitacao, std::int32_t& pkCodTipoContrato,
                        Variant& pnDescrTipoContrato, std::uint8_t& pnQuantSelecionada,
                        std::uint8_t& pnQuantContratada, Variant& pnIdadeMin, Variant& pnIdadeMax,
                        std::string& pnSexo, std::int32_t& pkCodGrauInstrMin, std::string& pnGrauInstrucao,
                        std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses,
                        std::string& pnHorarioTrabalho, Variant& pnSalarioOferecido, std::string& pnValeTransporte,
                        std::string& pnValeRefeicao, std::string& pnConvMedico, std::string& pnConvFarmacia,
                        std::string& pnAtividades, Date& pnUltAtualizacao, std::string& pnStatus,
                        Variant& pnDataEncerramento, Variant& pkCodMotivoEncerramento,
                        std::string& pnDescrMotivoEncerramento) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsVaga.*, CG.Nome, RhsCargo.NomeCargo, "
        "RhsTipoContrato.DescrTipoContrato, RhsGrauInstrucao.GrauInstrucao, "
        "RhsMotivoEncerramento.DescrMotivoEncerramento "
        "FROM (((((( RhsVaga "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsVaga.CodFilial) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsVaga.CodCargo) "
        "LEFT Join CadGeral CG ON CG.CodGeral = RhsVaga.CodFilial) "
        "LEFT JOIN RhsTipoContrato ON RhsTipoContrato.CodTipoContrato = RhsVaga.CodTipoContrato) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsVaga.CodGrauInstrMin) "
        "LEFT JOIN RhsMotivoEncerramento ON RhsMotivoEncerramento.CodMotivoEncerramento = "
        "RhsVaga.CodMotivoEncerramento) "
        "WHERE RhsVaga.CodVaga = " + Digits(pkCodVaga));
    Copy(*rs, "CodVaga", pkCodVaga);
    Copy(*rs, "CodFilial", pkCodFilial);
    Copy(*rs, "Nome", pnNomeFil);
    Copy(*rs, "CodCargo", pkCodCargo);
    Copy(*rs, "NomeCargo", pnNomeCargo);
    Copy(*rs, "QuantSolicitada", pnQuantSolicitada);
    Copy(*rs, "DataSolicitacao", pnDataSolicitacao);
    Copy(*rs, "MotivoSolicitacao", pnMotivoSolicitacao);
    Copy(*rs, "CodTipoContrato", pkCodTipoContrato);
    Copy(*rs, "DescrTipoContrato", pnDescrTipoContrato);
    Copy(*rs, "QuantSelecionada", pnQuantSelecionada);
    Copy(*rs, "QuantContratada", pnQuantContratada);
    Copy(*rs, "IdadeMin", pnIdadeMin);
    Copy(*rs, "IdadeMax", pnIdadeMax);
    Copy(*rs, "Sexo", pnSexo);
    Copy(*rs, "CodGrauInstrMin", pkCodGrauInstrMin);
    Copy(*rs, "GrauInstrucao", pnGrauInstrucao);
    Copy(*rs, "ExperMinAnos", pnExperMinAnos);
    Copy(*rs, "ExperMinMeses", pnExperMinMeses);
    Copy(*rs, "HorarioTrabalho", pnHorarioTrabalho);
    Copy(*rs, "SalarioOferecido", pnSalarioOferecido);
    Copy(*rs, "ValeTransporte", pnValeTransporte);
    Copy(*rs, "ValeRefeicao", pnValeRefeicao);
    Copy(*rs, "ConvMedico", pnConvMedico);
    Copy(*rs, "ConvFarmacia", pnConvFarmacia);
    Copy(*rs, "Atividades", pnAtividades);
    Copy(*rs, "UltAtualizacao", pnUltAtualizacao);
    Copy(*rs, "Status", pnStatus);
    Copy(*rs, "DataEncerramento", pnDataEncerramento);
    Copy(*rs, "CodMotivoEncerramento", pkCodMotivoEncerramento);
    Variant reason;
    Copy(*rs, "DescrMotivoEncerramento", reason);
    pnDescrMotivoEncerramento = reason.is_null() ? std::string() : automation::CStr(reason);
    rs->Close();
  });
}

namespace {

// The 25 column values of the insert and the update, each as its literal.
Values ColumnValues(std::int32_t CodFilial, std::int32_t CodCargo, std::uint8_t QuantSolicitada,
                    const Date& DataSolicitacao, std::uint8_t MotivoSolicitacao, std::int32_t CodTipoContrato,
                    std::uint8_t QuantSelecionada, std::uint8_t QuantContratada, const Variant& IdadeMin,
                    const Variant& IdadeMax, std::string_view Sexo, std::int32_t CodGrauInstrMin,
                    std::uint8_t ExperMinAnos, std::uint8_t ExperMinMeses, std::string_view HorarioTrabalho,
                    const Variant& SalarioOferecido, std::string_view ValeTransporte,
                    std::string_view ValeRefeicao, std::string_view ConvMedico, std::string_view ConvFarmacia,
                    std::string_view Atividades, const Date& UltAtualizacao, std::string_view Status,
                    const Variant& DataEncerramento, const Variant& CodMotivoEncerramento) {
  return {Digits(CodFilial),         Digits(CodCargo),
          Digits(QuantSolicitada),   QuotedDate(DataSolicitacao),
          Digits(MotivoSolicitacao), Digits(CodTipoContrato),
          Digits(QuantSelecionada),  Digits(QuantContratada),
          sql::OptionalNumber(IdadeMin), sql::OptionalNumber(IdadeMax),
          sql::Quote(Sexo),          Digits(CodGrauInstrMin),
          Digits(ExperMinAnos),      Digits(ExperMinMeses),
          sql::Quote(HorarioTrabalho), sql::OptionalNumber(SalarioOferecido),
          sql::Quote(ValeTransporte), sql::Quote(ValeRefeicao),
          sql::Quote(ConvMedico),    sql::Quote(ConvFarmacia),
          sql::Quote(Atividades),    QuotedDate(UltAtualizacao),
          sql::Quote(Status),        sql::OptionalDate(DataEncerramento),
          sql::OptionalNumber(CodMotivoEncerramento)};
}

}  // namespace

void classVaga::AltVaga(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                        std::int32_t& pkCodVaga, std::int32_t& pkCodFilial, std::int32_t& pkCodCargo,
                        std::uint8_t& pnQuantSolicitada, Date& pnDataSolicitacao, std::uint8_t& pnMotivoSolicitacao,
                        std::int32_t& pkCodTipoContrato, std::uint8_t& pnQuantSelecionada,
                        std::uint8_t& pnQuantContratada, Variant& pnIdadeMin, Variant& pnIdadeMax,
                        std::string& pnSexo, std::int32_t& pkCodGrauInstrMin, std::uint8_t& pnExperMinAnos,
                        std::uint8_t& pnExperMinMeses, std::string& pnHorarioTrabalho,
                        Variant& pnSalarioOferecido, std::string& pnValeTransporte, std::string& pnValeRefeicao,
                        std::string& pnConvMedico, std::string& pnConvFarmacia, std::string& pnAtividades,
                        Date& pnUltAtualizacao, std::string& pnStatus, Variant& pnDataEncerramento,
                        Variant& pkCodMotivoEncerramento) {
  Trapped(DescErr, [&] {
    const Values values = ColumnValues(
        pkCodFilial, pkCodCargo, pnQuantSolicitada, pnDataSolicitacao, pnMotivoSolicitacao, pkCodTipoContrato,
        pnQuantSelecionada, pnQuantContratada, pnIdadeMin, pnIdadeMax, pnSexo, pkCodGrauInstrMin, pnExperMinAnos,
        pnExperMinMeses, pnHorarioTrabalho, pnSalarioOferecido, pnValeTransporte, pnValeRefeicao, pnConvMedico,
        pnConvFarmacia, pnAtividades, pnUltAtualizacao, pnStatus, pnDataEncerramento, pkCodMotivoEncerramento);
    std::string statement = "UPDATE RhsVaga SET ";
    for (std::size_t i = 0; i < kColumns.size(); ++i)
      statement += std::string(kColumns[i].name) + " = " + values[i] + (i + 1 < kColumns.size() ? ", " : " ");
    statement += "WHERE CodVaga = " + Digits(pkCodVaga);
    Execute(ConnRH, statement);
  });
}

void classVaga::IncVaga(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                        std::int32_t& pkCodVaga, std::int32_t& pkCodFilial, std::int32_t& pkCodCargo,
                        std::uint8_t& pnQuantSolicitada, Date& pnDataSolicitacao, std::uint8_t& pnMotivoSolicitacao,
                        std::int32_t& pkCodTipoContrato, std::uint8_t& pnQuantSelecionada,
                        std::uint8_t& pnQuantContratada, Variant& pnIdadeMin, Variant& pnIdadeMax,
                        std::string& pnSexo, std::int32_t& pkCodGrauInstrMin, std::uint8_t& pnExperMinAnos,
                        std::uint8_t& pnExperMinMeses, std::string& pnHorarioTrabalho,
                        Variant& pnSalarioOferecido, std::string& pnValeTransporte, std::string& pnValeRefeicao,
                        std::string& pnConvMedico, std::string& pnConvFarmacia, std::string& pnAtividades,
                        Date& pnUltAtualizacao, std::string& pnStatus, Variant& pnDataEncerramento,
                        Variant& pkCodMotivoEncerramento) {
  InsertTrapped(ConnRH, DescErr, pkCodVaga, {"RhsVaga", "CodVaga"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    const Values values = ColumnValues(
        pkCodFilial, pkCodCargo, pnQuantSolicitada, pnDataSolicitacao, pnMotivoSolicitacao, pkCodTipoContrato,
        pnQuantSelecionada, pnQuantContratada, pnIdadeMin, pnIdadeMax, pnSexo, pkCodGrauInstrMin, pnExperMinAnos,
        pnExperMinMeses, pnHorarioTrabalho, pnSalarioOferecido, pnValeTransporte, pnValeRefeicao, pnConvMedico,
        pnConvFarmacia, pnAtividades, pnUltAtualizacao, pnStatus, pnDataEncerramento, pkCodMotivoEncerramento);
    std::string statement =
        "INSERT INTO RhsVaga ("
        "CodVaga, CodFilial, CodCargo, QuantSolicitada, DataSolicitacao, "
        "MotivoSolicitacao, CodTipoContrato, QuantSelecionada, QuantContratada, "
        "IdadeMin, IdadeMax, Sexo, CodGrauInstrMin, ExperMinAnos, ExperMinMeses, "
        "HorarioTrabalho, SalarioOferecido, ValeTransporte, ValeRefeicao, "
        "ConvMedico, ConvFarmacia, Atividades, UltAtualizacao, Status, "
        "DataEncerramento, CodMotivoEncerramento) "
        "VALUES (" " " + Digits(key) + ", ";
    for (std::size_t i = 0; i < kColumns.size(); ++i)
      statement += (kColumns[i].quoted ? "" : " ") + values[i] + (i + 1 < kColumns.size() ? ", " : ") ");
    Execute(ConnRH, statement);
  });
}

std::optional<std::int32_t> classVaga::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodVaga) AS MaxCod " "FROM RhsVaga");
}

const com::ClassDescription<classVaga>& classVaga::Description() {
  using C = classVaga;
  static const com::ClassDescription<C> d{
      "Quorvel.classVaga",
      {
          com::Method<&C::pAltQuantContratada>("pAltQuantContratada", {"ConnRH", "DescErr", "User",
                                                                       "SourceMachine", "pkCodVaga",
                                                                       "plValorAModificar"}),
          com::Method<&C::pAltQuantSelecionada>("pAltQuantSelecionada", {"ConnRH", "DescErr", "User",
                                                                         "SourceMachine", "pkCodVaga",
                                                                         "plValorAModificar"}),
          com::Method<&C::CarVaga>(
              "CarVaga", {"ConnRH", "DescErr", "vlArray", "pkCodVaga", "pkCodFilial", "pnNomeFil", "pkCodCargo",
                          "pnNomeCargo", "pnMotivoSolicitacao", "pkCodTipoContrato", "pnSalarioOferecido",
                          "pnValeTransporte", "pnValeRefeicao", "pnConvMedico", "pnConvFarmacia", "pnIdadeMin",
                          "pnIdadeMax", "pnSexo", "pkCodGrauInstrMin", "pnStatus", "pkCodMotivoEncerramento"}),
          com::Method<&C::BusVaga>(
              "BusVaga",
              {"ConnRH", "DescErr", "pkCodVaga", "pkCodFilial", "pnNomeFil", "pkCodCargo", "pnNomeCargo",
               "pnQuantSolicitada", "pnDataSolicitacao", "pnMotivoSolicitacao", "pkCodTipoContrato",
               "pnDescrTipoContrato", "pnQuantSelecionada", "pnQuantContratada", "pnIdadeMin", "pnIdadeMax",
               "pnSexo", "pkCodGrauInstrMin", "pnGrauInstrucao", "pnExperMinAnos", "pnExperMinMeses",
               "pnHorarioTrabalho", "pnSalarioOferecido", "pnValeTransporte", "pnValeRefeicao", "pnConvMedico",
               "pnConvFarmacia", "pnAtividades", "pnUltAtualizacao", "pnStatus", "pnDataEncerramento",
               "pkCodMotivoEncerramento", "pnDescrMotivoEncerramento"}),
          com::Method<&C::AltVaga>(
              "AltVaga",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodVaga", "pkCodFilial", "pkCodCargo",
               "pnQuantSolicitada", "pnDataSolicitacao", "pnMotivoSolicitacao", "pkCodTipoContrato",
               "pnQuantSelecionada", "pnQuantContratada", "pnIdadeMin", "pnIdadeMax", "pnSexo",
               "pkCodGrauInstrMin", "pnExperMinAnos", "pnExperMinMeses", "pnHorarioTrabalho", "pnSalarioOferecido",
               "pnValeTransporte", "pnValeRefeicao", "pnConvMedico", "pnConvFarmacia", "pnAtividades",
               "pnUltAtualizacao", "pnStatus", "pnDataEncerramento", "pkCodMotivoEncerramento"}),
          com::Method<&C::IncVaga>(
              "IncVaga",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodVaga", "pkCodFilial", "pkCodCargo",
               "pnQuantSolicitada", "pnDataSolicitacao", "pnMotivoSolicitacao", "pkCodTipoContrato",
               "pnQuantSelecionada", "pnQuantContratada", "pnIdadeMin", "pnIdadeMax", "pnSexo",
               "pkCodGrauInstrMin", "pnExperMinAnos", "pnExperMinMeses", "pnHorarioTrabalho", "pnSalarioOferecido",
               "pnValeTransporte", "pnValeRefeicao", "pnConvMedico", "pnConvFarmacia", "pnAtividades",
               "pnUltAtualizacao", "pnStatus", "pnDataEncerramento", "pkCodMotivoEncerramento"}),
      }};
  return d;
}

}  // namespace quorvel
