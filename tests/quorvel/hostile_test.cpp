// SPDX-License-Identifier: MIT
// Hostile values on the writers and filters, on both databases and on a
// PostgreSQL database that reads backslashes as escapes: the value is stored
// or found exactly, or the call fails with 13; nothing else changes.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "quorvel/personnel/classBanco.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/person.h"

namespace {

using automation::Null;
using automation::Variant;

struct World {
  explicit World(ado::Connection& c) : conn(c) {}
  ado::Connection& conn;
  std::string desc;
  std::string user = "u", machine = "m";
  quorvel::classConselho conselho;
  quorvel::classBanco banco;
  quorvel::classDadosPessoais pessoa;

  std::string Cell(std::string_view sql) {
    const Variant v = qvtest::Scalar(conn, sql);
    return v.is_null() ? "Null" : v.is_empty() ? "none" : automation::CStr(v);
  }
  // Keys of a list, joined by blanks.
  static std::string Keys(const Variant& list) {
    std::string out;
    for (const Variant& v : qvtest::Column(list, 0)) out += (out.empty() ? "" : " ") + automation::CStr(v);
    return out;
  }
  std::string IncPessoa(const std::function<void(qvtest::Person&)>& change) {
    qvtest::Person p;
    change(p);
    std::int32_t key = -1;
    qvtest::Inc(pessoa, conn, desc, key, p);
    return std::to_string(key);
  }
  std::string ListPessoas(int at, Variant value) {
    std::vector<Variant> f(11, Variant(Null));
    f[static_cast<std::size_t>(at)] = std::move(value);
    Variant list;
    pessoa.CarDadosPessoais(conn, desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]);
    return list.is_array() ? Keys(list) : "no list";
  }
};

struct Case {
  const char* name;
  std::function<std::string(World&)> act;  // what the call gave and what the database holds
  const char* desc;                        // DescErr after it
  const char* outcome;
};

