// SPDX-License-Identifier: MIT
// classTransportador against PostgreSQL, its list and name test on SQLite too.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/administration/classTransportador.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;
using qvtest::Postgres;

const Variant kNull(Null);

std::string Joined(const std::vector<Variant>& values) {
  std::string out;
  for (const Variant& v : values) out += (out.empty() ? "" : "|") + (v.is_empty() ? "<Empty>" : automation::CStr(v));
  return out;
}

// The writers' 18 values after the key.
struct Carrier {
  std::string nome = "Viação Cometa", logr = "Rua", end = "Direita", nr = "10", compl_ = "", bairro = "Centro";
  std::int32_t cidade = 1;
  std::string uf = "SP", cep = "01002-000", fone = "11 3333", logrC = "Av", endC = "Paulista", nrC = "900",
              complC = "loja 3", bairroC = "Bela Vista";
  Variant cidadeC = Variant(std::int32_t{2});
  std::string ufC = "SP", foneC = "11 4444";
};

class TransportadorTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsTransportador; DELETE FROM CadEndCidades;"
                 "INSERT INTO CadEndCidades (CodCidade, Cidade, UF) VALUES (1, 'São Paulo', 'SP'),"
                 " (2, 'Campinas', 'SP');"
                 "INSERT INTO RhsTransportador VALUES"
                 " (1, 'Viação Cometa', 'Rua', 'Direita', '10', '', 'Centro', 1, 'SP', '01002', '11 1',"
                 "  'Av', 'Paulista', '900', 'loja', 'Bela Vista', 2, 'SP', '11 2'),"
                 " (2, 'Expresso Árvore', 'Av', 'Brasil', '5', 'fundos', 'Centro', 2, 'SP', '13000', '19 1',"
                 "  '', '', '', '', '', NULL, '', ''),"
                 " (10, 'Auto Viação Recife', 'Rua', 'Aurora', '1', '', 'Boa Vista', 99, 'PE', '', '',"
                 "  'Rua', 'Aurora', '2', '', NULL, 1, 'SP', ''),"
                 " (11, 'Bonde Sem Nome', NULL, NULL, NULL, NULL, 'centro', 1, 'SP', NULL, NULL,"
                 "  NULL, NULL, NULL, NULL, 'Bela Vista', NULL, NULL, NULL)");
  }
  void Write(bool insert, std::int32_t& key, Carrier& k) {
    (this->*(insert ? &TransportadorTest::Inc : &TransportadorTest::Alt))(key, k);
  }
  void Inc(std::int32_t& key, Carrier& k) {
    c.IncTransportador(Postgres(), desc, user, machine, key, k.nome, k.logr, k.end, k.nr, k.compl_, k.bairro,
                       k.cidade, k.uf, k.cep, k.fone, k.logrC, k.endC, k.nrC, k.complC, k.bairroC, k.cidadeC, k.ufC,
                       k.foneC);
  }
  void Alt(std::int32_t& key, Carrier& k) {
    c.AltTransportador(Postgres(), desc, user, machine, key, k.nome, k.logr, k.end, k.nr, k.compl_, k.bairro,
                       k.cidade, k.uf, k.cep, k.fone, k.logrC, k.endC, k.nrC, k.complC, k.bairroC, k.cidadeC, k.ufC,
                       k.foneC);
  }
  std::string Row(std::int32_t key) {
    const Variant v = qvtest::Scalar(
        Postgres(),
        "SELECT concat_ws('|', NomeTransp, LogradouroTransp, EnderecoTransp, NrEnderecoTransp, ComplEnderecoTransp,"
        " BairroTransp, CodCidadeTransp, UFTransp, CEPTransp, FoneTransp, LogradouroCompra, EnderecoCompra,"
        " NrEnderecoCompra, ComplEnderecoCompra, BairroCompra, coalesce(cstr(CodCidadeCompra), 'Null'), UFCompra,"
        " FoneCompra) FROM RhsTransportador WHERE CodTransp = " + std::to_string(key));
    return v.is_null() || v.is_empty() ? "none" : automation::CStr(v);
  }

  quorvel::classTransportador c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(TransportadorTest, InsertAndUpdateWriteEveryColumn) {
  struct Case {
    const char* name;
    bool insert;
    std::int32_t key;  // given to an update; expected of an insert
    std::function<void(Carrier&)> change;
    const char* row;
    const char* desc = "";
  };
  const Case cases[] = {
      {"Insert", true, 12, [](Carrier&) {},
       "Viação Cometa|Rua|Direita|10||Centro|1|SP|01002-000|11 3333|Av|Paulista|900|loja 3|Bela Vista|2|SP|11 4444"},
      {"InsertWithoutPurchaseCity", true, 12, [](Carrier& k) { k.cidadeC = kNull; },
       "Viação Cometa|Rua|Direita|10||Centro|1|SP|01002-000|11 3333|Av|Paulista|900|loja 3|Bela Vista|Null|SP|"
       "11 4444"},
      {"InsertHostileTexts", true, 12,
       [](Carrier& k) {
         k.nome = "O'Brien";
         k.bairro = "x' OR '1'='1";
         k.foneC = "UPPER(cstr)";
       },
       "O'Brien|Rua|Direita|10||x' OR '1'='1|1|SP|01002-000|11 3333|Av|Paulista|900|loja 3|Bela Vista|2|SP|"
       "UPPER(cstr)"},
      {"InsertCityAsDigits", true, 12, [](Carrier& k) { k.cidadeC = Variant("1"); },
       "Viação Cometa|Rua|Direita|10||Centro|1|SP|01002-000|11 3333|Av|Paulista|900|loja 3|Bela Vista|1|SP|11 4444"},
      {"InsertInjectedCity", true, 0, [](Carrier& k) { k.cidadeC = Variant("1 OR 1=1"); }, "none", "13    Quorvel"},
      {"InsertEmptyCity", true, 0, [](Carrier& k) { k.cidadeC = Variant(); }, "none", "13    Quorvel"},
      {"Update", false, 2, [](Carrier& k) { k.cidadeC = kNull; },
       "Viação Cometa|Rua|Direita|10||Centro|1|SP|01002-000|11 3333|Av|Paulista|900|loja 3|Bela Vista|Null|SP|"
       "11 4444"},
      {"UpdateInjectedCity", false, 2, [](Carrier& k) { k.cidadeC = Variant("2; DELETE FROM RhsTransportador"); },
       "Expresso Árvore|Av|Brasil|5|fundos|Centro|2|SP|13000|19 1||||||Null||", "13    Quorvel"},
  };
  for (const Case& k : cases) {
    Seed(Postgres());
    Carrier values;
    k.change(values);
    std::int32_t key = k.insert ? -1 : k.key;
    desc.clear();
    Write(k.insert, key, values);
    EXPECT_EQ(desc, k.desc) << k.name;
    if (k.insert) {
      EXPECT_EQ(key, 12) << k.name << ": the key is handed back even when the insert fails";
    }
    EXPECT_EQ(Row(k.insert ? 12 : k.key), k.row) << k.name;
    EXPECT_EQ(qvtest::Count(Postgres(), "RhsTransportador"), k.insert && !*k.desc ? 5 : 4) << k.name;
  }
}

