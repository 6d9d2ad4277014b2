// SPDX-License-Identifier: MIT
// classDependente against PostgreSQL, ages, the bulk switch and the list on SQLite too.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classDependente.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

const Variant kNull(Null);

// Every column of a dependant but the key, as IncDependente and AltDependente take them.
struct Dep {
  std::int32_t funcionario = 1;
  std::string nome = "Pedro";
  std::int32_t grau = 3;
  std::string sexo = "M", cpf = "111.222.333-44";
  automation::Date nasc = DateSerial(2000, 3, 1);
  Variant naturalidade = Variant(std::int32_t{1}), nacionalidade = Variant(std::int32_t{10}),
          instrucao = kNull;
  std::string cartorio = "1º Ofício", registro = "123", livro = "A-1", folha = "45";
  std::string irrf = "S", salfamilia = "S", assist = "N", pensao = "N";
};

class DependenteTest : public ::testing::Test {
 public:
  void SetUp() override { Clear(Postgres()); }
  static void Clear(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsDependente; DELETE FROM RhsTipoGrauParentesco; DELETE FROM CadEndCidades;"
                 "DELETE FROM RhsCidade; DELETE FROM RhsNacionalidade; DELETE FROM RhsGrauInstrucao;"
                 "DELETE FROM RhsDadosFuncionario; DELETE FROM RhsDadosPessoais");
  }
  static void Lookups(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "INSERT INTO RhsTipoGrauParentesco (CodGrauParentesco, DescrGrauParentesco) VALUES"
                 " (3, 'Filho(a)'), (4, 'Cônjuge');"
                 "INSERT INTO CadEndCidades (CodCidade, Cidade) VALUES (1, 'São Paulo'), (2, 'Campinas');"
                 "INSERT INTO RhsCidade VALUES (1, 'Sao Paulo (RhsCidade)');"
                 "INSERT INTO RhsNacionalidade VALUES (10, 'Brasileira');"
                 "INSERT INTO RhsGrauInstrucao VALUES (7, 'Superior completo');"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, DataNasc) VALUES (100, 'Maria Souza',"
                 " '1975-06-15'), (101, 'João Lima', '1980-01-02');"
                 "INSERT INTO RhsDadosFuncionario (CodIndividual, CodFuncionario) VALUES (100, 1), (101, 2),"
                 " (NULL, 3)");
  }
  // Dependants 1 to 5 of employees 1 and 2 (and 3, whose person is missing).
  static void Seed(ado::Connection& conn) {
    Lookups(conn);
    qvtest::Exec(conn,
                 "INSERT INTO RhsDependente VALUES"
                 " (1, 1, 'Pedro Souza', 3, 'M', '111', '2000-03-01', 1, 10, 'Cart', '1', 'L', 'F', 7,"
                 "  'S', 'S', 'N', 'N'),"
                 " (2, 1, 'ana Souza', 3, 'F', '222', '2010-07-20', NULL, NULL, '', '', '', '', NULL,"
                 "  'E', 'E', 'S', 'N'),"
                 " (3, 1, 'Carlos Souza', 4, 'M', '333', NULL, 2, 10, '', '', '', '', 7, 'N', 's', 'N', 'S'),"
                 " (4, 2, 'Beatriz Lima', 3, 'F', '444', '2015-01-10', 1, 10, '', '', '', '', NULL,"
                 "  'S', 'N', 'N', 'N'),"
                 " (5, 3, 'Zeca', 9, 'M', '555', '2001-01-01', NULL, NULL, '', '', '', '', NULL,"
                 "  NULL, NULL, NULL, NULL)");
  }
  std::int32_t Inc(ado::Connection& conn, Dep& d) {
    std::int32_t key = -1;
    c.IncDependente(conn, desc, user, machine, key, d.funcionario, d.nome, d.grau, d.sexo, d.cpf, d.nasc,
                    d.naturalidade, d.nacionalidade, d.cartorio, d.registro, d.livro, d.folha, d.instrucao, d.irrf,
                    d.salfamilia, d.assist, d.pensao);
    return key;
  }
  void Alt(ado::Connection& conn, std::int32_t key, Dep& d) {
    c.AltDependente(conn, desc, user, machine, key, d.funcionario, d.nome, d.grau, d.sexo, d.cpf, d.nasc,
                    d.naturalidade, d.nacionalidade, d.cartorio, d.registro, d.livro, d.folha, d.instrucao, d.irrf,
                    d.salfamilia, d.assist, d.pensao);
  }
  static std::string Cell(ado::Connection& conn, std::string_view sql) {
    return qvtest::Cell(conn, sql);
  }
  // The family-allowance flags of dependants 1 to 5, "-" for Null.
  static std::string Flags(ado::Connection& conn) {
    std::string out;
    for (int k = 1; k <= 5; ++k) {
      const Variant v = qvtest::Scalar(conn, "SELECT DepSalFamilia FROM RhsDependente WHERE CodDep = " +
                                                 std::to_string(k));
      out += v.is_null() ? "-" : automation::CStr(v);
    }
    return out;
  }

  quorvel::classDependente c;
  std::string desc, user = "ana", machine = "estacao1";
};

