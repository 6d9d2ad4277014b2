// SPDX-License-Identifier: MIT
// The display option dialogs: one table of the members' boxes and buttons,
// then each member's own rules.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/window.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;
using qvtest::Visibility;

constexpr short kSentinel = 40;

struct Values {
  std::array<short, 24> flags{};
  short position = 1;
  short format = 2;
  short style = 1;
  short offset1 = 0, offset2 = 1;  // scatter: position 1
  friend bool operator==(const Values&, const Values&) = default;
};

struct Box {
  int id;
  int flag;
};

struct Member {
  const char* name;
  short help_id;
  std::function<int(Values&)> call;  // with every switch that shows a box on
  std::vector<Box> boxes;
  std::vector<int> select_list;
  int select_button = 8001, clear_button = 8002;
  bool select_skips_disabled = true;
};

std::ostream& operator<<(std::ostream& os, const Member& m) { return os << m.name; }

std::vector<Box> Run(int first_id, int count) {
  std::vector<Box> boxes;
  for (int i = 0; i < count; ++i) boxes.push_back({first_id + i, i});
  return boxes;
}

std::vector<int> IdsOf(const std::vector<Box>& boxes) {
  std::vector<int> ids;
  for (const Box& b : boxes) ids.push_back(b.id);
  return ids;
}

const std::vector<Member>& Members() {
  static const std::vector<Box> hist{{8003, 0}, {8004, 1}, {8005, 2}, {8007, 4},
                                     {8021, 6}, {8022, 7}, {8023, 8}, {8024, 9}};
  static const std::vector<Box> pie{{8003, 0}, {8004, 1}, {8005, 2}, {8006, 3}, {8007, 8},
                                    {8008, 7}, {8010, 5}, {8011, 6}, {8009, 4}};
  static const std::vector<Member> members{
      {"DLOG_SpecDisp", 538, [](Values& v) { return DLOG_SpecDisp(v.flags.data(), &v.position, &v.format); },
       {{8003, 0}, {8004, 1}, {8005, 2}, {8006, 3}, {8007, 4}, {8021, 5}, {8022, 6}, {8025, 7}, {8023, 8},
        {8024, 9}, {8026, 10}},
       {8003, 8004, 8005, 8006, 8007, 8021, 8022, 8023, 8024}},
      {"DLOG_HiloDisp", 525,
       [](Values& v) { return DLOG_HiloDisp(v.flags.data(), &v.position, &v.format, &v.style, 1, 1, 1); },
       {{8011, 0}, {8012, 1}, {8013, 2}, {8014, 3}, {8015, 4}, {8017, 6}, {8018, 7}, {8021, 8}, {8022, 9},
        {8024, 11}, {8025, 12}, {8026, 13}, {8027, 14}, {8028, 15}, {8029, 16}},
       {8011, 8012, 8013, 8014, 8015, 8021, 8022, 8024, 8025, 8027, 8028}},
      {"DLOG_ScatDisp", 535,
       [](Values& v) { return DLOG_ScatDisp(v.flags.data(), &v.offset1, &v.offset2, &v.format, 1, 1); },
       {{8011, 0}, {8012, 1}, {8013, 2}, {8014, 3}, {8021, 6}, {8022, 7}, {8023, 8}, {8024, 9}, {8025, 10},
        {8026, 11}, {8027, 12}, {8028, 13}, {8029, 14}, {8016, 15}, {8017, 16}},
       {8011, 8012, 8013, 8014, 8021, 8022, 8024, 8025, 8027, 8028, 8016, 8017}},
      {"DLOG_HistDisp", 527, [](Values& v) { return DLOG_HistDisp(v.flags.data(), &v.position, &v.format); }, hist,
       IdsOf(hist)},
      {"DLOG_BarDisp", 520, [](Values& v) { return DLOG_BarDisp(v.flags.data(), &v.position, &v.format, 1, 1); },
       {{8003, 0}, {8004, 1}, {8005, 2}, {8006, 3}, {8007, 4}, {8021, 6}, {8022, 7}, {8032, 8}, {8024, 10},
        {8025, 11}, {8033, 12}, {8026, 13}, {8027, 14}, {8028, 15}, {8034, 16}, {8029, 17}, {8030, 18}, {8031, 19}},
       {8003, 8004, 8005, 8006, 8007, 8021, 8022, 8024, 8025, 8027, 8028, 8030, 8031}},
      {"DLOG_PieDisp", 533, [](Values& v) { return DLOG_PieDisp(v.flags.data(), 1); }, pie, IdsOf(pie)},
      {"DLOG_3DDisp", 512, [](Values& v) { return DLOG_3DDisp(v.flags.data()); },
       {{8003, 7}, {8004, 8}, {8005, 9}, {8006, 3}, {8007, 5}, {8008, 4}, {8009, 6}, {8010, 0}, {8012, 11},
        {8011, 10}, {8013, 1}, {8014, 12}, {8015, 13}, {8016, 2}},
       {8003, 8004, 8005, 8006, 8007, 8008, 8009, 8012, 8011, 8014, 8015}, 8001, 8002, false},
      {"DLOG_3DScDisp", 514, [](Values& v) { return DLOG_3DScDisp(v.flags.data(), 1); },
       {{8003, 0}, {8004, 1}, {8005, 2}, {8006, 9}, {8007, 10}, {8008, 12}, {8009, 13}, {8010, 7}, {8021, 8},
        {8022, 3}, {8023, 4}, {8024, 11}, {8025, 5}, {8026, 6}, {8027, 14}, {8134, 15}},
       {8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010, 8022, 8023, 8025, 8026, 8134}},
      {"DLOG_DisplayOptions2D", 523, [](Values& v) { return DLOG_DisplayOptions2D(v.flags.data()); }, Run(8001, 14),
       {8005, 8006, 8007, 8008, 8009, 8010, 8011, 8012, 8013, 8014}, 8019, 8020, false},
  };
  return members;
}

