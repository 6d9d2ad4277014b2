-- SPDX-License-Identifier: MIT
-- Periodicity rules of a profile's exam, by minimum age.
CREATE TABLE RhsPeriodicidadeExame (
  CodRegPeriodicidade integer NOT NULL PRIMARY KEY,
  CodRegExamePerfil integer,
  IdadeMin double precision,
  Anos integer,
  Meses integer,
  Dias integer
);
