// classConselho against PostgreSQL.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/win/msgbox.h"
#include "quorvel/personnel/classConselho.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

class ConselhoTest : public ::testing::Test {
 protected:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsConselho"); }
  void Seed() {
    qvtest::Exec(Postgres(),
                 "INSERT INTO RhsConselho VALUES (1, 'CRM', 'Conselho Regional de Medicina'),"
                 " (2, 'CREA', 'Conselho Regional de Engenharia'),"
                 " (3, 'CRO', 'Conselho de Odontologia e Saúde'),"
                 " (12, 'COREN', 'Conselho Regional de Enfermagem')");
  }
  std::int32_t Insert(std::string sigla, std::string nome) {
    std::int32_t key = -1;
    c.IncConselho(Postgres(), desc, user, machine, key, sigla, nome);
    return key;
  }

  quorvel::classConselho c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ConselhoTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert("CRM", "Medicina"), 1);
  EXPECT_EQ(Insert("CRO", "Odontologia"), 2);
  qvtest::Exec(Postgres(), "INSERT INTO RhsConselho VALUES (41, 'X', 'Y')");
  EXPECT_EQ(Insert("CRP", "Psicologia"), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Scalar(Postgres(), "SELECT NomeConselho FROM RhsConselho WHERE CodConselho = 42"),
            Variant("Psicologia"));
}

TEST_F(ConselhoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConselho VALUES (2147483647, 'MAX', 'Ultimo')");
  qvtest::Trace trace;
  EXPECT_EQ(Insert("CRM", "Medicina"), 0);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_FALSE(trace.Sent("INSERT")) << "no insert after a failed next key";
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConselho"), 1);
}

TEST_F(ConselhoTest, FetchUpdateDelete) {
  Seed();
  std::int32_t key = 3;
  std::string sigla, nome;
  c.BusConselho(Postgres(), desc, key, sigla, nome);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, 3);
  EXPECT_EQ(sigla, "CRO");
  EXPECT_EQ(nome, "Conselho de Odontologia e Saúde");

  sigla = "CRO-SP";
  nome = "Odontologia";
  c.AltConselho(Postgres(), desc, user, machine, key, sigla, nome);
  EXPECT_EQ(qvtest::Scalar(Postgres(), "SELECT SiglaConselho FROM RhsConselho WHERE CodConselho = 3"),
            Variant("CRO-SP"));

  std::int32_t missing = 99;
  c.AltConselho(Postgres(), desc, user, machine, missing, sigla, nome);  // changes nothing, no error
  c.ExcConselho(Postgres(), desc, user, machine, key);
  c.ExcConselho(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConselho WHERE CodConselho = 3"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConselho"), 3);
}

TEST_F(ConselhoTest, FetchErrors) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsConselho VALUES (5, 'CRF', NULL), (6, NULL, 'Sem sigla')");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* sigla;  // after the call; both start as "old"
    const char* nome;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", "old"},  // no row: nothing written
      {5, "94    Quorvel", "CRF", "old"},     // Null name: the abbreviation already written
      {6, "94    Quorvel", "old", "old"},     // Null abbreviation: the name not reached
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    std::string sigla = "old", nome = "old";
    desc = "before";
    c.BusConselho(Postgres(), desc, key, sigla, nome);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(sigla, k.sigla) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
    EXPECT_EQ(key, k.key);
  }
}

TEST_F(ConselhoTest, SuccessLeavesDescErrAlone) {
  Seed();
  desc = "texto anterior";
  Variant list;
  Variant null(Null);
  c.CarConselho(Postgres(), desc, list, null, null, null);
  EXPECT_EQ(Insert("CFP", "Psicologia"), 13);
  EXPECT_EQ(desc, "texto anterior");
}

struct ListCase {
  const char* name;
  Variant cod, sigla, nome;
  std::vector<std::int32_t> keys;
};

