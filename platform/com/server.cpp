#include "platform/com/server.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/com/registry.h"

namespace com {

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
  try {
    const std::string library = LibraryPathOf(address);
    if (library.empty()) return SELFREG_E_CLASS;
    const auto file = RegistryPath();
    Registry registry = Registry::Load(file);
    for (const ClassEntry& entry : classes_) {
      if (entry.creatable) registry.Set(entry.name, library);
    }
    registry.Save(file);
    return S_OK;
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

HRESULT Server::Unregister() const {
  try {
    const auto file = RegistryPath();
    Registry registry = Registry::Load(file);
    for (const ClassEntry& entry : classes_) registry.Remove(entry.name);
    registry.Save(file);
    return S_OK;
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

}  // namespace com
