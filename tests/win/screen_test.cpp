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
)";

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

}  // namespace
