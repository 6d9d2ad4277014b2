// SPDX-License-Identifier: MIT
#include "quorvel/administration/classSolicValeTransporte.h"

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// Null counts as empty text.
std::string TextOf(const Variant& value) { return value.is_null() ? std::string() : automation::CStr(value); }

// "<type> (<carrier>)".
Variant TypeAndCarrier(Record& record) {
  return Variant(TextOf(record.Field("DescrTipoValeTransporte")) + " (" + TextOf(record.Field("NomeTransp")) + ")");
}

// The columns of RhsSolicValeTransporte in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int32_t pkCodTipoValeTransporte,
                         const std::string& pnLinhaUtilizada, std::uint8_t pnQuantDiaria,
                         const automation::Date& pnDataSolicitacao) {
  using sql::kBlank;
  return {{"CodRegSolicValeTransporte", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoValeTransporte", sql::Number(pkCodTipoValeTransporte), kBlank},
          {"LinhaUtilizada", sql::Quote(pnLinhaUtilizada)},
          {"QuantDiaria", sql::Number(pnQuantDiaria), kBlank},
          {"DataSolicitacao", sql::Date(pnDataSolicitacao)}};
}

}  // namespace

void classSolicValeTransporte::BusSolicValeTransporte(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegSolicValeTransporte,
    std::int32_t& pkCodFuncionario, std::string& pnNome, std::int32_t& pkCodTipoValeTransporte,
    std::string& pnDescrTipoValeTransporte, std::string& pnNomeTransp, std::string& pnLinhaUtilizada,
    std::uint8_t& pnQuantDiaria, automation::Date& pnDataSolicitacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsSolicValeTransporte.*, RhsDadosPessoais.Nome, "
        "RhsTipoValeTransporte.DescrTipoValeTransporte, RhsTransportador.NomeTransp "
        "FROM (((( RhsSolicValeTransporte "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsSolicValeTransporte.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoValeTransporte ON RhsTipoValeTransporte.CodTipoValeTransporte = "
        "RhsSolicValeTransporte.CodTipoValeTransporte) "
        "LEFT JOIN RhsTransportador ON RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) "
        "WHERE CodRegSolicValeTransporte = " + sql::Number(pkCodRegSolicValeTransporte));
    Copy(*rs, "CodRegSolicValeTransporte", pkCodRegSolicValeTransporte);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoValeTransporte", pkCodTipoValeTransporte);
    Copy(*rs, "DescrTipoValeTransporte", pnDescrTipoValeTransporte);
    Copy(*rs, "NomeTransp", pnNomeTransp);
    Copy(*rs, "LinhaUtilizada", pnLinhaUtilizada);
    Copy(*rs, "QuantDiaria", pnQuantDiaria);
    Copy(*rs, "DataSolicitacao", pnDataSolicitacao);
    rs->Close();
  });
}

void classSolicValeTransporte::ExcSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                      std::string&, std::int32_t& pkCodRegSolicValeTransporte) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsSolicValeTransporte "
                    "WHERE CodRegSolicValeTransporte = " + sql::Number(pkCodRegSolicValeTransporte));
  });
}

