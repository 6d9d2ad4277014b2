-- The knowledge tree. Every statement writes CodConhec as quoted text, and
-- MAX(CodConhec) must be the numerically greatest code (see README.md):
-- knowledge_code is a text domain ordered by number value on PostgreSQL and a
-- name of NUMERIC affinity on SQLite. The code path sorts by character code,
-- "." before every digit, which gives the tree order (code_path_text: the "C"
-- collation on PostgreSQL, TEXT affinity and binary order on SQLite).
CREATE TABLE RhsConhecimento (
  CodConhec knowledge_code NOT NULL PRIMARY KEY,
  CodPaiConhec varchar(20),
  DescrConhec varchar(255),
  CodCompletoConhec code_path_text,
  DescrCompletaConhec varchar(2000)
);
