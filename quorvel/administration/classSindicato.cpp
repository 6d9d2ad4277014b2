// SPDX-License-Identifier: MIT
#include "quorvel/administration/classSindicato.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The column list closes with " )" and the update's last value meets WHERE.
constexpr sql::Ends kEnds{.names = " )", .set = ""};

// The columns of RhsSindicato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnNomeSind, const std::string& pnLogradouroSind,
                         const std::string& pnEnderecoSind, const std::string& pnNrEnderecoSind,
                         const std::string& pnComplEnderecoSind, const std::string& pnBairroSind,
                         std::int32_t pkCodCidade, const std::string& pnUFSind, const std::string& pnCEPSind,
                         std::uint8_t pnDataBaseSind, const std::string& pnTelefone) {
  using sql::kBlank;
  return {{"CodSindicato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"NomeSind", sql::Quote(pnNomeSind)},
          {"LogradouroSind", sql::Quote(pnLogradouroSind)},
          {"EnderecoSind", sql::Quote(pnEnderecoSind)},
          {"NrEnderecoSind", sql::Quote(pnNrEnderecoSind)},
          {"ComplEnderecoSind", sql::Quote(pnComplEnderecoSind)},
          {"BairroSind", sql::Quote(pnBairroSind)},
          {"CodCidade", sql::Number(pkCodCidade), kBlank},
          {"UFSind", sql::Quote(pnUFSind)},
          {"CEPSind", sql::Quote(pnCEPSind)},
          {"DataBaseSind", sql::Number(pnDataBaseSind), kBlank},
          {"Telefone", sql::Quote(pnTelefone)}};
}

}  // namespace

void classSindicato::BusNomeSind(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodSindicato,
                                 std::string& pnNomeSind) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT NomeSind "
                                   "FROM   RhsSindicato "
                                   "WHERE  CodSindicato = " + sql::Number(pkCodSindicato));
    Copy(*rs, "NomeSind", pnNomeSind);
    rs->Close();
  });
}

void classSindicato::CarSindicato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                  Variant& pkCodSindicato, Variant& pnNomeSind, Variant& pkCodCidade,
                                  Variant& pnUFSind, Variant& pnDataBaseSind) {
  static constexpr Column kColumns[] = {
      {"CodSindicato"}, {"NomeSind"}, {"BairroSind"}, {"NomeCidade", "Cidade"}, {"UFSind"}};
  Trapped(DescErr, [&] {
    std::string statement = " SELECT DISTINCT RhsSindicato.CodSindicato, RhsSindicato.NomeSind, "
                            " RhsSindicato.BairroSind, RhsCidade.Cidade, RhsSindicato.UFSind "
                            " FROM RhsSindicato "
                            " INNER JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade_Ibge = RhsSindicato.CodCidade   "
                            " WHERE RhsSindicato.CodCidade = RhsCidade.CodCidade_Ibge ";
    // The base already holds its WHERE: every filter goes in with " AND ".
    const auto add = [&](const Variant& value, std::string_view fragment, sql::Filter::Literal literal,
                         std::string_view closing = {}) {
      if (value.is_null()) return;
      statement += fragment;
      statement += literal(value);
      statement += closing;
    };
    add(pkCodSindicato, " AND CStr(RhsSindicato.CodSindicato) LIKE ", sql::Text);
    add(pnNomeSind, " AND UPPER(RhsSindicato.NomeSind) LIKE ", sql::UpperText);
    add(pkCodCidade, " AND RhsCidade.CodCidade = ", sql::Number);
    add(pnUFSind, " AND RhsSindicato.UFSind = ", sql::Text);
    add(pnDataBaseSind, " AND RhsSindicato.DataBaseSind = ", sql::Number);
    statement += " ORDER BY RhsSindicato.NomeSind";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classSindicato::BusSindicato(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodSindicato,
                                  std::string& pnNomeSind, std::string& pnLogradouroSind,
                                  std::string& pnEnderecoSind, std::string& pnNrEnderecoSind,
                                  std::string& pnComplEnderecoSind, std::string& pnBairroSind,
                                  std::int32_t& pkCodCidade, std::string& pnNomeCidade, std::string& pnUFSind,
                                  std::string& pnCEPSind, std::uint8_t& pnDataBaseSind, std::string& pnTelefone) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsSindicato.*, RhsCidade.NomeCidade "
                                   "FROM ( RhsSindicato "
                                   "LEFT JOIN RhsCidade ON RhsCidade.CodCidade = RhsSindicato.CodCidade) "
                                   "WHERE RhsSindicato.CodSindicato = " + sql::Number(pkCodSindicato));
    Copy(*rs, "CodSindicato", pkCodSindicato);
    Copy(*rs, "NomeSind", pnNomeSind);
    Copy(*rs, "LogradouroSind", pnLogradouroSind);
    Copy(*rs, "EnderecoSind", pnEnderecoSind);
    Copy(*rs, "NrEnderecoSind", pnNrEnderecoSind);
    CopyOrEmpty(*rs, "ComplEnderecoSind", pnComplEnderecoSind);
    CopyOrEmpty(*rs, "BairroSind", pnBairroSind);
    Copy(*rs, "CodCidade", pkCodCidade);
    Copy(*rs, "NomeCidade", pnNomeCidade);
    Copy(*rs, "UFSind", pnUFSind);
    CopyOrEmpty(*rs, "CEPSind", pnCEPSind);
    Copy(*rs, "DataBaseSind", pnDataBaseSind);
    CopyOrEmpty(*rs, "Telefone", pnTelefone);
    rs->Close();
  });
}

