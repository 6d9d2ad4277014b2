// SPDX-License-Identifier: MIT
#include "quorvel/health/classTipoExameMedico.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsTipoExameMedico in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, const std::string& pnDescrTipoExame, std::uint8_t pnDiasDeParada,
                         const std::string& pnAtivado) {
  using sql::kBlank;
  return {{"CodTipoExame", sql::Number(key), kBlank, sql::kInsertOnly},
          {"DescrTipoExame", sql::Quote(pnDescrTipoExame)},
          {"DiasDeParada", sql::Number(pnDiasDeParada), kBlank},
          {"Ativado", sql::Quote(pnAtivado)}};
}

}  // namespace

void classTipoExameMedico::BusDescrTipoExame(ado::Connection& ConnRH, std::string& DescErr,
                                             std::int32_t& pkCodTipoExame, std::string& pnDescrTipoExame) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsTipoExameMedico.DescrTipoExame "
                                   "FROM   RhsTipoExameMedico "
                                   "WHERE  RhsTipoExameMedico.CodTipoExame = " + sql::Number(pkCodTipoExame));
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    rs->Close();
  });
}

void classTipoExameMedico::ExcTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                              std::string&, std::int32_t& pkCodTipoExame) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsTipoExameMedico " "WHERE CodTipoExame = " + sql::Number(pkCodTipoExame));
  });
}

void classTipoExameMedico::CarTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                              Variant& pkCodTipoExame, Variant& pnDescrTipoExame,
                                              Variant& pnDiasDeParada, Variant& pnAtivado) {
  static constexpr Column kColumns[] = {{"CodTipoExame"}, {"DescrTipoExame"}, {"Ativado"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodTipoExame, " CodTipoExame LIKE ", sql::Text);
    where.Add(pnDescrTipoExame, "UPPER(DescrTipoExame) LIKE ", sql::UpperText);
    where.Add(pnDiasDeParada, "DiasDeParada = ", sql::Number);
    where.Add(pnAtivado, "Ativado = ", sql::Text);
    std::string statement = "SELECT * " "FROM RhsTipoExameMedico " + where.Clause() + " ORDER BY DescrTipoExame";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classTipoExameMedico::BusTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr,
                                              std::int32_t& pkCodTipoExame, std::string& pnDescrTipoExame,
                                              std::uint8_t& pnDiasDeParada, std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * "
                                   "FROM   RhsTipoExameMedico "
                                   "WHERE  CodTipoExame = " + sql::Number(pkCodTipoExame));
    Copy(*rs, "CodTipoExame", pkCodTipoExame);
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    Copy(*rs, "DiasDeParada", pnDiasDeParada);
    Copy(*rs, "Ativado", pnAtivado);
    rs->Close();
  });
}

void classTipoExameMedico::AltTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                              std::string&, std::int32_t& pkCodTipoExame,
                                              std::string& pnDescrTipoExame, std::uint8_t& pnDiasDeParada,
                                              std::string& pnAtivado) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsTipoExameMedico",
                                Columns(pkCodTipoExame, pnDescrTipoExame, pnDiasDeParada, pnAtivado),
                                "WHERE CodTipoExame = " + sql::Number(pkCodTipoExame)));
  });
}

void classTipoExameMedico::IncTipoExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                              std::string&, std::int32_t& pkCodTipoExame,
                                              std::string& pnDescrTipoExame, std::uint8_t& pnDiasDeParada,
                                              std::string& pnAtivado) {
  InsertTrapped(ConnRH, DescErr, pkCodTipoExame, {"RhsTipoExameMedico", "CodTipoExame"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsTipoExameMedico", Columns(key, pnDescrTipoExame, pnDiasDeParada, pnAtivado)));
  });
}

std::optional<std::int32_t> classTipoExameMedico::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodTipoExame) AS MaxCod " "FROM RhsTipoExameMedico");
}

const com::ClassDescription<classTipoExameMedico>& classTipoExameMedico::Description() {
  using C = classTipoExameMedico;
  static const com::ClassDescription<C> d{
      "Quorvel.classTipoExameMedico",
      {
          com::Method<&C::BusDescrTipoExame>("BusDescrTipoExame",
                                             {"ConnRH", "DescErr", "pkCodTipoExame", "pnDescrTipoExame"}),
          com::Method<&C::ExcTipoExameMedico>("ExcTipoExameMedico",
                                              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoExame"}),
          com::Method<&C::CarTipoExameMedico>("CarTipoExameMedico",
                                              {"ConnRH", "DescErr", "vlArray", "pkCodTipoExame",
                                               "pnDescrTipoExame", "pnDiasDeParada", "pnAtivado"}),
          com::Method<&C::BusTipoExameMedico>("BusTipoExameMedico", {"ConnRH", "DescErr", "pkCodTipoExame",
                                                                     "pnDescrTipoExame", "pnDiasDeParada",
                                                                     "pnAtivado"}),
          com::Method<&C::AltTipoExameMedico>("AltTipoExameMedico",
                                              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoExame",
                                               "pnDescrTipoExame", "pnDiasDeParada", "pnAtivado"}),
          com::Method<&C::IncTipoExameMedico>("IncTipoExameMedico",
                                              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodTipoExame",
                                               "pnDescrTipoExame", "pnDiasDeParada", "pnAtivado"}),
      }};
  return d;
}

}  // namespace quorvel
