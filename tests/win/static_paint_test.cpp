// SPDX-License-Identifier: MIT
// Statics coloured by their dialog (WM_CTLCOLORSTATIC) and painted by a
// sub-classed procedure.

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/owner_list.h"
#include "platform/win/resource.h"
#include "platform/win/static_paint.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"
#include "tests/win/gui_environment.h"
#include "tests/win/idle_paints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

constexpr const char* kModule = R"(
dialog "Statics" {
  caption "Statics"
  size 160 80
  static 301 "Coloured text" 4 4 80 20
  static 302 "" 4 30 80 20
  static 303 "Plain" 90 4 60 20
  button IDOK "OK" 100 60 50 14 default
}
)";

constexpr std::uint32_t Argb(COLORREF c) {
  return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// Opens the dialog with proc, runs steps inside it.
void WithStatics(DLGPROC proc, const std::function<void(HWND)>& steps) {
  auto module = ResourceModule::Parse(kModule);
  ASSERT_NE(module, nullptr);
  t::User user;
  user.OnDialog([&](HWND dlg) {
    steps(dlg);
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(DialogBoxParam(module->handle(), "Statics", nullptr, [&](HWND d, UINT m, WPARAM w, LPARAM l) -> INT_PTR {
              if (m == WM_COMMAND && LOWORD(w) == IDCANCEL) return EndDialog(d, IDCANCEL);
              return proc(d, m, w, l);
            }),
            IDCANCEL);
}

// Text drawn in red (smoothed at its edges).
bool Reddish(std::uint32_t argb) {
  return ((argb >> 16) & 0xFF) > 160 && ((argb >> 8) & 0xFF) < 100 && (argb & 0xFF) < 100;
}

std::set<std::uint32_t> ColoursIn(const t::Image& image, const RECT& r) {
  std::set<std::uint32_t> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.insert(image.at(x, y));
  return out;
}

TEST(StaticColours, TheDialogsBrushAndTextColourPaintTheStatic) {
  struct Case {
    int mode;           // TRANSPARENT or OPAQUE
    bool brush;         // false: the procedure answers 0
    std::uint32_t fill;  // the colour at the static's corner
  };
  const COLORREF brush_colour = RGB(192, 192, 192), background = RGB(0, 0, 255), text = RGB(255, 0, 0);
  for (Case c : {Case{TRANSPARENT, true, Argb(brush_colour)}, Case{OPAQUE, true, Argb(background)},
                 Case{TRANSPARENT, false, 0}}) {
    std::vector<int> asked;
    HWND static_handle = nullptr;
    auto proc = [&](HWND dlg, UINT msg, WPARAM wp, LPARAM lp) -> INT_PTR {
      if (msg != WM_CTLCOLORSTATIC) return 0;
      asked.push_back(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) != 301 || !c.brush) return 0;
      static_handle = GetDlgItem(dlg, 301);
      auto dc = reinterpret_cast<HDC>(wp);
      SetBkMode(dc, c.mode);
      SetBkColor(dc, background);
      SetTextColor(dc, text);
      return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
    };
    WithStatics(proc, [&](HWND dlg) {
      t::Image image = t::Grab(dlg);
      RECT coloured = t::ControlRect(dlg, 301), plain = t::ControlRect(dlg, 303);
      std::set<std::uint32_t> inside = ColoursIn(image, coloured);
      if (c.brush) {
        EXPECT_EQ(image.at(coloured.left, coloured.top), c.fill);
        EXPECT_TRUE(std::any_of(inside.begin(), inside.end(), Reddish)) << "text in the context's colour";
      } else {
        EXPECT_EQ(image.at(coloured.left, coloured.top), image.at(plain.left, plain.top));
        EXPECT_FALSE(std::any_of(inside.begin(), inside.end(), Reddish));
      }
      EXPECT_NE(image.at(plain.left, plain.top), Argb(brush_colour));
    });
    EXPECT_TRUE(std::set<int>(asked.begin(), asked.end()).count(301));
    EXPECT_TRUE(std::set<int>(asked.begin(), asked.end()).count(303));
    EXPECT_EQ(static_handle != nullptr, c.brush);
  }
}

TEST(StaticColours, AnAnswerOfProcessedIsNoBrush) {
  WithStatics([](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR { return msg == WM_CTLCOLORSTATIC ? 1 : 0; },
              [](HWND dlg) {
                t::Image image = t::Grab(dlg);
                RECT r = t::ControlRect(dlg, 301);
                EXPECT_NE(image.at(r.left, r.top), Argb(RGB(0, 0, 0)));
              });
}

TEST(SubclassedStatic, PaintsOnWmPaintAndPassesItOn) {
  struct Case {
    bool paints;  // the procedure paints in WM_PAINT
  };
  for (Case c : {Case{true}, Case{false}}) {
    int paints = 0, passed_on = 0;
    WithStatics([](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, [&](HWND dlg) {
      HWND s = GetDlgItem(dlg, 302);
      WNDPROC previous;
      previous = SetWindowProc(s, [&](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_PAINT) {
          ++paints;
          if (c.paints) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            Brush green(RGB(0, 200, 0));
            RECT r;
            GetClientRect(w, &r);
            FillRect(dc, r, green.get());
            EndPaint(w, &ps);
          }
        }
        if (msg == WM_PAINT) ++passed_on;
        return CallWindowProc(previous, w, msg, wp, lp);
      });
      ASSERT_TRUE(InvalidateRect(s, nullptr, true));
      t::Image first = t::Grab(dlg);
      RECT r = t::ControlRect(dlg, 302);
      EXPECT_EQ(first.at(r.left + 2, r.top + 2) == Argb(RGB(0, 200, 0)), c.paints);
      int after_first = paints;
      EXPECT_GE(after_first, 1);
      t::Grab(dlg);  // nothing invalid: no new WM_PAINT, the same picture
      EXPECT_EQ(paints, after_first);
      InvalidateRect(s, nullptr, true);
      t::Grab(dlg);
      EXPECT_EQ(paints, after_first + 1);
      HDC dc = GetDC(s);
      EXPECT_NE(dc, nullptr);
      ReleaseDC(s, dc);
    });
    EXPECT_EQ(passed_on, paints);
  }
}

// A dialog left alone paints nothing more, whether its statics keep the
// layer's colours or take the dialog's.
TEST(StaticColours, AnIdleDialogPaintsNothing) {
  for (bool colours : {false, true}) {
    SCOPED_TRACE(colours ? "dialog's colours" : "layer's colours");
    int idle_paints = -1;
    WithStatics(
        [colours](HWND, UINT msg, WPARAM wp, LPARAM) -> INT_PTR {
          if (msg != WM_CTLCOLORSTATIC || !colours) return 0;
          SetTextColor(reinterpret_cast<HDC>(wp), RGB(255, 0, 0));
          return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
        },
        [&](HWND) { idle_paints = qvtest::PaintsWhileIdle(); });
    EXPECT_EQ(idle_paints, 0);
  }
}

}  // namespace
