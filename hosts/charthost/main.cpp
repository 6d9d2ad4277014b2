// SPDX-License-Identifier: MIT
// quorvel-charthost: the chart engine's stand-in. Initialises Kestrin with a host
// object, the resource module and a frame window, opens one of its dialogs
// with the values given and prints what the dialog wrote back.
//
//   quorvel-charthost [--screenshot FILE [--confirm]] [--redraw-all-bars VALUE] [--help-flag N]
//                     [--no-font] [--module PATH] DIALOG [ARGS...]

#include "hosts/charthost/dialogs.h"
#include "hosts/charthost/host.h"
#include "hosts/charthost/new_chart.h"
#include "hosts/charthost/open_dialog_action.h"
#include "kestrin/kestrin.h"
#include "platform/automation/program.h"
#include "platform/win/controls.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"

#include <QApplication>
#include <QStyleFactory>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Usage(std::ostream& out) {
  out << "usage: quorvel-charthost [--screenshot FILE [--confirm]] [--redraw-all-bars VALUE] [--help-flag N]\n"
         "                         [--no-font] [--module PATH] DIALOG [ARGS...]\n"
         "       quorvel-charthost --help | --version\n"
         "  FLAGS is a comma-separated list of 16-bit values (1,0,1); missing arguments are 0\n"
         "  (FORMAT 1). With --screenshot the dialog (or colour chooser) opens offscreen, is saved\n"
         "  as PNG and cancelled, or confirmed with OK after --confirm. --redraw-all-bars has\n"
         "  the host call RedrawUpdateAllBars(dialog, VALUE) once the DLOG_TablLine dialog is open.\n"
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
  bool with_font = true, confirm = false;
  std::optional<short> redraw_value;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::cerr << "quorvel-charthost: " << a << " needs a value\n";
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--screenshot") screenshot = value();
    else if (a == "--help-flag") help_flag = std::atoi(value().c_str());
    else if (a == "--no-font") with_font = false;
    else if (a == "--confirm") confirm = true;
    else if (a == "--redraw-all-bars") {
      std::string text = value();
      int v = 0;
      auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
      if (ec != std::errc() || end != text.data() + text.size() || v < -32768 || v > 32767) {
        std::cerr << "quorvel-charthost: --redraw-all-bars needs a 16-bit value: " << text << "\n";
        return 2;
      }
      redraw_value = static_cast<short>(v);
    }
    else if (a == "--module") module_path = value();
    else if (a == "--help" || a == "-h") {
      Usage(std::cout);
      return 0;
    } else if (a == "--version") {
      std::cout << "quorvel-charthost " QV_VERSION "\n";
      return 0;
    } else rest.push_back(a);
  }
  if (rest.empty()) {
    Usage(std::cerr);
    return 2;
  }
  // Files are where the user said from the folder the program started in: the
  // new-chart dialog moves the process to its gallery folder.
  for (std::string* file : {&screenshot, &module_path})
    if (!file->empty()) *file = std::filesystem::absolute(*file).string();
  const charthost::DialogEntry* dialog = charthost::FindDialog(rest[0]);
  if (!dialog) dialog = charthost::FindNewChartDialog(rest[0]);
  if (!dialog) {
    std::cerr << "quorvel-charthost: unknown dialog " << rest[0] << "\n";
    Usage(std::cerr);
    return 2;
  }
  if (confirm && screenshot.empty()) {
    std::cerr << "quorvel-charthost: --confirm goes with --screenshot\n";
    return 2;
  }
  constexpr std::string_view kTableLines = "DLOG_TablLine";
  if (redraw_value && std::string_view(dialog->name) != kTableLines) {
    std::cerr << "quorvel-charthost: --redraw-all-bars goes with " << kTableLines << "\n";
    return 2;
  }
  std::string error;
  auto module = win::ResourceModule::Load(module_path, &error);
  if (!module) {
    std::cerr << "quorvel-charthost: " << error << "\n";
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

  // The host's call on the open table-line dialog, as the chart engine makes it.
  std::unique_ptr<charthost::OpenDialogAction> redraw;
  std::optional<int> redraw_result;
  if (redraw_value) {
    redraw = std::make_unique<charthost::OpenDialogAction>(std::string(kTableLines), [&](win::HWND dlg) {
      redraw_result = RedrawUpdateAllBars(dlg, *redraw_value);
    });
  }
  std::unique_ptr<win::testing::User> user;
  bool opened = false, saved = false;
  if (!screenshot.empty()) {
    user = std::make_unique<win::testing::User>();
    user->OnDialog([&](win::HWND dlg) {
      opened = true;
      if (redraw) redraw->RunOn(dlg);  // before the picture, whichever comes first
      saved = win::testing::GrabPng(dlg, screenshot);
      if (!confirm) win::testing::PressKey(dlg, win::testing::Key::Escape);
      else if (!win::testing::Click(dlg, win::IDOK)) win::testing::PressKey(dlg, win::testing::Key::Enter);
    });
    // The colour chooser is the platform's own dialog: shown, grabbed, cancelled.
    user->ShowColorChoosers([&] {
      opened = true;
      saved = win::testing::GrabModalPng(screenshot);
    });
  }
  std::vector<std::string> args(rest.begin() + 1, rest.end());
  bool ok = dialog->run(args, std::cout, std::cerr);
  if (redraw_result) std::cout << "RedrawUpdateAllBars(" << *redraw_value << ")=" << *redraw_result << "\n";
  user.reset();
  redraw.reset();
  InitDialogsDLL(nullptr, nullptr, 0);
  SetDialogsDLLFrameWnd(nullptr);
  win::DestroyWindow(frame);
  if (screenshot.empty()) return ok ? 0 : 1;
  // A screenshot needs a dialog that opened (a message box or a failed dialog has none).
  if (!opened) std::cerr << "quorvel-charthost: no dialog opened, cannot write " << screenshot << "\n";
  else if (!saved) std::cerr << "quorvel-charthost: cannot write " << screenshot << "\n";
  return ok && saved ? 0 : 1;
}
