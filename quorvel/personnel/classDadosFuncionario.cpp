// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classDadosFuncionario.h"

#include <array>

#include "platform/automation/array.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"
#include "quorvel/personnel/classDadosPessoais.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsDadosFuncionario in table order. The update quotes the
// reason for hiring and writes the singles as plain numbers.
sql::ColumnTable Columns(sql::Write write, std::int32_t pkCodIndividual, std::int32_t pkCodFuncionario,
                         std::int32_t pkCodFilial, std::int32_t pkCodVaga, std::int32_t pkCodTipoContrato,
                         const Variant& pnNrMatricula, automation::Date pnDataAdmissao,
                         automation::Date pnDataPrimAdmissao, std::uint8_t pkCodTipoAdmissao,
                         std::uint8_t pnMotivoContratacao, std::int32_t pkCodCargo, const Variant& pkCodCA,
                         const std::string& pkNumBancoPagto, const std::string& pnAgenciaPagto,
                         const std::string& pnContaPagto, const Variant& pnDataOpFGTS, const std::string& pnOptante,
                         const std::string& pkNumBancoFGTS, const std::string& pnNrContaFGTS,
                         double pnSalarioContratual, std::uint8_t pkCodTipoSalario,
                         const std::string& pnPeriodoPagamento, std::int16_t pnNrDepIR, float pnIndicePericulosidade,
                         float pnIndiceInsalubridade, float pnHorasDiarias, float pnHorasSemanais,
                         float pnHorasMensais, const std::string& pnHorarioTrabalho,
                         const Variant& pnHorasExtrasNaoExcedentes, const Variant& pnAcrescimoNaoExcedentes,
                         const std::string& pnContrSindical, const Variant& pkCodSindicato,
                         const std::string& pnValeRefeicao, const std::string& pnValeTransporte,
                         const std::string& pnConvMedico, const std::string& pnConvFarmacia, float pnPercentualSAT,
                         const std::string& pnAlvara, const std::string& pnMaoDeObra, std::int16_t pkCodTipoVinculo,
                         std::uint8_t pnNrDepSalFamilia, const Variant& pnDataExameMedico,
                         automation::Date pnDataFerias, const Variant& pnFichaRegistro,
                         const Variant& pnDataDesligamento, const Variant& pkCodMotivoDeslig,
                         const std::string& pnNomeResponsavel, automation::Date pnDataUltimaAtualizacao,
                         double pnGratificacao) {
  using sql::kBlank;
  // csng('...') in the insert, the plain number in the update; a value that
  // is no number fails either statement.
  const auto single = [write](float x) {
    std::string number = sql::Number(x);
    return write == sql::kInsert ? sql::Single(x) : number;
  };
  const std::string reason = sql::Number(pnMotivoContratacao);
  return {
      {"CodIndividual", sql::Number(pkCodIndividual), kBlank},
      {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank, sql::kInsertOnly},
      {"CodFilial", sql::Number(pkCodFilial), kBlank},
      {"CodVaga", sql::Number(pkCodVaga), kBlank},
      {"CodTipoContrato", sql::Number(pkCodTipoContrato), kBlank},
      {"NrMatricula", sql::OptionalNumber(pnNrMatricula), kBlank},
      {"DataAdmissao", sql::Date(pnDataAdmissao)},
      {"DataPrimAdmissao", sql::Date(pnDataPrimAdmissao)},
      {"CodTipoAdmissao", sql::Number(pkCodTipoAdmissao), kBlank},
      {"MotivoContratacao", write == sql::kUpdate ? sql::Quote(reason) : reason, kBlank},
      {"CodCargo", sql::Number(pkCodCargo), kBlank},
      {"CodCA", sql::OptionalNumber(pkCodCA), kBlank},
      {"NumBancoPagto", pkNumBancoPagto.empty() ? "Null" : sql::Quote(pkNumBancoPagto), kBlank},
      {"AgenciaPagto", sql::Quote(pnAgenciaPagto)},
      {"ContaPagto", sql::Quote(pnContaPagto)},
      {"DataOpFGTS", sql::OptionalDate(pnDataOpFGTS), kBlank},
      {"Optante", sql::Quote(pnOptante)},
      {"NumBancoFGTS", pkNumBancoFGTS.empty() ? "Null" : sql::Quote(pkNumBancoFGTS), kBlank},
      {"NrContaFGTS", sql::Quote(pnNrContaFGTS)},
      {"SalarioContratual", sql::Number(pnSalarioContratual), kBlank},
      {"CodTipoSalario", sql::Number(pkCodTipoSalario), kBlank},
      {"PeriodoPagamento", sql::Quote(pnPeriodoPagamento)},
      {"NrDepIR", sql::Number(pnNrDepIR), kBlank},
      {"IndicePericulosidade", single(pnIndicePericulosidade), kBlank},
      {"IndiceInsalubridade", single(pnIndiceInsalubridade), kBlank},
      {"HorasDiarias", single(pnHorasDiarias), kBlank, {.after_set = " , "}},
      {"HorasSemanais", single(pnHorasSemanais), kBlank},
      {"HorasMensais", single(pnHorasMensais), kBlank},
      {"HorarioTrabalho", sql::Quote(pnHorarioTrabalho)},
      {"HorasExtrasNaoExcedentes", sql::OptionalNumber(pnHorasExtrasNaoExcedentes), kBlank},
      {"AcrescimoNaoExcedentes", pnAcrescimoNaoExcedentes.is_null() ? "Null" : sql::Single(pnAcrescimoNaoExcedentes),
       kBlank},
      {"ContrSindical", sql::Quote(pnContrSindical)},
      {"CodSindicato", sql::OptionalNumber(pkCodSindicato), kBlank},
      {"ValeRefeicao", sql::Quote(pnValeRefeicao)},
      {"ValeTransporte", sql::Quote(pnValeTransporte)},
      {"ConvMedico", sql::Quote(pnConvMedico)},
      {"ConvFarmacia", sql::Quote(pnConvFarmacia)},
      {"PercentualSAT", single(pnPercentualSAT), kBlank},
      {"Alvara", sql::Quote(pnAlvara)},
      {"MaoDeObra", sql::Quote(pnMaoDeObra)},
      {"CodTipoVinculo", sql::Number(pkCodTipoVinculo), kBlank},
      {"NrDepSalFamilia", sql::Number(pnNrDepSalFamilia), kBlank},
      {"DataExameMedico", sql::OptionalDate(pnDataExameMedico), kBlank},
      {"DataFerias", sql::Date(pnDataFerias)},
      {"FichaRegistro", sql::OptionalNumber(pnFichaRegistro), kBlank},
      {"DataDesligamento", sql::OptionalDate(pnDataDesligamento), kBlank},
      {"CodMotivoDeslig", sql::OptionalNumber(pkCodMotivoDeslig), kBlank},
      {"NomeResponsavel", sql::Quote(pnNomeResponsavel)},
      {"DataUltimaAtualizacao", sql::Date(pnDataUltimaAtualizacao)},
      {"Gratificacao", sql::Number(pnGratificacao), kBlank},
  };
}

