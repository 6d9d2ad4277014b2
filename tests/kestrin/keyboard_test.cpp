// SPDX-License-Identifier: MIT
// The chart dialogs as a keyboard user meets them on a real X server: access
// keys of labels and buttons, arrow keys in option groups, Enter on an
// owner-drawn sample, what charthost prints, the default look on the button
// Enter presses, the focus frame from the start, and a Yes/No box that Escape
// does not answer.

#include <gtest/gtest.h>

#include <QApplication>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "hosts/charthost/dialogs.h"
#include "hosts/charthost/host.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/testing.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/support/x_screen.h"
#include "tests/support/yes_no_box.h"

namespace {

namespace t = win::testing;
using win::HWND;

// The dialog takes the keys: a click on its own background (no control there).
void Activate(HWND dlg) { ASSERT_TRUE(xtest::Activate(dlg)); }

class OnXServer : public qvtest::KestrinTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xtest::OnXServer()) << "runs on the X server: tests/support/xserver exec";
    KestrinTest::SetUp();
    InitDialogsDLL(&host_, module_->handle(), 1);
  }
  // Opens a dialog as charthost does, with the user acting once it is the
  // active window; what charthost prints goes to out_. The user closes it.
  void Run(const char* dialog, const std::vector<std::string>& args, const std::function<void(HWND)>& act) {
    const charthost::DialogEntry* entry = charthost::FindDialog(dialog);
    ASSERT_NE(entry, nullptr) << dialog;
    t::User user;
    user.OnDialog([&](HWND dlg) {
      Activate(dlg);
      act(dlg);
    });
    std::ostringstream err;
    EXPECT_TRUE(entry->run(args, out_, err)) << err.str();
    EXPECT_EQ(user.left_open(), 0) << "the user did not close the dialog";
  }
  // charthost's host: help calls printed to the same output as the result line.
  std::ostringstream out_;
  charthost::ChartHost host_{&out_, true};
};

struct KeyCase {
  const char* what;
  const char* dialog;
  std::vector<std::string> args;
  std::vector<const char*> keys;  // X key names; "Alt_L+p" holds Alt
  const char* printed;            // what charthost prints
};

