// SPDX-License-Identifier: MIT
#include "quorvel/health/classConhecPerfilCargo.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsConhecPerfilCargo in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodRegPerfilCargo, const std::string& pkCodConhec,
                         std::uint8_t pnNivelConhecPerfil) {
  using sql::kBlank;
  return {{"CodRegConhecPerfil", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodRegPerfilCargo", sql::Number(pkCodRegPerfilCargo), kBlank},
          {"CodConhec", sql::Quote(pkCodConhec)},
          {"NivelConhecPerfil", sql::Number(pnNivelConhecPerfil), kBlank}};
}

}  // namespace

void classConhecPerfilCargo::CarConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                                  Variant& pkCodRegPerfilCargo, Variant& pkCodConhec,
                                                  Variant& pnNivelConhecPerfil) {
  static constexpr Column kColumns[] = {{"CodRegConhecPerfil"}, {"CodRegPerfilCargo"},   {"CodConhec"},
                                        {"DescrConhec"},        {"CodCompletoConhec"},   {"DescrCompletaConhec"},
                                        {"NivelConhecPerfil"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegPerfilCargo, " CodRegPerfilCargo LIKE ", sql::Text);
    // The tree has a CodConhec too: the filter names the item's own.
    where.Add(pkCodConhec, "RhsConhecPerfilCargo.CodConhec LIKE ", sql::Text);
    where.Add(pnNivelConhecPerfil, "NivelConhecPerfil = ", sql::Number);
    std::string statement =
        "SELECT RhsConhecPerfilCargo.*, RhsConhecimento.DescrConhec, "
        "RhsConhecimento.CodCompletoConhec, RhsConhecimento.DescrCompletaConhec "
        "FROM ( RhsConhecPerfilCargo "
        "LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecPerfilCargo.CodConhec) " +
        where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classConhecPerfilCargo::BusConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr,
                                                  std::int32_t& pkCodRegConhecPerfil,
                                                  std::int32_t& pkCodRegPerfilCargo, std::string& pkCodConhec,
                                                  std::string& pnDescrConhec, std::uint8_t& pnNivelConhecPerfil) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs =
        Open(ConnRH, "SELECT RhsConhecPerfilCargo.*, RhsConhecimento.DescrConhec "
                     "FROM ( RhsConhecPerfilCargo "
                     "LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecPerfilCargo.CodConhec) "
                     "WHERE CodRegConhecPerfil = " + sql::Number(pkCodRegConhecPerfil));
    Copy(*rs, "CodRegConhecPerfil", pkCodRegConhecPerfil);
    Copy(*rs, "CodRegPerfilCargo", pkCodRegPerfilCargo);
    Copy(*rs, "CodConhec", pkCodConhec);
    Copy(*rs, "DescrConhec", pnDescrConhec);
    Copy(*rs, "NivelConhecPerfil", pnNivelConhecPerfil);
    rs->Close();
  });
}

void classConhecPerfilCargo::ExcConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                  std::string&, std::int32_t& pkCodRegConhecPerfil) {
  Trapped(DescErr, [&] {
    Execute(ConnRH,
            "DELETE FROM RhsConhecPerfilCargo " "WHERE CodRegConhecPerfil = " + sql::Number(pkCodRegConhecPerfil));
  });
}

void classConhecPerfilCargo::AltConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                  std::string&, std::int32_t& pkCodRegConhecPerfil,
                                                  std::int32_t& pkCodRegPerfilCargo, std::string& pkCodConhec,
                                                  std::uint8_t& pnNivelConhecPerfil) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsConhecPerfilCargo",
                                Columns(pkCodRegConhecPerfil, pkCodRegPerfilCargo, pkCodConhec, pnNivelConhecPerfil),
                                "WHERE CodRegConhecPerfil = " + sql::Number(pkCodRegConhecPerfil)));
  });
}

void classConhecPerfilCargo::IncConhecPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                  std::string&, std::int32_t& pkCodRegConhecPerfil,
                                                  std::int32_t& pkCodRegPerfilCargo, std::string& pkCodConhec,
                                                  std::uint8_t& pnNivelConhecPerfil) {
  InsertTrapped(ConnRH, DescErr, pkCodRegConhecPerfil, {"RhsConhecPerfilCargo", "CodRegConhecPerfil"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsConhecPerfilCargo", Columns(key, pkCodRegPerfilCargo, pkCodConhec,
                                                                pnNivelConhecPerfil)));
  });
}

std::optional<std::int32_t> classConhecPerfilCargo::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegConhecPerfil) AS MaxCod " "FROM RhsConhecPerfilCargo");
}

const com::ClassDescription<classConhecPerfilCargo>& classConhecPerfilCargo::Description() {
  using C = classConhecPerfilCargo;
  static const com::ClassDescription<C> d{
      "Quorvel.classConhecPerfilCargo",
      {
          com::Method<&C::CarConhecPerfilCargo>("CarConhecPerfilCargo",
                                                {"ConnRH", "DescErr", "vlArray", "pkCodRegPerfilCargo",
                                                 "pkCodConhec", "pnNivelConhecPerfil"}),
          com::Method<&C::BusConhecPerfilCargo>("BusConhecPerfilCargo",
                                                {"ConnRH", "DescErr", "pkCodRegConhecPerfil", "pkCodRegPerfilCargo",
                                                 "pkCodConhec", "pnDescrConhec", "pnNivelConhecPerfil"}),
          com::Method<&C::ExcConhecPerfilCargo>("ExcConhecPerfilCargo", {"ConnRH", "DescErr", "User",
                                                                         "SourceMachine", "pkCodRegConhecPerfil"}),
          com::Method<&C::AltConhecPerfilCargo>("AltConhecPerfilCargo",
                                                {"ConnRH", "DescErr", "User", "SourceMachine",
                                                 "pkCodRegConhecPerfil", "pkCodRegPerfilCargo", "pkCodConhec",
                                                 "pnNivelConhecPerfil"}),
          com::Method<&C::IncConhecPerfilCargo>("IncConhecPerfilCargo",
                                                {"ConnRH", "DescErr", "User", "SourceMachine",
                                                 "pkCodRegConhecPerfil", "pkCodRegPerfilCargo", "pkCodConhec",
                                                 "pnNivelConhecPerfil"}),
      }};
  return d;
}

}  // namespace quorvel
