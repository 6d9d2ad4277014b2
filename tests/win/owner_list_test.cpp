// SPDX-License-Identifier: MIT
// Owner-drawn lists and sub-classing: drawing asked of the owner, item data,
// input as messages to the list's procedure, the standard list handling.

#include "platform/win/owner_list.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/global_memory.h"
#include "platform/win/resource.h"
#include "tests/win/gui_environment.h"

namespace {

constexpr int kList = 10;
constexpr int kPlain = 11;
constexpr int kHeight = 20;

constexpr const char* kModule = R"(
dialog "OWNER" {
  caption "Owner-drawn"
  font "MS Sans Serif" 8
  size 160 120
  listbox 10 "" 5 5 100 80 ownerdraw notify border vscroll
  listbox 11 "" 110 5 45 80 notify
  button IDOK "OK" 5 95 40 14 default
}
)";

struct Drawn {
  int item;
  win::UINT action;
  bool selected;
  win::LPARAM data;
  win::RECT rect;
};

struct Message {
  win::UINT msg;
  win::WPARAM wparam;
  win::LPARAM lparam;
};

class OwnerListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    module_ = win::ResourceModule::Parse(kModule, &error);
    ASSERT_NE(module_, nullptr) << error;
  }

  // Opens the dialog with `items` items (data 100 + i), the owner painting
  // each item in a colour of its own; runs the test's action inside.
  void Run(int items, const std::function<void(win::HWND dialog, win::HWND list)>& action) {
    win::testing::User user;
    user.OnDialog([&](win::HWND dialog) { action(dialog, win::GetDlgItem(dialog, kList)); });
    win::DialogBoxParam(
        module_->handle(), "OWNER", nullptr,
        [&](win::HWND dialog, win::UINT msg, win::WPARAM wp, win::LPARAM lp) -> win::INT_PTR {
          if (msg == win::WM_INITDIALOG) {
            win::HWND list = win::GetDlgItem(dialog, kList);
            EXPECT_TRUE(win::ListBox_SetItemHeight(list, kHeight));
            for (int i = 0; i < items; ++i) EXPECT_EQ(win::ListBox_AddItemData(list, 100 + i), i);
            return 1;
          }
          if (msg == win::WM_DRAWITEM) {
            const auto& d = *reinterpret_cast<const win::DRAWITEMSTRUCT*>(lp);
            EXPECT_EQ(wp, static_cast<win::WPARAM>(kList));
            drawn_.push_back({d.itemID, d.itemAction, (d.itemState & win::ODS_SELECTED) != 0, d.itemData, d.rcItem});
            win::Brush brush(Colour(d.itemID, (d.itemState & win::ODS_SELECTED) != 0));
            win::FillRect(d.hDC, d.rcItem, brush.get());
            return 1;
          }
          if (msg == win::WM_COMMAND && win::LOWORD(wp) == kList) commands_.push_back(win::HIWORD(wp));
          return 0;
        });
  }

  static win::COLORREF Colour(int item, bool selected) {
    return selected ? win::RGB(200, 0, 0) : win::RGB(0, static_cast<unsigned>(40 * item), 200);
  }

  std::unique_ptr<win::ResourceModule> module_;
  std::vector<Drawn> drawn_;
  std::vector<unsigned> commands_;
};

TEST_F(OwnerListTest, ItemsCarryDataAndTheListsHeight) {
  Run(3, [](win::HWND dialog, win::HWND list) {
    EXPECT_EQ(win::ListBox_GetCount(list), 3);
    EXPECT_EQ(win::ListBox_GetItemHeight(list), kHeight);
    EXPECT_EQ(win::ListBox_GetTopIndex(list), 0);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(win::ListBox_GetItemData(list, i), 100 + i);
      win::RECT r;
      ASSERT_TRUE(win::ListBox_GetItemRect(list, i, &r));
      EXPECT_EQ(r.top, i * kHeight);
      EXPECT_EQ(r.height(), kHeight);
      EXPECT_GT(r.width(), 0);
    }
    EXPECT_EQ(win::ListBox_GetItemData(list, 3), win::LB_ERR);
    win::RECT r;
    EXPECT_FALSE(win::ListBox_GetItemRect(list, -1, &r));
    // A list without the ownerdraw style is not one.
    win::HWND plain = win::GetDlgItem(dialog, kPlain);
    EXPECT_EQ(win::ListBox_AddItemData(plain, 1), win::LB_ERR);
    EXPECT_FALSE(win::ListBox_SetItemHeight(plain, 10));
    win::ListBox_ResetContent(list);
    EXPECT_EQ(win::ListBox_GetCount(list), 0);
  });
}

