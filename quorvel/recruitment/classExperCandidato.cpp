// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classExperCandidato.h"


#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include <array>
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Date;
using automation::Variant;

namespace {

// The columns of RhsExperCandidato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t CodCandidato, std::string_view NomeEmpresa,
                         std::int32_t CodCidade, std::int32_t CodCargo, std::string_view DescrAtividades,
                         const Date& DataEntrada, const Variant& DataSaida, double SalarioSaida,
                         std::int16_t CodMotivoDeslig, std::string_view DescrMotivoSaida) {
  using sql::kBlank;
  return {{"CodRegExperCandidato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodCandidato", sql::Number(CodCandidato), kBlank},
          {"NomeEmpresa", sql::Quote(NomeEmpresa)},
          {"CodCidade", sql::Number(CodCidade), kBlank},
          {"CodCargo", sql::Number(CodCargo), kBlank},
          {"DescrAtividades", sql::Quote(DescrAtividades)},
          {"DataEntrada", sql::Date(DataEntrada)},
          {"DataSaida", sql::OptionalDate(DataSaida), kBlank},
          {"SalarioSaida", sql::Number(SalarioSaida), kBlank},
          {"CodMotivoDeslig", sql::Number(CodMotivoDeslig), kBlank},
          {"DescrMotivoSaida", sql::Quote(DescrMotivoSaida)}};
}

}  // namespace

void classExperCandidato::CarComboNomeEmpresa(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT NomeEmpresa " "FROM RhsExperCandidato " "WHERE NomeEmpresa <> ''", vlArray,
              "NomeEmpresa");
  });
}

void classExperCandidato::BusExperCandidato(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegExperCandidato,
    std::int32_t& pkCodCandidato, std::string& pnNome, std::string& pnNomeEmpresa, std::int32_t& pkCodCidade,
    std::string& pnNomeCidade, std::int32_t& pkCodCargo, std::string& pnNomeCargo, std::string& pnDescrAtividades,
    Date& pnDataEntrada, Variant& pnDataSaida, double& pnSalarioSaida, std::int16_t& pkCodMotivoDeslig,
    std::string& pnMotivoDeslig, std::string& pnDescrMotivoSaida) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsExperCandidato.*, RhsDadosPessoais.Nome, "
        "RhsCidade.NomeCidade, RhsCargo.NomeCargo, RhsMotivoDeslig.MotivoDeslig "
        "FROM ((((( RhsExperCandidato "
        "LEFT JOIN RhsDadosCandidato ON RhsDadosCandidato.CodCandidato = RhsExperCandidato.CodCandidato) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosCandidato.CodIndividual) "
        "LEFT JOIN RhsCidade ON RhsCidade.CodCidade = RhsExperCandidato.CodCidade) "
        "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsExperCandidato.CodCargo) "
        "LEFT JOIN RhsMotivoDeslig ON RhsMotivoDeslig.CodMotivoDeslig = RhsExperCandidato.CodMotivoDeslig) "
        "WHERE CodRegExperCandidato = " + sql::Number(pkCodRegExperCandidato));
    Copy(*rs, "CodRegExperCandidato", pkCodRegExperCandidato);
    Copy(*rs, "CodCandidato", pkCodCandidato);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "NomeEmpresa", pnNomeEmpresa);
    Copy(*rs, "CodCidade", pkCodCidade);
    Copy(*rs, "NomeCidade", pnNomeCidade);
    Copy(*rs, "CodCargo", pkCodCargo);
    Copy(*rs, "NomeCargo", pnNomeCargo);
    Copy(*rs, "DescrAtividades", pnDescrAtividades);
    Copy(*rs, "DataEntrada", pnDataEntrada);
    Copy(*rs, "DataSaida", pnDataSaida);
    Copy(*rs, "SalarioSaida", pnSalarioSaida);
    Copy(*rs, "CodMotivoDeslig", pkCodMotivoDeslig);
    Copy(*rs, "MotivoDeslig", pnMotivoDeslig);
    Copy(*rs, "DescrMotivoSaida", pnDescrMotivoSaida);
    rs->Close();
  });
}

void classExperCandidato::ExcExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegExperCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsExperCandidato " "WHERE CodRegExperCandidato = " +
                        sql::Number(pkCodRegExperCandidato));
  });
}

