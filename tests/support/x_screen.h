// SPDX-License-Identifier: MIT
#pragma once
// Tests on a real X server (the CTest fixture "xserver"): the user's keys and
// mouse go through the server (its XTEST extension), and what the screen
// shows is read back from it after the event loop has painted
// (win::testing::ScreenGrab). Each action returns after the event loop has
// run as in a user's pause.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/testing.h"
#include "platform/win/types.h"

namespace xtest {

// True when the program runs on an X server (Qt's xcb platform).
bool OnXServer();

// A key (an X key name: Left, Right, Home, End, Return, Tab) to the window
// with the input focus; `window` is the one whose event loop runs after it.
// "Alt_L+p" holds the keys before the last down while the last is pressed.
bool Key(win::HWND window, std::string_view key_name);
// A click at a point of a top-level window or dialog where no control takes
// it, then the event loop until the window is the active one (it gets the keys).
bool Activate(win::HWND window, win::POINT at = {2, 2});
// The pointer to a point of a window (its own coordinates); no button.
bool MoveTo(win::HWND window, win::POINT at);
// A click of the left button at a point of a window, with a key held down
// while it lasts when `held` names one ("Shift_L").
bool Click(win::HWND window, win::POINT at, std::string_view held = {});
// The left button pressed at one point, the pointer moved to another, released there.
bool Drag(win::HWND window, win::POINT from, win::POINT to);

inline std::uint32_t Rgb(std::uint32_t argb) { return argb & 0xFFFFFFu; }

// --- Under a window manager (the CTest fixture "wm") -------------------------
// Windows are named by their X ids (win::testing::NativeWindow, QWidget::winId).

// True when a window manager runs on the server.
bool WindowManagerRunning();
// Runs the event loop until the window manager manages the window (it is
// mapped in its frame), at most a few seconds; false when it never does.
bool WaitUntilManaged(unsigned long window);
// The 32-bit items of a window's property (_MOTIF_WM_HINTS, _NET_FRAME_EXTENTS);
// empty when it has none.
std::vector<unsigned long> Property(unsigned long window, std::string_view name);
// The names of the atoms of a property (_NET_WM_ALLOWED_ACTIONS).
std::vector<std::string> AtomNames(unsigned long window, std::string_view name);
// Asks the window manager to close the window, as its close box does (_NET_CLOSE_WINDOW).
bool RequestClose(unsigned long window);
// Where the window's own area begins on the screen, as the server has it.
win::POINT ScreenPosition(unsigned long window);
// The top-left corner of the window manager's frame around the window on the screen.
win::POINT FramePosition(unsigned long window);
// The window manager moves the window by (dx, dy) at the user's request (as
// from a pager's or the user's own tool); true once it has (and the program
// has heard of it).
bool MoveByWindowManager(unsigned long window, int dx, int dy);

// The colours of a rectangle of a picture, row by row.
std::vector<std::uint32_t> Pixels(const win::testing::Image& picture, win::RECT r);

// What is wrong with the focus shown on a list's current item or a combo
// box's field: `item` (in the pictures' coordinates) as the screen shows it
// with the focus and without. Empty when the focus changes the item and
// enough of the change (a quarter of the item's outline) stands out against
// what is there without the focus: a mark in nearly the highlight's own
// colour does not count.
std::string FocusMarkFault(const win::testing::Image& focused, const win::testing::Image& unfocused, win::RECT item);

}  // namespace xtest
