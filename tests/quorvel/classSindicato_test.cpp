// SPDX-License-Identifier: MIT
// classSindicato against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/administration/classSindicato.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

struct Union {
  std::string nome = "Sindicato dos Comerciários", logr = "Rua", end = "Direita", nr = "10", compl_ = "sala 2",
              bairro = "Sé";
  std::int32_t cidade = 3550308;
  std::string uf = "SP", cep = "01002-000";
  std::uint8_t mes = 5;
  std::string fone = "11 3333-4444";
};

class SindicatoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsSindicato; DELETE FROM CadEndCidades; DELETE FROM RhsCidade;"
                 "INSERT INTO CadEndCidades (CodCidade, Cidade, UF, CodCidade_Ibge) VALUES"
                 " (1, 'São Paulo', 'SP', 3550308), (2, 'Campinas', 'SP', 3509502), (3, 'Recife', 'PE', NULL);"
                 "INSERT INTO RhsCidade VALUES (3550308, 'SAO PAULO'), (3509502, 'CAMPINAS');"
                 "INSERT INTO RhsSindicato VALUES"
                 " (1, 'Sindicato dos Metalúrgicos', 'Av', 'Paulista', '100', NULL, NULL, 3550308, 'SP', NULL, 5, NULL),"
                 " (2, 'Bancários de Campinas', 'Rua', 'Barão', '7', '', 'Centro', 3509502, 'SP', '13000-000', 9,"
                 " '19 3232-0000'),"
                 " (10, 'Químicos', 'Rua', 'X', '1', 'a', 'Vila Nova', 3550308, 'SP', '', 11, ''),"
                 " (11, 'Sem cidade', 'Rua', 'Y', '2', NULL, 'Centro', 999, 'PE', NULL, 1, NULL)");
  }
  std::int32_t Insert(Union u) {
    std::int32_t key = -1;
    c.IncSindicato(Postgres(), desc, user, machine, key, u.nome, u.logr, u.end, u.nr, u.compl_, u.bairro, u.cidade,
                   u.uf, u.cep, u.mes, u.fone);
    return key;
  }
  std::string Row(std::int32_t key) {
    return qvtest::Cell(
        Postgres(), "SELECT NomeSind || '|' || LogradouroSind || '|' || EnderecoSind || '|' || NrEnderecoSind || '|'"
                    " || ComplEnderecoSind || '|' || BairroSind || '|' || CodCidade || '|' || UFSind || '|' || CEPSind"
                    " || '|' || DataBaseSind || '|' || Telefone FROM RhsSindicato WHERE CodSindicato = " +
                        std::to_string(key));
  }

  quorvel::classSindicato c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(SindicatoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsSindicato");
  EXPECT_EQ(Insert({}), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsSindicato (CodSindicato, NomeSind) VALUES (41, 'X')");
  Union hostile;
  hostile.nome = "O'Brien x' OR '1'='1";
  hostile.fone = "UPPER cstr";
  EXPECT_EQ(Insert(hostile), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "Sindicato dos Comerciários|Rua|Direita|10|sala 2|Sé|3550308|SP|01002-000|5|11 3333-4444");
  EXPECT_EQ(Row(42), "O'Brien x' OR '1'='1|Rua|Direita|10|sala 2|Sé|3550308|SP|01002-000|5|UPPER cstr");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsSindicato"), 3);
}

TEST_F(SindicatoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsSindicato (CodSindicato, NomeSind) VALUES (2147483647, 'Max')", "RhsSindicato",
      [&] { return Insert({}); }, desc);
}

TEST_F(SindicatoTest, UpdateRewritesItsRowAlone) {
  Union u;
  u.nome = "D'Ávila";
  u.mes = 12;
  std::int32_t key = 2, missing = 99;
  c.AltSindicato(Postgres(), desc, user, machine, key, u.nome, u.logr, u.end, u.nr, u.compl_, u.bairro, u.cidade,
                 u.uf, u.cep, u.mes, u.fone);
  c.AltSindicato(Postgres(), desc, user, machine, missing, u.nome, u.logr, u.end, u.nr, u.compl_, u.bairro,
                 u.cidade, u.uf, u.cep, u.mes, u.fone);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(2), "D'Ávila|Rua|Direita|10|sala 2|Sé|3550308|SP|01002-000|12|11 3333-4444");
  EXPECT_EQ(Row(10), "Químicos|Rua|X|1|a|Vila Nova|3550308|SP||11|");
}