void AltColumn(ado::Connection& ConnRH, std::string& DescErr, std::string_view assignment, std::int32_t key) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsDadosFuncionario SET " + std::string(assignment) + " " "WHERE CodFuncionario = " +
                        sql::Number(key));
  });
}

Variant LeavingDate(Record& r) {
  const Variant& v = r.Field("DataDesligamento");
  return v.is_null() ? Variant("  /  /    ") : v;
}
Variant NoSector(Record&) { return Variant(""); }
Variant Bonus(Record& r) {
  const Variant& v = r.Field("Gratificacao");
  return v.is_null() ? Variant(std::int16_t{0}) : v;
}

constexpr Column kRecord[] = {
    {"Nome"}, {"DataNasc"}, {"CodIndividual"}, {"CodFuncionario"}, {"CodFilial"}, {"CodVaga"}, {"NomeFil"},
    {"NrMatricula"}, {"DataAdmissao"}, {"DataPrimAdmissao"}, {"CodTipoAdmissao"}, {"TipoAdmissao"},
    {"MotivoContratacao"}, {"CodCargo"}, {"NomeCargo"}, {"CodCBO"}, {"CodCA"}, {"NomeSetor", {}, NoSector},
    {"NumBancoPagto"}, {"NomeBancoPagto"}, {"AgenciaPagto"}, {"ContaPagto"}, {"DataOpFGTS"}, {"Optante"},
    {"NumBancoFGTS"}, {"NomeBancoFGTS"}, {"NrContaFGTS"}, {"PeriodoPagamento"}, {"SalarioContratual"},
    {"CodTipoSalario"}, {"TipoSalario"}, {"NrDepIR"}, {"IndicePericulosidade"}, {"IndiceInsalubridade"},
    {"HorasDiarias"}, {"HorasSemanais"}, {"HorasMensais"}, {"HorarioTrabalho"}, {"HorasExtrasNaoExcedentes"},
    {"AcrescimoNaoExcedentes"}, {"ContrSindical"}, {"CodSindicato"}, {"NomeSind"}, {"ValeRefeicao"},
    {"ValeTransporte"}, {"ConvMedico"}, {"ConvFarmacia"}, {"PercentualSAT"}, {"Alvara"}, {"MaoDeObra"},
    {"CodTipoVinculo"}, {"TipoVinculo"}, {"NrDepSalFamilia"}, {"DataExameMedico"}, {"DataFerias"},
    {"FichaRegistro"}, {"DataDesligamento"}, {"CodMotivoDeslig"}, {"MotivoDeslig"}, {"NomeResponsavel"},
    {"DataUltimaAtualizacao"}, {"CodTipoContrato"}, {"DescrTipoContrato"}, {"Gratificacao", {}, Bonus},
};
static_assert(std::size(kRecord) == 64);

}  // namespace

