// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classTipoContrato.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsTipoContrato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrTipoContrato, const std::string& pnNomeContrato,
                         const std::string& pnNomeContrato2, const std::string& pnLeiContrato,
                         const std::string& pnDesignacaoContratado, const std::string& pnAtivado) {
  using sql::kBlank;
  return {{"CodTipoContrato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrTipoContrato", sql::Quote(pnDescrTipoContrato)},
          {"NomeContrato", sql::Quote(pnNomeContrato)},
          {"NomeContrato2", sql::Quote(pnNomeContrato2)},
          {"LeiContrato", sql::Quote(pnLeiContrato)},
          {"DesignacaoContratado", sql::Quote(pnDesignacaoContratado)},
          {"Ativado", sql::Quote(pnAtivado)}};
}

}  // namespace

void classTipoContrato::BusDescrTipoContrato(ado::Connection& ConnRH, std::string& DescErr,
                                             std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoContrato.DescrTipoContrato "
                                   "FROM   RhsTipoContrato "
                                   "WHERE  RhsTipoContrato.CodTipoContrato = " + sql::Number(pkCodTipoContrato));
    Copy(*rs, "DescrTipoContrato", pnDescrTipoContrato);
    rs->Close();
  });
}

void classTipoContrato::ExcTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodTipoContrato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTipoContrato "
                    "WHERE CodTipoContrato = " + sql::Number(pkCodTipoContrato));
  });
}

void classTipoContrato::CarTipoContrato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                        Variant& pkCodTipoContrato, Variant& pnDescrTipoContrato,
                                        Variant& pnAtivado) {
  static constexpr Column kColumns[] = {{"CodTipoContrato"}, {"DescrTipoContrato"}, {"Ativado"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodTipoContrato, "CodTipoContrato LIKE ", sql::Text);
    where.Add(pnDescrTipoContrato, "UPPER(DescrTipoContrato) LIKE ", sql::UpperText);
    where.Add(pnAtivado, "Ativado = ", sql::Text);
    std::string statement = "SELECT * " "FROM RhsTipoContrato " + where.Clause() + " ORDER BY DescrTipoContrato";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTipoContrato::BusTipoContrato(ado::Connection& ConnRH, std::string& DescErr,
                                        std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato,
                                        std::string& pnNomeContrato, std::string& pnNomeContrato2,
                                        std::string& pnLeiContrato, std::string& pnDesignacaoContratado,
                                        std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoContrato.* "
                                   "FROM   RhsTipoContrato "
                                   "WHERE CodTipoContrato = " + sql::Number(pkCodTipoContrato));
    Copy(*rs, "CodTipoContrato", pkCodTipoContrato);
    Copy(*rs, "DescrTipoContrato", pnDescrTipoContrato);
    Copy(*rs, "NomeContrato", pnNomeContrato);
    Copy(*rs, "NomeContrato2", pnNomeContrato2);
    Copy(*rs, "LeiContrato", pnLeiContrato);
    Copy(*rs, "DesignacaoContratado", pnDesignacaoContratado);
    Copy(*rs, "Ativado", pnAtivado);
    rs->Close();
  });
}

void classTipoContrato::AltTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato,
                                        std::string& pnNomeContrato, std::string& pnNomeContrato2,
                                        std::string& pnLeiContrato, std::string& pnDesignacaoContratado,
                                        std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTipoContrato",
                                Columns(pkCodTipoContrato, pnDescrTipoContrato, pnNomeContrato, pnNomeContrato2,
                                        pnLeiContrato, pnDesignacaoContratado, pnAtivado),
                                "WHERE CodTipoContrato = " + sql::Number(pkCodTipoContrato)));
  });
}

void classTipoContrato::IncTipoContrato(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato,
                                        std::string& pnNomeContrato, std::string& pnNomeContrato2,
                                        std::string& pnLeiContrato, std::string& pnDesignacaoContratado,
                                        std::string& pnAtivado) {
  InsertTrapped(ConnRH, DescErr, pkCodTipoContrato, {"RhsTipoContrato", "CodTipoContrato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTipoContrato", Columns(key, pnDescrTipoContrato, pnNomeContrato, pnNomeContrato2,
                                                           pnLeiContrato, pnDesignacaoContratado, pnAtivado)));
  });
}

std::optional<std::int32_t> classTipoContrato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodTipoContrato) AS MaxCod " "FROM RhsTipoContrato");
}

const com::ClassDescription<classTipoContrato>& classTipoContrato::Description() {
  using C = classTipoContrato;
  static const com::ClassDescription<C> d{
      "Quorvel.classTipoContrato",
      {
          com::Method<&C::BusDescrTipoContrato>(
              "BusDescrTipoContrato", {"ConnRH", "DescErr", "pkCodTipoContrato", "pnDescrTipoContrato"}),
          com::Method<&C::ExcTipoContrato>(
              "ExcTipoContrato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoContrato"}),
          com::Method<&C::CarTipoContrato>(
              "CarTipoContrato",
              {"ConnRH", "DescErr", "vlArray", "pkCodTipoContrato", "pnDescrTipoContrato", "pnAtivado"}),
          com::Method<&C::BusTipoContrato>(
              "BusTipoContrato", {"ConnRH", "DescErr", "pkCodTipoContrato", "pnDescrTipoContrato", "pnNomeContrato",
                                  "pnNomeContrato2", "pnLeiContrato", "pnDesignacaoContratado", "pnAtivado"}),
          com::Method<&C::AltTipoContrato>(
              "AltTipoContrato",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoContrato", "pnDescrTipoContrato",
               "pnNomeContrato", "pnNomeContrato2", "pnLeiContrato", "pnDesignacaoContratado", "pnAtivado"}),
          com::Method<&C::IncTipoContrato>(
              "IncTipoContrato",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoContrato", "pnDescrTipoContrato",
               "pnNomeContrato", "pnNomeContrato2", "pnLeiContrato", "pnDesignacaoContratado", "pnAtivado"}),
      }};
  return d;
}

}  // namespace quorvel