TEST_F(TransportadorTest, NextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsTransportador");
  Carrier values;
  std::int32_t key = -1;
  Inc(key, values);
  EXPECT_EQ(key, 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsTransportador (CodTransp) VALUES (41)");
  Inc(key, values);
  EXPECT_EQ(key, 42);
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsTransportador (CodTransp) VALUES (2147483647)", "RhsTransportador",
      [&] {
        Inc(key, values);
        return key;
      },
      desc);
}

TEST_F(TransportadorTest, DeleteLeavesTheRest) {
  for (std::int32_t key : {2, 99}) c.ExcTransportador(Postgres(), desc, user, machine, key);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTransportador"), 3);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsTransportador WHERE CodTransp = 2"), 0);
}

TEST_F(TransportadorTest, NameByKey) {
  qvtest::Exec(Postgres(), "INSERT INTO RhsTransportador (CodTransp) VALUES (20)");
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* nome;
  };
  for (const Case& k : {Case{2, "", "Expresso Árvore"}, Case{77, "", "<<Inexistente>>"},
                        Case{20, "94    Quorvel", "old"}}) {
    std::int32_t key = k.key;
    std::string nome = "old";
    desc.clear();
    c.BusNomeTransp(Postgres(), desc, key, nome);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(nome, k.nome) << k.key;
  }
}

