#pragma once
// Multi-select list boxes (`listbox ... multiselect` in a template): a click
// on an item selects or deselects it, leaving the others as they are. The
// single-select calls of controls.h work on them too (adding, deleting,
// texts, count); these read and set the selection of several items.

#include "platform/win/types.h"

#include <span>

namespace win {

// Selected items; LB_ERR when the handle is not a list box.
int ListBox_GetSelCount(HWND list);
// The selected indexes in ascending order, at most items.size() of them;
// returns how many were written (LB_ERR when not a list box).
int ListBox_GetSelItems(HWND list, std::span<int> items);
// Selects or deselects one item, or every item with index -1; never notifies.
// LB_ERR for an index out of range.
int ListBox_SetSel(HWND list, bool select, int index);
bool ListBox_GetSel(HWND list, int index);

namespace testing {
// The user's click on an item of a multi-select list: toggles it and
// notifies LBN_SELCHANGE when the list has the notify style. False when the
// list cannot be reached or the index is out of range.
bool ToggleItem(HWND dialog, int id, int index);
}  // namespace testing

}  // namespace win
