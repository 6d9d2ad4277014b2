-- SPDX-License-Identifier: MIT
-- Referrals of candidates to vacancies.
CREATE TABLE RhsEncaminhamento (
  CodEncaminhamento integer NOT NULL PRIMARY KEY,
  CodVaga integer,
  CodCandidato integer,
  DataEncaminhamento date,
  Emitido varchar(20),
  Observacao varchar(255),
  Selecao varchar(20),
  Contratacao varchar(20)
);
