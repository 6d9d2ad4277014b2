-- SPDX-License-Identifier: MIT
-- Column types that only PostgreSQL needs spelt out. The table files name
-- them; SQLite takes the same names by its affinity rules (see README.md).

-- Whole numbers in text, ordered by their number value: MAX of a knowledge
-- code is the numerically greatest code (10 after 9), while equality stays
-- exact text equality (a deterministic collation), so '010' is not 10.
CREATE COLLATION qv_numeric (provider = icu, locale = 'und-u-kn-true');
CREATE DOMAIN knowledge_code_text AS varchar(20) COLLATE qv_numeric;

-- A code path, ordered by character code whatever the database's locale.
CREATE DOMAIN code_path_text AS varchar(255) COLLATE "C";
