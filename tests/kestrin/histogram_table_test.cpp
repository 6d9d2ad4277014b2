// SPDX-License-Identifier: MIT
// Histogram intervals, table division, statistics and lines.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

std::string String(int id) { return kestrin::LoadDlgString(id); }

// --- Histogram intervals -----------------------------------------------------

using HistRecord = std::array<short, 8>;  // mode at field 1, count at field 5

HistRecord Hist(short mode, short count) { return {11, mode, 13, 14, 15, count, 17, 18}; }

TEST_F(KestrinTest, HistIntervalsStartShowsTheCountOneHigher) {
  struct Case {
    short mode, count;
    const char* shown;
    int radio;
  };
  for (Case c : {Case{1, 9, "10", 8001}, Case{0, 4, "5", 8002}, Case{-1, -3, "-2", 8001}, Case{1, 32767, "32768", 8001}}) {
    HistRecord r = Hist(c.mode, c.count);
    std::string shown, label;
    bool field = false, radio = false;
    t::User user;
    user.OnDialog("DLOG_HistIntv", [&](win::HWND dlg) {
      shown = t::Text(dlg, 8003);
      label = t::Text(dlg, 8004);
      field = t::IsVisible(dlg, 8003) && t::IsVisible(dlg, 8004);
      radio = t::IsChecked(dlg, c.radio) && !t::IsChecked(dlg, c.radio == 8001 ? 8002 : 8001);
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(DLOG_HistIntv(r.data()), 0);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(label, String(3025));
    EXPECT_EQ(field, c.mode != 0);
    EXPECT_TRUE(radio);
    EXPECT_EQ(r, Hist(c.mode, c.count));
  }
}

TEST_F(KestrinTest, HistIntervalsOkReadsTwoCharactersAndRefusesOneOrLess) {
  struct Case {
    short mode;
    const char* typed;  // nullptr: as shown
    bool refused;
    short count;
  };
  for (Case c : {Case{1, "12345", false, 11}, Case{1, "2", false, 1}, Case{1, "1", true, 0}, Case{1, "0", true, 0},
                 Case{1, "-5", true, 0}, Case{1, "", true, 0}, Case{1, "x9", true, 0}, Case{0, nullptr, false, 6},
                 Case{1, " 7", false, 6}}) {
    HistRecord r = Hist(c.mode, 6);
    std::vector<bool> after_refusal;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      if (c.typed) {
        EXPECT_TRUE(t::Type(dlg, 8003, c.typed));
      }
      t::PressKey(dlg, t::Key::Enter);
      if (!c.refused) return;
      after_refusal = {win::IsWindow(dlg), t::HasFocus(dlg, 8003)};
      t::Type(dlg, 8003, "3");  // a valid count closes it
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_HistIntv(r.data()), 1) << c.typed;
    EXPECT_EQ(r, Hist(c.mode, c.refused ? short{2} : c.count)) << (c.typed ? c.typed : "");
    if (c.refused) {
      EXPECT_EQ(after_refusal, (std::vector<bool>{true, true}));
      ASSERT_EQ(user.message_boxes().size(), 1u);
      const win::MessageBoxRequest& box = user.message_boxes()[0];
      EXPECT_EQ(box.text, String(3026));
      EXPECT_EQ(box.caption, String(3027));
      EXPECT_EQ(box.style, win::MB_ICONERROR);
      EXPECT_NE(box.owner, nullptr);  // the dialog
    } else {
      EXPECT_TRUE(user.message_boxes().empty());
    }
  }
}

TEST_F(KestrinTest, HistIntervalsRadiosSetTheMode) {
  struct Case {
    short mode;
    int click;
    short returned_mode;
    bool field;
  };
  for (Case c : {Case{0, 8001, 1, true}, Case{1, 8002, 0, false}, Case{1, 8001, 1, true}}) {
    HistRecord r = Hist(c.mode, 3);
    bool field = !c.field;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      EXPECT_TRUE(t::Click(dlg, c.click));
      field = t::IsVisible(dlg, 8003) && t::IsVisible(dlg, 8004);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_HistIntv(r.data()), 1);
    EXPECT_EQ(field, c.field);
    EXPECT_EQ(r, Hist(c.returned_mode, 3));
  }
}

