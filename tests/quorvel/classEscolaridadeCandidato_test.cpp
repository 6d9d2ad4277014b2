// SPDX-License-Identifier: MIT
// classEscolaridadeCandidato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classEscolaridadeCandidato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kN(Null);

constexpr const char* kSelect =
    "SELECT RhsEscolaridadeCandidato.*, RhsNivelEscolaridade.DescrNivel FROM ( RhsEscolaridadeCandidato LEFT JOIN "
    "RhsNivelEscolaridade ON RhsNivelEscolaridade.CodNivel = RhsEscolaridadeCandidato.CodNivel) ";

class EscolaridadeCandidatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsEscolaridadeCandidato; DELETE FROM RhsNivelEscolaridade;"
                 "INSERT INTO RhsNivelEscolaridade VALUES (1, 'Fundamental'), (2, 'Médio'), (3, 'Superior');"
                 "INSERT INTO RhsEscolaridadeCandidato VALUES (1, 7, 3, 'UFPE', 3, '2010'),"
                 " (2, 7, 2, 'Escola Estadual', 3, '2005'), (3, 12, 3, 'UFPE', 8, 'em curso'),"
                 " (4, 120, 9, '', 1, '1999'), (5, 12, 1, 'Colégio X', 4, '2000')");
  }
  std::int32_t Insert(std::int32_t candidate, std::int32_t level, std::string school, std::uint8_t grade,
                      std::string year) {
    std::int32_t key = -1;
    c.IncEscolaridadeCandidato(Postgres(), desc, user, machine, key, candidate, level, school, grade, year);
    return key;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(), "SELECT CodCandidato || '|' || CodNivel || '|' || NomeEntidade || "
                                                 "'|' || SerieSemestre || '|' || AnoConclusao "
                                                 "FROM RhsEscolaridadeCandidato WHERE CodRegEscolaridadeCandidato = " +
                                                     std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classEscolaridadeCandidato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(EscolaridadeCandidatoTest, Schools) {
  Variant list("replaced");
  c.CarComboNomeEntidade(Postgres(), desc, list);
  auto values = qvtest::Elements(list);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_TRUE(values.back().is_empty());
  std::vector<std::string> names;
  for (std::size_t i = 0; i + 1 < values.size(); ++i) names.push_back(automation::CStr(values[i]));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Colégio X", "Escola Estadual", "UFPE"}));
  qvtest::Exec(Postgres(), "DELETE FROM RhsEscolaridadeCandidato");
  c.CarComboNomeEntidade(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant()}));
  EXPECT_EQ(desc, "");
}

TEST_F(EscolaridadeCandidatoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsEscolaridadeCandidato");
  EXPECT_EQ(Insert(7, 3, "UFPE", 3, "2010"), 1);
  EXPECT_EQ(Insert(7, 3, "UFPE", 3, "2010"), 2);
  qvtest::Exec(Postgres(), "INSERT INTO RhsEscolaridadeCandidato VALUES (41, 1, 1, 'x', 1, '1')");
  EXPECT_EQ(Insert(8, 2, "O'Brien", 255, "x' OR '1'='1"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "7|3|UFPE|3|2010");
  EXPECT_EQ(Row(42), "8|2|O'Brien|255|x' OR '1'='1");
}

TEST_F(EscolaridadeCandidatoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsEscolaridadeCandidato VALUES (2147483647, 1, 1, 'x', 1, '1')", "RhsEscolaridadeCandidato",
      [&] { return Insert(7, 3, "UFPE", 3, "2010"); }, desc);
}

