-- SPDX-License-Identifier: MIT
-- A candidate's schooling, one row per course of study.
CREATE TABLE RhsEscolaridadeCandidato (
  CodRegEscolaridadeCandidato integer NOT NULL PRIMARY KEY,
  CodCandidato integer,
  CodNivel integer,
  NomeEntidade varchar(100),
  SerieSemestre smallint,
  AnoConclusao varchar(20)
);
