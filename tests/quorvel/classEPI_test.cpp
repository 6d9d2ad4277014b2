// SPDX-License-Identifier: MIT
// classEPI: a catalogue of protective equipment, its list alone.
#include "quorvel/health/classEPI.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using quorvel::classEPI;

const Variant kNull(Null);

const qvtest::Catalogue kEPI{
    .name = "classEPI",
    .table = "RhsEPI",
    .key = "CodEPI",
    .text = "NomeEPI",
    .captions = qvtest::Texts({"CodEPI", "NomeEPI"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      classEPI().CarEPI(conn, desc, list, code, text);
    },
};

INSTANTIATE_TEST_SUITE_P(EPI, CatalogueTest, ::testing::Values(&kEPI), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(EPI, CatalogueListTest, qvtest::CatalogueListCases(kEPI), qvtest::CatalogueListName);

void Seed(ado::Connection& conn) {
  qvtest::Exec(conn,
               "DELETE FROM RhsEPI;"
               "INSERT INTO RhsEPI VALUES (7, 'Luva de raspa'), (3, 'Capacete'), (17, 'Óculos de proteção'),"
               " (70, 'Protetor auricular'), (8, 'Bota d''água')");
}

class EPIListTest : public qvtest::ListTest<> {};

TEST_P(EPIListTest, Filters) {
  Seed(conn());
  classEPI c;
  std::string desc;
  auto f = Args(2);
  Variant list = qvtest::kUntouchedList;
  c.CarEPI(conn(), desc, list, f[0], f[1]);
  ExpectList(desc, list, qvtest::Texts({"CodEPI", "NomeEPI"}));
}

// Keys in name order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "8 3 7 70 17"},
    {"Key", {Variant(std::int32_t{7})}, "7"},
    {"KeyPattern", {Variant("7%")}, "7 70"},
    {"LowerCaseName", {kNull, Variant("%prote%")}, "70 17"},
    {"PortugueseLetters", {kNull, Variant("óculos%")}, "17"},
    {"QuoteInName", {kNull, Variant("bota d'água")}, "8"},
    {"Both", {Variant("%7%"), Variant("L%")}, "7"},
};
INSTANTIATE_TEST_SUITE_P(All, EPIListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

class EPITest : public ::testing::Test {
 protected:
  void SetUp() override { qvtest::Exec(qvtest::Postgres(), "DELETE FROM RhsEPI"); }
  void TearDown() override { qvtest::Exec(qvtest::Postgres(), "ALTER TABLE RhsEPI DROP COLUMN IF EXISTS CA"); }
  classEPI c;
  std::string desc;
  Variant list, cod = kNull, nome = kNull;
};

TEST_F(EPITest, AFurtherColumnWidensTheCaptions) {
  qvtest::Exec(qvtest::Postgres(), "ALTER TABLE RhsEPI ADD COLUMN CA varchar(10)");
  c.CarEPI(qvtest::Postgres(), desc, list, cod, nome);
  EXPECT_EQ(qvtest::Rows(list),
            (std::vector<std::vector<Variant>>{{Variant("CodEPI"), Variant("NomeEPI"), Variant()}}));
}

TEST_F(EPITest, AFurtherColumnStaysEmptyInTheRows) {
  qvtest::Exec(qvtest::Postgres(), "ALTER TABLE RhsEPI ADD COLUMN CA varchar(10);"
                                   "INSERT INTO RhsEPI VALUES (3, 'Capacete', '12345'), (1, 'Avental', NULL)");
  c.CarEPI(qvtest::Postgres(), desc, list, cod, nome);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list),
            (std::vector<std::vector<Variant>>{{Variant("CodEPI"), Variant("NomeEPI"), Variant()},
                                               {Variant(std::int32_t{1}), Variant("Avental"), Variant()},
                                               {Variant(std::int32_t{3}), Variant("Capacete"), Variant()}}));
}

TEST_F(EPITest, Statements) {
  const qvtest::StatementCase<> cases[] = {
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
  };
  qvtest::ExpectStatements(cases);
}

TEST_F(EPITest, DispatchByName) {
  Seed(qvtest::Postgres());
  com::DispatchObject<classEPI> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant(), kNull, Variant("cap%")};
  const com::CallResult r = object.Invoke("CAREPI", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(qvtest::Keys(args[2]), "3");
}

}  // namespace
