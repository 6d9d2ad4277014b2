// SPDX-License-Identifier: MIT
#pragma once
// classFilial: the employer's branches (RhsFilial). The caller chooses the
// key of a new branch.

#include <cstdint>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/date.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classFilial {
 public:
  using Variant = automation::Variant;

  void CarComboCargoContato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void CarComboLogradouroFil(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void CarComboEnderecoFil(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void CarComboBairroFil(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray);
  void BusNomeFil(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodFilial, std::string& pnNomeFil);
  void CarFilial(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodFilial,
                 Variant& pnNomeFil, Variant& pnMatrINSS, Variant& pnNrMatr, Variant& pnBairroFil,
                 Variant& pkCodCidadeFil, Variant& pnUFFil, Variant& pkCodCNAE, Variant& pkCodNatJuridica,
                 Variant& pnDataBaseDissidio, Variant& pkDomicBancario, Variant& pnPorte, Variant& pnOptanteSimples,
                 Variant& pnParticPAT, Variant& pnEncerramentoAtividades, Variant& pnSituacao);
  // Without a row nothing is written. The looked-up names and the columns the
  // copying order leaves out are written last, each only when it is not Null.
  void BusFilial(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodFilial, std::string& pnNomeFil,
                 std::uint8_t& pnMatrINSS, std::string& pnNrMatr, std::string& pnPrefixo,
                 std::string& pnLogradouroFil, std::string& pnEnderecoFil, std::string& pnNrEnderecoFil,
                 std::string& pnComplEnderecoFil, std::string& pnBairroFil, std::int32_t& pkCodCidadeFil,
                 std::string& pnNomeCidadeFil, std::string& pnUFFil, std::string& pnCEPFil,
                 std::string& pnTelefoneFil, std::string& pnPessoaContato, std::string& pnCargoContato,
                 std::string& pnNrIEFil, std::string& pkCodCNAE, std::string& pnDescrCNAE,
                 std::int32_t& pkCodNatJuridica, std::string& pnDescrNatJuridica, std::uint8_t& pnNrProp,
                 Variant& pnFaturamento, std::uint8_t& pnDataBaseDissidio, Variant& pkDomicBancario,
                 Variant& pnNomeBanco, std::string& pnAlterouCNPJ, std::uint8_t& pnPorte,
                 std::string& pnOptanteSimples, std::string& pnParticPAT, std::int32_t& pnNrVincAte5SalMin,
                 std::int32_t& pnNrVincAPartir5SalMin, float& pnPercServProprio, float& pnPercAdmCozinha,
                 float& pnPercRefeicaoConvenio, float& pnPercRefeicaoTransportadora, float& pnPercCestaAlimento,
                 float& pnPercAlimentConvenio, std::string& pnEncerramentoAtividades, Variant& pnDataEncerramento,
                 std::string& pnSituacao, Variant& pnCodCABase);
  void AltFilial(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                 std::int32_t& pkCodFilial, std::string& pnNomeFil, std::uint8_t& pnMatrINSS, std::string& pnNrMatr,
                 std::string& pnPrefixo, std::string& pnLogradouroFil, std::string& pnEnderecoFil,
                 std::string& pnNrEnderecoFil, std::string& pnComplEnderecoFil, std::string& pnBairroFil,
                 std::int32_t& pkCodCidadeFil, std::string& pnUFFil, std::string& pnCEPFil,
                 std::string& pnTelefoneFil, std::string& pnPessoaContato, std::string& pnCargoContato,
                 std::string& pnNrIEFil, std::string& pkCodCNAE, std::int32_t& pkCodNatJuridica,
                 std::uint8_t& pnNrProp, Variant& pnFaturamento, std::uint8_t& pnDataBaseDissidio,
                 Variant& pkDomicBancario, std::string& pnAlterouCNPJ, std::uint8_t& pnPorte,
                 std::string& pnOptanteSimples, std::string& pnParticPAT, std::int32_t& pnNrVincAte5SalMin,
                 std::int32_t& pnNrVincAPartir5SalMin, float& pnPercServProprio, float& pnPercAdmCozinha,
                 float& pnPercRefeicaoConvenio, float& pnPercRefeicaoTransportadora, float& pnPercCestaAlimento,
                 float& pnPercAlimentConvenio, std::string& pnEncerramentoAtividades, Variant& pnDataEncerramento,
                 std::string& pnSituacao, Variant& pnCodCABase);
  // pkCodFilial receives pnCodFilial first; no next-key query is run.
  void IncFilial(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                 std::int32_t& pkCodFilial, std::string& pnNomeFil, std::uint8_t& pnMatrINSS, std::string& pnNrMatr,
                 std::string& pnPrefixo, std::string& pnLogradouroFil, std::string& pnEnderecoFil,
                 std::string& pnNrEnderecoFil, std::string& pnComplEnderecoFil, std::string& pnBairroFil,
                 std::int32_t& pkCodCidadeFil, std::string& pnUFFil, std::string& pnCEPFil,
                 std::string& pnTelefoneFil, std::string& pnPessoaContato, std::string& pnCargoContato,
                 std::string& pnNrIEFil, std::string& pkCodCNAE, std::int32_t& pkCodNatJuridica,
                 std::uint8_t& pnNrProp, Variant& pnFaturamento, std::uint8_t& pnDataBaseDissidio,
                 Variant& pkDomicBancario, std::string& pnAlterouCNPJ, std::uint8_t& pnPorte,
                 std::string& pnOptanteSimples, std::string& pnParticPAT, std::int32_t& pnNrVincAte5SalMin,
                 std::int32_t& pnNrVincAPartir5SalMin, float& pnPercServProprio, float& pnPercAdmCozinha,
                 float& pnPercRefeicaoConvenio, float& pnPercRefeicaoTransportadora, float& pnPercCestaAlimento,
                 float& pnPercAlimentConvenio, std::string& pnEncerramentoAtividades, Variant& pnDataEncerramento,
                 std::string& pnSituacao, Variant& pnCodCABase, std::int16_t& pnCodFilial);

  static const com::ClassDescription<classFilial>& Description();
};

}  // namespace quorvel
