// SPDX-License-Identifier: MIT
#include "quorvel/administration/classAnotacao.h"

#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsAnotacao in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int32_t pkCodTipoAnotacao,
                         const automation::Date& pnDataAnotacao, const std::string& pnDescrAnotacao) {
  using sql::kBlank;
  return {{"CodRegAnotacao", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoAnotacao", sql::Number(pkCodTipoAnotacao), kBlank},
          {"DataAnotacao", sql::Date(pnDataAnotacao)},
          {"DescrAnotacao", sql::Quote(pnDescrAnotacao)}};
}

}  // namespace

void classAnotacao::BusAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegAnotacao,
                                std::int32_t& pkCodFuncionario, std::string& pnNome,
                                std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao,
                                automation::Date& pnDataAnotacao, std::string& pnDescrAnotacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsAnotacao.*, RhsDadosPessoais.Nome, "
        "RhsTipoAnotacao.DescrTipoAnotacao "
        "FROM ((( RhsAnotacao "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsAnotacao.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoAnotacao ON RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) "
        "WHERE CodRegAnotacao = " + sql::Number(pkCodRegAnotacao));
    Copy(*rs, "CodRegAnotacao", pkCodRegAnotacao);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoAnotacao", pkCodTipoAnotacao);
    Copy(*rs, "DescrTipoAnotacao", pnDescrTipoAnotacao);
    Copy(*rs, "DataAnotacao", pnDataAnotacao);
    Copy(*rs, "DescrAnotacao", pnDescrAnotacao);
    rs->Close();
  });
}

void classAnotacao::ExcAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodRegAnotacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsAnotacao " "WHERE CodRegAnotacao = " + sql::Number(pkCodRegAnotacao));
  });
}

void classAnotacao::CarAnotacao(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                Variant& pkCodFuncionario, Variant& pkCodTipoAnotacao, Variant& pnDataAnotacao) {
  static constexpr Column kColumns[] = {{"CodRegAnotacao"},    {"CodFuncionario"}, {"CodTipoAnotacao"},
                                        {"DescrTipoAnotacao"}, {"DataAnotacao"},   {"DescrAnotacao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    where.Add(pkCodTipoAnotacao, "RhsAnotacao.CodTipoAnotacao = ", sql::Number);
    where.Add(pnDataAnotacao, "DataAnotacao = ", sql::Date);
    const std::string statement =
        "SELECT RhsAnotacao.*, RhsTipoAnotacao.DescrTipoAnotacao "
        "FROM ( RhsAnotacao "
        "LEFT JOIN RhsTipoAnotacao ON RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) " +
        where.Clause();
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classAnotacao::AltAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodRegAnotacao, std::int32_t& pkCodFuncionario,
                                std::int32_t& pkCodTipoAnotacao, automation::Date& pnDataAnotacao,
                                std::string& pnDescrAnotacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsAnotacao",
                                Columns(pkCodRegAnotacao, pkCodFuncionario, pkCodTipoAnotacao, pnDataAnotacao,
                                        pnDescrAnotacao),
                                "WHERE CodRegAnotacao = " + sql::Number(pkCodRegAnotacao)));
  });
}

void classAnotacao::IncAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodRegAnotacao, std::int32_t& pkCodFuncionario,
                                std::int32_t& pkCodTipoAnotacao, automation::Date& pnDataAnotacao,
                                std::string& pnDescrAnotacao) {
  InsertTrapped(ConnRH, DescErr, pkCodRegAnotacao, {"RhsAnotacao", "CodRegAnotacao"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsAnotacao", Columns(key, pkCodFuncionario, pkCodTipoAnotacao, pnDataAnotacao,
                                                       pnDescrAnotacao)));
  });
}

std::optional<std::int32_t> classAnotacao::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegAnotacao) AS MaxCod " "FROM RhsAnotacao");
}

const com::ClassDescription<classAnotacao>& classAnotacao::Description() {
  using C = classAnotacao;
  static const com::ClassDescription<C> d{
      "Quorvel.classAnotacao",
      {
          com::Method<&C::BusAnotacao>("BusAnotacao",
                                       {"ConnRH", "DescErr", "pkCodRegAnotacao", "pkCodFuncionario", "pnNome",
                                        "pkCodTipoAnotacao", "pnDescrTipoAnotacao", "pnDataAnotacao",
                                        "pnDescrAnotacao"}),
          com::Method<&C::ExcAnotacao>("ExcAnotacao",
                                       {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegAnotacao"}),
          com::Method<&C::CarAnotacao>("CarAnotacao", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario",
                                                       "pkCodTipoAnotacao", "pnDataAnotacao"}),
          com::Method<&C::AltAnotacao>("AltAnotacao",
                                       {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegAnotacao",
                                        "pkCodFuncionario", "pkCodTipoAnotacao", "pnDataAnotacao",
                                        "pnDescrAnotacao"}),
          com::Method<&C::IncAnotacao>("IncAnotacao",
                                       {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegAnotacao",
                                        "pkCodFuncionario", "pkCodTipoAnotacao", "pnDataAnotacao",
                                        "pnDescrAnotacao"}),
      }};
  return d;
}

}  // namespace quorvel
