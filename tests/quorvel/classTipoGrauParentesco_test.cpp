// classTipoGrauParentesco against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classTipoGrauParentesco.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::Keys;

const Variant kNull(Null);

class GrauTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoGrauParentesco"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTipoGrauParentesco;"
                 "INSERT INTO RhsTipoGrauParentesco VALUES (1, 'Filho', 1, 'S'), (2, 'Cônjuge', 1, 'N'),"
                 " (3, 'Irmão', 2, 'N'), (13, 'Enteado', 1, 'S'), (4, 'Avô', 2, 'N')");
  }
  std::int32_t Insert(std::string descr, std::uint8_t grau, std::string sf) {
    std::int32_t key = -1;
    g.IncTipoGrauParentesco(Postgres(), desc, user, machine, key, descr, grau, sf);
    return key;
  }
  std::string Cell(std::string_view sql) {
    return qvtest::Cell(Postgres(), sql);
  }

  quorvel::classTipoGrauParentesco g;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(GrauTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("Filho", 1, "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoGrauParentesco VALUES (41, 'X', 3, 'N')");
  EXPECT_EQ(Insert("Neto d'Ávila", 255, "N"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Cell("SELECT DescrGrauParentesco || '|' || GrauParentesco || '|' || SalarioFamilia"
                 " FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = 42"),
            "Neto d'Ávila|255|N");
}

TEST_F(GrauTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoGrauParentesco VALUES (2147483647, 'Max', 1, 'N')");
  qvtest::Trace trace;
  EXPECT_EQ(Insert("Filho", 1, "S"), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoGrauParentesco"), 1);
}

TEST_F(GrauTest, FetchUpdateDelete) {
  Seed(Postgres());
  std::int32_t key = 2;
  std::string descr, sf;
  std::uint8_t grau = 0;
  g.BusTipoGrauParentesco(Postgres(), desc, key, descr, grau, sf);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, 2);
  EXPECT_EQ(descr, "Cônjuge");
  EXPECT_EQ(grau, 1);
  EXPECT_EQ(sf, "N");

  std::string only;
  g.BusDescrGrauParentesco(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Cônjuge");

  descr = "Companheiro(a)";
  grau = 200;
  sf = "S";
  g.AltTipoGrauParentesco(Postgres(), desc, user, machine, key, descr, grau, sf);
  EXPECT_EQ(Cell("SELECT DescrGrauParentesco || '|' || GrauParentesco || '|' || SalarioFamilia"
                 " FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = 2"),
            "Companheiro(a)|200|S");
  EXPECT_EQ(Cell("SELECT DescrGrauParentesco FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = 1"), "Filho");

  std::int32_t missing = 99;
  g.AltTipoGrauParentesco(Postgres(), desc, user, machine, missing, descr, grau, sf);
  g.ExcTipoGrauParentesco(Postgres(), desc, user, machine, key);
  g.ExcTipoGrauParentesco(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoGrauParentesco WHERE CodGrauParentesco = 2"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoGrauParentesco"), 4);
}

TEST_F(GrauTest, FetchErrors) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoGrauParentesco VALUES (5, NULL, 1, 'S'), (6, 'Sem grau', NULL, 'S'),"
                           " (7, 'Grau alto', 300, 'S'), (8, 'Sem flag', 2, NULL)");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* descr;  // outputs start as "old" / 99 / "old"
    int grau;
    const char* sf;
    std::int32_t key_after;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", 99, "old", 77},  // no row: nothing written
      {5, "94    Quorvel", "old", 99, "old", 5},        // the key written back first
      {6, "94    Quorvel", "Sem grau", 99, "old", 6},
      {7, "6    Quorvel", "Grau alto", 99, "old", 7},    // no byte
      {8, "94    Quorvel", "Sem flag", 2, "old", 8},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string descr = "old", sf = "old";
    std::uint8_t grau = 99;
    desc = "before";
    g.BusTipoGrauParentesco(Postgres(), desc, key, descr, grau, sf);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key_after) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
    EXPECT_EQ(grau, k.grau) << k.key;
    EXPECT_EQ(sf, k.sf) << k.key;
  }
  std::int32_t key = 77;
  std::string descr = "old";
  desc.clear();
  g.BusDescrGrauParentesco(Postgres(), desc, key, descr);
  EXPECT_EQ(desc, "3021    Quorvel");
  EXPECT_EQ(descr, "old");
}

