-- SPDX-License-Identifier: MIT
-- The knowledge tree. Every statement writes CodConhec as quoted text and
-- compares it as text; MAX(CodConhec) must be the numerically greatest code
-- (see README.md): knowledge_code_text is a text domain ordered by number
-- value on PostgreSQL, and a name of TEXT affinity on SQLite, whose next-code
-- statement orders by the extension's qv_numeric. The code path sorts by
-- character code, "." before every digit, which gives the tree order
-- (code_path_text: the "C" collation on PostgreSQL, TEXT affinity and binary
-- order on SQLite).
CREATE TABLE RhsConhecimento (
  CodConhec knowledge_code_text NOT NULL PRIMARY KEY,
  CodPaiConhec varchar(20),
  DescrConhec varchar(255),
  CodCompletoConhec code_path_text,
  DescrCompletaConhec varchar(2000)
);
