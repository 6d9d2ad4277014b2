// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classEncaminhamento.h"

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Date;
using automation::Variant;

namespace {

constexpr std::string_view kVacancyJoins =
    "LEFT JOIN RhsVaga ON RhsVaga.CodVaga = RhsEncaminhamento.CodVaga) "
    "LEFT JOIN RhsDadosCandidato ON RhsDadosCandidato.CodCandidato = RhsEncaminhamento.CodCandidato) "
    "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsVaga.CodFilial) ";
constexpr std::string_view kPersonJoins =
    "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsVaga.CodCargo) "
    "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosCandidato.Codindividual) ";


// One mark of one referral; the empty text when there is no such referral.
std::string Mark(ado::Connection& ConnRH, std::string& DescErr, std::string_view column, std::int32_t key) {
  std::string mark;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT " + std::string(column) + " " "FROM RhsEncaminhamento "
                                   "WHERE CodEncaminhamento = " + sql::Number(key));
    if (!rs->EOF_()) Copy(*rs, column, mark);
    rs->Close();
  });
  return mark;
}

// The columns of RhsEncaminhamento in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodVaga, std::int32_t pkCodCandidato,
                         const Date& pnDataEncaminhamento, const std::string& pnEmitido,
                         const std::string& pnObservacao, const std::string& pnSelecao,
                         const std::string& pnContratacao) {
  using sql::kBlank;
  return {{"CodEncaminhamento", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodVaga", sql::Number(pkCodVaga), kBlank},
          {"CodCandidato", sql::Number(pkCodCandidato), kBlank},
          {"DataEncaminhamento", sql::Date(pnDataEncaminhamento)},
          {"Emitido", sql::Quote(pnEmitido)},
          {"Observacao", sql::Quote(pnObservacao)},
          {"Selecao", sql::Quote(pnSelecao)},
          {"Contratacao", sql::Quote(pnContratacao)}};
}

}  // namespace

void classEncaminhamento::AltEmissaoCodVaga(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodVaga, std::string& pnEmitido) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsEncaminhamento " "SET Emitido = " + sql::Quote(pnEmitido) + " "
                    "WHERE CodVaga = " + sql::Number(pkCodVaga));
  });
}

void classEncaminhamento::AltEmissaoCodEncam(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                             std::string&, std::int32_t& pkCodEncaminhamento,
                                             std::string& pnEmitido) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsEncaminhamento " "SET Emitido = " + sql::Quote(pnEmitido) + " "
                    "WHERE CodEncaminhamento = " + sql::Number(pkCodEncaminhamento));
  });
}

void classEncaminhamento::ExcEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodEncaminhamento) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsEncaminhamento " "WHERE CodEncaminhamento = " + sql::Number(pkCodEncaminhamento));
  });
}