class ConselhoListTest : public ConselhoTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ConselhoListTest, Filters) {
  Seed();
  Variant list = Variant("replaced");
  Variant cod = GetParam().cod, sigla = GetParam().sigla, nome = GetParam().nome;
  c.CarConselho(Postgres(), desc, list, cod, sigla, nome);
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], (std::vector<Variant>{Variant("CodConselho"), Variant("SiglaConselho"), Variant("NomeConselho")}));
  std::vector<std::int32_t> keys;
  for (const Variant& v : qvtest::Column(list, 0)) keys.push_back(automation::CLng(v));
  EXPECT_EQ(keys, GetParam().keys);
}

const Variant kNull(Null);

INSTANTIATE_TEST_SUITE_P(
    All, ConselhoListTest,
    ::testing::Values(ListCase{"None", kNull, kNull, kNull, {12, 2, 1, 3}},  // by abbreviation
                      ListCase{"OnlyTheLast", kNull, kNull, Variant("%regional%"), {12, 2, 1}},
                      ListCase{"LowerCaseAbbreviation", kNull, Variant("cr%"), kNull, {2, 1, 3}},
                      ListCase{"PortugueseLetters", kNull, kNull, Variant("%saúde"), {3}},
                      ListCase{"CodeAsText", Variant("1%"), kNull, kNull, {12, 1}},
                      ListCase{"Several", Variant("1%"), Variant("C%"), Variant("%MEDICINA%"), {1}},
                      ListCase{"NoMatch", kNull, Variant("ZZ%"), kNull, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConselhoTest, ListStatementAndEmptyTable) {
  qvtest::Trace trace;
  Variant list, null(Null), nome("x%");
  c.CarConselho(Postgres(), desc, list, null, null, nome);
  ASSERT_EQ(trace.statements().size(), 1u);
  EXPECT_EQ(trace.statements()[0],
            "SELECT * FROM RhsConselho WHERE UPPER(NomeConselho) LIKE 'X%' ORDER BY SiglaConselho");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);  // captions alone
}

TEST_F(ConselhoTest, LongListKeepsEveryRowInOrder) {
  // Enough rows to fill several blocks of the list builder.
  qvtest::Exec(Postgres(),
               "INSERT INTO RhsConselho SELECT i, 'S' || lpad(i::text, 5, '0'), CASE WHEN i % 7 = 0 THEN NULL"
               " ELSE 'N' || i END FROM generate_series(1, 5000) AS i");
  Variant list, null(Null);
  c.CarConselho(Postgres(), desc, list, null, null, null);
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 5001u);
  EXPECT_EQ(rows[0][2], Variant("NomeConselho"));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 3u);
    ASSERT_EQ(automation::CLng(rows[i][0]), static_cast<std::int32_t>(i));
    ASSERT_EQ(rows[i][2], i % 7 == 0 ? Variant(Null) : Variant("N" + std::to_string(i)));
  }
}

TEST_F(ConselhoTest, ListFailureShowsTheDescriptionOnceThenSetsDescErr) {
  Seed();
  std::vector<std::string> shown;
  std::string desc_when_shown;
  win::ScopedMessageBoxHook hook([&](const win::MessageBoxRequest& r) {
    shown.push_back(r.text);
    desc_when_shown = desc;
    EXPECT_EQ(r.style, win::MB_OK);
    EXPECT_EQ(r.caption, "Quorvel");
    return win::IDOK;
  });
  qvtest::Exec(Postgres(), "ALTER TABLE RhsConselho RENAME TO RhsConselhoFora");
  Variant list("kept"), null(Null);
  desc = "";
  c.CarConselho(Postgres(), desc, list, null, null, null);
  qvtest::Exec(Postgres(), "ALTER TABLE RhsConselhoFora RENAME TO RhsConselho");

  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("rhsconselho"), std::string::npos) << shown[0];
  EXPECT_EQ(desc_when_shown, "");
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(list, Variant("kept")) << "the array is shaped only after the statement ran";
}

TEST_F(ConselhoTest, RefusedStatementIsReportedAndTheCallSucceeds) {
  EXPECT_EQ(Insert("SIGLA-LONGA-DEMAIS-PARA-A-COLUNA", "x"), 1);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsConselho"), 0);
}

}  // namespace
