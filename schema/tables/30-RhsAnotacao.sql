-- SPDX-License-Identifier: MIT
-- Dated annotations on the employees (RhsDadosFuncionario), each of a type (RhsTipoAnotacao).
CREATE TABLE RhsAnotacao (
  CodRegAnotacao integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoAnotacao integer,
  DataAnotacao date,
  DescrAnotacao text
);
CREATE INDEX RhsAnotacao_CodFuncionario ON RhsAnotacao (CodFuncionario);
