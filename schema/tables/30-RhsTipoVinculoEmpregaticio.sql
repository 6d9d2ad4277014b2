-- SPDX-License-Identifier: MIT
-- Employment-bond types (filled outside the library).
CREATE TABLE RhsTipoVinculoEmpregaticio (
  CodTipoVinculo smallint NOT NULL PRIMARY KEY,
  TipoVinculo varchar(60)
);
