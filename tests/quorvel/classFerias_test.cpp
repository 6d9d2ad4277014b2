// SPDX-License-Identifier: MIT
// classFerias against PostgreSQL and SQLite.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/administration/classFerias.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

// Ana (employee 12) has records 1 and 3, João (13) record 2; record 4's
// employee has no person and record 5 no employee.
void Seed(ado::Connection& conn) {
  qvtest::Exec(conn,
               "DELETE FROM RhsFerias; DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais;"
               "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (1, 'Ana Souza'), (2, 'João Lima');"
               "INSERT INTO RhsDadosFuncionario (CodIndividual, CodFuncionario, DataFerias)"
               " VALUES (1, 12, '2006/01/01'), (2, 13, '2006/01/01'), (99, 14, NULL);"
               "INSERT INTO RhsFerias (CodRegFerias, CodFuncionario, InicioAquisicao, FimAquisicao, DiasAGozar,"
               " ValorFerias, InicioFerias, FimFerias, DiasGozados, StatusFerias, DecTerceiro, DtSolicitacao,"
               " DtBaseAnterior) VALUES"
               " (1, 12, '2004/01/01', '2004/12/31', 30, 1500.5, '2005/05/02', '2005/05/31', 30, 'A', 'S',"
               " '2005/04/01', '2004/01/01'),"
               " (2, 13, '2003/01/01', '2003/12/31', 20, 900, '2005/12/25', NULL, 0, 'P', 'N', '2005/11/01',"
               " '2003/01/01'),"
               " (3, 12, '2005/01/01', '2005/12/31', 30, 0, NULL, NULL, 0, 'A', 'N', '2005/12/01', '2004/01/01'),"
               " (4, 14, '2002/01/01', '2002/12/31', 10, 0, NULL, NULL, 0, 'A', 'N', '2005/12/01', NULL),"
               " (5, 77, '2001/01/01', '2001/12/31', 10, 0, NULL, NULL, 0, 'X', 'N', '2005/12/01', NULL)");
}

// The list's filters: the employee, the acquisition's start and end, the
// vacation's start and end, the status and the name; the thirteenth-part flag,
// the amount and the request date are no filters of the list.
Variant List(ado::Connection& conn, std::string& desc, const qvtest::Filters& filters) {
  auto f = filters.Args(7);
  Variant list = qvtest::kUntouchedList, dec("S"), val(1.0), dt = kNull;
  quorvel::classFerias().CarFerias(conn, desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], dec, val, dt);
  return list;
}

// Without a name: the table's own columns.
class FeriasListTest : public qvtest::ListTest<> {};

