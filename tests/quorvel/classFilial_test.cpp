// SPDX-License-Identifier: MIT
// classFilial against PostgreSQL, its list and insert on SQLite too.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/com/object.h"
#include "quorvel/personnel/classFilial.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;
using qvtest::Keys;

const Variant kNull(Null);

// Every column of a branch but the key, as IncFilial and AltFilial take them.
struct Branch {
  std::string nome = "Matriz", nrmatr = "123", prefixo = "MT", logradouro = "Rua", endereco = "Augusta",
              nrendereco = "100", complemento = "sala 2", bairro = "Centro";
  std::int32_t cidade = 1;
  std::string uf = "SP", cep = "01000-000", telefone = "1133334444", contato = "Ana", cargo = "Gerente",
              nrie = "110", cnae = "6201";
  std::int32_t natjur = 2062;
  std::uint8_t matr = 1, nrprop = 2;
  Variant faturamento = Variant(1234.5);
  std::uint8_t dissidio = 5;
  Variant banco = Variant("341");
  std::string alterou = "N";
  std::uint8_t porte = 3;
  std::string simples = "S", pat = "N";
  std::int32_t ate5 = 10, apartir5 = 4;
  float perc[6] = {12.5f, 1.25f, 0, 100, 0.5f, 7};
  std::string encerrada = "N";
  Variant encerramento = kNull;
  std::string situacao = "Ativa";
  Variant cabase = Variant(std::int32_t{77});
};

// The outs of BusFilial.
struct Fetched {
  std::int32_t cod = -1, cidade = -1, natjur = -1, ate5 = -1, apartir5 = -1;
  std::string nome = "old", nrmatr = "old", prefixo = "old", logradouro = "old", endereco = "old",
              nrendereco = "old", complemento = "old", bairro = "old", nomecidade = "old", uf = "old", cep = "old",
              telefone = "old", contato = "old", cargo = "old", nrie = "old", cnae = "old", descrcnae = "old",
              descrnatjur = "old", alterou = "old", simples = "old", pat = "old", encerrada = "old",
              situacao = "old";
  std::uint8_t matr = 99, nrprop = 99, dissidio = 99, porte = 99;
  Variant faturamento = Variant("old"), banco = Variant("old"), nomebanco = Variant("old"),
          encerramento = Variant("old"), cabase = Variant("old");
  float perc[6] = {-1, -1, -1, -1, -1, -1};
};