void classEncaminhamento::CarEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                            Variant& pkCodEncaminhamento, Variant& pkCodVaga, Variant& pkCodFilial,
                                            Variant& pnNomeFilial, Variant& pkCodIndividual,
                                            Variant& pkCodCandidato, Variant& pnNome, Variant& pkCodCargo,
                                            Variant& pnNomeCargo, Variant& pnDataEncaminhamento,
                                            Variant& pnEmitido, Variant& pnSelecao, Variant& pnContratacao) {
  static constexpr Column kColumns[] = {
      {"CodEncaminhamento"}, {"CodVaga"}, {"NomeFil"}, {"Candidato", "Nome"}, {"NomeCargo"},
      {"DataEncaminhamento"}, {"Emitido"}, {"Selecao"}, {"Contratacao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodEncaminhamento, " RhsEncaminhamento.CodEncaminhamento LIKE ", sql::Text);
    where.Add(pkCodVaga, " RhsEncaminhamento.CodVaga LIKE ", sql::Text);
    where.Add(pkCodFilial, " RhsFilial.CodFilial LIKE ", sql::Text);
    where.Add(pnNomeFilial, " RhsFilial.NomeFil LIKE ", sql::Text);
    where.Add(pkCodIndividual, " RhsDadosPessoais.CodIndividual LIKE ", sql::Text);
    where.Add(pkCodCandidato, " RhsEncaminhamento.CodCandidato  LIKE ", sql::Text);
    where.Add(pnNome, "UPPER(RhsDadosPessoais.Nome) LIKE ", sql::UpperText);
    where.Add(pkCodCargo, " RhsVaga.CodCargo LIKE ", sql::Text);
    where.Add(pnNomeCargo, "UPPER(RhsCargo.NomeCargo) LIKE ", sql::UpperText);
    where.Add(pnDataEncaminhamento, "RhsEncaminhamento.DataEncaminhamento = ", sql::Date);
    where.Add(pnEmitido, "RhsEncaminhamento.Emitido = ", sql::Text);
    where.Add(pnSelecao, "RhsEncaminhamento.Selecao = ", sql::Text);
    where.Add(pnContratacao, "RhsEncaminhamento.Contratacao = ", sql::Text);
    std::string statement =
        "SELECT RhsEncaminhamento.CodEncaminhamento, RhsEncaminhamento.CodVaga, "
        "RhsCargo.NomeCargo, RhsVaga.DataSolicitacao, "
        "RhsEncaminhamento.DataEncaminhamento, RhsFilial.NomeFil, RhsDadosPessoais.Nome, "
        "RhsEncaminhamento.Emitido, RhsEncaminhamento.Selecao, "
        "RhsEncaminhamento.Contratacao "
        "FROM ((((( RhsEncaminhamento " +
        std::string(kVacancyJoins) + std::string(kPersonJoins) + where.Clause() +
        " ORDER BY DataEncaminhamento DESC";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classEncaminhamento::BusEncaminhamento(ado::Connection& ConnRH, std::string& DescErr,
                                            std::int32_t& pkCodEncaminhamento, std::int32_t& pkCodVaga,
                                            std::int32_t& pkCodFilial, std::string& pnNomeFil,
                                            std::int32_t& pkCodCargo, std::string& pnNomeCargo,
                                            std::int32_t& pkCodIndividual, std::string& pnNome,
                                            Date& pnDataEncaminhamento, std::string& pnEmitido,
                                            std::string& pnObservacao, std::string& pnSelecao,
                                            std::string& pnContratacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH, "SELECT RhsEncaminhamento.*, RhsVaga.CodFilial, CG.Nome, "
                "RhsCargo.CodCargo, RhsCargo.NomeCargo, RhsDadosPessoais.CodIndividual, "
                "RhsDadosPessoais.Nome as Candidato  "
                "FROM (((((( RhsEncaminhamento " +
                    std::string(kVacancyJoins) + "LEFT JOIN CadGeral CG ON CG.CodGeral = RhsVaga.CodFilial)" +
                    std::string(kPersonJoins) +
                    "WHERE RhsEncaminhamento.CodEncaminhamento = " + sql::Number(pkCodEncaminhamento));
    Copy(*rs, "CodEncaminhamento", pkCodEncaminhamento);
    Copy(*rs, "CodVaga", pkCodVaga);
    Copy(*rs, "CodFilial", pkCodFilial);
    CopyOrEmpty(*rs, "Nome", pnNomeFil);
    CopyOrEmpty(*rs, "CodCargo", pkCodCargo);
    CopyOrEmpty(*rs, "NomeCargo", pnNomeCargo);
    CopyOrEmpty(*rs, "CodIndividual", pkCodIndividual);
    CopyOrEmpty(*rs, "Candidato", pnNome);
    Copy(*rs, "DataEncaminhamento", pnDataEncaminhamento);
    Copy(*rs, "Emitido", pnEmitido);
    Copy(*rs, "Observacao", pnObservacao);
    Copy(*rs, "Selecao", pnSelecao);
    Copy(*rs, "Contratacao", pnContratacao);
    rs->Close();
  });
}

std::int32_t classEncaminhamento::fQuantEncaminhamentos(ado::Connection& ConnRH, std::string& DescErr,
                                                        std::int32_t& pkCodVaga) {
  std::int32_t count = 0;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT COUNT(CodVaga) AS QuantEncaminhamentos " "FROM RhsEncaminhamento "
                                   "WHERE CodVaga = " + sql::Number(pkCodVaga));
    Copy(*rs, "QuantEncaminhamentos", count);
    rs->Close();
  });
  return count;
}

void classEncaminhamento::AltEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodEncaminhamento,
                                            std::int32_t& pkCodVaga, std::int32_t& pkCodCandidato,
                                            Date& pnDataEncaminhamento, std::string& pnEmitido,
                                            std::string& pnObservacao, std::string& pnSelecao,
                                            std::string& pnContratacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsEncaminhamento",
                                Columns(pkCodEncaminhamento, pkCodVaga, pkCodCandidato, pnDataEncaminhamento,
                                        pnEmitido, pnObservacao, pnSelecao, pnContratacao),
                                "WHERE CodEncaminhamento = " + sql::Number(pkCodEncaminhamento)));
  });
}

