// SPDX-License-Identifier: MIT
// classFaltaFuncionario against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/administration/classFaltaFuncionario.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

std::string Keys(const Variant& list, long column = 0) {
  std::string out;
  for (const Variant& v : qvtest::Column(list, column)) out += (out.empty() ? "" : " ") + automation::CStr(v);
  return out;
}

// Employees 12 and 13 with their people, 14 without one; type 9 is missing.
void Seed(ado::Connection& conn) {
  qvtest::Exec(conn,
               "DELETE FROM RhsFaltaFuncionario; DELETE FROM RhsTipoFalta; DELETE FROM RhsDadosFuncionario;"
               " DELETE FROM RhsDadosPessoais;"
               "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana Souza'), (2, 'João Lima');"
               "INSERT INTO RhsDadosFuncionario (CodIndividual, CodFuncionario, CodFilial, CodCA) VALUES"
               " (1, 12, 1, 100), (2, 13, 2, 200), (99, 14, 1, 100);"
               "INSERT INTO RhsTipoFalta VALUES (1, 'Atestado', 'J'), (2, 'Sem aviso', 'I'), (3, 'Atraso', 'j');"
               "INSERT INTO RhsFaltaFuncionario VALUES"
               " (1, 12, 1, '2024-03-04', '2024-03-06', '08:30', 'Gripe'),"
               " (2, 12, 2, '2024-03-10', NULL, NULL, 'Sem aviso prévio'),"
               " (3, 13, 1, '2024-02-28', '2024-03-02', NULL, 'Começou antes'),"
               " (4, 13, 3, '2024-03-31', '2024-04-03', '04:00', 'Atraso'),"
               " (5, 14, 9, '2024-03-15', '2024-03-15', NULL, 'Tipo ausente'),"
               " (6, 12, 1, '2024-04-10', '2024-04-11', NULL, 'Abril')");
}

struct Absence {
  std::int32_t funcionario = 12, tipo = 1;
  Variant inicio = Variant(DateSerial(2024, 5, 6)), final_ = kNull, horas = kNull;
  std::string observacao = "Consulta";
};

class FaltaTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  std::int32_t Insert(Absence a) {
    std::int32_t key = -1;
    c.IncFaltaFuncionario(Postgres(), desc, user, machine, key, a.funcionario, a.tipo, a.inicio, a.final_, a.horas,
                          a.observacao);
    return key;
  }
  static std::string Row(std::int32_t key) {
    return qvtest::Cell(
        Postgres(), "SELECT CodFuncionario || '|' || CodTipoFalta || '|' || COALESCE(DataInicio::text, 'Null') || '|' ||"
                    " COALESCE(DataFinal::text, 'Null') || '|' || COALESCE(NrHoras::text, 'Null') || '|' || Observacao"
                    " FROM RhsFaltaFuncionario WHERE CodRegFaltaFuncionario = " + std::to_string(key));
  }
  double Total(automation::Date from, automation::Date to, Variant just = kNull, Variant func = kNull,
               Variant filial = kNull, Variant ca = kNull) {
    return c.fNrFaltasPeriodo(Postgres(), desc, from, to, just, func, filial, ca);
  }

  quorvel::classFaltaFuncionario c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(FaltaTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsFaltaFuncionario");
  EXPECT_EQ(Insert({}), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsFaltaFuncionario (CodRegFaltaFuncionario) VALUES (41)");
  Absence a;
  a.final_ = Variant(DateSerial(2024, 5, 8));
  a.horas = Variant(automation::TimeSerial(8, 30, 45));
  a.observacao = "O'Brien x' OR '1'='1 UPPER cstr";
  EXPECT_EQ(Insert(a), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "12|1|2024-05-06|Null|Null|Consulta");
  EXPECT_EQ(Row(42), "12|1|2024-05-06|2024-05-08|08:30:00|O'Brien x' OR '1'='1 UPPER cstr");
}

TEST_F(FaltaTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsFaltaFuncionario (CodRegFaltaFuncionario) VALUES (2147483647)", "RhsFaltaFuncionario",
      [&] { return Insert({}); }, desc);
}

