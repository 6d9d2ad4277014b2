-- SPDX-License-Identifier: MIT
-- Dependants of employees (RhsDadosFuncionario).
CREATE TABLE RhsDependente (
  CodDep integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  NomeDep varchar(100),
  CodGrauParentesco integer,
  SexoDep varchar(1),
  NrCPFDep varchar(14),
  DataNascDep date,
  CodNaturalidadeDep integer,
  CodNacionalidadeDep integer,
  NomeCartorio varchar(100),
  NrRegistro varchar(20),
  NrLivro varchar(20),
  NrFolha varchar(20),
  CodGrauInstrucaoDep integer,
  DepIRRF varchar(1),
  DepSalFamilia varchar(1),
  DepAssistMedica varchar(1),
  DepPensaoAliment varchar(1)
);
