// SPDX-License-Identifier: MIT
#include "quorvel/administration/classTipoAnotacao.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsTipoAnotacao in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrTipoAnotacao, const std::string& pnFalta,
                         const std::string& pnAtivado) {
  using sql::kBlank;
  return {{"CodTipoAnotacao", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrTipoAnotacao", sql::Quote(pnDescrTipoAnotacao)},
          {"Falta", sql::Quote(pnFalta)},
          {"Ativado", sql::Quote(pnAtivado)}};
}

}  // namespace

void classTipoAnotacao::BusDescrTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr,
                                             std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoAnotacao.DescrTipoAnotacao "
                                   "FROM   RhsTipoAnotacao "
                                   "WHERE  RhsTipoAnotacao.CodTipoAnotacao = " + sql::Number(pkCodTipoAnotacao));
    Copy(*rs, "DescrTipoAnotacao", pnDescrTipoAnotacao);
    rs->Close();
  });
}

void classTipoAnotacao::ExcTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodTipoAnotacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTipoAnotacao " "WHERE CodTipoAnotacao = " + sql::Number(pkCodTipoAnotacao));
  });
}

void classTipoAnotacao::CarTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                        Variant& pkCodTipoAnotacao, Variant& pnDescrTipoAnotacao, Variant& pnFalta,
                                        Variant& pnAtivado) {
  static constexpr Column kColumns[] = {{"CodTipoAnotacao"}, {"DescrTipoAnotacao"}, {"Falta"}, {"Ativado"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodTipoAnotacao, "CStr(CodTipoAnotacao) LIKE ", sql::Text);
    where.Add(pnDescrTipoAnotacao, "UPPER(DescrTipoAnotacao) LIKE ", sql::UpperText);
    where.Add(pnFalta, "Falta = ", sql::Text);
    where.Add(pnAtivado, "Ativado = ", sql::Text);
    std::string statement = "SELECT RhsTipoAnotacao.* "
                            "FROM   RhsTipoAnotacao " +
                            where.Clause() + " ORDER BY DescrTipoAnotacao";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTipoAnotacao::BusTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr,
                                        std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao,
                                        std::string& pnFalta, std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoAnotacao.* "
                                   "FROM   RhsTipoAnotacao "
                                   "WHERE CodTipoAnotacao = " + sql::Number(pkCodTipoAnotacao));
    Copy(*rs, "CodTipoAnotacao", pkCodTipoAnotacao);
    Copy(*rs, "DescrTipoAnotacao", pnDescrTipoAnotacao);
    Copy(*rs, "Falta", pnFalta);
    Copy(*rs, "Ativado", pnAtivado);
    rs->Close();
  });
}

void classTipoAnotacao::AltTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao,
                                        std::string& pnFalta, std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTipoAnotacao",
                                Columns(pkCodTipoAnotacao, pnDescrTipoAnotacao, pnFalta, pnAtivado),
                                "WHERE CodTipoAnotacao = " + sql::Number(pkCodTipoAnotacao)));
  });
}

void classTipoAnotacao::IncTipoAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao,
                                        std::string& pnFalta, std::string& pnAtivado) {
  InsertTrapped(ConnRH, DescErr, pkCodTipoAnotacao, {"RhsTipoAnotacao", "CodTipoAnotacao"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTipoAnotacao", Columns(key, pnDescrTipoAnotacao, pnFalta, pnAtivado)));
  });
}

std::optional<std::int32_t> classTipoAnotacao::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodTipoAnotacao) AS MaxCod " "FROM RhsTipoAnotacao");
}

const com::ClassDescription<classTipoAnotacao>& classTipoAnotacao::Description() {
  using C = classTipoAnotacao;
  static const com::ClassDescription<C> d{
      "Quorvel.classTipoAnotacao",
      {
          com::Method<&C::BusDescrTipoAnotacao>("BusDescrTipoAnotacao",
                                                {"ConnRH", "DescErr", "pkCodTipoAnotacao", "pnDescrTipoAnotacao"}),
          com::Method<&C::ExcTipoAnotacao>("ExcTipoAnotacao",
                                           {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoAnotacao"}),
          com::Method<&C::CarTipoAnotacao>("CarTipoAnotacao", {"ConnRH", "DescErr", "vlArray", "pkCodTipoAnotacao",
                                                               "pnDescrTipoAnotacao", "pnFalta", "pnAtivado"}),
          com::Method<&C::BusTipoAnotacao>("BusTipoAnotacao", {"ConnRH", "DescErr", "pkCodTipoAnotacao",
                                                               "pnDescrTipoAnotacao", "pnFalta", "pnAtivado"}),
          com::Method<&C::AltTipoAnotacao>("AltTipoAnotacao",
                                           {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoAnotacao",
                                            "pnDescrTipoAnotacao", "pnFalta", "pnAtivado"}),
          com::Method<&C::IncTipoAnotacao>("IncTipoAnotacao",
                                           {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoAnotacao",
                                            "pnDescrTipoAnotacao", "pnFalta", "pnAtivado"}),
      }};
  return d;
}

}  // namespace quorvel
