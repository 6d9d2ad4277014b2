// SPDX-License-Identifier: MIT
// classTipoContrato: a catalogue of contract types, with their five other texts.
#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "quorvel/personnel/classTipoContrato.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Keys;
using qvtest::Postgres;
using quorvel::classTipoContrato;

const Variant kNull(Null);

// The six texts of a contract type, in column order.
struct Texts {
  std::string descr, nome, nome2, lei, designacao, ativado;
  bool operator==(const Texts&) const = default;
};

const qvtest::Catalogue kTipoContrato{
    .name = "classTipoContrato",
    .table = "RhsTipoContrato",
    .key = "CodTipoContrato",
    .text = "DescrTipoContrato",
    .other_columns = ", NomeContrato, NomeContrato2, LeiContrato, DesignacaoContratado, Ativado",
    .other_values = ", 'N1', 'N2', 'L', 'D', 'S'",
    .captions = qvtest::Texts({"CodTipoContrato", "DescrTipoContrato", "Ativado"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant ativado = kNull;
      classTipoContrato().CarTipoContrato(conn, desc, list, code, text, ativado);
    },
    .fetch = [](auto& conn, auto& desc, auto& key, auto& text) {
      Texts t{"", "old", "old", "old", "old", "old"};
      classTipoContrato().BusTipoContrato(conn, desc, key, text, t.nome, t.nome2, t.lei, t.designacao, t.ativado);
    },
    .fetch_text = [](auto& conn, auto& desc, auto& key, auto& text) {
      classTipoContrato().BusDescrTipoContrato(conn, desc, key, text);
    },
    .insert = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      Texts t{"", "N1", "N2", "L", "D", "S"};
      classTipoContrato().IncTipoContrato(conn, desc, user, machine, key, text, t.nome, t.nome2, t.lei, t.designacao,
                                          t.ativado);
    },
    .update = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      Texts t{"", "N1", "N2", "L", "D", "S"};
      classTipoContrato().AltTipoContrato(conn, desc, user, machine, key, text, t.nome, t.nome2, t.lei, t.designacao,
                                          t.ativado);
    },
    .remove = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key) {
      classTipoContrato().ExcTipoContrato(conn, desc, user, machine, key);
    },
    .create = &com::CreateDispatch<classTipoContrato>,
    .fetch_method = "BusTipoContrato",
    .fetch_arguments = 9,
};

INSTANTIATE_TEST_SUITE_P(TipoContrato, CatalogueTest, ::testing::Values(&kTipoContrato), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(TipoContrato, CatalogueListTest, qvtest::CatalogueListCases(kTipoContrato),
                         qvtest::CatalogueListName);

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

  classTipoContrato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ContratoTest, InsertStoresEveryText) {
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

TEST_F(ContratoTest, InsertSendsNothingWhenTheNextKeyOverflowsOverARowOfNulls) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsTipoContrato (CodTipoContrato) VALUES (2147483647)", "RhsTipoContrato",
      [&] {
        return Insert({"a", "b", "c", "d", "e", "S"});
      },
      desc);
}

TEST_F(ContratoTest, FetchReadsEveryText) {
  Seed(Postgres());
  EXPECT_TRUE(Stored(2) == (Texts{"Estágio", "Termo de Compromisso", "", "Lei 11.788", "ESTAGIÁRIO", "S"}));
}

