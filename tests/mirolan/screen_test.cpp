// SPDX-License-Identifier: MIT
// The new-chart dialog on a real X server: the thumbnail grid's keys and mouse
// as the user gives them, and the red frame where the screen shows it.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "mirolan/mirolan.h"
#include "mirolan/new_chart_dialog.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "tests/mirolan/fixture.h"
#include "tests/support/x_screen.h"
#include "platform/win/testing.h"
#include "tests/win/gui_environment.h"

namespace {

using win::HWND;

constexpr int kCell = 88;
constexpr int kRow = 68;
constexpr int kBorder = 2;  // the list's frame: its client area starts inside it
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Seven charts: rows of 3, 3 and 1, each thumbnail of its own colour.
const char* const kNames[] = {"t1.kwx", "t2.kwx", "t3.kwx", "t4.kwx", "t5.kwx", "t6.kwx", "t7.kwx"};
constexpr std::uint32_t kColours[] = {0x2040C0, 0x20A040, 0xC08020, 0x8020C0, 0x20C0C0, 0xC02080, 0x606060};
constexpr int kCount = 7;

struct Cell {
  int row;
  int column;
  bool operator==(const Cell&) const = default;
};

std::vector<Cell> One(Cell c) { return {c}; }

std::string NameOf(Cell c) { return kNames[c.row * 3 + c.column]; }

// The cells whose frame the screen shows red: the middle of the frame's left
// and top edges (4 pixels wide, 2 inside the cell).
std::vector<Cell> FramedCells(const win::testing::Image& list) {
  std::vector<Cell> out;
  for (int row = 0; row * 3 < kCount; ++row)
    for (int column = 0; column < 3 && row * 3 + column < kCount; ++column) {
      int left = kBorder + column * kCell, top = kBorder + row * kRow;
      bool left_edge = xtest::Rgb(list.at(left + 3, top + kRow / 2)) == kRed;
      bool top_edge = xtest::Rgb(list.at(left + kCell / 2, top + 3)) == kRed;
      if (left_edge || top_edge) out.push_back({row, column});
      EXPECT_EQ(left_edge, top_edge) << "half a frame at " << row << "," << column;
    }
  return out;
}

// What the screen shows of the grid: the framed cells, and every thumbnail drawn.
std::vector<Cell> ShownFrames(HWND dialog) {
  win::testing::Image list = win::testing::ScreenGrab(win::GetDlgItem(dialog, mirolan::kThumbnailList));
  EXPECT_GT(list.width, 3 * kCell);
  if (list.width <= 3 * kCell) return {};
  for (int i = 0; i < kCount; ++i) {
    int x = kBorder + (i % 3) * kCell + kCell / 2, y = kBorder + (i / 3) * kRow + kRow / 2;
    EXPECT_EQ(xtest::Rgb(list.at(x, y)), kColours[i]) << "thumbnail " << kNames[i];
  }
  // The empty cells of the last row stay white.
  EXPECT_EQ(xtest::Rgb(list.at(kBorder + kCell + kCell / 2, kBorder + 2 * kRow + 3)), kWhite);
  return FramedCells(list);
}

win::POINT CellPoint(Cell c) { return {kBorder + c.column * kCell + kCell / 2, kBorder + c.row * kRow + kRow / 2}; }

struct Step {
  const char* what;
  std::function<void(HWND list)> act;
  Cell frame;  // where the frame must be, and whose name the dialog shows
};

class GridOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xtest::OnXServer()) << "runs on the X server: tests/support/xserver exec";
    InitNewDialogDLL(0, nullptr);
    std::string gallery = dir_ / "Gallery";
    mirolantest::WriteBytes(gallery + "/Gallery.txt", "Grid,Seven charts\n");
    for (int i = 0; i < kCount; ++i)
      mirolantest::WriteChart(gallery + "/Grid/" + kNames[i], std::string("Chart ") + kNames[i], kColours[i]);
    std::memset(&block_, 0, sizeof block_);
    std::memcpy(block_.root, dir_.path().data(), std::min(dir_.path().size(), sizeof block_.root));
  }

  mirolantest::CurrentDirectoryGuard cwd_;
  mirolantest::TempFolder dir_;
  mirolan::NewChartBlock block_{};
};

