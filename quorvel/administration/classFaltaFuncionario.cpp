// SPDX-License-Identifier: MIT
#include "quorvel/administration/classFaltaFuncionario.h"

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/administration/classTipoFalta.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

Variant Justification(Record& r) { return JustificationWords(r.Field("Justificativa")); }


// The columns of RhsFaltaFuncionario in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int32_t pkCodTipoFalta,
                         const Variant& pnDataInicio, const Variant& pnDataFinal, const Variant& pnNrHoras,
                         const std::string& pnObservacao) {
  using sql::kBlank;
  return {{"CodRegFaltaFuncionario", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoFalta", sql::Number(pkCodTipoFalta), kBlank},
          {"DataInicio", sql::OptionalDate(pnDataInicio), kBlank},
          {"DataFinal", sql::OptionalDate(pnDataFinal), kBlank},
          {"NrHoras", sql::OptionalTime(pnNrHoras), kBlank},
          {"Observacao", sql::Quote(pnObservacao)}};
}

}  // namespace

void classFaltaFuncionario::BusFaltaFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegFaltaFuncionario,
    std::int32_t& pkCodFuncionario, std::int32_t& pkCodIndividual, std::string& pnNome, std::int32_t& pkCodTipoFalta,
    std::string& pnDescrTipoFalta, std::string& pnJustificativa, Variant& pnDataInicio, Variant& pnDataFinal,
    Variant& pnNrHoras, std::string& pnObservacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsFaltaFuncionario.*, RhsDadosPessoais.Nome, "
        "RhsDadosPessoais.CodIndividual, RhsTipoFalta.DescrTipoFalta, "
        "RhsTipoFalta.Justificativa "
        "FROM ((( RhsFaltaFuncionario "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFaltaFuncionario.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoFalta ON RhsTipoFalta.CodTipoFalta = RhsFaltaFuncionario.CodTipoFalta) "
        "WHERE CodRegFaltaFuncionario = " + sql::Number(pkCodRegFaltaFuncionario));
    Copy(*rs, "CodRegFaltaFuncionario", pkCodRegFaltaFuncionario);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "CodIndividual", pkCodIndividual);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoFalta", pkCodTipoFalta);
    Copy(*rs, "DescrTipoFalta", pnDescrTipoFalta);
    Copy(*rs, "Justificativa", pnJustificativa);
    Copy(*rs, "DataInicio", pnDataInicio);
    Copy(*rs, "DataFinal", pnDataFinal);
    Copy(*rs, "NrHoras", pnNrHoras);
    Copy(*rs, "Observacao", pnObservacao);
    rs->Close();
  });
}

void classFaltaFuncionario::ExcFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodRegFaltaFuncionario) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsFaltaFuncionario "
                    "WHERE CodRegFaltaFuncionario = " + sql::Number(pkCodRegFaltaFuncionario));
  });
}

void classFaltaFuncionario::CarFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                                Variant& pkCodRegFaltaFuncionario, Variant& pkCodFuncionario,
                                                Variant& pkCodIndividual, Variant& pkCodTipoFalta,
                                                Variant& pnJustificativa, Variant& pnObservacao) {
  static constexpr Column kColumns[] = {
      {"CodRegFaltaFuncionario"}, {"CodIndividual"}, {"CodFuncionario"},
      {"Nome"},                   {"CodTipoFalta"},  {"DescrTipoFalta"},
      {"Justificativa", {}, &Justification},         {"DataInicio"},
      {"DataFinal"},              {"NrHoras"},       {"Observacao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegFaltaFuncionario, "CodRegFaltaFuncionario LIKE ", sql::Text);
    where.Add(pkCodFuncionario, "RhsFaltaFuncionario.CodFuncionario LIKE ", sql::Text);
    where.Add(pkCodIndividual, "RhsDadosPessoais.CodIndividual LIKE ", sql::Text);
    where.Add(pkCodTipoFalta, "RhsFaltaFuncionario.CodTipoFalta LIKE ", sql::Text);
    where.Add(pnJustificativa, "UPPER(RhsTipoFalta.Justificativa) LIKE ", sql::UpperText);
    where.Add(pnObservacao, "UPPER(Observacao) LIKE ", sql::UpperText);
    std::string statement =
        " SELECT RhsFaltaFuncionario.*, RhsDadosPessoais.Nome, "
        " RhsDadosPessoais.CodIndividual, RhsTipoFalta.DescrTipoFalta,"
        " RhsTipoFalta.Justificativa "
        " FROM RhsFaltaFuncionario"
        " LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFaltaFuncionario.CodFuncionario"
        " LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual"
        " LEFT JOIN RhsTipoFalta ON RhsTipoFalta.CodTipoFalta = RhsFaltaFuncionario.CodTipoFalta  " +
        where.Clause() + " ORDER BY DataInicio DESC";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classFaltaFuncionario::AltFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodRegFaltaFuncionario,
                                                std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoFalta,
                                                Variant& pnDataInicio, Variant& pnDataFinal, Variant& pnNrHoras,
                                                std::string& pnObservacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsFaltaFuncionario",
                                Columns(pkCodRegFaltaFuncionario, pkCodFuncionario, pkCodTipoFalta, pnDataInicio,
                                        pnDataFinal, pnNrHoras, pnObservacao),
                                "WHERE CodRegFaltaFuncionario = " + sql::Number(pkCodRegFaltaFuncionario)));
  });
}

