#include "quorvel/administration/classFerias.h"

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/text.h"
#include "quorvel/common/module1.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"
#include "quorvel/personnel/classDadosFuncionario.h"

namespace quorvel {

using automation::Variant;

namespace {

std::string Key(std::int32_t key) { return std::to_string(key); }
std::string Day(const automation::Date& date) { return sql::Date(Variant(date)); }

// A date filter as given: a date as a date literal, text quoted as it stands.
std::string DateOrText(const Variant& value) {
  return value.is_string() ? sql::Text(value) : sql::Date(value);
}

// The employee filter: the leading number of the value's text (0 without one).
std::string LeadingNumber(const Variant& value) {
  return sql::Number(Variant(automation::Val(automation::CStr(value))));
}

std::string VacationStart(const Variant& value) {
  const std::string text = automation::CStr(value);
  // A month and year ("5/2005") is compared with the month and year of the
  // start as text; the database offers month, year and & for it.
  if (text.size() <= 7) return "Month(InicioFerias) & '/' & Year(InicioFerias) = " + sql::Quote(text);
  return "InicioFerias = " + sql::Date(value) + " ";
}

}  // namespace

void classFerias::BusFerias(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegFerias,
                            std::int32_t& pkCodFuncionario, std::string& pnNome, automation::Date& pnInicioAquisicao,
                            automation::Date& pnFimAquisicao, std::int16_t& pnDiasAGozar, double& pnValorFerias,
                            Variant& pnInicioFerias, Variant& pnFimFerias, std::int16_t& pnDiasGozados,
                            std::string& pnStatusFerias, std::string& pnDecTerceiro,
                            automation::Date& pnDtSolicitacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsFerias.*, RhsDadosPessoais.Nome "
        "FROM (( RhsFerias "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFerias.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "WHERE CodRegFerias = " + Key(pkCodRegFerias));
    Copy(*rs, "CodRegFerias", pkCodRegFerias);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "InicioAquisicao", pnInicioAquisicao);
    Copy(*rs, "FimAquisicao", pnFimAquisicao);
    Copy(*rs, "DiasAGozar", pnDiasAGozar);
    Copy(*rs, "ValorFerias", pnValorFerias);
    Copy(*rs, "InicioFerias", pnInicioFerias);
    Copy(*rs, "FimFerias", pnFimFerias);
    Copy(*rs, "DiasGozados", pnDiasGozados);
    Copy(*rs, "StatusFerias", pnStatusFerias);
    Copy(*rs, "DecTerceiro", pnDecTerceiro);
    Copy(*rs, "DtSolicitacao", pnDtSolicitacao);
    rs->Close();
  });
}

void classFerias::ExcFerias(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                            std::string& SourceMachine, std::int32_t& pkCodRegFerias) {
  Trapped(DescErr, [&] {
    const std::string key = Key(pkCodRegFerias);
    // The base date belongs to the record's employee, looked up before the record goes.
    std::optional<std::int32_t> employee;
    {
      RecordsetPtr rs = Open(ConnRH, "SELECT CodFuncionario FROM RhsFerias " "WHERE CodRegFerias = " + key);
      if (!rs->EOF_() && !rs->Fields("CodFuncionario").Value().is_null()) {
        std::int32_t cod = 0;
        Copy(*rs, "CodFuncionario", cod);
        employee = cod;
      }
      rs->Close();
    }
    if (employee) {
      classDadosFuncionario record;
      Variant none(automation::Null);
      record.pAltDataBaseFerias(ConnRH, DescErr, User, SourceMachine, *employee, none);
    }
    Execute(ConnRH, "DELETE FROM RhsFerias " "WHERE CodRegFerias = " + key);
  });
}

