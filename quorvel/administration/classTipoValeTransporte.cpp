// SPDX-License-Identifier: MIT
#include "quorvel/administration/classTipoValeTransporte.h"

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The list's unit price: "0.00" in the regional number format (Null kept).
Variant UnitPrice(Record& record) {
  const Variant& value = record.Field("ValorUnitario");
  if (value.is_null()) return value;
  return Variant(automation::Format(value, "0.00"));
}

// The columns of RhsTipoValeTransporte in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrTipoValeTransporte, double pnValorUnitario,
                         std::int32_t pnQuantComercializada, std::int32_t pkCodTransp,
                         const Variant& pnDataUltimaCompra, std::int32_t pnQuantUltimaCompra,
                         const std::string& pnAtivado) {
  using sql::kBlank;
  return {{"CodTipoValeTransporte", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrTipoValeTransporte", sql::Quote(pnDescrTipoValeTransporte)},
          {"ValorUnitario", fFormataNumeroSql(pnValorUnitario), kBlank},
          {"QuantComercializada", sql::Number(pnQuantComercializada), kBlank},
          {"CodTransp", sql::Number(pkCodTransp), kBlank},
          {"DataUltimaCompra", sql::OptionalDate(pnDataUltimaCompra), kBlank},
          {"QuantUltimaCompra", sql::Number(pnQuantUltimaCompra), kBlank},
          {"Ativado", sql::Quote(pnAtivado)}};
}

}  // namespace

void classTipoValeTransporte::BusDescrTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr,
                                                         std::int32_t& pkCodTipoValeTransporte,
                                                         std::string& pnDescrTipoValeTransporte) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT DescrTipoValeTransporte "
                                   "FROM   RhsTipoValeTransporte "
                                   "WHERE  CodTipoValeTransporte = " + sql::Number(pkCodTipoValeTransporte));
    Copy(*rs, "DescrTipoValeTransporte", pnDescrTipoValeTransporte);
    rs->Close();
  });
}

void classTipoValeTransporte::ExcTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodTipoValeTransporte) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTipoValeTransporte "
                    "WHERE CodTipoValeTransporte = " + sql::Number(pkCodTipoValeTransporte));
  });
}

void classTipoValeTransporte::CarTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr,
                                                    Variant& vlArray, Variant& pkCodTipoValeTransporte,
                                                    Variant& pnDescrTipoValeTransporte, Variant& pnValorUnitario,
                                                    Variant& pnQuantComercializada, Variant& pkCodTransp,
                                                    Variant& pnNomeTransp, Variant& pnAtivado) {
  static constexpr Column kColumns[] = {
      {"CodTipoValeTransporte"}, {"DescrTipoValeTransporte"}, {"ValorUnitario", {}, UnitPrice},
      {"QuantComercializada"},   {"CodTransp"},               {"DataUltimaCompra"},
      {"QuantUltimaCompra"},     {"Ativado"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodTipoValeTransporte, "CStr(CodTipoValeTransporte) LIKE ", sql::Text);
    where.Add(pnDescrTipoValeTransporte, "UPPER(DescrTipoValeTransporte) LIKE ", sql::UpperText);
    where.Add(pnValorUnitario, "ValorUnitario = ", [](const Variant& v) { return sql::Number(v) + " "; });
    where.Add(pnQuantComercializada, "QuantComercializada = ", sql::Number);
    where.Add(pkCodTransp, "RhsTipoValeTransporte.CodTransp = ", sql::Number);
    where.Add(pnNomeTransp, "UPPER(NomeTransp) LIKE ", sql::UpperText);
    where.Add(pnAtivado, "Ativado = ", sql::Text);
    std::string statement = "SELECT RhsTipoValeTransporte.*, RhsTransportador.NomeTransp "
                            "FROM ( RhsTipoValeTransporte "
                            "LEFT JOIN RhsTransportador ON RhsTransportador.CodTransp = "
                            "RhsTipoValeTransporte.CodTransp) " +
                            where.Clause() + " ORDER BY DescrTipoValeTransporte";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTipoValeTransporte::BusTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr,
                                                    std::int32_t& pkCodTipoValeTransporte,
                                                    std::string& pnDescrTipoValeTransporte, double& pnValorUnitario,
                                                    std::int32_t& pnQuantComercializada, std::int32_t& pkCodTransp,
                                                    std::string& pnNomeTransp, Variant& pnDataUltimaCompra,
                                                    std::int32_t& pnQuantUltimaCompra, std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoValeTransporte.*, RhsTransportador.NomeTransp "
                                   "FROM ( RhsTipoValeTransporte "
                                   "LEFT JOIN RhsTransportador ON  RhsTransportador.CodTransp = "
                                   "RhsTipoValeTransporte.CodTransp) "
                                   "WHERE  CodTipoValeTransporte = " + sql::Number(pkCodTipoValeTransporte));
    Copy(*rs, "CodTipoValeTransporte", pkCodTipoValeTransporte);
    Copy(*rs, "DescrTipoValeTransporte", pnDescrTipoValeTransporte);
    Copy(*rs, "ValorUnitario", pnValorUnitario);
    Copy(*rs, "QuantComercializada", pnQuantComercializada);
    Copy(*rs, "CodTransp", pkCodTransp);
    Copy(*rs, "NomeTransp", pnNomeTransp);
    Copy(*rs, "DataUltimaCompra", pnDataUltimaCompra);
    Copy(*rs, "QuantUltimaCompra", pnQuantUltimaCompra);
    Copy(*rs, "Ativado", pnAtivado);
    rs->Close();
  });
}