TEST_F(SindicatoTest, DeleteRemovesItsRowAlone) {
  std::int32_t key = 2, missing = 99;
  c.ExcSindicato(Postgres(), desc, user, machine, key);
  c.ExcSindicato(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsSindicato"), 3);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsSindicato WHERE CodSindicato = 2"), 0);
}

TEST_F(SindicatoTest, Fetch) {
  struct Out {
    std::int32_t key;
    std::string nome = "old", logr = "old", end = "old", nr = "old", compl_ = "old", bairro = "old";
    std::int32_t cidade = -1;
    std::string nomeCidade = "old", uf = "old", cep = "old";
    std::uint8_t mes = 0;
    std::string fone = "old";
  };
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* expected;  // every out joined by |
  };
  const Case cases[] = {
      {1, "", "1|Sindicato dos Metalúrgicos|Av|Paulista|100|||3550308|SAO PAULO|SP||5|"},  // four Nulls as ""
      {2, "", "2|Bancários de Campinas|Rua|Barão|7||Centro|3509502|CAMPINAS|SP|13000-000|9|19 3232-0000"},
      {11, "94    Quorvel", "11|Sem cidade|Rua|Y|2||Centro|999|old|old|old|0|old"},  // no city in RhsCidade
      {77, "3021    Quorvel", "77|old|old|old|old|old|old|-1|old|old|old|0|old"},
  };
  for (const Case& k : cases) {
    Out o{k.key};
    desc = "before";
    c.BusSindicato(Postgres(), desc, o.key, o.nome, o.logr, o.end, o.nr, o.compl_, o.bairro, o.cidade, o.nomeCidade,
                   o.uf, o.cep, o.mes, o.fone);
    EXPECT_EQ(desc, *k.desc ? k.desc : "before") << k.key;
    const std::string got = std::to_string(o.key) + "|" + o.nome + "|" + o.logr + "|" + o.end + "|" + o.nr + "|" +
                            o.compl_ + "|" + o.bairro + "|" + std::to_string(o.cidade) + "|" + o.nomeCidade + "|" +
                            o.uf + "|" + o.cep + "|" + std::to_string(o.mes) + "|" + o.fone;
    EXPECT_EQ(got, k.expected) << k.key;
  }

  struct NameCase {
    std::int32_t key;
    const char* desc;
    const char* nome;
  };
  qvtest::Exec(Postgres(), "INSERT INTO RhsSindicato (CodSindicato) VALUES (20)");
  for (const NameCase& k : {NameCase{2, "", "Bancários de Campinas"}, NameCase{77, "3021    Quorvel", "old"},
                            NameCase{20, "94    Quorvel", "old"}}) {
    std::int32_t key = k.key;
    std::string nome = "old";
    desc.clear();
    c.BusNomeSind(Postgres(), desc, key, nome);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
  }
}

TEST_F(SindicatoTest, FetchOfAMonthOutOfRangeOverflows) {
  qvtest::Exec(Postgres(), "UPDATE RhsSindicato SET DataBaseSind = 300 WHERE CodSindicato = 2");
  std::int32_t key = 2, cidade = 0;
  std::string s[10];
  std::uint8_t mes = 7;
  c.BusSindicato(Postgres(), desc, key, s[0], s[1], s[2], s[3], s[4], s[5], cidade, s[6], s[7], s[8], mes, s[9]);
  EXPECT_EQ(desc, "6    Quorvel");
  EXPECT_EQ(s[8], "13000-000");
  EXPECT_EQ(mes, 7);
  EXPECT_EQ(s[9], "");
}

class SindicatoListTest : public qvtest::ListTest<SindicatoTest> {};

