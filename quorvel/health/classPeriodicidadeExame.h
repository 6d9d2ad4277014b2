// SPDX-License-Identifier: MIT
#pragma once
// classPeriodicidadeExame: the periodicity rules of the exams of position
// profiles (RhsPeriodicidadeExame), one per minimum age.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classPeriodicidadeExame {
 public:
  void CarPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                             automation::Variant& pkCodRegPeriodicidade, automation::Variant& pkCodRegExamePerfil,
                             automation::Variant& pkCodTipoExame, automation::Variant& pnDescrTipoExame,
                             automation::Variant& pnIdadeMin, automation::Variant& pnAnos,
                             automation::Variant& pnMeses, automation::Variant& pnDias);
  // Writes the key read back into pkCodRegPeriodicidade.
  void BusPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegPeriodicidade,
                             std::int32_t& pkCodRegExamePerfil, std::string& pnDescrTipoExame, double& pnIdadeMin,
                             std::int32_t& pnAnos, std::int32_t& pnMeses, std::int32_t& pnDias);
  void AltPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodRegPeriodicidade,
                             std::int32_t& pkCodRegExamePerfil, double& pnIdadeMin, std::int32_t& pnAnos,
                             std::int32_t& pnMeses, std::int32_t& pnDias);
  void ExcPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodRegPeriodicidade);
  void IncPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodRegPeriodicidade,
                             std::int32_t& pkCodRegExamePerfil, double& pnIdadeMin, std::int32_t& pnAnos,
                             std::int32_t& pnMeses, std::int32_t& pnDias);

  static const com::ClassDescription<classPeriodicidadeExame>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