void classFerias::CarFerias(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                            Variant& pkCodFuncionario, Variant& pnInicioAquisicao, Variant& pnFimAquisicao,
                            Variant& pnInicioFerias, Variant& pnFimFerias, Variant& pnStatusFerias,
                            Variant& pnNomeFuncionario, Variant&, Variant&, Variant&) {
  static constexpr Column kNameColumns[] = {
      {"CodRegFerias"}, {"CodFuncionario"}, {"NomeFuncionario", "Nome"}, {"InicioAquisicao"},
      {"FimAquisicao"}, {"DiasAGozar"},     {"ValorFerias"},             {"InicioFerias"},
      {"FimFerias"},    {"DiasGozados"},    {"StatusFerias"},            {"DecTerceiro"},
      {"ValorFerias"},  {"DtSolicitacao"}};
  static constexpr Column kPlainColumns[] = {
      {"CodRegFerias"}, {"CodFuncionario"}, {"InicioAquisicao"}, {"FimAquisicao"}, {"DiasAGozar"},
      {"ValorFerias"},  {"InicioFerias"},   {"FimFerias"},       {"DiasGozados"},  {"StatusFerias"},
      {"DecTerceiro"},  {"ValorFerias"},    {"DtSolicitacao"}};
  Trapped(DescErr, [&] {
    const bool by_name =
        !pnNomeFuncionario.is_null() && !automation::Trim(automation::CStr(pnNomeFuncionario)).empty();
    std::string statement;
    std::string conditions;
    if (by_name) {
      statement = " SELECT RhsFerias.*, RHsDadosPessoais.Nome, RHsDadosFuncionario.CodIndividual"
                  " From RhsFerias, RHsDadosPessoais, RHsDadosFuncionario"
                  " Where RhsFerias.CodFuncionario = RHsDadosFuncionario.CodFuncionario"
                  " AND RHsDadosFuncionario.CodIndividual = RHsDadosPessoais.CodIndividual"
                  " AND UPPER(RHsDadosPessoais.Nome) LIKE " + sql::UpperText(pnNomeFuncionario);
      const auto also = [&conditions](const Variant& value, std::string_view fragment, auto literal) {
        if (!value.is_null()) conditions += " AND " + std::string(fragment) + literal(value);
      };
      also(pkCodFuncionario, "RhsFerias.CodFuncionario = ", LeadingNumber);
      also(pnInicioAquisicao, "InicioAquisicao = ", DateOrText);
      also(pnFimAquisicao, "FimAquisicao = ", DateOrText);
      also(pnInicioFerias, "", VacationStart);
      also(pnFimFerias, "FimFerias = ", DateOrText);
      also(pnStatusFerias, "RHsFerias.StatusFerias = ", sql::Text);
    } else {
      statement = " SELECT *" " FROM RhsFerias ";
      sql::Filter where;
      where.Add(pkCodFuncionario, "CodFuncionario = ", LeadingNumber);
      where.Add(pnInicioAquisicao, "InicioAquisicao = ", DateOrText);
      where.Add(pnFimAquisicao, "FimAquisicao = ", DateOrText);
      where.Add(pnInicioFerias, "", VacationStart);
      where.Add(pnFimFerias, "FimFerias = ", DateOrText);
      where.Add(pnStatusFerias, "StatusFerias = ", sql::Text);
      conditions = where.Clause();
    }
    statement += conditions + " " "ORDER BY RHsFerias.InicioAquisicao, RHsFerias.FimAquisicao ";
    fAjustaSql(ConnRH, statement);
    if (by_name) {
      // The joined person's CodIndividual makes a fifteenth column, Empty throughout.
      LoadWideList(ConnRH, statement, vlArray, kNameColumns);
    } else {
      LoadList(ConnRH, statement, vlArray, kPlainColumns);
    }
  });
}

void classFerias::AltFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                            std::int32_t& pkCodRegFerias, std::int32_t& pkCodFuncionario,
                            automation::Date& pnInicioAquisicao, automation::Date& pnFimAquisicao,
                            std::int16_t& pnDiasAGozar, double& pnValorFerias, Variant& pnInicioFerias,
                            Variant& pnFimFerias, std::int16_t& pnDiasGozados, std::string& pnStatusFerias,
                            std::string& pnDecTerceiro) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsFerias SET "
                    "CodFuncionario = " + Key(pkCodFuncionario) + ", "
                    "InicioAquisicao = " + Day(pnInicioAquisicao) + ", "
                    "FimAquisicao = " + Day(pnFimAquisicao) + ", "
                    "DiasAGozar = " + std::to_string(pnDiasAGozar) + ", "
                    "ValorFerias = " + sql::Number(Variant(pnValorFerias)) + ", "
                    "InicioFerias  = " + sql::OptionalDate(pnInicioFerias) + " , "
                    "FimFerias = " + sql::OptionalDate(pnFimFerias) + ", "
                    "DiasGozados = " + std::to_string(pnDiasGozados) + ", "
                    "StatusFerias = " + sql::Quote(pnStatusFerias) + ", "
                    "DecTerceiro = " + sql::Quote(pnDecTerceiro) +
                    "WHERE CodRegFerias = " + Key(pkCodRegFerias));
  });
}

