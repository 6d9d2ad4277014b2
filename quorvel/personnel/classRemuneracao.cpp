// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classRemuneracao.h"

#include "platform/automation/error.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsRemuneracao in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, const automation::Date& pnDataAumento,
                         float pnIndiceAumento, double pnValorAtualizado, std::int32_t pkCodMotivoAumento) {
  using sql::kBlank;
  return {{"CodRegRemuneracao", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"DataAumento", sql::Date(pnDataAumento)},
          {"IndiceAumento", sql::Single(pnIndiceAumento), kBlank},
          {"ValorAtualizado", sql::Number(pnValorAtualizado), kBlank},
          {"CodMotivoAumento", sql::Number(pkCodMotivoAumento), kBlank}};
}

}  // namespace

void classRemuneracao::BusRemuneracao(ado::Connection& ConnRH, std::string& DescErr,
                                      std::int32_t& pkCodRegRemuneracao, std::int32_t& pkCodFuncionario,
                                      std::string& pnNome, automation::Date& pnDataAumento, float& pnIndiceAumento,
                                      double& pnValorAtualizado, std::int32_t& pkCodMotivoAumento,
                                      std::string& pnMotivoAumento) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsRemuneracao.*, RhsDadosPessoais.Nome, RhsMotivoAumento.MotivoAumento" " "
        "FROM ((( RhsRemuneracao "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsRemuneracao.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsMotivoAumento ON RhsMotivoAumento.CodMotivoAumento = RhsRemuneracao.CodMotivoAumento) "
        "WHERE CodRegRemuneracao = " + sql::Number(pkCodRegRemuneracao));
    Copy(*rs, "CodRegRemuneracao", pkCodRegRemuneracao);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "DataAumento", pnDataAumento);
    Copy(*rs, "IndiceAumento", pnIndiceAumento);
    Copy(*rs, "ValorAtualizado", pnValorAtualizado);
    Copy(*rs, "CodMotivoAumento", pkCodMotivoAumento);
    Copy(*rs, "MotivoAumento", pnMotivoAumento);
    rs->Close();
  });
}

void classRemuneracao::ExcRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      Variant& pkCodRegRemuneracao, Variant& pkCodFuncionario) {
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegRemuneracao, "CodRegRemuneracao = ", sql::Number);
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    // Without a condition the delete would empty the table.
    if (where.Clause().empty()) automation::raise(automation::err::kInvalidArgument);
    Execute(ConnRH, "DELETE FROM RhsRemuneracao " + where.Clause());
  });
}

void classRemuneracao::CarRemuneracao(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                      Variant& pkCodFuncionario, Variant& pnDataAumento, Variant& pnIndiceAumento,
                                      Variant& pkCodMotivoAumento) {
  static constexpr Column kColumns[] = {{"CodRegRemuneracao"}, {"CodFuncionario"},   {"DataAumento"},
                                        {"IndiceAumento"},     {"ValorAtualizado"},  {"CodMotivoAumento"},
                                        {"MotivoAumento"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    where.Add(pnDataAumento, "DataAumento = ", sql::Date);
    where.Add(pnIndiceAumento, "IndiceAumento = ", sql::Single);
    // Both joined tables have CodMotivoAumento: the filter names the raise's.
    where.Add(pkCodMotivoAumento, "RhsRemuneracao.CodMotivoAumento = ", sql::Number);
    std::string statement =
        "SELECT RhsRemuneracao.*, RhsMotivoAumento.MotivoAumento "
        "FROM ( RhsRemuneracao "
        "LEFT JOIN RhsMotivoAumento ON RhsMotivoAumento.CodMotivoAumento = RhsRemuneracao.CodMotivoAumento) " +
        where.Clause() + " " "ORDER BY DataAumento, ValorAtualizado";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classRemuneracao::AltRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegRemuneracao, std::int32_t& pkCodFuncionario,
                                      automation::Date& pnDataAumento, float& pnIndiceAumento,
                                      double& pnValorAtualizado, std::int32_t& pkCodMotivoAumento) {
  Trapped(DescErr, [&] {
    std::string statement = sql::Update("RhsRemuneracao",
                                        Columns(pkCodRegRemuneracao, pkCodFuncionario, pnDataAumento, pnIndiceAumento,
                                                pnValorAtualizado, pkCodMotivoAumento),
                                        "WHERE CodRegRemuneracao = " + sql::Number(pkCodRegRemuneracao));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

void classRemuneracao::IncRemuneracao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegRemuneracao, std::int32_t& pkCodFuncionario,
                                      automation::Date& pnDataAumento, float& pnIndiceAumento,
                                      double& pnValorAtualizado, std::int32_t& pkCodMotivoAumento) {
  InsertTrapped(ConnRH, DescErr, pkCodRegRemuneracao, {"RhsRemuneracao", "CodRegRemuneracao"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    std::string statement = sql::Insert("RhsRemuneracao", Columns(key, pkCodFuncionario, pnDataAumento,
                                                                  pnIndiceAumento, pnValorAtualizado,
                                                                  pkCodMotivoAumento));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

std::optional<std::int32_t> classRemuneracao::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegRemuneracao) AS MaxCod " "FROM RhsRemuneracao");
}

const com::ClassDescription<classRemuneracao>& classRemuneracao::Description() {
  using C = classRemuneracao;
  static const com::ClassDescription<C> d{
      "Quorvel.classRemuneracao",
      {
          com::Method<&C::BusRemuneracao>("BusRemuneracao", {"ConnRH", "DescErr", "pkCodRegRemuneracao",
                                                             "pkCodFuncionario", "pnNome", "pnDataAumento",
                                                             "pnIndiceAumento", "pnValorAtualizado",
                                                             "pkCodMotivoAumento", "pnMotivoAumento"}),
          com::Method<&C::ExcRemuneracao>("ExcRemuneracao", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                             "pkCodRegRemuneracao", "pkCodFuncionario"}),
          com::Method<&C::CarRemuneracao>("CarRemuneracao", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario",
                                                             "pnDataAumento", "pnIndiceAumento",
                                                             "pkCodMotivoAumento"}),
          com::Method<&C::AltRemuneracao>("AltRemuneracao", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                             "pkCodRegRemuneracao", "pkCodFuncionario",
                                                             "pnDataAumento", "pnIndiceAumento",
                                                             "pnValorAtualizado", "pkCodMotivoAumento"}),
          com::Method<&C::IncRemuneracao>("IncRemuneracao", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                             "pkCodRegRemuneracao", "pkCodFuncionario",
                                                             "pnDataAumento", "pnIndiceAumento",
                                                             "pnValorAtualizado", "pkCodMotivoAumento"}),
      }};
  return d;
}

}  // namespace quorvel
