// SPDX-License-Identifier: MIT
// classEncaminhamento against PostgreSQL, its list on SQLite too.
#include <gtest/gtest.h>

#include "platform/automation/convert.h"
#include "platform/com/object.h"
#include "quorvel/recruitment/classEncaminhamento.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Date;
using automation::Null;
using automation::Variant;
using qvtest::Filters;
using qvtest::Postgres;

const Variant kNull(Null);
constexpr Date kMarch1{45352}, kMarch9{45360};

class EncaminhamentoTest : public ::testing::Test {
 public:
  void SetUp() override { Seed(Postgres()); }
  static void Seed(ado::Connection& conn) {
    qvtest::Exec(conn,
                 "DELETE FROM RhsEncaminhamento; DELETE FROM RhsVaga; DELETE FROM RhsDadosCandidato;"
                 "DELETE FROM RhsFilial; DELETE FROM CadGeral; DELETE FROM RhsCargo; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsFilial (CodFilial, NomeFil) VALUES (10, 'Matriz');"
                 "INSERT INTO CadGeral (CodGeral, Nome) VALUES (10, 'Geral Matriz');"
                 "INSERT INTO RhsCargo (CodCargo, NomeCargo) VALUES (5, 'Analista');"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome) VALUES (100, 'Ana Souza'), (101, 'O''Brien');"
                 "INSERT INTO RhsDadosCandidato (CodCandidato, CodIndividual) VALUES (1, 100), (2, 101);"
                 // The dates as the class writes them, which SQLite keeps as text.
                 "INSERT INTO RhsVaga (CodVaga, CodFilial, CodCargo, DataSolicitacao) VALUES"
                 " (7, 10, 5, '2024/02/01'), (8, 10, NULL, '2024/02/02');"
                 "INSERT INTO RhsEncaminhamento VALUES"
                 " (1, 7, 1, '2024/03/01', 'N', 'obs', 'S', 'N'),"
                 " (2, 7, 2, '2024/03/03', 'N', '', 'N', 'N'),"
                 " (3, 7, 1, '2024/03/02', 'S', '', 'S', 'S'),"
                 " (4, 8, 2, '2024/03/04', 'N', '', NULL, NULL),"
                 " (5, 99, 77, '2024/03/05', 'N', '', 'N', 'N')");
  }
  std::string Row(std::int32_t key) {
    return qvtest::Cell(Postgres(),
                        "SELECT CodVaga || '|' || CodCandidato || '|' || DataEncaminhamento || '|' || Emitido || '|' ||"
                        " Observacao || '|' || Selecao || '|' || Contratacao FROM RhsEncaminhamento"
                        " WHERE CodEncaminhamento = " + std::to_string(key));
  }
  std::int32_t Insert(std::int32_t vaga, std::string obs) {
    std::int32_t key = -1, candidato = 2;
    Date data = kMarch1;
    std::string emitido = "N", selecao = "S", contratacao = "x' OR '1'='1";
    c.IncEncaminhamento(Postgres(), desc, user, machine, key, vaga, candidato, data, emitido, obs, selecao,
                        contratacao);
    return key;
  }

  quorvel::classEncaminhamento c;
  std::string desc, user = "ana", machine = "estacao1";
};

TEST_F(EncaminhamentoTest, InsertAllocatesTheNextKey) {
  qvtest::Exec(Postgres(), "DELETE FROM RhsEncaminhamento");
  EXPECT_EQ(Insert(7, "O'Brien"), 1);
  qvtest::Exec(Postgres(), "INSERT INTO RhsEncaminhamento (CodEncaminhamento) VALUES (41)");
  EXPECT_EQ(Insert(8, ""), 42);
  EXPECT_EQ(desc, "");
  EXPECT_EQ(Row(1), "7|2|2024-03-01|N|O'Brien|S|x' OR '1'='1");
  EXPECT_EQ(Row(42), "8|2|2024-03-01|N||S|x' OR '1'='1");
}

TEST_F(EncaminhamentoTest, InsertSendsNothingWhenTheNextKeyOverflows) {
  qvtest::ExpectInsertRefusedAtTheLastKey(
      "INSERT INTO RhsEncaminhamento (CodEncaminhamento) VALUES (2147483647)", "RhsEncaminhamento",
      [&] { return Insert(7, ""); }, desc);
}

