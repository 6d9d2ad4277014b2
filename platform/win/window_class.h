// SPDX-License-Identifier: MIT
#pragma once
// Window classes of the caller's, mouse capture and the active window.
//
// A class registered under a resource module (RegisterClass) is what a
// template's `custom ID "" X Y W H class=NAME` control of that module's
// dialogs becomes: a window with the class's procedure, which gets
// WM_CREATE (its size already set), WM_SIZE, WM_PAINT (BeginPaint draws into
// the window's picture, first filled with the class's background brush when
// erasing), the mouse messages in client coordinates (WM_LBUTTONDBLCLK only
// with CS_DBLCLKS, otherwise a second WM_LBUTTONDOWN), WM_SETFONT and
// WM_DESTROY. What the procedure does not handle goes to DefWindowProc.
// A class that is not registered leaves an empty placeholder.

#include "platform/export.h"
#include "platform/win/gdi.h"  // HBRUSH
#include "platform/win/resource.h"
#include "platform/win/types.h"

#include <string_view>

class QWidget;

namespace win {

inline constexpr UINT CS_DBLCLKS = 0x0008;

struct CursorHandle;
using HCURSOR = const CursorHandle*;
using HICON = const void*;
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
// The stock cursors (the module is not used); nullptr for an unknown id.
QV_EXPORT HCURSOR LoadCursor(HINSTANCE module, int id);

using ATOM = unsigned short;

struct QV_EXPORT WNDCLASS {
  UINT style = 0;
  WNDPROC lpfnWndProc;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;  // a stock brush, or one that outlives the class
  const char* lpszMenuName = nullptr;
  const char* lpszClassName = nullptr;
};

// Registers the class under its module (names case-insensitive); 0 when the
// module already has a class of that name, or without a name or procedure.
QV_EXPORT ATOM RegisterClass(const WNDCLASS* wc);
// The class as registered (its name pointing to the registry's copy).
QV_EXPORT bool GetClassInfo(HINSTANCE module, std::string_view name, WNDCLASS* wc);
QV_EXPORT bool UnregisterClass(std::string_view name, HINSTANCE module);

// The default processing of a window of a registered class.
QV_EXPORT LRESULT DefWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// Mouse capture: the window gets the mouse until ReleaseCapture (or until it dies).
QV_EXPORT HWND SetCapture(HWND window);  // returns the previous capture
QV_EXPORT bool ReleaseCapture();
QV_EXPORT HWND GetCapture();

// The top-level window or dialog the user works in (nullptr when none is active).
QV_EXPORT HWND GetActiveWindow();

namespace detail {
// Called when the dialog manager creates a custom control: the window of its
// class, or nullptr when the module (or no module) has no such class.
QV_EXPORT WindowHandle* CreateClassWindow(QWidget* parent, WindowHandle* owner, const ControlTemplate& t,
                                const DialogFontMetrics& metrics, const ResourceModule* module);
}  // namespace detail

}  // namespace win
