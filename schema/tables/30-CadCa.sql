-- SPDX-License-Identifier: MIT
-- The register of units (read only by the library, on a second connection).
CREATE TABLE CadCa (
  CodCa integer NOT NULL PRIMARY KEY,
  NomeCompletoCa varchar(100)
);
