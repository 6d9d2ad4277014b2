// SPDX-License-Identifier: MIT
// What the database keeps of the values the library writes, on both
// databases: fractions not exact in binary are read back and found again by
// the classes' own filters, knowledge codes that are no number are simply not
// found, number keys join text columns by plans fit for large tables, and a
// backslash in a search text is an ordinary character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/regional.h"
#include "quorvel/health/classConhecPerfilCargo.h"
#include "quorvel/health/classExameMedico.h"
#include "quorvel/health/classPerfilCargo.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/personnel/classRemuneracao.h"
#include "quorvel/recruitment/classConhecCandidato.h"
#include "quorvel/recruitment/classConhecVaga.h"
#include "quorvel/recruitment/classConhecimento.h"
#include "quorvel/recruitment/classVaga.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;

const Variant kNull(Null);

class StoredValuesTest : public qvtest::DatabaseTest<> {
 protected:
  void Exec(std::string_view sql) { qvtest::Exec(conn(), sql); }

  automation::ScopedRegionalSettings brazil_{automation::RegionalSettings::brazil()};
  std::string desc, user = "ana", machine = "estacao1";
};


// A raise of 1.05 is found by the index 1.05, and read back as 1.05.
TEST_P(StoredValuesTest, SingleIndexIsFoundByItsOwnFilter) {
  Exec("DELETE FROM RhsRemuneracao; DELETE FROM RhsMotivoAumento; DELETE FROM RhsDadosFuncionario;"
       "DELETE FROM RhsDadosPessoais; INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana');"
       "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (10, 1);"
       "INSERT INTO RhsMotivoAumento VALUES (1, 'Dissídio')");
  quorvel::classRemuneracao c;
  for (const float index : {1.05f, 0.3f, 8.8f}) {
    std::int32_t key = 0, employee = 10, reason = 1;
    automation::Date date = DateSerial(2024, 5, 1);
    float written = index;
    double amount = 1234.56;
    c.IncRemuneracao(conn(), desc, user, machine, key, employee, date, written, amount, reason);
    ASSERT_EQ(desc, "");

    Variant list, by_employee(kNull), by_date(kNull), by_index(index), by_reason(kNull);
    c.CarRemuneracao(conn(), desc, list, by_employee, by_date, by_index, by_reason);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(qvtest::Keys(list), std::to_string(key)) << index;

    float read = -1;
    std::string name, reason_text;
    c.BusRemuneracao(conn(), desc, key, employee, name, date, read, amount, reason, reason_text);
    EXPECT_EQ(read, index);
    EXPECT_EQ(amount, 1234.56);
  }
}

// Days lost of 1.1 are stored, read back and found as 1.1.
TEST_P(StoredValuesTest, FractionalDaysLostAreFound) {
  Exec("DELETE FROM RhsExameMedico");
  quorvel::classExameMedico c;
  std::int32_t key = 0, employee = 7, type = 2, registration = 555, council = 1;
  automation::Date date = DateSerial(2024, 9, 10);
  std::string apto = "Apto", riscos = "", complementares = "", medico = "Dra. Ana";
  float days = 1.1f;
  c.IncExameMedico(conn(), desc, user, machine, key, employee, type, date, apto, riscos, complementares, medico,
                   registration, council, days);
  ASSERT_EQ(desc, "");
  for (const Variant& filter : {Variant(days), Variant(1.1), Variant("1,1")}) {
    Variant list, a(kNull), b(kNull), d(kNull), e(kNull), f(kNull), g(kNull), h(filter);
    c.CarExameMedico(conn(), desc, list, a, b, d, e, f, g, h);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(qvtest::Keys(list), std::to_string(key)) << automation::CStr(filter);
  }
  EXPECT_EQ(automation::CSng(qvtest::Scalar(conn(), "SELECT DiasPerdidos FROM RhsExameMedico")), 1.1f);
}

