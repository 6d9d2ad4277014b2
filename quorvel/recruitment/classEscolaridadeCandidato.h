// SPDX-License-Identifier: MIT
#pragma once
// classEscolaridadeCandidato: a candidate's schooling (RhsEscolaridadeCandidato),
// with the level's description.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classEscolaridadeCandidato {
 public:
  using Variant = automation::Variant;

  void CarComboNomeEntidade(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void IncEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                std::string& SourceMachine, std::int32_t& pkCodRegEscolaridadeCandidato,
                                std::int32_t& pkCodCandidato, std::int32_t& pkCodNivel, std::string& pnNomeEntidade,
                                std::uint8_t& pnSerieSemestre, std::string& pnAnoConclusao);
  void ExcEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                std::string& SourceMachine, std::int32_t& pkCodRegEscolaridadeCandidato);
  void CarEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                Variant& pkCodCandidato, Variant& pkCodNivel, Variant& pnNomeEntidade,
                                Variant& pnSerieSemestre, Variant& pnAnoConclusao);
  void BusEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                std::int32_t& pkCodRegEscolaridadeCandidato, std::int32_t& pkCodCandidato,
                                std::int32_t& pkCodNivel, std::string& pnDescrNivel, std::string& pnNomeEntidade,
                                std::uint8_t& pnSerieSemestre, std::string& pnAnoConclusao);
  void AltEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                std::string& SourceMachine, std::int32_t& pkCodRegEscolaridadeCandidato,
                                std::int32_t& pkCodCandidato, std::int32_t& pkCodNivel, std::string& pnNomeEntidade,
                                std::uint8_t& pnSerieSemestre, std::string& pnAnoConclusao);

  static const com::ClassDescription<classEscolaridadeCandidato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
