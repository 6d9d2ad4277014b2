// SPDX-License-Identifier: MIT
// classBanco: a catalogue of banks, read only, keyed by the bank's number.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classBanco.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classBanco;

const Variant kNull(Null);

const qvtest::Catalogue kBanco{
    .name = "classBanco",
    .table = "RhsBanco",
    .key = "NumBanco",
    .text = "NomeBanco",
    .other_columns = ", RazaoSocialBanco",
    .other_values = ", 'Banco S.A.'",
    .captions = qvtest::Texts({"NumBanco", "NomeBanco", "RazaoSocialBanco"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant razao = kNull;
      classBanco().CarBanco(conn, desc, list, code, text, razao);
    },
    .fetch = [](auto& conn, auto& desc, auto& key, auto& text) {
      std::string razao = "old";
      classBanco().BusBanco(conn, desc, key, text, razao);
    },
    .create = &com::CreateDispatch<classBanco>,
    .fetch_method = "busbanco",
    .fetch_arguments = 5,
};

INSTANTIATE_TEST_SUITE_P(Banco, CatalogueTest, ::testing::Values(&kBanco), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(Banco, CatalogueListTest, qvtest::CatalogueListCases(kBanco), qvtest::CatalogueListName);

class BancoTest : public ::testing::Test {
 protected:
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsBanco;"
                 "INSERT INTO RhsBanco VALUES (1, 'Banco do Brasil', 'Banco do Brasil S.A.'),"
                 " (237, 'Bradesco', 'Banco Bradesco S.A.'), (104, 'Caixa', 'Caixa Econômica Federal'),"
                 " (341, 'Itaú', 'Itaú Unibanco S.A.'), (500, NULL, 'Sem nome'), (501, 'Sem razão', NULL)");
  }
  void SetUp() override { Seed(Postgres()); }
  classBanco b;
  std::string desc;
};

TEST_F(BancoTest, FetchReadsTheCompanyNameAndStopsAtTheFirstNull) {
  struct Case {
    std::int32_t num;
    const char* desc;
    const char* nome;  // both outputs start as "old"
    const char* razao;
  };
  const Case cases[] = {
      {104, "", "Caixa", "Caixa Econômica Federal"},
      {999, "3021    Quorvel", "old", "old"},
      {500, "94    Quorvel", "old", "old"},
      {501, "94    Quorvel", "Sem razão", "old"},
  };
  for (const Case& k : cases) {
    std::int32_t num = k.num;
    std::string nome = "old", razao = "old";
    desc.clear();
    b.BusBanco(Postgres(), desc, num, nome, razao);
    EXPECT_EQ(desc, k.desc) << k.num;
    EXPECT_EQ(num, k.num);
    EXPECT_EQ(nome, k.nome) << k.num;
    EXPECT_EQ(razao, k.razao) << k.num;
  }
}

class BancoListTest : public qvtest::ListTest<BancoTest> {};

TEST_P(BancoListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  b.CarBanco(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, qvtest::Texts({"NumBanco", "NomeBanco", "RazaoSocialBanco"}));
}

// Numbers in order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 104 237 341 500 501"},
    {"NumberPattern", {Variant("%3%")}, "237 341"},
    {"OnlyTheLast", {kNull, kNull, Variant("%s.a.%")}, "1 237 341"},
    {"PortugueseLetters", {kNull, Variant("itaú")}, "341"},
    {"Several", {Variant("1%"), Variant("%"), Variant("%econômica%")}, "104"},
};
INSTANTIATE_TEST_SUITE_P(All, BancoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(BancoTest, ListStatement) {
  qvtest::Trace trace;
  Variant list, num("50_"), null(Null);
  b.CarBanco(Postgres(), desc, list, num, null, null);
  ASSERT_EQ(trace.statements().size(), 1u);
  EXPECT_EQ(trace.statements()[0], "SELECT RhsBanco.* FROM RhsBanco WHERE NumBanco LIKE '50_' ORDER BY NumBanco");
}

TEST_F(BancoTest, ListKeepsNulls) {
  Variant list, num("50_"), null(Null);
  b.CarBanco(Postgres(), desc, list, num, null, null);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[1][1].is_null());
  EXPECT_TRUE(rows[2][2].is_null());
}

}  // namespace
