// SPDX-License-Identifier: MIT
#pragma once
// classContratoFuncionario: the employment contracts of the employees
// (RhsContratoFuncionario); a contract without closing date is open.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/date.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classContratoFuncionario {
 public:
  // Writes the key read back into pkCodRegContratoFuncionario.
  void BusContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr,
                              std::int32_t& pkCodRegContratoFuncionario, std::int32_t& pkCodFuncionario,
                              std::string& pnNome, automation::Date& pnDataNasc, std::int32_t& pkCodTipoContrato,
                              std::string& pnDescrTipoContrato, std::int32_t& pkCodCargo, std::string& pnNomeCargo,
                              automation::Variant& pnDataEmissaoContr, automation::Variant& pnDuracaoContr,
                              automation::Variant& pnDataValidadeContr, automation::Variant& pnDataEncerramContr,
                              std::string& pnMotivoContrato, std::string& pnPeriodoPagamentoContr,
                              std::uint8_t& pkCodTipoSalario, std::string& pnDescrTipoSalario,
                              double& pnValorSalarioContr, float& pnIndicePericulosidadeContr,
                              float& pnIndiceInsalubridadeContr, float& pnHorasDiarias, float& pnHorasSemanais,
                              std::string& pnHorarioTrabalho, automation::Variant& pnHorasExtrasNaoExcedentes,
                              automation::Variant& pnAcrescimoNaoExcedentes, std::string& pnEmitido);
  void AltEmissaoContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                     std::string& SourceMachine, std::int32_t& pkCodRegContratoFuncionario,
                                     std::string& pnEmitido);
  // 0 on a failure.
  void fQuantContratosFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodFuncionario,
                                  std::int32_t& result);
  // False on a failure.
  void fExisteContratoEmAberto(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodFuncionario,
                               bool& result);
  void ExcContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                              std::string& SourceMachine, std::int32_t& pkCodRegContratoFuncionario);
  // pnHorasDiarias and pnHorasSemanais are hours: a number, or a time of day (08:30 is 8.5).
  void CarContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                              automation::Variant& pkCodRegContratoFuncionario,
                              automation::Variant& pkCodFuncionario, automation::Variant& pkCodTipoContrato,
                              automation::Variant& pnNomeFil, automation::Variant& pkCodCargo,
                              automation::Variant& pnNomeCargo, automation::Variant& pnDataEmissaoContr,
                              automation::Variant& pnDuracaoContr, automation::Variant& pnMotivoContrato,
                              automation::Variant& pnPeriodoPagamentoContr, automation::Variant& pkCodTipoSalario,
                              automation::Variant& pnHorasDiarias, automation::Variant& pnHorasSemanais,
                              automation::Variant& pnHorasExtrasNaoExcedentes,
                              automation::Variant& pnAcrescimoNaoExcedentes, automation::Variant& pnEmitido);
  void AltContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                              std::string& SourceMachine, std::int32_t& pkCodRegContratoFuncionario,
                              std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoContrato,
                              std::int32_t& pkCodCargo, automation::Date& pnDataEmissaoContr,
                              automation::Variant& pnDuracaoContr, automation::Variant& pnDataValidadeContr,
                              automation::Variant& pnDataEncerramContr, std::string& pnMotivoContrato,
                              std::string& pnPeriodoPagamentoContr, std::uint8_t& pkCodTipoSalario,
                              double& pnValorSalarioContr, float& pnIndicePericulosidadeContr,
                              float& pnIndiceInsalubridadeContr, float& pnHorasDiarias, float& pnHorasSemanais,
                              std::string& pnHorarioTrabalho, automation::Variant& pnHorasExtrasNaoExcedentes,
                              automation::Variant& pnAcrescimoNaoExcedentes, std::string& pnEmitido);
  void IncContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                              std::string& SourceMachine, std::int32_t& pkCodRegContratoFuncionario,
                              std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoContrato,
                              std::int32_t& pkCodCargo, automation::Date& pnDataEmissaoContr,
                              automation::Variant& pnDuracaoContr, automation::Variant& pnDataValidadeContr,
                              automation::Variant& pnDataEncerramContr, std::string& pnMotivoContrato,
                              std::string& pnPeriodoPagamentoContr, std::uint8_t& pkCodTipoSalario,
                              double& pnValorSalarioContr, float& pnIndicePericulosidadeContr,
                              float& pnIndiceInsalubridadeContr, float& pnHorasDiarias, float& pnHorasSemanais,
                              std::string& pnHorarioTrabalho, automation::Variant& pnHorasExtrasNaoExcedentes,
                              automation::Variant& pnAcrescimoNaoExcedentes, std::string& pnEmitido);

  static const com::ClassDescription<classContratoFuncionario>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
