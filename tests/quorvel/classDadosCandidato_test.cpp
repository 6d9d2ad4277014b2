// SPDX-License-Identifier: MIT
// classDadosCandidato against PostgreSQL, its list and the situation update on SQLite too.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classDadosCandidato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Date;
using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

const Variant kN(Null);

constexpr const char* kJoin =
    "FROM ( RhsDadosCandidato LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = "
    "RhsDadosCandidato.CodIndividual) ";

// The sixteen values after the keys, as the class's callers pass them.
struct Fields {
  std::string encaminhado = "Pedro", parentes = "S";
  Variant nome_parentes = kN;
  std::string datilografia = "S", outros = "N";
  Variant descr_outros = Variant("Vendas"), outros_conhec = kN;
  std::string horas = "S", viagens = "N";
  double salario = 1500.5;
  std::string turno = "Manhã";
  Variant outras_funcoes = kN;
  std::string meio = "Ônibus";
  Variant contatos = kN;
  Date atualizacao = DateSerial(2024, 1, 10);
  std::string situacao = "A";
};

class DadosCandidatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  // candidate, person, referrer, typing, overtime, travel, transport, situation
  static void Seed(ado::Connection& conn) {
    std::string sql =
        "DELETE FROM RhsDadosCandidato; DELETE FROM RhsDadosPessoais;"
        "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, DataNasc, Fumante) VALUES"
        " (1, 'Ana Souza', '1990-05-01', 'S'), (2, 'João Lima', '1985-01-02', 'N'), (3, 'Joana Reis', Null, 'N'),"
        " (5, 'Rui Dias', '1970-07-07', 'S');";
    const char* rows[][8] = {{"1", "1", "'Pedro'", "'S'", "'S'", "'N'", "'B'", "'A'"},
                             {"2", "2", "''", "'N'", "'S'", "'S'", "''", "'A'"},
                             {"3", "3", "'Maria'", "'S'", "'N'", "'N'", "'A'", "'I'"},
                             {"4", "99", "Null", "'N'", "'N'", "'S'", "Null", "'A'"},
                             {"5", "5", "'Pedro'", "'N'", "'S'", "'S'", "'B'", "'A'"}};
    for (const auto& r : rows)
      sql += std::string("INSERT INTO RhsDadosCandidato VALUES (") + r[1] + ", " + r[0] + ", " + r[2] +
             ", 'S', Null, " + r[3] + ", 'N', Null, 'Excel', " + r[4] + ", " + r[5] + ", 1200.25, 'Tarde', Null, " +
             r[6] + ", 'Tel 123', '2024-02-20', " + r[7] + ");";
    qvtest::Exec(conn, sql);
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(
        Postgres(), "SELECT CodIndividual || '|' || EncaminhadoPor || '|' || NomeParentes || '|' || "
                    "DescrOutrosTiposTrab || '|' || SalarioPretendido || '|' || MeioTransporte || '|' || "
                    "OutrosContatos || '|' || DataUltimaAtualizacao || '|' || Situacao "
                    "FROM RhsDadosCandidato WHERE CodCandidato = " + std::to_string(key));
    return v.is_empty() ? "(none)" : automation::CStr(v);
  }
  void Inc(std::int32_t& key, std::int32_t person, Fields f) {
    c.IncCandidato(Postgres(), desc, user, machine, person, key, f.encaminhado, f.parentes, f.nome_parentes,
                   f.datilografia, f.outros, f.descr_outros, f.outros_conhec, f.horas, f.viagens, f.salario,
                   f.turno, f.outras_funcoes, f.meio, f.contatos, f.atualizacao, f.situacao);
  }
  void Alt(std::int32_t key, std::int32_t person, Fields f) {
    c.AltCandidato(Postgres(), desc, user, machine, person, key, f.encaminhado, f.parentes, f.nome_parentes,
                   f.datilografia, f.outros, f.descr_outros, f.outros_conhec, f.horas, f.viagens, f.salario,
                   f.turno, f.outras_funcoes, f.meio, f.contatos, f.atualizacao, f.situacao);
  }

  quorvel::classDadosCandidato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(DadosCandidatoTest, PickLists) {
  Variant list("replaced");
  c.CarComboMeioTransporte(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant("A"), Variant("B"), Variant()}));
  c.CarComboEncaminhadoPor(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant("Maria"), Variant("Pedro"), Variant()}));
  qvtest::Exec(Postgres(), "DELETE FROM RhsDadosCandidato");
  c.CarComboMeioTransporte(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant()}));
  EXPECT_EQ(desc, "");
}

