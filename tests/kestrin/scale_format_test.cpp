// SPDX-License-Identifier: MIT
// Scale range, number format and axis split.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/vantrel/vantrel.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/multiselect_list.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

// --- Scale range -------------------------------------------------------------

struct Scale {
  ScaleRange range{};
  short choice = 0, box8010 = 0, box8009 = 0;
};

bool Same(const Scale& a, const Scale& b) {
  return std::memcmp(&a.range, &b.range, sizeof a.range) == 0 && a.choice == b.choice && a.box8010 == b.box8010 &&
         a.box8009 == b.box8009;
}

Scale MakeScale(short manual, double first, double second, short choice = 0, short b10 = 0, short b9 = 0) {
  Scale s;
  s.range.manual = manual;
  s.range.first = first;
  s.range.second = second;
  s.choice = choice;
  s.box8010 = b10;
  s.box8009 = b9;
  return s;
}

int CallScale(Scale& s, int hide = 0, int swap = 0) {
  return DLOG_ScaleRange(&s.range, &s.choice, &s.box8010, &s.box8009, hide, swap);
}

TEST(ScaleRangeRecord, IsPackedAsTheChartEngineWritesIt) {
  EXPECT_EQ(offsetof(ScaleRange, manual), 0u);
  EXPECT_EQ(offsetof(ScaleRange, first), 2u);
  EXPECT_EQ(offsetof(ScaleRange, second), 10u);
}

