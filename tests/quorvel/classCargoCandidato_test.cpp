// SPDX-License-Identifier: MIT
// classCargoCandidato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classCargoCandidato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kN(Null);

constexpr const char* kSelect =
    "SELECT RhsCargoCandidato.*, RhsCargo.NomeCargo FROM ( RhsCargoCandidato LEFT JOIN RhsCargo ON "
    "RhsCargo.CodCargo = RhsCargoCandidato.CodCargo) ";

class CargoCandidatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsCargoCandidato; DELETE FROM RhsCargo;"
                 "INSERT INTO RhsCargo (CodCargo, NomeCargo) VALUES (3, 'Analista'), (4, 'Caixa');"
                 "INSERT INTO RhsCargoCandidato VALUES (1, 7, 3), (2, 7, 4), (3, 12, 3), (4, 120, 9)");
  }
  std::int32_t Insert(std::int32_t candidate, std::int32_t position) {
    std::int32_t key = -1;
    c.IncCargoCandidato(Postgres(), desc, user, machine, key, candidate, position);
    return key;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(), "SELECT CodCandidato || '|' || CodCargo FROM RhsCargoCandidato "
                                                 "WHERE CodRegCargoCandidato = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classCargoCandidato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(CargoCandidatoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsCargoCandidato");
  EXPECT_EQ(Insert(7, 3), 1);
  EXPECT_EQ(Insert(7, 3), 2) << "a position may repeat";
  qvtest::Exec(Postgres(), "INSERT INTO RhsCargoCandidato VALUES (41, 1, 1)");
  EXPECT_EQ(Insert(8, 4), 42);
  EXPECT_EQ(Row(42), "8|4");
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsCargoCandidato VALUES (2147483647, 1, 1)", "RhsCargoCandidato", [&] { return Insert(7, 3); },
      desc);
}

TEST_F(CargoCandidatoTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|candidate|position|name
  };
  const Case cases[] = {
      {1, "", "1|7|3|Analista"},
      {77, "3021    Quorvel", "77|-1|-1|old"},
      {4, "94    Quorvel", "4|120|9|old"},  // the position is gone
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, candidate = -1, position = -1;
    std::string name = "old";
    desc.clear();
    c.BusCargoCandidato(Postgres(), desc, key, candidate, position, name);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(candidate) + "|" + std::to_string(position) + "|" + name,
              k.outputs);
  }
}

TEST_F(CargoCandidatoTest, UpdateRewritesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, candidate = 18, position = 4, missing = 99;
  c.AltCargoCandidato(Postgres(), desc, user, machine, key, candidate, position);
  c.AltCargoCandidato(Postgres(), desc, user, machine, missing, candidate, position);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "18|4");
  EXPECT_EQ(Row(1), "7|3");
}

TEST_F(CargoCandidatoTest, DeleteRemovesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  c.ExcCargoCandidato(Postgres(), desc, user, machine, key);
  c.ExcCargoCandidato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "(none)");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsCargoCandidato"), 3);
}

class CargoCandidatoListTest : public qvtest::ListTest<CargoCandidatoTest> {};

TEST_P(CargoCandidatoListTest, Filters) {
  Seed(conn());
  auto f = Args(2);
  Variant list = qvtest::kUntouchedList;
  c.CarCargoCandidato(conn(), desc, list, f[0], f[1]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegCargoCandidato", "CodCandidato", "CodCargo", "NomeCargo"}), qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4"},
    {"Candidate", {Variant(std::int32_t{7})}, "1 2"},
    {"Position", {kN, Variant("3")}, "1 3"},
    {"Both", {Variant(std::int32_t{12}), Variant(std::int32_t{3})}, "3"},
    {"NoRows", {Variant(std::int32_t{55})}, ""},
    {"InjectionInCandidate", {Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"QuoteInPosition", {kN, Variant("x' OR '1'='1")}, "", "13    Quorvel"},
    {"EmptyCandidate", {Variant()}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, CargoCandidatoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(CargoCandidatoTest, ListNamesThePosition) {
  Variant list, a(std::int32_t{120}), b = kN;
  c.CarCargoCandidato(Postgres(), desc, list, a, b);
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{4}), Variant(std::int32_t{120}),
                                           Variant(std::int32_t{9}), kN}));
  a = Variant(std::int32_t{12});
  c.CarCargoCandidato(Postgres(), desc, list, a, b);
  rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][3], Variant("Analista"));
}

TEST_F(CargoCandidatoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(CargoCandidatoTest&)> call;
    std::vector<std::string> statements;
  };
  const Case cases[] = {
      {"Inc", [](CargoCandidatoTest& t) { t.Insert(7, 3); },
       {"SELECT MAX(CodRegCargoCandidato) AS MaxCod FROM RhsCargoCandidato",
        "INSERT INTO RhsCargoCandidato (CodRegCargoCandidato, CodCandidato, CodCargo) VALUES ( 5,  7,  3) "}},
      {"Alt",
       [](CargoCandidatoTest& t) {
         std::int32_t key = 4, candidate = 7, position = 3;
         t.c.AltCargoCandidato(Postgres(), t.desc, t.user, t.machine, key, candidate, position);
       },
       {"UPDATE RhsCargoCandidato SET CodCandidato = 7, CodCargo = 3 WHERE CodRegCargoCandidato = 4"}},
      {"Exc",
       [](CargoCandidatoTest& t) {
         std::int32_t key = 4;
         t.c.ExcCargoCandidato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsCargoCandidato WHERE CodRegCargoCandidato = 4"}},
      {"Bus",
       [](CargoCandidatoTest& t) {
         std::int32_t key = 1, candidate = 0, position = 0;
         std::string name;
         t.c.BusCargoCandidato(Postgres(), t.desc, key, candidate, position, name);
       },
       {std::string(kSelect) + "WHERE CodRegCargoCandidato = 1"}},
      {"Car",
       [](CargoCandidatoTest& t) {
         Variant l, a(std::int32_t{7}), b("3");
         t.c.CarCargoCandidato(qvtest::Sqlite(), t.desc, l, a, b);
       },
       {std::string(kSelect) + "WHERE CodCandidato = 7 AND RhsCargoCandidato.CodCargo = 3"}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(CargoCandidatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classCargoCandidato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("9"), Variant("4")};
  const com::CallResult r = object.Invoke("IncCargoCandidato", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{5}));
  EXPECT_EQ(Row(5), "9|4");
}

}  // namespace
