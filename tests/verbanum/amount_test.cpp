// SPDX-License-Identifier: MIT
// The amount host, run as a program.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Outcome Amount(std::vector<std::string> args) {
  const std::string dir = testing::TempDir();
  const std::string out_path = dir + "amount_out_" + std::to_string(getpid());
  const std::string err_path = dir + "amount_err_" + std::to_string(getpid());
  args.insert(args.begin(), AMOUNT_PROGRAM);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  Outcome run;
  const int spawned = posix_spawn(&pid, AMOUNT_PROGRAM, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  run.out = Slurp(out_path);
  run.err = Slurp(err_path);
  std::remove(out_path.c_str());
  std::remove(err_path.c_str());
  return run;
}

TEST(AmountHost, PrintsTheWordsInUtf8OneLinePerValue) {
  const Outcome run = Amount({"R$ 1.234,56", "3", ",50"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            " um mil, duzentos e trinta e quatro reais e cinqüenta e seis centavos\n"
            " três reais\n"
            " cinqüenta centavos de real\n");
  EXPECT_EQ(run.err, "");
}

// A value without words keeps its line (empty), and standard error names it
// with the library's message.
TEST(AmountHost, ValuesWithoutWordsFail) {
  struct Case {
    const char* value;
    const char* message;  // after "quorvel-amount: VALUE: " on standard error
  } const cases[] = {
      {"abc", "Nenhum valor foi informado"},
      {"1.5", "Pontuação incorreta"},
      {"0", "an amount of zero has no words"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const Outcome run = Amount({"1", c.value, "2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, " um real\n\n dois reais\n");
    EXPECT_EQ(run.err, "quorvel-amount: " + std::string(c.value) + ": " + c.message + "\n");
  }
}

// An argument that begins with a dash and a letter, or two dashes, is an
// option; after "--" everything is a value, and "-1" is one anyway.
TEST(AmountHost, OptionsAreNotAmounts) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* err;  // found on standard error
  } const cases[] = {
      {{"--bogus"}, 2, "quorvel-amount: unknown option --bogus"},
      {{"1", "-x"}, 2, "quorvel-amount: unknown option -x"},
      {{"--", "-x"}, 1, "quorvel-amount: -x: "},
      {{"-1"}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Outcome run = Amount(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find("usage: quorvel-amount"), std::string::npos) << run.err;
    }
  }
}

TEST(AmountHost, NoValueIsAUsageError) {
  const Outcome run = Amount({});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("usage"), std::string::npos);
}

}  // namespace
