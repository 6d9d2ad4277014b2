// classTipoContrato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classTipoContrato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;
using qvtest::Keys;

const Variant kNull(Null);

// The six texts of a contract type, in column order.
struct Texts {
  std::string descr, nome, nome2, lei, designacao, ativado;
};

class ContratoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoContrato"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTipoContrato;"
                 "INSERT INTO RhsTipoContrato VALUES"
                 " (1, 'Experiência', 'Contrato de Experiência', 'Prazo de 90 dias', 'CLT art. 445', 'EMPREGADO', 'S'),"
                 " (2, 'Estágio', 'Termo de Compromisso', '', 'Lei 11.788', 'ESTAGIÁRIO', 'S'),"
                 " (10, 'Temporário', 'Contrato Temporário', '', 'Lei 6.019', 'TRABALHADOR', 'N'),"
                 " (11, 'Prazo determinado', 'Contrato por Prazo', '', 'CLT art. 443', 'EMPREGADO', 'S')");
  }
  std::int32_t Insert(Texts t) {
    std::int32_t key = -1;
    c.IncTipoContrato(Postgres(), desc, user, machine, key, t.descr, t.nome, t.nome2, t.lei, t.designacao,
                      t.ativado);
    return key;
  }
  Texts Stored(std::int32_t key) {
    Texts t;
    std::int32_t k = key;
    c.BusTipoContrato(Postgres(), desc, k, t.descr, t.nome, t.nome2, t.lei, t.designacao, t.ativado);
    return t;
  }

  quorvel::classTipoContrato c;
  std::string desc, user = "ana", machine = "estacao1";
};

bool operator==(const Texts& a, const Texts& b) {
  return a.descr == b.descr && a.nome == b.nome && a.nome2 == b.nome2 && a.lei == b.lei &&
         a.designacao == b.designacao && a.ativado == b.ativado;
}

TEST_F(ContratoTest, InsertAllocatesTheNextKeyAndStoresEveryText) {
  const Texts first{"Experiência", "Contrato", "de Experiência", "CLT", "EMPREGADO", "S"};
  EXPECT_EQ(Insert(first), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoContrato (CodTipoContrato) VALUES (41)");
  const Texts hostile{"d'Ávila", "x' OR '1'='1", "UPPER cstr csng", "", "O''Brien", "N"};
  EXPECT_EQ(Insert(hostile), 42);
  EXPECT_EQ(desc, "");
  EXPECT_TRUE(Stored(1) == first);
  EXPECT_TRUE(Stored(42) == hostile);
  EXPECT_EQ(desc, "");
}

TEST_F(ContratoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoContrato (CodTipoContrato) VALUES (2147483647)");
  qvtest::Trace trace;
  EXPECT_EQ(Insert({"a", "b", "c", "d", "e", "S"}), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT"));
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoContrato"), 1);
}

TEST_F(ContratoTest, FetchUpdateDelete) {
  Seed(Postgres());
  std::int32_t key = 2;
  std::string only;
  c.BusDescrTipoContrato(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Estágio");
  EXPECT_TRUE(Stored(2) == (Texts{"Estágio", "Termo de Compromisso", "", "Lei 11.788", "ESTAGIÁRIO", "S"}));

  Texts t{"Estágio obrigatório", "Termo", "Aditivo", "Lei 11.788/2008", "ESTUDANTE", "N"};
  c.AltTipoContrato(Postgres(), desc, user, machine, key, t.descr, t.nome, t.nome2, t.lei, t.designacao, t.ativado);
  EXPECT_TRUE(Stored(2) == t) << "every text rewritten, the designation included";
  EXPECT_EQ(Stored(1).descr, "Experiência");

  std::int32_t missing = 99;
  c.AltTipoContrato(Postgres(), desc, user, machine, missing, t.descr, t.nome, t.nome2, t.lei, t.designacao,
                    t.ativado);
  c.ExcTipoContrato(Postgres(), desc, user, machine, key);
  c.ExcTipoContrato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoContrato WHERE CodTipoContrato = 2"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoContrato"), 3);
}

TEST_F(ContratoTest, FetchErrors) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoContrato VALUES (5, 'Sem lei', 'N1', 'N2', NULL, 'D', 'S'),"
                           " (6, NULL, 'N1', 'N2', 'L', 'D', 'S'), (7, 'Sem flag', 'N1', 'N2', 'L', 'D', NULL)");
  struct Case {
    std::int32_t key;
    const char* desc;
    Texts after;  // every output starts as "old"
  };
  const Case cases[] = {
      {77, "3021    Quorvel", {"old", "old", "old", "old", "old", "old"}},
      {5, "94    Quorvel", {"Sem lei", "N1", "N2", "old", "old", "old"}},
      {6, "94    Quorvel", {"old", "old", "old", "old", "old", "old"}},
      {7, "94    Quorvel", {"Sem flag", "N1", "N2", "L", "D", "old"}},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    Texts t{"old", "old", "old", "old", "old", "old"};
    desc = "before";
    c.BusTipoContrato(Postgres(), desc, key, t.descr, t.nome, t.nome2, t.lei, t.designacao, t.ativado);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key);
    EXPECT_TRUE(t == k.after) << k.key;
  }
  std::int32_t key = 6;
  std::string descr = "old";
  desc.clear();
  c.BusDescrTipoContrato(Postgres(), desc, key, descr);
  EXPECT_EQ(desc, "94    Quorvel");
  key = 77;
  desc.clear();
  c.BusDescrTipoContrato(Postgres(), desc, key, descr);
  EXPECT_EQ(desc, "3021    Quorvel");
  EXPECT_EQ(descr, "old");
}

