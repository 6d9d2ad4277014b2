// SPDX-License-Identifier: MIT
// The seven data-label dialogs: one table of their shared shape, and each
// member's own rules.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/kestrin/layout_check.h"

#include <array>
#include <functional>
#include <ostream>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;
using qvtest::Visibility;

// Callers' values: flags (with sentinels beyond the table), position, format.
struct Values {
  std::array<short, 6> flags{};
  short position = 0;
  short format = 1;
  short style = 0;
  friend bool operator==(const Values&, const Values&) = default;
};

struct Box {
  int id;
  int flag;
};

struct Member {
  const char* name;
  short help_id;
  std::function<int(Values&)> call;  // with the member's own switches off
  std::vector<Box> boxes;
  int master;
  int first, last;  // the master's group
  int position_combo, format_combo;
  bool marker_list;
};

std::ostream& operator<<(std::ostream& os, const Member& m) { return os << m.name; }

const std::vector<Member>& Members() {
  static const std::vector<Member> members{
      {"DLOG_ScatOpt", 536, [](Values& v) { return DLOG_ScatOpt(v.flags.data(), &v.position, &v.format); },
       {{8002, 0}}, 8002, 8011, 8014, 8011, 8012, true},
      {"DLOG_SpecOpt", 539, [](Values& v) { return DLOG_SpecOpt(v.flags.data(), &v.position, &v.format); },
       {{8002, 0}}, 8002, 8011, 8014, 8011, 8012, false},
      {"DLOG_BarOpt", 521, [](Values& v) { return DLOG_BarOpt(v.flags.data(), &v.position, &v.format, 0, 0); },
       {{8001, 1}, {8002, 0}, {8003, 2}}, 8003, 8011, 8014, 8011, 8012, false},
      {"DLOG_HistOpt", 528, [](Values& v) { return DLOG_HistOpt(v.flags.data(), &v.position, &v.format, 0); },
       {{8101, 0}, {8102, 1}}, 8102, 8104, 8107, 8104, 8105, false},
      {"DLOG_LineOpt", 531, [](Values& v) { return DLOG_LineOpt(v.flags.data(), &v.position, &v.format, 0, 0); },
       {{8001, 0}, {8002, 1}}, 8002, 8011, 8014, 8011, 8012, false},
      {"DLOG_AreaOpt", 517, [](Values& v) { return DLOG_AreaOpt(v.flags.data(), &v.position, &v.format); },
       {{8001, 0}}, 8001, 8003, 8006, 8003, 8004, false},
      {"DLOG_HiloOpt", 526,
       [](Values& v) { return DLOG_HiloOpt(v.flags.data(), &v.position, &v.format, &v.style, 0, 1, 1); },
       {{8003, 0}, {8001, 1}}, 8001, 8004, 8011, 8004, 8005, false},
  };
  return members;
}

int MasterFlag(const Member& m) {
  for (const Box& b : m.boxes)
    if (b.id == m.master) return b.flag;
  return -1;
}

Values Sentinels() {
  Values v;
  v.flags = {0, 0, 0, 41, 42, 43};
  v.position = 1;
  v.format = 2;
  v.style = 1;
  return v;
}

class DataLabels : public KestrinTest, public ::testing::WithParamInterface<Member> {};

TEST_P(DataLabels, OkCopiesBackWhatTheUserChose) {
  const Member& m = GetParam();
  Values v = Sentinels();
  t::User user;
  user.OnDialog(m.name, [&](win::HWND dlg) {
    EXPECT_TRUE(t::Click(dlg, m.master));
    EXPECT_TRUE(t::SelectItem(dlg, m.position_combo, 3));
    EXPECT_TRUE(t::SelectItem(dlg, m.format_combo, 4));
    t::PressKey(dlg, t::Key::Enter);
  });
  EXPECT_EQ(m.call(v), 1);
  Values expected = Sentinels();
  expected.flags[MasterFlag(m)] = 1;
  expected.position = 3;
  expected.format = 5;
  EXPECT_EQ(v, expected);
  EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{m.name});
}

TEST_P(DataLabels, CancelLeavesTheCallersValues) {
  const Member& m = GetParam();
  for (t::Key close : {t::Key::Escape, t::Key::F1}) {  // F1 then the safety cancel
    Values v = Sentinels();
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (const Box& b : m.boxes) t::Click(dlg, b.id);
      t::SelectItem(dlg, m.position_combo, 4);
      t::PressKey(dlg, close);
    });
    EXPECT_EQ(m.call(v), 0);
    EXPECT_EQ(v, Sentinels());
  }
}

