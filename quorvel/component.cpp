// libquorvel.so: the component's classes and its four entry points.
#include "platform/com/server.h"
#include "quorvel/administration/classValeRefeicao.h"
#include "quorvel/administration/classSolicValeTransporte.h"
#include "quorvel/administration/classContrSindical.h"
#include "quorvel/administration/classTipoValeTransporte.h"
#include "quorvel/administration/classTransportador.h"
#include "quorvel/administration/classSindicato.h"
#include "quorvel/administration/classAnotacao.h"
#include "quorvel/administration/classFaltaFuncionario.h"
#include "quorvel/administration/classTipoAnotacao.h"
#include "quorvel/administration/classTipoFalta.h"
#include "quorvel/administration/classFaixaAquisFerias.h"
#include "quorvel/administration/classFerias.h"
#include "quorvel/administration/classCCItens.h"
#include "quorvel/health/classConhecPerfilCargo.h"
#include "quorvel/health/classEPI.h"
#include "quorvel/health/classEPIPerfilCargo.h"
#include "quorvel/health/classExameAgendado.h"
#include "quorvel/health/classExameFuncionario.h"
#include "quorvel/health/classExameMedico.h"
#include "quorvel/health/classExamePerfilCargo.h"
#include "quorvel/health/classPerfilCargo.h"
#include "quorvel/health/classPeriodicidadeExame.h"
#include "quorvel/health/classTipoExameMedico.h"
#include "quorvel/personnel/classBanco.h"
#include "quorvel/personnel/classCargo.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/personnel/classContratoFuncionario.h"
#include "quorvel/personnel/classDadosFuncionario.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "quorvel/personnel/classDependente.h"
#include "quorvel/personnel/classFilial.h"
#include "quorvel/personnel/classInfTabelas.h"
#include "quorvel/personnel/classRelatorios.h"
#include "quorvel/personnel/classRemuneracao.h"
#include "quorvel/personnel/classTipoContrato.h"
#include "quorvel/personnel/classTipoGrauParentesco.h"
#include "quorvel/recruitment/classCargoCandidato.h"
#include "quorvel/recruitment/classConhecCandidato.h"
#include "quorvel/recruitment/classConhecVaga.h"
#include "quorvel/recruitment/classConhecimento.h"
#include "quorvel/recruitment/classCursos.h"
#include "quorvel/recruitment/classDadosCandidato.h"
#include "quorvel/recruitment/classEncaminhamento.h"
#include "quorvel/recruitment/classEscolaridadeCandidato.h"
#include "quorvel/recruitment/classExperCandidato.h"
#include "quorvel/recruitment/classMotivoEncerramento.h"
#include "quorvel/recruitment/classNivelEscolaridade.h"
#include "quorvel/recruitment/classTurnoCandidato.h"
#include "quorvel/recruitment/classVaga.h"

namespace {

// Every class of the component, creatable ones registered under their names.
com::Server& Component() {
  static const com::ClassEntry classes[] = {
      com::Creatable<quorvel::classValeRefeicao>(),
      com::Creatable<quorvel::classSolicValeTransporte>(),
      com::Creatable<quorvel::classContrSindical>(),
      com::Creatable<quorvel::classTipoValeTransporte>(),
      com::Creatable<quorvel::classTransportador>(),
      com::Creatable<quorvel::classSindicato>(),
      com::Creatable<quorvel::classTipoFalta>(),
      com::Creatable<quorvel::classFaltaFuncionario>(),
      com::Creatable<quorvel::classTipoAnotacao>(),
      com::Creatable<quorvel::classAnotacao>(),
      com::Creatable<quorvel::classFaixaAquisFerias>(),
      com::Creatable<quorvel::classFerias>(),
      com::Private<quorvel::classCCItens>(),
      com::Creatable<quorvel::classDadosPessoais>(),
      com::Creatable<quorvel::classDadosFuncionario>(),
      com::Creatable<quorvel::classRemuneracao>(),
      com::Creatable<quorvel::classContratoFuncionario>(),
      com::Creatable<quorvel::classBanco>(),
      com::Creatable<quorvel::classConselho>(),
      com::Creatable<quorvel::classTipoGrauParentesco>(),
      com::Creatable<quorvel::classTipoContrato>(),
      com::Creatable<quorvel::classCargo>(),
      com::Creatable<quorvel::classFilial>(),
      com::Creatable<quorvel::classDependente>(),
      com::Creatable<quorvel::classInfTabelas>(),
      com::Creatable<quorvel::classRelatorios>(),
      com::Creatable<quorvel::classTipoExameMedico>(),
      com::Creatable<quorvel::classEPI>(),
      com::Creatable<quorvel::classEPIPerfilCargo>(),
      com::Creatable<quorvel::classExamePerfilCargo>(),
      com::Creatable<quorvel::classPerfilCargo>(),
      com::Creatable<quorvel::classPeriodicidadeExame>(),
      com::Creatable<quorvel::classExameMedico>(),
      com::Creatable<quorvel::classConhecPerfilCargo>(),
      com::Creatable<quorvel::classExameAgendado>(),
      com::Creatable<quorvel::classExameFuncionario>(),
      com::Creatable<quorvel::classConhecimento>(),
      com::Creatable<quorvel::classNivelEscolaridade>(),
      com::Creatable<quorvel::classMotivoEncerramento>(),
      com::Creatable<quorvel::classCursos>(),
      com::Creatable<quorvel::classVaga>(),
      com::Creatable<quorvel::classConhecVaga>(),
      com::Creatable<quorvel::classConhecCandidato>(),
      com::Creatable<quorvel::classDadosCandidato>(),
      com::Creatable<quorvel::classExperCandidato>(),
      com::Creatable<quorvel::classEscolaridadeCandidato>(),
      com::Creatable<quorvel::classCargoCandidato>(),
      com::Creatable<quorvel::classTurnoCandidato>(),
      com::Creatable<quorvel::classEncaminhamento>(),
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
