// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classDependente.h"

#include <cmath>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Date;

namespace {

constexpr double kDaysPerYear = 365.25;

// Whole years from birth to then, rounded down.
double Years(double birth, double then) { return std::floor((then - birth) / kDaysPerYear); }

// "(Idade)": the age today, Null without a birth date.
Variant Idade(Record& record) {
  const Variant& birth = record.Field("DataNascDep");
  if (birth.is_null()) return Variant(automation::Null);
  return Variant(Years(automation::CDate(birth).value, automation::Today().value));
}

// The columns of RhsDependente in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, const std::string& pnNomeDep,
                         std::int32_t pkCodGrauParentesco, const std::string& pnSexoDep,
                         const std::string& pnNrCPFDep, Date pnDataNascDep, const Variant& pkCodNaturalidadeDep,
                         const Variant& pkCodNacionalidadeDep, const std::string& pnNomeCartorio,
                         const std::string& pnNrRegistro, const std::string& pnNrLivro, const std::string& pnNrFolha,
                         const Variant& pkCodGrauInstrucaoDep, const std::string& pnDepIRRF,
                         const std::string& pnDepSalFamilia, const std::string& pnDepAssitMedica,
                         const std::string& pnDepPensaoAliment) {
  using sql::kBlank;
  return {{"CodDep", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"NomeDep", sql::Quote(pnNomeDep)},
          {"CodGrauParentesco", sql::Number(pkCodGrauParentesco), kBlank},
          {"SexoDep", sql::Quote(pnSexoDep)},
          {"NrCPFDep", sql::Quote(pnNrCPFDep)},
          {"DataNascDep", sql::Date(pnDataNascDep)},
          {"CodNaturalidadeDep", sql::OptionalNumber(pkCodNaturalidadeDep), kBlank},
          {"CodNacionalidadeDep", sql::OptionalNumber(pkCodNacionalidadeDep), kBlank},
          {"NomeCartorio", sql::Quote(pnNomeCartorio)},
          {"NrRegistro", sql::Quote(pnNrRegistro)},
          {"NrLivro", sql::Quote(pnNrLivro)},
          {"NrFolha", sql::Quote(pnNrFolha)},
          {"CodGrauInstrucaoDep", sql::OptionalNumber(pkCodGrauInstrucaoDep), kBlank},
          {"DepIRRF", sql::Quote(pnDepIRRF)},
          {"DepSalFamilia", sql::Quote(pnDepSalFamilia)},
          {"DepAssistMedica", sql::Quote(pnDepAssitMedica)},
          {"DepPensaoAliment", sql::Quote(pnDepPensaoAliment)}};
}

// The two counts: statement, then the one field as a 32-bit integer. No trap.
std::int32_t Count(ado::Connection& ConnRH, std::string statement, const Variant& pkCodFuncionario,
                   std::string_view field) {
  if (!pkCodFuncionario.is_null()) statement += "AND CodFuncionario = " + sql::Number(pkCodFuncionario);
  RecordsetPtr rs = Open(ConnRH, statement);
  std::int32_t total = 0;
  Copy(*rs, field, total);
  rs->Close();
  return total;
}

}  // namespace

void classDependente::AltStatusSalFamilia(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                          std::string&, Variant& pkCodFuncionario, std::string& plValorAnterior,
                                          std::string& plNovoValor, Date& plDataConsiderada,
                                          std::int32_t& plIdadeConsiderada) {
  Trapped(DescErr, [&] {
    // The limit is computed here: a date text minus a number of days is
    // arithmetic no database does on the literal. Birth dates are whole days,
    // so "before the limit" is "before its day rounded up".
    const double limit =
        std::ceil(std::floor(plDataConsiderada.value) - static_cast<double>(plIdadeConsiderada) * kDaysPerYear);
    std::string statement = "UPDATE RhsDependente SET "
                            "DepSalFamilia = " + sql::Quote(plNovoValor) + " "
                            "WHERE DepSalFamilia = " + sql::Quote(plValorAnterior) + " AND "
                            "DataNascDep < " + sql::Date(Variant(automation::ToDate(limit)));
    if (!pkCodFuncionario.is_null()) statement += " AND CodFuncionario = " + sql::Number(pkCodFuncionario);
    Execute(ConnRH, statement);
  });
}

void classDependente::fCalcIdadeDep(ado::Connection& ConnRH, std::string&, std::int32_t& pkCodDep,
                                    Date& plDataBase, std::int16_t& result) {
  RecordsetPtr rs = Open(ConnRH, "SELECT DataNascDep " "FROM RhsDependente " "WHERE CodDep = " +
                                     sql::Number(pkCodDep));
  Date birth;
  Copy(*rs, "DataNascDep", birth);
  result = automation::CInt(Variant(Years(birth.value, plDataBase.value)));
}