TEST_F(EscolaridadeCandidatoTest, Fetch) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsEscolaridadeCandidato VALUES (6, 7, 3, 'UFPE', 300, '2011')");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|candidate|level|description|school|grade|year
  };
  const Case cases[] = {
      {1, "", "1|7|3|Superior|UFPE|3|2010"},
      {77, "3021    Quorvel", "77|-1|-1|old|old|99|old"},
      {4, "94    Quorvel", "4|120|9|old|old|99|old"},  // its level is gone
      {6, "6    Quorvel", "6|7|3|Superior|UFPE|99|old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, candidate = -1, level = -1;
    std::string descr = "old", school = "old", year = "old";
    std::uint8_t grade = 99;
    desc.clear();
    c.BusEscolaridadeCandidato(Postgres(), desc, key, candidate, level, descr, school, grade, year);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(candidate) + "|" + std::to_string(level) + "|" + descr +
                  "|" + school + "|" + std::to_string(grade) + "|" + year,
              k.outputs);
  }
}

TEST_F(EscolaridadeCandidatoTest, UpdateRewritesItsRowAlone) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsEscolaridadeCandidato VALUES (6, 7, 3, 'UFPE', 300, '2011')");
  desc = "texto anterior";
  std::int32_t key = 3, candidate = 18, level = 2, missing = 99;
  std::string school = "O'Brien", year = "x' OR '1'='1";
  std::uint8_t grade = 4;
  c.AltEscolaridadeCandidato(Postgres(), desc, user, machine, key, candidate, level, school, grade, year);
  c.AltEscolaridadeCandidato(Postgres(), desc, user, machine, missing, candidate, level, school, grade, year);
  EXPECT_EQ(Row(3), "18|2|O'Brien|4|x' OR '1'='1");
  EXPECT_EQ(Row(1), "7|3|UFPE|3|2010");
  EXPECT_EQ(desc, "texto anterior");
}

TEST_F(EscolaridadeCandidatoTest, DeleteRemovesItsRowAlone) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsEscolaridadeCandidato VALUES (6, 7, 3, 'UFPE', 300, '2011')");
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  c.ExcEscolaridadeCandidato(Postgres(), desc, user, machine, key);
  c.ExcEscolaridadeCandidato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "(none)");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEscolaridadeCandidato"), 5);
}

class EscolaridadeCandidatoListTest : public qvtest::ListTest<EscolaridadeCandidatoTest> {};

TEST_P(EscolaridadeCandidatoListTest, Filters) {
  Seed(conn());
  auto f = Args(5);
  Variant list = qvtest::kUntouchedList;
  c.CarEscolaridadeCandidato(conn(), desc, list, f[0], f[1], f[2], f[3], f[4]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegEscolaridadeCandidato", "CodCandidato", "CodNivel", "DescrNivel", "SerieSemestre",
                            "NomeEntidade", "AnoConclusao"}),
             qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Candidate", {Variant(std::int32_t{12})}, "3 5"},
    {"CandidatePattern", {Variant("12%")}, "3 4 5"},
    {"Level", {kN, Variant(std::int32_t{3})}, "1 3"},
    {"School", {kN, kN, Variant("UFPE")}, "1 3"},
    {"SchoolPattern", {kN, kN, Variant("Escola%")}, "2"},
    {"Grade", {kN, kN, kN, Variant(std::int32_t{3})}, "1 2"},
    {"YearUpperCased", {kN, kN, kN, kN, Variant("em%")}, "3"},
    {"All", {Variant("7"), Variant("3"), Variant("UFPE"), Variant("3"), Variant("2010")}, "1"},
    {"NoMatch", {Variant(std::int32_t{55})}, ""},
    {"QuoteInSchool", {kN, kN, Variant("x' OR '1'='1")}, ""},
    {"InjectionInGrade", {kN, kN, kN, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyGrade", {kN, kN, kN, Variant()}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, EscolaridadeCandidatoListTest, qvtest::OnBothDatabases(kListCases),
                         qvtest::DatabaseCaseName());

TEST_F(EscolaridadeCandidatoTest, ListRowOrder) {
  Variant list, a(std::int32_t{120}), n = kN, b = n, d = n, e = n;
  c.CarEscolaridadeCandidato(Postgres(), desc, list, a, b, d, e, n);
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{4}), Variant(std::int32_t{120}),
                                           Variant(std::int32_t{9}), kN, Variant(std::int16_t{1}), Variant(""),
                                           Variant("1999")}))
      << "grade before the school; a missing level gives Null";
  EXPECT_EQ(desc, "");
}

