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
  IndicePericulosidadeContr real,
  IndiceInsalubridadeContr real,
  HorasDiarias real,
  HorasSemanais real,
  HorarioTrabalho varchar(60),
  HorasExtrasNaoExcedentes double precision,
  AcrescimoNaoExcedentes real,
  Emitido varchar(10)
);
CREATE INDEX RhsContratoFuncionario_CodFuncionario ON RhsContratoFuncionario (CodFuncionario);
