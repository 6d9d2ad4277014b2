// SPDX-License-Identifier: MIT
#pragma once
// classMotivoEncerramento: the reasons for which a vacancy is closed (RhsMotivoEncerramento).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classMotivoEncerramento {
 public:
  void ExcMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodMotivoEncerramento);
  void CarMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                             automation::Variant& pkCodMotivoEncerramento,
                             automation::Variant& pnDescrMotivoEncerramento);
  // The key argument is not written.
  void BusMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodMotivoEncerramento,
                             std::string& pnDescrMotivoEncerramento);
  void AltMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodMotivoEncerramento,
                             std::string& pnDescrMotivoEncerramento);
  void IncMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodMotivoEncerramento,
                             std::string& pnDescrMotivoEncerramento);

  static const com::ClassDescription<classMotivoEncerramento>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
