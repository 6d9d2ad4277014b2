// SPDX-License-Identifier: MIT
// classExameFuncionario against PostgreSQL, its list on SQLite too; the unit
// names come from the second connection.
#include "quorvel/health/classExameFuncionario.h"

#include <gtest/gtest.h>

#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;

// The writable values of an assignment.
struct Assignment {
  std::int32_t funcionario, tipo;
  std::string periodico, demissional;
  std::int32_t anos, meses, dias;
};

// The twelve filters of the list, all Null unless set.
using qvtest::Filters;

// The list's filters by position.
enum Filter : std::size_t {
  kCod, kFuncionario, kIndividual, kNome, kFilial, kTipo, kDescr, kPeriodico, kDemissional, kAnos, kMeses, kDias,
  kFilters
};

class ExameFuncionarioTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsExameFuncionario"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsExameFuncionario; DELETE FROM RhsTipoExameMedico; DELETE FROM RhsFilial;"
                 "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais; DELETE FROM CadCa;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (100, 'Ana Souza'), (101, 'João Lima');"
                 "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (1, 'Matriz'), (2, 'Recife');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual, CodFilial, CodCA) VALUES"
                 " (1, 100, 1, 5), (2, 101, 2, NULL), (3, 999, 2, 6), (4, 100, 1, 7);"
                 "INSERT INTO RhsTipoExameMedico VALUES (1, 'Admissional', 0, 'S'), (2, 'Periódico', 0, 'S'),"
                 " (3, 'Audiometria', 0, 'S');"
                 "INSERT INTO CadCa VALUES (5, 'Unidade Centro'), (6, NULL), (0, 'Sem unidade');"
                 "INSERT INTO RhsExameFuncionario VALUES (1, 1, 2, 'S', 'N', 1, 0, 0), (2, 1, 1, 'N', 'N', 0, 0, 0),"
                 " (3, 2, 3, 's', 'S', 2, 6, 0), (4, 3, 2, 'S', 'n', 1, 0, 15), (5, 9, 1, 'N', 'N', 10, 0, 0),"
                 " (6, 4, 9, 'N', 'N', 0, 0, 0)");
  }
  std::int32_t Insert(Assignment a) {
    std::int32_t key = -1;
    c.IncExameFuncionario(Postgres(), desc, user, machine, key, a.funcionario, a.tipo, a.periodico, a.demissional,
                          a.anos, a.meses, a.dias);
    return key;
  }
  void List(ado::Connection& conn, const Filters& filters, Variant& list, ado::Connection& second) {
    auto f = filters.Args(kFilters);
    c.CarExameFuncionario(conn, desc, list, f[kCod], f[kFuncionario], f[kIndividual], f[kNome], f[kFilial], f[kTipo],
                          f[kDescr], f[kPeriodico], f[kDemissional], f[kAnos], f[kMeses], f[kDias], second);
  }
  static std::string Stored(std::int32_t key) {
    return qvtest::Cell(Postgres(),
                          "SELECT CodFuncionario || '|' || CodTipoExame || '|' || Periodico || '|' || "
                          "Demissional || '|' || Anos || '|' || Meses || '|' || Dias "
                          "FROM RhsExameFuncionario WHERE CodExameFuncionario = " +
                              std::to_string(key));
  }

  quorvel::classExameFuncionario c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(ExameFuncionarioTest, InsertAllocatesTheNextKey) {
  EXPECT_EQ(Insert({1, 2, "S", "N", 1, 0, 0}), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsExameFuncionario (CodExameFuncionario) VALUES (41)");
  EXPECT_EQ(Insert({2, 3, "x' OR '1'='1", "O'Brien", -1, 14, 400}), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(1), "1|2|S|N|1|0|0");
  EXPECT_EQ(Stored(42), "2|3|x' OR '1'='1|O'Brien|-1|14|400");
}

TEST_F(ExameFuncionarioTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsExameFuncionario (CodExameFuncionario) VALUES (2147483647)", "RhsExameFuncionario",
      [&] {
        return Insert({1, 1, "", "", 0, 0, 0});
      },
      desc);
}

