-- The knowledge tree. CodConhec is written as quoted text by every statement
-- but held as a number, so that MAX gives the numerically greatest code.
CREATE TABLE RhsConhecimento (
  CodConhec INTEGER NOT NULL PRIMARY KEY,
  CodPaiConhec varchar(20),
  DescrConhec varchar(255),
  CodCompletoConhec varchar(255),
  DescrCompletaConhec varchar(2000)
);
