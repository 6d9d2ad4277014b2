// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classDadosCandidato.h"

#include "platform/automation/clock.h"
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

constexpr std::string_view kJoin =
    "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosCandidato.CodIndividual) ";

// The columns of RhsDadosCandidato in table order, under `key`. Optional
// texts are always written quoted (Null as ''); the update quotes the salary.
sql::ColumnTable Columns(sql::Write write, std::int32_t CodIndividual, std::int32_t key,
                         std::string_view EncaminhadoPor, std::string_view ParentesEmpresa,
                         const Variant& NomeParentes, std::string_view Datilografia, std::string_view OutrosTiposTrab,
                         const Variant& DescrOutrosTiposTrab, const Variant& OutrosConhecimentos,
                         std::string_view DispHorasExtras, std::string_view DispViagens, double SalarioPretendido,
                         std::string_view TurnoPreferencial, const Variant& OutrasFuncoes,
                         std::string_view MeioTransporte, const Variant& OutrosContatos,
                         const Date& DataUltimaAtualizacao, std::string_view Situacao) {
  using sql::kBlank;
  const std::string salary = sql::Number(SalarioPretendido);
  return {{"CodIndividual", sql::Number(CodIndividual), kBlank},
          {"CodCandidato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"EncaminhadoPor", sql::Quote(EncaminhadoPor)},
          {"ParentesEmpresa", sql::Quote(ParentesEmpresa)},
          {"NomeParentes", sql::TextOrEmpty(NomeParentes)},
          {"Datilografia", sql::Quote(Datilografia)},
          {"OutrosTiposTrab", sql::Quote(OutrosTiposTrab)},
          {"DescrOutrosTiposTrab", sql::TextOrEmpty(DescrOutrosTiposTrab)},
          {"OutrosConhecimentos", sql::TextOrEmpty(OutrosConhecimentos)},
          {"DispHorasExtras", sql::Quote(DispHorasExtras)},
          {"DispViagens", sql::Quote(DispViagens)},
          {"SalarioPretendido", write == sql::kUpdate ? sql::Quote(salary) : salary, kBlank},
          {"TurnoPreferencial", sql::Quote(TurnoPreferencial)},
          {"OutrasFuncoes", sql::TextOrEmpty(OutrasFuncoes)},
          {"MeioTransporte", sql::Quote(MeioTransporte)},
          {"OutrosContatos", sql::TextOrEmpty(OutrosContatos)},
          {"DataUltimaAtualizacao", sql::Date(DataUltimaAtualizacao)},
          {"Situacao", sql::Quote(Situacao)}};
}

}  // namespace

void classDadosCandidato::CarComboMeioTransporte(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH,
              "SELECT DISTINCT MeioTransporte " "FROM RhsDadosCandidato " "WHERE MeioTransporte <> '' "
              "ORDER BY MeioTransporte",
              vlArray, "MeioTransporte");
  });
}

void classDadosCandidato::CarComboEncaminhadoPor(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH,
              "SELECT DISTINCT EncaminhadoPor " "FROM RhsDadosCandidato " "WHERE EncaminhadoPor <> '' "
              "ORDER BY EncaminhadoPor",
              vlArray, "EncaminhadoPor");
  });
}

std::int32_t classDadosCandidato::fBusCodCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                                   std::int32_t& pkCodIndividual) {
  std::int32_t result = 0;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT CodIndividual, CodCandidato " "FROM RhsDadosCandidato "
                                   "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
    std::int32_t key = -1;
    if (!rs->EOF_()) Copy(*rs, "CodCandidato", key);
    result = key;
    rs->Close();
  });
  return result;
}