TEST_F(ExameFuncionarioTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // every output, "|"-separated; they start as -1 and "old"
  };
  const Case cases[] = {
      {3, "", "3|2|101|João Lima|3|Audiometria|s|S|2|6|0"},
      {77, "3021    Quorvel", "77|-1|-1|old|-1|old|old|old|-1|-1|-1"},
      {4, "94    Quorvel", "4|3|-1|old|-1|old|old|old|-1|-1|-1"},        // no person row
      {6, "94    Quorvel", "6|4|100|Ana Souza|9|old|old|old|-1|-1|-1"},  // exam type missing
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, funcionario = -1, individual = -1, tipo = -1, anos = -1, meses = -1, dias = -1;
    std::string nome = "old", descr = "old", periodico = "old", demissional = "old";
    desc.clear();
    c.BusExameFuncionario(Postgres(), desc, key, funcionario, individual, nome, tipo, descr, periodico, demissional,
                          anos, meses, dias);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream out;
    out << key << '|' << funcionario << '|' << individual << '|' << nome << '|' << tipo << '|' << descr << '|'
        << periodico << '|' << demissional << '|' << anos << '|' << meses << '|' << dias;
    EXPECT_EQ(out.str(), k.outputs) << k.key;
  }
}

TEST_F(ExameFuncionarioTest, UpdateRewritesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2, funcionario = 3, tipo = 3, anos = 4, meses = 5, dias = 6;
  std::string periodico = "S", demissional = "d'Ávila";
  desc.clear();
  c.AltExameFuncionario(Postgres(), desc, user, machine, key, funcionario, tipo, periodico, demissional, anos, meses,
                        dias);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(2), "3|3|S|d'Ávila|4|5|6");
  EXPECT_EQ(Stored(1), "1|2|S|N|1|0|0");
}

TEST_F(ExameFuncionarioTest, DeleteRemovesItsRowAlone) {
  Seed(Postgres());
  std::int32_t key = 2;
  c.ExcExameFuncionario(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsExameFuncionario"), 5);
}

TEST_F(ExameFuncionarioTest, ListRowsTakeTheUnitNameFromTheSecondConnection) {
  Seed(Postgres());
  Variant list;
  List(Postgres(), {}, list, Postgres());
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0],
            qvtest::Texts({"CodExameFuncionario", "CodFuncionario", "Nome", "NomeFil", "NomeCompletoCa",
                             "CodTipoExame", "DescrTipoExame", "Periodico", "Demissional", "Anos", "Meses", "Dias"}));
  EXPECT_EQ(qvtest::Keys(list), "2 5 3 1 4 6") << "ordered by exam description";
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{2}), Variant(std::int32_t{1}), Variant("Ana Souza"),
                                           Variant("Matriz"), Variant("Unidade Centro"), Variant(std::int32_t{1}),
                                           Variant("Admissional"), Variant("N"), Variant("N"), Variant(std::int32_t{0}),
                                           Variant(std::int32_t{0}), Variant(std::int32_t{0})}));
  EXPECT_EQ(qvtest::Keys(list, 4), "Unidade Centro Sem unidade Sem unidade Unidade Centro  ")
      << "no CodCa looks up 0; a Null name or no row gives \"\"";
  EXPECT_EQ(rows[2][2], kNull) << "employee 9 is missing";
  EXPECT_EQ(rows[6][6], kNull) << "exam type 9 is missing";

  // The look-ups go to the second connection, whatever ConnRH holds.
  qvtest::Exec(qvtest::Sqlite(), "DELETE FROM CadCa; INSERT INTO CadCa VALUES (5, 'Outra base')");
  qvtest::Trace trace;
  List(Postgres(), {}, list, qvtest::Sqlite());
  EXPECT_EQ(qvtest::Keys(list, 4), "Outra base   Outra base  ");
  EXPECT_EQ(trace.statements().size(), 7u) << "one look-up per row, nothing cached";
  EXPECT_EQ(trace.statements()[1], " SELECT NomeCompletoCa FROM CadCa WHERE CodCa = 5");
  EXPECT_EQ(trace.statements()[2], " SELECT NomeCompletoCa FROM CadCa WHERE CodCa = 0");
}

