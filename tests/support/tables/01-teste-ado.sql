-- SPDX-License-Identifier: MIT
-- Table of the data-access layer's own tests: one column of every value kind.
CREATE TABLE QvTesteAdo (
  CodTeste integer NOT NULL PRIMARY KEY,
  ValSmall smallint,
  ValInt integer,
  ValBig bigint,
  ValReal real,
  ValDouble double precision,
  ValNumeric numeric(12, 2),
  ValDate date,
  ValTime time,
  ValStamp timestamp,
  ValBool boolean,
  ValChar char(3),
  ValVarchar varchar(40),
  ValText text
);
