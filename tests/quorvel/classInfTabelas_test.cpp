// SPDX-License-Identifier: MIT
// classInfTabelas on both databases: field descriptions, whole tables, the
// catalogue and the writers from (column, literal) pairs.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/com/object.h"
#include "quorvel/common/sql.h"
#include "quorvel/personnel/classInfTabelas.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Bounds;
using automation::Null;
using automation::Variant;
using qvtest::RowsText;
using automation::VariantArray;

// A pair array: (i, 0) the column, (i, 1) the literal.
Variant Pairs(std::vector<std::pair<Variant, Variant>> pairs) {
  VariantArray a({Bounds{0, static_cast<long>(pairs.size()) - 1}, Bounds{0, 1}});
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    a.at(static_cast<long>(i), 0) = pairs[i].first;
    a.at(static_cast<long>(i), 1) = pairs[i].second;
  }
  return Variant(std::move(a));
}

TEST(CallerTexts, LiteralsAndNames) {
  struct Case {
    const char* text;
    bool literal;
    bool name;
  };
  const Case cases[] = {
      {"7", true, false},
      {"-2.25", true, false},
      {"+1e-3", true, false},
      {".5", true, false},
      {"1.", true, false},
      {" 7 ", true, false},
      {"Null", true, true},
      {"TRUE", true, true},
      {"'x'", true, false},
      {"''", true, false},
      {"'O''Brien'", true, false},
      {"'2024/03/05'", true, false},
      {"csng('1,5')", true, false},
      {"CSNG( '1.5' )", true, false},
      {"Codigo", false, true},
      {"_a1", false, true},
      {"public.AuxTeste", false, true},
      {"\"Nome do campo\"", false, true},
      {"\"a\"\"b\"", false, true},
      {"", false, false},
      {"'", false, false},
      {"'x", false, false},
      {"'x'y'", false, false},
      {"'x'' OR 1=1", false, false},
      {"'x'); DELETE FROM t; --", false, false},
      {"1 OR 1=1", false, false},
      {"1;", false, false},
      {"e5", false, true},
      {"1e", false, false},
      {"csng(1)", false, false},
      {"cstr('1')", false, false},
      {"1a", false, false},
      {"a b", false, false},
      {"a.", false, false},
      {".a", false, false},
      {"\"\"", false, false},
      {"\"a", false, false},
      {"t; DROP TABLE t", false, false},
      {"Descrição", false, true},
      {"Descrição--", false, false},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(quorvel::sql::IsLiteral(k.text), k.literal) << k.text;
    EXPECT_EQ(quorvel::sql::IsName(k.text), k.name) << k.text;
  }
}

TEST(CallerTexts, NumberOrQuoted) {
  struct Case {
    Variant value;
    const char* literal;  // nullptr: 13
  };
  const Case cases[] = {
      {Variant(std::int32_t{15}), "15"}, {Variant(1.5), "1.5"},           {Variant("1,5"), "1.5"},
      {Variant("'a''b'"), "'a''b'"},     {Variant("''"), "''"},           {Variant("a"), nullptr},
      {Variant("'a' OR 'b'"), nullptr},  {Variant("1 OR 1=1"), nullptr},  {Variant(""), nullptr},
      {Variant(), nullptr},              {Variant(Null), nullptr},
  };
  for (const Case& k : cases) {
    if (k.literal) {
      EXPECT_EQ(quorvel::sql::NumberOrQuoted(k.value), k.literal);
    } else {
      try {
        quorvel::sql::NumberOrQuoted(k.value);
        ADD_FAILURE() << "no type mismatch";
      } catch (const automation::Error& e) {
        EXPECT_EQ(e.number(), 13);
      }
    }
  }
}

