// SPDX-License-Identifier: MIT
#pragma once
// classDadosPessoais: the register of persons (RhsDadosPessoais), candidates
// and employees alike.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classDadosPessoais {
 public:
  void BusStatus(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual, std::string& pnStatus);
  void AltSituacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodIndividual, std::string& pnSituacao);
  void CarComboHabProfissional(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboBairro(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboLogradouro(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboEndereco(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void CarComboFilhosFicamCom(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  void AltStatus(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                 std::int32_t& pkCodIndividual, std::string& pnStatus);
  // pnArray: (0,1) Observacoes, (0,2) the country code, (0,3) and (0,4) unused
  // texts; read before the trap, so a malformed array fails the call.
  void AltDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
                        std::string& pnNome,
                        std::string& pnNomePai,
                        std::string& pnNomeMae,
                        std::string& pnLogradouro,
                        std::string& pnEndereco,
                        std::string& pnNrEndereco,
                        std::string& pnComplEndereco,
                        std::string& pnBairro,
                        std::int32_t& pkCodCidade,
                        std::string& pnUF,
                        std::string& pnCEP,
                        std::string& pnTelResidencial,
                        std::string& pnTelCelular,
                        std::string& pnTelRecados,
                        std::string& pnEMail,
                        std::int32_t& pkCodEstadoCivil,
                        std::string& pnNomeConjuge,
                        automation::Variant& pnNrFilhos,
                        std::string& pnFilhosFicamCom,
                        std::string& pnSexo,
                        automation::Variant& pnAltura,
                        automation::Variant& pnPeso,
                        std::int32_t& pkNaturalidade,
                        std::int16_t& pkCodNacionalidade,
                        automation::Variant& pnDataChegadaBrasil,
                        automation::Date& pnDataNasc,
                        std::uint8_t& pkCodGrauInstrucao,
                        std::string& pnNrIdentidade,
                        automation::Variant& pnDataExpIdentidade,
                        std::string& pnOrgaoExpIdentidade,
                        std::string& pnNrCPF,
                        std::string& pnNrPIS,
                        automation::Variant& pnDataCTPS,
                        automation::Variant& pnNrCTPS,
                        std::string& pnSerieCTPS,
                        std::string& pnNrReservista,
                        std::string& pnCatReservista,
                        std::string& pnNrCNH,
                        std::string& pnCatCNH,
                        automation::Variant& pnValidadeCNH,
                        std::string& pnNrTituloEleitor,
                        std::string& pnZonaTituloEleitor,
                        std::string& pnSecaoTituloEleitor,
                        std::string& pnHabProfissional,
                        std::string& pnNrHabilitacao,
                        std::int32_t& pkCodConselho,
                        automation::Variant& pnDataAposentadoria,
                        std::string& pnDefFisico,
                        std::string& pnTipoDeficiencia,
                        std::uint8_t& pkCodCorPele,
                        std::string& pnFumante,
                        automation::Date& pnDataUltimaAtualizacao,
                        std::string& pnStatus,
                        std::string& pnSituacao,
                        std::string& pnCaminhoFoto,
                        automation::Variant& pnArray);
  void IncDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
                        std::string& pnNome,
                        std::string& pnNomePai,
                        std::string& pnNomeMae,
                        std::string& pnLogradouro,
                        std::string& pnEndereco,
                        std::string& pnNrEndereco,
                        std::string& pnComplEndereco,
                        std::string& pnBairro,
                        std::int32_t& pkCodCidade,
                        std::string& pnUF,
                        std::string& pnCEP,
                        std::string& pnTelResidencial,
                        std::string& pnTelCelular,
                        std::string& pnTelRecados,
                        std::string& pnEMail,
                        std::int32_t& pkCodEstadoCivil,
                        std::string& pnNomeConjuge,
                        automation::Variant& pnNrFilhos,
                        std::string& pnFilhosFicamCom,
                        std::string& pnSexo,
                        automation::Variant& pnAltura,
                        automation::Variant& pnPeso,
                        std::int32_t& pkNaturalidade,
                        std::int16_t& pkCodNacionalidade,
                        automation::Variant& pnDataChegadaBrasil,
                        automation::Date& pnDataNasc,
                        std::uint8_t& pkCodGrauInstrucao,
                        std::string& pnNrIdentidade,
                        automation::Variant& pnDataExpIdentidade,
                        std::string& pnOrgaoExpIdentidade,
                        std::string& pnNrCPF,
                        std::string& pnNrPIS,
                        automation::Variant& pnDataCTPS,
                        automation::Variant& pnNrCTPS,
                        std::string& pnSerieCTPS,
                        std::string& pnNrReservista,
                        std::string& pnCatReservista,
                        std::string& pnNrCNH,
                        std::string& pnCatCNH,
                        automation::Variant& pnValidadeCNH,
                        std::string& pnNrTituloEleitor,
                        std::string& pnZonaTituloEleitor,
                        std::string& pnSecaoTituloEleitor,
                        std::string& pnHabProfissional,
                        std::string& pnNrHabilitacao,
                        std::int32_t& pkCodConselho,
                        automation::Variant& pnDataAposentadoria,
                        std::string& pnDefFisico,
                        std::string& pnTipoDeficiencia,
                        std::uint8_t& pkCodCorPele,
                        std::string& pnFumante,
                        automation::Date& pnDataUltimaAtualizacao,
                        std::string& pnStatus,
                        std::string& pnSituacao,
                        std::string& pnCaminhoFoto,
                        automation::Variant& pnArray);
  void BusDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                        std::int32_t& pkCodIndividual);
  void BusNome(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual, std::string& pnNome);
  // result: the key of the person with that CPF, or -1 (0 after a failure).
  void fExisteCPF(ado::Connection& ConnRH, std::string& DescErr, std::string& pnNrCPF, std::int32_t& result);
  void fExisteNrIdentidade(ado::Connection& ConnRH, std::string& DescErr, std::string& pnNrIdentidade,
                           std::int32_t& result);
  void fExisteNome(ado::Connection& ConnRH, std::string& DescErr, std::string& pnNome, bool& result);
  void CarDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                        automation::Variant& pkCodIndividual, automation::Variant& pnNome,
                        automation::Variant& pkCodCidade, automation::Variant& pnUF, automation::Variant& pnSexo,
                        automation::Variant& pkCodNacionalidade, automation::Variant& pnNrIdentidade,
                        automation::Variant& pnNrCPF, automation::Variant& pnDefFisico,
                        automation::Variant& pnArrayStatus, automation::Variant& pnSituacao);
  // Candidates matching every criterion given (Null: no criterion);
  // pnArrayConhec: knowledge codes at 1..UBound, all required.
  void CarDadosPessoaisFiltro(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                              automation::Variant& pnSexo, automation::Variant& pnFumante,
                              automation::Variant& pkCodCargoPret, automation::Variant& pkCodEstadoCivil,
                              automation::Variant& pnFilhos, automation::Variant& pnDispHorasExtras,
                              automation::Variant& pnDispViagens, automation::Variant& pnMeioTransporte,
                              automation::Variant& pnIdadeInicial, automation::Variant& pnIdadeFinal,
                              automation::Variant& pkCidadeResid, automation::Variant& pkCodGrauInstrucao,
                              automation::Variant& pkCodCargoExper, automation::Variant& pnExperMin,
                              automation::Variant& pnSituacaoCandidato, automation::Variant& pnArrayConhec);

  static const com::ClassDescription<classDadosPessoais>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
