// SPDX-License-Identifier: MIT
#pragma once
// A database of its own for a test program, a recording main window and the
// message boxes of a run.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/win/msgbox.h"
#include "sendrik/updater.h"
#include "tests/sendrik/temp_folder.h"

namespace sendrik_test {

// The test program's own PostgreSQL database under a data source `dsn`, with
// a connection for the test's own statements.
class TestDatabase {
 public:
  explicit TestDatabase(std::string_view dsn);
  ~TestDatabase();

  void Exec(std::string_view sql);
  // The first column of every row of a query, as text ("" for Null).
  std::vector<std::string> Column(std::string_view query);
  const std::string& dsn() const { return dsn_; }

 private:
  std::string dsn_;
  std::unique_ptr<ado::Connection> connection_;
};

struct Box {
  std::string text;
  unsigned style = 0;
  friend bool operator==(const Box&, const Box&) = default;
};
void PrintTo(const Box& box, std::ostream* os);

// Records every message box and answers OK.
class BoxRecorder {
 public:
  BoxRecorder();
  std::vector<Box> boxes;

 private:
  win::ScopedMessageBoxHook hook_;
};

// Every statement sent while it lives.
class StatementRecorder {
 public:
  StatementRecorder();
  std::vector<std::string> statements;

 private:
  ado::ScopedTrace trace_;
};

// The main window's fields and feedback, recorded.
class FakeView : public sendrik::RunView {
 public:
  win::HWND Owner() const override { return nullptr; }
  std::string DataSourceText() const override { return data_source; }
  std::string ScriptText() const override { return script; }
  void SetScriptText(std::string_view full_path) override {
    script = full_path;
    script_history.push_back(script);
  }
  void BeginWait(std::string_view status) override {
    ++waits;
    statuses.emplace_back(status);
    if (on_wait) on_wait();
  }
  void EndWait() override { ++ends; }
  bool OpenDocument(const std::filesystem::path& file) override {
    opened.push_back(file);
    return opens;
  }

  std::string data_source;
  std::string script;
  std::vector<std::string> script_history;
  std::vector<std::string> statuses;
  std::vector<std::filesystem::path> opened;
  bool opens = true;  // a program of the desktop shows what is opened
  int waits = 0;
  int ends = 0;
  std::function<void()> on_wait;  // the one pass of pending events
};

}  // namespace sendrik_test
