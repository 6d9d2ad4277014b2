// classNivelEscolaridade against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classNivelEscolaridade.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

class NivelTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsNivelEscolaridade"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn, "DELETE FROM RhsNivelEscolaridade;"
                       "INSERT INTO RhsNivelEscolaridade VALUES (1, 'Fundamental'), (2, 'Médio'),"
                       " (3, 'Superior'), (12, 'Pós-graduação'), (20, NULL)");
  }
  std::int32_t Insert(std::string descr) {
    std::int32_t key = -1;
    c.IncNivelEscolaridade(Postgres(), desc, user, machine, key, descr);
    return key;
  }
  std::string Descr(int key) {
    const Variant v = qvtest::Scalar(
        Postgres(), "SELECT DescrNivel FROM RhsNivelEscolaridade WHERE CodNivel = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classNivelEscolaridade c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(NivelTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("Fundamental"), 1);
  EXPECT_EQ(Insert("O'Brien"), 2);
  EXPECT_EQ(Insert("x' OR '1'='1"), 3);
  qvtest::Exec(Postgres(), "INSERT INTO RhsNivelEscolaridade VALUES (41, 'X'); "
                           "DELETE FROM RhsNivelEscolaridade WHERE CodNivel = 2");
  EXPECT_EQ(Insert("UPPER cstr"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Descr(3), "x' OR '1'='1");
  EXPECT_EQ(Descr(42), "UPPER cstr");
}

TEST_F(NivelTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsNivelEscolaridade VALUES (2147483647, 'Max')");
  qvtest::Trace trace;
  EXPECT_EQ(Insert("Novo"), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsNivelEscolaridade"), 1);
}

TEST_F(NivelTest, FetchUpdateDelete) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t key_after;
    const char* descr;  // starts as "old"
  };
  const Case cases[] = {
      {2, "", 2, "Médio"},
      {77, "3021    Quorvel", 77, "old"},
      {20, "94    Quorvel", 20, "old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string descr = "old";
    desc.clear();
    c.BusNivelEscolaridade(Postgres(), desc, key, descr);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key_after) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
  }
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  std::string descr = "Superior completo";
  c.AltNivelEscolaridade(Postgres(), desc, user, machine, key, descr);
  c.AltNivelEscolaridade(Postgres(), desc, user, machine, key, descr);
  c.AltNivelEscolaridade(Postgres(), desc, user, machine, missing, descr);
  EXPECT_EQ(Descr(3), "Superior completo");
  EXPECT_EQ(Descr(2), "Médio");
  c.ExcNivelEscolaridade(Postgres(), desc, user, machine, key);
  c.ExcNivelEscolaridade(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior") << "success leaves DescErr alone";
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsNivelEscolaridade"), 4);
  EXPECT_EQ(Descr(3), "(none)");
}

struct ListCase {
  const char* name;
  Variant cod, descr;
  const char* keys;  // sorted
  const char* sqlite_keys = nullptr;
};

class NivelListTest : public NivelTest, public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {};

TEST_P(NivelListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  Variant list, cod = k.cod, descr = k.descr;
  c.CarNivelEscolaridade(conn, desc, list, cod, descr);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodNivel"), Variant("DescrNivel")}));
  std::vector<std::int32_t> keys;
  for (const Variant& v : qvtest::Column(list, 0)) keys.push_back(automation::CLng(v));
  std::sort(keys.begin(), keys.end());
  std::string text;
  for (auto key : keys) text += (text.empty() ? "" : " ") + std::to_string(key);
  EXPECT_EQ(text, std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, NivelListTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(ListCase{"None", kNull, kNull, "1 2 3 12 20"},
                                         ListCase{"ExactCode", Variant("1"), kNull, "1"},
                                         ListCase{"CodeAsNumber", Variant(std::int32_t{12}), kNull, "12"},
                                         ListCase{"CodePattern", Variant("1%"), kNull, "1 12"},
                                         ListCase{"LowerCase", kNull, Variant("%sup%"), "3"},
                                         ListCase{"PortugueseLetters", kNull, Variant("médio"), "2"},
                                         ListCase{"Both", Variant("%"), Variant("%ão"), "12"},
                                         ListCase{"QuoteInCode", Variant("1' OR '1'='1"), kNull, ""},
                                         ListCase{"QuoteInDescription", kNull, Variant("x' OR '1'='1"), ""},
                                         ListCase{"EmptyText", kNull, Variant(""), ""})),
    qvtest::DatabaseCaseName());

TEST_F(NivelTest, EmptyListAndStatements) {
  Variant list, cod = kNull, descr = kNull;
  c.CarNivelEscolaridade(Postgres(), desc, list, cod, descr);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  const qvtest::StatementCase<NivelTest> cases[] = {
      {"Inc", [](NivelTest& t) { t.Insert("O'Brien"); },
       {"SELECT MAX(CodNivel) AS MaxCod FROM RhsNivelEscolaridade",
        "INSERT INTO RhsNivelEscolaridade (CodNivel, DescrNivel) VALUES ( 1, 'O''Brien') "}},
      {"Exc",
       [](NivelTest& t) {
         std::int32_t key = 7;
         t.c.ExcNivelEscolaridade(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsNivelEscolaridade WHERE CodNivel = 7"}},
      {"Bus",
       [](NivelTest& t) {
         std::int32_t key = 7;
         std::string d;
         t.c.BusNivelEscolaridade(Postgres(), t.desc, key, d);
       },
       {"SELECT * FROM RhsNivelEscolaridade WHERE CodNivel = 7"}},
      {"Alt",
       [](NivelTest& t) {
         std::int32_t key = 7;
         std::string d = "Médio";
         t.c.AltNivelEscolaridade(Postgres(), t.desc, t.user, t.machine, key, d);
       },
       {"UPDATE RhsNivelEscolaridade SET DescrNivel = 'Médio' WHERE CodNivel = 7"}},
      {"CarBoth",
       [](NivelTest& t) {
         Variant l, a("3"), b("téc%");
         t.c.CarNivelEscolaridade(Postgres(), t.desc, l, a, b);
       },
       {"SELECT * FROM RhsNivelEscolaridade WHERE CStr(CodNivel) LIKE '3' AND UPPER(DescrNivel) LIKE 'TÉC%'"}},
      {"CarOffPostgres",
       [](NivelTest& t) {
         Variant l, a("3"), b("téc%");
         t.c.CarNivelEscolaridade(qvtest::Sqlite(), t.desc, l, a, b);
       },
       {"SELECT * FROM RhsNivelEscolaridade WHERE CStr(CodNivel) LIKE '3' AND (DescrNivel) LIKE 'TÉC%'"}},
  };
  qvtest::ExpectStatements(*this, cases);
}

TEST_F(NivelTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classNivelEscolaridade> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("12"), Variant()};
  const com::CallResult r = object.Invoke("busnivelescolaridade", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[1], Variant(""));
  EXPECT_EQ(bus[2], Variant(std::int32_t{12}));
  EXPECT_EQ(bus[3], Variant("Pós-graduação"));
}

}  // namespace
