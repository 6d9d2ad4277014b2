// SPDX-License-Identifier: MIT
#pragma once
// classConhecVaga: the knowledge a vacancy requires (RhsConhecVaga), with the
// node's description and paths from the knowledge tree.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classConhecVaga {
 public:
  void CarConhecVaga(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                     automation::Variant& pkCodVaga, automation::Variant& pkCodConhec,
                     automation::Variant& pnNivelConhecVaga);
  void BusConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegConhecVaga,
                     std::int32_t& pkCodVaga, std::string& pkCodConhec, std::string& pnDescrConhec,
                     std::uint8_t& pnNivelConhecVaga);
  void ExcConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                     std::int32_t& pkCodRegConhecVaga);
  void AltConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                     std::int32_t& pkCodRegConhecVaga, std::int32_t& pkCodVaga, std::string& pkCodConhec,
                     std::uint8_t& pnNivelConhecVaga);
  void IncConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                     std::int32_t& pkCodRegConhecVaga, std::int32_t& pkCodVaga, std::string& pkCodConhec,
                     std::uint8_t& pnNivelConhecVaga);

  static const com::ClassDescription<classConhecVaga>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