class InfTabelasTest : public qvtest::DatabaseTest<> {
 public:
  void SetUp() override {
    qvtest::Exec(conn(),
                 "DROP TABLE IF EXISTS AuxTeste;"
                 "CREATE TABLE AuxTeste (Codigo integer NOT NULL PRIMARY KEY, Descricao varchar(40),"
                 " Valor double precision);"
                 "DELETE FROM FauTabelasAuxiliares;"
                 "INSERT INTO FauTabelasAuxiliares VALUES ('AuxTeste', 'Tabela de teste'),"
                 " ('RhsCorPele', 'Cor da pele')");
  }
  void Seed() {
    qvtest::Exec(conn(), "INSERT INTO AuxTeste VALUES (1, 'Branca', 1.5), (2, 'Amarela', NULL), (3, NULL, 3)");
  }
  std::string Rows() {
    Variant list, order("Codigo");
    std::string d;
    std::string table = "AuxTeste";
    t.pCarregaDadosTabela(conn(), d, table, order, list);
    return d.empty() ? RowsText(list) : d;
  }

  quorvel::classInfTabelas t;
  std::string desc, user = "ana", machine = "estacao1", table = "AuxTeste";
};

TEST_P(InfTabelasTest, FieldDescriptions) {
  Variant list("kept");
  t.pCarCamposTabela(conn(), desc, table, list);
  ASSERT_EQ(desc, "");
  // PostgreSQL reports the names it folded to lower case.
  EXPECT_EQ(RowsText(list), postgres() ? "Nome do campo|Tipo do campo|Tamanho do campo|Aceita nulos?/"
                                     "codigo|3|4|N/descricao|200|40|S/valor|5|8|S"
                                   : "Nome do campo|Tipo do campo|Tamanho do campo|Aceita nulos?/"
                                     "Codigo|3|4|N/Descricao|200|40|S/Valor|5|8|S");
  const auto rows = qvtest::Rows(list);
  EXPECT_EQ(rows[1][1], Variant(std::int32_t{3}));
  EXPECT_EQ(rows[1][2], Variant(std::int32_t{4}));

  std::string missing = "Nada";
  t.pCarCamposTabela(conn(), desc, missing, list);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(RowsText(list).substr(0, 13), "Nome do campo") << "kept after a failure";
}

TEST_P(InfTabelasTest, WholeTable) {
  struct Case {
    const char* name;
    Variant order;
    bool seed;
    const char* rows;
  };
  const Case cases[] = {
      {"Empty", Variant(Null), false, "Null"},
      {"ByKey", Variant("Codigo"), true, "1|Branca|1,5/2|Amarela|Null/3|Null|3"},
      {"Descending", Variant("Valor DESC, 1"), true, postgres() ? "2|Amarela|Null/3|Null|3/1|Branca|1,5"
                                                                 : "3|Null|3/1|Branca|1,5/2|Amarela|Null"},
  };
  for (const Case& k : cases) {
    qvtest::Exec(conn(), "DELETE FROM AuxTeste");
    if (k.seed) Seed();
    Variant list, order = k.order;
    desc.clear();
    t.pCarregaDadosTabela(conn(), desc, table, order, list);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(RowsText(list), k.rows) << k.name;
  }
  qvtest::Exec(conn(), "DELETE FROM AuxTeste; INSERT INTO AuxTeste VALUES (9, 'x', 1)");
  Variant list, order(Null);
  qvtest::Trace trace;
  t.pCarregaDadosTabela(conn(), desc, table, order, list);
  EXPECT_EQ(trace.statements(), std::vector<std::string>{"SELECT * FROM AuxTeste "});
  EXPECT_EQ(list.as_array().ubound(1), 2);
  EXPECT_EQ(list.as_array().ubound(2), 0) << "one record, no caption row";
}

