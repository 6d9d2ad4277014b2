// SPDX-License-Identifier: MIT
// classCursos against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classCursos.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

constexpr const char* kSelect =
    "SELECT RhsCursos.*, RhsDadosPessoais.Nome FROM ( RhsCursos LEFT JOIN RhsDadosPessoais ON "
    "RhsDadosPessoais.CodIndividual = RhsCursos.CodIndividual) ";

struct Course {
  std::int32_t key = -1, person = 0;
  std::string name, institution, period, duration, diploma;
};

class CursosTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsCursos; DELETE FROM RhsDadosPessoais"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsCursos; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana Souza'), (2, 'João Lima');"
                 "INSERT INTO RhsCursos VALUES (1, 1, 'Inglês avançado', 'Cultura Inglesa', '2019', '2 anos', 'Sim'),"
                 " (2, 1, 'Excel', 'SENAC', '2020/1', '40 h', 'Não'),"
                 " (3, 2, 'Gestão de pessoas', 'FGV', '2018', '1 ano', 'Sim'),"
                 " (4, 9, 'Inglês básico', 'Escola 50%', '2015', '6 meses', 'SIM'),"
                 " (5, 2, 'Redes', 'SENAI', NULL, '1 ano', 'Sim')");
  }
  Course Insert(Course k) {
    c.IncCurso(Postgres(), desc, user, machine, k.key, k.person, k.name, k.institution, k.period, k.duration,
               k.diploma);
    return k;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(),
                                     "SELECT CodIndividual || '|' || NomeCurso || '|' || Entidade || '|' || "
                                     "AnoPeriodo || '|' || Duracao || '|' || Diploma FROM RhsCursos "
                                     "WHERE CodRegCurso = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classCursos c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(CursosTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert({-1, 1, "Inglês", "Cultura", "2019", "2 anos", "Sim"}).key, 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsCursos (CodRegCurso, CodIndividual) VALUES (41, 1)");
  EXPECT_EQ(Insert({-1, 2, "O'Brien", "x' OR '1'='1", "UPPER", "cstr(1)", "csng"}).key, 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "1|Inglês|Cultura|2019|2 anos|Sim");
  EXPECT_EQ(Row(42), "2|O'Brien|x' OR '1'='1|UPPER|cstr(1)|csng");
}

TEST_F(CursosTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsCursos (CodRegCurso, CodIndividual) VALUES (2147483647, 1)", "RhsCursos",
      [&] {
        return Insert({-1, 1, "a", "b", "c", "d", "e"}).key;
      },
      desc);
}

TEST_F(CursosTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|person|name|course|institution|period|duration|diploma; "old"/-1 untouched
  };
  const Case cases[] = {
      {1, "", "1|1|Ana Souza|Inglês avançado|Cultura Inglesa|2019|2 anos|Sim"},
      {77, "3021    Quorvel", "77|-1|old|old|old|old|old|old"},
      {4, "94    Quorvel", "4|9|old|old|old|old|old|old"},  // the person is missing
      {5, "94    Quorvel", "5|2|João Lima|Redes|SENAI|old|old|old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, person = -1;
    std::string n = "old", a = "old", b = "old", p = "old", d = "old", g = "old";
    desc.clear();
    c.BusCurso(Postgres(), desc, key, person, n, a, b, p, d, g);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(person) + "|" + n + "|" + a + "|" + b + "|" + p + "|" + d +
                  "|" + g,
              k.outputs);
  }
}

TEST_F(CursosTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  desc = "texto anterior";
  std::int32_t key = 2, person = 2, missing = 99;
  std::string a = "Excel avançado", b = "SENAC d'Oeste", p = "2021", d = "60 h", g = "Sim";
  c.AltCurso(Postgres(), desc, user, machine, key, person, a, b, p, d, g);
  c.AltCurso(Postgres(), desc, user, machine, missing, person, a, b, p, d, g);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(2), "2|Excel avançado|SENAC d'Oeste|2021|60 h|Sim");
  EXPECT_EQ(Row(1), "1|Inglês avançado|Cultura Inglesa|2019|2 anos|Sim");
}

