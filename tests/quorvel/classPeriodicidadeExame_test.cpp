// SPDX-License-Identifier: MIT
// classPeriodicidadeExame against PostgreSQL, its list on SQLite too.
#include "quorvel/health/classPeriodicidadeExame.h"

#include <gtest/gtest.h>

#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;

class PeriodicidadeTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsPeriodicidadeExame"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsPeriodicidadeExame; DELETE FROM RhsExamePerfilCargo; DELETE FROM RhsPerfilCargo;"
                 "DELETE FROM RhsTipoExameMedico; DELETE FROM RhsFilial;"
                 "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (1, 'Matriz'), (2, 'Recife');"
                 "INSERT INTO RhsPerfilCargo (CodRegPerfilCargo, CodFilial, CodCargo, IdadeMin) VALUES"
                 " (1, 1, 10, 99), (2, 2, 10, 99), (3, 7, 10, 99);"
                 "INSERT INTO RhsTipoExameMedico VALUES (1, 'Audiometria', 0, 'S'), (2, 'Periódico', 0, 'S');"
                 "INSERT INTO RhsExamePerfilCargo VALUES (10, 1, 2, 'S'), (11, 2, 2, 'S'), (12, 1, 1, 'S'),"
                 " (13, 3, 1, 'S'), (14, 1, 5, 'N');"
                 "INSERT INTO RhsPeriodicidadeExame VALUES (1, 10, 50, 0, 6, 0), (2, 10, 18, 2, 0, 0),"
                 " (3, 10, 40, 1, 0, 0), (4, 11, 45, 10, 0, 0), (5, 12, 0, 12, 0, 15), (6, 13, 30.5, 1, 3, 0),"
                 " (7, 99, 20, 1, 0, 0), (8, 14, 25, 1, 0, 1)");
  }
  std::int32_t Insert(std::int32_t exame, double idade, std::int32_t anos, std::int32_t meses, std::int32_t dias) {
    std::int32_t key = -1;
    c.IncPeriodicidadeExame(Postgres(), desc, user, machine, key, exame, idade, anos, meses, dias);
    return key;
  }
  static std::string Stored(std::int32_t key) {
    return qvtest::Cell(Postgres(),
                          "SELECT CodRegExamePerfil || '|' || IdadeMin || '|' || Anos || '|' || Meses || "
                          "'|' || Dias FROM RhsPeriodicidadeExame WHERE CodRegPeriodicidade = " +
                              std::to_string(key));
  }

  quorvel::classPeriodicidadeExame c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(PeriodicidadeTest, InsertAllocatesTheNextKeyAndWritesTheAgeWithAPoint) {
  ASSERT_EQ(automation::regional().decimal_separator, ",");
  qvtest::Trace trace;
  EXPECT_EQ(Insert(10, 45.5, 1, 0, 0), 1);
  EXPECT_NE(trace.statements().back().find(" 45.5, "), std::string::npos) << trace.statements().back();
  qvtest::Exec(Postgres(), "INSERT INTO RhsPeriodicidadeExame (CodRegPeriodicidade) VALUES (41)");
  EXPECT_EQ(Insert(11, 40, -1, 13, 400), 42) << "nothing checks the values";
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "10|45.5|1|0|0");
  EXPECT_EQ(Stored(42), "11|40|-1|13|400");
}

TEST_F(PeriodicidadeTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsPeriodicidadeExame (CodRegPeriodicidade) VALUES (2147483647)", "RhsPeriodicidadeExame",
      [&] { return Insert(1, 18, 1, 0, 0); }, desc);
}

TEST_F(PeriodicidadeTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|exam|description|age|years|months|days; they start as -1 and "old"
  };
  const Case cases[] = {
      {6, "", "6|13|Audiometria|30.5|1|3|0"},
      {77, "3021    Quorvel", "77|-1|old|-1|-1|-1|-1"},
      {7, "94    Quorvel", "7|99|old|-1|-1|-1|-1"},  // its exam of a profile is missing
      {8, "94    Quorvel", "8|14|old|-1|-1|-1|-1"},  // its exam type is missing
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, exame = -1, anos = -1, meses = -1, dias = -1;
    std::string descr = "old";
    double idade = -1;
    desc.clear();
    c.BusPeriodicidadeExame(Postgres(), desc, key, exame, descr, idade, anos, meses, dias);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream out;
    out << key << '|' << exame << '|' << descr << '|' << idade << '|' << anos << '|' << meses << '|' << dias;
    EXPECT_EQ(out.str(), k.outputs) << k.key;
  }
}

