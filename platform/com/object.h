// SPDX-License-Identifier: MIT
#pragma once
// The creatable object: a C++ object of class C answering dispatch through
// its class's method table, and the entry by which a component lists it.

#include "platform/export.h"

#include <atomic>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/bind.h"
#include "platform/com/dispatch.h"

namespace com {

// Objects alive and server locks of the component this code is linked into;
// the component may be unloaded when it is 0.
QV_EXPORT std::atomic<long>& ModuleLockCount();

// Keeps the component loaded for its lifetime.
class QV_EXPORT ModuleLock {
 public:
  ModuleLock() noexcept { ++ModuleLockCount(); }
  ~ModuleLock() { --ModuleLockCount(); }
  ModuleLock(const ModuleLock&) noexcept : ModuleLock() {}
  ModuleLock& operator=(const ModuleLock&) noexcept { return *this; }
};

// The failed call for an unknown method or a wrong argument count.
QV_EXPORT CallResult CallFailure(int number, std::string_view class_name, std::string_view method);
// The method entry of that name (case-insensitive) among infos, or -1.
QV_EXPORT long FindMethodIndex(std::span<const MethodInfo> infos, std::string_view name) noexcept;

// C must offer `static const com::ClassDescription<C>& Description()`.
template <class C>
class DispatchObject final : public IDispatch {
 public:
  DispatchObject() : description_(C::Description()) {}

  C& object() noexcept { return object_; }
  const std::string& ClassName() const override { return description_.name; }
  std::span<const MethodInfo> Methods() const override { return description_.methods; }

  CallResult Invoke(std::string_view method, std::span<Variant> args) override {
    const long found = FindMethodIndex(description_.methods, method);
    if (found < 0) return CallFailure(err::kUnknownName, description_.name, method);
    const auto index = static_cast<std::size_t>(found);
    const MethodInfo& info = description_.methods[index];
    if (args.size() != info.params.size()) return CallFailure(err::kWrongArgCount, description_.name, info.name);
    return description_.calls[index](object_, args);
  }

 private:
  ModuleLock lock_;
  const ClassDescription<C>& description_;
  C object_;
};

// A class of a component, as its class factory and registration see it.
struct QV_EXPORT ClassEntry {
  std::string_view name;  // "Quorvel.classConselho"
  bool creatable = true;  // private classes are created by the component itself only
  std::shared_ptr<IDispatch> (*create)() = nullptr;
};

template <class C>
std::shared_ptr<IDispatch> CreateDispatch() {
  return std::make_shared<DispatchObject<C>>();
}

// The entry of a class that hosts create by name.
template <class C>
ClassEntry Creatable() {
  return {C::Description().name, true, &CreateDispatch<C>};
}

// The entry of a class that only the component itself creates.
template <class C>
ClassEntry Private() {
  return {C::Description().name, false, &CreateDispatch<C>};
}

}  // namespace com
