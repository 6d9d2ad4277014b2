-- SPDX-License-Identifier: MIT
-- Absence brackets of an acquisition period: up to Teto absences grant
-- NrDiasAGozar vacation days. Filled outside the library; brackets may
-- share a ceiling, so Teto is no key.
CREATE TABLE RhsFaixaAquisFerias (
  Teto double precision,
  NrDiasAGozar integer
);
CREATE INDEX RhsFaixaAquisFerias_Teto ON RhsFaixaAquisFerias (Teto);