TEST_F(ExameFuncionarioTest, AFailingLookUpKeepsTheRowsSoFar) {
  Seed(Postgres());
  ado::Connection closed;
  Variant list;
  List(Postgres(), {}, list, closed);
  EXPECT_NE(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u) << "the captions and the failing row";
  EXPECT_EQ(rows[1][3], Variant("Matriz"));
  EXPECT_EQ(rows[1][4], Variant());
  EXPECT_EQ(rows[1][5], Variant());

  desc.clear();
  qvtest::Exec(Postgres(), "DELETE FROM RhsExameFuncionario");
  qvtest::Trace trace;
  List(Postgres(), {}, list, closed);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  EXPECT_EQ(trace.statements().size(), 1u) << "no record, no look-up";
}

class ExameFuncionarioListTest : public qvtest::ListTest<ExameFuncionarioTest> {};

TEST_P(ExameFuncionarioListTest, Filters) {
  Seed(conn());
  Variant list = qvtest::kUntouchedList;
  List(conn(), list_case().filters, list, conn());
  // Rows of equal descriptions come in the database's order: compare them as a set.
  ExpectList(desc, list, {}, qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5 6"},
    {"Key", Filters::At({{kCod, Variant(std::int32_t{3})}}), "3"},
    {"Employee", Filters::At({{kFuncionario, Variant(std::int32_t{1})}}), "1 2"},
    {"Person", Filters::At({{kIndividual, Variant("10_")}}), "1 2 3 6"},
    {"Name", Filters::At({{kNome, Variant("ana%")}}), "1 2 6"},
    {"NameWithPortugueseLetters", Filters::At({{kNome, Variant("joão%")}}), "3"},
    {"Branch", Filters::At({{kFilial, Variant(std::int32_t{2})}}), "3 4"},
    {"ExamType", Filters::At({{kTipo, Variant("2")}}), "1 4"},
    {"Description", Filters::At({{kDescr, Variant("%ssional")}}), "2 5"},
    {"PeriodicIgnoresCase", Filters::At({{kPeriodico, Variant("s")}}), "1 3 4"},
    {"DismissalKeepsItsCase", Filters::At({{kDemissional, Variant("N")}}), "1 2 5 6", "", "1 2 4 5 6"},
    {"Years", Filters::At({{kAnos, Variant("1%")}}), "1 4 5"},
    {"Months", Filters::At({{kMeses, Variant(std::int32_t{6})}}), "3"},
    {"Days", Filters::At({{kDias, Variant("15")}}), "4"},
    {"QuoteInName", Filters::At({{kNome, Variant("x' OR '1'='1")}}), ""},
    {"QuoteInYears", Filters::At({{kAnos, Variant("1' OR '1'='1")}}), ""},
};
INSTANTIATE_TEST_SUITE_P(All, ExameFuncionarioListTest, qvtest::OnBothDatabases(kListCases),
                         qvtest::DatabaseCaseName());

TEST_F(ExameFuncionarioTest, Statements) {
  std::int32_t key = 7, funcionario = 1, tipo = 2, anos = 3, meses = 4, dias = 5, n = 0;
  std::string periodico = "S", demissional = "N", s;
  Variant list;
  const std::string select =
      "SELECT RhsExameFuncionario.*, RhsTipoExameMedico.DescrTipoExame, RhsDadosPessoais.Nome, "
      "RhsDadosFuncionario.CodCa, RhsFilial.NomeFil FROM (((( RhsExameFuncionario "
      "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameFuncionario.CodTipoExame) "
      "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameFuncionario.CodFuncionario) "
      "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
      "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsDadosFuncionario.CodFilial) ";
  const std::string all =
      select +
      "WHERE  CodExameFuncionario LIKE '1' AND  RhsDadosFuncionario.CodFuncionario  LIKE '2' AND  "
      "RhsDadosFuncionario.CodIndividual LIKE '3' AND UPPER(Nome) LIKE 'ANA%' AND  RhsDadosFuncionario.CodFilial "
      "LIKE '4' AND  RhsTipoExameMedico.CodTipoExame LIKE '5' AND UPPER(DescrTipoExame) LIKE 'AUDIO%' AND "
      "UPPER(Periodico) LIKE 'S' AND Demissional LIKE 'n' AND  Anos LIKE '6' AND  Meses LIKE '7' AND  Dias LIKE '8' "
      "ORDER BY DescrTipoExame";
  const std::string sqlite = select +
                             "WHERE (Nome) LIKE 'ANA%' AND (DescrTipoExame) LIKE 'AUDIO%' AND (Periodico) LIKE 'S' "
                             "ORDER BY DescrTipoExame";
  const std::string none = select + " ORDER BY DescrTipoExame";
  qvtest::ExpectStatements(
      {
          {"CarNone", [&] { List(Postgres(), {}, list, Postgres()); }, {none.c_str()}},
          {"CarAll",
           [&] {
             List(Postgres(),
                  {Variant(std::int32_t{1}), Variant(std::int32_t{2}), Variant(std::int32_t{3}), Variant("ana%"),
                   Variant(std::int32_t{4}), Variant(std::int32_t{5}), Variant("audio%"), Variant("s"), Variant("n"),
                   Variant(std::int32_t{6}), Variant(std::int32_t{7}), Variant(std::int32_t{8})},
                  list, Postgres());
           },
           {all.c_str()}},
          {"CarOffPostgres",
           [&] {
             const Filters f =
                 Filters::At({{kNome, Variant("ana%")}, {kDescr, Variant("audio%")}, {kPeriodico, Variant("s")}});
             List(qvtest::Sqlite(), f, list, qvtest::Sqlite());
           },
           {sqlite.c_str()}},
          {"Bus",
           [&] { c.BusExameFuncionario(Postgres(), desc, key, n, n, s, n, s, s, s, n, n, n); },
           {"SELECT RhsExameFuncionario.*, RhsTipoExameMedico.DescrTipoExame, RhsDadosPessoais.CodIndividual, "
            "RhsDadosPessoais.Nome FROM ((( RhsExameFuncionario "
            "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameFuncionario.CodTipoExame) "
            "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameFuncionario.CodFuncionario) "
            "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
            "WHERE RhsExameFuncionario.CodExameFuncionario = 7"}},
          {"Alt",
           [&] {
             c.AltExameFuncionario(Postgres(), desc, user, machine, key, funcionario, tipo, periodico, demissional,
                                   anos, meses, dias);
           },
           {"UPDATE RhsExameFuncionario SET CodFuncionario = 1, CodTipoExame = 2, Periodico = 'S', "
            "Demissional = 'N', Anos = 3, Meses = 4, Dias = 5 WHERE CodExameFuncionario = 7"}},
          {"Exc",
           [&] { c.ExcExameFuncionario(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsExameFuncionario WHERE CodExameFuncionario = 7"}},
          {"Inc",
           [&] {
             c.IncExameFuncionario(Postgres(), desc, user, machine, key, funcionario, tipo, periodico, demissional,
                                   anos, meses, dias);
           },
           {"SELECT MAX(CodExameFuncionario) AS MaxCod FROM RhsExameFuncionario",
            "INSERT INTO RhsExameFuncionario (CodExameFuncionario, CodFuncionario, CodTipoExame, Periodico, "
            "Demissional, Anos, Meses, Dias) VALUES ( 1,  1,  2, 'S', 'N',  3,  4,  5) "}},
      },
      [] { qvtest::Exec(Postgres(), "DELETE FROM RhsExameFuncionario"); });
}

TEST_F(ExameFuncionarioTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classExameFuncionario> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args(16, kNull);
  args[0] = conn;
  args[1] = Variant("");
  args[2] = Variant();
  args[15] = conn;
  const com::CallResult r = object.Invoke("CarExameFuncionario", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[1], Variant(""));
  EXPECT_EQ(qvtest::Keys(args[2]), "2 5 3 1 4 6");
}

}  // namespace
