// classMotivoEncerramento against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classMotivoEncerramento.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

class MotivoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsMotivoEncerramento"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn, "DELETE FROM RhsMotivoEncerramento;"
                       "INSERT INTO RhsMotivoEncerramento VALUES (1, 'Vaga preenchida'), (3, 'Cancelada'),"
                       " (13, 'Orçamento suspenso'), (30, 'Sem candidatos'), (40, NULL)");
  }
  std::int32_t Insert(std::string descr) {
    std::int32_t key = -1;
    c.IncMotivoEncerramento(Postgres(), desc, user, machine, key, descr);
    return key;
  }
  std::string Descr(int key) {
    const Variant v = qvtest::Scalar(Postgres(),
                                     "SELECT DescrMotivoEncerramento FROM RhsMotivoEncerramento "
                                     "WHERE CodMotivoEncerramento = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classMotivoEncerramento c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(MotivoTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("Preenchida"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsMotivoEncerramento VALUES (41, 'X')");
  EXPECT_EQ(Insert("x' OR '1'='1"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Descr(42), "x' OR '1'='1");
}

TEST_F(MotivoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsMotivoEncerramento VALUES (2147483647, 'Max')");
  qvtest::Trace trace;
  EXPECT_EQ(Insert("Novo"), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
}

TEST_F(MotivoTest, FetchUpdateDelete) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* descr;  // starts as "old"
  };
  const Case cases[] = {{13, "", "Orçamento suspenso"}, {77, "3021    Quorvel", "old"}, {40, "94    Quorvel", "old"}};
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string descr = "old";
    desc.clear();
    c.BusMotivoEncerramento(Postgres(), desc, key, descr);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key);
    EXPECT_EQ(descr, k.descr) << k.key;
  }
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  std::string descr = "Cancelada pela diretoria d'área";
  c.AltMotivoEncerramento(Postgres(), desc, user, machine, key, descr);
  c.AltMotivoEncerramento(Postgres(), desc, user, machine, missing, descr);
  EXPECT_EQ(Descr(3), "Cancelada pela diretoria d'área");
  EXPECT_EQ(Descr(1), "Vaga preenchida");
  c.ExcMotivoEncerramento(Postgres(), desc, user, machine, key);
  c.ExcMotivoEncerramento(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsMotivoEncerramento"), 4);
}

struct ListCase {
  const char* name;
  Variant cod, descr;
  const char* keys;  // sorted
  const char* sqlite_keys = nullptr;
};

class MotivoListTest : public MotivoTest, public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {};

TEST_P(MotivoListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  Variant list, cod = k.cod, descr = k.descr;
  c.CarMotivoEncerramento(conn, desc, list, cod, descr);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list)[0],
            (std::vector<Variant>{Variant("CodMotivoEncerramento"), Variant("DescrMotivoEncerramento")}));
  std::vector<std::int32_t> keys;
  for (const Variant& v : qvtest::Column(list, 0)) keys.push_back(automation::CLng(v));
  std::sort(keys.begin(), keys.end());
  std::string text;
  for (auto key : keys) text += (text.empty() ? "" : " ") + std::to_string(key);
  EXPECT_EQ(text, std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, MotivoListTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(ListCase{"None", kNull, kNull, "1 3 13 30 40"},
                                         ListCase{"ExactCode", Variant("3"), kNull, "3"},
                                         ListCase{"CodePattern", Variant("%3%"), kNull, "3 13 30"},
                                         ListCase{"LowerCase", kNull, Variant("%vaga%"), "1"},
                                         ListCase{"PortugueseLetters", kNull, Variant("orçamento%"), "13"},
                                         ListCase{"Both", Variant("3%"), Variant("%c%"), "3 30"},
                                         ListCase{"QuoteInCode", Variant("3' OR '1'='1"), kNull, ""},
                                         ListCase{"QuoteInDescription", kNull, Variant("x' OR '1'='1"), ""},
                                         ListCase{"WordsInValue", kNull, Variant("%UPPER%"), ""})),
    qvtest::DatabaseCaseName());

TEST_F(MotivoTest, EmptyListAndStatements) {
  Variant list, cod = kNull, descr = kNull;
  c.CarMotivoEncerramento(Postgres(), desc, list, cod, descr);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  const qvtest::StatementCase<MotivoTest> cases[] = {
      {"Inc", [](MotivoTest& t) { t.Insert("O'Brien"); },
       {"SELECT MAX(CodMotivoEncerramento) AS MaxCod FROM RhsMotivoEncerramento",
        "INSERT INTO RhsMotivoEncerramento (CodMotivoEncerramento, DescrMotivoEncerramento) VALUES ( 1, "
        "'O''Brien') "}},
      {"Exc",
       [](MotivoTest& t) {
         std::int32_t key = 7;
         t.c.ExcMotivoEncerramento(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsMotivoEncerramento WHERE CodMotivoEncerramento = 7"}},
      {"Bus",
       [](MotivoTest& t) {
         std::int32_t key = 7;
         std::string d;
         t.c.BusMotivoEncerramento(Postgres(), t.desc, key, d);
       },
       {"SELECT * FROM RhsMotivoEncerramento WHERE CodMotivoEncerramento = 7"}},
      {"Alt",
       [](MotivoTest& t) {
         std::int32_t key = 7;
         std::string d = "Cancelada";
         t.c.AltMotivoEncerramento(Postgres(), t.desc, t.user, t.machine, key, d);
       },
       {"UPDATE RhsMotivoEncerramento SET DescrMotivoEncerramento = 'Cancelada' WHERE CodMotivoEncerramento = 7"}},
      {"CarBoth",
       [](MotivoTest& t) {
         Variant l, a("3"), b("can%");
         t.c.CarMotivoEncerramento(Postgres(), t.desc, l, a, b);
       },
       {"SELECT * FROM RhsMotivoEncerramento WHERE CStr(CodMotivoEncerramento) LIKE '3' AND "
        "UPPER(DescrMotivoEncerramento) LIKE 'CAN%'"}},
      {"CarOffPostgres",
       [](MotivoTest& t) {
         Variant l, a("3"), b("can%");
         t.c.CarMotivoEncerramento(qvtest::Sqlite(), t.desc, l, a, b);
       },
       {"SELECT * FROM RhsMotivoEncerramento WHERE CStr(CodMotivoEncerramento) LIKE '3' AND "
        "(DescrMotivoEncerramento) LIKE 'CAN%'"}},
  };
  qvtest::ExpectStatements(*this, cases);
}

TEST_F(MotivoTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classMotivoEncerramento> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("13"), Variant()};
  const com::CallResult r = object.Invoke("BUSMOTIVOENCERRAMENTO", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[2], Variant(std::int32_t{13}));
  EXPECT_EQ(bus[3], Variant("Orçamento suspenso"));
}

}  // namespace
