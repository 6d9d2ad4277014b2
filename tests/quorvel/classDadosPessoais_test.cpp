// SPDX-License-Identifier: MIT
// classDadosPessoais against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/person.h"

namespace {

using automation::DateSerial;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

class PessoaTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(Postgres()); }
  static void Reset(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsDadosPessoais; DELETE FROM CadEndCidades; DELETE FROM RhsEstadoCivil;"
                 "DELETE FROM RhsNacionalidade; DELETE FROM RhsGrauInstrucao; DELETE FROM RhsCorPele;"
                 "DELETE FROM RhsConselho;"
                 "INSERT INTO CadEndCidades (CodCidade, Cidade) VALUES (1, 'São Paulo'), (2, 'Campinas');"
                 "INSERT INTO RhsEstadoCivil VALUES (1, 'Solteiro');"
                 "INSERT INTO RhsNacionalidade VALUES (10, 'Brasileira');"
                 "INSERT INTO RhsGrauInstrucao VALUES (7, 'Superior completo');"
                 "INSERT INTO RhsCorPele VALUES (1, 'Parda');"
                 "INSERT INTO RhsConselho VALUES (1, 'CRM', 'Conselho Regional de Medicina');");
  }
  std::int32_t Insert(qvtest::Person& p, ado::Connection& conn = Postgres()) {
    std::int32_t key = -1;
    qvtest::Inc(c, conn, desc, key, p);
    return key;
  }
  std::int32_t Insert(std::string nome) {
    qvtest::Person p;
    p.pnNome = std::move(nome);
    return Insert(p);
  }
  Variant Column(std::int32_t key, std::string_view column) {
    return qvtest::Scalar(Postgres(), "SELECT " + std::string(column) + " FROM RhsDadosPessoais WHERE CodIndividual = " +
                                          std::to_string(key));
  }
  std::string Text(std::int32_t key, std::string_view column) {
    const Variant v = Column(key, column);
    return v.is_null() ? "Null" : automation::CStr(v);
  }

  quorvel::classDadosPessoais c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(PessoaTest, InsertStoresTheWholeRecord) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  qvtest::Person p;
  p.pnCEP = "     -   ";  // the insert keeps the mask
  p.pnNrCTPS = Variant("3000000000");
  EXPECT_EQ(Insert(p), 1);
  ASSERT_EQ(desc, "");
  struct Case {
    const char* column;
    const char* text;
  };
  const Case cases[] = {
      {"Nome", "Maria da Silva"}, {"CEP", "     -   "}, {"Altura", "1,65"},  {"Peso", "60,5"},
      {"NrFilhos", "2"},          {"NrCTPS", "3000000000"}, {"CodCidade", "1"}, {"CodNacionalidade", "10"},
      {"CodGrauInstrucao", "7"},  {"Observacoes", "obs"},  {"CodPais", "55"},    {"DataChegadaBrasil", "Null"},
      {"cstr(DataNasc)", "1990-03-05"}, {"cstr(DataExpIdentidade)", "2008-01-02"},
      {"cstr(DataUltimaAtualizacao)", "2024-01-15"},
  };
  for (const Case& k : cases) EXPECT_EQ(Text(1, k.column), k.text) << k.column;
  qvtest::Exec(Postgres(), "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (41, 'Z')");
  EXPECT_EQ(Insert("Outra"), 42);
}

TEST_F(PessoaTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (2147483647, 'Max')", "RhsDadosPessoais",
      [&] { return Insert("Nova"); }, desc);
}

