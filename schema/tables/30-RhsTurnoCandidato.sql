-- SPDX-License-Identifier: MIT
-- The work shifts that a candidate accepts, as free text.
CREATE TABLE RhsTurnoCandidato (
  CodRegTurnoCandidato integer NOT NULL PRIMARY KEY,
  CodCandidato integer,
  DescrTurnoCandidato varchar(100)
);
