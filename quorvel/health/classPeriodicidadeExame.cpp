// SPDX-License-Identifier: MIT
#include "quorvel/health/classPeriodicidadeExame.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsPeriodicidadeExame in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodRegExamePerfil, double pnIdadeMin, std::int32_t pnAnos,
                         std::int32_t pnMeses, std::int32_t pnDias) {
  using sql::kBlank;
  return {{"CodRegPeriodicidade", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodRegExamePerfil", sql::Number(pkCodRegExamePerfil), kBlank},
          {"IdadeMin", sql::Number(pnIdadeMin), kBlank},
          {"Anos", sql::Number(pnAnos), kBlank},
          {"Meses", sql::Number(pnMeses), kBlank},
          {"Dias", sql::Number(pnDias), kBlank}};
}

}  // namespace

void classPeriodicidadeExame::CarPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr,
                                                    Variant& vlArray, Variant& pkCodRegPeriodicidade,
                                                    Variant& pkCodRegExamePerfil, Variant& pkCodTipoExame,
                                                    Variant& pnDescrTipoExame, Variant& pnIdadeMin, Variant& pnAnos,
                                                    Variant& pnMeses, Variant& pnDias) {
  static constexpr Column kColumns[] = {{"CodRegPeriodicidade"}, {"CodTipoExame"}, {"DescrTipoExame"},
                                        {"NomeFil"},             {"IdadeMin"},     {"Anos"},
                                        {"Meses"},               {"Dias"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegPeriodicidade, " CodRegPeriodicidade LIKE ", sql::Text);
    where.Add(pkCodRegExamePerfil, " RhsPeriodicidadeExame.CodRegExamePerfil LIKE ", sql::Text);
    where.Add(pkCodTipoExame, "RhsExamePerfilCargo.CodTipoExame LIKE ", sql::Text);
    where.Add(pnDescrTipoExame, "UPPER(DescrTipoExame) LIKE ", sql::UpperText);
    // The joined profile table has an IdadeMin too: the filter names the rule's.
    where.Add(pnIdadeMin, "RhsPeriodicidadeExame.IdadeMin LIKE ", sql::NumberPattern);
    where.Add(pnAnos, "Anos LIKE ", sql::Text);
    where.Add(pnMeses, "Meses LIKE ", sql::Text);
    where.Add(pnDias, "Dias LIKE ", sql::Text);
    std::string statement =
        "SELECT RhsPeriodicidadeExame.*, RhsTipoExameMedico.DescrTipoExame, "
        "RhsTipoExameMedico.CodTipoExame, RhsFilial.NomeFil "
        "FROM (((( RhsPeriodicidadeExame "
        "LEFT JOIN RhsExamePerfilCargo ON RhsExamePerfilCargo.CodRegExamePerfil = "
        "RhsPeriodicidadeExame.CodRegExamePerfil) "
        "LEFT JOIN RhsPerfilCargo ON RhsPerfilCargo.CodRegPerfilCargo = RhsExamePerfilCargo.CodRegPerfilCargo) "
        "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExamePerfilCargo.CodTipoExame) "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsPerfilCargo.CodFilial) " +
        where.Clause() + " ORDER BY DescrTipoExame, RhsPeriodicidadeExame.IdadeMin ";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classPeriodicidadeExame::BusPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr,
                                                    std::int32_t& pkCodRegPeriodicidade,
                                                    std::int32_t& pkCodRegExamePerfil, std::string& pnDescrTipoExame,
                                                    double& pnIdadeMin, std::int32_t& pnAnos, std::int32_t& pnMeses,
                                                    std::int32_t& pnDias) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH, "SELECT RhsPeriodicidadeExame.*, RhsTipoExameMedico.DescrTipoExame "
                "FROM (( RhsPeriodicidadeExame "
                "LEFT JOIN RhsExamePerfilCargo ON RhsExamePerfilCargo.CodRegExamePerfil = "
                "RhsPeriodicidadeExame.CodRegExamePerfil) "
                "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExamePerfilCargo.CodTipoExame) "
                "WHERE RhsPeriodicidadeExame.CodRegPeriodicidade = " + sql::Number(pkCodRegPeriodicidade));
    Copy(*rs, "CodRegPeriodicidade", pkCodRegPeriodicidade);
    Copy(*rs, "CodRegExamePerfil", pkCodRegExamePerfil);
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    Copy(*rs, "IdadeMin", pnIdadeMin);
    Copy(*rs, "Anos", pnAnos);
    Copy(*rs, "Meses", pnMeses);
    Copy(*rs, "Dias", pnDias);
    rs->Close();
  });
}

