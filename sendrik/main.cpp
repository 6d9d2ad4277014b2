// SPDX-License-Identifier: MIT
// Sendrik: brings a database up to date with .spt scripts over an ODBC data source.
//
//   sendrik [--help | --version]

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/automation/program.h"
#include "platform/win/language.h"
#include "platform/win/msgbox.h"
#include "platform/win/resource.h"
#include "platform/win/window.h"
#include "sendrik/main_window.h"
#include "sendrik/updater.h"

namespace {

// The windows' templates (and the banner beside them) live beside the
// program in a build tree, in its data folder once installed.
std::filesystem::path ModulePath() { return automation::ProgramFile("sendrik.rc", QV_DATA_FOLDER); }

constexpr const char* kUsage =
    "usage: sendrik [--help | --version]\n"
    "  Brings a database up to date with .spt scripts: pick an ODBC data source (DsnKel..., RodERu...),\n"
    "  a script, and run it alone or with every following numbered script of its folder.\n"
    "  Failures are logged in ~/SendrikLog.txt.\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window (or display) is needed; other arguments are Qt's,
  // and what Qt does not take is a usage error.
  if (const auto status = automation::AnswerHelpOrVersion(argc, argv, "sendrik", QV_VERSION, kUsage)) return *status;
  QApplication app(argc, argv);
  if (argc > 1) {
    std::fprintf(stderr, "sendrik: unknown argument %s\n%s", argv[1], kUsage);
    return 2;
  }
  win::SetProgramTitle("Sendrik");
  const win::QtLanguage qt_texts(sendrik::kLanguage);
  if (!qt_texts.loaded())
    std::fprintf(stderr, "sendrik: Qt's texts in %s are not installed (qt6-translations-l10n): they stay in English\n",
                 std::string(sendrik::kLanguage).c_str());
  std::string error;
  const auto path = ModulePath();
  const auto module = win::ResourceModule::Load(path.string(), &error);
  if (!module) {
    // The reader's own (English) account of the fault goes to standard error, out of the box.
    std::fprintf(stderr, "sendrik: %s\n", error.c_str());
    win::MessageBox(nullptr, "Não foi possível ler os modelos das janelas do Sendrik:\n" + path.string(), {},
                    win::MB_ICONSTOP);
    return 1;
  }
  sendrik::MainWindow window(module->handle(), sendrik::DefaultLogPath());
  if (window.Create() == nullptr) return 1;
  return win::RunMessageLoop();
}
