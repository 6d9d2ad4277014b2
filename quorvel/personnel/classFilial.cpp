// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classFilial.h"


#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include <vector>
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

namespace {

// The columns of RhsFilial in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnNomeFil, std::uint8_t pnMatrINSS,
                         const std::string& pnNrMatr, const std::string& pnPrefixo,
                         const std::string& pnLogradouroFil, const std::string& pnEnderecoFil,
                         const std::string& pnNrEnderecoFil, const std::string& pnComplEnderecoFil,
                         const std::string& pnBairroFil, std::int32_t pkCodCidadeFil, const std::string& pnUFFil,
                         const std::string& pnCEPFil, const std::string& pnTelefoneFil,
                         const std::string& pnPessoaContato, const std::string& pnCargoContato,
                         const std::string& pnNrIEFil, const std::string& pkCodCNAE, std::int32_t pkCodNatJuridica,
                         std::uint8_t pnNrProp, const Variant& pnFaturamento, std::uint8_t pnDataBaseDissidio,
                         const Variant& pkDomicBancario, const std::string& pnAlterouCNPJ, std::uint8_t pnPorte,
                         const std::string& pnOptanteSimples, const std::string& pnParticPAT,
                         std::int32_t pnNrVincAte5SalMin, std::int32_t pnNrVincAPartir5SalMin,
                         float pnPercServProprio, float pnPercAdmCozinha, float pnPercRefeicaoConvenio,
                         float pnPercRefeicaoTransportadora, float pnPercCestaAlimento, float pnPercAlimentConvenio,
                         const std::string& pnEncerramentoAtividades, const Variant& pnDataEncerramento,
                         const std::string& pnSituacao, const Variant& pnCodCABase) {
  using sql::kBlank;
  return {{"CodFilial", sql::Number(key), kBlank, sql::kInsertOnly},
          {"NomeFil", sql::Quote(pnNomeFil)},
          {"MatrINSS", sql::Number(pnMatrINSS), kBlank},
          {"NrMatr", sql::Quote(pnNrMatr)},
          {"Prefixo", sql::Quote(pnPrefixo)},
          {"LogradouroFil", sql::Quote(pnLogradouroFil)},
          {"EnderecoFil", sql::Quote(pnEnderecoFil)},
          {"NrEnderecoFil", sql::Quote(pnNrEnderecoFil)},
          {"ComplEnderecoFil", sql::Quote(pnComplEnderecoFil)},
          {"BairroFil", sql::Quote(pnBairroFil)},
          {"CodCidadeFil", sql::Number(pkCodCidadeFil), kBlank},
          {"UFFil", sql::Quote(pnUFFil)},
          {"CEPFil", sql::Quote(pnCEPFil)},
          {"TelefoneFil", sql::Quote(pnTelefoneFil)},
          {"PessoaContato", sql::Quote(pnPessoaContato)},
          {"CargoContato", sql::Quote(pnCargoContato)},
          {"NrIEFil", sql::Quote(pnNrIEFil)},
          {"CodCNAE", sql::Quote(pkCodCNAE)},
          {"CodNatJuridica", sql::Number(pkCodNatJuridica), kBlank},
          {"NrProp", sql::Number(pnNrProp), kBlank},
          {"Faturamento", sql::OptionalNumber(pnFaturamento), kBlank},
          {"DataBaseDissidio", sql::Number(pnDataBaseDissidio), kBlank},
          {"DomicBancario", sql::OptionalText(pkDomicBancario), kBlank},
          {"AlterouCNPJ", sql::Quote(pnAlterouCNPJ)},
          {"Porte", sql::Number(pnPorte), kBlank},
          {"OptanteSimples", sql::Quote(pnOptanteSimples)},
          {"ParticPAT", sql::Quote(pnParticPAT)},
          {"NrVincAte5SalMin", sql::Number(pnNrVincAte5SalMin), kBlank},
          {"NrVincAPartir5SalMin", sql::Number(pnNrVincAPartir5SalMin), kBlank},
          {"PercServProprio", sql::Single(pnPercServProprio), kBlank},
          {"PercAdmCozinha", sql::Single(pnPercAdmCozinha), kBlank},
          {"PercRefeicaoConvenio", sql::Single(pnPercRefeicaoConvenio), kBlank},
          {"PercRefeicaoTransportadora", sql::Single(pnPercRefeicaoTransportadora), kBlank},
          {"PercCestaAlimento", sql::Single(pnPercCestaAlimento), kBlank},
          {"PercAlimentConvenio", sql::Single(pnPercAlimentConvenio), kBlank},
          {"EncerramentoAtividades", sql::Quote(pnEncerramentoAtividades)},
          {"DataEncerramento", sql::OptionalDate(pnDataEncerramento), kBlank},
          {"Situacao", sql::Quote(pnSituacao)},
          {"CodCABase", sql::OptionalNumber(pnCodCABase), kBlank}};
}

