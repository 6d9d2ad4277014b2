-- SPDX-License-Identifier: MIT
-- Unions.
CREATE TABLE RhsSindicato (
  CodSindicato integer NOT NULL PRIMARY KEY,
  NomeSind varchar(100),
  LogradouroSind varchar(20),
  EnderecoSind varchar(100),
  NrEnderecoSind varchar(10),
  ComplEnderecoSind varchar(40),
  BairroSind varchar(60),
  CodCidade integer,
  UFSind varchar(2),
  CEPSind varchar(9),
  DataBaseSind smallint,
  Telefone varchar(20)
);
