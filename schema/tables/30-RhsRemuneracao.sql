-- SPDX-License-Identifier: MIT
-- Salary raises of the employees.
CREATE TABLE RhsRemuneracao (
  CodRegRemuneracao integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  DataAumento date,
  IndiceAumento double precision,
  ValorAtualizado double precision,
  CodMotivoAumento integer
);
CREATE INDEX RhsRemuneracao_CodFuncionario ON RhsRemuneracao (CodFuncionario);
