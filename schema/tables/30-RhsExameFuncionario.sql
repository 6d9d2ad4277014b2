-- SPDX-License-Identifier: MIT
-- The exams assigned to each employee, with their own interval.
CREATE TABLE RhsExameFuncionario (
  CodExameFuncionario integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoExame integer,
  Periodico varchar(20),
  Demissional varchar(20),
  Anos integer,
  Meses integer,
  Dias integer
);
