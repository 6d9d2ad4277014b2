// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classConhecCandidato.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The tree's texts by name, so that the record set carries one CodConhec:
// the item's own.
constexpr std::string_view kSelect =
    "SELECT RhsConhecCandidato.*, RhsConhecimento.DescrConhec, "
    "RhsConhecimento.CodCompletoConhec, RhsConhecimento.DescrCompletaConhec "
    "FROM ( RhsConhecCandidato "
    "LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecCandidato.CodConhec) ";

// The columns of RhsConhecCandidato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodCandidato, const std::string& pkCodConhec,
                         std::uint8_t pnNivelConhecCandidato, const std::string& pnDescrConhecCandidato) {
  using sql::kBlank;
  return {{"CodRegConhecCandidato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodCandidato", sql::Number(pkCodCandidato), kBlank},
          {"CodConhec", sql::Quote(pkCodConhec)},
          {"NivelConhecCandidato", sql::Number(pnNivelConhecCandidato), kBlank},
          {"DescrConhecCandidato", sql::Quote(pnDescrConhecCandidato)}};
}

}  // namespace

void classConhecCandidato::CarConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                              Variant& pkCodCandidato, Variant& pkCodConhec, Variant& pnDescrConhec,
                                              Variant& pnCodCompletoConhec, Variant& pnDescrCompletaConhec,
                                              Variant& pnNivelConhecCandidato, Variant& pnDescrConhecCandidato) {
  static constexpr Column kColumns[] = {{"CodRegConhecCandidato"}, {"CodCandidato"},        {"CodConhec"},
                                        {"DescrConhec"},           {"CodCompletoConhec"},   {"DescrCompletaConhec"},
                                        {"NivelConhecCandidato"},  {"DescrConhecCandidato"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodCandidato, "(CodCandidato) LIKE ", sql::Text);
    where.Add(pkCodConhec, "RhsConhecCandidato.CodConhec LIKE ", sql::Text);
    where.Add(pnDescrConhec, "UPPER(DescrConhec) LIKE ", sql::UpperText);
    where.Add(pnCodCompletoConhec, "CodCompletoConhec LIKE ", sql::Text);
    where.Add(pnDescrCompletaConhec, "UPPER(DescrCompletaConhec) LIKE ", sql::UpperText);
    where.Add(pnNivelConhecCandidato, "NivelConhecCandidato = ", sql::Number);
    where.Add(pnDescrConhecCandidato, "UPPER(DescrConhecCandidato) LIKE ", sql::UpperText);
    std::string statement = std::string(kSelect) + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classConhecCandidato::BusConhecCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                              std::int32_t& pkCodRegConhecCandidato, std::int32_t& pkCodCandidato,
                                              std::string& pkCodConhec, std::string& pnDescrConhec,
                                              std::string& pnCodCompletoConhec, std::string& pnDescrCompletaConhec,
                                              std::uint8_t& pnNivelConhecCandidato,
                                              std::string& pnDescrConhecCandidato) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, std::string(kSelect) + "WHERE CodRegConhecCandidato = " +
                                       sql::Number(pkCodRegConhecCandidato));
    Copy(*rs, "CodRegConhecCandidato", pkCodRegConhecCandidato);
    Copy(*rs, "CodCandidato", pkCodCandidato);
    Copy(*rs, "CodConhec", pkCodConhec);
    Copy(*rs, "DescrConhec", pnDescrConhec);
    Copy(*rs, "CodCompletoConhec", pnCodCompletoConhec);
    Copy(*rs, "DescrCompletaConhec", pnDescrCompletaConhec);
    Copy(*rs, "NivelConhecCandidato", pnNivelConhecCandidato);
    Copy(*rs, "DescrConhecCandidato", pnDescrConhecCandidato);
    rs->Close();
  });
}

void classConhecCandidato::ExcConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                              std::string&, std::int32_t& pkCodRegConhecCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsConhecCandidato " "WHERE CodRegConhecCandidato = " +
                        sql::Number(pkCodRegConhecCandidato));
  });
}

void classConhecCandidato::AltConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                              std::string&, std::int32_t& pkCodRegConhecCandidato,
                                              std::int32_t& pkCodCandidato, std::string& pkCodConhec,
                                              std::uint8_t& pnNivelConhecCandidato,
                                              std::string& pnDescrConhecCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsConhecCandidato",
                                Columns(pkCodRegConhecCandidato, pkCodCandidato, pkCodConhec, pnNivelConhecCandidato,
                                        pnDescrConhecCandidato),
                                "WHERE CodRegConhecCandidato = " + sql::Number(pkCodRegConhecCandidato)));
  });
}

void classConhecCandidato::IncConhecCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                              std::string&, std::int32_t& pkCodRegConhecCandidato,
                                              std::int32_t& pkCodCandidato, std::string& pkCodConhec,
                                              std::uint8_t& pnNivelConhecCandidato,
                                              std::string& pnDescrConhecCandidato) {
  InsertTrapped(ConnRH, DescErr, pkCodRegConhecCandidato, {"RhsConhecCandidato", "CodRegConhecCandidato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsConhecCandidato", Columns(key, pkCodCandidato, pkCodConhec,
                                                              pnNivelConhecCandidato, pnDescrConhecCandidato)));
  });
}

std::optional<std::int32_t> classConhecCandidato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegConhecCandidato) AS MaxCod " "FROM RhsConhecCandidato");
}

const com::ClassDescription<classConhecCandidato>& classConhecCandidato::Description() {
  using C = classConhecCandidato;
  static const com::ClassDescription<C> d{
      "Quorvel.classConhecCandidato",
      {
          com::Method<&C::CarConhecCandidato>(
              "CarConhecCandidato", {"ConnRH", "DescErr", "vlArray", "pkCodCandidato", "pkCodConhec",
                                     "pnDescrConhec", "pnCodCompletoConhec", "pnDescrCompletaConhec",
                                     "pnNivelConhecCandidato", "pnDescrConhecCandidato"}),
          com::Method<&C::BusConhecCandidato>(
              "BusConhecCandidato", {"ConnRH", "DescErr", "pkCodRegConhecCandidato", "pkCodCandidato",
                                     "pkCodConhec", "pnDescrConhec", "pnCodCompletoConhec",
                                     "pnDescrCompletaConhec", "pnNivelConhecCandidato", "pnDescrConhecCandidato"}),
          com::Method<&C::ExcConhecCandidato>(
              "ExcConhecCandidato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegConhecCandidato"}),
          com::Method<&C::AltConhecCandidato>(
              "AltConhecCandidato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegConhecCandidato",
                                     "pkCodCandidato", "pkCodConhec", "pnNivelConhecCandidato",
                                     "pnDescrConhecCandidato"}),
          com::Method<&C::IncConhecCandidato>(
              "IncConhecCandidato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegConhecCandidato",
                                     "pkCodCandidato", "pkCodConhec", "pnNivelConhecCandidato",
                                     "pnDescrConhecCandidato"}),
      }};
  return d;
}

}  // namespace quorvel
