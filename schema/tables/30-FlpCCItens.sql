-- SPDX-License-Identifier: MIT
-- Payslip items (lines): each of a payslip (FlpCCCabecalho) and a payroll event detail.
CREATE TABLE FlpCCItens (
  CodItemDetalheCC integer NOT NULL PRIMARY KEY,
  CodContracheque integer,
  CodEventoDet integer,
  Referencia double precision,
  Unidade varchar(1),
  Valor double precision,
  CodEventoFerias varchar(10),
  CodEventoAdicFerias varchar(10),
  CodEventoAbono varchar(10),
  CodEventoAdicAbono varchar(10)
);
CREATE INDEX FlpCCItens_CodContracheque ON FlpCCItens (CodContracheque);