TEST_F(CursosTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  desc = "texto anterior";
  std::int32_t key = 2, missing = 99;
  c.ExcCurso(Postgres(), desc, user, machine, key);
  c.ExcCurso(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsCursos"), 4);
}

class CursosListTest : public qvtest::ListTest<CursosTest> {};

// The courses' names, sorted.
std::string CourseNames(const Variant& list) {
  std::vector<std::string> names;
  for (const Variant& v : qvtest::Column(list, 2)) names.push_back(automation::CStr(v));
  std::sort(names.begin(), names.end());
  std::string text;
  for (const auto& n : names) text += (text.empty() ? "" : ", ") + n;
  return text;
}

TEST_P(CursosListTest, Filters) {
  Seed(conn());
  auto f = Args(5);
  Variant list = qvtest::kUntouchedList;
  c.CarCurso(conn(), desc, list, f[0], f[1], f[2], f[3], f[4]);
  ExpectList(desc, list,
             qvtest::Texts({"CodIndividual", "Nome", "NomeCurso", "Entidade", "AnoPeriodo", "Duracao", "Diploma"}),
             CourseNames);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "Excel, Gestão de pessoas, Inglês avançado, Inglês básico, Redes"},
    {"Person", {Variant(std::int32_t{2})}, "Gestão de pessoas, Redes"},
    {"PersonAsText", {Variant("1")}, "Excel, Inglês avançado"},
    {"NameAnywhere", {kNull, Variant("inglês")}, "Inglês avançado, Inglês básico"},
    {"NameAnywhereAscii", {kNull, Variant("ado")}, "Inglês avançado"},
    {"CallersWildcards", {kNull, Variant("i_gl")}, "Inglês avançado, Inglês básico"},
    {"Institution", {kNull, kNull, Variant("sena")}, "Excel, Redes"},
    {"Period", {kNull, kNull, kNull, Variant("20")}, "Excel, Gestão de pessoas, Inglês avançado, Inglês básico"},
    {"DiplomaWhole",
     {kNull, kNull, kNull, kNull, Variant("sim")},
     "Gestão de pessoas, Inglês avançado, Inglês básico, Redes"},
    {"DiplomaStartOnly", {kNull, kNull, kNull, kNull, Variant("S")}, ""},
    {"All",
     {Variant(std::int32_t{1}), Variant("ingl"), Variant("cultura"), Variant("19"), Variant("SIM")},
     "Inglês avançado"},
    {"QuoteInName", {kNull, Variant("x' OR '1'='1")}, ""},
    {"PersonInjection", {Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"PersonEmpty", {Variant()}, "", "13    Quorvel"},
    {"PersonEmptyText", {Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, CursosListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(CursosTest, ListOnAnEmptyTableGivesTheCaptions) {
  Variant list, a = kNull, b = kNull, d = kNull, e = kNull, f = kNull;
  c.CarCurso(Postgres(), desc, list, a, b, d, e, f);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  EXPECT_EQ(qvtest::Rows(list)[0].size(), 7u);
}

TEST_F(CursosTest, ListKeepsACourseWhosePersonIsMissing) {
  Seed(Postgres());
  Variant list, person(std::int32_t{9}), b = kNull, d = kNull, e = kNull, f = kNull;
  c.CarCurso(Postgres(), desc, list, person, b, d, e, f);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][0], Variant(std::int32_t{9}));
  EXPECT_TRUE(rows[1][1].is_null()) << "a course whose person is missing";
}

TEST_F(CursosTest, Statements) {
  const qvtest::StatementCase<CursosTest> cases[] = {
      {"Inc", [](CursosTest& t) { t.Insert({-1, 3, "O'Brien", "b", "c", "d", "e"}); },
       {"SELECT MAX(CodRegCurso) AS MaxCod FROM RhsCursos",
        "INSERT INTO RhsCursos (CodRegCurso, CodIndividual, NomeCurso, Entidade, AnoPeriodo, Duracao, Diploma) "
        "VALUES ( 1,  3, 'O''Brien', 'b', 'c', 'd', 'e') "}},
      {"Alt",
       [](CursosTest& t) {
         std::int32_t key = 7, person = 3;
         std::string a = "a", b = "b", p = "c", d = "d", g = "e";
         t.c.AltCurso(Postgres(), t.desc, t.user, t.machine, key, person, a, b, p, d, g);
       },
       {"UPDATE RhsCursos SET CodIndividual = 3, NomeCurso = 'a', Entidade = 'b', AnoPeriodo = 'c', "
        "Duracao = 'd', Diploma = 'e' WHERE CodRegCurso = 7"}},
      {"Exc",
       [](CursosTest& t) {
         std::int32_t key = 7;
         t.c.ExcCurso(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsCursos WHERE CodRegCurso = 7"}},
      {"Bus",
       [](CursosTest& t) {
         std::int32_t key = 7, person = 0;
         std::string n, a, b, p, d, g;
         t.c.BusCurso(Postgres(), t.desc, key, person, n, a, b, p, d, g);
       },
       {std::string(kSelect) + "WHERE CodRegCurso = 7"}},
      {"CarAll",
       [](CursosTest& t) {
         Variant l, a(std::int32_t{3}), b("inglês"), d("x%"), e("2019"), f("sim");
         t.c.CarCurso(Postgres(), t.desc, l, a, b, d, e, f);
       },
       {std::string(kSelect) + "WHERE RhsCursos.CodIndividual = 3 AND UPPER(NomeCurso) LIKE '%INGLÊS%' AND "
                               "UPPER(Entidade) LIKE '%X%%' AND UPPER(AnoPeriodo) LIKE '%2019%' AND "
                               "UPPER(Diploma) = 'SIM'"}},
      {"CarOffPostgres",
       [](CursosTest& t) {
         Variant l, a = kNull, b("inglês"), d = kNull, e = kNull, f = kNull;
         t.c.CarCurso(qvtest::Sqlite(), t.desc, l, a, b, d, e, f);
       },
       {std::string(kSelect) + "WHERE (NomeCurso) LIKE '%INGLÊS%'"}},
  };
  qvtest::ExpectStatements(*this, cases);
}

TEST_F(CursosTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classCursos> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn,      Variant(""), Variant("3"), Variant(), Variant(), Variant(),
                           Variant(), Variant(),   Variant(),    Variant()};
  const com::CallResult r = object.Invoke("buscurso", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[3], Variant(std::int32_t{2}));
  EXPECT_EQ(bus[4], Variant("João Lima"));
  EXPECT_EQ(bus[5], Variant("Gestão de pessoas"));
  EXPECT_EQ(bus[9], Variant("Sim"));
}

}  // namespace
