-- SPDX-License-Identifier: MIT
-- Payroll events (filled outside the library).
CREATE TABLE FlpEvento (
  CodEvento integer NOT NULL PRIMARY KEY,
  DescrEvento varchar(100)
);
