// SPDX-License-Identifier: MIT
#pragma once
// The new-chart dialog of Mirolan in charthost: its resource module
// (mirolan.rsc beside the Kestrin module, else the library's own templates)
// and the PromptNewDialog entry (ROOT defaults to the folder of the demo
// gallery: charthost's own in a build tree, its data folder once installed).

#include <memory>
#include <string>
#include <string_view>

#include "hosts/charthost/dialogs.h"
#include "platform/win/resource.h"

namespace charthost {

// Gives Mirolan its module while it lives.
class NewChartModule {
 public:
  explicit NewChartModule(const std::string& kestrin_module_path);
  ~NewChartModule();
  NewChartModule(const NewChartModule&) = delete;
  NewChartModule& operator=(const NewChartModule&) = delete;

 private:
  std::unique_ptr<win::ResourceModule> module_;
};

const DialogEntry& NewChartDialog();
const DialogEntry* FindNewChartDialog(std::string_view name);  // case-insensitive

}  // namespace charthost
