// SPDX-License-Identifier: MIT
#include "hosts/charthost/new_chart.h"

#include "mirolan/mirolan.h"
#include "platform/automation/program.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace charthost {
namespace {

// The folder that holds the demo gallery: charthost's own in a build tree,
// its data folder once installed.
std::string DemoRoot() { return automation::ProgramFile("Gallery", QV_DATA_FOLDER).parent_path().string(); }

bool NewChart(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  std::string root = args.empty() ? DemoRoot() : args[0];
  mirolan::NewChartBlock block{};
  if (root.size() >= sizeof block.root) {
    err << "root folder longer than " << sizeof block.root - 1 << " characters: " << root << "\n";
    return false;
  }
  std::memcpy(block.root, root.data(), root.size());
  short result = PromptNewDialog(&block);
  out << "result=" << result;
  if (result == mirolan::kChosen) out << " file=" << block.file_name << " folder=" << block.folder;
  out << "\n";
  return true;
}

constexpr DialogEntry kNewChart{"PromptNewDialog", "[ROOT]", AfterTheDialog<NewChart>};

}  // namespace

NewChartModule::NewChartModule(const std::string& kestrin_module_path) {
  std::filesystem::path path = std::filesystem::path(kestrin_module_path).parent_path() / "mirolan.rsc";
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) module_ = win::ResourceModule::Load(path.string());
  InitNewDialogDLL(0, module_ ? module_->handle() : nullptr);
}

NewChartModule::~NewChartModule() { InitNewDialogDLL(0, nullptr); }

const DialogEntry& NewChartDialog() { return kNewChart; }

const DialogEntry* FindNewChartDialog(std::string_view name) {
  std::string_view n = kNewChart.name;
  bool same = n.size() == name.size() && std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
              });
  return same ? &kNewChart : nullptr;
}

}  // namespace charthost
