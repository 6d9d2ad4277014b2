-- SPDX-License-Identifier: MIT
-- Legal natures of employers (filled outside the library).
CREATE TABLE RhsNatJuridica (
  CodNatJuridica integer NOT NULL PRIMARY KEY,
  DescrNatJuridica varchar(200)
);
