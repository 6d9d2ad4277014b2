// SPDX-License-Identifier: MIT
// The shared procedures and statement building, without a database.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "platform/automation/convert.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/backslashes.h"
#include "quorvel/common/column_values.h"
#include "quorvel/common/dialect.h"
#include "quorvel/common/errors.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace {

using automation::Variant;
using namespace quorvel;

struct Adjust {
  const char* before;
  const char* after;
};

class DialectWordsTest : public ::testing::TestWithParam<Adjust> {};

TEST_P(DialectWordsTest, RemovedOutsideLiteralsOnly) {
  std::string s = GetParam().before;
  RemoveDialectWords(s);
  EXPECT_EQ(s, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    All, DialectWordsTest,
    ::testing::Values(Adjust{"UPPER(Nome) LIKE 'A%'", "(Nome) LIKE 'A%'"},
                      Adjust{"cstr(CodIndividual) LIKE '1%'", "(CodIndividual) LIKE '1%'"},
                      Adjust{"VALUES (csng('0.5'))", "VALUES (('0.5'))"},
                      Adjust{"CStr(x), Upper(y), CSng(z), upper(w)", "CStr(x), Upper(y), CSng(z), upper(w)"},
                      Adjust{"Nome = 'UPPER cstr csng'", "Nome = 'UPPER cstr csng'"},
                      Adjust{"Nome = 'O''Brien cstr' AND UPPER(x) = 'UPPER'", "Nome = 'O''Brien cstr' AND (x) = 'UPPER'"},
                      Adjust{"UPPERUPPER(a) cstrcstr", "(a) "},
                      // One word after the other, as the words are removed in turn.
                      Adjust{"UPcsngPER(a)", "UPPER(a)"}, Adjust{"cscsngtr(a)", "(a)"},
                      Adjust{"", ""}, Adjust{"'unterminated UPPER", "'unterminated UPPER"}));

class LikeBackslashTest : public ::testing::TestWithParam<Adjust> {};

TEST_P(LikeBackslashTest, DoubledInLikePatternsOnly) {
  std::string s = GetParam().before;
  DoubleLikeBackslashes(s);
  EXPECT_EQ(s, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    All, LikeBackslashTest,
    ::testing::Values(Adjust{R"(Sigla LIKE '\')", R"(Sigla LIKE '\\')"},
                      Adjust{R"(Sigla LIKE 'a\b%' AND Nome LIKE '_\')", R"(Sigla LIKE 'a\\b%' AND Nome LIKE '_\\')"},
                      Adjust{R"(x like  'a\b' OR y NOT Like 'c\')", R"(x like  'a\\b' OR y NOT Like 'c\\')"},
                      // A doubled quote keeps the same pattern going.
                      Adjust{R"(Nome LIKE 'O''\x')", R"(Nome LIKE 'O''\\x')"},
                      // Values that are no pattern, and the word LIKE inside a literal or a name.
                      Adjust{R"(VALUES ('a\b', 'LIKE \'))", R"(VALUES ('a\b', 'LIKE \'))"},
                      Adjust{R"(Nome = 'a\b' AND LIKEx = 'c\' AND xLIKE 'd\')", R"(Nome = 'a\b' AND LIKEx = 'c\' AND xLIKE 'd\')"},
                      Adjust{R"(SET Nome = 'LIKE', Obs = 'a\b')", R"(SET Nome = 'LIKE', Obs = 'a\b')"},
                      Adjust{"Nome LIKE 'A%'", "Nome LIKE 'A%'"}, Adjust{"", ""}));

class EscapeLiteralTest : public ::testing::TestWithParam<Adjust> {};

// The server reads the result the same under either standard_conforming_strings.
TEST_P(EscapeLiteralTest, BackslashLiteralsBecomeEscapeLiterals) {
  std::string s = GetParam().before;
  EscapeBackslashLiterals(s);
  EXPECT_EQ(s, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    All, EscapeLiteralTest,
    ::testing::Values(Adjust{R"(VALUES ('a\b', 'c'))", R"(VALUES (E'a\\b', 'c'))"},
                      Adjust{R"(Nome = 'C:\temp\')", R"(Nome = E'C:\\temp\\')"},
                      Adjust{R"(Nome = 'a\''); DELETE FROM t; --')", R"(Nome = E'a\\''); DELETE FROM t; --')"},
                      Adjust{R"(Nome = 'a\\b' AND x = '\')", R"(Nome = E'a\\\\b' AND x = E'\\')"},
                      // Names, escape literals and literals without a backslash stay.
                      Adjust{R"(SELECT "a'\" FROM t WHERE x = 'b\')", R"(SELECT "a'\" FROM t WHERE x = E'b\\')"},
                      Adjust{R"(x = E'a\'b' AND y = 'c\')", R"(x = E'a\'b' AND y = E'c\\')"},
                      Adjust{R"(x = 'O''Brien' AND y = 'E')", R"(x = 'O''Brien' AND y = 'E')"},
                      Adjust{R"(x = 'E' || '\')", R"(x = 'E' || E'\\')"},
                      Adjust{R"('unterminated \)", R"(E'unterminated \\)"}, Adjust{"", ""}));

// The dialect is the product the driver names, never a word of the connection string.
TEST(DialectTest, DialectOfTheProductTheDriverNames) {
  struct Case {
    const char* dbms_name;
    Dialect dialect;
  };
  const Case cases[] = {
      {"PostgreSQL", Dialect::kPostgres},
      {"postgresql", Dialect::kPostgres},
      {"SQLite", Dialect::kSqlite},
      {"SQLITE", Dialect::kSqlite},
      {"Microsoft SQL Server", Dialect::kOther},
      {"MySQL", Dialect::kOther},
      {"", Dialect::kOther},
  };
  for (const Case& c : cases) EXPECT_EQ(DialectOfDbms(c.dbms_name), c.dialect) << c.dbms_name;
  EXPECT_EQ(DialectOf(ado::Connection()), Dialect::kOther);  // not opened
}

struct ErrCase {
  const char* before;
  int number;
  const char* after;
};

class TrataErroTest : public ::testing::TestWithParam<ErrCase> {};

TEST_P(TrataErroTest, WritesOnlyWhenAnErrorIsPending) {
  std::string desc = GetParam().before;
  pTrataErro(desc, ErrObject{GetParam().number, "ignored description", {}});
  EXPECT_EQ(desc, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(All, TrataErroTest,
                         ::testing::Values(ErrCase{"", 0, ""}, ErrCase{"earlier text", 0, "earlier text"},
                                           ErrCase{"", 94, "94    Quorvel"},
                                           ErrCase{"earlier text", 3021, "3021    Quorvel"},
                                           ErrCase{"", -2147217900, "-2147217900    Quorvel"}));

TEST(FormataTest, NumbersDatesAndTimes) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  const automation::Date when = automation::MakeDate({2024, 3, 5, 14, 5, 59});
  struct Case {
    std::string got;
    const char* want;
  };
  const Case cases[] = {
      {fFormataNumeroSql(Variant(automation::Null)), ""},
      {fFormataNumeroSql(Variant(1.5)), "1.5"},
      {fFormataNumeroSql(Variant(std::int32_t{7})), "7"},
      {fFormataNumeroSql(Variant(1234567.25)), "1234567.25"},
      {fFormataNumeroSql(Variant("12,5")), "12.5"},
      {fFormataDataSql(Variant(automation::Null)), ""},
      {fFormataDataSql(Variant(when)), "2024/03/05"},
      {fFormataHoraSql(Variant(automation::Null)), ""},
      {fFormataHoraSql(Variant(when)), "14:05"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(LiteralTest, TextsDoubleEveryQuote) {
  struct Case {
    std::string got;
    const char* want;
  };
  const Case cases[] = {
      {sql::Quote("Maria"), "'Maria'"},
      {sql::Quote(""), "''"},
      {sql::Quote("O'Brien"), "'O''Brien'"},
      {sql::Quote("x' OR '1'='1"), "'x'' OR ''1''=''1'"},
      {sql::Quote("''"), "''''''"},
      {sql::Text(Variant("ana%")), "'ana%'"},
      {sql::Text(Variant(std::int32_t{12})), "'12'"},
      {sql::UpperText(Variant("ana%")), "'ANA%'"},
      {sql::UpperText(Variant("joão d'ávila")), "'JOÃO D''ÁVILA'"},
      {sql::QuoteUpper("conceição"), "'CONCEIÇÃO'"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

struct NumberCase {
  const char* name;
  Variant value;
  const char* want;  // nullptr: error 13
};

class NumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTest, ConvertedFirst) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  if (GetParam().want) {
    EXPECT_EQ(sql::Number(GetParam().value), GetParam().want);
  } else {
    try {
      const std::string got = sql::Number(GetParam().value);
      ADD_FAILURE() << "gave " << got;
    } catch (const automation::Error& e) {
      EXPECT_EQ(e.number(), automation::err::kTypeMismatch);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, NumberTest,
    ::testing::Values(NumberCase{"Long", Variant(std::int32_t{12}), "12"},
                      NumberCase{"Integer", Variant(std::int16_t{-3}), "-3"},
                      NumberCase{"Byte", Variant(std::uint8_t{200}), "200"},
                      NumberCase{"LongLong", Variant(std::int64_t{3000000000}), "3000000000"},
                      NumberCase{"Double", Variant(1.75), "1.75"},
                      NumberCase{"Decimal", Variant(automation::Decimal{"70.50"}), "70.50"},
                      NumberCase{"TextWithComma", Variant("1,75"), "1.75"},
                      NumberCase{"TextLarge", Variant("3000000000"), "3000000000"},
                      NumberCase{"Text", Variant("12"), "12"},
                      NumberCase{"TextLongerThanADouble", Variant("12345678901234567"), "12345678901234567"},
                      NumberCase{"TextWithExponent", Variant("1,5E3"), "1500"},
                      NumberCase{"TextNegativeFraction", Variant(" -0,25 "), "-0.25"},
                      NumberCase{"Injection", Variant("1 OR 1=1"), nullptr},
                      NumberCase{"Quote", Variant("1'75"), nullptr},
                      NumberCase{"EmptyText", Variant(""), nullptr},
                      NumberCase{"Empty", Variant(), nullptr},
                      NumberCase{"Null", Variant(automation::Null), nullptr},
                      NumberCase{"NegativeDecimal", Variant(automation::Decimal{"-0.5"}), "-0.5"},
                      NumberCase{"DecimalNotDigits", Variant(automation::Decimal{"1 OR 1=1"}), nullptr},
                      NumberCase{"DecimalNaN", Variant(automation::Decimal{"NaN"}), nullptr},
                      NumberCase{"DoubleInfinite", Variant(std::numeric_limits<double>::infinity()), nullptr},
                      NumberCase{"DoubleNaN", Variant(std::numeric_limits<double>::quiet_NaN()), nullptr},
                      NumberCase{"SingleNaN", Variant(std::numeric_limits<float>::quiet_NaN()), nullptr},
                      NumberCase{"Date", Variant(automation::DateSerial(2024, 1, 2)), nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LiteralTest, OptionalValuesAndSingles) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  EXPECT_EQ(sql::OptionalNumber(Variant(automation::Null)), "Null");
  EXPECT_EQ(sql::OptionalNumber(Variant(std::int32_t{2})), "2");
  EXPECT_EQ(sql::OptionalDate(Variant(automation::Null)), "Null");
  EXPECT_EQ(sql::OptionalDate(Variant(automation::DateSerial(2001, 12, 31))), "'2001/12/31'");
  EXPECT_EQ(sql::Single(1.5f), "csng('1.5')");
  EXPECT_EQ(sql::Single(-0.25f), "csng('-0.25')");
  automation::RegionalSettings point;
  point.decimal_separator = ".";
  point.thousands_separator = ",";
  automation::ScopedRegionalSettings us(point);
  EXPECT_EQ(sql::Single(1.5f), "csng('1.5')");
}

TEST(LiteralTest, NumberPatternsAsTheDatabasesWriteNumbers) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  struct Case {
    Variant value;
    const char* want;
  };
  const Case cases[] = {
      {Variant(45.5), "'45.5'"},
      {Variant(45.5f), "'45.5'"},
      {Variant(1.05), "'1.05'"},
      {Variant(1.05f), "'1.05'"},
      {Variant(std::int32_t{45}), "'45'"},
      {Variant(automation::Decimal{"45.50"}), "'45.50'"},
      {Variant("45,5"), "'45.5'"},
      {Variant("-45,5"), "'-45.5'"},
      {Variant("4_,5"), "'4_.5'"},
      {Variant("%,5"), "'%.5'"},
      {Variant("45,%"), "'45.%'"},
      {Variant("45.5"), "'45.5'"},
      {Variant("45%"), "'45%'"},
      // Not a number: as given.
      {Variant(","), "','"},
      {Variant("4,5,6"), "'4,5,6'"},
      {Variant("1.045,5"), "'1.045,5'"},
      {Variant(" 45,5"), "' 45,5'"},
      {Variant("a,b"), "'a,b'"},
      {Variant("4',5"), "'4'',5'"},
  };
  for (const Case& c : cases) EXPECT_EQ(sql::NumberPattern(c.value), c.want) << automation::CStr(c.value);

  automation::RegionalSettings point;
  point.decimal_separator = ".";
  point.thousands_separator = ",";
  automation::ScopedRegionalSettings us(point);
  EXPECT_EQ(sql::NumberPattern(Variant(45.5)), "'45.5'");
  EXPECT_EQ(sql::NumberPattern(Variant("4,5")), "'4,5'");
}

TEST(ReadBackTest, SameAsWritingTheTextAndReadingItBack) {
  automation::RegionalSettings point;
  point.decimal_separator = ".";
  point.thousands_separator = ",";
  const automation::RegionalSettings settings[] = {automation::RegionalSettings::brazil(), point};
  std::vector<double> values = {0.0, -0.5, 0.00273785078713210, 0.5, 1.0, 1.9999999, 2.9999999999999996,
                                29.998631074606433, 34.9, 999999999.5, 1e9, 1e15, -34.9};
  for (int days = -800; days <= 45000; days += 7) values.push_back(days / 365.25);
  for (const auto& s : settings) {
    automation::ScopedRegionalSettings scoped(s);
    for (const double x : values) {
      const double want = automation::Val(automation::CStr(Variant(x)));
      EXPECT_EQ(ReadBackAsText(x), want) << x << " under decimal separator " << s.decimal_separator;
    }
  }
}

TEST(FilterTest, WhereFirstAndAfter) {
  struct Case {
    Variant a, b, c;
    const char* want;
  };
  const Variant null(automation::Null);
  const Case cases[] = {
      {null, null, null, ""},
      {null, null, Variant("z%"), "WHERE C LIKE 'Z%'"},
      {Variant("1%"), null, Variant("z"), "WHERE cstr(A) LIKE '1%' AND C LIKE 'Z'"},
      {Variant("1"), Variant(std::int32_t{5}), Variant("z"), "WHERE cstr(A) LIKE '1' AND B = 5 AND C LIKE 'Z'"},
  };
  for (const Case& c : cases) {
    sql::Filter f;
    f.Add(c.a, "cstr(A) LIKE ", sql::Text);
    f.Add(c.b, "B = ", sql::Number);
    f.Add(c.c, "C LIKE ", sql::UpperText);
    EXPECT_EQ(f.Clause(), c.want);
  }
}

// A filter whose literal needs more than the value: added only for a value.
TEST(FilterTest, LiteralWithState) {
  const std::string suffix = "!";
  const auto literal = [&suffix](const Variant& v) { return sql::Text(v) + suffix; };
  sql::Filter f;
  f.Add(Variant(automation::Null), "A = ", literal);
  f.Add(Variant("x"), "B = ", literal);
  EXPECT_EQ(f.Clause(), "WHERE B = 'x'!");
}

TEST(LiteralTest, UnquotedUndoesQuote) {
  for (const char* text : {"", "a", "O'Brien", "''", "a''b'"}) EXPECT_EQ(sql::Unquoted(sql::Quote(text)), text);
}

// Dates as PostgreSQL reads their text under DateStyle ISO, DMY.
TEST(DateTextTest, ReadAsPostgresqlReadsThem) {
  struct Case {
    const char* text;
    const char* date;  // yyyy-mm-dd hh:mm:ss, "" for no date
  };
  const Case cases[] = {
      {"2023-01-10", "2023-01-10 00:00:00"},
      {"2023/1/5", "2023-01-05 00:00:00"},
      {"2023.12.31", "2023-12-31 00:00:00"},
      {"10/01/2023", "2023-01-10 00:00:00"},  // the day first
      {"9-1-2024", "2024-01-09 00:00:00"},
      {"31.12.2023", "2023-12-31 00:00:00"},
      {"5/3/24", "2024-03-05 00:00:00"},
      {"1/2/69", "2069-02-01 00:00:00"},
      {"1/2/70", "1970-02-01 00:00:00"},
      {"29/02/2024", "2024-02-29 00:00:00"},
      {"  2023-01-10  ", "2023-01-10 00:00:00"},
      {"2023-01-10 10:30", "2023-01-10 10:30:00"},
      {"10/01/2023 8:05:09", "2023-01-10 08:05:09"},
      {"2023-01-10T23:59:59.5", "2023-01-10 23:59:59"},
      {"29/02/2023", ""},  // no such day
      {"31/04/2024", ""},
      {"12/31/2023", ""},  // the month first is no date under DMY
      {"2023-13-01", ""},
      {"00/01/2023", ""},
      {"2023-01/10", ""},  // two separators
      {"10/01/123", ""},
      {"10/01/2023 x", ""},
      {"10/01/2023 24:00", ""},
      {"10/01/2023 10:5", ""},
      {"2023-01-10 ", "2023-01-10 00:00:00"},
      {"today", ""},
      {"", ""},
      {"20230110", ""},
  };
  for (const Case& c : cases) {
    const std::optional<DateText> d = ReadDateText(c.text);
    std::string got;
    if (d) {
      char text[32];
      std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d->parts.year, d->parts.month, d->parts.day,
                    d->parts.hour, d->parts.minute, d->parts.second);
      got = text;
      EXPECT_EQ(d->has_time, std::string_view(c.text).find(':') != std::string_view::npos) << c.text;
    }
    EXPECT_EQ(got, c.date) << c.text;
  }
}

// Numbers as PostgreSQL stores them in columns of each type.
TEST(FitNumberTest, RoundedToTheColumnOrRefused) {
  struct Case {
    const char* text;
    NumberType type;
    bool quoted;
    const char* fitted;  // "" for a refusal
  };
  const Case cases[] = {
      {"1.755", Numeric(4, 2), true, "1.76"},
      {"70.555", Numeric(5, 2), false, "70.56"},
      {"-70.555", Numeric(5, 2), false, "-70.56"},
      {"1.754", Numeric(4, 2), false, "1.75"},
      {"2", Numeric(4, 2), false, "2.00"},
      {"99.994", Numeric(4, 2), false, "99.99"},
      {"99.995", Numeric(4, 2), false, ""},  // rounds to 100.00: too large
      {"999.99", Numeric(5, 2), false, "999.99"},
      {"1234.5", Numeric(5, 2), false, ""},
      {"1.5E+2", Numeric(5, 2), false, "150.00"},
      {"0.004", Numeric(4, 2), false, "0.00"},
      {"-0.004", Numeric(4, 2), false, "0.00"},
      {" 1.5 ", Numeric(4, 2), true, "1.50"},
      {"1,5", Numeric(4, 2), true, ""},
      {"2.5", kSmallint, false, "3"},
      {"-2.5", kSmallint, false, "-3"},
      {"2.49", kSmallint, false, "2"},
      {"32767.4", kSmallint, false, "32767"},
      {"32767.5", kSmallint, false, ""},
      {"-32768", kSmallint, false, "-32768"},
      {"-32769", kSmallint, false, ""},
      {"15.5", kInteger, false, "16"},
      {"2147483647", kInteger, false, "2147483647"},
      {"2147483648", kInteger, false, ""},
      {"-2147483648", kInteger, false, "-2147483648"},
      {"1e3", kInteger, false, "1000"},
      {" 17 ", kInteger, true, "17"},
      {"+17", kInteger, true, "17"},
      {"15.5", kInteger, true, ""},  // a quoted text must be a whole number
      {"2524-05", kInteger, true, ""},
      {"", kInteger, true, ""},
      {"-9223372036854775808", kBigint, false, "-9223372036854775808"},
      {"9223372036854775808", kBigint, false, ""},
      {"1e400", kBigint, false, ""},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> fitted = FitNumber(c.text, c.type, c.quoted);
    EXPECT_EQ(fitted.value_or(""), c.fitted) << c.text << " in " << c.type.name << (c.quoted ? " quoted" : "");
  }
}

}  // namespace