// --- Table division ------------------------------------------------------------

using Division = std::array<short, 5>;  // mode, three values, flag

TEST_F(KestrinTest, TableDivisionStartFollowsTheMode) {
  struct Case {
    short mode;
    std::vector<int> labels;  // string ids, empty: hidden
  };
  for (Case c : {Case{0, {}}, Case{1, {3031, 3032, 3033}}, Case{2, {3034, 3035, 3033}}}) {
    Division r{c.mode, 4, 5, 6, 1};
    std::vector<std::string> labels;
    std::vector<bool> visible;
    std::vector<int> checked;
    std::vector<std::string> values;
    t::User user;
    user.OnDialog("DLOG_TablDiv", [&](win::HWND dlg) {
      // the note on the values (8051) goes with the fields
      for (int id : {8031, 8032, 8033, 8011, 8012, 8013, 8041, 8051}) visible.push_back(t::IsVisible(dlg, id));
      for (int id : {8031, 8032, 8033}) labels.push_back(t::Text(dlg, id));
      for (int id : {8001, 8002, 8003, 8041})
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      for (int id : {8011, 8012, 8013}) values.push_back(t::Text(dlg, id));
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(DLOG_TablDiv(r.data()), 0);
    EXPECT_EQ(visible, std::vector<bool>(8, c.mode != 0));
    if (!c.labels.empty()) {
      EXPECT_EQ(labels, (std::vector<std::string>{String(c.labels[0]), String(c.labels[1]), String(c.labels[2])}));
    }
    EXPECT_EQ(checked, (std::vector<int>{8001 + c.mode, 8041}));
    EXPECT_EQ(values, (std::vector<std::string>{"4", "5", "6"}));
    EXPECT_EQ(r, (Division{c.mode, 4, 5, 6, 1}));
  }
}

TEST_F(KestrinTest, TableDivisionChoosingAnotherMode) {
  struct Case {
    short mode;
    std::vector<int> clicks;
    bool shown;
    std::vector<int> labels;  // the texts after the clicks (empty: not checked)
    short returned_mode;
  };
  const std::vector<Case> cases{
      {0, {8002}, true, {3031, 3032, 3033}, 1},
      {0, {8003}, true, {3034, 3035, 3033}, 2},
      {1, {8003}, true, {3034, 3035, 3033}, 2},
      {2, {8002}, true, {3031, 3032, 3033}, 1},
      {1, {8001}, false, {}, 0},
      {2, {8001, 8003}, true, {3034, 3035, 3033}, 2},
      {1, {8002}, true, {3031, 3032, 3033}, 1},  // the current mode: nothing
  };
  for (const Case& c : cases) {
    Division r{c.mode, 4, 5, 6, 0};
    std::vector<bool> visible;
    std::vector<std::string> labels;
    std::vector<int> checked;
    bool hint = false;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id));
      for (int id : {8031, 8032, 8033, 8011, 8012, 8013, 8041}) visible.push_back(t::IsVisible(dlg, id));
      for (int id : {8031, 8032, 8033}) labels.push_back(t::Text(dlg, id));
      for (int id : {8001, 8002, 8003})
        if (t::IsChecked(dlg, id)) checked.push_back(id);
      hint = t::IsVisible(dlg, 8051);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_TablDiv(r.data()), 1);
    EXPECT_EQ(visible, std::vector<bool>(7, c.shown));
    if (!c.labels.empty()) {
      EXPECT_EQ(labels, (std::vector<std::string>{String(c.labels[0]), String(c.labels[1]), String(c.labels[2])}));
    }
    EXPECT_EQ(checked, std::vector<int>{8001 + c.returned_mode});
    EXPECT_EQ(hint, c.shown);  // the note on the values goes with the fields
    EXPECT_EQ(r, (Division{c.returned_mode, 4, 5, 6, 0}));
  }
}