void Combo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, std::string_view statement,
           std::string_view field) {
  Trapped(DescErr, [&] { LoadCombo(ConnRH, statement, vlArray, field); });
}

}  // namespace

void classFilial::CarComboCargoContato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray,
        "SELECT DISTINCT CargoContato " "FROM RhsFilial " "WHERE CargoContato <> ''", "CargoContato");
}

void classFilial::CarComboLogradouroFil(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray,
        "SELECT DISTINCT LogradouroFil " "FROM RhsFilial " "WHERE LogradouroFil <> ''", "LogradouroFil");
}

void classFilial::CarComboEnderecoFil(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray,
        "SELECT DISTINCT EnderecoFil " "FROM RhsFilial " "WHERE EnderecoFil <> ''", "EnderecoFil");
}

void classFilial::CarComboBairroFil(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray,
        "SELECT DISTINCT BairroFil " "FROM RhsFilial " "WHERE BairroFil <> ''", "BairroFil");
}

void classFilial::BusNomeFil(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodFilial,
                             std::string& pnNomeFil) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT NomeFil " "FROM RhsFilial " "WHERE CodFilial = " +
                                       sql::Number(pkCodFilial));
    Copy(*rs, "NomeFil", pnNomeFil);
    rs->Close();
  });
}

