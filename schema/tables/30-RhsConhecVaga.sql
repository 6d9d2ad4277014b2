-- SPDX-License-Identifier: MIT
-- The knowledge that a vacancy requires, by node of the knowledge tree.
CREATE TABLE RhsConhecVaga (
  CodRegConhecVaga integer NOT NULL PRIMARY KEY,
  CodVaga integer,
  CodConhec varchar(20),
  NivelConhecVaga smallint
);
