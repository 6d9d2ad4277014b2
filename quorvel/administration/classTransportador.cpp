// SPDX-License-Identifier: MIT
#include "quorvel/administration/classTransportador.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The pick lists: the distinct non-empty values of one column.
void Combo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, std::string_view column) {
  Trapped(DescErr, [&] {
    const std::string c(column);
    LoadCombo(ConnRH, "SELECT DISTINCT " + c + " " "FROM RhsTransportador " "WHERE " + c + " <> ''", vlArray,
              column);
  });
}

// The columns of RhsTransportador in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnNomeTransp, const std::string& pnLogradouroTransp,
                         const std::string& pnEnderecoTransp, const std::string& pnNrEnderecoTransp,
                         const std::string& pnComplEnderecoTransp, const std::string& pnBairroTransp,
                         std::int32_t pkCodCidadeTransp, const std::string& pnUFTransp,
                         const std::string& pnCEPTransp, const std::string& pnFoneTransp,
                         const std::string& pnLogradouroCompra, const std::string& pnEnderecoCompra,
                         const std::string& pnNrEnderecoCompra, const std::string& pnComplEnderecoCompra,
                         const std::string& pnBairroCompra, const Variant& pkCodCidadeCompra,
                         const std::string& pnUFCompra, const std::string& pnFoneCompra) {
  using sql::kBlank;
  return {{"CodTransp", sql::Number(key), kBlank, sql::kInsertOnly},
          {"NomeTransp", sql::Quote(pnNomeTransp)},
          {"LogradouroTransp", sql::Quote(pnLogradouroTransp)},
          {"EnderecoTransp", sql::Quote(pnEnderecoTransp)},
          {"NrEnderecoTransp", sql::Quote(pnNrEnderecoTransp)},
          {"ComplEnderecoTransp", sql::Quote(pnComplEnderecoTransp)},
          {"BairroTransp", sql::Quote(pnBairroTransp)},
          {"CodCidadeTransp", sql::Number(pkCodCidadeTransp), kBlank},
          {"UFTransp", sql::Quote(pnUFTransp)},
          {"CEPTransp", sql::Quote(pnCEPTransp)},
          {"FoneTransp", sql::Quote(pnFoneTransp)},
          {"LogradouroCompra", sql::Quote(pnLogradouroCompra)},
          {"EnderecoCompra", sql::Quote(pnEnderecoCompra)},
          {"NrEnderecoCompra", sql::Quote(pnNrEnderecoCompra)},
          {"ComplEnderecoCompra", sql::Quote(pnComplEnderecoCompra)},
          {"BairroCompra", sql::Quote(pnBairroCompra)},
          {"CodCidadeCompra", sql::OptionalNumber(pkCodCidadeCompra), kBlank},
          {"UFCompra", sql::Quote(pnUFCompra)},
          {"FoneCompra", sql::Quote(pnFoneCompra)}};
}

}  // namespace

void classTransportador::BusNomeTransp(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTransp,
                                       std::string& pnNomeTransp) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT NomeTransp "
                                   "FROM   RhsTransportador "
                                   "WHERE  CodTransp = " + sql::Number(pkCodTransp));
    if (rs->EOF_()) {
      pnNomeTransp = "<<Inexistente>>";
    } else {
      Copy(*rs, "NomeTransp", pnNomeTransp);
    }
    rs->Close();
  });
}

void classTransportador::CarComboLogradouroTransp(ado::Connection& ConnRH, std::string& DescErr,
                                                  Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray, "LogradouroTransp");
}

void classTransportador::CarComboLogradouroCompra(ado::Connection& ConnRH, std::string& DescErr,
                                                  Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray, "LogradouroCompra");
}

void classTransportador::CarComboEnderecoTransp(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray, "EnderecoTransp");
}

void classTransportador::CarComboEnderecoCompra(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray, "EnderecoCompra");
}

void classTransportador::CarComboBairroTransp(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray, "BairroTransp");
}