TEST_F(OwnerListTest, PaintingAsksTheOwnerToDrawEveryVisibleItem) {
  Run(3, [&](win::HWND dialog, win::HWND) {
    drawn_.clear();
    win::testing::Image image = win::testing::Grab(dialog);
    ASSERT_EQ(drawn_.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(drawn_[static_cast<std::size_t>(i)].item, i);
      EXPECT_EQ(drawn_[static_cast<std::size_t>(i)].action, win::ODA_DRAWENTIRE);
      EXPECT_EQ(drawn_[static_cast<std::size_t>(i)].data, 100 + i);
    }
    // What the owner drew is what the list shows: find item 1's colour inside the list.
    win::RECT list = win::testing::ControlRect(dialog, kList);
    win::COLORREF want = Colour(1, false);
    bool found = false;
    for (int y = list.top; y < list.bottom && !found; ++y)
      for (int x = list.left; x < list.right && !found; ++x) {
        std::uint32_t p = image.at(x, y);
        found = win::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == want;
      }
    EXPECT_TRUE(found);
    drawn_.clear();
    win::testing::Grab(dialog);
    EXPECT_TRUE(drawn_.empty());  // nothing invalid: the picture is kept
  });
}

TEST_F(OwnerListTest, SelectionChangesDrawTheItemsConcerned) {
  Run(3, [&](win::HWND dialog, win::HWND list) {
    win::testing::Grab(dialog);
    drawn_.clear();
    win::ListBox_SetCurSel(list, 1);
    win::ListBox_SetCurSel(list, 2);
    ASSERT_EQ(drawn_.size(), 3u);
    struct Want {
      int item;
      bool selected;
    };
    const std::array<Want, 3> want{{{1, true}, {1, false}, {2, true}}};
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(drawn_[i].item, want[i].item) << i;
      EXPECT_EQ(drawn_[i].action, win::ODA_SELECT) << i;
      EXPECT_EQ(drawn_[i].selected, want[i].selected) << i;
    }
    EXPECT_TRUE(commands_.empty());  // the program's changes do not notify
  });
}

