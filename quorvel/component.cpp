// SPDX-License-Identifier: MIT
// libquorvel.so: the four entry points of the component over its classes (quorvel/classes.cmake).
#include "component_classes.h"
#include "platform/com/object.h"
#include "platform/com/server.h"

namespace {

const com::ClassEntry kClasses[] = {QV_COMPONENT_CLASSES};

com::Server& Component() {
  static com::Server server(kClasses);
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