void classDependente::ExcDependente(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                    std::int32_t& pkCodDep) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsDependente " "WHERE CodDep = " + sql::Number(pkCodDep));
  });
}

void classDependente::AltDependente(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodDep,
    std::int32_t& pkCodFuncionario, std::string& pnNomeDep, std::int32_t& pkCodGrauParentesco,
    std::string& pnSexoDep, std::string& pnNrCPFDep, Date& pnDataNascDep, Variant& pkCodNaturalidadeDep,
    Variant& pkCodNacionalidadeDep, std::string& pnNomeCartorio, std::string& pnNrRegistro, std::string& pnNrLivro,
    std::string& pnNrFolha, Variant& pkCodGrauInstrucaoDep, std::string& pnDepIRRF, std::string& pnDepSalFamilia,
    std::string& pnDepAssitMedica, std::string& pnDepPensaoAliment) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsDependente",
                                Columns(pkCodDep, pkCodFuncionario, pnNomeDep, pkCodGrauParentesco, pnSexoDep,
                                        pnNrCPFDep, pnDataNascDep, pkCodNaturalidadeDep, pkCodNacionalidadeDep,
                                        pnNomeCartorio, pnNrRegistro, pnNrLivro, pnNrFolha, pkCodGrauInstrucaoDep,
                                        pnDepIRRF, pnDepSalFamilia, pnDepAssitMedica, pnDepPensaoAliment),
                                "WHERE CodDep = " + sql::Number(pkCodDep)));
  });
}

void classDependente::fQuantDepIRRF(ado::Connection& ConnRH, std::string&, Variant& pkCodFuncionario,
                                    std::int32_t& result) {
  result = Count(ConnRH,
                 "SELECT COUNT(CodDep) AS TotalDepIRRF " "FROM RhsDependente "
                 "WHERE (DepIRRF = 'S' OR DepIRRF = 'E') ",
                 pkCodFuncionario, "TotalDepIRRF");
}

void classDependente::fQuantDepSalFamilia(ado::Connection& ConnRH, std::string&, Variant& pkCodFuncionario,
                                          std::int32_t& result) {
  result = Count(ConnRH,
                 "SELECT COUNT(CodDep) AS TotalDepSalFamilia " "FROM RhsDependente "
                 "WHERE (DepSalFamilia = 'S' OR DepSalFamilia = 'E') ",
                 pkCodFuncionario, "TotalDepSalFamilia");
}

void classDependente::IncDependente(
    ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&, std::int32_t& pkCodDep,
    std::int32_t& pkCodFuncionario, std::string& pnNomeDep, std::int32_t& pkCodGrauParentesco,
    std::string& pnSexoDep, std::string& pnNrCPFDep, Date& pnDataNascDep, Variant& pkCodNaturalidadeDep,
    Variant& pkCodNacionalidadeDep, std::string& pnNomeCartorio, std::string& pnNrRegistro, std::string& pnNrLivro,
    std::string& pnNrFolha, Variant& pkCodGrauInstrucaoDep, std::string& pnDepIRRF, std::string& pnDepSalFamilia,
    std::string& pnDepAssitMedica, std::string& pnDepPensaoAliment) {
  InsertTrapped(ConnRH, DescErr, pkCodDep, {"RhsDependente", "CodDep"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsDependente",
                                Columns(key, pkCodFuncionario, pnNomeDep, pkCodGrauParentesco, pnSexoDep, pnNrCPFDep,
                                        pnDataNascDep, pkCodNaturalidadeDep, pkCodNacionalidadeDep, pnNomeCartorio,
                                        pnNrRegistro, pnNrLivro, pnNrFolha, pkCodGrauInstrucaoDep, pnDepIRRF,
                                        pnDepSalFamilia, pnDepAssitMedica, pnDepPensaoAliment)));
  });
}