class FilialTest : public ::testing::Test {
 public:
  void SetUp() override { Clear(Postgres()); }
  static void Clear(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsFilial; DELETE FROM CadEndCidades; DELETE FROM RhsBanco; DELETE FROM RhsCNAE;"
                 "DELETE FROM RhsNatJuridica");
  }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "INSERT INTO CadEndCidades (CodCidade, Cidade, UF) VALUES (1, 'São Paulo', 'SP');"
                 "INSERT INTO RhsBanco (NumBanco, NomeBanco) VALUES (341, 'Itaú');"
                 "INSERT INTO RhsCNAE VALUES ('6201', 'Desenvolvimento de programas');"
                 "INSERT INTO RhsNatJuridica VALUES (2062, 'Sociedade limitada');"
                 "INSERT INTO RhsFilial (CodFilial, NomeFil, NrMatr, Prefixo, MatrINSS, BairroFil, CodCidadeFil,"
                 " UFFil, CodCNAE, CodNatJuridica, DataBaseDissidio, DomicBancario, Porte, OptanteSimples,"
                 " ParticPAT, EncerramentoAtividades, Situacao, CargoContato, LogradouroFil, EnderecoFil) VALUES"
                 " (1, 'Matriz São Paulo', '100', 'MT', 1, 'Centro', 1, 'SP', '6201', 2062, 5, '341', 3, 'S',"
                 "  'N', 'N', 'Ativa', 'Gerente', 'Rua', 'Augusta'),"
                 " (2, 'Filial Campinas', '200', 'CP', 2, 'Cambuí', 2, 'SP', '4711', 2135, 3, '237', 1, 'N',"
                 "  'S', 'N', 'Ativa', '', 'Avenida', NULL),"
                 " (10, 'Armazém Recife', '300', NULL, 1, NULL, 4, 'PE', '6201', 2062, 5, NULL, 3, 'N',"
                 "  'N', 'S', 'Encerrada', 'Gerente', 'Rua', 'Augusta'),"
                 " (11, 'filial Belo Horizonte', '100', 'BH', 3, '', 3, 'MG', '4711', 2062, 12, '341', 2, 'S',"
                 "  'S', 'N', 'Ativa', 'Diretor', '', 'Afonso Pena')");
  }
  void Inc(ado::Connection& conn, std::int32_t& key, Branch& b, std::int16_t cod) {
    c.IncFilial(conn, desc, user, machine, key, b.nome, b.matr, b.nrmatr, b.prefixo, b.logradouro, b.endereco,
                b.nrendereco, b.complemento, b.bairro, b.cidade, b.uf, b.cep, b.telefone, b.contato, b.cargo, b.nrie,
                b.cnae, b.natjur, b.nrprop, b.faturamento, b.dissidio, b.banco, b.alterou, b.porte, b.simples,
                b.pat, b.ate5, b.apartir5, b.perc[0], b.perc[1], b.perc[2], b.perc[3], b.perc[4], b.perc[5],
                b.encerrada, b.encerramento, b.situacao, b.cabase, cod);
  }
  void Alt(ado::Connection& conn, std::int32_t key, Branch& b) {
    c.AltFilial(conn, desc, user, machine, key, b.nome, b.matr, b.nrmatr, b.prefixo, b.logradouro, b.endereco,
                b.nrendereco, b.complemento, b.bairro, b.cidade, b.uf, b.cep, b.telefone, b.contato, b.cargo, b.nrie,
                b.cnae, b.natjur, b.nrprop, b.faturamento, b.dissidio, b.banco, b.alterou, b.porte, b.simples,
                b.pat, b.ate5, b.apartir5, b.perc[0], b.perc[1], b.perc[2], b.perc[3], b.perc[4], b.perc[5],
                b.encerrada, b.encerramento, b.situacao, b.cabase);
  }
  void Bus(ado::Connection& conn, Fetched& f) {
    c.BusFilial(conn, desc, f.cod, f.nome, f.matr, f.nrmatr, f.prefixo, f.logradouro, f.endereco, f.nrendereco,
                f.complemento, f.bairro, f.cidade, f.nomecidade, f.uf, f.cep, f.telefone, f.contato, f.cargo, f.nrie,
                f.cnae, f.descrcnae, f.natjur, f.descrnatjur, f.nrprop, f.faturamento, f.dissidio, f.banco,
                f.nomebanco, f.alterou, f.porte, f.simples, f.pat, f.ate5, f.apartir5, f.perc[0], f.perc[1],
                f.perc[2], f.perc[3], f.perc[4], f.perc[5], f.encerrada, f.encerramento, f.situacao, f.cabase);
  }
  static std::string Cell(ado::Connection& conn, std::string_view sql) {
    return qvtest::Cell(conn, sql);
  }

  quorvel::classFilial c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(FilialTest, InsertTakesTheCallersKeyAndFetchReadsItBack) {
  Seed(Postgres());
  struct Case {
    std::int16_t cod;
    std::function<void(Branch&)> change;
    const char* columns;  // NomeFil|Faturamento|DomicBancario|DataEncerramento|CodCABase as stored
  };
  const Case cases[] = {
      {12, [](Branch&) {}, "Matriz|1234.5|341|Null|77"},
      {-5, [](Branch& b) { b.faturamento = b.banco = b.cabase = kNull; }, "Matriz|Null|Null|Null|Null"},
      {32767, [](Branch& b) { b.encerramento = Variant(automation::DateSerial(2024, 3, 5)); },
       "Matriz|1234.5|341|2024-03-05|77"},
      {20, [](Branch& b) { b.faturamento = Variant("1.234,5"); }, "Matriz|1234.5|341|Null|77"},
  };
  for (const Case& k : cases) {
    Branch b;
    k.change(b);
    std::int32_t key = 999;
    desc.clear();
    Inc(Postgres(), key, b, k.cod);
    EXPECT_EQ(desc, "") << k.cod;
    EXPECT_EQ(key, k.cod);
    EXPECT_EQ(Cell(Postgres(), "SELECT NomeFil || '|' || coalesce(Faturamento::text, 'Null') || '|' ||"
                               " coalesce(DomicBancario, 'Null') || '|' || coalesce(DataEncerramento::text, 'Null')"
                               " || '|' || coalesce(CodCABase::text, 'Null') FROM RhsFilial WHERE CodFilial = " +
                                   std::to_string(k.cod)),
              k.columns);
  }
  Fetched f;
  f.cod = 12;
  Bus(Postgres(), f);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.cod, 12);
  EXPECT_EQ(f.nome, "Matriz");
  EXPECT_EQ(f.matr, 1);
  EXPECT_EQ(f.complemento, "sala 2");
  EXPECT_EQ(f.cidade, 1);
  EXPECT_EQ(f.nomecidade, "São Paulo");
  EXPECT_EQ(f.uf, "SP");
  EXPECT_EQ(f.cep, "01000-000");
  EXPECT_EQ(f.nrie, "110");
  EXPECT_EQ(f.cnae, "6201");
  EXPECT_EQ(f.descrcnae, "Desenvolvimento de programas");
  EXPECT_EQ(f.natjur, 2062);
  EXPECT_EQ(f.descrnatjur, "Sociedade limitada");
  EXPECT_EQ(f.nrprop, 2);
  EXPECT_EQ(f.faturamento, Variant(1234.5));
  EXPECT_EQ(f.dissidio, 5);
  EXPECT_EQ(f.banco, Variant("341"));
  EXPECT_EQ(f.nomebanco, Variant("Itaú"));
  EXPECT_EQ(f.porte, 3);
  EXPECT_EQ(f.ate5, 10);
  EXPECT_EQ(f.apartir5, 4);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(f.perc[i], Branch{}.perc[i]) << i;
  EXPECT_TRUE(f.encerramento.is_null());
  EXPECT_EQ(f.situacao, "Ativa");
  EXPECT_EQ(f.cabase, Variant(std::int32_t{77}));
}

