// SPDX-License-Identifier: MIT
// Window classes: registration, the class's window in a dialog with its
// messages, its background and mouse capture.

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/owner_list.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"
#include "platform/win/window_class.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

constexpr const char* kModule = R"(
dialog "Drawing" {
  caption "Drawing"
  size 160 100
  custom 401 "" 4 4 100 60 class=Feeler
  custom 402 "" 110 4 40 20 class=Unknown
  button IDOK "OK" 100 80 50 14 default
}
)";

LRESULT Ignore(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProc(w, m, wp, lp); }

WNDCLASS Class(HINSTANCE module, const char* name, WNDPROC proc = Ignore) {
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = std::move(proc);
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetStockObject(WHITE_BRUSH);
  wc.lpszClassName = name;
  return wc;
}

TEST(WindowClass, RegistersOncePerModuleAndName) {
  auto a = ResourceModule::Parse(kModule), b = ResourceModule::Parse(kModule);
  struct Case {
    HINSTANCE module;
    const char* name;
    bool registered;
  };
  WNDCLASS first = Class(a->handle(), "Feeler");
  EXPECT_NE(RegisterClass(&first), 0);
  for (Case c : {Case{a->handle(), "Feeler", false}, Case{a->handle(), "FEELER", false},
                 Case{b->handle(), "Feeler", true}, Case{a->handle(), "Other", true}, Case{a->handle(), "", false}}) {
    WNDCLASS wc = Class(c.module, c.name);
    EXPECT_EQ(RegisterClass(&wc) != 0, c.registered) << c.name;
  }
  WNDCLASS no_proc = Class(a->handle(), "NoProc", {});
  EXPECT_EQ(RegisterClass(&no_proc), 0);
  EXPECT_EQ(RegisterClass(nullptr), 0);
  WNDCLASS info;
  ASSERT_TRUE(GetClassInfo(a->handle(), "feeler", &info));
  EXPECT_STREQ(info.lpszClassName, "Feeler");
  EXPECT_EQ(info.style, CS_DBLCLKS);
  EXPECT_EQ(info.hbrBackground, GetStockObject(WHITE_BRUSH));
  for (const char* name : {"Feeler", "Other"}) EXPECT_TRUE(UnregisterClass(name, a->handle()));
  EXPECT_TRUE(UnregisterClass("Feeler", b->handle()));
  EXPECT_FALSE(GetClassInfo(a->handle(), "Feeler", nullptr));
  EXPECT_FALSE(UnregisterClass("Feeler", a->handle()));
  EXPECT_EQ(LoadCursor(nullptr, 1), nullptr);
}

// The class window's messages as "NAME x,y" lines.
struct Log {
  std::vector<std::string> lines;
  RECT size_at_create;
};

std::string Name(UINT msg) {
  switch (msg) {
    case WM_CREATE: return "create";
    case WM_PAINT: return "paint";
    case WM_LBUTTONDOWN: return "down";
    case WM_LBUTTONUP: return "up";
    case WM_MOUSEMOVE: return "move";
    case WM_DESTROY: return "destroy";
    default: return {};
  }
}

void WithDrawing(Log& log, COLORREF paint, const std::function<void(HWND)>& steps) {
  auto module = ResourceModule::Parse(kModule);
  ASSERT_NE(module, nullptr);
  WNDCLASS wc = Class(module->handle(), "Feeler", [&](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    std::string name = Name(msg);
    if (msg == WM_CREATE) GetClientRect(w, &log.size_at_create);
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_MOUSEMOVE)
      name += " " + std::to_string(GET_X_LPARAM(lp)) + "," + std::to_string(GET_Y_LPARAM(lp));
    if (msg == WM_LBUTTONDOWN) SetCapture(w);
    if (msg == WM_LBUTTONUP) ReleaseCapture();
    if (!name.empty() && (msg != WM_PAINT || log.lines.empty() || log.lines.back() != "paint"))
      log.lines.push_back(name);
    if (msg == WM_PAINT && paint != 0) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      Brush b(paint);
      FillRect(dc, RECT{0, 0, 10, 10}, b.get());
      EndPaint(w, &ps);
      return 0;
    }
    return DefWindowProc(w, msg, wp, lp);
  });
  ASSERT_NE(RegisterClass(&wc), 0);
  t::User user;
  user.OnDialog([&](HWND dlg) {
    steps(dlg);
    t::PressKey(dlg, t::Key::Escape);
  });
  DialogBoxParam(module->handle(), "Drawing", nullptr, [](HWND d, UINT m, WPARAM w, LPARAM) -> INT_PTR {
    if (m == WM_COMMAND && LOWORD(w) == IDCANCEL) return EndDialog(d, IDCANCEL);
    return 0;
  });
  UnregisterClass("Feeler", module->handle());
}

TEST(WindowClass, TheClassWindowGetsItsMessagesInClientCoordinates) {
  Log log;
  HWND captured_while_down = nullptr, captured_after = reinterpret_cast<HWND>(1);
  HWND feeler = nullptr;
  WithDrawing(log, 0, [&](HWND dlg) {
    feeler = GetDlgItem(dlg, 401);
    t::Grab(dlg);
    EXPECT_TRUE(t::MouseDown(dlg, 401, {5, 6}));
    captured_while_down = GetCapture();
    EXPECT_TRUE(t::MouseMove(dlg, 401, {300, 7}));  // outside the window, still its
    EXPECT_TRUE(t::MouseUp(dlg, 401, {8, 9}));
    captured_after = GetCapture();
  });
  EXPECT_EQ(log.lines, (std::vector<std::string>{"create", "paint", "down 5,6", "move 300,7", "up 8,9", "destroy"}));
  EXPECT_EQ(log.size_at_create.width(), 150);  // 100 dialog units
  EXPECT_EQ(log.size_at_create.height(), 97);  // 60 dialog units
  EXPECT_EQ(captured_while_down, feeler);
  EXPECT_EQ(captured_after, nullptr);
}

TEST(WindowClass, PaintsOverItsBackgroundAndAnUnknownClassIsAPlaceholder) {
  struct Case {
    COLORREF paint;  // 0: the default procedure paints
    std::uint32_t corner;
  };
  for (Case c : {Case{RGB(0, 128, 0), 0xFF008000u}, Case{0, 0xFFFFFFFFu}}) {
    Log log;
    WithDrawing(log, c.paint, [&](HWND dlg) {
      t::Image image = t::Grab(dlg);
      RECT r = t::ControlRect(dlg, 401);
      EXPECT_EQ(image.at(r.left + 2, r.top + 2), c.corner);
      EXPECT_EQ(image.at(r.left + 40, r.top + 40), 0xFFFFFFFFu);  // the class's white background
      EXPECT_TRUE(t::Exists(dlg, 402));
    });
  }
}

}  // namespace