std::int32_t classDadosFuncionario::fBusCodFuncionario(ado::Connection& ConnRH, std::string& DescErr,
                                                       std::int32_t& pkCodIndividual) {
  std::int32_t result = 0;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT CodIndividual, CodFuncionario " "FROM RhsDadosFuncionario "
                                   "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
    std::int32_t key = -1;
    if (!rs->EOF_()) Copy(*rs, "CodFuncionario", key);
    result = key;
    rs->Close();
  });
  return result;
}

void classDadosFuncionario::AltNrDepSalFamilia(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                               std::string&, std::int32_t& pkCodFuncionario,
                                               std::int32_t& plNovoValor) {
  AltColumn(ConnRH, DescErr, "NrDepSalFamilia = " + sql::Number(plNovoValor), pkCodFuncionario);
}

void classDadosFuncionario::AltNrDepIR(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                       std::int32_t& pkCodFuncionario, std::int32_t& plNovoValor) {
  AltColumn(ConnRH, DescErr, "NrDepIR = " + sql::Number(plNovoValor), pkCodFuncionario);
}

void classDadosFuncionario::AltSalarioContratual(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                                 std::string&, std::int32_t& pkCodFuncionario,
                                                 double& plNovoSalario) {
  Trapped(DescErr, [&] {
    const std::string assignment = "SalarioContratual = " + sql::Number(Variant(plNovoSalario));
    AltColumn(ConnRH, DescErr, assignment, pkCodFuncionario);
  });
}