TEST_F(FilialTest, InsertFailures) {
  Seed(Postgres());
  struct Case {
    const char* name;
    std::int16_t cod;
    std::function<void(Branch&)> change;
    const char* desc;
  };
  const Case cases[] = {
      {"ExistingKey", 1, [](Branch&) {}, "-2147217900    Quorvel"},
      {"InjectionInCode", 30, [](Branch& b) { b.cabase = Variant("1 OR 1=1"); }, "13    Quorvel"},
      {"EmptyAmount", 31, [](Branch& b) { b.faturamento = Variant(); }, "13    Quorvel"},
      {"EmptyTextAmount", 32, [](Branch& b) { b.faturamento = Variant(""); }, "13    Quorvel"},
      {"TextNoDate", 33, [](Branch& b) { b.encerramento = Variant("ontem"); }, "13    Quorvel"},
  };
  for (const Case& k : cases) {
    Branch b;
    k.change(b);
    std::int32_t key = 999;
    desc = "";
    Inc(Postgres(), key, b, k.cod);
    EXPECT_EQ(desc, k.desc) << k.name;
    EXPECT_EQ(key, k.cod) << k.name << ": the requested key is handed back";
  }
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsFilial"), 4);
  EXPECT_EQ(Cell(Postgres(), "SELECT NomeFil FROM RhsFilial WHERE CodFilial = 1"), "Matriz São Paulo");
}

class FilialDatabaseTest : public qvtest::DatabaseTest<FilialTest> {};