void classFilial::CarFilial(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodFilial,
                            Variant& pnNomeFil, Variant& pnMatrINSS, Variant& pnNrMatr, Variant& pnBairroFil,
                            Variant& pkCodCidadeFil, Variant& pnUFFil, Variant& pkCodCNAE,
                            Variant& pkCodNatJuridica, Variant& pnDataBaseDissidio, Variant& pkDomicBancario,
                            Variant& pnPorte, Variant& pnOptanteSimples, Variant& pnParticPAT,
                            Variant& pnEncerramentoAtividades, Variant& pnSituacao) {
  static constexpr Column kColumns[] = {{"CodFilial"}, {"NomeFil"}, {"NrMatr"}, {"Prefixo"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFilial, " CodFilial LIKE ", sql::Text);
    where.Add(pnNomeFil, "UPPER(NomeFil) LIKE ", sql::UpperText);
    where.Add(pnMatrINSS, "MatrINSS = ", sql::Number);
    where.Add(pnNrMatr, "NrMatr = ", sql::Text);
    where.Add(pnBairroFil, "BairroFil = ", sql::Text);
    where.Add(pkCodCidadeFil, "CodCidadeFil = ", sql::Number);
    where.Add(pnUFFil, "UFFil = ", sql::Text);
    where.Add(pkCodCNAE, "CodCNAE = ", sql::Text);
    where.Add(pkCodNatJuridica, "CodNatJuridica = ", sql::Number);
    where.Add(pnDataBaseDissidio, "DataBaseDissidio = ", sql::Number);
    where.Add(pkDomicBancario, "DomicBancario = ", sql::Text);
    where.Add(pnPorte, "Porte = ", sql::Number);
    where.Add(pnOptanteSimples, "OptanteSimples = ", sql::Text);
    where.Add(pnParticPAT, "ParticPAT = ", sql::Text);
    where.Add(pnEncerramentoAtividades, "EncerramentoAtividades = ", sql::Text);
    where.Add(pnSituacao, "Situacao = ", sql::Text);
    std::string statement = "SELECT CodFilial, NomeFil, NrMatr, Prefixo " "FROM RhsFilial " + where.Clause() +
                            " ORDER BY NomeFil";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classFilial::BusFilial(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodFilial, std::string& pnNomeFil,
    std::uint8_t& pnMatrINSS, std::string& pnNrMatr, std::string& pnPrefixo, std::string& pnLogradouroFil,
    std::string& pnEnderecoFil, std::string& pnNrEnderecoFil, std::string& pnComplEnderecoFil,
    std::string& pnBairroFil, std::int32_t& pkCodCidadeFil, std::string& pnNomeCidadeFil, std::string& pnUFFil,
    std::string& pnCEPFil, std::string& pnTelefoneFil, std::string& pnPessoaContato, std::string& pnCargoContato,
    std::string& pnNrIEFil, std::string& pkCodCNAE, std::string& pnDescrCNAE, std::int32_t& pkCodNatJuridica,
    std::string& pnDescrNatJuridica, std::uint8_t& pnNrProp, Variant& pnFaturamento,
    std::uint8_t& pnDataBaseDissidio, Variant& pkDomicBancario, Variant& pnNomeBanco, std::string& pnAlterouCNPJ,
    std::uint8_t& pnPorte, std::string& pnOptanteSimples, std::string& pnParticPAT,
    std::int32_t& pnNrVincAte5SalMin, std::int32_t& pnNrVincAPartir5SalMin, float& pnPercServProprio,
    float& pnPercAdmCozinha, float& pnPercRefeicaoConvenio, float& pnPercRefeicaoTransportadora,
    float& pnPercCestaAlimento, float& pnPercAlimentConvenio, std::string& pnEncerramentoAtividades,
    Variant& pnDataEncerramento, std::string& pnSituacao, Variant& pnCodCABase) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH, "SELECT RhsFilial.*, RhsCidade.Cidade, RhsCidade.UF, "
                "RhsBanco.NomeBanco, RhsCNAE.DescrCNAE, RhsNatJuridica.DescrNatJuridica "
                "FROM (((( RhsFilial "
                "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsFilial.CodCidadeFil) "
                "LEFT JOIN RhsBanco ON RhsBanco.NumBanco = RhsFilial.DomicBancario) "
                "LEFT JOIN RhsCNAE ON RhsCNAE.CodCNAE = RhsFilial.CodCNAE) "
                "LEFT JOIN RhsNatJuridica ON RhsNatJuridica.CodNatJuridica = RhsFilial.CodNatJuridica) "
                "WHERE RhsFilial.CodFilial = " + sql::Number(pkCodFilial));
    if (rs->EOF_()) {
      rs->Close();
      return;
    }
    Copy(*rs, "CodFilial", pkCodFilial);
    Copy(*rs, "NomeFil", pnNomeFil);
    Copy(*rs, "MatrINSS", pnMatrINSS);
    Copy(*rs, "NrMatr", pnNrMatr);
    Copy(*rs, "Prefixo", pnPrefixo);
    Copy(*rs, "LogradouroFil", pnLogradouroFil);
    Copy(*rs, "EnderecoFil", pnEnderecoFil);
    Copy(*rs, "NrEnderecoFil", pnNrEnderecoFil);
    Copy(*rs, "ComplEnderecoFil", pnComplEnderecoFil);
    Copy(*rs, "BairroFil", pnBairroFil);
    Copy(*rs, "CodCidadeFil", pkCodCidadeFil);
    Copy(*rs, "Faturamento", pnFaturamento);
    Copy(*rs, "DataBaseDissidio", pnDataBaseDissidio);
    Copy(*rs, "DomicBancario", pkDomicBancario);
    Copy(*rs, "NomeBanco", pnNomeBanco);
    Copy(*rs, "AlterouCNPJ", pnAlterouCNPJ);
    Copy(*rs, "Porte", pnPorte);
    Copy(*rs, "OptanteSimples", pnOptanteSimples);
    Copy(*rs, "ParticPAT", pnParticPAT);
    Copy(*rs, "NrVincAte5SalMin", pnNrVincAte5SalMin);
    Copy(*rs, "NrVincAPartir5SalMin", pnNrVincAPartir5SalMin);
    Copy(*rs, "PercServProprio", pnPercServProprio);
    Copy(*rs, "PercAdmCozinha", pnPercAdmCozinha);
    Copy(*rs, "PercRefeicaoConvenio", pnPercRefeicaoConvenio);
    Copy(*rs, "PercRefeicaoTransportadora", pnPercRefeicaoTransportadora);
    Copy(*rs, "PercCestaAlimento", pnPercCestaAlimento);
    Copy(*rs, "PercAlimentConvenio", pnPercAlimentConvenio);
    Copy(*rs, "EncerramentoAtividades", pnEncerramentoAtividades);
    Copy(*rs, "DataEncerramento", pnDataEncerramento);
    Copy(*rs, "Situacao", pnSituacao);
    Copy(*rs, "CodCABase", pnCodCABase);
    // The rest of the row and the looked-up names; a Null leaves its out as it was.
    CopyUnlessNull(*rs, "Cidade", pnNomeCidadeFil);
    CopyUnlessNull(*rs, "UFFil", pnUFFil);
    CopyUnlessNull(*rs, "CEPFil", pnCEPFil);
    CopyUnlessNull(*rs, "TelefoneFil", pnTelefoneFil);
    CopyUnlessNull(*rs, "PessoaContato", pnPessoaContato);
    CopyUnlessNull(*rs, "CargoContato", pnCargoContato);
    CopyUnlessNull(*rs, "NrIEFil", pnNrIEFil);
    CopyUnlessNull(*rs, "CodCNAE", pkCodCNAE);
    CopyUnlessNull(*rs, "DescrCNAE", pnDescrCNAE);
    CopyUnlessNull(*rs, "CodNatJuridica", pkCodNatJuridica);
    CopyUnlessNull(*rs, "DescrNatJuridica", pnDescrNatJuridica);
    CopyUnlessNull(*rs, "NrProp", pnNrProp);
    rs->Close();
  });
}

