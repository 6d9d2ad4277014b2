// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classContratoFuncionario.h"

#include <cmath>
#include <optional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/bind.h"

#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// Hours of a filter: a number ("8,8" as text too), or a time of day given as
// a date or as "hh:mm" text (08:48 is 8.8).
std::string Hours(const Variant& v) {
  std::optional<automation::Date> time;
  if (const auto* d = v.get_if<automation::Date>()) {
    time = *d;
  } else if (const auto* text = v.get_if<std::string>(); text && !automation::IsNumeric(v)) {
    time = automation::ParseDate(*text);
  }
  if (!time) return sql::Single(v);
  const double minutes = std::round((time->value - std::floor(time->value)) * 24 * 60);
  return sql::Single(static_cast<float>(minutes / 60));
}

// csng('0.5 '): the surcharge filter keeps a blank before the closing quote.
std::string Surcharge(const Variant& v) {
  std::string literal = sql::Single(v);
  literal.insert(literal.size() - 2, " ");
  return literal;
}

Variant NoValidity(Record& r) {
  const Variant& v = r.Field("DataValidadeContr");
  return v.is_null() ? Variant("  /  /    ") : v;
}
Variant OpenContract(Record& r) {
  const Variant& v = r.Field("DataEncerramContr");
  return v.is_null() ? Variant("Em aberto") : v;
}

// The columns of RhsContratoFuncionario in table order, under `key`.
sql::ColumnTable Columns(sql::Write write, std::int32_t key, std::int32_t pkCodFuncionario,
                         std::int32_t pkCodTipoContrato, std::int32_t pkCodCargo,
                         const automation::Date& pnDataEmissaoContr, const Variant& pnDuracaoContr,
                         const Variant& pnDataValidadeContr, const Variant& pnDataEncerramContr,
                         const std::string& pnMotivoContrato, const std::string& pnPeriodoPagamentoContr,
                         std::uint8_t pkCodTipoSalario, double pnValorSalarioContr, float pnIndicePericulosidadeContr,
                         float pnIndiceInsalubridadeContr, float pnHorasDiarias, float pnHorasSemanais,
                         const std::string& pnHorarioTrabalho, const Variant& pnHorasExtrasNaoExcedentes,
                         const Variant& pnAcrescimoNaoExcedentes, const std::string& pnEmitido) {
  using sql::kBlank;
  // The singles as csng('...') in the insert, quoted numbers in the update;
  // the update's surcharge keeps a blank after its quote.
  const auto single = [write](float x) { return write == sql::kInsert ? sql::Single(x) : sql::Quote(sql::Number(x)); };
  const auto surcharge = [write](const Variant& v) {
    if (v.is_null()) return std::string("Null");
    return write == sql::kInsert ? sql::Single(v) : sql::Quote(sql::Number(v)) + " ";
  };
  return {{"CodRegContratoFuncionario", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoContrato", sql::Number(pkCodTipoContrato), kBlank},
          {"CodCargo", sql::Number(pkCodCargo), kBlank},
          {"DataEmissaoContr", sql::Date(pnDataEmissaoContr)},
          {"DuracaoContr", sql::OptionalNumber(pnDuracaoContr), kBlank},
          {"DataValidadeContr", sql::OptionalDate(pnDataValidadeContr), kBlank},
          {"DataEncerramContr", sql::OptionalDate(pnDataEncerramContr), kBlank, {.after_listed = ",  "}},
          {"MotivoContrato", sql::Quote(pnMotivoContrato), sql::kTight, {.after_listed = ","}},
          {"PeriodoPagamentoContr", sql::Quote(pnPeriodoPagamentoContr)},
          {"CodTipoSalario", sql::Number(pkCodTipoSalario), kBlank},
          {"ValorSalarioContr", sql::Quote(sql::Number(pnValorSalarioContr)), kBlank},
          {"IndicePericulosidadeContr", single(pnIndicePericulosidadeContr), kBlank},
          {"IndiceInsalubridadeContr", single(pnIndiceInsalubridadeContr), kBlank},
          {"HorasDiarias", single(pnHorasDiarias), kBlank},
          {"HorasSemanais", single(pnHorasSemanais), kBlank},
          {"HorarioTrabalho", sql::Quote(pnHorarioTrabalho)},
          {"HorasExtrasNaoExcedentes", sql::OptionalNumber(pnHorasExtrasNaoExcedentes), kBlank},
          {"AcrescimoNaoExcedentes", surcharge(pnAcrescimoNaoExcedentes), kBlank},
          {"Emitido", sql::Quote(pnEmitido)}};
}

}  // namespace