TEST_F(ContratoTest, SuccessLeavesDescErrAlone) {
  Seed(Postgres());
  desc = "texto anterior";
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull;
  c.CarTipoContrato(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(Insert({"a", "b", "c", "d", "e", "S"}), 12);
  EXPECT_EQ(desc, "texto anterior");
}

struct ListCase {
  const char* name;
  Variant cod, descr, ativado;
  const char* keys;                   // in description order
  const char* sqlite_keys = nullptr;  // where SQLite differs
};

class ContratoListTest : public ContratoTest, public ::testing::WithParamInterface<std::tuple<bool, ListCase>> {};

TEST_P(ContratoListTest, Filters) {
  const auto& [postgres, k] = GetParam();
  ado::Connection& conn = postgres ? qvtest::Postgres() : qvtest::Sqlite();
  Seed(conn);
  Variant list("replaced"), cod = k.cod, descr = k.descr, ativado = k.ativado;
  c.CarTipoContrato(conn, desc, list, cod, descr, ativado);
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  EXPECT_EQ(rows[0],
            (std::vector<Variant>{Variant("CodTipoContrato"), Variant("DescrTipoContrato"), Variant("Ativado")}));
  EXPECT_EQ(Keys(list), std::string(!postgres && k.sqlite_keys ? k.sqlite_keys : k.keys));
}

INSTANTIATE_TEST_SUITE_P(
    All, ContratoListTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(ListCase{"None", kNull, kNull, kNull, "2 1 11 10"},
                                         ListCase{"OnlyTheLast", kNull, kNull, Variant("N"), "10"},
                                         ListCase{"KeyPattern", Variant("1%"), kNull, kNull, "1 11 10"},
                                         ListCase{"KeyAsNumber", Variant(std::int32_t{2}), kNull, kNull, "2"},
                                         ListCase{"LowerCase", kNull, Variant("est%"), kNull, "2"},
                                         // SQLite's LIKE folds ASCII letters only.
                                         ListCase{"PortugueseLetters", kNull, Variant("%ário"), kNull, "10"},
                                         ListCase{"Several", Variant("1_"), Variant("%"), Variant("S"), "11"},
                                         ListCase{"NoMatch", kNull, Variant("zz%"), kNull, ""},
                                         ListCase{"QuoteInKey", Variant("1' OR '1'='1"), kNull, kNull, ""},
                                         ListCase{"QuoteInText", kNull, Variant("x' OR '1'='1"), kNull, ""})),
    qvtest::DatabaseCaseName());

