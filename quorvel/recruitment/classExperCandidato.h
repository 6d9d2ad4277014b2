// SPDX-License-Identifier: MIT
#pragma once
// classExperCandidato: a candidate's previous jobs (RhsExperCandidato).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classExperCandidato {
 public:
  using Variant = automation::Variant;
  using Date = automation::Date;

  void CarComboNomeEmpresa(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void BusExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegExperCandidato,
                         std::int32_t& pkCodCandidato, std::string& pnNome, std::string& pnNomeEmpresa,
                         std::int32_t& pkCodCidade, std::string& pnNomeCidade, std::int32_t& pkCodCargo,
                         std::string& pnNomeCargo, std::string& pnDescrAtividades, Date& pnDataEntrada,
                         Variant& pnDataSaida, double& pnSalarioSaida, std::int16_t& pkCodMotivoDeslig,
                         std::string& pnMotivoDeslig, std::string& pnDescrMotivoSaida);
  void ExcExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegExperCandidato);
  void CarExperCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodCandidato,
                         Variant& pkCodCidade, Variant& pkCodCargo);
  void AltExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegExperCandidato, std::int32_t& pkCodCandidato,
                         std::string& pnNomeEmpresa, std::int32_t& pkCodCidade, std::int32_t& pkCodCargo,
                         std::string& pnDescrAtividades, Date& pnDataEntrada, Variant& pnDataSaida,
                         double& pnSalarioSaida, std::int16_t& pkCodMotivoDeslig, std::string& pnDescrMotivoSaida);
  void IncExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                         std::int32_t& pkCodRegExperCandidato, std::int32_t& pkCodCandidato,
                         std::string& pnNomeEmpresa, std::int32_t& pkCodCidade, std::int32_t& pkCodCargo,
                         std::string& pnDescrAtividades, Date& pnDataEntrada, Variant& pnDataSaida,
                         double& pnSalarioSaida, std::int16_t& pkCodMotivoDeslig, std::string& pnDescrMotivoSaida);

  static const com::ClassDescription<classExperCandidato>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
