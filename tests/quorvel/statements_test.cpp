// SPDX-License-Identifier: MIT
// The exact statements of the three classes, where the text is the behaviour.
#include <gtest/gtest.h>

#include <functional>

#include "platform/automation/clock.h"
#include "platform/automation/date.h"
#include "quorvel/personnel/classBanco.h"
#include "quorvel/personnel/classConselho.h"
#include "quorvel/personnel/classDadosPessoais.h"
#include "tests/quorvel/fixture.h"

namespace {

using automation::Null;
using automation::Variant;

struct Objects {
  ado::Connection& conn = qvtest::Postgres();
  std::string desc, user = "u", machine = "m";
  std::int32_t key = 7;
  std::string a = "A", b = "B";
  Variant list;
  quorvel::classConselho conselho;
  quorvel::classBanco banco;
  quorvel::classDadosPessoais pessoa;
};

struct Case {
  const char* name;
  std::function<void(Objects&)> call;
  std::vector<const char*> statements;
  const char* desc = "";  // DescErr after the call (the tables are empty)
};

const Case kCases[] = {
    {"ExcConselho", [](Objects& o) { o.conselho.ExcConselho(o.conn, o.desc, o.user, o.machine, o.key); },
     {"DELETE FROM RhsConselho WHERE CodConselho = 7"}},
    {"BusConselho", [](Objects& o) { o.conselho.BusConselho(o.conn, o.desc, o.key, o.a, o.b); },
     {"SELECT * FROM   RhsConselho WHERE  CodConselho = 7"}, "3021    Quorvel"},
    {"AltConselho", [](Objects& o) { o.conselho.AltConselho(o.conn, o.desc, o.user, o.machine, o.key, o.a, o.b); },
     {"UPDATE RhsConselho SET SiglaConselho = 'A', NomeConselho = 'B' WHERE CodConselho = 7"}},
    {"IncConselho", [](Objects& o) { o.conselho.IncConselho(o.conn, o.desc, o.user, o.machine, o.key, o.a, o.b); },
     {"SELECT MAX(CodConselho) AS MaxCod FROM RhsConselho",
      "INSERT INTO RhsConselho (CodConselho, SiglaConselho, NomeConselho) VALUES ( 1, 'A', 'B') "}},
    {"BusBanco", [](Objects& o) { o.banco.BusBanco(o.conn, o.desc, o.key, o.a, o.b); },
     {"SELECT RhsBanco.* FROM RhsBanco WHERE RhsBanco.NumBanco = 7"}, "3021    Quorvel"},
    {"CarBanco",
     [](Objects& o) {
       Variant n(Null), nome("brás"), razao("%s.a.");
       o.banco.CarBanco(o.conn, o.desc, o.list, n, nome, razao);
     },
     {"SELECT RhsBanco.* FROM RhsBanco WHERE UPPER(NomeBanco) LIKE 'BRÁS' AND UPPER(RazaoSocialBanco) LIKE '%S.A.' "
      "ORDER BY NumBanco"}},
    {"BusStatus", [](Objects& o) { o.pessoa.BusStatus(o.conn, o.desc, o.key, o.a); },
     {"SELECT Status FROM RhsDadosPessoais WHERE CodIndividual = 7"}},
    {"BusNome", [](Objects& o) { o.pessoa.BusNome(o.conn, o.desc, o.key, o.a); },
     {"SELECT Nome FROM RhsDadosPessoais WHERE CodIndividual = 7"}},
    {"AltSituacao", [](Objects& o) { o.pessoa.AltSituacao(o.conn, o.desc, o.user, o.machine, o.key, o.a); },
     {"UPDATE RhsDadosPessoais SET Situacao = 'A'WHERE CodIndividual = 7"}},
    {"AltStatus",
     [](Objects& o) {
       automation::ScopedClock clock(automation::DateSerial(2025, 2, 3));
       o.pessoa.AltStatus(o.conn, o.desc, o.user, o.machine, o.key, o.a);
     },
     {"UPDATE RhsDadosPessoais SET Status = 'A', DataUltimaAtualizacao = '2025/02/03' WHERE CodIndividual = 7"}},
    {"CarComboHabProfissional", [](Objects& o) { o.pessoa.CarComboHabProfissional(o.conn, o.desc, o.list); },
     {"SELECT DISTINCT HabProfissional FROM RhsDadosPessoais WHERE HabProfissional <> ''"}},
    {"CarComboBairro", [](Objects& o) { o.pessoa.CarComboBairro(o.conn, o.desc, o.list); },
     {"SELECT DISTINCT Bairro FROM RhsDadosPessoais WHERE Bairro <> ''"}},
    {"CarComboLogradouro", [](Objects& o) { o.pessoa.CarComboLogradouro(o.conn, o.desc, o.list); },
     {"SELECT DISTINCT Logradouro FROM RhsDadosPessoais WHERE Logradouro <> ''"}},
    {"CarComboEndereco", [](Objects& o) { o.pessoa.CarComboEndereco(o.conn, o.desc, o.list); },
     {"SELECT DISTINCT Endereco FROM RhsDadosPessoais WHERE Endereco <> ''"}},
    {"CarComboFilhosFicamCom", [](Objects& o) { o.pessoa.CarComboFilhosFicamCom(o.conn, o.desc, o.list); },
     {"SELECT DISTINCT FilhosFicamCom FROM RhsDadosPessoais WHERE FilhosFicamCom <> '' ORDER BY FilhosFicamCom "}},
    {"fExisteCPF",
     [](Objects& o) {
       std::int32_t r = 0;
       o.pessoa.fExisteCPF(o.conn, o.desc, o.a, r);
     },
     {"SELECT DISTINCT CodIndividual, NrCPF FROM RhsDadosPessoais WHERE NrCPF = 'A'"}},
    {"fExisteNrIdentidade",
     [](Objects& o) {
       std::int32_t r = 0;
       std::string v = "mg-1";
       o.pessoa.fExisteNrIdentidade(o.conn, o.desc, v, r);
     },
     {"SELECT DISTINCT CodIndividual, NrIdentidade FROM RhsDadosPessoais WHERE UPPER(NrIdentidade) = 'MG-1'"}},
    {"fExisteNome",
     [](Objects& o) {
       bool r = false;
       std::string v = "joão";
       o.pessoa.fExisteNome(o.conn, o.desc, o.a = v, r);
     },
     {"SELECT DISTINCT Nome FROM RhsDadosPessoais WHERE UPPER(Nome) = 'JOÃO'"}},
    {"CarDadosPessoaisEveryFilter",
     [](Objects& o) {
       automation::VariantArray statuses({automation::Bounds{0, 0}});
       statuses.at(0) = Variant("A");
       Variant f[] = {Variant("1%"), Variant("ana%"), Variant(std::int32_t{3}), Variant("SP"), Variant("F"),
                      Variant(std::int16_t{10}), Variant("mg%"), Variant("123%"), Variant("N"),
                      Variant(std::move(statuses)), Variant("Ativo")};
       o.pessoa.CarDadosPessoais(o.conn, o.desc, o.list, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                                 f[10]);
     },
     {"SELECT CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade, NrCPF, Status, Situacao "
      "FROM RhsDadosPessoais WHERE cstr(CodIndividual) LIKE '1%' AND UPPER(Nome) LIKE 'ANA%' AND CodCidade = 3 "
      "AND UF = 'SP' AND Sexo = 'F' AND CodNacionalidade = 10 AND UPPER(NrIdentidade) LIKE 'MG%' "
      "AND UPPER(NrCPF) LIKE '123%' AND DefFisico = 'N' AND (Status = 'A') AND Situacao = 'Ativo' ORDER BY Nome"}},
};

class StatementTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(StatementTest, Exact) {
  qvtest::Exec(qvtest::Postgres(), "DELETE FROM RhsConselho; DELETE FROM RhsDadosPessoais");
  Objects o;
  const Case& c = kCases[GetParam()];
  qvtest::Trace trace;
  c.call(o);
  EXPECT_EQ(o.desc, c.desc);
  EXPECT_EQ(trace.statements(), std::vector<std::string>(c.statements.begin(), c.statements.end()));
}

INSTANTIATE_TEST_SUITE_P(All, StatementTest, ::testing::Range<std::size_t>(0, std::size(kCases)),
                         [](const auto& info) { return std::string(kCases[info.param].name); });

}  // namespace