TEST_P(FilialDatabaseTest, HostileTextsAreStoredExactly) {
  const char* texts[] = {"O'Brien", "x' OR '1'='1", "UPPER cstr csng", "'; DELETE FROM RhsFilial; --"};
  Clear(conn());
  std::int16_t cod = 1;
  for (const char* text : texts) {
    Branch b;
    b.nome = b.bairro = text;
    const std::string banco = std::string(text).substr(0, 10);  // the column's width
    b.banco = Variant(banco);
    std::int32_t key = 0;
    desc.clear();
    Inc(conn(), key, b, cod);
    EXPECT_EQ(desc, "") << text;
    EXPECT_EQ(Cell(conn(), "SELECT NomeFil FROM RhsFilial WHERE CodFilial = " + std::to_string(cod)), text);
    b.nome = std::string(text) + "!";
    Alt(conn(), key, b);
    EXPECT_EQ(desc, "") << text;
    EXPECT_EQ(Cell(conn(), "SELECT NomeFil FROM RhsFilial WHERE CodFilial = " + std::to_string(cod)),
              std::string(text) + "!");
    EXPECT_EQ(Cell(conn(), "SELECT DomicBancario FROM RhsFilial WHERE CodFilial = " + std::to_string(cod)), banco);
    ++cod;
  }
  EXPECT_EQ(qvtest::Count(conn(), "RhsFilial"), 4);
  Clear(qvtest::Sqlite());
}

TEST_F(FilialTest, SinglesReadBackOnSqlite) {
  Clear(qvtest::Sqlite());
  Branch b;
  std::int32_t key = 0;
  Inc(qvtest::Sqlite(), key, b, 3);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(Cell(qvtest::Sqlite(), "SELECT PercAdmCozinha FROM RhsFilial WHERE CodFilial = 3"), "1,25");
  b.perc[1] = 2.75f;
  Alt(qvtest::Sqlite(), key, b);
  EXPECT_EQ(Cell(qvtest::Sqlite(), "SELECT PercAdmCozinha FROM RhsFilial WHERE CodFilial = 3"), "2,75");
  Clear(qvtest::Sqlite());
}

TEST_F(FilialTest, UpdateChangesOnlyThatBranch) {
  Seed(Postgres());
  Branch b;
  b.nome = "Matriz Paulista";
  b.dissidio = 7;
  b.faturamento = kNull;
  b.encerramento = Variant(automation::DateSerial(2023, 12, 31));
  b.perc[0] = 33.5f;
  Alt(Postgres(), 1, b);
  EXPECT_EQ(desc, "");
  Fetched f;
  f.cod = 1;
  Bus(Postgres(), f);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(f.nome, "Matriz Paulista");
  EXPECT_EQ(f.dissidio, 7);
  EXPECT_TRUE(f.faturamento.is_null());
  EXPECT_EQ(f.encerramento, Variant(automation::DateSerial(2023, 12, 31)));
  EXPECT_EQ(f.perc[0], 33.5f);
  EXPECT_EQ(Cell(Postgres(), "SELECT NomeFil FROM RhsFilial WHERE CodFilial = 2"), "Filial Campinas");
  Alt(Postgres(), 99, b);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsFilial"), 4);
}

TEST_F(FilialTest, FetchWithoutRowsOrWithNulls) {
  Seed(Postgres());
  qvtest::Exec(Postgres(), "INSERT INTO RhsFilial (CodFilial, NomeFil, MatrINSS) VALUES (20, NULL, 1);"
                           "INSERT INTO RhsFilial (CodFilial, NomeFil, MatrINSS, NrMatr, Prefixo, LogradouroFil,"
                           " EnderecoFil, NrEnderecoFil, ComplEnderecoFil, BairroFil, CodCidadeFil, DomicBancario,"
                           " DataBaseDissidio) VALUES (21, 'Sem banco', 1, '', '', '', '', '', '', '', 9, '999', 1)");
  {
    Fetched f;
    f.cod = 77;
    desc = "before";
    Bus(Postgres(), f);
    EXPECT_EQ(desc, "before") << "no row: nothing written, no error";
    EXPECT_EQ(f.cod, 77);
    EXPECT_EQ(f.nome, "old");
  }
  {
    Fetched f;
    f.cod = 20;
    desc = "";
    Bus(Postgres(), f);
    EXPECT_EQ(desc, "94    Quorvel");
    EXPECT_EQ(f.cod, 20);
    EXPECT_EQ(f.nome, "old");
    EXPECT_EQ(f.matr, 99);
  }
  {
    // A bank number that names no bank, no city, Null Faturamento; stops at Porte.
    Fetched f;
    f.cod = 21;
    desc = "";
    Bus(Postgres(), f);
    EXPECT_EQ(desc, "94    Quorvel");
    EXPECT_EQ(f.cidade, 9);
    EXPECT_TRUE(f.faturamento.is_null());
    EXPECT_EQ(f.banco, Variant("999"));
    EXPECT_TRUE(f.nomebanco.is_null());
    EXPECT_EQ(f.alterou, "old") << "a Null AlterouCNPJ stops the copying";
    EXPECT_EQ(f.nomecidade, "old");
  }
  {
    std::int32_t key = 77;
    std::string nome = "old";
    desc = "";
    c.BusNomeFil(Postgres(), desc, key, nome);
    EXPECT_EQ(desc, "3021    Quorvel");
    key = 20;
    c.BusNomeFil(Postgres(), desc, key, nome);
    EXPECT_EQ(desc, "94    Quorvel");
    EXPECT_EQ(nome, "old");
    key = 2;
    desc = "";
    c.BusNomeFil(Postgres(), desc, key, nome);
    EXPECT_EQ(desc, "");
    EXPECT_EQ(nome, "Filial Campinas");
  }
}