TEST_P(InfTabelasTest, Catalogue) {
  Variant list;
  qvtest::Trace trace;
  t.pCarTabelasAuxiliares(conn(), desc, list);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements(), std::vector<std::string>{"SELECT * FROM FauTabelasAuxiliares "});
  const std::string text = RowsText(list);
  EXPECT_EQ(text.substr(0, 22), "NomeTabela|DescrTabela");
  EXPECT_NE(text.find("/AuxTeste|Tabela de teste"), std::string::npos) << text;
  EXPECT_NE(text.find("/RhsCorPele|Cor da pele"), std::string::npos) << text;
  EXPECT_EQ(qvtest::Rows(list).size(), 3u);

  qvtest::Exec(conn(), "ALTER TABLE FauTabelasAuxiliares RENAME TO FauFora");
  list = Variant("replaced");
  t.pCarTabelasAuxiliares(conn(), desc, list);
  qvtest::Exec(conn(), "ALTER TABLE FauFora RENAME TO FauTabelasAuxiliares");
  EXPECT_EQ(desc, "-2147217900    Quorvel");
  EXPECT_EQ(RowsText(list), "|") << "two Empty cells, shaped before the statement";
}

TEST_P(InfTabelasTest, WritersFromPairs) {
  Seed();
  struct Case {
    const char* name;
    std::function<void(InfTabelasTest&)> call;
    const char* statement;
    const char* rows;  // the table after the call
  };
  const Case cases[] = {
      {"Inc",
       [](InfTabelasTest& x) {
         Variant p = Pairs({{Variant("Codigo"), Variant(std::int32_t{7})}, {Variant("Descricao"), Variant("'X'")}});
         x.t.pIncTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, x.table, p);
       },
       "INSERT INTO AuxTeste (Codigo, Descricao) VALUES (7, 'X')",
       "1|Branca|1,5/2|Amarela|Null/3|Null|3/7|X|Null"},
      {"IncEveryLiteralKind",
       [](InfTabelasTest& x) {
         Variant p = Pairs({{Variant("Codigo"), Variant("8")},
                            {Variant("Descricao"), Variant("'O''Brien; UPPER(x)'")},
                            {Variant("Valor"), Variant("-2.25")}});
         x.t.pIncTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, x.table, p);
       },
       "INSERT INTO AuxTeste (Codigo, Descricao, Valor) VALUES (8, 'O''Brien; UPPER(x)', -2.25)",
       "1|Branca|1,5/2|Amarela|Null/3|Null|3/8|O'Brien; UPPER(x)|-2,25"},
      {"Alt",
       [](InfTabelasTest& x) {
         Variant p = Pairs({{Variant("Codigo"), Variant("2")}, {Variant("Descricao"), Variant("'X'")},
                            {Variant("Valor"), Variant("Null")}});
         x.t.pAltTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, x.table, p);
       },
       "UPDATE AuxTeste SET Descricao = 'X', Valor = Null WHERE Codigo = 2",
       "1|Branca|1,5/2|X|Null/3|Null|3"},
      {"Exc",
       [](InfTabelasTest& x) {
         // Only pair 0 is read.
         Variant p = Pairs({{Variant("Codigo"), Variant("1")}, {Variant("x; y"), Variant("1; DROP TABLE z")}});
         x.t.pExcTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, x.table, p);
       },
       "DELETE FROM AuxTeste WHERE Codigo = 1",
       "2|Amarela|Null/3|Null|3"},
  };
  // SQLite, which keeps any value in any column, has the writers read the
  // table's column types first (dates and integers are written as the columns keep them).
  std::vector<std::string> types;
  if (!postgres()) types.emplace_back("SELECT * FROM AuxTeste WHERE 1 <> 1");
  for (const Case& k : cases) {
    qvtest::Exec(conn(), "DELETE FROM AuxTeste");
    Seed();
    desc.clear();
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(desc, "") << k.name;
    std::vector<std::string> expected = types;
    expected.emplace_back(k.statement);
    EXPECT_EQ(trace.statements(), expected) << k.name;
    EXPECT_EQ(Rows(), k.rows) << k.name;
  }
}