class Keys : public OnXServer, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, GiveWhatTheUserMeant) {
  const KeyCase& c = GetParam();
  Run(c.dialog, c.args, [&](HWND dlg) {
    for (const char* key : c.keys) ASSERT_TRUE(xtest::Key(dlg, key)) << key;
  });
  EXPECT_EQ(out_.str(), c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, Keys,
    ::testing::Values(
        // Access keys of labels: the focus to the next control that takes it.
        KeyCase{"PositionLabel", "DLOG_ScatOpt", {"1", "3", "4"}, {"Alt_L+p", "Down", "Return"},
                "result=1 flags=1 position=4 format=4\n"},
        KeyCase{"FormatLabel", "DLOG_ScatOpt", {"1", "3", "4"}, {"Alt_L+f", "Down", "Return"},
                "result=1 flags=1 position=3 format=5\n"},
        KeyCase{"FormatsLabel", "DLOG_NumberFormat", {"1"}, {"Alt_L+f", "Down", "Return"}, "result=1 format=2\n"},
        KeyCase{"IntervalsLabel", "DLOG_HistIntv", {"1", "4"}, {"Alt_L+i", "7", "Return"},
                "result=1 mode=1 count=6\n"},
        KeyCase{"RowsPerPartLabel", "DLOG_TablDiv", {"1,2,3,4,0"}, {"Alt_L+w", "5", "Return"},
                "result=1 record=1,5,3,4,0\n"},
        KeyCase{"StepsLabel", "ColorRangeDlog", {"5"}, {"Alt_L+n", "9", "Return"},
                "result=1 steps=9 from=65535,0,0 to=0,0,65535\n"},
        KeyCase{"FromLabel", "DLOG_ScaleRange", {"1", "1", "2"}, {"Alt_L+f", "3", "Return"},
                "result=1 manual=1 first=3 second=2 choice=0 box8010=0 box8009=0\n"},
        // Access keys of buttons, with Alt and, on a button, without.
        KeyCase{"OptionKey", "DLOG_WhichHilo", {"0", "1", "1"}, {"Alt_L+s", "Return"}, "result=1 choice=1\n"},
        KeyCase{"OptionKeyOnAButton", "DLOG_WhichHilo", {"0", "1", "1"}, {"t", "Return"}, "result=1 choice=2\n"},
        // The help call comes before the result line, which is whole.
        KeyCase{"HelpKey", "DLOG_WhichHilo", {"0", "1", "1"}, {"Alt_L+h", "Escape"},
                "help(543, 11)\nresult=0 choice=0\n"},
        KeyCase{"F1", "DLOG_ScatOpt", {"1", "3", "4"}, {"F1", "Escape"},
                "help(536, 11)\nresult=0 flags=1 position=3 format=4\n"},
        // Arrow keys select the next option of the group and stay inside it.
        KeyCase{"UpWraps", "DLOG_WhichHilo", {"0", "1", "1"}, {"Up", "Return"}, "result=1 choice=3\n"},
        KeyCase{"DownDown", "DLOG_WhichHilo", {"0", "1", "1"}, {"Down", "Right", "Return"}, "result=1 choice=2\n"},
        KeyCase{"HiddenSkipped", "DLOG_WhichHilo", {"1", "0", "1"}, {"Down", "Return"}, "result=1 choice=3\n"},
        KeyCase{"TwoOptions", "DLOG_HistIntv", {"0", "4"}, {"Down", "Return"}, "result=1 mode=1 count=4\n"},
        KeyCase{"FirstGroupOnly", "DLOG_DataOrientDlog", {"0", "0"}, {"Down", "Down", "Down", "Return"},
                "result=1 first=1 second=0\n"},
        KeyCase{"TabToTheSelectedOption", "DLOG_DataOrientDlog", {"0", "1"}, {"Tab", "Down", "Return"},
                "result=1 first=0 second=0\n"},
        KeyCase{"StylesNotCount", "DLOG_2DGridLines", {"0,1,0,1,3,0,5"}, {"Alt_L+s", "Up", "Return"},
                "result=1 record=0,1,1,5,3,1,5\n"},
        KeyCase{"PlacesNotLayout", "DLOG_Legend", {"1", "0", "0", "0", "3"}, {"Alt_L+r", "Up", "Return"},
                "result=1 show=1 second=0 placement=4 mode=0 count=3\n"},
        // Enter on an owner-drawn sample is OK; the sample stays as it was.
        KeyCase{"EnterOnASample", "DLOG_TablLine", {"1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0"}, {"Return"},
                "result=1 record=1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0\n"},
        KeyCase{"EscapeOnASample", "DLOG_TablLine", {"1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0"}, {"Escape"},
                "result=0 record=1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0\n"},
        // A number comes back in its shortest exact form.
        KeyCase{"ExactNumbers", "DLOG_ScaleRange", {"1", "1234.5678", "0.1"}, {"Return"},
                "result=1 manual=1 first=1234.5678 second=0.1 choice=0 box8010=0 box8009=0\n"}),
    [](const auto& info) { return std::string(info.param.what); });

// The colours of a band of pixels of a control as the screen shows it.
std::vector<std::uint32_t> Pixels(const t::Image& screen, win::RECT r) {
  std::vector<std::uint32_t> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(xtest::Rgb(screen.at(x, y)));
  return out;
}

TEST_F(OnXServer, TheDefaultButtonIsDrawnAsTheDefault) {
  t::User user;
  user.OnDialog([&](HWND dlg) {
    Activate(dlg);
    ASSERT_FALSE(t::HasFocus(dlg, win::IDOK));
    ASSERT_FALSE(t::HasFocus(dlg, win::IDCANCEL));
    t::Image screen = t::ScreenGrab(dlg);
    ASSERT_GT(screen.width, 0);
    // The two buttons have one size; their frames differ only by the default's mark.
    win::RECT ok = t::ControlRect(dlg, win::IDOK), cancel = t::ControlRect(dlg, win::IDCANCEL);
    ASSERT_EQ(ok.width(), cancel.width());
    EXPECT_NE(Pixels(screen, {ok.left, ok.top, ok.right, ok.top + 2}),
              Pixels(screen, {cancel.left, cancel.top, cancel.right, cancel.top + 2}));
    xtest::Key(dlg, "Escape");
  });
  short choice = 0;
  EXPECT_EQ(DLOG_WhichHilo(&choice, 1, 1), 0);
}

TEST_F(OnXServer, TheSamplesShowWhereTheFocusIs) {
  t::User user;
  user.OnDialog([&](HWND dlg) {
    Activate(dlg);
    HWND first = win::GetFocus();
    ASSERT_NE(first, nullptr);
    const int id = win::GetDlgCtrlID(first);
    win::RECT r = t::ControlRect(dlg, id);
    std::vector<std::uint32_t> focused = Pixels(t::ScreenGrab(dlg), r);
    xtest::Key(dlg, "Tab");
    ASSERT_FALSE(t::HasFocus(dlg, id));
    EXPECT_NE(Pixels(t::ScreenGrab(dlg), r), focused) << "sample " << id << " looks the same with the focus";
    xtest::Key(dlg, "Escape");
  });
  short flags[16] = {};
  EXPECT_EQ(DLOG_TablLine(flags), 0);
}

// The button's outer frame (its two top rows): where the default look shows.
std::vector<std::uint32_t> Frame(const t::Image& screen, HWND dlg, int id) {
  win::RECT r = t::ControlRect(dlg, id);
  return Pixels(screen, {r.left, r.top, r.right, r.top + 2});
}

struct LookCase {
  const char* what;
  const char* dialog;
  std::vector<std::string> args;
  std::vector<const char*> keys;  // after the dialog opened, its first stop a check box
  std::vector<int> buttons;       // the push buttons of the dialog
  int look;                       // the one drawn as the default
  const char* printed;            // after Enter, and Escape when the dialog stays open
};

class DefaultLook : public OnXServer, public ::testing::WithParamInterface<LookCase> {};

// The screen says what Enter presses: the focused push button has the default
// look and OK loses it; elsewhere OK has it. A focused button shows the focus.
TEST_P(DefaultLook, IsOnTheButtonEnterPresses) {
  const LookCase& c = GetParam();
  Run(c.dialog, c.args, [&](HWND dlg) {
    t::Image start = t::ScreenGrab(dlg);
    const std::vector<std::uint32_t> marked = Frame(start, dlg, win::IDOK);
    const std::vector<std::uint32_t> plain = Frame(start, dlg, win::IDCANCEL);
    ASSERT_NE(marked, plain);
    for (const char* key : c.keys) ASSERT_TRUE(xtest::Key(dlg, key)) << key;
    t::Image screen = t::ScreenGrab(dlg);
    for (int id : c.buttons) EXPECT_EQ(Frame(screen, dlg, id), id == c.look ? marked : plain) << "button " << id;
    if (t::HasFocus(dlg, c.look)) {
      win::RECT r = t::ControlRect(dlg, c.look);
      EXPECT_NE(Pixels(screen, r), Pixels(start, r)) << "button " << c.look << " shows no focus";
    }
    xtest::Key(dlg, "Return");
    if (win::IsWindowVisible(dlg)) xtest::Key(dlg, "Escape");
  });
  EXPECT_EQ(out_.str(), c.printed);
}

const std::vector<int> kOkCancelHelp = {win::IDOK, win::IDCANCEL, 3963};
const std::vector<int> kWithSelectAndClear = {win::IDOK, win::IDCANCEL, 3963, 8001, 8002};

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DefaultLook,
    ::testing::Values(
        LookCase{"FocusOnOk", "DLOG_ScatOpt", {"1", "3", "4"}, {"Tab", "Tab", "Tab"}, kOkCancelHelp, win::IDOK,
                 "result=1 flags=1 position=3 format=4\n"},
        LookCase{"FocusOnCancel", "DLOG_ScatOpt", {"1", "3", "4"}, {"Tab", "Tab", "Tab", "Tab"}, kOkCancelHelp,
                 win::IDCANCEL, "result=0 flags=1 position=3 format=4\n"},
        LookCase{"FocusOnHelp", "DLOG_ScatOpt", {"1", "3", "4"}, {"Tab", "Tab", "Tab", "Tab", "Tab"}, kOkCancelHelp,
                 3963, "help(536, 11)\nresult=0 flags=1 position=3 format=4\n"},
        LookCase{"FocusBackOnAField", "DLOG_ScatOpt", {"1", "3", "4"}, {"Tab", "Tab", "Tab", "Tab", "Alt_L+f"},
                 kOkCancelHelp, win::IDOK, "result=1 flags=1 position=3 format=4\n"},
        LookCase{"SelectAllAfterClearAll", "DLOG_SpecDisp", {"1,0,1,0,1,0,1,0,1,0,1", "2", "3"},
                 {"Alt_L+l", "Shift_L+Tab"}, kWithSelectAndClear, 8001, "result=0 flags=1,0,1,0,1,0,1,0,1,0,1 position=2 format=3\n"},
        LookCase{"BackOnABox", "DLOG_SpecDisp", {"1,0,1,0,1,0,1,0,1,0,1", "2", "3"},
                 {"Alt_L+l", "Shift_L+Tab", "Alt_L+g"}, kWithSelectAndClear, win::IDOK,
                 "result=1 flags=1,0,0,0,0,0,0,0,0,0,1 position=2 format=3\n"}),
    [](const auto& info) { return std::string(info.param.what); });

