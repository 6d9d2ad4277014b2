// SPDX-License-Identifier: MIT
// classConhecVaga against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classConhecVaga.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

constexpr const char* kJoin =
    "FROM ( RhsConhecVaga LEFT JOIN RhsConhecimento ON RhsConhecimento.CodConhec = RhsConhecVaga.CodConhec) ";

class ConhecVagaTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsConhecVaga; DELETE FROM RhsConhecimento;"
                 "INSERT INTO RhsConhecimento VALUES ('1', '', 'Informática', '.1.', '> Informática >'),"
                 " ('12', '1', 'Redes', '.1.12.', '> Informática > Redes >'), ('2', '', 'Inglês', '.2.', '> Inglês >');"
                 "INSERT INTO RhsConhecVaga VALUES (1, 7, '1', 3), (2, 7, '12', 5), (3, 17, '2', 3),"
                 " (4, 70, '99', 1), (5, 7, '12', 2)");
  }
  std::int32_t Insert(std::int32_t vaga, std::string code, std::uint8_t level) {
    std::int32_t key = -1;
    c.IncConhecVaga(Postgres(), desc, user, machine, key, vaga, code, level);
    return key;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(), "SELECT CodVaga || '|' || CodConhec || '|' || NivelConhecVaga "
                                                 "FROM RhsConhecVaga WHERE CodRegConhecVaga = " +
                                                     std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classConhecVaga c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ConhecVagaTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsConhecVaga");
  EXPECT_EQ(Insert(7, "1", 3), 1);
  EXPECT_EQ(Insert(7, "1", 3), 2) << "a pair may repeat";
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecVaga VALUES (41, 1, '1', 1)");
  EXPECT_EQ(Insert(8, "x' OR '1'='1", 255), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "7|1|3");
  EXPECT_EQ(Row(42), "8|x' OR '1'='1|255");
}

TEST_F(ConhecVagaTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsConhecVaga VALUES (2147483647, 1, '1', 1)", "RhsConhecVaga", [&] { return Insert(7, "1", 1); },
      desc);
}

TEST_F(ConhecVagaTest, Fetch) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecVaga VALUES (6, 7, '1', 300)");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|vacancy|code|description|level; -1, "old" and 99 untouched
  };
  const Case cases[] = {
      {2, "", "2|7|12|Redes|5"},
      {77, "3021    Quorvel", "77|-1|old|old|99"},
      {4, "94    Quorvel", "4|70|99|old|99"},  // its node is gone
      {6, "6    Quorvel", "6|7|1|Informática|99"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, vaga = -1;
    std::string code = "old", descr = "old";
    std::uint8_t level = 99;
    desc.clear();
    c.BusConhecVaga(Postgres(), desc, key, vaga, code, descr, level);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(vaga) + "|" + code + "|" + descr + "|" +
                  std::to_string(level),
              k.outputs);
  }
}

TEST_F(ConhecVagaTest, UpdateRewritesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, vaga = 18, missing = 99;
  std::string code = "O'Brien";
  std::uint8_t level = 4;
  c.AltConhecVaga(Postgres(), desc, user, machine, key, vaga, code, level);
  c.AltConhecVaga(Postgres(), desc, user, machine, missing, vaga, code, level);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "18|O'Brien|4");
  EXPECT_EQ(Row(1), "7|1|3");
}

TEST_F(ConhecVagaTest, DeleteRemovesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  const long before = qvtest::Count(Postgres(), "RhsConhecVaga");
  c.ExcConhecVaga(Postgres(), desc, user, machine, key);
  c.ExcConhecVaga(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecVaga WHERE CodRegConhecVaga = 3"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecVaga"), before - 1);
}

class ConhecVagaListTest : public qvtest::ListTest<ConhecVagaTest> {};

