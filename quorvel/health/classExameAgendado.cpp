// SPDX-License-Identifier: MIT
#include "quorvel/health/classExameAgendado.h"

#include "platform/automation/convert.h"
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
    "SELECT RhsExameAgendado.*, RhsTipoExameMedico.DescrTipoExame, "
    "RhsDadosPessoais.Nome "
    "FROM ((( RhsExameAgendado "
    "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameAgendado.CodTipoExame) "
    "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameAgendado.CodFuncionario) "
    "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) ";

// The display text of a stored date or time; Null stays Null.
Variant Shown(const Variant& v, std::string_view pattern) {
  return v.is_null() ? v : Variant(automation::Format(v, pattern));
}
Variant ShownDate(Record& r) { return Shown(r.Field("Data"), "dd/mm/yyyy"); }
Variant ShownTime(Record& r) { return Shown(r.Field("Hora"), "hh:mm"); }

// The columns of RhsExameAgendado in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int32_t pkCodTipoExame,
                         const std::string& pnStatus, const Variant& pnData, const Variant& pnHora,
                         const std::string& pnLocalConsulta, const std::string& pnMedico,
                         const std::string& pnNrRegMedico) {
  using sql::kBlank;
  return {{"CodExameAgendado", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoExame", sql::Number(pkCodTipoExame), kBlank},
          {"Status", sql::Quote(pnStatus)},
          {"Data", sql::OptionalDate(pnData), kBlank},
          {"Hora", sql::OptionalTime(pnHora), kBlank},
          {"LocalConsulta", sql::Quote(pnLocalConsulta)},
          {"Medico", sql::Quote(pnMedico)},
          {"NrRegMedico", sql::Quote(pnNrRegMedico)}};
}

}  // namespace

void classExameAgendado::CarExameAgendado(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                          Variant& pkCodExameAgendado, Variant& pkCodFuncionario, Variant& pnNome,
                                          Variant& pkCodTipoExame, Variant& pnStatus, Variant& pnLocalConsulta,
                                          Variant& pnMedico) {
  static constexpr Column kColumns[] = {{"CodExameAgendado"},       {"Nome"},
                                        {"DescrTipoExame"},         {"Status"},
                                        {"Data", {}, &ShownDate},   {"Hora", {}, &ShownTime},
                                        {"LocalConsulta"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodExameAgendado, "CodExameAgendado LIKE ", sql::Text);
    where.Add(pkCodFuncionario, " RhsExameAgendado.CodFuncionario  LIKE ", sql::Text);
    where.Add(pnNome, "UPPER(RhsDadosPessoais.Nome) LIKE ", sql::UpperText);
    where.Add(pkCodTipoExame, " RhsExameAgendado.CodTipoExame LIKE ", sql::Text);
    where.Add(pnStatus, "RhsExameAgendado.Status LIKE ", sql::Text);
    where.Add(pnLocalConsulta, "UPPER(LocalConsulta) LIKE ", sql::UpperText);
    where.Add(pnMedico, "UPPER(Medico) LIKE ", sql::UpperText);
    std::string statement = std::string(kSelect) + where.Clause() + " ORDER BY Nome, DescrTipoExame";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classExameAgendado::BusExameAgendado(ado::Connection& ConnRH, std::string& DescErr,
                                          std::int32_t& pkCodExameAgendado, std::int32_t& pkCodFuncionario,
                                          std::string& pnNome, std::int32_t& pkCodTipoExame,
                                          std::string& pnDescrTipoExame, std::string& pnStatus, Variant& pnData,
                                          Variant& pnHora, std::string& pnLocalConsulta, std::string& pnMedico,
                                          std::string& pnNrRegMedico) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, std::string(kSelect) + "WHERE RhsExameAgendado.CodExameAgendado = " +
                                       sql::Number(pkCodExameAgendado));
    Copy(*rs, "CodExameAgendado", pkCodExameAgendado);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoExame", pkCodTipoExame);
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    Copy(*rs, "Status", pnStatus);
    Copy(*rs, "Data", pnData);
    Copy(*rs, "Hora", pnHora);
    Copy(*rs, "LocalConsulta", pnLocalConsulta);
    Copy(*rs, "Medico", pnMedico);
    Copy(*rs, "NrRegMedico", pnNrRegMedico);
    rs->Close();
  });
}

