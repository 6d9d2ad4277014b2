-- SPDX-License-Identifier: MIT
-- The positions that a candidate wants.
CREATE TABLE RhsCargoCandidato (
  CodRegCargoCandidato integer NOT NULL PRIMARY KEY,
  CodCandidato integer,
  CodCargo integer
);