void classContratoFuncionario::BusContratoFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegContratoFuncionario,
    std::int32_t& pkCodFuncionario, std::string& pnNome, automation::Date& pnDataNasc,
    std::int32_t& pkCodTipoContrato, std::string& pnDescrTipoContrato, std::int32_t& pkCodCargo,
    std::string& pnNomeCargo, Variant& pnDataEmissaoContr, Variant& pnDuracaoContr, Variant& pnDataValidadeContr,
    Variant& pnDataEncerramContr, std::string& pnMotivoContrato, std::string& pnPeriodoPagamentoContr,
    std::uint8_t& pkCodTipoSalario, std::string& pnDescrTipoSalario, double& pnValorSalarioContr,
    float& pnIndicePericulosidadeContr, float& pnIndiceInsalubridadeContr, float& pnHorasDiarias,
    float& pnHorasSemanais, std::string& pnHorarioTrabalho, Variant& pnHorasExtrasNaoExcedentes,
    Variant& pnAcrescimoNaoExcedentes, std::string& pnEmitido) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsContratoFuncionario.*, RhsDadosPessoais.Nome,  "
        "RhsDadosPessoais.DataNasc, RhsTipoContrato.DescrTipoContrato,  "
        "RhsCargo.NomeCargo, RhsTipoSalario.TipoSalario "
        "FROM ((((( RhsContratoFuncionario "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsContratoFuncionario.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoContrato ON RhsTipoContrato.CodTipoContrato = RhsContratoFuncionario.CodTipoContrato) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsContratoFuncionario.CodCargo) "
        "LEFT JOIN RhsTipoSalario ON RhsTipoSalario.CodTipoSalario = RhsContratoFuncionario.CodTipoSalario) "
        "WHERE CodRegContratoFuncionario = " + sql::Number(pkCodRegContratoFuncionario));
    Copy(*rs, "CodRegContratoFuncionario", pkCodRegContratoFuncionario);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "DataNasc", pnDataNasc);
    Copy(*rs, "CodTipoContrato", pkCodTipoContrato);
    Copy(*rs, "DescrTipoContrato", pnDescrTipoContrato);
    Copy(*rs, "CodCargo", pkCodCargo);
    Copy(*rs, "NomeCargo", pnNomeCargo);
    Copy(*rs, "DataEmissaoContr", pnDataEmissaoContr);
    Copy(*rs, "DuracaoContr", pnDuracaoContr);
    Copy(*rs, "DataValidadeContr", pnDataValidadeContr);
    Copy(*rs, "DataEncerramContr", pnDataEncerramContr);
    Copy(*rs, "MotivoContrato", pnMotivoContrato);
    Copy(*rs, "PeriodoPagamentoContr", pnPeriodoPagamentoContr);
    Copy(*rs, "CodTipoSalario", pkCodTipoSalario);
    Copy(*rs, "TipoSalario", pnDescrTipoSalario);
    Copy(*rs, "ValorSalarioContr", pnValorSalarioContr);
    Copy(*rs, "IndicePericulosidadeContr", pnIndicePericulosidadeContr);
    Copy(*rs, "IndiceInsalubridadeContr", pnIndiceInsalubridadeContr);
    Copy(*rs, "HorasDiarias", pnHorasDiarias);
    Copy(*rs, "HorasSemanais", pnHorasSemanais);
    Copy(*rs, "HorarioTrabalho", pnHorarioTrabalho);
    Copy(*rs, "HorasExtrasNaoExcedentes", pnHorasExtrasNaoExcedentes);
    Copy(*rs, "AcrescimoNaoExcedentes", pnAcrescimoNaoExcedentes);
    Copy(*rs, "Emitido", pnEmitido);
    rs->Close();
  });
}