TEST_F(FaltaTest, HostileValuesOnTheWriters) {
  struct Case {
    const char* name;
    Variant inicio, final_, horas;
  };
  const Case cases[] = {
      {"TextDate", Variant("x' OR '1'='1"), kNull, kNull},
      {"TextEndDate", Variant(DateSerial(2024, 5, 6)), Variant("2024-13-45"), kNull},
      {"TextHours", Variant(DateSerial(2024, 5, 6)), kNull, Variant("08:30' OR '1'='1")},
  };
  for (const Case& k : cases) {
    Absence a;
    a.inicio = k.inicio;
    a.final_ = k.final_;
    a.horas = k.horas;
    desc.clear();
    qvtest::Trace trace;
    Insert(a);
    EXPECT_EQ(desc, "13    Quorvel") << k.name;
    std::int32_t key = 1;
    c.AltFaltaFuncionario(Postgres(), desc, user, machine, key, a.funcionario, a.tipo, a.inicio, a.final_, a.horas,
                          a.observacao);
    EXPECT_EQ(desc, "13    Quorvel") << k.name;
    EXPECT_FALSE(trace.Sent("INSERT")) << k.name;
    EXPECT_FALSE(trace.Sent("UPDATE")) << k.name;
  }
  EXPECT_EQ(Row(1), "12|1|2024-03-04|2024-03-06|08:30:00|Gripe");
}

TEST_F(FaltaTest, FetchReadsTheStoredJustificationCode) {
  std::int32_t key = 1, func = 0, indiv = 0, tipo = 0;
  std::string nome, descr, just, obs;
  Variant inicio, final_, horas;
  c.BusFaltaFuncionario(Postgres(), desc, key, func, indiv, nome, tipo, descr, just, inicio, final_, horas, obs);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(func, 12);
  EXPECT_EQ(indiv, 1);
  EXPECT_EQ(nome, "Ana Souza");
  EXPECT_EQ(tipo, 1);
  EXPECT_EQ(descr, "Atestado");
  EXPECT_EQ(just, "J") << "the stored code, not the words of the list";
  EXPECT_EQ(inicio, Variant(DateSerial(2024, 3, 4)));
  EXPECT_EQ(final_, Variant(DateSerial(2024, 3, 6)));
  EXPECT_EQ(automation::CStr(horas).substr(0, 5), "08:30");
  EXPECT_EQ(obs, "Gripe");
}

TEST_F(FaltaTest, FetchGivesNullEndAndHours) {
  std::int32_t key = 2, func = 0, indiv = 0, tipo = 0;
  std::string nome, descr, just, obs;
  Variant inicio, final_, horas;
  c.BusFaltaFuncionario(Postgres(), desc, key, func, indiv, nome, tipo, descr, just, inicio, final_, horas, obs);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(just, "I");
  EXPECT_TRUE(final_.is_null());
  EXPECT_TRUE(horas.is_null());
}

TEST_F(FaltaTest, UpdateRewritesItsRowAlone) {
  std::int32_t key = 2, f = 13, t = 3;
  Variant i(DateSerial(2024, 3, 11)), e(DateSerial(2024, 3, 12)), h(automation::TimeSerial(2, 15, 0));
  std::string o = "Atraso d'ônibus";
  c.AltFaltaFuncionario(Postgres(), desc, user, machine, key, f, t, i, e, h, o);
  EXPECT_EQ(Row(2), "13|3|2024-03-11|2024-03-12|02:15:00|Atraso d'ônibus");
  EXPECT_EQ(Row(1), "12|1|2024-03-04|2024-03-06|08:30:00|Gripe");
}

TEST_F(FaltaTest, UpdateWritesNullDatesAndHours) {
  std::int32_t key = 2, f = 13, t = 3;
  Variant i = kNull, e = kNull, h = kNull;
  std::string o = "Atraso d'ônibus";
  c.AltFaltaFuncionario(Postgres(), desc, user, machine, key, f, t, i, e, h, o);
  EXPECT_EQ(Row(2), "13|3|Null|Null|Null|Atraso d'ônibus");
}

TEST_F(FaltaTest, DeleteRemovesItsRowAlone) {
  std::int32_t key = 2, missing = 99;
  c.ExcFaltaFuncionario(Postgres(), desc, user, machine, missing);
  c.ExcFaltaFuncionario(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsFaltaFuncionario WHERE CodRegFaltaFuncionario = 2"), 0);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsFaltaFuncionario"), 5);
}

