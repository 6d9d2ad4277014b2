// SPDX-License-Identifier: MIT
#pragma once
// classEncaminhamento: referrals of candidates to vacancies (RhsEncaminhamento)
// with their issue, selection and hiring marks.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classEncaminhamento {
 public:
  using Variant = automation::Variant;
  using Date = automation::Date;

  void AltEmissaoCodVaga(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodVaga, std::string& pnEmitido);
  void AltEmissaoCodEncam(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                          std::string& SourceMachine, std::int32_t& pkCodEncaminhamento, std::string& pnEmitido);
  void ExcEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodEncaminhamento);
  void CarEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                         Variant& pkCodEncaminhamento, Variant& pkCodVaga, Variant& pkCodFilial,
                         Variant& pnNomeFilial, Variant& pkCodIndividual, Variant& pkCodCandidato, Variant& pnNome,
                         Variant& pkCodCargo, Variant& pnNomeCargo, Variant& pnDataEncaminhamento,
                         Variant& pnEmitido, Variant& pnSelecao, Variant& pnContratacao);
  void BusEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodEncaminhamento,
                         std::int32_t& pkCodVaga, std::int32_t& pkCodFilial, std::string& pnNomeFil,
                         std::int32_t& pkCodCargo, std::string& pnNomeCargo, std::int32_t& pkCodIndividual,
                         std::string& pnNome, Date& pnDataEncaminhamento, std::string& pnEmitido,
                         std::string& pnObservacao, std::string& pnSelecao, std::string& pnContratacao);
  std::int32_t fQuantEncaminhamentos(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodVaga);
  void AltEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodEncaminhamento, std::int32_t& pkCodVaga,
                         std::int32_t& pkCodCandidato, Date& pnDataEncaminhamento, std::string& pnEmitido,
                         std::string& pnObservacao, std::string& pnSelecao, std::string& pnContratacao);
  void IncEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                         std::string& SourceMachine, std::int32_t& pkCodEncaminhamento, std::int32_t& pkCodVaga,
                         std::int32_t& pkCodCandidato, Date& pnDataEncaminhamento, std::string& pnEmitido,
                         std::string& pnObservacao, std::string& pnSelecao, std::string& pnContratacao);
  std::string fBusSelecao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodEncaminhamento);
  std::string fBusContratacao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodEncaminhamento);
  void pInformarContratacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodEncaminhamento,
                            std::string& pnContratacao);

  static const com::ClassDescription<classEncaminhamento>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
