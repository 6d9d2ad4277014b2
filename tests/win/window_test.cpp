// SPDX-License-Identifier: MIT
// Top-level windows, their painting and the drawing context.

#include "platform/win/common_dialogs.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

constexpr const char* kModule = R"(
dialog "Main" {
  caption "Main window"
  size 200 100
  edit 1 txtName "" 8 8 120 12
  button 2 cmdGo "&Go" 140 8 50 14
  groupbox -1 "" 8 26 120 40
  autoradio 3 optAll "All" 14 34 100 10 group
  autoradio 4 optOne "One" 14 48 100 10
  static 5 lblMsg "" 8 80 180 8
}
)";

struct Seen {
  UINT msg;
  WPARAM wparam;
  LPARAM lparam;
};

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = ResourceModule::Parse(kModule);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
  }

  HWND Create(std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> extra = {}) {
    window_ = CreateWindowFromTemplate(module_->handle(), "main", [this, extra](HWND w, UINT m, WPARAM wp, LPARAM lp) {
      if (m != WM_PAINT) seen_.push_back({m, wp, lp});
      return extra ? extra(w, m, wp, lp) : 0;
    });
    return window_;
  }

  int Count(UINT msg) const {
    int n = 0;
    for (const Seen& s : seen_) n += s.msg == msg;
    return n;
  }

  std::unique_ptr<ResourceModule> module_;
  std::vector<Seen> seen_;
  HWND window_ = nullptr;
};

TEST_F(Windows, CreatedFromATemplateWithItsControls) {
  HWND w = Create();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Count(WM_CREATE), 1);
  EXPECT_EQ(GetWindowText(w), "Main window");
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r, (RECT{0, 0, 300, 163}));
  EXPECT_EQ(module_->dialog("Main")->control("CMDGO")->id, 2);
  EXPECT_TRUE(t::Click(w, 2));
  EXPECT_TRUE(t::Click(w, 3));
  EXPECT_TRUE(t::Click(w, 4));
  EXPECT_FALSE(t::IsChecked(w, 3));
  EXPECT_TRUE(t::IsChecked(w, 4));
  std::vector<unsigned> commands;
  for (const Seen& s : seen_)
    if (s.msg == WM_COMMAND && HIWORD(s.wparam) == BN_CLICKED) commands.push_back(LOWORD(s.wparam));
  EXPECT_EQ(commands, (std::vector<unsigned>{2, 3, 4}));
  EXPECT_EQ(CreateWindowFromTemplate(module_->handle(), "missing", {}), nullptr);
}

TEST_F(Windows, MouseOverControlsAndBackground) {
  HWND w = Create();
  // Over a control (a button, an edit, a label) the window hears only of the
  // control under the mouse: its moves and clicks are not the background's.
  for (int id : {2, 1, 5}) {
    seen_.clear();
    ASSERT_TRUE(t::MouseMove(w, id, POINT{3, 3}));
    ASSERT_TRUE(t::MouseDown(w, id, POINT{3, 3}));
    ASSERT_TRUE(t::MouseUp(w, id, POINT{3, 3}));
    bool over_control = false;
    for (const Seen& s : seen_) {
      over_control |= s.msg == WM_SETCURSOR && reinterpret_cast<HWND>(s.wparam) == GetDlgItem(w, id);
      EXPECT_NE(s.msg, WM_MOUSEMOVE) << id;
      EXPECT_NE(s.msg, WM_LBUTTONDOWN) << id;
      EXPECT_NE(s.msg, WM_LBUTTONUP) << id;
    }
    EXPECT_TRUE(over_control) << id;
  }
  ASSERT_TRUE(t::MouseMoveOver(w, POINT{250, 140}));
  ASSERT_FALSE(seen_.empty());
  EXPECT_EQ(seen_.back().msg, WM_MOUSEMOVE);
  EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(seen_.back().lparam)), 250u);
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(seen_.back().lparam)), 140u);
}

