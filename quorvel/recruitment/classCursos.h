// SPDX-License-Identifier: MIT
#pragma once
// classCursos: the courses a person has taken (RhsCursos), with the person's name.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classCursos {
 public:
  // The name, institution and period filters look for the value anywhere in the column.
  void CarCurso(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                automation::Variant& pkCodIndividual, automation::Variant& pnNomeCurso,
                automation::Variant& pnEntidade, automation::Variant& pnAnoPeriodo, automation::Variant& pnDiploma);
  void BusCurso(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegCurso,
                std::int32_t& pkCodIndividual, std::string& pnNome, std::string& pnNomeCurso, std::string& pnEntidade,
                std::string& pnAnoPeriodo, std::string& pnDuracao, std::string& pnDiploma);
  void ExcCurso(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                std::int32_t& pkCodRegCurso);
  void AltCurso(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                std::int32_t& pkCodRegCurso, std::int32_t& pkCodIndividual, std::string& pnNomeCurso,
                std::string& pnEntidade, std::string& pnAnoPeriodo, std::string& pnDuracao, std::string& pnDiploma);
  void IncCurso(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                std::int32_t& pkCodRegCurso, std::int32_t& pkCodIndividual, std::string& pnNomeCurso,
                std::string& pnEntidade, std::string& pnAnoPeriodo, std::string& pnDuracao, std::string& pnDiploma);

  static const com::ClassDescription<classCursos>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