void classFerias::IncFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                            std::int32_t& pkCodRegFerias, std::int32_t& pkCodFuncionario,
                            automation::Date& pnInicioAquisicao, automation::Date& pnFimAquisicao,
                            std::int16_t& pnDiasAGozar, double& pnValorFerias, Variant& pnInicioFerias,
                            Variant& pnFimFerias, std::int16_t& pnDiasGozados, std::string& pnStatusFerias,
                            std::string& pnDecTerceiro, Variant& pnDtSolicitacao) {
  Trapped(DescErr, [&] {
    const auto key = fProxCodigo(ConnRH, DescErr);
    pkCodRegFerias = key.value_or(0);
    if (!key) return;
    Execute(ConnRH, "INSERT INTO RhsFerias ("
                    "CodRegFerias, CodFuncionario, InicioAquisicao, FimAquisicao, DiasAGozar, "
                    "ValorFerias, InicioFerias, FimFerias, DiasGozados, StatusFerias, DecTerceiro, DtSolicitacao) "
                    "VALUES ("
                    " " + Key(*key) + ", "
                    " " + Key(pkCodFuncionario) + ", " +
                    Day(pnInicioAquisicao) + ", " +
                    Day(pnFimAquisicao) + ", "
                    " " + std::to_string(pnDiasAGozar) + ", "
                    " " + sql::Number(Variant(pnValorFerias)) + ", "
                    " " + sql::OptionalDate(pnInicioFerias) + ", "
                    " " + sql::OptionalDate(pnFimFerias) + ", "
                    " " + std::to_string(pnDiasGozados) + ", " +
                    sql::Quote(pnStatusFerias) + ", " +
                    sql::Quote(pnDecTerceiro) + ", " +
                    sql::OptionalDate(pnDtSolicitacao) + ")");
  });
}

void classFerias::pAltStatusFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                   std::int32_t& pkCodRegFerias, std::string& pnStatusFerias) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsFerias SET "
                    "StatusFerias = " + sql::Quote(pnStatusFerias) +
                    "WHERE CodRegFerias = " + Key(pkCodRegFerias));
  });
}

void classFerias::pAltStatusDecTerceiro(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodRegFerias, std::string& pnStatus) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsFerias SET "
                    "DecTerceiro = " + sql::Quote(pnStatus) +
                    " WHERE CodRegFerias = " + Key(pkCodRegFerias));
  });
}

std::optional<std::int32_t> classFerias::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegFerias) AS MaxCod " "FROM RhsFerias");
}

const com::ClassDescription<classFerias>& classFerias::Description() {
  using C = classFerias;
  static const com::ClassDescription<C> d{
      "Quorvel.classFerias",
      {
          com::Method<&C::BusFerias>(
              "BusFerias", {"ConnRH", "DescErr", "pkCodRegFerias", "pkCodFuncionario", "pnNome",
                            "pnInicioAquisicao", "pnFimAquisicao", "pnDiasAGozar", "pnValorFerias",
                            "pnInicioFerias", "pnFimFerias", "pnDiasGozados", "pnStatusFerias", "pnDecTerceiro",
                            "pnDtSolicitacao"}),
          com::Method<&C::ExcFerias>("ExcFerias", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFerias"}),
          com::Method<&C::CarFerias>(
              "CarFerias", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario", "pnInicioAquisicao",
                            "pnFimAquisicao", "pnInicioFerias", "pnFimFerias", "pnStatusFerias",
                            "pnNomeFuncionario", "pnDecTerceiro", "pnValorFerias", "pnDtSolicitacao"}),
          com::Method<&C::AltFerias>(
              "AltFerias", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFerias", "pkCodFuncionario",
                            "pnInicioAquisicao", "pnFimAquisicao", "pnDiasAGozar", "pnValorFerias",
                            "pnInicioFerias", "pnFimFerias", "pnDiasGozados", "pnStatusFerias", "pnDecTerceiro"}),
          com::Method<&C::IncFerias>(
              "IncFerias", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFerias", "pkCodFuncionario",
                            "pnInicioAquisicao", "pnFimAquisicao", "pnDiasAGozar", "pnValorFerias",
                            "pnInicioFerias", "pnFimFerias", "pnDiasGozados", "pnStatusFerias", "pnDecTerceiro",
                            "pnDtSolicitacao"}),
          com::Method<&C::pAltStatusFerias>(
              "pAltStatusFerias", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFerias", "pnStatusFerias"}),
          com::Method<&C::pAltStatusDecTerceiro>(
              "pAltStatusDecTerceiro", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFerias", "pnStatus"}),
      }};
  return d;
}

}  // namespace quorvel