bool classTransportador::fExisteNomeTransp(ado::Connection& ConnRH, std::string& DescErr,
                                           std::string& pnNomeTransp) {
  bool exists = false;
  Trapped(DescErr, [&] {
    std::string statement = "SELECT DISTINCT NomeTransp "
                            "FROM RhsTransportador "
                            "WHERE UPPER(NomeTransp) = " + sql::QuoteUpper(pnNomeTransp);
    fAjustaSql(ConnRH, statement);
    RecordsetPtr rs = Open(ConnRH, statement);
    exists = !rs->EOF_();
    rs->Close();
  });
  return exists;
}

void classTransportador::CarComboBairroCompra(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Combo(ConnRH, DescErr, vlArray, "BairroCompra");
}

void classTransportador::CarTransportador(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                          Variant& pkCodTransp, Variant& pnNomeTransp, Variant& pnBairroTransp,
                                          Variant& pkCodCidadeTransp, Variant& pnUFTransp, Variant& pnBairroCompra,
                                          Variant& pkCodCidadeCompra, Variant& pnUFCompra) {
  static constexpr Column kColumns[] = {{"CodTransp"}, {"NomeTransp"}, {"NomeCidade", "Cidade"}, {"UFTransp"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodTransp, "CStr(CodTransp) LIKE ", sql::Text);
    where.Add(pnNomeTransp, "UPPER(NomeTransp) LIKE ", sql::UpperText);
    where.Add(pnBairroTransp, "UPPER(BairroTransp) LIKE ", sql::UpperText);
    where.Add(pkCodCidadeTransp, "CodCidadeTransp = ", sql::Number);
    where.Add(pnUFTransp, "UFTransp = ", sql::Text);
    where.Add(pnBairroCompra, "UPPER(BairroCompra) LIKE ", sql::UpperText);
    where.Add(pkCodCidadeCompra, "CodCidadeCompra = ", sql::Number);
    where.Add(pnUFCompra, "UFCompra = ", sql::Text);
    std::string statement = "SELECT RhsTransportador.CodTransp, RhsTransportador.NomeTransp, "
                            "RhsCidade.Cidade, RhsTransportador.UFTransp "
                            "FROM ( RhsTransportador "
                            "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = "
                            "RhsTransportador.CodCidadeTransp) " +
                            where.Clause() + " ORDER BY NomeTransp";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTransportador::BusTransportador(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodTransp, std::string& pnNomeTransp,
    std::string& pnLogradouroTransp, std::string& pnEnderecoTransp, std::string& pnNrEnderecoTransp,
    std::string& pnComplEnderecoTransp, std::string& pnBairroTransp, std::int32_t& pkCodCidadeTransp,
    std::string& pnNomeCidadeTransp, std::string& pnUFTransp, std::string& pnCEPTransp, std::string& pnFoneTransp,
    std::string& pnLogradouroCompra, std::string& pnEnderecoCompra, std::string& pnNrEnderecoCompra,
    std::string& pnComplEnderecoCompra, std::string& pnBairroCompra, Variant& pkCodCidadeCompra,
    Variant& pnNomeCidadeCompra, std::string& pnUFCompra, std::string& pnFoneCompra) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH, "SELECT RhsTransportador.*, CidadeTransp.Cidade AS NomeCidadeTransp, "
                "CidadeCompra.Cidade as NomeCidadeCompra "
                "FROM (( RhsTransportador "
                "LEFT JOIN CadEndCidades AS CidadeTransp ON CidadeTransp.CodCidade = RhsTransportador.CodCidadeTransp) "
                "LEFT JOIN CadEndCidades AS CidadeCompra ON CidadeCompra.CodCidade = RhsTransportador.CodCidadeCompra) "
                "WHERE RhsTransportador.CodTransp = " + sql::Number(pkCodTransp));
    Copy(*rs, "CodTransp", pkCodTransp);
    Copy(*rs, "NomeTransp", pnNomeTransp);
    Copy(*rs, "LogradouroTransp", pnLogradouroTransp);
    Copy(*rs, "EnderecoTransp", pnEnderecoTransp);
    Copy(*rs, "NrEnderecoTransp", pnNrEnderecoTransp);
    Copy(*rs, "ComplEnderecoTransp", pnComplEnderecoTransp);
    Copy(*rs, "BairroTransp", pnBairroTransp);
    Copy(*rs, "CodCidadeTransp", pkCodCidadeTransp);
    Copy(*rs, "NomeCidadeTransp", pnNomeCidadeTransp);
    Copy(*rs, "UFTransp", pnUFTransp);
    Copy(*rs, "CEPTransp", pnCEPTransp);
    Copy(*rs, "FoneTransp", pnFoneTransp);
    Copy(*rs, "LogradouroCompra", pnLogradouroCompra);
    Copy(*rs, "EnderecoCompra", pnEnderecoCompra);
    Copy(*rs, "NrEnderecoCompra", pnNrEnderecoCompra);
    Copy(*rs, "ComplEnderecoCompra", pnComplEnderecoCompra);
    Copy(*rs, "BairroCompra", pnBairroCompra);
    Copy(*rs, "CodCidadeCompra", pkCodCidadeCompra);
    Copy(*rs, "NomeCidadeCompra", pnNomeCidadeCompra);
    Copy(*rs, "UFCompra", pnUFCompra);
    Copy(*rs, "FoneCompra", pnFoneCompra);
    rs->Close();
  });
}