TEST_F(DadosCandidatoTest, CandidateOfAPerson) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {{2, 2}, {3, 3}, {50, -1}};
  for (auto [person, expected] : cases) {
    std::int32_t p = person;
    EXPECT_EQ(c.fBusCodCandidato(Postgres(), desc, p), expected) << person;
  }
  EXPECT_EQ(desc, "");
}

TEST_F(DadosCandidatoTest, InsertAllocatesTheNextKeyAndWritesEveryColumn) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsDadosCandidato");
  std::int32_t key = -1;
  Inc(key, 7, {});
  EXPECT_EQ(key, 1);
  EXPECT_EQ(Row(1), "7|Pedro||Vendas|1500.5|Ônibus||2024-01-10|A") << "Null optional texts become ''";
  qvtest::Exec(Postgres(), "UPDATE RhsDadosCandidato SET CodCandidato = 41");
  Fields hostile;
  hostile.encaminhado = "O'Brien";
  hostile.contatos = Variant("x' OR '1'='1");
  Inc(key, 8, hostile);
  EXPECT_EQ(key, 42);
  EXPECT_EQ(Row(42), "8|O'Brien||Vendas|1500.5|Ônibus|x' OR '1'='1|2024-01-10|A");
  EXPECT_EQ(desc, "");
}

TEST_F(DadosCandidatoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  std::int32_t key = -1;
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "UPDATE RhsDadosCandidato SET CodCandidato = 2147483647 WHERE CodCandidato = 5", "RhsDadosCandidato",
      [&] {
        Inc(key, 7, {});
        return key;
      },
      desc);
}

TEST_F(DadosCandidatoTest, UpdateMovesAndRewrites) {
  Fields f;
  f.nome_parentes = Variant("Tio Zé");
  f.salario = 2000;
  f.situacao = "C";
  desc = "texto anterior";
  Alt(3, 1, f);
  Alt(99, 1, f);  // no such row: nothing happens
  EXPECT_EQ(Row(3), "1|Pedro|Tio Zé|Vendas|2000|Ônibus||2024-01-10|C");
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsDadosCandidato"), 5);
}

TEST_F(DadosCandidatoTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* outputs;  // person|name|candidate|referrer|salary|transport|situation
    const char* before = nullptr;
  };
  const Case cases[] = {
      {1, "", "1|Ana Souza|1|Pedro|1200.25|B|A"},
      {77, "3021    Quorvel", "-1|old|77|old|-1|old|old"},
      {4, "94    Quorvel", "99|old|4|old|-1|old|old"},  // the person is missing
      {4, "94    Quorvel", "3|Joana Reis|4|old|-1|old|old",  // no birth date
       "UPDATE RhsDadosCandidato SET CodIndividual = 3 WHERE CodCandidato = 4"},
  };
  for (const Case& k : cases) {
    std::int32_t person = -1, key = k.key;
    std::string nome = "old", enc = "old", parentes = "old", datil = "old", outros = "old", horas = "old",
                viagens = "old", turno = "old", meio = "old", sit = "old";
    Date nasc = DateSerial(1900, 1, 1), atual = nasc;
    Variant np("old"), descr("old"), conhec("old"), funcoes("old"), contatos("old");
    double salario = -1;
    desc.clear();
    if (k.before) qvtest::Exec(Postgres(), k.before);
    c.BusCandidato(Postgres(), desc, person, nome, nasc, key, enc, parentes, np, datil, outros, descr, conhec, horas,
                   viagens, salario, turno, funcoes, meio, contatos, atual, sit);
    EXPECT_EQ(desc, k.desc) << k.key;
    std::ostringstream out;
    out << person << "|" << nome << "|" << key << "|" << enc << "|" << salario << "|" << meio << "|" << sit;
    EXPECT_EQ(out.str(), k.outputs);
    if (k.key == 1) {
      EXPECT_EQ(nasc, DateSerial(1990, 5, 1));
      EXPECT_EQ(atual, DateSerial(2024, 2, 20));
      EXPECT_TRUE(np.is_null() && descr.is_null() && funcoes.is_null()) << "raw values keep Null";
      EXPECT_EQ(conhec, Variant("Excel"));
      EXPECT_EQ(contatos, Variant("Tel 123"));
      EXPECT_EQ(parentes + datil + outros + horas + viagens + turno, "SSNSNTarde");
    }
  }
}

class DadosCandidatoListTest : public qvtest::ListTest<DadosCandidatoTest> {};

