-- SPDX-License-Identifier: MIT
-- Professional councils, banks, the person register and the lookups that
-- the person fetch joins.

CREATE TABLE RhsConselho (
  CodConselho integer NOT NULL PRIMARY KEY,
  SiglaConselho varchar(20),
  NomeConselho varchar(100)
);

-- NumBanco is a whole number: the bank fetch compares it with an unquoted
-- number. LIKE with a quoted pattern and the joins to the bank numbers that
-- other tables hold as text (as written, '001' included) compare it by
-- SQLite's own conversions and by the number-text operators on PostgreSQL.
CREATE TABLE RhsBanco (
  NumBanco integer NOT NULL PRIMARY KEY,
  NomeBanco varchar(60),
  RazaoSocialBanco varchar(100)
);

CREATE TABLE CadEndCidades (
  CodCidade integer NOT NULL PRIMARY KEY,
  Cidade varchar(60),
  UF varchar(2),
  CodCidade_Ibge integer
);

CREATE TABLE RhsEstadoCivil (
  CodEstadoCivil integer NOT NULL PRIMARY KEY,
  EstadoCivil varchar(30)
);

CREATE TABLE RhsNacionalidade (
  CodNacionalidade smallint NOT NULL PRIMARY KEY,
  Nacionalidade varchar(40)
);

CREATE TABLE RhsGrauInstrucao (
  CodGrauInstrucao smallint NOT NULL PRIMARY KEY,
  GrauInstrucao varchar(60)
);

CREATE TABLE RhsCorPele (
  CodCorPele smallint NOT NULL PRIMARY KEY,
  CorPele varchar(30)
);

CREATE TABLE RhsDadosPessoais (
  CodIndividual integer NOT NULL PRIMARY KEY,
  Nome varchar(100),
  NomePai varchar(100),
  NomeMae varchar(100),
  Logradouro varchar(20),
  Endereco varchar(100),
  NrEndereco varchar(10),
  ComplEndereco varchar(40),
  Bairro varchar(60),
  CodCidade integer,
  UF varchar(2),
  CEP varchar(9),
  TelResidencial varchar(20),
  TelCelular varchar(20),
  TelRecados varchar(20),
  EMail varchar(100),
  CodEstadoCivil integer,
  NomeConjuge varchar(100),
  NrFilhos smallint,
  FilhosFicamCom varchar(60),
  Sexo varchar(1),
  Altura numeric(4, 2),
  Peso numeric(5, 2),
  Naturalidade integer,
  CodNacionalidade smallint,
  DataChegadaBrasil date,
  DataNasc date,
  CodGrauInstrucao smallint,
  NrIdentidade varchar(20),
  DataExpIdentidade date,
  OrgaoExpIdentidade varchar(20),
  NrCPF varchar(14),
  NrPIS varchar(14),
  DataCTPS date,
  NrCTPS bigint,
  SerieCTPS varchar(10),
  NrReservista varchar(20),
  CatReservista varchar(10),
  NrCNH varchar(20),
  CatCNH varchar(5),
  ValidadeCNH date,
  NrTituloEleitor varchar(20),
  ZonaTituloEleitor varchar(10),
  SecaoTituloEleitor varchar(10),
  HabProfissional varchar(60),
  NrHabilitacao varchar(20),
  CodConselho integer,
  DataAposentadoria date,
  DefFisico varchar(1),
  TipoDeficiencia varchar(60),
  CodCorPele smallint,
  Fumante varchar(1),
  DataUltimaAtualizacao date,
  Status varchar(20),
  Situacao varchar(20),
  CaminhoFoto varchar(255),
  Observacoes text,
  CodPais integer
);

CREATE INDEX RhsDadosPessoais_Nome ON RhsDadosPessoais (Nome);
CREATE INDEX RhsDadosPessoais_NrCPF ON RhsDadosPessoais (NrCPF);
