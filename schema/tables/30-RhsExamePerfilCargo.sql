-- SPDX-License-Identifier: MIT
-- The medical exams a position profile calls for.
CREATE TABLE RhsExamePerfilCargo (
  CodRegExamePerfil integer NOT NULL PRIMARY KEY,
  CodRegPerfilCargo integer,
  CodTipoExame integer,
  Obrigatoriedade varchar(20)
);