void classContratoFuncionario::AltEmissaoContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr,
                                                             std::string&, std::string&,
                                                             std::int32_t& pkCodRegContratoFuncionario,
                                                             std::string& pnEmitido) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsContratoFuncionario " "SET Emitido = " + sql::Quote(pnEmitido) + " "
                    "WHERE CodRegContratoFuncionario = " + sql::Number(pkCodRegContratoFuncionario));
  });
}

void classContratoFuncionario::fQuantContratosFuncionario(ado::Connection& ConnRH, std::string& DescErr,
                                                          std::int32_t& pkCodFuncionario, std::int32_t& result) {
  result = 0;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT COUNT(CodFuncionario) AS QuantContratosFuncionario "
                                   "FROM RhsContratoFuncionario "
                                   "WHERE CodFuncionario = " + sql::Number(pkCodFuncionario));
    std::int32_t count = 0;
    Copy(*rs, "QuantContratosFuncionario", count);
    result = count;
    rs->Close();
  });
}

void classContratoFuncionario::fExisteContratoEmAberto(ado::Connection& ConnRH, std::string& DescErr,
                                                       std::int32_t& pkCodFuncionario, bool& result) {
  result = false;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT CodFuncionario, DataEncerramContr "
                                   "FROM RhsContratoFuncionario "
                                   "WHERE CodFuncionario = " + sql::Number(pkCodFuncionario) + " "
                                   "AND (DataEncerramContr)IS NULL");
    result = !rs->EOF_();
    rs->Close();
  });
}

void classContratoFuncionario::ExcContratoFuncionario(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                      std::string&, std::int32_t& pkCodRegContratoFuncionario) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsContratoFuncionario "
                    "WHERE CodRegContratoFuncionario = " + sql::Number(pkCodRegContratoFuncionario));
  });
}