TEST_F(KestrinTest, ScaleRangeStartShowsTheValues) {
  struct Case {
    Scale in;
    int hide;
    std::vector<int> checked;  // among 8001, 8002, 8007-8010
    bool manual_controls;      // 8003-8006 enabled, 8007/8008 shown
    bool mode_radios;
  };
  const std::vector<Case> cases{
      {MakeScale(0, 1, 2), 0, {8001, 8008}, false, true},
      {MakeScale(1, 1, 2, 1, 1, 0), 0, {8002, 8007, 8010}, true, true},
      {MakeScale(5, 1, 2, -1, 0, 3), 0x10001, {8002, 8007, 8009}, true, false},
      {MakeScale(0, 1, 2, 0, 1, 1), 0x10000, {8001, 8008, 8009, 8010}, false, true},
  };
  for (const Case& c : cases) {
    Scale s = c.in;
    std::vector<int> checked;
    std::vector<bool> state;
    std::string first, second;
    t::User user;
    user.OnDialog("DLOG_ScaleRange", [&](win::HWND dlg) {
      for (int id : {8001, 8002, 8007, 8008, 8009, 8010})
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      for (int id = 8003; id <= 8006; ++id) state.push_back(t::IsEnabled(dlg, id) == c.manual_controls);
      for (int id : {8007, 8008}) state.push_back(t::IsVisible(dlg, id) == c.manual_controls);
      for (int id : {8001, 8002}) state.push_back(t::IsVisible(dlg, id) == c.mode_radios);
      first = t::Text(dlg, 8006);
      second = t::Text(dlg, 8005);
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(CallScale(s, c.hide), 0);
    EXPECT_EQ(checked, c.checked);
    EXPECT_EQ(state, std::vector<bool>(8, true));
    EXPECT_EQ(first, vantrel::FormatNumber(1, 1));
    EXPECT_EQ(second, vantrel::FormatNumber(2, 1));
    EXPECT_TRUE(Same(s, c.in));
  }
}

TEST_F(KestrinTest, ScaleRangeSwapExchangesTheValuesForGood) {
  for (int swap : {1, 0x10000, -1}) {
    Scale s = MakeScale(1, 2.5, -7.25);
    t::User user;
    user.OnDialog([](win::HWND dlg) { t::PressKey(dlg, t::Key::Enter); });
    ASSERT_EQ(CallScale(s, 0, swap), 1);
    bool swapped = (swap & 0xFFFF) != 0;
    double first = s.range.first, second = s.range.second;  // copies: the record is packed
    EXPECT_EQ(first, swapped ? -7.25 : 2.5) << swap;
    EXPECT_EQ(second, swapped ? 2.5 : -7.25);
  }
}

TEST_F(KestrinTest, ScaleRangeOkAtOnceGivesTheValuesBackExactly) {
  for (double value : {1.05, 8.8, -18.5, 0.1 + 0.2, 1.0 / 3, -1.2345678901234567e-300, 1.7976931348623157e308}) {
    Scale s = MakeScale(1, value, -value);
    t::User user;
    user.OnDialog([](win::HWND dlg) { t::PressKey(dlg, t::Key::Enter); });
    ASSERT_EQ(CallScale(s), 1);
    double first = s.range.first, second = s.range.second;  // copies: the record is packed
    EXPECT_EQ(first, value);
    EXPECT_EQ(second, -value);
  }
}

TEST_F(KestrinTest, ScaleRangeReadsItsFieldsAsDecimals) {
  struct Case {
    const char* typed;
    double value;  // both fields read whole, up to 63 characters
  };
  for (Case c : {Case{"12.5", 12.5}, Case{"  -3e2x", -300}, Case{"abc", 0}, Case{"", 0}, Case{"1,5", 1},
                 Case{"inf", 0}, Case{"nan", 0}, Case{".5", 0.5}, Case{"+4", 4}, Case{"0x10", 0},
                 Case{"1.05", 1.05}, Case{"8.8", 8.8}, Case{"-18.5", -18.5},
                 Case{"1234567890123456789012345", 1234567890123456789012345.0},
                 Case{"0.00000000000000000000000000000000000012", 1.2e-37}}) {
    Scale s = MakeScale(1, 0, 0);
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      EXPECT_TRUE(t::Type(dlg, 8006, c.typed));
      EXPECT_TRUE(t::Type(dlg, 8005, c.typed));
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(CallScale(s), 1);
    double first = s.range.first, second = s.range.second;
    EXPECT_DOUBLE_EQ(first, c.value) << c.typed;
    EXPECT_DOUBLE_EQ(second, c.value) << c.typed;
  }
}

TEST_F(KestrinTest, ScaleRangeRadiosAndBoxes) {
  struct Case {
    Scale in;
    std::vector<int> clicks;
    bool ok;
    Scale out;
    bool manual_after;
  };
  const std::vector<Case> cases{
      {MakeScale(0, 1, 2), {8002, 8007, 8009}, true, MakeScale(1, 1, 2, 1, 0, 1), true},
      {MakeScale(1, 1, 2, 1, 1, 1), {8008, 8001, 8010}, true, MakeScale(0, 1, 2, 0, 0, 1), false},
      {MakeScale(1, 1, 2, 1, 1, 1), {8008, 8001, 8010}, false, MakeScale(1, 1, 2, 1, 1, 1), false},
  };
  for (const Case& c : cases) {
    Scale s = c.in;
    bool manual_after = false;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << id;
      manual_after = t::IsEnabled(dlg, 8006) && t::IsVisible(dlg, 8007);
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(CallScale(s), c.ok ? 1 : 0);
    EXPECT_EQ(manual_after, c.manual_after);
    EXPECT_TRUE(Same(s, c.out));
  }
}

// --- Number format -----------------------------------------------------------

std::vector<std::string> FormatNames() {
  std::vector<std::string> names;
  for (int i = 0; i < GetSFTableSize(); ++i) {
    std::array<char, vantrel::kFormatNameSize> name{};
    GetSFTableEntry(i, name.data());
    names.push_back(name.data());
  }
  return names;
}

TEST_F(KestrinTest, NumberFormatOpensOnTheFirstFormat) {
  for (short start : {1, 5, 0, 99, -3}) {
    short format = start;
    std::vector<std::string> names;
    int selected = -2;
    std::string sample;
    bool help_button = true;
    t::User user;
    user.OnDialog("DLOG_NumberFormat", [&](win::HWND dlg) {
      for (int i = 0; i < t::Count(dlg, 8000); ++i) names.push_back(t::ItemText(dlg, 8000, i));
      selected = t::Selection(dlg, 8000);
      sample = t::Text(dlg, 8001);
      help_button = t::Exists(dlg, kestrin::kHelpButton);
      t::PressKey(dlg, t::Key::F1);  // no help here
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_NumberFormat(&format), 1);
    EXPECT_EQ(format, 1) << start;
    EXPECT_EQ(names, FormatNames());
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(sample, vantrel::FormatNumber(23432.789, 1));
    EXPECT_FALSE(help_button);
    EXPECT_TRUE(host_.help.empty());
  }
}

TEST_F(KestrinTest, NumberFormatSampleFollowsTheSelection) {
  struct Case {
    int select;
    bool double_click;
    bool ok;
    short format;
  };
  for (Case c : {Case{3, false, true, 4}, Case{9, true, true, 10}, Case{2, false, false, 7}}) {
    short format = 7;
    std::string sample;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      EXPECT_TRUE(t::SelectItem(dlg, 8000, c.select));
      sample = t::Text(dlg, 8001);
      if (c.double_click) {
        EXPECT_TRUE(t::DoubleClickItem(dlg, 8000, c.select));
      } else {
        t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
      }
    });
    EXPECT_EQ(DLOG_NumberFormat(&format), c.ok ? 1 : 0);
    EXPECT_EQ(sample, vantrel::FormatNumber(23432.789, c.select + 1));
    EXPECT_EQ(format, c.format);
    EXPECT_EQ(user.left_open(), 0);
  }
  EXPECT_EQ(DLOG_NumberFormat(nullptr), 0);
}

// --- Axis split ----------------------------------------------------------------

constexpr int kChart = 7;

class AxisSplit : public KestrinTest {
 protected:
  void SetUp() override {
    KestrinTest::SetUp();
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) names.push_back("S" + std::to_string(i));
    vantrel::RegisterSeriesNames(kChart, names);
  }
  void TearDown() override {
    vantrel::ClearSeriesNames();
    KestrinTest::TearDown();
  }

  static std::vector<std::string> Items(win::HWND dlg, int id) {
    std::vector<std::string> items;
    for (int i = 0; i < t::Count(dlg, id); ++i) items.push_back(t::ItemText(dlg, id, i));
    return items;
  }
  static std::vector<int> Buttons(win::HWND dlg) {
    std::vector<int> shown;
    for (int id : {8000, 8001, 8004})
      if (t::IsVisible(dlg, id)) shown.push_back(id);
    return shown;
  }
};

