#include "quorvel/administration/classCCItens.h"

#include "platform/com/bind.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

std::string Amount(double value) { return fFormataNumeroSql(Variant(value)); }

// An optional event code of the insert: Null for 0, otherwise ('digits').
std::string InsertedCode(std::int32_t code, std::string_view separator) {
  return code == 0 ? "Null" + std::string(separator) : "('" + std::to_string(code) + "')" + std::string(separator);
}

// An optional event code of the update: Null for 0, otherwise 'digits'.
std::string UpdatedCode(std::int32_t code) { return code == 0 ? "Null" : "'" + std::to_string(code) + "'"; }

}  // namespace

void classCCItens::AltCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                              std::int32_t& pkCodItemDetalheCC, std::int32_t& pkCodContracheque,
                              std::int32_t& pkCodEventoDet, double& pnReferencia, std::string& pnUnidade,
                              double& pnValor, std::int32_t& pnCodEventoFerias, std::int32_t& pnCodEventoAdicFerias,
                              std::int32_t& pnCodEventoAbono, std::int32_t& pnCodEventoAdicAbono) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE FlpCCItens SET "
                    "CodContracheque = " + std::to_string(pkCodContracheque) + ", "
                    "CodEventoDet = " + std::to_string(pkCodEventoDet) + ", "
                    "Referencia = " + Amount(pnReferencia) + ", "
                    "Unidade = " + sql::Quote(pnUnidade) + ", "
                    "Valor = " + Amount(pnValor) + ", "
                    "CodEventoFerias = " + UpdatedCode(pnCodEventoFerias) + ", "
                    "CodEventoAdicFerias = " + UpdatedCode(pnCodEventoAdicFerias) + ", "
                    "CodEventoAbono = " + UpdatedCode(pnCodEventoAbono) + ", "
                    "CodEventoAdicAbono = " + UpdatedCode(pnCodEventoAdicAbono) + " "
                    "WHERE CodItemDetalheCC = " + std::to_string(pkCodItemDetalheCC));
  });
}

void classCCItens::AltValorItemCC(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                  std::int32_t& pkCodItemDetalheCC, double& pnNovoValor) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE FlpCCItens SET " "Valor = " + Amount(pnNovoValor) + " "
                    "WHERE CodItemDetalheCC = " + std::to_string(pkCodItemDetalheCC));
  });
}

void classCCItens::ExcCCItens(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                              std::int32_t& pkCodItemDetalheCC) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM FlpCCItens " "WHERE CodItemDetalheCC = " + std::to_string(pkCodItemDetalheCC));
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
        "WHERE CodItemDetalheCC = " + std::to_string(pkCodItemDetalheCC));
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
    const std::string eventoDet = pkCodEventoDet == 0 ? "Null," : std::to_string(pkCodEventoDet) + ", ";
    Execute(ConnRH, "INSERT INTO FlpCCItens ("
                    "CodItemDetalheCC, CodContracheque, CodEventoDet, Referencia, Unidade, Valor, CodEventoFerias, "
                    "CodEventoAdicFerias, CodEventoAbono, CodEventoAdicAbono) "
                    "VALUES (" " " + std::to_string(key) + ", " " " + std::to_string(pkCodContracheque) + ", " " " +
                    eventoDet + " " + Amount(pnReferencia) + ", " + sql::Quote(pnUnidade) + ", " " " +
                    Amount(pnValor) + ", " " " + InsertedCode(pnCodEventoFerias, ", ") + " " +
                    InsertedCode(pnCodEventoAdicFerias, ", ") + " " + InsertedCode(pnCodEventoAbono, ", ") + " " +
                    InsertedCode(pnCodEventoAdicAbono, ")"));
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
