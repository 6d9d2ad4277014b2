#include "quorvel/health/classExameAgendado.h"

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

std::string N(std::int32_t n) { return std::to_string(n); }

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
                                       N(pkCodExameAgendado));
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
    Execute(ConnRH, "UPDATE RhsExameAgendado SET "
                    "CodFuncionario = " + N(pkCodFuncionario) + ", "
                    "CodTipoExame = " + N(pkCodTipoExame) + ", "
                    "Status = " + sql::Quote(pnStatus) + ", "
                    "Data = " + sql::OptionalDate(pnData) + ", "
                    "Hora = " + sql::OptionalTime(pnHora) + ", "
                    "LocalConsulta = " + sql::Quote(pnLocalConsulta) + ", "
                    "Medico = " + sql::Quote(pnMedico) + ", "
                    "NrRegMedico = " + sql::Quote(pnNrRegMedico) + " "
                    "WHERE CodExameAgendado = " + N(pkCodExameAgendado));
  });
}

void classExameAgendado::ExcExameAgendado(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodExameAgendado) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsExameAgendado " "WHERE CodExameAgendado = " + N(pkCodExameAgendado));
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
    Execute(ConnRH, "INSERT INTO RhsExameAgendado ("
                    "CodExameAgendado, CodFuncionario, CodTipoExame, Status, Data, Hora, "
                    "LocalConsulta, Medico, NrRegMedico) "
                    "VALUES ("
                    " " + N(key) + ", "
                    " " + N(pkCodFuncionario) + ", "
                    " " + N(pkCodTipoExame) + ", " +
                    sql::Quote(pnStatus) + ", "
                    " " + sql::OptionalDate(pnData) + ", "
                    " " + sql::OptionalTime(pnHora) + ", " +
                    sql::Quote(pnLocalConsulta) + ", " +
                    sql::Quote(pnMedico) + ", " +
                    sql::Quote(pnNrRegMedico) + ") ");
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