TEST_F(AxisSplit, StartPutsEachSeriesInItsList) {
  struct Case {
    std::vector<char> axis;
    std::vector<std::string> first, second;
    std::vector<int> buttons;
  };
  const std::vector<Case> cases{
      {{0, 0, 0}, {"S0", "S1", "S2"}, {}, {8000}},
      {{1, 1, 1}, {}, {"S0", "S1", "S2"}, {8001}},
      {{0, 7, 0}, {"S0", "S2"}, {"S1"}, {8000}},
      {{0, 1}, {"S0"}, {"S1"}, {8004}},
      {{-1, 0}, {"S1"}, {"S0"}, {8004}},
      {{0, 0}, {"S0", "S1"}, {}, {8000}},
      {{}, {}, {}, {8001}},
  };
  for (const Case& c : cases) {
    std::vector<char> axis = c.axis;
    axis.push_back(42);  // beyond the count: untouched
    std::vector<std::string> first, second;
    std::vector<int> buttons;
    t::User user;
    user.OnDialog("DLOG_AxisSplit", [&](win::HWND dlg) {
      first = Items(dlg, 8002);
      second = Items(dlg, 8003);
      buttons = Buttons(dlg);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_AxisSplit(kChart, static_cast<int>(c.axis.size()), axis.data()), 1);
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(second, c.second);
    EXPECT_EQ(buttons, c.buttons);
    for (std::size_t i = 0; i < c.axis.size(); ++i) EXPECT_EQ(axis[i], c.axis[i] != 0 ? 1 : 0);
    EXPECT_EQ(axis.back(), 42);
  }
}

TEST_F(AxisSplit, MovingEverySeriesOffAnAxisIsRefused) {
  struct Case {
    std::vector<char> axis;
    int button;
    std::vector<int> select;  // in the move button's source list
    std::vector<char> out;
    std::size_t boxes;
  };
  const std::vector<Case> cases{
      {{0, 0, 0}, 8000, {0, 1, 2}, {0, 0, 0}, 1},
      {{0, 0, 0}, 8000, {}, {0, 0, 0}, 0},
      {{0, 0, 0}, 8000, {0, 2}, {1, 0, 1}, 0},
      {{1, 1, 0, 1}, 8001, {1, 2}, {1, 0, 0, 0}, 0},  // second list S0 S1 S3
      {{1, 1, 1}, 8001, {0, 1, 2}, {1, 1, 1}, 1},
  };
  for (const Case& c : cases) {
    std::vector<char> axis = c.axis;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      int source = c.button == 8000 ? 8002 : 8003;
      for (int i : c.select) EXPECT_TRUE(t::ToggleItem(dlg, source, i));
      EXPECT_TRUE(t::Click(dlg, c.button));
      EXPECT_EQ(win::ListBox_GetSelCount(win::GetDlgItem(dlg, source)), c.boxes != 0 ? 3 : 0);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_AxisSplit(kChart, static_cast<int>(axis.size()), axis.data()), 1);
    EXPECT_EQ(axis, c.out);
    ASSERT_EQ(user.message_boxes().size(), c.boxes);
    if (c.boxes) {
      EXPECT_EQ(user.message_boxes()[0].text, kestrin::LoadDlgString(3022));
      EXPECT_EQ(user.message_boxes()[0].caption, std::string(kestrin::LoadDlgString(3018)));
      EXPECT_EQ(user.message_boxes()[0].style, win::MB_ICONEXCLAMATION);
    }
  }
}

