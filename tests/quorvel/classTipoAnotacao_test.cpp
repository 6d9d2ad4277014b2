// SPDX-License-Identifier: MIT
// classTipoAnotacao: a catalogue of annotation types, with their two flags.
#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "quorvel/administration/classTipoAnotacao.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classTipoAnotacao;

const Variant kNull(Null);

const qvtest::Catalogue kTipoAnotacao{
    .name = "classTipoAnotacao",
    .table = "RhsTipoAnotacao",
    .key = "CodTipoAnotacao",
    .text = "DescrTipoAnotacao",
    .other_columns = ", Falta, Ativado",
    .other_values = ", 'N', 'S'",
    .captions = qvtest::Texts({"CodTipoAnotacao", "DescrTipoAnotacao", "Falta", "Ativado"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant falta = kNull, ativado = kNull;
      classTipoAnotacao().CarTipoAnotacao(conn, desc, list, code, text, falta, ativado);
    },
    .fetch = [](auto& conn, auto& desc, auto& key, auto& text) {
      std::string falta = "old", ativado = "old";
      classTipoAnotacao().BusTipoAnotacao(conn, desc, key, text, falta, ativado);
    },
    .fetch_text = [](auto& conn, auto& desc, auto& key, auto& text) {
      classTipoAnotacao().BusDescrTipoAnotacao(conn, desc, key, text);
    },
    .insert = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::string falta = "N", ativado = "S";
      classTipoAnotacao().IncTipoAnotacao(conn, desc, user, machine, key, text, falta, ativado);
    },
    .update = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::string falta = "N", ativado = "S";
      classTipoAnotacao().AltTipoAnotacao(conn, desc, user, machine, key, text, falta, ativado);
    },
    .remove = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key) {
      classTipoAnotacao().ExcTipoAnotacao(conn, desc, user, machine, key);
    },
    .create = &com::CreateDispatch<classTipoAnotacao>,
    .fetch_method = "bustipoanotacao",
    .fetch_arguments = 6,
};

