// SPDX-License-Identifier: MIT
// A Kestrin dialog on a real X server: the table-line samples change on the
// user's clicks, and the screen shows each sample as its flag says.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "hosts/charthost/dialogs.h"
#include "kestrin/kestrin.h"
#include "platform/win/dialog.h"
#include "platform/win/testing.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/support/x_screen.h"

namespace {

namespace t = win::testing;
using Flags = std::array<short, 16>;

constexpr std::uint32_t kDark = 0x828282;   // RGB(130, 130, 130): the flag is set
constexpr std::uint32_t kLight = 0xC0C0C0;  // RGB(192, 192, 192)

namespace lines {
constexpr int kFirst = 8000;  // the first sample, where the focus is at open
constexpr int kSelectAll = 8054;
constexpr int kClearAll = 8055;
}  // namespace lines

// The samples of each flag: 0-11 one each, 12 and 13 three, 14 and 15 twelve.
std::vector<int> SamplesOf(int flag) {
  std::vector<int> ids;
  auto run = [&](int first, int count) {
    for (int i = 0; i < count; ++i) ids.push_back(first + i);
  };
  if (flag < 12) run(8000 + flag, 1);
  else if (flag == 12) run(8020, 3);
  else if (flag == 13) run(8023, 3);
  else if (flag == 14) run(8042, 12);
  else run(8030, 12);
  return ids;
}

win::POINT Centre(win::HWND dialog, int id) {
  win::RECT r = t::ControlRect(dialog, id);
  return {r.left + r.width() / 2, r.top + r.height() / 2};
}

// The flags whose samples the screen shows dark; every sample of a flag alike.
Flags ShownFlags(win::HWND dialog) {
  t::Image screen = t::ScreenGrab(dialog);
  Flags shown{};
  EXPECT_GT(screen.width, 0) << "the dialog is not on the screen";
  if (screen.width == 0) return shown;
  for (int flag = 0; flag < 16; ++flag) {
    std::vector<std::uint32_t> colours;
    for (int id : SamplesOf(flag)) {
      win::POINT c = Centre(dialog, id);
      colours.push_back(xtest::Rgb(screen.at(c.x, c.y)));
    }
    for (std::uint32_t colour : colours) {
      EXPECT_TRUE(colour == kDark || colour == kLight) << "flag " << flag << ": " << std::hex << colour;
      EXPECT_EQ(colour, colours.front()) << "flag " << flag << " drawn two ways";
    }
    shown[static_cast<std::size_t>(flag)] = colours.front() == kDark;
  }
  return shown;
}

Flags With(std::initializer_list<int> set) {
  Flags f{};
  for (int flag : set) f[static_cast<std::size_t>(flag)] = 1;
  return f;
}

class OnScreen : public qvtest::KestrinTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xtest::OnXServer()) << "runs on the X server: tests/support/xserver exec";
    KestrinTest::SetUp();
  }
};

TEST_F(OnScreen, SamplesChangeOnTheScreenAsTheUserClicks) {
  struct Step {
    const char* what;
    int click;  // a sample, or a button
    Flags shown;
  };
  const std::vector<Step> steps = {
      {"a single line on", 8003, With({0, 3, 12})},
      {"a single line off", 8000, With({3, 12})},
      {"one sample of three switches all three", 8024, With({3, 12, 13})},
      {"one sample of twelve switches all twelve", 8035, With({3, 12, 13, 15})},
      {"Select All", lines::kSelectAll, With({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})},
      {"Clear All", lines::kClearAll, Flags{}},
      {"and on again", 8046, With({14})},
  };
  Flags flags = With({0, 12});
  {
    t::User user;
    user.OnDialog([&](win::HWND dialog) {
      EXPECT_EQ(ShownFlags(dialog), With({0, 12})) << "as it opens";
      for (const Step& s : steps) {
        xtest::Click(dialog, Centre(dialog, s.click));
        EXPECT_EQ(ShownFlags(dialog), s.shown) << s.what;
      }
      xtest::Click(dialog, Centre(dialog, win::IDOK));
    });
    ASSERT_EQ(DLOG_TablLine(flags.data()), 1);
    EXPECT_EQ(user.left_open(), 0);
  }
  EXPECT_EQ(flags, steps.back().shown);
}

// The samples in the dialog's tab order.
std::vector<int> SamplesInTabOrder() {
  std::vector<int> ids;
  for (int flag : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
    for (int id : SamplesOf(flag)) ids.push_back(id);
  return ids;
}

// How a sample looks without the focus, with its line off and on.
struct SampleLooks {
  std::vector<std::uint32_t> off, on;
};

// What is wrong with a focused sample's picture: a pixel that tells "on" from
// "off" without the focus shows otherwise, or nothing shows the focus.
std::string FocusedSampleFault(const std::vector<std::uint32_t>& focused, const SampleLooks& looks, bool on) {
  const std::vector<std::uint32_t>& plain = on ? looks.on : looks.off;
  if (focused.size() != plain.size() || looks.off.size() != looks.on.size()) return "not on the screen";
  int telling = 0, hidden = 0;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    if (looks.off[i] == looks.on[i]) continue;
    ++telling;
    hidden += focused[i] != plain[i];
  }
  if (hidden > 0)
    return "the focus hides " + std::to_string(hidden) + " of the " + std::to_string(telling) +
           " pixels that show the state";
  if (focused == plain) return "the focus does not show";
  return {};
}

