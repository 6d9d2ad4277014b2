// SPDX-License-Identifier: MIT
// The classes on PostgreSQL databases set up as legacy servers keep them:
// string, date and locale settings, LATIN1 and WIN1252 databases through the
// Unicode and the ANSI drivers. In each, a text (accents, quotes and
// backslashes), a date and a fraction are written, found by the classes' own
// filters and read back exactly; a character the database cannot hold is a
// database error, never stored in another form.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/person.h"
#include "tests/support/testdb.h"

namespace {

using automation::Null;
using automation::Variant;

struct Server {
  const char* name;
  std::string encoding;  // empty: the cluster's UTF8
  std::string locale;
  std::vector<std::string> settings;
  bool ansi = false;  // psqlodbca.so instead of psqlodbcw.so
  bool holds_any_character = true;
};

const std::string kDecimalComma = "pt_BR.UTF-8";

const Server kServers[] = {
    {"StandardStringsOff", "", "", {"standard_conforming_strings = off"}},
    {"StandardStringsOffNoWarning", "", "", {"standard_conforming_strings = off", "escape_string_warning = off"}},
    {"BackslashQuoteOff", "", "", {"standard_conforming_strings = off", "backslash_quote = off"}},
    {"BackslashQuoteOn", "", "", {"standard_conforming_strings = off", "backslash_quote = on"}},
    {"BackslashQuoteOffStandardStrings", "", "", {"backslash_quote = off"}},
    {"DateStyleSqlMdy", "", "", {"DateStyle = 'SQL, MDY'"}},
    {"DateStyleGerman", "", "", {"DateStyle = 'German'"}},
    {"DateStylePostgresMdy", "", "", {"DateStyle = 'Postgres, MDY'"}},
    {"DecimalComma",
     "",
     "",
     {"lc_numeric = '" + kDecimalComma + "'", "lc_monetary = '" + kDecimalComma + "'",
      "lc_time = '" + kDecimalComma + "'", "lc_messages = '" + kDecimalComma + "'"}},
    {"ClientEncodingLatin1", "", "", {"client_encoding = 'LATIN1'"}},
    {"ClientEncodingLatin1Ansi", "", "", {"client_encoding = 'LATIN1'"}, true},
    {"Latin1", "LATIN1", "pt_BR.ISO-8859-1", {}, false, false},
    {"Latin1Ansi", "LATIN1", "pt_BR.ISO-8859-1", {}, true, false},
    {"Win1252", "WIN1252", "pt_BR.CP1252", {}, false, false},
    {"Win1252Ansi", "WIN1252", "pt_BR.CP1252", {}, true, false},
    {"Latin1EscapeStringsGerman", "LATIN1", "pt_BR.ISO-8859-1",
     {"standard_conforming_strings = off", "DateStyle = 'German'", "lc_numeric = '" + kDecimalComma + "'"}, true,
     false},
};

void PrintTo(const Server& s, std::ostream* os) { *os << s.name; }

// One database and connection per server, shared by its tests.
ado::Connection& ConnectionFor(const Server& s) {
  static std::map<std::string, std::unique_ptr<ado::Connection>> made;
  std::unique_ptr<ado::Connection>& conn = made[s.name];
  if (conn) return *conn;
  testdb::DatabaseSettings d;
  d.encoding = s.encoding;
  d.locale = s.locale;
  d.settings = s.settings;
  for (const std::string& setting : s.settings) {
    if (setting.find(kDecimalComma) != std::string::npos) d.locales = {kDecimalComma};
  }
  const std::string database = testdb::CreatePostgresDatabase(d);
  const std::string dsn = "quorvel_server_" + std::to_string(made.size());  // DSNs have at most 32 characters
  testdb::AddDataSource(dsn, true, database, s.ansi);
  conn = std::make_unique<ado::Connection>();
  conn->Open("DSN=" + dsn);
  return *conn;
}

class ServerSettingsTest : public ::testing::TestWithParam<Server> {
 protected:
  Variant Scalar(std::string_view sql) { return qvtest::Scalar(conn_, sql); }

