-- SPDX-License-Identifier: MIT
-- The version table of the database update program: each update script adds
-- its row with its two version values (d.dd.nnnn).
CREATE TABLE fauversaodb (
  versaopd varchar(20),
  versaoct varchar(20)
);
