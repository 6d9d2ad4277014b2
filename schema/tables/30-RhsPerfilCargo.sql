-- SPDX-License-Identifier: MIT
-- Position profiles: what a position at a branch requires.
CREATE TABLE RhsPerfilCargo (
  CodRegPerfilCargo integer NOT NULL PRIMARY KEY,
  CodFilial integer,
  CodCargo integer,
  IdadeMin double precision,
  IdadeMax double precision,
  Sexo varchar(20),
  CodGrauInstrMin integer,
  ExperMinAnos smallint,
  ExperMinMeses smallint
);
