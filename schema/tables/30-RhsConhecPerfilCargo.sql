-- SPDX-License-Identifier: MIT
-- The knowledge a position profile requires, by node of the knowledge tree.
CREATE TABLE RhsConhecPerfilCargo (
  CodRegConhecPerfil integer NOT NULL PRIMARY KEY,
  CodRegPerfilCargo integer,
  CodConhec varchar(20),
  NivelConhecPerfil smallint
);
