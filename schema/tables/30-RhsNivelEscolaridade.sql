-- SPDX-License-Identifier: MIT
-- Schooling levels of the candidates' schooling records.
CREATE TABLE RhsNivelEscolaridade (
  CodNivel integer NOT NULL PRIMARY KEY,
  DescrNivel varchar(100)
);
