#include "tests/support/x_screen.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/win/testing.h"
#include "platform/win/window_class.h"

// Xlib last: its macros (None, Bool, KeyPress...) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace xtest {
namespace {

struct CloseDisplay {
  void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, CloseDisplay>;

// A connection of the user's own, as a second client of the server.
DisplayPtr Open() { return DisplayPtr(XOpenDisplay(nullptr)); }

unsigned KeyCode(Display* d, std::string_view name) {
  KeySym sym = XStringToKeysym(std::string(name).c_str());
  return sym == NoSymbol ? 0 : XKeysymToKeycode(d, sym);
}

bool PressAndRelease(Display* d, unsigned code) {
  return code != 0 && XTestFakeKeyEvent(d, code, True, CurrentTime) && XTestFakeKeyEvent(d, code, False, CurrentTime);
}

// "Alt_L+p": the keys before the last held down while the last is pressed.
bool Chord(Display* d, std::string_view names) {
  std::size_t plus = names.find('+');
  if (plus == std::string_view::npos || plus + 1 == names.size()) return PressAndRelease(d, KeyCode(d, names));
  unsigned held = KeyCode(d, names.substr(0, plus));
  if (held == 0 || !XTestFakeKeyEvent(d, held, True, CurrentTime)) return false;
  bool sent = Chord(d, names.substr(plus + 1));
  return XTestFakeKeyEvent(d, held, False, CurrentTime) && sent;
}

bool Pointer(Display* d, win::HWND window, win::POINT at) {
  win::RECT r = win::testing::ScreenRect(window);
  return XTestFakeMotionEvent(d, -1, r.left + at.x, r.top + at.y, CurrentTime);
}

bool Button(Display* d, bool down) { return XTestFakeButtonEvent(d, 1, down ? True : False, CurrentTime); }

// The server has taken every event, then the program's event loop runs.
bool Done(Display* d, win::HWND window, bool sent) {
  XSync(d, False);
  win::testing::LetEventLoopRun(window);
  return sent;
}

}  // namespace

std::vector<std::uint32_t> Pixels(const win::testing::Image& picture, win::RECT r) {
  std::vector<std::uint32_t> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(Rgb(picture.at(x, y)));
  return out;
}

std::string FocusMarkFault(const win::testing::Image& focused, const win::testing::Image& unfocused, win::RECT item) {
  if (item.width() <= 0 || item.height() <= 0) return "no item";
  if (focused.width != unfocused.width || focused.height != unfocused.height || item.left < 0 || item.top < 0 ||
      item.right > focused.width || item.bottom > focused.height)
    return "not on the screen";
  auto channel = [](std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFFu); };
  int changed = 0, standing_out = 0;
  for (int y = item.top; y < item.bottom; ++y)
    for (int x = item.left; x < item.right; ++x) {
      std::uint32_t a = Rgb(focused.at(x, y)), b = Rgb(unfocused.at(x, y));
      if (a == b) continue;
      ++changed;
      int distance = 0;
      for (int shift : {0, 8, 16}) distance += std::abs(channel(a, shift) - channel(b, shift));
      standing_out += distance >= 192;
    }
  int needed = (item.width() + item.height()) / 2;
  if (changed == 0) return "looks the same with the focus and without";
  if (standing_out < needed)
    return std::to_string(changed) + " pixels change with the focus, " + std::to_string(standing_out) +
           " stand out (" + std::to_string(needed) + " needed)";
  return {};
}

bool OnXServer() { return QGuiApplication::platformName() == "xcb"; }

bool Key(win::HWND window, std::string_view key_name) {
  DisplayPtr d = Open();
  if (!d) return false;
  return Done(d.get(), window, Chord(d.get(), key_name));
}

bool Activate(win::HWND window, win::POINT at) {
  // The server gives the keys to the window the click activated; the program
  // hears of it a little later, so the loop runs until it has.
  if (!Click(window, at)) return false;
  for (int pass = 0; pass < 50 && win::GetActiveWindow() != window; ++pass) {
    DisplayPtr d = Open();
    if (d) Done(d.get(), window, true);
  }
  return win::GetActiveWindow() == window;
}

bool MoveTo(win::HWND window, win::POINT at) {
  DisplayPtr d = Open();
  if (!d) return false;
  return Done(d.get(), window, Pointer(d.get(), window, at));
}

bool Click(win::HWND window, win::POINT at, std::string_view held) {
  DisplayPtr d = Open();
  if (!d) return false;
  unsigned modifier = held.empty() ? 0 : KeyCode(d.get(), held);
  if (!held.empty() && modifier == 0) return false;
  // The server keeps the order: the program sees the move, then the button.
  bool sent = Pointer(d.get(), window, at);
  if (modifier) sent = XTestFakeKeyEvent(d.get(), modifier, True, CurrentTime) && sent;
  sent = Button(d.get(), true) && Button(d.get(), false) && sent;
  if (modifier) sent = XTestFakeKeyEvent(d.get(), modifier, False, CurrentTime) && sent;
  return Done(d.get(), window, sent);
}

bool Drag(win::HWND window, win::POINT from, win::POINT to) {
  DisplayPtr d = Open();
  if (!d) return false;
  bool sent = Pointer(d.get(), window, from);
  sent = Button(d.get(), true) && sent;
  sent = Pointer(d.get(), window, to) && sent;
  sent = Button(d.get(), false) && sent;
  return Done(d.get(), window, sent);
}

}  // namespace xtest
