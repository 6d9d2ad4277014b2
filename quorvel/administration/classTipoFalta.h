// SPDX-License-Identifier: MIT
#pragma once
// classTipoFalta: the absence types (RhsTipoFalta), read only.

#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classTipoFalta {
 public:
  // One column per field of the table; column 2 shows "Justificada" or "Injustificada".
  void CarTipoFalta(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                    automation::Variant& pkCodTipoFalta, automation::Variant& pnDescrTipoFalta,
                    automation::Variant& pnJustificativa);

  static const com::ClassDescription<classTipoFalta>& Description();
};

// "Justificada" when the code is exactly "J", "Injustificada" otherwise (Null included).
automation::Variant JustificationWords(const automation::Variant& code);

}  // namespace quorvel
