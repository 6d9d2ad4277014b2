// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classCargo.h"

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

// The columns of RhsCargo in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnNomeCargo, const std::string& pkCodCBO,
                         double pnPisoCargo) {
  using sql::kBlank;
  return {{"CodCargo", sql::Number(key), kBlank, sql::kInsertOnly},
          {"NomeCargo", sql::Quote(pnNomeCargo)},
          {"CodCBO", sql::Quote(pkCodCBO)},
          {"PisoCargo", fFormataNumeroSql(pnPisoCargo), kBlank}};
}

}  // namespace

void classCargo::ExcCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                          std::int32_t& pkCodCargo) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsCargo " "WHERE CodCargo = " + sql::Number(pkCodCargo));
  });
}

void classCargo::BusNomeCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodCargo,
                              std::string& pnNomeCargo) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsCargo.NomeCargo "
                                   "FROM   RhsCargo "
                                   "WHERE  RhsCargo.CodCargo = " + sql::Number(pkCodCargo));
    Copy(*rs, "NomeCargo", pnNomeCargo);
    rs->Close();
  });
}

void classCargo::CarCargo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodCargo,
                          Variant& pnNomeCargo, Variant& pkCodCBO, Variant& pnPisoCargo) {
  static constexpr Column kColumns[] = {{"CodCargo"}, {"NomeCargo"}, {"CodCBO"}, {"DescrCBO"}, {"PisoCargo"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodCargo, " CodCargo LIKE ", sql::Text);
    where.Add(pnNomeCargo, "UPPER(NomeCargo) LIKE ", sql::UpperText);
    // Both joined tables have CodCBO: the filter names the position's.
    where.Add(pkCodCBO, "RhsCargo.CodCBO = ", sql::NumberOrQuoted);
    where.Add(pnPisoCargo, "PisoCargo = ", [](const Variant& v) { return sql::Number(v) + " "; });
    std::string statement = "SELECT RhsCargo.*, RhsCBO.DescrCBO "
                            "FROM ( RhsCargo "
                            "LEFT JOIN RhsCBO ON RhsCBO.CodCBO = RhsCargo.CodCBO) " +
                            where.Clause() + " ORDER BY NomeCargo";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classCargo::BusCargo(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodCargo,
                          std::string& pnNomeCargo, std::string& pkCodCBO, std::string& pnDescrCBO,
                          double& pnPisoCargo) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsCargo.*, RhsCBO.DescrCBO "
                                   "FROM ( RhsCargo "
                                   "LEFT JOIN RhsCBO ON RhsCBO.CodCBO = RhsCargo.CodCBO) "
                                   "WHERE CodCargo = " + sql::Number(pkCodCargo));
    Copy(*rs, "CodCargo", pkCodCargo);
    Copy(*rs, "NomeCargo", pnNomeCargo);
    Copy(*rs, "CodCBO", pkCodCBO);
    Copy(*rs, "DescrCBO", pnDescrCBO);
    Copy(*rs, "PisoCargo", pnPisoCargo);
    rs->Close();
  });
}

void classCargo::AltCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                          std::int32_t& pkCodCargo, std::string& pnNomeCargo, std::string& pkCodCBO,
                          double& pnPisoCargo) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsCargo",
                                Columns(pkCodCargo, pnNomeCargo, pkCodCBO, pnPisoCargo),
                                "WHERE CodCargo = " + sql::Number(pkCodCargo)));
  });
}

void classCargo::IncCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                          std::int32_t& pkCodCargo, std::string& pnNomeCargo, std::string& pkCodCBO,
                          double& pnPisoCargo) {
  InsertTrapped(ConnRH, DescErr, pkCodCargo, {"RhsCargo", "CodCargo"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsCargo", Columns(key, pnNomeCargo, pkCodCBO, pnPisoCargo), {.values = " )"}));
  });
}

std::optional<std::int32_t> classCargo::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodCargo) AS MaxCod " "FROM RhsCargo");
}

const com::ClassDescription<classCargo>& classCargo::Description() {
  using C = classCargo;
  static const com::ClassDescription<C> d{
      "Quorvel.classCargo",
      {
          com::Method<&C::ExcCargo>("ExcCargo", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodCargo"}),
          com::Method<&C::BusNomeCargo>("BusNomeCargo", {"ConnRH", "DescErr", "pkCodCargo", "pnNomeCargo"}),
          com::Method<&C::CarCargo>("CarCargo", {"ConnRH", "DescErr", "vlArray", "pkCodCargo", "pnNomeCargo",
                                                 "pkCodCBO", "pnPisoCargo"}),
          com::Method<&C::BusCargo>("BusCargo", {"ConnRH", "DescErr", "pkCodCargo", "pnNomeCargo", "pkCodCBO",
                                                 "pnDescrCBO", "pnPisoCargo"}),
          com::Method<&C::AltCargo>("AltCargo", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodCargo",
                                                 "pnNomeCargo", "pkCodCBO", "pnPisoCargo"}),
          com::Method<&C::IncCargo>("IncCargo", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodCargo",
                                                 "pnNomeCargo", "pkCodCBO", "pnPisoCargo"}),
      }};
  return d;
}

}  // namespace quorvel