TEST_F(Windows, ToolTipsAndResize) {
  HWND w = Create();
  EXPECT_TRUE(SetToolTip(GetDlgItem(w, 2), "Salvar Configurações"));
  EXPECT_EQ(t::ToolTip(w, 2), "Salvar Configurações");
  ShowWindow(w, SW_SHOW);
  MoveWindow(w, 10, 10, 320, 200);
  t::ProcessPosted();
  ASSERT_GE(Count(WM_SIZE), 1);
  for (auto it = seen_.rbegin(); it != seen_.rend(); ++it) {
    if (it->msg != WM_SIZE) continue;
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(it->lparam)), 320u);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(it->lparam)), 200u);
    break;
  }
}

TEST_F(Windows, CloseDestroysAndQuitEndsTheLoop) {
  HWND w = Create([](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
    if (m == WM_DESTROY) PostQuitMessage(3);
    return 0;
  });
  EXPECT_EQ(SendMessage(w, WM_CLOSE, 0, 0), 0);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Count(WM_DESTROY), 1);
  // A loop started afterwards ends on a posted quit.
  HWND other = CreateMainWindow("Other", 50, 50, [](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
    if (m == WM_USER) PostQuitMessage(7);
    return 0;
  });
  PostMessage(other, WM_USER, 0, 0);
  EXPECT_EQ(RunMessageLoop(), 7);
  DestroyWindow(other);
}

TEST_F(Windows, PendingEventsInOnePass) {
  HWND w = Create();
  PostMessage(w, WM_USER + 1, 0, 0);
  EXPECT_EQ(Count(WM_USER + 1), 0);
  {
    WaitCursor wait;
    ProcessPendingEvents();
  }
  EXPECT_EQ(Count(WM_USER + 1), 1);
}

TEST_F(Windows, PaintDrawsIntoAPersistentPicture) {
  int paints = 0;
  HWND w = Create([&](HWND hwnd, UINT m, WPARAM, LPARAM) -> LRESULT {
    if (m != WM_PAINT) return 0;
    ++paints;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    // Grey bands from white at the top to black at the bottom.
    for (int k = 255, y = 0; k >= 0; --k, y += 2) {
      Brush band(RGB(k, k, k));
      RECT r{0, y * client.height() / 512, client.width(), (y + 5) * client.height() / 512};
      FillRect(dc, r, band.get());
    }
    EndPaint(hwnd, &ps);
    return 0;
  });
  t::Image image = t::Grab(w);
  ASSERT_EQ(image.width, 300);
  EXPECT_GE(paints, 1);
  EXPECT_GE(image.at(295, 0) & 0xFF, 250u);  // near white at the top
  EXPECT_EQ(image.at(295, 162) & 0xFFFFFF, 0x000000u);
  std::uint32_t middle = image.at(295, 81) & 0xFF;
  EXPECT_GT(middle, 100u);
  EXPECT_LT(middle, 160u);
  int before = paints;
  t::Grab(w);
  EXPECT_EQ(paints, before);  // nothing invalid: the picture stays
  InvalidateRect(w, nullptr, true);
  t::Grab(w);
  EXPECT_EQ(paints, before + 1);
}

