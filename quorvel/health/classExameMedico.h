// SPDX-License-Identifier: MIT
#pragma once
// classExameMedico: the results of employees' occupational medical exams
// (RhsExameMedico).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/date.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classExameMedico {
 public:
  // Writes the key read back into pkCodRegExameMedico.
  void BusExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegExameMedico,
                      std::int32_t& pkCodFuncionario, std::string& pnNome, std::int32_t& pkCodTipoExame,
                      std::string& pnDescrTipoExame, automation::Date& pnDataExame, std::string& pnAptoFuncao,
                      std::string& pnRiscosOcupacionais, std::string& pnExamesComplementares,
                      std::string& pnMedicoResponsavel, std::int32_t& pnNrRegistroMedico,
                      std::int32_t& pkCodConselho, std::string& pnSiglaConselho, float& pnDiasPerdidos);
  void ExcExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegExameMedico);
  void CarExameMedico(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                      automation::Variant& pkCodFuncionario, automation::Variant& pkCodTipoExame,
                      automation::Variant& pnDataExame, automation::Variant& pnAptoFuncao,
                      automation::Variant& pnNrRegistroMedico, automation::Variant& pkCodConselho,
                      automation::Variant& pnDiasPerdidos);
  void AltExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegExameMedico, std::int32_t& pkCodFuncionario,
                      std::int32_t& pkCodTipoExame, automation::Date& pnDataExame, std::string& pnAptoFuncao,
                      std::string& pnRiscosOcupacionais, std::string& pnExamesComplementares,
                      std::string& pnMedicoResponsavel, std::int32_t& pnNrRegistroMedico,
                      std::int32_t& pkCodConselho, float& pnDiasPerdidos);
  void IncExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodRegExameMedico, std::int32_t& pkCodFuncionario,
                      std::int32_t& pkCodTipoExame, automation::Date& pnDataExame, std::string& pnAptoFuncao,
                      std::string& pnRiscosOcupacionais, std::string& pnExamesComplementares,
                      std::string& pnMedicoResponsavel, std::int32_t& pnNrRegistroMedico,
                      std::int32_t& pkCodConselho, float& pnDiasPerdidos);

  static const com::ClassDescription<classExameMedico>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
