// SPDX-License-Identifier: MIT
#pragma once
// A small class for the component-model tests: typed, Variant and object
// parameters, a function value, and a method that fails.

#include <cstdint>
#include <string>

#include "platform/automation/error.h"
#include "platform/automation/variant.h"
#include "platform/com/bind.h"

namespace sample {

class Counter : public automation::Object {
 public:
  int calls = 0;
};

class classAmostra {
 public:
  // Writes typed outputs: total = a + b, text = "<prefix>-<a>", when = date + 1.
  void Somar(std::int32_t& a, std::int32_t& b, std::int32_t& total, std::string& text, automation::Date& when) {
    total = a + b;
    text = text + "-" + std::to_string(a);
    when.value += 1;
  }
  // The caller's own Variant: replaced by an array of two elements.
  void Preencher(automation::Variant& v, std::int16_t& n, std::uint8_t& byte, double& d, float& f, bool& flag) {
    v = automation::Variant(static_cast<std::int32_t>(n + byte));
    d *= 2;
    f += 0.5f;
    flag = !flag;
  }
  // A function value.
  std::int32_t fDobro(std::int32_t& x) { return 2 * x; }
  // A failure that no trap catches; writes its output first.
  void Falhar(std::string& out) {
    out = "written";
    automation::raise(6);
  }
  // An object parameter.
  void Contar(Counter& counter) { ++counter.calls; }

  static const com::ClassDescription<classAmostra>& Description() {
    using C = classAmostra;
    static const com::ClassDescription<C> d{
        "Amostra.classAmostra",
        {
            com::Method<&C::Somar>("Somar", {"a", "b", "total", "text", "when"}),
            com::Method<&C::Preencher>("Preencher", {"v", "n", "byte", "d", "f", "flag"}),
            com::Method<&C::fDobro>("fDobro", {"x"}),
            com::Method<&C::Falhar>("Falhar", {"out"}),
            com::Method<&C::Contar>("Contar", {"counter"}),
        }};
    return d;
  }
};

// Created only by the component itself.
class classPrivada {
 public:
  void Nada(std::int32_t&) {}
  static const com::ClassDescription<classPrivada>& Description() {
    static const com::ClassDescription<classPrivada> d{
        "Amostra.classPrivada", {com::Method<&classPrivada::Nada>("Nada", {"x"})}};
    return d;
  }
};

}  // namespace sample
