// SPDX-License-Identifier: MIT
#pragma once
// classExameFuncionario: the exams assigned to employees
// (RhsExameFuncionario); the list reads each employee's unit name from CadCa
// on a second connection.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classExameFuncionario {
 public:
  // conn: a second open connection, used only for the CadCa look-ups (one per row).
  void CarExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                           automation::Variant& pkCodExameFuncionario, automation::Variant& pkCodFuncionario,
                           automation::Variant& pkCodIndividual, automation::Variant& pnNome,
                           automation::Variant& pkCodFilial, automation::Variant& pkCodTipoExame,
                           automation::Variant& pnDescrTipoExame, automation::Variant& pnPeriodico,
                           automation::Variant& pnDemissional, automation::Variant& pnAnos,
                           automation::Variant& pnMeses, automation::Variant& pnDias, ado::Connection& conn);
  // Writes the key read back into pkCodExameFuncionario.
  void BusExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodExameFuncionario,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodIndividual, std::string& pnNome,
                           std::int32_t& pkCodTipoExame, std::string& pnDescrTipoExame, std::string& pnPeriodico,
                           std::string& pnDemissional, std::int32_t& pnAnos, std::int32_t& pnMeses,
                           std::int32_t& pnDias);
  void AltExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodExameFuncionario,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame, std::string& pnPeriodico,
                           std::string& pnDemissional, std::int32_t& pnAnos, std::int32_t& pnMeses,
                           std::int32_t& pnDias);
  void ExcExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodExameFuncionario);
  void IncExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodExameFuncionario,
                           std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame, std::string& pnPeriodico,
                           std::string& pnDemissional, std::int32_t& pnAnos, std::int32_t& pnMeses,
                           std::int32_t& pnDias);

  static const com::ClassDescription<classExameFuncionario>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