TEST_F(Windows, InvalidateWithoutEraseKeepsWhatIsNotRepainted) {
  std::vector<bool> erased;
  COLORREF colour = RGB(255, 0, 0);
  HWND w = Create([&](HWND hwnd, UINT m, WPARAM, LPARAM) -> LRESULT {
    if (m != WM_PAINT) return 0;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    erased.push_back(ps.erase);
    Brush brush(colour);
    FillRect(dc, RECT{0, 0, 10, 10}, brush.get());  // paints a corner only
    EndPaint(hwnd, &ps);
    return 0;
  });
  t::Grab(w);  // the first paint
  HDC dc = GetDC(w);
  Brush blue(RGB(0, 0, 255));
  FillRect(dc, RECT{0, 0, 300, 163}, blue.get());
  ReleaseDC(w, dc);
  colour = RGB(0, 255, 0);
  InvalidateRect(w, nullptr, false);
  t::Image kept = t::Grab(w);
  InvalidateRect(w, nullptr, true);
  t::Image wiped = t::Grab(w);
  ASSERT_EQ(erased.size(), 3u);
  EXPECT_FALSE(erased[1]);
  EXPECT_TRUE(erased[2]);
  EXPECT_EQ(kept.at(5, 5) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(kept.at(295, 150) & 0xFFFFFF, 0x0000FFu);   // the blue stays
  EXPECT_NE(wiped.at(295, 150) & 0xFFFFFF, 0x0000FFu);  // erased to the window's colour
}

TEST_F(Windows, OpenFileDialogThroughTheUser) {
  t::User user;
  user.AnswerFileDialogs([](const OpenFileName& r) -> std::optional<std::string> {
    if (r.title == "cancel") return std::nullopt;
    return "/scripts/Script0012.spt";
  });
  OpenFileName request;
  request.filter = "Script|*.spt";
  request.file = "old";
  EXPECT_TRUE(GetOpenFileName(request));
  EXPECT_EQ(request.file, "/scripts/Script0012.spt");
  request.title = "cancel";
  EXPECT_FALSE(GetOpenFileName(request));
  EXPECT_EQ(request.file, "/scripts/Script0012.spt");
  ASSERT_EQ(user.file_dialogs().size(), 2u);
  EXPECT_EQ(user.file_dialogs()[0].filter, "Script|*.spt");
}

TEST_F(Windows, ImageControlShowsItsPicture) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / ("qv-win-image-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  // A red picture, made by painting a window and saving it.
  HWND painter = CreateMainWindow("p", 40, 20, [](HWND hwnd, UINT m, WPARAM, LPARAM) -> LRESULT {
    if (m == WM_PAINT) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      Brush red(RGB(255, 0, 0));
      FillRect(dc, RECT{0, 0, 40, 20}, red.get());
      EndPaint(hwnd, &ps);
    }
    return 0;
  });
  ASSERT_TRUE(t::GrabPng(painter, (folder / "banner.png").string()));
  DestroyWindow(painter);
  std::ofstream(folder / "ui.rsc") << "dialog \"W\" { size 100 40\n image 7 \"banner.png\" 0 0 40 20 }\n";
  auto module = ResourceModule::Load((folder / "ui.rsc").string());
  ASSERT_NE(module, nullptr);
  HWND w = CreateWindowFromTemplate(module->handle(), "W", {});
  ASSERT_NE(w, nullptr);
  t::Image image = t::Grab(w);
  EXPECT_EQ(image.at(10, 10) & 0xFFFFFF, 0xFF0000u);
  DestroyWindow(w);
  fs::remove_all(folder);
}

// A program's own picture, drawn in memory: shown scaled to the control, over
// a template whose file does not exist; other controls refuse it.
TEST_F(Windows, ImageControlTakesADrawnPicture) {
  auto module = ResourceModule::Parse(
      "dialog \"W\" { size 100 40\n image 7 \"missing.png\" 0 0 40 20\n static 8 \"x\" 50 0 20 10 }\n");
  ASSERT_NE(module, nullptr);
  HWND w = CreateWindowFromTemplate(module->handle(), "W", {});
  ASSERT_NE(w, nullptr);
  Bitmap picture(4, 2, RGB(0, 0, 255));
  picture.set_pixel(0, 0, RGB(255, 0, 0));
  EXPECT_TRUE(Image_SetBitmap(GetDlgItem(w, 7), picture));
  EXPECT_FALSE(Image_SetBitmap(GetDlgItem(w, 8), picture));
  EXPECT_FALSE(Image_SetBitmap(nullptr, picture));
  const RECT r = t::ControlRect(w, 7);
  t::Image image = t::Grab(w);
  EXPECT_EQ(image.at(r.left + 2, r.top + 2) & 0xFFFFFF, 0xFF0000u);      // the top left pixel, scaled
  EXPECT_EQ(image.at(r.right - 3, r.bottom - 3) & 0xFFFFFF, 0x0000FFu);  // the rest
  DestroyWindow(w);
}

// --- Drawing ------------------------------------------------------------------

struct PixelCase {
  const char* what;
  std::function<void(HDC)> draw;
  std::vector<std::pair<POINT, COLORREF>> expected;
};

std::ostream& operator<<(std::ostream& os, const PixelCase& c) { return os << c.what; }

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0),
                   kGrey = RGB(192, 192, 192), kBlue = RGB(0, 0, 255);

class Drawing : public ::testing::TestWithParam<PixelCase> {};