// The first focus of a dialog that starts on a check box or an option is
// drawn from the start: the control looks otherwise once Tab took the focus
// away, and as at the start when Shift+Tab brought it back.
class FirstFocus : public OnXServer, public ::testing::WithParamInterface<const char*> {};

TEST_P(FirstFocus, IsDrawnWhenTheDialogOpens) {
  Run(GetParam(), {}, [&](HWND dlg) {
    HWND first = win::GetFocus();
    ASSERT_NE(first, nullptr);
    const int id = win::GetDlgCtrlID(first);
    const std::string kind = t::Text(dlg, id);
    win::RECT r = t::ControlRect(dlg, id);
    std::vector<std::uint32_t> at_open = Pixels(t::ScreenGrab(dlg), r);
    xtest::Key(dlg, "Tab");
    ASSERT_FALSE(t::HasFocus(dlg, id));
    EXPECT_NE(Pixels(t::ScreenGrab(dlg), r), at_open) << "control " << id << " \"" << kind << "\" shows no focus at open";
    xtest::Key(dlg, "Shift_L+Tab");
    ASSERT_TRUE(t::HasFocus(dlg, id));
    EXPECT_EQ(Pixels(t::ScreenGrab(dlg), r), at_open) << "control " << id << " drawn otherwise at open";
    xtest::Key(dlg, "Escape");
  });
}