  automation::ScopedRegionalSettings brazil_{automation::RegionalSettings::brazil()};
  ado::Connection& conn_ = ConnectionFor(GetParam());
  std::string desc_, user_ = "ana", machine_ = "estação1";
  quorvel::classConselho conselho_;
  quorvel::classDadosPessoais pessoa_;
};

TEST_P(ServerSettingsTest, TextWrittenFoundAndReadBackExactly) {
  std::int32_t key = 0;
  std::string sigla = R"(Ç\')", nome = R"(São João d'Ávila, C:\temp\ a\\b ''\' ü \)";
  conselho_.IncConselho(conn_, desc_, user_, machine_, key, sigla, nome);
  ASSERT_EQ(desc_, "");

  std::int32_t found = key;
  std::string read_sigla, read_nome;
  conselho_.BusConselho(conn_, desc_, found, read_sigla, read_nome);
  EXPECT_EQ(read_sigla, sigla);
  EXPECT_EQ(read_nome, nome);

  // Lower case: the server upper-cases the accented letters of the column.
  Variant list, null(Null), by_nome(R"(são joão d'ávila, c:\temp\ a\\b%)"), by_sigla(R"(ç\')");
  conselho_.CarConselho(conn_, desc_, list, null, null, by_nome);
  EXPECT_EQ(qvtest::Keys(list), std::to_string(key));
  conselho_.CarConselho(conn_, desc_, list, null, by_sigla, null);
  EXPECT_EQ(qvtest::Keys(list), std::to_string(key));
  EXPECT_EQ(desc_, "");
}

TEST_P(ServerSettingsTest, DateAndFractionWrittenFoundAndReadBack) {
  qvtest::Person p;
  p.pnNome = "Inês Conceição";
  p.pnDataNasc = automation::DateSerial(1990, 3, 12);  // a day that is no month
  p.pnAltura = Variant("1,65");
  p.pnPeso = Variant(60.5);
  std::int32_t key = 0;
  qvtest::Inc(pessoa_, conn_, desc_, key, p);
  ASSERT_EQ(desc_, "");

  const std::string row = " FROM RhsDadosPessoais WHERE CodIndividual = " + std::to_string(key);
  EXPECT_EQ(automation::CDate(Scalar("SELECT DataNasc" + row)), automation::DateSerial(1990, 3, 12));
  EXPECT_FLOAT_EQ(automation::CSng(Scalar("SELECT Altura" + row)), 1.65f);
  EXPECT_DOUBLE_EQ(automation::CDbl(Scalar("SELECT Peso" + row)), 60.5);
  EXPECT_EQ(automation::CStr(Scalar("SELECT Nome" + row)), "Inês Conceição");

  std::vector<Variant> f(11, Variant(Null));
  f[1] = Variant("INÊS%");
  Variant list;
  pessoa_.CarDadosPessoais(conn_, desc_, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]);
  EXPECT_EQ(qvtest::Keys(list), std::to_string(key));
  EXPECT_EQ(desc_, "");
}

TEST_P(ServerSettingsTest, CharacterTheDatabaseCannotHoldIsAnError) {
  std::int32_t key = 0;
  std::string sigla = "X", nome = "Ōkubo 中 €";
  conselho_.IncConselho(conn_, desc_, user_, machine_, key, sigla, nome);
  const Variant stored = Scalar("SELECT NomeConselho FROM RhsConselho WHERE SiglaConselho = 'X'");
  if (GetParam().holds_any_character) {
    EXPECT_EQ(desc_, "");
    EXPECT_EQ(automation::CStr(stored), nome);
  } else {
    EXPECT_EQ(desc_, std::to_string(automation::err::kDatabase) + "    Quorvel");
    EXPECT_TRUE(stored.is_empty()) << automation::CStr(stored);
  }
}

INSTANTIATE_TEST_SUITE_P(All, ServerSettingsTest, ::testing::ValuesIn(kServers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