TEST_P(InfTabelasTest, DatabaseRefusals) {
  Seed();
  struct Case {
    const char* name;
    Variant pairs;
    bool update;
  };
  const Case cases[] = {
      {"DuplicateKey", Pairs({{Variant("Codigo"), Variant("1")}}), false},
      {"UnknownColumn", Pairs({{Variant("Codigo"), Variant("9")}, {Variant("Nada"), Variant("1")}}), false},
      {"OnlyTheKeyLeavesNoAssignment", Pairs({{Variant("Codigo"), Variant("1")}}), true},
  };
  for (const Case& k : cases) {
    Variant p = k.pairs;
    desc.clear();
    if (k.update) t.pAltTabelasAuxiliares(conn(), desc, user, machine, table, p);
    else t.pIncTabelasAuxiliares(conn(), desc, user, machine, table, p);
    EXPECT_EQ(desc, "-2147217900    Quorvel") << k.name;
  }
  EXPECT_EQ(Rows(), "1|Branca|1,5/2|Amarela|Null/3|Null|3");
}

// ORDER BY: positions, names and functions of a name, each with its
// direction and NULLS FIRST/LAST, are sent as given; anything that could end
// the statement or add to it fails with 5 and sends nothing.
TEST_P(InfTabelasTest, OrderByTexts) {
  Seed();
  struct Case {
    const char* order;
    const char* codes;  // nullptr: refused
  };
  const Case cases[] = {
      {"Descricao NULLS FIRST", "3 2 1"},
      {"Descricao DESC NULLS LAST", "1 2 3"},
      {"UPPER(Descricao) NULLS LAST", "2 1 3"},
      {"lower(UPPER( Descricao )) asc nulls last", "2 1 3"},
      {"SUBSTR(Descricao, 2, 3) NULLS LAST", "2 1 3"},
      {"Valor DESC NULLS LAST, Codigo", "3 1 2"},
      {"2 NULLS LAST", "2 1 3"},
      {"AuxTeste.Codigo DESC", "3 2 1"},
      {"Codigo; DELETE FROM AuxTeste", nullptr},
      {"UPPER(Descricao)) UNION SELECT 1", nullptr},
      {"UPPER(Descricao", nullptr},
      {"UPPER('x')", nullptr},
      {"pg_sleep(1)", nullptr},
      {"pg_sleep(Codigo)", nullptr},
      {"pg_terminate_backend(Codigo)", nullptr},
      {"COALESCE(Valor, 0) DESC", "3 1 2"},
      {"Codigo NULLS", nullptr},
      {"Codigo NULLS MIDDLE", nullptr},
      {"Codigo DESC ASC", nullptr},
      {"Codigo NULLS LAST DESC", nullptr},
      {"Codigo -- x", nullptr},
      {"(SELECT 1)", nullptr},
      {"Codigo LIMIT 1", nullptr},
      {"Codigo,", nullptr},
      {"", nullptr},
      {"abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(abs(Codigo)))))))))))))))))", nullptr},  // deeper than any real use
  };
  std::string table = "AuxTeste";
  for (const Case& k : cases) {
    desc.clear();
    Variant list, order(k.order);
    qvtest::Trace trace;
    t.pCarregaDadosTabela(conn(), desc, table, order, list);
    if (!k.codes) {
      EXPECT_EQ(desc, "5    Quorvel") << k.order;
      EXPECT_TRUE(trace.statements().empty()) << k.order;
      continue;
    }
    EXPECT_EQ(desc, "") << k.order;
    EXPECT_EQ(trace.statements(), std::vector<std::string>{"SELECT * FROM AuxTeste ORDER BY " + std::string(k.order)})
        << k.order;
    std::string codes;
    for (const auto& row : qvtest::Rows(list)) codes += (codes.empty() ? "" : " ") + automation::CStr(row[0]);
    EXPECT_EQ(codes, k.codes) << k.order;
  }
}

