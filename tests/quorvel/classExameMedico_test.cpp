// SPDX-License-Identifier: MIT
// classExameMedico against PostgreSQL; its list, its writes and the single-precision form on SQLite too.
#include "quorvel/health/classExameMedico.h"

#include <gtest/gtest.h>

#include "platform/automation/date.h"
#include "platform/automation/regional.h"
#include "platform/com/object.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Date;
using automation::DateSerial;
using automation::Variant;
using qvtest::kNull;
using qvtest::Postgres;
using qvtest::SortedKeys;

// The writable values of an exam record.
struct Exam {
  std::int32_t funcionario, tipo;
  Date data;
  std::string apto, riscos, complementares, medico;
  std::int32_t registro, conselho;
  float dias;
};

class ExameMedicoTest : public ::testing::Test {
 public:
  void SetUp() override { qvtest::Exec(Postgres(), "DELETE FROM RhsExameMedico"); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsExameMedico; DELETE FROM RhsTipoExameMedico; DELETE FROM RhsConselho;"
                 "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (100, 'Ana Souza'), (101, 'João Lima');"
                 "INSERT INTO RhsDadosFuncionario (CodFuncionario, CodIndividual) VALUES (1, 100), (2, 101), (3, 999);"
                 "INSERT INTO RhsTipoExameMedico VALUES (1, 'Admissional', 0, 'S'), (2, 'Periódico', 0, 'S');"
                 "INSERT INTO RhsConselho VALUES (1, 'CRM', 'Conselho Regional de Medicina');"
                 // The dates as the class writes them, which SQLite keeps as text.
                 "INSERT INTO RhsExameMedico VALUES"
                 " (1, 1, 1, '2024/03/05', 'S', 'Ruído', 'Audiometria', 'Dr. Paulo', 1234, 1, 0),"
                 " (2, 1, 2, '2024/09/10', 'N', '', '', 'Dra. Lia', 555, 1, 1.5),"
                 " (3, 2, 2, '2024/03/05', 'S', '', '', 'Dr. Paulo', 1234, 1, 2),"
                 " (4, 3, 1, '2023/01/02', 'S', '', '', 'Dr. Paulo', 1234, 1, 0),"
                 " (5, 2, 1, '2024/04/01', 'S', '', '', 'Dr. Rui', 77, 9, 0.25)");
  }
  std::int32_t Insert(ado::Connection& conn, Exam e) {
    std::int32_t key = -1;
    c.IncExameMedico(conn, desc, user, machine, key, e.funcionario, e.tipo, e.data, e.apto, e.riscos, e.complementares,
                     e.medico, e.registro, e.conselho, e.dias);
    return key;
  }
  // The stored row; dates as PostgreSQL writes them (SQLite keeps the text it was given).
  static std::string Stored(ado::Connection& conn, std::int32_t key) {
    std::string row =
        qvtest::Cell(conn,
                       "SELECT CodFuncionario || '|' || CodTipoExame || '|' || CAST(DataExame AS text) || "
                       "'|' || AptoFuncao || '|' || RiscosOcupacionais || '|' || ExamesComplementares || "
                       "'|' || MedicoResponsavel || '|' || NrRegistroMedico || '|' || CodConselho || '|' || "
                       "DiasPerdidos FROM RhsExameMedico WHERE CodRegExameMedico = " +
                           std::to_string(key));
    std::replace(row.begin(), row.end(), '/', '-');
    return row;
  }

  quorvel::classExameMedico c;
  std::string desc, user = "ana", machine = "estacao1";
};

class ExameMedicoDatabaseTest : public qvtest::DatabaseTest<ExameMedicoTest> {};

