// Sendrik: brings a database up to date with .spt scripts over an ODBC data source.

#include <QApplication>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "platform/win/msgbox.h"
#include "platform/win/resource.h"
#include "platform/win/window.h"
#include "sendrik/main_window.h"
#include "sendrik/updater.h"

namespace {

// The windows' templates live beside the program.
std::filesystem::path ModulePath() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (ec ? std::filesystem::path(".") : program.parent_path()) / "sendrik.rc";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  win::SetProgramTitle("Sendrik");
  std::string error;
  const auto path = ModulePath();
  const auto module = win::ResourceModule::Load(path.string(), &error);
  if (!module) {
    win::MessageBox(nullptr, "Não foi possível ler " + path.string() + ": " + error, {}, win::MB_ICONSTOP);
    return 1;
  }
  sendrik::MainWindow window(module->handle(), sendrik::DefaultLogPath());
  if (window.Create() == nullptr) return 1;
  return win::RunMessageLoop();
}
