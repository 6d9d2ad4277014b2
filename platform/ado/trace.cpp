// SPDX-License-Identifier: MIT
#include <utility>

#include "platform/ado/ado.h"
#include "platform/ado/state.h"

namespace ado {
namespace {

TraceHook& StatementHook() {
  static TraceHook hook;
  return hook;
}

TraceHook& FailureHook() {
  static TraceHook hook;
  return hook;
}

}  // namespace

void TraceStatement(std::string_view statement) {
  if (const TraceHook& hook = StatementHook()) hook(statement);
}

void TraceFailure(std::string_view message) {
  if (const TraceHook& hook = FailureHook()) hook(message);
}

ScopedTrace::ScopedTrace(TraceHook statements, TraceHook failures)
    : previous_statements_(std::exchange(StatementHook(), std::move(statements))),
      previous_failures_(std::exchange(FailureHook(), std::move(failures))) {}

ScopedTrace::~ScopedTrace() {
  StatementHook() = std::move(previous_statements_);
  FailureHook() = std::move(previous_failures_);
}

}  // namespace ado
