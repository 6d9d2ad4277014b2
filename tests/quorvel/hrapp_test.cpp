// SPDX-License-Identifier: MIT
// hrapp end to end on SQLite: each kind of output and each exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/com/client.h"
#include "tests/quorvel/fixture.h"
#include "tests/quorvel/registration.h"
#include "tests/support/testdb.h"

namespace {

namespace fs = std::filesystem;

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

struct Outcome {
  int status = -1;
  std::string out;
};

Outcome Hrapp(const std::vector<std::string>& args) {
  std::string command = ShellQuote(HRAPP) + " --connect " + ShellQuote(testdb::Get().sqlite_dsnless);
  for (const auto& a : args) command += " " + ShellQuote(a);
  command += " 2>&1";
  Outcome run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

class HrappTest : public qvtest::RegisteredTest {
 protected:
  void SetUp() override {
    qvtest::Exec(qvtest::Sqlite(),
                 "DELETE FROM RhsConselho; DELETE FROM RhsBanco; DELETE FROM RhsDadosPessoais;"
                 "INSERT INTO RhsBanco VALUES (1, 'Banco do Brasil', 'Banco do Brasil S.A.'), (33, NULL, 'Santander');"
                 "INSERT INTO RhsDadosPessoais (CodIndividual, Nome, Bairro, DataNasc) VALUES"
                 " (1, 'Ana', 'Centro', '1990-01-01'), (2, 'Bia', 'Jardins', '1991-01-01');");
  }
};

struct Case {
  const char* name;
  std::vector<std::string> args;
  int status;
  std::vector<const char*> lines;  // each must appear in the output
};

TEST_F(HrappTest, OutputsAndExitStatuses) {
  std::vector<std::string> alt{"classDadosPessoais", "AltDadosPessoais", "1"};
  const std::vector<int> dates{25, 51}, numbers{8, 15, 22, 23, 26, 45, 49};  // positions after the key
  for (int i = 0; i < 55; ++i) {
    const bool date = std::find(dates.begin(), dates.end(), i) != dates.end();
    const bool number = std::find(numbers.begin(), numbers.end(), i) != numbers.end();
    alt.emplace_back(date ? "2024-01-01" : number ? "1" : "null");
  }
  alt.emplace_back("[]");  // a malformed pnArray: the call itself fails
  const Case cases[] = {
      {"Insert", {"classConselho", "IncConselho", "ana", "pc1", "0", "CRM", "Conselho Regional de Medicina"}, 0,
       {"result: True", "DescErr: \"\"", "pkCodConselho: 1", "pnSiglaConselho: \"CRM\""}},
      {"List", {"classconselho", "carconselho", "empty", "null", "null", "null"}, 0,
       {"vlArray: array (0 To 2, 0 To 1)", "  CodConselho  SiglaConselho  NomeConselho\n"
                                           "  1            CRM            Conselho Regional de Medicina\n"}},
      {"ListWithNull", {"classBanco", "CarBanco", "empty", "null", "null", "null"}, 0,
       {"  NumBanco  NomeBanco        RazaoSocialBanco", "  1         Banco do Brasil  Banco do Brasil S.A.",
        "  33        Null             Santander"}},
      {"PickList", {"classDadosPessoais", "CarComboBairro", "null"}, 0,
       {"vlArray: array (0 To 2)", "  0  Centro", "  1  Jardins", "\n  2\n"}},
      {"Age", {"classDadosPessoais", "CarDadosPessoais", "empty", "2", "null", "null", "null", "null", "null", "null",
               "null", "null", "null", "null"},
       0, {"(Idade)", "  2              Bia"}},
      {"ErrorInDescErr", {"classConselho", "BusConselho", "99", "", ""}, 1, {"DescErr: \"3021    Quorvel\""}},
      {"UnknownClass", {"classNada", "Car"}, 2, {"unknown class Quorvel.classNada"}},
      {"UnknownMethod", {"classBanco", "ExcBanco"}, 2, {"unknown method ExcBanco", "BusBanco(ConnRH As Object"}},
      {"ArgumentCount", {"classBanco", "BusBanco", "1"}, 2, {"BusBanco takes 3 argument(s), 1 given"}},
      {"Unconvertible", {"classBanco", "BusBanco", "um", "", ""}, 2, {"argument pkNumBanco (Long)"}},
      {"FailedCall", alt, 3, {"failed call: error 9"}},
  };
  for (const Case& c : cases) {
    const Outcome run = Hrapp(c.args);
    EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.out;
    for (const char* line : c.lines) {
      EXPECT_NE(run.out.find(line), std::string::npos) << c.name << ": " << line << "\n" << run.out;
    }
  }
}

}  // namespace
