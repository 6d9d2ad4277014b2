// SPDX-License-Identifier: MIT
#pragma once
// classInfTabelas: generic maintenance of the application's auxiliary
// tables, named by the caller, and their catalogue (FauTabelasAuxiliares).
//
// Table and column names must be names, the ORDER BY text a list of
// columns or positions with ASC/DESC, and every literal of a pair array one
// literal (Null, True, False, a number, a quoted text or csng of one);
// anything else fails with 5 before a statement is sent.

#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classInfTabelas {
 public:
  // vlArray: (0 To 3, 0 To n) with the name, type code, defined size and
  // "S"/"N" (accepts Null) of each field, captions in row 0.
  void pCarCamposTabela(ado::Connection& ConnRH, std::string& DescErr, std::string& vlTabela,
                        automation::Variant& vlArray);
  // vlArray: (0 To fields-1, 0 To N-1), every record, no captions; one Null without a record.
  void pCarregaDadosTabela(ado::Connection& ConnRH, std::string& DescErr, std::string& vlNomeTabela,
                           automation::Variant& vlOrderBy, automation::Variant& vlArray);
  void pCarTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  // vlArray: pairs (i, 0) column name, (i, 1) literal; pair 0 is the key.
  void pIncTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::string& vlNomeTabela, automation::Variant& vlArray);
  void pAltTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::string& vlNomeTabela, automation::Variant& vlArray);
  void pExcTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string& User,
                             std::string& SourceMachine, std::string& plNomeTabela, automation::Variant& vlArray);

  static const com::ClassDescription<classInfTabelas>& Description();
};

}  // namespace quorvel