TEST_F(OwnerListTest, InputReachesTheSubclassedProcedureAndTheStandardHandling) {
  Run(3, [&](win::HWND dialog, win::HWND list) {
    std::vector<Message> seen;
    win::WNDPROC standard;
    standard = win::SetWindowProc(list, [&](win::HWND w, win::UINT m, win::WPARAM wp, win::LPARAM lp) {
      seen.push_back({m, wp, lp});
      return win::CallWindowProc(standard, w, m, wp, lp);
    });
    ASSERT_TRUE(static_cast<bool>(standard));

    struct Step {
      const char* label;
      std::function<bool()> act;
      win::UINT msg;
      int selection;  // afterwards
    };
    const std::vector<Step> steps{
        {"click on row 1",
         [&] {
           return win::testing::MouseDown(dialog, kList, {20, 2 + kHeight + 5});
         },
         win::WM_LBUTTONDOWN, 1},
        {"release",
         [&] {
           return win::testing::MouseUp(dialog, kList, {20, 2 + kHeight + 5});
         },
         win::WM_LBUTTONUP, 1},
        {"down", [&] { return win::testing::PressKey(dialog, win::testing::Key::Down); }, win::WM_KEYDOWN, 2},
        {"home", [&] { return win::testing::PressKey(dialog, win::testing::Key::Home); }, win::WM_KEYDOWN, 0},
        {"end", [&] { return win::testing::PressKey(dialog, win::testing::Key::End); }, win::WM_KEYDOWN, 2},
        {"up", [&] { return win::testing::PressKey(dialog, win::testing::Key::Up); }, win::WM_KEYDOWN, 1},
    };
    for (const Step& s : steps) {
      SCOPED_TRACE(s.label);
      seen.clear();
      ASSERT_TRUE(s.act());
      ASSERT_FALSE(seen.empty());
      EXPECT_EQ(seen.back().msg, s.msg);
      EXPECT_EQ(win::ListBox_GetCurSel(list), s.selection);
    }
    EXPECT_TRUE(win::testing::HasFocus(dialog, kList));  // the click took the focus

    // The click's flags and client coordinates.
    seen.clear();
    win::testing::MouseDown(dialog, kList, {30, 12});
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().wparam, win::MK_LBUTTON);
    EXPECT_LE(std::abs(win::GET_X_LPARAM(seen.front().lparam) - 30), 3);  // less the border
    EXPECT_LE(std::abs(win::GET_Y_LPARAM(seen.front().lparam) - 12), 3);
    EXPECT_EQ(win::ListBox_GetCurSel(list), 0);

    // Sent messages take the same way; a double-click notifies.
    commands_.clear();
    win::SendMessage(list, win::WM_LBUTTONDBLCLK, win::MK_LBUTTON, win::MAKELPARAM(5, 5));
    EXPECT_EQ(seen.back().msg, win::WM_LBUTTONDBLCLK);
    EXPECT_EQ(commands_, std::vector<unsigned>{win::LBN_DBLCLK});
    // Moves with the button held select; moves without do not.
    win::SendMessage(list, win::WM_MOUSEMOVE, 0, win::MAKELPARAM(5, 2 * kHeight + 3));
    EXPECT_EQ(win::ListBox_GetCurSel(list), 0);
    win::SendMessage(list, win::WM_MOUSEMOVE, win::MK_LBUTTON, win::MAKELPARAM(5, 2 * kHeight + 3));
    EXPECT_EQ(win::ListBox_GetCurSel(list), 2);
    EXPECT_EQ(commands_.back(), win::LBN_SELCHANGE);
    win::SetWindowProc(list, standard);
  });
}

TEST_F(OwnerListTest, SubclassingNeedsAControl) {
  Run(0, [](win::HWND dialog, win::HWND list) {
    EXPECT_FALSE(static_cast<bool>(
        win::SetWindowProc(dialog, [](win::HWND, win::UINT, win::WPARAM, win::LPARAM) { return win::LRESULT{0}; })));
    EXPECT_FALSE(static_cast<bool>(win::SetWindowProc(nullptr, {})));
    // An empty list ignores the keys and clicks.
    win::SetFocus(list);
    EXPECT_TRUE(win::testing::PressKey(dialog, win::testing::Key::Down));
    EXPECT_TRUE(win::testing::MouseDown(dialog, kList, {5, 5}));
    EXPECT_EQ(win::ListBox_GetCurSel(list), win::LB_ERR);
    EXPECT_EQ(win::CallWindowProc({}, list, win::WM_KEYDOWN, 0, 0), 0);
  });
}

TEST(GlobalMemory, BlocksAreCheckedAndFreedOnce) {
  std::size_t before = win::GlobalBlocksLive();
  win::HGLOBAL block = win::GlobalAlloc(win::GHND, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(win::GlobalSize(block), 16u);
  auto* bytes = static_cast<unsigned char*>(win::GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes[15], 0);
  EXPECT_TRUE(win::GlobalUnlock(block));
  EXPECT_EQ(win::GlobalBlocksLive(), before + 1);
  EXPECT_EQ(win::GlobalFree(block), nullptr);
  EXPECT_EQ(win::GlobalFree(block), block);  // not live any more: refused
  EXPECT_EQ(win::GlobalLock(block), nullptr);
  EXPECT_EQ(win::GlobalSize(block), 0u);
  EXPECT_EQ(win::GlobalBlocksLive(), before);
  { win::UniqueGlobal owned(win::GlobalAlloc(win::GMEM_FIXED, 4)); }
  EXPECT_EQ(win::GlobalBlocksLive(), before);
}

}  // namespace
