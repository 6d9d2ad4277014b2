// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classVaga.h"

#include <cstdlib>

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Date;
using automation::Variant;

namespace {

void AddToCounter(ado::Connection& ConnRH, std::string& DescErr, std::string_view counter, std::int32_t key,
                  std::int32_t amount) {
  Trapped(DescErr, [&] {
    const std::int64_t n = amount;
    std::string statement = "UPDATE RhsVaga SET ";
    statement += std::string(counter) + " = " + std::string(counter) + " ";
    statement += (n >= 0 ? "+ " : "- ") + sql::Number(std::llabs(n)) + " ";
    statement += "WHERE CodVaga = " + sql::Number(key);
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
        "WHERE RhsVaga.CodVaga = " + sql::Number(pkCodVaga));
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
    CopyOrEmpty(*rs, "DescrMotivoEncerramento", pnDescrMotivoEncerramento);
    rs->Close();
  });
}

namespace {

// The columns of RhsVaga in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t CodFilial, std::int32_t CodCargo,
                         std::uint8_t QuantSolicitada, const Date& DataSolicitacao, std::uint8_t MotivoSolicitacao,
                         std::int32_t CodTipoContrato, std::uint8_t QuantSelecionada, std::uint8_t QuantContratada,
                         const Variant& IdadeMin, const Variant& IdadeMax, std::string_view Sexo,
                         std::int32_t CodGrauInstrMin, std::uint8_t ExperMinAnos, std::uint8_t ExperMinMeses,
                         std::string_view HorarioTrabalho, const Variant& SalarioOferecido,
                         std::string_view ValeTransporte, std::string_view ValeRefeicao, std::string_view ConvMedico,
                         std::string_view ConvFarmacia, std::string_view Atividades, const Date& UltAtualizacao,
                         std::string_view Status, const Variant& DataEncerramento,
                         const Variant& CodMotivoEncerramento) {
  using sql::kBlank;
  return {{"CodVaga", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFilial", sql::Number(CodFilial), kBlank},
          {"CodCargo", sql::Number(CodCargo), kBlank},
          {"QuantSolicitada", sql::Number(QuantSolicitada), kBlank},
          {"DataSolicitacao", sql::Date(DataSolicitacao)},
          {"MotivoSolicitacao", sql::Number(MotivoSolicitacao), kBlank},
          {"CodTipoContrato", sql::Number(CodTipoContrato), kBlank},
          {"QuantSelecionada", sql::Number(QuantSelecionada), kBlank},
          {"QuantContratada", sql::Number(QuantContratada), kBlank},
          {"IdadeMin", sql::OptionalNumber(IdadeMin), kBlank},
          {"IdadeMax", sql::OptionalNumber(IdadeMax), kBlank},
          {"Sexo", sql::Quote(Sexo)},
          {"CodGrauInstrMin", sql::Number(CodGrauInstrMin), kBlank},
          {"ExperMinAnos", sql::Number(ExperMinAnos), kBlank},
          {"ExperMinMeses", sql::Number(ExperMinMeses), kBlank},
          {"HorarioTrabalho", sql::Quote(HorarioTrabalho)},
          {"SalarioOferecido", sql::OptionalNumber(SalarioOferecido), kBlank},
          {"ValeTransporte", sql::Quote(ValeTransporte)},
          {"ValeRefeicao", sql::Quote(ValeRefeicao)},
          {"ConvMedico", sql::Quote(ConvMedico)},
          {"ConvFarmacia", sql::Quote(ConvFarmacia)},
          {"Atividades", sql::Quote(Atividades)},
          {"UltAtualizacao", sql::Date(UltAtualizacao)},
          {"Status", sql::Quote(Status)},
          {"DataEncerramento", sql::OptionalDate(DataEncerramento), kBlank},
          {"CodMotivoEncerramento", sql::OptionalNumber(CodMotivoEncerramento), kBlank}};
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
    Execute(ConnRH, sql::Update("RhsVaga",
                                Columns(pkCodVaga, pkCodFilial, pkCodCargo, pnQuantSolicitada, pnDataSolicitacao,
                                        pnMotivoSolicitacao, pkCodTipoContrato, pnQuantSelecionada, pnQuantContratada,
                                        pnIdadeMin, pnIdadeMax, pnSexo, pkCodGrauInstrMin, pnExperMinAnos,
                                        pnExperMinMeses, pnHorarioTrabalho, pnSalarioOferecido, pnValeTransporte,
                                        pnValeRefeicao, pnConvMedico, pnConvFarmacia, pnAtividades, pnUltAtualizacao,
                                        pnStatus, pnDataEncerramento, pkCodMotivoEncerramento),
                                "WHERE CodVaga = " + sql::Number(pkCodVaga)));
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
    Execute(ConnRH, sql::Insert("RhsVaga",
                                Columns(key, pkCodFilial, pkCodCargo, pnQuantSolicitada, pnDataSolicitacao,
                                        pnMotivoSolicitacao, pkCodTipoContrato, pnQuantSelecionada, pnQuantContratada,
                                        pnIdadeMin, pnIdadeMax, pnSexo, pkCodGrauInstrMin, pnExperMinAnos,
                                        pnExperMinMeses, pnHorarioTrabalho, pnSalarioOferecido, pnValeTransporte,
                                        pnValeRefeicao, pnConvMedico, pnConvFarmacia, pnAtividades, pnUltAtualizacao,
                                        pnStatus, pnDataEncerramento, pkCodMotivoEncerramento)));
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
