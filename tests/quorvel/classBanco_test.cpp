// classBanco against PostgreSQL.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "quorvel/personnel/classBanco.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

class BancoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qvtest::Exec(Postgres(),
                 "DELETE FROM RhsBanco;"
                 "INSERT INTO RhsBanco VALUES (1, 'Banco do Brasil', 'Banco do Brasil S.A.'),"
                 " (237, 'Bradesco', 'Banco Bradesco S.A.'), (104, 'Caixa', 'Caixa Econômica Federal'),"
                 " (341, 'Itaú', 'Itaú Unibanco S.A.'), (500, NULL, 'Sem nome'), (501, 'Sem razão', NULL)");
  }
  quorvel::classBanco b;
  std::string desc;
};

TEST_F(BancoTest, FetchByNumber) {
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

struct ListCase {
  const char* name;
  Variant num, nome, razao;
  std::vector<std::int32_t> nums;
};

class BancoListTest : public BancoTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(BancoListTest, Filters) {
  Variant list, num = GetParam().num, nome = GetParam().nome, razao = GetParam().razao;
  b.CarBanco(Postgres(), desc, list, num, nome, razao);
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("NumBanco"), Variant("NomeBanco"), Variant("RazaoSocialBanco")}));
  std::vector<std::int32_t> nums;
  for (const Variant& v : qvtest::Column(list, 0)) nums.push_back(automation::CLng(v));
  EXPECT_EQ(nums, GetParam().nums);
}

const Variant kNull(Null);

INSTANTIATE_TEST_SUITE_P(
    All, BancoListTest,
    ::testing::Values(ListCase{"None", kNull, kNull, kNull, {1, 104, 237, 341, 500, 501}},
                      ListCase{"NumberPattern", Variant("%3%"), kNull, kNull, {237, 341}},
                      ListCase{"OnlyTheLast", kNull, kNull, Variant("%s.a.%"), {1, 237, 341}},
                      ListCase{"PortugueseLetters", kNull, Variant("itaú"), kNull, {341}},
                      ListCase{"Several", Variant("1%"), Variant("%"), Variant("%econômica%"), {104}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BancoTest, ListKeepsNullsAndTheStatement) {
  qvtest::Trace trace;
  Variant list, num("50_"), null(Null);
  b.CarBanco(Postgres(), desc, list, num, null, null);
  ASSERT_EQ(trace.statements().size(), 1u);
  EXPECT_EQ(trace.statements()[0], "SELECT RhsBanco.* FROM RhsBanco WHERE NumBanco LIKE '50_' ORDER BY NumBanco");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[1][1].is_null());
  EXPECT_TRUE(rows[2][2].is_null());
}

}  // namespace
