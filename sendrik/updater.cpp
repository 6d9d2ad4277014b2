// SPDX-License-Identifier: MIT
#include "sendrik/updater.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/ado/ado.h"
#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/text.h"
#include "sendrik/numbered.h"
#include "sendrik/script_file.h"
#include "sendrik/system_error.h"
#include "sendrik/version_check.h"

namespace sendrik {
namespace {

constexpr std::string_view kLogin = ";UID=postgres;PWD=tu5!ro8&pi6*K";
constexpr long kConnectionTimeout = 30;
constexpr std::size_t kMaxNumberedScripts = 10000;

constexpr std::string_view kNoDataSource = "Informe a Conexão!";
constexpr std::string_view kNoScript = "Informe o Script!";
constexpr std::string_view kWaitMessage = "Aguarde enquanto o Sendrik executa o Script...";
constexpr std::string_view kSuccess = "Atualização concluída com sucesso!";
constexpr std::string_view kSomeFailed = "Alguns comandos de Atualização não puderam ser Executados!";
constexpr std::string_view kCustomScript = "Script Personalizado, é passado um por vez!";
constexpr std::string_view kLogNotShown = "Nenhum programa do sistema abriu o log das falhas. O log está em:\n";

// Sets a flag for its lifetime.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

// The wait state of the window, ended on every way out of a run.
class WaitScope {
 public:
  WaitScope(RunView& view, std::string_view status) : view_(view) { view_.BeginWait(status); }
  ~WaitScope() { view_.EndWait(); }
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

 private:
  RunView& view_;
};

// Closes an open connection on every way out of a run.
class CloseScope {
 public:
  explicit CloseScope(ado::Connection& connection) : connection_(connection) {}
  ~CloseScope() {
    try {
      if (connection_.IsOpen()) connection_.Close();
    } catch (const std::exception&) {
      // Nothing more can be done with a connection that does not close.
    }
  }
  CloseScope(const CloseScope&) = delete;
  CloseScope& operator=(const CloseScope&) = delete;

 private:
  ado::Connection& connection_;
};

std::string ErrorText(const std::exception& e) {
  if (const auto* error = dynamic_cast<const automation::Error*>(&e)) {
    return std::to_string(error->number()) + "/" + error->description();
  }
  return e.what();
}

// A text on one line: each line break becomes a blank.
std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else {
      line += text[i];
    }
  }
  return line;
}

// Why a line that was read is not sent.
std::string LineFault(ScriptLine::Fault fault) {
  if (fault == ScriptLine::Fault::kNul) return "A linha contém um caractere nulo (byte 0) e não foi enviada";
  return "A linha passa de " + std::to_string(ScriptReader::kMaxLineBytes) + " bytes e não foi enviada";
}

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};

// Writes the lines, each ended by a line feed; the reason of a failure, or "".
std::string WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return SystemErrorText(errno);
  for (const std::string& line : lines) {
    if (std::fwrite(line.data(), 1, line.size(), file.get()) != line.size() || std::fputc('\n', file.get()) == EOF) {
      return SystemErrorText(errno);
    }
  }
  if (std::fclose(file.release()) != 0) return SystemErrorText(errno);
  return {};
}

}  // namespace

std::string ConnectionString(std::string_view data_source) {
  return "DSN=" + std::string(data_source) + std::string(kLogin);
}

std::vector<std::string> FailureLogLines(const FailureReport& report) {
  const std::size_t failed = report.failures.size() / 3;
  std::vector<std::string> lines{
      "Comandos de atualização que não puderam ser Executados",
      std::string(54, '-'),
      "",
      "Conexão: " + report.data_source,
      "Script: " + report.script,
      "Data: " + report.date,
      "Total de Camandos: " + std::to_string(failed) + " de " + std::to_string(report.lines_read),
      "",
  };
  lines.insert(lines.end(), report.failures.begin(), report.failures.end());
  return lines;
}

std::filesystem::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : "/tmp";
  }
  return home;
}

std::filesystem::path DefaultLogPath() { return HomeFolder() / "SendrikLog.txt"; }

Updater::Updater(RunView& view, std::filesystem::path log_path) : view_(view), log_path_(std::move(log_path)) {}

Updater::~Updater() = default;

int Updater::Message(std::string_view text, unsigned style) const {
  return win::MessageBox(view_.Owner(), text, {}, style);
}