TEST_F(FaltaTest, FetchErrors) {
  struct Case {
    std::int32_t key;
    const char* desc;
    std::int32_t func, indiv;  // outputs start as -1 and "old"
    const char* nome;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", -1, -1, "old"},
      {5, "94    Quorvel", 14, -1, "old"},  // no person for the employee
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, func = -1, indiv = -1, tipo = -1;
    std::string nome = "old", descr = "old", just = "old", obs = "old";
    Variant inicio("old"), final_("old"), horas("old");
    desc = "before";
    c.BusFaltaFuncionario(Postgres(), desc, key, func, indiv, nome, tipo, descr, just, inicio, final_, horas, obs);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(key, k.key);
    EXPECT_EQ(func, k.func) << k.key;
    EXPECT_EQ(indiv, k.indiv) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
    EXPECT_EQ(tipo, -1) << k.key;
    EXPECT_EQ(inicio, Variant("old")) << k.key;
    EXPECT_EQ(obs, "old") << k.key;
  }
}

class FaltaListTest : public qvtest::ListTest<FaltaTest> {};

TEST_P(FaltaListTest, Filters) {
  Seed(conn());
  auto f = Args(6);
  Variant list = qvtest::kUntouchedList;
  c.CarFaltaFuncionario(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5]);
  ExpectList(desc, list,
             qvtest::Texts({"CodRegFaltaFuncionario", "CodIndividual", "CodFuncionario", "Nome", "CodTipoFalta",
                            "DescrTipoFalta", "Justificativa", "DataInicio", "DataFinal", "NrHoras", "Observacao"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "6 4 5 2 1 3"},
    {"KeyPattern", {Variant("1%")}, "1"},
    {"Employee", {kNull, Variant(std::int32_t{12})}, "6 2 1"},
    {"Person", {kNull, kNull, Variant("2")}, "4 3"},
    {"Type", {kNull, kNull, kNull, Variant(std::int32_t{1})}, "6 1 3"},
    {"LowerCaseJustification", {kNull, kNull, kNull, kNull, Variant("j")}, "6 4 1 3"},
    {"Remark", {kNull, kNull, kNull, kNull, kNull, Variant("%aviso%")}, "2"},
    {"PortugueseLetters", {kNull, kNull, kNull, kNull, kNull, Variant("começou%")}, "3"},
    {"Several", {kNull, Variant("12"), kNull, Variant("1"), Variant("J"), Variant("%")}, "6 1"},
    {"InjectionInEmployee", {kNull, Variant("12' OR '1'='1")}, ""},
    {"NumericInjection", {kNull, Variant("1 OR 1=1")}, ""},
    {"QuoteInRemark", {kNull, kNull, kNull, kNull, kNull, Variant("O'Brien")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, FaltaListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(FaltaTest, ListColumns) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull, n6 = kNull;
  c.CarFaltaFuncionario(Postgres(), desc, list, n1, n2, n3, n4, n5, n6);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Keys(list, 6), "Justificada Injustificada Injustificada Injustificada Justificada Justificada");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 7u);
  const auto& gripe = rows[5];
  EXPECT_EQ(gripe[0], Variant(std::int32_t{1}));
  EXPECT_EQ(gripe[1], Variant(std::int32_t{1}));
  EXPECT_EQ(gripe[2], Variant(std::int32_t{12}));
  EXPECT_EQ(gripe[3], Variant("Ana Souza"));
  EXPECT_EQ(gripe[5], Variant("Atestado"));
  EXPECT_EQ(gripe[7], Variant(DateSerial(2024, 3, 4)));
  EXPECT_EQ(gripe[10], Variant("Gripe"));
  const auto& orphan = rows[3];  // absence 5: no person, no type
  EXPECT_TRUE(orphan[1].is_null());
  EXPECT_TRUE(orphan[3].is_null());
  EXPECT_TRUE(orphan[5].is_null());
  EXPECT_EQ(orphan[6], Variant("Injustificada"));

}

TEST_F(FaltaTest, ListOnAnEmptyTableGivesTheCaptions) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsFaltaFuncionario");
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull, n6 = kNull;
  c.CarFaltaFuncionario(Postgres(), desc, list, n1, n2, n3, n4, n5, n6);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(FaltaTest, AbsenceTotalOfAPeriod) {
  const auto d = [](int y, int m, int day) { return DateSerial(y, m, day); };
  struct Case {
    const char* name;
    automation::Date from, to;
    Variant just, func, filial, ca;
    double total;
  };
  const Case cases[] = {
      // absence 1: 3 days, 2: 1 (no end), 4: cut at the 31st, 5: 1; 3 began in February.
      {"March", d(2024, 3, 1), d(2024, 3, 31), kNull, kNull, kNull, kNull, 6},
      {"Justified", d(2024, 3, 1), d(2024, 3, 31), Variant("j"), kNull, kNull, kNull, 4},
      {"Employee", d(2024, 3, 1), d(2024, 3, 31), kNull, Variant(std::int32_t{12}), kNull, kNull, 4},
      {"Branch", d(2024, 3, 1), d(2024, 3, 31), kNull, kNull, Variant("2"), kNull, 1},
      {"CA", d(2024, 3, 1), d(2024, 3, 31), kNull, kNull, kNull, Variant(std::int32_t{100}), 5},
      {"All", d(2024, 3, 1), d(2024, 3, 31), Variant("J"), Variant("12"), Variant("1"), Variant("100"), 3},
      {"StartsOnTheLastDay", d(2024, 3, 5), d(2024, 3, 10), kNull, kNull, kNull, kNull, 1},
      {"CutAtThePeriodEnd", d(2024, 3, 4), d(2024, 3, 5), kNull, kNull, kNull, kNull, 2},
      {"NoAbsence", d(2025, 1, 1), d(2025, 1, 31), kNull, kNull, kNull, kNull, 0},
      {"QuoteInJustification", d(2024, 3, 1), d(2024, 3, 31), Variant("x' OR '1'='1"), kNull, kNull, kNull, 0},
      {"NumericInjection", d(2024, 3, 1), d(2024, 3, 31), kNull, Variant("1 OR 1=1"), kNull, kNull, 0},
  };
  for (const Case& k : cases) {
    desc.clear();
    EXPECT_EQ(Total(k.from, k.to, k.just, k.func, k.filial, k.ca), k.total) << k.name;
    EXPECT_EQ(desc, "") << k.name;
  }
  qvtest::Exec(Postgres(), "ALTER TABLE RhsFaltaFuncionario RENAME TO RhsFaltaAway");
  const double failed = Total(d(2024, 3, 1), d(2024, 3, 31));
  qvtest::Exec(Postgres(), "ALTER TABLE RhsFaltaAway RENAME TO RhsFaltaFuncionario");
  EXPECT_EQ(failed, -1);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
}

TEST_F(FaltaTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(FaltaTest&)> call;
    std::vector<const char*> statements;
  };
  const char* kList =
      " SELECT RhsFaltaFuncionario.*, RhsDadosPessoais.Nome,  RhsDadosPessoais.CodIndividual, "
      "RhsTipoFalta.DescrTipoFalta, RhsTipoFalta.Justificativa  FROM RhsFaltaFuncionario LEFT JOIN "
      "RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFaltaFuncionario.CodFuncionario LEFT JOIN "
      "RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual LEFT JOIN RhsTipoFalta "
      "ON RhsTipoFalta.CodTipoFalta = RhsFaltaFuncionario.CodTipoFalta  ";
  const std::string only_employee = std::string(kList) +
                                    "WHERE RhsFaltaFuncionario.CodFuncionario LIKE '12' ORDER BY DataInicio DESC";
  const std::string off_postgres = std::string(kList) +
                                   "WHERE (RhsTipoFalta.Justificativa) LIKE 'J' AND (Observacao) LIKE 'X%' "
                                   "ORDER BY DataInicio DESC";
  const std::string total =
      " SELECT SUM (qv_days((CASE WHEN DataFinal IS NULL OR DataFinal < DataInicio THEN DataInicio WHEN DataFinal > "
      "'2024/03/31' THEN '2024/03/31' ELSE DataFinal END)) + 1 - qv_days(DataInicio)) AS NrFaltas FROM "
      "((RhsFaltaFuncionario "
      "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFaltaFuncionario.CodFuncionario) "
      "LEFT JOIN RhsTipoFalta ON RhsTipoFalta.CodTipoFalta = RhsFaltaFuncionario.CodTipoFalta) WHERE DataInicio "
      "BETWEEN '2024/03/01' AND '2024/03/31'  AND UPPER(Justificativa) LIKE 'J' AND  "
      "RhsDadosFuncionario.CodFuncionario LIKE '12' AND  RhsDadosFuncionario.CodFilial  LIKE '1' AND   "
      "RhsDadosFuncionario.CodCA  LIKE '100'";
  const Case cases[] = {
      {"Bus",
       [](FaltaTest& t) {
         std::int32_t key = 7, a = 0, b = 0, e = 0;
         std::string n, d, j, o;
         Variant i, f, h;
         t.c.BusFaltaFuncionario(Postgres(), t.desc, key, a, b, n, e, d, j, i, f, h, o);
       },
       {"SELECT RhsFaltaFuncionario.*, RhsDadosPessoais.Nome, RhsDadosPessoais.CodIndividual, "
        "RhsTipoFalta.DescrTipoFalta, RhsTipoFalta.Justificativa FROM ((( RhsFaltaFuncionario LEFT JOIN "
        "RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsFaltaFuncionario.CodFuncionario) LEFT JOIN "
        "RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) LEFT JOIN "
        "RhsTipoFalta ON RhsTipoFalta.CodTipoFalta = RhsFaltaFuncionario.CodTipoFalta) WHERE "
        "CodRegFaltaFuncionario = 7"}},
      {"Exc",
       [](FaltaTest& t) {
         std::int32_t key = 7;
         t.c.ExcFaltaFuncionario(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsFaltaFuncionario WHERE CodRegFaltaFuncionario = 7"}},
      {"CarEmployee",
       [](FaltaTest& t) {
         Variant list, func(std::int32_t{12}), n = kNull, n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull;
         t.c.CarFaltaFuncionario(Postgres(), t.desc, list, n, func, n2, n3, n4, n5);
       },
       {only_employee.c_str()}},
      {"CarOffPostgres",
       [](FaltaTest& t) {
         Variant list, n = kNull, n2 = kNull, n3 = kNull, n4 = kNull, just("j"), obs("x%");
         t.c.CarFaltaFuncionario(qvtest::Sqlite(), t.desc, list, n, n2, n3, n4, just, obs);
       },
       {off_postgres.c_str()}},
      {"Alt",
       [](FaltaTest& t) {
         std::int32_t key = 7, f = 12, tipo = 1;
         Variant i(DateSerial(2024, 3, 4)), e = kNull, h(automation::TimeSerial(8, 30, 45));
         std::string o = "A";
         t.c.AltFaltaFuncionario(Postgres(), t.desc, t.user, t.machine, key, f, tipo, i, e, h, o);
       },
       {"UPDATE RhsFaltaFuncionario SET CodFuncionario = 12, CodTipoFalta = 1, DataInicio = '2024/03/04', "
        "DataFinal = Null, NrHoras = '08:30', Observacao = 'A' WHERE CodRegFaltaFuncionario = 7"}},
      {"Inc",
       [](FaltaTest& t) {
         qvtest::Exec(Postgres(), "DELETE FROM RhsFaltaFuncionario");
         std::int32_t key = 7, f = 12, tipo = 1;
         Variant i(DateSerial(2024, 3, 4)), e = kNull, h(automation::TimeSerial(8, 30, 45));
         std::string o = "A";
         t.c.IncFaltaFuncionario(Postgres(), t.desc, t.user, t.machine, key, f, tipo, i, e, h, o);
       },
       {"SELECT MAX(CodRegFaltaFuncionario) AS MaxCod FROM RhsFaltaFuncionario ",
        "INSERT INTO RhsFaltaFuncionario (CodRegFaltaFuncionario, CodFuncionario, CodTipoFalta, DataInicio, "
        "DataFinal, NrHoras, Observacao) VALUES ( 1,  12,  1,  '2024/03/04',  Null,  '08:30', 'A') "}},
      {"TotalKeepsUpperOffPostgres",
       [](FaltaTest& t) {
         automation::Date from = DateSerial(2024, 3, 1), to = DateSerial(2024, 3, 31);
         Variant just("j"), func("12"), filial("1"), ca("100");
         t.c.fNrFaltasPeriodo(qvtest::Sqlite(), t.desc, from, to, just, func, filial, ca);
       },
       {total.c_str()}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), std::vector<std::string>(k.statements.begin(), k.statements.end())) << k.name;
  }
}

TEST_F(FaltaTest, DispatchByName) {
  com::DispatchObject<quorvel::classFaltaFuncionario> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn,  Variant(""), Variant(DateSerial(2024, 3, 1)), Variant("2024-03-31"),
                            kNull, Variant("12"), kNull, kNull};
  const com::CallResult r = object.Invoke("fnrfaltasperiodo", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(4.0));
  EXPECT_EQ(args[1], Variant(""));
}

}  // namespace