TEST_F(PeriodicidadeTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2, exame = 12, anos = 3, meses = 4, dias = 5;
  double idade = 45.5;
  desc.clear();
  c.AltPeriodicidadeExame(Postgres(), desc, user, machine, key, exame, idade, anos, meses, dias);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(2), "12|45.5|3|4|5");
  EXPECT_EQ(Stored(3), "10|40|1|0|0");
}

TEST_F(PeriodicidadeTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  c.ExcPeriodicidadeExame(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsPeriodicidadeExame"), 7);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsPeriodicidadeExame WHERE CodRegPeriodicidade = 2"), 0);
}

class PeriodicidadeListTest : public qvtest::ListTest<PeriodicidadeTest> {};

TEST_P(PeriodicidadeListTest, Filters) {
  Seed(conn());
  auto f = Args(8);
  Variant list = qvtest::kUntouchedList;
  c.CarPeriodicidadeExame(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegPeriodicidade", "CodTipoExame", "DescrTipoExame", "NomeFil", "IdadeMin", "Anos",
                            "Meses", "Dias"}));
}

const Variant N = kNull;

const qvtest::ListCase kListCases[] = {
    {"None", {}, "5 6 2 3 4 1 7 8", "", "7 8 5 6 2 3 4 1"},
    {"ProfileExam", {N, Variant(std::int32_t{10})}, "2 3 1"},
    {"ExamType", {N, N, Variant(std::int32_t{2})}, "2 3 4 1"},
    {"Description", {N, N, N, Variant("periód%")}, "2 3 4 1"},
    {"DescriptionAscii", {N, N, N, Variant("audio%")}, "5 6"},
    {"OneYear", {N, N, N, N, N, Variant(std::int32_t{1})}, "6 3 7 8", "", "7 8 6 3"},
    {"YearPattern", {N, N, N, N, N, Variant("1%")}, "5 6 3 4 7 8", "", "7 8 5 6 3 4"},
    {"Months", {N, N, N, N, N, N, Variant("6")}, "1"},
    {"Days", {N, N, N, N, N, N, N, Variant("1_")}, "5"},
    {"Key", {Variant("_")}, "5 6 2 3 4 1 7 8", "", "7 8 5 6 2 3 4 1"},
    {"Several", {N, Variant("1%"), Variant("2"), Variant("%"), N, Variant("1%")}, "3 4"},
    {"QuoteInDescription", {N, N, N, Variant("x' OR '1'='1")}, ""},
    {"QuoteInYears", {N, N, N, N, N, Variant("1' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, PeriodicidadeListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(PeriodicidadeTest, ListRows) {
  Seed(Postgres());
  Variant list, reg = kNull, exame = kNull, tipo = kNull, descr = kNull, idade(std::int32_t{45}), anos = kNull,
                meses = kNull, dias = kNull;
  c.CarPeriodicidadeExame(Postgres(), desc, list, reg, exame, tipo, descr, idade, anos, meses, dias);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{4}), Variant(std::int32_t{2}), Variant("Periódico"),
                                           Variant("Recife"), Variant(45.0), Variant(std::int32_t{10}),
                                           Variant(std::int32_t{0}), Variant(std::int32_t{0})}));
  idade = kNull;
  c.CarPeriodicidadeExame(Postgres(), desc, list, reg, exame, tipo, descr, idade, anos, meses, dias);
  const auto all = qvtest::Rows(list);
  ASSERT_EQ(all.size(), 9u);
  EXPECT_EQ(all[2][3], kNull) << "a profile whose branch is missing";
  EXPECT_EQ(all[7],
            (std::vector<Variant>{Variant(std::int32_t{7}), kNull, kNull, kNull, Variant(20.0),
                                  Variant(std::int32_t{1}), Variant(std::int32_t{0}), Variant(std::int32_t{0})}));
}

