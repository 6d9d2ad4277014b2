// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classMotivoEncerramento.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsMotivoEncerramento in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrMotivoEncerramento) {
  using sql::kBlank;
  return {{"CodMotivoEncerramento", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrMotivoEncerramento", sql::Quote(pnDescrMotivoEncerramento)}};
}

}  // namespace

void classMotivoEncerramento::ExcMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodMotivoEncerramento) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsMotivoEncerramento " "WHERE CodMotivoEncerramento = " +
                        sql::Number(pkCodMotivoEncerramento));
  });
}

void classMotivoEncerramento::CarMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr,
                                                    Variant& vlArray, Variant& pkCodMotivoEncerramento,
                                                    Variant& pnDescrMotivoEncerramento) {
  static constexpr Column kColumns[] = {{"CodMotivoEncerramento"}, {"DescrMotivoEncerramento"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodMotivoEncerramento, "CStr(CodMotivoEncerramento) LIKE ", sql::Text);
    where.Add(pnDescrMotivoEncerramento, "UPPER(DescrMotivoEncerramento) LIKE ", sql::UpperText);
    std::string statement = "SELECT * " "FROM RhsMotivoEncerramento " + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classMotivoEncerramento::BusMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr,
                                                    std::int32_t& pkCodMotivoEncerramento,
                                                    std::string& pnDescrMotivoEncerramento) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * " "FROM RhsMotivoEncerramento " "WHERE CodMotivoEncerramento = " +
                                       sql::Number(pkCodMotivoEncerramento));
    Copy(*rs, "DescrMotivoEncerramento", pnDescrMotivoEncerramento);
    rs->Close();
  });
}

void classMotivoEncerramento::AltMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodMotivoEncerramento,
                                                    std::string& pnDescrMotivoEncerramento) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsMotivoEncerramento",
                                Columns(pkCodMotivoEncerramento, pnDescrMotivoEncerramento),
                                "WHERE CodMotivoEncerramento = " + sql::Number(pkCodMotivoEncerramento)));
  });
}

void classMotivoEncerramento::IncMotivoEncerramento(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodMotivoEncerramento,
                                                    std::string& pnDescrMotivoEncerramento) {
  InsertTrapped(ConnRH, DescErr, pkCodMotivoEncerramento, {"RhsMotivoEncerramento", "CodMotivoEncerramento"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsMotivoEncerramento", Columns(key, pnDescrMotivoEncerramento)));
  });
}

std::optional<std::int32_t> classMotivoEncerramento::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodMotivoEncerramento) AS MaxCod " "FROM RhsMotivoEncerramento");
}

const com::ClassDescription<classMotivoEncerramento>& classMotivoEncerramento::Description() {
  using C = classMotivoEncerramento;
  static const com::ClassDescription<C> d{
      "Quorvel.classMotivoEncerramento",
      {
          com::Method<&C::ExcMotivoEncerramento>("ExcMotivoEncerramento", {"ConnRH", "DescErr", "User",
                                                                           "SourceMachine",
                                                                           "pkCodMotivoEncerramento"}),
          com::Method<&C::CarMotivoEncerramento>("CarMotivoEncerramento",
                                                 {"ConnRH", "DescErr", "vlArray", "pkCodMotivoEncerramento",
                                                  "pnDescrMotivoEncerramento"}),
          com::Method<&C::BusMotivoEncerramento>("BusMotivoEncerramento", {"ConnRH", "DescErr",
                                                                           "pkCodMotivoEncerramento",
                                                                           "pnDescrMotivoEncerramento"}),
          com::Method<&C::AltMotivoEncerramento>("AltMotivoEncerramento",
                                                 {"ConnRH", "DescErr", "User", "SourceMachine",
                                                  "pkCodMotivoEncerramento", "pnDescrMotivoEncerramento"}),
          com::Method<&C::IncMotivoEncerramento>("IncMotivoEncerramento",
                                                 {"ConnRH", "DescErr", "User", "SourceMachine",
                                                  "pkCodMotivoEncerramento", "pnDescrMotivoEncerramento"}),
      }};
  return d;
}

}  // namespace quorvel
