// classTipoAnotacao against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/administration/classTipoAnotacao.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::Keys;

const Variant kNull(Null);

class TipoAnotacaoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoAnotacao"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTipoAnotacao;"
                 "INSERT INTO RhsTipoAnotacao VALUES (1, 'Advertência', 'N', 'S'), (2, 'Elogio', 'N', 'N'),"
                 " (10, 'Atestado', 'S', 'S'), (11, 'Suspensão', 's', 'S'), (12, 'Sem flags', NULL, NULL)");
  }
  std::int32_t Insert(std::string descr, std::string falta, std::string ativado) {
    std::int32_t key = -1;
    c.IncTipoAnotacao(Postgres(), desc, user, machine, key, descr, falta, ativado);
    return key;
  }
  std::string Row(std::int32_t key) {
    return qvtest::Cell(Postgres(), "SELECT DescrTipoAnotacao || '|' || Falta || '|' || Ativado "
                                     "FROM RhsTipoAnotacao WHERE CodTipoAnotacao = " + std::to_string(key));
  }

  quorvel::classTipoAnotacao c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TipoAnotacaoTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("Advertência", "N", "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoAnotacao VALUES (41, 'X', 'N', 'N')");
  EXPECT_EQ(Insert("O'Brien x' OR '1'='1", "UPPER", "cstr'"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "Advertência|N|S");
  EXPECT_EQ(Row(42), "O'Brien x' OR '1'='1|UPPER|cstr'");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao"), 3);
}

TEST_F(TipoAnotacaoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoAnotacao VALUES (2147483647, 'Max', 'N', 'N')");
  qvtest::Trace trace;
  EXPECT_EQ(Insert("Novo", "N", "N"), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao"), 1);
}

TEST_F(TipoAnotacaoTest, FetchUpdateDelete) {
  Seed(Postgres());
  std::int32_t key = 11;
  std::string descr, falta, ativado;
  c.BusTipoAnotacao(Postgres(), desc, key, descr, falta, ativado);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, 11);
  EXPECT_EQ(descr, "Suspensão");
  EXPECT_EQ(falta, "s");
  EXPECT_EQ(ativado, "S");
  std::string only;
  c.BusDescrTipoAnotacao(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Suspensão");

  descr = "Suspensão d'ofício";
  falta = "S";
  ativado = "N";
  c.AltTipoAnotacao(Postgres(), desc, user, machine, key, descr, falta, ativado);
  EXPECT_EQ(Row(11), "Suspensão d'ofício|S|N");
  EXPECT_EQ(Row(10), "Atestado|S|S");

  std::int32_t missing = 99;
  c.ExcTipoAnotacao(Postgres(), desc, user, machine, missing);
  c.ExcTipoAnotacao(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao WHERE CodTipoAnotacao = 11"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao"), 4);
}

TEST_F(TipoAnotacaoTest, FetchErrors) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* descr;  // outputs start as "old"
    const char* falta;
    const char* ativado;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", "old", "old"},
      {12, "94    Quorvel", "Sem flags", "old", "old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string descr = "old", falta = "old", ativado = "old", only = "old";
    desc = "before";
    c.BusTipoAnotacao(Postgres(), desc, key, descr, falta, ativado);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
    EXPECT_EQ(falta, k.falta) << k.key;
    EXPECT_EQ(ativado, k.ativado) << k.key;
  }
  std::int32_t key = 77;
  std::string only = "old";
  desc.clear();
  c.BusDescrTipoAnotacao(Postgres(), desc, key, only);
  EXPECT_EQ(desc, "3021    Quorvel");
  EXPECT_EQ(only, "old");
}

struct ListCase {
  const char* name;
  Variant cod, descr, falta, ativado;
  const char* keys;  // in description order
  const char* sqlite_keys = nullptr;  // where SQLite differs: its LIKE folds ASCII letters only
};

class TipoAnotacaoListTest : public TipoAnotacaoTest,
                             public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {};

TEST_P(TipoAnotacaoListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  Variant list("replaced"), cod = k.cod, descr = k.descr, falta = k.falta, ativado = k.ativado;
  c.CarTipoAnotacao(conn, desc, list, cod, descr, falta, ativado);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodTipoAnotacao"), Variant("DescrTipoAnotacao"), Variant("Falta"),
                                           Variant("Ativado")}));
  EXPECT_EQ(Keys(list), std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, TipoAnotacaoListTest,
    ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(ListCase{"None", kNull, kNull, kNull, kNull, "1 10 2 12 11"},
                          ListCase{"KeyPattern", Variant("1%"), kNull, kNull, kNull, "1 10 12 11"},
                          ListCase{"PortugueseLetters", kNull, Variant("%ão"), kNull, kNull, "11"},
                          ListCase{"FlagIsExact", kNull, kNull, Variant("S"), kNull, "10"},
                          ListCase{"OnlyTheLast", kNull, kNull, kNull, Variant("N"), "2"},
                          ListCase{"Several", Variant("1_"), Variant("%"), Variant("s"), Variant("S"), "11"},
                          ListCase{"FlagTakesNoPattern", kNull, kNull, Variant("%"), kNull, ""},
                          ListCase{"InjectionInKey", Variant("1' OR '1'='1"), kNull, kNull, kNull, ""},
                          ListCase{"InjectionInFlag", kNull, kNull, Variant("x' OR '1'='1"), kNull, ""},
                          ListCase{"QuoteInDescription", kNull, Variant("O'Brien"), kNull, kNull, ""})),
    qvtest::DatabaseCaseName());

