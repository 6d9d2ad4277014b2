// SPDX-License-Identifier: MIT
// The parts of the update program that need no database.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/error.h"
#include "sendrik/data_sources.h"
#include "sendrik/numbered.h"
#include "sendrik/script_file.h"
#include "sendrik/system_error.h"
#include "sendrik/updater.h"
#include "sendrik/version_check.h"
#include "tests/sendrik/temp_folder.h"

namespace sendrik {

void PrintTo(const ScriptLine& line, std::ostream* os) {
  *os << '"' << line.text << '"' << (line.fault == ScriptLine::Fault::kNone ? "" : " (fault)");
}

namespace {

using sendrik_test::TempFolder;
using namespace std::string_literals;

// --- Script text -----------------------------------------------------------

ScriptLine L(std::string text) { return {std::move(text), ScriptLine::Fault::kNone}; }
ScriptLine Nul(std::string text) { return {std::move(text), ScriptLine::Fault::kNul}; }

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::vector<ScriptLine> lines;
};

// The lines of a file, read through the reader.
std::vector<ScriptLine> FileLines(const std::filesystem::path& file,
                                  std::size_t limit = ScriptReader::kMaxLineBytes) {
  ScriptReader reader(file, limit);
  std::vector<ScriptLine> lines;
  for (ScriptLine line; reader.Next(line);) lines.push_back(line);
  return lines;
}

class ScriptDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ScriptDecoding, GivesTheLines) {
  const DecodeCase& c = GetParam();
  EXPECT_EQ(ReadScriptLines(c.bytes), c.lines);
  TempFolder folder;
  EXPECT_EQ(FileLines(folder.Write("s.spt", c.bytes)), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptDecoding,
    ::testing::Values(
        DecodeCase{"Utf8", "INSERT INTO t VALUES (|São Paulo|)\n", {L("INSERT INTO t VALUES (|São Paulo|)")}},
        DecodeCase{"Utf8WithByteOrderMark",
                   "\xEF\xBB\xBF"
                   "a\nb",
                   {L("a"), L("b")}},
        DecodeCase{"ByteOrderMarkOnly", "\xEF\xBB\xBF", {}},
        DecodeCase{"ByteOrderMarkAndLineEnd", "\xEF\xBB\xBF\n", {L("")}},
        DecodeCase{"Windows1252Accents",
                   "UPDATE t SET n = |Jo\xE3o Concei\xE7\xE3o|\r\n-- \x80 fim\r\n",
                   {L("UPDATE t SET n = |João Conceição|"), L("-- € fim")}},
        DecodeCase{"Windows1252WithLeadingMarkBytes", "\xEF\xBB\xBF\xE9", {L("ï»¿é")}},
        // Each line is decoded on its own: a Windows-1252 line leaves the
        // UTF-8 lines around it as they are.
        DecodeCase{"Utf8AndWindows1252Lines",
                   "INSERT INTO t VALUES (|Conceição|)\nINSERT INTO t VALUES (|A\xE7\xE3o|)\n-- fim: ação\n",
                   {L("INSERT INTO t VALUES (|Conceição|)"), L("INSERT INTO t VALUES (|Ação|)"), L("-- fim: ação")}},
        DecodeCase{"CarriageReturnBeforeLineFeedDropped", "a\r\nb\r\n", {L("a"), L("b")}},
        DecodeCase{"CarriageReturnAloneEndsALine", "a\rb\rc", {L("a"), L("b"), L("c")}},
        DecodeCase{"CarriageReturnsAndLineFeedsMixed", "a\r\rb\n\rc\r\n", {L("a"), L(""), L("b"), L(""), L("c")}},
        DecodeCase{"LastLineWithoutLineFeed", "a\nb", {L("a"), L("b")}},
        DecodeCase{"EmptyLinesCount", "\n\n  \n", {L(""), L(""), L("  ")}},
        DecodeCase{"EmptyFile", "", {}},
        // A NUL byte does not end or cut a line: the line holds it.
        DecodeCase{"NulInsideALine",
                   "UPDATE t SET s = |nul| \0WHERE n = 999\nSELECT 1\n"s,
                   {Nul("UPDATE t SET s = |nul| \u2400WHERE n = 999"), L("SELECT 1")}},
        DecodeCase{"NulAlone", "\0\n"s, {Nul("\u2400")}}),
    [](const auto& info) { return std::string(info.param.name); });

// Lines across the reader's chunks of the file: a line end split between two
// reads is still one line end.
TEST(ScriptFile, LinesCrossTheReadsOfTheFile) {
  TempFolder folder;
  for (std::size_t first : {65535u, 65536u, 65537u, 200000u}) {
    SCOPED_TRACE(first);
    const std::string long_line(first - 1, 'x');
    EXPECT_EQ(FileLines(folder.Write("s.spt", long_line + "\r\nb\rc")), (std::vector{L(long_line), L("b"), L("c")}));
  }
}

// A line longer than the limit is read as a fault of its own, keeping its
// beginning; the lines after it are read as usual.
TEST(ScriptFile, ALineOverTheLimitIsAFaultOfItsOwn) {
  TempFolder folder;
  const auto file = folder.Write("s.spt", "abc\n" + std::string(1000, 'y') + "\ndef\n" + std::string(11, 'z'));
  const auto lines = FileLines(file, 10);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], L("abc"));
  EXPECT_EQ(lines[1].fault, ScriptLine::Fault::kTooLong);
  EXPECT_TRUE(lines[1].text.starts_with("yyyyyyyyyy"));
  EXPECT_LT(lines[1].text.size(), 1000u);
  EXPECT_EQ(lines[2], L("def"));
  EXPECT_EQ(lines[3].fault, ScriptLine::Fault::kTooLong);
}

