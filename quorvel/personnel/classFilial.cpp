#include "quorvel/personnel/classFilial.h"

#include <vector>

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

namespace {

// Text columns go into the insert with no blank before them; every other value has one.
using Value = sql::ColumnValue;
Value Str(std::string_view column, const std::string& v) { return {column, sql::Quote(v), false}; }
Value Int(std::string_view column, std::int64_t v) { return {column, std::to_string(v)}; }
Value Sng(std::string_view column, float v) { return {column, sql::Single(v)}; }

// "Null" or the value quoted.
std::string OptionalText(const Variant& v) { return v.is_null() ? "Null" : sql::Text(v); }

// Columns 2 to 39 of RhsFilial in the table's order.
std::vector<Value> Columns(
    const std::string& pnNomeFil, std::uint8_t pnMatrINSS, const std::string& pnNrMatr,
    const std::string& pnPrefixo, const std::string& pnLogradouroFil, const std::string& pnEnderecoFil,
    const std::string& pnNrEnderecoFil, const std::string& pnComplEnderecoFil, const std::string& pnBairroFil,
    std::int32_t pkCodCidadeFil, const std::string& pnUFFil, const std::string& pnCEPFil,
    const std::string& pnTelefoneFil, const std::string& pnPessoaContato, const std::string& pnCargoContato,
    const std::string& pnNrIEFil, const std::string& pkCodCNAE, std::int32_t pkCodNatJuridica,
    std::uint8_t pnNrProp, const Variant& pnFaturamento, std::uint8_t pnDataBaseDissidio,
    const Variant& pkDomicBancario, const std::string& pnAlterouCNPJ, std::uint8_t pnPorte,
    const std::string& pnOptanteSimples, const std::string& pnParticPAT, std::int32_t pnNrVincAte5SalMin,
    std::int32_t pnNrVincAPartir5SalMin, float pnPercServProprio, float pnPercAdmCozinha,
    float pnPercRefeicaoConvenio, float pnPercRefeicaoTransportadora, float pnPercCestaAlimento,
    float pnPercAlimentConvenio, const std::string& pnEncerramentoAtividades, const Variant& pnDataEncerramento,
    const std::string& pnSituacao, const Variant& pnCodCABase) {
  return {Str("NomeFil", pnNomeFil),
          Int("MatrINSS", pnMatrINSS),
          Str("NrMatr", pnNrMatr),
          Str("Prefixo", pnPrefixo),
          Str("LogradouroFil", pnLogradouroFil),
          Str("EnderecoFil", pnEnderecoFil),
          Str("NrEnderecoFil", pnNrEnderecoFil),
          Str("ComplEnderecoFil", pnComplEnderecoFil),
          Str("BairroFil", pnBairroFil),
          Int("CodCidadeFil", pkCodCidadeFil),
          Str("UFFil", pnUFFil),
          Str("CEPFil", pnCEPFil),
          Str("TelefoneFil", pnTelefoneFil),
          Str("PessoaContato", pnPessoaContato),
          Str("CargoContato", pnCargoContato),
          Str("NrIEFil", pnNrIEFil),
          Str("CodCNAE", pkCodCNAE),
          Int("CodNatJuridica", pkCodNatJuridica),
          Int("NrProp", pnNrProp),
          {"Faturamento", sql::OptionalNumber(pnFaturamento)},
          Int("DataBaseDissidio", pnDataBaseDissidio),
          {"DomicBancario", OptionalText(pkDomicBancario)},
          Str("AlterouCNPJ", pnAlterouCNPJ),
          Int("Porte", pnPorte),
          Str("OptanteSimples", pnOptanteSimples),
          Str("ParticPAT", pnParticPAT),
          Int("NrVincAte5SalMin", pnNrVincAte5SalMin),
          Int("NrVincAPartir5SalMin", pnNrVincAPartir5SalMin),
          Sng("PercServProprio", pnPercServProprio),
          Sng("PercAdmCozinha", pnPercAdmCozinha),
          Sng("PercRefeicaoConvenio", pnPercRefeicaoConvenio),
          Sng("PercRefeicaoTransportadora", pnPercRefeicaoTransportadora),
          Sng("PercCestaAlimento", pnPercCestaAlimento),
          Sng("PercAlimentConvenio", pnPercAlimentConvenio),
          Str("EncerramentoAtividades", pnEncerramentoAtividades),
          {"DataEncerramento", sql::OptionalDate(pnDataEncerramento)},
          Str("Situacao", pnSituacao),
          {"CodCABase", sql::OptionalNumber(pnCodCABase)}};
}

void Combo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, std::string_view statement,
           std::string_view field) {
  Trapped(DescErr, [&] { LoadCombo(ConnRH, statement, vlArray, field); });
}