TEST_P(FeriasListTest, Filters) {
  Seed(conn());
  std::string desc;
  const Variant list = List(conn(), desc, list_case().filters);
  ExpectList(desc, list, {});
  EXPECT_EQ(qvtest::Captions(list).size(), 13u);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "5 4 2 1 3"},
    {"BlankName", {kNull, kNull, kNull, kNull, kNull, kNull, Variant("   ")}, "5 4 2 1 3"},
    {"EmployeeAsNumber", {Variant(std::int32_t{13})}, "2"},
    {"EmployeeNoNumber", {Variant("abc")}, ""},
    {"EmployeeInjection", {Variant("1 OR 1=1")}, ""},
    {"AcquisitionDate", {kNull, Variant(DateSerial(2005, 1, 1))}, "3"},
    {"AcquisitionText", {kNull, Variant("2004/01/01")}, "1"},
    {"MonthOfStart", {kNull, kNull, kNull, Variant("5/2005")}, "1"},
    {"DayOfStart", {kNull, kNull, kNull, Variant(DateSerial(2005, 12, 25))}, "2"},
    {"EndText", {kNull, kNull, kNull, kNull, Variant("2005/05/31")}, "1"},
    {"Status", {kNull, kNull, kNull, kNull, kNull, Variant("P")}, "2"},
    {"StatusInjection", {kNull, kNull, kNull, kNull, kNull, Variant("x' OR '1'='1")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, FeriasListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

// With a name: fifteen columns, the last one empty.
class FeriasNameListTest : public qvtest::ListTest<> {};

TEST_P(FeriasNameListTest, Filters) {
  Seed(conn());
  std::string desc;
  const Variant list = List(conn(), desc, list_case().filters);
  ExpectList(desc, list, {});
  for (const auto& row : qvtest::Rows(list)) {
    ASSERT_EQ(row.size(), 15u);
    EXPECT_TRUE(row[14].is_empty());
  }
}

const qvtest::ListCase kNameListCases[] = {
    {"NamePattern", {kNull, kNull, kNull, kNull, kNull, kNull, Variant("ana%")}, "1 3"},
    {"AnyName", {kNull, kNull, kNull, kNull, kNull, kNull, Variant("%")}, "2 1 3"},
    {"NameEmployeeStatus", {Variant("12"), kNull, kNull, kNull, kNull, Variant("A"), Variant("%")}, "1 3"},
    {"DecemberOfStart", {kNull, kNull, kNull, Variant("12/2005"), kNull, kNull, Variant("%")}, "2"},
    {"NameWithQuote", {kNull, kNull, kNull, kNull, kNull, kNull, Variant("o'brien")}, ""},
};
INSTANTIATE_TEST_SUITE_P(All, FeriasNameListTest, qvtest::OnBothDatabases(kNameListCases),
                         qvtest::DatabaseCaseName());

// The name form has fifteen columns whatever the table's width.
TEST(FeriasTest, NameFormKeepsFifteenColumnsOnAWiderTable) {
  Seed(Postgres());
  quorvel::classFerias c;
  std::string desc;
  Variant list, cod = kNull, ia = kNull, fa = kNull, inf = kNull, ff = kNull, st = kNull, nome("%"),
                dec = kNull, val = kNull, dt = kNull;
  Postgres().BeginTrans();  // the table's change is undone with it
  Postgres().Execute("ALTER TABLE RhsFerias ADD COLUMN Extra1 integer DEFAULT 7, ADD COLUMN Extra2 integer DEFAULT 8");
  c.CarFerias(Postgres(), desc, list, cod, ia, fa, inf, ff, st, nome, dec, val, dt);
  Postgres().RollbackTrans();
  EXPECT_EQ(desc, "");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 15u);
    EXPECT_TRUE(row[14].is_empty());
  }
}

TEST(FeriasTest, ListStatements) {
  Seed(Postgres());
  quorvel::classFerias c;
  struct Case {
    Variant cod, inicioFerias, status, nome;
    const char* statement;
  };
  const Case cases[] = {
      {Variant("12"), kNull, Variant("A"), kNull,
       " SELECT * FROM RhsFerias WHERE CodFuncionario = 12 AND StatusFerias = 'A' "
       "ORDER BY RHsFerias.InicioAquisicao, RHsFerias.FimAquisicao "},
      {Variant("12"), kNull, Variant("A"), Variant("ana%"),
       " SELECT RhsFerias.*, RHsDadosPessoais.Nome, RHsDadosFuncionario.CodIndividual From RhsFerias, "
       "RHsDadosPessoais, RHsDadosFuncionario Where RhsFerias.CodFuncionario = RHsDadosFuncionario.CodFuncionario "
       "AND RHsDadosFuncionario.CodIndividual = RHsDadosPessoais.CodIndividual AND UPPER(RHsDadosPessoais.Nome) "
       "LIKE 'ANA%' AND RhsFerias.CodFuncionario = 12 AND RHsFerias.StatusFerias = 'A' "
       "ORDER BY RHsFerias.InicioAquisicao, RHsFerias.FimAquisicao "},
      {kNull, Variant("12/2005"), kNull, kNull,
       " SELECT * FROM RhsFerias WHERE Month(InicioFerias) & '/' & Year(InicioFerias) = '12/2005' "
       "ORDER BY RHsFerias.InicioAquisicao, RHsFerias.FimAquisicao "},
      {kNull, Variant(DateSerial(2005, 12, 25)), kNull, kNull,
       " SELECT * FROM RhsFerias WHERE InicioFerias = '2005/12/25'  "
       "ORDER BY RHsFerias.InicioAquisicao, RHsFerias.FimAquisicao "},
  };
  for (const Case& k : cases) {
    std::string desc;
    Variant list, cod = k.cod, n1 = kNull, n2 = kNull, inf = k.inicioFerias, n3 = kNull, st = k.status,
                  nome = k.nome, n4 = kNull, n5 = kNull, n6 = kNull;
    qvtest::Trace trace;
    c.CarFerias(Postgres(), desc, list, cod, n1, n2, inf, n3, st, nome, n4, n5, n6);
    EXPECT_EQ(trace.statements(), std::vector<std::string>{k.statement});
    EXPECT_EQ(desc, "");
  }
}

