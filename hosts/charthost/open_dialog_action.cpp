// SPDX-License-Identifier: MIT
#include "hosts/charthost/open_dialog_action.h"

#include <cctype>
#include <string_view>

#include "platform/win/dialog.h"
#include "platform/win/window_class.h"

namespace charthost {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

OpenDialogAction::OpenDialogAction(std::string template_name, Action action)
    : template_name_(std::move(template_name)), action_(std::move(action)) {
  // The dialogs run modal on this thread: the watch runs inside their loops.
  watch_.setInterval(20);
  QObject::connect(&watch_, &QTimer::timeout, [this] {
    if (win::HWND active = win::GetActiveWindow()) RunOn(active);
  });
  watch_.start();
}

void OpenDialogAction::RunOn(win::HWND dialog) {
  if (done_ || !action_ || !SameName(win::DialogTemplateName(dialog), template_name_)) return;
  done_ = true;
  watch_.stop();
  action_(dialog);
}

}  // namespace charthost
