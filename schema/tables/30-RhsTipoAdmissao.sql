-- SPDX-License-Identifier: MIT
-- Admission types (filled outside the library).
CREATE TABLE RhsTipoAdmissao (
  CodTipoAdmissao smallint NOT NULL PRIMARY KEY,
  TipoAdmissao varchar(60)
);
