-- SPDX-License-Identifier: MIT
-- Reasons for which a vacancy is closed.
CREATE TABLE RhsMotivoEncerramento (
  CodMotivoEncerramento integer NOT NULL PRIMARY KEY,
  DescrMotivoEncerramento varchar(100)
);
