-- SPDX-License-Identifier: MIT
-- Salary types (filled outside the library).
CREATE TABLE RhsTipoSalario (
  CodTipoSalario smallint NOT NULL PRIMARY KEY,
  TipoSalario varchar(60)
);
