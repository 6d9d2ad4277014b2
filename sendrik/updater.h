// SPDX-License-Identifier: MIT
#pragma once
// The update run of the main window: one script, or a numbered series of them,
// over an ODBC data source, with the version check and the failure log.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/msgbox.h"

namespace ado {
class Connection;
}

namespace sendrik {

// The login of every run.
std::string ConnectionString(std::string_view data_source);

// What a run needs of the main window.
class RunView {
 public:
  virtual ~RunView() = default;
  virtual win::HWND Owner() const = 0;
  virtual std::string DataSourceText() const = 0;              // txtConexao
  virtual std::string ScriptText() const = 0;                  // txtScript
  virtual void SetScriptText(std::string_view full_path) = 0;  // txtScript
  // Wait cursor and status message, then one pass of the pending events.
  virtual void BeginWait(std::string_view status) = 0;
  // Status line cleared, cursor restored.
  virtual void EndWait() = 0;
  // The shell's "open" of a file; false when nothing could show it.
  virtual bool OpenDocument(const std::filesystem::path& file) = 0;
};

// The lines of the failure log.
struct FailureReport {
  std::string data_source;
  std::string script;
  std::string date;  // short date
  std::size_t lines_read = 0;
  std::vector<std::string> failures;  // three lines per failed command
};
std::vector<std::string> FailureLogLines(const FailureReport& report);

// The user's home folder ($HOME, else the password database's).
std::filesystem::path HomeFolder();
// The default place of the failure log: SendrikLog.txt in the home folder.
std::filesystem::path DefaultLogPath();

class Updater {
 public:
  Updater(RunView& view, std::filesystem::path log_path);
  ~Updater();
  Updater(const Updater&) = delete;
  Updater& operator=(const Updater&) = delete;

  // Both fields filled; otherwise a warning and false.
  bool ValidateFields();
  // Runs the script of the script field over the data source of its field;
  // true when every command ran.
  bool RunScript(bool show_message);
  // The run button: the chosen script alone, or it and the numbered scripts after it.
  void Run(bool all_scripts);
  // A script chosen in the file dialog (full path).
  void ScriptChosen(std::string_view full_path);

  // True while a run is in progress; the window ignores its buttons then.
  bool busy() const { return busy_; }
  const std::string& folder() const { return folder_; }
  const std::string& file_name() const { return file_name_; }
  const std::filesystem::path& log_path() const { return log_path_; }

 private:
  bool ExecuteScript(bool show_message);
  void ExecuteCommand(const std::string& command);
  void RecordFailure(const std::string& command, std::string_view description, int number);
  bool ReportFailures(const std::string& data_source, const std::string& script, std::size_t lines_read);
  void RunNumbered();
  int Message(std::string_view text, unsigned style) const;

  RunView& view_;
  std::filesystem::path log_path_;
  std::unique_ptr<ado::Connection> connection_;  // created on first use
  std::vector<std::string> failures_;  // of the current script: three lines per failed command
  std::string folder_;
  std::string file_name_;
  bool busy_ = false;
};

}  // namespace sendrik