TEST_F(ContratoTest, ListOnAnEmptyTableGivesTheCaptions) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull;
  c.CarTipoContrato(Postgres(), desc, list, n1, n2, n3);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(ContratoTest, Statements) {
  const qvtest::StatementCase<ContratoTest> cases[] = {
      {"BusDescr",
       [](ContratoTest& t) {
         std::int32_t key = 7;
         std::string d;
         t.c.BusDescrTipoContrato(Postgres(), t.desc, key, d);
       },
       {"SELECT RhsTipoContrato.DescrTipoContrato FROM   RhsTipoContrato WHERE  RhsTipoContrato.CodTipoContrato = 7"}},
      {"Exc",
       [](ContratoTest& t) {
         std::int32_t key = 7;
         t.c.ExcTipoContrato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsTipoContrato WHERE CodTipoContrato = 7"}},
      {"CarKey",
       [](ContratoTest& t) {
         Variant list, cod("1%"), n1 = kNull, n2 = kNull;
         t.c.CarTipoContrato(Postgres(), t.desc, list, cod, n1, n2);
       },
       {"SELECT * FROM RhsTipoContrato WHERE CodTipoContrato LIKE '1%' ORDER BY DescrTipoContrato"}},
      {"CarAll",
       [](ContratoTest& t) {
         Variant list, cod("1%"), d("est%"), a("S");
         t.c.CarTipoContrato(Postgres(), t.desc, list, cod, d, a);
       },
       {"SELECT * FROM RhsTipoContrato WHERE CodTipoContrato LIKE '1%' AND UPPER(DescrTipoContrato) LIKE 'EST%' "
        "AND Ativado = 'S' ORDER BY DescrTipoContrato"}},
      {"CarOffPostgres",
       [](ContratoTest& t) {
         Variant list, cod = kNull, d("est%"), a = kNull;
         t.c.CarTipoContrato(qvtest::Sqlite(), t.desc, list, cod, d, a);
       },
       {"SELECT * FROM RhsTipoContrato WHERE (DescrTipoContrato) LIKE 'EST%' ORDER BY DescrTipoContrato"}},
      {"Bus",
       [](ContratoTest& t) {
         std::int32_t key = 7;
         Texts x;
         t.c.BusTipoContrato(Postgres(), t.desc, key, x.descr, x.nome, x.nome2, x.lei, x.designacao, x.ativado);
       },
       {"SELECT RhsTipoContrato.* FROM   RhsTipoContrato WHERE CodTipoContrato = 7"}},
      {"Alt",
       [](ContratoTest& t) {
         std::int32_t key = 7;
         Texts x{"A", "B", "C", "D", "E", "S"};
         t.c.AltTipoContrato(Postgres(), t.desc, t.user, t.machine, key, x.descr, x.nome, x.nome2, x.lei,
                             x.designacao, x.ativado);
       },
       {"UPDATE RhsTipoContrato SET DescrTipoContrato = 'A', NomeContrato = 'B', NomeContrato2 = 'C', "
        "LeiContrato = 'D', DesignacaoContratado = 'E', Ativado = 'S' WHERE CodTipoContrato = 7"}},
      {"Inc",
       [](ContratoTest& t) {
         std::int32_t key = 7;
         Texts x{"A", "B", "C", "D", "E", "S"};
         t.c.IncTipoContrato(Postgres(), t.desc, t.user, t.machine, key, x.descr, x.nome, x.nome2, x.lei,
                             x.designacao, x.ativado);
       },
       {"SELECT MAX(CodTipoContrato) AS MaxCod FROM RhsTipoContrato",
        "INSERT INTO RhsTipoContrato (CodTipoContrato, DescrTipoContrato, NomeContrato, NomeContrato2, LeiContrato, "
        "DesignacaoContratado, Ativado) VALUES ( 1, 'A', 'B', 'C', 'D', 'E', 'S') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoContrato"); });
}

TEST_F(ContratoTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classTipoContrato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus(9);
  bus[0] = conn;
  bus[1] = Variant("");
  bus[2] = Variant(10.0);
  com::CallResult r = object.Invoke("BUSTIPOCONTRATO", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[2], Variant(std::int32_t{10}));
  EXPECT_EQ(bus[3], Variant("Temporário"));
  EXPECT_EQ(bus[8], Variant("N"));

  std::vector<Variant> car{conn, Variant(""), Variant(), Variant(Null), Variant("%"), Variant("N")};
  r = object.Invoke("CarTipoContrato", car);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(Keys(car[2]), "10");

  std::vector<Variant> exc{conn, Variant("")};
  r = object.Invoke("ExcTipoContrato", exc);
  EXPECT_TRUE(r.failed()) << "wrong argument count";
}

}  // namespace