TEST_F(PeriodicidadeTest, Statements) {
  std::int32_t key = 7, exame = 3, anos = 1, meses = 2, dias = 3;
  double idade = 45.5;
  std::string descr;
  Variant list;
  const std::string select =
      "SELECT RhsPeriodicidadeExame.*, RhsTipoExameMedico.DescrTipoExame, RhsTipoExameMedico.CodTipoExame, "
      "RhsFilial.NomeFil FROM (((( RhsPeriodicidadeExame "
      "LEFT JOIN RhsExamePerfilCargo ON RhsExamePerfilCargo.CodRegExamePerfil = "
      "RhsPeriodicidadeExame.CodRegExamePerfil) "
      "LEFT JOIN RhsPerfilCargo ON RhsPerfilCargo.CodRegPerfilCargo = RhsExamePerfilCargo.CodRegPerfilCargo) "
      "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExamePerfilCargo.CodTipoExame) "
      "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsPerfilCargo.CodFilial) ";
  const std::string order = " ORDER BY DescrTipoExame, RhsPeriodicidadeExame.IdadeMin ";
  const std::string none = select + order;
  const std::string all = select +
                          "WHERE  CodRegPeriodicidade LIKE '1' AND  RhsPeriodicidadeExame.CodRegExamePerfil LIKE '2' "
                          "AND RhsExamePerfilCargo.CodTipoExame LIKE '3' AND UPPER(DescrTipoExame) LIKE 'AUDIO%' AND "
                          "RhsPeriodicidadeExame.IdadeMin LIKE '4%' AND Anos LIKE '5' AND Meses LIKE '6' AND "
                          "Dias LIKE '7'" +
                          order;
  const std::string sqlite = select + "WHERE (DescrTipoExame) LIKE 'AUDIO%'" + order;
  qvtest::ExpectStatements(
      {
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull, e = kNull, f = kNull, g = kNull, h = kNull, i = kNull;
             c.CarPeriodicidadeExame(Postgres(), desc, list, a, b, d, e, f, g, h, i);
           },
           {none.c_str()}},
          {"CarAll",
           [&] {
             Variant a(std::int32_t{1}), b(std::int32_t{2}), d(std::int32_t{3}), e("audio%"), f("4%"),
                 g(std::int32_t{5}), h(std::int32_t{6}), i(std::int32_t{7});
             c.CarPeriodicidadeExame(Postgres(), desc, list, a, b, d, e, f, g, h, i);
           },
           {all.c_str()}},
          {"CarOffPostgres",
           [&] {
             Variant a = kNull, b = kNull, d = kNull, e("audio%"), f = kNull, g = kNull, h = kNull, i = kNull;
             c.CarPeriodicidadeExame(qvtest::Sqlite(), desc, list, a, b, d, e, f, g, h, i);
           },
           {sqlite.c_str()}},
          {"Bus",
           [&] { c.BusPeriodicidadeExame(Postgres(), desc, key, exame, descr, idade, anos, meses, dias); },
           {"SELECT RhsPeriodicidadeExame.*, RhsTipoExameMedico.DescrTipoExame FROM (( RhsPeriodicidadeExame "
            "LEFT JOIN RhsExamePerfilCargo ON RhsExamePerfilCargo.CodRegExamePerfil = "
            "RhsPeriodicidadeExame.CodRegExamePerfil) "
            "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExamePerfilCargo.CodTipoExame) "
            "WHERE RhsPeriodicidadeExame.CodRegPeriodicidade = 7"}},
          {"Alt",
           [&] { c.AltPeriodicidadeExame(Postgres(), desc, user, machine, key, exame, idade, anos, meses, dias); },
           {"UPDATE RhsPeriodicidadeExame SET CodRegExamePerfil = 3, IdadeMin = 45.5, Anos = 1, Meses = 2, Dias = 3 "
            "WHERE CodRegPeriodicidade = 7"}},
          {"Exc",
           [&] { c.ExcPeriodicidadeExame(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsPeriodicidadeExame WHERE CodRegPeriodicidade = 7"}},
          {"Inc",
           [&] { c.IncPeriodicidadeExame(Postgres(), desc, user, machine, key, exame, idade, anos, meses, dias); },
           {"SELECT MAX(CodRegPeriodicidade) AS MaxCod FROM RhsPeriodicidadeExame",
            "INSERT INTO RhsPeriodicidadeExame (CodRegPeriodicidade, CodRegExamePerfil, IdadeMin, Anos, Meses, Dias) "
            "VALUES ( 1,  3,  45.5,  1,  2,  3) "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsPeriodicidadeExame"); });
}

TEST_F(PeriodicidadeTest, DispatchByName) {
  com::DispatchObject<quorvel::classPeriodicidadeExame> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn,
                           Variant(""),
                           Variant("u"),
                           Variant("m"),
                           Variant(),
                           Variant("10"),
                           Variant("45,5"),
                           Variant(std::int32_t{1}),
                           Variant(std::int32_t{0}),
                           Variant(std::int32_t{0})};
  const com::CallResult r = object.Invoke("incperiodicidadeexame", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[4], Variant(std::int32_t{1}));
  EXPECT_EQ(inc[6], Variant(45.5));
  EXPECT_EQ(Stored(1), "10|45.5|1|0|0");
}

}  // namespace
