// SPDX-License-Identifier: MIT
#pragma once
// classDadosFuncionario: the employment records (RhsDadosFuncionario) of the
// people of RhsDadosPessoais, and the vacation base date kept with the
// vacation records (RhsFerias).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/date.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classDadosFuncionario {
 public:
  // The person's employee key: -1 when there is none, 0 on a failure.
  std::int32_t fBusCodFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual);
  void AltNrDepSalFamilia(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodFuncionario, std::int32_t& plNovoValor);
  void AltNrDepIR(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                  std::int32_t& pkCodFuncionario, std::int32_t& plNovoValor);
  void AltSalarioContratual(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodFuncionario, double& plNovoSalario);
  void AltDadosFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodIndividual,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodFilial, std::int32_t& pkCodVaga,
                           std::int32_t& pkCodTipoContrato, automation::Variant& pnNrMatricula,
                           automation::Date& pnDataAdmissao, automation::Date& pnDataPrimAdmissao,
                           std::uint8_t& pkCodTipoAdmissao, std::uint8_t& pnMotivoContratacao,
                           std::int32_t& pkCodCargo, automation::Variant& pkCodCA, std::string& pkNumBancoPagto,
                           std::string& pnAgenciaPagto, std::string& pnContaPagto,
                           automation::Variant& pnDataOpFGTS, std::string& pnOptante, std::string& pkNumBancoFGTS,
                           std::string& pnNrContaFGTS, double& pnSalarioContratual,
                           std::uint8_t& pkCodTipoSalario, std::string& pnPeriodoPagamento,
                           std::int16_t& pnNrDepIR, float& pnIndicePericulosidade,
                           float& pnIndiceInsalubridade, float& pnHorasDiarias, float& pnHorasSemanais,
                           float& pnHorasMensais, std::string& pnHorarioTrabalho,
                           automation::Variant& pnHorasExtrasNaoExcedentes,
                           automation::Variant& pnAcrescimoNaoExcedentes, std::string& pnContrSindical,
                           automation::Variant& pkCodSindicato, std::string& pnValeRefeicao,
                           std::string& pnValeTransporte, std::string& pnConvMedico, std::string& pnConvFarmacia,
                           float& pnPercentualSAT, std::string& pnAlvara, std::string& pnMaoDeObra,
                           std::int16_t& pkCodTipoVinculo, std::uint8_t& pnNrDepSalFamilia,
                           automation::Variant& pnDataExameMedico, automation::Date& pnDataFerias,
                           automation::Variant& pnFichaRegistro, automation::Variant& pnDataDesligamento,
                           automation::Variant& pkCodMotivoDeslig, std::string& pnNomeResponsavel,
                           automation::Date& pnDataUltimaAtualizacao, double& pnGratificacao);
  // Inserts with a new key (into pkCodFuncionario) and makes the person an employee.
  void IncDadosFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodIndividual,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodFilial, std::int32_t& pkCodVaga,
                           std::int32_t& pkCodTipoContrato, automation::Variant& pnNrMatricula,
                           automation::Date& pnDataAdmissao, automation::Date& pnDataPrimAdmissao,
                           std::uint8_t& pkCodTipoAdmissao, std::uint8_t& pnMotivoContratacao,
                           std::int32_t& pkCodCargo, automation::Variant& pkCodCA, std::string& pkNumBancoPagto,
                           std::string& pnAgenciaPagto, std::string& pnContaPagto,
                           automation::Variant& pnDataOpFGTS, std::string& pnOptante, std::string& pkNumBancoFGTS,
                           std::string& pnNrContaFGTS, double& pnSalarioContratual,
                           std::uint8_t& pkCodTipoSalario, std::string& pnPeriodoPagamento,
                           std::int16_t& pnNrDepIR, float& pnIndicePericulosidade,
                           float& pnIndiceInsalubridade, float& pnHorasDiarias, float& pnHorasSemanais,
                           float& pnHorasMensais, std::string& pnHorarioTrabalho,
                           automation::Variant& pnHorasExtrasNaoExcedentes,
                           automation::Variant& pnAcrescimoNaoExcedentes, std::string& pnContrSindical,
                           automation::Variant& pkCodSindicato, std::string& pnValeRefeicao,
                           std::string& pnValeTransporte, std::string& pnConvMedico, std::string& pnConvFarmacia,
                           float& pnPercentualSAT, std::string& pnAlvara, std::string& pnMaoDeObra,
                           std::int16_t& pkCodTipoVinculo, std::uint8_t& pnNrDepSalFamilia,
                           automation::Variant& pnDataExameMedico, automation::Date& pnDataFerias,
                           automation::Variant& pnFichaRegistro, automation::Variant& pnDataDesligamento,
                           automation::Variant& pkCodMotivoDeslig, std::string& pnNomeResponsavel,
                           automation::Date& pnDataUltimaAtualizacao, double& pnGratificacao);
  void CarDadosFuncionario(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                           automation::Variant& pkCodIndividual, automation::Variant& pkCodFuncionario,
                           automation::Variant& pnNome, automation::Variant& pkCodFilial,
                           automation::Variant& pkCodTipoAdmissao, automation::Variant& pnMotivoContratacao,
                           automation::Variant& pnDataAdmissao, automation::Variant& pkCodCargo,
                           automation::Variant& pkCodCA, automation::Variant& pkCodTipoVinculo,
                           automation::Variant& pkCodSindicato, automation::Variant& pkCodMotivoDeslig,
                           automation::Variant& pkCodTipoSalario, automation::Variant& pnPeriodoPagamento,
                           automation::Variant& pnValeTransporte, automation::Variant& pnValeRefeicao,
                           automation::Variant& pnConvMedico, automation::Variant& pnConvFarmacia);
  // The caption row alone when there is no such employee.
  void BusDadosFuncionario(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                           std::int32_t& pkCodFuncionario);
  // Current vacation base date into every vacation record of the employee.
  void pIncDataBaseFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodFuncionario);
  // Sets the base date to pnData, or back to the previous one when pnData is
  // Null; only for an employee with vacation records.
  void pAltDataBaseFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodFuncionario, automation::Variant& pnData);

  static const com::ClassDescription<classDadosFuncionario>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