TEST(FeriasTest, MonthTextIsComparedAsQuotedText) {
  Seed(Postgres());
  quorvel::classFerias c;
  for (const char* text : {"13/2005", "05/2005", "5/20", "x' OR 1"}) {
    std::string desc;
    Variant list("replaced"), n = kNull, inf = Variant(text), n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull,
                              n6 = kNull, n7 = kNull, n8 = kNull, n9 = kNull;
    c.CarFerias(Postgres(), desc, list, n, n2, n3, inf, n4, n5, n6, n7, n8, n9);
    EXPECT_EQ(desc, "") << text;
    EXPECT_TRUE(qvtest::Column(list, 0).empty()) << text;
  }
}

struct Fetched {
  std::int32_t cod = 0, func = 0;
  std::string nome = "-", status, dec;
  automation::Date ia{}, fa{}, dt{};
  std::int16_t dias = 0, gozados = 0;
  double valor = 0;
  Variant inf, ff;
};

Fetched Fetch(ado::Connection& conn, std::int32_t key, std::string& desc) {
  quorvel::classFerias c;
  Fetched f;
  f.cod = key;
  c.BusFerias(conn, desc, f.cod, f.func, f.nome, f.ia, f.fa, f.dias, f.valor, f.inf, f.ff, f.gozados, f.status,
              f.dec, f.dt);
  return f;
}

class FeriasDatabaseTest : public qvtest::DatabaseTest<> {};

TEST_P(FeriasDatabaseTest, Fetch) {
  Seed(conn());
  std::string desc;
  const Fetched f = Fetch(conn(), 2, desc);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.func, 13);
  EXPECT_EQ(f.nome, "João Lima");
  EXPECT_EQ(f.ia, DateSerial(2003, 1, 1));
  EXPECT_EQ(f.dias, 20);
  EXPECT_EQ(f.valor, 900);
  EXPECT_EQ(automation::CDate(f.inf), DateSerial(2005, 12, 25));
  EXPECT_TRUE(f.ff.is_null());
  EXPECT_EQ(f.status, "P");
  EXPECT_EQ(f.dt, DateSerial(2005, 11, 1));

  const Fetched missing = Fetch(conn(), 99, desc);
  EXPECT_EQ(desc, "3021    Quorvel");
  desc.clear();
  const Fetched orphan = Fetch(conn(), 4, desc);  // no person: Null name
  EXPECT_EQ(desc, "94    Quorvel");
  EXPECT_EQ(orphan.func, 14);
  EXPECT_EQ(orphan.nome, "-");
}

struct Writes {
  std::int32_t func = 13;
  automation::Date ia = DateSerial(2006, 1, 1), fa = DateSerial(2006, 12, 31);
  std::int16_t dias = 30, gozados = 5;
  double valor = 1234.5;
  Variant inf = Variant(DateSerial(2007, 2, 1)), ff = kNull;
  std::string status = "O'Brien", dec = "x' OR 1=1";
  Variant dt = Variant(DateSerial(2006, 12, 1));
};