TEST_P(ExameMedicoDatabaseTest, InsertAllocatesTheNextKey) {
  ASSERT_EQ(automation::regional().decimal_separator, ",");
  qvtest::Exec(conn(), "DELETE FROM RhsExameMedico");
  EXPECT_EQ(Insert(conn(), {1, 2, DateSerial(2024, 3, 5), "S", "Ruído", "Audiometria", "Dr. Paulo", 1234, 1, 1.5f}),
            1);
  qvtest::Exec(conn(), "INSERT INTO RhsExameMedico (CodRegExameMedico) VALUES (41)");
  EXPECT_EQ(Insert(conn(), {2, 1, DateSerial(2023, 12, 31), "x' OR '1'='1", "UPPER cstr csng", "O'Brien", "d'Ávila", 0,
                            0, 0.25f}),
            42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(conn(), 1), "1|2|2024-03-05|S|Ruído|Audiometria|Dr. Paulo|1234|1|1.5");
  EXPECT_EQ(Stored(conn(), 42), "2|1|2023-12-31|x' OR '1'='1|UPPER cstr csng|O'Brien|d'Ávila|0|0|0.25");
}

TEST_P(ExameMedicoDatabaseTest, UpdateRewritesItsRowAlone) {
  Seed(conn());
  std::int32_t key = 3;
  Exam e{1, 1, DateSerial(2025, 2, 28), "Apto", "Calor", "Raio-X", "Dr. O'Hara", 99, 1, 3.75f};
  c.AltExameMedico(conn(), desc, user, machine, key, e.funcionario, e.tipo, e.data, e.apto, e.riscos, e.complementares,
                   e.medico, e.registro, e.conselho, e.dias);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Stored(conn(), 3), "1|1|2025-02-28|Apto|Calor|Raio-X|Dr. O'Hara|99|1|3.75");
  EXPECT_EQ(Stored(conn(), 2), "1|2|2024-09-10|N|||Dra. Lia|555|1|1.5");
}

TEST_P(ExameMedicoDatabaseTest, DeleteRemovesItsRow) {
  Seed(conn());
  std::int32_t key = 3;
  c.ExcExameMedico(conn(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(conn(), "RhsExameMedico"), 4);
}

INSTANTIATE_TEST_SUITE_P(Both, ExameMedicoDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

TEST_F(ExameMedicoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsExameMedico (CodRegExameMedico) VALUES (2147483647)", "RhsExameMedico",
      [&] {
        return Insert(Postgres(), {1, 1, DateSerial(2024, 1, 1), "S", "", "", "", 1, 1, 0});
      },
      desc);
}

TEST_F(ExameMedicoTest, Fetch) {
  Seed(Postgres());
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // every output, "|"-separated; they start as -1, "old" and 1900-01-01
  };
  const Case cases[] = {
      {2, "", "2|1|Ana Souza|2|Periódico|2024-09-10|N|||Dra. Lia|555|1|CRM|1.5"},
      {77, "3021    Quorvel", "77|-1|old|-1|old|1900-01-01|old|old|old|old|-1|-1|old|-1"},
      {4, "94    Quorvel", "4|3|old|-1|old|1900-01-01|old|old|old|old|-1|-1|old|-1"},          // no person row
      {5, "94    Quorvel", "5|2|João Lima|1|Admissional|2024-04-01|S|||Dr. Rui|77|9|old|-1"},  // no council row
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, funcionario = -1, tipo = -1, registro = -1, conselho = -1;
    std::string nome = "old", descr = "old", apto = "old", riscos = "old", complem = "old", medico = "old",
                sigla = "old";
    Date data = DateSerial(1900, 1, 1);
    float dias = -1;
    desc.clear();
    c.BusExameMedico(Postgres(), desc, key, funcionario, nome, tipo, descr, data, apto, riscos, complem, medico,
                     registro, conselho, sigla, dias);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream out;
    out << key << '|' << funcionario << '|' << nome << '|' << tipo << '|' << descr << '|'
        << automation::Format(Variant(data), "yyyy-mm-dd") << '|' << apto << '|' << riscos << '|' << complem << '|'
        << medico << '|' << registro << '|' << conselho << '|' << sigla << '|' << dias;
    EXPECT_EQ(out.str(), k.outputs) << k.key;
  }
}

class ExameMedicoListTest : public qvtest::ListTest<ExameMedicoTest> {};

const Variant N = kNull;

