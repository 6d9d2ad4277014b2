// SPDX-License-Identifier: MIT
#include "quorvel/administration/classFerias.h"

#include <utility>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/text.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_values.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"
#include "quorvel/personnel/classDadosFuncionario.h"

namespace quorvel {

using automation::Variant;

namespace {


// A date filter as given: a date as a date literal, text quoted as it stands
// (as the database keeps dates, DateTextFor).
std::string DateOrText(ado::Connection& ConnRH, const Variant& value) {
  return value.is_string() ? sql::Quote(DateTextFor(ConnRH, value.as_string())) : sql::Date(value);
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

// A bound of the acquisition period compared with AnoMes: a date as the
// date text, a year-month number as it stands.
std::string PeriodBound(const std::string& value) {
  const Variant v(value);
  return sql::Quote(automation::IsDate(v) ? fFormataDataSql(v) : value);
}

// The insert ends with its request date and no blank after it; the update's
// last value meets WHERE.
constexpr sql::Ends kEnds{.values = ")", .set = ""};

// The columns of RhsFerias in table order, under `key`; the vacation dates
// and the request date (the insert's alone) as their literals.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, const automation::Date& pnInicioAquisicao,
                         const automation::Date& pnFimAquisicao, std::int16_t pnDiasAGozar, double pnValorFerias,
                         std::string start, std::string end, std::int16_t pnDiasGozados,
                         const std::string& pnStatusFerias, const std::string& pnDecTerceiro, std::string requested) {
  using sql::kBlank;
  return {{"CodRegFerias", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"InicioAquisicao", sql::Date(pnInicioAquisicao)},
          {"FimAquisicao", sql::Date(pnFimAquisicao)},
          {"DiasAGozar", sql::Number(pnDiasAGozar), kBlank},
          {"ValorFerias", sql::Number(pnValorFerias), kBlank},
          {"InicioFerias", std::move(start), kBlank, {.assign = "  = ", .after_set = " , "}},
          {"FimFerias", std::move(end), kBlank},
          {"DiasGozados", sql::Number(pnDiasGozados), kBlank},
          {"StatusFerias", sql::Quote(pnStatusFerias)},
          {"DecTerceiro", sql::Quote(pnDecTerceiro)},
          {"DtSolicitacao", std::move(requested), sql::kTight, sql::kInsertOnly}};
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
        "WHERE CodRegFerias = " + sql::Number(pkCodRegFerias));
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
    const std::string key = sql::Number(pkCodRegFerias);
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
    const auto date_or_text = [&ConnRH](const Variant& value) { return DateOrText(ConnRH, value); };
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
      also(pnInicioAquisicao, "InicioAquisicao = ", date_or_text);
      also(pnFimAquisicao, "FimAquisicao = ", date_or_text);
      also(pnInicioFerias, "", VacationStart);
      also(pnFimFerias, "FimFerias = ", date_or_text);
      also(pnStatusFerias, "RHsFerias.StatusFerias = ", sql::Text);
    } else {
      statement = " SELECT *" " FROM RhsFerias ";
      sql::Filter where;
      where.Add(pkCodFuncionario, "CodFuncionario = ", LeadingNumber);
      where.Add(pnInicioAquisicao, "InicioAquisicao = ", date_or_text);
      where.Add(pnFimAquisicao, "FimAquisicao = ", date_or_text);
      where.Add(pnInicioFerias, "", VacationStart);
      where.Add(pnFimFerias, "FimFerias = ", date_or_text);
      where.Add(pnStatusFerias, "StatusFerias = ", sql::Text);
      conditions = where.Clause();
    }
    statement += conditions + " " "ORDER BY RHsFerias.InicioAquisicao, RHsFerias.FimAquisicao ";
    fAjustaSql(ConnRH, statement);
    if (by_name) {
      // Fifteen columns whatever the table's width: the last one Empty throughout.
      LoadList(ConnRH, statement, vlArray, kNameColumns, 15);
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
    const std::string start = sql::OptionalDate(pnInicioFerias);
    const std::string end = sql::OptionalDate(pnFimFerias);
    // The update leaves the request date as it is.
    Execute(ConnRH, sql::Update("RhsFerias",
                                Columns(pkCodRegFerias, pkCodFuncionario, pnInicioAquisicao, pnFimAquisicao,
                                        pnDiasAGozar, pnValorFerias, start, end, pnDiasGozados, pnStatusFerias,
                                        pnDecTerceiro, {}),
                                "WHERE CodRegFerias = " + sql::Number(pkCodRegFerias), kEnds));
  });
}

