// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classConhecVaga.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

constexpr std::string_view kJoin =
    "FROM ( RhsConhecVaga "
    "LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecVaga.CodConhec) ";

// The columns of RhsConhecVaga in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodVaga, const std::string& pkCodConhec,
                         std::uint8_t pnNivelConhecVaga) {
  using sql::kBlank;
  return {{"CodRegConhecVaga", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodVaga", sql::Number(pkCodVaga), kBlank},
          {"CodConhec", sql::Quote(pkCodConhec)},
          {"NivelConhecVaga", sql::Number(pnNivelConhecVaga), kBlank}};
}

}  // namespace

void classConhecVaga::CarConhecVaga(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                    Variant& pkCodVaga, Variant& pkCodConhec, Variant& pnNivelConhecVaga) {
  static constexpr Column kColumns[] = {{"CodRegConhecVaga"}, {"CodVaga"},           {"CodConhec"},
                                        {"DescrConhec"},      {"CodCompletoConhec"}, {"DescrCompletaConhec"},
                                        {"NivelConhecVaga"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodVaga, "CodVaga LIKE ", sql::Text);
    where.Add(pkCodConhec, "RhsConhecVaga.CodConhec LIKE ", sql::Text);
    where.Add(pnNivelConhecVaga, "NivelConhecVaga = ", sql::Number);
    std::string statement =
        "SELECT RhsConhecVaga.*, RhsConhecimento.DescrConhec, "
        "RhsConhecimento.CodCompletoConhec, RhsConhecimento.DescrCompletaConhec " +
        std::string(kJoin) + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classConhecVaga::BusConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegConhecVaga,
                                    std::int32_t& pkCodVaga, std::string& pkCodConhec, std::string& pnDescrConhec,
                                    std::uint8_t& pnNivelConhecVaga) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsConhecVaga.*, RhsConhecimento.DescrConhec " + std::string(kJoin) +
                                       "WHERE CodRegConhecVaga = " + sql::Number(pkCodRegConhecVaga));
    Copy(*rs, "CodRegConhecVaga", pkCodRegConhecVaga);
    Copy(*rs, "CodVaga", pkCodVaga);
    Copy(*rs, "CodConhec", pkCodConhec);
    Copy(*rs, "DescrConhec", pnDescrConhec);
    Copy(*rs, "NivelConhecVaga", pnNivelConhecVaga);
    rs->Close();
  });
}

void classConhecVaga::ExcConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                    std::int32_t& pkCodRegConhecVaga) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsConhecVaga " "WHERE CodRegConhecVaga = " + sql::Number(pkCodRegConhecVaga));
  });
}

void classConhecVaga::AltConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                    std::int32_t& pkCodRegConhecVaga, std::int32_t& pkCodVaga,
                                    std::string& pkCodConhec, std::uint8_t& pnNivelConhecVaga) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsConhecVaga",
                                Columns(pkCodRegConhecVaga, pkCodVaga, pkCodConhec, pnNivelConhecVaga),
                                "WHERE CodRegConhecVaga = " + sql::Number(pkCodRegConhecVaga)));
  });
}

void classConhecVaga::IncConhecVaga(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                    std::int32_t& pkCodRegConhecVaga, std::int32_t& pkCodVaga,
                                    std::string& pkCodConhec, std::uint8_t& pnNivelConhecVaga) {
  InsertTrapped(ConnRH, DescErr, pkCodRegConhecVaga, {"RhsConhecVaga", "CodRegConhecVaga"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsConhecVaga", Columns(key, pkCodVaga, pkCodConhec, pnNivelConhecVaga)));
  });
}

std::optional<std::int32_t> classConhecVaga::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegConhecVaga) AS MaxCod " "FROM RhsConhecVaga");
}

const com::ClassDescription<classConhecVaga>& classConhecVaga::Description() {
  using C = classConhecVaga;
  static const com::ClassDescription<C> d{
      "Quorvel.classConhecVaga",
      {
          com::Method<&C::CarConhecVaga>("CarConhecVaga", {"ConnRH", "DescErr", "vlArray", "pkCodVaga",
                                                           "pkCodConhec", "pnNivelConhecVaga"}),
          com::Method<&C::BusConhecVaga>("BusConhecVaga", {"ConnRH", "DescErr", "pkCodRegConhecVaga", "pkCodVaga",
                                                           "pkCodConhec", "pnDescrConhec", "pnNivelConhecVaga"}),
          com::Method<&C::ExcConhecVaga>("ExcConhecVaga",
                                         {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegConhecVaga"}),
          com::Method<&C::AltConhecVaga>("AltConhecVaga", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                           "pkCodRegConhecVaga", "pkCodVaga", "pkCodConhec",
                                                           "pnNivelConhecVaga"}),
          com::Method<&C::IncConhecVaga>("IncConhecVaga", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                           "pkCodRegConhecVaga", "pkCodVaga", "pkCodConhec",
                                                           "pnNivelConhecVaga"}),
      }};
  return d;
}

}  // namespace quorvel
