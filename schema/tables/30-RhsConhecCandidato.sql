-- SPDX-License-Identifier: MIT
-- What a candidate knows, by node of the knowledge tree.
CREATE TABLE RhsConhecCandidato (
  CodRegConhecCandidato integer NOT NULL PRIMARY KEY,
  CodCandidato integer,
  CodConhec varchar(20),
  NivelConhecCandidato smallint,
  DescrConhecCandidato varchar(255)
);
