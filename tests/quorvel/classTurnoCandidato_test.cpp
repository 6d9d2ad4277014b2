// SPDX-License-Identifier: MIT
// classTurnoCandidato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classTurnoCandidato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kN(Null);

class TurnoCandidatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn, "DELETE FROM RhsTurnoCandidato;"
                       "INSERT INTO RhsTurnoCandidato VALUES (1, 12, 'Manhã'), (2, 12, 'Noite'), (3, 120, 'Manhã'),"
                       " (4, 7, 'manhã'), (5, 7, Null)");
  }
  std::int32_t Insert(std::int32_t candidate, std::string shift) {
    std::int32_t key = -1;
    c.IncTurnoCandidato(Postgres(), desc, user, machine, key, candidate, shift);
    return key;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(), "SELECT CodCandidato || '|' || DescrTurnoCandidato "
                                                 "FROM RhsTurnoCandidato WHERE CodRegTurnoCandidato = " +
                                                     std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classTurnoCandidato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TurnoCandidatoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsTurnoCandidato");
  EXPECT_EQ(Insert(7, "Tarde"), 1);
  EXPECT_EQ(Insert(7, "Tarde"), 2) << "a shift may repeat";
  qvtest::Exec(Postgres(), "INSERT INTO RhsTurnoCandidato VALUES (41, 1, 'x')");
  EXPECT_EQ(Insert(8, "O'Brien"), 42);
  EXPECT_EQ(Row(42), "8|O'Brien");
}

TEST_F(TurnoCandidatoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsTurnoCandidato VALUES (2147483647, 1, 'x')", "RhsTurnoCandidato",
      [&] { return Insert(7, "Tarde"); }, desc);
}

TEST_F(TurnoCandidatoTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|candidate|shift
  };
  const Case cases[] = {
      {2, "", "2|12|Noite"},
      {77, "3021    Quorvel", "77|-1|old"},
      {5, "94    Quorvel", "5|7|old"},  // Null shift
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, candidate = -1;
    std::string shift = "old";
    desc.clear();
    c.BusTurnoCandidato(Postgres(), desc, key, candidate, shift);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(candidate) + "|" + shift, k.outputs);
  }
}

TEST_F(TurnoCandidatoTest, UpdateRewritesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, candidate = 18, missing = 99;
  std::string shift = "x' OR '1'='1";
  c.AltTurnoCandidato(Postgres(), desc, user, machine, key, candidate, shift);
  c.AltTurnoCandidato(Postgres(), desc, user, machine, missing, candidate, shift);
  EXPECT_EQ(Row(3), "18|x' OR '1'='1");
  EXPECT_EQ(Row(1), "12|Manhã");
  EXPECT_EQ(desc, "texto anterior");
}

TEST_F(TurnoCandidatoTest, DeleteRemovesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  c.ExcTurnoCandidato(Postgres(), desc, user, machine, key);
  c.ExcTurnoCandidato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "(none)");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTurnoCandidato"), 4);
}

class TurnoCandidatoListTest : public qvtest::ListTest<TurnoCandidatoTest> {};

TEST_P(TurnoCandidatoListTest, Filters) {
  Seed(conn());
  auto f = Args(2);
  Variant list = qvtest::kUntouchedList;
  c.CarTurnoCandidato(conn(), desc, list, f[0], f[1]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegTurnoCandidato", "CodCandidato", "DescrTurnoCandidato"}), qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Candidate", {Variant(std::int32_t{12})}, "1 2"},
    {"CandidatePattern", {Variant("12%")}, "1 2 3"},
    {"ShiftExactly", {kN, Variant("Manhã")}, "1 3"},
    {"Both", {Variant("12"), Variant("Manhã")}, "1"},
    {"EmptyCandidate", {Variant("")}, ""},
    {"QuoteInCandidate", {Variant("1' OR '1'='1")}, ""},
    {"QuoteInShift", {kN, Variant("x' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, TurnoCandidatoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(TurnoCandidatoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(TurnoCandidatoTest&)> call;
    std::vector<std::string> statements;
  };
  const auto list = [](TurnoCandidatoTest& t, ado::Connection& conn) {
    Variant l, a(std::int32_t{12}), b("Noite");
    t.c.CarTurnoCandidato(conn, t.desc, l, a, b);
  };
  const Case cases[] = {
      {"Inc", [](TurnoCandidatoTest& t) { t.Insert(7, "O'Brien"); },
       {"SELECT MAX(CodRegTurnoCandidato) AS MaxCod FROM RhsTurnoCandidato",
        "INSERT INTO RhsTurnoCandidato (CodRegTurnoCandidato, CodCandidato, DescrTurnoCandidato) VALUES ( 6,  7, "
        "'O''Brien') "}},
      {"Alt",
       [](TurnoCandidatoTest& t) {
         std::int32_t key = 4, candidate = 7;
         std::string shift = "Tarde";
         t.c.AltTurnoCandidato(Postgres(), t.desc, t.user, t.machine, key, candidate, shift);
       },
       {"UPDATE RhsTurnoCandidato SET CodCandidato = 7, DescrTurnoCandidato = 'Tarde' WHERE CodRegTurnoCandidato = "
        "4"}},
      {"Exc",
       [](TurnoCandidatoTest& t) {
         std::int32_t key = 4;
         t.c.ExcTurnoCandidato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsTurnoCandidato WHERE CodRegTurnoCandidato = 4"}},
      {"Bus",
       [](TurnoCandidatoTest& t) {
         std::int32_t key = 1, candidate = 0;
         std::string shift;
         t.c.BusTurnoCandidato(Postgres(), t.desc, key, candidate, shift);
       },
       {"SELECT * FROM RhsTurnoCandidato WHERE CodRegTurnoCandidato = 1"}},
      {"CarPostgres", [&](TurnoCandidatoTest& t) { list(t, Postgres()); },
       {"SELECT * FROM RhsTurnoCandidato WHERE cstr(CodCandidato) LIKE '12' AND DescrTurnoCandidato = 'Noite'"}},
      {"CarSqlite", [&](TurnoCandidatoTest& t) { list(t, qvtest::Sqlite()); },
       {"SELECT * FROM RhsTurnoCandidato WHERE (CodCandidato) LIKE '12' AND DescrTurnoCandidato = 'Noite'"}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(TurnoCandidatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classTurnoCandidato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("9"), Variant("Tarde")};
  const com::CallResult r = object.Invoke("IncTurnoCandidato", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{6}));
  EXPECT_EQ(Row(6), "9|Tarde");
}

}  // namespace
