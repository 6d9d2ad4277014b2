// classTipoExameMedico against PostgreSQL, its list on SQLite too.
#include "quorvel/health/classTipoExameMedico.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/health.h"

namespace {

using automation::Variant;
using qvhealth::kNull;
using qvtest::Postgres;

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

  quorvel::classTipoExameMedico c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TipoExameTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("Admissional", 0, "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoExameMedico VALUES (41, 'X', 0, 'S')");
  EXPECT_EQ(Insert("Raio-X d'Ávila", 255, "x' OR '1'='1"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvhealth::Cell(Postgres(),
                           "SELECT DescrTipoExame || '|' || DiasDeParada || '|' || Ativado "
                           "FROM RhsTipoExameMedico WHERE CodTipoExame = 42"),
            "Raio-X d'Ávila|255|x' OR '1'='1");
  qvtest::Exec(Postgres(), "DELETE FROM RhsTipoExameMedico WHERE CodTipoExame < 42");
  EXPECT_EQ(Insert("Outro", 1, "S"), 43) << "the largest key plus one";
}

TEST_F(TipoExameTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoExameMedico VALUES (2147483647, 'Max', 0, 'S')");
  qvtest::Trace trace;
  EXPECT_EQ(Insert("Novo", 1, "S"), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoExameMedico"), 1);
}

TEST_F(TipoExameTest, FetchUpdateDelete) {
  Seed(Postgres());
  std::int32_t key = 12;
  std::string descr, ativado;
  std::uint8_t dias = 0;
  c.BusTipoExameMedico(Postgres(), desc, key, descr, dias, ativado);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(descr, "Retorno ao trabalho");
  EXPECT_EQ(dias, 15);
  EXPECT_EQ(ativado, "S");
  std::string only;
  c.BusDescrTipoExame(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Retorno ao trabalho");

  descr = "O'Brien UPPER cstr";
  dias = 200;
  ativado = "N";
  c.AltTipoExameMedico(Postgres(), desc, user, machine, key, descr, dias, ativado);
  EXPECT_EQ(qvhealth::Cell(Postgres(),
                           "SELECT DescrTipoExame || '|' || DiasDeParada || '|' || Ativado "
                           "FROM RhsTipoExameMedico WHERE CodTipoExame = 12"),
            "O'Brien UPPER cstr|200|N");
  EXPECT_EQ(qvhealth::Cell(Postgres(), "SELECT DescrTipoExame FROM RhsTipoExameMedico WHERE CodTipoExame = 10"),
            "Demissional");
  c.ExcTipoExameMedico(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoExameMedico WHERE CodTipoExame = 12"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoExameMedico"), 7);
}

TEST_F(TipoExameTest, FetchErrors) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* descr;  // outputs start as "old", 99, "old"
    int dias;
    const char* ativado;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", 99, "old"},
      {20, "94    Quorvel", "old", 99, "old"},
      {21, "94    Quorvel", "Sem ativação", 1, "old"},
      {22, "6    Quorvel", "Longo", 99, "old"},
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
    EXPECT_EQ(only, k.key == 77 || k.key == 20 ? "old" : k.descr) << k.key;
  }
}

struct ListCase {
  const char* name;
  Variant cod, descr, dias, ativado;
  const char* keys;  // in description order
  const char* desc = "";
  const char* sqlite_keys = nullptr;  // where SQLite differs (Null sorts first)
};

class TipoExameListTest : public TipoExameTest, public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {};

TEST_P(TipoExameListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  Variant list("replaced"), cod = k.cod, descr = k.descr, dias = k.dias, ativado = k.ativado;
  c.CarTipoExameMedico(conn, desc, list, cod, descr, dias, ativado);
  EXPECT_EQ(desc, k.desc);
  if (*k.desc) {
    EXPECT_EQ(list, Variant("replaced"));
    return;
  }
  EXPECT_EQ(qvhealth::Captions(list), qvhealth::Texts({"CodTipoExame", "DescrTipoExame", "Ativado"}));
  EXPECT_EQ(qvhealth::Col(list), std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, TipoExameListTest,
    ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(ListCase{"None", kNull, kNull, kNull, kNull, "1 5 10 22 2 12 21 20", "",
                                   "20 1 5 10 22 2 12 21"},
                          ListCase{"KeyAsNumber", Variant(std::int32_t{5}), kNull, kNull, kNull, "5"},
                          ListCase{"KeyPattern", Variant("1%"), kNull, kNull, kNull, "1 10 12"},
                          ListCase{"LowerCaseDescription", kNull, Variant("%ssional"), kNull, kNull, "1 10"},
                          ListCase{"PortugueseLetters", kNull, Variant("periódico"), kNull, kNull, "2"},
                          ListCase{"Days", kNull, kNull, Variant(std::int32_t{0}), kNull, "1 10"},
                          ListCase{"DaysAsText", kNull, kNull, Variant("15"), kNull, "12"},
                          ListCase{"Flag", kNull, kNull, kNull, Variant("N"), "5"},
                          ListCase{"Several", Variant("%"), Variant("%"), Variant(std::int32_t{1}), Variant("S"), "2"},
                          ListCase{"QuoteInDescription", kNull, Variant("x' OR '1'='1"), kNull, kNull, ""},
                          ListCase{"QuoteInFlag", kNull, kNull, kNull, Variant("S' OR '1'='1"), ""},
                          ListCase{"InjectionInDays", kNull, kNull, Variant("1 OR 1=1"), kNull, "", "13    Quorvel"},
                          ListCase{"EmptyDays", kNull, kNull, Variant(), kNull, "", "13    Quorvel"},
                          ListCase{"EmptyTextDays", kNull, kNull, Variant(""), kNull, "", "13    Quorvel"})),
    qvtest::DatabaseCaseName());

TEST_F(TipoExameTest, EmptyTableGivesTheCaptionsAndNullsStay) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  c.CarTipoExameMedico(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
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
  qvhealth::ExpectStatements(
      {
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
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoExameMedico"); });
}

TEST_F(TipoExameTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classTipoExameMedico> object;
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