void classFerias::IncFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                            std::int32_t& pkCodRegFerias, std::int32_t& pkCodFuncionario,
                            automation::Date& pnInicioAquisicao, automation::Date& pnFimAquisicao,
                            std::int16_t& pnDiasAGozar, double& pnValorFerias, Variant& pnInicioFerias,
                            Variant& pnFimFerias, std::int16_t& pnDiasGozados, std::string& pnStatusFerias,
                            std::string& pnDecTerceiro, Variant& pnDtSolicitacao) {
  Trapped(DescErr, [&] {
    // The dates are converted before anything is sent: a request date that is
    // Null (94) or Empty (13), or an Empty vacation date (13), sends nothing.
    pkCodRegFerias = 0;
    const std::string start = sql::OptionalDate(pnInicioFerias);
    const std::string end = sql::OptionalDate(pnFimFerias);
    const std::string requested = sql::Date(pnDtSolicitacao);
    InsertWithNewKey(ConnRH, pkCodRegFerias, {"RhsFerias", "CodRegFerias"},
                     [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsFerias",
                                Columns(key, pkCodFuncionario, pnInicioAquisicao, pnFimAquisicao, pnDiasAGozar,
                                        pnValorFerias, start, end, pnDiasGozados, pnStatusFerias, pnDecTerceiro,
                                        requested),
                                kEnds));
    });
  });
}

void classFerias::pAltStatusFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                   std::int32_t& pkCodRegFerias, std::string& pnStatusFerias) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsFerias SET "
                    "StatusFerias = " + sql::Quote(pnStatusFerias) +
                    "WHERE CodRegFerias = " + sql::Number(pkCodRegFerias));
  });
}

void classFerias::pAltStatusDecTerceiro(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodRegFerias, std::string& pnStatus) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsFerias SET "
                    "DecTerceiro = " + sql::Quote(pnStatus) +
                    " WHERE CodRegFerias = " + sql::Number(pkCodRegFerias));
  });
}

void classFerias::pAltValorFeriasCOMDecimo(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                           std::string& SourceMachine, std::int32_t& pkCodFuncionario,
                                           std::string& pnAnoMesAnterior, std::int32_t& pnCodContraCheque,
                                           std::int32_t& pnCodRegFerias) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT TotalProventos FROM FlpCCCabecalho " "WHERE CodFuncionario = " +
                                       sql::Number(pkCodFuncionario) + " AND AnoMes = " + sql::Quote(pnAnoMesAnterior) +
                                       " AND Tipo = 'NOR'");
    if (rs->EOF_()) {
      rs->Close();
      pAltValorFeriasSEMDecimo(ConnRH, DescErr, User, SourceMachine, pnCodContraCheque, pnCodRegFerias);
      const std::string month =
          pnAnoMesAnterior.substr(pnAnoMesAnterior.size() < 2 ? 0 : pnAnoMesAnterior.size() - 2);
      DescErr = "9999 Funcionário sem Contra Cheque no mês de " +
                automation::MonthName(automation::CInt(Variant(month))) + "." + "\r" +
                "Férias calculadas sem parcela de Décimo Terceiro.";
      return;
    }
    double proventos = 0;
    Copy(*rs, "TotalProventos", proventos);
    rs->Close();
    const double decimo = automation::Round(proventos / 2, 2);
    rs = Open(ConnRH, "SELECT TotalLiquido FROM FlpCCCabecalho " "WHERE CodContracheque = " +
                          sql::Number(pnCodContraCheque) + " AND Tipo = 'FER'");
    double liquido = 0;
    Copy(*rs, "TotalLiquido", liquido);
    const std::string valor = fFormataNumeroSql(Variant(automation::Round(liquido + decimo, 2)));
    Execute(ConnRH, "UPDATE FlpCCCabecalho SET " "TotalProventos = " + valor + " WHERE CodContracheque = " +
                        sql::Number(pnCodContraCheque) + " AND Tipo = 'FER'");
    Execute(ConnRH,
            "UPDATE RhsFerias SET " "ValorFerias = " + valor + " WHERE CodRegFerias = " + sql::Number(pnCodRegFerias));
    rs->Close();
  });
}