void classDadosFuncionario::AltDadosFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodIndividual,
    std::int32_t& pkCodFuncionario, std::int32_t& pkCodFilial, std::int32_t& pkCodVaga,
    std::int32_t& pkCodTipoContrato, Variant& pnNrMatricula, automation::Date& pnDataAdmissao,
    automation::Date& pnDataPrimAdmissao, std::uint8_t& pkCodTipoAdmissao, std::uint8_t& pnMotivoContratacao,
    std::int32_t& pkCodCargo, Variant& pkCodCA, std::string& pkNumBancoPagto, std::string& pnAgenciaPagto,
    std::string& pnContaPagto, Variant& pnDataOpFGTS, std::string& pnOptante, std::string& pkNumBancoFGTS,
    std::string& pnNrContaFGTS, double& pnSalarioContratual, std::uint8_t& pkCodTipoSalario,
    std::string& pnPeriodoPagamento, std::int16_t& pnNrDepIR, float& pnIndicePericulosidade,
    float& pnIndiceInsalubridade, float& pnHorasDiarias, float& pnHorasSemanais, float& pnHorasMensais,
    std::string& pnHorarioTrabalho, Variant& pnHorasExtrasNaoExcedentes, Variant& pnAcrescimoNaoExcedentes,
    std::string& pnContrSindical, Variant& pkCodSindicato, std::string& pnValeRefeicao,
    std::string& pnValeTransporte, std::string& pnConvMedico, std::string& pnConvFarmacia,
    float& pnPercentualSAT, std::string& pnAlvara, std::string& pnMaoDeObra, std::int16_t& pkCodTipoVinculo,
    std::uint8_t& pnNrDepSalFamilia, Variant& pnDataExameMedico, automation::Date& pnDataFerias,
    Variant& pnFichaRegistro, Variant& pnDataDesligamento, Variant& pkCodMotivoDeslig,
    std::string& pnNomeResponsavel, automation::Date& pnDataUltimaAtualizacao, double& pnGratificacao) {
  Trapped(DescErr, [&] {
    std::string statement = sql::Update(
        "RhsDadosFuncionario",
        Columns(sql::kUpdate, pkCodIndividual, pkCodFuncionario, pkCodFilial, pkCodVaga, pkCodTipoContrato,
                pnNrMatricula, pnDataAdmissao, pnDataPrimAdmissao, pkCodTipoAdmissao, pnMotivoContratacao, pkCodCargo,
                pkCodCA, pkNumBancoPagto, pnAgenciaPagto, pnContaPagto, pnDataOpFGTS, pnOptante, pkNumBancoFGTS,
                pnNrContaFGTS, pnSalarioContratual, pkCodTipoSalario, pnPeriodoPagamento, pnNrDepIR,
                pnIndicePericulosidade, pnIndiceInsalubridade, pnHorasDiarias, pnHorasSemanais, pnHorasMensais,
                pnHorarioTrabalho, pnHorasExtrasNaoExcedentes, pnAcrescimoNaoExcedentes, pnContrSindical,
                pkCodSindicato, pnValeRefeicao, pnValeTransporte, pnConvMedico, pnConvFarmacia, pnPercentualSAT,
                pnAlvara, pnMaoDeObra, pkCodTipoVinculo, pnNrDepSalFamilia, pnDataExameMedico, pnDataFerias,
                pnFichaRegistro, pnDataDesligamento, pkCodMotivoDeslig, pnNomeResponsavel, pnDataUltimaAtualizacao,
                pnGratificacao),
        "WHERE CodFuncionario = " + sql::Number(pkCodFuncionario));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

void classDadosFuncionario::IncDadosFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
    std::int32_t& pkCodIndividual, std::int32_t& pkCodFuncionario, std::int32_t& pkCodFilial,
    std::int32_t& pkCodVaga, std::int32_t& pkCodTipoContrato, Variant& pnNrMatricula,
    automation::Date& pnDataAdmissao, automation::Date& pnDataPrimAdmissao, std::uint8_t& pkCodTipoAdmissao,
    std::uint8_t& pnMotivoContratacao, std::int32_t& pkCodCargo, Variant& pkCodCA, std::string& pkNumBancoPagto,
    std::string& pnAgenciaPagto, std::string& pnContaPagto, Variant& pnDataOpFGTS, std::string& pnOptante,
    std::string& pkNumBancoFGTS, std::string& pnNrContaFGTS, double& pnSalarioContratual,
    std::uint8_t& pkCodTipoSalario, std::string& pnPeriodoPagamento, std::int16_t& pnNrDepIR,
    float& pnIndicePericulosidade, float& pnIndiceInsalubridade, float& pnHorasDiarias, float& pnHorasSemanais,
    float& pnHorasMensais, std::string& pnHorarioTrabalho, Variant& pnHorasExtrasNaoExcedentes,
    Variant& pnAcrescimoNaoExcedentes, std::string& pnContrSindical, Variant& pkCodSindicato,
    std::string& pnValeRefeicao, std::string& pnValeTransporte, std::string& pnConvMedico,
    std::string& pnConvFarmacia, float& pnPercentualSAT, std::string& pnAlvara, std::string& pnMaoDeObra,
    std::int16_t& pkCodTipoVinculo, std::uint8_t& pnNrDepSalFamilia, Variant& pnDataExameMedico,
    automation::Date& pnDataFerias, Variant& pnFichaRegistro, Variant& pnDataDesligamento,
    Variant& pkCodMotivoDeslig, std::string& pnNomeResponsavel, automation::Date& pnDataUltimaAtualizacao,
    double& pnGratificacao) {
  bool inserted = false;
  InsertTrapped(ConnRH, DescErr, pkCodFuncionario, {"RhsDadosFuncionario", "CodFuncionario"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    std::string statement = sql::Insert(
        "RhsDadosFuncionario",
        Columns(sql::kInsert, pkCodIndividual, key, pkCodFilial, pkCodVaga, pkCodTipoContrato, pnNrMatricula,
                pnDataAdmissao, pnDataPrimAdmissao, pkCodTipoAdmissao, pnMotivoContratacao, pkCodCargo, pkCodCA,
                pkNumBancoPagto, pnAgenciaPagto, pnContaPagto, pnDataOpFGTS, pnOptante, pkNumBancoFGTS, pnNrContaFGTS,
                pnSalarioContratual, pkCodTipoSalario, pnPeriodoPagamento, pnNrDepIR, pnIndicePericulosidade,
                pnIndiceInsalubridade, pnHorasDiarias, pnHorasSemanais, pnHorasMensais, pnHorarioTrabalho,
                pnHorasExtrasNaoExcedentes, pnAcrescimoNaoExcedentes, pnContrSindical, pkCodSindicato, pnValeRefeicao,
                pnValeTransporte, pnConvMedico, pnConvFarmacia, pnPercentualSAT, pnAlvara, pnMaoDeObra,
                pkCodTipoVinculo, pnNrDepSalFamilia, pnDataExameMedico, pnDataFerias, pnFichaRegistro,
                pnDataDesligamento, pkCodMotivoDeslig, pnNomeResponsavel, pnDataUltimaAtualizacao, pnGratificacao),
        {.values = ")"});
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
    inserted = true;
  });
  if (!inserted) return;
  // The person becomes an employee; a failure there is reported in DescErr
  // and leaves the inserted record in place.
  classDadosPessoais person;
  std::string status = "Funcionário";
  person.AltStatus(ConnRH, DescErr, User, SourceMachine, pkCodIndividual, status);
}

void classDadosFuncionario::CarDadosFuncionario(
    ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodIndividual,
    Variant& pkCodFuncionario, Variant& pnNome, Variant& pkCodFilial, Variant& pkCodTipoAdmissao,
    Variant& pnMotivoContratacao, Variant& pnDataAdmissao, Variant& pkCodCargo, Variant& pkCodCA,
    Variant& pkCodTipoVinculo, Variant& pkCodSindicato, Variant& pkCodMotivoDeslig, Variant& pkCodTipoSalario,
    Variant& pnPeriodoPagamento, Variant& pnValeTransporte, Variant& pnValeRefeicao, Variant& pnConvMedico,
    Variant& pnConvFarmacia) {
  static constexpr Column kColumns[] = {{"CodFuncionario"},
                                        {"Nome"},
                                        {"DataAdmissao"},
                                        {"DataDesligamento", {}, LeavingDate},
                                        {"CodIndividual"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodIndividual, " RhsDadosFuncionario.CodIndividual LIKE ", sql::Text);
    where.Add(pkCodFuncionario, " CodFuncionario LIKE ", sql::Text);
    where.Add(pnNome, "UPPER(Nome) LIKE ", sql::UpperText);
    where.Add(pkCodFilial, "CodFilial = ", sql::Number);
    where.Add(pkCodTipoAdmissao, "CodTipoAdmissao = ", sql::Number);
    where.Add(pnMotivoContratacao, "MotivoContratacao = ", sql::Number);
    where.Add(pnDataAdmissao, "DataAdmissao = ", sql::Date);
    where.Add(pkCodCargo, "CodCargo = ", sql::Number);
    where.Add(pkCodCA, "CodCA = ", sql::Number);
    where.Add(pkCodTipoVinculo, "CodTipoVinculo = ", sql::Number);
    where.Add(pkCodSindicato, "CodSindicato = ", sql::Number);
    where.Add(pkCodMotivoDeslig, "CodMotivoDeslig = ", sql::Number);
    where.Add(pkCodTipoSalario, "CodTipoSalario = ", sql::Number);
    where.Add(pnPeriodoPagamento, "PeriodoPagamento = ", sql::Text);
    where.Add(pnValeTransporte, "ValeTransporte = ", sql::Text);
    where.Add(pnValeRefeicao, "ValeRefeicao = ", sql::Text);
    where.Add(pnConvMedico, "ConvMedico = ", sql::Text);
    where.Add(pnConvFarmacia, "ConvFarmacia = ", sql::Text);
    std::string statement =
        "SELECT RhsDadosFuncionario.CodIndividual, RhsDadosFuncionario.CodFuncionario, "
        "RhsDadosPessoais.Nome, RhsDadosFuncionario.DataAdmissao, "
        "RhsDadosFuncionario.DataDesligamento "
        "FROM ( RhsDadosPessoais "
        "INNER JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodIndividual = RhsDadosPessoais.CodIndividual) " +
        where.Clause() + " " "ORDER BY DataAdmissao";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classDadosFuncionario::BusDadosFuncionario(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                                std::int32_t& pkCodFuncionario) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsDadosPessoais.Nome, RhsDadosPessoais.DataNasc, "
        "RhsDadosFuncionario.*, RhsFilial.NomeFil, "
        "RhsTipoAdmissao.TipoAdmissao, RhsCargo.NomeCargo, RhsCargo.CodCBO, "
        "RhsBancoPagto.NomeBanco AS NomeBancoPagto, "
        "RhsBancoFGTS.NomeBanco AS NomeBancoFGTS, RhsTipoSalario.TipoSalario, "
        "RhsSindicato.NomeSind, RhsTipoVinculoEmpregaticio.TipoVinculo, "
        "RhsMotivoDeslig.MotivoDeslig, RhsTipoContrato.DescrTipoContrato "
        "FROM ((((((((((( RhsDadosFuncionario "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsDadosFuncionario.CodFilial) "
        "LEFT JOIN RhsTipoAdmissao ON RhsTipoAdmissao.CodTipoAdmissao = RhsDadosFuncionario.CodTipoAdmissao) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsDadosFuncionario.CodCargo) "
        "LEFT JOIN RhsBanco AS RhsBancoPagto ON RhsBancoPagto.NumBanco = RhsDadosFuncionario.NumBancoPagto) "
        "LEFT JOIN RhsBanco AS RhsBancoFGTS ON RhsBancoFGTS.NumBanco = RhsDadosFuncionario.NumBancoFGTS) "
        "LEFT JOIN RhsTipoSalario ON RhsTipoSalario.CodTipoSalario = RhsDadosFuncionario.CodTipoSalario) "
        "LEFT JOIN RhsSindicato ON RhsSindicato.CodSindicato = RhsDadosFuncionario.CodSindicato) "
        "LEFT JOIN RhsTipoVinculoEmpregaticio ON RhsTipoVinculoEmpregaticio.CodTipoVinculo = "
        "RhsDadosFuncionario.CodTipoVinculo) "
        "LEFT JOIN RhsMotivoDeslig ON RhsMotivoDeslig.CodMotivoDeslig = RhsDadosFuncionario.CodMotivoDeslig) "
        "LEFT JOIN RhsTipoContrato ON RhsTipoContrato.CodTipoContrato = RhsDadosFuncionario.CodTipoContrato) "
        "WHERE CodFuncionario = " + sql::Number(pkCodFuncionario));
    automation::VariantArray captions({automation::Bounds{0, 63}, automation::Bounds{0, 0}});
    for (long i = 0; i < 64; ++i) captions.at(i, 0) = Variant(kRecord[i].caption);
    vlArray = Variant(std::move(captions));
    if (!rs->EOF_()) FillRecord(*rs, vlArray, kRecord);
    rs->Close();
  });
}

