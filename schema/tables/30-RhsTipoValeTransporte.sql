-- SPDX-License-Identifier: MIT
-- Transport-voucher types, each sold by one carrier.
CREATE TABLE RhsTipoValeTransporte (
  CodTipoValeTransporte integer NOT NULL PRIMARY KEY,
  DescrTipoValeTransporte varchar(100),
  ValorUnitario double precision,
  QuantComercializada integer,
  CodTransp integer,
  DataUltimaCompra date,
  QuantUltimaCompra integer,
  Ativado varchar(10)
);
