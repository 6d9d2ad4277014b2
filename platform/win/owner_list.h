// SPDX-License-Identifier: MIT
#pragma once
// Owner-drawn fixed list boxes (`listbox ... ownerdraw` in a template) and
// sub-classing of controls.
//
// An owner-drawn list keeps a picture of its client area, as the layer's
// top-level windows do. It asks the window it belongs to to draw its items:
// WM_DRAWITEM (wParam the list's id, lParam a DRAWITEMSTRUCT*) with
// ODA_DRAWENTIRE for every item in an invalid part of the list when it
// paints, and with ODA_SELECT for the items whose selection changes, at once.
// Items carry a value of the caller's (item data) instead of a text; every
// item has the list's item height.
//
// The list's mouse and key input arrives at its window procedure as
// WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK (wParam the
// MK_ flags, lParam x | y << 16 in client coordinates) and WM_KEYDOWN
// (wParam the VK_ code). The standard procedure moves the selection to the
// row under the mouse (button down, or moves with the button held) and with
// the arrow, Home, End, Page Up and Page Down keys, and notifies LBN_SELCHANGE
// and LBN_DBLCLK when the list has the notify style. Enter, Escape, Tab and F1
// go to the dialog manager as for any control.
//
// The owner-drawn behaviour starts with the first call below on the list
// (usually ListBox_SetItemHeight in WM_INITDIALOG). Its vertical scroll bar
// (style vscroll) is always shown, so that the client width never changes.

#include "platform/export.h"
#include "platform/win/gdi.h"
#include "platform/win/types.h"

namespace win {

inline constexpr UINT ODT_LISTBOX = 2;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_FOCUS = 0x0010;

struct QV_EXPORT DRAWITEMSTRUCT {
  UINT CtlType = ODT_LISTBOX;
  UINT CtlID = 0;
  int itemID = -1;      // the item's index
  UINT itemAction = 0;  // ODA_DRAWENTIRE or ODA_SELECT
  UINT itemState = 0;   // ODS_SELECTED, ODS_FOCUS
  HWND hwndItem = nullptr;
  HDC hDC = nullptr;  // draws into the list's picture
  RECT rcItem;        // the item's rectangle in the list's client coordinates
  LPARAM itemData = 0;
};

// Mouse flags (wParam of the mouse messages) and key codes.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;
inline constexpr WPARAM VK_PRIOR = 0x21;
inline constexpr WPARAM VK_NEXT = 0x22;
inline constexpr WPARAM VK_END = 0x23;
inline constexpr WPARAM VK_HOME = 0x24;
inline constexpr WPARAM VK_LEFT = 0x25;
inline constexpr WPARAM VK_UP = 0x26;
inline constexpr WPARAM VK_RIGHT = 0x27;
inline constexpr WPARAM VK_DOWN = 0x28;

constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>((static_cast<unsigned>(low) & 0xFFFFu) | ((static_cast<unsigned>(high) & 0xFFFFu) << 16));
}
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<short>(l & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<short>((l >> 16) & 0xFFFF); }

// Items of an owner-drawn list. Indexes from 0; LB_ERR when none.
QV_EXPORT int ListBox_AddItemData(HWND list, LPARAM data);   // returns the new item's index
QV_EXPORT LPARAM ListBox_GetItemData(HWND list, int index);  // LB_ERR out of range
QV_EXPORT bool ListBox_SetItemHeight(HWND list, int height);
QV_EXPORT int ListBox_GetItemHeight(HWND list);
QV_EXPORT int ListBox_GetTopIndex(HWND list);
QV_EXPORT bool ListBox_GetItemRect(HWND list, int index, RECT* rect);

// Sub-classing: the control's messages go to proc, which passes what it does
// not handle on with CallWindowProc(previous, ...). Returns the previous
// procedure (the layer's standard one the first time), or an empty one for a
// handle that is not a control.
QV_EXPORT WNDPROC SetWindowProc(HWND control, WNDPROC proc);
QV_EXPORT LRESULT CallWindowProc(const WNDPROC& proc, HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace win
