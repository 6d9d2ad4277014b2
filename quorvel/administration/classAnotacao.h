// SPDX-License-Identifier: MIT
#pragma once
// classAnotacao: dated annotations on the employees (RhsAnotacao) with the
// employee's name and the annotation type.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classAnotacao {
 public:
  // Writes the key read back into pkCodRegAnotacao.
  void BusAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegAnotacao,
                   std::int32_t& pkCodFuncionario, std::string& pnNome, std::int32_t& pkCodTipoAnotacao,
                   std::string& pnDescrTipoAnotacao, automation::Date& pnDataAnotacao, std::string& pnDescrAnotacao);
  void ExcAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodRegAnotacao);
  // The two codes are numbers; the date is compared by its day.
  void CarAnotacao(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                   automation::Variant& pkCodFuncionario, automation::Variant& pkCodTipoAnotacao,
                   automation::Variant& pnDataAnotacao);
  void AltAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodRegAnotacao, std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoAnotacao,
                   automation::Date& pnDataAnotacao, std::string& pnDescrAnotacao);
  void IncAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                   std::int32_t& pkCodRegAnotacao, std::int32_t& pkCodFuncionario, std::int32_t& pkCodTipoAnotacao,
                   automation::Date& pnDataAnotacao, std::string& pnDescrAnotacao);

  static const com::ClassDescription<classAnotacao>& Description();

 private:
  std::optional<std::int32_t> fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
};

}  // namespace quorvel