TEST_F(PessoaTest, UpdateRewritesTheRow) {
  const std::int32_t key = Insert("Maria");
  qvtest::Person p;
  p.pnNome = "Maria Souza";
  p.pnCEP = "     -   ";  // the update stores Null for the empty mask
  p.pnAltura = Variant(" ,  ");
  p.pnNrFilhos = Variant(Null);
  p.pnDataCTPS = Variant(DateSerial(2010, 6, 30));
  p.pkCodCidade = 2;
  p.pnArray = qvtest::ExtraArray(Variant("nova obs"), Variant(""));
  std::int32_t k = key;
  qvtest::Alt(c, Postgres(), desc, k, p);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(Text(key, "Nome"), "Maria Souza");
  EXPECT_EQ(Text(key, "CEP"), "Null");
  EXPECT_EQ(Text(key, "Altura"), "Null");
  EXPECT_EQ(Text(key, "NrFilhos"), "Null");
  EXPECT_EQ(Text(key, "cstr(DataCTPS)"), "2010-06-30");
  EXPECT_EQ(Text(key, "CodCidade"), "2");
  EXPECT_EQ(Text(key, "Observacoes"), "nova obs");
  EXPECT_EQ(Text(key, "CodPais"), "0");
}

TEST_F(PessoaTest, WholeRecordStatements) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  qvtest::Person p;
  std::int32_t key = -1;
  qvtest::Trace trace;
  qvtest::Inc(c, Postgres(), desc, key, p);
  qvtest::Alt(c, Postgres(), desc, key, p);
  ASSERT_EQ(desc, "");
  ASSERT_EQ(trace.statements().size(), 3u);
  EXPECT_EQ(trace.statements()[0], "SELECT MAX(CodIndividual) AS MaxCod FROM RhsDadosPessoais");
  EXPECT_EQ(trace.statements()[1],
            "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, NomePai, NomeMae, Logradouro, Endereco, NrEndereco, "
            "ComplEndereco, Bairro, CodCidade, UF, CEP, TelResidencial, TelCelular, TelRecados, EMail, CodEstadoCivil, "
            "NomeConjuge, NrFilhos, FilhosFicamCom, Sexo, Altura, Peso, Naturalidade,  CodNacionalidade, "
            "DataChegadaBrasil, DataNasc, CodGrauInstrucao, NrIdentidade, DataExpIdentidade, OrgaoExpIdentidade, "
            "NrCPF, NrPIS, DataCTPS, NrCTPS, SerieCTPS, NrReservista, CatReservista, NrCNH, CatCNH, ValidadeCNH, "
            "NrTituloEleitor, ZonaTituloEleitor, SecaoTituloEleitor, HabProfissional, NrHabilitacao, CodConselho, "
            "DataAposentadoria, DefFisico, TipoDeficiencia, CodCorPele, Fumante, DataUltimaAtualizacao, Status, "
            "Situacao, CaminhoFoto, Observacoes, codPais) "
            "VALUES ( 1, 'Maria da Silva', 'José da Silva', 'Ana da Silva', 'Rua', 'das Flores', '10', '', 'Centro',  1, "
            "'SP', '01000-000', '', '', '', 'maria@example.com',  1, '',  2, '', 'F',  '1.65',  60.5,  2,  10,  Null, "
            "'1990/03/05',  7, '12.345.678-9',  '2008/01/02', 'SSP', '123.456.789-00', '',  Null,  Null, '', '', '', "
            "'', '',  Null, '', '', '', '', '',  1,  Null, 'N', '',  1, 'N', '2024/01/15', 'Candidato', 'Ativo', '', "
            "'obs',  55) ");
  EXPECT_EQ(trace.statements()[2],
            "UPDATE RhsDadosPessoais SET Nome = 'Maria da Silva', NomePai = 'José da Silva', NomeMae = 'Ana da Silva', "
            "Logradouro = 'Rua', Endereco = 'das Flores', NrEndereco = '10', ComplEndereco = '', Bairro = 'Centro', "
            "CodCidade = 1, UF = 'SP', CEP = '01000-000', TelResidencial = '', TelCelular = '', TelRecados = '', "
            "EMail = 'maria@example.com', CodEstadoCivil = 1, NomeConjuge = '', NrFilhos = 2, FilhosFicamCom = '', "
            "Sexo = 'F', Altura = '1.65', Peso = 60.5, Naturalidade = 2, CodNacionalidade = 10, "
            "DataChegadaBrasil = Null, DataNasc = '1990/03/05', CodGrauInstrucao = 7, NrIdentidade = '12.345.678-9', "
            "DataExpIdentidade = '2008/01/02', OrgaoExpIdentidade = 'SSP', NrCPF = '123.456.789-00', NrPIS = '', "
            "DataCTPS = Null, NrCTPS = Null, SerieCTPS = '', NrReservista = '', CatReservista = '', NrCNH = '', "
            "CatCNH = '', ValidadeCNH = Null, NrTituloEleitor = '', ZonaTituloEleitor = '', SecaoTituloEleitor = '', "
            "HabProfissional = '', NrHabilitacao = '', CodConselho = 1, DataAposentadoria = Null, DefFisico = 'N', "
            "TipoDeficiencia = '', CodCorPele = 1, Fumante = 'N', DataUltimaAtualizacao = '2024/01/15', "
            "Status = 'Candidato', Situacao = 'Ativo', CaminhoFoto = '', Observacoes = 'obs', CodPais = 55 "
            "WHERE CodIndividual = 1");
}

