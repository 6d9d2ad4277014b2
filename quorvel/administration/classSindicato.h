// SPDX-License-Identifier: MIT
#pragma once
// classSindicato: the register of trade unions (RhsSindicato).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classSindicato {
 public:
  void BusNomeSind(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodSindicato,
                   std::string& pnNomeSind);
  void CarSindicato(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                    automation::Variant& pkCodSindicato, automation::Variant& pnNomeSind,
                    automation::Variant& pkCodCidade, automation::Variant& pnUFSind,
                    automation::Variant& pnDataBaseSind);
  void BusSindicato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodSindicato,
                    std::string& pnNomeSind, std::string& pnLogradouroSind, std::string& pnEnderecoSind,
                    std::string& pnNrEnderecoSind, std::string& pnComplEnderecoSind, std::string& pnBairroSind,
                    std::int32_t& pkCodCidade, std::string& pnNomeCidade, std::string& pnUFSind,
                    std::string& pnCEPSind, std::uint8_t& pnDataBaseSind, std::string& pnTelefone);
  void ExcSindicato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                    std::int32_t& pkCodSindicato);
  void AltSindicato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                    std::int32_t& pkCodSindicato, std::string& pnNomeSind, std::string& pnLogradouroSind,
                    std::string& pnEnderecoSind, std::string& pnNrEnderecoSind, std::string& pnComplEnderecoSind,
                    std::string& pnBairroSind, std::int32_t& pkCodCidade, std::string& pnUFSind,
                    std::string& pnCEPSind, std::uint8_t& pnDataBaseSind, std::string& pnTelefone);
  void IncSindicato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                    std::int32_t& pkCodSindicato, std::string& pnNomeSind, std::string& pnLogradouroSind,
                    std::string& pnEnderecoSind, std::string& pnNrEnderecoSind, std::string& pnComplEnderecoSind,
                    std::string& pnBairroSind, std::int32_t& pkCodCidade, std::string& pnUFSind,
                    std::string& pnCEPSind, std::uint8_t& pnDataBaseSind, std::string& pnTelefone);

  static const com::ClassDescription<classSindicato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