// Each sample keeps its line's state readable while it has the focus: as the
// dialog opens, after a click (which gives the focus) and after Space.
TEST_F(OnScreen, TheFocusedSampleShowsItsStateAndTheFocus) {
  const std::vector<int> samples = SamplesInTabOrder();
  t::User user;
  user.OnDialog([&](win::HWND dialog) {
    ASSERT_TRUE(xtest::Activate(dialog));
    ASSERT_TRUE(t::HasFocus(dialog, lines::kFirst));
    auto picture = [&](const t::Image& screen, int id) { return xtest::Pixels(screen, t::ControlRect(dialog, id)); };
    const std::vector<std::uint32_t> at_open = picture(t::ScreenGrab(dialog), lines::kFirst);
    // Without the focus (on a button): every sample on, then every one off.
    std::map<int, SampleLooks> looks;
    xtest::Click(dialog, Centre(dialog, lines::kSelectAll));
    t::Image all_on = t::ScreenGrab(dialog);
    xtest::Click(dialog, Centre(dialog, lines::kClearAll));
    t::Image all_off = t::ScreenGrab(dialog);
    for (int id : samples) looks[id] = {picture(all_off, id), picture(all_on, id)};
    EXPECT_EQ(FocusedSampleFault(at_open, looks[lines::kFirst], true), "") << "sample " << lines::kFirst << " at open";
    auto focused = [&](int id) { return picture(t::ScreenGrab(dialog), id); };
    for (int id : samples) {
      xtest::Click(dialog, Centre(dialog, id));
      ASSERT_TRUE(t::HasFocus(dialog, id)) << "sample " << id;
      EXPECT_EQ(FocusedSampleFault(focused(id), looks[id], true), "") << "sample " << id << " clicked on";
      xtest::Key(dialog, "space");
      EXPECT_EQ(FocusedSampleFault(focused(id), looks[id], false), "") << "sample " << id << " off by Space";
    }
    xtest::Click(dialog, Centre(dialog, win::IDOK));
  });
  Flags flags = With({0});
  ASSERT_EQ(DLOG_TablLine(flags.data()), 1);
  EXPECT_EQ(user.left_open(), 0);
  EXPECT_EQ(flags, Flags{}) << "every line was switched on and off again";
}

// Every list and combo box of a dialog shows the focus when it has it: on a
// list's current item (selected: the dialog's own choice, or an item the user
// clicked in a multi-select list) a mark that stands out against the
// highlight; on a combo box's field.
struct ChoiceCase {
  const char* dialog;
  std::vector<std::string> args;  // charthost's: every list and combo shown
};

class ChoicesOnScreen : public OnScreen, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoicesOnScreen, ShowTheFocusOnTheCurrentItem) {
  const ChoiceCase& c = GetParam();
  const charthost::DialogEntry* entry = charthost::FindDialog(c.dialog);
  ASSERT_NE(entry, nullptr) << c.dialog;
  int checked = 0;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    ASSERT_TRUE(xtest::Activate(dlg));
    const win::DialogTemplate* tpl = module_->dialog(win::DialogTemplateName(dlg));
    ASSERT_NE(tpl, nullptr);
    for (const win::ControlTemplate& control : tpl->controls) {
      const int id = control.id;
      if (control.kind != win::ControlKind::ListBox && control.kind != win::ControlKind::ComboBox) continue;
      ASSERT_TRUE(t::IsVisible(dlg, id) && t::IsEnabled(dlg, id)) << id << " not shown with these arguments";
      win::RECT item = t::ControlRect(dlg, id);
      if (control.style.multi_select) {
        item = t::ItemRect(dlg, id, 0);
        xtest::Click(dlg, {item.left + item.width() / 2, item.top + item.height() / 2});
      } else {
        for (int tabs = 0; tabs < 40 && !t::HasFocus(dlg, id); ++tabs) xtest::Key(dlg, "Tab");
        if (control.kind == win::ControlKind::ListBox) item = t::ItemRect(dlg, id, t::Selection(dlg, id));
      }
      ASSERT_TRUE(t::HasFocus(dlg, id)) << id;
      t::Image focused = t::ScreenGrab(dlg);
      xtest::Key(dlg, "Tab");
      ASSERT_FALSE(t::HasFocus(dlg, id)) << id;
      EXPECT_EQ(xtest::FocusMarkFault(focused, t::ScreenGrab(dlg), item), "") << "control " << id;
      ++checked;
    }
    xtest::Key(dlg, "Escape");
  });
  std::ostringstream out, err;
  EXPECT_TRUE(entry->run(c.args, out, err)) << err.str();
  EXPECT_EQ(user.left_open(), 0);
  EXPECT_GT(checked, 0) << "no list or combo box in " << c.dialog;
}

