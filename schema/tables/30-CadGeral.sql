-- SPDX-License-Identifier: MIT
-- The general register (read only by the library): the names of branches
-- and other entities by their general code.
CREATE TABLE CadGeral (
  CodGeral integer NOT NULL PRIMARY KEY,
  Nome varchar(100)
);
