// SPDX-License-Identifier: MIT
#pragma once
// classRemuneracao: the history of salary raises of each employee
// (RhsRemuneracao), with their reasons (RhsMotivoAumento).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/date.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classRemuneracao {
 public:
  // Writes the key read back into pkCodRegRemuneracao.
  void BusRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegRemuneracao,
                      std::int32_t& pkCodFuncionario, std::string& pnNome, automation::Date& pnDataAumento,
                      float& pnIndiceAumento, double& pnValorAtualizado, std::int32_t& pkCodMotivoAumento,
                      std::string& pnMotivoAumento);
  // Deletes by raise, by employee, or by both; with neither it deletes
  // nothing and fails with 5.
  void ExcRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      automation::Variant& pkCodRegRemuneracao, automation::Variant& pkCodFuncionario);
  void CarRemuneracao(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                      automation::Variant& pkCodFuncionario, automation::Variant& pnDataAumento,
                      automation::Variant& pnIndiceAumento, automation::Variant& pkCodMotivoAumento);
  void AltRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegRemuneracao, std::int32_t& pkCodFuncionario,
                      automation::Date& pnDataAumento, float& pnIndiceAumento, double& pnValorAtualizado,
                      std::int32_t& pkCodMotivoAumento);
  void IncRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegRemuneracao, std::int32_t& pkCodFuncionario,
                      automation::Date& pnDataAumento, float& pnIndiceAumento, double& pnValorAtualizado,
                      std::int32_t& pkCodMotivoAumento);

  static const com::ClassDescription<classRemuneracao>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
