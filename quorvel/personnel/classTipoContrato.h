// SPDX-License-Identifier: MIT
#pragma once
// classTipoContrato: the catalogue of contract types (RhsTipoContrato).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTipoContrato {
 public:
  void BusDescrTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoContrato,
                            std::string& pnDescrTipoContrato);
  void ExcTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::int32_t& pkCodTipoContrato);
  void CarTipoContrato(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                       automation::Variant& pkCodTipoContrato, automation::Variant& pnDescrTipoContrato,
                       automation::Variant& pnAtivado);
  // Writes the key read back into pkCodTipoContrato.
  void BusTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoContrato,
                       std::string& pnDescrTipoContrato, std::string& pnNomeContrato, std::string& pnNomeContrato2,
                       std::string& pnLeiContrato, std::string& pnDesignacaoContratado, std::string& pnAtivado);
  void AltTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato,
                       std::string& pnNomeContrato, std::string& pnNomeContrato2, std::string& pnLeiContrato,
                       std::string& pnDesignacaoContratado, std::string& pnAtivado);
  void IncTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato,
                       std::string& pnNomeContrato, std::string& pnNomeContrato2, std::string& pnLeiContrato,
                       std::string& pnDesignacaoContratado, std::string& pnAtivado);

  static const com::ClassDescription<classTipoContrato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