// The error number of a call that reaches the caller as a failure; 0 when it succeeds.
int Failure(const std::function<void()>& call) {
  try {
    call();
  } catch (const automation::Error& e) {
    return e.number();
  }
  return 0;
}

class DependenteDatabaseTest : public qvtest::DatabaseTest<DependenteTest> {};

TEST_P(DependenteDatabaseTest, AgeInWholeYears) {
  struct Case {
    automation::Date base;
    std::int16_t age;
  };
  const Case cases[] = {
      {DateSerial(2010, 2, 28), 9}, {DateSerial(2010, 3, 1), 9},  {DateSerial(2010, 3, 2), 10},
      {DateSerial(2000, 2, 29), -1}, {DateSerial(2000, 3, 1), 0}, {DateSerial(2024, 3, 1), 24},
  };
  Clear(conn());
  Dep d;  // born 2000/03/01
  ASSERT_EQ(Inc(conn(), d), 1);
  for (const Case& k : cases) {
    std::int32_t key = 1;
    std::int16_t age = 99;
    automation::Date base = k.base;
    c.fCalcIdadeDep(conn(), desc, key, base, age);
    EXPECT_EQ(age, k.age) << automation::CStr(Variant(k.base));
  }
  Clear(qvtest::Sqlite());
  EXPECT_EQ(desc, "");
}

TEST_F(DependenteTest, UntrappedMethodsFailTheCall) {
  Seed(Postgres());
  automation::Date base = DateSerial(2020, 1, 1);
  struct Case {
    const char* name;
    std::function<void(DependenteTest&, std::int32_t&)> call;
    int number;
  };
  const Case cases[] = {
      {"AgeWithoutRow",
       [&](DependenteTest& t, std::int32_t& out) {
         std::int32_t key = 77;
         std::int16_t age = 99;
         t.c.fCalcIdadeDep(Postgres(), t.desc, key, base, age);
         out = age;
       },
       3021},
      {"AgeWithoutBirthDate",
       [&](DependenteTest& t, std::int32_t& out) {
         std::int32_t key = 3;
         std::int16_t age = 99;
         t.c.fCalcIdadeDep(Postgres(), t.desc, key, base, age);
         out = age;
       },
       94},
      {"CountOfInjectedEmployee",
       [](DependenteTest& t, std::int32_t& out) {
         Variant who("1 OR 1=1");
         t.c.fQuantDepIRRF(Postgres(), t.desc, who, out);
       },
       13},
      {"CountOfEmptyEmployee",
       [](DependenteTest& t, std::int32_t& out) {
         Variant who;
         t.c.fQuantDepSalFamilia(Postgres(), t.desc, who, out);
       },
       13},
  };
  for (const Case& k : cases) {
    std::int32_t out = 99;
    desc = "before";
    qvtest::Trace trace;
    EXPECT_EQ(Failure([&] { k.call(*this, out); }), k.number) << k.name;
    EXPECT_EQ(desc, "before") << k.name;
    EXPECT_EQ(out, 99) << k.name << ": the result keeps what it held";
    if (k.number == 13) {
      EXPECT_TRUE(trace.statements().empty()) << k.name;
    }
  }
}

