#pragma once
// The client side: create an object by its registered class name, call a
// registered component's registration entry points.

#include "platform/export.h"

#include <memory>
#include <string_view>

#include "platform/com/dispatch.h"

namespace com {

// Looks the class up in the registry, loads its library and asks its class
// factory for a new object; the library stays loaded while the object lives.
// A class that is not registered, a library that does not load or a class it
// does not create raise 429.
QV_EXPORT std::shared_ptr<IDispatch> CreateObject(std::string_view class_name);

// Loads a component library and calls DllRegisterServer or DllUnregisterServer;
// failures raise 429 (load) or E_FAIL's text.
QV_EXPORT void RegisterServer(std::string_view library_path, bool unregister = false);

}  // namespace com
