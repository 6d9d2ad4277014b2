// charthost: the chart engine's stand-in. Initialises Kestrin with a host
// object, the resource module and a frame window, opens one of its dialogs
// with the values given and prints what the dialog wrote back.
//
//   charthost [--screenshot FILE] [--help-flag N] [--no-font] [--module PATH] DIALOG [ARGS...]

#include "hosts/charthost/dialogs.h"
#include "hosts/charthost/host.h"
#include "hosts/charthost/new_chart.h"
#include "kestrin/kestrin.h"
#include "platform/automation/program.h"
#include "platform/win/controls.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

void Usage(std::ostream& out) {
  out << "usage: charthost [--screenshot FILE] [--help-flag N] [--no-font] [--module PATH] DIALOG [ARGS...]\n"
         "  FLAGS is a comma-separated list of 16-bit values (1,0,1); missing arguments are 0\n"
         "  (FORMAT 1). With --screenshot the dialog opens offscreen, is saved as PNG and cancelled.\n"
         "dialogs:\n";
  for (const charthost::DialogEntry& e : charthost::Dialogs()) out << "  " << e.name << " " << e.arguments << "\n";
  out << "  " << charthost::NewChartDialog().name << " " << charthost::NewChartDialog().arguments << "\n";
}

// Beside the program in a build tree, in its data folder once installed.
std::string DefaultModule() { return automation::ProgramFile("kestrin.rsc", QV_DATA_FOLDER).string(); }

}  // namespace

int main(int argc, char** argv) {
  std::string screenshot, module_path = DefaultModule();
  int help_flag = 1;
  bool with_font = true;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::cerr << "charthost: " << a << " needs a value\n";
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--screenshot") screenshot = value();
    else if (a == "--help-flag") help_flag = std::atoi(value().c_str());
    else if (a == "--no-font") with_font = false;
    else if (a == "--module") module_path = value();
    else if (a == "--help" || a == "-h") {
      Usage(std::cout);
      return 0;
    } else rest.push_back(a);
  }
  if (rest.empty()) {
    Usage(std::cerr);
    return 2;
  }
  const charthost::DialogEntry* dialog = charthost::FindDialog(rest[0]);
  if (!dialog) dialog = charthost::FindNewChartDialog(rest[0]);
  if (!dialog) {
    std::cerr << "charthost: unknown dialog " << rest[0] << "\n";
    Usage(std::cerr);
    return 2;
  }
  std::string error;
  auto module = win::ResourceModule::Load(module_path, &error);
  if (!module) {
    std::cerr << "charthost: " << error << "\n";
    return 1;
  }

  if (!screenshot.empty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  if (!screenshot.empty()) win::testing::PinScreenSize(1024, 768);

  charthost::ChartHost host(&std::cout, with_font);
  win::HWND frame = win::CreateMainWindow("Chart host", 480, 320, {});
  if (screenshot.empty()) win::ShowWindow(frame, win::SW_SHOW);
  InitDialogsDLL(&host, module->handle(), help_flag);
  charthost::NewChartModule new_chart(module_path);
  SetDialogsDLLFrameWnd(frame);

  std::unique_ptr<win::testing::User> user;
  bool opened = false, saved = false;
  if (!screenshot.empty()) {
    user = std::make_unique<win::testing::User>();
    user->OnDialog([&](win::HWND dlg) {
      opened = true;
      saved = win::testing::GrabPng(dlg, screenshot);
      win::testing::PressKey(dlg, win::testing::Key::Escape);
    });
  }
  std::vector<std::string> args(rest.begin() + 1, rest.end());
  bool ok = dialog->run(args, std::cout, std::cerr);
  user.reset();
  InitDialogsDLL(nullptr, nullptr, 0);
  SetDialogsDLLFrameWnd(nullptr);
  win::DestroyWindow(frame);
  if (screenshot.empty()) return ok ? 0 : 1;
  // A screenshot needs a dialog that opened (a message box or a failed dialog has none).
  if (!opened) std::cerr << "charthost: no dialog opened, cannot write " << screenshot << "\n";
  else if (!saved) std::cerr << "charthost: cannot write " << screenshot << "\n";
  return ok && saved ? 0 : 1;
}
