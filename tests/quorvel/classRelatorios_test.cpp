// SPDX-License-Identifier: MIT
// classRelatorios on both databases: the report catalogue and the scratch codes.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classRelatorios.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::RowsText;

class RelatoriosTest : public qvtest::DatabaseTest<> {
 public:
  void SetUp() override { qvtest::Exec(conn(), "DELETE FROM RhsRelatorios; DELETE FROM TempRegistros"); }
  // PostgreSQL reports the names it folded to lower case.
  std::string Captions() const {
    return postgres() ? "codrelatorio|descrrelatorio|arquivorelatorio" : "CodRelatorio|DescrRelatorio|ArquivoRelatorio";
  }
  std::string Codes() {
    std::string out;
    auto rs = conn().Execute("SELECT Codigo FROM TempRegistros ORDER BY Codigo");
    for (; !rs->EOF_(); rs->MoveNext()) out += (out.empty() ? "" : " ") + automation::CStr(rs->Fields("Codigo").Value());
    return out;
  }

  quorvel::classRelatorios r;
  std::string desc;
};

TEST_P(RelatoriosTest, CatalogueByDescriptionWithTheFieldNames) {
  qvtest::Exec(conn(), "INSERT INTO RhsRelatorios VALUES (1, 'Ficha de registro', 'ficha.rpt'),"
                       " (2, 'Aniversariantes', NULL), (3, 'Relação de cargos', 'cargos.rpt')");
  Variant list("replaced");
  qvtest::Trace trace;
  r.pCarRelatorios(conn(), desc, list);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements(), std::vector<std::string>{"SELECT * FROM RhsRelatorios ORDER BY DescrRelatorio "});
  EXPECT_EQ(RowsText(list), Captions() + "/2|Aniversariantes|Null/1|Ficha de registro|ficha.rpt/"
                                     "3|Relação de cargos|cargos.rpt");
  EXPECT_EQ(qvtest::Rows(list)[1][0], Variant(std::int32_t{2}));
}

TEST_P(RelatoriosTest, EmptyCatalogueIsTheCaptionRowAlone) {
  Variant list;
  desc = "antes";
  r.pCarRelatorios(conn(), desc, list);
  EXPECT_EQ(desc, "antes");
  EXPECT_EQ(RowsText(list), Captions());
}

TEST_P(RelatoriosTest, CatalogueFailure) {
  qvtest::Exec(conn(), "ALTER TABLE RhsRelatorios RENAME TO RhsRelatoriosFora");
  Variant list("kept");
  r.pCarRelatorios(conn(), desc, list);
  qvtest::Exec(conn(), "ALTER TABLE RhsRelatoriosFora RENAME TO RhsRelatorios");
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(list, Variant("kept"));
}

TEST_P(RelatoriosTest, ScratchCodes) {
  struct Case {
    const char* name;
    Variant code;
    const char* desc;
    const char* codes;  // the table after this and the cases before it
  };
  const Case cases[] = {
      {"Long", Variant(std::int32_t{15}), "", "15"},
      {"SameAgain", Variant(std::int32_t{15}), "", "15 15"},
      {"Digits", Variant("7"), "", "7 15 15"},
      {"Double", Variant(20.0), "", "7 15 15 20"},
      {"QuotedByTheCaller", Variant("'3'"), "", "3 7 15 15 20"},
      {"Statement", Variant("1); DELETE FROM TempRegistros; --"), "13    Quorvel", "3 7 15 15 20"},
      {"Condition", Variant("1 OR 1=1"), "13    Quorvel", "3 7 15 15 20"},
      {"HalfQuoted", Variant("'1'); DELETE FROM TempRegistros; --'"), "13    Quorvel", "3 7 15 15 20"},
      {"EmptyText", Variant(""), "13    Quorvel", "3 7 15 15 20"},
      {"Empty", Variant(), "13    Quorvel", "3 7 15 15 20"},
      {"Null", Variant(Null), "13    Quorvel", "3 7 15 15 20"},
  };
  for (const Case& k : cases) {
    Variant code = k.code;
    desc.clear();
    r.IncTabelaTemporaria(conn(), desc, code);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(Codes(), k.codes) << k.name;
  }
  qvtest::Trace trace;
  Variant code(std::int32_t{15});
  r.IncTabelaTemporaria(conn(), desc, code);
  r.ExcTabelaTemporaria(conn(), desc);
  r.ExcTabelaTemporaria(conn(), desc);  // nothing left: no error
  EXPECT_EQ(trace.statements(), (std::vector<std::string>{"INSERT INTO TempRegistros (Codigo)  VALUES (15)",
                                                          "DELETE  FROM TempRegistros", "DELETE  FROM TempRegistros"}));
  EXPECT_EQ(Codes(), "");
}

TEST_P(RelatoriosTest, DispatchByName) {
  com::DispatchObject<quorvel::classRelatorios> object;
  const Variant connection = ConnRH();
  std::vector<Variant> inc{connection, Variant(""), Variant(std::int16_t{4})};
  com::CallResult result = object.Invoke("inctabelatemporaria", inc);
  ASSERT_FALSE(result.failed()) << result.error.description;
  EXPECT_EQ(Codes(), "4");
  std::vector<Variant> exc{connection, Variant("")};
  result = object.Invoke("ExcTabelaTemporaria", exc);
  ASSERT_FALSE(result.failed());
  EXPECT_EQ(exc[1], Variant(""));
  EXPECT_EQ(Codes(), "");
  std::vector<Variant> car{connection, Variant(""), Variant()};
  result = object.Invoke("pCarRelatorios", car);
  ASSERT_FALSE(result.failed());
  EXPECT_EQ(RowsText(car[2]), Captions());
}

INSTANTIATE_TEST_SUITE_P(Both, RelatoriosTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
