// SPDX-License-Identifier: MIT
#include "quorvel/health/classEPIPerfilCargo.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

constexpr std::string_view kSelect =
    "SELECT RhsEPIPerfilCargo.*, RhsEPI.NomeEPI "
    "FROM ( RhsEPIPerfilCargo "
    "LEFT JOIN RhsEPI ON RhsEPI.CodEPI = RhsEPIPerfilCargo.CodEPI) ";

// The columns of RhsEPIPerfilCargo in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodPerfilCargo, std::int32_t pkCodEPI) {
  using sql::kBlank;
  return {{"CodRegEPIPerfilCargo", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodPerfilCargo", sql::Number(pkCodPerfilCargo), kBlank},
          {"CodEPI", sql::Number(pkCodEPI), kBlank}};
}

}  // namespace

void classEPIPerfilCargo::BusEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr,
                                            std::int32_t& pkCodRegEPIPerfilCargo, std::int32_t& pkCodPerfilCargo,
                                            std::int32_t& pkCodEPI, std::string& pnNomeEPI) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, std::string(kSelect) + "WHERE CodRegEPIPerfilCargo = " +
                                       sql::Number(pkCodRegEPIPerfilCargo));
    Copy(*rs, "CodRegEPIPerfilCargo", pkCodRegEPIPerfilCargo);
    Copy(*rs, "CodPerfilCargo", pkCodPerfilCargo);
    Copy(*rs, "CodEPI", pkCodEPI);
    Copy(*rs, "NomeEPI", pnNomeEPI);
    rs->Close();
  });
}

void classEPIPerfilCargo::ExcEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegEPIPerfilCargo) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsEPIPerfilCargo "
                    "WHERE CodRegEPIPerfilCargo = " + sql::Number(pkCodRegEPIPerfilCargo));
  });
}

void classEPIPerfilCargo::CarEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                            Variant& pkCodRegEPIPerfilCargo, Variant& pkCodPerfilCargo,
                                            Variant& pkCodEPI, Variant& pnNomeEPI) {
  static constexpr Column kColumns[] = {{"CodRegEPIPerfilCargo"}, {"CodPerfilCargo"}, {"CodEPI"}, {"NomeEPI"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegEPIPerfilCargo, " CodRegEPIPerfilCargo LIKE ", sql::Text);
    where.Add(pkCodPerfilCargo, " RhsEPIPerfilCargo.CodPerfilCargo LIKE ", sql::Text);
    where.Add(pkCodEPI, " RhsEPIPerfilCargo.CodEPI LIKE ", sql::Text);
    where.Add(pnNomeEPI, "UPPER(NomeEPI) LIKE ", sql::UpperText);
    std::string statement =
        std::string(kSelect) + where.Clause() + " ORDER BY RhsEPIPerfilCargo.CodPerfilCargo, NomeEPI ";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classEPIPerfilCargo::AltEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegEPIPerfilCargo,
                                            std::int32_t& pkCodPerfilCargo, std::int32_t& pkCodEPI) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsEPIPerfilCargo",
                                Columns(pkCodRegEPIPerfilCargo, pkCodPerfilCargo, pkCodEPI),
                                "WHERE CodRegEPIPerfilCargo = " + sql::Number(pkCodRegEPIPerfilCargo)));
  });
}

void classEPIPerfilCargo::IncEPIPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegEPIPerfilCargo,
                                            std::int32_t& pkCodPerfilCargo, std::int32_t& pkCodEPI) {
  InsertTrapped(ConnRH, DescErr, pkCodRegEPIPerfilCargo, {"RhsEPIPerfilCargo", "CodRegEPIPerfilCargo"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsEPIPerfilCargo", Columns(key, pkCodPerfilCargo, pkCodEPI)));
  });
}

std::optional<std::int32_t> classEPIPerfilCargo::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegEPIPerfilCargo) AS MaxCod " "FROM RhsEPIPerfilCargo ");
}

const com::ClassDescription<classEPIPerfilCargo>& classEPIPerfilCargo::Description() {
  using C = classEPIPerfilCargo;
  static const com::ClassDescription<C> d{
      "Quorvel.classEPIPerfilCargo",
      {
          com::Method<&C::BusEPIPerfilCargo>("BusEPIPerfilCargo", {"ConnRH", "DescErr", "pkCodRegEPIPerfilCargo",
                                                                   "pkCodPerfilCargo", "pkCodEPI", "pnNomeEPI"}),
          com::Method<&C::ExcEPIPerfilCargo>("ExcEPIPerfilCargo", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                   "pkCodRegEPIPerfilCargo"}),
          com::Method<&C::CarEPIPerfilCargo>("CarEPIPerfilCargo",
                                             {"ConnRH", "DescErr", "vlArray", "pkCodRegEPIPerfilCargo",
                                              "pkCodPerfilCargo", "pkCodEPI", "pnNomeEPI"}),
          com::Method<&C::AltEPIPerfilCargo>("AltEPIPerfilCargo",
                                             {"ConnRH", "DescErr", "User", "SourceMachine",
                                              "pkCodRegEPIPerfilCargo", "pkCodPerfilCargo", "pkCodEPI"}),
          com::Method<&C::IncEPIPerfilCargo>("IncEPIPerfilCargo",
                                             {"ConnRH", "DescErr", "User", "SourceMachine",
                                              "pkCodRegEPIPerfilCargo", "pkCodPerfilCargo", "pkCodEPI"}),
      }};
  return d;
}

}  // namespace quorvel
