// SPDX-License-Identifier: MIT
#pragma once
// classCargoCandidato: the positions a candidate wants (RhsCargoCandidato),
// with the position's name.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classCargoCandidato {
 public:
  void IncCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegCargoCandidato, std::int32_t& pkCodCandidato,
                         std::int32_t& pkCodCargo);
  void ExcCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegCargoCandidato);
  void CarCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                         automation::Variant& pkCodCandidato, automation::Variant& pkCodCargo);
  void BusCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegCargoCandidato,
                         std::int32_t& pkCodCandidato, std::int32_t& pkCodCargo, std::string& pnNomeCargo);
  void AltCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegCargoCandidato, std::int32_t& pkCodCandidato,
                         std::int32_t& pkCodCargo);

  static const com::ClassDescription<classCargoCandidato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
