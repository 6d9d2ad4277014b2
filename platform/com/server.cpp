// SPDX-License-Identifier: MIT
#include "platform/com/server.h"

#include <dlfcn.h>

#include <filesystem>
#include <utility>

#include "platform/automation/error.h"
#include "platform/com/registry.h"

namespace com {

namespace {

thread_local std::string error_info;

// Runs a registration step: any failure becomes SELFREG_E_CLASS and its reason the error info.
template <class Step>
HRESULT Registering(Step step) noexcept {
  try {
    step();
    return S_OK;
  } catch (const automation::Error& e) {
    SetErrorInfo(e.description());
  } catch (const std::exception& e) {
    SetErrorInfo(e.what());
  } catch (...) {
    SetErrorInfo("unknown failure");
  }
  return SELFREG_E_CLASS;
}

}  // namespace

void SetErrorInfo(std::string description) { error_info = std::move(description); }

std::string TakeErrorInfo() { return std::exchange(error_info, {}); }

HRESULT ClassFactory::CreateInstance(std::shared_ptr<IDispatch>* object) const {
  if (!object) return E_POINTER;
  try {
    *object = entry_.create();
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

void ClassFactory::LockServer(bool lock) {
  if (lock) ++ModuleLockCount();
  else --ModuleLockCount();
}

Server::Server(std::span<const ClassEntry> classes) : classes_(classes) {
  for (const ClassEntry& entry : classes_) factories_.push_back(std::make_unique<ClassFactory>(entry));
}

HRESULT Server::GetClassObject(const char* class_name, ClassFactory** factory) {
  if (!factory) return E_POINTER;
  *factory = nullptr;
  if (!class_name) return CLASS_E_CLASSNOTAVAILABLE;
  for (std::size_t i = 0; i < classes_.size(); ++i) {
    if (classes_[i].creatable && EqualsNoCase(classes_[i].name, class_name)) {
      *factory = factories_[i].get();
      return S_OK;
    }
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT Server::CanUnloadNow() noexcept { return ModuleLockCount() == 0 ? S_OK : S_FALSE; }

std::string LibraryPathOf(const void* address) {
  Dl_info info{};
  if (!dladdr(address, &info) || !info.dli_fname) return {};
  std::error_code ec;
  const auto path = std::filesystem::canonical(info.dli_fname, ec);
  return ec ? std::string(info.dli_fname) : path.string();
}

HRESULT Server::Register(const void* address) const {
  return Registering([&] {
    const std::string library = LibraryPathOf(address);
    if (library.empty()) automation::raise(automation::err::kInvalidArgument, "the component's own file cannot be told");
    const auto file = RegistrationPath();
    Registry registry = Registry::Load(file);
    const std::string registered = RegisteredPath(library, file);
    for (const ClassEntry& entry : classes_) {
      if (entry.creatable) registry.Set(entry.name, registered);
    }
    registry.Save(file);
  });
}

HRESULT Server::Unregister() const {
  return Registering([&] {
    const auto file = RegistrationPath();
    Registry registry = Registry::Load(file);
    for (const ClassEntry& entry : classes_) registry.Remove(entry.name);
    registry.Save(file);
  });
}

}  // namespace com