INSTANTIATE_TEST_SUITE_P(CheckBoxOrOption, FirstFocus,
                         ::testing::Values("DLOG_ScatOpt", "DLOG_HiloOpt", "DLOG_SpecDisp", "DLOG_BarDisplayOptions",
                                           "DLOG_2DGridLines", "DLOG_3DSCGridLines", "DLOG_ScaleRange",
                                           "DLOG_HistIntv", "DLOG_TablDiv", "DLOG_CurveFit", "DLOG_Legend",
                                           "DLOG_PieFeeler", "DLOG_WhichHilo", "DLOG_DataOrientDlog", "DLOG_3DText"),
                         [](const auto& info) { return std::string(info.param); });

// The access key's letter of a label is underlined: below the first letter
// ("P", "F": no descender, one stem) the lowest dark row is a line as wide as it.
TEST_F(OnXServer, TheAccessKeysOfLabelsAreUnderlined) {
  t::User user;
  user.OnDialog([&](HWND dlg) {
    Activate(dlg);
    t::Image screen = t::ScreenGrab(dlg);
    ASSERT_GT(screen.width, 0);
    for (int id : {8013, 8014}) {  // "&Position:", "&Format:"
      win::RECT r = t::ControlRect(dlg, id);
      auto dark = [&](int x, int y) { return (xtest::Rgb(screen.at(x, y)) & 0xFF) < 0x60; };
      int lowest = -1;
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.left + 6; ++x)
          if (dark(x, y)) lowest = y;
      ASSERT_GE(lowest, 0) << id;
      int run = 0, longest = 0;
      for (int x = r.left; x < r.left + 8; ++x) {
        run = dark(x, lowest) ? run + 1 : 0;
        longest = std::max(longest, run);
      }
      EXPECT_GE(longest, 4) << "label " << id << ": no line under its first letter";
    }
    xtest::Key(dlg, "Escape");
  });
  short flags[32] = {1}, position = 0, format = 1;
  EXPECT_EQ(DLOG_ScatOpt(flags, &position, &format), 0);
}

// A Yes/No box has no Cancel: Escape and the close box leave it open; Yes answers.
TEST_F(OnXServer, AYesNoBoxIsNotAnsweredByEscapeOrItsCloseBox) {
  qvtest::YesNoBoxUser user;
  EXPECT_EQ(MSG_Box(3, 3022), win::IDYES);
  EXPECT_EQ(user.open_after(), (std::vector<bool>{true, true}));
}

}  // namespace