TEST_F(GrauTest, SuccessLeavesDescErrAlone) {
  Seed(Postgres());
  desc = "texto anterior";
  Variant list;
  Variant n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  g.CarTipoGrauParentesco(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(Insert("Sobrinho", 3, "N"), 14);
  EXPECT_EQ(desc, "texto anterior");
}

struct ListCase {
  const char* name;
  Variant cod, descr, grau, sf;
  const char* keys;  // in description order
  const char* desc = "";
  const char* sqlite_keys = nullptr;  // where SQLite differs
};

class GrauListTest : public GrauTest, public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {};

TEST_P(GrauListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  Variant list("replaced"), cod = k.cod, descr = k.descr, grau = k.grau, sf = k.sf;
  g.CarTipoGrauParentesco(conn, desc, list, cod, descr, grau, sf);
  EXPECT_EQ(desc, k.desc);
  if (*k.desc) return;
  const auto rows = qvtest::Rows(list);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodGrauParentesco"), Variant("DescrGrauParentesco"),
                                           Variant("GrauParentesco"), Variant("SalarioFamilia")}));
  EXPECT_EQ(Keys(list), std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, GrauListTest,
    ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(
            ListCase{"None", kNull, kNull, kNull, kNull, "4 2 13 1 3"},
            ListCase{"OnlyTheLast", kNull, kNull, kNull, Variant("S"), "13 1"},
            ListCase{"KeyExactly", Variant(std::int32_t{3}), kNull, kNull, kNull, "3"},
            ListCase{"KeyAsText", Variant("13"), kNull, kNull, kNull, "13"},
            // Off PostgreSQL UPPER goes, and SQLite's LIKE folds ASCII letters only.
            ListCase{"LowerCasePortuguese", kNull, Variant("%ô%"), kNull, kNull, "4 2", ""},
            ListCase{"UpperCasedValue", kNull, Variant("irmã%"), kNull, kNull, "3", ""},
            ListCase{"UpperCasedAscii", kNull, Variant("fil%"), kNull, kNull, "1"},
            ListCase{"Degree", kNull, kNull, Variant(std::int16_t{2}), kNull, "4 3"},
            ListCase{"DegreeAsText", kNull, kNull, Variant("1"), kNull, "2 13 1"},
            ListCase{"Several", kNull, Variant("%"), Variant(1.0), Variant("S"), "13 1"},
            ListCase{"NoMatch", kNull, Variant("ZZ%"), kNull, kNull, ""},
            ListCase{"QuoteInText", kNull, Variant("x' OR '1'='1"), kNull, kNull, ""},
            ListCase{"InjectionInDegree", kNull, kNull, Variant("1 OR 1=1"), kNull, "", "13    Quorvel"},
            ListCase{"EmptyDegree", kNull, kNull, Variant(), kNull, "", "13    Quorvel"},
            ListCase{"EmptyTextDegree", kNull, kNull, Variant(""), kNull, "", "13    Quorvel"})),
    qvtest::DatabaseCaseName());

TEST_F(GrauTest, QuotedKeyFilterIsStillOneValue) {
  Seed(Postgres());
  Seed(qvtest::Sqlite());
  Variant list, cod("1' OR '1'='1"), n = kNull;
  Variant n2 = kNull, n3 = kNull;
  g.CarTipoGrauParentesco(Postgres(), desc, list, cod, n, n2, n3);
  EXPECT_EQ(desc, "-2147217900    Quorvel") << "PostgreSQL refuses the text as a key";
  desc.clear();
  g.CarTipoGrauParentesco(qvtest::Sqlite(), desc, list, cod, n, n2, n3);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Keys(list), "");
}