TEST_P(DadosCandidatoListTest, Filters) {
  Seed(conn());
  auto f = Args(7);
  Variant list = qvtest::kUntouchedList;
  c.CarCandidato(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  ExpectList(desc, list,
             qvtest::Texts({"CodCandidato", "Nome", "DataNasc", "DispHorasExtras", "DispViagens", "Situacao"}),
             qvtest::SortedKeys);
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "1 2 3 4 5"},
    {"Person", Filters::At({{0, Variant(std::int32_t{1})}}), "1"},
    {"Name", Filters::At({{1, Variant("jo%")}}), "2 3"},
    {"Typing", Filters::At({{2, Variant("S")}}), "1 3"},
    {"Smoker", Filters::At({{3, Variant("N")}}), "2 3"},
    {"OvertimeAndTravel", Filters::At({{4, Variant("S")}, {5, Variant("S")}}), "2 5"},
    {"Situation", Filters::At({{6, Variant("I")}}), "3"},
    {"EmptySituation", Filters::At({{6, Variant("")}}), ""},
    {"All",
     Filters::At({{0, Variant("3")}, {1, Variant("JOANA%")}, {2, Variant("S")}, {3, Variant("N")}, {4, Variant("N")},
                  {5, Variant("N")}, {6, Variant("I")}}),
     "3"},
    {"QuoteInSituation", Filters::At({{6, Variant("x' OR '1'='1")}}), ""},
    {"QuoteInName", Filters::At({{1, Variant("O'Brien")}}), ""},
    {"InjectionInPerson", Filters::At({{0, Variant("1 OR 1=1")}}), "", "13    Quorvel"},
    {"EmptyPerson", Filters::At({{0, Variant()}}), "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, DadosCandidatoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(DadosCandidatoTest, ListRows) {
  Variant list, person(std::int32_t{99}), n = kN, a = n, b = n, d = n, e = n, g = n;
  c.CarCandidato(Postgres(), desc, list, person, a, b, d, e, g, n);
  auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{4}), kN, kN, Variant("N"), Variant("S"),
                                           Variant("A")}))
      << "a missing person";
  person = Variant(std::int32_t{50});
  c.CarCandidato(Postgres(), desc, list, person, a, b, d, e, g, n);
  EXPECT_EQ(qvtest::Rows(list).size(), 1u) << "the caption row alone";
  EXPECT_EQ(desc, "");
}

class DadosCandidatoDatabaseTest : public qvtest::DatabaseTest<DadosCandidatoTest> {};

TEST_P(DadosCandidatoDatabaseTest, SituationTakesTodaysDate) {
  Seed(conn());
  automation::ScopedClock clock(DateSerial(2024, 3, 3));
  std::int32_t key = 1;
  std::string situacao = "O'C";
  qvtest::Trace trace;
  c.AltSituacao(conn(), desc, user, machine, key, situacao);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{"UPDATE RhsDadosCandidato SET Situacao = 'O''C', DataUltimaAtualizacao = "
                                      "'2024/03/03' WHERE RhsDadosCandidato.CodCandidato = 1"}));
  EXPECT_EQ(qvtest::Scalar(conn(), "SELECT Situacao FROM RhsDadosCandidato WHERE CodCandidato = 1"),
            Variant("O'C"));
  EXPECT_EQ(automation::CDate(qvtest::Scalar(conn(), "SELECT DataUltimaAtualizacao FROM RhsDadosCandidato "
                                                    "WHERE CodCandidato = 1")),
            DateSerial(2024, 3, 3));
}

