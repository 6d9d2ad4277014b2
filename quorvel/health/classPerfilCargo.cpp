// SPDX-License-Identifier: MIT
#include "quorvel/health/classPerfilCargo.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsPerfilCargo in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFilial, std::int32_t pkCodCargo,
                         const Variant& pnIdadeMin, const Variant& pnIdadeMax, const std::string& pnSexo,
                         std::int32_t pnCodGrauInstrMin, std::uint8_t pnExperMinAnos, std::uint8_t pnExperMinMeses) {
  using sql::kBlank;
  return {{"CodRegPerfilCargo", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFilial", sql::Number(pkCodFilial), kBlank},
          {"CodCargo", sql::Number(pkCodCargo), kBlank},
          {"IdadeMin", sql::OptionalNumber(pnIdadeMin), kBlank},
          {"IdadeMax", sql::OptionalNumber(pnIdadeMax), kBlank},
          {"Sexo", sql::Quote(pnSexo)},
          {"CodGrauInstrMin", sql::Number(pnCodGrauInstrMin), kBlank},
          {"ExperMinAnos", sql::Number(pnExperMinAnos), kBlank},
          {"ExperMinMeses", sql::Number(pnExperMinMeses), kBlank}};
}

}  // namespace

void classPerfilCargo::CarPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                      Variant& pkCodRegPerfilCargo, Variant& pnNomeFil, Variant& pnNomeCargo) {
  static constexpr Column kColumns[] = {{"CodRegPerfilCargo"}, {"NomeFil"}, {"NomeCargo"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodRegPerfilCargo, " CodRegPerfilCargo LIKE ", sql::Text);
    where.Add(pnNomeFil, "UPPER(NomeFil)LIKE ", sql::UpperText);
    where.Add(pnNomeCargo, "UPPER(NomeCargo) LIKE ", sql::UpperText);
    std::string statement = "SELECT RhsPerfilCargo.CodRegPerfilCargo, RhsFilial.NomeFil, "
                            "RhsCargo.NomeCargo "
                            "FROM (( RhsPerfilCargo "
                            "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsPerfilCargo.CodFilial) "
                            "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsPerfilCargo.CodCargo) " +
                            where.Clause() + " ORDER BY RhsFilial.NomeFil, RhsCargo.NomeCargo";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classPerfilCargo::BusPerfilCargo(ado::Connection& ConnRH, std::string& DescErr,
                                      std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodFilial,
                                      std::string& pnNomeFil, std::int32_t& pkCodCargo, std::string& pnNomeCargo,
                                      Variant& pnIdadeMin, Variant& pnIdadeMax, std::string& pnSexo,
                                      std::int32_t& pkCodGrauInstrMin, std::string& pnGrauInstrucao,
                                      std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT RhsPerfilCargo.*, CG.Nome, RhsCargo.NomeCargo, "
                                   "RhsGrauInstrucao.GrauInstrucao "
                                   "FROM ((( RhsPerfilCargo "
                                   "LEFT JOIN CadGeral CG ON CG.CodGeral = RhsPerfilCargo.CodFilial) "
                                   "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsPerfilCargo.CodCargo) "
                                   "LEFT JOIN RhsGrauInstrucao ON "
                                   "RhsGrauInstrucao.CodGrauInstrucao = RhsPerfilCargo.CodGrauInstrMin) "
                                   "WHERE CodRegPerfilCargo = " + sql::Number(pkCodRegPerfilCargo));
    Copy(*rs, "CodRegPerfilCargo", pkCodRegPerfilCargo);
    Copy(*rs, "CodFilial", pkCodFilial);
    Copy(*rs, "Nome", pnNomeFil);
    Copy(*rs, "CodCargo", pkCodCargo);
    Copy(*rs, "NomeCargo", pnNomeCargo);
    Copy(*rs, "IdadeMin", pnIdadeMin);
    Copy(*rs, "IdadeMax", pnIdadeMax);
    Copy(*rs, "Sexo", pnSexo);
    Copy(*rs, "CodGrauInstrMin", pkCodGrauInstrMin);
    Copy(*rs, "GrauInstrucao", pnGrauInstrucao);
    Copy(*rs, "ExperMinAnos", pnExperMinAnos);
    Copy(*rs, "ExperMinMeses", pnExperMinMeses);
    rs->Close();
  });
}