void classExameAgendado::CarComboLocalConsulta(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH,
              "SELECT DISTINCT LocalConsulta " "FROM RhsExameAgendado " "WHERE LocalConsulta <> '' "
              "ORDER BY LocalConsulta ",
              vlArray, "LocalConsulta");
  });
}

void classExameAgendado::CarComboMedico(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT Medico " "FROM RhsExameAgendado " "WHERE Medico <> '' " "ORDER BY Medico ",
              vlArray, "Medico");
  });
}

void classExameAgendado::CarComboNrRegMedico(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH,
              "SELECT DISTINCT NrRegMedico " "FROM RhsExameAgendado " "WHERE NrRegMedico <> '' "
              "ORDER BY NrRegMedico ",
              vlArray, "NrRegMedico");
  });
}

void classExameAgendado::AltExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodExameAgendado,
                                          std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame,
                                          std::string& pnStatus, Variant& pnData, Variant& pnHora,
                                          std::string& pnLocalConsulta, std::string& pnMedico,
                                          std::string& pnNrRegMedico) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsExameAgendado",
                                Columns(pkCodExameAgendado, pkCodFuncionario, pkCodTipoExame, pnStatus, pnData,
                                        pnHora, pnLocalConsulta, pnMedico, pnNrRegMedico),
                                "WHERE CodExameAgendado = " + sql::Number(pkCodExameAgendado)));
  });
}

void classExameAgendado::ExcExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodExameAgendado) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsExameAgendado " "WHERE CodExameAgendado = " + sql::Number(pkCodExameAgendado));
  });
}

void classExameAgendado::IncExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodExameAgendado,
                                          std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoExame,
                                          std::string& pnStatus, Variant& pnData, Variant& pnHora,
                                          std::string& pnLocalConsulta, std::string& pnMedico,
                                          std::string& pnNrRegMedico) {
  InsertTrapped(ConnRH, DescErr, pkCodExameAgendado, {"RhsExameAgendado", "CodExameAgendado"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsExameAgendado", Columns(key, pkCodFuncionario, pkCodTipoExame, pnStatus, pnData,
                                                            pnHora, pnLocalConsulta, pnMedico, pnNrRegMedico)));
  });
}

std::optional<std::int32_t> classExameAgendado::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodExameAgendado) AS MaxCod " "FROM RhsExameAgendado ");
}

const com::ClassDescription<classExameAgendado>& classExameAgendado::Description() {
  using C = classExameAgendado;
  static const com::ClassDescription<C> d{
      "Quorvel.classExameAgendado",
      {
          com::Method<&C::CarExameAgendado>("CarExameAgendado",
                                            {"ConnRH", "DescErr", "vlArray", "pkCodExameAgendado",
                                             "pkCodFuncionario", "pnNome", "pkCodTipoExame", "pnStatus",
                                             "pnLocalConsulta", "pnMedico"}),
          com::Method<&C::BusExameAgendado>("BusExameAgendado",
                                            {"ConnRH", "DescErr", "pkCodExameAgendado", "pkCodFuncionario",
                                             "pnNome", "pkCodTipoExame", "pnDescrTipoExame", "pnStatus", "pnData",
                                             "pnHora", "pnLocalConsulta", "pnMedico", "pnNrRegMedico"}),
          com::Method<&C::CarComboLocalConsulta>("CarComboLocalConsulta", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboMedico>("CarComboMedico", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboNrRegMedico>("CarComboNrRegMedico", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::AltExameAgendado>("AltExameAgendado",
                                            {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodExameAgendado",
                                             "pkCodFuncionario", "pkCodTipoExame", "pnStatus", "pnData", "pnHora",
                                             "pnLocalConsulta", "pnMedico", "pnNrRegMedico"}),
          com::Method<&C::ExcExameAgendado>("ExcExameAgendado",
                                            {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodExameAgendado"}),
          com::Method<&C::IncExameAgendado>("IncExameAgendado",
                                            {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodExameAgendado",
                                             "pkCodFuncionario", "pkCodTipoExame", "pnStatus", "pnData", "pnHora",
                                             "pnLocalConsulta", "pnMedico", "pnNrRegMedico"}),
      }};
  return d;
}

}  // namespace quorvel
