// SPDX-License-Identifier: MIT
#pragma once
// The server side of an in-process component: what its four exported entry
// points do, given the component's list of classes.

#include "platform/export.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/com/dispatch.h"
#include "platform/com/object.h"

namespace com {

using HRESULT = std::int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);

// A class's factory, handed out by the component's DllGetClassObject. The
// factories live as long as the component is loaded.
// Its functions are virtual so that a caller always runs the component's own code.
class QV_EXPORT ClassFactory {
 public:
  explicit ClassFactory(const ClassEntry& entry) : entry_(entry) {}
  virtual ~ClassFactory() = default;
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;
  virtual HRESULT CreateInstance(std::shared_ptr<IDispatch>* object) const;
  // Keeps the component loaded while locked.
  virtual void LockServer(bool lock);

 private:
  ClassEntry entry_;
};

// The signatures of the four entry points, exported with C names by a component:
//   HRESULT DllGetClassObject(const char* class_name, com::ClassFactory** factory);
//   HRESULT DllCanUnloadNow();
//   HRESULT DllRegisterServer();
//   HRESULT DllUnregisterServer();
using GetClassObjectFn = HRESULT (*)(const char*, ClassFactory**);
using CanUnloadNowFn = HRESULT (*)();
using RegisterServerFn = HRESULT (*)();

// Implementations for a component whose classes are `classes` (factories made once).
class QV_EXPORT Server {
 public:
  explicit Server(std::span<const ClassEntry> classes);
  HRESULT GetClassObject(const char* class_name, ClassFactory** factory);
  static HRESULT CanUnloadNow() noexcept;
  // Writes or removes the creatable classes with this library's path (the
  // library that contains `address`) in the registry that registrations go
  // to (RegistrationPath). A failure's reason is left in SetErrorInfo.
  HRESULT Register(const void* address) const;
  HRESULT Unregister() const;

 private:
  std::span<const ClassEntry> classes_;
  std::vector<std::unique_ptr<ClassFactory>> factories_;
};

// Path of the loaded library that contains `address`.
QV_EXPORT std::string LibraryPathOf(const void* address);

// The reason of a failed entry point on this thread, which its HRESULT alone
// cannot carry: set by the component, taken (and cleared) by the caller.
QV_EXPORT void SetErrorInfo(std::string description);
QV_EXPORT std::string TakeErrorInfo();

}  // namespace com

#define QV_COM_EXPORT extern "C" __attribute__((visibility("default")))
