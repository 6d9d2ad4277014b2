// SPDX-License-Identifier: MIT
// classTipoGrauParentesco: a catalogue of kinship degrees, its key compared exactly.
#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "quorvel/personnel/classTipoGrauParentesco.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Keys;
using qvtest::Postgres;
using quorvel::classTipoGrauParentesco;

const Variant kNull(Null);

const qvtest::Catalogue kGrau{
    .name = "classTipoGrauParentesco",
    .table = "RhsTipoGrauParentesco",
    .key = "CodGrauParentesco",
    .text = "DescrGrauParentesco",
    .other_columns = ", GrauParentesco, SalarioFamilia",
    .other_values = ", 1, 'S'",
    .captions = qvtest::Texts({"CodGrauParentesco", "DescrGrauParentesco", "GrauParentesco", "SalarioFamilia"}),
    .exact_code = true,
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant grau = kNull, sf = kNull;
      classTipoGrauParentesco().CarTipoGrauParentesco(conn, desc, list, code, text, grau, sf);
    },
    .fetch = [](auto& conn, auto& desc, auto& key, auto& text) {
      std::uint8_t grau = 99;
      std::string sf = "old";
      classTipoGrauParentesco().BusTipoGrauParentesco(conn, desc, key, text, grau, sf);
    },
    .fetch_text = [](auto& conn, auto& desc, auto& key, auto& text) {
      classTipoGrauParentesco().BusDescrGrauParentesco(conn, desc, key, text);
    },
    .insert = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::uint8_t grau = 1;
      std::string sf = "S";
      classTipoGrauParentesco().IncTipoGrauParentesco(conn, desc, user, machine, key, text, grau, sf);
    },
    .update = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::uint8_t grau = 1;
      std::string sf = "S";
      classTipoGrauParentesco().AltTipoGrauParentesco(conn, desc, user, machine, key, text, grau, sf);
    },
    .remove = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key) {
      classTipoGrauParentesco().ExcTipoGrauParentesco(conn, desc, user, machine, key);
    },
    .create = &com::CreateDispatch<classTipoGrauParentesco>,
    .fetch_method = "bustipograuparentesco",
    .fetch_arguments = 6,
};

