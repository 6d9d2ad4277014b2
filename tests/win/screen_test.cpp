// SPDX-License-Identifier: MIT
// What a keyboard user sees of a dialog on a real X server: where the focus
// is, from the moment the dialog opens, and which push button Enter presses.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "tests/support/x_screen.h"
#include "tests/win/gui_environment.h"

namespace {

using win::HWND;
namespace t = win::testing;

constexpr int kFast = 101, kName = 102, kApply = 103, kTwo = 202;

constexpr const char* kModule = R"(
dialog "BUTTONS" {
  caption "Buttons"
  font "MS Sans Serif" 8
  size 200 66
  autocheckbox 101 "&Fast" 8 8 80 10
  edit 102 "" 8 22 100 12
  button 103 "&Apply" 8 44 50 14
  button IDOK "OK" 70 44 50 14 default
  button IDCANCEL "Cancel" 132 44 50 14
}
dialog "RADIOS" {
  caption "Radios"
  font "MS Sans Serif" 8
  size 200 66
  autoradio 201 "&One" 8 8 80 10
  autoradio 202 "&Two" 8 20 80 10
  edit 102 "" 8 34 100 12
  button IDOK "OK" 70 48 50 14 default
  button IDCANCEL "Cancel" 132 48 50 14
}
dialog "LISTS" {
  caption "Lists"
  font "MS Sans Serif" 8
  size 200 100
  listbox 301 "" 8 8 60 40 vscroll notify border
  listbox 302 "" 72 8 60 40 vscroll multiselect notify border
  listbox 303 "" 136 8 56 40 vscroll notify border
  combobox 304 "" 8 54 80 60 vscroll
  button IDOK "OK" 70 80 50 14 default
  button IDCANCEL "Cancel" 132 80 50 14
}
)";

constexpr int kSingle = 301, kMulti = 302, kEmpty = 303, kCombo = 304;

// The lists of "LISTS": three entries, the second chosen where one is; the third list empty.
void FillLists(HWND dlg) {
  for (const char* entry : {"one", "two", "three"}) {
    win::ListBox_AddString(win::GetDlgItem(dlg, kSingle), entry);
    win::ListBox_AddString(win::GetDlgItem(dlg, kMulti), entry);
    win::ComboBox_AddString(win::GetDlgItem(dlg, kCombo), entry);
  }
  win::ListBox_SetCurSel(win::GetDlgItem(dlg, kSingle), 1);
  win::ComboBox_SetCurSel(win::GetDlgItem(dlg, kCombo), 1);
}

class OnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xtest::OnXServer()) << "runs on the X server: tests/support/xserver exec";
    std::string error;
    module_ = win::ResourceModule::Parse(kModule, &error);
    ASSERT_NE(module_, nullptr) << error;
  }

  // Opens a template as the user meets it (the dialog active); the procedure
  // records the buttons pressed and ends on OK and Cancel.
  win::INT_PTR Open(const char* name, const t::User::Action& action) {
    t::User user;
    user.OnDialog([&](HWND dlg) {
      ASSERT_TRUE(xtest::Activate(dlg));
      action(dlg);
    });
    return win::DialogBoxParam(module_->handle(), name, nullptr,
                               [this](HWND dlg, win::UINT msg, win::WPARAM wp, win::LPARAM) -> win::INT_PTR {
                                 if (msg == win::WM_INITDIALOG) {
                                   win::CheckDlgButton(dlg, kTwo, win::BST_CHECKED);
                                   FillLists(dlg);
                                   return 1;
                                 }
                                 if (msg != win::WM_COMMAND || win::HIWORD(wp) != win::BN_CLICKED) return 0;
                                 int id = win::LOWORD(wp);
                                 pressed_.push_back(id);
                                 if (id == win::IDOK || id == win::IDCANCEL) win::EndDialog(dlg, id);
                                 return 1;
                               });
  }

  std::unique_ptr<win::ResourceModule> module_;
  std::vector<int> pressed_;
};

using xtest::Pixels;

std::vector<std::uint32_t> Picture(HWND dlg, int id) { return Pixels(t::ScreenGrab(dlg), t::ControlRect(dlg, id)); }

