// SPDX-License-Identifier: MIT
#pragma once
// A whole person record for the person-register tests, with sound defaults.

#include <cstdint>
#include <string>

#include "platform/automation/array.h"
#include "platform/automation/date.h"
#include "quorvel/personnel/classDadosPessoais.h"

namespace qvtest {

using automation::Variant;

// pnArray of the whole-record insert and update: (0,1) remarks, (0,2) country.
inline Variant ExtraArray(Variant observacoes, Variant pais) {
  automation::VariantArray a({automation::Bounds{0, 0}, automation::Bounds{0, 4}});
  a.at(0, 1) = std::move(observacoes);
  a.at(0, 2) = std::move(pais);
  a.at(0, 3) = Variant("");
  a.at(0, 4) = Variant("");
  return Variant(std::move(a));
}

struct Person {
  std::string pnNome = "Maria da Silva";
  std::string pnNomePai = "José da Silva";
  std::string pnNomeMae = "Ana da Silva";
  std::string pnLogradouro = "Rua";
  std::string pnEndereco = "das Flores";
  std::string pnNrEndereco = "10";
  std::string pnComplEndereco = "";
  std::string pnBairro = "Centro";
  std::int32_t pkCodCidade = 1;
  std::string pnUF = "SP";
  std::string pnCEP = "01000-000";
  std::string pnTelResidencial = "";
  std::string pnTelCelular = "";
  std::string pnTelRecados = "";
  std::string pnEMail = "maria@example.com";
  std::int32_t pkCodEstadoCivil = 1;
  std::string pnNomeConjuge = "";
  Variant pnNrFilhos = Variant(std::int32_t{2});
  std::string pnFilhosFicamCom = "";
  std::string pnSexo = "F";
  Variant pnAltura = Variant("1,65");
  Variant pnPeso = Variant(60.5);
  std::int32_t pkNaturalidade = 2;
  std::int16_t pkCodNacionalidade = 10;
  Variant pnDataChegadaBrasil = Variant(automation::Null);
  automation::Date pnDataNasc = automation::DateSerial(1990, 3, 5);
  std::uint8_t pkCodGrauInstrucao = 7;
  std::string pnNrIdentidade = "12.345.678-9";
  Variant pnDataExpIdentidade = Variant(automation::DateSerial(2008, 1, 2));
  std::string pnOrgaoExpIdentidade = "SSP";
  std::string pnNrCPF = "123.456.789-00";
  std::string pnNrPIS = "";
  Variant pnDataCTPS = Variant(automation::Null);
  Variant pnNrCTPS = Variant(automation::Null);
  std::string pnSerieCTPS = "";
  std::string pnNrReservista = "";
  std::string pnCatReservista = "";
  std::string pnNrCNH = "";
  std::string pnCatCNH = "";
  Variant pnValidadeCNH = Variant(automation::Null);
  std::string pnNrTituloEleitor = "";
  std::string pnZonaTituloEleitor = "";
  std::string pnSecaoTituloEleitor = "";
  std::string pnHabProfissional = "";
  std::string pnNrHabilitacao = "";
  std::int32_t pkCodConselho = 1;
  Variant pnDataAposentadoria = Variant(automation::Null);
  std::string pnDefFisico = "N";
  std::string pnTipoDeficiencia = "";
  std::uint8_t pkCodCorPele = 1;
  std::string pnFumante = "N";
  automation::Date pnDataUltimaAtualizacao = automation::DateSerial(2024, 1, 15);
  std::string pnStatus = "Candidato";
  std::string pnSituacao = "Ativo";
  std::string pnCaminhoFoto = "";
  Variant pnArray = ExtraArray(Variant("obs"), Variant(std::int32_t{55}));
};

inline void Inc(quorvel::classDadosPessoais& c, ado::Connection& conn, std::string& desc, std::int32_t& key,
                Person& p) {
  c.IncDadosPessoais(conn, desc, key,
      p.pnNome, p.pnNomePai, p.pnNomeMae, p.pnLogradouro, p.pnEndereco, p.pnNrEndereco, p.pnComplEndereco,
      p.pnBairro, p.pkCodCidade, p.pnUF, p.pnCEP, p.pnTelResidencial, p.pnTelCelular, p.pnTelRecados, p.pnEMail,
      p.pkCodEstadoCivil, p.pnNomeConjuge, p.pnNrFilhos, p.pnFilhosFicamCom, p.pnSexo, p.pnAltura, p.pnPeso,
      p.pkNaturalidade, p.pkCodNacionalidade, p.pnDataChegadaBrasil, p.pnDataNasc, p.pkCodGrauInstrucao,
      p.pnNrIdentidade, p.pnDataExpIdentidade, p.pnOrgaoExpIdentidade, p.pnNrCPF, p.pnNrPIS, p.pnDataCTPS,
      p.pnNrCTPS, p.pnSerieCTPS, p.pnNrReservista, p.pnCatReservista, p.pnNrCNH, p.pnCatCNH, p.pnValidadeCNH,
      p.pnNrTituloEleitor, p.pnZonaTituloEleitor, p.pnSecaoTituloEleitor, p.pnHabProfissional, p.pnNrHabilitacao,
      p.pkCodConselho, p.pnDataAposentadoria, p.pnDefFisico, p.pnTipoDeficiencia, p.pkCodCorPele, p.pnFumante,
      p.pnDataUltimaAtualizacao, p.pnStatus, p.pnSituacao, p.pnCaminhoFoto,
      p.pnArray);
}

inline void Alt(quorvel::classDadosPessoais& c, ado::Connection& conn, std::string& desc, std::int32_t& key,
                Person& p) {
  c.AltDadosPessoais(conn, desc, key,
      p.pnNome, p.pnNomePai, p.pnNomeMae, p.pnLogradouro, p.pnEndereco, p.pnNrEndereco, p.pnComplEndereco,
      p.pnBairro, p.pkCodCidade, p.pnUF, p.pnCEP, p.pnTelResidencial, p.pnTelCelular, p.pnTelRecados, p.pnEMail,
      p.pkCodEstadoCivil, p.pnNomeConjuge, p.pnNrFilhos, p.pnFilhosFicamCom, p.pnSexo, p.pnAltura, p.pnPeso,
      p.pkNaturalidade, p.pkCodNacionalidade, p.pnDataChegadaBrasil, p.pnDataNasc, p.pkCodGrauInstrucao,
      p.pnNrIdentidade, p.pnDataExpIdentidade, p.pnOrgaoExpIdentidade, p.pnNrCPF, p.pnNrPIS, p.pnDataCTPS,
      p.pnNrCTPS, p.pnSerieCTPS, p.pnNrReservista, p.pnCatReservista, p.pnNrCNH, p.pnCatCNH, p.pnValidadeCNH,
      p.pnNrTituloEleitor, p.pnZonaTituloEleitor, p.pnSecaoTituloEleitor, p.pnHabProfissional, p.pnNrHabilitacao,
      p.pkCodConselho, p.pnDataAposentadoria, p.pnDefFisico, p.pnTipoDeficiencia, p.pkCodCorPele, p.pnFumante,
      p.pnDataUltimaAtualizacao, p.pnStatus, p.pnSituacao, p.pnCaminhoFoto,
      p.pnArray);
}

}  // namespace qvtest