INSTANTIATE_TEST_SUITE_P(TipoAnotacao, CatalogueTest, ::testing::Values(&kTipoAnotacao), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(TipoAnotacao, CatalogueListTest, qvtest::CatalogueListCases(kTipoAnotacao),
                         qvtest::CatalogueListName);

class TipoAnotacaoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoAnotacao"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTipoAnotacao;"
                 "INSERT INTO RhsTipoAnotacao VALUES (1, 'Advertência', 'N', 'S'), (2, 'Elogio', 'N', 'N'),"
                 " (10, 'Atestado', 'S', 'S'), (11, 'Suspensão', 's', 'S'), (12, 'Sem flags', NULL, NULL)");
  }
  std::int32_t Insert(std::string descr, std::string falta, std::string ativado) {
    std::int32_t key = -1;
    c.IncTipoAnotacao(Postgres(), desc, user, machine, key, descr, falta, ativado);
    return key;
  }
  std::string Row(std::int32_t key) {
    return qvtest::Cell(Postgres(), "SELECT DescrTipoAnotacao || '|' || Falta || '|' || Ativado "
                                     "FROM RhsTipoAnotacao WHERE CodTipoAnotacao = " + std::to_string(key));
  }

  classTipoAnotacao c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TipoAnotacaoTest, InsertWritesTheFlags) {
  EXPECT_EQ(Insert("Advertência", "N", "S"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTipoAnotacao VALUES (41, 'X', 'N', 'N')");
  EXPECT_EQ(Insert("O'Brien x' OR '1'='1", "UPPER", "cstr'"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "Advertência|N|S");
  EXPECT_EQ(Row(42), "O'Brien x' OR '1'='1|UPPER|cstr'");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao"), 3);
}

TEST_F(TipoAnotacaoTest, FetchReadsTheFlags) {
  Seed(Postgres());
  std::int32_t key = 11;
  std::string descr, falta, ativado;
  c.BusTipoAnotacao(Postgres(), desc, key, descr, falta, ativado);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, 11);
  EXPECT_EQ(descr, "Suspensão");
  EXPECT_EQ(falta, "s");
  EXPECT_EQ(ativado, "S");
}

TEST_F(TipoAnotacaoTest, FetchOfTheDescriptionAlone) {
  Seed(Postgres());
  std::int32_t key = 11;
  std::string only;
  c.BusDescrTipoAnotacao(Postgres(), desc, key, only);
  EXPECT_EQ(only, "Suspensão");
}

TEST_F(TipoAnotacaoTest, UpdateRewritesTheFlags) {
  Seed(Postgres());
  std::int32_t key = 11;
  std::string descr = "Suspensão d'ofício", falta = "S", ativado = "N";
  c.AltTipoAnotacao(Postgres(), desc, user, machine, key, descr, falta, ativado);
  EXPECT_EQ(Row(11), "Suspensão d'ofício|S|N");
  EXPECT_EQ(Row(10), "Atestado|S|S");
}

TEST_F(TipoAnotacaoTest, DeleteRemovesTheRow) {
  Seed(Postgres());
  std::int32_t key = 11, missing = 99;
  c.ExcTipoAnotacao(Postgres(), desc, user, machine, missing);
  c.ExcTipoAnotacao(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao WHERE CodTipoAnotacao = 11"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTipoAnotacao"), 4);
}

TEST_F(TipoAnotacaoTest, FetchErrorsLeaveTheFlags) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* descr;  // outputs start as "old"
    const char* falta;
    const char* ativado;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", "old", "old"},
      {12, "94    Quorvel", "Sem flags", "old", "old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string descr = "old", falta = "old", ativado = "old";
    desc = "before";
    c.BusTipoAnotacao(Postgres(), desc, key, descr, falta, ativado);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(descr, k.descr) << k.key;
    EXPECT_EQ(falta, k.falta) << k.key;
    EXPECT_EQ(ativado, k.ativado) << k.key;
  }
}

TEST_F(TipoAnotacaoTest, FetchOfTheDescriptionOfAMissingKey) {
  std::int32_t key = 77;
  std::string only = "old";
  c.BusDescrTipoAnotacao(Postgres(), desc, key, only);
  EXPECT_EQ(desc, "3021    Quorvel");
  EXPECT_EQ(only, "old");
}

class TipoAnotacaoListTest : public qvtest::ListTest<TipoAnotacaoTest> {};

TEST_P(TipoAnotacaoListTest, Filters) {
  Seed(conn());
  auto f = Args(4);
  Variant list = qvtest::kUntouchedList;
  c.CarTipoAnotacao(conn(), desc, list, f[0], f[1], f[2], f[3]);
  ExpectList(desc, list, qvtest::Texts({"CodTipoAnotacao", "DescrTipoAnotacao", "Falta", "Ativado"}));
}

