// SPDX-License-Identifier: MIT
#pragma once
// classCargo: the register of positions (RhsCargo) with their occupation
// codes (RhsCBO).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classCargo {
 public:
  void ExcCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                std::int32_t& pkCodCargo);
  void BusNomeCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodCargo,
                    std::string& pnNomeCargo);
  // pkCodCBO is compared unquoted: a number, or a literal quoted by the caller.
  void CarCargo(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                automation::Variant& pkCodCargo, automation::Variant& pnNomeCargo, automation::Variant& pkCodCBO,
                automation::Variant& pnPisoCargo);
  // Writes the key read back into pkCodCargo.
  void BusCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodCargo, std::string& pnNomeCargo,
                std::string& pkCodCBO, std::string& pnDescrCBO, double& pnPisoCargo);
  void AltCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                std::int32_t& pkCodCargo, std::string& pnNomeCargo, std::string& pkCodCBO, double& pnPisoCargo);
  void IncCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                std::int32_t& pkCodCargo, std::string& pnNomeCargo, std::string& pkCodCBO, double& pnPisoCargo);

  static const com::ClassDescription<classCargo>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
