// SPDX-License-Identifier: MIT
#pragma once
// classPerfilCargo: position profiles (RhsPerfilCargo), the requirements of
// a position at a branch.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classPerfilCargo {
 public:
  void CarPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                      automation::Variant& pkCodRegPerfilCargo, automation::Variant& pnNomeFil,
                      automation::Variant& pnNomeCargo);
  // Writes the key read back into pkCodRegPerfilCargo; the ages are the raw values.
  void BusPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegPerfilCargo,
                      std::int32_t& pkCodFilial, std::string& pnNomeFil, std::int32_t& pkCodCargo,
                      std::string& pnNomeCargo, automation::Variant& pnIdadeMin, automation::Variant& pnIdadeMax,
                      std::string& pnSexo, std::int32_t& pkCodGrauInstrMin, std::string& pnGrauInstrucao,
                      std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses);
  void ExcPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegPerfilCargo);
  // A Null age writes Null; any other age must be a number.
  void AltPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodFilial, std::int32_t& pkCodCargo,
                      automation::Variant& pnIdadeMin, automation::Variant& pnIdadeMax, std::string& pnSexo,
                      std::int32_t& pnCodGrauInstrMin, std::uint8_t& pnExperMinAnos,
                      std::uint8_t& pnExperMinMeses);
  void IncPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodFilial, std::int32_t& pkCodCargo,
                      automation::Variant& pnIdadeMin, automation::Variant& pnIdadeMax, std::string& pnSexo,
                      std::int32_t& pnCodGrauInstrMin, std::uint8_t& pnExperMinAnos,
                      std::uint8_t& pnExperMinMeses);

  static const com::ClassDescription<classPerfilCargo>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
