// SPDX-License-Identifier: MIT
#pragma once
// classTransportador: the transport carriers (RhsTransportador), with the
// company's address and the voucher purchase point.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTransportador {
 public:
  // "<<Inexistente>>" when there is no such carrier.
  void BusNomeTransp(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTransp,
                     std::string& pnNomeTransp);
  void CarComboLogradouroTransp(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboLogradouroCompra(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboEnderecoTransp(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboEnderecoCompra(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboBairroTransp(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  // Whether a carrier of that name (upper-cased) exists; false on failure.
  bool fExisteNomeTransp(ado::Connection& ConnRH, std::string& DescErr, std::string& pnNomeTransp);
  void CarComboBairroCompra(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarTransportador(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                        automation::Variant& pkCodTransp, automation::Variant& pnNomeTransp,
                        automation::Variant& pnBairroTransp, automation::Variant& pkCodCidadeTransp,
                        automation::Variant& pnUFTransp, automation::Variant& pnBairroCompra,
                        automation::Variant& pkCodCidadeCompra, automation::Variant& pnUFCompra);
  void BusTransportador(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTransp,
                        std::string& pnNomeTransp, std::string& pnLogradouroTransp, std::string& pnEnderecoTransp,
                        std::string& pnNrEnderecoTransp, std::string& pnComplEnderecoTransp,
                        std::string& pnBairroTransp, std::int32_t& pkCodCidadeTransp,
                        std::string& pnNomeCidadeTransp, std::string& pnUFTransp, std::string& pnCEPTransp,
                        std::string& pnFoneTransp, std::string& pnLogradouroCompra, std::string& pnEnderecoCompra,
                        std::string& pnNrEnderecoCompra, std::string& pnComplEnderecoCompra,
                        std::string& pnBairroCompra, automation::Variant& pkCodCidadeCompra,
                        automation::Variant& pnNomeCidadeCompra, std::string& pnUFCompra,
                        std::string& pnFoneCompra);
  void ExcTransportador(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodTransp);
  void AltTransportador(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodTransp, std::string& pnNomeTransp,
                        std::string& pnLogradouroTransp, std::string& pnEnderecoTransp,
                        std::string& pnNrEnderecoTransp, std::string& pnComplEnderecoTransp,
                        std::string& pnBairroTransp, std::int32_t& pkCodCidadeTransp, std::string& pnUFTransp,
                        std::string& pnCEPTransp, std::string& pnFoneTransp, std::string& pnLogradouroCompra,
                        std::string& pnEnderecoCompra, std::string& pnNrEnderecoCompra,
                        std::string& pnComplEnderecoCompra, std::string& pnBairroCompra,
                        automation::Variant& pkCodCidadeCompra, std::string& pnUFCompra,
                        std::string& pnFoneCompra);
  void IncTransportador(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodTransp, std::string& pnNomeTransp,
                        std::string& pnLogradouroTransp, std::string& pnEnderecoTransp,
                        std::string& pnNrEnderecoTransp, std::string& pnComplEnderecoTransp,
                        std::string& pnBairroTransp, std::int32_t& pkCodCidadeTransp, std::string& pnUFTransp,
                        std::string& pnCEPTransp, std::string& pnFoneTransp, std::string& pnLogradouroCompra,
                        std::string& pnEnderecoCompra, std::string& pnNrEnderecoCompra,
                        std::string& pnComplEnderecoCompra, std::string& pnBairroCompra,
                        automation::Variant& pkCodCidadeCompra, std::string& pnUFCompra,
                        std::string& pnFoneCompra);

  static const com::ClassDescription<classTransportador>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