class FeriasWriteTest : public qvtest::DatabaseTest<> {
 public:
  void SetUp() override { qvtest::Exec(conn(), "DELETE FROM RhsFerias"); }
  // Records 1 and 41 as Writes gives them.
  void Insert() {
    Writes w;
    std::int32_t key = -5;
    c.IncFerias(conn(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
                w.status, w.dec, w.dt);
    qvtest::Exec(conn(), "UPDATE RhsFerias SET CodRegFerias = 41");
    c.IncFerias(conn(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
                w.status, w.dec, w.dt);
  }
  Fetched Fetch41() {
    qvtest::Exec(conn(), "DELETE FROM RhsDadosPessoais; DELETE FROM RhsDadosFuncionario;"
                         "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (2, 'João Lima');"
                         "INSERT INTO RhsDadosFuncionario (CodIndividual, CodFuncionario) VALUES (2, 13)");
    return Fetch(conn(), 41, desc);
  }

  quorvel::classFerias c;
  std::string desc, user = "u", machine = "m";
};

TEST_P(FeriasWriteTest, InsertTakesTheNextKeyAndWritesTheFlagAsGiven) {
  Writes w;
  std::int32_t key = -5;
  c.IncFerias(conn(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
              w.status, w.dec, w.dt);
  EXPECT_EQ(key, 1);
  EXPECT_EQ(desc, "");
  qvtest::Exec(conn(), "UPDATE RhsFerias SET CodRegFerias = 41");
  c.IncFerias(conn(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
              w.status, w.dec, w.dt);
  EXPECT_EQ(key, 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(automation::CStr(qvtest::Scalar(conn(), "SELECT DecTerceiro FROM RhsFerias WHERE CodRegFerias = 41")),
            "x' OR 1=1");
}

TEST_P(FeriasWriteTest, UpdateRewritesTheRecordButTheRequestDate) {
  Insert();
  Writes u;
  u.inf = kNull;
  u.ff = Variant(DateSerial(2007, 3, 1));
  u.status = "B";
  u.dec = "N";
  u.valor = 0.25;
  std::int32_t k41 = 41;
  c.AltFerias(conn(), desc, user, machine, k41, u.func, u.ia, u.fa, u.dias, u.valor, u.inf, u.ff, u.gozados,
              u.status, u.dec);
  EXPECT_EQ(desc, "");
  const Fetched f = Fetch41();
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.valor, 0.25);
  EXPECT_TRUE(f.inf.is_null());
  EXPECT_EQ(automation::CDate(f.ff), DateSerial(2007, 3, 1));
  EXPECT_EQ(f.status, "B");
  EXPECT_EQ(f.dt, DateSerial(2006, 12, 1));  // not changed by the update
}

TEST_P(FeriasWriteTest, StatusSettersWriteTheirRowAlone) {
  Insert();
  std::int32_t k41 = 41, nowhere = 999;
  std::string status = "O'Neil", flag = "S";
  c.pAltStatusFerias(conn(), desc, user, machine, k41, status);
  c.pAltStatusDecTerceiro(conn(), desc, user, machine, k41, flag);
  c.pAltStatusFerias(conn(), desc, user, machine, nowhere, status);
  EXPECT_EQ(desc, "");
  const Fetched g = Fetch41();
  EXPECT_EQ(g.status, "O'Neil");
  EXPECT_EQ(g.dec, "S");
  EXPECT_EQ(qvtest::Count(conn(), "RhsFerias WHERE StatusFerias = 'O''Neil'"), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, FeriasWriteTest, ::testing::Bool(), qvtest::DatabaseName);

// A request date that is Null or Empty, or a vacation date that is Empty, is
// no date: the writer fails with the conversion error and sends nothing. A
// Null vacation start or end is stored as Null and read back so.
TEST_P(FeriasDatabaseTest, DatesThatAreNoDatesSendNothing) {
  struct Case {
    const char* name;
    bool insert;
    Variant inf, ff, dt;
    const char* desc;
  };
  const Variant date(DateSerial(2007, 2, 1)), empty;
  const Case cases[] = {
      {"IncRequestNull", true, date, date, kNull, "94    Quorvel"},
      {"IncRequestEmpty", true, date, date, empty, "13    Quorvel"},
      {"IncStartEmpty", true, empty, date, date, "13    Quorvel"},
      {"IncEndEmpty", true, date, empty, date, "13    Quorvel"},
      {"AltStartEmpty", false, empty, kNull, kNull, "13    Quorvel"},
      {"AltEndEmpty", false, kNull, empty, kNull, "13    Quorvel"},
      {"IncStartAndEndNull", true, kNull, kNull, date, ""},
      {"AltStartAndEndNull", false, kNull, kNull, kNull, ""},
  };
  for (const Case& k : cases) {
    Seed(conn());
    quorvel::classFerias c;
    std::string desc, user, machine;
    Writes w;
    w.inf = k.inf;
    w.ff = k.ff;
    w.dt = k.dt;
    std::int32_t key = k.insert ? -5 : 3;
    qvtest::Trace trace;
    if (k.insert) {
      c.IncFerias(conn(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
                  w.status, w.dec, w.dt);
    } else {
      c.AltFerias(conn(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
                  w.status, w.dec);
    }
    const std::string label = std::string(postgres() ? "Postgres " : "Sqlite ") + k.name;
    EXPECT_EQ(desc, k.desc) << label;
    if (*k.desc) {
      EXPECT_TRUE(trace.statements().empty()) << label;
      if (k.insert) {
        EXPECT_EQ(key, 0) << label;
      }
      continue;
    }
    const Fetched f = Fetch(conn(), key, desc);
    EXPECT_EQ(desc, "") << label;
    EXPECT_TRUE(f.inf.is_null()) << label;
    EXPECT_TRUE(f.ff.is_null()) << label;
  }
}

TEST(FeriasTest, MethodsInInterfaceOrder) {
  const char* names[] = {"BusFerias",        "ExcFerias",         "CarFerias",
                         "AltFerias",        "IncFerias",         "pAltStatusFerias",
                         "pAltValorFeriasCOMDecimo", "pAltValorFeriasSEMDecimo", "pAltStatusDecTerceiro",
                         "pCalculaMediaEvento"};
  const auto& methods = quorvel::classFerias::Description().methods;
  ASSERT_EQ(methods.size(), std::size(names));
  for (std::size_t i = 0; i < methods.size(); ++i) EXPECT_EQ(methods[i].name, names[i]);
}

TEST(FeriasTest, WriteStatements) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsFerias");
  quorvel::classFerias c;
  std::string desc, user, machine;
  Writes w;
  w.status = "A";
  w.dec = "S";
  std::int32_t key = 0;
  qvtest::Trace trace;
  c.IncFerias(Postgres(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.inf, w.ff, w.gozados,
              w.status, w.dec, w.dt);
  c.AltFerias(Postgres(), desc, user, machine, key, w.func, w.ia, w.fa, w.dias, w.valor, w.ff, w.ff, w.gozados,
              w.status, w.dec);
  c.pAltStatusFerias(Postgres(), desc, user, machine, key, w.status);
  c.pAltStatusDecTerceiro(Postgres(), desc, user, machine, key, w.dec);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{
                "SELECT MAX(CodRegFerias) AS MaxCod FROM RhsFerias",
                "INSERT INTO RhsFerias (CodRegFerias, CodFuncionario, InicioAquisicao, FimAquisicao, DiasAGozar, "
                "ValorFerias, InicioFerias, FimFerias, DiasGozados, StatusFerias, DecTerceiro, DtSolicitacao) "
                "VALUES ( 1,  13, '2006/01/01', '2006/12/31',  30,  1234.5,  '2007/02/01',  Null,  5, 'A', 'S', "
                "'2006/12/01')",
                "UPDATE RhsFerias SET CodFuncionario = 13, InicioAquisicao = '2006/01/01', FimAquisicao = "
                "'2006/12/31', DiasAGozar = 30, ValorFerias = 1234.5, InicioFerias  = Null , FimFerias = Null, "
                "DiasGozados = 5, StatusFerias = 'A', DecTerceiro = 'S'WHERE CodRegFerias = 1",
                "UPDATE RhsFerias SET StatusFerias = 'A'WHERE CodRegFerias = 1",
                "UPDATE RhsFerias SET DecTerceiro = 'S' WHERE CodRegFerias = 1",
            }));
}

TEST_P(FeriasDatabaseTest, DeleteRestoresTheEmployeesBaseDate) {
  struct Case {
    std::int32_t key;
    const char* base12;  // employee 12's DataFerias afterwards
    long left;
  };
  const Case cases[] = {{1, "2004/01/01", 4}, {2, "2006/01/01", 4}, {99, "2006/01/01", 5}};
  for (const Case& k : cases) {
    Seed(conn());
    quorvel::classFerias c;
    std::string desc, user, machine;
    std::int32_t key = k.key;
    c.ExcFerias(conn(), desc, user, machine, key);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(qvtest::Count(conn(), "RhsFerias"), k.left);
    EXPECT_EQ(qvtest::Count(conn(), std::string("RhsDadosFuncionario WHERE CodFuncionario = 12 AND DataFerias = '") +
                                      k.base12 + "'"),
              1)
        << k.key;
  }
}

TEST(FeriasTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classFerias> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant("u"), Variant("m"), Variant(std::int32_t{3}), Variant("Z")};
  const com::CallResult r = object.Invoke("paltstatusferias", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsFerias WHERE StatusFerias = 'Z'"), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, FeriasDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