void classPerfilCargo::ExcPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegPerfilCargo) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsPerfilCargo " "WHERE CodRegPerfilCargo = " + sql::Number(pkCodRegPerfilCargo));
  });
}

void classPerfilCargo::AltPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodFilial,
                                      std::int32_t& pkCodCargo, Variant& pnIdadeMin, Variant& pnIdadeMax,
                                      std::string& pnSexo, std::int32_t& pnCodGrauInstrMin,
                                      std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsPerfilCargo",
                                Columns(pkCodRegPerfilCargo, pkCodFilial, pkCodCargo, pnIdadeMin, pnIdadeMax, pnSexo,
                                        pnCodGrauInstrMin, pnExperMinAnos, pnExperMinMeses),
                                "WHERE CodRegPerfilCargo = " + sql::Number(pkCodRegPerfilCargo)));
  });
}

void classPerfilCargo::IncPerfilCargo(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegPerfilCargo, std::int32_t& pkCodFilial,
                                      std::int32_t& pkCodCargo, Variant& pnIdadeMin, Variant& pnIdadeMax,
                                      std::string& pnSexo, std::int32_t& pnCodGrauInstrMin,
                                      std::uint8_t& pnExperMinAnos, std::uint8_t& pnExperMinMeses) {
  InsertTrapped(ConnRH, DescErr, pkCodRegPerfilCargo, {"RhsPerfilCargo", "CodRegPerfilCargo"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsPerfilCargo", Columns(key, pkCodFilial, pkCodCargo, pnIdadeMin, pnIdadeMax,
                                                          pnSexo, pnCodGrauInstrMin, pnExperMinAnos,
                                                          pnExperMinMeses)));
  });
}

std::optional<std::int32_t> classPerfilCargo::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegPerfilCargo) AS MaxCod " "FROM RhsPerfilCargo");
}

const com::ClassDescription<classPerfilCargo>& classPerfilCargo::Description() {
  using C = classPerfilCargo;
  static const com::ClassDescription<C> d{
      "Quorvel.classPerfilCargo",
      {
          com::Method<&C::CarPerfilCargo>("CarPerfilCargo", {"ConnRH", "DescErr", "vlArray", "pkCodRegPerfilCargo",
                                                             "pnNomeFil", "pnNomeCargo"}),
          com::Method<&C::BusPerfilCargo>("BusPerfilCargo",
                                          {"ConnRH", "DescErr", "pkCodRegPerfilCargo", "pkCodFilial", "pnNomeFil",
                                           "pkCodCargo", "pnNomeCargo", "pnIdadeMin", "pnIdadeMax", "pnSexo",
                                           "pkCodGrauInstrMin", "pnGrauInstrucao", "pnExperMinAnos",
                                           "pnExperMinMeses"}),
          com::Method<&C::ExcPerfilCargo>("ExcPerfilCargo",
                                          {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegPerfilCargo"}),
          com::Method<&C::AltPerfilCargo>("AltPerfilCargo",
                                          {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegPerfilCargo",
                                           "pkCodFilial", "pkCodCargo", "pnIdadeMin", "pnIdadeMax", "pnSexo",
                                           "pnCodGrauInstrMin", "pnExperMinAnos", "pnExperMinMeses"}),
          com::Method<&C::IncPerfilCargo>("IncPerfilCargo",
                                          {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegPerfilCargo",
                                           "pkCodFilial", "pkCodCargo", "pnIdadeMin", "pnIdadeMax", "pnSexo",
                                           "pnCodGrauInstrMin", "pnExperMinAnos", "pnExperMinMeses"}),
      }};
  return d;
}

}  // namespace quorvel
