// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classCargoCandidato.h"

#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

constexpr std::string_view kSelect =
    "SELECT RhsCargoCandidato.*, RhsCargo.NomeCargo "
    "FROM ( RhsCargoCandidato "
    "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsCargoCandidato.CodCargo) ";

// The columns of RhsCargoCandidato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodCandidato, std::int32_t pkCodCargo) {
  using sql::kBlank;
  return {{"CodRegCargoCandidato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodCandidato", sql::Number(pkCodCandidato), kBlank},
          {"CodCargo", sql::Number(pkCodCargo), kBlank}};
}

}  // namespace

void classCargoCandidato::IncCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegCargoCandidato,
                                            std::int32_t& pkCodCandidato, std::int32_t& pkCodCargo) {
  InsertTrapped(ConnRH, DescErr, pkCodRegCargoCandidato, {"RhsCargoCandidato", "CodRegCargoCandidato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsCargoCandidato", Columns(key, pkCodCandidato, pkCodCargo)));
  });
}

void classCargoCandidato::ExcCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegCargoCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsCargoCandidato " "WHERE CodRegCargoCandidato = " +
                        sql::Number(pkCodRegCargoCandidato));
  });
}

void classCargoCandidato::CarCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                            Variant& pkCodCandidato, Variant& pkCodCargo) {
  static constexpr Column kColumns[] = {
      {"CodRegCargoCandidato"}, {"CodCandidato"}, {"CodCargo"}, {"NomeCargo"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodCandidato, "CodCandidato = ", sql::Number);
    where.Add(pkCodCargo, "RhsCargoCandidato.CodCargo = ", sql::Number);
    LoadList(ConnRH, std::string(kSelect) + where.Clause(), vlArray, kColumns);
  });
}

void classCargoCandidato::BusCargoCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                            std::int32_t& pkCodRegCargoCandidato, std::int32_t& pkCodCandidato,
                                            std::int32_t& pkCodCargo, std::string& pnNomeCargo) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, std::string(kSelect) + "WHERE CodRegCargoCandidato = " +
                                       sql::Number(pkCodRegCargoCandidato));
    Copy(*rs, "CodRegCargoCandidato", pkCodRegCargoCandidato);
    Copy(*rs, "CodCandidato", pkCodCandidato);
    Copy(*rs, "CodCargo", pkCodCargo);
    Copy(*rs, "NomeCargo", pnNomeCargo);
    rs->Close();
  });
}

void classCargoCandidato::AltCargoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegCargoCandidato,
                                            std::int32_t& pkCodCandidato, std::int32_t& pkCodCargo) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsCargoCandidato",
                                Columns(pkCodRegCargoCandidato, pkCodCandidato, pkCodCargo),
                                "WHERE CodRegCargoCandidato = " + sql::Number(pkCodRegCargoCandidato)));
  });
}

std::optional<std::int32_t> classCargoCandidato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegCargoCandidato) AS MaxCod " "FROM RhsCargoCandidato");
}

const com::ClassDescription<classCargoCandidato>& classCargoCandidato::Description() {
  using C = classCargoCandidato;
  static const com::ClassDescription<C> d{
      "Quorvel.classCargoCandidato",
      {
          com::Method<&C::IncCargoCandidato>("IncCargoCandidato", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                   "pkCodRegCargoCandidato", "pkCodCandidato",
                                                                   "pkCodCargo"}),
          com::Method<&C::ExcCargoCandidato>(
              "ExcCargoCandidato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegCargoCandidato"}),
          com::Method<&C::CarCargoCandidato>("CarCargoCandidato",
                                             {"ConnRH", "DescErr", "vlArray", "pkCodCandidato", "pkCodCargo"}),
          com::Method<&C::BusCargoCandidato>("BusCargoCandidato", {"ConnRH", "DescErr", "pkCodRegCargoCandidato",
                                                                   "pkCodCandidato", "pkCodCargo", "pnNomeCargo"}),
          com::Method<&C::AltCargoCandidato>("AltCargoCandidato", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                   "pkCodRegCargoCandidato", "pkCodCandidato",
                                                                   "pkCodCargo"}),
      }};
  return d;
}

}  // namespace quorvel