void classDadosCandidato::CarCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                       Variant& pkCodIndividual, Variant& pnNome, Variant& pnDatilografia,
                                       Variant& pnFumante, Variant& pnDispHorasExtras, Variant& pnDispViagens,
                                       Variant& pnSituacao) {
  static constexpr Column kColumns[] = {{"CodCandidato"},    {"Nome"},        {"DataNasc"},
                                        {"DispHorasExtras"}, {"DispViagens"}, {"Situacao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodIndividual, "RhsDadosCandidato.CodIndividual = ", sql::Number);
    where.Add(pnNome, "UPPER(RhsDadosPessoais.Nome) LIKE ", sql::UpperText);
    where.Add(pnDatilografia, "Datilografia = ", sql::Text);
    where.Add(pnFumante, "RhsDadosPessoais.Fumante = ", sql::Text);
    where.Add(pnDispHorasExtras, "DispHorasExtras = ", sql::Text);
    where.Add(pnDispViagens, "DispViagens = ", sql::Text);
    where.Add(pnSituacao, "RhsDadosCandidato.Situacao = ", sql::Text);
    std::string statement = "SELECT RhsDadosCandidato.*, RhsDadosPessoais.Nome, "
                            "RhsDadosPessoais.DataNasc, RhsDadosPessoais.Fumante "
                            "FROM ( RhsDadosCandidato " + std::string(kJoin) + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classDadosCandidato::BusCandidato(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual, std::string& pnNome,
    Date& pnDataNasc, std::int32_t& pkCodCandidato, std::string& pnEncaminhadoPor, std::string& pnParentesEmpresa,
    Variant& pnNomeParentes, std::string& pnDatilografia, std::string& pnOutrosTiposTrab,
    Variant& pnDescrOutrosTiposTrab, Variant& pnOutrosConhecimentos, std::string& pnDispHorasExtras,
    std::string& pnDispViagens, double& pnSalarioPretendido, std::string& pnTurnoPreferencial,
    Variant& pnOutrasFuncoes, std::string& pnMeioTransporte, Variant& pnOutrosContatos,
    Date& pnDataUltimaAtualizacao, std::string& pnSituacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsDadosPessoais.Nome, RhsDadosPessoais.DataNasc, "
                                   "RhsDadosCandidato.* "
                                   "FROM ( RhsDadosCandidato " + std::string(kJoin) +
                                       "WHERE RhsDadosCandidato.CodCandidato = " + sql::Number(pkCodCandidato));
    Copy(*rs, "CodIndividual", pkCodIndividual);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "DataNasc", pnDataNasc);
    Copy(*rs, "CodCandidato", pkCodCandidato);
    Copy(*rs, "EncaminhadoPor", pnEncaminhadoPor);
    Copy(*rs, "ParentesEmpresa", pnParentesEmpresa);
    Copy(*rs, "NomeParentes", pnNomeParentes);
    Copy(*rs, "Datilografia", pnDatilografia);
    Copy(*rs, "OutrosTiposTrab", pnOutrosTiposTrab);
    Copy(*rs, "DescrOutrosTiposTrab", pnDescrOutrosTiposTrab);
    Copy(*rs, "OutrosConhecimentos", pnOutrosConhecimentos);
    Copy(*rs, "DispHorasExtras", pnDispHorasExtras);
    Copy(*rs, "DispViagens", pnDispViagens);
    Copy(*rs, "SalarioPretendido", pnSalarioPretendido);
    Copy(*rs, "TurnoPreferencial", pnTurnoPreferencial);
    Copy(*rs, "OutrasFuncoes", pnOutrasFuncoes);
    Copy(*rs, "MeioTransporte", pnMeioTransporte);
    Copy(*rs, "OutrosContatos", pnOutrosContatos);
    Copy(*rs, "DataUltimaAtualizacao", pnDataUltimaAtualizacao);
    Copy(*rs, "Situacao", pnSituacao);
    rs->Close();
  });
}

void classDadosCandidato::AltCandidato(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodIndividual,
    std::int32_t& pkCodCandidato, std::string& pnEncaminhadoPor, std::string& pnParentesEmpresa,
    Variant& pnNomeParentes, std::string& pnDatilografia, std::string& pnOutrosTiposTrab,
    Variant& pnDescrOutrosTiposTrab, Variant& pnOutrosConhecimentos, std::string& pnDispHorasExtras,
    std::string& pnDispViagens, double& pnSalarioPretendido, std::string& pnTurnoPreferencial,
    Variant& pnOutrasFuncoes, std::string& pnMeioTransporte, Variant& pnOutrosContatos,
    Date& pnDataUltimaAtualizacao, std::string& pnSituacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsDadosCandidato",
                                Columns(sql::kUpdate, pkCodIndividual, pkCodCandidato, pnEncaminhadoPor,
                                        pnParentesEmpresa, pnNomeParentes, pnDatilografia, pnOutrosTiposTrab,
                                        pnDescrOutrosTiposTrab, pnOutrosConhecimentos, pnDispHorasExtras,
                                        pnDispViagens, pnSalarioPretendido, pnTurnoPreferencial, pnOutrasFuncoes,
                                        pnMeioTransporte, pnOutrosContatos, pnDataUltimaAtualizacao, pnSituacao),
                                "WHERE CodCandidato = " + sql::Number(pkCodCandidato)));
  });
}

