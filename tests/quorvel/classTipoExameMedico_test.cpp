// SPDX-License-Identifier: MIT
// classTipoExameMedico: a catalogue of medical exam types, with their days off and flag.
#include "quorvel/health/classTipoExameMedico.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classTipoExameMedico;

const Variant kNull(Null);

const qvtest::Catalogue kTipoExame{
    .name = "classTipoExameMedico",
    .table = "RhsTipoExameMedico",
    .key = "CodTipoExame",
    .text = "DescrTipoExame",
    .other_columns = ", DiasDeParada, Ativado",
    .other_values = ", 1, 'S'",
    .captions = qvtest::Texts({"CodTipoExame", "DescrTipoExame", "Ativado"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant dias = kNull, ativado = kNull;
      classTipoExameMedico().CarTipoExameMedico(conn, desc, list, code, text, dias, ativado);
    },
    .fetch = [](auto& conn, auto& desc, auto& key, auto& text) {
      std::uint8_t dias = 99;
      std::string ativado = "old";
      classTipoExameMedico().BusTipoExameMedico(conn, desc, key, text, dias, ativado);
    },
    .fetch_text = [](auto& conn, auto& desc, auto& key, auto& text) {
      classTipoExameMedico().BusDescrTipoExame(conn, desc, key, text);
    },
    .insert = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::uint8_t dias = 1;
      std::string ativado = "S";
      classTipoExameMedico().IncTipoExameMedico(conn, desc, user, machine, key, text, dias, ativado);
    },
    .update = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::uint8_t dias = 1;
      std::string ativado = "S";
      classTipoExameMedico().AltTipoExameMedico(conn, desc, user, machine, key, text, dias, ativado);
    },
    .remove = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key) {
      classTipoExameMedico().ExcTipoExameMedico(conn, desc, user, machine, key);
    },
    .create = &com::CreateDispatch<classTipoExameMedico>,
    .fetch_method = "bustipoexamemedico",
    .fetch_arguments = 6,
};