TEST_F(AxisSplit, MovedSeriesJoinTheEndOfTheOtherListLastFirst) {
  std::vector<char> axis{0, 1, 0, 0, 0};
  std::vector<std::string> first, second;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    for (int i : {1, 3}) t::ToggleItem(dlg, 8002, i);  // S2 and S4
    t::Click(dlg, 8000);
    first = Items(dlg, 8002);
    second = Items(dlg, 8003);
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(DLOG_AxisSplit(kChart, 5, axis.data()), 1);
  EXPECT_EQ(first, (std::vector<std::string>{"S0", "S3"}));
  EXPECT_EQ(second, (std::vector<std::string>{"S1", "S4", "S2"}));
  EXPECT_EQ(axis, (std::vector<char>{0, 1, 1, 0, 1}));
}

TEST_F(AxisSplit, AtMostThirtyTwoSeriesMoveAtOnce) {
  std::vector<char> axis(45, 0);
  std::size_t second_count = 0;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    for (int i = 0; i < 40; ++i) t::ToggleItem(dlg, 8002, i);
    t::Click(dlg, 8000);
    second_count = Items(dlg, 8003).size();
    EXPECT_EQ(win::ListBox_GetSelCount(win::GetDlgItem(dlg, 8002)), 0);
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(DLOG_AxisSplit(kChart, 45, axis.data()), 1);
  EXPECT_EQ(second_count, 32u);
  for (std::size_t i = 0; i < axis.size(); ++i) EXPECT_EQ(axis[i], i < 32 ? 1 : 0) << i;
}

