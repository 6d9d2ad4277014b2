// SPDX-License-Identifier: MIT
// classConselho: a catalogue of professional councils, their abbreviation and name.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "platform/win/msgbox.h"
#include "quorvel/personnel/classConselho.h"
#include "tests/quorvel/catalogue.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::CatalogueListTest;
using qvtest::CatalogueTest;
using qvtest::Postgres;
using quorvel::classConselho;

const Variant kNull(Null);

const qvtest::Catalogue kConselho{
    .name = "classConselho",
    .table = "RhsConselho",
    .key = "CodConselho",
    .text = "NomeConselho",
    .other_columns = ", SiglaConselho",
    .other_values = ", 'CR'",
    .captions = qvtest::Texts({"CodConselho", "SiglaConselho", "NomeConselho"}),
    .list = [](auto& conn, auto& desc, auto& list, auto& code, auto& text) {
      Variant sigla = kNull;
      classConselho().CarConselho(conn, desc, list, code, sigla, text);
    },
    .fetch = [](auto& conn, auto& desc, auto& key, auto& text) {
      std::string sigla = "old";
      classConselho().BusConselho(conn, desc, key, sigla, text);
    },
    .insert = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::string sigla = "CR";
      classConselho().IncConselho(conn, desc, user, machine, key, sigla, text);
    },
    .update = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key, auto& text) {
      std::string sigla = "CR";
      classConselho().AltConselho(conn, desc, user, machine, key, sigla, text);
    },
    .remove = [](auto& conn, auto& desc, auto& user, auto& machine, auto& key) {
      classConselho().ExcConselho(conn, desc, user, machine, key);
    },
    .create = &com::CreateDispatch<classConselho>,
    .fetch_method = "BusConselho",
    .fetch_arguments = 5,
    .fetch_text_at = 4,
};

INSTANTIATE_TEST_SUITE_P(Conselho, CatalogueTest, ::testing::Values(&kConselho), qvtest::CatalogueName);
INSTANTIATE_TEST_SUITE_P(Conselho, CatalogueListTest, qvtest::CatalogueListCases(kConselho),
                         qvtest::CatalogueListName);

class ConselhoTest : public ::testing::Test {
 protected:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsConselho"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsConselho;"
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

  classConselho c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ConselhoTest, InsertWritesTheAbbreviationAndTheName) {
  EXPECT_EQ(Insert("CRM", "Medicina"), 1);
  EXPECT_EQ(Insert("CRO", "Odontologia"), 2);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(
      qvtest::Cell(Postgres(), "SELECT SiglaConselho || '|' || NomeConselho FROM RhsConselho WHERE CodConselho = 2"),
      "CRO|Odontologia");
}

TEST_F(ConselhoTest, FetchReadsTheAbbreviationAndTheName) {
  Seed(Postgres());
  std::int32_t key = 3;
  std::string sigla, nome;
  c.BusConselho(Postgres(), desc, key, sigla, nome);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(key, 3);
  EXPECT_EQ(sigla, "CRO");
  EXPECT_EQ(nome, "Conselho de Odontologia e Saúde");
}

TEST_F(ConselhoTest, UpdateRewritesTheAbbreviation) {
  Seed(Postgres());
  std::int32_t key = 3;
  std::string sigla = "CRO-SP", nome = "Odontologia";
  c.AltConselho(Postgres(), desc, user, machine, key, sigla, nome);
  EXPECT_EQ(qvtest::Scalar(Postgres(), "SELECT SiglaConselho FROM RhsConselho WHERE CodConselho = 3"),
            Variant("CRO-SP"));
}

TEST_F(ConselhoTest, FetchStopsAtTheFirstNull) {
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

class ConselhoListTest : public qvtest::ListTest<ConselhoTest> {};

TEST_P(ConselhoListTest, Filters) {
  Seed(conn());
  auto f = Args(3);
  Variant list = qvtest::kUntouchedList;
  c.CarConselho(conn(), desc, list, f[0], f[1], f[2]);
  ExpectList(desc, list, qvtest::Texts({"CodConselho", "SiglaConselho", "NomeConselho"}));
}

// Keys by abbreviation.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "12 2 1 3"},
    {"OnlyTheLast", {kNull, kNull, Variant("%regional%")}, "12 2 1"},
    {"LowerCaseAbbreviation", {kNull, Variant("cr%")}, "2 1 3"},
    {"PortugueseLetters", {kNull, kNull, Variant("%saúde")}, "3"},
    {"CodeAsText", {Variant("1%")}, "12 1"},
    {"Several", {Variant("1%"), Variant("C%"), Variant("%MEDICINA%")}, "1"},
    {"NoMatch", {kNull, Variant("ZZ%")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, ConselhoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ConselhoTest, ListStatement) {
  qvtest::Trace trace;
  Variant list, null(Null), nome("x%");
  c.CarConselho(Postgres(), desc, list, null, null, nome);
  ASSERT_EQ(trace.statements().size(), 1u);
  EXPECT_EQ(trace.statements()[0],
            "SELECT * FROM RhsConselho WHERE UPPER(NomeConselho) LIKE 'X%' ORDER BY SiglaConselho");
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
  Seed(Postgres());
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
