// SPDX-License-Identifier: MIT
// Curve fitting and legend dialogs.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/vantrel/vantrel.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

std::string String(int id) { return kestrin::LoadDlgString(id); }

std::string Trimmed(std::string s) {
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

// --- Curve fit -------------------------------------------------------------------

constexpr std::array<int, 18> kBoxes{8002, 8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010,
                                     8011, 8012, 8013, 8024, 8025, 8026, 8027, 8028, 8029};
constexpr short kSentinel = 77;

struct Curve {
  std::array<short, 20> flags{};  // 19 and a sentinel
  short kept = 33;
  short value1 = 3, value2 = 4, value3 = 5;
  short extra = 0;
  friend bool operator==(const Curve&, const Curve&) = default;
};

Curve MakeCurve(std::initializer_list<int> checked_boxes, short radio_flag = 1) {
  Curve c;
  c.flags[19] = kSentinel;
  c.flags[18] = radio_flag;
  for (int id : checked_boxes) {
    auto at = std::find(kBoxes.begin(), kBoxes.end(), id) - kBoxes.begin();
    c.flags[static_cast<std::size_t>(at)] = 1;
  }
  return c;
}

int Call(Curve& c, int points, int hide8004 = 0, int hide8005 = 0) {
  return DLOG_CurveFit(c.flags.data(), &c.kept, &c.value1, &c.value2, &c.value3, hide8004, hide8005, points, 12345,
                       &c.extra);
}

TEST_F(KestrinTest, CurveFitDefaultsTheValuesThatAreOutOfRange) {
  struct Case {
    int points;
    short value1, value2, value3;
    std::array<const char*, 3> shown;
  };
  for (Case c : {Case{10, 0, 4, 10, {"9", "4", "9"}}, Case{10, -3, -7, 9, {"9", "-7", "9"}},
                 Case{10, 5, 0, 1, {"5", "0", "1"}}, Case{2, 5, 4, 1, {"1", "4", "1"}},
                 Case{0, 5, 4, 1, {"1", "4", "1"}}, Case{-5, 1, 4, 1, {"1", "4", "1"}},
                 Case{0x10000 + 10, 12, 4, 3, {"9", "4", "3"}}}) {
    Curve v = MakeCurve({8006, 8011});
    v.value1 = c.value1;
    v.value2 = c.value2;
    v.value3 = c.value3;
    std::array<std::string, 3> shown;
    std::string padded;
    t::User user;
    user.OnDialog("DLOG_2DCURVES", [&](win::HWND dlg) {
      shown = {Trimmed(t::Text(dlg, 8018)), Trimmed(t::Text(dlg, 8019)), Trimmed(t::Text(dlg, 8023))};
      padded = t::Text(dlg, 8018);
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(Call(v, c.points), 0);
    EXPECT_EQ(shown, (std::array<std::string, 3>{c.shown[0], c.shown[1], c.shown[2]})) << c.points;
    EXPECT_EQ(padded.size(), 4u);  // "%4d"
    EXPECT_EQ(v.value1, c.value1);  // cancelled
  }
}

TEST_F(KestrinTest, CurveFitStartShowsWhatTheBoxesUse) {
  struct Case {
    const char* name;
    Curve in;
    int hide8004, hide8005;
    std::vector<int> visible;  // among the controls below
  };
  const std::vector<int> controls{8004, 8005, 8012, 8013, 8014, 8015, 8016, 8017, 8018, 8019, 8022, 8023};
  const std::vector<Case> cases{
      {"Nothing", MakeCurve({}), 0, 0, {8004, 8005}},
      {"Average", MakeCurve({8006}), 0, 0, {8004, 8005, 8015, 8016, 8022, 8023}},
      {"Order", MakeCurve({8011}), 0, 0, {8004, 8005, 8012, 8013, 8014, 8017, 8018, 8019}},
      {"TwoFits", MakeCurve({8007, 8029}), 1, 0, {8005, 8014, 8019}},
      {"Band", MakeCurve({8005}), 0, 0x10000, {8004, 8005, 8014, 8019}},
      {"BandHidden", MakeCurve({8005}), 0, 1, {8004, 8014, 8019}},
  };
  for (const Case& c : cases) {
    Curve v = c.in;
    std::vector<int> visible, checked;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : controls)
        if (t::IsVisible(dlg, id)) visible.push_back(id);
      for (int id : kBoxes)
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      t::PressKey(dlg, t::Key::Escape);
    });
    Call(v, 10, c.hide8004, c.hide8005);
    EXPECT_EQ(visible, c.visible) << c.name;
    std::vector<int> expected;
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
      if (c.in.flags[i]) expected.push_back(kBoxes[i]);
    EXPECT_EQ(checked, expected) << c.name;
  }
}

