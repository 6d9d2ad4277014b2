// SPDX-License-Identifier: MIT
#pragma once
// classExamePerfilCargo: the medical exams that position profiles call for
// (RhsExamePerfilCargo), with the exam type's description.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classExamePerfilCargo {
 public:
  void CarExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                           automation::Variant& pkCodRegPerfilCargo, automation::Variant& pkCodTipoExame,
                           automation::Variant& pnObrigatoriedade);
  // Writes the key read back into pkCodRegExamePerfil.
  void BusExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegExamePerfil,
                           std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodTipoExame,
                           std::string& pnDescrTipoExame, std::string& pnObrigatoriedade);
  void ExcExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodRegExamePerfil);
  void AltExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodRegExamePerfil,
                           std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodTipoExame,
                           std::string& pnObrigatoriedade);
  void IncExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodRegExamePerfil,
                           std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodTipoExame,
                           std::string& pnObrigatoriedade);

  static const com::ClassDescription<classExamePerfilCargo>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
