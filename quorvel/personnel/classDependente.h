// SPDX-License-Identifier: MIT
#pragma once
// classDependente: the dependants of employees (RhsDependente), their ages
// and the counts payroll needs.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classDependente {
 public:
  using Variant = automation::Variant;
  using Date = automation::Date;

  // Sets DepSalFamilia to plNovoValor where it is plValorAnterior and the
  // dependant was born more than plIdadeConsiderada * 365.25 days before
  // plDataConsiderada (of one employee, or of all when pkCodFuncionario is Null).
  void AltStatusSalFamilia(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                           std::string& SourceMachine, Variant& pkCodFuncionario, std::string& plValorAnterior,
                           std::string& plNovoValor, Date& plDataConsiderada, std::int32_t& plIdadeConsiderada);
  // No trap: a failure is the caller's (the result is then left as it was).
  void fCalcIdadeDep(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodDep, Date& plDataBase,
                     std::int16_t& result);
  void ExcDependente(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                     std::int32_t& pkCodDep);
  void AltDependente(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                     std::int32_t& pkCodDep, std::int32_t& pkCodFuncionario, std::string& pnNomeDep,
                     std::int32_t& pkCodGrauParentesco, std::string& pnSexoDep, std::string& pnNrCPFDep,
                     Date& pnDataNascDep, Variant& pkCodNaturalidadeDep, Variant& pkCodNacionalidadeDep,
                     std::string& pnNomeCartorio, std::string& pnNrRegistro, std::string& pnNrLivro,
                     std::string& pnNrFolha, Variant& pkCodGrauInstrucaoDep, std::string& pnDepIRRF,
                     std::string& pnDepSalFamilia, std::string& pnDepAssitMedica, std::string& pnDepPensaoAliment);
  // No trap, as fCalcIdadeDep.
  void fQuantDepIRRF(ado::Connection& ConnRH, std::string& DescErr, Variant& pkCodFuncionario,
                     std::int32_t& result);
  void fQuantDepSalFamilia(ado::Connection& ConnRH, std::string& DescErr, Variant& pkCodFuncionario,
                           std::int32_t& result);
  void IncDependente(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                     std::int32_t& pkCodDep, std::int32_t& pkCodFuncionario, std::string& pnNomeDep,
                     std::int32_t& pkCodGrauParentesco, std::string& pnSexoDep, std::string& pnNrCPFDep,
                     Date& pnDataNascDep, Variant& pkCodNaturalidadeDep, Variant& pkCodNacionalidadeDep,
                     std::string& pnNomeCartorio, std::string& pnNrRegistro, std::string& pnNrLivro,
                     std::string& pnNrFolha, Variant& pkCodGrauInstrucaoDep, std::string& pnDepIRRF,
                     std::string& pnDepSalFamilia, std::string& pnDepAssitMedica, std::string& pnDepPensaoAliment);
  void CarDependente(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodFuncionario,
                     Variant& pkCodGrauParentesco, Variant& pnSexoDep, Variant& pkCodGrauInstrucaoDep,
                     Variant& pnDepIRRF, Variant& pnDepSalFamilia, Variant& pnDepAssistMedica,
                     Variant& pnDepPensaoAliment);
  void BusDependente(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodDep, std::string& pnNome,
                     Date& pnDataNasc, std::int32_t& pkCodFuncionario, std::string& pnNomeDep,
                     std::int32_t& pkCodGrauParentesco, std::string& pnDescrGrauParentesco, std::string& pnSexoDep,
                     std::string& pnNrCPFDep, Date& pnDataNascDep, Variant& pkCodNaturalidadeDep,
                     Variant& pnDescrNaturalidadeDep, Variant& pkCodNacionalidadeDep,
                     Variant& pnDescrNacionalidadeDep, std::string& pnNomeCartorio, std::string& pnNrRegistro,
                     std::string& pnNrLivro, std::string& pnNrFolha, Variant& pkCodGrauInstrucaoDep,
                     Variant& pnDescrGrauInstrucaoDep, std::string& pnDepIRRF, std::string& pnDepSalFamilia,
                     std::string& pnDepAssistMedica, std::string& pnDepPensaoAliment);

  static const com::ClassDescription<classDependente>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
