// SPDX-License-Identifier: MIT
// Grid-line and 3D text dialogs.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

// reserved, line kind, second-group flag, first style, second style, first count, second count
using Grid = std::array<short, 7>;

std::string Trimmed(std::string s) {
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

TEST_F(KestrinTest, GridLinesCountsShowOneMoreAndStoreOneLess) {
  struct Case {
    short stored;
    const char* shown;
    const char* typed;  // nullptr: left as shown
    short returned;
  };
  for (Case c : {Case{0, "2", nullptr, 1}, Case{1, "2", nullptr, 1}, Case{-4, "2", nullptr, 1},
                 Case{5, "6", nullptr, 5}, Case{5, "6", "0", 1}, Case{5, "6", "abc", 1}, Case{5, "6", "-3", 1},
                 Case{5, "6", " 10x", 9}, Case{5, "6", "70000", 32767}, Case{32767, "32768", nullptr, 32767},
                 Case{32766, "32767", nullptr, 32766}}) {
    Grid g{77, 1, 0, 2, 3, c.stored, c.stored};
    std::string first, second, padded;
    t::User user;
    user.OnDialog("DLOG_2DGridLines", [&](win::HWND dlg) {
      padded = t::Text(dlg, 8010);
      first = Trimmed(t::Text(dlg, 8010));
      second = Trimmed(t::Text(dlg, 8028));
      if (c.typed) {
        EXPECT_TRUE(t::Type(dlg, 8010, c.typed));
        EXPECT_TRUE(t::Type(dlg, 8028, c.typed));
      }
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_2DGridLines(g.data()), 1);
    EXPECT_EQ(first, c.shown) << c.stored;
    EXPECT_EQ(second, c.shown);
    EXPECT_GE(padded.size(), 4u);  // "%4d"
    EXPECT_EQ(g, (Grid{77, 1, 1, 2, 3, c.returned, c.returned})) << (c.typed ? c.typed : "");
  }
}

TEST_F(KestrinTest, GridLinesStartShowsStylesKindAndGroups) {
  struct Case {
    Grid record;
    std::vector<int> checked;  // among the boxes and radios
    bool first_group, kind_fields, second_group;
  };
  const std::vector<Case> cases{
      {{0, 0, 0, 0, 0, 1, 1}, {8007}, false, false, false},
      {{0, 1, 0, 3, 0, 1, 1}, {8001, 8004, 8008}, true, true, false},
      {{0, 0, 0, 5, 1, 1, 1}, {8001, 8006, 8007, 8021, 8022}, true, false, true},
      {{0, 1, 0, 0, 4, 1, 1}, {8008, 8021, 8025}, false, false, true},
      {{0, 0, 0, 6, -1, 1, 1}, {8001, 8007, 8021}, true, false, true},  // no radio for a style outside 1-5
  };
  std::vector<int> ids{8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008, 8021, 8022, 8023, 8024, 8025, 8026};
  for (const Case& c : cases) {
    Grid g = c.record;
    std::vector<int> checked;
    std::array<bool, 6> seen{};
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : ids)
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      seen = {t::IsVisible(dlg, 8002), t::IsVisible(dlg, 8007), t::IsVisible(dlg, 8009), t::IsVisible(dlg, 8010),
              t::IsEnabled(dlg, 8010), t::IsVisible(dlg, 8028)};
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(DLOG_2DGridLines(g.data()), 0);
    EXPECT_EQ(checked, c.checked);
    bool kind = c.record[1] != 0;
    EXPECT_EQ(seen, (std::array<bool, 6>{c.first_group, c.first_group, c.kind_fields, c.kind_fields, kind,
                                         c.second_group}));
    EXPECT_EQ(g, c.record);  // cancelled
  }
}

TEST_F(KestrinTest, GridLinesBoxesAndRadios) {
  struct Case {
    const char* name;
    Grid record;
    std::vector<int> clicks;
    Grid returned;
  };
  const std::vector<Case> cases{
      {"SecondOff", {9, 1, 1, 2, 3, 4, 5}, {8021}, {9, 1, 0, 2, 0, 4, 1}},
      {"FirstOff", {9, 1, 1, 2, 3, 4, 5}, {8001}, {9, 1, 1, 0, 3, 4, 5}},
      {"SecondOnTakesTheFirstStyle", {9, 0, 0, 2, 0, 4, 0}, {8021}, {9, 0, 1, 2, 1, 4, 1}},
      {"OffAndOnAgain", {9, 0, 0, 4, 0, 4, 0}, {8001, 8001}, {9, 0, 0, 1, 0, 4, 1}},
      {"Radios", {9, 0, 0, 1, 1, 4, 4}, {8005, 8026, 8008}, {9, 1, 1, 4, 5, 4, 4}},
      {"KindBack", {9, 1, 0, 1, 0, 4, 4}, {8007}, {9, 0, 0, 1, 0, 4, 1}},
  };
  for (const Case& c : cases) {
    Grid g = c.record;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << c.name << " " << id;
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_2DGridLines(g.data()), 1);
    EXPECT_EQ(g, c.returned) << c.name;
  }
}

