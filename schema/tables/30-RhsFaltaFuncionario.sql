-- SPDX-License-Identifier: MIT
-- Absences of the employees (RhsDadosFuncionario), each of a type (RhsTipoFalta).
CREATE TABLE RhsFaltaFuncionario (
  CodRegFaltaFuncionario integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoFalta integer,
  DataInicio date,
  DataFinal date,
  NrHoras time,
  Observacao varchar(255)
);
CREATE INDEX RhsFaltaFuncionario_CodFuncionario ON RhsFaltaFuncionario (CodFuncionario);