TEST_F(TransportadorTest, PickLists) {
  using Method = void (quorvel::classTransportador::*)(ado::Connection&, std::string&, Variant&);
  struct Case {
    const char* name;
    Method method;
    std::vector<std::string> values;  // sorted; the array then ends with one Empty
  };
  const Case cases[] = {
      {"LogradouroTransp", &quorvel::classTransportador::CarComboLogradouroTransp, {"Av", "Rua"}},
      {"LogradouroCompra", &quorvel::classTransportador::CarComboLogradouroCompra, {"Av", "Rua"}},
      {"EnderecoTransp", &quorvel::classTransportador::CarComboEnderecoTransp, {"Aurora", "Brasil", "Direita"}},
      {"EnderecoCompra", &quorvel::classTransportador::CarComboEnderecoCompra, {"Aurora", "Paulista"}},
      {"BairroTransp", &quorvel::classTransportador::CarComboBairroTransp, {"Boa Vista", "Centro", "centro"}},
      {"BairroCompra", &quorvel::classTransportador::CarComboBairroCompra, {"Bela Vista"}},
  };
  for (const Case& k : cases) {
    Variant combo("replaced");
    (c.*k.method)(Postgres(), desc, combo);
    EXPECT_EQ(desc, "") << k.name;
    auto elements = qvtest::Elements(combo);
    ASSERT_FALSE(elements.empty()) << k.name;
    EXPECT_TRUE(elements.back().is_empty()) << k.name;
    elements.pop_back();
    std::vector<std::string> got;
    for (const Variant& v : elements) got.push_back(automation::CStr(v));
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, k.values) << k.name;
  }
  qvtest::Exec(Postgres(), "DELETE FROM RhsTransportador");
  for (const Case& k : cases) {
    Variant combo("replaced");
    (c.*k.method)(Postgres(), desc, combo);
    EXPECT_EQ(Joined(qvtest::Elements(combo)), "<Empty>") << k.name;
  }
  qvtest::Trace trace;
  Variant combo;
  c.CarComboBairroCompra(qvtest::Sqlite(), desc, combo);
  EXPECT_EQ(trace.statements(),
            std::vector<std::string>{"SELECT DISTINCT BairroCompra FROM RhsTransportador WHERE BairroCompra <> ''"});
}

TEST_F(TransportadorTest, NameTaken) {
  Seed(qvtest::Sqlite());
  struct Case {
    std::string nome;
    bool postgres, sqlite;
  };
  const Case cases[] = {
      {"Viação Cometa", true, true},
      {"VIAÇÃO COMETA", true, true},
      {"viação cometa", true, true},
      {"Bonde", false, false},
      {"x' OR '1'='1", false, false},
  };
  for (const Case& k : cases) {
    std::string nome = k.nome;
    desc.clear();
    EXPECT_EQ(c.fExisteNomeTransp(Postgres(), desc, nome), k.postgres) << k.nome;
    EXPECT_EQ(c.fExisteNomeTransp(qvtest::Sqlite(), desc, nome), k.sqlite) << k.nome;
    EXPECT_EQ(desc, "") << k.nome;
  }
  qvtest::Exec(qvtest::Sqlite(), "UPDATE RhsTransportador SET NomeTransp = 'VIAÇÃO COMETA' WHERE CodTransp = 1");
  std::string nome = "Viação Cometa";
  EXPECT_TRUE(c.fExisteNomeTransp(qvtest::Sqlite(), desc, nome));

  qvtest::Trace trace;
  EXPECT_TRUE(c.fExisteNomeTransp(Postgres(), desc, nome));
  EXPECT_EQ(trace.statements(), std::vector<std::string>{"SELECT DISTINCT NomeTransp FROM RhsTransportador WHERE "
                                                         "UPPER(NomeTransp) = 'VIAÇÃO COMETA'"});
}

