// SPDX-License-Identifier: MIT
#include "tests/support/x_screen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <array>
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

Atom AtomOf(Display* d, std::string_view name) { return XInternAtom(d, std::string(name).c_str(), False); }

struct FreeX {
  void operator()(void* p) const { XFree(p); }
};

std::vector<unsigned long> Items(Display* d, unsigned long window, std::string_view name) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* raw = nullptr;
  if (XGetWindowProperty(d, window, AtomOf(d, name), 0, 1024, False, AnyPropertyType, &type, &format, &count, &after,
                         &raw) != Success)
    return {};
  std::unique_ptr<unsigned char, FreeX> data(raw);
  if (!data || format != 32) return {};
  // Xlib hands 32-bit items as longs.
  const auto* items = reinterpret_cast<const unsigned long*>(data.get());
  return std::vector<unsigned long>(items, items + count);
}

// A request to the window manager about a window, sent to the root window as
// the conventions of managers say.
bool AskWindowManager(Display* d, unsigned long window, std::string_view message, std::array<long, 3> data) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = AtomOf(d, message);
  e.xclient.format = 32;
  for (std::size_t i = 0; i < data.size(); ++i) e.xclient.data.l[i] = data[i];
  const bool sent =
      XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e) != 0;
  XSync(d, False);
  return sent;
}

}  // namespace

bool WindowManagerRunning() {
  DisplayPtr d = Open();
  return d && !Items(d.get(), DefaultRootWindow(d.get()), "_NET_SUPPORTING_WM_CHECK").empty();
}

bool WaitUntilManaged(unsigned long window) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 5000) {
    {
      DisplayPtr d = Open();
      if (d && !Items(d.get(), window, "WM_STATE").empty() && !Items(d.get(), window, "_NET_FRAME_EXTENTS").empty())
        break;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  // Then what the program hears of its placement.
  for (int pass = 0; pass < 10; ++pass) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  return !Property(window, "WM_STATE").empty();
}

std::vector<unsigned long> Property(unsigned long window, std::string_view name) {
  DisplayPtr d = Open();
  return d ? Items(d.get(), window, name) : std::vector<unsigned long>{};
}

std::vector<std::string> AtomNames(unsigned long window, std::string_view name) {
  DisplayPtr d = Open();
  std::vector<std::string> names;
  if (!d) return names;
  for (unsigned long atom : Items(d.get(), window, name)) {
    std::unique_ptr<char, FreeX> text(XGetAtomName(d.get(), atom));
    if (text) names.emplace_back(text.get());
  }
  return names;
}

bool RequestClose(unsigned long window) {
  DisplayPtr d = Open();
  constexpr long kFromTheUser = 2;  // a pager or the user's own tool
  return d && AskWindowManager(d.get(), window, "_NET_CLOSE_WINDOW", {CurrentTime, kFromTheUser, 0});
}

win::POINT ScreenPosition(unsigned long window) {
  DisplayPtr d = Open();
  int x = 0, y = 0;
  Window child = 0;
  if (d) XTranslateCoordinates(d.get(), window, DefaultRootWindow(d.get()), 0, 0, &x, &y, &child);
  return {x, y};
}

win::POINT FramePosition(unsigned long window) {
  win::POINT at = ScreenPosition(window);
  // left, right, top, bottom
  std::vector<unsigned long> extents = Property(window, "_NET_FRAME_EXTENTS");
  if (extents.size() == 4) {
    at.x -= static_cast<int>(extents[0]);
    at.y -= static_cast<int>(extents[2]);
  }
  return at;
}

bool MoveByWindowManager(unsigned long window, int dx, int dy) {
  const win::POINT client = ScreenPosition(window), frame = FramePosition(window);
  {
    DisplayPtr d = Open();
    constexpr long kNorthWest = 1, kX = 1 << 8, kY = 1 << 9, kFromTheUser = 2 << 12;  // the frame's corner
    if (!d || !AskWindowManager(d.get(), window, "_NET_MOVERESIZE_WINDOW",
                                {kNorthWest | kX | kY | kFromTheUser, frame.x + dx, frame.y + dy}))
      return false;
  }
  QElapsedTimer clock;
  clock.start();
  for (win::POINT now = client; clock.elapsed() < 5000; now = ScreenPosition(window)) {
    if (now.x == client.x + dx && now.y == client.y + dy) return WaitUntilManaged(window);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  return false;
}

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