TEST_F(DependenteTest, Counts) {
  Seed(Postgres());
  struct Case {
    Variant employee;
    std::int32_t irrf, salfamilia;
  };
  const Case cases[] = {
      {kNull, 3, 2},  // 's' is not 'S'
      {Variant(std::int32_t{1}), 2, 2},
      {Variant("2"), 1, 0},
      {Variant(std::int32_t{9}), 0, 0},
  };
  for (const Case& k : cases) {
    Variant who = k.employee;
    std::int32_t irrf = -1, salfamilia = -1;
    c.fQuantDepIRRF(Postgres(), desc, who, irrf);
    c.fQuantDepSalFamilia(Postgres(), desc, who, salfamilia);
    EXPECT_EQ(irrf, k.irrf) << automation::CStr(k.employee.is_null() ? Variant("Null") : k.employee);
    EXPECT_EQ(salfamilia, k.salfamilia);
  }
}

TEST_P(DependenteDatabaseTest, BulkSwitchOfTheFamilyAllowance) {
  // Born 2000/03/01, 2010/07/20, Null, 2015/01/10, 2001/01/01; flags S E s N Null.
  struct Case {
    const char* name;
    Variant employee;
    const char* old_value;
    const char* new_value;
    automation::Date date;
    std::int32_t age;
    const char* flags;
  };
  const Case cases[] = {
      {"AllEmployees", kNull, "S", "N", DateSerial(2015, 3, 1), 14, "NEsN-"},
      {"YoungerKeepsIt", kNull, "S", "N", DateSerial(2014, 3, 1), 14, "SEsN-"},
      // 2000/03/01 + 4 * 365.25 = 2004/03/01: born exactly on the limit keeps the value.
      {"ExactlyOnTheLimit", kNull, "S", "N", DateSerial(2004, 3, 1), 4, "SEsN-"},
      {"OneDayPastTheLimit", kNull, "S", "N", DateSerial(2004, 3, 2), 4, "NEsN-"},
      // 2014/03/02 - 5113.5 days = 2000/03/01 12:00: born that day is before the limit.
      {"HalfDayLimit", kNull, "S", "N", DateSerial(2014, 3, 2), 14, "NEsN-"},
      {"OtherFlagUntouched", kNull, "E", "X", DateSerial(2030, 1, 1), 14, "SXsN-"},
      {"ExactCase", kNull, "S", "X", DateSerial(2030, 1, 1), 1, "XEsN-"},
      {"OneEmployee", Variant(std::int32_t{2}), "N", "S", DateSerial(2030, 1, 1), 1, "SEsS-"},
      {"OtherEmployee", Variant(std::int32_t{2}), "S", "N", DateSerial(2030, 1, 1), 1, "SEsN-"},
      {"QuoteInValue", kNull, "S", "'", DateSerial(2030, 1, 1), 1, "'EsN-"},
  };
  for (const Case& k : cases) {
    Clear(conn());
    Lookups(conn());
    // Through the library, so that both databases hold the dates as it writes them.
    const struct {
      std::int32_t funcionario;
      automation::Date nasc;
      const char* flag;
    } people[] = {{1, DateSerial(2000, 3, 1), "S"}, {1, DateSerial(2010, 7, 20), "E"},
                  {1, DateSerial(1990, 1, 1), "s"}, {2, DateSerial(2015, 1, 10), "N"},
                  {3, DateSerial(2001, 1, 1), "Z"}};
    for (const auto& p : people) {
      Dep d;
      d.funcionario = p.funcionario;
      d.nasc = p.nasc;
      d.salfamilia = p.flag;
      Inc(conn(), d);
    }
    qvtest::Exec(conn(), "UPDATE RhsDependente SET DataNascDep = NULL WHERE CodDep = 3;"
                       "UPDATE RhsDependente SET DepSalFamilia = NULL WHERE CodDep = 5");
    Variant who = k.employee;
    std::string old_value = k.old_value, new_value = k.new_value;
    automation::Date date = k.date;
    std::int32_t age = k.age;
    desc.clear();
    c.AltStatusSalFamilia(conn(), desc, user, machine, who, old_value, new_value, date, age);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(Flags(conn()), k.flags) << (postgres() ? "Postgres " : "Sqlite ") << k.name;
  }
  Clear(qvtest::Sqlite());
}