TEST_F(TransportadorTest, NameTakenIsFalseOnFailure) {
  qvtest::Exec(Postgres(), "ALTER TABLE RhsTransportador RENAME TO RhsTransportadorX");
  std::string nome = "Viação Cometa";
  const bool exists = c.fExisteNomeTransp(Postgres(), desc, nome);
  qvtest::Exec(Postgres(), "ALTER TABLE RhsTransportadorX RENAME TO RhsTransportador");
  EXPECT_FALSE(exists);
  EXPECT_EQ(desc, "-2147217900    Quorvel");
}

struct Fetched {
  explicit Fetched(std::int32_t k) : key(k) {}
  std::int32_t key;
  std::string s[19];  // the string outs in parameter order
  std::int32_t cidade = -1;
  Variant cidadeC = Variant("old"), nomeCidadeC = Variant("old");
};

TEST_F(TransportadorTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    const char* expected;
  };
  const Case cases[] = {
      {1, "", "1|Viação Cometa|Rua|Direita|10||Centro|1|São Paulo|SP|01002|11 1|Av|Paulista|900|loja|Bela Vista|2|"
              "Campinas|SP|11 2"},
      {2, "", "2|Expresso Árvore|Av|Brasil|5|fundos|Centro|2|Campinas|SP|13000|19 1||||||Null|Null||"},
      // no company city in the register: fails there, the rest untouched
      {10, "94    Quorvel", "10|Auto Viação Recife|Rua|Aurora|1||Boa Vista|99|old|old|old|old|old|old|old|old|old|"
                            "old|old|old|old"},
      {11, "94    Quorvel", "11|Bonde Sem Nome|old|old|old|old|old|-1|old|old|old|old|old|old|old|old|old|old|old|"
                            "old|old"},
      {77, "3021    Quorvel", "77|old|old|old|old|old|old|-1|old|old|old|old|old|old|old|old|old|old|old|old|old"},
  };
  for (const Case& k : cases) {
    Fetched o{k.key};
    for (auto& s : o.s) s = "old";
    auto& s = o.s;
    desc.clear();
    c.BusTransportador(Postgres(), desc, o.key, s[0], s[1], s[2], s[3], s[4], s[5], o.cidade, s[6], s[7], s[8], s[9],
                       s[10], s[11], s[12], s[13], s[14], o.cidadeC, o.nomeCidadeC, s[15], s[16]);
    EXPECT_EQ(desc, k.desc) << k.key;
    auto text = [](const Variant& v) { return v.is_null() ? std::string("Null") : automation::CStr(v); };
    std::string got = std::to_string(o.key);
    for (int i = 0; i < 6; ++i) got += "|" + s[i];
    got += "|" + std::to_string(o.cidade);
    for (int i = 6; i < 15; ++i) got += "|" + s[i];
    got += "|" + text(o.cidadeC) + "|" + text(o.nomeCidadeC) + "|" + s[15] + "|" + s[16];
    EXPECT_EQ(got, k.expected) << k.key;
  }
}

class TransportadorListTest : public qvtest::ListTest<TransportadorTest> {};

