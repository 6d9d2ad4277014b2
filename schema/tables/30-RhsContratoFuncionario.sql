-- SPDX-License-Identifier: MIT
-- Employment contracts of the employees; a Null closing date is an open contract.
CREATE TABLE RhsContratoFuncionario (
  CodRegContratoFuncionario integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  CodTipoContrato integer,
  CodCargo integer,
  DataEmissaoContr date,
  DuracaoContr integer,
  DataValidadeContr date,
  DataEncerramContr date,
  MotivoContrato varchar(100),
  PeriodoPagamentoContr varchar(20),
  CodTipoSalario smallint,
  ValorSalarioContr double precision,
  IndicePericulosidadeContr double precision,
  IndiceInsalubridadeContr double precision,
  HorasDiarias double precision,
  HorasSemanais double precision,
  HorarioTrabalho varchar(60),
  HorasExtrasNaoExcedentes double precision,
  AcrescimoNaoExcedentes double precision,
  Emitido varchar(10)
);
CREATE INDEX RhsContratoFuncionario_CodFuncionario ON RhsContratoFuncionario (CodFuncionario);
