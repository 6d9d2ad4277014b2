// SPDX-License-Identifier: MIT
#pragma once
// classTipoValeTransporte: the transport-voucher types (RhsTipoValeTransporte),
// each sold by a carrier of RhsTransportador.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTipoValeTransporte {
 public:
  void BusDescrTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr,
                                  std::int32_t& pkCodTipoValeTransporte, std::string& pnDescrTipoValeTransporte);
  void ExcTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodTipoValeTransporte);
  // The unit price is listed as text with two decimals.
  void CarTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                             automation::Variant& pkCodTipoValeTransporte,
                             automation::Variant& pnDescrTipoValeTransporte, automation::Variant& pnValorUnitario,
                             automation::Variant& pnQuantComercializada, automation::Variant& pkCodTransp,
                             automation::Variant& pnNomeTransp, automation::Variant& pnAtivado);
  void BusTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoValeTransporte,
                             std::string& pnDescrTipoValeTransporte, double& pnValorUnitario,
                             std::int32_t& pnQuantComercializada, std::int32_t& pkCodTransp,
                             std::string& pnNomeTransp, automation::Variant& pnDataUltimaCompra,
                             std::int32_t& pnQuantUltimaCompra, std::string& pnAtivado);
  void AltTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodTipoValeTransporte,
                             std::string& pnDescrTipoValeTransporte, double& pnValorUnitario,
                             std::int32_t& pnQuantComercializada, std::int32_t& pkCodTransp,
                             automation::Variant& pnDataUltimaCompra, std::int32_t& pnQuantUltimaCompra,
                             std::string& pnAtivado);
  void IncTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodTipoValeTransporte,
                             std::string& pnDescrTipoValeTransporte, double& pnValorUnitario,
                             std::int32_t& pnQuantComercializada, std::int32_t& pkCodTransp,
                             automation::Variant& pnDataUltimaCompra, std::int32_t& pnQuantUltimaCompra,
                             std::string& pnAtivado);

  static const com::ClassDescription<classTipoValeTransporte>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