TEST_P(TransportadorListTest, Filters) {
  Seed(conn());
  auto f = Args(8);
  Variant list = qvtest::kUntouchedList;
  c.CarTransportador(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  ExpectList(desc, list, qvtest::Texts({"CodTransp", "NomeTransp", "NomeCidade", "UFTransp"}));
}

const Variant N = kNull;
const qvtest::ListCase kListCases[] = {
    {"None", {}, "10 11 2 1"},
    {"OnlyTheLast", {N, N, N, N, N, N, N, Variant("SP")}, "10 1"},
    {"KeyPattern", {Variant("1_")}, "10 11"},
    {"LowerCaseName", {N, Variant("%viação%")}, "10 1"},
    {"AsciiName", {N, Variant("%bonde%")}, "11"},
    {"District", {N, N, Variant("centro")}, "11 2 1"},
    {"CompanyCity", {N, N, N, Variant(std::int32_t{1})}, "11 1"},
    {"PurchaseCityAsDigits", {N, N, N, N, N, N, Variant("2")}, "1"},
    {"Several",
     {Variant("%"), N, Variant("%"), Variant("1"), Variant("SP"), Variant("bela%"), Variant(std::int32_t{2}),
      Variant("SP")},
     "1"},
    {"NoMatch", {N, Variant("zz%")}, ""},
    {"QuoteInKey", {Variant("1' OR '1'='1")}, ""},
    {"QuoteInName", {N, Variant("x' OR '1'='1")}, ""},
    {"QuoteInState", {N, N, N, N, N, N, N, Variant("SP' OR '1'='1")}, ""},
    {"InjectionInCity", {N, N, N, Variant("1 OR 1=1")}, "", "13    Quorvel"},
    {"EmptyCity", {N, N, N, Variant()}, "", "13    Quorvel"},
    {"EmptyTextPurchaseCity", {N, N, N, N, N, N, Variant("")}, "", "13    Quorvel"},
};
INSTANTIATE_TEST_SUITE_P(All, TransportadorListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(TransportadorTest, ListKeepsNulls) {
  Variant list, f[8] = {N, N, N, N, N, N, N, N};
  c.CarTransportador(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  const auto rows = qvtest::Rows(list);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1], (std::vector<Variant>{Variant(std::int32_t{10}), Variant("Auto Viação Recife"), kNull,
                                           Variant("PE")}));
  EXPECT_EQ(Joined(rows[4]), "1|Viação Cometa|São Paulo|SP");
}

TEST_F(TransportadorTest, ListOnAnEmptyTableGivesTheCaptions) {
  Variant list, f[8] = {N, N, N, N, N, N, N, N};
  qvtest::Exec(Postgres(), "DELETE FROM RhsTransportador");
  c.CarTransportador(Postgres(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(qvtest::Rows(list).size(), 1u);
}

TEST_F(TransportadorTest, Statements) {
  const qvtest::StatementCase<TransportadorTest> cases[] = {
      {"BusNome",
       [](TransportadorTest& t) {
         std::int32_t key = 7;
         std::string n;
         t.c.BusNomeTransp(Postgres(), t.desc, key, n);
       },
       {"SELECT NomeTransp FROM   RhsTransportador WHERE  CodTransp = 7"}},
      {"CarAll",
       [](TransportadorTest& t) {
         Variant list, f[] = {Variant("1%"), Variant("ana%"), Variant("sé"), Variant(std::int32_t{3}),
                              Variant("SP"), Variant("b%"), Variant(std::int32_t{4}), Variant("RJ")};
         t.c.CarTransportador(Postgres(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
       },
       {"SELECT RhsTransportador.CodTransp, RhsTransportador.NomeTransp, RhsCidade.Cidade, "
        "RhsTransportador.UFTransp FROM ( RhsTransportador LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade "
        "= RhsTransportador.CodCidadeTransp) WHERE CStr(CodTransp) LIKE '1%' AND UPPER(NomeTransp) LIKE 'ANA%' AND "
        "UPPER(BairroTransp) LIKE 'SÉ' AND CodCidadeTransp = 3 AND UFTransp = 'SP' AND UPPER(BairroCompra) LIKE "
        "'B%' AND CodCidadeCompra = 4 AND UFCompra = 'RJ' ORDER BY NomeTransp"}},
      {"CarOffPostgres",
       [](TransportadorTest& t) {
         Variant list, f[] = {Variant("1%"), Variant("ana%"), N, N, N, N, N, N};
         t.c.CarTransportador(qvtest::Sqlite(), t.desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
       },
       {"SELECT RhsTransportador.CodTransp, RhsTransportador.NomeTransp, RhsCidade.Cidade, "
        "RhsTransportador.UFTransp FROM ( RhsTransportador LEFT JOIN CadEndCidades RhsCidade ON RhsCidade.CodCidade "
        "= RhsTransportador.CodCidadeTransp) WHERE CStr(CodTransp) LIKE '1%' AND (NomeTransp) LIKE 'ANA%' "
        "ORDER BY NomeTransp"}},
      {"Bus",
       [](TransportadorTest& t) {
         Fetched o{7};
         auto& s = o.s;
         t.c.BusTransportador(Postgres(), t.desc, o.key, s[0], s[1], s[2], s[3], s[4], s[5], o.cidade, s[6], s[7],
                              s[8], s[9], s[10], s[11], s[12], s[13], s[14], o.cidadeC, o.nomeCidadeC, s[15], s[16]);
       },
       {"SELECT RhsTransportador.*, CidadeTransp.Cidade AS NomeCidadeTransp, CidadeCompra.Cidade as "
        "NomeCidadeCompra FROM (( RhsTransportador LEFT JOIN CadEndCidades AS CidadeTransp ON CidadeTransp.CodCidade "
        "= RhsTransportador.CodCidadeTransp) LEFT JOIN CadEndCidades AS CidadeCompra ON CidadeCompra.CodCidade = "
        "RhsTransportador.CodCidadeCompra) WHERE RhsTransportador.CodTransp = 7"}},
      {"Exc",
       [](TransportadorTest& t) {
         std::int32_t key = 7;
         t.c.ExcTransportador(Postgres(), t.desc, t.user, t.machine, key);
       },
       {"DELETE FROM RhsTransportador WHERE CodTransp = 7"}},
      {"Alt",
       [](TransportadorTest& t) {
         Carrier k;
         k.cidadeC = kNull;
         std::int32_t key = 7;
         t.Alt(key, k);
       },
       {"UPDATE RhsTransportador SET NomeTransp = 'Viação Cometa', LogradouroTransp = 'Rua', EnderecoTransp = "
        "'Direita', NrEnderecoTransp = '10', ComplEnderecoTransp = '', BairroTransp = 'Centro', CodCidadeTransp = 1, "
        "UFTransp = 'SP', CEPTransp = '01002-000', FoneTransp = '11 3333', LogradouroCompra = 'Av', EnderecoCompra = "
        "'Paulista', NrEnderecoCompra = '900', ComplEnderecoCompra = 'loja 3', BairroCompra = 'Bela Vista', "
        "CodCidadeCompra = Null, UFCompra = 'SP', FoneCompra = '11 4444' WHERE CodTransp = 7"}},
      {"Inc",
       [](TransportadorTest& t) {
         Carrier k;
         std::int32_t key = 7;
         t.Inc(key, k);
       },
       {"SELECT MAX(CodTransp) AS MaxCod FROM RhsTransportador",
        "INSERT INTO RhsTransportador (CodTransp, NomeTransp, LogradouroTransp, EnderecoTransp, NrEnderecoTransp, "
        "ComplEnderecoTransp, BairroTransp, CodCidadeTransp, UFTransp, CEPTransp, FoneTransp, LogradouroCompra, "
        "EnderecoCompra, NrEnderecoCompra, ComplEnderecoCompra, BairroCompra, CodCidadeCompra, UFCompra, FoneCompra) "
        "VALUES ( 1, 'Viação Cometa', 'Rua', 'Direita', '10', '', 'Centro',  1, 'SP', '01002-000', '11 3333', 'Av', "
        "'Paulista', '900', 'loja 3', 'Bela Vista',  2, 'SP', '11 4444') "}},
  };
  qvtest::ExpectStatements(*this, cases, [] { qvtest::Exec(Postgres(), "DELETE FROM RhsTransportador"); });
}

TEST_F(TransportadorTest, DispatchByName) {
  com::DispatchObject<quorvel::classTransportador> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant("VIAÇÃO COMETA")};
  com::CallResult r = object.Invoke("fexistenometransp", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(r.value, Variant(true));
  std::vector<Variant> combo{conn, Variant(""), Variant()};
  r = object.Invoke("CarComboBairroCompra", combo);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(Joined(qvtest::Elements(combo[2])), "Bela Vista|<Empty>");
}

}  // namespace
