// SPDX-License-Identifier: MIT
#include "quorvel/health/classExameFuncionario.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

constexpr std::size_t kUnitColumn = 4;

// The unit's full name on the second connection; "" without a row or a name.
Variant UnitName(ado::Connection& conn, const Variant& CodCa) {
  RecordsetPtr rs = Open(conn, " SELECT NomeCompletoCa FROM CadCa WHERE CodCa = " +
                                   (CodCa.is_null() ? std::string("0") : sql::Number(CodCa)));
  if (rs->EOF_()) return Variant("");
  Variant name = rs->Fields("NomeCompletoCa").Value();
  rs->Close();
  return name.is_null() ? Variant("") : name;
}

// The columns of RhsExameFuncionario in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int32_t pkCodTipoExame,
                         const std::string& pnPeriodico, const std::string& pnDemissional, std::int32_t pnAnos,
                         std::int32_t pnMeses, std::int32_t pnDias) {
  using sql::kBlank;
  return {{"CodExameFuncionario", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoExame", sql::Number(pkCodTipoExame), kBlank},
          {"Periodico", sql::Quote(pnPeriodico)},
          {"Demissional", sql::Quote(pnDemissional)},
          {"Anos", sql::Number(pnAnos), kBlank},
          {"Meses", sql::Number(pnMeses), kBlank},
          {"Dias", sql::Number(pnDias), kBlank}};
}

}  // namespace

void classExameFuncionario::CarExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                                Variant& pkCodExameFuncionario, Variant& pkCodFuncionario,
                                                Variant& pkCodIndividual, Variant& pnNome, Variant& pkCodFilial,
                                                Variant& pkCodTipoExame, Variant& pnDescrTipoExame,
                                                Variant& pnPeriodico, Variant& pnDemissional, Variant& pnAnos,
                                                Variant& pnMeses, Variant& pnDias, ado::Connection& conn) {
  static constexpr Column kColumns[] = {
      {"CodExameFuncionario"}, {"CodFuncionario"}, {"Nome"},      {"NomeFil"}, {"NomeCompletoCa"}, {"CodTipoExame"},
      {"DescrTipoExame"},      {"Periodico"},      {"Demissional"}, {"Anos"},  {"Meses"},          {"Dias"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodExameFuncionario, " CodExameFuncionario LIKE ", sql::Text);
    where.Add(pkCodFuncionario, " RhsDadosFuncionario.CodFuncionario  LIKE ", sql::Text);
    where.Add(pkCodIndividual, " RhsDadosFuncionario.CodIndividual LIKE ", sql::Text);
    where.Add(pnNome, "UPPER(Nome) LIKE ", sql::UpperText);
    where.Add(pkCodFilial, " RhsDadosFuncionario.CodFilial LIKE ", sql::Text);
    where.Add(pkCodTipoExame, " RhsTipoExameMedico.CodTipoExame LIKE ", sql::Text);
    where.Add(pnDescrTipoExame, "UPPER(DescrTipoExame) LIKE ", sql::UpperText);
    where.Add(pnPeriodico, "UPPER(Periodico) LIKE ", sql::UpperText);
    where.Add(pnDemissional, "Demissional LIKE ", sql::Text);
    where.Add(pnAnos, " Anos LIKE ", sql::Text);
    where.Add(pnMeses, " Meses LIKE ", sql::Text);
    where.Add(pnDias, " Dias LIKE ", sql::Text);
    std::string statement =
        "SELECT RhsExameFuncionario.*, RhsTipoExameMedico.DescrTipoExame, "
        "RhsDadosPessoais.Nome, RhsDadosFuncionario.CodCa, "
        "RhsFilial.NomeFil "
        "FROM (((( RhsExameFuncionario "
        "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameFuncionario.CodTipoExame) "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameFuncionario.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsDadosFuncionario.CodFilial) " +
        where.Clause() + " ORDER BY DescrTipoExame";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns, [&](Record& record, std::size_t column) -> std::optional<Variant> {
      if (column != kUnitColumn) return std::nullopt;
      return UnitName(conn, record.Field("CodCa"));
    });
  });
}

