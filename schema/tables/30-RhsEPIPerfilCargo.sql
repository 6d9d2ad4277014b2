-- SPDX-License-Identifier: MIT
-- The protective equipment a position profile requires.
CREATE TABLE RhsEPIPerfilCargo (
  CodRegEPIPerfilCargo integer NOT NULL PRIMARY KEY,
  CodPerfilCargo integer,
  CodEPI integer
);
