// SPDX-License-Identifier: MIT
// The pie feeler: its drawing, the drags of its three handles and their bounds.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/window_class.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/kestrin/layout_check.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kGrey = 0xFFC0C0C0u;

// The drawing's geometry as the dialog lays it out from the control's height.
struct Geometry {
  int cx, cy, k, radius;
  win::POINT a, b, c;
};

Geometry Place(int height, int p1, int p2, int p3) {
  Geometry g{};
  g.radius = (height - 50) / 2;
  g.cx = g.radius + 13;
  g.cy = g.radius + 32;
  g.k = static_cast<int>(g.radius * 0.71);
  int e = g.k * p1 / 100;
  g.a = {g.cx + e, g.cy - e};
  g.b.x = g.a.x + (g.k - e + 40) * p2 / 100;
  g.b.y = g.cx + g.cy - g.b.x;
  g.c = {g.b.x + p3 * 150 / 100, g.b.y};
  return g;
}

struct Values {
  short p1 = 50, p2 = 50, p3 = 50;
  int flag = 1;
};

// Opens the dialog with v, runs steps with the geometry, closes with OK or Escape.
int WithFeeler(Values& v, bool ok, const std::function<void(win::HWND, const Geometry&)>& steps) {
  t::User user;
  user.OnDialog("DLOG_PieFeeler", [&](win::HWND dlg) {
    Geometry g = Place(t::ControlRect(dlg, 8000).height(), v.p1, v.p2, v.p3);
    steps(dlg, g);
    t::PressKey(dlg, ok ? t::Key::Enter : t::Key::Escape);
  });
  return DLOG_PieFeeler(&v.p1, &v.p2, &v.p3, &v.flag);
}