const std::string kAllFlags = "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1";

// Each opens the template of its name.
const std::vector<ChoiceCase> kChoiceCases = {
    {"DLOG_NumberFormat", {"3"}},
    {"DLOG_AxisSplit", {"0,1,0,1,1", "0"}},
    {"DLOG_ScatOpt", {kAllFlags}},
    {"DLOG_SpecOpt", {kAllFlags}},
    {"DLOG_BarOpt", {kAllFlags}},
    {"DLOG_HistOpt", {kAllFlags}},
    {"DLOG_LineOpt", {kAllFlags}},
    {"DLOG_AreaOpt", {kAllFlags}},
    {"DLOG_HiloOpt", {kAllFlags}},
    {"DLOG_SpecDisp", {kAllFlags}},
    {"DLOG_HiloDisp", {kAllFlags, "0", "0", "0", "1", "1", "1"}},
    {"DLOG_ScatDisp", {kAllFlags, "0", "0", "0", "1", "1"}},
    {"DLOG_HistDisp", {kAllFlags}},
    {"DLOG_BarDisp", {kAllFlags, "0", "0", "1", "1"}},
    {"DLOG_BarDisplayOptions", {"1,1,1,1,1,1"}},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, ChoicesOnScreen, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.dialog); });

// The cases hold every template of the module that has a list or a combo box.
TEST_F(OnScreen, EveryTemplateWithAListOrAComboBoxIsLookedAt) {
  for (const win::DialogTemplate& tpl : module_->dialogs()) {
    bool choices = std::any_of(tpl.controls.begin(), tpl.controls.end(), [](const win::ControlTemplate& c) {
      return c.kind == win::ControlKind::ListBox || c.kind == win::ControlKind::ComboBox;
    });
    bool looked_at = std::any_of(kChoiceCases.begin(), kChoiceCases.end(),
                                 [&](const ChoiceCase& c) { return tpl.name.text() == c.dialog; });
    EXPECT_EQ(looked_at, choices) << tpl.name.text();
  }
}

// Radios that show and hide fields: after each click the screen shows the
// dialog exactly as its controls are now (nothing stale of the hidden or
// shown fields), and it shows something else than before the click.
TEST_F(OnScreen, FieldsShownAndHiddenByRadiosOnTheScreen) {
  struct Click {
    int radio;
    int field;  // shown or hidden by it
    bool shown;
  };
  struct Case {
    const char* dialog;
    std::function<int()> open;
    std::vector<Click> clicks;
  };
  std::array<short, 8> histogram{0, 1, 0, 0, 0, 4, 0, 0};  // mode 1, 5 intervals
  std::array<short, 5> division{1, 5, 6, 7, 1};              // rows and columns per part
  const std::vector<Case> cases = {
      {"DLOG_HistIntv", [&] { return DLOG_HistIntv(histogram.data()); },
       {{8002, 8003, false}, {8001, 8003, true}, {8002, 8004, false}}},
      {"DLOG_TablDiv", [&] { return DLOG_TablDiv(division.data()); },
       {{8001, 8011, false}, {8003, 8013, true}, {8002, 8012, true}, {8001, 8041, false}}},
  };
  for (const Case& c : cases) {
    t::User user;
    user.OnDialog([&](win::HWND dialog) {
      t::Image before = t::ScreenGrab(dialog);
      for (const Click& k : c.clicks) {
        xtest::Click(dialog, Centre(dialog, k.radio));
        EXPECT_EQ(t::IsVisible(dialog, k.field), k.shown) << c.dialog << " " << k.radio;
        t::Image screen = t::ScreenGrab(dialog);
        t::Image painted = t::Grab(dialog);
        ASSERT_EQ(screen.argb.size(), painted.argb.size()) << c.dialog;
        int stale = 0;
        for (std::size_t i = 0; i < screen.argb.size(); ++i)
          stale += xtest::Rgb(screen.argb[i]) != xtest::Rgb(painted.argb[i]);
        EXPECT_EQ(stale, 0) << c.dialog << " after " << k.radio;
        EXPECT_NE(screen.argb, before.argb) << c.dialog << " after " << k.radio;
        before = std::move(screen);
      }
      xtest::Click(dialog, Centre(dialog, win::IDCANCEL));
    });
    EXPECT_EQ(c.open(), 0) << c.dialog;
    EXPECT_EQ(user.left_open(), 0) << c.dialog;
  }
}

}  // namespace