void classFilial::AltFilial(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodFilial,
    std::string& pnNomeFil, std::uint8_t& pnMatrINSS, std::string& pnNrMatr, std::string& pnPrefixo,
    std::string& pnLogradouroFil, std::string& pnEnderecoFil, std::string& pnNrEnderecoFil,
    std::string& pnComplEnderecoFil, std::string& pnBairroFil, std::int32_t& pkCodCidadeFil, std::string& pnUFFil,
    std::string& pnCEPFil, std::string& pnTelefoneFil, std::string& pnPessoaContato, std::string& pnCargoContato,
    std::string& pnNrIEFil, std::string& pkCodCNAE, std::int32_t& pkCodNatJuridica, std::uint8_t& pnNrProp,
    Variant& pnFaturamento, std::uint8_t& pnDataBaseDissidio, Variant& pkDomicBancario, std::string& pnAlterouCNPJ,
    std::uint8_t& pnPorte, std::string& pnOptanteSimples, std::string& pnParticPAT,
    std::int32_t& pnNrVincAte5SalMin, std::int32_t& pnNrVincAPartir5SalMin, float& pnPercServProprio,
    float& pnPercAdmCozinha, float& pnPercRefeicaoConvenio, float& pnPercRefeicaoTransportadora,
    float& pnPercCestaAlimento, float& pnPercAlimentConvenio, std::string& pnEncerramentoAtividades,
    Variant& pnDataEncerramento, std::string& pnSituacao, Variant& pnCodCABase) {
  Trapped(DescErr, [&] {
    const sql::ColumnTable columns = Columns(
        pkCodFilial, pnNomeFil, pnMatrINSS, pnNrMatr, pnPrefixo, pnLogradouroFil, pnEnderecoFil, pnNrEnderecoFil,
        pnComplEnderecoFil, pnBairroFil, pkCodCidadeFil, pnUFFil, pnCEPFil, pnTelefoneFil, pnPessoaContato,
        pnCargoContato, pnNrIEFil, pkCodCNAE, pkCodNatJuridica, pnNrProp, pnFaturamento, pnDataBaseDissidio,
        pkDomicBancario, pnAlterouCNPJ, pnPorte, pnOptanteSimples, pnParticPAT, pnNrVincAte5SalMin,
        pnNrVincAPartir5SalMin, pnPercServProprio, pnPercAdmCozinha, pnPercRefeicaoConvenio,
        pnPercRefeicaoTransportadora, pnPercCestaAlimento, pnPercAlimentConvenio, pnEncerramentoAtividades,
        pnDataEncerramento, pnSituacao, pnCodCABase);
    std::string statement = sql::Update("RhsFilial", columns, "WHERE CodFilial = " + sql::Number(pkCodFilial));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

void classFilial::IncFilial(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodFilial,
    std::string& pnNomeFil, std::uint8_t& pnMatrINSS, std::string& pnNrMatr, std::string& pnPrefixo,
    std::string& pnLogradouroFil, std::string& pnEnderecoFil, std::string& pnNrEnderecoFil,
    std::string& pnComplEnderecoFil, std::string& pnBairroFil, std::int32_t& pkCodCidadeFil, std::string& pnUFFil,
    std::string& pnCEPFil, std::string& pnTelefoneFil, std::string& pnPessoaContato, std::string& pnCargoContato,
    std::string& pnNrIEFil, std::string& pkCodCNAE, std::int32_t& pkCodNatJuridica, std::uint8_t& pnNrProp,
    Variant& pnFaturamento, std::uint8_t& pnDataBaseDissidio, Variant& pkDomicBancario, std::string& pnAlterouCNPJ,
    std::uint8_t& pnPorte, std::string& pnOptanteSimples, std::string& pnParticPAT,
    std::int32_t& pnNrVincAte5SalMin, std::int32_t& pnNrVincAPartir5SalMin, float& pnPercServProprio,
    float& pnPercAdmCozinha, float& pnPercRefeicaoConvenio, float& pnPercRefeicaoTransportadora,
    float& pnPercCestaAlimento, float& pnPercAlimentConvenio, std::string& pnEncerramentoAtividades,
    Variant& pnDataEncerramento, std::string& pnSituacao, Variant& pnCodCABase, std::int16_t& pnCodFilial) {
  Trapped(DescErr, [&] {
    pkCodFilial = pnCodFilial;
    const sql::ColumnTable columns = Columns(
        pkCodFilial, pnNomeFil, pnMatrINSS, pnNrMatr, pnPrefixo, pnLogradouroFil, pnEnderecoFil, pnNrEnderecoFil,
        pnComplEnderecoFil, pnBairroFil, pkCodCidadeFil, pnUFFil, pnCEPFil, pnTelefoneFil, pnPessoaContato,
        pnCargoContato, pnNrIEFil, pkCodCNAE, pkCodNatJuridica, pnNrProp, pnFaturamento, pnDataBaseDissidio,
        pkDomicBancario, pnAlterouCNPJ, pnPorte, pnOptanteSimples, pnParticPAT, pnNrVincAte5SalMin,
        pnNrVincAPartir5SalMin, pnPercServProprio, pnPercAdmCozinha, pnPercRefeicaoConvenio,
        pnPercRefeicaoTransportadora, pnPercCestaAlimento, pnPercAlimentConvenio, pnEncerramentoAtividades,
        pnDataEncerramento, pnSituacao, pnCodCABase);
    std::string statement = sql::Insert("RhsFilial", columns);
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

const com::ClassDescription<classFilial>& classFilial::Description() {
  using C = classFilial;
  static const com::ClassDescription<C> d{
      "Quorvel.classFilial",
      {
          com::Method<&C::CarComboCargoContato>("CarComboCargoContato", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboLogradouroFil>("CarComboLogradouroFil", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboEnderecoFil>("CarComboEnderecoFil", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboBairroFil>("CarComboBairroFil", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::BusNomeFil>("BusNomeFil", {"ConnRH", "DescErr", "pkCodFilial", "pnNomeFil"}),
          com::Method<&C::CarFilial>(
              "CarFilial", {"ConnRH", "DescErr", "vlArray", "pkCodFilial", "pnNomeFil", "pnMatrINSS", "pnNrMatr",
                            "pnBairroFil", "pkCodCidadeFil", "pnUFFil", "pkCodCNAE", "pkCodNatJuridica",
                            "pnDataBaseDissidio", "pkDomicBancario", "pnPorte", "pnOptanteSimples", "pnParticPAT",
                            "pnEncerramentoAtividades", "pnSituacao"}),
          com::Method<&C::BusFilial>(
              "BusFilial",
              {"ConnRH", "DescErr", "pkCodFilial", "pnNomeFil", "pnMatrINSS", "pnNrMatr", "pnPrefixo",
               "pnLogradouroFil", "pnEnderecoFil", "pnNrEnderecoFil", "pnComplEnderecoFil", "pnBairroFil",
               "pkCodCidadeFil", "pnNomeCidadeFil", "pnUFFil", "pnCEPFil", "pnTelefoneFil", "pnPessoaContato",
               "pnCargoContato", "pnNrIEFil", "pkCodCNAE", "pnDescrCNAE", "pkCodNatJuridica", "pnDescrNatJuridica",
               "pnNrProp", "pnFaturamento", "pnDataBaseDissidio", "pkDomicBancario", "pnNomeBanco",
               "pnAlterouCNPJ", "pnPorte", "pnOptanteSimples", "pnParticPAT", "pnNrVincAte5SalMin",
               "pnNrVincAPartir5SalMin", "pnPercServProprio", "pnPercAdmCozinha", "pnPercRefeicaoConvenio",
               "pnPercRefeicaoTransportadora", "pnPercCestaAlimento", "pnPercAlimentConvenio",
               "pnEncerramentoAtividades", "pnDataEncerramento", "pnSituacao", "pnCodCABase"}),
          com::Method<&C::AltFilial>(
              "AltFilial",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodFilial", "pnNomeFil", "pnMatrINSS", "pnNrMatr",
               "pnPrefixo", "pnLogradouroFil", "pnEnderecoFil", "pnNrEnderecoFil", "pnComplEnderecoFil",
               "pnBairroFil", "pkCodCidadeFil", "pnUFFil", "pnCEPFil", "pnTelefoneFil", "pnPessoaContato",
               "pnCargoContato", "pnNrIEFil", "pkCodCNAE", "pkCodNatJuridica", "pnNrProp", "pnFaturamento",
               "pnDataBaseDissidio", "pkDomicBancario", "pnAlterouCNPJ", "pnPorte", "pnOptanteSimples",
               "pnParticPAT", "pnNrVincAte5SalMin", "pnNrVincAPartir5SalMin", "pnPercServProprio",
               "pnPercAdmCozinha", "pnPercRefeicaoConvenio", "pnPercRefeicaoTransportadora", "pnPercCestaAlimento",
               "pnPercAlimentConvenio", "pnEncerramentoAtividades", "pnDataEncerramento", "pnSituacao",
               "pnCodCABase"}),
          com::Method<&C::IncFilial>(
              "IncFilial",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodFilial", "pnNomeFil", "pnMatrINSS", "pnNrMatr",
               "pnPrefixo", "pnLogradouroFil", "pnEnderecoFil", "pnNrEnderecoFil", "pnComplEnderecoFil",
               "pnBairroFil", "pkCodCidadeFil", "pnUFFil", "pnCEPFil", "pnTelefoneFil", "pnPessoaContato",
               "pnCargoContato", "pnNrIEFil", "pkCodCNAE", "pkCodNatJuridica", "pnNrProp", "pnFaturamento",
               "pnDataBaseDissidio", "pkDomicBancario", "pnAlterouCNPJ", "pnPorte", "pnOptanteSimples",
               "pnParticPAT", "pnNrVincAte5SalMin", "pnNrVincAPartir5SalMin", "pnPercServProprio",
               "pnPercAdmCozinha", "pnPercRefeicaoConvenio", "pnPercRefeicaoTransportadora", "pnPercCestaAlimento",
               "pnPercAlimentConvenio", "pnEncerramentoAtividades", "pnDataEncerramento", "pnSituacao",
               "pnCodCABase", "pnCodFilial"}),
      }};
  return d;
}

}  // namespace quorvel
