// SPDX-License-Identifier: MIT
// Script runs of the update program against a real PostgreSQL data source.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <clocale>

#include <string>
#include <vector>

#include "platform/automation/clock.h"
#include "platform/automation/date.h"
#include "platform/automation/text.h"
#include "sendrik/script_file.h"
#include "sendrik/updater.h"
#include "sendrik/version_check.h"
#include "tests/sendrik/run_fixture.h"
#include "tests/sendrik/temp_folder.h"

namespace sendrik_test {
namespace {

using sendrik::Updater;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view kSuccess = "Atualização concluída com sucesso!";
constexpr std::string_view kSomeFailed = "Alguns comandos de Atualização não puderam ser Executados!";
constexpr unsigned kInfo = win::MB_ICONINFORMATION;
constexpr unsigned kExclamation = win::MB_ICONEXCLAMATION;

TestDatabase& Db() {
  static TestDatabase db("DsnKelSendrikRun");
  return db;
}

// The lines of the log, each ended by a line feed.
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
    lines.emplace_back(text.substr(0, end));
  }
  if (!text.empty()) lines.emplace_back(text);
  return lines;
}

class Run : public ::testing::Test {
 protected:
  void SetUp() override {
    Db().Exec("DROP TABLE IF EXISTS sendrik_itens");
    Db().Exec("CREATE TABLE sendrik_itens (n integer, texto text)");
    Db().Exec("DROP TABLE IF EXISTS fauversaodb");
    Db().Exec("CREATE TABLE fauversaodb (versaopd text, versaoct text)");
    view.data_source = Db().dsn();
  }

  // Writes the script, puts it in the script field and runs it.
  bool RunText(std::string_view text, bool show_message = true) {
    view.script = folder.Write("Atualiza.spt", text).string();
    return updater.RunScript(show_message);
  }

  std::vector<std::string> Items() { return Db().Column("SELECT n || ':' || coalesce(texto, '') FROM sendrik_itens"); }

  TempFolder folder;
  FakeView view;
  BoxRecorder boxes;
  automation::ScopedClock clock{automation::DateSerial(2026, 12, 10)};
  Updater updater{view, folder.path() / "SendrikLog.txt"};
};

TEST_F(Run, SendsEveryLineButEmptyAndCommentLinesWhole) {
  StatementRecorder sent;
  const bool ok = RunText(
      "-- cabeçalho do script\r\n"
      "INSERT INTO sendrik_itens VALUES (1, |Conceição|)\r\n"
      "\r\n"
      "--INSERT INTO sendrik_itens VALUES (9, |comentado|)\r\n"
      "  -- recuado\r\n"
      "INSERT INTO sendrik_itens VALUES (2, |a;b|); \r\n");
  EXPECT_THAT(sent.statements, ElementsAre("INSERT INTO sendrik_itens VALUES (1, 'Conceição')", "  -- recuado",
                                           "INSERT INTO sendrik_itens VALUES (2, 'a;b'); "));
  EXPECT_TRUE(ok);
  EXPECT_THAT(boxes.boxes, ElementsAre(Box{std::string(kSuccess), kInfo}));
  EXPECT_THAT(Items(), ElementsAre("1:Conceição", "2:a;b"));
  EXPECT_THAT(view.statuses, ElementsAre("Aguarde enquanto o Sendrik executa o Script..."));
  EXPECT_EQ(view.ends, 1);
  EXPECT_FALSE(std::filesystem::exists(updater.log_path()));
}

TEST_F(Run, LineOfBlanksIsSentUnchanged) {
  StatementRecorder sent;
  RunText("   \n");
  EXPECT_THAT(sent.statements, ElementsAre("   "));
}

TEST_F(Run, OnlyCommentsAndEmptyLinesRunNothingAndSucceed) {
  StatementRecorder sent;
  EXPECT_TRUE(RunText("-- a\n\n--b\n\n", false));
  EXPECT_THAT(sent.statements, IsEmpty());
  EXPECT_THAT(boxes.boxes, IsEmpty());
}