TEST_F(DependenteTest, BulkSwitchRefusesANonNumericEmployee) {
  Seed(Postgres());
  Variant who("1 OR 1=1");
  std::string old_value = "S", new_value = "N";
  automation::Date date = DateSerial(2030, 1, 1);
  std::int32_t age = 1;
  qvtest::Trace trace;
  c.AltStatusSalFamilia(Postgres(), desc, user, machine, who, old_value, new_value, date, age);
  EXPECT_EQ(desc, "13    Quorvel");
  EXPECT_TRUE(trace.statements().empty());
  EXPECT_EQ(Flags(Postgres()), "SEsN-");
}

TEST_F(DependenteTest, InsertTakesTheNextKeyAndWritesEveryColumn) {
  Lookups(Postgres());
  Dep d;
  EXPECT_EQ(Inc(Postgres(), d), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsDependente (CodDep, NomeDep) VALUES (41, 'X')");
  d.nome = "O'Brien";
  d.naturalidade = d.nacionalidade = kNull;
  d.instrucao = Variant("7");
  EXPECT_EQ(Inc(Postgres(), d), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Cell(Postgres(), "SELECT NomeDep || '|' || DataNascDep || '|' || coalesce(CodNaturalidadeDep::text, "
                             "'Null') || '|' || CodGrauInstrucaoDep || '|' || NomeCartorio FROM RhsDependente "
                             "WHERE CodDep = 42"),
            "O'Brien|2000-03-01|Null|7|1º Ofício");
}

TEST_F(DependenteTest, UpdateRewritesItsRowAlone) {
  Lookups(Postgres());
  Dep d;
  EXPECT_EQ(Inc(Postgres(), d), 1);
  EXPECT_EQ(Inc(Postgres(), d), 2);
  d.nome = "x' OR '1'='1";
  d.nasc = DateSerial(2001, 12, 31);
  d.assist = "S";
  d.naturalidade = Variant(std::int32_t{2});
  Alt(Postgres(), 2, d);
  Alt(Postgres(), 99, d);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Cell(Postgres(), "SELECT NomeDep || '|' || DataNascDep || '|' || CodNaturalidadeDep || '|' || "
                             "DepAssistMedica FROM RhsDependente WHERE CodDep = 2"),
            "x' OR '1'='1|2001-12-31|2|S");
  EXPECT_EQ(Cell(Postgres(), "SELECT NomeDep FROM RhsDependente WHERE CodDep = 1"), "Pedro");
}

TEST_F(DependenteTest, DeleteRemovesItsRowAlone) {
  Lookups(Postgres());
  Dep d;
  Inc(Postgres(), d);
  Inc(Postgres(), d);
  std::int32_t key = 2, missing = 99;
  c.ExcDependente(Postgres(), desc, user, machine, key);
  c.ExcDependente(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDependente"), 1);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDependente WHERE CodDep = 2"), 0);
}

TEST_F(DependenteTest, WriterFailures) {
  struct Case {
    const char* name;
    std::function<void(Dep&)> change;
  };
  const Case cases[] = {
      {"InjectionInCode", [](Dep& d) { d.naturalidade = Variant("1 OR 1=1"); }},
      {"EmptyCode", [](Dep& d) { d.nacionalidade = Variant(); }},
      {"EmptyTextCode", [](Dep& d) { d.instrucao = Variant(""); }},
  };
  for (const Case& k : cases) {
    Dep d;
    k.change(d);
    desc.clear();
    EXPECT_EQ(Inc(Postgres(), d), 1) << k.name;
    EXPECT_EQ(desc, "13    Quorvel") << k.name;
    desc.clear();
    Alt(Postgres(), 1, d);
    EXPECT_EQ(desc, "13    Quorvel") << k.name;
  }
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDependente"), 0);
}