void classSindicato::ExcSindicato(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                  std::int32_t& pkCodSindicato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsSindicato " "WHERE CodSindicato = " + sql::Number(pkCodSindicato));
  });
}

void classSindicato::AltSindicato(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                  std::int32_t& pkCodSindicato, std::string& pnNomeSind,
                                  std::string& pnLogradouroSind, std::string& pnEnderecoSind,
                                  std::string& pnNrEnderecoSind, std::string& pnComplEnderecoSind,
                                  std::string& pnBairroSind, std::int32_t& pkCodCidade, std::string& pnUFSind,
                                  std::string& pnCEPSind, std::uint8_t& pnDataBaseSind, std::string& pnTelefone) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsSindicato",
                                Columns(pkCodSindicato, pnNomeSind, pnLogradouroSind, pnEnderecoSind,
                                        pnNrEnderecoSind, pnComplEnderecoSind, pnBairroSind, pkCodCidade, pnUFSind,
                                        pnCEPSind, pnDataBaseSind, pnTelefone),
                                "WHERE CodSindicato = " + sql::Number(pkCodSindicato), kEnds));
  });
}

void classSindicato::IncSindicato(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                  std::int32_t& pkCodSindicato, std::string& pnNomeSind,
                                  std::string& pnLogradouroSind, std::string& pnEnderecoSind,
                                  std::string& pnNrEnderecoSind, std::string& pnComplEnderecoSind,
                                  std::string& pnBairroSind, std::int32_t& pkCodCidade, std::string& pnUFSind,
                                  std::string& pnCEPSind, std::uint8_t& pnDataBaseSind, std::string& pnTelefone) {
  InsertTrapped(ConnRH, DescErr, pkCodSindicato, {"RhsSindicato", "CodSindicato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsSindicato",
                                Columns(key, pnNomeSind, pnLogradouroSind, pnEnderecoSind, pnNrEnderecoSind,
                                        pnComplEnderecoSind, pnBairroSind, pkCodCidade, pnUFSind, pnCEPSind,
                                        pnDataBaseSind, pnTelefone),
                                kEnds));
  });
}

std::optional<std::int32_t> classSindicato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodSindicato) AS MaxCod " "FROM RhsSindicato");
}

const com::ClassDescription<classSindicato>& classSindicato::Description() {
  using C = classSindicato;
  static const com::ClassDescription<C> d{
      "Quorvel.classSindicato",
      {
          com::Method<&C::BusNomeSind>("BusNomeSind", {"ConnRH", "DescErr", "pkCodSindicato", "pnNomeSind"}),
          com::Method<&C::CarSindicato>("CarSindicato", {"ConnRH", "DescErr", "vlArray", "pkCodSindicato",
                                                         "pnNomeSind", "pkCodCidade", "pnUFSind",
                                                         "pnDataBaseSind"}),
          com::Method<&C::BusSindicato>(
              "BusSindicato", {"ConnRH", "DescErr", "pkCodSindicato", "pnNomeSind", "pnLogradouroSind",
                               "pnEnderecoSind", "pnNrEnderecoSind", "pnComplEnderecoSind", "pnBairroSind",
                               "pkCodCidade", "pnNomeCidade", "pnUFSind", "pnCEPSind", "pnDataBaseSind",
                               "pnTelefone"}),
          com::Method<&C::ExcSindicato>("ExcSindicato",
                                        {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodSindicato"}),
          com::Method<&C::AltSindicato>(
              "AltSindicato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodSindicato", "pnNomeSind",
                               "pnLogradouroSind", "pnEnderecoSind", "pnNrEnderecoSind", "pnComplEnderecoSind",
                               "pnBairroSind", "pkCodCidade", "pnUFSind", "pnCEPSind", "pnDataBaseSind",
                               "pnTelefone"}),
          com::Method<&C::IncSindicato>(
              "IncSindicato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodSindicato", "pnNomeSind",
                               "pnLogradouroSind", "pnEnderecoSind", "pnNrEnderecoSind", "pnComplEnderecoSind",
                               "pnBairroSind", "pkCodCidade", "pnUFSind", "pnCEPSind", "pnDataBaseSind",
                               "pnTelefone"}),
      }};
  return d;
}

}  // namespace quorvel
