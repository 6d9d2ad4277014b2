// SPDX-License-Identifier: MIT
#pragma once
// classContrSindical: the employees' union contributions (RhsContrSindical).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classContrSindical {
 public:
  void BusContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegContrSindical,
                        std::int32_t& pkCodFuncionario, std::string& pnNome, std::int16_t& pnAnoBaseContrSind,
                        double& pnValorContribuicao, std::string& pnNomeSindFavorecido);
  void ExcContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodRegContrSindical);
  void CarContrSindical(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                        automation::Variant& pkCodFuncionario, automation::Variant& pnAnoBaseContrSind,
                        automation::Variant& pnValorContribuicao, automation::Variant& pnNomeSindFavorecido);
  void AltContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodRegContrSindical,
                        std::int32_t& pkCodFuncionario, std::int16_t& pnAnoBaseContrSind,
                        double& pnValorContribuicao, std::string& pnNomeSindFavorecido);
  void IncContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodRegContrSindical,
                        std::int32_t& pkCodFuncionario, std::int16_t& pnAnoBaseContrSind,
                        double& pnValorContribuicao, std::string& pnNomeSindFavorecido);

  static const com::ClassDescription<classContrSindical>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