INSTANTIATE_TEST_SUITE_P(Grau, CatalogueTest, ::testing::Values(&kGrau), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(Grau, CatalogueListTest, qvtest::CatalogueListCases(kGrau), qvtest::CatalogueListName);

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
  std::string Row(std::int32_t key) {
    return qvtest::Cell(Postgres(), "SELECT DescrGrauParentesco || '|' || GrauParentesco || '|' || SalarioFamilia"
                                     " FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = " + std::to_string(key));
  }

  classTipoGrauParentesco g;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(GrauTest, InsertWritesTheDegreeAndTheFlag) {
  EXPECT_EQ(Insert("Filho", 1, "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoGrauParentesco VALUES (41, 'X', 3, 'N')");
  EXPECT_EQ(Insert("Neto d'Ávila", 255, "N"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(42), "Neto d'Ávila|255|N");
}

TEST_F(GrauTest, FetchReadsTheDegreeAndTheFlag) {
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
}

TEST_F(GrauTest, FetchOfTheDescriptionAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  std::string only;
  g.BusDescrGrauParentesco(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Cônjuge");
}

TEST_F(GrauTest, UpdateRewritesTheDegreeAndTheFlag) {
  Seed(Postgres());
  std::int32_t key = 2;
  std::string descr = "Companheiro(a)", sf = "S";
  std::uint8_t grau = 200;
  g.AltTipoGrauParentesco(Postgres(), desc, user, machine, key, descr, grau, sf);
  EXPECT_EQ(Row(2), "Companheiro(a)|200|S");
  EXPECT_EQ(
      qvtest::Cell(Postgres(), "SELECT DescrGrauParentesco FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = 1"),
      "Filho");
}

TEST_F(GrauTest, FetchStopsAtTheFirstNullOrAnOverflow) {
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
}

class GrauListTest : public qvtest::ListTest<GrauTest> {};

TEST_P(GrauListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  g.CarTipoGrauParentesco(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list,
             qvtest::Texts({"CodGrauParentesco", "DescrGrauParentesco", "GrauParentesco", "SalarioFamilia"}));
}

// Keys in description order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "4 2 13 1 3"},
    {"OnlyTheLast", {kNull, kNull, kNull, Variant("S")}, "13 1"},
    {"KeyExactly", {Variant(std::int32_t{3})}, "3"},
    {"KeyAsText", {Variant("13")}, "13"},
    {"LowerCasePortuguese", {kNull, Variant("%ô%")}, "4 2"},
    {"UpperCasedValue", {kNull, Variant("irmã%")}, "3"},
    {"UpperCasedAscii", {kNull, Variant("fil%")}, "1"},
    {"Degree", {kNull, kNull, Variant(std::int16_t{2})}, "4 3"},
    {"DegreeAsText", {kNull, kNull, Variant("1")}, "2 13 1"},
    {"Several", {kNull, Variant("%"), Variant(1.0), Variant("S")}, "13 1"},
    {"InjectionInDegree", {kNull, kNull, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyDegree", {kNull, kNull, Variant()}, "", "13    Quorvel"},
    {"EmptyTextDegree", {kNull, kNull, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, GrauListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

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
  std::int32_t key = 7;
  std::string d = "A", s = "S";
  std::uint8_t grau = 2;
  Variant list;
  const qvtest::StatementCase<> cases[] = {
      {"BusDescr",
       [&] {
         key = 7;
         std::string only;
         g.BusDescrGrauParentesco(Postgres(), desc, key, only);
       },
       {"SELECT RhsTipoGrauParentesco.DescrGrauParentesco FROM   RhsTipoGrauParentesco "
        "WHERE  RhsTipoGrauParentesco.CodGrauParentesco = 7"}},
      {"Exc",
       [&] {
         key = 7;
         g.ExcTipoGrauParentesco(Postgres(), desc, user, machine, key);
       },
       {"DELETE FROM RhsTipoGrauParentesco WHERE CodGrauParentesco = 7"}},
      {"CarKey",
       [&] {
         Variant cod(std::int32_t{3}), n1 = kNull, n2 = kNull, n3 = kNull;
         g.CarTipoGrauParentesco(Postgres(), desc, list, cod, n1, n2, n3);
       },
       {"SELECT RhsTipoGrauParentesco.* FROM   RhsTipoGrauParentesco WHERE (CodGrauParentesco) = '3' "
        "ORDER BY DescrGrauParentesco"}},
      {"CarAll",
       [&] {
         Variant cod = kNull, fil("fil%"), degree(2.0), flag("S");
         g.CarTipoGrauParentesco(Postgres(), desc, list, cod, fil, degree, flag);
       },
       {"SELECT RhsTipoGrauParentesco.* FROM   RhsTipoGrauParentesco WHERE UPPER(DescrGrauParentesco) LIKE "
        "'FIL%' AND GrauParentesco = 2 AND SalarioFamilia = 'S' ORDER BY DescrGrauParentesco"}},
      {"CarOffPostgres",
       [&] {
         Variant cod = kNull, fil("fil%"), n2 = kNull, n3 = kNull;
         g.CarTipoGrauParentesco(qvtest::Sqlite(), desc, list, cod, fil, n2, n3);
       },
       {"SELECT RhsTipoGrauParentesco.* FROM   RhsTipoGrauParentesco WHERE (DescrGrauParentesco) LIKE 'FIL%' "
        "ORDER BY DescrGrauParentesco"}},
      {"Bus",
       [&] {
         key = 7;
         std::string x, y;
         std::uint8_t z = 0;
         g.BusTipoGrauParentesco(Postgres(), desc, key, x, z, y);
       },
       {"SELECT * FROM   RhsTipoGrauParentesco WHERE  CodGrauParentesco = 7"}},
      {"Alt",
       [&] {
         key = 7;
         g.AltTipoGrauParentesco(Postgres(), desc, user, machine, key, d, grau, s);
       },
       {"UPDATE RhsTipoGrauParentesco SET DescrGrauParentesco = 'A', GrauParentesco = 2, SalarioFamilia = 'S' "
        "WHERE CodGrauParentesco = 7"}},
      {"Inc",
       [&] {
         key = 7;
         g.IncTipoGrauParentesco(Postgres(), desc, user, machine, key, d, grau, s);
       },
       {"SELECT MAX(CodGrauParentesco) AS MaxCod FROM RhsTipoGrauParentesco",
        "INSERT INTO RhsTipoGrauParentesco (CodGrauParentesco, DescrGrauParentesco, GrauParentesco, "
        "SalarioFamilia) VALUES ( 1, 'A',  2, 'S') "}},
  };
  qvtest::ExpectStatements(cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoGrauParentesco"); });
}

class GrauDispatchTest : public GrauTest {
 protected:
  void SetUp() override { Seed(Postgres()); }
  com::DispatchObject<classTipoGrauParentesco> object;
  const Variant conn{std::shared_ptr<automation::Object>(qvtest::PostgresConnection())};
};

TEST_F(GrauDispatchTest, FetchGivesTheDegreeAsAByte) {
  std::vector<Variant> bus{conn, Variant(""), Variant("3"), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("bustipograuparentesco", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(true));
  EXPECT_EQ(bus[2], Variant(std::int32_t{3}));
  EXPECT_EQ(bus[3], Variant("Irmão"));
  EXPECT_EQ(bus[4], Variant(std::uint8_t{2}));
  EXPECT_EQ(bus[5], Variant("N"));
}

TEST_F(GrauDispatchTest, InsertOfADegreeBeyondAByteFailsTheCall) {
  std::vector<Variant> inc{conn, Variant(""), Variant("u"), Variant("m"), Variant(), Variant("Primo"),
                           Variant("300"), Variant("N")};
  const com::CallResult r = object.Invoke("IncTipoGrauParentesco", inc);
  EXPECT_TRUE(r.failed()) << "300 is no byte";
  EXPECT_EQ(r.error.number, 6);
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoGrauParentesco"), 5);
}

}  // namespace
