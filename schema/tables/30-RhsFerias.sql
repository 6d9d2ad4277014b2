-- SPDX-License-Identifier: MIT
-- Vacation records of the employees. DtBaseAnterior keeps the employee's
-- previous vacation base date.
CREATE TABLE RhsFerias (
  CodRegFerias integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  InicioAquisicao date,
  FimAquisicao date,
  DiasAGozar smallint,
  ValorFerias double precision,
  InicioFerias date,
  FimFerias date,
  DiasGozados smallint,
  StatusFerias varchar(20),
  DecTerceiro varchar(10),
  DtSolicitacao date,
  DtBaseAnterior date
);
CREATE INDEX RhsFerias_CodFuncionario ON RhsFerias (CodFuncionario);