INSTANTIATE_TEST_SUITE_P(TipoExame, CatalogueTest, ::testing::Values(&kTipoExame), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(TipoExame, CatalogueListTest, qvtest::CatalogueListCases(kTipoExame),
                         qvtest::CatalogueListName);

class TipoExameTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoExameMedico"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTipoExameMedico;"
                 "INSERT INTO RhsTipoExameMedico VALUES (1, 'Admissional', 0, 'S'), (2, 'Periódico', 1, 'S'),"
                 " (5, 'Audiometria', 2, 'N'), (10, 'Demissional', 0, 'S'), (12, 'Retorno ao trabalho', 15, 'S'),"
                 " (20, NULL, 3, 'S'), (21, 'Sem ativação', 1, NULL), (22, 'Longo', 300, 'S')");
  }
  std::int32_t Insert(std::string descr, std::uint8_t dias, std::string ativado) {
    std::int32_t key = -1;
    c.IncTipoExameMedico(Postgres(), desc, user, machine, key, descr, dias, ativado);
    return key;
  }
  std::string Row(std::int32_t key) {
    return qvtest::Cell(Postgres(), "SELECT DescrTipoExame || '|' || DiasDeParada || '|' || Ativado "
                                     "FROM RhsTipoExameMedico WHERE CodTipoExame = " + std::to_string(key));
  }

  classTipoExameMedico c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TipoExameTest, InsertWritesTheDaysAndTheFlag) {
  EXPECT_EQ(Insert("Admissional", 0, "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoExameMedico VALUES (41, 'X', 0, 'S')");
  EXPECT_EQ(Insert("Raio-X d'Ávila", 255, "x' OR '1'='1"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(42), "Raio-X d'Ávila|255|x' OR '1'='1");
}

TEST_F(TipoExameTest, InsertTakesTheLargestKeyPlusOne) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoExameMedico VALUES (1, 'A', 0, 'S'), (42, 'X', 0, 'S')");
  qvtest::Exec(Postgres(), "DELETE FROM RhsTipoExameMedico WHERE CodTipoExame < 42");
  EXPECT_EQ(Insert("Outro", 1, "S"), 43) << "the largest key plus one";
}

TEST_F(TipoExameTest, FetchReadsTheDaysAndTheFlag) {
  Seed(Postgres());
  std::int32_t key = 12;
  std::string descr, ativado;
  std::uint8_t dias = 0;
  c.BusTipoExameMedico(Postgres(), desc, key, descr, dias, ativado);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(descr, "Retorno ao trabalho");
  EXPECT_EQ(dias, 15);
  EXPECT_EQ(ativado, "S");
}

TEST_F(TipoExameTest, FetchOfTheDescriptionAlone) {
  Seed(Postgres());
  std::int32_t key = 12;
  std::string only;
  c.BusDescrTipoExame(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Retorno ao trabalho");
}

TEST_F(TipoExameTest, UpdateRewritesTheDaysAndTheFlag) {
  Seed(Postgres());
  std::int32_t key = 12;
  std::string descr = "O'Brien UPPER cstr", ativado = "N";
  std::uint8_t dias = 200;
  c.AltTipoExameMedico(Postgres(), desc, user, machine, key, descr, dias, ativado);
  EXPECT_EQ(Row(12), "O'Brien UPPER cstr|200|N");
  EXPECT_EQ(qvtest::Cell(Postgres(), "SELECT DescrTipoExame FROM RhsTipoExameMedico WHERE CodTipoExame = 10"),
            "Demissional");
}

TEST_F(TipoExameTest, FetchStopsAtTheFirstNullOrAnOverflow) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* descr;  // outputs start as "old", 99, "old"
    int dias;
    const char* ativado;
    const char* descr_alone;  // what the fetch of the description alone gives
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", 99, "old", "old"},
      {20, "94    Quorvel", "old", 99, "old", "old"},
      {21, "94    Quorvel", "Sem ativação", 1, "old", "Sem ativação"},
      {22, "6    Quorvel", "Longo", 99, "old", "Longo"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string descr = "old", ativado = "old";
    std::uint8_t dias = 99;
    desc = "before";
    c.BusTipoExameMedico(Postgres(), desc, key, descr, dias, ativado);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
    EXPECT_EQ(dias, k.dias) << k.key;
    EXPECT_EQ(ativado, k.ativado) << k.key;
    std::string only = "old";
    desc.clear();
    c.BusDescrTipoExame(Postgres(), desc, key, only);
    EXPECT_EQ(only, k.descr_alone) << k.key;
  }
}

class TipoExameListTest : public qvtest::ListTest<TipoExameTest> {};

TEST_P(TipoExameListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  c.CarTipoExameMedico(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list, qvtest::Texts({"CodTipoExame", "DescrTipoExame", "Ativado"}));
}

// Keys in description order; SQLite sorts Null first.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 5 10 22 2 12 21 20", "", "20 1 5 10 22 2 12 21"},
    {"KeyAsNumber", {Variant(std::int32_t{5})}, "5"},
    {"KeyPattern", {Variant("1%")}, "1 10 12"},
    {"LowerCaseDescription", {kNull, Variant("%ssional")}, "1 10"},
    {"PortugueseLetters", {kNull, Variant("periódico")}, "2"},
    {"Days", {kNull, kNull, Variant(std::int32_t{0})}, "1 10"},
    {"DaysAsText", {kNull, kNull, Variant("15")}, "12"},
    {"Flag", {kNull, kNull, kNull, Variant("N")}, "5"},
    {"Several", {Variant("%"), Variant("%"), Variant(std::int32_t{1}), Variant("S")}, "2"},
    {"QuoteInFlag", {kNull, kNull, kNull, Variant("S' OR '1'='1")}, ""},
    {"InjectionInDays", {kNull, kNull, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyDays", {kNull, kNull, Variant()}, "", "13    Quorvel"},
    {"EmptyTextDays", {kNull, kNull, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, TipoExameListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(TipoExameTest, ListKeepsNullsAndSortsThemLastOnPostgres) {
  Seed(Postgres());
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  c.CarTipoExameMedico(Postgres(), desc, list, n1, n2, n3, n4);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Admissional"), Variant("S")}));
  EXPECT_TRUE(rows[8][1].is_null()) << "Null descriptions sort last on PostgreSQL";
  EXPECT_TRUE(rows[7][2].is_null());
}

TEST_F(TipoExameTest, Statements) {
  std::int32_t key = 7;
  std::string s1 = "A", s2 = "S";
  std::uint8_t dias = 3;
  Variant list;
  const qvtest::StatementCase<> cases[] = {
      {"BusDescr",
       [&] { c.BusDescrTipoExame(Postgres(), desc, key, s1); },
       {"SELECT RhsTipoExameMedico.DescrTipoExame FROM   RhsTipoExameMedico "
        "WHERE  RhsTipoExameMedico.CodTipoExame = 7"}},
      {"Exc",
       [&] { c.ExcTipoExameMedico(Postgres(), desc, user, machine, key); },
       {"DELETE FROM RhsTipoExameMedico WHERE CodTipoExame = 7"}},
      {"CarNone",
       [&] {
         Variant a = kNull, b = kNull, d = kNull, e = kNull;
         c.CarTipoExameMedico(Postgres(), desc, list, a, b, d, e);
       },
       {"SELECT * FROM RhsTipoExameMedico  ORDER BY DescrTipoExame"}},
      {"CarKey",
       [&] {
         Variant a(std::int32_t{5}), b = kNull, d = kNull, e = kNull;
         c.CarTipoExameMedico(Postgres(), desc, list, a, b, d, e);
       },
       {"SELECT * FROM RhsTipoExameMedico WHERE  CodTipoExame LIKE '5' ORDER BY DescrTipoExame"}},
      {"CarAll",
       [&] {
         Variant a("1%"), b("audio%"), d(std::int32_t{2}), e("S");
         c.CarTipoExameMedico(Postgres(), desc, list, a, b, d, e);
       },
       {"SELECT * FROM RhsTipoExameMedico WHERE  CodTipoExame LIKE '1%' AND UPPER(DescrTipoExame) LIKE "
        "'AUDIO%' AND DiasDeParada = 2 AND Ativado = 'S' ORDER BY DescrTipoExame"}},
      {"CarOffPostgres",
       [&] {
         Variant a = kNull, b("audio%"), d = kNull, e("cstr");
         c.CarTipoExameMedico(qvtest::Sqlite(), desc, list, a, b, d, e);
       },
       {"SELECT * FROM RhsTipoExameMedico WHERE (DescrTipoExame) LIKE 'AUDIO%' AND Ativado = 'cstr' "
        "ORDER BY DescrTipoExame"}},
      {"Bus",
       [&] { c.BusTipoExameMedico(Postgres(), desc, key, s1, dias, s2); },
       {"SELECT * FROM   RhsTipoExameMedico WHERE  CodTipoExame = 7"}},
      {"Alt",
       [&] { c.AltTipoExameMedico(Postgres(), desc, user, machine, key, s1, dias, s2); },
       {"UPDATE RhsTipoExameMedico SET DescrTipoExame = 'A', DiasDeParada = 3, Ativado = 'S' "
        "WHERE CodTipoExame = 7"}},
      {"Inc",
       [&] { c.IncTipoExameMedico(Postgres(), desc, user, machine, key, s1, dias, s2); },
       {"SELECT MAX(CodTipoExame) AS MaxCod FROM RhsTipoExameMedico",
        "INSERT INTO RhsTipoExameMedico (CodTipoExame, DescrTipoExame, DiasDeParada, Ativado) "
        "VALUES ( 1, 'A',  3, 'S') "}},
  };
  qvtest::ExpectStatements(cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoExameMedico"); });
}

TEST_F(TipoExameTest, DispatchByNameGivesTheDaysAndTheFlag) {
  Seed(Postgres());
  com::DispatchObject<classTipoExameMedico> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("12"), Variant(), Variant(), Variant()};
  com::CallResult r = object.Invoke("bustipoexamemedico", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[1], Variant(""));
  EXPECT_EQ(bus[3], Variant("Retorno ao trabalho"));
  EXPECT_EQ(bus[4], Variant(std::uint8_t{15}));
  EXPECT_EQ(bus[5], Variant("S"));
}

}  // namespace
