// classEPI: the catalogue list on PostgreSQL and SQLite.
#include "quorvel/health/classEPI.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/health.h"

namespace {

using automation::Variant;
using qvhealth::kNull;

void Seed(ado::Connection& conn) {
  qvtest::Exec(conn,
               "DELETE FROM RhsEPI;"
               "INSERT INTO RhsEPI VALUES (7, 'Luva de raspa'), (3, 'Capacete'), (17, 'Óculos de proteção'),"
               " (70, 'Protetor auricular'), (8, 'Bota d''água')");
}

struct ListCase {
  const char* name;
  Variant cod, nome;
  const char* keys;  // in name order
  const char* sqlite_keys = nullptr;
};

class EPIListTest : public ::testing::TestWithParam<std::tuple<bool, ListCase>> {};

TEST_P(EPIListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  quorvel::classEPI c;
  std::string desc;
  Variant list, cod = k.cod, nome = k.nome;
  c.CarEPI(conn, desc, list, cod, nome);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvhealth::Captions(list), qvhealth::Texts({"CodEPI", "NomeEPI"}));
  EXPECT_EQ(qvhealth::Col(list), std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, EPIListTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(ListCase{"None", kNull, kNull, "8 3 7 70 17"},
                                         ListCase{"Key", Variant(std::int32_t{7}), kNull, "7"},
                                         ListCase{"KeyPattern", Variant("7%"), kNull, "7 70"},
                                         ListCase{"LowerCaseName", kNull, Variant("%prote%"), "70 17"},
                                         ListCase{"PortugueseLetters", kNull, Variant("óculos%"), "17"},
                                         // SQLite LIKE folds ASCII letters only.
                                         ListCase{"QuoteInName", kNull, Variant("bota d'água"), "8"},
                                         ListCase{"Both", Variant("%7%"), Variant("L%"), "7"},
                                         ListCase{"InjectionInKey", Variant("1' OR '1'='1"), kNull, ""},
                                         ListCase{"InjectionInName", kNull, Variant("x' OR '1'='1"), ""})),
    qvtest::DatabaseCaseName());

TEST(EPITest, AsWideAsTheTable) {
  ado::Connection& conn = qvtest::Postgres();
  quorvel::classEPI c;
  std::string desc;
  Variant list, cod = kNull, nome = kNull;
  qvtest::Exec(conn, "DELETE FROM RhsEPI");
  c.CarEPI(conn, desc, list, cod, nome);
  EXPECT_EQ(qvtest::Rows(list), (std::vector<std::vector<Variant>>{qvhealth::Texts({"CodEPI", "NomeEPI"})}));

  qvtest::Exec(conn, "ALTER TABLE RhsEPI ADD COLUMN CA varchar(10)");
  c.CarEPI(conn, desc, list, cod, nome);
  EXPECT_EQ(qvtest::Rows(list),
            (std::vector<std::vector<Variant>>{{Variant("CodEPI"), Variant("NomeEPI"), Variant()}}));
  qvtest::Exec(conn, "INSERT INTO RhsEPI VALUES (3, 'Capacete', '12345'), (1, 'Avental', NULL)");
  c.CarEPI(conn, desc, list, cod, nome);
  qvtest::Exec(conn, "ALTER TABLE RhsEPI DROP COLUMN CA");
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list),
            (std::vector<std::vector<Variant>>{{Variant("CodEPI"), Variant("NomeEPI"), Variant()},
                                               {Variant(std::int32_t{1}), Variant("Avental"), Variant()},
                                               {Variant(std::int32_t{3}), Variant("Capacete"), Variant()}}));
}

TEST(EPITest, Statements) {
  quorvel::classEPI c;
  std::string desc;
  Variant list;
  qvhealth::ExpectStatements({
      {"None",
       [&] {
         Variant a = kNull, b = kNull;
         c.CarEPI(qvtest::Postgres(), desc, list, a, b);
       },
       {"SELECT * FROM RhsEPI  ORDER BY NomeEPI"}},
      {"Both",
       [&] {
         Variant a(std::int32_t{7}), b("luva%");
         c.CarEPI(qvtest::Postgres(), desc, list, a, b);
       },
       {"SELECT * FROM RhsEPI WHERE CStr(CodEPI) LIKE '7' AND UPPER(NomeEPI) LIKE 'LUVA%' ORDER BY NomeEPI"}},
      {"OffPostgres",
       [&] {
         Variant a(std::int32_t{7}), b("luva%");
         c.CarEPI(qvtest::Sqlite(), desc, list, a, b);
       },
       {"SELECT * FROM RhsEPI WHERE CStr(CodEPI) LIKE '7' AND (NomeEPI) LIKE 'LUVA%' ORDER BY NomeEPI"}},
  });
}

TEST(EPITest, DispatchByName) {
  Seed(qvtest::Postgres());
  com::DispatchObject<quorvel::classEPI> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant(), kNull, Variant("cap%")};
  const com::CallResult r = object.Invoke("CAREPI", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(qvhealth::Col(args[2]), "3");
}

}  // namespace