// Flags of the table at start, every other flag a sentinel.
Values Start(const Member& m, short table_value) {
  Values v;
  for (std::size_t i = 0; i < v.flags.size(); ++i) v.flags[i] = static_cast<short>(kSentinel + i);
  for (const Box& b : m.boxes) v.flags[static_cast<std::size_t>(b.flag)] = table_value;
  return v;
}

bool Listed(const Member& m, int id) {
  return std::find(m.select_list.begin(), m.select_list.end(), id) != m.select_list.end();
}

class DisplayOptions : public KestrinTest, public ::testing::WithParamInterface<Member> {};

TEST_P(DisplayOptions, BoxesStartFromTheirFlags) {
  const Member& m = GetParam();
  for (const Box& box : m.boxes) {
    Values v = Start(m, 0);
    v.flags[static_cast<std::size_t>(box.flag)] = 1;
    std::vector<int> checked;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (const Box& b : m.boxes)
        if (t::IsChecked(dlg, b.id)) checked.push_back(b.id);
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(m.call(v), 0);
    EXPECT_EQ(checked, std::vector<int>{box.id});
  }
}

TEST_P(DisplayOptions, ClicksToggleAndOkCopiesBack) {
  const Member& m = GetParam();
  Values v = Start(m, 0);
  t::User user;
  user.OnDialog(m.name, [&](win::HWND dlg) {
    for (const Box& b : m.boxes) EXPECT_TRUE(t::Click(dlg, b.id)) << b.id;
    t::PressKey(dlg, t::Key::Enter);
  });
  EXPECT_EQ(m.call(v), 1);
  EXPECT_EQ(v, Start(m, 1));
}

TEST_P(DisplayOptions, CancelLeavesTheCallersValues) {
  const Member& m = GetParam();
  for (bool close_box : {false, true}) {
    Values v = Start(m, 0);
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      t::Click(dlg, m.select_button);
      if (close_box) t::CloseBox(dlg);
      else t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(m.call(v), 0);
    EXPECT_EQ(v, Start(m, 0));
    EXPECT_EQ(user.left_open(), 0);
  }
}