// A text out-parameter taken only from a field that is not Null.
template <class T>
void CopyUnlessNull(const ado::Recordset& rs, std::string_view field, T& out) {
  if (!rs.Fields(field).Value().is_null()) Copy(rs, field, out);
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
                                       std::to_string(pkCodFilial));
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
                "WHERE RhsFilial.CodFilial = " + std::to_string(pkCodFilial));
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
    const std::vector<Value> values = Columns(
        pnNomeFil, pnMatrINSS, pnNrMatr, pnPrefixo, pnLogradouroFil, pnEnderecoFil, pnNrEnderecoFil,
        pnComplEnderecoFil, pnBairroFil, pkCodCidadeFil, pnUFFil, pnCEPFil, pnTelefoneFil, pnPessoaContato,
        pnCargoContato, pnNrIEFil, pkCodCNAE, pkCodNatJuridica, pnNrProp, pnFaturamento, pnDataBaseDissidio,
        pkDomicBancario, pnAlterouCNPJ, pnPorte, pnOptanteSimples, pnParticPAT, pnNrVincAte5SalMin,
        pnNrVincAPartir5SalMin, pnPercServProprio, pnPercAdmCozinha, pnPercRefeicaoConvenio,
        pnPercRefeicaoTransportadora, pnPercCestaAlimento, pnPercAlimentConvenio, pnEncerramentoAtividades,
        pnDataEncerramento, pnSituacao, pnCodCABase);
    std::string statement = "UPDATE RhsFilial SET " + sql::Assignments(values, " ") +
                            "WHERE CodFilial = " + std::to_string(pkCodFilial);
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
    const std::vector<Value> values = Columns(
        pnNomeFil, pnMatrINSS, pnNrMatr, pnPrefixo, pnLogradouroFil, pnEnderecoFil, pnNrEnderecoFil,
        pnComplEnderecoFil, pnBairroFil, pkCodCidadeFil, pnUFFil, pnCEPFil, pnTelefoneFil, pnPessoaContato,
        pnCargoContato, pnNrIEFil, pkCodCNAE, pkCodNatJuridica, pnNrProp, pnFaturamento, pnDataBaseDissidio,
        pkDomicBancario, pnAlterouCNPJ, pnPorte, pnOptanteSimples, pnParticPAT, pnNrVincAte5SalMin,
        pnNrVincAPartir5SalMin, pnPercServProprio, pnPercAdmCozinha, pnPercRefeicaoConvenio,
        pnPercRefeicaoTransportadora, pnPercCestaAlimento, pnPercAlimentConvenio, pnEncerramentoAtividades,
        pnDataEncerramento, pnSituacao, pnCodCABase);
    std::string statement =
        "INSERT INTO RhsFilial ("
        "CodFilial, NomeFil, MatrINSS, NrMatr, Prefixo, LogradouroFil, "
        "EnderecoFil, NrEnderecoFil, ComplEnderecoFil, BairroFil, CodCidadeFil, "
        "UFFil, CEPFil, TelefoneFil, PessoaContato, CargoContato, NrIEFil, CodCNAE, "
        "CodNatJuridica, NrProp, Faturamento, DataBaseDissidio, DomicBancario, "
        "AlterouCNPJ, Porte, OptanteSimples, ParticPAT, NrVincAte5SalMin, "
        "NrVincAPartir5SalMin, PercServProprio, PercAdmCozinha, PercRefeicaoConvenio, "
        "PercRefeicaoTransportadora, PercCestaAlimento, PercAlimentConvenio, "
        "EncerramentoAtividades, DataEncerramento, Situacao, CodCABase) "
        "VALUES ("
        " " + std::to_string(pkCodFilial) + ", " + sql::ValueList(values, ") ");
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