TEST_F(KestrinTest, CurveFitClicksAndRulesAB) {
  struct Case {
    std::vector<int> clicks;
    bool rule_a, rule_b;
  };
  const std::vector<Case> cases{
      {{8007}, true, true},         {{8007, 8008}, true, false}, {{8005}, true, false},
      {{8011}, true, true},         {{8026, 8026}, false, false}, {{8002, 8003, 8004}, false, false},
      {{8025, 8011, 8011}, true, true},
  };
  for (const Case& c : cases) {
    Curve v = MakeCurve({});
    bool a = false, b = false;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << id;
      a = t::IsVisible(dlg, 8014) && t::IsVisible(dlg, 8019);
      b = t::IsVisible(dlg, 8012) && t::IsVisible(dlg, 8013);
      t::PressKey(dlg, t::Key::Escape);
    });
    Call(v, 10);
    EXPECT_EQ(a, c.rule_a) << c.clicks.front();
    EXPECT_EQ(b, c.rule_b) << c.clicks.front();
  }
}

TEST_F(KestrinTest, CurveFitOkReadsVisibleEnabledCheckedBoxes) {
  Curve v = MakeCurve({8002, 8012, 8013, 8004});  // 8012/8013 hidden by rule B, 8004 hidden by its switch
  v.flags[18] = 0;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    win::EnableWindow(win::GetDlgItem(dlg, 8002), false);
    EXPECT_TRUE(t::Click(dlg, 8003));
    EXPECT_TRUE(t::Click(dlg, 8179));  // the layer toggles it
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(Call(v, 10, 1), 1);
  Curve expected = MakeCurve({8003});
  expected.flags[18] = 0;  // radio 8016 still checked, though hidden with its group
  expected.extra = 1;
  EXPECT_EQ(v, expected);
}

TEST_F(KestrinTest, CurveFitRadioPairAndValues) {
  struct Case {
    short radio_flag;
    int click;  // 0: none
    short returned;
  };
  for (Case c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{0, 8015, 1}, Case{5, 8016, 0}}) {
    Curve v = MakeCurve({8006, 8011}, c.radio_flag);
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      if (c.click) t::Click(dlg, c.click);
      t::Type(dlg, 8018, "7");
      t::Type(dlg, 8019, "70000");
      t::Type(dlg, 8023, " 2x");
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(Call(v, 10), 1);
    EXPECT_EQ(v.flags[18], c.returned);
    // 70000 is beyond what 16 bits hold shown unsigned: the largest, 65535, is -1
    EXPECT_EQ(std::make_tuple(v.value1, v.value2, v.value3), std::make_tuple(short{7}, short{-1}, short{2}));
    EXPECT_EQ(v.kept, 33);
    EXPECT_EQ(v.flags[19], kSentinel);
  }
}

