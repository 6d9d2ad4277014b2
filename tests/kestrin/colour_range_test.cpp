// SPDX-License-Identifier: MIT
// Colour selection and the colour range with its preview.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/color_chooser.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/kestrin/layout_check.h"

#include <optional>
#include <string>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

bool operator==(const RGBColor& a, const RGBColor& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// --- One colour ------------------------------------------------------------------

TEST_F(KestrinTest, SelectRgbStartsFromTheHighBytesAndReturnsTheChoiceTimes256) {
  struct Case {
    RGBColor colour;
    std::optional<win::COLORREF> answer;
    win::COLORREF shown;
    RGBColor after;
  };
  const Case cases[] = {
      {{0, 0, 0}, win::RGB(10, 20, 30), win::RGB(0, 0, 0), {2560, 5120, 7680}},
      {{0x12FF, 0x3401, 0xFFFF}, win::RGB(255, 255, 255), win::RGB(0x12, 0x34, 0xFF), {65280, 65280, 65280}},
      {{0x12FF, 0x3401, 0xFFFF}, std::nullopt, win::RGB(0x12, 0x34, 0xFF), {0x12FF, 0x3401, 0xFFFF}},
  };
  for (const Case& c : cases) {
    RGBColor colour = c.colour;
    t::User user;
    user.AnswerColorChoosers([&](win::CHOOSECOLOR&) { return c.answer; });
    EXPECT_EQ(DLOG_SelectRGB(nullptr, &colour, 77), c.answer ? 1 : 0);
    EXPECT_TRUE(colour == c.after);
    ASSERT_EQ(user.color_choosers().size(), 1u);
    const t::ColorChooserRequest& seen = user.color_choosers()[0];
    EXPECT_EQ(seen.initial, c.shown);
    EXPECT_EQ(seen.flags, win::CC_RGBINIT | win::CC_FULLOPEN);
    ASSERT_EQ(seen.custom.size(), 16u);
    EXPECT_EQ(seen.custom[0], c.shown);
  }
  EXPECT_EQ(DLOG_SelectRGB(nullptr, nullptr, 0), 0);
}

TEST_F(KestrinTest, SelectRgbKeepsTheCustomColoursBetweenCalls) {
  RGBColor colour{256, 512, 768};
  std::vector<std::vector<win::COLORREF>> seen;
  t::User user;
  user.AnswerColorChoosers([&](win::CHOOSECOLOR& r) -> std::optional<win::COLORREF> {
    seen.emplace_back(r.lpCustColors, r.lpCustColors + 16);
    r.lpCustColors[5] = seen.size() == 1 ? win::RGB(7, 8, 9) : win::RGB(255, 255, 255);
    return std::nullopt;  // edited, then cancelled
  });
  DLOG_SelectRGB(nullptr, &colour, 0);
  DLOG_SelectRGB(nullptr, &colour, 0);
  ASSERT_EQ(seen.size(), 2u);
  for (std::size_t i = 1; i < 16; ++i) EXPECT_EQ(seen[0][i], win::RGB(255, 255, 255)) << i;
  EXPECT_EQ(seen[1][5], win::RGB(7, 8, 9));
  EXPECT_EQ(seen[1][0], win::RGB(1, 2, 3));
}

// --- The range dialog ---------------------------------------------------------------

struct Range {
  short steps = 5;
  RGBColor from{0, 0, 0};
  RGBColor to{65535, 65535, 65535};
};

TEST_F(KestrinTest, ColourRangeStartsWithTheStepsFocusedAndWithoutHelp) {
  Range r;
  std::string shown;
  bool focused = false, help = true;
  t::User user;
  user.OnDialog("COLORRANGE", [&](win::HWND dlg) {
    shown = t::Text(dlg, 8005);
    focused = t::HasFocus(dlg, 8005);
    help = t::Exists(dlg, kestrin::kHelpButton);
    t::PressKey(dlg, t::Key::F1);
    qvtest::ExpectLayoutFits(dlg, *module_->dialog("COLORRANGE"));
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(ColorRangeDlog(&r.steps, &r.from, &r.to, 10), 0);
  EXPECT_EQ(shown, "5");
  EXPECT_TRUE(focused);
  EXPECT_FALSE(help);
  EXPECT_TRUE(host_.help.empty());
  EXPECT_TRUE(user.beeps().empty());
}

TEST_F(KestrinTest, ColourRangeAcceptsOnlyStepsFromOneToTheMaximum) {
  struct Case {
    int max_steps;
    short steps;
    const char* typed;
    int beeps;
    const char* field;  // after typing
    short returned;
  };
  const Case cases[] = {
      {10, 5, "0", 1, "5", 5},   {10, 5, "11", 1, "5", 5}, {10, 5, "10", 0, "10", 10}, {10, 5, "1", 0, "1", 1},
      {10, 5, "-3", 1, "5", 5},  {10, 5, "abc", 1, "5", 5}, {10, 5, " 7x", 0, " 7x", 7},
      {0x1000A, 5, "10", 0, "10", 10},  // the maximum's low 16 bits count
      // Steps that were never acceptable stay, with a beep for each look at them, and never loop.
      {10, 0, "0", 2, "0", 0},   {0, 3, "2", 2, "3", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "max " << c.max_steps << " typed '" << c.typed << "'");
    Range r;
    r.steps = c.steps;
    std::string field;
    std::size_t start_beeps = 0;
    t::User user;
    user.OnDialog("COLORRANGE", [&](win::HWND dlg) {
      start_beeps = user.beeps().size();
      EXPECT_TRUE(t::Type(dlg, 8005, c.typed));
      field = t::Text(dlg, 8005);
      t::PressKey(dlg, t::Key::Enter);
    });
    EXPECT_EQ(ColorRangeDlog(&r.steps, &r.from, &r.to, c.max_steps), 1);
    EXPECT_EQ(static_cast<int>(user.beeps().size() - start_beeps), c.beeps);
    EXPECT_EQ(field, c.field);
    EXPECT_EQ(r.steps, c.returned);
    for (unsigned beep : user.beeps()) EXPECT_EQ(beep, 0u);
  }
}

TEST_F(KestrinTest, ColourRangeButtonsPickTheColoursAndOkAloneWritesBack) {
  struct Case {
    int button;
    std::optional<win::COLORREF> answer;
    bool ok;
    RGBColor from, to;
  };
  const Case cases[] = {
      {8000, win::RGB(10, 20, 30), true, {2560, 5120, 7680}, {65535, 65535, 65535}},
      {8001, win::RGB(1, 2, 3), true, {0, 0, 0}, {256, 512, 768}},
      {8001, std::nullopt, true, {0, 0, 0}, {65535, 65535, 65535}},
      {8000, win::RGB(10, 20, 30), false, {0, 0, 0}, {65535, 65535, 65535}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    Range r;
    win::HWND dialog = nullptr;
    t::User user;
    user.AnswerColorChoosers([&](win::CHOOSECOLOR&) { return c.answer; });
    user.OnDialog("COLORRANGE", [&](win::HWND dlg) {
      dialog = dlg;
      EXPECT_TRUE(t::Type(dlg, 8005, "7"));
      EXPECT_TRUE(t::Click(dlg, c.button));
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(ColorRangeDlog(&r.steps, &r.from, &r.to, 10), c.ok ? 1 : 0);
    ASSERT_EQ(user.color_choosers().size(), 1u);
    EXPECT_EQ(user.color_choosers()[0].owner, dialog);
    EXPECT_EQ(user.color_choosers()[0].initial,
              c.button == 8000 ? win::RGB(0, 0, 0) : win::RGB(255, 255, 255));
    EXPECT_TRUE(r.from == c.from);
    EXPECT_TRUE(r.to == c.to);
    EXPECT_EQ(r.steps, c.ok ? 7 : 5);
  }
}

TEST_F(KestrinTest, ColourRangeWithoutItsValuesOrBeforeInitOpensNothing) {
  Range r;
  t::User user;
  EXPECT_EQ(ColorRangeDlog(nullptr, &r.from, &r.to, 10), 0);
  EXPECT_EQ(ColorRangeDlog(&r.steps, nullptr, &r.to, 10), 0);
  EXPECT_EQ(ColorRangeDlog(&r.steps, &r.from, nullptr, 10), 0);
  InitDialogsDLL(nullptr, nullptr, 0);
  EXPECT_EQ(ColorRangeDlog(&r.steps, &r.from, &r.to, 10), 0);
  EXPECT_TRUE(user.dialogs_opened().empty());
  EXPECT_EQ(r.steps, 5);
}

// --- The preview -----------------------------------------------------------------------

constexpr std::uint32_t Argb(unsigned r, unsigned g, unsigned b) { return 0xFF000000u | (r << 16) | (g << 8) | b; }
constexpr std::uint32_t kBlack = Argb(0, 0, 0);
unsigned Red(std::uint32_t p) { return (p >> 16) & 0xFF; }
unsigned Green(std::uint32_t p) { return (p >> 8) & 0xFF; }
unsigned Blue(std::uint32_t p) { return p & 0xFF; }

// The preview's pixels: one row through the bands, and its size.
struct Preview {
  std::vector<std::uint32_t> row;  // x = 0 .. width - 1, at mid-height
  std::vector<std::uint32_t> left_edge, above_bottom, bottom;
  int width = 0;
};

Preview Look(short steps, RGBColor from, RGBColor to, int max_steps) {
  Preview p;
  t::User user;
  user.OnDialog("COLORRANGE", [&](win::HWND dlg) {
    t::Image image = t::Grab(dlg);
    win::RECT r = t::ControlRect(dlg, 8002);
    p.width = r.width();
    int mid = r.top + r.height() / 2;
    for (int x = r.left; x < r.right; ++x) {
      p.row.push_back(image.at(x, mid));
      p.above_bottom.push_back(image.at(x, r.bottom - 2));
      p.bottom.push_back(image.at(x, r.bottom - 1));
    }
    for (int y = r.top; y < r.bottom - 1; ++y) p.left_edge.push_back(image.at(r.left, y));
    t::PressKey(dlg, t::Key::Escape);
  });
  ColorRangeDlog(&steps, &from, &to, max_steps);
  return p;
}

TEST_F(KestrinTest, ColourRangePreviewHasABlackOutlineInsideItsClientArea) {
  Preview p = Look(4, {0, 0, 0}, {65535, 65535, 65535}, 10);
  ASSERT_GT(p.width, 10);
  EXPECT_EQ(p.row.front(), kBlack);
  EXPECT_EQ(p.row.back(), kBlack);
  for (std::uint32_t px : p.left_edge) EXPECT_EQ(px, kBlack);
  for (std::uint32_t px : p.bottom) EXPECT_EQ(px, kBlack);
  EXPECT_EQ(p.above_bottom[p.width / 2], p.row[p.width / 2]);  // the bands reach the bottom line
}

TEST_F(KestrinTest, ColourRangePreviewPaintsTheBands) {
  struct Case {
    const char* what;
    short steps;
    RGBColor from, to;
    // Expected colour of the band area's column x (1 .. width - 2), given the band width f.
    std::uint32_t (*expected)(int x, int f, int width);
    int bands;  // n, for the band width
  };
  const Case cases[] = {
      {"red to blue in 2", 2, {65535, 0, 0}, {0, 0, 65535},
       [](int x, int f, int) { return x < 1 + f ? Argb(255, 0, 0) : Argb(0, 0, 255); }, 2},
      {"1 step paints 2 bands", 1, {65535, 0, 0}, {0, 0, 65535},
       [](int x, int f, int) { return x < 1 + f ? Argb(255, 0, 0) : Argb(0, 0, 255); }, 2},
      {"the middle of 3 rounds half up", 3, {0, 0, 0}, {65535, 65535, 65535},
       [](int x, int f, int) {
         return x < 1 + f ? Argb(0, 0, 0) : x < 1 + 2 * f ? Argb(128, 128, 128) : Argb(255, 255, 255);
       },
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Preview p = Look(c.steps, c.from, c.to, 10);
    int f = (p.width - 1) / c.bands;
    for (int x = 1; x < p.width - 1; ++x) EXPECT_EQ(p.row[x], c.expected(x, f, p.width)) << "x " << x;
  }
}

TEST_F(KestrinTest, ColourRangePreviewNarrowerThanTheStepsPaintsABandPerPixel) {
  Preview p = Look(1000, {0, 0, 0}, {0, 65535, 0}, 1000);
  // n = the band area's width, so each column is its own band, each greener.
  for (int x = 2; x < p.width - 1; ++x) EXPECT_GT(Green(p.row[x]), Green(p.row[x - 1])) << "x " << x;
  EXPECT_EQ(Green(p.row[1]), 0u);
}

TEST_F(KestrinTest, ColourRangePreviewEndsWithTheEndColour) {
  // 1-pixel bands with room left: band n reaches the edge in the end colour,
  // no band beyond it goes past the end colour.
  Preview p = Look(20, {0, 0, 0}, {0, 32768, 0}, 100);
  ASSERT_GT(p.width, 30);
  int f = (p.width - 1) / 20;
  int last_band = 1 + 19 * f;
  for (int x = last_band; x < p.width - 1; ++x) EXPECT_EQ(p.row[x], Argb(0, 128, 0)) << "x " << x;
  for (int x = 1; x < p.width - 1; ++x) EXPECT_LE(Green(p.row[x]), 128u);
  for (int x = 1; x < p.width - 1; ++x) {
    EXPECT_EQ(Red(p.row[x]), 0u);
    EXPECT_EQ(Blue(p.row[x]), 0u);
  }
}

TEST_F(KestrinTest, ColourRangePreviewFollowsTheAcceptedSteps) {
  Range r;
  r.from = {65535, 0, 0};
  r.to = {0, 0, 65535};
  r.steps = 2;
  std::uint32_t before = 0, after = 0, refused = 0;
  int third = 0;
  t::User user;
  user.OnDialog("COLORRANGE", [&](win::HWND dlg) {
    win::RECT rect = t::ControlRect(dlg, 8002);
    third = rect.left + 1 + (rect.width() - 1) / 3 + 2;  // inside band 2 of 3
    int mid = rect.top + rect.height() / 2;
    before = t::Grab(dlg).at(third, mid);
    t::Type(dlg, 8005, "3");
    after = t::Grab(dlg).at(third, mid);
    t::Type(dlg, 8005, "30");  // refused: the field and the preview stay
    refused = t::Grab(dlg).at(third, mid);
    t::PressKey(dlg, t::Key::Escape);
  });
  ColorRangeDlog(&r.steps, &r.from, &r.to, 10);
  EXPECT_EQ(before, Argb(255, 0, 0));
  EXPECT_EQ(after, Argb(128, 0, 128));
  EXPECT_EQ(refused, after);
}

}  // namespace