TEST_F(DependenteTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  Dep d;
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsDependente (CodDep, NomeDep) VALUES (2147483647, 'Max')", "RhsDependente",
      [&] { return Inc(Postgres(), d); }, desc);
}

TEST_F(DependenteTest, Fetch) {
  Seed(Postgres());
  struct Out {
    std::string nome = "old";
    automation::Date nasc{-1};
    std::int32_t funcionario = -1, grau = -1;
    std::string nomedep = "old", descrgrau = "old", sexo = "old", cpf = "old";
    automation::Date nascdep{-1};
    Variant naturalidade = Variant("old"), descrnat = Variant("old"), nacionalidade = Variant("old"),
            descrnac = Variant("old");
    std::string cartorio = "old", registro = "old", livro = "old", folha = "old";
    Variant instrucao = Variant("old"), descrinstr = Variant("old");
    std::string irrf = "old", salfamilia = "old", assist = "old", pensao = "old";
  };
  const auto bus = [this](std::int32_t key, Out& o) {
    c.BusDependente(Postgres(), desc, key, o.nome, o.nasc, o.funcionario, o.nomedep, o.grau, o.descrgrau, o.sexo,
                    o.cpf, o.nascdep, o.naturalidade, o.descrnat, o.nacionalidade, o.descrnac, o.cartorio,
                    o.registro, o.livro, o.folha, o.instrucao, o.descrinstr, o.irrf, o.salfamilia, o.assist,
                    o.pensao);
  };
  {
    Out o;
    bus(1, o);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(o.nome, "Maria Souza");
    EXPECT_EQ(o.nasc, DateSerial(1975, 6, 15));
    EXPECT_EQ(o.funcionario, 1);
    EXPECT_EQ(o.nomedep, "Pedro Souza");
    EXPECT_EQ(o.grau, 3);
    EXPECT_EQ(o.descrgrau, "Filho(a)");
    EXPECT_EQ(o.nascdep, DateSerial(2000, 3, 1));
    EXPECT_EQ(o.naturalidade, Variant(std::int32_t{1}));
    EXPECT_EQ(o.descrnat, Variant("Sao Paulo (RhsCidade)")) << "the fetch names the city from RhsCidade";
    EXPECT_EQ(o.descrnac, Variant("Brasileira"));
    EXPECT_EQ(o.instrucao, Variant(std::int32_t{7}));
    EXPECT_EQ(o.descrinstr, Variant("Superior completo"));
    EXPECT_EQ(o.folha, "F");
    EXPECT_EQ(o.irrf + o.salfamilia + o.assist + o.pensao, "SSNN");
  }
  {
    Out o;
    bus(2, o);  // no birth place: the variants take the Nulls
    EXPECT_EQ(desc, "");
    EXPECT_TRUE(o.naturalidade.is_null());
    EXPECT_TRUE(o.descrnat.is_null());
    EXPECT_TRUE(o.descrinstr.is_null());
  }
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* nome;
    const char* nomedep;
  };
  const Case cases[] = {
      {77, "3021    Quorvel", "old", "old"},
      {5, "94    Quorvel", "old", "old"},                 // an employee without a person
      {3, "94    Quorvel", "Maria Souza", "Carlos Souza"},  // Null birth date
  };
  for (const Case& k : cases) {
    Out o;
    desc = "before";
    bus(k.key, o);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(o.nome, k.nome) << k.key;
    EXPECT_EQ(o.nomedep, k.nomedep) << k.key;
    EXPECT_EQ(o.nascdep, automation::Date{-1}) << k.key;
    EXPECT_EQ(o.cartorio, "old") << k.key;
  }
}

class DependenteListTest : public qvtest::ListTest<DependenteTest> {};

