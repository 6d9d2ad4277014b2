// SPDX-License-Identifier: MIT
#include "quorvel/health/classExamePerfilCargo.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

constexpr std::string_view kSelect =
    "SELECT RhsExamePerfilCargo.*, RhsTipoExameMedico.DescrTipoExame "
    "FROM ( RhsExamePerfilCargo "
    "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExamePerfilCargo.CodTipoExame) ";

// The columns of RhsExamePerfilCargo in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodRegPerfilCargo, std::int32_t pkCodTipoExame,
                         const std::string& pnObrigatoriedade) {
  using sql::kBlank;
  return {{"CodRegExamePerfil", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodRegPerfilCargo", sql::Number(pkCodRegPerfilCargo), kBlank},
          {"CodTipoExame", sql::Number(pkCodTipoExame), kBlank},
          {"Obrigatoriedade", sql::Quote(pnObrigatoriedade)}};
}

}  // namespace

void classExamePerfilCargo::CarExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                                Variant& pkCodRegPerfilCargo, Variant& pkCodTipoExame,
                                                Variant& pnObrigatoriedade) {
  static constexpr Column kColumns[] = {
      {"CodRegExamePerfil"}, {"CodRegPerfilCargo"}, {"CodTipoExame"}, {"DescrTipoExame"}, {"Obrigatoriedade"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegPerfilCargo, "UPPER(CodRegPerfilCargo) LIKE ", sql::UpperText);
    // The exam-type table has a CodTipoExame too: the filter names the row's own.
    where.Add(pkCodTipoExame, "CStr(RhsExamePerfilCargo.CodTipoExame) LIKE ", sql::Text);
    where.Add(pnObrigatoriedade, "Obrigatoriedade = ", sql::Text);
    std::string statement = std::string(kSelect) + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classExamePerfilCargo::BusExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr,
                                                std::int32_t& pkCodRegExamePerfil,
                                                std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodTipoExame,
                                                std::string& pnDescrTipoExame, std::string& pnObrigatoriedade) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs =
        Open(ConnRH, std::string(kSelect) + "WHERE CodRegExamePerfil = " + sql::Number(pkCodRegExamePerfil));
    Copy(*rs, "CodRegExamePerfil", pkCodRegExamePerfil);
    Copy(*rs, "CodRegPerfilCargo", pkCodRegPerfilCargo);
    Copy(*rs, "CodTipoExame", pkCodTipoExame);
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    Copy(*rs, "Obrigatoriedade", pnObrigatoriedade);
    rs->Close();
  });
}

void classExamePerfilCargo::ExcExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodRegExamePerfil) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsExamePerfilCargo "
                    "WHERE CodRegExamePerfil = " + sql::Number(pkCodRegExamePerfil));
  });
}

void classExamePerfilCargo::AltExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodRegExamePerfil,
                                                std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodTipoExame,
                                                std::string& pnObrigatoriedade) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsExamePerfilCargo",
                                Columns(pkCodRegExamePerfil, pkCodRegPerfilCargo, pkCodTipoExame, pnObrigatoriedade),
                                "WHERE CodRegExamePerfil = " + sql::Number(pkCodRegExamePerfil)));
  });
}

void classExamePerfilCargo::IncExamePerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodRegExamePerfil,
                                                std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodTipoExame,
                                                std::string& pnObrigatoriedade) {
  InsertTrapped(ConnRH, DescErr, pkCodRegExamePerfil, {"RhsExamePerfilCargo", "CodRegExamePerfil"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsExamePerfilCargo", Columns(key, pkCodRegPerfilCargo, pkCodTipoExame,
                                                               pnObrigatoriedade)));
  });
}

std::optional<std::int32_t> classExamePerfilCargo::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegExamePerfil) AS MaxCod " "FROM RhsExamePerfilCargo");
}

const com::ClassDescription<classExamePerfilCargo>& classExamePerfilCargo::Description() {
  using C = classExamePerfilCargo;
  static const com::ClassDescription<C> d{
      "Quorvel.classExamePerfilCargo",
      {
          com::Method<&C::CarExamePerfilCargo>("CarExamePerfilCargo",
                                               {"ConnRH", "DescErr", "vlArray", "pkCodRegPerfilCargo",
                                                "pkCodTipoExame", "pnObrigatoriedade"}),
          com::Method<&C::BusExamePerfilCargo>("BusExamePerfilCargo",
                                               {"ConnRH", "DescErr", "pkCodRegExamePerfil", "pkCodRegPerfilCargo",
                                                "pkCodTipoExame", "pnDescrTipoExame", "pnObrigatoriedade"}),
          com::Method<&C::ExcExamePerfilCargo>("ExcExamePerfilCargo", {"ConnRH", "DescErr", "User",
                                                                       "SourceMachine", "pkCodRegExamePerfil"}),
          com::Method<&C::AltExamePerfilCargo>("AltExamePerfilCargo",
                                               {"ConnRH", "DescErr", "User", "SourceMachine",
                                                "pkCodRegExamePerfil", "pkCodRegPerfilCargo", "pkCodTipoExame",
                                                "pnObrigatoriedade"}),
          com::Method<&C::IncExamePerfilCargo>("IncExamePerfilCargo",
                                               {"ConnRH", "DescErr", "User", "SourceMachine",
                                                "pkCodRegExamePerfil", "pkCodRegPerfilCargo", "pkCodTipoExame",
                                                "pnObrigatoriedade"}),
      }};
  return d;
}

}  // namespace quorvel