double classFaltaFuncionario::fNrFaltasPeriodo(ado::Connection& ConnRH, std::string& DescErr,
                                               automation::Date& pnDataInicial, automation::Date& pnDataFinal,
                                               Variant& pnJustificativa, Variant& pkCodFuncionario,
                                               Variant& pkCodFilial, Variant& pkCodCA) {
  double result = -1;
  Trapped(DescErr, [&] {
    const std::string first = sql::Date(Variant(pnDataInicial));
    const std::string last = sql::Date(Variant(pnDataFinal));
    // Days from the start to the end date, cut at the period's end; one day
    // when the end is missing or before the start.
    const std::string days = DateDays(ConnRH, "(CASE WHEN DataFinal IS NULL OR DataFinal < DataInicio THEN DataInicio "
                                              "WHEN DataFinal > " + last + " THEN " + last + " ELSE DataFinal END)") +
                             " + 1 - " + DateDays(ConnRH, "DataInicio");
    std::string statement =
        " SELECT SUM (" + days + ") AS NrFaltas "
        "FROM ((RhsFaltaFuncionario "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFaltaFuncionario.CodFuncionario) "
        "LEFT JOIN RhsTipoFalta ON RhsTipoFalta.CodTipoFalta = RhsFaltaFuncionario.CodTipoFalta) "
        "WHERE DataInicio BETWEEN " + first + " AND " + last + " ";
    const auto also = [&statement](const Variant& value, std::string_view condition, sql::Filter::Literal literal) {
      if (!value.is_null()) statement += " AND " + std::string(condition) + literal(value);
    };
    also(pnJustificativa, "UPPER(Justificativa) LIKE ", sql::UpperText);
    also(pkCodFuncionario, " RhsDadosFuncionario.CodFuncionario LIKE ", sql::Text);
    also(pkCodFilial, " RhsDadosFuncionario.CodFilial  LIKE ", sql::Text);
    also(pkCodCA, "  RhsDadosFuncionario.CodCA  LIKE ", sql::Text);
    RecordsetPtr rs = Open(ConnRH, statement);
    if (!rs->EOF_()) {
      Variant total;
      Copy(*rs, "NrFaltas", total);
      result = total.is_null() ? 0 : automation::Int(automation::CDbl(total));
    }
    rs->Close();
  });
  return result;
}

void classFaltaFuncionario::IncFaltaFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                std::string&, std::int32_t& pkCodRegFaltaFuncionario,
                                                std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoFalta,
                                                Variant& pnDataInicio, Variant& pnDataFinal, Variant& pnNrHoras,
                                                std::string& pnObservacao) {
  InsertTrapped(ConnRH, DescErr, pkCodRegFaltaFuncionario, {"RhsFaltaFuncionario", "CodRegFaltaFuncionario"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsFaltaFuncionario", Columns(key, pkCodFuncionario, pkCodTipoFalta, pnDataInicio,
                                                               pnDataFinal, pnNrHoras, pnObservacao)));
  });
}

std::optional<std::int32_t> classFaltaFuncionario::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegFaltaFuncionario) AS MaxCod " "FROM RhsFaltaFuncionario ");
}

const com::ClassDescription<classFaltaFuncionario>& classFaltaFuncionario::Description() {
  using C = classFaltaFuncionario;
  static const com::ClassDescription<C> d{
      "Quorvel.classFaltaFuncionario",
      {
          com::Method<&C::BusFaltaFuncionario>(
              "BusFaltaFuncionario",
              {"ConnRH", "DescErr", "pkCodRegFaltaFuncionario", "pkCodFuncionario", "pkCodIndividual", "pnNome",
               "pkCodTipoFalta", "pnDescrTipoFalta", "pnJustificativa", "pnDataInicio", "pnDataFinal", "pnNrHoras",
               "pnObservacao"}),
          com::Method<&C::ExcFaltaFuncionario>(
              "ExcFaltaFuncionario", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFaltaFuncionario"}),
          com::Method<&C::CarFaltaFuncionario>(
              "CarFaltaFuncionario", {"ConnRH", "DescErr", "vlArray", "pkCodRegFaltaFuncionario", "pkCodFuncionario",
                                      "pkCodIndividual", "pkCodTipoFalta", "pnJustificativa", "pnObservacao"}),
          com::Method<&C::AltFaltaFuncionario>(
              "AltFaltaFuncionario",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFaltaFuncionario", "pkCodFuncionario",
               "pkCodTipoFalta", "pnDataInicio", "pnDataFinal", "pnNrHoras", "pnObservacao"}),
          com::Method<&C::fNrFaltasPeriodo>(
              "fNrFaltasPeriodo", {"ConnRH", "DescErr", "pnDataInicial", "pnDataFinal", "pnJustificativa",
                                   "pkCodFuncionario", "pkCodFilial", "pkCodCA"}),
          com::Method<&C::IncFaltaFuncionario>(
              "IncFaltaFuncionario",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegFaltaFuncionario", "pkCodFuncionario",
               "pkCodTipoFalta", "pnDataInicio", "pnDataFinal", "pnNrHoras", "pnObservacao"}),
      }};
  return d;
}

}  // namespace quorvel