TEST_F(GridOnScreen, EveryKeyAndClickMovesThePaintedFrameWithTheSelection) {
  auto key = [](const char* name) { return [name](HWND list) { xtest::Key(list, name); }; };
  auto click = [](Cell c, const char* held = "") {
    return [c, held](HWND list) { xtest::Click(list, CellPoint(c), held); };
  };
  const std::vector<Step> steps = {
      {"click on the first", click({0, 0}), {0, 0}},
      {"Right", key("Right"), {0, 1}},
      {"Right again", key("Right"), {0, 2}},
      {"Right at the last column", key("Right"), {0, 2}},
      {"Left", key("Left"), {0, 1}},
      {"Down", key("Down"), {1, 1}},
      {"End", key("End"), {2, 0}},
      {"Home", key("Home"), {0, 0}},
      {"Left at the first column", key("Left"), {0, 0}},
      {"Right, Right", [&](HWND l) { key("Right")(l); key("Right")(l); }, {0, 2}},
      {"Down to the short row", [&](HWND l) { key("Down")(l); key("Down")(l); }, {2, 0}},
      {"Right on a row of one", key("Right"), {2, 0}},
      {"Up", key("Up"), {1, 0}},
      {"Page Down", key("Next"), {2, 0}},
      {"End on the last row", key("End"), {2, 0}},
      {"Page Up", key("Prior"), {0, 0}},
      {"Down, then End from another row", [&](HWND l) { key("Down")(l); key("End")(l); }, {2, 0}},
      {"click in another row and column", click({0, 2}), {0, 2}},
      {"drag to another cell", [](HWND l) { xtest::Drag(l, CellPoint({0, 2}), CellPoint({1, 1})); }, {1, 1}},
      {"mouse moved without a button", [](HWND l) { xtest::MoveTo(l, CellPoint({0, 0})); }, {1, 1}},
      {"shift-click keeps the column", click({0, 2}, "Shift_L"), {0, 1}},
      {"click in the same row", click({0, 0}), {0, 0}},
      {"click on the short row's empty cell", click({2, 2}), {2, 0}},
  };
  std::string last_shown;
  short result = 1;
  {
    win::testing::User user;
    user.OnDialog([&](HWND dialog) {
      HWND list = win::GetDlgItem(dialog, mirolan::kThumbnailList);
      EXPECT_EQ(ShownFrames(dialog), One({0, 0})) << "as it opens";
      for (const Step& step : steps) {
        step.act(list);
        EXPECT_EQ(ShownFrames(dialog), One(step.frame)) << step.what;
        EXPECT_EQ(win::testing::Text(dialog, mirolan::kFileName), NameOf(step.frame)) << step.what;
        EXPECT_EQ(win::testing::Text(dialog, mirolan::kDescription), "Chart " + NameOf(step.frame)) << step.what;
      }
      last_shown = win::testing::Text(dialog, mirolan::kFileName);
      xtest::Key(dialog, "Return");  // the default button, "Ok"
    });
    result = PromptNewDialog(&block_);
    EXPECT_EQ(user.left_open(), 0);
  }
  EXPECT_EQ(result, mirolan::kChosen);
  EXPECT_EQ(last_shown, NameOf(steps.back().frame));
  EXPECT_STREQ(block_.file_name, last_shown.c_str());
  EXPECT_EQ(std::string(block_.folder), dir_ / "Gallery/Grid");
}

TEST_F(GridOnScreen, ClickingOkReturnsTheFramedTemplate) {
  win::testing::User user;
  user.OnDialog([&](HWND dialog) {
    HWND list = win::GetDlgItem(dialog, mirolan::kThumbnailList);
    xtest::Click(list, CellPoint({1, 2}));
    EXPECT_EQ(ShownFrames(dialog), One({1, 2}));
    win::RECT ok = win::testing::ControlRect(dialog, win::IDOK);
    xtest::Click(dialog, {ok.left + ok.width() / 2, ok.top + ok.height() / 2});
  });
  EXPECT_EQ(PromptNewDialog(&block_), mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "t6.kwx");
  EXPECT_EQ(user.left_open(), 0);
}

// Tab goes by the template's order (Help after Cancel and Ok), the thumbnail
// list shows when it has the focus, and Enter there is the default button.
TEST_F(GridOnScreen, TabFollowsTheTemplateAndTheListShowsItsFocus) {
  win::testing::User user;
  user.OnDialog([&](HWND dialog) {
    ASSERT_TRUE(xtest::Activate(dialog));  // the dialog takes the keys
    ASSERT_TRUE(win::testing::HasFocus(dialog, mirolan::kCategoryList));
    const std::vector<int> order = {mirolan::kThumbnailList, win::IDCANCEL, win::IDOK, mirolan::kHelpButton,
                                    mirolan::kCategoryList, mirolan::kThumbnailList};
    std::vector<int> focused;
    std::vector<std::uint32_t> with_focus;
    for (std::size_t i = 0; i < order.size(); ++i) {
      xtest::Key(dialog, "Tab");
      for (int id : {mirolan::kCategoryList, mirolan::kThumbnailList, win::IDCANCEL, win::IDOK, mirolan::kHelpButton})
        if (win::testing::HasFocus(dialog, id)) focused.push_back(id);
      if (i == 0) with_focus = win::testing::ScreenGrab(win::GetDlgItem(dialog, mirolan::kThumbnailList)).argb;
      if (i == 1) {
        EXPECT_NE(win::testing::ScreenGrab(win::GetDlgItem(dialog, mirolan::kThumbnailList)).argb, with_focus)
            << "the list looks the same with and without the focus";
      }
    }
    EXPECT_EQ(focused, order);
    xtest::Key(dialog, "Right");
    xtest::Key(dialog, "Return");
  });
  EXPECT_EQ(PromptNewDialog(&block_), mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "t2.kwx");
  EXPECT_EQ(user.left_open(), 0);
}

