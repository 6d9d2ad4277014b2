-- SPDX-License-Identifier: MIT
-- The protective-equipment catalogue (filled outside the library).
CREATE TABLE RhsEPI (
  CodEPI integer NOT NULL PRIMARY KEY,
  NomeEPI varchar(100)
);