TEST_F(Run, FailingCommandsAreLoggedAndTheRunGoesOn) {
  std::string script;
  for (int i = 1; i <= 40; ++i) {
    if (i == 7) {
      script += "INSERT INTO tabela_inexistente VALUES (1)\n";
    } else if (i == 30) {
      script += "SELEC |x|\n";
    } else if (i % 3 == 0) {
      script += "-- linha " + std::to_string(i) + "\n";
    } else if (i % 5 == 0) {
      script += "\n";
    } else {
      script += "INSERT INTO sendrik_itens VALUES (" + std::to_string(i) + ", NULL)\n";
    }
  }
  EXPECT_FALSE(RunText(script));
  EXPECT_THAT(boxes.boxes, ElementsAre(Box{std::string(kSomeFailed), kExclamation}));
  EXPECT_THAT(view.opened, ElementsAre(updater.log_path()));
  EXPECT_EQ(Items().size(), 20u);  // the lines after the failures ran too

  const std::vector<std::string> log = Lines(ReadAll(updater.log_path()));
  ASSERT_EQ(log.size(), 14u);
  const std::vector<std::string> head(log.begin(), log.begin() + 8);
  EXPECT_THAT(head,
              ElementsAre("Comandos de atualização que não puderam ser Executados",
                          "------------------------------------------------------", "", "Conexão: DsnKelSendrikRun",
                          "Script: " + view.script, "Data: 10/12/2026", "Total de Camandos: 2 de 40", ""));
  EXPECT_EQ(log[8], "Comando: INSERT INTO tabela_inexistente VALUES (1)");
  EXPECT_TRUE(log[9].starts_with("Erro: ") && log[9].find("tabela_inexistente") != std::string::npos) << log[9];
  EXPECT_EQ(log[10], "Número: -2147217900");
  EXPECT_EQ(log[11], "Comando: SELEC 'x'");
  EXPECT_TRUE(log[12].starts_with("Erro: ") && log[12].size() > 6) << log[12];
  EXPECT_EQ(log[13], "Número: -2147217900");
}

// A line that cannot be sent whole is not sent at all: it fails as a line of
// its own, logged like a failed command, and the run goes on.
TEST_F(Run, LinesThatCannotBeSentWholeFailAsLines) {
  struct Case {
    const char* name;
    std::string line;
    std::string logged;  // the start of its "Comando: " line
    std::string error;
  };
  const std::string huge(sendrik::ScriptReader::kMaxLineBytes, 'x');
  for (const Case& c : {
           Case{"Nul", "UPDATE sendrik_itens SET texto = |nul| " + std::string(1, '\0') + "WHERE n = 999",
                "Comando: UPDATE sendrik_itens SET texto = 'nul' \u2400WHERE n = 999",
                "Erro: A linha contém um caractere nulo (byte 0) e não foi enviada"},
           Case{"TooLong", "INSERT INTO sendrik_itens VALUES (3, |" + huge + "|)",
                "Comando: INSERT INTO sendrik_itens VALUES (3, 'xxx", "Erro: A linha passa de 16777216 bytes"},
       }) {
    SCOPED_TRACE(c.name);
    Db().Exec("DELETE FROM sendrik_itens");
    boxes.boxes.clear();
    StatementRecorder sent;
    EXPECT_FALSE(RunText("INSERT INTO sendrik_itens VALUES (1, |a|)\n" + c.line +
                         "\nINSERT INTO sendrik_itens VALUES (2, |b|)\n"));
    EXPECT_THAT(sent.statements, ElementsAre("INSERT INTO sendrik_itens VALUES (1, 'a')",
                                             "INSERT INTO sendrik_itens VALUES (2, 'b')"));
    EXPECT_THAT(Items(), ElementsAre("1:a", "2:b"));
    EXPECT_THAT(boxes.boxes, ElementsAre(Box{std::string(kSomeFailed), kExclamation}));
    const std::vector<std::string> log = Lines(ReadAll(updater.log_path()));
    ASSERT_EQ(log.size(), 11u);
    EXPECT_EQ(log[6], "Total de Camandos: 1 de 3");
    EXPECT_TRUE(log[8].starts_with(c.logged)) << log[8].substr(0, 200);
    EXPECT_LT(log[8].size(), 1000u);
    EXPECT_TRUE(log[9].starts_with(c.error)) << log[9];
    EXPECT_EQ(log[10], "Número: 5");
  }
}

