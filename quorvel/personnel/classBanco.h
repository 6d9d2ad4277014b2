// SPDX-License-Identifier: MIT
#pragma once
// classBanco: reads the bank register (RhsBanco); no class writes it.

#include <cstdint>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classBanco {
 public:
  void BusBanco(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkNumBanco, std::string& pnNomeBanco,
                std::string& pnRazaoSocialBanco);
  void CarBanco(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                automation::Variant& pkNumBanco, automation::Variant& pnNomeBanco,
                automation::Variant& pnRazaoSocialBanco);

  static const com::ClassDescription<classBanco>& Description();
};

}  // namespace quorvel
