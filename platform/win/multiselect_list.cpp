// SPDX-License-Identifier: MIT
#include "platform/win/multiselect_list.h"

#include "platform/win/dialog.h"
#include "platform/win/internal.h"

namespace win {
namespace {

detail::ListBox* List(HWND hwnd) {
  WindowHandle* h = detail::Live(hwnd);
  if (!h || h->kind != WindowKind::Control || h->control != ControlKind::ListBox) return nullptr;
  return static_cast<detail::ListBox*>(h);
}

}  // namespace

int ListBox_GetSelCount(HWND list) {
  detail::ListBox* l = List(list);
  return l ? static_cast<int>(l->selectedItems().size()) : LB_ERR;
}

int ListBox_GetSelItems(HWND list, std::span<int> items) {
  detail::ListBox* l = List(list);
  if (!l) return LB_ERR;
  std::size_t n = 0;
  for (int row = 0; row < l->count() && n < items.size(); ++row)
    if (l->item(row)->isSelected()) items[n++] = row;
  return static_cast<int>(n);
}

int ListBox_SetSel(HWND list, bool select, int index) {
  detail::ListBox* l = List(list);
  if (!l || index < -1 || index >= l->count()) return LB_ERR;
  l->programmatic = true;
  for (int row = index < 0 ? 0 : index; row < (index < 0 ? l->count() : index + 1); ++row)
    l->item(row)->setSelected(select);
  l->programmatic = false;
  return 0;
}

bool ListBox_GetSel(HWND list, int index) {
  detail::ListBox* l = List(list);
  return l && index >= 0 && index < l->count() && l->item(index)->isSelected();
}

}  // namespace win