TEST_P(SindicatoListTest, Filters) {
  Seed(conn());
  auto f = Args(5);
  Variant list = qvtest::kUntouchedList;
  c.CarSindicato(conn(), desc, list, f[0], f[1], f[2], f[3], f[4]);
  ExpectList(desc, list, qvtest::Texts({"CodSindicato", "NomeSind", "BairroSind", "NomeCidade", "UFSind"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "2 10 1"},  // 11 has no city in the register
    {"OnlyTheLast", {kNull, kNull, kNull, kNull, Variant(std::int32_t{9})}, "2"},
    {"KeyPattern", {Variant("1%")}, "10 1"},
    {"LowerCaseName", {kNull, Variant("%sindicato%")}, "1"},
    {"PortugueseLetters", {kNull, Variant("%metalúrgicos")}, "1"},
    {"RegisterCity", {kNull, kNull, Variant(std::int32_t{1})}, "10 1"},
    {"CityAsDigits", {kNull, kNull, Variant("2")}, "2"},
    {"Several", {Variant("%"), Variant("%"), Variant(std::int32_t{1}), Variant("SP"), Variant("11")}, "10"},
    {"NoMatch", {kNull, Variant("zz%")}, ""},
    {"QuoteInKey", {Variant("1' OR '1'='1")}, ""},
    {"QuoteInName", {kNull, Variant("x' OR '1'='1")}, ""},
    {"QuoteInState", {kNull, kNull, kNull, Variant("SP' OR '1'='1")}, ""},
    {"InjectionInCity", {kNull, kNull, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyCity", {kNull, kNull, Variant()}, "", "13    Quorvel"},
    {"InjectionInMonth", {kNull, kNull, kNull, kNull, Variant("5 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyTextMonth", {kNull, kNull, kNull, kNull, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, SindicatoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(SindicatoTest, ListKeepsNulls) {
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull;
  c.CarSindicato(Postgres(), desc, list, n1, n2, n3, n4, n5);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[3], (std::vector<Variant>{Variant(std::int32_t{1}), Variant("Sindicato dos Metalúrgicos"), kNull,
                                           Variant("São Paulo"), Variant("SP")}));
}

TEST_F(SindicatoTest, ListOnAnEmptyTableGivesTheCaptions) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsSindicato");
  Variant list, n1 = kNull, n2 = kNull, n3 = kNull, n4 = kNull, n5 = kNull;
  c.CarSindicato(Postgres(), desc, list, n1, n2, n3, n4, n5);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(SindicatoTest, Statements) {
  const qvtest::StatementCase<SindicatoTest> cases[] = {
      {"BusNome",
       [](SindicatoTest& t) {
         std::int32_t key = 7;
         std::string n;
         t.c.BusNomeSind(Postgres(), t.desc, key, n);
       },
       {"SELECT NomeSind FROM   RhsSindicato WHERE  CodSindicato = 7"}},
      {"CarAll",
       [](SindicatoTest& t) {
         Variant list, cod("1%"), nome("ana%"), cidade(std::int32_t{3}), uf("SP"), mes(std::int16_t{5});
         t.c.CarSindicato(Postgres(), t.desc, list, cod, nome, cidade, uf, mes);
       },
       {" SELECT DISTINCT RhsSindicato.CodSindicato, RhsSindicato.NomeSind,  RhsSindicato.BairroSind, "
        "RhsCidade.Cidade, RhsSindicato.UFSind  FROM RhsSindicato  INNER JOIN CadEndCidades RhsCidade ON "
        "RhsCidade.CodCidade_Ibge = RhsSindicato.CodCidade    WHERE RhsSindicato.CodCidade = "
        "RhsCidade.CodCidade_Ibge  AND CStr(RhsSindicato.CodSindicato) LIKE '1%' AND UPPER(RhsSindicato.NomeSind) "
        "LIKE 'ANA%' AND RhsCidade.CodCidade = 3 AND RhsSindicato.UFSind = 'SP' AND RhsSindicato.DataBaseSind = 5 "
        "ORDER BY RhsSindicato.NomeSind"}},
      {"CarOffPostgres",
       [](SindicatoTest& t) {
         Variant list, cod("1%"), nome("ana%"), n1 = kNull, n2 = kNull, n3 = kNull;
         t.c.CarSindicato(qvtest::Sqlite(), t.desc, list, cod, nome, n1, n2, n3);
       },
       {" SELECT DISTINCT RhsSindicato.CodSindicato, RhsSindicato.NomeSind,  RhsSindicato.BairroSind, "
        "RhsCidade.Cidade, RhsSindicato.UFSind  FROM RhsSindicato  INNER JOIN CadEndCidades RhsCidade ON "
        "RhsCidade.CodCidade_Ibge = RhsSindicato.CodCidade    WHERE RhsSindicato.CodCidade = "
        "RhsCidade.CodCidade_Ibge  AND CStr(RhsSindicato.CodSindicato) LIKE '1%' AND (RhsSindicato.NomeSind) "
        "LIKE 'ANA%' ORDER BY RhsSindicato.NomeSind"}},
      {"Bus",
       [](SindicatoTest& t) {
         std::int32_t key = 7, cidade = 0;
         std::string s[10];
         std::uint8_t mes = 0;
         t.c.BusSindicato(Postgres(), t.desc, key, s[0], s[1], s[2], s[3], s[4], s[5], cidade, s[6], s[7], s[8],
                          mes, s[9]);
       },
       {"SELECT RhsSindicato.*, RhsCidade.NomeCidade FROM ( RhsSindicato LEFT JOIN RhsCidade ON "
        "RhsCidade.CodCidade = RhsSindicato.CodCidade) WHERE RhsSindicato.CodSindicato = 7"}},
      {"Exc",
       [](SindicatoTest& t) {
         std::int32_t key = 7;
         t.c.ExcSindicato(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsSindicato WHERE CodSindicato = 7"}},
      {"Alt",
       [](SindicatoTest& t) {
         Union u;
         std::int32_t key = 7;
         t.c.AltSindicato(Postgres(), t.desc, t.user, t.machine, key, u.nome, u.logr, u.end, u.nr, u.compl_,
                          u.bairro, u.cidade, u.uf, u.cep, u.mes, u.fone);
       },
       {"UPDATE RhsSindicato SET NomeSind = 'Sindicato dos Comerciários', LogradouroSind = 'Rua', EnderecoSind = "
        "'Direita', NrEnderecoSind = '10', ComplEnderecoSind = 'sala 2', BairroSind = 'Sé', CodCidade = 3550308, "
        "UFSind = 'SP', CEPSind = '01002-000', DataBaseSind = 5, Telefone = '11 3333-4444'WHERE CodSindicato = 7"}},
      {"Inc",
       [](SindicatoTest& t) {
         Union u;
         u.compl_ = "";
         std::int32_t key = 7;
         t.c.IncSindicato(Postgres(), t.desc, t.user, t.machine, key, u.nome, u.logr, u.end, u.nr, u.compl_,
                          u.bairro, u.cidade, u.uf, u.cep, u.mes, u.fone);
       },
       {"SELECT MAX(CodSindicato) AS MaxCod FROM RhsSindicato",
        "INSERT INTO RhsSindicato (CodSindicato, NomeSind, LogradouroSind, EnderecoSind, NrEnderecoSind, "
        "ComplEnderecoSind, BairroSind, CodCidade, UFSind, CEPSind, DataBaseSind, Telefone )VALUES ( 1, "
        "'Sindicato dos Comerciários', 'Rua', 'Direita', '10', '', 'Sé',  3550308, 'SP', '01002-000',  5, "
        "'11 3333-4444') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsSindicato"); });
}

TEST_F(SindicatoTest, DispatchByName) {
  com::DispatchObject<quorvel::classSindicato> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> inc{conn,          Variant(""),   Variant("u"),  Variant("m"),         Variant(),
                           Variant("Novo"), Variant("Rua"), Variant("A"), Variant("1"),        Variant(""),
                           Variant("B"),  Variant("3509502"), Variant("SP"), Variant(""), Variant("7"),
                           Variant("")};
  com::CallResult r = object.Invoke("incsindicato", inc);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(inc[1], Variant(""));
  EXPECT_EQ(inc[4], Variant(std::int32_t{12}));
  EXPECT_EQ(inc[11], Variant(std::int32_t{3509502}));
  EXPECT_EQ(Row(12), "Novo|Rua|A|1||B|3509502|SP||7|");
}

}  // namespace