TEST_F(AxisSplit, SelectingInTheOtherListMakesItActive) {
  std::vector<char> axis{0, 0, 1, 1};
  std::vector<std::vector<int>> buttons;
  std::vector<int> first_selected;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    buttons.push_back(Buttons(dlg));
    t::ToggleItem(dlg, 8002, 0);
    t::ToggleItem(dlg, 8003, 1);  // the second list becomes active, the first is deselected
    buttons.push_back(Buttons(dlg));
    first_selected.push_back(win::ListBox_GetSelCount(win::GetDlgItem(dlg, 8002)));
    t::Click(dlg, 8001);  // S3 back to the first axis
    t::ToggleItem(dlg, 8002, 0);
    buttons.push_back(Buttons(dlg));
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(DLOG_AxisSplit(kChart, 4, axis.data()), 1);
  EXPECT_EQ(buttons, (std::vector<std::vector<int>>{{8000}, {8001}, {8000}}));
  EXPECT_EQ(first_selected, std::vector<int>{0});
  EXPECT_EQ(axis, (std::vector<char>{0, 0, 1, 0}));
}

TEST_F(AxisSplit, TwoSeriesSwapPlaces) {
  for (int swaps : {1, 2}) {
    std::vector<char> axis{1, 0};
    std::vector<std::string> first, second;
    std::vector<int> buttons;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int i = 0; i < swaps; ++i) EXPECT_TRUE(t::Click(dlg, 8004));
      t::ToggleItem(dlg, 8003, 0);  // nothing switches here
      buttons = Buttons(dlg);
      first = Items(dlg, 8002);
      second = Items(dlg, 8003);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_AxisSplit(kChart, 2, axis.data()), 1);
    bool once = swaps == 1;
    EXPECT_EQ(first, std::vector<std::string>{once ? "S0" : "S1"});
    EXPECT_EQ(second, std::vector<std::string>{once ? "S1" : "S0"});
    EXPECT_EQ(buttons, std::vector<int>{8004});
    EXPECT_EQ(axis, once ? (std::vector<char>{0, 1}) : (std::vector<char>{1, 0}));
  }
}

TEST_F(AxisSplit, CancelLeavesTheAxesAndCountsAreBounded) {
  std::vector<char> axis{0, 0, 0};
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::ToggleItem(dlg, 8002, 0);
    t::Click(dlg, 8000);
    t::Click(dlg, kestrin::kHelpButton);
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(DLOG_AxisSplit(kChart, 3, axis.data()), 0);
  EXPECT_EQ(axis, (std::vector<char>{0, 0, 0}));
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{518, 11}}));
  EXPECT_EQ(DLOG_AxisSplit(kChart, 3, nullptr), 0);

  struct Case {
    int count;
    std::size_t listed;
  };
  // Every series passed is listed and written back, however many; bytes beyond stay.
  for (Case c : {Case{0x10000 + 3, 3}, Case{300, 300}, Case{-5, 0}}) {
    std::vector<char> many(310);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = i % 3 == 0 ? 2 : 0;
    std::vector<std::string> second;
    std::size_t listed = 0;
    t::User counting;
    counting.OnDialog([&](win::HWND dlg) {
      second = Items(dlg, 8003);
      listed = Items(dlg, 8002).size() + second.size();
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_AxisSplit(kChart, c.count, many.data()), 1);
    EXPECT_EQ(listed, c.listed) << c.count;
    EXPECT_EQ(second.size(), (c.listed + 2) / 3);
    if (c.listed == 300) {
      EXPECT_EQ(second.back(), "Series 298");  // the last series on the second axis, beyond 256
    }
    for (std::size_t i = 0; i < many.size(); ++i)
      EXPECT_EQ(many[i], i < c.listed ? (i % 3 == 0 ? 1 : 0) : (i % 3 == 0 ? 2 : 0)) << i;
  }
}

}  // namespace
