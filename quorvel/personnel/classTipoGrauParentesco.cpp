// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classTipoGrauParentesco.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsTipoGrauParentesco in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrGrauParentesco, std::uint8_t pnGrauParentesco,
                         const std::string& pnSalarioFamilia) {
  using sql::kBlank;
  return {{"CodGrauParentesco", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrGrauParentesco", sql::Quote(pnDescrGrauParentesco)},
          {"GrauParentesco", sql::Number(pnGrauParentesco), kBlank},
          {"SalarioFamilia", sql::Quote(pnSalarioFamilia)}};
}

}  // namespace

void classTipoGrauParentesco::BusDescrGrauParentesco(ado::Connection& ConnRH, std::string& DescErr,
                                                     std::int32_t& pkCodGrauParentesco,
                                                     std::string& pnDescrGrauParentesco) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoGrauParentesco.DescrGrauParentesco "
                                   "FROM   RhsTipoGrauParentesco "
                                   "WHERE  RhsTipoGrauParentesco.CodGrauParentesco = " +
                                       sql::Number(pkCodGrauParentesco));
    Copy(*rs, "DescrGrauParentesco", pnDescrGrauParentesco);
    rs->Close();
  });
}

void classTipoGrauParentesco::ExcTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodGrauParentesco) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTipoGrauParentesco "
                    "WHERE CodGrauParentesco = " + sql::Number(pkCodGrauParentesco));
  });
}

void classTipoGrauParentesco::CarTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr,
                                                    Variant& vlArray, Variant& pkCodGrauParentesco,
                                                    Variant& pnDescrGrauParentesco, Variant& pnGrauParentesco,
                                                    Variant& pnSalarioFamilia) {
  static constexpr Column kColumns[] = {
      {"CodGrauParentesco"}, {"DescrGrauParentesco"}, {"GrauParentesco"}, {"SalarioFamilia"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodGrauParentesco, "(CodGrauParentesco) = ", sql::Text);
    where.Add(pnDescrGrauParentesco, "UPPER(DescrGrauParentesco) LIKE ", sql::UpperText);
    where.Add(pnGrauParentesco, "GrauParentesco = ", sql::Number);
    where.Add(pnSalarioFamilia, "SalarioFamilia = ", sql::Text);
    std::string statement = "SELECT RhsTipoGrauParentesco.* "
                            "FROM   RhsTipoGrauParentesco " +
                            where.Clause() + " ORDER BY DescrGrauParentesco";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTipoGrauParentesco::BusTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr,
                                                    std::int32_t& pkCodGrauParentesco,
                                                    std::string& pnDescrGrauParentesco,
                                                    std::uint8_t& pnGrauParentesco, std::string& pnSalarioFamilia) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * "
                                   "FROM   RhsTipoGrauParentesco "
                                   "WHERE  CodGrauParentesco = " + sql::Number(pkCodGrauParentesco));
    Copy(*rs, "CodGrauParentesco", pkCodGrauParentesco);
    Copy(*rs, "DescrGrauParentesco", pnDescrGrauParentesco);
    Copy(*rs, "GrauParentesco", pnGrauParentesco);
    Copy(*rs, "SalarioFamilia", pnSalarioFamilia);
    rs->Close();
  });
}

void classTipoGrauParentesco::AltTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodGrauParentesco,
                                                    std::string& pnDescrGrauParentesco,
                                                    std::uint8_t& pnGrauParentesco, std::string& pnSalarioFamilia) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTipoGrauParentesco",
                                Columns(pkCodGrauParentesco, pnDescrGrauParentesco, pnGrauParentesco,
                                        pnSalarioFamilia),
                                "WHERE CodGrauParentesco = " + sql::Number(pkCodGrauParentesco)));
  });
}

void classTipoGrauParentesco::IncTipoGrauParentesco(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodGrauParentesco,
                                                    std::string& pnDescrGrauParentesco,
                                                    std::uint8_t& pnGrauParentesco, std::string& pnSalarioFamilia) {
  InsertTrapped(ConnRH, DescErr, pkCodGrauParentesco, {"RhsTipoGrauParentesco", "CodGrauParentesco"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTipoGrauParentesco", Columns(key, pnDescrGrauParentesco, pnGrauParentesco,
                                                                 pnSalarioFamilia)));
  });
}

std::optional<std::int32_t> classTipoGrauParentesco::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodGrauParentesco) AS MaxCod " "FROM RhsTipoGrauParentesco");
}

const com::ClassDescription<classTipoGrauParentesco>& classTipoGrauParentesco::Description() {
  using C = classTipoGrauParentesco;
  static const com::ClassDescription<C> d{
      "Quorvel.classTipoGrauParentesco",
      {
          com::Method<&C::BusDescrGrauParentesco>(
              "BusDescrGrauParentesco", {"ConnRH", "DescErr", "pkCodGrauParentesco", "pnDescrGrauParentesco"}),
          com::Method<&C::ExcTipoGrauParentesco>(
              "ExcTipoGrauParentesco", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodGrauParentesco"}),
          com::Method<&C::CarTipoGrauParentesco>(
              "CarTipoGrauParentesco", {"ConnRH", "DescErr", "vlArray", "pkCodGrauParentesco",
                                        "pnDescrGrauParentesco", "pnGrauParentesco", "pnSalarioFamilia"}),
          com::Method<&C::BusTipoGrauParentesco>(
              "BusTipoGrauParentesco", {"ConnRH", "DescErr", "pkCodGrauParentesco", "pnDescrGrauParentesco",
                                        "pnGrauParentesco", "pnSalarioFamilia"}),
          com::Method<&C::AltTipoGrauParentesco>(
              "AltTipoGrauParentesco", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodGrauParentesco",
                                        "pnDescrGrauParentesco", "pnGrauParentesco", "pnSalarioFamilia"}),
          com::Method<&C::IncTipoGrauParentesco>(
              "IncTipoGrauParentesco", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodGrauParentesco",
                                        "pnDescrGrauParentesco", "pnGrauParentesco", "pnSalarioFamilia"}),
      }};
  return d;
}

}  // namespace quorvel