// Ages with a fraction keep it: a profile for 18.5 to 60.4, a vacancy from 18.5.
TEST_P(StoredValuesTest, FractionalAgesKeepTheirFraction) {
  Exec("DELETE FROM RhsPerfilCargo; DELETE FROM RhsVaga; DELETE FROM CadGeral; DELETE FROM RhsCargo;"
       "DELETE FROM RhsGrauInstrucao; INSERT INTO CadGeral VALUES (1, 'Matriz');"
       "INSERT INTO RhsCargo VALUES (2, 'Analista', NULL, NULL); INSERT INTO RhsGrauInstrucao VALUES (3, 'Médio')");
  quorvel::classPerfilCargo profiles;
  std::int32_t key = 0, branch = 1, position = 2, grade = 3;
  Variant min(18.5), max(60.4);
  std::string sex = "F";
  std::uint8_t years = 1, months = 6;
  profiles.IncPerfilCargo(conn(), desc, user, machine, key, branch, position, min, max, sex, grade, years, months);
  ASSERT_EQ(desc, "");
  Variant read_min, read_max;
  std::string branch_name, position_name, grade_name;
  profiles.BusPerfilCargo(conn(), desc, key, branch, branch_name, position, position_name, read_min, read_max, sex,
                          grade, grade_name, years, months);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(automation::CDbl(read_min), 18.5);
  EXPECT_EQ(automation::CDbl(read_max), 60.4);

  // The vacancy as the class writes its ages: unquoted numbers.
  Exec("INSERT INTO RhsVaga (CodVaga, IdadeMin, IdadeMax) VALUES (1, 18.5, 40.5), (2, 19, 40)");
  quorvel::classVaga vacancies;
  struct Case {
    const char* name;
    Variant min, max;
    const char* keys;
  };
  const Case cases[] = {
      {"min 18.6", Variant(18.6), kNull, "2"},
      {"min 18.5", Variant(18.5), kNull, "1 2"},
      {"min '18,5'", Variant("18,5"), kNull, "1 2"},
      {"max 40.4", kNull, Variant(40.4), "2"},
      {"max 40.5", kNull, Variant(40.5), "1 2"},
  };
  for (const Case& k : cases) {
    Variant list, n(kNull), n2(kNull), n3(kNull), n4(kNull), n5(kNull), n6(kNull), n7(kNull), n8(kNull),
        n9(kNull), n10(kNull), n11(kNull), n12(kNull), n13(kNull), n14(kNull), n15(kNull), n16(kNull),
        age_min = k.min, age_max = k.max;
    desc.clear();
    vacancies.CarVaga(conn(), desc, list, n, n2, n3, n4, n5, n6, n7, n8, n9, n10, n11, n12, age_min, age_max, n13,
                      n14, n15, n16);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(qvtest::SortedKeys(list), k.keys) << k.name;
  }
}

// A knowledge code that is no number is not found: 3021 on fetch, nothing
// deleted; the next code is still the numerically greatest plus one.
TEST_P(StoredValuesTest, KnowledgeCodesThatAreNoNumber) {
  Exec("DELETE FROM RhsConhecimento;"
       "INSERT INTO RhsConhecimento VALUES ('9', '', 'A', '.9.', '> A >'), ('10', '9', 'B', '.9.10.', '> A > B >')");
  quorvel::classConhecimento c;
  for (const char* code : {"x", "", " ", "9x"}) {
    std::string key = code, parent = "old", descr = "old", code_path = "old", descr_path = "old";
    desc.clear();
    c.BusConhecimento(conn(), desc, key, parent, descr, code_path, descr_path);
    EXPECT_EQ(desc, "3021    Quorvel") << code;
    EXPECT_EQ(parent, "old");
    desc.clear();
    c.ExcConhecimento(conn(), desc, user, machine, key);
    EXPECT_EQ(desc, "") << code;
  }
  EXPECT_EQ(qvtest::Count(conn(), "RhsConhecimento"), 2);

  std::string key, parent = "10", descr = "C", code_path, descr_path;
  desc.clear();
  c.IncConhecimento(conn(), desc, user, machine, key, parent, descr, code_path, descr_path);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, "11");
  EXPECT_EQ(code_path, ".9.10.11.");
  EXPECT_EQ(descr_path, "> A > B > C >");
}

