-- SPDX-License-Identifier: MIT
-- Union contributions of employees, one row per contribution.
CREATE TABLE RhsContrSindical (
  CodRegContrSindical integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  AnoBaseContrSind smallint,
  ValorContribuicao double precision,
  NomeSindFavorecido varchar(100)
);
