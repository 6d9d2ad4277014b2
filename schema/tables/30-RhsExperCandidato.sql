-- SPDX-License-Identifier: MIT
-- A candidate's previous jobs.
CREATE TABLE RhsExperCandidato (
  CodRegExperCandidato integer NOT NULL PRIMARY KEY,
  CodCandidato integer,
  NomeEmpresa varchar(100),
  CodCidade integer,
  CodCargo integer,
  DescrAtividades varchar(2000),
  DataEntrada date,
  DataSaida date,
  SalarioSaida double precision,
  CodMotivoDeslig smallint,
  DescrMotivoSaida varchar(255)
);