TEST_P(DependenteListTest, Filters) {
  Clear(conn());
  Seed(conn());
  auto f = Args(8);
  Variant list = qvtest::kUntouchedList;
  c.CarDependente(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  if (!postgres()) Clear(conn());
  ExpectList(desc, list, {});
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "4 3 1 5 2"},  // binary order: 'ana Souza' last
    {"OnlyTheLast", Filters::At({{7, Variant("S")}}), "3"},
    {"Employee", Filters::At({{0, Variant(std::int32_t{1})}}), "3 1 2"},
    {"KinshipOfTheDependant", Filters::At({{1, Variant(std::int32_t{4})}}), "3"},
    {"SexInLowerCase", Filters::At({{2, Variant("f")}}), "4 2"},
    {"Schooling", Filters::At({{3, Variant("7")}}), "3 1"},
    {"IncomeTaxInLowerCase", Filters::At({{4, Variant("e")}}), "2"},
    {"AllowanceAsGiven", Filters::At({{5, Variant("s")}}), "3"},
    {"Several", Filters::At({{0, Variant(std::int32_t{1})}, {2, Variant("m")}, {4, Variant("s")}, {6, Variant("N")}}),
     "1"},
    {"QuoteInSex", Filters::At({{2, Variant("x' OR '1'='1")}}), ""},
    {"InjectionInEmployee", Filters::At({{0, Variant("1 OR 1=1")}}), "", "13    Quorvel"},
    {"EmptyKinship", Filters::At({{1, Variant()}}), "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, DependenteListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(DependenteTest, ListColumns) {
  Variant list, f[8];
  for (Variant& v : f) v = kNull;
  c.CarDependente(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 1u);
  const char* captions[] = {"CodDep", "CodFuncionario", "NomeDep", "CodGrauParentesco", "DescrGrauParentesco",
                            "SexoDep", "NrCPFDep", "DataNascDep", "CodNaturalidadeDep", "NomeCidade",
                            "CodNacionalidadeDep", "Nacionalidade", "NomeCartorio", "NrRegistro", "NrLivro",
                            "NrFolha", "CodGrauInstrucaoDep", "GrauInstrucao", "DepIRRF", "DepSalFamilia",
                            "DepAssistMedica", "DepPensaoAliment", "(Idade)"};
  EXPECT_EQ(rows[0], std::vector<Variant>(std::begin(captions), std::end(captions)));

  Seed(Postgres());
  const automation::Date today = automation::Date{std::floor(automation::Now().value)};
  qvtest::Exec(Postgres(), "UPDATE RhsDependente SET DataNascDep = '" +
                               automation::CStr(Variant(automation::Date{today.value - 3653})) +
                               "' WHERE CodDep = 4");  // 3653 days: 10.0014 years
  c.CarDependente(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  EXPECT_EQ(desc, "");
  rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1][0], Variant(std::int32_t{4}));
  EXPECT_EQ(rows[1][22], Variant(10.0));
  EXPECT_TRUE(rows[2][7].is_null());
  EXPECT_TRUE(rows[2][22].is_null()) << "no birth date, no age";
  EXPECT_EQ(rows[3][9], Variant("São Paulo")) << "the list names the city from CadEndCidades";
  EXPECT_EQ(rows[3][4], Variant("Filho(a)"));
  EXPECT_EQ(rows[3][11], Variant("Brasileira"));
  EXPECT_EQ(rows[3][17], Variant("Superior completo"));
  EXPECT_TRUE(rows[4][4].is_null()) << "a kinship degree missing from its table";
}