TEST_F(KestrinTest, GridLinesCancelAfterChangesLeavesTheRecord) {
  Grid g{3, 1, 1, 2, 3, 0, 7};
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, 8021);
    t::Click(dlg, 8003);
    t::Type(dlg, 8010, "12");
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(DLOG_2DGridLines(g.data()), 0);
  EXPECT_EQ(g, (Grid{3, 1, 1, 2, 3, 0, 7}));
  EXPECT_EQ(DLOG_2DGridLines(nullptr), 0);
}

// --- 3D grid lines -------------------------------------------------------------

struct Grid3D {
  std::array<short, 6> boxes{};
  short mode = 0;
  short count = 0;
  friend bool operator==(const Grid3D&, const Grid3D&) = default;
};

TEST_F(KestrinTest, Grid3DStartsFromTheValuesAndReadsThemBack) {
  struct Case {
    Grid3D in;
    std::vector<int> clicks;
    const char* typed;
    bool ok;
    Grid3D out;
  };
  const std::vector<Case> cases{
      {{{1, 0, 1, 0, 0, 1}, 1, 4}, {}, nullptr, true, {{1, 0, 1, 0, 0, 1}, 1, 4}},
      {{{1, 0, 1, 0, 0, 1}, 1, 4}, {8104, 8105, 8100}, nullptr, true, {{0, 1, 1, 0, 0, 1}, 0, 4}},
      {{{0, 0, 0, 0, 0, 0}, 0, 3}, {8101}, "12", true, {{0, 0, 0, 0, 0, 0}, 1, 12}},
      {{{0, 0, 0, 0, 0, 0}, 5, 3}, {8109}, "x", true, {{0, 0, 0, 0, 0, 1}, 5, 0}},
      {{{1, 1, 1, 1, 1, 1}, 1, 3}, {8104}, "9", false, {{1, 1, 1, 1, 1, 1}, 1, 3}},
  };
  for (const Case& c : cases) {
    Grid3D v = c.in;
    std::vector<bool> start;
    std::string count;
    t::User user;
    user.OnDialog("DLOG_3DGridLines", [&](win::HWND dlg) {
      for (int id = 8104; id <= 8109; ++id) start.push_back(t::IsChecked(dlg, id));
      start.push_back(t::IsChecked(dlg, 8101));
      start.push_back(t::IsChecked(dlg, 8100));
      start.push_back(t::IsEnabled(dlg, 8103));
      start.push_back(t::IsEnabled(dlg, 8102));
      count = t::Text(dlg, 8103);
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << id;
      EXPECT_EQ(t::IsEnabled(dlg, 8103), t::IsChecked(dlg, 8101));
      if (c.typed) {
        EXPECT_TRUE(t::Type(dlg, 8103, c.typed));
      }
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(DLOG_3DGridLines(v.boxes.data(), &v.mode, &v.count), c.ok ? 1 : 0);
    std::vector<bool> expected;
    for (short b : c.in.boxes) expected.push_back(b != 0);
    bool mode = c.in.mode != 0;
    expected.insert(expected.end(), {mode, !mode, mode, mode});
    EXPECT_EQ(start, expected);
    EXPECT_EQ(count, std::to_string(c.in.count));
    EXPECT_EQ(v, c.out);
  }
}

struct Grid3DScatter {
  std::array<short, 3> boxes{};
  short mode = 0;
  std::array<short, 3> counts{};
  friend bool operator==(const Grid3DScatter&, const Grid3DScatter&) = default;
};

TEST_F(KestrinTest, Grid3DScatterShowsItsAxesOnlyWithGridLines) {
  struct Case {
    Grid3DScatter in;
    std::vector<int> clicks;
    bool ok;
    Grid3DScatter out;
  };
  const std::vector<Case> cases{
      {{{1, 0, 1}, 1, {2, 3, 4}}, {}, true, {{1, 0, 1}, 1, {2, 3, 4}}},
      {{{1, 0, 1}, 1, {2, 3, 4}}, {8104, 8105}, true, {{0, 1, 1}, 1, {2, 3, 4}}},
      {{{1, 0, 1}, 0, {2, 3, 4}}, {8111, 8106}, true, {{1, 0, 0}, 1, {2, 3, 4}}},
      {{{1, 0, 1}, 1, {2, 3, 4}}, {8110}, true, {{1, 0, 1}, 0, {2, 3, 4}}},
      {{{1, 0, 1}, 1, {2, 3, 4}}, {8110}, false, {{1, 0, 1}, 1, {2, 3, 4}}},
  };
  for (const Case& c : cases) {
    Grid3DScatter v = c.in;
    std::vector<bool> wrong_state;
    t::User user;
    user.OnDialog("DLOG_3DSCGridLines", [&](win::HWND dlg) {
      auto verify = [&] {
        bool on = t::IsChecked(dlg, 8111);
        for (int id : {8104, 8105, 8106, 8112, 8113, 8114, 8115}) wrong_state.push_back(t::IsVisible(dlg, id) != on);
        if (on)
          for (int i = 0; i < 3; ++i)
            wrong_state.push_back(t::IsEnabled(dlg, 8113 + i) != t::IsChecked(dlg, 8104 + i));
      };
      verify();
      for (int id : c.clicks) {
        EXPECT_TRUE(t::Click(dlg, id)) << id;
        verify();
      }
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(DLOG_3DSCGridLines(v.boxes.data(), &v.mode, &v.counts[0], &v.counts[1], &v.counts[2]), c.ok ? 1 : 0);
    EXPECT_EQ(std::count(wrong_state.begin(), wrong_state.end(), true), 0);
    EXPECT_EQ(v, c.out);
  }
}

TEST_F(KestrinTest, Grid3DScatterReadsItsCounts) {
  Grid3DScatter v{{1, 1, 1}, 1, {2, 3, 4}};
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    EXPECT_EQ(t::Text(dlg, 8114), "3");
    t::Type(dlg, 8113, "20");
    t::Type(dlg, 8114, "");
    t::Type(dlg, 8115, "7 lines");
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(DLOG_3DSCGridLines(v.boxes.data(), &v.mode, &v.counts[0], &v.counts[1], &v.counts[2]), 1);
  EXPECT_EQ(v.counts, (std::array<short, 3>{20, 0, 7}));
}

// OK at once hands back every 16-bit count as it was given; 2D counts below 2
// are the exception the shown-count rule makes (they come back 1).
TEST_F(KestrinTest, CountsLeftAloneComeBackAsGiven) {
  struct Case {
    const char* dialog;
    short given;
    short returned;
  };
  const Case cases[] = {
      {"DLOG_3DGridLines", -1, -1},         {"DLOG_3DGridLines", -2, -2},        {"DLOG_3DGridLines", 32767, 32767},
      {"DLOG_3DGridLines", -32768, -32768}, {"DLOG_3DGridLines", 0, 0},          {"DLOG_3DSCGridLines", -1, -1},
      {"DLOG_3DSCGridLines", -2, -2},       {"DLOG_3DSCGridLines", 32767, 32767}, {"DLOG_3DSCGridLines", 1, 1},
      {"DLOG_2DGridLines", 32767, 32767},   {"DLOG_2DGridLines", 2, 2},          {"DLOG_2DGridLines", 1, 1},
      {"DLOG_2DGridLines", -1, 1},          {"DLOG_CurveFit", -1, -1},           {"DLOG_CurveFit", -2, -2},
      {"DLOG_CurveFit", 32767, 32767},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dialog) + " " + std::to_string(c.given));
    t::User user;
    user.OnDialog([](win::HWND dlg) { t::Click(dlg, win::IDOK); });
    std::string dialog = c.dialog;
    std::vector<short> returned;
    if (dialog == "DLOG_3DGridLines") {
      Grid3D v{{1, 1, 1, 1, 1, 1}, 1, c.given};
      ASSERT_EQ(DLOG_3DGridLines(v.boxes.data(), &v.mode, &v.count), 1);
      returned = {v.count};
    } else if (dialog == "DLOG_3DSCGridLines") {
      Grid3DScatter v{{1, 1, 1}, 1, {c.given, c.given, c.given}};
      ASSERT_EQ(DLOG_3DSCGridLines(v.boxes.data(), &v.mode, &v.counts[0], &v.counts[1], &v.counts[2]), 1);
      returned = {v.counts.begin(), v.counts.end()};
    } else if (dialog == "DLOG_2DGridLines") {
      Grid g{0, 1, 1, 1, 1, c.given, c.given};
      ASSERT_EQ(DLOG_2DGridLines(g.data()), 1);
      returned = {g[5], g[6]};
    } else {
      std::array<short, 19> flags{};
      short kept = 0, value1 = 3, value2 = c.given, value3 = 3, extra = 0;
      ASSERT_EQ(DLOG_CurveFit(flags.data(), &kept, &value1, &value2, &value3, 0, 0, 10, 0, &extra), 1);
      returned = {value2};
    }
    EXPECT_EQ(returned, std::vector<short>(returned.size(), c.returned));
  }
}

// --- 3D text -------------------------------------------------------------------

struct Text3D {
  short box1 = 0, choice1 = 0, box2 = 0, choice2 = 0;
  friend bool operator==(const Text3D&, const Text3D&) = default;
};

TEST_F(KestrinTest, Text3DShowsOneOfItsTwoHalves) {
  struct Case {
    const char* name;
    Text3D in;
    int variant;
    std::vector<int> visible;  // among 8001-8006
    std::vector<int> checked;
    std::vector<int> clicks;
    Text3D out;
  };
  const std::vector<Case> cases{
      {"TitlesOn", {1, 1, 0, 0}, 1, {8001, 8002, 8003}, {8001, 8002}, {8003}, {1, 0, 0, 0}},
      // the hidden box 8004 keeps box2, which OK reads back
      {"TitlesOff", {0, 0, 1, 1}, 0x30000 + 2, {8001}, {8003, 8004}, {8001, 8002}, {1, 1, 1, 1}},
      {"LabelsVariant", {1, 1, 1, 0}, 0x10000, {8004, 8005, 8006}, {8004, 8006}, {8005, 8004}, {1, 1, 0, 1}},
      {"LabelsOff", {0, 0, 0, 1}, 0, {8004, 8005, 8006}, {8005}, {8004, 8006}, {0, 0, 1, 0}},
  };
  for (const Case& c : cases) {
    Text3D v = c.in;
    std::vector<int> visible, checked;
    t::User user;
    user.OnDialog("DLOG_3DTxtDlg", [&](win::HWND dlg) {
      for (int id = 8001; id <= 8006; ++id) {
        if (t::IsVisible(dlg, id)) visible.push_back(id);
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      }
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << c.name << " " << id;
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_3DText(&v.box1, &v.choice1, &v.box2, &v.choice2, c.variant), 1);
    EXPECT_EQ(visible, c.visible) << c.name;
    EXPECT_EQ(checked, c.checked) << c.name;
    EXPECT_EQ(v, c.out) << c.name;
  }
}

TEST_F(KestrinTest, GridAndTextDialogsCancelAndHelp) {
  struct Case {
    const char* name;
    short help;
    std::function<int()> call;
  };
  Grid g{1, 1, 1, 1, 1, 1, 1};
  Grid3D d;
  Grid3DScatter s;
  Text3D x{1, 1, 1, 1};
  const std::vector<Case> cases{
      {"DLOG_2DGridLines", 524, [&] { return DLOG_2DGridLines(g.data()); }},
      {"DLOG_3DGridLines", 513, [&] { return DLOG_3DGridLines(d.boxes.data(), &d.mode, &d.count); }},
      {"DLOG_3DSCGridLines", 515,
       [&] { return DLOG_3DSCGridLines(s.boxes.data(), &s.mode, &s.counts[0], &s.counts[1], &s.counts[2]); }},
      {"DLOG_3DTxtDlg", 516, [&] { return DLOG_3DText(&x.box1, &x.choice1, &x.box2, &x.choice2, 0); }},
  };
  for (const Case& c : cases) {
    host_.help.clear();
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      t::PressKey(dlg, t::Key::F1);
      t::Click(dlg, kestrin::kHelpButton);
      t::CloseBox(dlg);
    });
    EXPECT_EQ(c.call(), 0) << c.name;
    EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{c.name});
    EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{c.help, 11}, {c.help, 11}})) << c.name;
  }
  EXPECT_EQ(g, (Grid{1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(d, Grid3D{});
  EXPECT_EQ(s, Grid3DScatter{});
  EXPECT_EQ(x, (Text3D{1, 1, 1, 1}));
}

}  // namespace