TEST_P(Drawing, PutsTheRightPixels) {
  HWND w = CreateMainWindow("canvas", 60, 60, {});
  ASSERT_NE(w, nullptr);
  HDC dc = GetDC(w);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDC(w), nullptr);  // one context at a time
  FillRect(dc, RECT{0, 0, 60, 60}, GetStockObject(WHITE_BRUSH));
  GetParam().draw(dc);
  for (auto [p, colour] : GetParam().expected)
    EXPECT_EQ(GetPixel(dc, p.x, p.y), colour) << "(" << p.x << ", " << p.y << ")";
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  DestroyWindow(w);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, Drawing,
    ::testing::Values(
        PixelCase{"inside-frame rectangle",
                  [](HDC dc) {
                    Pen pen(PS_INSIDEFRAME, 3, kRed);
                    Brush fill(kBlue);
                    SelectObject(dc, pen.get());
                    SelectObject(dc, fill.get());
                    Rectangle(dc, 10, 10, 30, 30);
                  },
                  {{{10, 10}, kRed}, {{12, 20}, kRed}, {{13, 20}, kBlue}, {{29, 29}, kRed}, {{30, 30}, kWhite},
                   {{27, 20}, kRed}, {{26, 20}, kBlue}}},
        PixelCase{"null pen, hollow brush",
                  [](HDC dc) {
                    SelectObject(dc, GetStockObject(NULL_PEN));
                    SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
                    Rectangle(dc, 10, 10, 30, 30);
                  },
                  {{{10, 10}, kWhite}, {{20, 20}, kWhite}}},
        PixelCase{"fill with stock grey",
                  [](HDC dc) { FillRect(dc, RECT{5, 5, 15, 15}, GetStockObject(LTGRAY_BRUSH)); },
                  {{{5, 5}, kGrey}, {{14, 14}, kGrey}, {{15, 15}, kWhite}}},
        PixelCase{"line leaves its last point",
                  [](HDC dc) {
                    MoveToEx(dc, 5, 40, nullptr);
                    LineTo(dc, 25, 40);
                  },
                  {{{5, 40}, kBlack}, {{24, 40}, kBlack}, {{25, 40}, kWhite}}},
        PixelCase{"dotted line",
                  [](HDC dc) {
                    Pen dots(PS_DOT, 1, kBlack);
                    SelectObject(dc, dots.get());
                    MoveToEx(dc, 0, 50, nullptr);
                    LineTo(dc, 10, 50);
                  },
                  {{{0, 50}, kBlack}, {{1, 50}, kWhite}, {{2, 50}, kBlack}}},
        PixelCase{"ellipse",
                  [](HDC dc) {
                    SelectObject(dc, GetStockObject(BLACK_BRUSH));
                    Ellipse(dc, 10, 10, 50, 50);
                  },
                  {{{30, 30}, kBlack}, {{11, 11}, kWhite}, {{30, 10}, kBlack}}},
        PixelCase{"pie, upper-right quarter",
                  [](HDC dc) {
                    SelectObject(dc, GetStockObject(BLACK_BRUSH));
                    Pie(dc, 10, 10, 50, 50, 50, 30, 30, 10);  // from straight right to straight up
                  },
                  {{{40, 20}, kBlack}, {{20, 40}, kWhite}, {{20, 20}, kWhite}, {{40, 40}, kWhite}}},
        PixelCase{"opaque text background",
                  [](HDC dc) {
                    SetBkMode(dc, OPAQUE);
                    SetBkColor(dc, kBlue);
                    SetTextColor(dc, kWhite);
                    TextOut(dc, 2, 2, "WWW");
                  },
                  {{{2, 2}, kBlue}}},
        PixelCase{"transparent text keeps the background",
                  [](HDC dc) {
                    SetBkMode(dc, TRANSPARENT);
                    SetBkColor(dc, kBlue);
                    TextOut(dc, 2, 2, "WWW");
                  },
                  {{{2, 2}, kWhite}}},
        PixelCase{"stretched bitmap",
                  [](HDC dc) {
                    Bitmap b(2, 2, kRed);
                    b.set_pixel(1, 1, kBlue);
                    StretchBitmap(dc, 0, 0, 20, 20, b);
                  },
                  {{{5, 5}, kRed}, {{15, 15}, kBlue}, {{25, 25}, kWhite}}}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
