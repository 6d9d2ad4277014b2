// SPDX-License-Identifier: MIT
#pragma once
// classFaltaFuncionario: the absences of the employees (RhsFaltaFuncionario)
// with the employee's name and the absence type.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classFaltaFuncionario {
 public:
  // Writes the key read back into pkCodRegFaltaFuncionario; the dates and hours keep Null.
  void BusFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegFaltaFuncionario,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodIndividual, std::string& pnNome,
                           std::int32_t& pkCodTipoFalta, std::string& pnDescrTipoFalta,
                           std::string& pnJustificativa, automation::Variant& pnDataInicio,
                           automation::Variant& pnDataFinal, automation::Variant& pnNrHoras,
                           std::string& pnObservacao);
  void ExcFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodRegFaltaFuncionario);
  // Newest start date first.
  void CarFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                           automation::Variant& pkCodRegFaltaFuncionario, automation::Variant& pkCodFuncionario,
                           automation::Variant& pkCodIndividual, automation::Variant& pkCodTipoFalta,
                           automation::Variant& pnJustificativa, automation::Variant& pnObservacao);
  void AltFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodRegFaltaFuncionario,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoFalta,
                           automation::Variant& pnDataInicio, automation::Variant& pnDataFinal,
                           automation::Variant& pnNrHoras, std::string& pnObservacao);
  // Days of absence that begin within the period (each absence cut at the
  // period's end, one day without an end date); 0 when none, -1 on failure.
  double fNrFaltasPeriodo(ado::Connection& ConnRH, std::string& DescErr, automation::Date& pnDataInicial,
                          automation::Date& pnDataFinal, automation::Variant& pnJustificativa,
                          automation::Variant& pkCodFuncionario, automation::Variant& pkCodFilial,
                          automation::Variant& pkCodCA);
  void IncFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodRegFaltaFuncionario,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoFalta,
                           automation::Variant& pnDataInicio, automation::Variant& pnDataFinal,
                           automation::Variant& pnNrHoras, std::string& pnObservacao);

  static const com::ClassDescription<classFaltaFuncionario>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
