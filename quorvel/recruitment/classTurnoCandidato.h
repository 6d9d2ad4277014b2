// SPDX-License-Identifier: MIT
#pragma once
// classTurnoCandidato: the work shifts a candidate accepts (RhsTurnoCandidato).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTurnoCandidato {
 public:
  void IncTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegTurnoCandidato, std::int32_t& pkCodCandidato,
                         std::string& pnDescrTurnoCandidato);
  void ExcTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegTurnoCandidato);
  void CarTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                         automation::Variant& pkCodCandidato, automation::Variant& pnDescrTurnoCandidato);
  void BusTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegTurnoCandidato,
                         std::int32_t& pkCodCandidato, std::string& pnDescrTurnoCandidato);
  void AltTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegTurnoCandidato, std::int32_t& pkCodCandidato,
                         std::string& pnDescrTurnoCandidato);

  static const com::ClassDescription<classTurnoCandidato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