void classTransportador::ExcTransportador(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodTransp) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTransportador " "WHERE CodTransp = " + sql::Number(pkCodTransp));
  });
}

void classTransportador::AltTransportador(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodTransp,
    std::string& pnNomeTransp, std::string& pnLogradouroTransp, std::string& pnEnderecoTransp,
    std::string& pnNrEnderecoTransp, std::string& pnComplEnderecoTransp, std::string& pnBairroTransp,
    std::int32_t& pkCodCidadeTransp, std::string& pnUFTransp, std::string& pnCEPTransp, std::string& pnFoneTransp,
    std::string& pnLogradouroCompra, std::string& pnEnderecoCompra, std::string& pnNrEnderecoCompra,
    std::string& pnComplEnderecoCompra, std::string& pnBairroCompra, Variant& pkCodCidadeCompra,
    std::string& pnUFCompra, std::string& pnFoneCompra) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTransportador",
                                Columns(pkCodTransp, pnNomeTransp, pnLogradouroTransp, pnEnderecoTransp,
                                        pnNrEnderecoTransp, pnComplEnderecoTransp, pnBairroTransp, pkCodCidadeTransp,
                                        pnUFTransp, pnCEPTransp, pnFoneTransp, pnLogradouroCompra, pnEnderecoCompra,
                                        pnNrEnderecoCompra, pnComplEnderecoCompra, pnBairroCompra, pkCodCidadeCompra,
                                        pnUFCompra, pnFoneCompra),
                                "WHERE CodTransp = " + sql::Number(pkCodTransp)));
  });
}

void classTransportador::IncTransportador(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodTransp,
    std::string& pnNomeTransp, std::string& pnLogradouroTransp, std::string& pnEnderecoTransp,
    std::string& pnNrEnderecoTransp, std::string& pnComplEnderecoTransp, std::string& pnBairroTransp,
    std::int32_t& pkCodCidadeTransp, std::string& pnUFTransp, std::string& pnCEPTransp, std::string& pnFoneTransp,
    std::string& pnLogradouroCompra, std::string& pnEnderecoCompra, std::string& pnNrEnderecoCompra,
    std::string& pnComplEnderecoCompra, std::string& pnBairroCompra, Variant& pkCodCidadeCompra,
    std::string& pnUFCompra, std::string& pnFoneCompra) {
  InsertTrapped(ConnRH, DescErr, pkCodTransp, {"RhsTransportador", "CodTransp"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTransportador", Columns(key, pnNomeTransp, pnLogradouroTransp, pnEnderecoTransp,
                                                            pnNrEnderecoTransp, pnComplEnderecoTransp, pnBairroTransp,
                                                            pkCodCidadeTransp, pnUFTransp, pnCEPTransp, pnFoneTransp,
                                                            pnLogradouroCompra, pnEnderecoCompra, pnNrEnderecoCompra,
                                                            pnComplEnderecoCompra, pnBairroCompra, pkCodCidadeCompra,
                                                            pnUFCompra, pnFoneCompra)));
  });
}

