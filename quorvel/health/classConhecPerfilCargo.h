// SPDX-License-Identifier: MIT
#pragma once
// classConhecPerfilCargo: the knowledge that position profiles require
// (RhsConhecPerfilCargo), with the nodes' data from the knowledge tree.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classConhecPerfilCargo {
 public:
  void CarConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                            automation::Variant& pkCodRegPerfilCargo, automation::Variant& pkCodConhec,
                            automation::Variant& pnNivelConhecPerfil);
  // Writes the key read back into pkCodRegConhecPerfil.
  void BusConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegConhecPerfil,
                            std::int32_t& pkCodRegPerfilCargo, std::string& pkCodConhec, std::string& pnDescrConhec,
                            std::uint8_t& pnNivelConhecPerfil);
  void ExcConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodRegConhecPerfil);
  void AltConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodRegConhecPerfil,
                            std::int32_t& pkCodRegPerfilCargo, std::string& pkCodConhec,
                            std::uint8_t& pnNivelConhecPerfil);
  void IncConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodRegConhecPerfil,
                            std::int32_t& pkCodRegPerfilCargo, std::string& pkCodConhec,
                            std::uint8_t& pnNivelConhecPerfil);

  static const com::ClassDescription<classConhecPerfilCargo>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
