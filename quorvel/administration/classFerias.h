// SPDX-License-Identifier: MIT
#pragma once
// classFerias: the vacation records of the employees (RhsFerias).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"
#include "quorvel/administration/classCCItens.h"

namespace quorvel {

class classFerias {
 public:
  // One record with the employee's name.
  void BusFerias(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegFerias,
                 std::int32_t& pkCodFuncionario, std::string& pnNome, automation::Date& pnInicioAquisicao,
                 automation::Date& pnFimAquisicao, std::int16_t& pnDiasAGozar, double& pnValorFerias,
                 automation::Variant& pnInicioFerias, automation::Variant& pnFimFerias, std::int16_t& pnDiasGozados,
                 std::string& pnStatusFerias, std::string& pnDecTerceiro, automation::Date& pnDtSolicitacao);
  // Puts the employee's vacation base date back, then deletes the record.
  void ExcFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                 std::int32_t& pkCodRegFerias);
  // 15 columns (the last Empty) when a name pattern is given, 13 otherwise.
  void CarFerias(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                 automation::Variant& pkCodFuncionario, automation::Variant& pnInicioAquisicao,
                 automation::Variant& pnFimAquisicao, automation::Variant& pnInicioFerias,
                 automation::Variant& pnFimFerias, automation::Variant& pnStatusFerias,
                 automation::Variant& pnNomeFuncionario, automation::Variant& pnDecTerceiro,
                 automation::Variant& pnValorFerias, automation::Variant& pnDtSolicitacao);
  // Every column but DtSolicitacao.
  void AltFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                 std::int32_t& pkCodRegFerias, std::int32_t& pkCodFuncionario, automation::Date& pnInicioAquisicao,
                 automation::Date& pnFimAquisicao, std::int16_t& pnDiasAGozar, double& pnValorFerias,
                 automation::Variant& pnInicioFerias, automation::Variant& pnFimFerias, std::int16_t& pnDiasGozados,
                 std::string& pnStatusFerias, std::string& pnDecTerceiro);
  // The new key in pkCodRegFerias (0 when none could be taken).
  void IncFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                 std::int32_t& pkCodRegFerias, std::int32_t& pkCodFuncionario, automation::Date& pnInicioAquisicao,
                 automation::Date& pnFimAquisicao, std::int16_t& pnDiasAGozar, double& pnValorFerias,
                 automation::Variant& pnInicioFerias, automation::Variant& pnFimFerias, std::int16_t& pnDiasGozados,
                 std::string& pnStatusFerias, std::string& pnDecTerceiro, automation::Variant& pnDtSolicitacao);
  void pAltStatusFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                        std::string& SourceMachine, std::int32_t& pkCodRegFerias, std::string& pnStatusFerias);
  // Net total of the vacation payslip plus half of the previous month's normal
  // earnings; without that payslip, as pAltValorFeriasSEMDecimo with a "9999 " warning.
  void pAltValorFeriasCOMDecimo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                std::string& SourceMachine, std::int32_t& pkCodFuncionario,
                                std::string& pnAnoMesAnterior, std::int32_t& pnCodContraCheque,
                                std::int32_t& pnCodRegFerias);
  void pAltValorFeriasSEMDecimo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                std::string& SourceMachine, std::int32_t& pkCodContracheque,
                                std::int32_t& pnCodRegFerias);
  void pAltStatusDecTerceiro(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::int32_t& pkCodRegFerias, std::string& pnStatus);
  // One new item of the vacation payslip per averaged hour event of the period.
  void pCalculaMediaEvento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, std::int32_t& pkCodFuncionario,
                           std::int32_t& pkCodContracheque, std::string& pnDtIniAqui, std::string& pnDtFinAqui);

  static const com::ClassDescription<classFerias>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);

  std::unique_ptr<classCCItens> mobjCCItens;  // made on first use by pCalculaMediaEvento
};

}  // namespace quorvel