void classExperCandidato::CarExperCandidato(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                            Variant& pkCodCandidato, Variant& pkCodCidade, Variant& pkCodCargo) {
  // Captions in the table's order; the rows carry columns 2 to 9 in another.
  static constexpr Column kColumns[] = {
      {"CodRegExperCandidato"}, {"CodCandidato"},           {"NomeEmpresa", "DataEntrada"},
      {"CodCidade", "DataSaida"}, {"NomeCidade", "CodCargo"}, {"CodCargo", "NomeCargo"},
      {"NomeCargo", "NomeEmpresa"}, {"DescrAtividades", "CodCidade"}, {"DataEntrada", "Cidade"},
      {"DataSaida", "DescrAtividades"}, {"SalarioSaida"},     {"CodMotivoDeslig"},
      {"MotivoDeslig"},           {"DescrMotivoSaida"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodCandidato, "CodCandidato = ", sql::Number);
    where.Add(pkCodCidade, "RhsExperCandidato.CodCidade = ", sql::Number);
    where.Add(pkCodCargo, "RhsExperCandidato.CodCargo = ", sql::Number);
    LoadList(ConnRH,
             "SELECT RhsExperCandidato.*, RhsCidade.Cidade, "
             "RhsCargo.NomeCargo, RhsMotivoDeslig.MotivoDeslig "
             "FROM ((( RhsExperCandidato "
             "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsExperCandidato.CodCidade) "
             "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsExperCandidato.CodCargo) "
             "LEFT JOIN RhsMotivoDeslig ON RhsMotivoDeslig.CodMotivoDeslig = RhsExperCandidato.CodMotivoDeslig) " +
                 where.Clause() + " ORDER BY DataSaida DESC",
             vlArray, kColumns);
  });
}

void classExperCandidato::AltExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegExperCandidato,
                                            std::int32_t& pkCodCandidato, std::string& pnNomeEmpresa,
                                            std::int32_t& pkCodCidade, std::int32_t& pkCodCargo,
                                            std::string& pnDescrAtividades, Date& pnDataEntrada,
                                            Variant& pnDataSaida, double& pnSalarioSaida,
                                            std::int16_t& pkCodMotivoDeslig, std::string& pnDescrMotivoSaida) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsExperCandidato",
                                Columns(pkCodRegExperCandidato, pkCodCandidato, pnNomeEmpresa, pkCodCidade, pkCodCargo,
                                        pnDescrAtividades, pnDataEntrada, pnDataSaida, pnSalarioSaida,
                                        pkCodMotivoDeslig, pnDescrMotivoSaida),
                                "WHERE CodRegExperCandidato = " + sql::Number(pkCodRegExperCandidato)));
  });
}

void classExperCandidato::IncExperCandidato(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::int32_t& pkCodRegExperCandidato,
                                            std::int32_t& pkCodCandidato, std::string& pnNomeEmpresa,
                                            std::int32_t& pkCodCidade, std::int32_t& pkCodCargo,
                                            std::string& pnDescrAtividades, Date& pnDataEntrada,
                                            Variant& pnDataSaida, double& pnSalarioSaida,
                                            std::int16_t& pkCodMotivoDeslig, std::string& pnDescrMotivoSaida) {
  InsertTrapped(ConnRH, DescErr, pkCodRegExperCandidato, {"RhsExperCandidato", "CodRegExperCandidato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsExperCandidato",
                                Columns(key, pkCodCandidato, pnNomeEmpresa, pkCodCidade, pkCodCargo, pnDescrAtividades,
                                        pnDataEntrada, pnDataSaida, pnSalarioSaida, pkCodMotivoDeslig,
                                        pnDescrMotivoSaida)));
  });
}

std::optional<std::int32_t> classExperCandidato::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegExperCandidato) AS MaxCod " "FROM RhsExperCandidato");
}

const com::ClassDescription<classExperCandidato>& classExperCandidato::Description() {
  using C = classExperCandidato;
  static constexpr const char* kRecord[] = {
      "ConnRH",         "DescErr",          "User",           "SourceMachine",  "pkCodRegExperCandidato",
      "pkCodCandidato", "pnNomeEmpresa",    "pkCodCidade",    "pkCodCargo",     "pnDescrAtividades",
      "pnDataEntrada",  "pnDataSaida",      "pnSalarioSaida", "pkCodMotivoDeslig", "pnDescrMotivoSaida"};
  static const com::ClassDescription<C> d{
      "Quorvel.classExperCandidato",
      {
          com::Method<&C::CarComboNomeEmpresa>("CarComboNomeEmpresa", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::BusExperCandidato>(
              "BusExperCandidato",
              {"ConnRH", "DescErr", "pkCodRegExperCandidato", "pkCodCandidato", "pnNome", "pnNomeEmpresa",
               "pkCodCidade", "pnNomeCidade", "pkCodCargo", "pnNomeCargo", "pnDescrAtividades", "pnDataEntrada",
               "pnDataSaida", "pnSalarioSaida", "pkCodMotivoDeslig", "pnMotivoDeslig", "pnDescrMotivoSaida"}),
          com::Method<&C::ExcExperCandidato>(
              "ExcExperCandidato", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegExperCandidato"}),
          com::Method<&C::CarExperCandidato>("CarExperCandidato", {"ConnRH", "DescErr", "vlArray", "pkCodCandidato",
                                                                   "pkCodCidade", "pkCodCargo"}),
          com::Method<&C::AltExperCandidato>("AltExperCandidato", kRecord),
          com::Method<&C::IncExperCandidato>("IncExperCandidato", kRecord),
      }};
  return d;
}

}  // namespace quorvel