TEST_F(DadosCandidatoTest, Statements) {
  struct Case {
    const char* name;
    std::function<void(DadosCandidatoTest&)> call;
    std::vector<std::string> statements;
  };
  const Case cases[] = {
      {"Inc",
       [](DadosCandidatoTest& t) {
         std::int32_t key = 0;
         t.Inc(key, 7, {});
       },
       {"SELECT MAX(CodCandidato) AS MaxCod FROM RhsDadosCandidato",
        "INSERT INTO RhsDadosCandidato (CodIndividual, CodCandidato, EncaminhadoPor, ParentesEmpresa, "
        "NomeParentes, Datilografia, OutrosTiposTrab, DescrOutrosTiposTrab, OutrosConhecimentos, DispHorasExtras, "
        "DispViagens, SalarioPretendido, TurnoPreferencial, OutrasFuncoes, MeioTransporte, OutrosContatos, "
        "DataUltimaAtualizacao, Situacao) VALUES ( 7,  6, 'Pedro', 'S', '', 'S', 'N', 'Vendas', '', 'S', 'N',  "
        "1500.5, 'Manhã', '', 'Ônibus', '', '2024/01/10', 'A') "}},
      {"Alt", [](DadosCandidatoTest& t) { t.Alt(4, 7, {}); },
       {"UPDATE RhsDadosCandidato SET CodIndividual = 7, EncaminhadoPor = 'Pedro', ParentesEmpresa = 'S', "
        "NomeParentes = '', Datilografia = 'S', OutrosTiposTrab = 'N', DescrOutrosTiposTrab = 'Vendas', "
        "OutrosConhecimentos = '', DispHorasExtras = 'S', DispViagens = 'N', SalarioPretendido = '1500.5', "
        "TurnoPreferencial = 'Manhã', OutrasFuncoes = '', MeioTransporte = 'Ônibus', OutrosContatos = '', "
        "DataUltimaAtualizacao = '2024/01/10', Situacao = 'A' WHERE CodCandidato = 4"}},
      {"Bus",
       [](DadosCandidatoTest& t) {
         std::int32_t person = 0, key = 2;
         std::string s[10];
         Date d1, d2;
         Variant v[5];
         double salario = 0;
         t.c.BusCandidato(Postgres(), t.desc, person, s[0], d1, key, s[1], s[2], v[0], s[3], s[4], v[1], v[2],
                          s[5], s[6], salario, s[7], v[3], s[8], v[4], d2, s[9]);
       },
       {std::string("SELECT RhsDadosPessoais.Nome, RhsDadosPessoais.DataNasc, RhsDadosCandidato.* ") + kJoin +
        "WHERE RhsDadosCandidato.CodCandidato = 2"}},
      {"Person",
       [](DadosCandidatoTest& t) {
         std::int32_t person = 3;
         t.c.fBusCodCandidato(Postgres(), t.desc, person);
       },
       {"SELECT CodIndividual, CodCandidato FROM RhsDadosCandidato WHERE CodIndividual = 3"}},
      {"Combos",
       [](DadosCandidatoTest& t) {
         Variant l;
         t.c.CarComboMeioTransporte(Postgres(), t.desc, l);
         t.c.CarComboEncaminhadoPor(Postgres(), t.desc, l);
       },
       {"SELECT DISTINCT MeioTransporte FROM RhsDadosCandidato WHERE MeioTransporte <> '' ORDER BY MeioTransporte",
        "SELECT DISTINCT EncaminhadoPor FROM RhsDadosCandidato WHERE EncaminhadoPor <> '' ORDER BY "
        "EncaminhadoPor"}},
      {"CarSqlite",
       [](DadosCandidatoTest& t) {
         Variant l, a(std::int32_t{1}), b("jo%"), d(""), e("S"), f("N"), g("S"), h("A");
         t.c.CarCandidato(qvtest::Sqlite(), t.desc, l, a, b, d, e, f, g, h);
       },
       {std::string("SELECT RhsDadosCandidato.*, RhsDadosPessoais.Nome, RhsDadosPessoais.DataNasc, "
                    "RhsDadosPessoais.Fumante ") +
        kJoin +
        "WHERE RhsDadosCandidato.CodIndividual = 1 AND (RhsDadosPessoais.Nome) LIKE 'JO%' AND Datilografia = '' "
        "AND RhsDadosPessoais.Fumante = 'S' AND DispHorasExtras = 'N' AND DispViagens = 'S' AND "
        "RhsDadosCandidato.Situacao = 'A'"}},
      {"CarPostgresNoFilter",
       [](DadosCandidatoTest& t) {
         Variant l, n = kN, a = n, b = n, d = n, e = n, f = n, g = n;
         t.c.CarCandidato(Postgres(), t.desc, l, n, a, b, d, e, f, g);
       },
       {std::string("SELECT RhsDadosCandidato.*, RhsDadosPessoais.Nome, RhsDadosPessoais.DataNasc, "
                    "RhsDadosPessoais.Fumante ") +
        kJoin}},
  };
  for (const Case& k : cases) {
    qvtest::Trace trace;
    k.call(*this);
    EXPECT_EQ(trace.statements(), k.statements) << k.name;
  }
}

TEST_F(DadosCandidatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classDadosCandidato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant("2")};
  const com::CallResult r = object.Invoke("fBusCodCandidato", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(std::int32_t{2}));
  EXPECT_EQ(args[1], Variant(""));
}

INSTANTIATE_TEST_SUITE_P(Both, DadosCandidatoDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