TEST_F(GrauTest, Statements) {
  const qvtest::StatementCase<GrauTest> cases[] = {
      {"BusDescr",
       [](GrauTest& t) {
         std::int32_t key = 7;
         std::string d;
         t.g.BusDescrGrauParentesco(Postgres(), t.desc, key, d);
       },
       {"SELECT RhsTipoGrauParentesco.DescrGrauParentesco FROM   RhsTipoGrauParentesco "
        "WHERE  RhsTipoGrauParentesco.CodGrauParentesco = 7"}},
      {"Exc",
       [](GrauTest& t) {
         std::int32_t key = 7;
         t.g.ExcTipoGrauParentesco(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = 7"}},
      {"CarKey",
       [](GrauTest& t) {
         Variant list, cod(std::int32_t{3}), n1 = kNull, n2 = kNull, n3 = kNull;
         t.g.CarTipoGrauParentesco(Postgres(), t.desc, list, cod, n1, n2, n3);
       },
       {"SELECT RhsTipoGrauParentesco.* FROM   RhsTipoGrauParentesco WHERE (CodGrauParentesco) = '3' "
        "ORDER BY DescrGrauParentesco"}},
      {"CarAll",
       [](GrauTest& t) {
         Variant list, cod = kNull, d("fil%"), grau(2.0), sf("S");
         t.g.CarTipoGrauParentesco(Postgres(), t.desc, list, cod, d, grau, sf);
       },
       {"SELECT RhsTipoGrauParentesco.* FROM   RhsTipoGrauParentesco WHERE UPPER(DescrGrauParentesco) LIKE "
        "'FIL%' AND GrauParentesco = 2 AND SalarioFamilia = 'S' ORDER BY DescrGrauParentesco"}},
      {"CarOffPostgres",
       [](GrauTest& t) {
         Variant list, cod = kNull, d("fil%"), n2 = kNull, n3 = kNull;
         t.g.CarTipoGrauParentesco(qvtest::Sqlite(), t.desc, list, cod, d, n2, n3);
       },
       {"SELECT RhsTipoGrauParentesco.* FROM   RhsTipoGrauParentesco WHERE (DescrGrauParentesco) LIKE 'FIL%' "
        "ORDER BY DescrGrauParentesco"}},
      {"Bus",
       [](GrauTest& t) {
         std::int32_t key = 7;
         std::string d, s;
         std::uint8_t grau = 0;
         t.g.BusTipoGrauParentesco(Postgres(), t.desc, key, d, grau, s);
       },
       {"SELECT * FROM   RhsTipoGrauParentesco WHERE  CodGrauParentesco = 7"}},
      {"Alt",
       [](GrauTest& t) {
         std::int32_t key = 7;
         std::string d = "A", s = "S";
         std::uint8_t grau = 2;
         t.g.AltTipoGrauParentesco(Postgres(), t.desc, t.user, t.machine, key, d, grau, s);
       },
       {"UPDATE RhsTipoGrauParentesco SET DescrGrauParentesco = 'A', GrauParentesco = 2, SalarioFamilia = 'S' "
        "WHERE CodGrauParentesco = 7"}},
      {"Inc",
       [](GrauTest& t) {
         std::int32_t key = 7;
         std::string d = "A", s = "S";
         std::uint8_t grau = 2;
         t.g.IncTipoGrauParentesco(Postgres(), t.desc, t.user, t.machine, key, d, grau, s);
       },
       {"SELECT MAX(CodGrauParentesco) AS MaxCod FROM RhsTipoGrauParentesco",
        "INSERT INTO RhsTipoGrauParentesco (CodGrauParentesco, DescrGrauParentesco, GrauParentesco, "
        "SalarioFamilia) VALUES ( 1, 'A',  2, 'S') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoGrauParentesco"); });
}

TEST_F(GrauTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classTipoGrauParentesco> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("3"), Variant(), Variant(), Variant()};
  com::CallResult r = object.Invoke("bustipograuparentesco", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(true));
  EXPECT_EQ(bus[2], Variant(std::int32_t{3}));
  EXPECT_EQ(bus[3], Variant("Irmão"));
  EXPECT_EQ(bus[4], Variant(std::uint8_t{2}));
  EXPECT_EQ(bus[5], Variant("N"));

  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("Primo"),
                           Variant("300"), Variant("N")};
  r = object.Invoke("IncTipoGrauParentesco", inc);
  EXPECT_TRUE(r.failed()) << "300 is no byte";
  EXPECT_EQ(r.error.number, 6);
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoGrauParentesco"), 5);
}

}  // namespace
