// SPDX-License-Identifier: MIT
#include "quorvel/administration/classCCItens.h"

#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of FlpCCItens in table order, under `key`. The insert writes a
// missing event detail (0) as Null, right after its comma.
sql::ColumnTable Columns(sql::Write write, std::int32_t key, std::int32_t pkCodContracheque,
                         std::int32_t pkCodEventoDet, double pnReferencia, const std::string& pnUnidade,
                         double pnValor, std::int32_t pnCodEventoFerias, std::int32_t pnCodEventoAdicFerias,
                         std::int32_t pnCodEventoAbono, std::int32_t pnCodEventoAdicAbono) {
  using sql::kBlank;
  // An optional event code: Null for 0, otherwise its digits quoted (within
  // parentheses in the insert).
  const auto event = [write](std::int32_t code) -> std::string {
    if (code == 0) return "Null";
    const std::string quoted = sql::Quote(sql::Number(code));
    return write == sql::kInsert ? "(" + quoted + ")" : quoted;
  };
  const bool no_detail = write == sql::kInsert && pkCodEventoDet == 0;
  return {{"CodItemDetalheCC", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodContracheque", sql::Number(pkCodContracheque), kBlank},
          {"CodEventoDet", no_detail ? "Null" : sql::Number(pkCodEventoDet), kBlank,
           {.after_value = no_detail ? "," : ", "}},
          {"Referencia", fFormataNumeroSql(pnReferencia), kBlank},
          {"Unidade", sql::Quote(pnUnidade)},
          {"Valor", fFormataNumeroSql(pnValor), kBlank},
          {"CodEventoFerias", event(pnCodEventoFerias), kBlank},
          {"CodEventoAdicFerias", event(pnCodEventoAdicFerias), kBlank},
          {"CodEventoAbono", event(pnCodEventoAbono), kBlank},
          {"CodEventoAdicAbono", event(pnCodEventoAdicAbono), kBlank}};
}

}  // namespace

void classCCItens::AltCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                              std::int32_t& pkCodItemDetalheCC, std::int32_t& pkCodContracheque,
                              std::int32_t& pkCodEventoDet, double& pnReferencia, std::string& pnUnidade,
                              double& pnValor, std::int32_t& pnCodEventoFerias, std::int32_t& pnCodEventoAdicFerias,
                              std::int32_t& pnCodEventoAbono, std::int32_t& pnCodEventoAdicAbono) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("FlpCCItens",
                                Columns(sql::kUpdate, pkCodItemDetalheCC, pkCodContracheque, pkCodEventoDet,
                                        pnReferencia, pnUnidade, pnValor, pnCodEventoFerias, pnCodEventoAdicFerias,
                                        pnCodEventoAbono, pnCodEventoAdicAbono),
                                "WHERE CodItemDetalheCC = " + sql::Number(pkCodItemDetalheCC)));
  });
}

void classCCItens::AltValorItemCC(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                  std::int32_t& pkCodItemDetalheCC, double& pnNovoValor) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE FlpCCItens SET " "Valor = " + fFormataNumeroSql(pnNovoValor) + " "
                    "WHERE CodItemDetalheCC = " + sql::Number(pkCodItemDetalheCC));
  });
}

void classCCItens::ExcCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                              std::int32_t& pkCodItemDetalheCC) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM FlpCCItens " "WHERE CodItemDetalheCC = " + sql::Number(pkCodItemDetalheCC));
  });
}

void classCCItens::BusCCItens(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodItemDetalheCC,
                              std::int32_t& pkCodContracheque, std::int32_t& pkCodEventoDet, std::string& pnAnoMes,
                              std::string& pnNome, std::string& pnNomeFil, std::string& pnCodEvento,
                              std::string& pnNomeEvento, double& pnReferencia, std::string& pnUnidade,
                              double& pnValor) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT FlpCCItens.*, FlpCCCabecalho.AnoMes, RhsDadosPessoais.Nome, "
        "RhsFilial.NomeFil, FlpEventoDetalhe.Nome AS NomeEvento,  "
        "FlpEvento.CodEvento, FlpEvento.DescrEvento "
        "FROM ((((((FlpCCItens "
        "LEFT JOIN FlpCCCabecalho on FlpCCCabecalho.CodContracheque = FlpCCItens.CodContracheque) "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = FlpCCCabecalho.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsDadosFuncionario.CodFilial) "
        "LEFT JOIN FlpEventoDetalhe ON FlpEventoDetalhe.CodEventoDet = FlpCCItens.CodEventoDet) "
        "LEFT JOIN FlpEvento ON FlpEvento.CodEvento = FlpEventoDetalhe.CodEvento) "
        "WHERE CodItemDetalheCC = " + sql::Number(pkCodItemDetalheCC));
    Copy(*rs, "CodItemDetalheCC", pkCodItemDetalheCC);
    Copy(*rs, "CodContracheque", pkCodContracheque);
    Copy(*rs, "CodEventoDet", pkCodEventoDet);
    Copy(*rs, "AnoMes", pnAnoMes);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "NomeFil", pnNomeFil);
    Copy(*rs, "CodEvento", pnCodEvento);
    Copy(*rs, "NomeEvento", pnNomeEvento);
    Copy(*rs, "Referencia", pnReferencia);
    Copy(*rs, "Unidade", pnUnidade);
    Copy(*rs, "Valor", pnValor);
    rs->Close();
  });
}

