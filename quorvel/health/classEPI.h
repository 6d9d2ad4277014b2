// SPDX-License-Identifier: MIT
#pragma once
// classEPI: the protective-equipment catalogue (RhsEPI), read only.

#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classEPI {
 public:
  // As wide as RhsEPI has columns; only CodEPI and NomeEPI are filled.
  void CarEPI(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
              automation::Variant& pkCodEPI, automation::Variant& pnNomeEPI);

  static const com::ClassDescription<classEPI>& Description();
};

}  // namespace quorvel
