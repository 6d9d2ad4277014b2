// libquorvel.so: the component's classes and its four entry points.
#include "platform/com/server.h"
#include "quorvel/personnel/classBanco.h"
#include "quorvel/personnel/classCargo.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "quorvel/personnel/classInfTabelas.h"
#include "quorvel/personnel/classRelatorios.h"
#include "quorvel/personnel/classTipoContrato.h"
#include "quorvel/personnel/classTipoGrauParentesco.h"

namespace {

// Every class of the component, creatable ones registered under their names.
com::Server& Component() {
  static const com::ClassEntry classes[] = {
      com::Creatable<quorvel::classDadosPessoais>(),
      com::Creatable<quorvel::classBanco>(),
      com::Creatable<quorvel::classConselho>(),
      com::Creatable<quorvel::classTipoGrauParentesco>(),
      com::Creatable<quorvel::classTipoContrato>(),
      com::Creatable<quorvel::classCargo>(),
      com::Creatable<quorvel::classInfTabelas>(),
      com::Creatable<quorvel::classRelatorios>(),
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
