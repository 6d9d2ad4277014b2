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
