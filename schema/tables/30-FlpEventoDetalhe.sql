-- SPDX-License-Identifier: MIT
-- Payroll event details (filled outside the library).
CREATE TABLE FlpEventoDetalhe (
  CodEventoDet integer NOT NULL PRIMARY KEY,
  CodEvento integer,
  Tipo varchar(10),
  Nome varchar(100),
  IncidFerias varchar(1)
);