TEST_P(DataLabels, CloseBoxCancels) {
  const Member& m = GetParam();
  Values v = Sentinels();
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, m.master);
    t::CloseBox(dlg);
  });
  EXPECT_EQ(m.call(v), 0);
  EXPECT_EQ(v, Sentinels());
  EXPECT_EQ(user.left_open(), 0);
}

TEST_P(DataLabels, MasterShowsAndHidesItsGroup) {
  const Member& m = GetParam();
  for (short start : {0, 1}) {
    Values v = Sentinels();
    v.flags[MasterFlag(m)] = start;
    std::vector<bool> shown;  // the whole group's state: at start, after a click, after a second
    bool manual = true;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      auto group_state = [&] {
        bool all = true, none = true;
        for (int id = m.first; id <= m.last; ++id) {
          if (!t::Exists(dlg, id)) continue;
          bool visible = t::IsVisible(dlg, id);
          // hi-lo radios 8010/8011 follow their own switches too (on here)
          all = all && visible;
          none = none && !visible;
        }
        EXPECT_TRUE(all || none);
        return all;
      };
      shown.push_back(group_state());
      bool before = t::IsChecked(dlg, m.master);
      t::Click(dlg, m.master);
      manual = manual && t::IsChecked(dlg, m.master) != before;  // toggled by the dialog itself
      shown.push_back(group_state());
      t::Click(dlg, m.master);
      shown.push_back(group_state());
      t::PressKey(dlg, t::Key::Escape);
    });
    m.call(v);
    EXPECT_EQ(shown, (std::vector<bool>{start != 0, start == 0, start != 0})) << "start " << start;
    EXPECT_TRUE(manual);
  }
}

TEST_P(DataLabels, BoxesStartFromTheirFlags) {
  const Member& m = GetParam();
  for (const Box& box : m.boxes) {
    Values v = Sentinels();
    v.flags[box.flag] = 1;
    std::vector<bool> checked;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (const Box& b : m.boxes) checked.push_back(t::IsChecked(dlg, b.id));
      t::PressKey(dlg, t::Key::Escape);
    });
    m.call(v);
    for (std::size_t i = 0; i < m.boxes.size(); ++i) EXPECT_EQ(checked[i], m.boxes[i].id == box.id) << box.id;
  }
}

TEST_P(DataLabels, HiddenBoxReadsItsStateDisabledBoxReadsZero) {
  const Member& m = GetParam();
  for (bool disable : {false, true}) {
    Values v = Sentinels();
    for (const Box& b : m.boxes) v.flags[b.flag] = 1;
    std::vector<bool> checked;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (const Box& b : m.boxes) {
        checked.push_back(t::IsChecked(dlg, b.id));
        win::HWND box = win::GetDlgItem(dlg, b.id);
        if (disable) win::EnableWindow(box, false);
        else win::ShowWindow(box, win::SW_HIDE);
      }
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(m.call(v), 1);
    for (std::size_t i = 0; i < m.boxes.size(); ++i)
      EXPECT_EQ(v.flags[m.boxes[i].flag], disable ? 0 : checked[i] ? 1 : 0) << m.boxes[i].id;
    EXPECT_EQ(v.flags[3], 41);
  }
}

TEST_P(DataLabels, PositionListAndSelection) {
  const Member& m = GetParam();
  static const std::vector<std::string> bar{"Center", "Outside Minimum", "Inside  Minimum", "Inside  Maximum",
                                            "Outside Maximum"};
  static const std::vector<std::string> marker{"On the marker", "Below marker", "Above marker", "Left of marker",
                                               "Right of marker"};
  struct Case {
    short position;
    int selected;
  };
  for (Case c : {Case{0, 0}, Case{4, 4}, Case{5, -1}, Case{-1, -1}, Case{7, -1}}) {
    Values v = Sentinels();
    v.flags[MasterFlag(m)] = 1;
    v.position = c.position;
    std::vector<std::string> names;
    int selected = -2;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int i = 0; i < t::Count(dlg, m.position_combo); ++i) names.push_back(t::ItemText(dlg, m.position_combo, i));
      selected = t::Selection(dlg, m.position_combo);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(m.call(v), 1);
    EXPECT_EQ(names, m.marker_list ? marker : bar);
    EXPECT_EQ(selected, c.selected) << c.position;
    EXPECT_EQ(v.position, c.selected);  // no selection reads back -1
  }
}