// Each line is read on its own: a Windows-1252 line among UTF-8 ones, and
// lines ended by a carriage return alone.
TEST_F(Run, LinesAreDecodedOneByOneAndEndAtAnyLineEnd) {
  struct Case {
    const char* name;
    std::string script;
  };
  for (const Case& c : {
           Case{"Mixed", "INSERT INTO sendrik_itens VALUES (1, |Conceição|)\n"
                         "INSERT INTO sendrik_itens VALUES (2, |A\xE7\xE3o|)\n"},
           Case{"CarriageReturns", "INSERT INTO sendrik_itens VALUES (1, |Conceição|)\r"
                                   "INSERT INTO sendrik_itens VALUES (2, |Ação|)\r"},
       }) {
    SCOPED_TRACE(c.name);
    Db().Exec("DELETE FROM sendrik_itens");
    EXPECT_TRUE(RunText(c.script, false));
    EXPECT_THAT(Items(), ElementsAre("1:Conceição", "2:Ação"));
  }
}

// The database's error text reaches the log whole, accents included, without
// what lies after its end in the driver's buffer.
TEST_F(Run, ErrorTextsWithAccentsReachTheLogWhole) {
  // As in the program, whose windows take the user's (UTF-8) locale.
  struct CharacterLocale {
    std::string was = std::setlocale(LC_CTYPE, nullptr);
    CharacterLocale() { std::setlocale(LC_CTYPE, "C.UTF-8"); }
    ~CharacterLocale() { std::setlocale(LC_CTYPE, was.c_str()); }
  } utf8;
  EXPECT_FALSE(RunText("INSERT INTO tabela_ação_inexistente VALUES (1)\n"));
  const std::string text = ReadAll(updater.log_path());
  EXPECT_EQ(text.find('\0'), std::string::npos);
  EXPECT_TRUE(automation::IsValidUtf8(text));
  const std::vector<std::string> log = Lines(text);
  ASSERT_EQ(log.size(), 11u);
  EXPECT_TRUE(log[9].starts_with("Erro: ")) << log[9];
  EXPECT_NE(log[9].find("\"tabela_ação_inexistente\" does not exist"), std::string::npos) << log[9];
  EXPECT_TRUE(log[9].ends_with("Error while executing the query")) << log[9];
}

// Where no program of the desktop shows the log, a box says where it is.
TEST_F(Run, ALogThatNothingShowsIsNamedWithItsFullPath) {
  view.opens = false;
  EXPECT_FALSE(RunText("SELEC 1\n"));
  EXPECT_THAT(view.opened, ElementsAre(updater.log_path()));
  EXPECT_THAT(boxes.boxes,
              ElementsAre(Box{std::string(kSomeFailed), kExclamation},
                          Box{"Nenhum programa do sistema abriu o log das falhas. O log está em:\n" +
                                  updater.log_path().string(),
                              kInfo}));
  EXPECT_TRUE(updater.log_path().is_absolute());
}

TEST_F(Run, AnUnwritableLogIsReportedAndTheRunFails) {
  Updater elsewhere(view, folder.path() / "sem-pasta" / "SendrikLog.txt");
  view.script = folder.Write("Falha.spt", "SELEC 1\n").string();
  EXPECT_FALSE(elsewhere.RunScript(true));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_TRUE(boxes.boxes[0].text.starts_with(std::string(kSomeFailed) + "\nNão foi possível gravar o log"))
      << boxes.boxes[0].text;
  EXPECT_THAT(view.opened, IsEmpty());
}

// --- The version check ----------------------------------------------------------

struct VersionCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> stored;  // versaopd, versaoct; nullptr for Null
  const char* line;
  int warnings;
  int queries;
  bool fails;  // recorded as a failure, the line not executed
};

class VersionCheck : public Run, public ::testing::WithParamInterface<VersionCase> {};

std::string Sql(const char* value) { return value == nullptr ? "NULL" : "'" + std::string(value) + "'"; }