TEST_F(EncaminhamentoTest, Fetch) {
  struct Case {
    std::int32_t key;
    const char* desc;
    // key|vacancy|branch|branch name|position|position name|person|name|date|issued|remarks|selection|hiring
    const char* outputs;
  };
  const Case cases[] = {
      {1, "", "1|7|10|Geral Matriz|5|Analista|100|Ana Souza|45352|N|obs|S|N"},
      {4, "94    Quorvel", "4|8|10|Geral Matriz|0||101|O'Brien|45355|N||old|old"},  // no position, Null marks
      {5, "94    Quorvel", "5|99|-1|old|-1|old|-1|old|-1|old|old|old|old"},        // vacancy gone
      {77, "3021    Quorvel", "77|-1|-1|old|-1|old|-1|old|-1|old|old|old|old"},
  };
  for (const Case& k : cases) {
    std::int32_t key = k.key, vaga = -1, filial = -1, cargo = -1, individual = -1;
    std::string nomeFil = "old", nomeCargo = "old", nome = "old", emitido = "old", obs = "old", selecao = "old",
                contratacao = "old";
    Date data{-1};
    desc.clear();
    c.BusEncaminhamento(Postgres(), desc, key, vaga, filial, nomeFil, cargo, nomeCargo, individual, nome, data,
                        emitido, obs, selecao, contratacao);
    EXPECT_EQ(desc, k.desc) << k.key;
    EXPECT_EQ(std::to_string(key) + "|" + std::to_string(vaga) + "|" + std::to_string(filial) + "|" + nomeFil +
                  "|" + std::to_string(cargo) + "|" + nomeCargo + "|" + std::to_string(individual) + "|" + nome +
                  "|" + std::to_string(static_cast<long>(data.value)) + "|" + emitido + "|" + obs + "|" +
                  selecao + "|" + contratacao,
              k.outputs);
  }
}

TEST_F(EncaminhamentoTest, SelectionAndHiringMarks) {
  struct Case {
    std::int32_t key;
    const char* selecao;
    const char* contratacao;
    const char* desc;
  };
  const Case cases[] = {
      {1, "S", "N", ""}, {3, "S", "S", ""}, {77, "", "", ""}, {4, "", "", "94    Quorvel"}};
  for (const Case& k : cases) {
    std::int32_t key = k.key;
    desc.clear();
    const std::string s = c.fBusSelecao(Postgres(), desc, key);
    const std::string h = c.fBusContratacao(Postgres(), desc, key);
    EXPECT_EQ(s + "/" + h + "/" + desc, std::string(k.selecao) + "/" + k.contratacao + "/" + k.desc) << k.key;
  }
}

TEST_F(EncaminhamentoTest, CountOfReferralsOfAVacancy) {
  struct Count {
    std::int32_t vaga, count;
  };
  desc.clear();
  for (const Count& k : {Count{7, 3}, Count{8, 1}, Count{55, 0}}) {
    std::int32_t vaga = k.vaga;
    EXPECT_EQ(c.fQuantEncaminhamentos(Postgres(), desc, vaga), k.count) << k.vaga;
  }
  EXPECT_EQ(desc, "");
}

TEST_F(EncaminhamentoTest, Updates) {
  desc = "texto anterior";
  std::int32_t vaga = 7, none = 55, key = 1, missing = 99;
  std::string mark = "O'Brien";
  c.AltEmissaoCodVaga(Postgres(), desc, user, machine, vaga, mark);
  c.AltEmissaoCodVaga(Postgres(), desc, user, machine, none, mark);
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEncaminhamento WHERE Emitido = 'O''Brien'"), 3);
  std::string issued = "E", hired = "C";
  c.AltEmissaoCodEncam(Postgres(), desc, user, machine, key, issued);
  c.pInformarContratacao(Postgres(), desc, user, machine, key, hired);
  c.pInformarContratacao(Postgres(), desc, user, machine, missing, hired);
  EXPECT_EQ(Row(1), "7|1|2024-03-01|E|obs|S|C");
  EXPECT_EQ(Row(3), "7|1|2024-03-02|O'Brien||S|S");
  std::int32_t candidato = 2;
  Date data = kMarch9;
  std::string emitido = "x' OR '1'='1", obs = "nova", selecao = "N", contratacao = "N";
  std::int32_t three = 3, eight = 8;
  c.AltEncaminhamento(Postgres(), desc, user, machine, three, eight, candidato, data, emitido, obs, selecao,
                      contratacao);
  EXPECT_EQ(Row(3), "8|2|2024-03-09|x' OR '1'='1|nova|N|N");
  EXPECT_EQ(Row(2), "7|2|2024-03-03|O'Brien||N|N");
  c.ExcEncaminhamento(Postgres(), desc, user, machine, three);
  c.ExcEncaminhamento(Postgres(), desc, user, machine, missing);
  EXPECT_EQ(desc, "texto anterior");
  EXPECT_EQ(qvtest::Count(Postgres(), "RhsEncaminhamento"), 4);
}