TEST_F(ContratoTest, FetchOfTheDescriptionAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  std::string only;
  c.BusDescrTipoContrato(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Estágio");
}

TEST_F(ContratoTest, UpdateRewritesEveryText) {
  Seed(Postgres());
  std::int32_t key = 2;
  Texts t{"Estágio obrigatório", "Termo", "Aditivo", "Lei 11.788/2008", "ESTUDANTE", "N"};
  c.AltTipoContrato(Postgres(), desc, user, machine, key, t.descr, t.nome, t.nome2, t.lei, t.designacao, t.ativado);
  EXPECT_TRUE(Stored(2) == t) << "every text rewritten, the designation included";
  EXPECT_EQ(Stored(1).descr, "Experiência");
}

TEST_F(ContratoTest, FetchStopsAtTheFirstNull) {
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
}

class ContratoListTest : public qvtest::ListTest<ContratoTest> {};

TEST_P(ContratoListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarTipoContrato(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, qvtest::Texts({"CodTipoContrato", "DescrTipoContrato", "Ativado"}));
}

// Keys in description order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "2 1 11 10"},
    {"OnlyTheLast", {kNull, kNull, Variant("N")}, "10"},
    {"KeyPattern", {Variant("1%")}, "1 11 10"},
    {"LowerCase", {kNull, Variant("est%")}, "2"},
    {"PortugueseLetters", {kNull, Variant("%ário")}, "10"},
    {"Several", {Variant("1_"), Variant("%"), Variant("S")}, "11"},
};
INSTANTIATE_TEST_SUITE_P(All, ContratoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ContratoTest, Statements) {
  std::int32_t key = 7;
  Texts x{"A", "B", "C", "D", "E", "S"};
  Variant list;
  const qvtest::StatementCase<> cases[] = {
      {"BusDescr",
       [&] {
         key = 7;
         std::string d;
         c.BusDescrTipoContrato(Postgres(), desc, key, d);
       },
       {"SELECT RhsTipoContrato.DescrTipoContrato FROM   RhsTipoContrato WHERE  RhsTipoContrato.CodTipoContrato = 7"}},
      {"Exc",
       [&] {
         key = 7;
         c.ExcTipoContrato(Postgres(), desc, user, machine, key);
       },
       {"DELETE FROM RhsTipoContrato WHERE CodTipoContrato = 7"}},
      {"CarKey",
       [&] {
         Variant cod("1%"), n1 = kNull, n2 = kNull;
         c.CarTipoContrato(Postgres(), desc, list, cod, n1, n2);
       },
       {"SELECT * FROM RhsTipoContrato WHERE CodTipoContrato LIKE '1%' ORDER BY DescrTipoContrato"}},
      {"CarAll",
       [&] {
         Variant cod("1%"), d("est%"), a("S");
         c.CarTipoContrato(Postgres(), desc, list, cod, d, a);
       },
       {"SELECT * FROM RhsTipoContrato WHERE CodTipoContrato LIKE '1%' AND UPPER(DescrTipoContrato) LIKE 'EST%' "
        "AND Ativado = 'S' ORDER BY DescrTipoContrato"}},
      {"CarOffPostgres",
       [&] {
         Variant cod = kNull, d("est%"), a = kNull;
         c.CarTipoContrato(qvtest::Sqlite(), desc, list, cod, d, a);
       },
       {"SELECT * FROM RhsTipoContrato WHERE (DescrTipoContrato) LIKE 'EST%' ORDER BY DescrTipoContrato"}},
      {"Bus",
       [&] {
         key = 7;
         Texts y;
         c.BusTipoContrato(Postgres(), desc, key, y.descr, y.nome, y.nome2, y.lei, y.designacao, y.ativado);
       },
       {"SELECT RhsTipoContrato.* FROM   RhsTipoContrato WHERE CodTipoContrato = 7"}},
      {"Alt",
       [&] {
         key = 7;
         c.AltTipoContrato(Postgres(), desc, user, machine, key, x.descr, x.nome, x.nome2, x.lei, x.designacao,
                           x.ativado);
       },
       {"UPDATE RhsTipoContrato SET DescrTipoContrato = 'A', NomeContrato = 'B', NomeContrato2 = 'C', "
        "LeiContrato = 'D', DesignacaoContratado = 'E', Ativado = 'S' WHERE CodTipoContrato = 7"}},
      {"Inc",
       [&] {
         key = 7;
         c.IncTipoContrato(Postgres(), desc, user, machine, key, x.descr, x.nome, x.nome2, x.lei, x.designacao,
                           x.ativado);
       },
       {"SELECT MAX(CodTipoContrato) AS MaxCod FROM RhsTipoContrato",
        "INSERT INTO RhsTipoContrato (CodTipoContrato, DescrTipoContrato, NomeContrato, NomeContrato2, LeiContrato, "
        "DesignacaoContratado, Ativado) VALUES ( 1, 'A', 'B', 'C', 'D', 'E', 'S') "}},
  };
  qvtest::ExpectStatements(cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoContrato"); });
}

class ContratoDispatchTest : public ContratoTest {
 protected:
  void SetUp() override { Seed(Postgres()); }
  com::DispatchObject<classTipoContrato> object;
  const Variant conn{std::shared_ptr<automation::Object>(qvtest::PostgresConnection())};
};

TEST_F(ContratoDispatchTest, FetchTakesTheKeyAsADouble) {
  std::vector<Variant> bus(9);
  bus[0] = conn;
  bus[1] = Variant("");
  bus[2] = Variant(10.0);
  const com::CallResult r = object.Invoke("BUSTIPOCONTRATO", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[2], Variant(std::int32_t{10}));
  EXPECT_EQ(bus[3], Variant("Temporário"));
  EXPECT_EQ(bus[8], Variant("N"));
}

TEST_F(ContratoDispatchTest, List) {
  std::vector<Variant> car{conn, Variant(""), Variant(), Variant(Null), Variant("%"), Variant("N")};
  const com::CallResult r = object.Invoke("CarTipoContrato", car);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(Keys(car[2]), "10");
}

TEST_F(ContratoDispatchTest, WrongArgumentCountFails) {
  std::vector<Variant> exc{conn, Variant("")};
  const com::CallResult r = object.Invoke("ExcTipoContrato", exc);
  EXPECT_TRUE(r.failed()) << "wrong argument count";
}

}  // namespace