// Only a regular file is read: anything else is refused at once with the
// reason in the program's language, a FIFO without waiting for a writer.
TEST(ScriptFile, OnlyARegularFileOpens) {
  TempFolder folder;
  const auto fifo = folder.path() / "fila.spt";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::pair<std::filesystem::path, std::string_view> cases[] = {
      {folder.path() / "missing.spt", "o arquivo ou a pasta não existe"},
      {folder.path() / "missing" / "s.spt", "o arquivo ou a pasta não existe"},
      {folder.path(), "é uma pasta"},
      {fifo, "não é um arquivo comum"},
      {"/dev/zero", "não é um arquivo comum"},
  };
  for (const auto& [path, reason] : cases) {
    SCOPED_TRACE(path);
    try {
      ScriptReader reader(path);
      ADD_FAILURE() << "opened";
    } catch (const FileError& e) {
      EXPECT_EQ(e.what(), reason);
    }
  }
}

// The system's reasons in Portuguese; one it does not know by its number.
TEST(SystemError, ReasonsAreWordedInPortuguese) {
  EXPECT_EQ(sendrik::SystemErrorText(EACCES), "permissão negada");
  EXPECT_EQ(sendrik::SystemErrorText(ENOSPC), "não há espaço livre no disco");
  EXPECT_EQ(sendrik::SystemErrorText(EHWPOISON), "erro " + std::to_string(EHWPOISON) + " do sistema");
}

struct LineCase {
  const char* line;
  const char* command;
  bool skipped;
};

TEST(ScriptLine, BarsBecomeQuotesAndOnlyEmptyAndCommentLinesAreSkipped) {
  const LineCase cases[] = {
      {"", "", true},
      {"--", "--", true},
      {"-- comentário", "-- comentário", true},
      {"--|x|", "--'x'", true},
      {"   ", "   ", false},
      {"  -- recuado", "  -- recuado", false},
      {"-x", "-x", false},
      {"INSERT INTO t VALUES (|a|, ||)", "INSERT INTO t VALUES ('a', '')", false},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ToCommand(c.line), c.command);
    EXPECT_EQ(IsSkippedLine(ToCommand(c.line)), c.skipped);
  }
}

// --- Version values -----------------------------------------------------------

TEST(VersionCheck, NamesTheTableInAnyLetterCase) {
  EXPECT_TRUE(NamesVersionTable("insert into fauversaodb values('3.00.0013', '2.00.0005')"));
  EXPECT_TRUE(NamesVersionTable("INSERT INTO FauVersaoDB VALUES('3.00.0013', '2.00.0005')"));
  EXPECT_FALSE(NamesVersionTable("INSERT INTO fauversao VALUES('3.00.0013', '2.00.0005')"));
}

TEST(VersionCheck, QueriesAreTheThreePiecesJoined) {
  EXPECT_EQ(kFirstVersionQuery, std::string(" SELECT versaopd ") + " FROM fauversaodb " + " ORDER BY versaopd DESC ");
  EXPECT_EQ(kSecondVersionQuery, std::string(" SELECT versaoct ") + " FROM fauversaodb " + " ORDER BY versaoct DESC ");
}

