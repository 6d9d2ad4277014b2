-- SPDX-License-Identifier: MIT
-- Courses that a person has taken.
CREATE TABLE RhsCursos (
  CodRegCurso integer NOT NULL PRIMARY KEY,
  CodIndividual integer,
  NomeCurso varchar(100),
  Entidade varchar(100),
  AnoPeriodo varchar(30),
  Duracao varchar(30),
  Diploma varchar(10)
);
