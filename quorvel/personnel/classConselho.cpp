// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classConselho.h"

#include "platform/com/bind.h"
#include "platform/win/msgbox.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/errors.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsConselho in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnSiglaConselho, const std::string& pnNomeConselho) {
  using sql::kBlank;
  return {{"CodConselho", sql::Number(key), kBlank, sql::kInsertOnly},
          {"SiglaConselho", sql::Quote(pnSiglaConselho)},
          {"NomeConselho", sql::Quote(pnNomeConselho)}};
}

}  // namespace

void classConselho::ExcConselho(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodConselho) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsConselho " "WHERE CodConselho = " + sql::Number(pkCodConselho));
  });
}

void classConselho::CarConselho(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                Variant& pkCodConselho, Variant& pnSiglaConselho, Variant& pnNomeConselho) {
  static constexpr Column kColumns[] = {{"CodConselho"}, {"SiglaConselho"}, {"NomeConselho"}};
  Trapped(
      DescErr,
      [&] {
        sql::Filter where;
        where.Add(pkCodConselho, "cstr(CodConselho) LIKE ", sql::Text);
        where.Add(pnSiglaConselho, "UPPER(SiglaConselho) LIKE ", sql::UpperText);
        where.Add(pnNomeConselho, "UPPER(NomeConselho) LIKE ", sql::UpperText);
        std::string statement = "SELECT * " "FROM RhsConselho " + where.Clause() + " ORDER BY SiglaConselho";
        fAjustaSql(ConnRH, statement);
        LoadList(ConnRH, statement, vlArray, kColumns);
      },
      [](const ErrObject& err) { win::MessageBox(nullptr, err.description, kIdentification, win::MB_OK); });
}

void classConselho::BusConselho(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodConselho,
                                std::string& pnSiglaConselho, std::string& pnNomeConselho) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs =
        Open(ConnRH, "SELECT * " "FROM   RhsConselho " "WHERE  CodConselho = " + sql::Number(pkCodConselho));
    Copy(*rs, "CodConselho", pkCodConselho);
    Copy(*rs, "SiglaConselho", pnSiglaConselho);
    Copy(*rs, "NomeConselho", pnNomeConselho);
    rs->Close();
  });
}

void classConselho::AltConselho(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodConselho, std::string& pnSiglaConselho,
                                std::string& pnNomeConselho) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsConselho",
                                Columns(pkCodConselho, pnSiglaConselho, pnNomeConselho),
                                "WHERE CodConselho = " + sql::Number(pkCodConselho)));
  });
}

void classConselho::IncConselho(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodConselho, std::string& pnSiglaConselho,
                                std::string& pnNomeConselho) {
  InsertTrapped(ConnRH, DescErr, pkCodConselho, {"RhsConselho", "CodConselho"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsConselho", Columns(key, pnSiglaConselho, pnNomeConselho)));
  });
}

std::optional<std::int32_t> classConselho::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodConselho) AS MaxCod " "FROM RhsConselho");
}

const com::ClassDescription<classConselho>& classConselho::Description() {
  using C = classConselho;
  static const com::ClassDescription<C> d{
      "Quorvel.classConselho",
      {
          com::Method<&C::ExcConselho>("ExcConselho", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodConselho"}),
          com::Method<&C::CarConselho>("CarConselho", {"ConnRH", "DescErr", "vlArray", "pkCodConselho",
                                                       "pnSiglaConselho", "pnNomeConselho"}),
          com::Method<&C::BusConselho>("BusConselho", {"ConnRH", "DescErr", "pkCodConselho", "pnSiglaConselho",
                                                       "pnNomeConselho"}),
          com::Method<&C::AltConselho>("AltConselho", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                       "pkCodConselho", "pnSiglaConselho", "pnNomeConselho"}),
          com::Method<&C::IncConselho>("IncConselho", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                       "pkCodConselho", "pnSiglaConselho", "pnNomeConselho"}),
      }};
  return d;
}

}  // namespace quorvel