TEST_F(PessoaTest, MalformedArrayFailsTheCallAndSendsNothing) {
  struct Case {
    const char* name;
    Variant array;
  };
  automation::VariantArray short_array({automation::Bounds{0, 0}, automation::Bounds{0, 2}});
  const Case cases[] = {
      {"NotAnArray", Variant("x")},
      {"TooShort", Variant(short_array)},
      {"NullRemarks", qvtest::ExtraArray(Variant(Null), Variant(std::int32_t{1}))},
      {"CountryNotANumber", qvtest::ExtraArray(Variant("obs"), Variant("Brasil"))},
  };
  for (const Case& k : cases) {
    qvtest::Person p;
    p.pnArray = k.array;
    std::int32_t key = 7;
    desc = "";
    qvtest::Trace trace;
    EXPECT_THROW(qvtest::Inc(c, Postgres(), desc, key, p), automation::Error) << k.name;
    EXPECT_THROW(qvtest::Alt(c, Postgres(), desc, key, p), automation::Error) << k.name;
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(key, 7) << k.name;
    EXPECT_TRUE(trace.statements().empty()) << k.name;
  }
}

TEST_F(PessoaTest, FetchWholeRecord) {
  const std::int32_t key = Insert("Maria");
  Variant rec;
  std::int32_t k = key;
  c.BusDadosPessoais(Postgres(), desc, rec, k);
  ASSERT_EQ(desc, "");
  const auto rows = qvtest::Rows(rec);
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(rows[0].size(), 65u);
  auto cell = [&](std::string_view caption) {
    for (std::size_t i = 0; i < rows[0].size(); ++i) {
      if (rows[0][i] == Variant(caption)) return rows[1][i];
    }
    ADD_FAILURE() << caption;
    return Variant();
  };
  EXPECT_EQ(rows[0][0], Variant("CodIndividual"));
  EXPECT_EQ(rows[0][64], Variant("CopPais"));
  EXPECT_EQ(automation::CLng(cell("CodIndividual")), key);
  EXPECT_EQ(cell("DescrCidadeRes"), Variant("São Paulo"));
  EXPECT_EQ(cell("DescrCidadeNat"), Variant("Campinas"));
  EXPECT_EQ(cell("DescrEstadoCivil"), Variant("Solteiro"));
  EXPECT_EQ(cell("DescrNacionalidade"), Variant("Brasileira"));
  EXPECT_EQ(cell("GrauInstrucao"), Variant("Superior completo"));
  EXPECT_EQ(cell("NomeConselho"), Variant("Conselho Regional de Medicina"));
  EXPECT_EQ(cell("CorPele"), Variant("Parda"));
  EXPECT_EQ(automation::CLng(cell("CopPais")), 55);
  EXPECT_TRUE(cell("DataChegadaBrasil").is_null());
  EXPECT_EQ(automation::CDate(cell("DataNasc")), DateSerial(1990, 3, 5));

  k = 999;
  c.BusDadosPessoais(Postgres(), desc, rec, k);
  EXPECT_EQ(desc, "3021    Quorvel");
  const auto missing = qvtest::Rows(rec);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[0][1], Variant("Nome"));
  for (const Variant& v : missing[1]) EXPECT_TRUE(v.is_empty());
}