// The button's outer frame (its two top rows): where the default look shows.
std::vector<std::uint32_t> Frame(const t::Image& screen, HWND dlg, int id) {
  win::RECT r = t::ControlRect(dlg, id);
  return Pixels(screen, {r.left, r.top, r.right, r.top + 2});
}

// A dotted line: the row of the focus frame, a few pixels inside the button,
// alternates between two colours along most of its length.
bool DottedRowInside(const t::Image& screen, win::RECT button, int inset) {
  int y = button.top + inset, changes = 0;
  for (int x = button.left + inset + 2; x < button.right - inset - 3; ++x)
    if (xtest::Rgb(screen.at(x, y)) != xtest::Rgb(screen.at(x + 1, y))) ++changes;
  return changes >= (button.width() - 2 * inset) / 2;
}

TEST_F(OnScreen, EveryFocusedPushButtonShowsTheFocusTheDefaultOneIncluded) {
  Open("BUTTONS", [&](HWND dlg) {
    ASSERT_TRUE(t::HasFocus(dlg, kFast));
    xtest::Key(dlg, "Tab");
    ASSERT_TRUE(t::HasFocus(dlg, kName));
    const int buttons[] = {kApply, win::IDOK, win::IDCANCEL};
    std::vector<std::vector<std::uint32_t>> unfocused;
    for (int id : buttons) unfocused.push_back(Picture(dlg, id));
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
      xtest::Key(dlg, "Tab");
      ASSERT_TRUE(t::HasFocus(dlg, buttons[i]));
      t::Image screen = t::ScreenGrab(dlg);
      win::RECT r = t::ControlRect(dlg, buttons[i]);
      EXPECT_NE(Pixels(screen, r), unfocused[i]) << "button " << buttons[i] << " looks the same with the focus";
      EXPECT_TRUE(DottedRowInside(screen, r, 3)) << "button " << buttons[i] << ": no dotted frame inside";
    }
    xtest::Key(dlg, "Escape");
  });
}

struct DefaultCase {
  const char* what;
  std::vector<const char*> keys;  // after the dialog opened with the focus on the check box
  int look;                       // the one button drawn as the default
  int enter;                      // what Enter presses then
};

class DefaultLook : public OnScreen, public ::testing::WithParamInterface<DefaultCase> {};

// Only the button that Enter presses has the default look, and Enter presses it.
TEST_P(DefaultLook, IsOnTheButtonEnterPresses) {
  const DefaultCase& c = GetParam();
  Open("BUTTONS", [&](HWND dlg) {
    t::Image start = t::ScreenGrab(dlg);
    const std::vector<std::uint32_t> plain = Frame(start, dlg, win::IDCANCEL);
    const std::vector<std::uint32_t> marked = Frame(start, dlg, win::IDOK);
    ASSERT_NE(plain, marked) << "the default button is not drawn apart";
    for (const char* key : c.keys) ASSERT_TRUE(xtest::Key(dlg, key)) << key;
    pressed_.clear();
    t::Image screen = t::ScreenGrab(dlg);
    for (int id : {kApply, win::IDOK, win::IDCANCEL})
      EXPECT_EQ(Frame(screen, dlg, id), id == c.look ? marked : plain) << "button " << id;
    xtest::Key(dlg, "Return");
    EXPECT_EQ(pressed_, std::vector<int>{c.enter});
    if (win::IsWindowVisible(dlg)) xtest::Key(dlg, "Escape");
  });
}

INSTANTIATE_TEST_SUITE_P(
    Focus, DefaultLook,
    ::testing::Values(DefaultCase{"OnACheckBox", {}, win::IDOK, win::IDOK},
                      DefaultCase{"OnAField", {"Tab"}, win::IDOK, win::IDOK},
                      DefaultCase{"OnAnotherButton", {"Tab", "Tab"}, kApply, kApply},
                      DefaultCase{"OnTheDefaultButton", {"Tab", "Tab", "Tab"}, win::IDOK, win::IDOK},
                      DefaultCase{"OnCancel", {"Tab", "Tab", "Tab", "Tab"}, win::IDCANCEL, win::IDCANCEL},
                      DefaultCase{"BackToAField", {"Tab", "Tab", "Tab", "Tab", "Shift_L+Tab", "Shift_L+Tab",
                                                   "Shift_L+Tab"}, win::IDOK, win::IDOK},
                      DefaultCase{"WrappedToTheCheckBox", {"Tab", "Tab", "Tab", "Tab", "Tab"}, win::IDOK, win::IDOK},
                      DefaultCase{"AccessKeyOfAButton", {"Alt_L+a"}, kApply, kApply}),
    [](const auto& info) { return std::string(info.param.what); });

