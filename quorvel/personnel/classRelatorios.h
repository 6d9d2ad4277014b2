// SPDX-License-Identifier: MIT
#pragma once
// classRelatorios: the report catalogue (RhsRelatorios) and the scratch
// table of report codes (TempRegistros, shared by every caller).

#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classRelatorios {
 public:
  // vlArray: the catalogue with the field names as captions, by description.
  void pCarRelatorios(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray);
  // plCodigo: a number, or a literal the caller quoted.
  void IncTabelaTemporaria(ado::Connection& conn, std::string& DescErr, automation::Variant& plCodigo);
  // Empties the table, whoever filled it.
  void ExcTabelaTemporaria(ado::Connection& conn, std::string& DescErr);

  static const com::ClassDescription<classRelatorios>& Description();
};

}  // namespace quorvel