void classTipoValeTransporte::AltTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodTipoValeTransporte,
                                                    std::string& pnDescrTipoValeTransporte, double& pnValorUnitario,
                                                    std::int32_t& pnQuantComercializada, std::int32_t& pkCodTransp,
                                                    Variant& pnDataUltimaCompra, std::int32_t& pnQuantUltimaCompra,
                                                    std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTipoValeTransporte",
                                Columns(pkCodTipoValeTransporte, pnDescrTipoValeTransporte, pnValorUnitario,
                                        pnQuantComercializada, pkCodTransp, pnDataUltimaCompra, pnQuantUltimaCompra,
                                        pnAtivado),
                                "WHERE CodTipoValeTransporte = " + sql::Number(pkCodTipoValeTransporte)));
  });
}

void classTipoValeTransporte::IncTipoValeTransporte(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodTipoValeTransporte,
                                                    std::string& pnDescrTipoValeTransporte, double& pnValorUnitario,
                                                    std::int32_t& pnQuantComercializada, std::int32_t& pkCodTransp,
                                                    Variant& pnDataUltimaCompra, std::int32_t& pnQuantUltimaCompra,
                                                    std::string& pnAtivado) {
  InsertTrapped(ConnRH, DescErr, pkCodTipoValeTransporte, {"RhsTipoValeTransporte", "CodTipoValeTransporte"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTipoValeTransporte", Columns(key, pnDescrTipoValeTransporte, pnValorUnitario,
                                                                 pnQuantComercializada, pkCodTransp,
                                                                 pnDataUltimaCompra, pnQuantUltimaCompra,
                                                                 pnAtivado)));
  });
}

std::optional<std::int32_t> classTipoValeTransporte::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodTipoValeTransporte) AS MaxCod " "FROM RhsTipoValeTransporte");
}

const com::ClassDescription<classTipoValeTransporte>& classTipoValeTransporte::Description() {
  using C = classTipoValeTransporte;
  static const com::ClassDescription<C> d{
      "Quorvel.classTipoValeTransporte",
      {
          com::Method<&C::BusDescrTipoValeTransporte>(
              "BusDescrTipoValeTransporte",
              {"ConnRH", "DescErr", "pkCodTipoValeTransporte", "pnDescrTipoValeTransporte"}),
          com::Method<&C::ExcTipoValeTransporte>(
              "ExcTipoValeTransporte", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoValeTransporte"}),
          com::Method<&C::CarTipoValeTransporte>(
              "CarTipoValeTransporte",
              {"ConnRH", "DescErr", "vlArray", "pkCodTipoValeTransporte", "pnDescrTipoValeTransporte",
               "pnValorUnitario", "pnQuantComercializada", "pkCodTransp", "pnNomeTransp", "pnAtivado"}),
          com::Method<&C::BusTipoValeTransporte>(
              "BusTipoValeTransporte",
              {"ConnRH", "DescErr", "pkCodTipoValeTransporte", "pnDescrTipoValeTransporte", "pnValorUnitario",
               "pnQuantComercializada", "pkCodTransp", "pnNomeTransp", "pnDataUltimaCompra", "pnQuantUltimaCompra",
               "pnAtivado"}),
          com::Method<&C::AltTipoValeTransporte>(
              "AltTipoValeTransporte",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoValeTransporte", "pnDescrTipoValeTransporte",
               "pnValorUnitario", "pnQuantComercializada", "pkCodTransp", "pnDataUltimaCompra",
               "pnQuantUltimaCompra", "pnAtivado"}),
          com::Method<&C::IncTipoValeTransporte>(
              "IncTipoValeTransporte",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoValeTransporte", "pnDescrTipoValeTransporte",
               "pnValorUnitario", "pnQuantComercializada", "pkCodTransp", "pnDataUltimaCompra",
               "pnQuantUltimaCompra", "pnAtivado"}),
      }};
  return d;
}

}  // namespace quorvel