TEST(VersionCheck, LowersAsciiLettersOnly) { EXPECT_EQ(LowerAscii("ÇÃO VALUES Ab"), "ÇÃo values ab"); }

TEST(VersionCheck, VersionNumberIsTheNumberFromTheSixthCharacter) {
  const std::pair<const char*, const char*> cases[] = {
      {"3.00.0013", "13"}, {"3.00.0000", "0"}, {"3.00.abcd", "0"},  {".00.0005", "5"},
      {"", "0"},           {"3.00", "0"},      {"3.00. 12x", "12"}, {"3.00.-7", "-7"},
  };
  for (const auto& [value, number] : cases) EXPECT_EQ(VersionNumber(value), number) << value;
}

struct ValuesCase {
  const char* name;
  const char* command;
  const char* first;   // nullptr: the first value cannot be cut out
  const char* second;  // nullptr: the second value cannot be cut out; kUnchecked: not looked at
};

constexpr const char* kUnchecked = "(unchecked)";

class VersionValues : public ::testing::TestWithParam<ValuesCase> {};

void ExpectValue(std::string (*cut)(std::string_view), const char* command, const char* expected) {
  if (expected == nullptr) {
    try {
      cut(command);
      ADD_FAILURE() << "no failure";
    } catch (const automation::Error& e) {
      EXPECT_EQ(e.number(), automation::err::kInvalidArgument);
    }
  } else {
    EXPECT_EQ(cut(command), expected);
  }
}

