// SPDX-License-Identifier: MIT
#pragma once
// classEPIPerfilCargo: the protective equipment that position profiles
// require (RhsEPIPerfilCargo), with the equipment's name from RhsEPI.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classEPIPerfilCargo {
 public:
  // Writes the key read back into pkCodRegEPIPerfilCargo.
  void BusEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegEPIPerfilCargo,
                         std::int32_t& pkCodPerfilCargo, std::int32_t& pkCodEPI, std::string& pnNomeEPI);
  void ExcEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodRegEPIPerfilCargo);
  void CarEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                         automation::Variant& pkCodRegEPIPerfilCargo, automation::Variant& pkCodPerfilCargo,
                         automation::Variant& pkCodEPI, automation::Variant& pnNomeEPI);
  void AltEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodRegEPIPerfilCargo,
                         std::int32_t& pkCodPerfilCargo, std::int32_t& pkCodEPI);
  void IncEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodRegEPIPerfilCargo,
                         std::int32_t& pkCodPerfilCargo, std::int32_t& pkCodEPI);

  static const com::ClassDescription<classEPIPerfilCargo>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