TEST_F(PessoaTest, FetchOfTheStatusAndTheName) {
  const std::int32_t key = Insert("Maria");
  std::int32_t k = key;
  std::string status = "old", nome = "old";
  c.BusStatus(Postgres(), desc, k, status);
  c.BusNome(Postgres(), desc, k, nome);
  EXPECT_EQ(status, "Candidato");
  EXPECT_EQ(nome, "Maria");
}

TEST_F(PessoaTest, FetchOfAMissingPersonChangesNothing) {
  Insert("Maria");
  std::int32_t missing = 999;
  std::string status = "old", nome = "old";
  c.BusStatus(Postgres(), desc, missing, status);
  c.BusNome(Postgres(), desc, missing, nome);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(status, "old");  // no row: unchanged, no error
  EXPECT_EQ(nome, "old");
}

TEST_F(PessoaTest, UpdateOfTheSituationAndTheStatusDatesTheRecord) {
  automation::ScopedClock clock(DateSerial(2025, 7, 1));
  const std::int32_t key = Insert("Maria");
  std::int32_t k = key;
  std::string situacao = "Inativo", novo = "Funcionário";
  c.AltSituacao(Postgres(), desc, user, machine, k, situacao);
  c.AltStatus(Postgres(), desc, user, machine, k, novo);
  ASSERT_EQ(desc, "");
  EXPECT_EQ(Text(key, "Situacao"), "Inativo");
  EXPECT_EQ(Text(key, "Status"), "Funcionário");
  EXPECT_EQ(Text(key, "cstr(DataUltimaAtualizacao)"), "2025-07-01");
}

TEST_F(PessoaTest, FetchOfANullStatusFails) {
  std::int32_t k = Insert("Maria");
  std::string status = "old";
  qvtest::Exec(Postgres(), "UPDATE RhsDadosPessoais SET Status = NULL");
  c.BusStatus(Postgres(), desc, k, status);
  EXPECT_EQ(desc, "94    Quorvel");
}

TEST_F(PessoaTest, PickListsEndWithOneEmpty) {
  struct Row {
    const char* bairro;
    const char* filhos;
  };
  const Row rows[] = {{"Centro", "mãe"}, {"Centro", "avó"}, {"Jardins", ""}, {"", "pai"}};
  for (const Row& r : rows) {
    qvtest::Person p;
    p.pnBairro = r.bairro;
    p.pnFilhosFicamCom = r.filhos;
    Insert(p);
  }
  qvtest::Exec(Postgres(), "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (90, 'Nulos')");
  Variant list("replaced");
  c.CarComboFilhosFicamCom(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant("avó"), Variant("mãe"), Variant("pai"), Variant()}));
  c.CarComboBairro(Postgres(), desc, list);
  auto bairros = qvtest::Elements(list);
  ASSERT_EQ(bairros.size(), 3u);
  EXPECT_TRUE(bairros.back().is_empty());
  c.CarComboHabProfissional(Postgres(), desc, list);  // empty in every row
  EXPECT_EQ(qvtest::Elements(list), std::vector<Variant>{Variant()});
  c.CarComboLogradouro(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant("Rua"), Variant()}));
  c.CarComboEndereco(Postgres(), desc, list);
  EXPECT_EQ(qvtest::Elements(list), (std::vector<Variant>{Variant("das Flores"), Variant()}));
  EXPECT_EQ(desc, "");
}