TEST_P(VersionValues, AreCutOut) {
  ExpectValue(FirstVersionValue, GetParam().command, GetParam().first);
  if (GetParam().second != kUnchecked) ExpectValue(SecondVersionValue, GetParam().command, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionValues,
    ::testing::Values(
        ValuesCase{"Written", "INSERT INTO fauversaodb VALUES('3.00.0013', '2.00.0005')", "3.00.0013", "2.00.0005"},
        ValuesCase{"OtherCase", "insert into FauVersaoDB Values('3.00.0013', '2.00.0005')", "3.00.0013", "2.00.0005"},
        ValuesCase{"NoBlankAfterComma", "INSERT INTO fauversaodb VALUES('3.00.0013','2.00.0005')", "3.00.0013",
                   ".00.0005"},
        ValuesCase{"NoComma", "INSERT INTO fauversaodb VALUES('3.00.0013')", nullptr, kUnchecked},
        ValuesCase{"CommaFirst", "INSERT INTO fauversaodb VALUES(',x)", nullptr, nullptr},
        ValuesCase{"NoParenthesis", "INSERT INTO fauversaodb VALUES('3.00.0013', '2.00.0005'", "3.00.0013", nullptr},
        ValuesCase{"ParenthesisFirst", "INSERT INTO fauversaodb VALUES('3.00.0013', ')", "3.00.0013", nullptr},
        ValuesCase{"NoValuesWord", "DELETE FROM fauversaodb WHERE a = ',', ')'", "FROM fauversaodb WHERE a = ", " "}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Numbered scripts -------------------------------------------------------------

TEST(NumberedScripts, NumberedNamesDigitsAndNextNumber) {
  struct Case {
    const char* name;
    bool numbered;
    const char* digits;
  };
  const Case cases[] = {
      {"Script0012.spt", true, "0012"},
      {"Script13.spt", true, "13"},
      {"V2Script12.spt", true, "212"},
      {"Final.spt", false, ""},
      {"1.spt", true, "1"},
      {"x.sp", false, ""},
      {"", false, ""},
      {"Script12a.spt", false, "12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsNumberedScript(c.name), c.numbered);
    EXPECT_EQ(DigitsOf(c.name), c.digits);
  }
  const std::pair<const char*, const char*> next[] = {
      {"0012", "13"},
      {"13", "14"},
      {"9", "10"},
      {"0999", "1000"},
      {"000", "1"},
      {"212", "213"},
      {"99999999999999999999", "100000000000000000000"},
  };
  for (const auto& [number, following] : next) EXPECT_EQ(NextNumber(number), following) << number;
  EXPECT_EQ(NumberedScriptName("13"), "Script13.spt");
}

TEST(NumberedScripts, FindsTheExactNameFirstThenAnyLetterCase) {
  TempFolder folder;
  folder.Write("Script13.spt", "");
  folder.Write("script13.spt", "");
  folder.Write("SCRIPT14.SPT", "");
  folder.Write("script14.Spt", "");
  std::filesystem::create_directory(folder.path() / "Script15.spt");
  EXPECT_EQ(FindScript(folder.path(), "script13.spt"), "script13.spt");
  EXPECT_EQ(FindScript(folder.path(), "Script13.spt"), "Script13.spt");
  EXPECT_EQ(FindScript(folder.path(), "Script14.spt"), "SCRIPT14.SPT");
  EXPECT_EQ(FindScript(folder.path(), "Script15.spt"), std::nullopt);
  EXPECT_EQ(FindScript(folder.path(), "Script16.spt"), std::nullopt);
  EXPECT_EQ(FindScript(folder.path() / "missing", "Script13.spt"), std::nullopt);
}

TEST(NumberedScripts, PathSplitsAtTheLastSlash) {
  EXPECT_EQ(SplitScriptPath("/home/op/scripts/Script0012.spt").folder, "/home/op/scripts/");
  EXPECT_EQ(SplitScriptPath("/home/op/scripts/Script0012.spt").file_name, "Script0012.spt");
  EXPECT_EQ(SplitScriptPath("Script0012.spt").folder, "");
  EXPECT_EQ(SplitScriptPath("/x/").file_name, "");
}

// --- Data-source list entries -------------------------------------------------------

struct EntryCase {
  const char* name;
  const char* shown;  // nullptr: not listed
};

TEST(DataSourceEntries, KeepTheExactNameAndShowTheRestWithTheHiddenPrefix) {
  const EntryCase cases[] = {
      {"DsnKelPayroll", "Payroll"}, {"RodERuFolha", "Folha"},   {"DsnKel", ""},
      {"DsnKel Folha ", " Folha "}, {"dsnkelpayroll", nullptr}, {"DSNKELPayroll", nullptr},
      {"Payroll", nullptr},         {"DsnKe", nullptr},         {"   ", nullptr},
      {"DsnKelCoração", "Coração"},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto entry = MakeListEntry(c.name);
    if (c.shown == nullptr) {
      EXPECT_FALSE(entry.has_value());
      continue;
    }
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->name, c.name);
    const std::string rest = c.shown;
    const std::size_t characters = rest == "Coração" ? 7 : rest.size();
    EXPECT_EQ(entry->text, rest + std::string(100 - characters, ' ') + std::string(c.name).substr(0, 6));
  }
}

TEST(DataSourceEntries, RestOfMoreThanOneHundredCharactersEndsTheList) {
  const std::string longest = "DsnKel" + std::string(100, 'x');
  EXPECT_TRUE(MakeListEntry(longest).has_value());
  const std::vector<DataSource> sources{{"DsnKelA", ""}, {"Other", ""}, {longest + "y", ""}, {"DsnKelB", ""}};
  const Listing listing = ListDataSources(sources);
  EXPECT_TRUE(listing.failed);
  ASSERT_EQ(listing.entries.size(), 1u);
  EXPECT_EQ(listing.entries[0].name, "DsnKelA");
}

// --- Failure log -------------------------------------------------------------------

TEST(FailureLog, LinesInOrder) {
  const FailureReport report{"DsnKelFolha",
                             "/s/Script13.spt",
                             "10/12/2026",
                             40,
                             {"Comando: a", "Erro: e1", "Número: 1", "Comando: b", "Erro: e2", "Número: 2"}};
  const std::vector<std::string> expected{
      "Comandos de atualização que não puderam ser Executados",
      "------------------------------------------------------",
      "",
      "Conexão: DsnKelFolha",
      "Script: /s/Script13.spt",
      "Data: 10/12/2026",
      "Total de Camandos: 2 de 40",
      "",
      "Comando: a",
      "Erro: e1",
      "Número: 1",
      "Comando: b",
      "Erro: e2",
      "Número: 2",
  };
  EXPECT_EQ(FailureLogLines(report), expected);
}

TEST(FailureLog, DefaultsToTheHomeFolder) {
  const char* saved = std::getenv("HOME");
  const std::string home = saved != nullptr ? saved : "";
  setenv("HOME", "/home/operador", 1);
  EXPECT_EQ(DefaultLogPath(), std::filesystem::path("/home/operador/SendrikLog.txt"));
  if (saved != nullptr) {
    setenv("HOME", home.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
}

TEST(Login, IsFixedInTheConnectionString) {
  EXPECT_EQ(ConnectionString("DsnKelFolha"), "DSN=DsnKelFolha;UID=postgres;PWD=tu5!ro8&pi6*K");
}

}  // namespace
}  // namespace sendrik
