// SPDX-License-Identifier: MIT
#include "platform/com/client.h"

#include <dlfcn.h>

#include <string>

#include "platform/automation/error.h"
#include "platform/com/registry.h"
#include "platform/com/server.h"

namespace com {

namespace {

// One reference to a loaded library.
class Library {
 public:
  explicit Library(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_) {
      const char* why = dlerror();
      automation::raise(err::kCannotCreate, "Cannot load " + path + ": " + (why ? why : "unknown error"));
    }
  }
  ~Library() {
    if (handle_) dlclose(handle_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  template <class F>
  F Symbol(const char* name, const std::string& path) const {
    void* p = dlsym(handle_, name);
    if (!p) automation::raise(err::kCannotCreate, path + " exports no " + name);
    return reinterpret_cast<F>(p);
  }

 private:
  void* handle_;
};

// Keeps the library loaded until the object is gone (members end in reverse order).
struct Holder {
  std::shared_ptr<Library> library;
  std::shared_ptr<IDispatch> object;
};

}  // namespace

std::string NotRegistered(std::string_view library) {
  const std::string lib(library);
  return "registered neither in " + RegistryPath().string() + " nor in " + SystemRegistryPath().string() +
         "; register its component with: quorvel-regsvr " + lib + " (or, for every user, quorvel-regsvr --system " + lib +
         ")";
}

std::shared_ptr<IDispatch> CreateObject(std::string_view class_name) {
  const std::string name(class_name);
  const auto registration = FindRegistration(name);
  if (!registration) automation::raise(err::kCannotCreate, "Class " + name + " is " + NotRegistered());
  const std::string path = registration->library.string();
  auto library = std::make_shared<Library>(path);
  auto get_class_object = library->Symbol<GetClassObjectFn>("DllGetClassObject", path);
  ClassFactory* factory = nullptr;
  if (get_class_object(name.c_str(), &factory) != S_OK || !factory)
    automation::raise(err::kCannotCreate, path + " does not create " + name);
  auto holder = std::make_shared<Holder>();
  holder->library = std::move(library);
  if (factory->CreateInstance(&holder->object) != S_OK || !holder->object)
    automation::raise(err::kCannotCreate, "The class factory of " + name + " failed");
  IDispatch* object = holder->object.get();
  return std::shared_ptr<IDispatch>(std::move(holder), object);
}

void RegisterServer(std::string_view library_path, bool unregister) {
  const std::string path(library_path);
  Library library(path);
  const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
  auto fn = library.Symbol<RegisterServerFn>(entry, path);
  TakeErrorInfo();
  if (const HRESULT hr = fn(); hr != S_OK) {
    std::string text = std::string(entry) + " of " + path + " failed (" + std::to_string(hr) + ")";
    if (const std::string why = TakeErrorInfo(); !why.empty()) text += ": " + why;
    automation::raise(err::kCannotCreate, text);
  }
}

}  // namespace com
