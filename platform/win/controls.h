// SPDX-License-Identifier: MIT
#pragma once
// Controls addressed by handle or by dialog and id. Text is UTF-8.

#include "platform/export.h"
#include "platform/win/types.h"

#include <span>
#include <string>
#include <string_view>

namespace win {

// Show and enable.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
QV_EXPORT bool ShowWindow(HWND window, int command);  // returns whether it was visible before
QV_EXPORT bool EnableWindow(HWND window, bool enable);  // returns whether it was disabled before
QV_EXPORT bool IsWindowVisible(HWND window);  // shown itself (a control of a dialog not yet shown counts as shown)
QV_EXPORT bool IsWindowEnabled(HWND window);
QV_EXPORT bool IsWindow(HWND window);
QV_EXPORT HWND SetFocus(HWND window);
QV_EXPORT HWND GetFocus();

// Text. Setting an edit's text sends EN_CHANGE to its dialog.
QV_EXPORT bool SetWindowText(HWND window, std::string_view text);
QV_EXPORT std::string GetWindowText(HWND window);
QV_EXPORT bool SetDlgItemText(HWND dialog, int id, std::string_view text);
QV_EXPORT std::string GetDlgItemText(HWND dialog, int id);
// At most buffer.size() - 1 bytes and a terminator; returns the bytes copied.
QV_EXPORT int GetDlgItemText(HWND dialog, int id, std::span<char> buffer);

// Integers: written in decimal; read with leading blanks skipped, an optional
// minus when signed, digits up to the first other character. No digits (or a
// value out of range) gives 0 and *translated false.
QV_EXPORT bool SetDlgItemInt(HWND dialog, int id, long value, bool is_signed);
QV_EXPORT long GetDlgItemInt(HWND dialog, int id, bool* translated, bool is_signed);
QV_EXPORT long ParseDialogInt(std::string_view text, bool* translated, bool is_signed);

// Check boxes and radio buttons.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
QV_EXPORT bool CheckDlgButton(HWND dialog, int id, int state);
QV_EXPORT int IsDlgButtonChecked(HWND dialog, int id);
// Checks id and unchecks every other button from first to last.
QV_EXPORT bool CheckRadioButton(HWND dialog, int first, int last, int id);

// Drop-down list combo boxes. Indexes from 0; -1 (CB_ERR) when none.
QV_EXPORT int ComboBox_AddString(HWND combo, std::string_view text);
QV_EXPORT void ComboBox_ResetContent(HWND combo);
QV_EXPORT int ComboBox_SetCurSel(HWND combo, int index);  // out of range: no selection, returns CB_ERR
QV_EXPORT int ComboBox_GetCurSel(HWND combo);
QV_EXPORT int ComboBox_GetCount(HWND combo);
QV_EXPORT std::string ComboBox_GetText(HWND combo, int index);

// Single-select list boxes. Indexes from 0; -1 (LB_ERR) when none.
QV_EXPORT int ListBox_AddString(HWND list, std::string_view text);
QV_EXPORT void ListBox_ResetContent(HWND list);
QV_EXPORT int ListBox_SetCurSel(HWND list, int index);  // out of range: no selection, returns LB_ERR
QV_EXPORT int ListBox_GetCurSel(HWND list);
QV_EXPORT int ListBox_GetCount(HWND list);
QV_EXPORT std::string ListBox_GetText(HWND list, int index);
QV_EXPORT int ListBox_DeleteString(HWND list, int index);  // returns the count left, LB_ERR when out of range
// Entries wider than the list end in an ellipsis (the default) or, with false,
// are cut at its edge; false when the handle is not a list box.
QV_EXPORT bool ListBox_SetEllipsis(HWND list, bool ellipsis);
// Where an entry wider than the list is cut: at the list's edge (None, no
// ellipsis), or with an ellipsis at its end or in its middle ("/charts/…/Bars").
enum class ListEllipsis { None, End, Middle };
QV_EXPORT bool ListBox_SetEllipsis(HWND list, ListEllipsis where);

}  // namespace win