void classDadosCandidato::IncCandidato(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodIndividual,
    std::int32_t& pkCodCandidato, std::string& pnEncaminhadoPor, std::string& pnParentesEmpresa,
    Variant& pnNomeParentes, std::string& pnDatilografia, std::string& pnOutrosTiposTrab,
    Variant& pnDescrOutrosTiposTrab, Variant& pnOutrosConhecimentos, std::string& pnDispHorasExtras,
    std::string& pnDispViagens, double& pnSalarioPretendido, std::string& pnTurnoPreferencial,
    Variant& pnOutrasFuncoes, std::string& pnMeioTransporte, Variant& pnOutrosContatos,
    Date& pnDataUltimaAtualizacao, std::string& pnSituacao) {
  InsertTrapped(ConnRH, DescErr, pkCodCandidato, {"RhsDadosCandidato", "CodCandidato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsDadosCandidato", Columns(sql::kInsert, pkCodIndividual, key, pnEncaminhadoPor,
                                                             pnParentesEmpresa, pnNomeParentes, pnDatilografia,
                                                             pnOutrosTiposTrab, pnDescrOutrosTiposTrab,
                                                             pnOutrosConhecimentos, pnDispHorasExtras, pnDispViagens,
                                                             pnSalarioPretendido, pnTurnoPreferencial,
                                                             pnOutrasFuncoes, pnMeioTransporte, pnOutrosContatos,
                                                             pnDataUltimaAtualizacao, pnSituacao)));
  });
}

void classDadosCandidato::AltSituacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodCandidato, std::string& pnSituacao) {
  Trapped(DescErr, [&] {
    // SET names its columns bare: neither database takes a table-qualified target.
    Execute(ConnRH, "UPDATE RhsDadosCandidato SET " "Situacao = " + sql::Quote(pnSituacao) + ", "
                    "DataUltimaAtualizacao = " + sql::Date(Variant(automation::Today())) + " "
                    "WHERE RhsDadosCandidato.CodCandidato = " + sql::Number(pkCodCandidato));
  });
}

std::optional<std::int32_t> classDadosCandidato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodCandidato) AS MaxCod " "FROM RhsDadosCandidato");
}

const com::ClassDescription<classDadosCandidato>& classDadosCandidato::Description() {
  using C = classDadosCandidato;
  static constexpr const char* kRecord[] = {
      "ConnRH",          "DescErr",           "User",           "SourceMachine",     "pkCodIndividual",
      "pkCodCandidato",  "pnEncaminhadoPor",  "pnParentesEmpresa", "pnNomeParentes", "pnDatilografia",
      "pnOutrosTiposTrab", "pnDescrOutrosTiposTrab", "pnOutrosConhecimentos", "pnDispHorasExtras",
      "pnDispViagens",   "pnSalarioPretendido", "pnTurnoPreferencial", "pnOutrasFuncoes", "pnMeioTransporte",
      "pnOutrosContatos", "pnDataUltimaAtualizacao", "pnSituacao"};
  static const com::ClassDescription<C> d{
      "Quorvel.classDadosCandidato",
      {
          com::Method<&C::CarComboMeioTransporte>("CarComboMeioTransporte", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboEncaminhadoPor>("CarComboEncaminhadoPor", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::fBusCodCandidato>("fBusCodCandidato", {"ConnRH", "DescErr", "pkCodIndividual"}),
          com::Method<&C::CarCandidato>("CarCandidato", {"ConnRH", "DescErr", "vlArray", "pkCodIndividual", "pnNome",
                                                         "pnDatilografia", "pnFumante", "pnDispHorasExtras",
                                                         "pnDispViagens", "pnSituacao"}),
          com::Method<&C::BusCandidato>(
              "BusCandidato",
              {"ConnRH", "DescErr", "pkCodIndividual", "pnNome", "pnDataNasc", "pkCodCandidato", "pnEncaminhadoPor",
               "pnParentesEmpresa", "pnNomeParentes", "pnDatilografia", "pnOutrosTiposTrab",
               "pnDescrOutrosTiposTrab", "pnOutrosConhecimentos", "pnDispHorasExtras", "pnDispViagens",
               "pnSalarioPretendido", "pnTurnoPreferencial", "pnOutrasFuncoes", "pnMeioTransporte",
               "pnOutrosContatos", "pnDataUltimaAtualizacao", "pnSituacao"}),
          com::Method<&C::AltCandidato>("AltCandidato", kRecord),
          com::Method<&C::IncCandidato>("IncCandidato", kRecord),
          com::Method<&C::AltSituacao>("AltSituacao", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                       "pkCodCandidato", "pnSituacao"}),
      }};
  return d;
}

}  // namespace quorvel