void classDependente::CarDependente(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                    Variant& pkCodFuncionario, Variant& pkCodGrauParentesco, Variant& pnSexoDep,
                                    Variant& pkCodGrauInstrucaoDep, Variant& pnDepIRRF, Variant& pnDepSalFamilia,
                                    Variant& pnDepAssistMedica, Variant& pnDepPensaoAliment) {
  static constexpr Column kColumns[] = {
      {"CodDep"},           {"CodFuncionario"},      {"NomeDep"},         {"CodGrauParentesco"},
      {"DescrGrauParentesco"}, {"SexoDep"},          {"NrCPFDep"},        {"DataNascDep"},
      {"CodNaturalidadeDep"}, {"NomeCidade", "Cidade"}, {"CodNacionalidadeDep"}, {"Nacionalidade"},
      {"NomeCartorio"},     {"NrRegistro"},          {"NrLivro"},         {"NrFolha"},
      {"CodGrauInstrucaoDep"}, {"GrauInstrucao"},    {"DepIRRF"},         {"DepSalFamilia"},
      {"DepAssistMedica"},  {"DepPensaoAliment"},    {"(Idade)", {}, &Idade}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "RhsDependente.CodFuncionario = ", sql::Number);
    where.Add(pkCodGrauParentesco, "RhsDependente.CodGrauParentesco = ", sql::Number);
    where.Add(pnSexoDep, "UPPER(SexoDep) = ", sql::UpperText);
    where.Add(pkCodGrauInstrucaoDep, "CodGrauInstrucaoDep = ", sql::Number);
    where.Add(pnDepIRRF, "UPPER(DepIRRF) = ", sql::UpperText);
    where.Add(pnDepSalFamilia, "DepSalFamilia = ", sql::Text);
    where.Add(pnDepAssistMedica, "DepAssistMedica = ", sql::Text);
    where.Add(pnDepPensaoAliment, "DepPensaoAliment = ", sql::Text);
    std::string statement =
        "SELECT RhsDependente.*, RhsTipoGrauParentesco.DescrGrauParentesco, "
        "RhsCidade.Cidade, RhsNacionalidade.Nacionalidade, "
        "RhsGrauInstrucao.GrauInstrucao "
        "FROM ((((RhsDependente "
        "LEFT JOIN RhsTipoGrauParentesco ON RhsTipoGrauParentesco.CodGrauParentesco = "
        "RhsDependente.CodGrauParentesco) "
        "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsDependente.CodNaturalidadeDep) "
        "LEFT JOIN RhsNacionalidade ON RhsNacionalidade.CodNacionalidade = RhsDependente.CodNacionalidadeDep) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsDependente.CodGrauInstrucaoDep) " +
        where.Clause() + " " + "ORDER BY NomeDep";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classDependente::BusDependente(
    ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodDep, std::string& pnNome, Date& pnDataNasc,
    std::int32_t& pkCodFuncionario, std::string& pnNomeDep, std::int32_t& pkCodGrauParentesco,
    std::string& pnDescrGrauParentesco, std::string& pnSexoDep, std::string& pnNrCPFDep, Date& pnDataNascDep,
    Variant& pkCodNaturalidadeDep, Variant& pnDescrNaturalidadeDep, Variant& pkCodNacionalidadeDep,
    Variant& pnDescrNacionalidadeDep, std::string& pnNomeCartorio, std::string& pnNrRegistro,
    std::string& pnNrLivro, std::string& pnNrFolha, Variant& pkCodGrauInstrucaoDep,
    Variant& pnDescrGrauInstrucaoDep, std::string& pnDepIRRF, std::string& pnDepSalFamilia,
    std::string& pnDepAssistMedica, std::string& pnDepPensaoAliment) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsDependente.*, RhsTipoGrauParentesco.DescrGrauParentesco, "
        "RhsCidade.NomeCidade, RhsNacionalidade.Nacionalidade, RhsGrauInstrucao.GrauInstrucao, "
        "RhsDadosPessoais.Nome, RhsDadosPessoais.DataNasc "
        "FROM (((((( RhsDependente "
        "LEFT JOIN RhsTipoGrauParentesco ON RhsTipoGrauParentesco.CodGrauParentesco = "
        "RhsDependente.CodGrauParentesco) "
        "LEFT JOIN RhsCidade ON RhsCidade.CodCidade = RhsDependente.CodNaturalidadeDep) "
        "LEFT JOIN RhsNacionalidade ON RhsNacionalidade.CodNacionalidade = RhsDependente.CodNacionalidadeDep) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsDependente.CodGrauInstrucaoDep) "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsDependente.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "WHERE RhsDependente.CodDep = " + sql::Number(pkCodDep));
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "DataNasc", pnDataNasc);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "NomeDep", pnNomeDep);
    Copy(*rs, "CodGrauParentesco", pkCodGrauParentesco);
    Copy(*rs, "DescrGrauParentesco", pnDescrGrauParentesco);
    Copy(*rs, "SexoDep", pnSexoDep);
    Copy(*rs, "NrCPFDep", pnNrCPFDep);
    Copy(*rs, "DataNascDep", pnDataNascDep);
    Copy(*rs, "CodNaturalidadeDep", pkCodNaturalidadeDep);
    Copy(*rs, "NomeCidade", pnDescrNaturalidadeDep);
    Copy(*rs, "CodNacionalidadeDep", pkCodNacionalidadeDep);
    Copy(*rs, "Nacionalidade", pnDescrNacionalidadeDep);
    Copy(*rs, "NomeCartorio", pnNomeCartorio);
    Copy(*rs, "NrRegistro", pnNrRegistro);
    Copy(*rs, "NrLivro", pnNrLivro);
    Copy(*rs, "NrFolha", pnNrFolha);
    Copy(*rs, "CodGrauInstrucaoDep", pkCodGrauInstrucaoDep);
    Copy(*rs, "GrauInstrucao", pnDescrGrauInstrucaoDep);
    Copy(*rs, "DepIRRF", pnDepIRRF);
    Copy(*rs, "DepSalFamilia", pnDepSalFamilia);
    Copy(*rs, "DepAssistMedica", pnDepAssistMedica);
    Copy(*rs, "DepPensaoAliment", pnDepPensaoAliment);
    rs->Close();
  });
}

