// SPDX-License-Identifier: MIT
#pragma once
// The client side: create an object by its registered class name, call a
// registered component's registration entry points.

#include "platform/export.h"

#include <memory>
#include <string>
#include <string_view>

#include "platform/com/dispatch.h"

namespace com {

// Looks the class up in the registries (the user's, then the system's), loads
// its library and asks its class factory for a new object; the library stays
// loaded while the object lives. A class that is not registered, a library
// that does not load or a class it does not create raise 429.
QV_EXPORT std::shared_ptr<IDispatch> CreateObject(std::string_view class_name);

// What to tell a user about a class that is in neither registry ("registered
// neither in ... nor in ...; register ..."): both files, and regsvr of its
// component `library` as the cure.
QV_EXPORT std::string NotRegistered(std::string_view library = "LIBRARY");

// Loads a component library and calls DllRegisterServer or DllUnregisterServer
// (into RegistrationPath()); failures raise 429 with the library, the entry
// point's result and the reason the component gave (SetErrorInfo).
QV_EXPORT void RegisterServer(std::string_view library_path, bool unregister = false);

}  // namespace com