// Keys in description order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 10 2 12 11"},
    {"KeyPattern", {Variant("1%")}, "1 10 12 11"},
    {"PortugueseLetters", {kNull, Variant("%ão")}, "11"},
    {"FlagIsExact", {kNull, kNull, Variant("S")}, "10"},
    {"OnlyTheLast", {kNull, kNull, kNull, Variant("N")}, "2"},
    {"Several", {Variant("1_"), Variant("%"), Variant("s"), Variant("S")}, "11"},
    {"FlagTakesNoPattern", {kNull, kNull, Variant("%")}, ""},
    {"InjectionInKey", {Variant("1' OR '1'='1")}, ""},
    {"InjectionInFlag", {kNull, kNull, Variant("x' OR '1'='1")}, ""},
    {"QuoteInDescription", {kNull, Variant("O'Brien")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, TipoAnotacaoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(TipoAnotacaoTest, ListKeepsNullFlags) {
  Seed(Postgres());
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull;
  c.CarTipoAnotacao(Postgres(), desc, list, n1, n2, n3, n4);
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Advertência"), Variant("N"), Variant("S")}));
  EXPECT_TRUE(rows[4][2].is_null());
  EXPECT_TRUE(rows[4][3].is_null());
}

TEST_F(TipoAnotacaoTest, Statements) {
  std::int32_t key = 7;
  std::string d = "A", f = "N", a = "S";
  Variant list;
  const qvtest::StatementCase<> cases[] = {
      {"BusDescr",
       [&] {
         key = 7;
         std::string only;
         c.BusDescrTipoAnotacao(Postgres(), desc, key, only);
       },
       {"SELECT RhsTipoAnotacao.DescrTipoAnotacao FROM   RhsTipoAnotacao WHERE  RhsTipoAnotacao.CodTipoAnotacao = 7"}},
      {"Exc",
       [&] {
         key = 7;
         c.ExcTipoAnotacao(Postgres(), desc, user, machine, key);
       },
       {"DELETE FROM RhsTipoAnotacao WHERE CodTipoAnotacao = 7"}},
      {"CarAll",
       [&] {
         Variant cod("1%"), descr("adv%"), falta("N"), ativado("S");
         c.CarTipoAnotacao(Postgres(), desc, list, cod, descr, falta, ativado);
       },
       {"SELECT RhsTipoAnotacao.* FROM   RhsTipoAnotacao WHERE CStr(CodTipoAnotacao) LIKE '1%' AND "
        "UPPER(DescrTipoAnotacao) LIKE 'ADV%' AND Falta = 'N' AND Ativado = 'S' ORDER BY DescrTipoAnotacao"}},
      {"CarOffPostgres",
       [&] {
         Variant cod("1%"), descr("adv%"), falta = kNull, ativado = kNull;
         c.CarTipoAnotacao(qvtest::Sqlite(), desc, list, cod, descr, falta, ativado);
       },
       {"SELECT RhsTipoAnotacao.* FROM   RhsTipoAnotacao WHERE CStr(CodTipoAnotacao) LIKE '1%' AND "
        "(DescrTipoAnotacao) LIKE 'ADV%' ORDER BY DescrTipoAnotacao"}},
      {"Bus",
       [&] {
         key = 7;
         std::string x, y, z;
         c.BusTipoAnotacao(Postgres(), desc, key, x, y, z);
       },
       {"SELECT RhsTipoAnotacao.* FROM   RhsTipoAnotacao WHERE CodTipoAnotacao = 7"}},
      {"Alt",
       [&] {
         key = 7;
         c.AltTipoAnotacao(Postgres(), desc, user, machine, key, d, f, a);
       },
       {"UPDATE RhsTipoAnotacao SET DescrTipoAnotacao = 'A', Falta = 'N', Ativado = 'S' WHERE CodTipoAnotacao = 7"}},
      {"Inc",
       [&] {
         key = 7;
         c.IncTipoAnotacao(Postgres(), desc, user, machine, key, d, f, a);
       },
       {"SELECT MAX(CodTipoAnotacao) AS MaxCod FROM RhsTipoAnotacao",
        "INSERT INTO RhsTipoAnotacao (CodTipoAnotacao, DescrTipoAnotacao, Falta, Ativado) VALUES ( 1, 'A', 'N', 'S') "}},
  };
  qvtest::ExpectStatements(cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTipoAnotacao"); });
}

TEST_F(TipoAnotacaoTest, DispatchByNameGivesTheFlags) {
  Seed(Postgres());
  com::DispatchObject<classTipoAnotacao> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("10"), Variant(), Variant(), Variant()};
  const com::CallResult r = object.Invoke("bustipoanotacao", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[2], Variant(std::int32_t{10}));
  EXPECT_EQ(bus[3], Variant("Atestado"));
  EXPECT_EQ(bus[4], Variant("S"));
  EXPECT_EQ(bus[5], Variant("S"));
}

}  // namespace