TEST_F(KestrinTest, CurveFitRefusesValuesOutOfRange) {
  struct Case {
    const char* name;
    int points;
    std::vector<int> boxes;
    const char* value1;
    const char* value3;
    std::vector<int> messages;  // texts of the stop boxes, in order
  };
  const std::vector<Case> cases{
      {"Value3AtPoints", 10, {8006}, nullptr, "10", {3023}},
      {"Value3Zero", 10, {8006}, nullptr, "0", {3023}},
      {"Value1Beyond", 10, {8011}, "11", nullptr, {3024}},
      {"BothValue3First", 10, {8006, 8011}, "11", "12", {3023}},
      {"Unchecked", 10, {}, nullptr, nullptr, {}},
      {"OnePointDefaults", 1, {8006}, nullptr, nullptr, {3023}},
      {"TwoPointsOneIsBelow", 2, {8006, 8011}, nullptr, nullptr, {}},
      {"Accepted", 10, {8006, 8011}, "9", "1", {}},
  };
  for (const Case& c : cases) {
    Curve v;
    v.flags[19] = kSentinel;
    v.value1 = 0;
    v.value3 = 0;
    bool open = false;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : c.boxes) t::Click(dlg, id);
      if (c.value1) t::Type(dlg, 8018, c.value1);
      if (c.value3) t::Type(dlg, 8023, c.value3);
      t::PressKey(dlg, t::Key::Enter);
      open = win::IsWindowVisible(dlg);  // an ended dialog is hidden
      if (open) t::PressKey(dlg, t::Key::Escape);
    });
    int result = Call(v, c.points);
    std::vector<int> messages;
    for (const win::MessageBoxRequest& box : user.message_boxes()) {
      EXPECT_EQ(box.caption, String(3019));
      EXPECT_EQ(box.style, win::MB_ICONSTOP);
      messages.push_back(box.text == String(3023) ? 3023 : box.text == String(3024) ? 3024 : 0);
    }
    EXPECT_EQ(messages, c.messages) << c.name;
    EXPECT_EQ(open, !c.messages.empty()) << c.name;
    EXPECT_EQ(result, c.messages.empty() ? 1 : 0) << c.name;
  }
}

TEST_F(KestrinTest, CurveFitCancelAndMissingValues) {
  Curve v = MakeCurve({8007, 8011});
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, 8007);
    t::Click(dlg, 8179);
    t::Click(dlg, kestrin::kHelpButton);
    t::CloseBox(dlg);
  });
  EXPECT_EQ(Call(v, 10), 0);
  EXPECT_EQ(v, MakeCurve({8007, 8011}));
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{522, 11}}));
  EXPECT_EQ(DLOG_CurveFit(v.flags.data(), &v.kept, &v.value1, &v.value2, &v.value3, 0, 0, 10, 0, nullptr), 0);
}

// --- Legend ----------------------------------------------------------------------

struct Legend {
  short show = 1, second = 0, placement = 0, mode = 0, count = 3;
  friend bool operator==(const Legend&, const Legend&) = default;
};

int Call(Legend& l, int max) { return DLOG_Legend(&l.show, &l.second, &l.placement, &l.mode, &l.count, max); }