void classDadosFuncionario::pIncDataBaseFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                               std::string&, std::int32_t& pkCodFuncionario) {
  Trapped(DescErr, [&] {
    const std::string key = sql::Number(pkCodFuncionario);
    RecordsetPtr rs = Open(ConnRH, "SELECT DataFerias FROM RhsDadosFuncionario " "WHERE CodFuncionario = " + key);
    if (!rs->EOF_()) {
      // A Null base date fails (94) instead of writing ''.
      Execute(ConnRH, "UPDATE RhsFerias SET " "DtBaseAnterior = " + sql::Date(rs->Fields("DataFerias").Value()) +
                          " " "WHERE CodFuncionario = " + key);
    }
    rs->Close();
  });
}

void classDadosFuncionario::pAltDataBaseFerias(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                               std::string&, std::int32_t& pkCodFuncionario, Variant& pnData) {
  Trapped(DescErr, [&] {
    const std::string key = sql::Number(pkCodFuncionario);
    RecordsetPtr rs = Open(ConnRH, "SELECT DtBaseAnterior FROM RhsFerias " "WHERE CodFuncionario = " + key);
    if (!rs->EOF_()) {
      const Variant previous = rs->Fields("DtBaseAnterior").Value();
      // A Null date to write fails (94) instead of writing ''.
      const std::string date = sql::Date(pnData.is_null() ? previous : pnData);
      Execute(ConnRH, "UPDATE RhsDadosFuncionario SET " "DataFerias = " + date + " " "WHERE CodFuncionario = " +
                          key);
    }
    rs->Close();
  });
}

