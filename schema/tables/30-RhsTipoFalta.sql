-- SPDX-License-Identifier: MIT
-- Absence types; Justificativa 'J' marks a justified absence.
CREATE TABLE RhsTipoFalta (
  CodTipoFalta integer NOT NULL PRIMARY KEY,
  DescrTipoFalta varchar(60),
  Justificativa varchar(10)
);