void classPeriodicidadeExame::AltPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodRegPeriodicidade,
                                                    std::int32_t& pkCodRegExamePerfil, double& pnIdadeMin,
                                                    std::int32_t& pnAnos, std::int32_t& pnMeses,
                                                    std::int32_t& pnDias) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsPeriodicidadeExame",
                                Columns(pkCodRegPeriodicidade, pkCodRegExamePerfil, pnIdadeMin, pnAnos, pnMeses,
                                        pnDias),
                                "WHERE CodRegPeriodicidade = " + sql::Number(pkCodRegPeriodicidade)));
  });
}

void classPeriodicidadeExame::ExcPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodRegPeriodicidade) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsPeriodicidadeExame "
                    "WHERE CodRegPeriodicidade = " + sql::Number(pkCodRegPeriodicidade));
  });
}

void classPeriodicidadeExame::IncPeriodicidadeExame(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                    std::string&, std::int32_t& pkCodRegPeriodicidade,
                                                    std::int32_t& pkCodRegExamePerfil, double& pnIdadeMin,
                                                    std::int32_t& pnAnos, std::int32_t& pnMeses,
                                                    std::int32_t& pnDias) {
  InsertTrapped(ConnRH, DescErr, pkCodRegPeriodicidade, {"RhsPeriodicidadeExame", "CodRegPeriodicidade"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsPeriodicidadeExame", Columns(key, pkCodRegExamePerfil, pnIdadeMin, pnAnos,
                                                                 pnMeses, pnDias)));
  });
}

std::optional<std::int32_t> classPeriodicidadeExame::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegPeriodicidade) AS MaxCod " "FROM RhsPeriodicidadeExame");
}

const com::ClassDescription<classPeriodicidadeExame>& classPeriodicidadeExame::Description() {
  using C = classPeriodicidadeExame;
  static const com::ClassDescription<C> d{
      "Quorvel.classPeriodicidadeExame",
      {
          com::Method<&C::CarPeriodicidadeExame>(
              "CarPeriodicidadeExame", {"ConnRH", "DescErr", "vlArray", "pkCodRegPeriodicidade",
                                        "pkCodRegExamePerfil", "pkCodTipoExame", "pnDescrTipoExame", "pnIdadeMin",
                                        "pnAnos", "pnMeses", "pnDias"}),
          com::Method<&C::BusPeriodicidadeExame>(
              "BusPeriodicidadeExame", {"ConnRH", "DescErr", "pkCodRegPeriodicidade", "pkCodRegExamePerfil",
                                        "pnDescrTipoExame", "pnIdadeMin", "pnAnos", "pnMeses", "pnDias"}),
          com::Method<&C::AltPeriodicidadeExame>(
              "AltPeriodicidadeExame", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegPeriodicidade",
                                        "pkCodRegExamePerfil", "pnIdadeMin", "pnAnos", "pnMeses", "pnDias"}),
          com::Method<&C::ExcPeriodicidadeExame>(
              "ExcPeriodicidadeExame", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegPeriodicidade"}),
          com::Method<&C::IncPeriodicidadeExame>(
              "IncPeriodicidadeExame", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegPeriodicidade",
                                        "pkCodRegExamePerfil", "pnIdadeMin", "pnAnos", "pnMeses", "pnDias"}),
      }};
  return d;
}

}  // namespace quorvel