std::optional<std::int32_t> classDadosFuncionario::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodFuncionario) AS MaxCod " "FROM RhsDadosFuncionario");
}

const com::ClassDescription<classDadosFuncionario>& classDadosFuncionario::Description() {
  using C = classDadosFuncionario;
  static constexpr const char* kRecordParams[] = {
      "ConnRH", "DescErr", "User", "SourceMachine", "pkCodIndividual", "pkCodFuncionario", "pkCodFilial",
      "pkCodVaga", "pkCodTipoContrato", "pnNrMatricula", "pnDataAdmissao", "pnDataPrimAdmissao",
      "pkCodTipoAdmissao", "pnMotivoContratacao", "pkCodCargo", "pkCodCA", "pkNumBancoPagto", "pnAgenciaPagto",
      "pnContaPagto", "pnDataOpFGTS", "pnOptante", "pkNumBancoFGTS", "pnNrContaFGTS", "pnSalarioContratual",
      "pkCodTipoSalario", "pnPeriodoPagamento", "pnNrDepIR", "pnIndicePericulosidade", "pnIndiceInsalubridade",
      "pnHorasDiarias", "pnHorasSemanais", "pnHorasMensais", "pnHorarioTrabalho", "pnHorasExtrasNaoExcedentes",
      "pnAcrescimoNaoExcedentes", "pnContrSindical", "pkCodSindicato", "pnValeRefeicao", "pnValeTransporte",
      "pnConvMedico", "pnConvFarmacia", "pnPercentualSAT", "pnAlvara", "pnMaoDeObra", "pkCodTipoVinculo",
      "pnNrDepSalFamilia", "pnDataExameMedico", "pnDataFerias", "pnFichaRegistro", "pnDataDesligamento",
      "pkCodMotivoDeslig", "pnNomeResponsavel", "pnDataUltimaAtualizacao", "pnGratificacao"};
  static const com::ClassDescription<C> d{
      "Quorvel.classDadosFuncionario",
      {
          com::Method<&C::fBusCodFuncionario>("fBusCodFuncionario", {"ConnRH", "DescErr", "pkCodIndividual"}),
          com::Method<&C::AltNrDepSalFamilia>("AltNrDepSalFamilia", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                     "pkCodFuncionario", "plNovoValor"}),
          com::Method<&C::AltNrDepIR>("AltNrDepIR", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                     "pkCodFuncionario", "plNovoValor"}),
          com::Method<&C::AltSalarioContratual>("AltSalarioContratual", {"ConnRH", "DescErr", "User",
                                                                         "SourceMachine", "pkCodFuncionario",
                                                                         "plNovoSalario"}),
          com::Method<&C::AltDadosFuncionario>("AltDadosFuncionario", kRecordParams),
          com::Method<&C::IncDadosFuncionario>("IncDadosFuncionario", kRecordParams),
          com::Method<&C::CarDadosFuncionario>(
              "CarDadosFuncionario",
              {"ConnRH", "DescErr", "vlArray", "pkCodIndividual", "pkCodFuncionario", "pnNome", "pkCodFilial",
               "pkCodTipoAdmissao", "pnMotivoContratacao", "pnDataAdmissao", "pkCodCargo", "pkCodCA",
               "pkCodTipoVinculo", "pkCodSindicato", "pkCodMotivoDeslig", "pkCodTipoSalario", "pnPeriodoPagamento",
               "pnValeTransporte", "pnValeRefeicao", "pnConvMedico", "pnConvFarmacia"}),
          com::Method<&C::BusDadosFuncionario>("BusDadosFuncionario",
                                               {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario"}),
          com::Method<&C::pIncDataBaseFerias>("pIncDataBaseFerias", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                     "pkCodFuncionario"}),
          com::Method<&C::pAltDataBaseFerias>("pAltDataBaseFerias", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                     "pkCodFuncionario", "pnData"}),
      }};
  return d;
}

}  // namespace quorvel
