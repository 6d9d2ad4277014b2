// SPDX-License-Identifier: MIT
// classConhecCandidato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classConhecCandidato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

constexpr const char* kSelect =
    "SELECT RhsConhecCandidato.*, RhsConhecimento.DescrConhec, RhsConhecimento.CodCompletoConhec, "
    "RhsConhecimento.DescrCompletaConhec FROM ( RhsConhecCandidato LEFT JOIN RhsConhecimento ON "
    "RhsConhecimento.CodConhec = RhsConhecCandidato.CodConhec) ";

class ConhecCandidatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsConhecCandidato; DELETE FROM RhsConhecimento;"
                 "INSERT INTO RhsConhecimento VALUES ('1', '', 'Informática', '.1.', '> Informática >'),"
                 " ('12', '1', 'Redes', '.1.12.', '> Informática > Redes >'), ('2', '', 'Inglês', '.2.', '> Inglês >');"
                 "INSERT INTO RhsConhecCandidato VALUES (1, 7, '1', 3, 'Planilhas'), (2, 7, '12', 5, 'Cisco'),"
                 " (3, 12, '2', 3, 'Fluente'), (4, 120, '99', 1, 'Antigo'), (5, 7, '12', 2, 'Cabeamento')");
  }
  std::int32_t Insert(std::int32_t candidate, std::string code, std::uint8_t level, std::string text) {
    std::int32_t key = -1;
    c.IncConhecCandidato(Postgres(), desc, user, machine, key, candidate, code, level, text);
    return key;
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(Postgres(), "SELECT CodCandidato || '|' || CodConhec || '|' || "
                                                 "NivelConhecCandidato || '|' || DescrConhecCandidato "
                                                 "FROM RhsConhecCandidato WHERE CodRegConhecCandidato = " +
                                                     std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }

  quorvel::classConhecCandidato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ConhecCandidatoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsConhecCandidato");
  EXPECT_EQ(Insert(7, "1", 3, "Planilhas"), 1);
  EXPECT_EQ(Insert(7, "1", 3, "Planilhas"), 2) << "a node may repeat";
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecCandidato VALUES (41, 1, '1', 1, 'x')");
  EXPECT_EQ(Insert(8, "x' OR '1'='1", 255, "O'Brien"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "7|1|3|Planilhas");
  EXPECT_EQ(Row(42), "8|x' OR '1'='1|255|O'Brien");
}

TEST_F(ConhecCandidatoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsConhecCandidato VALUES (2147483647, 1, '1', 1, 'x')", "RhsConhecCandidato",
      [&] { return Insert(7, "1", 1, "x"); }, desc);
}

TEST_F(ConhecCandidatoTest, Fetch) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConhecCandidato VALUES (6, 7, '1', 300, 'Demais'),"
                           " (7, 7, '2', 4, Null)");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // key|candidate|code|description|code path|description path|level|text
  };
  const Case cases[] = {
      {2, "", "2|7|12|Redes|.1.12.|> Informática > Redes >|5|Cisco"},
      {77, "3021    Quorvel", "77|-1|old|old|old|old|99|old"},
      {4, "94    Quorvel", "4|120|99|old|old|old|99|old"},  // its node is gone
      {6, "6    Quorvel", "6|7|1|Informática|.1.|> Informática >|99|old"},
      {7, "94    Quorvel", "7|7|2|Inglês|.2.|> Inglês >|4|old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, candidate = -1;
    std::string code = "old", node = "old", path = "old", texts = "old", text = "old";
    std::uint8_t level = 99;
    desc.clear();
    c.BusConhecCandidato(Postgres(), desc, key, candidate, code, node, path, texts, level, text);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(candidate) + "|" + code + "|" + node + "|" + path + "|" +
                  texts + "|" + std::to_string(level) + "|" + text,
              k.outputs);
  }
}

TEST_F(ConhecCandidatoTest, UpdateRewritesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, candidate = 18, missing = 99;
  std::string code = "O'Brien", text = "x' OR '1'='1";
  std::uint8_t level = 4;
  c.AltConhecCandidato(Postgres(), desc, user, machine, key, candidate, code, level, text);
  c.AltConhecCandidato(Postgres(), desc, user, machine, missing, candidate, code, level, text);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(Row(3), "18|O'Brien|4|x' OR '1'='1");
  EXPECT_EQ(Row(1), "7|1|3|Planilhas");
}

TEST_F(ConhecCandidatoTest, DeleteRemovesItsRowAlone) {
  desc = "texto anterior";
  std::int32_t key = 3, missing = 99;
  const long before = qvtest::Count(Postgres(), "RhsConhecCandidato");
  c.ExcConhecCandidato(Postgres(), desc, user, machine, key);
  c.ExcConhecCandidato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecCandidato WHERE CodRegConhecCandidato = 3"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConhecCandidato"), before - 1);
}

class ConhecCandidatoListTest : public qvtest::ListTest<ConhecCandidatoTest> {};

TEST_P(ConhecCandidatoListTest, Filters) {
  Seed(conn());
  auto f = Args(7);
  Variant list = qvtest::kUntouchedList;
  c.CarConhecCandidato(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegConhecCandidato", "CodCandidato", "CodConhec", "DescrConhec", "CodCompletoConhec",
                            "DescrCompletaConhec", "NivelConhecCandidato", "DescrConhecCandidato"}),
             qvtest::SortedKeys);
}

