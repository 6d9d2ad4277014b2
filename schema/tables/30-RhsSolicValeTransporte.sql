-- SPDX-License-Identifier: MIT
-- Employees' transport-voucher requests.
CREATE TABLE RhsSolicValeTransporte (
  CodRegSolicValeTransporte integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoValeTransporte integer,
  LinhaUtilizada varchar(100),
  QuantDiaria smallint,
  DataSolicitacao date
);
