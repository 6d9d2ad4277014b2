-- SPDX-License-Identifier: MIT
-- The candidate file: one row per applicant, tied to a person of RhsDadosPessoais.
CREATE TABLE RhsDadosCandidato (
  CodIndividual integer,
  CodCandidato integer NOT NULL PRIMARY KEY,
  EncaminhadoPor varchar(100),
  ParentesEmpresa varchar(10),
  NomeParentes varchar(255),
  Datilografia varchar(10),
  OutrosTiposTrab varchar(10),
  DescrOutrosTiposTrab varchar(255),
  OutrosConhecimentos varchar(255),
  DispHorasExtras varchar(10),
  DispViagens varchar(10),
  SalarioPretendido double precision,
  TurnoPreferencial varchar(50),
  OutrasFuncoes varchar(255),
  MeioTransporte varchar(50),
  OutrosContatos varchar(255),
  DataUltimaAtualizacao date,
  Situacao varchar(10)
);
