// SPDX-License-Identifier: MIT
#pragma once
// Multi-select list boxes (`listbox ... multiselect` in a template): a click
// on an item selects or deselects it, leaving the others as they are. The
// single-select calls of controls.h work on them too (adding, deleting,
// texts, count); these read and set the selection of several items.

#include "platform/export.h"
#include "platform/win/types.h"

#include <span>

namespace win {

// Selected items; LB_ERR when the handle is not a list box.
QV_EXPORT int ListBox_GetSelCount(HWND list);
// The selected indexes in ascending order, at most items.size() of them;
// returns how many were written (LB_ERR when not a list box).
QV_EXPORT int ListBox_GetSelItems(HWND list, std::span<int> items);
// Selects or deselects one item, or every item with index -1; never notifies.
// LB_ERR for an index out of range.
QV_EXPORT int ListBox_SetSel(HWND list, bool select, int index);
QV_EXPORT bool ListBox_GetSel(HWND list, int index);

}  // namespace win
