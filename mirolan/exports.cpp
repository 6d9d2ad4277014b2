// SPDX-License-Identifier: MIT
// The library's exports and its application object.

#include <cstring>
#include <memory>

#include "mirolan/mirolan.h"
#include "mirolan/new_chart_dialog.h"
#include "platform/vantrel/chartfile.h"
#include "platform/win/resource.h"

namespace mirolan {

extern const char kBuiltinResources[];

namespace {

// Lives while the library is loaded: the chart engine's graphics library is
// open from its start to its end.
class CChartDialogApp {
 public:
  static constexpr const char* kName = "NewDialog.dll";
  CChartDialogApp() { InitPAVLIB(); }
  ~CChartDialogApp() { FiniPAVLIB(); }
  CChartDialogApp(const CChartDialogApp&) = delete;
  CChartDialogApp& operator=(const CChartDialogApp&) = delete;

  // The module the host gave, else the library's own resources.
  win::HINSTANCE Module() {
    if (module_) return module_;
    if (!builtin_) builtin_ = win::ResourceModule::Parse(kBuiltinResources);
    return builtin_ ? builtin_->handle() : nullptr;
  }
  void SetModule(win::HINSTANCE module) { module_ = module; }

 private:
  win::HINSTANCE module_ = nullptr;
  std::unique_ptr<win::ResourceModule> builtin_;
};

CChartDialogApp the_app;

void CopyText(char* to, std::size_t room, const std::string& text) {
  std::size_t n = std::min(text.size(), room - 1);
  std::memcpy(to, text.data(), n);
  to[n] = '\0';
}

}  // namespace
}  // namespace mirolan

extern "C" {

void* InitNewDialogDLL(int, win::HINSTANCE module) {
  mirolan::the_app.SetModule(module);
  return &mirolan::the_app;
}

short PromptNewDialog(mirolan::NewChartBlock* block) {
  if (!block) return mirolan::kNotChosen;
  std::string root(block->root, strnlen(block->root, mirolan::kRootSize));
  mirolan::CNewChartDlg dialog(std::move(root), mirolan::the_app.Module());
  if (dialog.DoModal() != win::IDOK) return mirolan::kNotChosen;
  // The dialog refuses what does not fit, so nothing is cut here.
  mirolan::CopyText(block->file_name, mirolan::kFileNameSize, dialog.result_file_name());
  mirolan::CopyText(block->folder, mirolan::kFolderSize, dialog.result_folder());
  return mirolan::kChosen;
}

}  // extern "C"
