// SPDX-License-Identifier: MIT
#pragma once
// classCCItens: the items (lines) of payslips (FlpCCItens). A private class:
// the library creates it for classFerias; callers cannot create it.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classCCItens {
 public:
  void AltCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                  std::int32_t& pkCodItemDetalheCC, std::int32_t& pkCodContracheque, std::int32_t& pkCodEventoDet,
                  double& pnReferencia, std::string& pnUnidade, double& pnValor, std::int32_t& pnCodEventoFerias,
                  std::int32_t& pnCodEventoAdicFerias, std::int32_t& pnCodEventoAbono,
                  std::int32_t& pnCodEventoAdicAbono);
  void AltValorItemCC(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                      std::int32_t& pkCodItemDetalheCC, double& pnNovoValor);
  void ExcCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                  std::int32_t& pkCodItemDetalheCC);
  void BusCCItens(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodItemDetalheCC,
                  std::int32_t& pkCodContracheque, std::int32_t& pkCodEventoDet, std::string& pnAnoMes,
                  std::string& pnNome, std::string& pnNomeFil, std::string& pnCodEvento, std::string& pnNomeEvento,
                  double& pnReferencia, std::string& pnUnidade, double& pnValor);
  void CarCCItens(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                  automation::Variant& pkCodContracheque, automation::Variant& pkCodFuncionario,
                  automation::Variant& pkCodEventoDet, automation::Variant& pnAnoMes, automation::Variant& pnTipo);
  void IncCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                  std::int32_t& pkCodItemDetalheCC, std::int32_t& pkCodContracheque, std::int32_t& pkCodEventoDet,
                  double& pnReferencia, std::string& pnUnidade, double& pnValor, std::int32_t& pnCodEventoFerias,
                  std::int32_t& pnCodEventoAdicFerias, std::int32_t& pnCodEventoAbono,
                  std::int32_t& pnCodEventoAdicAbono);

  static const com::ClassDescription<classCCItens>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
