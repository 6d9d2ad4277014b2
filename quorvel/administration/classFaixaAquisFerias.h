// SPDX-License-Identifier: MIT
#pragma once
// classFaixaAquisFerias: vacation days by the number of absences, looked up
// in the absence brackets (RhsFaixaAquisFerias), read only.

#include <cstdint>
#include <string>

#include "platform/ado/ado.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classFaixaAquisFerias {
 public:
  // NrDiasAGozar of the bracket with the smallest ceiling not below the
  // absences; -1 when no bracket reaches them or on a failure.
  std::int32_t fNrDiasFerias(ado::Connection& ConnRH, std::string& DescErr, double& plNrFaltas);

  static const com::ClassDescription<classFaixaAquisFerias>& Description();
};

}  // namespace quorvel
