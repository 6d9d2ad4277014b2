#include <utility>

#include "platform/ado/ado.h"
#include "platform/ado/state.h"

namespace ado {
namespace {

TraceHook& CurrentHook() {
  static TraceHook hook;
  return hook;
}

}  // namespace

void TraceStatement(std::string_view statement) {
  if (const TraceHook& hook = CurrentHook()) hook(statement);
}

ScopedTrace::ScopedTrace(TraceHook hook) : previous_(std::exchange(CurrentHook(), std::move(hook))) {}

ScopedTrace::~ScopedTrace() { CurrentHook() = std::move(previous_); }

}  // namespace ado