TEST_F(PessoaTest, DuplicateChecks) {
  qvtest::Person a;
  a.pnNome = "Álvaro Conceição";
  a.pnNrCPF = "111.111.111-11";
  a.pnNrIdentidade = "mg-12.345";
  const std::int32_t ka = Insert(a);
  struct Case {
    const char* name;
    std::string value;
    std::int32_t cpf, identidade;  // expected results
    bool nome;
  };
  const Case cases[] = {
      {"Found", "", ka, ka, true},
      {"Missing", "000", -1, -1, false},
  };
  for (const Case& k : cases) {
    std::string cpf = k.value.empty() ? a.pnNrCPF : k.value;
    std::string ident = k.value.empty() ? "MG-12.345" : k.value;  // compared upper-cased
    std::string nome = k.value.empty() ? "álvaro conceição" : k.value;
    std::int32_t r1 = 5, r2 = 5;
    bool r3 = !k.nome;
    c.fExisteCPF(Postgres(), desc, cpf, r1);
    c.fExisteNrIdentidade(Postgres(), desc, ident, r2);
    c.fExisteNome(Postgres(), desc, nome, r3);
    EXPECT_EQ(desc, "") << k.name;
    EXPECT_EQ(r1, k.cpf) << k.name;
    EXPECT_EQ(r2, k.identidade) << k.name;
    EXPECT_EQ(r3, k.nome) << k.name;
  }
  qvtest::Person b = a;
  const std::int32_t kb = Insert(b);
  std::string cpf = a.pnNrCPF;
  std::int32_t r = 0;
  c.fExisteCPF(Postgres(), desc, cpf, r);
  EXPECT_TRUE(r == ka || r == kb) << r;
}

class PessoaListTest : public qvtest::ListTest<PessoaTest> {
 protected:
  void SeedPeople() {
    Reset(conn());
    struct Row {
      const char* nome;
      std::int32_t cidade;
      const char* sexo;
      const char* status;
      const char* situacao;
    };
    const Row rows[] = {{"João Araújo", 1, "M", "Candidato", "Ativo"},
                        {"Ana Lúcia", 2, "F", "Funcionário", "Ativo"},
                        {"Bruno", 1, "M", "Funcionário", "Inativo"},
                        {"joana d'arc", 2, "F", "Candidato", "Inativo"}};
    for (const Row& r : rows) {
      qvtest::Person p;
      p.pnNome = r.nome;
      p.pkCodCidade = r.cidade;
      p.pnSexo = r.sexo;
      p.pnStatus = r.status;
      p.pnSituacao = r.situacao;
      Insert(p, conn());
    }
  }
};

automation::VariantArray Statuses(std::initializer_list<const char*> s) {
  automation::VariantArray a({automation::Bounds{0, static_cast<long>(s.size()) - 1}});
  long i = 0;
  for (const char* x : s) a.at(i++) = Variant(x);
  return a;
}

// The names, in the list's order.
std::string Names(const Variant& list) {
  std::string out;
  for (const Variant& v : qvtest::Column(list, 1)) out += (out.empty() ? "" : ", ") + automation::CStr(v);
  return out;
}

TEST_P(PessoaListTest, Filters) {
  SeedPeople();
  auto f = Args(11);
  Variant list = qvtest::kUntouchedList;
  c.CarDadosPessoais(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]);
  ExpectList(desc, list, {}, Names);
}