void classFerias::pAltValorFeriasSEMDecimo(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                           std::string&, std::int32_t& pkCodContracheque,
                                           std::int32_t& pnCodRegFerias) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT TotalLiquido FROM FlpCCCabecalho " "WHERE CodContraCheque = " +
                                       sql::Number(pkCodContracheque) + " AND Tipo = 'FER'");
    if (!rs->EOF_()) {
      double liquido = 0;
      Copy(*rs, "TotalLiquido", liquido);
      Execute(ConnRH, "UPDATE RhsFerias SET " "ValorFerias = " + fFormataNumeroSql(liquido) +
                          " WHERE CodRegFerias = " + sql::Number(pnCodRegFerias));
    }
    rs->Close();
  });
}

void classFerias::pCalculaMediaEvento(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                                      std::string& SourceMachine, std::int32_t& pkCodFuncionario,
                                      std::int32_t& pkCodContracheque, std::string& pnDtIniAqui,
                                      std::string& pnDtFinAqui) {
  Trapped(DescErr, [&] {
    // Two year-month numbers a year apart make twelve months; any other span none.
    const double months = automation::Val(pnDtFinAqui) - automation::Val(pnDtIniAqui) == 100 ? 12 : 0;
    RecordsetPtr rs = Open(ConnRH, " SELECT CodContraCheque FROM FlpCCCabecalho" " WHERE CodFuncionario = " +
                                       sql::Number(pkCodFuncionario) + " AND AnoMes >= " + PeriodBound(pnDtIniAqui) +
                                       " AND AnoMes <= " + PeriodBound(pnDtFinAqui) + " AND Tipo = 'NOR'");
    std::string payslips;
    for (; !rs->EOF_(); rs->MoveNext()) {
      if (!payslips.empty()) payslips += " OR ";
      payslips += "CodContraCheque = " + automation::CStr(Record(*rs).Field("CodContracheque"));
    }
    rs->Close();
    if (payslips.empty()) return;
    rs = Open(ConnRH, " SELECT COUNT(FlpCCItens.CodEventoDet)AS Contador,FlpCCItens.CodEventoDet "
                      " FROM FlpCCItens, FlpEventoDetalhe"
                      " WHERE FlpCCItens.CodEventoDet = FlpEventoDetalhe.CodEventoDet"
                      " AND FlpEventoDetalhe.IncidFerias = 'S'" " AND (" + payslips + ")" +
                          " AND FlpCCItens.Unidade = 'H'" " GROUP BY FlpCCItens.CodEventoDet");
    for (; !rs->EOF_(); rs->MoveNext()) {
      std::int32_t evento = 0;
      Copy(*rs, "CodEventoDet", evento);
      // The total of the hours that Contador counts: the event's hour items on the period's payslips.
      RecordsetPtr items = Open(ConnRH, " SELECT Unidade, Referencia ,Valor FROM FlpCCItens" " WHERE CodEventoDet = " +
                                            sql::Number(evento) + " AND (" + payslips + ")" + " AND Unidade = 'H'");
      double total = 0;
      std::string unidade = "H";
      for (; !items->EOF_(); items->MoveNext()) {
        double referencia = 0;
        Copy(*items, "Referencia", referencia);
        total += referencia;
      }
      items->Close();
      if (months == 0) automation::raise(11);
      double media = automation::Round(total / months, 2), zero = 0;
      std::int32_t key = 0, none = 0;
      if (!mobjCCItens) mobjCCItens = std::make_unique<classCCItens>();
      mobjCCItens->IncCCItens(ConnRH, DescErr, User, SourceMachine, key, pkCodContracheque, evento, media, unidade,
                              zero, none, none, none, none);
    }
    rs->Close();
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
          com::Method<&C::pAltValorFeriasCOMDecimo>(
              "pAltValorFeriasCOMDecimo", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodFuncionario",
                                           "pnAnoMesAnterior", "pnCodContraCheque", "pnCodRegFerias"}),
          com::Method<&C::pAltValorFeriasSEMDecimo>(
              "pAltValorFeriasSEMDecimo",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodContracheque", "pnCodRegFerias"}),
          com::Method<&C::pAltStatusDecTerceiro>(
              "pAltStatusDecTerceiro", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFerias", "pnStatus"}),
          com::Method<&C::pCalculaMediaEvento>(
              "pCalculaMediaEvento", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodFuncionario",
                                      "pkCodContracheque", "pnDtIniAqui", "pnDtFinAqui"}),
      }};
  return d;
}

}  // namespace quorvel