void classSolicValeTransporte::CarSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr,
                                                      Variant& vlArray, Variant& pkCodFuncionario,
                                                      Variant& pkCodTipoValeTransporte, Variant& pkCodTransp) {
  static constexpr Column kColumns[] = {{"CodRegSolicValeTransporte"},
                                        {"CodFuncionario"},
                                        {"CodTipoValeTransporte"},
                                        {"DescrTipoValeTransporte", {}, TypeAndCarrier},
                                        {"LinhaUtilizada"},
                                        {"QuantDiaria"},
                                        {"DataSolicitacao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "RhsSolicValeTransporte.CodFuncionario = ", sql::Number);
    where.Add(pkCodTipoValeTransporte, "RhsSolicValeTransporte.CodTipoValeTransporte" " = ", sql::Number);
    where.Add(pkCodTransp, "RhsTipoValeTransporte.CodTransp = ", sql::Number);
    const std::string statement =
        "SELECT RhsSolicValeTransporte.*, "
        "RhsTipoValeTransporte.DescrTipoValeTransporte, RhsTransportador.NomeTransp "
        "FROM (( RhsSolicValeTransporte "
        "LEFT JOIN RhsTipoValeTransporte ON RhsTipoValeTransporte.CodTipoValeTransporte = "
        "RhsSolicValeTransporte.CodTipoValeTransporte) "
        "LEFT JOIN RhsTransportador ON RhsTransportador.CodTransp = RhsTipoValeTransporte.CodTransp) " +
        where.Clause();
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classSolicValeTransporte::AltSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                      std::string&, std::int32_t& pkCodRegSolicValeTransporte,
                                                      std::int32_t& pkCodFuncionario,
                                                      std::int32_t& pkCodTipoValeTransporte,
                                                      std::string& pnLinhaUtilizada, std::uint8_t& pnQuantDiaria,
                                                      automation::Date& pnDataSolicitacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsSolicValeTransporte",
                                Columns(pkCodRegSolicValeTransporte, pkCodFuncionario, pkCodTipoValeTransporte,
                                        pnLinhaUtilizada, pnQuantDiaria, pnDataSolicitacao),
                                "WHERE CodRegSolicValeTransporte = " + sql::Number(pkCodRegSolicValeTransporte)));
  });
}

void classSolicValeTransporte::IncSolicValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                      std::string&, std::int32_t& pkCodRegSolicValeTransporte,
                                                      std::int32_t& pkCodFuncionario,
                                                      std::int32_t& pkCodTipoValeTransporte,
                                                      std::string& pnLinhaUtilizada, std::uint8_t& pnQuantDiaria,
                                                      automation::Date& pnDataSolicitacao) {
  InsertTrapped(ConnRH, DescErr, pkCodRegSolicValeTransporte, {"RhsSolicValeTransporte", "CodRegSolicValeTransporte"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsSolicValeTransporte", Columns(key, pkCodFuncionario, pkCodTipoValeTransporte,
                                                                  pnLinhaUtilizada, pnQuantDiaria,
                                                                  pnDataSolicitacao)));
  });
}

std::optional<std::int32_t> classSolicValeTransporte::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr,
                 "SELECT MAX(CodRegSolicValeTransporte) AS MaxCod " "FROM RhsSolicValeTransporte");
}

const com::ClassDescription<classSolicValeTransporte>& classSolicValeTransporte::Description() {
  using C = classSolicValeTransporte;
  static const com::ClassDescription<C> d{
      "Quorvel.classSolicValeTransporte",
      {
          com::Method<&C::BusSolicValeTransporte>(
              "BusSolicValeTransporte",
              {"ConnRH", "DescErr", "pkCodRegSolicValeTransporte", "pkCodFuncionario", "pnNome",
               "pkCodTipoValeTransporte", "pnDescrTipoValeTransporte", "pnNomeTransp", "pnLinhaUtilizada",
               "pnQuantDiaria", "pnDataSolicitacao"}),
          com::Method<&C::ExcSolicValeTransporte>(
              "ExcSolicValeTransporte",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegSolicValeTransporte"}),
          com::Method<&C::CarSolicValeTransporte>(
              "CarSolicValeTransporte",
              {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario", "pkCodTipoValeTransporte", "pkCodTransp"}),
          com::Method<&C::AltSolicValeTransporte>(
              "AltSolicValeTransporte",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegSolicValeTransporte", "pkCodFuncionario",
               "pkCodTipoValeTransporte", "pnLinhaUtilizada", "pnQuantDiaria", "pnDataSolicitacao"}),
          com::Method<&C::IncSolicValeTransporte>(
              "IncSolicValeTransporte",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegSolicValeTransporte", "pkCodFuncionario",
               "pkCodTipoValeTransporte", "pnLinhaUtilizada", "pnQuantDiaria", "pnDataSolicitacao"}),
      }};
  return d;
}

}  // namespace quorvel
