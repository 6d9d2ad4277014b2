// SPDX-License-Identifier: MIT
#pragma once
// classTipoGrauParentesco: the catalogue of kinship degrees (RhsTipoGrauParentesco).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTipoGrauParentesco {
 public:
  void BusDescrGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodGrauParentesco,
                              std::string& pnDescrGrauParentesco);
  void ExcTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodGrauParentesco);
  void CarTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                             automation::Variant& pkCodGrauParentesco, automation::Variant& pnDescrGrauParentesco,
                             automation::Variant& pnGrauParentesco, automation::Variant& pnSalarioFamilia);
  // Writes the key read back into pkCodGrauParentesco.
  void BusTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodGrauParentesco,
                             std::string& pnDescrGrauParentesco, std::uint8_t& pnGrauParentesco,
                             std::string& pnSalarioFamilia);
  void AltTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodGrauParentesco,
                             std::string& pnDescrGrauParentesco, std::uint8_t& pnGrauParentesco,
                             std::string& pnSalarioFamilia);
  void IncTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodGrauParentesco,
                             std::string& pnDescrGrauParentesco, std::uint8_t& pnGrauParentesco,
                             std::string& pnSalarioFamilia);

  static const com::ClassDescription<classTipoGrauParentesco>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
