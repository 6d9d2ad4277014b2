// SPDX-License-Identifier: MIT
#pragma once
// classVaga: the vacancies that a branch opens for a position (RhsVaga).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classVaga {
 public:
  using Variant = automation::Variant;
  using Date = automation::Date;

  // The counters change by a signed amount inside one statement.
  void pAltQuantContratada(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodVaga, std::int32_t& plValorAModificar);
  void pAltQuantSelecionada(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodVaga, std::int32_t& plValorAModificar);
  void CarVaga(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodVaga,
               Variant& pkCodFilial, Variant& pnNomeFil, Variant& pkCodCargo, Variant& pnNomeCargo,
               Variant& pnMotivoSolicitacao, Variant& pkCodTipoContrato, Variant& pnSalarioOferecido,
               Variant& pnValeTransporte, Variant& pnValeRefeicao, Variant& pnConvMedico, Variant& pnConvFarmacia,
               Variant& pnIdadeMin, Variant& pnIdadeMax, Variant& pnSexo, Variant& pkCodGrauInstrMin,
               Variant& pnStatus, Variant& pkCodMotivoEncerramento);
  void BusVaga(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodVaga, std::int32_t& pkCodFilial,
               std::string& pnNomeFil, std::int32_t& pkCodCargo, std::string& pnNomeCargo,
               std::uint8_t& pnQuantSolicitada, Date& pnDataSolicitacao, std::uint8_t& pnMotivoSolicitacao,
               std::int32_t& pkCodTipoContrato, Variant& pnDescrTipoContrato, std::uint8_t& pnQuantSelecionada,
               std::uint8_t& pnQuantContratada, Variant& pnIdadeMin, Variant& pnIdadeMax, std::string& pnSexo,
               std::int32_t& pkCodGrauInstrMin, std::string& pnGrauInstrucao, std::uint8_t& pnExperMinAnos,
               std::uint8_t& pnExperMinMeses, std::string& pnHorarioTrabalho, Variant& pnSalarioOferecido,
               std::string& pnValeTransporte, std::string& pnValeRefeicao, std::string& pnConvMedico,
               std::string& pnConvFarmacia, std::string& pnAtividades, Date& pnUltAtualizacao,
               std::string& pnStatus, Variant& pnDataEncerramento, Variant& pkCodMotivoEncerramento,
               std::string& pnDescrMotivoEncerramento);
  void AltVaga(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
               std::int32_t& pkCodVaga, std::int32_t& pkCodFilial, std::int32_t& pkCodCargo,
               std::uint8_t& pnQuantSolicitada, Date& pnDataSolicitacao, std::uint8_t& pnMotivoSolicitacao,
               std::int32_t& pkCodTipoContrato, std::uint8_t& pnQuantSelecionada, std::uint8_t& pnQuantContratada,
               Variant& pnIdadeMin, Variant& pnIdadeMax, std::string& pnSexo, std::int32_t& pkCodGrauInstrMin,
               std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses, std::string& pnHorarioTrabalho,
               Variant& pnSalarioOferecido, std::string& pnValeTransporte, std::string& pnValeRefeicao,
               std::string& pnConvMedico, std::string& pnConvFarmacia, std::string& pnAtividades,
               Date& pnUltAtualizacao, std::string& pnStatus, Variant& pnDataEncerramento,
               Variant& pkCodMotivoEncerramento);
  void IncVaga(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
               std::int32_t& pkCodVaga, std::int32_t& pkCodFilial, std::int32_t& pkCodCargo,
               std::uint8_t& pnQuantSolicitada, Date& pnDataSolicitacao, std::uint8_t& pnMotivoSolicitacao,
               std::int32_t& pkCodTipoContrato, std::uint8_t& pnQuantSelecionada, std::uint8_t& pnQuantContratada,
               Variant& pnIdadeMin, Variant& pnIdadeMax, std::string& pnSexo, std::int32_t& pkCodGrauInstrMin,
               std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses, std::string& pnHorarioTrabalho,
               Variant& pnSalarioOferecido, std::string& pnValeTransporte, std::string& pnValeRefeicao,
               std::string& pnConvMedico, std::string& pnConvFarmacia, std::string& pnAtividades,
               Date& pnUltAtualizacao, std::string& pnStatus, Variant& pnDataEncerramento,
               Variant& pkCodMotivoEncerramento);

  static const com::ClassDescription<classVaga>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