TEST_F(FilialTest, PickLists) {
  using Method = void (quorvel::classFilial::*)(ado::Connection&, std::string&, Variant&);
  struct Case {
    Method method;
    std::vector<Variant> values;  // sorted, the final Empty left out
  };
  const Case cases[] = {
      {&quorvel::classFilial::CarComboCargoContato, {Variant("Diretor"), Variant("Gerente")}},
      {&quorvel::classFilial::CarComboLogradouroFil, {Variant("Avenida"), Variant("Rua")}},
      {&quorvel::classFilial::CarComboEnderecoFil, {Variant("Afonso Pena"), Variant("Augusta")}},
      {&quorvel::classFilial::CarComboBairroFil, {Variant("Cambuí"), Variant("Centro")}},
  };
  for (const Case& k : cases) {
    Variant list("replaced");
    (c.*k.method)(Postgres(), desc, list);
    EXPECT_EQ(qvtest::Elements(list), std::vector<Variant>{Variant()}) << "empty table";
  }
  Seed(Postgres());
  for (const Case& k : cases) {
    Variant list;
    (c.*k.method)(Postgres(), desc, list);
    std::vector<Variant> got = qvtest::Elements(list);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), Variant());
    got.pop_back();
    std::sort(got.begin(), got.end(),
              [](const Variant& a, const Variant& b) { return automation::CStr(a) < automation::CStr(b); });
    EXPECT_EQ(got, k.values);
  }
  EXPECT_EQ(desc, "");
}

class FilialListTest : public qvtest::ListTest<FilialTest> {};

TEST_P(FilialListTest, Filters) {
  Clear(conn());
  Seed(conn());
  auto f = Args(16);
  Variant list = qvtest::kUntouchedList;
  c.CarFilial(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12],
              f[13], f[14], f[15]);
  if (!postgres()) Clear(conn());
  ExpectList(desc, list, qvtest::Texts({"CodFilial", "NomeFil", "NrMatr", "Prefixo"}));
}