TEST_F(DependenteTest, Statements) {
  const qvtest::StatementCase<DependenteTest> cases[] = {
      {"AltStatus",
       [](DependenteTest& t) {
         Variant who(std::int32_t{5});
         std::string o = "S", n = "N";
         automation::Date date = DateSerial(2005, 3, 1);
         std::int32_t age = 14;
         t.c.AltStatusSalFamilia(Postgres(), t.desc, t.user, t.machine, who, o, n, date, age);
       },
       // 2005/03/01 - 5113.5 days = 1991/03/01 12:00: born on 1991/03/01 or before.
       {"UPDATE RhsDependente SET DepSalFamilia = 'N' WHERE DepSalFamilia = 'S' AND DataNascDep < '1991/03/02'"
        " AND CodFuncionario = 5"}},
      {"Age",
       [](DependenteTest& t) {
         std::int32_t key = 7;
         std::int16_t age = 0;
         automation::Date base = DateSerial(2020, 1, 1);
         Failure([&] { t.c.fCalcIdadeDep(Postgres(), t.desc, key, base, age); });
       },
       {"SELECT DataNascDep FROM RhsDependente WHERE CodDep = 7"}},
      {"Exc",
       [](DependenteTest& t) {
         std::int32_t key = 7;
         t.c.ExcDependente(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsDependente WHERE CodDep = 7"}},
      {"Alt",
       [](DependenteTest& t) {
         Dep d;
         t.Alt(Postgres(), 7, d);
       },
       {"UPDATE RhsDependente SET CodFuncionario = 1, NomeDep = 'Pedro', CodGrauParentesco = 3, SexoDep = 'M', "
        "NrCPFDep = '111.222.333-44', DataNascDep = '2000/03/01', CodNaturalidadeDep = 1, "
        "CodNacionalidadeDep = 10, NomeCartorio = '1º Ofício', NrRegistro = '123', NrLivro = 'A-1', "
        "NrFolha = '45', CodGrauInstrucaoDep = Null, DepIRRF = 'S', DepSalFamilia = 'S', DepAssistMedica = 'N', "
        "DepPensaoAliment = 'N' WHERE CodDep = 7"}},
      {"Counts",
       [](DependenteTest& t) {
         Variant all = kNull, one(std::int32_t{3});
         std::int32_t n = 0;
         t.c.fQuantDepIRRF(Postgres(), t.desc, all, n);
         t.c.fQuantDepSalFamilia(Postgres(), t.desc, one, n);
       },
       {"SELECT COUNT(CodDep) AS TotalDepIRRF FROM RhsDependente WHERE (DepIRRF = 'S' OR DepIRRF = 'E') ",
        "SELECT COUNT(CodDep) AS TotalDepSalFamilia FROM RhsDependente "
        "WHERE (DepSalFamilia = 'S' OR DepSalFamilia = 'E') AND CodFuncionario = 3"}},
      {"Inc",
       [](DependenteTest& t) {
         Dep d;
         d.naturalidade = kNull;
         d.instrucao = Variant(std::int16_t{7});
         t.Inc(Postgres(), d);
       },
       {"SELECT MAX(CodDep) AS MaxCod FROM RhsDependente",
        "INSERT INTO RhsDependente (CodDep, CodFuncionario, NomeDep, CodGrauParentesco, SexoDep, NrCPFDep, "
        "DataNascDep, CodNaturalidadeDep, CodNacionalidadeDep, NomeCartorio, NrRegistro, NrLivro, NrFolha, "
        "CodGrauInstrucaoDep, DepIRRF, DepSalFamilia, DepAssistMedica, DepPensaoAliment) VALUES ( 1,  1, "
        "'Pedro',  3, 'M', '111.222.333-44', '2000/03/01',  Null,  10, '1º Ofício', '123', 'A-1', '45',  7, "
        "'S', 'S', 'N', 'N') "}},
      {"CarNone",
       [](DependenteTest& t) {
         Variant list, f[8];
         for (Variant& v : f) v = kNull;
         t.c.CarDependente(Postgres(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
       },
       {"SELECT RhsDependente.*, RhsTipoGrauParentesco.DescrGrauParentesco, RhsCidade.Cidade, "
        "RhsNacionalidade.Nacionalidade, RhsGrauInstrucao.GrauInstrucao FROM ((((RhsDependente "
        "LEFT JOIN RhsTipoGrauParentesco ON RhsTipoGrauParentesco.CodGrauParentesco = "
        "RhsDependente.CodGrauParentesco) "
        "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsDependente.CodNaturalidadeDep) "
        "LEFT JOIN RhsNacionalidade ON RhsNacionalidade.CodNacionalidade = RhsDependente.CodNacionalidadeDep) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsDependente.CodGrauInstrucaoDep)  "
        "ORDER BY NomeDep"}},
      {"CarAllOffPostgres",
       [](DependenteTest& t) {
         Variant list, f[8] = {Variant(std::int32_t{1}), Variant(std::int32_t{3}), Variant("f"),
                               Variant(std::int32_t{7}), Variant("s"), Variant("s"), Variant("n"),
                               Variant("o'k")};
         t.c.CarDependente(qvtest::Sqlite(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
       },
       {"SELECT RhsDependente.*, RhsTipoGrauParentesco.DescrGrauParentesco, RhsCidade.Cidade, "
        "RhsNacionalidade.Nacionalidade, RhsGrauInstrucao.GrauInstrucao FROM ((((RhsDependente "
        "LEFT JOIN RhsTipoGrauParentesco ON RhsTipoGrauParentesco.CodGrauParentesco = "
        "RhsDependente.CodGrauParentesco) "
        "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsDependente.CodNaturalidadeDep) "
        "LEFT JOIN RhsNacionalidade ON RhsNacionalidade.CodNacionalidade = RhsDependente.CodNacionalidadeDep) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsDependente.CodGrauInstrucaoDep) "
        "WHERE RhsDependente.CodFuncionario = 1 AND RhsDependente.CodGrauParentesco = 3 AND "
        "(SexoDep) COLLATE qv_nocase = 'F' AND CodGrauInstrucaoDep = 7 AND (DepIRRF) COLLATE qv_nocase = 'S' AND DepSalFamilia = 's' AND DepAssistMedica = 'n' AND "
        "DepPensaoAliment = 'o''k' ORDER BY NomeDep"}},
      {"Bus",
       [](DependenteTest& t) {
         std::int32_t key = 7, n = 0;
         std::string s;
         automation::Date d;
         Variant v;
         t.c.BusDependente(Postgres(), t.desc, key, s, d, n, s, n, s, s, s, d, v, v, v, v, s, s, s, s, v, v, s, s, s,
                           s);
       },
       {"SELECT RhsDependente.*, RhsTipoGrauParentesco.DescrGrauParentesco, RhsCidade.NomeCidade, "
        "RhsNacionalidade.Nacionalidade, RhsGrauInstrucao.GrauInstrucao, RhsDadosPessoais.Nome, "
        "RhsDadosPessoais.DataNasc FROM (((((( RhsDependente "
        "LEFT JOIN RhsTipoGrauParentesco ON RhsTipoGrauParentesco.CodGrauParentesco = "
        "RhsDependente.CodGrauParentesco) "
        "LEFT JOIN RhsCidade ON RhsCidade.CodCidade = RhsDependente.CodNaturalidadeDep) "
        "LEFT JOIN RhsNacionalidade ON RhsNacionalidade.CodNacionalidade = RhsDependente.CodNacionalidadeDep) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsDependente.CodGrauInstrucaoDep) "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsDependente.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "WHERE RhsDependente.CodDep = 7"}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsDependente"); });
}

TEST_F(DependenteTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classDependente> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> count{conn, Variant("kept"), Variant(std::int32_t{1}), Variant()};
  com::CallResult r = object.Invoke("fquantdepirrf", count);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(count[3], Variant(std::int32_t{2}));

  std::vector<Variant> age{conn, Variant(""), Variant("77"), Variant(DateSerial(2020, 1, 1)),
                           Variant(std::int16_t{-1})};
  r = object.Invoke("fCalcIdadeDep", age);
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(r.error.number, 3021);
  EXPECT_EQ(age[1], Variant(""));
  EXPECT_EQ(age[4], Variant(std::int16_t{-1}));

  age[2] = Variant(std::int32_t{1});
  r = object.Invoke("fCalcIdadeDep", age);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(age[4], Variant(std::int16_t{19}));
}

INSTANTIATE_TEST_SUITE_P(Both, DependenteDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