const Variant kN = kNull;

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Candidate", {Variant(std::int32_t{12})}, "3"},
    {"CandidatePattern", {Variant("12%")}, "3 4"},
    {"Node", {kN, Variant("12")}, "2 5"},
    {"NodeText", {kN, kN, Variant("redes")}, "2 5"},
    {"Subtree", {kN, kN, kN, Variant(".1.%")}, "1 2 5"},
    {"PathText", {kN, kN, kN, kN, Variant("%ingl%")}, "3"},
    {"Level", {kN, kN, kN, kN, kN, Variant(std::int32_t{3})}, "1 3"},
    {"OwnText", {kN, kN, kN, kN, kN, kN, Variant("cab%")}, "5"},
    {"EmptyOwnText", {kN, kN, kN, kN, kN, kN, Variant("")}, ""},
    {"All",
     {Variant("7"), Variant("12"), Variant("redes"), Variant(".1.12."), Variant("%REDES%"), Variant("5"),
      Variant("cisco")},
     "2"},
    {"QuoteInText", {kN, kN, kN, kN, kN, kN, Variant("x' OR '1'='1")}, ""},
    {"InjectionInLevel", {kN, kN, kN, kN, kN, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyLevel", {kN, kN, kN, kN, kN, Variant()}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ConhecCandidatoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ConhecCandidatoTest, ListBringsTheNodeAlong) {
  Variant list, a(std::int32_t{120}), n = kNull, b = n, d = n, e = n, f = n, g = n;
  c.CarConhecCandidato(Postgres(), desc, list, a, b, d, e, f, g, n);
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][2], Variant("99"));
  EXPECT_TRUE(rows[1][3].is_null() && rows[1][4].is_null() && rows[1][5].is_null()) << "a node not in the tree";
  a = Variant(std::int32_t{12});
  c.CarConhecCandidato(Postgres(), desc, list, a, b, d, e, f, g, n);
  rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{3}), Variant(std::int32_t{12}), Variant("2"),
                                           Variant("Inglês"), Variant(".2."), Variant("> Inglês >"),
                                           Variant(std::int16_t{3}), Variant("Fluente")}));
  a = Variant(std::int32_t{55});
  c.CarConhecCandidato(Postgres(), desc, list, a, b, d, e, f, g, n);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u) << "the caption row alone";
  EXPECT_EQ(desc, "");
}

TEST_F(ConhecCandidatoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(ConhecCandidatoTest&)> call;
    std::vector<std::string> statements;
  };
  const auto all = [](ConhecCandidatoTest& t, ado::Connection& conn) {
    Variant l, a("7"), b("1%"), d("redes"), e(".1.%"), f("%inf%"), g(std::int32_t{3}), h("ação");
    t.c.CarConhecCandidato(conn, t.desc, l, a, b, d, e, f, g, h);
  };
  const std::string where =
      "WHERE (CodCandidato) LIKE '7' AND RhsConhecCandidato.CodConhec LIKE '1%' AND UPPER(DescrConhec) LIKE "
      "'REDES' AND CodCompletoConhec LIKE '.1.%' AND UPPER(DescrCompletaConhec) LIKE '%INF%' AND "
      "NivelConhecCandidato = 3 AND UPPER(DescrConhecCandidato) LIKE 'AÇÃO'";
  std::string sqlite_where = where;
  for (std::size_t at; (at = sqlite_where.find("UPPER")) != std::string::npos;) sqlite_where.erase(at, 5);
  const Case cases[] = {
      {"Inc", [](ConhecCandidatoTest& t) { t.Insert(7, "O'Brien", 3, "a'b"); },
       {"SELECT MAX(CodRegConhecCandidato) AS MaxCod FROM RhsConhecCandidato",
        "INSERT INTO RhsConhecCandidato (CodRegConhecCandidato, CodCandidato, CodConhec, NivelConhecCandidato, "
        "DescrConhecCandidato) VALUES ( 6,  7, 'O''Brien',  3, 'a''b') "}},
      {"Alt",
       [](ConhecCandidatoTest& t) {
         std::int32_t key = 4, candidate = 7;
         std::string code = "12", text = "Cisco";
         std::uint8_t level = 2;
         t.c.AltConhecCandidato(Postgres(), t.desc, t.user, t.machine, key, candidate, code, level, text);
       },
       {"UPDATE RhsConhecCandidato SET CodCandidato = 7, CodConhec = '12', NivelConhecCandidato = 2, "
        "DescrConhecCandidato = 'Cisco' WHERE CodRegConhecCandidato = 4"}},
      {"Exc",
       [](ConhecCandidatoTest& t) {
         std::int32_t key = 4;
         t.c.ExcConhecCandidato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsConhecCandidato WHERE CodRegConhecCandidato = 4"}},
      {"Bus",
       [](ConhecCandidatoTest& t) {
         std::int32_t key = 2, candidate = 0;
         std::string code, node, path, texts, text;
         std::uint8_t level = 0;
         t.c.BusConhecCandidato(Postgres(), t.desc, key, candidate, code, node, path, texts, level, text);
       },
       {std::string(kSelect) + "WHERE CodRegConhecCandidato = 2"}},
      {"CarPostgres", [&](ConhecCandidatoTest& t) { all(t, Postgres()); }, {kSelect + where}},
      {"CarSqlite", [&](ConhecCandidatoTest& t) { all(t, qvtest::Sqlite()); }, {kSelect + sqlite_where}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(ConhecCandidatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classConhecCandidato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn,          Variant(""),    Variant("u"),  Variant("m"),
                           Variant(),     Variant("9"),   Variant("12"), Variant("4"), Variant("Roteadores")};
  const com::CallResult r = object.Invoke("IncConhecCandidato", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{6}));
  EXPECT_EQ(Row(6), "9|12|4|Roteadores");
}

}  // namespace
