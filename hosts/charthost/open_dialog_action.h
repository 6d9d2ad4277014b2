// SPDX-License-Identifier: MIT
#pragma once
// What the host does to one of its dialogs while the dialog is open, as the
// chart engine can: charthost calls RedrawUpdateAllBars on an open table-line
// dialog. The dialog is found when it has become the active window.

#include <QTimer>

#include <functional>
#include <string>

#include "platform/win/types.h"

namespace charthost {

class OpenDialogAction {
 public:
  using Action = std::function<void(win::HWND dialog)>;

  // Runs `action` once, on the first open dialog of the template.
  OpenDialogAction(std::string template_name, Action action);
  OpenDialogAction(const OpenDialogAction&) = delete;
  OpenDialogAction& operator=(const OpenDialogAction&) = delete;

  // The action on this dialog, unless it ran already or the dialog is of another template.
  void RunOn(win::HWND dialog);

 private:
  std::string template_name_;
  Action action_;
  bool done_ = false;
  QTimer watch_;
};

}  // namespace charthost