const Case kCases[] = {
    {"QuoteInInsertedText",
     [](World& w) {
       std::int32_t key = 0;
       std::string sigla = "O'B", nome = "O'Brien";
       w.conselho.IncConselho(w.conn, w.desc, w.user, w.machine, key, sigla, nome);
       return w.Cell("SELECT NomeConselho FROM RhsConselho WHERE CodConselho = " + std::to_string(key));
     },
     "", "O'Brien"},
    {"InjectionInUpdatedText",
     [](World& w) {
       std::int32_t key = 1;
       std::string sigla = "X", nome = "x' OR '1'='1";
       w.conselho.AltConselho(w.conn, w.desc, w.user, w.machine, key, sigla, nome);
       return w.Cell("SELECT NomeConselho FROM RhsConselho WHERE CodConselho = 1") + "|" +
              w.Cell("SELECT NomeConselho FROM RhsConselho WHERE CodConselho = 2");
     },
     "", "x' OR '1'='1|Engenharia"},
    {"DialectWordsInStoredText",
     [](World& w) {
       const std::string key = w.IncPessoa([](qvtest::Person& p) { p.pnNome = "UPPER cstr csng O'Brien"; });
       return w.Cell("SELECT Nome FROM RhsDadosPessoais WHERE CodIndividual = " + key);
     },
     "", "UPPER cstr csng O'Brien"},
    {"InjectionInSituation",
     [](World& w) {
       std::int32_t key = 1;
       std::string s = "x' OR '1'='1";
       w.pessoa.AltSituacao(w.conn, w.desc, w.user, w.machine, key, s);
       return w.Cell("SELECT Situacao FROM RhsDadosPessoais WHERE CodIndividual = 1") + "|" +
              w.Cell("SELECT Situacao FROM RhsDadosPessoais WHERE CodIndividual = 2");
     },
     "", "x' OR '1'='1|Ativo"},
    {"InjectionAsOptionalNumber",
     [](World& w) {
       return w.IncPessoa([](qvtest::Person& p) { p.pnNrFilhos = Variant("1 OR 1=1"); }) + "|" +
              w.Cell("SELECT COUNT(*) FROM RhsDadosPessoais");
     },
     "13    Quorvel", "3|2"},
    {"EmptyAsOptionalNumber",
     [](World& w) {
       return w.IncPessoa([](qvtest::Person& p) { p.pnPeso = Variant(); }) + "|" +
              w.Cell("SELECT COUNT(*) FROM RhsDadosPessoais");
     },
     "13    Quorvel", "3|2"},
    {"EmptyTextAsOptionalNumber",
     [](World& w) {
       return w.IncPessoa([](qvtest::Person& p) { p.pnNrCTPS = Variant(""); }) + "|" +
              w.Cell("SELECT COUNT(*) FROM RhsDadosPessoais");
     },
     "13    Quorvel", "3|2"},
    {"LongNumberKeepsEveryDigit",
     [](World& w) {
       const std::string key = w.IncPessoa([](qvtest::Person& p) { p.pnNrCTPS = Variant("12345678901234567"); });
       return w.Cell("SELECT NrCTPS FROM RhsDadosPessoais WHERE CodIndividual = " + key);
     },
     "", "12345678901234567"},
    {"InjectionAsOptionalDate",
     [](World& w) {
       return w.IncPessoa([](qvtest::Person& p) {
                p.pnDataCTPS = Variant("2024/01/02'); DELETE FROM RhsConselho; --");
              }) + "|" + w.Cell("SELECT COUNT(*) FROM RhsDadosPessoais") + "|" + w.Cell("SELECT COUNT(*) FROM RhsConselho");
     },
     "13    Quorvel", "3|2|2"},
    {"QuoteInHeight",
     [](World& w) {
       return w.IncPessoa([](qvtest::Person& p) { p.pnAltura = Variant("1'75"); }) + "|" +
              w.Cell("SELECT COUNT(*) FROM RhsDadosPessoais");
     },
     "13    Quorvel", "3|2"},
    {"NullHeight",
     [](World& w) {
       const std::string key = w.IncPessoa([](qvtest::Person& p) { p.pnAltura = Variant(Null); });
       return w.Cell("SELECT Altura FROM RhsDadosPessoais WHERE CodIndividual = " + key);
     },
     "", "Null"},
    {"InjectionInTextFilter",
     [](World& w) {
       Variant list, null(Null), sigla("x' OR '1'='1");
       w.conselho.CarConselho(w.conn, w.desc, list, null, sigla, null);
       return "[" + World::Keys(list) + "]";
     },
     "", "[]"},
    {"InjectionInCodeFilter",
     [](World& w) {
       Variant list, null(Null), cod("1' OR '1'='1");
       w.conselho.CarConselho(w.conn, w.desc, list, cod, null, null);
       return "[" + World::Keys(list) + "]";
     },
     "", "[]"},
    {"QuoteInNameFilterFindsTheRow", [](World& w) { return w.ListPessoas(1, Variant("o'br%")); }, "", "1"},
    {"InjectionInNumericFilter", [](World& w) { return w.ListPessoas(2, Variant("1 OR 1=1")); }, "13    Quorvel",
     "no list"},
    {"EmptyInNumericFilter", [](World& w) { return w.ListPessoas(5, Variant()); }, "13    Quorvel", "no list"},
    {"EmptyTextInNumericFilter", [](World& w) { return w.ListPessoas(2, Variant("")); }, "13    Quorvel", "no list"},
    {"InjectionInBankFilter",
     [](World& w) {
       Variant list, null(Null), nome("x' OR '1'='1");
       w.banco.CarBanco(w.conn, w.desc, list, null, nome, null);
       return "[" + World::Keys(list) + "]";
     },
     "", "[]"},
    {"BackslashInjectionInInsertedText",
     [](World& w) {
       std::int32_t key = 0;
       std::string sigla = "X", nome = R"(a\'); DELETE FROM RhsConselho; --)";
       w.conselho.IncConselho(w.conn, w.desc, w.user, w.machine, key, sigla, nome);
       return w.Cell("SELECT NomeConselho FROM RhsConselho WHERE CodConselho = " + std::to_string(key)) + "|" +
              w.Cell("SELECT COUNT(*) FROM RhsConselho");
     },
     "", R"(a\'); DELETE FROM RhsConselho; --|3)"},
    {"BackslashInjectionInUpdatedText",
     [](World& w) {
       std::int32_t key = 1;
       std::string sigla = "X", nome = R"(\', SiglaConselho = 'Z' --)";
       w.conselho.AltConselho(w.conn, w.desc, w.user, w.machine, key, sigla, nome);
       return w.Cell("SELECT SiglaConselho || '|' || NomeConselho FROM RhsConselho WHERE CodConselho = 1") + "|" +
              w.Cell("SELECT NomeConselho FROM RhsConselho WHERE CodConselho = 2");
     },
     "", R"(X|\', SiglaConselho = 'Z' --|Engenharia)"},
    {"BackslashesRoundTrip",
     [](World& w) {
       std::int32_t key = 0;
       std::string sigla = R"(C:\temp\)", nome = R"(a\\b \n O'Brien ''\' \)";
       w.conselho.IncConselho(w.conn, w.desc, w.user, w.machine, key, sigla, nome);
       std::int32_t found = key;
       std::string s, n;
       w.conselho.BusConselho(w.conn, w.desc, found, s, n);
       Variant list, null(Null), by_sigla(sigla), by_nome(nome);
       w.conselho.CarConselho(w.conn, w.desc, list, null, by_sigla, null);
       std::string keys = World::Keys(list);
       w.conselho.CarConselho(w.conn, w.desc, list, null, null, by_nome);
       return s + "|" + n + "|" + keys + "|" + World::Keys(list) + "|" + std::to_string(key);
     },
     "", R"(C:\temp\|a\\b \n O'Brien ''\' \|3|3|3)"},
    {"BackslashInjectionInFilters",
     [](World& w) {
       Variant list, null(Null), sigla(R"(\' OR 1=1 --)");
       w.conselho.CarConselho(w.conn, w.desc, list, null, sigla, null);
       std::string cpf = R"(\' OR 1=1 --)";
       std::int32_t r = 0;
       w.pessoa.fExisteCPF(w.conn, w.desc, cpf, r);
       return "[" + World::Keys(list) + "]" + std::to_string(r);
     },
     "", "[]-1"},
    {"InjectionInDuplicateCheck",
     [](World& w) {
       std::string cpf = "x' OR '1'='1";
       std::int32_t r = 0;
       w.pessoa.fExisteCPF(w.conn, w.desc, cpf, r);
       return std::to_string(r);
     },
     "", "-1"},
};

