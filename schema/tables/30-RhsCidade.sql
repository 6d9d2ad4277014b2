-- SPDX-License-Identifier: MIT
-- A second city table, read by the fetches that name a city (filled outside the library).
CREATE TABLE RhsCidade (
  CodCidade integer NOT NULL PRIMARY KEY,
  NomeCidade varchar(60)
);