TEST_P(VersionCheck, WarnsOrFailsAsTheLineSays) {
  const VersionCase& c = GetParam();
  for (const auto& [pd, ct] : c.stored) {
    Db().Exec("INSERT INTO fauversaodb VALUES (" + Sql(pd) + ", " + Sql(ct) + ")");
  }
  StatementRecorder sent;
  const bool ok = RunText(std::string(c.line) + "\n", false);

  int warnings = 0;
  for (const Box& b : boxes.boxes) {
    if (b.text == sendrik::kVersionWarning) {
      EXPECT_EQ(b.style, kInfo);
      ++warnings;
    }
  }
  EXPECT_EQ(warnings, c.warnings);
  int queries = 0;
  for (const std::string& s : sent.statements) {
    queries += s == sendrik::kFirstVersionQuery || s == sendrik::kSecondVersionQuery;
  }
  EXPECT_EQ(queries, c.queries);
  const auto rows = Db().Column("SELECT count(*) FROM fauversaodb");
  EXPECT_EQ(rows, std::vector<std::string>{std::to_string(c.stored.size() + (c.fails ? 0 : 1))});
  EXPECT_EQ(ok, !c.fails);
  if (c.fails) {
    const std::vector<std::string> log = Lines(ReadAll(updater.log_path()));
    ASSERT_EQ(log.size(), 11u);
    EXPECT_EQ(log[8], "Comando: " + sendrik::ToCommand(c.line));
    EXPECT_EQ(log[9], "Erro: Invalid procedure call or argument");
    EXPECT_EQ(log[10], "Número: 5");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionCheck,
    ::testing::Values(VersionCase{"Expected",
                                  {{"3.00.0009", "2.00.0004"}, {"3.00.0012", "2.00.0003"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0013|, |2.00.0005|)",
                                  0,
                                  2,
                                  false},
                      VersionCase{"FirstAhead",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0015|, |2.00.0005|)",
                                  1,
                                  2,
                                  false},
                      VersionCase{"BothAhead",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0015|, |2.00.0009|)",
                                  2,
                                  2,
                                  false},
                      VersionCase{"SecondBehind",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0013|, |2.00.0004|)",
                                  1,
                                  2,
                                  false},
                      VersionCase{"Zero",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0000|, |2.00.0000|)",
                                  0,
                                  0,
                                  false},
                      VersionCase{"NotNumeric",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.abcd|, |2.00.0005|)",
                                  0,
                                  1,
                                  false},
                      VersionCase{"OtherLetterCase",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO FauVersaoDB (versaopd, versaoct) VALUES(|3.00.0015|, |2.00.0005|)",
                                  1,
                                  2,
                                  false},
                      VersionCase{"NoBlankAfterComma",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0013|,|2.00.0005|)",
                                  0,
                                  2,
                                  false},
                      VersionCase{"EmptyTable",
                                  {},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0013|, |2.00.0005|)",
                                  2,
                                  2,
                                  false},
                      VersionCase{"NullStored",
                                  {{nullptr, nullptr}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0001|, |2.00.0001|)",
                                  0,
                                  2,
                                  false},
                      // Null sorts first under DESC: the greatest value that is not Null counts.
                      VersionCase{"NullBeforeTheGreatest",
                                  {{"3.00.0011", "2.00.0003"}, {nullptr, nullptr}, {"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0013|, |2.00.0005|)",
                                  0,
                                  2,
                                  false},
                      VersionCase{"NullBeforeTheGreatestAhead",
                                  {{nullptr, nullptr}, {"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0001|, |2.00.0005|)",
                                  1,
                                  2,
                                  false},
                      VersionCase{"NoComma",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd) values(|3.00.0013|)",
                                  0,
                                  0,
                                  true},
                      VersionCase{"NoParenthesis",
                                  {{"3.00.0012", "2.00.0004"}},
                                  "INSERT INTO fauversaodb (versaopd, versaoct) values(|3.00.0015|, |2.00.0005|",
                                  1,
                                  1,
                                  true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Run, AFailingVersionQueryIsAFailureOfItsLine) {
  Db().Exec("DROP TABLE fauversaodb");
  StatementRecorder sent;
  EXPECT_FALSE(RunText(
      "INSERT INTO fauversaodb VALUES (|3.00.0013|, |2.00.0005|)\nINSERT INTO sendrik_itens VALUES (1, NULL)\n"));
  EXPECT_THAT(sent.statements,
              ElementsAre(std::string(sendrik::kFirstVersionQuery), "INSERT INTO sendrik_itens VALUES (1, NULL)"));
  const std::vector<std::string> log = Lines(ReadAll(updater.log_path()));
  ASSERT_EQ(log.size(), 11u);
  EXPECT_EQ(log[6], "Total de Camandos: 1 de 2");
  EXPECT_EQ(log[8], "Comando: INSERT INTO fauversaodb VALUES ('3.00.0013', '2.00.0005')");
  EXPECT_NE(log[9].find("fauversaodb"), std::string::npos) << log[9];
  EXPECT_EQ(log[10], "Número: -2147217900");
}

// --- Runs that cannot start or go on --------------------------------------------

TEST_F(Run, FieldsMustBeFilled) {
  view.data_source.clear();
  view.script = "/x/Script1.spt";
  EXPECT_FALSE(updater.RunScript(true));
  view.data_source = Db().dsn();
  view.script.clear();
  EXPECT_FALSE(updater.RunScript(true));
  EXPECT_THAT(boxes.boxes,
              ElementsAre(Box{"Informe a Conexão!", kExclamation}, Box{"Informe o Script!", kExclamation}));
  EXPECT_EQ(view.waits, 0);
}

struct OpenFailure {
  const char* name;
  const char* data_source;  // nullptr: the test's own
  enum Script { kWritten, kMissing, kFifo } script;
  const char* message;
};

class RunsEndCleanly : public Run, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(RunsEndCleanly, WithAMessageAndNoLog) {
  const OpenFailure& c = GetParam();
  if (c.data_source != nullptr) view.data_source = c.data_source;
  switch (c.script) {
    case OpenFailure::kWritten:
      view.script = folder.Write("Atualiza.spt", "INSERT INTO sendrik_itens VALUES (1, NULL)\n").string();
      break;
    case OpenFailure::kMissing:
      view.script = (folder.path() / "Inexistente.spt").string();
      break;
    case OpenFailure::kFifo:  // nobody writes to it: the run must not wait
      view.script = (folder.path() / "Fila.spt").string();
      ASSERT_EQ(mkfifo(view.script.c_str(), 0600), 0);
      break;
  }
  EXPECT_FALSE(updater.RunScript(true));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_TRUE(boxes.boxes[0].text.starts_with(c.message)) << boxes.boxes[0].text;
  EXPECT_GT(boxes.boxes[0].text.size(), std::string_view(c.message).size() + 2);
  EXPECT_EQ(boxes.boxes[0].style, win::MB_ICONSTOP);
  EXPECT_EQ(view.waits, 1);
  EXPECT_EQ(view.ends, 1);
  EXPECT_FALSE(std::filesystem::exists(updater.log_path()));

  // The connection was left closed: the next run opens it again.
  boxes.boxes.clear();
  view.data_source = Db().dsn();
  EXPECT_TRUE(RunText("INSERT INTO sendrik_itens VALUES (2, NULL)\n"));
  EXPECT_THAT(Items(), ElementsAre("2:"));
}

INSTANTIATE_TEST_SUITE_P(Cases, RunsEndCleanly,
                         ::testing::Values(OpenFailure{"MissingDataSource", "DsnKelNaoExiste", OpenFailure::kWritten,
                                                       "Não foi possível abrir a Conexão 'DsnKelNaoExiste':\n"},
                                           OpenFailure{"MissingScript", nullptr, OpenFailure::kMissing,
                                                       "Não foi possível ler o Script '"},
                                           OpenFailure{"FifoAsScript", nullptr, OpenFailure::kFifo,
                                                       "Não foi possível ler o Script '"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Run, ButtonsAreIgnoredWhileARunIsInProgress) {
  view.script = folder.Write("Atualiza.spt", "INSERT INTO sendrik_itens VALUES (1, NULL)\n").string();
  updater.ScriptChosen(view.script);
  view.on_wait = [this] {
    updater.Run(false);
    updater.Run(true);
    updater.ScriptChosen("/outra/Script9.spt");
    EXPECT_FALSE(updater.RunScript(true));
  };
  updater.Run(false);
  EXPECT_EQ(view.waits, 1);
  EXPECT_THAT(Items(), ElementsAre("1:"));
  EXPECT_EQ(updater.file_name(), "Atualiza.spt");
  EXPECT_THAT(boxes.boxes, ElementsAre(Box{std::string(kSuccess), kInfo}));
  EXPECT_FALSE(updater.busy());
}

// --- The all-scripts run ----------------------------------------------------------

struct SeriesCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> files;  // name, text
  const char* chosen;                                      // nullptr: none chosen
  std::vector<Box> boxes;
  std::vector<std::string> items;
  const char* last_file;  // sArquivoScript after the run
};

class AllScripts : public Run, public ::testing::WithParamInterface<SeriesCase> {};

TEST_P(AllScripts, RunTheNumberedSeries) {
  const SeriesCase& c = GetParam();
  for (const auto& [name, text] : c.files) folder.Write(name, text);
  if (c.chosen != nullptr) updater.ScriptChosen(folder.folder() + c.chosen);
  updater.Run(true);
  EXPECT_EQ(boxes.boxes, c.boxes);
  EXPECT_EQ(Items(), c.items);
  EXPECT_EQ(updater.file_name(), c.last_file);
  if (c.chosen != nullptr) {
    EXPECT_EQ(view.script, folder.folder() + c.last_file);
  }
}

Box Missing(const char* name) { return {"O Script ''" + std::string(name) + "'', não existe na pasta!", kInfo}; }
Box Summary(int count) {
  return {"Atualização concluída com sucesso. \r\n" + std::to_string(count) + " Script foram passados!", kInfo};
}
const Box kCustom{"Script Personalizado, é passado um por vez!", kInfo};
const Box kDone{std::string(kSuccess), kInfo};

INSTANTIATE_TEST_SUITE_P(
    Cases, AllScripts,
    ::testing::Values(
        SeriesCase{"Series",
                   {{"Script0012.spt", "INSERT INTO sendrik_itens VALUES (12, NULL)\n"},
                    {"Script13.spt", "INSERT INTO sendrik_itens VALUES (13, NULL)\n"},
                    {"script14.SPT", "INSERT INTO sendrik_itens VALUES (14, NULL)\n"},
                    {"Script16.spt", "INSERT INTO sendrik_itens VALUES (16, NULL)\n"}},
                   "Script0012.spt",
                   {Missing("Script15.spt"), Summary(3)},
                   {"12:", "13:", "14:"},
                   "Script15.spt"},
        SeriesCase{"FirstMissing", {}, "Script0012.spt", {Missing("Script0012.spt"), Summary(0)}, {}, "Script0012.spt"},
        SeriesCase{"NotNumbered",
                   {{"Final.spt", "INSERT INTO sendrik_itens VALUES (1, NULL)\n"},
                    {"Final1.spt", "INSERT INTO sendrik_itens VALUES (2, NULL)\n"}},
                   "Final.spt",
                   {kCustom, kDone},
                   {"1:"},
                   "Final.spt"},
        SeriesCase{"ShortName",
                   {{"1.sp", "INSERT INTO sendrik_itens VALUES (1, NULL)\n"}},
                   "1.sp",
                   {kCustom, kDone},
                   {"1:"},
                   "1.sp"},
        SeriesCase{"DigitsApart",
                   {{"V2Script12.spt", "INSERT INTO sendrik_itens VALUES (12, NULL)\n"},
                    {"Script213.spt", "INSERT INTO sendrik_itens VALUES (213, NULL)\n"}},
                   "V2Script12.spt",
                   {Missing("Script214.spt"), Summary(2)},
                   {"12:", "213:"},
                   "Script214.spt"},
        SeriesCase{"StopsAtAFailingScript",
                   {{"Script1.spt", "INSERT INTO sendrik_itens VALUES (1, NULL)\n"},
                    {"Script2.spt", "SELEC 1\nINSERT INTO sendrik_itens VALUES (2, NULL)\n"},
                    {"Script3.spt", "INSERT INTO sendrik_itens VALUES (3, NULL)\n"}},
                   "Script1.spt",
                   {Box{std::string(kSomeFailed), kExclamation}},
                   {"1:", "2:"},
                   "Script2.spt"},
        SeriesCase{"NothingChosen", {}, nullptr, {Box{"Informe o Script!", kExclamation}}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Run, SeriesShowsEachNameInTheScriptField) {
  folder.Write("Script0012.spt", "");
  folder.Write("SCRIPT13.SPT", "");
  updater.ScriptChosen(folder.folder() + "Script0012.spt");
  updater.Run(true);
  EXPECT_EQ(view.script_history,
            (std::vector<std::string>{folder.folder() + "Script0012.spt", folder.folder() + "Script0012.spt",
                                      folder.folder() + "Script13.spt", folder.folder() + "SCRIPT13.SPT",
                                      folder.folder() + "Script14.spt"}));
}

}  // namespace
}  // namespace sendrik_test
