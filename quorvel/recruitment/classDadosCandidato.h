// SPDX-License-Identifier: MIT
#pragma once
// classDadosCandidato: the candidate file (RhsDadosCandidato), one record per
// applicant, tied to a person of RhsDadosPessoais.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classDadosCandidato {
 public:
  using Variant = automation::Variant;
  using Date = automation::Date;

  void CarComboMeioTransporte(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void CarComboEncaminhadoPor(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  // -1 when the person has no candidate record, 0 on failure.
  std::int32_t fBusCodCandidato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual);
  void CarCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodIndividual,
                    Variant& pnNome, Variant& pnDatilografia, Variant& pnFumante, Variant& pnDispHorasExtras,
                    Variant& pnDispViagens, Variant& pnSituacao);
  void BusCandidato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
                    std::string& pnNome, Date& pnDataNasc, std::int32_t& pkCodCandidato,
                    std::string& pnEncaminhadoPor, std::string& pnParentesEmpresa, Variant& pnNomeParentes,
                    std::string& pnDatilografia, std::string& pnOutrosTiposTrab, Variant& pnDescrOutrosTiposTrab,
                    Variant& pnOutrosConhecimentos, std::string& pnDispHorasExtras, std::string& pnDispViagens,
                    double& pnSalarioPretendido, std::string& pnTurnoPreferencial, Variant& pnOutrasFuncoes,
                    std::string& pnMeioTransporte, Variant& pnOutrosContatos, Date& pnDataUltimaAtualizacao,
                    std::string& pnSituacao);
  void AltCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                    std::int32_t& pkCodIndividual, std::int32_t& pkCodCandidato, std::string& pnEncaminhadoPor,
                    std::string& pnParentesEmpresa, Variant& pnNomeParentes, std::string& pnDatilografia,
                    std::string& pnOutrosTiposTrab, Variant& pnDescrOutrosTiposTrab, Variant& pnOutrosConhecimentos,
                    std::string& pnDispHorasExtras, std::string& pnDispViagens, double& pnSalarioPretendido,
                    std::string& pnTurnoPreferencial, Variant& pnOutrasFuncoes, std::string& pnMeioTransporte,
                    Variant& pnOutrosContatos, Date& pnDataUltimaAtualizacao, std::string& pnSituacao);
  void IncCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                    std::int32_t& pkCodIndividual, std::int32_t& pkCodCandidato, std::string& pnEncaminhadoPor,
                    std::string& pnParentesEmpresa, Variant& pnNomeParentes, std::string& pnDatilografia,
                    std::string& pnOutrosTiposTrab, Variant& pnDescrOutrosTiposTrab, Variant& pnOutrosConhecimentos,
                    std::string& pnDispHorasExtras, std::string& pnDispViagens, double& pnSalarioPretendido,
                    std::string& pnTurnoPreferencial, Variant& pnOutrasFuncoes, std::string& pnMeioTransporte,
                    Variant& pnOutrosContatos, Date& pnDataUltimaAtualizacao, std::string& pnSituacao);
  void AltSituacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodCandidato, std::string& pnSituacao);

  static const com::ClassDescription<classDadosCandidato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