TEST_P(DataLabels, HelpGoesToTheHostWithTheDialogsId) {
  const Member& m = GetParam();
  Values v = Sentinels();
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, kestrin::kHelpButton);
    t::PressKey(dlg, t::Key::F1);
    t::PressKey(dlg, t::Key::Escape);
  });
  m.call(v);
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{m.help_id, 11}, {m.help_id, 11}}));
}

// With every box on (every group shown) the dialog's layout holds.
TEST_P(DataLabels, LayoutFitsItsTexts) {
  const Member& m = GetParam();
  const win::DialogTemplate* dialog = module_->dialog(m.name);
  ASSERT_NE(dialog, nullptr);
  Values v = Sentinels();
  v.flags.fill(1);
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    qvtest::ExpectLayoutFits(dlg, *dialog);
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(m.call(v), 0);
  EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{m.name});
}

INSTANTIATE_TEST_SUITE_P(Members, DataLabels, ::testing::ValuesIn(Members()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Each member's own rules -------------------------------------------------

struct SwitchCase {
  const char* name;
  std::function<int(Values&)> call;
  std::vector<Visibility> expected;
};

std::ostream& operator<<(std::ostream& os, const SwitchCase& c) { return os << c.name; }

class Switches : public KestrinTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(Switches, HideTheirBoxes) {
  const SwitchCase& c = GetParam();
  Values v = Sentinels();
  EXPECT_EQ(qvtest::WronglyShown([&] { c.call(v); }, c.expected), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Members, Switches,
    ::testing::Values(
        SwitchCase{"BarNone", [](Values& v) { return DLOG_BarOpt(v.flags.data(), &v.position, &v.format, 0, 0); },
                   {{8001, true}, {8002, true}, {8003, true}}},
        SwitchCase{"BarHide8002", [](Values& v) { return DLOG_BarOpt(v.flags.data(), &v.position, &v.format, 1, 0); },
                   {{8001, true}, {8002, false}, {8003, true}}},
        SwitchCase{"BarHide8001",
                   [](Values& v) { return DLOG_BarOpt(v.flags.data(), &v.position, &v.format, 0, -1); },
                   {{8001, false}, {8002, true}, {8003, true}}},
        SwitchCase{"BarLow16BitsOnly",
                   [](Values& v) { return DLOG_BarOpt(v.flags.data(), &v.position, &v.format, 0x10000, 0x20000); },
                   {{8001, true}, {8002, true}}},
        SwitchCase{"HistHide8101",
                   [](Values& v) { return DLOG_HistOpt(v.flags.data(), &v.position, &v.format, 3); },
                   {{8101, false}, {8102, true}}},
        SwitchCase{"LineHide8001",
                   [](Values& v) { return DLOG_LineOpt(v.flags.data(), &v.position, &v.format, 0, 1); },
                   {{8001, false}, {8002, true}}},
        SwitchCase{"HistLow16BitsOnly",
                   [](Values& v) { return DLOG_HistOpt(v.flags.data(), &v.position, &v.format, 0x40000); },
                   {{8101, true}, {8102, true}}},
        SwitchCase{"HiloLow16BitsOnly",
                   [](Values& v) {
                     v.flags[1] = 1;  // labels on: the switches alone decide 8010 and 8011
                     return DLOG_HiloOpt(v.flags.data(), &v.position, &v.format, &v.style, 0x10000, 0x10000,
                                         0x30001);
                   },
                   {{8003, true}, {8008, true}, {8010, false}, {8011, true}}},
        SwitchCase{"HiloHide8003",
                   [](Values& v) {
                     return DLOG_HiloOpt(v.flags.data(), &v.position, &v.format, &v.style, 1, 1, 1);
                   },
                   {{8003, false}, {8001, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KestrinTest, BarBox8002StartsUncheckedWhenFlagOneIsSet) {
  struct Case {
    short flag0, flag1;
    bool box8002;
  };
  for (Case c : {Case{1, 0, true}, Case{1, 1, false}, Case{0, 1, false}, Case{0, 0, false}}) {
    Values v = Sentinels();
    v.flags[0] = c.flag0;
    v.flags[1] = c.flag1;
    bool checked = !c.box8002;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      checked = t::IsChecked(dlg, 8002);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_BarOpt(v.flags.data(), &v.position, &v.format, 0, 0), 1);
    EXPECT_EQ(checked, c.box8002);
    EXPECT_EQ(v.flags[0], c.box8002 ? 1 : 0);  // OK reads the box back
    EXPECT_EQ(v.flags[1], c.flag1);
  }
}

TEST_F(KestrinTest, LineIgnoresItsFourthArgument) {
  auto run = [&](int fourth) {
    Values v = Sentinels();
    v.flags[0] = 1;
    std::vector<bool> state;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : {8001, 8002, 8011, 8012, 8013, 8014}) {
        state.push_back(t::IsVisible(dlg, id));
        state.push_back(t::IsEnabled(dlg, id));
      }
      state.push_back(t::IsChecked(dlg, 8001));
      t::Click(dlg, 8002);
      t::PressKey(dlg, t::Key::Enter);
    });
    int result = DLOG_LineOpt(v.flags.data(), &v.position, &v.format, fourth, 0);
    return std::make_tuple(result, v, state);
  };
  auto reference = run(0);
  for (int fourth : {1, -1, 0x7FFFFFFF, 8001}) EXPECT_EQ(run(fourth), reference) << fourth;
}

TEST_F(KestrinTest, HiloRadiosShowTheStyleAndFollowTheirSwitches) {
  struct Case {
    short allow10, allow11;
  };
  for (Case c : {Case{0, 0}, Case{1, 0}, Case{0, 1}, Case{1, 1}}) {
    Values v = Sentinels();
    v.flags[1] = 0;  // master 8001 off
    v.style = 2;
    std::vector<std::array<bool, 4>> radios;  // visibility of 8008-8011 at each step
    bool style_checked = false;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      auto state = [&] {
        return std::array<bool, 4>{t::IsVisible(dlg, 8008), t::IsVisible(dlg, 8009), t::IsVisible(dlg, 8010),
                                   t::IsVisible(dlg, 8011)};
      };
      style_checked = t::IsChecked(dlg, 8010) && !t::IsChecked(dlg, 8008) && !t::IsChecked(dlg, 8009) &&
                      !t::IsChecked(dlg, 8011);
      radios.push_back(state());
      t::Click(dlg, 8001);  // on: the group shows, the switches decide 8010/8011
      radios.push_back(state());
      t::Click(dlg, 8009);
      t::Click(dlg, 8001);  // off
      radios.push_back(state());
      t::Click(dlg, 8001);  // on again
      radios.push_back(state());
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_HiloOpt(v.flags.data(), &v.position, &v.format, &v.style, 0, c.allow10, c.allow11), 1);
    EXPECT_TRUE(style_checked);
    std::array<bool, 4> off{false, false, false, false};
    std::array<bool, 4> on{true, true, c.allow10 != 0, c.allow11 != 0};
    EXPECT_EQ(radios, (std::vector<std::array<bool, 4>>{off, on, off, on}));
    EXPECT_EQ(v.style, 1);
    EXPECT_EQ(v.flags[1], 1);
  }
}

TEST_F(KestrinTest, HiloStyleOutsideTheRadiosChecksNothingElse) {
  for (short style : {-5, -1, 4, 9}) {
    Values v = Sentinels();
    v.flags = {0, 1, 0, 41, 42, 43};
    v.style = style;
    std::vector<bool> checked;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : {8003, 8008, 8009, 8010, 8011}) checked.push_back(t::IsChecked(dlg, id));
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_HiloOpt(v.flags.data(), &v.position, &v.format, &v.style, 0, 1, 1), 1);
    EXPECT_EQ(checked, (std::vector<bool>{false, false, false, false, false})) << style;
    EXPECT_EQ(v.flags[0], 0);
    EXPECT_EQ(v.style, style);
  }
}

TEST_F(KestrinTest, HiloRadioClickChecksOnlyThatRadio) {
  Values v = Sentinels();
  v.flags[1] = 1;
  v.style = 0;
  std::vector<bool> checked;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, 8011);
    for (int id = 8008; id <= 8011; ++id) checked.push_back(t::IsChecked(dlg, id));
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(DLOG_HiloOpt(v.flags.data(), &v.position, &v.format, &v.style, 0, 1, 1), 0);
  EXPECT_EQ(checked, (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(v.style, 0);  // cancelled: the caller's style stays
}

}  // namespace
