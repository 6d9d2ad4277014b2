// SPDX-License-Identifier: MIT
#pragma once
// classExameAgendado: appointments for employees' medical exams
// (RhsExameAgendado), with pick lists of the places, doctors and
// registration numbers typed before.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classExameAgendado {
 public:
  // Data and Hora are listed as display text (dd/mm/yyyy, hh:mm); Null stays Null.
  void CarExameAgendado(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                        automation::Variant& pkCodExameAgendado, automation::Variant& pkCodFuncionario,
                        automation::Variant& pnNome, automation::Variant& pkCodTipoExame,
                        automation::Variant& pnStatus, automation::Variant& pnLocalConsulta,
                        automation::Variant& pnMedico);
  // Writes the key read back into pkCodExameAgendado; Data and Hora raw.
  void BusExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodExameAgendado,
                        std::int32_t& pkCodFuncionario, std::string& pnNome, std::int32_t& pkCodTipoExame,
                        std::string& pnDescrTipoExame, std::string& pnStatus, automation::Variant& pnData,
                        automation::Variant& pnHora, std::string& pnLocalConsulta, std::string& pnMedico,
                        std::string& pnNrRegMedico);
  void CarComboLocalConsulta(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboMedico(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboNrRegMedico(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  // A Null date or time writes Null.
  void AltExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodExameAgendado,
                        std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame, std::string& pnStatus,
                        automation::Variant& pnData, automation::Variant& pnHora, std::string& pnLocalConsulta,
                        std::string& pnMedico, std::string& pnNrRegMedico);
  void ExcExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodExameAgendado);
  void IncExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodExameAgendado,
                        std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame, std::string& pnStatus,
                        automation::Variant& pnData, automation::Variant& pnHora, std::string& pnLocalConsulta,
                        std::string& pnMedico, std::string& pnNrRegMedico);

  static const com::ClassDescription<classExameAgendado>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