// A focused list marks its current item so that the mark stands out against
// the highlight: the categories (focused at open), then the thumbnails.
TEST_F(GridOnScreen, EachFocusedListMarksItsCurrentItem) {
  win::testing::User user;
  user.OnDialog([&](HWND dialog) {
    ASSERT_TRUE(xtest::Activate(dialog));
    for (int id : {mirolan::kCategoryList, mirolan::kThumbnailList}) {
      ASSERT_TRUE(win::testing::HasFocus(dialog, id)) << id;
      const win::RECT item = win::testing::ItemRect(dialog, id, win::testing::Selection(dialog, id));
      const win::testing::Image focused = win::testing::ScreenGrab(dialog);
      xtest::Key(dialog, "Tab");
      EXPECT_EQ(xtest::FocusMarkFault(focused, win::testing::ScreenGrab(dialog), item), "") << "list " << id;
    }
    xtest::Key(dialog, "Escape");
  });
  EXPECT_EQ(PromptNewDialog(&block_), mirolan::kNotChosen);
  EXPECT_EQ(user.left_open(), 0);
}

using xtest::Pixels;

// A button's outer frame (its two top rows): where the default look shows.
std::vector<std::uint32_t> Frame(const win::testing::Image& screen, HWND dialog, int id) {
  win::RECT r = win::testing::ControlRect(dialog, id);
  return Pixels(screen, {r.left, r.top, r.right, r.top + 2});
}

struct LookCase {
  const char* what;
  int tabs;           // from the category list, where the dialog opens
  int look;           // the one button drawn as the default
  short result;       // after Enter (and Escape when the dialog stays)
};

class DefaultLook : public GridOnScreen, public ::testing::WithParamInterface<LookCase> {};

// The screen says what Enter presses: a focused push button has the default
// look and Ok loses it; on the lists Ok has it. A focused button shows the focus.
TEST_P(DefaultLook, IsOnTheButtonEnterPresses) {
  const LookCase& c = GetParam();
  win::testing::User user;
  user.OnDialog([&](HWND dialog) {
    ASSERT_TRUE(xtest::Activate(dialog));
    win::testing::Image start = win::testing::ScreenGrab(dialog);
    const std::vector<std::uint32_t> marked = Frame(start, dialog, win::IDOK);
    const std::vector<std::uint32_t> plain = Frame(start, dialog, win::IDCANCEL);
    ASSERT_NE(marked, plain);
    for (int i = 0; i < c.tabs; ++i) xtest::Key(dialog, "Tab");
    win::testing::Image screen = win::testing::ScreenGrab(dialog);
    for (int id : {win::IDOK, win::IDCANCEL, mirolan::kHelpButton})
      EXPECT_EQ(Frame(screen, dialog, id), id == c.look ? marked : plain) << "button " << id;
    if (win::testing::HasFocus(dialog, c.look)) {
      win::RECT r = win::testing::ControlRect(dialog, c.look);
      EXPECT_NE(Pixels(screen, r), Pixels(start, r)) << "button " << c.look << " shows no focus";
    }
    xtest::Key(dialog, "Return");
    if (win::IsWindowVisible(dialog)) xtest::Key(dialog, "Escape");
  });
  EXPECT_EQ(PromptNewDialog(&block_), c.result);
  EXPECT_EQ(user.left_open(), 0);
}

INSTANTIATE_TEST_SUITE_P(Tab, DefaultLook,
                         ::testing::Values(LookCase{"OnTheCategories", 0, win::IDOK, mirolan::kChosen},
                                           LookCase{"OnTheThumbnails", 1, win::IDOK, mirolan::kChosen},
                                           LookCase{"OnCancel", 2, win::IDCANCEL, mirolan::kNotChosen},
                                           LookCase{"OnOk", 3, win::IDOK, mirolan::kChosen},
                                           LookCase{"OnHelp", 4, mirolan::kHelpButton, mirolan::kNotChosen},
                                           LookCase{"BackOnTheCategories", 5, win::IDOK, mirolan::kChosen}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
