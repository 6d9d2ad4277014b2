-- SPDX-License-Identifier: MIT
-- Appointments for employees' medical exams.
CREATE TABLE RhsExameAgendado (
  CodExameAgendado integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoExame integer,
  Status varchar(20),
  Data date,
  Hora time,
  LocalConsulta varchar(100),
  Medico varchar(100),
  NrRegMedico varchar(20)
);
