-- SPDX-License-Identifier: MIT
-- Functions and operators that the HR statements expect of the database.
-- The statements run unchanged; everything they need is defined here.

-- cstr(x): a value as text.
CREATE FUNCTION cstr(anyelement) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text $$;
CREATE FUNCTION cstr(text) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1 $$;

-- csng(x): a number from text, with a decimal comma or point. Its precision
-- is that of the Single columns (double precision, see README.md), so that a
-- value written through csng is found again by the same csng.
CREATE FUNCTION csng(text) RETURNS double precision
  LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT replace(btrim($1), ',', '.')::double precision $$;
CREATE FUNCTION csng(double precision) RETURNS double precision
  LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT $1 $$;

-- upper() of a number: its text.
CREATE FUNCTION upper(integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text $$;
CREATE FUNCTION upper(smallint) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text $$;
CREATE FUNCTION upper(bigint) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text $$;
CREATE FUNCTION upper(double precision) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text $$;
CREATE FUNCTION upper(numeric) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text $$;

-- number LIKE text / NOT LIKE text: the number's text against the pattern.
CREATE FUNCTION qv_like(bigint, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text LIKE $2 $$;
CREATE FUNCTION qv_like(double precision, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text LIKE $2 $$;
CREATE FUNCTION qv_like(numeric, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text LIKE $2 $$;
CREATE FUNCTION qv_not_like(bigint, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text NOT LIKE $2 $$;
CREATE FUNCTION qv_not_like(double precision, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text NOT LIKE $2 $$;
CREATE FUNCTION qv_not_like(numeric, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text NOT LIKE $2 $$;

CREATE FUNCTION qv_like(integer, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text LIKE $2 $$;
CREATE FUNCTION qv_like(smallint, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text LIKE $2 $$;
CREATE FUNCTION qv_not_like(integer, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text NOT LIKE $2 $$;
CREATE FUNCTION qv_not_like(smallint, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT $1::text NOT LIKE $2 $$;

CREATE OPERATOR ~~ (LEFTARG = smallint, RIGHTARG = text, FUNCTION = qv_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = integer, RIGHTARG = text, FUNCTION = qv_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = bigint, RIGHTARG = text, FUNCTION = qv_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = double precision, RIGHTARG = text, FUNCTION = qv_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = numeric, RIGHTARG = text, FUNCTION = qv_like, NEGATOR = !~~);
CREATE OPERATOR !~~ (LEFTARG = smallint, RIGHTARG = text, FUNCTION = qv_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = integer, RIGHTARG = text, FUNCTION = qv_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = bigint, RIGHTARG = text, FUNCTION = qv_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = double precision, RIGHTARG = text, FUNCTION = qv_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = numeric, RIGHTARG = text, FUNCTION = qv_not_like, NEGATOR = ~~);

-- text = integer (either side): equal when the text, without surrounding
-- blanks and leading zeros, is the number's decimal text ('001' = 1,
-- ' 15' = 15, '' and 'x' equal no number). Written as one SQL expression
-- without a regular expression, so that the planner inlines it: a join of a
-- number column with a text column becomes an equality of two expressions,
-- one of each table, which it can hash or merge like a join of equal types.
CREATE FUNCTION qv_int_eq_text(bigint, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT ltrim($1::text, '0') = ltrim(btrim($2), '0') AND btrim($2) <> '' $$;
CREATE FUNCTION qv_int_eq_text(integer, text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT ltrim($1::text, '0') = ltrim(btrim($2), '0') AND btrim($2) <> '' $$;
CREATE FUNCTION qv_text_eq_int(text, bigint) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT ltrim(btrim($1), '0') = ltrim($2::text, '0') AND btrim($1) <> '' $$;
CREATE FUNCTION qv_text_eq_int(text, integer) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT ltrim(btrim($1), '0') = ltrim($2::text, '0') AND btrim($1) <> '' $$;
CREATE OPERATOR = (LEFTARG = text, RIGHTARG = integer, FUNCTION = qv_text_eq_int, COMMUTATOR = =);
CREATE OPERATOR = (LEFTARG = integer, RIGHTARG = text, FUNCTION = qv_int_eq_text, COMMUTATOR = =);
CREATE OPERATOR = (LEFTARG = text, RIGHTARG = bigint, FUNCTION = qv_text_eq_int, COMMUTATOR = =);
CREATE OPERATOR = (LEFTARG = bigint, RIGHTARG = text, FUNCTION = qv_int_eq_text, COMMUTATOR = =);

-- month(d), year(d): the number as text ("5", "2005"), joined with &.
CREATE FUNCTION month(date) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT extract(month FROM $1)::integer::text $$;
CREATE FUNCTION year(date) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT extract(year FROM $1)::integer::text $$;
CREATE FUNCTION month(timestamp) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT extract(month FROM $1)::integer::text $$;
CREATE FUNCTION year(timestamp) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT extract(year FROM $1)::integer::text $$;
CREATE FUNCTION qv_concat(text, text) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT coalesce($1, '') || coalesce($2, '') $$;
CREATE OPERATOR & (LEFTARG = text, RIGHTARG = text, FUNCTION = qv_concat);

-- interval compared with a number of days.
CREATE FUNCTION qv_interval_days(interval) RETURNS double precision
  LANGUAGE sql IMMUTABLE AS $$ SELECT extract(epoch FROM $1)::double precision / 86400 $$;
CREATE FUNCTION qv_interval_ge(interval, double precision) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) >= $2 $$;
CREATE FUNCTION qv_interval_le(interval, double precision) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) <= $2 $$;
CREATE FUNCTION qv_interval_gt(interval, double precision) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) > $2 $$;
CREATE FUNCTION qv_interval_lt(interval, double precision) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) < $2 $$;
CREATE FUNCTION qv_interval_ge(interval, integer) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) >= $2 $$;
CREATE FUNCTION qv_interval_le(interval, integer) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) <= $2 $$;
CREATE FUNCTION qv_interval_gt(interval, integer) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) > $2 $$;
CREATE FUNCTION qv_interval_lt(interval, integer) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT qv_interval_days($1) < $2 $$;
CREATE OPERATOR >= (LEFTARG = interval, RIGHTARG = double precision, FUNCTION = qv_interval_ge);
CREATE OPERATOR <= (LEFTARG = interval, RIGHTARG = double precision, FUNCTION = qv_interval_le);
CREATE OPERATOR > (LEFTARG = interval, RIGHTARG = double precision, FUNCTION = qv_interval_gt);
CREATE OPERATOR < (LEFTARG = interval, RIGHTARG = double precision, FUNCTION = qv_interval_lt);
CREATE OPERATOR >= (LEFTARG = interval, RIGHTARG = integer, FUNCTION = qv_interval_ge);
CREATE OPERATOR <= (LEFTARG = interval, RIGHTARG = integer, FUNCTION = qv_interval_le);
CREATE OPERATOR > (LEFTARG = interval, RIGHTARG = integer, FUNCTION = qv_interval_gt);
CREATE OPERATOR < (LEFTARG = interval, RIGHTARG = integer, FUNCTION = qv_interval_lt);