TEST_P(ExameMedicoListTest, Filters) {
  Seed(conn());
  auto f = Args(7);
  Variant list = qvtest::kUntouchedList;
  c.CarExameMedico(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegExameMedico", "CodFuncionario", "DescrTipoExame", "DataExame", "DiasPerdidos"}),
             qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Employee", {Variant(std::int32_t{1})}, "1 2"},
    {"ExamType", {N, Variant("2")}, "2 3"},
    {"Date", {N, N, Variant(DateSerial(2024, 3, 5))}, "1 3"},
    {"DateAsText", {N, N, Variant("05/03/2024")}, "1 3"},
    {"Fitness", {N, N, N, Variant("N")}, "2"},
    {"Registration", {N, N, N, N, Variant(std::int32_t{1234})}, "1 3 4"},
    {"Council", {N, N, N, N, N, Variant(std::int32_t{9})}, "5"},
    {"DaysWithComma", {N, N, N, N, N, N, Variant("1,5")}, "2"},
    {"DaysAsSingle", {N, N, N, N, N, N, Variant(0.25f)}, "5"},
    {"Several",
     {Variant(std::int32_t{2}), Variant(std::int32_t{2}), Variant(DateSerial(2024, 3, 5)), Variant("S"),
      Variant(std::int32_t{1234}), Variant(std::int32_t{1}), Variant(std::int32_t{2})},
     "3"},
    {"QuoteInFitness", {N, N, N, Variant("S' OR '1'='1")}, ""},
    {"InjectionInEmployee", {Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyCouncil", {N, N, N, N, N, Variant()}, "", "13    Quorvel"},
    {"EmptyTextDays", {N, N, N, N, N, N, Variant("")}, "", "13    Quorvel"},
    {"TextThatIsNoDate", {N, N, Variant("ontem' OR '1'='1")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, ExameMedicoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(ExameMedicoTest, ListRows) {
  Variant list, a = kNull, b = kNull, d = kNull, e = kNull, f = kNull, g = kNull, h = kNull;
  c.CarExameMedico(Postgres(), desc, list, a, b, d, e, f, g, h);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
  Seed(Postgres());
  qvtest::Exec(Postgres(), "INSERT INTO RhsExameMedico (CodRegExameMedico, CodTipoExame) VALUES (6, 44)");
  b = Variant(std::int32_t{44});
  c.CarExameMedico(Postgres(), desc, list, a, b, d, e, f, g, h);
  EXPECT_EQ(qvtest::Rows(list)[1], (std::vector<Variant>{Variant(std::int32_t{6}), kNull, kNull, kNull, kNull}));
  b = Variant(std::int32_t{2});
  f = Variant(std::int32_t{555});
  c.CarExameMedico(Postgres(), desc, list, a, b, d, e, f, g, h);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list)[1],
            (std::vector<Variant>{Variant(std::int32_t{2}), Variant(std::int32_t{1}), Variant("Periódico"),
                                  Variant(DateSerial(2024, 9, 10)), Variant(1.5)}));
}

TEST_F(ExameMedicoTest, Statements) {
  std::int32_t key = 7, funcionario = 1, tipo = 2, registro = 3, conselho = 4;
  std::string apto = "S", riscos = "R", complem = "C", medico = "M";
  Date data = DateSerial(2024, 3, 5);
  float dias = 1.5f;
  Variant list;
  const std::string select =
      "SELECT RhsExameMedico.*, RhsTipoExameMedico.DescrTipoExame FROM ( RhsExameMedico "
      "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameMedico.CodTipoExame) ";
  const std::string all = select +
                          "WHERE CodFuncionario = 1 AND RhsExameMedico.CodTipoExame = 2 AND DataExame = '2024/03/05' "
                          "AND AptoFuncao = 'S' AND NrRegistroMedico = 3 AND CodConselho = 4 AND DiasPerdidos = 1.5";
  const std::string update =
      "UPDATE RhsExameMedico SET CodFuncionario = 1, CodTipoExame = 2, DataExame = '2024/03/05', AptoFuncao = 'S', "
      "RiscosOcupacionais = 'R', ExamesComplementares = 'C', MedicoResponsavel = 'M', NrRegistroMedico = 3, "
      "CodConselho = 4, DiasPerdidos = csng('1.5') WHERE CodRegExameMedico = 7";
  const std::string insert =
      "INSERT INTO RhsExameMedico (CodRegExameMedico, CodFuncionario, CodTipoExame, DataExame, AptoFuncao, "
      "RiscosOcupacionais, ExamesComplementares, MedicoResponsavel, NrRegistroMedico, CodConselho, DiasPerdidos) "
      "VALUES ( 1,  1,  2, '2024/03/05', 'S', 'R', 'C', 'M',  3,  4, csng('1.5') ) ";
  std::string update_sqlite = update, insert_sqlite = insert;
  update_sqlite.replace(update_sqlite.find("csng"), 4, "");
  insert_sqlite.replace(insert_sqlite.find("csng"), 4, "");
  qvtest::ExpectStatements(
      {
          {"Bus",
           [&] {
             std::string s;
             std::int32_t n = 0;
             float f = 0;
             c.BusExameMedico(Postgres(), desc, key, n, s, n, s, data, s, s, s, s, n, n, s, f);
           },
           {"SELECT RhsExameMedico.*, RhsDadosPessoais.Nome, RhsTipoExameMedico.DescrTipoExame, "
            "RhsConselho.SiglaConselho FROM (((( RhsExameMedico "
            "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameMedico.CodFuncionario) "
            "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
            "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameMedico.CodTipoExame) "
            "LEFT JOIN RhsConselho ON RhsConselho.CodConselho = RhsExameMedico.CodConselho) "
            "WHERE CodRegExameMedico = 7"}},
          {"Exc",
           [&] { c.ExcExameMedico(Postgres(), desc, user, machine, key); },
           {"DELETE FROM RhsExameMedico WHERE CodRegExameMedico = 7"}},
          {"CarNone",
           [&] {
             Variant a = kNull, b = kNull, d = kNull, e = kNull, f = kNull, g = kNull, h = kNull;
             c.CarExameMedico(Postgres(), desc, list, a, b, d, e, f, g, h);
           },
           {select.c_str()}},
          {"CarAll",
           [&] {
             Variant a(std::int32_t{1}), b(std::int32_t{2}), d(data), e("S"), f(std::int32_t{3}), g(std::int32_t{4}),
                 h(1.5);
             c.CarExameMedico(Postgres(), desc, list, a, b, d, e, f, g, h);
           },
           {all.c_str()}},
          {"Alt",
           [&] {
             c.AltExameMedico(Postgres(), desc, user, machine, key, funcionario, tipo, data, apto, riscos, complem,
                              medico, registro, conselho, dias);
           },
           {update.c_str()}},
          {"AltOffPostgres",
           [&] {
             c.AltExameMedico(qvtest::Sqlite(), desc, user, machine, key, funcionario, tipo, data, apto, riscos,
                              complem, medico, registro, conselho, dias);
           },
           {update_sqlite.c_str()}},
          {"Inc",
           [&] {
             c.IncExameMedico(Postgres(), desc, user, machine, key, funcionario, tipo, data, apto, riscos, complem,
                              medico, registro, conselho, dias);
           },
           {"SELECT MAX(CodRegExameMedico) AS MaxCod FROM RhsExameMedico", insert.c_str()}},
          {"IncOffPostgres",
           [&] {
             c.IncExameMedico(qvtest::Sqlite(), desc, user, machine, key, funcionario, tipo, data, apto, riscos,
                              complem, medico, registro, conselho, dias);
           },
           {"SELECT MAX(CodRegExameMedico) AS MaxCod FROM RhsExameMedico", insert_sqlite.c_str()}},
      },
      [] {
        qvtest::Exec(Postgres(), "DELETE FROM RhsExameMedico");
        qvtest::Exec(qvtest::Sqlite(), "DELETE FROM RhsExameMedico");
      });
}

TEST_F(ExameMedicoTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classExameMedico> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus(16);
  bus[0] = conn;
  bus[1] = Variant("");
  bus[2] = Variant(std::int32_t{2});
  const com::CallResult r = object.Invoke("BUSEXAMEMEDICO", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[4], Variant("Ana Souza"));
  EXPECT_EQ(bus[7], Variant(DateSerial(2024, 9, 10)));
  EXPECT_EQ(bus[14], Variant("CRM"));
  EXPECT_EQ(bus[15], Variant(1.5f));
}

}  // namespace