struct FirstFocusCase {
  const char* dialog;
  int first;  // the control that has the focus when the dialog opens
};

class FirstFocus : public OnScreen, public ::testing::WithParamInterface<FirstFocusCase> {};

// The focus is drawn from the start, as it is after Tab and Shift+Tab.
TEST_P(FirstFocus, IsDrawnWhenTheDialogOpens) {
  const FirstFocusCase& c = GetParam();
  Open(c.dialog, [&](HWND dlg) {
    ASSERT_TRUE(t::HasFocus(dlg, c.first));
    std::vector<std::uint32_t> at_open = Picture(dlg, c.first);
    xtest::Key(dlg, "Tab");
    ASSERT_FALSE(t::HasFocus(dlg, c.first));
    EXPECT_NE(Picture(dlg, c.first), at_open) << "the focus did not show at open";
    xtest::Key(dlg, "Shift_L+Tab");
    ASSERT_TRUE(t::HasFocus(dlg, c.first));
    EXPECT_EQ(Picture(dlg, c.first), at_open) << "drawn otherwise at open than after the keys";
    xtest::Key(dlg, "Escape");
  });
}

INSTANTIATE_TEST_SUITE_P(Controls, FirstFocus,
                         ::testing::Values(FirstFocusCase{"BUTTONS", kFast}, FirstFocusCase{"RADIOS", kTwo}),
                         [](const auto& info) { return std::string(info.param.dialog); });

constexpr int kFirstLine = -1;  // an empty list's: as high as an entry of the first list
constexpr int kWhole = -2;      // the control's rectangle (a combo box)

struct ListFocusCase {
  const char* what;
  int control;
  int click;  // the item the user clicks to give the focus; -1: Tab to the control
  int item;   // where the focus shows: an item, kFirstLine or kWhole
};

class ListFocus : public OnScreen, public ::testing::WithParamInterface<ListFocusCase> {};

// A focused list marks its current item so that the mark stands out against
// the item's highlight (or the list's background): the picture of the item
// with the focus against the one without.
TEST_P(ListFocus, StandsOutOnTheCurrentItem) {
  const ListFocusCase& c = GetParam();
  Open("LISTS", [&](HWND dlg) {
    if (c.click >= 0) {
      win::RECT r = t::ItemRect(dlg, c.control, c.click);
      xtest::Click(dlg, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    for (int tabs = 0; tabs < 8 && !t::HasFocus(dlg, c.control); ++tabs) xtest::Key(dlg, "Tab");
    ASSERT_TRUE(t::HasFocus(dlg, c.control));
    win::RECT item = c.item >= 0 ? t::ItemRect(dlg, c.control, c.item) : t::ControlRect(dlg, c.control);
    if (c.item == kFirstLine) item.bottom = item.top + t::ItemRect(dlg, kSingle, 0).height() + 2;  // and the border
    t::Image focused = t::ScreenGrab(dlg);
    xtest::Key(dlg, "Tab");
    ASSERT_FALSE(t::HasFocus(dlg, c.control));
    EXPECT_EQ(xtest::FocusMarkFault(focused, t::ScreenGrab(dlg), item), "");
    xtest::Key(dlg, "Escape");
  });
}

INSTANTIATE_TEST_SUITE_P(Lists, ListFocus,
                         ::testing::Values(ListFocusCase{"SelectedItemAtOpen", kSingle, -1, 1},
                                           ListFocusCase{"ClickedItemOfAMultiSelectList", kMulti, 2, 2},
                                           ListFocusCase{"EmptyList", kEmpty, -1, kFirstLine},
                                           ListFocusCase{"ComboBox", kCombo, -1, kWhole}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
