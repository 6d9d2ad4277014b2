-- SPDX-License-Identifier: MIT
-- Leaving reasons (filled outside the library).
CREATE TABLE RhsMotivoDeslig (
  CodMotivoDeslig integer NOT NULL PRIMARY KEY,
  MotivoDeslig varchar(60)
);