const qvtest::ListCase kListCases[] = {
    {"None", {}, "10 2 1 11"},
    {"OnlyTheLast", Filters::At({{15, Variant("Encerrada")}}), "10"},
    {"KeyPattern", Filters::At({{0, Variant("1%")}}), "10 1 11"},
    {"NameInAnyCase", Filters::At({{1, Variant("%filial%")}}), "2 11"},
    {"PortugueseLetters", Filters::At({{1, Variant("%armazém%")}}), "10"},
    {"Dissidio", Filters::At({{9, Variant(std::int32_t{5})}}), "10 1"},
    {"DissidioAsText", Filters::At({{9, Variant("5")}}), "10 1"},
    {"Several", Filters::At({{2, Variant(std::uint8_t{1})}, {5, Variant(std::int32_t{1})}, {7, Variant("6201")},
    {8, Variant(std::int32_t{2062})}, {10, Variant("341")}, {11, Variant(std::int16_t{3})}}), "1"},
    {"Texts", Filters::At({{3, Variant("100")}, {6, Variant("MG")}, {12, Variant("S")}, {13, Variant("S")},
    {14, Variant("N")}}), "11"},
    {"District", Filters::At({{4, Variant("Cambuí")}}), "2"},
    {"QuoteInName", Filters::At({{1, Variant("x' OR '1'='1")}}), ""},
    {"QuoteInBank", Filters::At({{10, Variant("341' OR '1'='1")}}), ""},
    {"InjectionInCity", Filters::At({{5, Variant("1 OR 1=1")}}), "", "13    Quorvel"},
    {"EmptyPorte", Filters::At({{11, Variant()}}), "", "13    Quorvel"},
    {"EmptyTextMatr", Filters::At({{2, Variant("")}}), "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, FilialListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(FilialTest, Statements) {
  const qvtest::StatementCase<FilialTest> cases[] = {
      {"Combo",
       [](FilialTest& t) {
         Variant list;
         t.c.CarComboBairroFil(Postgres(), t.desc, list);
       },
       {"SELECT DISTINCT BairroFil FROM RhsFilial WHERE BairroFil <> ''"}},
      {"BusNome",
       [](FilialTest& t) {
         std::int32_t key = 7;
         std::string n;
         t.c.BusNomeFil(Postgres(), t.desc, key, n);
       },
       {"SELECT NomeFil FROM RhsFilial WHERE CodFilial = 7"}},
      {"CarKeyOnly",
       [](FilialTest& t) {
         Variant list, f[16];
         for (Variant& v : f) v = kNull;
         f[0] = Variant("1%");
         t.c.CarFilial(Postgres(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10],
                       f[11], f[12], f[13], f[14], f[15]);
       },
       {"SELECT CodFilial, NomeFil, NrMatr, Prefixo FROM RhsFilial WHERE  CodFilial LIKE '1%' ORDER BY NomeFil"}},
      {"CarAll",
       [](FilialTest& t) {
         Variant list, f[16];
         const char* texts[16] = {"1%", "ana%", "1", "n'r", "b", "2", "sp", "c", "3", "5", "341", "1", "s", "p",
                                  "e", "st"};
         for (int i = 0; i < 16; ++i) f[i] = Variant(texts[i]);
         t.c.CarFilial(qvtest::Sqlite(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                       f[10], f[11], f[12], f[13], f[14], f[15]);
       },
       {"SELECT CodFilial, NomeFil, NrMatr, Prefixo FROM RhsFilial WHERE  CodFilial LIKE '1%' AND "
        "(NomeFil) LIKE 'ANA%' AND MatrINSS = 1 AND NrMatr = 'n''r' AND BairroFil = 'b' AND CodCidadeFil = 2 AND "
        "UFFil = 'sp' AND CodCNAE = 'c' AND CodNatJuridica = 3 AND DataBaseDissidio = 5 AND "
        "DomicBancario = '341' AND Porte = 1 AND OptanteSimples = 's' AND ParticPAT = 'p' AND "
        "EncerramentoAtividades = 'e' AND Situacao = 'st' ORDER BY NomeFil"}},
      {"Bus",
       [](FilialTest& t) {
         Fetched f;
         f.cod = 7;
         t.Bus(Postgres(), f);
       },
       {"SELECT RhsFilial.*, RhsCidade.Cidade, RhsCidade.UF, RhsBanco.NomeBanco, RhsCNAE.DescrCNAE, "
        "RhsNatJuridica.DescrNatJuridica FROM (((( RhsFilial "
        "LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade = RhsFilial.CodCidadeFil) "
        "LEFT JOIN RhsBanco ON RhsBanco.NumBanco = RhsFilial.DomicBancario) "
        "LEFT JOIN RhsCNAE ON RhsCNAE.CodCNAE = RhsFilial.CodCNAE) "
        "LEFT JOIN RhsNatJuridica ON RhsNatJuridica.CodNatJuridica = RhsFilial.CodNatJuridica) "
        "WHERE RhsFilial.CodFilial = 7"}},
      {"Alt",
       [](FilialTest& t) {
         Branch b;
         t.Alt(Postgres(), 7, b);
       },
       {"UPDATE RhsFilial SET NomeFil = 'Matriz', MatrINSS = 1, NrMatr = '123', Prefixo = 'MT', "
        "LogradouroFil = 'Rua', EnderecoFil = 'Augusta', NrEnderecoFil = '100', ComplEnderecoFil = 'sala 2', "
        "BairroFil = 'Centro', CodCidadeFil = 1, UFFil = 'SP', CEPFil = '01000-000', TelefoneFil = '1133334444', "
        "PessoaContato = 'Ana', CargoContato = 'Gerente', NrIEFil = '110', CodCNAE = '6201', "
        "CodNatJuridica = 2062, NrProp = 2, Faturamento = 1234.5, DataBaseDissidio = 5, DomicBancario = '341', "
        "AlterouCNPJ = 'N', Porte = 3, OptanteSimples = 'S', ParticPAT = 'N', NrVincAte5SalMin = 10, "
        "NrVincAPartir5SalMin = 4, PercServProprio = csng('12.5'), PercAdmCozinha = csng('1.25'), "
        "PercRefeicaoConvenio = csng('0'), PercRefeicaoTransportadora = csng('100'), "
        "PercCestaAlimento = csng('0.5'), PercAlimentConvenio = csng('7'), EncerramentoAtividades = 'N', "
        "DataEncerramento = Null, Situacao = 'Ativa', CodCABase = 77 WHERE CodFilial = 7"}},
      {"Inc",
       [](FilialTest& t) {
         Branch b;
         b.faturamento = b.banco = b.cabase = kNull;
         b.encerramento = Variant(automation::DateSerial(2024, 3, 5));
         std::int32_t key = 0;
         t.Inc(qvtest::Sqlite(), key, b, 12);
       },
       {"INSERT INTO RhsFilial (CodFilial, NomeFil, MatrINSS, NrMatr, Prefixo, LogradouroFil, "
        "EnderecoFil, NrEnderecoFil, ComplEnderecoFil, BairroFil, CodCidadeFil, "
        "UFFil, CEPFil, TelefoneFil, PessoaContato, CargoContato, NrIEFil, CodCNAE, "
        "CodNatJuridica, NrProp, Faturamento, DataBaseDissidio, DomicBancario, "
        "AlterouCNPJ, Porte, OptanteSimples, ParticPAT, NrVincAte5SalMin, "
        "NrVincAPartir5SalMin, PercServProprio, PercAdmCozinha, PercRefeicaoConvenio, "
        "PercRefeicaoTransportadora, PercCestaAlimento, PercAlimentConvenio, "
        "EncerramentoAtividades, DataEncerramento, Situacao, CodCABase) "
        "VALUES ( 12, 'Matriz',  1, '123', 'MT', 'Rua', 'Augusta', '100', 'sala 2', 'Centro',  1, 'SP', "
        "'01000-000', '1133334444', 'Ana', 'Gerente', '110', '6201',  2062,  2,  Null,  5,  Null, 'N',  3, 'S', "
        "'N',  10,  4,  ('12.5'),  ('1.25'),  ('0'),  ('100'),  ('0.5'),  ('7'), 'N',  '2024/03/05', 'Ativa',  "
        "Null) "}},
  };
  qvtest::ExpectStatements(*this, cases);
  Clear(qvtest::Sqlite());
}

TEST_F(FilialTest, DispatchByName) {
  Seed(Postgres());
  com::DispatchObject<quorvel::classFilial> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> bus{conn, Variant(""), Variant("11"), Variant()};
  com::CallResult r = object.Invoke("busnomefil", bus);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(bus[1], Variant(""));
  EXPECT_EQ(bus[3], Variant("filial Belo Horizonte"));

  // Keys above 32767 cannot be asked of IncFilial: the call fails before it runs.
  std::vector<Variant> inc(44);
  inc[0] = conn;
  inc[43] = Variant(std::int32_t{40000});
  qvtest::Trace trace;
  r = object.Invoke("IncFilial", inc);
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(r.error.number, 6);
  EXPECT_TRUE(trace.statements().empty());
}

INSTANTIATE_TEST_SUITE_P(Both, FilialDatabaseTest, ::testing::Bool(), qvtest::DatabaseName);

}  // namespace
