-- SPDX-License-Identifier: MIT
-- Meal-voucher withdrawals of employees.
CREATE TABLE RhsValeRefeicao (
  CodRegValeRefeicao integer NOT NULL PRIMARY KEY,
  CodFuncionario integer,
  DataRetirada date,
  QuantidadeRetirada smallint,
  ValorUnitarioVR double precision,
  ValorTotal double precision
);