// A bank number held as text finds its bank however it is written with
// leading zeros; a blank or a text that is no number finds none.
TEST_P(StoredValuesTest, BankNumbersInTextJoinTheBankRegister) {
  Exec("DELETE FROM RhsBanco; DELETE FROM RhsDadosFuncionario;"
       "INSERT INTO RhsBanco (NumBanco, NomeBanco) VALUES (1, 'Banco do Brasil'), (341, 'Itaú');"
       "INSERT INTO RhsDadosFuncionario (CodFuncionario, NumBancoPagto) VALUES"
       " (1, '001'), (2, '1'), (3, '341'), (4, ''), (5, 'x'), (6, NULL), (7, '0341')");
  EXPECT_EQ(qvtest::Cell(conn(), "SELECT COUNT(RhsBanco.NomeBanco) FROM RhsDadosFuncionario"
                                 " LEFT JOIN RhsBanco ON RhsBanco.NumBanco = RhsDadosFuncionario.NumBancoPagto"
                                 " WHERE CodFuncionario IN (1, 2, 3, 7)"),
            "4");
  EXPECT_EQ(qvtest::Cell(conn(), "SELECT COUNT(RhsBanco.NomeBanco) FROM RhsDadosFuncionario"
                                 " LEFT JOIN RhsBanco ON RhsBanco.NumBanco = RhsDadosFuncionario.NumBancoPagto"
                                 " WHERE CodFuncionario IN (4, 5, 6)"),
            "0");
}

