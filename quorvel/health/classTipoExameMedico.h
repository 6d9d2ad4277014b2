// SPDX-License-Identifier: MIT
#pragma once
// classTipoExameMedico: the catalogue of occupational medical exam types
// (RhsTipoExameMedico).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTipoExameMedico {
 public:
  void BusDescrTipoExame(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoExame,
                         std::string& pnDescrTipoExame);
  void ExcTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodTipoExame);
  void CarTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                          automation::Variant& pkCodTipoExame, automation::Variant& pnDescrTipoExame,
                          automation::Variant& pnDiasDeParada, automation::Variant& pnAtivado);
  // Writes the key read back into pkCodTipoExame.
  void BusTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTipoExame,
                          std::string& pnDescrTipoExame, std::uint8_t& pnDiasDeParada, std::string& pnAtivado);
  void AltTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodTipoExame, std::string& pnDescrTipoExame,
                          std::uint8_t& pnDiasDeParada, std::string& pnAtivado);
  void IncTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodTipoExame, std::string& pnDescrTipoExame,
                          std::uint8_t& pnDiasDeParada, std::string& pnAtivado);

  static const com::ClassDescription<classTipoExameMedico>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