// Filters by position (0 = pkCodIndividual); the names in the list's order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "Ana Lúcia, Bruno, João Araújo, joana d'arc"},
    {"OnlyTheLast", Filters::At({{10, Variant("Inativo")}}), "Bruno, joana d'arc"},
    {"NameWithPortugueseLetters", Filters::At({{1, Variant("joão%")}}), "João Araújo"},
    {"NameCaseInsensitive", Filters::At({{1, Variant("JOANA%")}}), "joana d'arc"},
    {"NameWithQuote", Filters::At({{1, Variant("%d'arc")}}), "joana d'arc"},
    {"CityAsNumber", Filters::At({{2, Variant(std::int32_t{2})}}), "Ana Lúcia, joana d'arc"},
    {"CityAsText", Filters::At({{2, Variant("1")}}), "Bruno, João Araújo"},
    {"Several", Filters::At({{2, Variant(std::int32_t{1})}, {4, Variant("M")}, {10, Variant("Ativo")}}),
     "João Araújo"},
    {"Statuses", Filters::At({{9, Variant(Statuses({"Funcionário"}))}}), "Ana Lúcia, Bruno"},
    {"StatusesAndSituation",
     Filters::At({{9, Variant(Statuses({"Candidato", "Funcionário"}))}, {10, Variant("Inativo")}}),
     "Bruno, joana d'arc"},
    {"Nationality", Filters::At({{5, Variant(std::int16_t{10})}, {3, Variant("SP")}}),
     "Ana Lúcia, Bruno, João Araújo, joana d'arc"},
};
INSTANTIATE_TEST_SUITE_P(All, PessoaListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(PessoaTest, ListStatementOfTheStatuses) {
  Variant list, null(Null), statuses(Statuses({"A", "B"}));
  qvtest::Trace trace;
  c.CarDadosPessoais(Postgres(), desc, list, null, null, null, null, null, null, null, null, null, statuses, null);
  ASSERT_EQ(trace.statements().size(), 1u);
  EXPECT_EQ(trace.statements()[0],
            "SELECT CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade, NrCPF, Status, Situacao "
            "FROM RhsDadosPessoais WHERE (Status = 'A' OR Status = 'B') ORDER BY Nome");
}

TEST_F(PessoaTest, ListCaptionsAndAge) {
  automation::ScopedRegionalSettings brazil(automation::RegionalSettings::brazil());
  automation::ScopedClock clock(DateSerial(2024, 3, 5));
  qvtest::Person p;
  p.pnNome = "Trinta";
  p.pnDataNasc = automation::Date{DateSerial(2024, 3, 5).value - 10957};  // 29.998 years
  Insert(p);
  p.pnNome = "Outra";
  p.pnDataNasc = DateSerial(1990, 3, 5);
  Insert(p);
  Variant list;
  Variant all(Null);
  c.CarDadosPessoais(Postgres(), desc, list, all, all, all, all, all, all, all, all, all, all, all);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 3u);
  const std::vector<Variant> captions{Variant("CodIndividual"), Variant("Nome"),     Variant("Status"),
                                      Variant("(Idade)"),       Variant("DataNasc"), Variant("Sexo"),
                                      Variant("NrIdentidade"),  Variant("NrCPF"),    Variant("Situacao"),
                                      Variant("NomePai"),       Variant("NomeMae")};
  EXPECT_EQ(rows[0], captions);
  EXPECT_EQ(rows[1][1], Variant("Outra"));
  EXPECT_EQ(rows[1][3], Variant(34.0));
  EXPECT_EQ(rows[2][3], Variant(29.0));
  EXPECT_EQ(rows[2][9], Variant("José da Silva"));
}

TEST_F(PessoaTest, ListStopsAtANullBirthDate) {
  Insert("Ana");
  qvtest::Exec(Postgres(), "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, Status) VALUES (50, 'Bia', 'X')");
  Insert("Carla");
  Variant list, null(Null);
  c.CarDadosPessoais(Postgres(), desc, list, null, null, null, null, null, null, null, null, null, null, null);
  EXPECT_EQ(desc, "94    Quorvel");
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 3u);  // captions, Ana, and Bia partly filled
  EXPECT_EQ(rows[2][1], Variant("Bia"));
  EXPECT_EQ(rows[2][2], Variant("X"));
  EXPECT_TRUE(rows[2][3].is_empty());
  EXPECT_TRUE(rows[2][4].is_empty());
}

}  // namespace
