-- SPDX-License-Identifier: MIT
-- Kinship degrees, contract types, positions with their occupation codes,
-- the catalogue of auxiliary tables, the report catalogue and the scratch
-- table of report codes.

CREATE TABLE RhsTipoGrauParentesco (
  CodGrauParentesco integer NOT NULL PRIMARY KEY,
  DescrGrauParentesco varchar(60),
  GrauParentesco smallint,
  SalarioFamilia varchar(1)
);

CREATE TABLE RhsTipoContrato (
  CodTipoContrato integer NOT NULL PRIMARY KEY,
  DescrTipoContrato varchar(60),
  NomeContrato varchar(100),
  NomeContrato2 varchar(100),
  LeiContrato varchar(255),
  DesignacaoContratado varchar(60),
  Ativado varchar(1)
);

-- Occupation codes (read only by the library).
CREATE TABLE RhsCBO (
  CodCBO varchar(10) NOT NULL PRIMARY KEY,
  DescrCBO varchar(255)
);

CREATE TABLE RhsCargo (
  CodCargo integer NOT NULL PRIMARY KEY,
  NomeCargo varchar(60),
  CodCBO varchar(10),
  PisoCargo double precision
);

-- The tables the application maintains generically (read only by the library).
CREATE TABLE FauTabelasAuxiliares (
  NomeTabela varchar(60) NOT NULL PRIMARY KEY,
  DescrTabela varchar(100)
);

-- The report catalogue (read only by the library).
CREATE TABLE RhsRelatorios (
  CodRelatorio integer NOT NULL PRIMARY KEY,
  DescrRelatorio varchar(100),
  ArquivoRelatorio varchar(255)
);

-- Codes a report works on; one table shared by every caller.
CREATE TABLE TempRegistros (
  Codigo integer
);
