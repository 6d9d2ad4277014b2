// SPDX-License-Identifier: MIT
#pragma once
// classNivelEscolaridade: the schooling levels (RhsNivelEscolaridade).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classNivelEscolaridade {
 public:
  void IncNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodNivel, std::string& pnDescrNivel);
  void ExcNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodNivel);
  void CarNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                            automation::Variant& pkCodNivel, automation::Variant& pnDescrNivel);
  void BusNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodNivel,
                            std::string& pnDescrNivel);
  void AltNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodNivel, std::string& pnDescrNivel);

  static const com::ClassDescription<classNivelEscolaridade>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
