// SPDX-License-Identifier: MIT
#include "quorvel/administration/classValeRefeicao.h"

#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsValeRefeicao in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, const automation::Date& pnDataRetirada,
                         std::uint8_t pnQuantidadeRetirada, double pnValorUnitarioVR, double pnValorTotal) {
  using sql::kBlank;
  return {{"CodRegValeRefeicao", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"DataRetirada", sql::Date(pnDataRetirada)},
          {"QuantidadeRetirada", sql::Number(pnQuantidadeRetirada), kBlank},
          {"ValorUnitarioVR", fFormataNumeroSql(pnValorUnitarioVR), kBlank},
          {"ValorTotal", fFormataNumeroSql(pnValorTotal)}};
}

}  // namespace

void classValeRefeicao::BusValeRefeicao(ado::Connection& ConnRH, std::string& DescErr,
                                        std::int32_t& pkCodRegValeRefeicao, std::int32_t& pkCodFuncionario,
                                        std::string& pnNome, automation::Date& pnDataRetirada,
                                        std::uint8_t& pnQuantidadeRetirada, double& pnValorUnitarioVR,
                                        double& pnValorTotal) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH, "SELECT RhsValeRefeicao.*, RhsDadosPessoais.Nome "
                "FROM (( RhsValeRefeicao "
                "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsValeRefeicao.CodFuncionario) "
                "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
                "WHERE CodRegValeRefeicao = " + sql::Number(pkCodRegValeRefeicao));
    Copy(*rs, "CodRegValeRefeicao", pkCodRegValeRefeicao);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "DataRetirada", pnDataRetirada);
    Copy(*rs, "QuantidadeRetirada", pnQuantidadeRetirada);
    Copy(*rs, "ValorUnitarioVR", pnValorUnitarioVR);
    Copy(*rs, "ValorTotal", pnValorTotal);
    rs->Close();
  });
}

void classValeRefeicao::ExcValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodRegValeRefeicao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsValeRefeicao "
                    "WHERE CodRegValeRefeicao = " + sql::Number(pkCodRegValeRefeicao));
  });
}

void classValeRefeicao::CarValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                        Variant& pkCodFuncionario, Variant& pnDataRetirada,
                                        Variant& pnQuantidadeRetirada) {
  static constexpr Column kColumns[] = {{"CodRegValeRefeicao"}, {"CodFuncionario"},  {"DataRetirada"},
                                        {"QuantidadeRetirada"}, {"ValorUnitarioVR"}, {"ValorTotal"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    where.Add(pnDataRetirada, "DataRetirada = ", sql::Date);
    where.Add(pnQuantidadeRetirada, "QuantidadeRetirada = ", sql::Number);
    LoadList(ConnRH, "SELECT * " "FROM RhsValeRefeicao " + where.Clause(), vlArray, kColumns);
  });
}

void classValeRefeicao::AltValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodRegValeRefeicao, std::int32_t& pkCodFuncionario,
                                        automation::Date& pnDataRetirada, std::uint8_t& pnQuantidadeRetirada,
                                        double& pnValorUnitarioVR, double& pnValorTotal) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsValeRefeicao",
                                Columns(pkCodRegValeRefeicao, pkCodFuncionario, pnDataRetirada, pnQuantidadeRetirada,
                                        pnValorUnitarioVR, pnValorTotal),
                                "WHERE CodRegValeRefeicao = " + sql::Number(pkCodRegValeRefeicao)));
  });
}

void classValeRefeicao::IncValeRefeicao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::int32_t& pkCodRegValeRefeicao, std::int32_t& pkCodFuncionario,
                                        automation::Date& pnDataRetirada, std::uint8_t& pnQuantidadeRetirada,
                                        double& pnValorUnitarioVR, double& pnValorTotal) {
  InsertTrapped(ConnRH, DescErr, pkCodRegValeRefeicao, {"RhsValeRefeicao", "CodRegValeRefeicao"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsValeRefeicao",
                                Columns(key, pkCodFuncionario, pnDataRetirada, pnQuantidadeRetirada,
                                        pnValorUnitarioVR, pnValorTotal),
                                {.values = " )"}));
  });
}

std::optional<std::int32_t> classValeRefeicao::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegValeRefeicao) AS MaxCod " "FROM RhsValeRefeicao");
}

const com::ClassDescription<classValeRefeicao>& classValeRefeicao::Description() {
  using C = classValeRefeicao;
  static const com::ClassDescription<C> d{
      "Quorvel.classValeRefeicao",
      {
          com::Method<&C::BusValeRefeicao>(
              "BusValeRefeicao", {"ConnRH", "DescErr", "pkCodRegValeRefeicao", "pkCodFuncionario", "pnNome",
                                  "pnDataRetirada", "pnQuantidadeRetirada", "pnValorUnitarioVR", "pnValorTotal"}),
          com::Method<&C::ExcValeRefeicao>("ExcValeRefeicao", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                               "pkCodRegValeRefeicao"}),
          com::Method<&C::CarValeRefeicao>("CarValeRefeicao", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario",
                                                               "pnDataRetirada", "pnQuantidadeRetirada"}),
          com::Method<&C::AltValeRefeicao>(
              "AltValeRefeicao", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegValeRefeicao",
                                  "pkCodFuncionario", "pnDataRetirada", "pnQuantidadeRetirada", "pnValorUnitarioVR",
                                  "pnValorTotal"}),
          com::Method<&C::IncValeRefeicao>(
              "IncValeRefeicao", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegValeRefeicao",
                                  "pkCodFuncionario", "pnDataRetirada", "pnQuantidadeRetirada", "pnValorUnitarioVR",
                                  "pnValorTotal"}),
      }};
  return d;
}

}  // namespace quorvel