void classContratoFuncionario::CarContratoFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodRegContratoFuncionario,
    Variant& pkCodFuncionario, Variant& pkCodTipoContrato, Variant& pnNomeFil, Variant& pkCodCargo,
    Variant& pnNomeCargo, Variant& pnDataEmissaoContr, Variant& pnDuracaoContr, Variant& pnMotivoContrato,
    Variant& pnPeriodoPagamentoContr, Variant& pkCodTipoSalario, Variant& pnHorasDiarias, Variant& pnHorasSemanais,
    Variant& pnHorasExtrasNaoExcedentes, Variant& pnAcrescimoNaoExcedentes, Variant& pnEmitido) {
  static constexpr Column kColumns[] = {{"CodRegContratoFuncionario"},
                                        {"NomeFil"},
                                        {"NomeCargo"},
                                        {"DataEmissaoContr"},
                                        {"DataValidadeContr", {}, NoValidity},
                                        {"DataEncerramContr", {}, OpenContract}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegContratoFuncionario, "CStr(CodRegContratoFuncionario) LIKE ", sql::Text);
    where.Add(pkCodFuncionario, "RhsContratoFuncionario.CodFuncionario = ", sql::Number);
    where.Add(pkCodTipoContrato, "RhsContratoFuncionario.CodTipoContrato = ", sql::Number);
    where.Add(pnNomeFil, "UPPER(NomeFil) LIKE ", sql::UpperText);
    where.Add(pkCodCargo, "RhsContratoFuncionario.CodCargo = ", sql::Number);
    where.Add(pnNomeCargo, "UPPER(NomeCargo) LIKE ", sql::UpperText);
    where.Add(pnDataEmissaoContr, "DataEmissaoContr = ", sql::Date);
    where.Add(pnDuracaoContr, "UPPER(DuracaoContr) = ", sql::Number);
    where.Add(pnMotivoContrato, "UPPER(MotivoContrato) = ", sql::UpperText);
    where.Add(pnPeriodoPagamentoContr, "UPPER(PeriodoPagamentoContr) = ", sql::UpperText);
    where.Add(pkCodTipoSalario, "RhsContratoFuncionario.CodTipoSalario = ", sql::Number);
    where.Add(pnHorasDiarias, "RhsContratoFuncionario.HorasDiarias = ", Hours);
    where.Add(pnHorasSemanais, "RhsContratoFuncionario.HorasSemanais = ", Hours);
    where.Add(pnHorasExtrasNaoExcedentes, "RhsContratoFuncionario.HorasExtrasNaoExcedentes = ", sql::Number);
    where.Add(pnAcrescimoNaoExcedentes, "RhsContratoFuncionario.AcrescimoNaoExcedentes = ", Surcharge);
    where.Add(pnEmitido, "UPPER(Emitido) = ", sql::UpperText);
    std::string statement =
        "SELECT RhsContratoFuncionario.*, "
        "RhsFilial.NomeFil, RhsCargo.NomeCargo "
        "FROM ((( RhsContratoFuncionario "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsContratoFuncionario.CodFuncionario) "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsDadosFuncionario.CodFilial) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsContratoFuncionario.CodCargo) " +
        where.Clause() + " ORDER BY DataEmissaoContr DESC";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classContratoFuncionario::AltContratoFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
    std::int32_t& pkCodRegContratoFuncionario, std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoContrato,
    std::int32_t& pkCodCargo, automation::Date& pnDataEmissaoContr, Variant& pnDuracaoContr,
    Variant& pnDataValidadeContr, Variant& pnDataEncerramContr, std::string& pnMotivoContrato,
    std::string& pnPeriodoPagamentoContr, std::uint8_t& pkCodTipoSalario, double& pnValorSalarioContr,
    float& pnIndicePericulosidadeContr, float& pnIndiceInsalubridadeContr, float& pnHorasDiarias,
    float& pnHorasSemanais, std::string& pnHorarioTrabalho, Variant& pnHorasExtrasNaoExcedentes,
    Variant& pnAcrescimoNaoExcedentes, std::string& pnEmitido) {
  Trapped(DescErr, [&] {
    std::string statement = sql::Update(
        "RhsContratoFuncionario",
        Columns(sql::kUpdate, pkCodRegContratoFuncionario, pkCodFuncionario, pkCodTipoContrato, pkCodCargo,
                pnDataEmissaoContr, pnDuracaoContr, pnDataValidadeContr, pnDataEncerramContr, pnMotivoContrato,
                pnPeriodoPagamentoContr, pkCodTipoSalario, pnValorSalarioContr, pnIndicePericulosidadeContr,
                pnIndiceInsalubridadeContr, pnHorasDiarias, pnHorasSemanais, pnHorarioTrabalho,
                pnHorasExtrasNaoExcedentes, pnAcrescimoNaoExcedentes, pnEmitido),
        "WHERE CodRegContratoFuncionario = " + sql::Number(pkCodRegContratoFuncionario));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

void classContratoFuncionario::IncContratoFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
    std::int32_t& pkCodRegContratoFuncionario, std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoContrato,
    std::int32_t& pkCodCargo, automation::Date& pnDataEmissaoContr, Variant& pnDuracaoContr,
    Variant& pnDataValidadeContr, Variant& pnDataEncerramContr, std::string& pnMotivoContrato,
    std::string& pnPeriodoPagamentoContr, std::uint8_t& pkCodTipoSalario, double& pnValorSalarioContr,
    float& pnIndicePericulosidadeContr, float& pnIndiceInsalubridadeContr, float& pnHorasDiarias,
    float& pnHorasSemanais, std::string& pnHorarioTrabalho, Variant& pnHorasExtrasNaoExcedentes,
    Variant& pnAcrescimoNaoExcedentes, std::string& pnEmitido) {
  InsertTrapped(ConnRH, DescErr, pkCodRegContratoFuncionario, {"RhsContratoFuncionario", "CodRegContratoFuncionario"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    std::string statement = sql::Insert(
        "RhsContratoFuncionario",
        Columns(sql::kInsert, key, pkCodFuncionario, pkCodTipoContrato, pkCodCargo, pnDataEmissaoContr,
                pnDuracaoContr, pnDataValidadeContr, pnDataEncerramContr, pnMotivoContrato, pnPeriodoPagamentoContr,
                pkCodTipoSalario, pnValorSalarioContr, pnIndicePericulosidadeContr, pnIndiceInsalubridadeContr,
                pnHorasDiarias, pnHorasSemanais, pnHorarioTrabalho, pnHorasExtrasNaoExcedentes,
                pnAcrescimoNaoExcedentes, pnEmitido));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

std::optional<std::int32_t> classContratoFuncionario::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegContratoFuncionario) AS MaxCod " "FROM RhsContratoFuncionario");
}

const com::ClassDescription<classContratoFuncionario>& classContratoFuncionario::Description() {
  using C = classContratoFuncionario;
  static constexpr const char* kRecordParams[] = {
      "ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegContratoFuncionario", "pkCodFuncionario",
      "pkCodTipoContrato", "pkCodCargo", "pnDataEmissaoContr", "pnDuracaoContr", "pnDataValidadeContr",
      "pnDataEncerramContr", "pnMotivoContrato", "pnPeriodoPagamentoContr", "pkCodTipoSalario",
      "pnValorSalarioContr", "pnIndicePericulosidadeContr", "pnIndiceInsalubridadeContr", "pnHorasDiarias",
      "pnHorasSemanais", "pnHorarioTrabalho", "pnHorasExtrasNaoExcedentes", "pnAcrescimoNaoExcedentes",
      "pnEmitido"};
  static const com::ClassDescription<C> d{
      "Quorvel.classContratoFuncionario",
      {
          com::Method<&C::BusContratoFuncionario>(
              "BusContratoFuncionario",
              {"ConnRH", "DescErr", "pkCodRegContratoFuncionario", "pkCodFuncionario", "pnNome", "pnDataNasc",
               "pkCodTipoContrato", "pnDescrTipoContrato", "pkCodCargo", "pnNomeCargo", "pnDataEmissaoContr",
               "pnDuracaoContr", "pnDataValidadeContr", "pnDataEncerramContr", "pnMotivoContrato",
               "pnPeriodoPagamentoContr", "pkCodTipoSalario", "pnDescrTipoSalario", "pnValorSalarioContr",
               "pnIndicePericulosidadeContr", "pnIndiceInsalubridadeContr", "pnHorasDiarias", "pnHorasSemanais",
               "pnHorarioTrabalho", "pnHorasExtrasNaoExcedentes", "pnAcrescimoNaoExcedentes", "pnEmitido"}),
          com::Method<&C::AltEmissaoContratoFuncionario>(
              "AltEmissaoContratoFuncionario",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegContratoFuncionario", "pnEmitido"}),
          com::Method<&C::fQuantContratosFuncionario>("fQuantContratosFuncionario",
                                                      {"ConnRH", "DescErr", "pkCodFuncionario", "result"}),
          com::Method<&C::fExisteContratoEmAberto>("fExisteContratoEmAberto",
                                                   {"ConnRH", "DescErr", "pkCodFuncionario", "result"}),
          com::Method<&C::ExcContratoFuncionario>(
              "ExcContratoFuncionario", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegContratoFuncionario"}),
          com::Method<&C::CarContratoFuncionario>(
              "CarContratoFuncionario",
              {"ConnRH", "DescErr", "vlArray", "pkCodRegContratoFuncionario", "pkCodFuncionario", "pkCodTipoContrato",
               "pnNomeFil", "pkCodCargo", "pnNomeCargo", "pnDataEmissaoContr", "pnDuracaoContr", "pnMotivoContrato",
               "pnPeriodoPagamentoContr", "pkCodTipoSalario", "pnHorasDiarias", "pnHorasSemanais",
               "pnHorasExtrasNaoExcedentes", "pnAcrescimoNaoExcedentes", "pnEmitido"}),
          com::Method<&C::AltContratoFuncionario>("AltContratoFuncionario", kRecordParams),
          com::Method<&C::IncContratoFuncionario>("IncContratoFuncionario", kRecordParams),
      }};
  return d;
}

}  // namespace quorvel
