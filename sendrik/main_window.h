// SPDX-License-Identifier: MIT
#pragma once
// The main window "Sendrik": the data source and script fields, the two run
// options and the status line, over the run logic of Updater.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/types.h"
#include "platform/win/window.h"
#include "sendrik/updater.h"

namespace sendrik {

// "Sendrik" and the program's version: major.minor.revision.
std::string WindowCaption();

// The program's language, which the texts Qt shows in its windows take too
// (win::QtLanguage): the file dialog, the buttons of the message boxes.
inline constexpr std::string_view kLanguage = "pt_BR";

class MainWindow final : public RunView {
 public:
  MainWindow(win::HINSTANCE module, std::filesystem::path log_path);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates and shows the window; nullptr when it cannot be shown. Closing it
  // (its close box or "Sair") destroys it and ends the main loop.
  win::HWND Create();
  win::HWND handle() const { return window_; }

  win::HWND Owner() const override { return window_; }
  std::string DataSourceText() const override;
  std::string ScriptText() const override;
  void SetScriptText(std::string_view full_path) override;
  void BeginWait(std::string_view status) override;
  void EndWait() override;
  bool OpenDocument(const std::filesystem::path& file) override;

 private:
  win::LRESULT Procedure(win::HWND window, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);
  void Start(win::HWND window);
  void Command(int id);
  void Hover(win::HWND control);
  void Paint();
  void SetStatus(std::string_view text);
  void ChooseScript();

  win::HINSTANCE module_;
  Updater updater_;
  win::HWND window_ = nullptr;
  std::optional<win::WaitCursor> wait_;
  std::string last_chosen_;     // the file dialog's file name
  bool close_pending_ = false;  // closed during a run: closes when it ends
};

}  // namespace sendrik