TEST_F(KestrinTest, LegendStartShowsTheModesControls) {
  struct Case {
    Legend in;
    std::vector<int> hidden;  // among 8002-8013
    std::vector<int> checked;
    std::string count;
  };
  const std::vector<Case> cases{
      {{1, 0, 2, 0, 3}, {8012}, {8001, 8005, 8008}, "3"},
      {{1, 1, 4, 1, 0}, {8011}, {8001, 8002, 8007, 8009}, "6"},  // no count: the maximum
      {{1, 0, 0, 2, 2}, {8011, 8012, 8013}, {8001, 8003, 8010}, "2"},
      {{0, 1, 1, 0, -4}, {8002, 8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010, 8011, 8012, 8013},
       {8002, 8004, 8008}, "6"},
      // outside the radios: none checked; the count shown as in mode 0, one label only
      {{1, 0, 9, -1, 3}, {8012}, {8001}, "3"},
      {{1, 0, 1, 3, 3}, {8012}, {8001, 8004}, "3"},
  };
  for (const Case& c : cases) {
    Legend l = c.in;
    std::vector<int> hidden, checked;
    std::string count;
    t::User user;
    user.OnDialog("DLOG_Legend", [&](win::HWND dlg) {
      for (int id = 8001; id <= 8013; ++id) {
        if (!t::IsVisible(dlg, id)) hidden.push_back(id);
        if (t::Exists(dlg, id) && t::IsChecked(dlg, id)) checked.push_back(id);
      }
      count = t::Text(dlg, 8013);
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(Call(l, 6), 0);
    EXPECT_EQ(hidden, c.hidden);
    EXPECT_EQ(checked, c.checked);
    EXPECT_EQ(count, vantrel::FormatNumber(std::stod(c.count), 2));
    EXPECT_EQ(l, c.in);
  }
}

TEST_F(KestrinTest, LegendClicks) {
  struct Case {
    Legend in;
    std::vector<int> clicks;
    std::vector<int> hidden;
    Legend out;
  };
  const std::vector<Case> cases{
      {{1, 0, 0, 0, 3}, {8009}, {8011}, {1, 0, 0, 1, 3}},
      {{1, 0, 0, 1, 3}, {8010, 8006}, {8011, 8012, 8013}, {1, 0, 3, 2, 0}},  // mode 2 returns no count
      {{1, 0, 0, 1, 3}, {8008, 8002}, {8012}, {1, 1, 0, 0, 3}},
      {{1, 0, 0, 2, 3}, {8001}, {8002, 8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010, 8011, 8012, 8013},
       {0, 0, 0, 2, 0}},
      {{0, 0, 0, 1, 3}, {8001}, {8011}, {1, 0, 0, 1, 3}},
  };
  for (const Case& c : cases) {
    Legend l = c.in;
    std::vector<int> hidden;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << id;
      for (int id = 8002; id <= 8013; ++id)
        if (!t::IsVisible(dlg, id)) hidden.push_back(id);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(Call(l, 6), 1);
    EXPECT_EQ(hidden, c.hidden) << c.clicks.front();
    EXPECT_EQ(l, c.out) << c.clicks.front();
  }
}

TEST_F(KestrinTest, LegendCountIsCorrectedToTheMaximum) {
  struct Case {
    short mode;
    short start;
    const char* typed;  // nullptr: as shown
    short returned;
    bool box;
  };
  for (Case c : {Case{0, 9, nullptr, 6, true}, Case{2, 9, nullptr, 0, false}, Case{0, 3, "4", 4, false},
                 Case{2, 4, nullptr, 0, false}, Case{1, 3, "0", 6, true}, Case{1, 3, "-3", 6, true},
                 Case{0, 3, "65537", 6, true}, Case{0, 3, "abc", 6, true}, Case{1, 3, " 6 entries", 6, false},
                 Case{1, 0, nullptr, 6, false}}) {
    Legend l{1, 0, 0, c.mode, c.start};
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      if (c.typed) {
        EXPECT_TRUE(t::Type(dlg, 8013, c.typed));
      }
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(Call(l, 0x10000 + 6), 1);
    EXPECT_EQ(l.count, c.returned) << (c.typed ? c.typed : "") << " mode " << c.mode;
    ASSERT_EQ(user.message_boxes().size(), c.box ? 1u : 0u);
    if (c.box) {
      EXPECT_EQ(user.message_boxes()[0].text, String(3038));
      EXPECT_EQ(user.message_boxes()[0].caption, String(3020));
      EXPECT_EQ(user.message_boxes()[0].style, win::MB_ICONINFORMATION);
    }
  }
}

TEST_F(KestrinTest, LegendCancelAndMissingValues) {
  Legend l{1, 0, 1, 1, -2};
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, 8002);
    t::Type(dlg, 8013, "2");
    t::PressKey(dlg, t::Key::F1);
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(Call(l, 6), 0);
  EXPECT_EQ(l, (Legend{1, 0, 1, 1, -2}));
  EXPECT_TRUE(user.message_boxes().empty());
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{530, 11}}));
  EXPECT_EQ(DLOG_Legend(&l.show, &l.second, &l.placement, &l.mode, nullptr, 6), 0);
}

}  // namespace
