-- SPDX-License-Identifier: MIT
-- Transport carriers: the company's address and the voucher purchase point.
CREATE TABLE RhsTransportador (
  CodTransp integer NOT NULL PRIMARY KEY,
  NomeTransp varchar(100),
  LogradouroTransp varchar(20),
  EnderecoTransp varchar(100),
  NrEnderecoTransp varchar(10),
  ComplEnderecoTransp varchar(40),
  BairroTransp varchar(60),
  CodCidadeTransp integer,
  UFTransp varchar(2),
  CEPTransp varchar(9),
  FoneTransp varchar(20),
  LogradouroCompra varchar(20),
  EnderecoCompra varchar(100),
  NrEnderecoCompra varchar(10),
  ComplEnderecoCompra varchar(40),
  BairroCompra varchar(60),
  CodCidadeCompra integer,
  UFCompra varchar(2),
  FoneCompra varchar(20)
);
