-- SPDX-License-Identifier: MIT
-- Reasons of salary raises (filled outside the library).
CREATE TABLE RhsMotivoAumento (
  CodMotivoAumento integer NOT NULL PRIMARY KEY,
  MotivoAumento varchar(60)
);