std::optional<std::int32_t> classDependente::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodDep) AS MaxCod " "FROM RhsDependente");
}

const com::ClassDescription<classDependente>& classDependente::Description() {
  using C = classDependente;
  static const com::ClassDescription<C> d{
      "Quorvel.classDependente",
      {
          com::Method<&C::AltStatusSalFamilia>(
              "AltStatusSalFamilia", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodFuncionario",
                                      "plValorAnterior", "plNovoValor", "plDataConsiderada", "plIdadeConsiderada"}),
          com::Method<&C::fCalcIdadeDep>("fCalcIdadeDep", {"ConnRH", "DescErr", "pkCodDep", "plDataBase", "result"}),
          com::Method<&C::ExcDependente>("ExcDependente", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodDep"}),
          com::Method<&C::AltDependente>(
              "AltDependente",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodDep", "pkCodFuncionario", "pnNomeDep",
               "pkCodGrauParentesco", "pnSexoDep", "pnNrCPFDep", "pnDataNascDep", "pkCodNaturalidadeDep",
               "pkCodNacionalidadeDep", "pnNomeCartorio", "pnNrRegistro", "pnNrLivro", "pnNrFolha",
               "pkCodGrauInstrucaoDep", "pnDepIRRF", "pnDepSalFamilia", "pnDepAssitMedica", "pnDepPensaoAliment"}),
          com::Method<&C::fQuantDepIRRF>("fQuantDepIRRF", {"ConnRH", "DescErr", "pkCodFuncionario", "result"}),
          com::Method<&C::fQuantDepSalFamilia>("fQuantDepSalFamilia",
                                               {"ConnRH", "DescErr", "pkCodFuncionario", "result"}),
          com::Method<&C::IncDependente>(
              "IncDependente",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodDep", "pkCodFuncionario", "pnNomeDep",
               "pkCodGrauParentesco", "pnSexoDep", "pnNrCPFDep", "pnDataNascDep", "pkCodNaturalidadeDep",
               "pkCodNacionalidadeDep", "pnNomeCartorio", "pnNrRegistro", "pnNrLivro", "pnNrFolha",
               "pkCodGrauInstrucaoDep", "pnDepIRRF", "pnDepSalFamilia", "pnDepAssitMedica", "pnDepPensaoAliment"}),
          com::Method<&C::CarDependente>(
              "CarDependente", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario", "pkCodGrauParentesco",
                                "pnSexoDep", "pkCodGrauInstrucaoDep", "pnDepIRRF", "pnDepSalFamilia",
                                "pnDepAssistMedica", "pnDepPensaoAliment"}),
          com::Method<&C::BusDependente>(
              "BusDependente",
              {"ConnRH", "DescErr", "pkCodDep", "pnNome", "pnDataNasc", "pkCodFuncionario", "pnNomeDep",
               "pkCodGrauParentesco", "pnDescrGrauParentesco", "pnSexoDep", "pnNrCPFDep", "pnDataNascDep",
               "pkCodNaturalidadeDep", "pnDescrNaturalidadeDep", "pkCodNacionalidadeDep",
               "pnDescrNacionalidadeDep", "pnNomeCartorio", "pnNrRegistro", "pnNrLivro", "pnNrFolha",
               "pkCodGrauInstrucaoDep", "pnDescrGrauInstrucaoDep", "pnDepIRRF", "pnDepSalFamilia",
               "pnDepAssistMedica", "pnDepPensaoAliment"}),
      }};
  return d;
}

}  // namespace quorvel
