// SPDX-License-Identifier: MIT
// A test component with one creatable class and one private class.
#include "platform/com/server.h"
#include "tests/com/sample.h"

namespace {

com::Server& Component() {
  static const com::ClassEntry classes[] = {
      com::Creatable<sample::classAmostra>(),
      com::Private<sample::classPrivada>(),
  };
  static com::Server server(classes);
  return server;
}

}  // namespace

QV_COM_EXPORT com::HRESULT DllGetClassObject(const char* class_name, com::ClassFactory** factory) {
  return Component().GetClassObject(class_name, factory);
}
QV_COM_EXPORT com::HRESULT DllCanUnloadNow() { return com::Server::CanUnloadNow(); }
QV_COM_EXPORT com::HRESULT DllRegisterServer() {
  return Component().Register(reinterpret_cast<const void*>(&DllRegisterServer));
}
QV_COM_EXPORT com::HRESULT DllUnregisterServer() { return Component().Unregister(); }
