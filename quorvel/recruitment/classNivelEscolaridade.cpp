// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classNivelEscolaridade.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsNivelEscolaridade in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrNivel) {
  using sql::kBlank;
  return {{"CodNivel", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrNivel", sql::Quote(pnDescrNivel)}};
}

}  // namespace

void classNivelEscolaridade::IncNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                  std::string&, std::int32_t& pkCodNivel,
                                                  std::string& pnDescrNivel) {
  InsertTrapped(ConnRH, DescErr, pkCodNivel, {"RhsNivelEscolaridade", "CodNivel"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsNivelEscolaridade", Columns(key, pnDescrNivel)));
  });
}

void classNivelEscolaridade::ExcNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                  std::string&, std::int32_t& pkCodNivel) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsNivelEscolaridade " "WHERE CodNivel = " + sql::Number(pkCodNivel));
  });
}

void classNivelEscolaridade::CarNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                                  Variant& pkCodNivel, Variant& pnDescrNivel) {
  static constexpr Column kColumns[] = {{"CodNivel"}, {"DescrNivel"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodNivel, "CStr(CodNivel) LIKE ", sql::Text);
    where.Add(pnDescrNivel, "UPPER(DescrNivel) LIKE ", sql::UpperText);
    std::string statement = "SELECT * " "FROM RhsNivelEscolaridade " + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classNivelEscolaridade::BusNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr,
                                                  std::int32_t& pkCodNivel, std::string& pnDescrNivel) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * " "FROM RhsNivelEscolaridade " "WHERE CodNivel = " +
                                       sql::Number(pkCodNivel));
    Copy(*rs, "CodNivel", pkCodNivel);
    Copy(*rs, "DescrNivel", pnDescrNivel);
    rs->Close();
  });
}

void classNivelEscolaridade::AltNivelEscolaridade(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                  std::string&, std::int32_t& pkCodNivel,
                                                  std::string& pnDescrNivel) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsNivelEscolaridade",
                                Columns(pkCodNivel, pnDescrNivel),
                                "WHERE CodNivel = " + sql::Number(pkCodNivel)));
  });
}

std::optional<std::int32_t> classNivelEscolaridade::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodNivel) AS MaxCod " "FROM RhsNivelEscolaridade");
}

const com::ClassDescription<classNivelEscolaridade>& classNivelEscolaridade::Description() {
  using C = classNivelEscolaridade;
  static const com::ClassDescription<C> d{
      "Quorvel.classNivelEscolaridade",
      {
          com::Method<&C::IncNivelEscolaridade>("IncNivelEscolaridade", {"ConnRH", "DescErr", "User",
                                                                         "SourceMachine", "pkCodNivel",
                                                                         "pnDescrNivel"}),
          com::Method<&C::ExcNivelEscolaridade>("ExcNivelEscolaridade",
                                                {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodNivel"}),
          com::Method<&C::CarNivelEscolaridade>("CarNivelEscolaridade",
                                                {"ConnRH", "DescErr", "vlArray", "pkCodNivel", "pnDescrNivel"}),
          com::Method<&C::BusNivelEscolaridade>("BusNivelEscolaridade",
                                                {"ConnRH", "DescErr", "pkCodNivel", "pnDescrNivel"}),
          com::Method<&C::AltNivelEscolaridade>("AltNivelEscolaridade", {"ConnRH", "DescErr", "User",
                                                                         "SourceMachine", "pkCodNivel",
                                                                         "pnDescrNivel"}),
      }};
  return d;
}

}  // namespace quorvel
