-- SPDX-License-Identifier: MIT
-- Economic-activity codes (filled outside the library).
CREATE TABLE RhsCNAE (
  CodCNAE varchar(10) NOT NULL PRIMARY KEY,
  DescrCNAE varchar(200)
);