// Names, ORDER BY texts and literals that are not what they claim to be
// fail with 5 and send nothing; a malformed pair array fails too.
TEST_P(InfTabelasTest, CallerTextsThatWouldChangeTheStatement) {
  Seed();
  struct Case {
    const char* name;
    std::function<void(InfTabelasTest&)> call;
    const char* desc;
  };
  const auto inc = [](std::string table, Variant pairs) {
    return [table, pairs](InfTabelasTest& x) mutable {
      x.t.pIncTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, table, pairs);
    };
  };
  const Case cases[] = {
      {"TableWithStatement", inc("AuxTeste (Codigo) VALUES (5); DELETE FROM AuxTeste; --",
                                 Pairs({{Variant("Codigo"), Variant("6")}})), "5    Quorvel"},
      {"ColumnWithStatement", inc("AuxTeste", Pairs({{Variant("Codigo) VALUES (5); --"), Variant("6")}})),
       "5    Quorvel"},
      {"LiteralEndingItsQuote", inc("AuxTeste", Pairs({{Variant("Codigo"), Variant("6")},
                                                       {Variant("Descricao"), Variant("'x'); DELETE FROM AuxTeste; --")}})),
       "5    Quorvel"},
      {"UnquotedText", inc("AuxTeste", Pairs({{Variant("Codigo"), Variant("6")}, {Variant("Descricao"), Variant("x")}})),
       "5    Quorvel"},
      {"NumberWithStatement", inc("AuxTeste", Pairs({{Variant("Codigo"), Variant("6 OR 1=1")}})), "5    Quorvel"},
      {"NullElement", inc("AuxTeste", Pairs({{Variant("Codigo"), Variant(Null)}})), "5    Quorvel"},
      {"KeyOfAnUpdate",
       [](InfTabelasTest& x) {
         Variant p = Pairs({{Variant("Codigo"), Variant("1 OR 1=1")}, {Variant("Descricao"), Variant("'x'")}});
         x.t.pAltTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, x.table, p);
       },
       "5    Quorvel"},
      {"KeyOfADelete",
       [](InfTabelasTest& x) {
         Variant p = Pairs({{Variant("Codigo"), Variant("1 OR 1=1")}});
         x.t.pExcTabelasAuxiliares(x.conn(), x.desc, x.user, x.machine, x.table, p);
       },
       "5    Quorvel"},
      {"OrderByWithStatement",
       [](InfTabelasTest& x) {
         Variant list, order("1; DELETE FROM AuxTeste");
         x.t.pCarregaDadosTabela(x.conn(), x.desc, x.table, order, list);
       },
       "5    Quorvel"},
      {"FieldsOfAStatement",
       [](InfTabelasTest& x) {
         std::string table = "AuxTeste; DELETE FROM AuxTeste";
         Variant list;
         x.t.pCarCamposTabela(x.conn(), x.desc, table, list);
       },
       "5    Quorvel"},
      {"PairsNotAnArray", inc("AuxTeste", Variant("Codigo")), "13    Quorvel"},
      {"PairsOneDimension", inc("AuxTeste", Variant(VariantArray({Bounds{0, 1}}))), "9    Quorvel"},
  };
  for (const Case& k : cases) {
    desc.clear();
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_TRUE(trace.statements().empty()) << k.name;
  }
  EXPECT_EQ(Rows(), "1|Branca|1,5/2|Amarela|Null/3|Null|3");
}

TEST_P(InfTabelasTest, DispatchByName) {
  Seed();
  com::DispatchObject<quorvel::classInfTabelas> object;
  const Variant conn = ConnRH();
  std::vector<Variant> load{conn, Variant(""), Variant("AuxTeste"), Variant("Codigo DESC"), Variant()};
  com::CallResult r = object.Invoke("pcarregadadostabela", load);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(RowsText(load[4]), "3|Null|3/2|Amarela|Null/1|Branca|1,5");

  std::vector<Variant> exc{conn, Variant(""), Variant("u"), Variant("m"), Variant("AuxTeste"),
                           Pairs({{Variant("Codigo"), Variant(std::int32_t{3})}})};
  r = object.Invoke("pExcTabelasAuxiliares", exc);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(exc[1], Variant(""));
  EXPECT_EQ(Rows(), "1|Branca|1,5/2|Amarela|Null");
}

INSTANTIATE_TEST_SUITE_P(Both, InfTabelasTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
