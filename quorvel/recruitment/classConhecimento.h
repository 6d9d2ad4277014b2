// SPDX-License-Identifier: MIT
#pragma once
// classConhecimento: the knowledge tree (RhsConhecimento), keyed by text codes,
// each node carrying its code path and description path.

#include <optional>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"

namespace quorvel {

class classConhecimento {
 public:
  void BusConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string& pkCodConhec,
                       std::string& pnCodPaiConhec, std::string& pnDescrConhec, std::string& pnCodCompletoConhec,
                       std::string& pnDescrCompletaConhec);
  void ExcConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::string& pkCodConhec);
  // Renames the node and rewrites the description paths of its subtree in one
  // transaction on ConnRH; any failure rolls it back.
  void AltConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::string& pkCodConhec, std::string& pnCodPaiConhec, std::string& pnDescrConhec,
                       std::string& pnCodCompletoConhec, std::string& pnDescrCompletaConhec,
                       std::string& plValorAnterior);
  void IncConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string& User, std::string& SourceMachine,
                       std::string& pkCodConhec, std::string& pnCodPaiConhec, std::string& pnDescrConhec,
                       std::string& pnCodCompletoConhec, std::string& pnDescrCompletaConhec);
  void CarConhecimento(ado::Connection& ConnRH, std::string& DescErr, automation::Variant& vlArray,
                       automation::Variant& pkCodConhec, automation::Variant& pnCodPaiConhec,
                       automation::Variant& pnDescrConhec, automation::Variant& pnCodCompletoConhec,
                       automation::Variant& pnDescrCompletaConhec);

  static const com::ClassDescription<classConhecimento>& Description();

 private:
  // The next code as text; empty on failure.
  std::string fProxCodigo(ado::Connection& ConnRH, std::string& DescErr);
  // The paths of a new node; nothing on failure (DescErr set).
  std::optional<std::string> fBusCodCompleto(ado::Connection& ConnRH, std::string& DescErr,
                                             const std::string& parent, const std::string& code);
  std::optional<std::string> fBusDescrCompleta(ado::Connection& ConnRH, std::string& DescErr,
                                               const std::string& parent, const std::string& code,
                                               const std::string& descr);
};

}  // namespace quorvel