TEST_F(KestrinTest, TableDivisionRefusesAValueNotAboveZero) {
  struct Case {
    Division record;
    std::array<const char*, 3> typed;  // nullptr: as shown
    int refused;                       // the field with the focus, 0: accepted
    Division returned;
  };
  const std::vector<Case> cases{
      {{1, 4, 5, 6, 0}, {"12", "345", nullptr}, 0, {1, 12, 34, 6, 0}},
      {{1, 4, 5, 6, 0}, {nullptr, "0", "-1"}, 8012, {}},
      {{1, 4, 5, 6, 0}, {"x", "0", nullptr}, 8011, {}},
      {{2, 4, 5, 6, 1}, {nullptr, nullptr, ""}, 8013, {}},
      {{0, 0, 5, 6, 0}, {nullptr, nullptr, nullptr}, 8011, {}},  // hidden, still checked
      {{0, 1, 1, 1, 1}, {nullptr, nullptr, nullptr}, 0, {0, 1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    Division r = c.record;
    bool open_with_focus = false;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      for (int i = 0; i < 3; ++i) {
        const char* typed = c.typed[static_cast<std::size_t>(i)];
        if (typed) {
          EXPECT_TRUE(t::Type(dlg, 8011 + i, typed));
        }
      }
      t::PressKey(dlg, t::Key::Enter);
      if (c.refused) {
        // a hidden field cannot take the focus
        open_with_focus = win::IsWindow(dlg) && (c.record[0] == 0 || t::HasFocus(dlg, c.refused));
        t::PressKey(dlg, t::Key::Escape);
      }
    });
    EXPECT_EQ(DLOG_TablDiv(r.data()), c.refused ? 0 : 1);
    EXPECT_EQ(r, c.refused ? c.record : c.returned);
    if (c.refused) {
      EXPECT_TRUE(open_with_focus) << c.refused;
      ASSERT_EQ(user.message_boxes().size(), 1u);
      EXPECT_EQ(user.message_boxes()[0].text, String(3036));
      EXPECT_EQ(user.message_boxes()[0].caption, String(3037));
      EXPECT_EQ(user.message_boxes()[0].style, win::MB_ICONERROR);
    }
  }
}

TEST_F(KestrinTest, TableDivisionFlagToggles) {
  for (short flag : {0, 1}) {
    Division r{1, 2, 2, 2, flag};
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      t::Click(dlg, 8041);
      t::PressKey(dlg, t::Key::Enter);
    });
    ASSERT_EQ(DLOG_TablDiv(r.data()), 1);
    EXPECT_EQ(r, (Division{1, 2, 2, 2, static_cast<short>(flag == 0)}));
  }
}

// --- Table statistics ----------------------------------------------------------