TEST_P(DisplayOptions, SelectAllChecksTheListedBoxesThatAreEnabled) {
  const Member& m = GetParam();
  const int disabled = m.select_list.front();
  Values v = Start(m, 0);
  std::vector<int> checked;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    win::EnableWindow(win::GetDlgItem(dlg, disabled), false);
    EXPECT_TRUE(t::Click(dlg, m.select_button));
    for (const Box& b : m.boxes)
      if (t::IsChecked(dlg, b.id)) checked.push_back(b.id);
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(m.call(v), 1);
  std::vector<int> expected;
  Values after = Start(m, 0);
  for (const Box& b : m.boxes) {
    if (!Listed(m, b.id)) continue;
    if (b.id != disabled || !m.select_skips_disabled) expected.push_back(b.id);
    if (b.id != disabled) after.flags[static_cast<std::size_t>(b.flag)] = 1;  // a disabled box reads 0
  }
  EXPECT_EQ(checked, expected);
  EXPECT_EQ(v, after);
}

TEST_P(DisplayOptions, ClearAllUnchecksTheListedBoxes) {
  const Member& m = GetParam();
  Values v = Start(m, 1);
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    EXPECT_TRUE(t::Click(dlg, m.clear_button));
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(m.call(v), 1);
  Values after = Start(m, 1);
  for (const Box& b : m.boxes)
    if (Listed(m, b.id)) after.flags[static_cast<std::size_t>(b.flag)] = 0;
  EXPECT_EQ(v, after);
}

TEST_P(DisplayOptions, HelpGoesToTheHostWithTheDialogsId) {
  const Member& m = GetParam();
  Values v = Start(m, 0);
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    EXPECT_TRUE(t::IsVisible(dlg, kestrin::kHelpButton));
    t::Click(dlg, kestrin::kHelpButton);
    t::PressKey(dlg, t::Key::F1);
    t::PressKey(dlg, t::Key::Escape);
  });
  m.call(v);
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{m.help_id, 11}, {m.help_id, 11}}));
}

