// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classTurnoCandidato.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsTurnoCandidato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodCandidato, const std::string& pnDescrTurnoCandidato) {
  using sql::kBlank;
  return {{"CodRegTurnoCandidato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodCandidato", sql::Number(pkCodCandidato), kBlank},
          {"DescrTurnoCandidato", sql::Quote(pnDescrTurnoCandidato)}};
}

}  // namespace

void classTurnoCandidato::IncTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegTurnoCandidato,
                                            std::int32_t& pkCodCandidato, std::string& pnDescrTurnoCandidato) {
  InsertTrapped(ConnRH, DescErr, pkCodRegTurnoCandidato, {"RhsTurnoCandidato", "CodRegTurnoCandidato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTurnoCandidato", Columns(key, pkCodCandidato, pnDescrTurnoCandidato)));
  });
}

void classTurnoCandidato::ExcTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegTurnoCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTurnoCandidato " "WHERE CodRegTurnoCandidato = " +
                        sql::Number(pkCodRegTurnoCandidato));
  });
}

void classTurnoCandidato::CarTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                            Variant& pkCodCandidato, Variant& pnDescrTurnoCandidato) {
  static constexpr Column kColumns[] = {{"CodRegTurnoCandidato"}, {"CodCandidato"}, {"DescrTurnoCandidato"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodCandidato, "cstr(CodCandidato) LIKE ", sql::Text);
    where.Add(pnDescrTurnoCandidato, "DescrTurnoCandidato = ", sql::Text);
    std::string statement = "SELECT * " "FROM RhsTurnoCandidato " + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTurnoCandidato::BusTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                            std::int32_t& pkCodRegTurnoCandidato, std::int32_t& pkCodCandidato,
                                            std::string& pnDescrTurnoCandidato) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * " "FROM RhsTurnoCandidato " "WHERE CodRegTurnoCandidato = " +
                                       sql::Number(pkCodRegTurnoCandidato));
    Copy(*rs, "CodRegTurnoCandidato", pkCodRegTurnoCandidato);
    Copy(*rs, "CodCandidato", pkCodCandidato);
    Copy(*rs, "DescrTurnoCandidato", pnDescrTurnoCandidato);
    rs->Close();
  });
}

void classTurnoCandidato::AltTurnoCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegTurnoCandidato,
                                            std::int32_t& pkCodCandidato, std::string& pnDescrTurnoCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTurnoCandidato",
                                Columns(pkCodRegTurnoCandidato, pkCodCandidato, pnDescrTurnoCandidato),
                                "WHERE CodRegTurnoCandidato = " + sql::Number(pkCodRegTurnoCandidato)));
  });
}

std::optional<std::int32_t> classTurnoCandidato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegTurnoCandidato) AS MaxCod " "FROM RhsTurnoCandidato");
}

const com::ClassDescription<classTurnoCandidato>& classTurnoCandidato::Description() {
  using C = classTurnoCandidato;
  static const com::ClassDescription<C> d{
      "Quorvel.classTurnoCandidato",
      {
          com::Method<&C::IncTurnoCandidato>("IncTurnoCandidato", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                   "pkCodRegTurnoCandidato", "pkCodCandidato",
                                                                   "pnDescrTurnoCandidato"}),
          com::Method<&C::ExcTurnoCandidato>(
              "ExcTurnoCandidato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegTurnoCandidato"}),
          com::Method<&C::CarTurnoCandidato>("CarTurnoCandidato", {"ConnRH", "DescErr", "vlArray", "pkCodCandidato",
                                                                   "pnDescrTurnoCandidato"}),
          com::Method<&C::BusTurnoCandidato>("BusTurnoCandidato", {"ConnRH", "DescErr", "pkCodRegTurnoCandidato",
                                                                   "pkCodCandidato", "pnDescrTurnoCandidato"}),
          com::Method<&C::AltTurnoCandidato>("AltTurnoCandidato", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                   "pkCodRegTurnoCandidato", "pkCodCandidato",
                                                                   "pnDescrTurnoCandidato"}),
      }};
  return d;
}

}  // namespace quorvel
