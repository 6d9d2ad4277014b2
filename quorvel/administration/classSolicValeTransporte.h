// SPDX-License-Identifier: MIT
#pragma once
// classSolicValeTransporte: the employees' transport-voucher requests
// (RhsSolicValeTransporte).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classSolicValeTransporte {
 public:
  void BusSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr,
                              std::int32_t& pkCodRegSolicValeTransporte, std::int32_t& pkCodFuncionario,
                              std::string& pnNome, std::int32_t& pkCodTipoValeTransporte,
                              std::string& pnDescrTipoValeTransporte, std::string& pnNomeTransp,
                              std::string& pnLinhaUtilizada, std::uint8_t& pnQuantDiaria,
                              automation::Date& pnDataSolicitacao);
  void ExcSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                              std::string& SourceMachine, std::int32_t& pkCodRegSolicValeTransporte);
  // The fourth column is the type's description with its carrier's name in parentheses.
  void CarSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                              automation::Variant& pkCodFuncionario, automation::Variant& pkCodTipoValeTransporte,
                              automation::Variant& pkCodTransp);
  void AltSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                              std::string& SourceMachine, std::int32_t& pkCodRegSolicValeTransporte,
                              std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoValeTransporte,
                              std::string& pnLinhaUtilizada, std::uint8_t& pnQuantDiaria,
                              automation::Date& pnDataSolicitacao);
  void IncSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                              std::string& SourceMachine, std::int32_t& pkCodRegSolicValeTransporte,
                              std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoValeTransporte,
                              std::string& pnLinhaUtilizada, std::uint8_t& pnQuantDiaria,
                              automation::Date& pnDataSolicitacao);

  static const com::ClassDescription<classSolicValeTransporte>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
