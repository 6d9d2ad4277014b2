-- SPDX-License-Identifier: MIT
-- Results of the occupational medical exams employees have taken.
CREATE TABLE RhsExameMedico (
  CodRegExameMedico integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoExame integer,
  DataExame date,
  AptoFuncao varchar(20),
  RiscosOcupacionais varchar(255),
  ExamesComplementares varchar(255),
  MedicoResponsavel varchar(100),
  NrRegistroMedico integer,
  CodConselho integer,
  DiasPerdidos double precision
);