void classEncaminhamento::IncEncaminhamento(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodEncaminhamento,
                                            std::int32_t& pkCodVaga, std::int32_t& pkCodCandidato,
                                            Date& pnDataEncaminhamento, std::string& pnEmitido,
                                            std::string& pnObservacao, std::string& pnSelecao,
                                            std::string& pnContratacao) {
  InsertTrapped(ConnRH, DescErr, pkCodEncaminhamento, {"RhsEncaminhamento", "CodEncaminhamento"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsEncaminhamento", Columns(key, pkCodVaga, pkCodCandidato, pnDataEncaminhamento,
                                                             pnEmitido, pnObservacao, pnSelecao, pnContratacao)));
  });
}

std::string classEncaminhamento::fBusSelecao(ado::Connection& ConnRH, std::string& DescErr,
                                             std::int32_t& pkCodEncaminhamento) {
  return Mark(ConnRH, DescErr, "Selecao", pkCodEncaminhamento);
}

std::string classEncaminhamento::fBusContratacao(ado::Connection& ConnRH, std::string& DescErr,
                                                 std::int32_t& pkCodEncaminhamento) {
  return Mark(ConnRH, DescErr, "Contratacao", pkCodEncaminhamento);
}

void classEncaminhamento::pInformarContratacao(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                               std::string&, std::int32_t& pkCodEncaminhamento,
                                               std::string& pnContratacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsEncaminhamento SET " "Contratacao = " + sql::Quote(pnContratacao) + " "
                    "WHERE CodEncaminhamento = " + sql::Number(pkCodEncaminhamento));
  });
}

std::optional<std::int32_t> classEncaminhamento::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodEncaminhamento) AS MaxCod " "FROM RhsEncaminhamento");
}

const com::ClassDescription<classEncaminhamento>& classEncaminhamento::Description() {
  using C = classEncaminhamento;
  static const com::ClassDescription<C> d{
      "Quorvel.classEncaminhamento",
      {
          com::Method<&C::AltEmissaoCodVaga>("AltEmissaoCodVaga", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                   "pkCodVaga", "pnEmitido"}),
          com::Method<&C::AltEmissaoCodEncam>("AltEmissaoCodEncam", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                     "pkCodEncaminhamento", "pnEmitido"}),
          com::Method<&C::ExcEncaminhamento>("ExcEncaminhamento",
                                             {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodEncaminhamento"}),
          com::Method<&C::CarEncaminhamento>(
              "CarEncaminhamento",
              {"ConnRH", "DescErr", "vlArray", "pkCodEncaminhamento", "pkCodVaga", "pkCodFilial", "pnNomeFilial",
               "pkCodIndividual", "pkCodCandidato", "pnNome", "pkCodCargo", "pnNomeCargo", "pnDataEncaminhamento",
               "pnEmitido", "pnSelecao", "pnContratacao"}),
          com::Method<&C::BusEncaminhamento>(
              "BusEncaminhamento",
              {"ConnRH", "DescErr", "pkCodEncaminhamento", "pkCodVaga", "pkCodFilial", "pnNomeFil", "pkCodCargo",
               "pnNomeCargo", "pkCodIndividual", "pnNome", "pnDataEncaminhamento", "pnEmitido", "pnObservacao",
               "pnSelecao", "pnContratacao"}),
          com::Method<&C::fQuantEncaminhamentos>("fQuantEncaminhamentos", {"ConnRH", "DescErr", "pkCodVaga"}),
          com::Method<&C::AltEncaminhamento>(
              "AltEncaminhamento",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodEncaminhamento", "pkCodVaga", "pkCodCandidato",
               "pnDataEncaminhamento", "pnEmitido", "pnObservacao", "pnSelecao", "pnContratacao"}),
          com::Method<&C::IncEncaminhamento>(
              "IncEncaminhamento",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodEncaminhamento", "pkCodVaga", "pkCodCandidato",
               "pnDataEncaminhamento", "pnEmitido", "pnObservacao", "pnSelecao", "pnContratacao"}),
          com::Method<&C::fBusSelecao>("fBusSelecao", {"ConnRH", "DescErr", "pkCodEncaminhamento"}),
          com::Method<&C::fBusContratacao>("fBusContratacao", {"ConnRH", "DescErr", "pkCodEncaminhamento"}),
          com::Method<&C::pInformarContratacao>("pInformarContratacao", {"ConnRH", "DescErr", "User",
                                                                         "SourceMachine", "pkCodEncaminhamento",
                                                                         "pnContratacao"}),
      }};
  return d;
}

}  // namespace quorvel
