// SPDX-License-Identifier: MIT
#pragma once
// classConselho: the register of professional councils (RhsConselho).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classConselho {
 public:
  void ExcConselho(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodConselho);
  // On failure it also shows the error's description in a message box.
  void CarConselho(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                   automation::Variant& pkCodConselho, automation::Variant& pnSiglaConselho,
                   automation::Variant& pnNomeConselho);
  void BusConselho(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodConselho,
                   std::string& pnSiglaConselho, std::string& pnNomeConselho);
  void AltConselho(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodConselho, std::string& pnSiglaConselho, std::string& pnNomeConselho);
  void IncConselho(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodConselho, std::string& pnSiglaConselho, std::string& pnNomeConselho);

  static const com::ClassDescription<classConselho>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
