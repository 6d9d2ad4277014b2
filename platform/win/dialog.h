// SPDX-License-Identifier: MIT
#pragma once
// Modal dialogs from templates, and the messages between windows.
//
// DialogBoxParam builds the template's controls, sends WM_INITDIALOG to the
// procedure (before the dialog shows), runs a modal loop until EndDialog and
// returns EndDialog's result. The dialog manager's keys: Enter sends the
// command of the default button (IDOK when there is none), Escape and the close
// box send IDCANCEL (the close box sends WM_CLOSE first), F1 sends WM_HELP.
// Clicks, edit changes and list or combo selections arrive as WM_COMMAND with
// the control id in the low word and the notification code in the high word.

#include "platform/export.h"
#include "platform/win/types.h"

namespace win {

// Returns -1 (showing nothing) when there is no Qt application object, no
// module or no such template; otherwise EndDialog's result.
QV_EXPORT INT_PTR DialogBoxParam(HINSTANCE module, const ResId& name, HWND owner, DLGPROC proc, LPARAM init = 0);
QV_EXPORT bool EndDialog(HWND dialog, INT_PTR result);

QV_EXPORT HWND GetDlgItem(HWND dialog, int id);
QV_EXPORT int GetDlgCtrlID(HWND control);
QV_EXPORT HWND GetParent(HWND window);
// Calls f for every control of a dialog or window, in creation order, until f returns false.
QV_EXPORT void EnumChildWindows(HWND parent, const std::function<bool(HWND)>& f);

// Delivers a message now to the window's procedure (dialog, window or
// sub-classed control). WM_SETFONT that the procedure does not process sets
// the window's font; WM_GETFONT returns it.
QV_EXPORT LRESULT SendMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
QV_EXPORT LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wparam, LPARAM lparam);
// Queues a message; it is delivered by the modal or main loop (or ProcessPendingEvents).
QV_EXPORT bool PostMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// The template a dialog was built from (its name, or "#number").
QV_EXPORT std::string DialogTemplateName(HWND dialog);

}  // namespace win