void classCCItens::CarCCItens(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                              Variant& pkCodContracheque, Variant& pkCodFuncionario, Variant& pkCodEventoDet,
                              Variant& pnAnoMes, Variant& pnTipo) {
  static constexpr Column kColumns[] = {{"CodItemDetalheCC"}, {"CodContracheque"}, {"CodEventoDet"},
                                        {"CodEvento"},        {"Nome"},            {"Referencia"},
                                        {"Tipo"},             {"Unidade"},         {"Valor"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodContracheque, "CStr(FlpCCItens.CodContracheque) LIKE ", sql::Text);
    where.Add(pkCodFuncionario, "CStr(FlpCCCabecalho.CodFuncionario) LIKE ", sql::Text);
    where.Add(pkCodEventoDet, "CStr(FlpCCItens.CodEventoDet) LIKE ", sql::Text);
    where.Add(pnAnoMes, "AnoMes LIKE ", sql::Text);
    // The type listed is the event's; the payslip's type column would make the name ambiguous.
    where.Add(pnTipo, "FlpEventoDetalhe.Tipo LIKE ", sql::Text);
    LoadList(ConnRH,
             "SELECT FlpCCItens.*, FlpCCCabecalho.AnoMes, FlpCCCabecalho.CodFuncionario, "
             "FlpEventoDetalhe.CodEvento, FlpEventoDetalhe.Tipo, FlpEventoDetalhe.Nome "
             "FROM (((FlpCCItens "
             "LEFT JOIN FlpCCCabecalho ON FlpCCCabecalho.CodContracheque = FlpCCItens.CodContracheque) "
             "LEFT JOIN FlpEventoDetalhe ON FlpEventoDetalhe.CodEventoDet = FlpCCItens.CodEventoDet) "
             "LEFT JOIN FlpEvento ON FlpEvento.CodEvento = FlpEventoDetalhe.CodEvento) " +
                 where.Clause() + " ORDER BY FlpEventoDetalhe.CodEvento",
             vlArray, kColumns);
  });
}

void classCCItens::IncCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                              std::int32_t& pkCodItemDetalheCC, std::int32_t& pkCodContracheque,
                              std::int32_t& pkCodEventoDet, double& pnReferencia, std::string& pnUnidade,
                              double& pnValor, std::int32_t& pnCodEventoFerias, std::int32_t& pnCodEventoAdicFerias,
                              std::int32_t& pnCodEventoAbono, std::int32_t& pnCodEventoAdicAbono) {
  InsertTrapped(ConnRH, DescErr, pkCodItemDetalheCC, {"FlpCCItens", "CodItemDetalheCC"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("FlpCCItens",
                                Columns(sql::kInsert, key, pkCodContracheque, pkCodEventoDet, pnReferencia, pnUnidade,
                                        pnValor, pnCodEventoFerias, pnCodEventoAdicFerias, pnCodEventoAbono,
                                        pnCodEventoAdicAbono),
                                {.values = ")"}));
  });
}

std::optional<std::int32_t> classCCItens::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodItemDetalheCC) AS MaxCod " "FROM FlpCCItens");
}

const com::ClassDescription<classCCItens>& classCCItens::Description() {
  using C = classCCItens;
  static const com::ClassDescription<C> d{
      "Quorvel.classCCItens",
      {
          com::Method<&C::AltCCItens>("AltCCItens", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                     "pkCodItemDetalheCC", "pkCodContracheque", "pkCodEventoDet",
                                                     "pnReferencia", "pnUnidade", "pnValor", "pnCodEventoFerias",
                                                     "pnCodEventoAdicFerias", "pnCodEventoAbono",
                                                     "pnCodEventoAdicAbono"}),
          com::Method<&C::AltValorItemCC>("AltValorItemCC", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                             "pkCodItemDetalheCC", "pnNovoValor"}),
          com::Method<&C::ExcCCItens>("ExcCCItens",
                                      {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodItemDetalheCC"}),
          com::Method<&C::BusCCItens>("BusCCItens", {"ConnRH", "DescErr", "pkCodItemDetalheCC", "pkCodContracheque",
                                                     "pkCodEventoDet", "pnAnoMes", "pnNome", "pnNomeFil",
                                                     "pnCodEvento", "pnNomeEvento", "pnReferencia", "pnUnidade",
                                                     "pnValor"}),
          com::Method<&C::CarCCItens>("CarCCItens", {"ConnRH", "DescErr", "vlArray", "pkCodContracheque",
                                                     "pkCodFuncionario", "pkCodEventoDet", "pnAnoMes", "pnTipo"}),
          com::Method<&C::IncCCItens>("IncCCItens", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                     "pkCodItemDetalheCC", "pkCodContracheque", "pkCodEventoDet",
                                                     "pnReferencia", "pnUnidade", "pnValor", "pnCodEventoFerias",
                                                     "pnCodEventoAdicFerias", "pnCodEventoAbono",
                                                     "pnCodEventoAdicAbono"}),
      }};
  return d;
}

}  // namespace quorvel