bool Updater::ValidateFields() {
  if (view_.DataSourceText().empty()) {
    Message(kNoDataSource, win::MB_ICONEXCLAMATION);
    return false;
  }
  if (view_.ScriptText().empty()) {
    Message(kNoScript, win::MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

bool Updater::RunScript(bool show_message) {
  if (busy_) return false;
  FlagScope busy(busy_);
  return ExecuteScript(show_message);
}

bool Updater::ExecuteScript(bool show_message) {
  if (!ValidateFields()) return false;
  const std::string data_source = view_.DataSourceText();
  const std::string script = view_.ScriptText();
  std::string error;  // why the run could not go on
  std::size_t lines_read = 0;
  {
    WaitScope wait(view_, kWaitMessage);
    if (!connection_) connection_ = std::make_unique<ado::Connection>();
    try {
      connection_->SetMode(ado::ConnectMode::adModeReadWrite);
      connection_->SetConnectionTimeout(kConnectionTimeout);
      connection_->Open(ConnectionString(data_source), "", "", -1);
    } catch (const std::exception& e) {
      error = "Não foi possível abrir a Conexão '" + data_source + "':\n" + ErrorText(e);
    }
    if (error.empty()) {
      CloseScope close(*connection_);
      try {
        ScriptReader reader(script);
        failures_.clear();
        for (ScriptLine line; reader.Next(line);) {
          ++lines_read;
          const std::string command = ToCommand(line.text);
          if (IsSkippedLine(command)) continue;
          if (line.fault == ScriptLine::Fault::kNone) {
            ExecuteCommand(command);
          } else {
            RecordFailure(command, LineFault(line.fault), automation::err::kInvalidArgument);
          }
        }
      } catch (const FileError& e) {
        error = "Não foi possível ler o Script '" + script + "':\n" + e.what();
      } catch (const std::exception& e) {
        error = "A execução do Script '" + script + "' foi interrompida:\n" + ErrorText(e);
      }
    }
  }
  if (!error.empty()) {
    Message(error, win::MB_ICONSTOP);
    return false;
  }
  if (failures_.empty()) {
    if (show_message) Message(kSuccess, win::MB_ICONINFORMATION);
    return true;
  }
  return ReportFailures(data_source, script, lines_read);
}

bool Updater::ReportFailures(const std::string& data_source, const std::string& script, std::size_t lines_read) {
  FailureReport report{data_source, script, automation::CStr(automation::Variant(automation::Today())), lines_read,
                       failures_};
  const std::string reason = WriteLines(log_path_, FailureLogLines(report));
  if (!reason.empty()) {
    Message(std::string(kSomeFailed) + "\nNão foi possível gravar o log '" + log_path_.string() + "':\n" + reason,
            win::MB_ICONEXCLAMATION);
    return false;
  }
  Message(kSomeFailed, win::MB_ICONEXCLAMATION);
  if (!view_.OpenDocument(log_path_))
    Message(std::string(kLogNotShown) + std::filesystem::absolute(log_path_).string(), win::MB_ICONINFORMATION);
  return false;
}

void Updater::ExecuteCommand(const std::string& command) {
  try {
    CheckVersion(*connection_, command, [this] { Message(kVersionWarning, win::MB_ICONINFORMATION); });
    connection_->Execute(command, -1);
  } catch (const automation::Error& e) {
    RecordFailure(command, e.description(), e.number());
  }
}

void Updater::RecordFailure(const std::string& command, std::string_view description, int number) {
  failures_.push_back("Comando: " + command);
  failures_.push_back("Erro: " + OneLine(description));
  failures_.push_back("Número: " + std::to_string(number));
}

void Updater::Run(bool all_scripts) {
  if (busy_) return;
  FlagScope busy(busy_);
  if (!all_scripts) {
    ExecuteScript(true);
  } else if (automation::Trim(file_name_).empty()) {
    Message(kNoScript, win::MB_ICONEXCLAMATION);
  } else if (!IsNumberedScript(file_name_)) {
    Message(kCustomScript, win::MB_ICONINFORMATION);
    ExecuteScript(true);
  } else {
    RunNumbered();
  }
}

void Updater::RunNumbered() {
  std::string number = DigitsOf(file_name_);
  std::size_t c = 1;
  for (; c <= kMaxNumberedScripts; ++c) {
    std::string name = file_name_;
    if (c > 1) {
      number = NextNumber(number);
      name = NumberedScriptName(number);
    }
    view_.SetScriptText(folder_ + name);
    file_name_ = name;
    const std::optional<std::string> found = FindScript(folder_, name);
    if (!found) {
      Message("O Script ''" + name + "'', não existe na pasta!", win::MB_ICONINFORMATION);
      break;
    }
    if (*found != name) {
      view_.SetScriptText(folder_ + *found);
      file_name_ = *found;
    }
    if (!ExecuteScript(false)) return;
  }
  Message("Atualização concluída com sucesso. \r\n" + std::to_string(c - 1) + " Script foram passados!",
          win::MB_ICONINFORMATION);
}

void Updater::ScriptChosen(std::string_view full_path) {
  if (busy_) return;
  view_.SetScriptText(full_path);
  ScriptPath parts = SplitScriptPath(full_path);
  folder_ = std::move(parts.folder);
  file_name_ = std::move(parts.file_name);
}

}  // namespace sendrik