TEST_F(EscolaridadeCandidatoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(EscolaridadeCandidatoTest&)> call;
    std::vector<std::string> statements;
  };
  const auto all = [](EscolaridadeCandidatoTest& t, ado::Connection& conn) {
    Variant l, a("7"), b(std::int32_t{3}), d("UF%"), e(std::int32_t{3}), f("em%");
    t.c.CarEscolaridadeCandidato(conn, t.desc, l, a, b, d, e, f);
  };
  const std::string where = "WHERE (CodCandidato) LIKE '7' AND (RhsEscolaridadeCandidato.CodNivel) LIKE '3' AND "
                            "NomeEntidade LIKE 'UF%' AND SerieSemestre = 3 AND ";
  const Case cases[] = {
      {"Inc", [](EscolaridadeCandidatoTest& t) { t.Insert(7, 3, "O'Brien", 3, "2010"); },
       {"SELECT MAX(CodRegEscolaridadeCandidato) AS MaxCod FROM RhsEscolaridadeCandidato",
        "INSERT INTO RhsEscolaridadeCandidato (CodRegEscolaridadeCandidato, CodCandidato, CodNivel, NomeEntidade, "
        "SerieSemestre, AnoConclusao) VALUES ( 6,  7,  3, 'O''Brien',  3 , '2010') "}},
      {"Alt",
       [](EscolaridadeCandidatoTest& t) {
         std::int32_t key = 4, candidate = 7, level = 2;
         std::string school = "UFPE", year = "2011";
         std::uint8_t grade = 5;
         t.c.AltEscolaridadeCandidato(Postgres(), t.desc, t.user, t.machine, key, candidate, level, school, grade,
                                      year);
       },
       {"UPDATE RhsEscolaridadeCandidato SET CodCandidato = 7, CodNivel = 2, NomeEntidade = 'UFPE', "
        "SerieSemestre = 5, AnoConclusao = '2011' WHERE CodRegEscolaridadeCandidato = 4"}},
      {"Exc",
       [](EscolaridadeCandidatoTest& t) {
         std::int32_t key = 4;
         t.c.ExcEscolaridadeCandidato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsEscolaridadeCandidato WHERE CodRegEscolaridadeCandidato = 4"}},
      {"Bus",
       [](EscolaridadeCandidatoTest& t) {
         std::int32_t key = 2, candidate = 0, level = 0;
         std::string descr, school, year;
         std::uint8_t grade = 0;
         t.c.BusEscolaridadeCandidato(Postgres(), t.desc, key, candidate, level, descr, school, grade, year);
       },
       {std::string(kSelect) + "WHERE CodRegEscolaridadeCandidato = 2"}},
      {"Combo",
       [](EscolaridadeCandidatoTest& t) {
         Variant l;
         t.c.CarComboNomeEntidade(Postgres(), t.desc, l);
       },
       {"SELECT DISTINCT NomeEntidade FROM RhsEscolaridadeCandidato WHERE NomeEntidade <> ''"}},
      {"CarPostgres", [&](EscolaridadeCandidatoTest& t) { all(t, Postgres()); },
       {kSelect + where + "UPPER(AnoConclusao) LIKE 'EM%'"}},
      {"CarSqlite", [&](EscolaridadeCandidatoTest& t) { all(t, qvtest::Sqlite()); },
       {kSelect + where + "(AnoConclusao) LIKE 'EM%'"}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(EscolaridadeCandidatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classEscolaridadeCandidato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("9"), Variant("2"),
                           Variant("SENAI"), Variant("3"), Variant("2019")};
  const com::CallResult r = object.Invoke("IncEscolaridadeCandidato", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{6}));
  EXPECT_EQ(Row(6), "9|2|SENAI|3|2019");
}

}  // namespace