// A backslash in a search text is an ordinary character; % and _ stay wildcards.
TEST_P(StoredValuesTest, BackslashInALikePattern) {
  Exec("DELETE FROM RhsConselho;"
       "INSERT INTO RhsConselho VALUES (1, '\\', 'barra'), (2, 'A\\B', 'a barra b'), (3, 'AXB', 'axb'),"
       " (4, 'AB', 'ab'), (5, 'A\\', 'a barra')");
  quorvel::classConselho c;
  struct Case {
    const char* pattern;
    const char* keys;
  };
  const Case cases[] = {
      {"\\", "1"}, {"a\\b", "2"}, {"a_b", "2 3"}, {"a%", "2 3 4 5"}, {"%\\", "1 5"}, {"a\\%", "2 5"}, {"\\%", "1"},
  };
  for (const Case& k : cases) {
    Variant list, cod(kNull), sigla(k.pattern), nome(kNull);
    desc.clear();
    c.CarConselho(conn(), desc, list, cod, sigla, nome);
    EXPECT_EQ(desc, "") << k.pattern;
    EXPECT_EQ(qvtest::SortedKeys(list), k.keys) << k.pattern;
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, StoredValuesTest, ::testing::Bool(), qvtest::DatabaseName);

// The plans of the knowledge lists and of the bank joins over a table large
// enough for the planner to choose: a hash or merge join, or an index look-up
// of each node, never a scan of the tree per row.
class JoinPlanTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (ado::Connection* conn : {&qvtest::Postgres(), &qvtest::Sqlite()}) {
      const bool postgres = conn == &qvtest::Postgres();
      const std::string series = postgres ? "generate_series(1, 5000) AS s(i)" : "s";
      const std::string with = postgres ? "" : "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < 5000) ";
      qvtest::Exec(*conn,
                   "DELETE FROM RhsConhecimento; DELETE FROM RhsConhecCandidato; DELETE FROM RhsConhecVaga;"
                   "DELETE FROM RhsConhecPerfilCargo; DELETE FROM RhsBanco; DELETE FROM RhsDadosFuncionario;");
      const std::string text = postgres ? "i::text" : "CAST(i AS text)";
      qvtest::Exec(*conn, with + "INSERT INTO RhsConhecimento SELECT " + text + ", '', 'K', '.' || " + text +
                              " || '.', '> K >' FROM " + series + " WHERE i <= 2000");
      qvtest::Exec(*conn, with + "INSERT INTO RhsConhecCandidato SELECT i, i, " + text + ", 1, 'd' FROM " + series);
      qvtest::Exec(*conn, with + "INSERT INTO RhsConhecVaga SELECT i, i, " + text + ", 1 FROM " + series);
      qvtest::Exec(*conn, with + "INSERT INTO RhsConhecPerfilCargo SELECT i, i, " + text + ", 1 FROM " + series);
      qvtest::Exec(*conn, with + "INSERT INTO RhsBanco (NumBanco, NomeBanco) SELECT i, 'B' FROM " + series +
                              " WHERE i <= 500");
      qvtest::Exec(*conn, with + "INSERT INTO RhsDadosFuncionario (CodFuncionario, NumBancoPagto, NumBancoFGTS)"
                                 " SELECT i, " + text + ", " + text + " FROM " + series);
      qvtest::Exec(*conn, "ANALYZE");
    }
  }

  // The statement a list sends, captured.
  template <class Call>
  static std::string Statement(Call&& call) {
    qvtest::Trace trace;
    call();
    return trace.statements().empty() ? "" : trace.statements().back();
  }

  static std::vector<std::string> Statements(ado::Connection& conn) {
    std::string desc;
    Variant list, n1(kNull), n2(kNull), n3(kNull), n4(kNull), n5(kNull), n6(kNull), n7(kNull);
    return {
        Statement([&] { quorvel::classConhecCandidato().CarConhecCandidato(conn, desc, list, n1, n2, n3, n4, n5, n6, n7); }),
        Statement([&] { quorvel::classConhecVaga().CarConhecVaga(conn, desc, list, n1, n2, n3); }),
        Statement([&] { quorvel::classConhecPerfilCargo().CarConhecPerfilCargo(conn, desc, list, n1, n2, n3); }),
        "SELECT RhsDadosFuncionario.CodFuncionario, RhsBancoPagto.NomeBanco, RhsBancoFGTS.NomeBanco "
        "FROM (( RhsDadosFuncionario "
        "LEFT JOIN RhsBanco AS RhsBancoPagto ON RhsBancoPagto.NumBanco = RhsDadosFuncionario.NumBancoPagto) "
        "LEFT JOIN RhsBanco AS RhsBancoFGTS ON RhsBancoFGTS.NumBanco = RhsDadosFuncionario.NumBancoFGTS) ",
    };
  }

  static std::string Plan(ado::Connection& conn, const std::string& explain) {
    auto rs = conn.Execute(explain);
    std::string plan;
    for (; !rs->EOF_(); rs->MoveNext()) plan += automation::CStr(rs->Fields(rs->FieldCount() - 1).Value()) + "\n";
    return plan;
  }
};

TEST_F(JoinPlanTest, PostgresHashesOrMergesNumberTextJoins) {
  for (const std::string& statement : Statements(qvtest::Postgres())) {
    ASSERT_FALSE(statement.empty());
    const std::string plan = Plan(qvtest::Postgres(), "EXPLAIN VERBOSE " + statement);
    const bool fit = plan.find("Hash") != std::string::npos || plan.find("Merge") != std::string::npos;
    EXPECT_TRUE(fit) << statement << "\n" << plan;
    EXPECT_EQ(plan.find("Nested Loop"), std::string::npos) << statement << "\n" << plan;
    // The compatibility operators are inlined: no call of theirs is left per row.
    EXPECT_EQ(plan.find("qv_"), std::string::npos) << statement << "\n" << plan;
  }
}

TEST_F(JoinPlanTest, SqliteLooksUpEachNodeByItsKey) {
  for (const std::string& statement : Statements(qvtest::Sqlite())) {
    ASSERT_FALSE(statement.empty());
    const std::string plan = Plan(qvtest::Sqlite(), "EXPLAIN QUERY PLAN " + statement);
    // Every table but the first is searched by an index, never scanned per row.
    std::size_t scans = 0;
    for (std::size_t at = plan.find("SCAN"); at != std::string::npos; at = plan.find("SCAN", at + 1)) ++scans;
    EXPECT_EQ(scans, 1u) << statement << "\n" << plan;
  }
}

}  // namespace
