// SPDX-License-Identifier: MIT
#include "quorvel/administration/classContrSindical.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsContrSindical in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int16_t pnAnoBaseContrSind,
                         double pnValorContribuicao, const std::string& pnNomeSindFavorecido) {
  using sql::kBlank;
  return {{"CodRegContrSindical", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"AnoBaseContrSind", sql::Number(pnAnoBaseContrSind), kBlank},
          {"ValorContribuicao", fFormataNumeroSql(pnValorContribuicao), kBlank},
          {"NomeSindFavorecido", sql::Quote(pnNomeSindFavorecido)}};
}

}  // namespace

void classContrSindical::BusContrSindical(ado::Connection& ConnRH, std::string& DescErr,
                                          std::int32_t& pkCodRegContrSindical, std::int32_t& pkCodFuncionario,
                                          std::string& pnNome, std::int16_t& pnAnoBaseContrSind,
                                          double& pnValorContribuicao, std::string& pnNomeSindFavorecido) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH, "SELECT RhsContrSindical.*, RhsDadosPessoais.Nome "
                "FROM (( RhsContrSindical "
                "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsContrSindical.CodFuncionario) "
                "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
                "WHERE CodRegContrSindical = " + sql::Number(pkCodRegContrSindical));
    Copy(*rs, "CodRegContrSindical", pkCodRegContrSindical);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "AnoBaseContrSind", pnAnoBaseContrSind);
    Copy(*rs, "ValorContribuicao", pnValorContribuicao);
    Copy(*rs, "NomeSindFavorecido", pnNomeSindFavorecido);
    rs->Close();
  });
}

void classContrSindical::ExcContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodRegContrSindical) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsContrSindical "
                    "WHERE CodRegContrSindical = " + sql::Number(pkCodRegContrSindical));
  });
}

void classContrSindical::CarContrSindical(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                          Variant& pkCodFuncionario, Variant& pnAnoBaseContrSind,
                                          Variant& pnValorContribuicao, Variant& pnNomeSindFavorecido) {
  static constexpr Column kColumns[] = {{"CodRegContrSindical"}, {"CodFuncionario"}, {"AnoBaseContrSind"},
                                        {"ValorContribuicao"}, {"NomeSindFavorecido"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    where.Add(pnAnoBaseContrSind, "AnoBaseContrSind = ", sql::Number);
    where.Add(pnValorContribuicao, "ValorContribuicao = ", sql::Number);
    where.Add(pnNomeSindFavorecido, "UPPER(NomeSindFavorecido) LIKE ", sql::UpperText);
    std::string statement = "SELECT * " "FROM RhsContrSindical " + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classContrSindical::AltContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodRegContrSindical,
                                          std::int32_t& pkCodFuncionario, std::int16_t& pnAnoBaseContrSind,
                                          double& pnValorContribuicao, std::string& pnNomeSindFavorecido) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsContrSindical",
                                Columns(pkCodRegContrSindical, pkCodFuncionario, pnAnoBaseContrSind,
                                        pnValorContribuicao, pnNomeSindFavorecido),
                                "WHERE CodRegContrSindical = " + sql::Number(pkCodRegContrSindical)));
  });
}

void classContrSindical::IncContrSindical(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, std::int32_t& pkCodRegContrSindical,
                                          std::int32_t& pkCodFuncionario, std::int16_t& pnAnoBaseContrSind,
                                          double& pnValorContribuicao, std::string& pnNomeSindFavorecido) {
  InsertTrapped(ConnRH, DescErr, pkCodRegContrSindical, {"RhsContrSindical", "CodRegContrSindical"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsContrSindical", Columns(key, pkCodFuncionario, pnAnoBaseContrSind,
                                                            pnValorContribuicao, pnNomeSindFavorecido)));
  });
}

std::optional<std::int32_t> classContrSindical::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegContrSindical) AS MaxCod " "FROM RhsContrSindical");
}

const com::ClassDescription<classContrSindical>& classContrSindical::Description() {
  using C = classContrSindical;
  static const com::ClassDescription<C> d{
      "Quorvel.classContrSindical",
      {
          com::Method<&C::BusContrSindical>(
              "BusContrSindical", {"ConnRH", "DescErr", "pkCodRegContrSindical", "pkCodFuncionario", "pnNome",
                                   "pnAnoBaseContrSind", "pnValorContribuicao", "pnNomeSindFavorecido"}),
          com::Method<&C::ExcContrSindical>("ExcContrSindical", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                                 "pkCodRegContrSindical"}),
          com::Method<&C::CarContrSindical>(
              "CarContrSindical", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario", "pnAnoBaseContrSind",
                                   "pnValorContribuicao", "pnNomeSindFavorecido"}),
          com::Method<&C::AltContrSindical>(
              "AltContrSindical", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegContrSindical",
                                   "pkCodFuncionario", "pnAnoBaseContrSind", "pnValorContribuicao",
                                   "pnNomeSindFavorecido"}),
          com::Method<&C::IncContrSindical>(
              "IncContrSindical", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegContrSindical",
                                   "pkCodFuncionario", "pnAnoBaseContrSind", "pnValorContribuicao",
                                   "pnNomeSindFavorecido"}),
      }};
  return d;
}

}  // namespace quorvel
