// SPDX-License-Identifier: MIT
#pragma once
// classValeRefeicao: the employees' meal-voucher withdrawals (RhsValeRefeicao).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classValeRefeicao {
 public:
  void BusValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegValeRefeicao,
                       std::int32_t& pkCodFuncionario, std::string& pnNome, automation::Date& pnDataRetirada,
                       std::uint8_t& pnQuantidadeRetirada, double& pnValorUnitarioVR, double& pnValorTotal);
  void ExcValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                       std::string& SourceMachine, std::int32_t& pkCodRegValeRefeicao);
  // Hands its list back in vlArray, as every list of the library does.
  void CarValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                       automation::Variant& pkCodFuncionario, automation::Variant& pnDataRetirada,
                       automation::Variant& pnQuantidadeRetirada);
  void AltValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                       std::string& SourceMachine, std::int32_t& pkCodRegValeRefeicao,
                       std::int32_t& pkCodFuncionario, automation::Date& pnDataRetirada,
                       std::uint8_t& pnQuantidadeRetirada, double& pnValorUnitarioVR, double& pnValorTotal);
  void IncValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                       std::string& SourceMachine, std::int32_t& pkCodRegValeRefeicao,
                       std::int32_t& pkCodFuncionario, automation::Date& pnDataRetirada,
                       std::uint8_t& pnQuantidadeRetirada, double& pnValorUnitarioVR, double& pnValorTotal);

  static const com::ClassDescription<classValeRefeicao>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
