// SPDX-License-Identifier: MIT
#pragma once
// Top-level windows, window geometry, the screen, the wait cursor, pending
// events and beeps.

#include "platform/export.h"
#include "platform/win/types.h"

#include <string_view>

namespace win {

// --- Top-level windows --------------------------------------------------------
//
// The procedure gets WM_CREATE (before the window shows), WM_COMMAND from its
// controls, WM_SIZE, WM_PAINT, WM_MOUSEMOVE and the left-button messages over
// the background (client coordinates in lParam), WM_SETCURSOR with the
// control under the mouse as wParam whenever the mouse moves over a control
// (status hints; the mouse messages over a control never reach the window's
// background), WM_CLOSE (not processed: the window is destroyed) and
// WM_DESTROY. A template gives the controls and the client size (dialog
// units) exactly as for a dialog; without one the window is empty. Windows
// are created hidden: ShowWindow(window, SW_SHOW).
QV_EXPORT HWND CreateMainWindow(std::string_view caption, int width, int height, WNDPROC proc);
QV_EXPORT HWND CreateWindowFromTemplate(HINSTANCE module, const ResId& name, WNDPROC proc);
QV_EXPORT bool DestroyWindow(HWND window);
// Runs the main loop until PostQuitMessage; returns its code.
QV_EXPORT int RunMessageLoop();
QV_EXPORT void PostQuitMessage(int code);
// A tool tip over a control.
QV_EXPORT bool SetToolTip(HWND control, std::string_view text);

// --- Geometry -------------------------------------------------------------------

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
// The screen's size (pinned by tests, see testing.h).
QV_EXPORT int GetSystemMetrics(int index);

// A window's rectangle in screen coordinates; its client rectangle from (0, 0).
// The layer's rectangle is the window's own area, without the window manager's frame.
QV_EXPORT bool GetWindowRect(HWND window, RECT* rect);
QV_EXPORT bool GetClientRect(HWND window, RECT* rect);
// Moves and sizes (pixels; a control relative to its parent).
QV_EXPORT bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint = true);
inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;
inline constexpr unsigned SWP_NOZORDER = 0x0004;
QV_EXPORT bool SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height, unsigned flags);

// --- Waiting and sounds ---------------------------------------------------------

// The hourglass over every window while it lives.
class QV_EXPORT WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool active_ = false;
};

// One pass over the pending events (paints, posted messages), then returns.
QV_EXPORT void ProcessPendingEvents();

// Message beep (recorded by tests); type as the platform's, 0 the default sound.
QV_EXPORT void MessageBeep(unsigned type);

}  // namespace win
