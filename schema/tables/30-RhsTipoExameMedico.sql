-- SPDX-License-Identifier: MIT
-- Occupational medical exam types.
CREATE TABLE RhsTipoExameMedico (
  CodTipoExame integer NOT NULL PRIMARY KEY,
  DescrTipoExame varchar(100),
  DiasDeParada smallint,
  Ativado varchar(20)
);
