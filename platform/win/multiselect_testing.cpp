// SPDX-License-Identifier: MIT
// The user's clicks on multi-select lists.
#include "platform/win/dialog.h"
#include "platform/win/internal.h"
#include "platform/win/testing.h"

namespace win::testing {

bool Step(HWND window);  // testing.cpp: posted messages and the after-step action

bool ToggleItem(HWND dialog, int id, int index) {
  WindowHandle* h = detail::Live(GetDlgItem(dialog, id));
  if (!h || h->kind != WindowKind::Control || h->control != ControlKind::ListBox) return false;
  auto* l = static_cast<detail::ListBox*>(h);
  if (l->isHidden() || !l->isEnabled() || index < 0 || index >= l->count()) return false;
  l->programmatic = true;
  l->setCurrentRow(index, QItemSelectionModel::Toggle);
  l->programmatic = false;
  if (l->styles.notify) detail::Notify(l, LBN_SELCHANGE);
  return Step(dialog);
}

}  // namespace win::testing
