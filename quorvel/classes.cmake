# SPDX-License-Identifier: MIT
# The component's classes, one a line as <area>/<class>: the one list a class
# is added to. Each is built from quorvel/<area>/<class>.cpp into qv_quorvel,
# listed in the component's table (component_classes.h, generated from this
# list) and tested by tests/quorvel/<class>_test.cpp; tests/quorvel checks that
# no class header is missing here and that docs/business-objects.md names
# every class.

# Registered under their names (Quorvel.<class>), in this order.
set(QV_QUORVEL_CLASSES
  administration/classValeRefeicao
  administration/classSolicValeTransporte
  administration/classContrSindical
  administration/classTipoValeTransporte
  administration/classTransportador
  administration/classSindicato
  administration/classTipoFalta
  administration/classFaltaFuncionario
  administration/classTipoAnotacao
  administration/classAnotacao
  administration/classFaixaAquisFerias
  administration/classFerias
  personnel/classDadosPessoais
  personnel/classDadosFuncionario
  personnel/classRemuneracao
  personnel/classContratoFuncionario
  personnel/classBanco
  personnel/classConselho
  personnel/classTipoGrauParentesco
  personnel/classTipoContrato
  personnel/classCargo
  personnel/classFilial
  personnel/classDependente
  personnel/classInfTabelas
  personnel/classRelatorios
  health/classTipoExameMedico
  health/classEPI
  health/classEPIPerfilCargo
  health/classExamePerfilCargo
  health/classPerfilCargo
  health/classPeriodicidadeExame
  health/classExameMedico
  health/classConhecPerfilCargo
  health/classExameAgendado
  health/classExameFuncionario
  recruitment/classConhecimento
  recruitment/classNivelEscolaridade
  recruitment/classMotivoEncerramento
  recruitment/classCursos
  recruitment/classVaga
  recruitment/classConhecVaga
  recruitment/classConhecCandidato
  recruitment/classDadosCandidato
  recruitment/classExperCandidato
  recruitment/classEscolaridadeCandidato
  recruitment/classCargoCandidato
  recruitment/classTurnoCandidato
  recruitment/classEncaminhamento
)

# Created by the component's own classes only; not registered.
set(QV_QUORVEL_PRIVATE_CLASSES
  administration/classCCItens
)