TEST_F(KestrinTest, TableStatisticsBoxesShowTheSwitches) {
  struct Case {
    std::array<short, 4> in;
    std::vector<int> clicks;
    bool ok;
    std::array<short, 4> out;
  };
  const std::vector<Case> cases{
      {{0, 0, 0, 9}, {}, true, {0, 0, 0, 9}},
      {{5, 0, -1, 9}, {}, true, {1, 0, 1, 9}},
      {{1, 0, 1, 9}, {8001, 8002}, true, {0, 1, 1, 9}},
      {{1, 0, 1, 9}, {8001, 8002}, false, {1, 0, 1, 9}},
  };
  for (const Case& c : cases) {
    std::array<short, 4> r = c.in;
    std::vector<bool> checked;
    t::User user;
    user.OnDialog("DLOG_TablStat", [&](win::HWND dlg) {
      for (int id : {8001, 8002, 8003}) checked.push_back(t::IsChecked(dlg, id));
      for (int id : c.clicks) t::Click(dlg, id);
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(DLOG_TablStat(r.data()), c.ok ? 1 : 0);
    EXPECT_EQ(checked, (std::vector<bool>{c.in[0] != 0, c.in[1] != 0, c.in[2] != 0}));
    EXPECT_EQ(r, c.out);
  }
}

TEST_F(KestrinTest, HistogramAndTableDialogsHelpAndMissingValues) {
  struct Case {
    const char* name;
    short help;
    std::function<int(short*)> call;
  };
  const std::vector<Case> cases{{"DLOG_HistIntv", 529, DLOG_HistIntv},
                                {"DLOG_TablDiv", 540, DLOG_TablDiv},
                                {"DLOG_TablStat", 542, DLOG_TablStat}};
  for (const Case& c : cases) {
    host_.help.clear();
    std::array<short, 8> r{1, 1, 1, 1, 1, 1, 1, 1};
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      t::Click(dlg, kestrin::kHelpButton);
      t::PressKey(dlg, t::Key::F1);
      t::CloseBox(dlg);
    });
    EXPECT_EQ(c.call(r.data()), 0);
    EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{c.name});
    EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{c.help, 11}, {c.help, 11}}));
    EXPECT_EQ(r, (std::array<short, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(c.call(nullptr), 0);
  }
}

// --- Table lines ---------------------------------------------------------------

using LineFlags = std::array<short, 17>;  // 16 and a sentinel

LineFlags Lines(std::initializer_list<std::pair<int, short>> set = {}) {
  LineFlags f{};
  f[16] = 99;
  for (auto [flag, value] : set) f[static_cast<std::size_t>(flag)] = value;
  return f;
}

constexpr win::COLORREF kDark = win::RGB(130, 130, 130);
constexpr win::COLORREF kLight = win::RGB(192, 192, 192);
constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);

win::COLORREF Pixel(const t::Image& image, int x, int y) {
  std::uint32_t p = image.at(x, y);
  return win::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// The centre of a sample as the dialog shows it now.
win::COLORREF Centre(win::HWND dlg, int id) {
  win::RECT r = t::ControlRect(dlg, id);
  return Pixel(t::Grab(dlg), r.left + r.width() / 2, r.top + r.height() / 2);
}

TEST_F(KestrinTest, TableLinesClickOnASampleSwitchesItsFlag) {
  struct Case {
    LineFlags in;
    std::vector<int> clicks;
    LineFlags out;
  };
  const std::vector<Case> cases{
      {Lines(), {8005}, Lines({{5, 1}})},
      {Lines({{0, 5}, {1, -1}, {2, 1}}), {8000, 8001, 8002}, Lines({{0, 1}, {1, 1}})},  // 1 becomes 0, others 1
      {Lines(), {8021}, Lines({{12, 1}})},
      {Lines(), {8020, 8022}, Lines()},                    // two samples of one line
      {Lines({{13, -2}}), {8024, 8042, 8041}, Lines({{13, 1}, {14, 1}, {15, 1}})},
  };
  for (const Case& c : cases) {
    LineFlags f = c.in;
    t::User user;
    user.OnDialog("DLOG_TablLine", [&](win::HWND dlg) {
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id)) << id;
      t::Click(dlg, win::IDOK);  // a focused sample would take Enter
    });
    ASSERT_EQ(DLOG_TablLine(f.data()), 1);
    EXPECT_EQ(f, c.out) << c.clicks.front();
  }
}