TEST_F(KestrinTest, PieFeelerShowsThePercentagesAndTheFlagAndWritesBackOnOkOnly) {
  struct Case {
    Values v;
    bool click_flag, ok;
    int result, flag_after;
  };
  const Case cases[] = {
      {{10, 20, 30, 1}, false, true, 1, 1},
      {{10, 20, 30, 0}, true, true, 1, 1},
      {{10, 20, 30, 1}, true, true, 1, 0},
      {{10, 20, 30, 7}, false, true, 1, 1},  // any non-zero flag checks the box
      {{10, 20, 30, 0}, true, false, 0, 0},
  };
  for (const Case& c : cases) {
    Values v = c.v;
    std::map<int, std::string> texts;
    bool checked = false;
    int result = WithFeeler(v, c.ok, [&](win::HWND dlg, const Geometry&) {
      for (int id : {3028, 3029, 3030}) texts[id] = t::Text(dlg, id);
      checked = t::IsChecked(dlg, 8001);
      if (c.click_flag) { EXPECT_TRUE(t::Click(dlg, 8001)); }
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(texts, (std::map<int, std::string>{{3028, "30%"}, {3029, "20%"}, {3030, "10%"}}));
    EXPECT_EQ(checked, c.v.flag != 0);
    EXPECT_EQ(v.flag, c.ok ? c.flag_after : c.v.flag);
    EXPECT_EQ(v.p1, 10);
  }
}

TEST_F(KestrinTest, PieFeelerDrawsThePieTheSliceAndTheHandles) {
  struct Case {
    short p1;
  };
  for (Case c : {Case{0}, Case{50}, Case{100}}) {
    Values v;
    v.p1 = c.p1;
    WithFeeler(v, false, [&](win::HWND dlg, const Geometry& g) {
      t::Image image = t::Grab(dlg);
      win::RECT r = t::ControlRect(dlg, 8000);
      auto at = [&](int x, int y) { return image.at(r.left + x, r.top + y); };
      EXPECT_EQ(at(g.cx - 8 - g.radius / 2, g.cy + 8 + g.radius / 2), kBlack) << "the rest of the pie";
      EXPECT_EQ(at(g.cx + 10, g.cy - g.radius + 20), kGrey) << "inside the slice";
      // The slice's left radius, on the centre's column or the one before (the wedge's centre
      // falls between pixels).
      EXPECT_TRUE(at(g.cx, g.cy - g.radius / 2) == kBlack || at(g.cx - 1, g.cy - g.radius / 2) == kBlack)
          << "the slice's outline";
      EXPECT_EQ(at(r.width() - 3, 3), kGrey) << "the background";
      for (const win::POINT& h : {g.a, g.b, g.c}) EXPECT_EQ(at(h.x, h.y), kBlack) << h.x << "," << h.y;
      // Handle A from the centre (p1 0) to the edge at 45 degrees (p1 100).
      if (c.p1 == 0) { EXPECT_TRUE(g.a == (win::POINT{g.cx, g.cy})); }
      if (c.p1 == 100) { EXPECT_TRUE(g.a == (win::POINT{g.cx + g.k, g.cy - g.k})); }
      // The percentages' statics on the light-grey brush.
      win::RECT s = t::ControlRect(dlg, 3028);
      EXPECT_EQ(image.at(s.right - 2, s.top + 1), kGrey);
    });
  }
}

enum Which { A, B, C, Nowhere };

struct Drag {
  const char* what;
  Which handle;
  std::vector<win::POINT> moves;  // offsets from the press
  std::map<int, std::string> texts;  // after the drag
  Values after;                 // returned on OK
  Which pressed_after = Nowhere;  // a handle found where the dragged one should be
  win::POINT found_at{};        // offset from the press
};

TEST_F(KestrinTest, PieFeelerHandlesMoveWithinTheirBounds) {
  // p 50/50/90 on the template's drawing: A (102, 75), B (133, 44), C (268, 44);
  // cx 79, k 46: B at most at 165, C at most 150 right of B, A within 79..125.
  const Drag drags[] = {
      {"C right, then past 150, then back", C, {{10, 0}, {20, 0}, {30, 0}, {20, 0}},
       {{3028, "90%"}, {3029, "50%"}, {3030, "50%"}}, {50, 50, 90, 1}},
      {"C right and stopped", C, {{10, 0}, {20, 0}}, {{3028, "96%"}}, {50, 50, 96, 1}},
      {"C vertically only", C, {{0, 30}, {0, -30}}, {{3028, "90%"}}, {50, 50, 90, 1}},
      {"C to B", C, {{-135, 0}, {-136, 0}}, {{3028, "0%"}}, {50, 50, 0, 1}},
      {"B beyond the slice's reach refused", B, {{40, 0}}, {{3029, "50%"}}, {50, 50, 90, 1}},
      {"B right, C along", B, {{30, 0}}, {{3029, "96%"}, {3028, "90%"}}, {50, 96, 90, 1}, C, {165, -30}},
      {"B left of A refused", B, {{-40, 0}}, {{3029, "50%"}}, {50, 50, 90, 1}},
      {"B onto A", B, {{-31, 0}}, {{3029, "0%"}}, {50, 0, 90, 1}},
      {"A past the edge refused", A, {{30, 0}}, {{3030, "50%"}}, {50, 50, 90, 1}},
      {"A right", A, {{20, 0}}, {{3030, "93%"}}, {93, 50, 90, 1}, A, {20, -20}},
      {"A left of the centre refused", A, {{-30, 0}}, {{3030, "50%"}}, {50, 50, 90, 1}},
      {"A to the centre", A, {{-23, 0}}, {{3030, "0%"}}, {0, 50, 90, 1}},
      {"a press beside the handles", Nowhere, {{20, 0}}, {{3028, "90%"}, {3029, "50%"}, {3030, "50%"}},
       {50, 50, 90, 1}},
  };
  for (const Drag& d : drags) {
    SCOPED_TRACE(d.what);
    Values v{50, 50, 90, 1};
    std::map<int, std::string> texts;
    std::string found;
    EXPECT_EQ(WithFeeler(v, true,
                         [&](win::HWND dlg, const Geometry& g) {
                           win::POINT press = d.handle == A   ? g.a
                                              : d.handle == B ? g.b
                                              : d.handle == C ? g.c
                                                              : win::POINT{g.c.x - 20, g.c.y + 20};
                           press.x += 1;  // inside the handle's box, off its centre
                           ASSERT_TRUE(t::MouseDown(dlg, 8000, press));
                           for (win::POINT m : d.moves) t::MouseMove(dlg, 8000, {press.x + m.x, press.y + m.y});
                           t::MouseUp(dlg, 8000, press);
                           for (const auto& [id, text] : d.texts) texts[id] = t::Text(dlg, id);
                           if (d.pressed_after != Nowhere) {
                             // The handle is where it was drawn: pressing there drags it.
                             win::POINT at{press.x + d.found_at.x, press.y + d.found_at.y};
                             int shown = d.pressed_after == A ? 3030 : 3028;
                             std::string before = t::Text(dlg, shown);
                             t::MouseDown(dlg, 8000, at);
                             t::MouseMove(dlg, 8000, {at.x - 1, at.y});
                             found = t::Text(dlg, shown) != before ? "moved" : "";
                             t::MouseMove(dlg, 8000, at);
                             t::MouseUp(dlg, 8000, at);
                           }
                         }),
              1);
    EXPECT_EQ(texts, d.texts);
    EXPECT_EQ(v.p1, d.after.p1);
    EXPECT_EQ(v.p2, d.after.p2);
    EXPECT_EQ(v.p3, d.after.p3);
    if (d.pressed_after != Nowhere) { EXPECT_EQ(found, "moved"); }
  }
}

TEST_F(KestrinTest, PieFeelerDragErasesTheOldPlaceAndDrawsTheNew) {
  Values v{50, 50, 90, 1};
  WithFeeler(v, false, [&](win::HWND dlg, const Geometry& g) {
    win::RECT r = t::ControlRect(dlg, 8000);
    t::Grab(dlg);
    t::MouseDown(dlg, 8000, g.a);
    t::MouseMove(dlg, 8000, {g.a.x + 20, g.a.y});
    t::MouseUp(dlg, 8000, {g.a.x + 20, g.a.y});
    t::Image image = t::Grab(dlg);
    EXPECT_EQ(image.at(r.left + g.a.x, r.top + g.a.y), kGrey);
    EXPECT_EQ(image.at(r.left + g.a.x + 20, r.top + g.a.y - 20), kBlack);
    EXPECT_EQ(win::GetCapture(), nullptr);
  });
  EXPECT_EQ(v.p1, 50);  // cancelled
}

TEST_F(KestrinTest, PieFeelerRegistersItsClassOnceAndGivesItsHelp) {
  Values v;
  for (int i = 0; i < 2; ++i) {
    WithFeeler(v, false, [&](win::HWND dlg, const Geometry&) {
      t::PressKey(dlg, t::Key::F1);
      t::Click(dlg, kestrin::kHelpButton);
    });
  }
  win::WNDCLASS wc;
  ASSERT_TRUE(win::GetClassInfo(module_->handle(), "PieFeelerClass", &wc));
  EXPECT_EQ(wc.style, win::CS_DBLCLKS);
  EXPECT_EQ(wc.hbrBackground, win::GetStockObject(win::WHITE_BRUSH));
  EXPECT_EQ(wc.hInstance, module_->handle());
  win::WNDCLASS again = wc;
  EXPECT_EQ(win::RegisterClass(&again), 0);  // already there
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>(4, {534, 11})));
}

TEST_F(KestrinTest, PieFeelerLayoutFits) {
  Values v;
  WithFeeler(v, false, [&](win::HWND dlg, const Geometry&) {
    qvtest::ExpectLayoutFits(dlg, *module_->dialog("DLOG_PieFeeler"));
  });
}

TEST_F(KestrinTest, PieFeelerWithoutItsValuesOrBeforeInitOpensNothing) {
  Values v;
  t::User user;
  EXPECT_EQ(DLOG_PieFeeler(nullptr, &v.p2, &v.p3, &v.flag), 0);
  EXPECT_EQ(DLOG_PieFeeler(&v.p1, &v.p2, &v.p3, nullptr), 0);
  InitDialogsDLL(nullptr, nullptr, 0);
  EXPECT_EQ(DLOG_PieFeeler(&v.p1, &v.p2, &v.p3, &v.flag), 0);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

}  // namespace
