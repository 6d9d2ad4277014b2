-- SPDX-License-Identifier: MIT
-- Annotation types with their two flags, kept as the caller writes them.
CREATE TABLE RhsTipoAnotacao (
  CodTipoAnotacao integer NOT NULL PRIMARY KEY,
  DescrTipoAnotacao varchar(60),
  Falta varchar(10),
  Ativado varchar(10)
);
