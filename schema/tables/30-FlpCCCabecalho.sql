-- SPDX-License-Identifier: MIT
-- Payslip headers (filled outside the library): 'NOR' normal, 'FER' vacation.
CREATE TABLE FlpCCCabecalho (
  CodContracheque integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  AnoMes varchar(10),
  Tipo varchar(3),
  TotalProventos double precision,
  TotalLiquido double precision
);