TEST_F(TipoAnotacaoTest, ListKeepsNullsAndEmptyTableGivesTheCaptions) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  c.CarTipoAnotacao(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
  c.CarTipoAnotacao(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Advertência"), Variant("N"), Variant("S")}));
  EXPECT_TRUE(rows[4][2].is_null());
  EXPECT_TRUE(rows[4][3].is_null());
}

TEST_F(TipoAnotacaoTest, Statements) {
  const qvtest::StatementCase<TipoAnotacaoTest> cases[] = {
      {"BusDescr",
       [](TipoAnotacaoTest& t) {
         std::int32_t key = 7;
         std::string d;
         t.c.BusDescrTipoAnotacao(Postgres(), t.desc, key, d);
       },
       {"SELECT RhsTipoAnotacao.DescrTipoAnotacao FROM   RhsTipoAnotacao WHERE  RhsTipoAnotacao.CodTipoAnotacao = 7"}},
      {"Exc",
       [](TipoAnotacaoTest& t) {
         std::int32_t key = 7;
         t.c.ExcTipoAnotacao(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsTipoAnotacao WHERE CodTipoAnotacao = 7"}},
      {"CarAll",
       [](TipoAnotacaoTest& t) {
         Variant list, cod("1%"), d("adv%"), f("N"), a("S");
         t.c.CarTipoAnotacao(Postgres(), t.desc, list, cod, d, f, a);
       },
       {"SELECT RhsTipoAnotacao.* FROM   RhsTipoAnotacao WHERE CStr(CodTipoAnotacao) LIKE '1%' AND "
        "UPPER(DescrTipoAnotacao) LIKE 'ADV%' AND Falta = 'N' AND Ativado = 'S' ORDER BY DescrTipoAnotacao"}},
      {"CarOffPostgres",
       [](TipoAnotacaoTest& t) {
         Variant list, cod("1%"), d("adv%"), f = kNull, a = kNull;
         t.c.CarTipoAnotacao(qvtest::Sqlite(), t.desc, list, cod, d, f, a);
       },
       {"SELECT RhsTipoAnotacao.* FROM   RhsTipoAnotacao WHERE CStr(CodTipoAnotacao) LIKE '1%' AND "
        "(DescrTipoAnotacao) LIKE 'ADV%' ORDER BY DescrTipoAnotacao"}},
      {"Bus",
       [](TipoAnotacaoTest& t) {
         std::int32_t key = 7;
         std::string d, f, a;
         t.c.BusTipoAnotacao(Postgres(), t.desc, key, d, f, a);
       },
       {"SELECT RhsTipoAnotacao.* FROM   RhsTipoAnotacao WHERE CodTipoAnotacao = 7"}},
      {"Alt",
       [](TipoAnotacaoTest& t) {
         std::int32_t key = 7;
         std::string d = "A", f = "N", a = "S";
         t.c.AltTipoAnotacao(Postgres(), t.desc, t.user, t.machine, key, d, f, a);
       },
       {"UPDATE RhsTipoAnotacao SET DescrTipoAnotacao = 'A', Falta = 'N', Ativado = 'S' WHERE CodTipoAnotacao = 7"}},
      {"Inc",
       [](TipoAnotacaoTest& t) {
         std::int32_t key = 7;
         std::string d = "A", f = "N", a = "S";
         t.c.IncTipoAnotacao(Postgres(), t.desc, t.user, t.machine, key, d, f, a);
       },
       {"SELECT MAX(CodTipoAnotacao) AS MaxCod FROM RhsTipoAnotacao",
        "INSERT INTO RhsTipoAnotacao (CodTipoAnotacao, DescrTipoAnotacao, Falta, Ativado) VALUES ( 1, 'A', 'N', 'S') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoAnotacao"); });
}

TEST_F(TipoAnotacaoTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classTipoAnotacao> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("10"), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("bustipoanotacao", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[2], Variant(std::int32_t{10}));
  EXPECT_EQ(bus[3], Variant("Atestado"));
  EXPECT_EQ(bus[4], Variant("S"));
  EXPECT_EQ(bus[5], Variant("S"));
}

}  // namespace