TEST_F(EncaminhamentoTest, Statements) {
  Variant kNullArg(Null);
  std::int32_t key = 3;
  std::string mark = "S";
  qvtest::Trace trace;
  c.AltEmissaoCodEncam(Postgres(), desc, user, machine, key, mark);
  c.fQuantEncaminhamentos(Postgres(), desc, key);
  Variant list, f1("7"), f2("ana%"), f3("N");
  c.CarEncaminhamento(Postgres(), desc, list, kNullArg, f1, kNullArg, kNullArg, kNullArg, kNullArg, f2, kNullArg,
                      kNullArg, kNullArg, kNullArg, kNullArg, f3);
  std::int32_t vaga = 0, filial = 0, cargo = 0, individual = 0;
  std::string text;
  Date data;
  c.BusEncaminhamento(Postgres(), desc, key, vaga, filial, text, cargo, text, individual, text, data, text, text,
                      text, text);
  const std::string joins =
      "LEFT JOIN RhsVaga ON RhsVaga.CodVaga = RhsEncaminhamento.CodVaga) "
      "LEFT JOIN RhsDadosCandidato ON RhsDadosCandidato.CodCandidato = RhsEncaminhamento.CodCandidato) "
      "LEFT JOIN RhsFilial ON RhsFilial.CodFilial = RhsVaga.CodFilial) ";
  const std::string person =
      "LEFT JOIN RhsCargo ON RhsCargo.CodCargo = RhsVaga.CodCargo) "
      "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosCandidato.Codindividual) ";
  EXPECT_EQ(trace.statements(),
            (std::vector<std::string>{
                "UPDATE RhsEncaminhamento SET Emitido = 'S' WHERE CodEncaminhamento = 3",
                "SELECT COUNT(CodVaga) AS QuantEncaminhamentos FROM RhsEncaminhamento WHERE CodVaga = 3",
                "SELECT RhsEncaminhamento.CodEncaminhamento, RhsEncaminhamento.CodVaga, RhsCargo.NomeCargo, "
                "RhsVaga.DataSolicitacao, RhsEncaminhamento.DataEncaminhamento, RhsFilial.NomeFil, "
                "RhsDadosPessoais.Nome, RhsEncaminhamento.Emitido, RhsEncaminhamento.Selecao, "
                "RhsEncaminhamento.Contratacao FROM ((((( RhsEncaminhamento " +
                    joins + person +
                    "WHERE  RhsEncaminhamento.CodVaga LIKE '7' AND UPPER(RhsDadosPessoais.Nome) LIKE 'ANA%' "
                    "AND RhsEncaminhamento.Contratacao = 'N' ORDER BY DataEncaminhamento DESC",
                "SELECT RhsEncaminhamento.*, RhsVaga.CodFilial, CG.Nome, RhsCargo.CodCargo, RhsCargo.NomeCargo, "
                "RhsDadosPessoais.CodIndividual, RhsDadosPessoais.Nome as Candidato  FROM (((((( RhsEncaminhamento " +
                    joins + "LEFT JOIN CadGeral CG ON CG.CodGeral = RhsVaga.CodFilial)" + person +
                    "WHERE RhsEncaminhamento.CodEncaminhamento = 3"}));
}

class EncaminhamentoListTest : public qvtest::ListTest<EncaminhamentoTest> {};

TEST_P(EncaminhamentoListTest, Filters) {
  Seed(conn());
  auto f = Args(13);
  Variant list = qvtest::kUntouchedList;
  c.CarEncaminhamento(conn(), desc, list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11],
                      f[12]);
  ExpectList(desc, list,
             qvtest::Texts({"CodEncaminhamento", "CodVaga", "NomeFil", "Candidato", "NomeCargo", "DataEncaminhamento",
                            "Emitido", "Selecao", "Contratacao"}));
}

// Keys in list order.
const qvtest::ListCase kListCases[] = {
    {"None", {}, "5 4 2 3 1"},
    {"Key", Filters::At({{0, Variant(std::int32_t{3})}}), "3"},
    {"Vacancy", Filters::At({{1, Variant("7")}}), "2 3 1"},
    {"Branch", Filters::At({{2, Variant("1%")}}), "4 2 3 1"},
    {"BranchName", Filters::At({{3, Variant("Mat%")}}), "4 2 3 1"},
    {"Person", Filters::At({{4, Variant("101")}}), "4 2"},
    {"Candidate", Filters::At({{5, Variant("1")}}), "3 1"},
    {"Name", Filters::At({{6, Variant("ana%")}}), "3 1"},
    {"QuoteInName", Filters::At({{6, Variant("o'brien")}}), "4 2"},
    {"Position", Filters::At({{7, Variant("5")}}), "2 3 1"},
    {"PositionName", Filters::At({{8, Variant("anal%")}}), "2 3 1"},
    {"Date", Filters::At({{9, Variant(kMarch1)}}), "1"},
    {"Issued", Filters::At({{10, Variant("S")}}), "3"},
    {"Selection", Filters::At({{11, Variant("S")}}), "3 1"},
    {"Hiring", Filters::At({{12, Variant("N")}}), "5 2 1"},
    {"Injection", Filters::At({{10, Variant("x' OR '1'='1")}}), ""},
    {"NumericInjection", Filters::At({{0, Variant("1 OR 1=1")}}), ""},
};
INSTANTIATE_TEST_SUITE_P(All, EncaminhamentoListTest, qvtest::OnBothDatabases(kListCases), qvtest::DatabaseCaseName());

TEST_F(EncaminhamentoTest, DispatchByName) {
  com::DispatchObject<quorvel::classEncaminhamento> object;
  const Variant conn(std::shared_ptr<automation::Object>(qvtest::PostgresConnection()));
  std::vector<Variant> args{conn, Variant(""), Variant("7")};
  const com::CallResult r = object.Invoke("fQuantEncaminhamentos", args);
  ASSERT_FALSE(r.failed()) << r.error.description;
  EXPECT_EQ(args[1], Variant(""));
  EXPECT_EQ(r.value, Variant(std::int32_t{3}));
}

}  // namespace