TEST_P(ConhecVagaListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarConhecVaga(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegConhecVaga", "CodVaga", "CodConhec", "DescrConhec", "CodCompletoConhec",
                            "DescrCompletaConhec", "NivelConhecVaga"}),
             qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Vacancy", {Variant(std::int32_t{7})}, "1 2 5"},
    {"VacancyPattern", {Variant("7%")}, "1 2 4 5"},
    {"Node", {kNull, Variant("12")}, "2 5"},
    {"NodePattern", {kNull, Variant("1%")}, "1 2 5"},
    {"Level", {kNull, kNull, Variant(std::int32_t{3})}, "1 3"},
    {"All", {Variant("7"), Variant("12"), Variant("5")}, "2"},
    {"QuoteInNode", {kNull, Variant("1' OR '1'='1")}, ""},
    {"InjectionInLevel", {kNull, kNull, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyLevel", {kNull, kNull, Variant()}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ConhecVagaListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ConhecVagaTest, ListBringsTheNodeAlong) {
  Variant list, a(std::int32_t{70}), b = kNull, d = kNull;
  c.CarConhecVaga(Postgres(), desc, list, a, b, d);
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][2], Variant("99"));
  EXPECT_TRUE(rows[1][3].is_null() && rows[1][4].is_null() && rows[1][5].is_null()) << "a deleted node";
  a = Variant(std::int32_t{17});
  c.CarConhecVaga(Postgres(), desc, list, a, b, d);
  rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{3}), Variant(std::int32_t{17}), Variant("2"),
                                           Variant("Inglês"), Variant(".2."), Variant("> Inglês >"),
                                           Variant(std::int16_t{3})}));
  EXPECT_EQ(desc, "");
}

TEST_F(ConhecVagaTest, Statements) {
  const qvtest::StatementCase<ConhecVagaTest> cases[] = {
      {"Inc", [](ConhecVagaTest& t) { t.Insert(7, "O'Brien", 3); },
       {"SELECT MAX(CodRegConhecVaga) AS MaxCod FROM RhsConhecVaga",
        "INSERT INTO RhsConhecVaga (CodRegConhecVaga, CodVaga, CodConhec, NivelConhecVaga) VALUES ( 6,  7, "
        "'O''Brien',  3) "}},
      {"Alt",
       [](ConhecVagaTest& t) {
         std::int32_t key = 4, vaga = 7;
         std::string code = "12";
         std::uint8_t level = 2;
         t.c.AltConhecVaga(Postgres(), t.desc, t.user, t.machine, key, vaga, code, level);
       },
       {"UPDATE RhsConhecVaga SET CodVaga = 7, CodConhec = '12', NivelConhecVaga = 2 WHERE CodRegConhecVaga = 4"}},
      {"Exc",
       [](ConhecVagaTest& t) {
         std::int32_t key = 4;
         t.c.ExcConhecVaga(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsConhecVaga WHERE CodRegConhecVaga = 4"}},
      {"Bus",
       [](ConhecVagaTest& t) {
         std::int32_t key = 4, vaga = 0;
         std::string code, descr;
         std::uint8_t level = 0;
         t.c.BusConhecVaga(Postgres(), t.desc, key, vaga, code, descr, level);
       },
       {std::string("SELECT RhsConhecVaga.*, RhsConhecimento.DescrConhec ") + kJoin + "WHERE CodRegConhecVaga = 4"}},
      {"CarAll",
       [](ConhecVagaTest& t) {
         Variant l, a(std::int32_t{7}), b("1%"), d(std::int32_t{3});
         t.c.CarConhecVaga(qvtest::Sqlite(), t.desc, l, a, b, d);
       },
       {std::string("SELECT RhsConhecVaga.*, RhsConhecimento.DescrConhec, RhsConhecimento.CodCompletoConhec, "
                    "RhsConhecimento.DescrCompletaConhec ") +
        kJoin + "WHERE CodVaga LIKE '7' AND RhsConhecVaga.CodConhec LIKE '1%' AND NivelConhecVaga = 3"}},
  };
  qvtest::ExpectStatements(*this, cases);
}

TEST_F(ConhecVagaTest, DispatchByName) {
  com::DispatchObject<quorvel::classConhecVaga> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("9"), Variant("12"),
                           Variant("4")};
  const com::CallResult r = object.Invoke("IncConhecVaga", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{6}));
  EXPECT_EQ(Row(6), "9|12|4");
}

}  // namespace