void classExameFuncionario::BusExameFuncionario(ado::Connection& ConnRH, std::string& DescErr,
                                                std::int32_t& pkCodExameFuncionario, std::int32_t& pkCodFuncionario,
                                                std::int32_t& pkCodIndividual, std::string& pnNome,
                                                std::int32_t& pkCodTipoExame, std::string& pnDescrTipoExame,
                                                std::string& pnPeriodico, std::string& pnDemissional,
                                                std::int32_t& pnAnos, std::int32_t& pnMeses, std::int32_t& pnDias) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsExameFuncionario.*, RhsTipoExameMedico.DescrTipoExame, "
        "RhsDadosPessoais.CodIndividual, RhsDadosPessoais.Nome "
        "FROM ((( RhsExameFuncionario "
        "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameFuncionario.CodTipoExame) "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameFuncionario.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "WHERE RhsExameFuncionario.CodExameFuncionario = " + sql::Number(pkCodExameFuncionario));
    Copy(*rs, "CodExameFuncionario", pkCodExameFuncionario);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "CodIndividual", pkCodIndividual);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoExame", pkCodTipoExame);
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    Copy(*rs, "Periodico", pnPeriodico);
    Copy(*rs, "Demissional", pnDemissional);
    Copy(*rs, "Anos", pnAnos);
    Copy(*rs, "Meses", pnMeses);
    Copy(*rs, "Dias", pnDias);
    rs->Close();
  });
}

void classExameFuncionario::AltExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodExameFuncionario,
                                                std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame,
                                                std::string& pnPeriodico, std::string& pnDemissional,
                                                std::int32_t& pnAnos, std::int32_t& pnMeses, std::int32_t& pnDias) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsExameFuncionario",
                                Columns(pkCodExameFuncionario, pkCodFuncionario, pkCodTipoExame, pnPeriodico,
                                        pnDemissional, pnAnos, pnMeses, pnDias),
                                "WHERE CodExameFuncionario = " + sql::Number(pkCodExameFuncionario)));
  });
}

void classExameFuncionario::ExcExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodExameFuncionario) {
  Trapped(DescErr, [&] {
    Execute(ConnRH,
            "DELETE FROM RhsExameFuncionario " "WHERE CodExameFuncionario = " + sql::Number(pkCodExameFuncionario));
  });
}

void classExameFuncionario::IncExameFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodExameFuncionario,
                                                std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame,
                                                std::string& pnPeriodico, std::string& pnDemissional,
                                                std::int32_t& pnAnos, std::int32_t& pnMeses, std::int32_t& pnDias) {
  InsertTrapped(ConnRH, DescErr, pkCodExameFuncionario, {"RhsExameFuncionario", "CodExameFuncionario"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsExameFuncionario", Columns(key, pkCodFuncionario, pkCodTipoExame, pnPeriodico,
                                                               pnDemissional, pnAnos, pnMeses, pnDias)));
  });
}

std::optional<std::int32_t> classExameFuncionario::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodExameFuncionario) AS MaxCod " "FROM RhsExameFuncionario");
}

const com::ClassDescription<classExameFuncionario>& classExameFuncionario::Description() {
  using C = classExameFuncionario;
  static const com::ClassDescription<C> d{
      "Quorvel.classExameFuncionario",
      {
          com::Method<&C::CarExameFuncionario>(
              "CarExameFuncionario",
              {"ConnRH", "DescErr", "vlArray", "pkCodExameFuncionario", "pkCodFuncionario", "pkCodIndividual",
               "pnNome", "pkCodFilial", "pkCodTipoExame", "pnDescrTipoExame", "pnPeriodico", "pnDemissional",
               "pnAnos", "pnMeses", "pnDias", "conn"}),
          com::Method<&C::BusExameFuncionario>(
              "BusExameFuncionario",
              {"ConnRH", "DescErr", "pkCodExameFuncionario", "pkCodFuncionario", "pkCodIndividual", "pnNome",
               "pkCodTipoExame", "pnDescrTipoExame", "pnPeriodico", "pnDemissional", "pnAnos", "pnMeses", "pnDias"}),
          com::Method<&C::AltExameFuncionario>(
              "AltExameFuncionario",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodExameFuncionario", "pkCodFuncionario",
               "pkCodTipoExame", "pnPeriodico", "pnDemissional", "pnAnos", "pnMeses", "pnDias"}),
          com::Method<&C::ExcExameFuncionario>(
              "ExcExameFuncionario", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodExameFuncionario"}),
          com::Method<&C::IncExameFuncionario>(
              "IncExameFuncionario",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodExameFuncionario", "pkCodFuncionario",
               "pkCodTipoExame", "pnPeriodico", "pnDemissional", "pnAnos", "pnMeses", "pnDias"}),
      }};
  return d;
}

}  // namespace quorvel