std::optional<std::int32_t> classTransportador::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodTransp) AS MaxCod " "FROM RhsTransportador");
}

const com::ClassDescription<classTransportador>& classTransportador::Description() {
  using C = classTransportador;
  static const com::ClassDescription<C> d{
      "Quorvel.classTransportador",
      {
          com::Method<&C::BusNomeTransp>("BusNomeTransp", {"ConnRH", "DescErr", "pkCodTransp", "pnNomeTransp"}),
          com::Method<&C::CarComboLogradouroTransp>("CarComboLogradouroTransp", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboLogradouroCompra>("CarComboLogradouroCompra", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboEnderecoTransp>("CarComboEnderecoTransp", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboEnderecoCompra>("CarComboEnderecoCompra", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboBairroTransp>("CarComboBairroTransp", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::fExisteNomeTransp>("fExisteNomeTransp", {"ConnRH", "DescErr", "pnNomeTransp"}),
          com::Method<&C::CarComboBairroCompra>("CarComboBairroCompra", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarTransportador>(
              "CarTransportador", {"ConnRH", "DescErr", "vlArray", "pkCodTransp", "pnNomeTransp", "pnBairroTransp",
                                   "pkCodCidadeTransp", "pnUFTransp", "pnBairroCompra", "pkCodCidadeCompra",
                                   "pnUFCompra"}),
          com::Method<&C::BusTransportador>(
              "BusTransportador",
              {"ConnRH", "DescErr", "pkCodTransp", "pnNomeTransp", "pnLogradouroTransp", "pnEnderecoTransp",
               "pnNrEnderecoTransp", "pnComplEnderecoTransp", "pnBairroTransp", "pkCodCidadeTransp",
               "pnNomeCidadeTransp", "pnUFTransp", "pnCEPTransp", "pnFoneTransp", "pnLogradouroCompra",
               "pnEnderecoCompra", "pnNrEnderecoCompra", "pnComplEnderecoCompra", "pnBairroCompra",
               "pkCodCidadeCompra", "pnNomeCidadeCompra", "pnUFCompra", "pnFoneCompra"}),
          com::Method<&C::ExcTransportador>("ExcTransportador",
                                            {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTransp"}),
          com::Method<&C::AltTransportador>(
              "AltTransportador",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTransp", "pnNomeTransp", "pnLogradouroTransp",
               "pnEnderecoTransp", "pnNrEnderecoTransp", "pnComplEnderecoTransp", "pnBairroTransp",
               "pkCodCidadeTransp", "pnUFTransp", "pnCEPTransp", "pnFoneTransp", "pnLogradouroCompra",
               "pnEnderecoCompra", "pnNrEnderecoCompra", "pnComplEnderecoCompra", "pnBairroCompra",
               "pkCodCidadeCompra", "pnUFCompra", "pnFoneCompra"}),
          com::Method<&C::IncTransportador>(
              "IncTransportador",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTransp", "pnNomeTransp", "pnLogradouroTransp",
               "pnEnderecoTransp", "pnNrEnderecoTransp", "pnComplEnderecoTransp", "pnBairroTransp",
               "pkCodCidadeTransp", "pnUFTransp", "pnCEPTransp", "pnFoneTransp", "pnLogradouroCompra",
               "pnEnderecoCompra", "pnNrEnderecoCompra", "pnComplEnderecoCompra", "pnBairroCompra",
               "pkCodCidadeCompra", "pnUFCompra", "pnFoneCompra"}),
      }};
  return d;
}

}  // namespace quorvel
