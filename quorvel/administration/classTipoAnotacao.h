// SPDX-License-Identifier: MIT
#pragma once
// classTipoAnotacao: the register of annotation types (RhsTipoAnotacao).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTipoAnotacao {
 public:
  void BusDescrTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoAnotacao,
                            std::string& pnDescrTipoAnotacao);
  void ExcTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::int32_t& pkCodTipoAnotacao);
  // In description order; the flags are compared exactly.
  void CarTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                       automation::Variant& pkCodTipoAnotacao, automation::Variant& pnDescrTipoAnotacao,
                       automation::Variant& pnFalta, automation::Variant& pnAtivado);
  // Writes the key read back into pkCodTipoAnotacao.
  void BusTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoAnotacao,
                       std::string& pnDescrTipoAnotacao, std::string& pnFalta, std::string& pnAtivado);
  void AltTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao, std::string& pnFalta,
                       std::string& pnAtivado);
  void IncTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao, std::string& pnFalta,
                       std::string& pnAtivado);

  static const com::ClassDescription<classTipoAnotacao>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