enum class Database { Sqlite, Postgres, PostgresEscapeStrings };

std::string DatabaseName(Database d) {
  switch (d) {
    case Database::Sqlite: return "Sqlite";
    case Database::Postgres: return "Postgres";
    case Database::PostgresEscapeStrings: break;
  }
  return "PostgresEscapeStrings";
}

class HostileTest : public ::testing::TestWithParam<std::tuple<Database, std::size_t>> {};

TEST_P(HostileTest, ValueStaysAValue) {
  const auto [database, index] = GetParam();
  ado::Connection& conn = database == Database::Sqlite     ? qvtest::Sqlite()
                          : database == Database::Postgres ? qvtest::Postgres()
                                                           : qvtest::PostgresEscapeStrings();
  qvtest::Exec(conn,
               "DELETE FROM RhsConselho; DELETE FROM RhsBanco; DELETE FROM RhsDadosPessoais;"
               "INSERT INTO RhsConselho VALUES (1, 'CRM', 'Medicina'), (2, 'CREA', 'Engenharia');"
               "INSERT INTO RhsBanco VALUES (1, 'Banco do Brasil', 'Banco do Brasil S.A.');"
               "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, Situacao, DataNasc) VALUES"
               " (1, 'O''Brien', 'Ativo', '1980-01-01'), (2, 'Outro', 'Ativo', '1980-01-01');");
  World w(conn);
  const Case& k = kCases[index];
  EXPECT_EQ(k.act(w), k.outcome);
  EXPECT_EQ(w.desc, k.desc);
}

INSTANTIATE_TEST_SUITE_P(All, HostileTest,
                         ::testing::Combine(::testing::Values(Database::Sqlite, Database::Postgres,
                                                              Database::PostgresEscapeStrings),
                                            ::testing::Range<std::size_t>(0, std::size(kCases))),
                         [](const auto& info) {
                           return DatabaseName(std::get<0>(info.param)) + "_" + kCases[std::get<1>(info.param)].name;
                         });

}  // namespace
