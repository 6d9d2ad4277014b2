// SPDX-License-Identifier: MIT
#pragma once
// classConhecCandidato: what a candidate knows (RhsConhecCandidato), with the
// node's description and paths from the knowledge tree.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classConhecCandidato {
 public:
  void CarConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                          automation::Variant& pkCodCandidato, automation::Variant& pkCodConhec,
                          automation::Variant& pnDescrConhec, automation::Variant& pnCodCompletoConhec,
                          automation::Variant& pnDescrCompletaConhec, automation::Variant& pnNivelConhecCandidato,
                          automation::Variant& pnDescrConhecCandidato);
  void BusConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegConhecCandidato,
                          std::int32_t& pkCodCandidato, std::string& pkCodConhec, std::string& pnDescrConhec,
                          std::string& pnCodCompletoConhec, std::string& pnDescrCompletaConhec,
                          std::uint8_t& pnNivelConhecCandidato, std::string& pnDescrConhecCandidato);
  void ExcConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodRegConhecCandidato);
  void AltConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodRegConhecCandidato,
                          std::int32_t& pkCodCandidato, std::string& pkCodConhec,
                          std::uint8_t& pnNivelConhecCandidato, std::string& pnDescrConhecCandidato);
  void IncConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodRegConhecCandidato,
                          std::int32_t& pkCodCandidato, std::string& pkCodConhec,
                          std::uint8_t& pnNivelConhecCandidato, std::string& pnDescrConhecCandidato);

  static const com::ClassDescription<classConhecCandidato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