INSTANTIATE_TEST_SUITE_P(Members, DisplayOptions, ::testing::ValuesIn(Members()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Groups: what a master (or its stand-in) shows ---------------------------

struct GroupCase {
  const char* name;
  std::function<int(Values&)> call;
  int master;
  int master_flag;
  std::vector<int> group;
};

std::ostream& operator<<(std::ostream& os, const GroupCase& c) { return os << c.name; }

class Groups : public KestrinTest, public ::testing::WithParamInterface<GroupCase> {};

// The group's visibility at start, after a click on the master, after select
// all and after clear all.
TEST_P(Groups, FollowTheirMaster) {
  const GroupCase& c = GetParam();
  for (short start : {0, 1}) {
    Values v;
    v.flags[static_cast<std::size_t>(c.master_flag)] = start;
    std::vector<bool> shown;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      auto state = [&] {
        bool all = true, none = true;
        for (int id : c.group) {
          all = all && t::IsVisible(dlg, id);
          none = none && !t::IsVisible(dlg, id);
        }
        EXPECT_TRUE(all || none);
        return all;
      };
      shown.push_back(state());
      t::Click(dlg, c.master);
      shown.push_back(state());
      t::Click(dlg, 8001);
      shown.push_back(state());
      t::Click(dlg, 8002);
      shown.push_back(state());
      t::PressKey(dlg, t::Key::Escape);
    });
    c.call(v);
    EXPECT_EQ(shown, (std::vector<bool>{start != 0, start == 0, true, false})) << "start " << start;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Members, Groups,
    ::testing::Values(
        GroupCase{"Spec", [](Values& v) { return DLOG_SpecDisp(v.flags.data(), &v.position, &v.format); }, 8007, 4,
                  {8101, 8102, 8103, 8104}},
        GroupCase{"Hist", [](Values& v) { return DLOG_HistDisp(v.flags.data(), &v.position, &v.format); }, 8007, 4,
                  {8101, 8102, 8103, 8104}},
        GroupCase{"Bar", [](Values& v) { return DLOG_BarDisp(v.flags.data(), &v.position, &v.format, 1, 1); }, 8007,
                  4, {8101, 8102, 8103, 8104, 8030, 8031}},
        GroupCase{"Hilo",
                  [](Values& v) { return DLOG_HiloDisp(v.flags.data(), &v.position, &v.format, &v.style, 1, 1, 1); },
                  8015, 4, {8101, 8102, 8103, 8104, 8030, 8031, 8032, 8033}},
        GroupCase{"Scat",
                  [](Values& v) { return DLOG_ScatDisp(v.flags.data(), &v.offset1, &v.offset2, &v.format, 0, 1); },
                  8017, 16, {8101, 8102, 8103, 8104}},
        GroupCase{"Pie", [](Values& v) { return DLOG_PieDisp(v.flags.data(), 1); }, 8010, 5, {8009}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Switches that show or hide boxes ------------------------------------------

struct SwitchCase {
  const char* name;
  std::function<int(Values&)> call;
  short master_flag;  // set at start (-1: none)
  std::vector<Visibility> expected;
};

std::ostream& operator<<(std::ostream& os, const SwitchCase& c) { return os << c.name; }

class Switches : public KestrinTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(Switches, ShowOrHideTheirBoxes) {
  const SwitchCase& c = GetParam();
  Values v;
  if (c.master_flag >= 0) v.flags[static_cast<std::size_t>(c.master_flag)] = 1;
  EXPECT_EQ(qvtest::WronglyShown([&] { c.call(v); }, c.expected), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Members, Switches,
    ::testing::Values(
        SwitchCase{"HiloAllOff",
                   [](Values& v) { return DLOG_HiloDisp(v.flags.data(), &v.position, &v.format, &v.style, 0, 0, 0); },
                   4,
                   {{8028, false}, {8029, false}, {8017, false}, {8018, false}, {8030, true}, {8031, true},
                    {8032, false}, {8033, false}}},
        SwitchCase{"HiloAllow1",
                   [](Values& v) {
                     return DLOG_HiloDisp(v.flags.data(), &v.position, &v.format, &v.style, 0x10000, 1, 0);
                   },
                   4, {{8028, false}, {8017, true}, {8018, false}, {8032, true}, {8033, false}}},
        SwitchCase{"HiloAllow2NoMaster",
                   [](Values& v) { return DLOG_HiloDisp(v.flags.data(), &v.position, &v.format, &v.style, 1, 0, 1); },
                   -1, {{8028, true}, {8029, true}, {8017, false}, {8018, true}, {8032, false}, {8033, false}}},
        SwitchCase{"ScatNoBox8016",
                   [](Values& v) { return DLOG_ScatDisp(v.flags.data(), &v.offset1, &v.offset2, &v.format, 0, 0); },
                   15, {{8016, false}, {8028, false}, {8029, false}, {8101, false}}},
        SwitchCase{"ScatBox8016ShowsTheGroup",
                   [](Values& v) { return DLOG_ScatDisp(v.flags.data(), &v.offset1, &v.offset2, &v.format, 1, 1); },
                   15, {{8016, true}, {8028, true}, {8029, true}, {8101, true}}},
        SwitchCase{"BarNoBoxes",
                   [](Values& v) { return DLOG_BarDisp(v.flags.data(), &v.position, &v.format, 0, 1); }, 4,
                   {{8028, false}, {8034, false}, {8029, false}, {8030, true}, {8031, true}}},
        SwitchCase{"BarNoPair",  // 8031 follows 8030, which the pair rule hides
                   [](Values& v) { return DLOG_BarDisp(v.flags.data(), &v.position, &v.format, 1, 0); }, 4,
                   {{8028, true}, {8034, true}, {8029, true}, {8030, false}, {8031, false}}},
        SwitchCase{"PieNoBox8007", [](Values& v) { return DLOG_PieDisp(v.flags.data(), 0); }, 8,
                   {{8007, false}, {8009, false}}},
        SwitchCase{"3DScNoBox8010", [](Values& v) { return DLOG_3DScDisp(v.flags.data(), 0x10000); }, -1,
                   {{8010, false}, {8134, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Each member's own rules -----------------------------------------------------

TEST_F(KestrinTest, HiloStyleRadios) {
  struct Case {
    short style;
    int checked;  // -1: none
    int click;
    short returned;
  };
  for (Case c : {Case{0, 8030, 8033, 3}, Case{2, 8032, 8031, 1}, Case{7, -1, 8030, 0}, Case{-1, -1, 0, -1}}) {
    Values v;
    v.flags[4] = 1;
    v.style = c.style;
    std::vector<int> checked;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id = 8030; id <= 8033; ++id)
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      if (c.click) t::Click(dlg, c.click);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_HiloDisp(v.flags.data(), &v.position, &v.format, &v.style, 1, 1, 1), 1);
    EXPECT_EQ(checked, c.checked < 0 ? std::vector<int>{} : std::vector<int>{c.checked}) << c.style;
    EXPECT_EQ(v.style, c.returned);
  }
}

TEST_F(KestrinTest, ScatterOffsetsGiveThePositionAndComeBackFromIt) {
  struct Case {
    short offset1, offset2;
    int selected;
    int choose;  // -1: leave
    short back1, back2;
  };
  for (Case c : {Case{2, 3, 3, -1, 1, 0}, Case{7, -1, 3, -1, 1, 0}, Case{0, 0, 0, 2, 0, 4}, Case{0, 3, 2, 1, 0, 1},
                 Case{4, 4, 4, 0, 0, 0}, Case{0, 1, 1, 4, 4, 0}}) {
    Values v;
    v.flags[16] = 1;
    v.offset1 = c.offset1;
    v.offset2 = c.offset2;
    int selected = -2;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      selected = t::Selection(dlg, 8101);
      EXPECT_EQ(t::ItemText(dlg, 8101, 3), "Left of marker");
      if (c.choose >= 0) t::SelectItem(dlg, 8101, c.choose);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_ScatDisp(v.flags.data(), &v.offset1, &v.offset2, &v.format, 1, 1), 1);
    EXPECT_EQ(selected, c.selected) << c.offset1 << "," << c.offset2;
    EXPECT_EQ(v.offset1, c.back1);
    EXPECT_EQ(v.offset2, c.back2);
  }
}

TEST_F(KestrinTest, ScatterOffsetsOutsideTheRangeAreSetEvenWhenCancelled) {
  Values v;
  v.offset1 = 7;
  v.offset2 = -1;
  short seen1 = 0, seen2 = 0;
  t::User user;
  user.OnDialog([&](win::HWND) {
    seen1 = v.offset1;
    seen2 = v.offset2;
  });
  EXPECT_EQ(DLOG_ScatDisp(v.flags.data(), &v.offset1, &v.offset2, &v.format, 1, 1), 0);
  EXPECT_EQ(std::make_pair(seen1, seen2), std::make_pair(short{1}, short{1}));
  EXPECT_EQ(std::make_pair(v.offset1, v.offset2), std::make_pair(short{1}, short{1}));
}

TEST_F(KestrinTest, BarWithoutThePairBox8031FollowsBox8030) {
  struct Case {
    short flag18, flag19;
    bool shown;
    short back19;
  };
  for (Case c : {Case{1, 1, true, 1}, Case{0, 1, false, 0}, Case{1, 0, true, 0}}) {
    Values v;
    v.flags[18] = c.flag18;
    v.flags[19] = c.flag19;
    bool shown = !c.shown;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      shown = t::IsVisible(dlg, 8031);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_BarDisp(v.flags.data(), &v.position, &v.format, 1, 0), 1);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(v.flags[19], c.back19);  // hidden and unchecked when 8030 is not
    EXPECT_EQ(v.flags[18], c.flag18);
  }
}

TEST_F(KestrinTest, PieHiddenBox8007ReadsZeroUnlessSelectAllChecksIt) {
  for (bool select : {false, true}) {
    Values v;
    v.flags[8] = 1;
    bool checked_at_start = true;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      checked_at_start = t::IsChecked(dlg, 8007);
      if (select) t::Click(dlg, 8001);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_PieDisp(v.flags.data(), 0), 1);
    EXPECT_FALSE(checked_at_start);
    EXPECT_EQ(v.flags[8], select ? 1 : 0);
  }
}

TEST_F(KestrinTest, PieGroupFollowsEitherOfItsTwoBoxes) {
  Values v;
  v.flags[6] = 1;  // box 8011
  std::vector<bool> shown;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    shown.push_back(t::IsVisible(dlg, 8009));
    t::Click(dlg, 8010);  // both checked
    shown.push_back(t::IsVisible(dlg, 8009));
    t::Click(dlg, 8011);  // 8010 still checked
    shown.push_back(t::IsVisible(dlg, 8009));
    t::Click(dlg, 8010);  // neither
    shown.push_back(t::IsVisible(dlg, 8009));
    t::PressKey(dlg, t::Key::Escape);
  });
  DLOG_PieDisp(v.flags.data(), 1);
  EXPECT_EQ(shown, (std::vector<bool>{true, true, true, false}));
}

TEST_F(KestrinTest, DisplayOptions2DButtonsActOnTheLastTenBoxes) {
  Values v;
  for (short& f : v.flags) f = 0;
  v.flags[20] = 7;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    EXPECT_TRUE(t::Click(dlg, 8001));  // a box here, not select all
    EXPECT_TRUE(t::Click(dlg, 8019));
    EXPECT_TRUE(t::Click(dlg, 8014));
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(DLOG_DisplayOptions2D(v.flags.data()), 1);
  std::array<short, 24> expected{1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
  expected[20] = 7;
  EXPECT_EQ(v.flags, expected);
}

TEST_F(KestrinTest, DisplayMembersWithoutValuesReturnZero) {
  short flags[24] = {};
  short s = 1;
  EXPECT_EQ(DLOG_SpecDisp(nullptr, &s, &s), 0);
  EXPECT_EQ(DLOG_HiloDisp(flags, &s, &s, nullptr, 1, 1, 1), 0);
  EXPECT_EQ(DLOG_ScatDisp(flags, nullptr, &s, &s, 1, 1), 0);
  EXPECT_EQ(DLOG_PieDisp(nullptr, 1), 0);
  EXPECT_EQ(DLOG_BarDisplayOptions(nullptr, &s, &s), 0);
  InitDialogsDLL(nullptr, nullptr, 0);
  short offset1 = 9, offset2 = 9;
  EXPECT_EQ(DLOG_ScatDisp(flags, &offset1, &offset2, &s, 1, 1), 0);
  EXPECT_EQ(std::make_pair(offset1, offset2), std::make_pair(short{9}, short{9}));  // untouched
  EXPECT_EQ(DLOG_3DDisp(flags), 0);
}

// --- Bar display options -------------------------------------------------------

struct BarRecord {
  std::array<short, 6> fields{};  // switches at 0, 5, 2, 4
  short position = 2;
  short format = 3;  // 0-based
  friend bool operator==(const BarRecord&, const BarRecord&) = default;
};

BarRecord Record(short labels, short inside, short totals, short outline) {
  BarRecord r;
  r.fields = {labels, 11, totals, 13, outline, inside};
  return r;
}

int Call(BarRecord& r) { return DLOG_BarDisplayOptions(r.fields.data(), &r.position, &r.format); }

TEST_F(KestrinTest, BarDisplayOptionsBoxesShowTheRecord) {
  BarRecord r = Record(1, 0, 1, 0);
  std::vector<bool> checked;
  t::User user;
  user.OnDialog("DLOG_BarDisplayOptions", [&](win::HWND dlg) {
    for (int id : {8001, 8002, 8003, 8004}) checked.push_back(t::IsChecked(dlg, id));
    EXPECT_EQ(t::Selection(dlg, 8005), 2);
    t::Click(dlg, 8002);
    t::Click(dlg, 8004);
    t::SelectItem(dlg, 8005, 4);
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(Call(r), 1);
  EXPECT_EQ(checked, (std::vector<bool>{true, false, true, false}));
  BarRecord expected = Record(1, 1, 1, 1);
  expected.position = 4;
  EXPECT_EQ(r, expected);
}

TEST_F(KestrinTest, BarDisplayOptionsLabelsOffDisablesAndReturnsNoPosition) {
  BarRecord r = Record(1, 1, 0, 0);
  std::vector<bool> state;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::SelectItem(dlg, 8005, 0);
    t::Click(dlg, 8001);  // off
    for (int id : {8002, 8005, 8006, 8007}) state.push_back(t::IsEnabled(dlg, id));
    state.push_back(t::Selection(dlg, 8005) == -1);
    t::Click(dlg, 8001);  // on: the position at start comes back
    state.push_back(t::Selection(dlg, 8005) == 2);
    t::Click(dlg, 8001);  // off again
    t::PressKey(dlg, t::Key::Enter);
  });
  ASSERT_EQ(Call(r), 1);
  EXPECT_EQ(state, (std::vector<bool>{false, false, false, false, true, true}));
  BarRecord expected = Record(0, 0, 0, 0);  // box 8002 disabled reads 0
  expected.position = -1;
  EXPECT_EQ(r, expected);
}

TEST_F(KestrinTest, BarDisplayOptionsFormatButtonOpensTheNumberFormat) {
  struct Case {
    bool ok;
    short format;
  };
  for (Case c : {Case{true, 4}, Case{false, 3}}) {
    BarRecord r = Record(1, 0, 0, 0);
    int first = -2;
    t::User user;
    user.OnDialog("DLOG_NumberFormat", [&](win::HWND dlg) {
      first = t::Selection(dlg, 8000);
      t::SelectItem(dlg, 8000, 4);
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    user.OnDialog("DLOG_BarDisplayOptions", [&](win::HWND dlg) {
      EXPECT_TRUE(t::Click(dlg, 8006));
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(Call(r), 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(r.format, c.format);  // 0-based: the number format's 5 less one
    EXPECT_EQ(user.dialogs_opened(), (std::vector<std::string>{"DLOG_BarDisplayOptions", "DLOG_NumberFormat"}));
  }
}

TEST_F(KestrinTest, BarDisplayOptionsCancelAndHelp) {
  BarRecord r = Record(1, 1, 1, 1);
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, 8001);
    t::Click(dlg, kestrin::kHelpButton);
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(Call(r), 0);
  EXPECT_EQ(r, Record(1, 1, 1, 1));
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{519, 11}}));
}

TEST_F(KestrinTest, BarDisplayOptionsHasNoOwnerWhereTheOthersHaveTheFrame) {
  win::HWND frame = win::CreateMainWindow("Frame", 200, 100, {});
  ASSERT_NE(frame, nullptr);
  SetDialogsDLLFrameWnd(frame);
  std::vector<win::HWND> owners;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    owners.push_back(win::GetParent(dlg));
    t::PressKey(dlg, t::Key::Escape);
  });
  BarRecord r;
  Values v;
  Call(r);
  DLOG_SpecDisp(v.flags.data(), &v.position, &v.format);
  SetDialogsDLLFrameWnd(nullptr);
  win::DestroyWindow(frame);
  EXPECT_EQ(owners, (std::vector<win::HWND>{nullptr, frame}));
}

}  // namespace