TEST_F(KestrinTest, TableLinesSamplesShowTheirFlags) {
  LineFlags f = Lines({{6, 1}, {14, 1}});
  std::vector<win::COLORREF> seen;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    seen = {Centre(dlg, 8006), Centre(dlg, 8007), Centre(dlg, 8042), Centre(dlg, 8053), Centre(dlg, 8030)};
    win::RECT r = t::ControlRect(dlg, 8006);
    t::Image image = t::Grab(dlg);
    // raised edges, twice for the single samples
    seen.push_back(Pixel(image, r.left, r.top));
    seen.push_back(Pixel(image, r.left + 1, r.top + 1));
    seen.push_back(Pixel(image, r.right - 1, r.bottom - 1));
    seen.push_back(Pixel(image, r.right - 2, r.bottom - 2));
    seen.push_back(Pixel(image, r.left + 2, r.top + 2));
    win::RECT g = t::ControlRect(dlg, 8042);
    seen.push_back(Pixel(image, g.left + 1, g.top + 1));  // one edge only
    t::Click(dlg, 8006);
    t::Click(dlg, 8030);
    seen.push_back(Centre(dlg, 8006));
    seen.push_back(Centre(dlg, 8041));  // every sample of the line
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(DLOG_TablLine(f.data()), 0);
  EXPECT_EQ(seen, (std::vector<win::COLORREF>{kDark, kLight, kDark, kDark, kLight, kWhite, kWhite, kBlack, kBlack,
                                              kDark, kDark, kLight, kDark}));
  EXPECT_EQ(f, Lines({{6, 1}, {14, 1}}));  // cancelled
}

TEST_F(KestrinTest, TableLinesAllOnAndAllOff) {
  struct Case {
    int button;
    short value;
  };
  for (Case c : {Case{8054, 1}, Case{8055, 0}}) {
    LineFlags f = Lines({{2, 1}, {9, 4}, {15, 1}});
    std::vector<win::COLORREF> seen;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      EXPECT_TRUE(t::Click(dlg, c.button));
      for (int id : {8000, 8002, 8020, 8025, 8053, 8030}) seen.push_back(Centre(dlg, id));
      t::Click(dlg, win::IDOK);  // a focused sample would take Enter
    });
    ASSERT_EQ(DLOG_TablLine(f.data()), 1);
    LineFlags expected = Lines();
    for (std::size_t i = 0; i < 16; ++i) expected[i] = c.value;
    if (c.value) expected[9] = 4;  // already on: left as it is
    EXPECT_EQ(f, expected);
    EXPECT_EQ(seen, std::vector<win::COLORREF>(6, c.value ? kDark : kLight));
  }
}

TEST_F(KestrinTest, RedrawUpdateAllBarsSetsTheFlagsThatDisagree) {
  struct Case {
    short value;
    int first_result, second_result;
  };
  for (Case c : {Case{5, 1, 0}, Case{0, 1, 0}}) {
    LineFlags f = Lines({{0, 1}, {3, -1}, {12, 2}});
    std::vector<int> results;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      results.push_back(RedrawUpdateAllBars(dlg, c.value));
      results.push_back(RedrawUpdateAllBars(dlg, c.value));  // nothing disagrees any more
      t::Click(dlg, win::IDOK);  // a focused sample would take Enter
    });
    ASSERT_EQ(DLOG_TablLine(f.data()), 1);
    EXPECT_EQ(results, (std::vector<int>{c.first_result, c.second_result}));
    LineFlags expected = Lines();
    for (std::size_t i = 0; i < 16; ++i) expected[i] = c.value;
    if (c.value) expected = Lines({{0, 1}, {3, -1}, {12, 2}, {1, 5}, {2, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5},
                                   {8, 5}, {9, 5}, {10, 5}, {11, 5}, {13, 5}, {14, 5}, {15, 5}});
    EXPECT_EQ(f, expected) << c.value;
  }
  EXPECT_EQ(RedrawUpdateAllBars(nullptr, 1), 0);  // no dialog to repaint
}

TEST_F(KestrinTest, TableLinesHelpAndMissingFlags) {
  LineFlags f = Lines({{1, 1}});
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    t::Click(dlg, kestrin::kHelpButton);
    t::Click(dlg, 8001);
    t::CloseBox(dlg);
  });
  EXPECT_EQ(DLOG_TablLine(f.data()), 0);
  EXPECT_EQ(f, Lines({{1, 1}}));
  EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{541, 11}}));
  EXPECT_EQ(DLOG_TablLine(nullptr), 0);
}

}  // namespace
