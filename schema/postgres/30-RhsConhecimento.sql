-- The knowledge tree. CodConhec is written as quoted text by every statement
-- but held as a number, so that MAX gives the numerically greatest code.
-- The code path sorts by character code: "." before every digit (tree order).
CREATE TABLE RhsConhecimento (
  CodConhec integer NOT NULL PRIMARY KEY,
  CodPaiConhec varchar(20),
  DescrConhec varchar(255),
  CodCompletoConhec varchar(255) COLLATE "C",
  DescrCompletaConhec varchar(2000)
);
