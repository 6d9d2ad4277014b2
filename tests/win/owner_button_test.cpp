// SPDX-License-Identifier: MIT
// Owner-drawn buttons: draw requests on paint, press and release, clicked on
// release, and the owner's picture on screen.

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/owner_button.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

constexpr const char* kModule = R"(
dialog "Samples" {
  caption "Samples"
  size 120 60
  button 301 "" 4 4 30 20 ownerdraw
  button 302 "Plain" 40 4 30 14
  button IDOK "OK" 80 40 30 14 default
}
)";

// What the procedure heard: draw requests ("draw:ACTION:STATE") and commands ("cmd:ID").
struct Recorder {
  std::vector<std::string> events;
  COLORREF colour = RGB(10, 200, 30);
};

void WithSamples(Recorder& rec, const std::function<void(HWND)>& steps) {
  auto module = ResourceModule::Parse(kModule);
  ASSERT_NE(module, nullptr);
  t::User user;
  user.OnDialog(steps);
  auto proc = [&](HWND dlg, UINT msg, WPARAM wp, LPARAM lp) -> INT_PTR {
    if (msg == WM_DRAWITEM) {
      const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      EXPECT_EQ(dis->CtlType, ODT_BUTTON);
      EXPECT_EQ(dis->CtlID, 301u);
      EXPECT_EQ(wp, 301u);
      rec.events.push_back("draw:" + std::to_string(dis->itemAction) + ":" + std::to_string(dis->itemState));
      if (dis->itemAction == ODA_DRAWENTIRE) {
        Brush fill(rec.colour);
        FillRect(dis->hDC, dis->rcItem, fill.get());
      }
      return 1;
    }
    if (msg != WM_COMMAND) return 0;
    if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) return EndDialog(dlg, LOWORD(wp));
    if (HIWORD(wp) == BN_CLICKED) rec.events.push_back("cmd:" + std::to_string(LOWORD(wp)));
    return 1;
  };
  DialogBoxParam(module->handle(), "Samples", nullptr, proc);
}

TEST(OwnerDrawButton, PressAndReleaseAskForDrawingThenClick) {
  Recorder rec;
  WithSamples(rec, [&](HWND dlg) {
    t::Grab(dlg);  // the first paint
    rec.events.clear();
    EXPECT_TRUE(t::Click(dlg, 301));
    EXPECT_TRUE(t::Click(dlg, 302));  // a plain button asks for nothing
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(rec.events, (std::vector<std::string>{"draw:2:1", "draw:2:0", "cmd:301", "cmd:302"}));
}

TEST(OwnerDrawButton, PaintsWhatTheOwnerDrawsAndRepaintsWhenInvalid) {
  Recorder rec;
  std::vector<COLORREF> seen;
  std::vector<std::size_t> draws;
  WithSamples(rec, [&](HWND dlg) {
    RECT r = t::ControlRect(dlg, 301);
    auto centre = [&] {
      t::Image image = t::Grab(dlg);
      std::uint32_t p = image.at(r.left + r.width() / 2, r.top + r.height() / 2);
      return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    };
    seen.push_back(centre());
    draws.push_back(rec.events.size());
    seen.push_back(centre());  // valid: no new request
    draws.push_back(rec.events.size());
    rec.colour = RGB(200, 0, 0);
    for (bool erase : {false, true}) {
      EXPECT_TRUE(InvalidateRect(GetDlgItem(dlg, 301), nullptr, erase));
      seen.push_back(centre());
      draws.push_back(rec.events.size());
    }
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(seen, (std::vector<COLORREF>{RGB(10, 200, 30), RGB(10, 200, 30), RGB(200, 0, 0), RGB(200, 0, 0)}));
  EXPECT_EQ(draws, (std::vector<std::size_t>{1, 1, 2, 3}));
  EXPECT_EQ(rec.events.front(), "draw:1:0");
}

}  // namespace
