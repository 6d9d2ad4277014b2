// SPDX-License-Identifier: MIT
// The hi-lo series choice, the data orientation and the value prompts.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/window.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/kestrin/layout_check.h"

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

// --- Which hi-lo series --------------------------------------------------------

std::vector<bool> Checks(win::HWND dlg, int first, int last) {
  std::vector<bool> out;
  for (int id = first; id <= last; ++id) out.push_back(t::IsChecked(dlg, id));
  return out;
}

TEST_F(KestrinTest, WhichHiloShowsTheChoiceAndTheAllowedSeries) {
  struct Case {
    short choice;
    int show3, show4;
    int click;  // 0: none
    bool ok;
    int result;
    short after;
    std::vector<bool> checked;  // 8001-8004 at start
  };
  const Case cases[] = {
      {0, 1, 1, 0, true, 1, 0, {true, false, false, false}},
      {3, 1, 0, 0, true, 1, 3, {false, false, false, true}},   // checked but hidden, still the answer
      {3, 1, 0, 8002, true, 1, 1, {false, false, false, true}},
      {2, 0, 0, 8001, true, 1, 0, {false, false, true, false}},
      {1, 1, 1, 8004, false, 0, 1, {false, true, false, false}},
      {7, 1, 1, 0, true, 1, 7, {false, false, false, false}},  // outside 0-3: no radio
      {-1, 1, 1, 8003, true, 1, 2, {false, false, false, false}},
      {1, 0x10000, 0x10001, 0, true, 1, 1, {false, true, false, false}},  // low 16 bits count
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "choice " << c.choice << " click " << c.click);
    short choice = c.choice;
    std::vector<bool> checked, after_click;
    bool visible3 = false, visible4 = false;
    t::User user;
    user.OnDialog("DLOG_Which_HL", [&](win::HWND dlg) {
      checked = Checks(dlg, 8001, 8004);
      visible3 = t::IsVisible(dlg, 8003);
      visible4 = t::IsVisible(dlg, 8004);
      if (c.click) {
        EXPECT_TRUE(t::Click(dlg, c.click));
        after_click = Checks(dlg, 8001, 8004);
      }
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(DLOG_WhichHilo(&choice, c.show3, c.show4), c.result);
    EXPECT_EQ(checked, c.checked);
    EXPECT_EQ(visible3, (c.show3 & 0xFFFF) != 0);
    EXPECT_EQ(visible4, (c.show4 & 0xFFFF) != 0);
    if (c.click) {
      std::vector<bool> only(4, false);
      only[static_cast<std::size_t>(c.click - 8001)] = true;
      EXPECT_EQ(after_click, only);
    }
    EXPECT_EQ(choice, c.ok ? c.after : c.choice);
  }
}

// --- Data orientation ------------------------------------------------------------

TEST_F(KestrinTest, DataOrientationStartsFromBothValuesAndOkWritesTheClicks) {
  struct Case {
    short first, second;
    std::vector<int> clicks;
    bool ok;
    std::vector<bool> start;  // 8001-8004
    short first_after, second_after;
  };
  const Case cases[] = {
      {0, 0, {}, true, {true, false, false, true}, 0, 0},
      {1, 1, {}, true, {false, true, true, false}, 1, 1},
      {5, -2, {}, true, {false, true, true, false}, 5, -2},  // untouched values go back as they came
      {0, 0, {8003, 8002}, true, {true, false, false, true}, 1, 1},
      {1, 1, {8004, 8001}, true, {false, true, true, false}, 0, 0},
      {1, 0, {8004, 8003}, true, {true, false, true, false}, 1, 0},
      {0, 1, {8003, 8001}, false, {false, true, false, true}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.first << "," << c.second << " clicks " << c.clicks.size());
    short first = c.first, second = c.second;
    std::vector<bool> start;
    t::User user;
    user.OnDialog("DLOG_ORIENT", [&](win::HWND dlg) {
      start = Checks(dlg, 8001, 8004);
      for (int id : c.clicks) EXPECT_TRUE(t::Click(dlg, id));
      if (!c.clicks.empty()) {
        EXPECT_TRUE(t::IsChecked(dlg, c.clicks.back()));
      }
      t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
    });
    EXPECT_EQ(DLOG_DataOrientDlog(&first, &second), c.ok ? 1 : 0);
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(first, c.first_after);
    EXPECT_EQ(second, c.second_after);
  }
}

TEST_F(KestrinTest, ChoiceDialogsGiveTheirHelp) {
  struct Case {
    const char* name;
    int help_id;
  };
  for (Case c : {Case{"DLOG_Which_HL", 543}, Case{"DLOG_ORIENT", 532}}) {
    host_.help.clear();
    short a = 0, b = 0;
    t::User user;
    user.OnDialog(c.name, [&](win::HWND dlg) {
      EXPECT_TRUE(t::IsVisible(dlg, kestrin::kHelpButton));
      t::PressKey(dlg, t::Key::F1);
      t::Click(dlg, kestrin::kHelpButton);
      t::PressKey(dlg, t::Key::Escape);
    });
    if (std::string(c.name) == "DLOG_ORIENT") DLOG_DataOrientDlog(&a, &b);
    else DLOG_WhichHilo(&a, 1, 1);
    EXPECT_EQ(host_.help, (std::vector<std::pair<int, int>>{{c.help_id, 11}, {c.help_id, 11}})) << c.name;
  }
}

// --- Value prompts -----------------------------------------------------------------

using Buffer = std::array<char, 64>;

Buffer Filled(const char* text) {
  Buffer b{};
  b.fill('#');
  std::memcpy(b.data(), text, std::strlen(text) + 1);
  return b;
}

TEST_F(KestrinTest, ValuePromptsCopyAtMost32BytesOfTheFirstLineOnOk) {
  const std::string forty(40, 'x');
  struct Case {
    const char* typed;  // nullptr: left as shown
    bool ok;
    std::string expected;
  };
  const Case cases[] = {
      {nullptr, true, "old"},
      {"12.5", true, "12.5"},
      {"", true, ""},
      {forty.c_str(), true, std::string(32, 'x')},
      {"first\nsecond", true, "first"},
      {"abc", false, "old"},
      // 31 ASCII bytes and a two-byte letter: the letter does not fit whole.
      {"0123456789012345678901234567890\xc3\xa7", true, "0123456789012345678901234567890"},
  };
  for (int fields = 1; fields <= 2; ++fields) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << fields << " fields, typed " << (c.typed ? c.typed : "(none)"));
      char label1[] = "Value:", label2[] = "Second value:";
      Buffer value1 = Filled("old"), value2 = Filled("old");
      const Buffer before2 = value2;
      std::vector<std::string> shown;
      t::User user;
      user.OnDialog([&](win::HWND dlg) {
        shown = {t::Text(dlg, 8001), t::Text(dlg, 8003)};
        if (fields == 2) {
          shown.push_back(t::Text(dlg, 8002));
          shown.push_back(t::Text(dlg, 8004));
        }
        if (c.typed) {
          EXPECT_TRUE(t::Type(dlg, 8003, c.typed));
          if (fields == 2) {
            EXPECT_TRUE(t::Type(dlg, 8004, "2nd"));
          }
        }
        t::PressKey(dlg, c.ok ? t::Key::Enter : t::Key::Escape);
      });
      int result = fields == 1 ? DLOG_Get1Value(label1, value1.data())
                               : DLOG_Get2Values(label1, label2, value1.data(), value2.data());
      EXPECT_EQ(result, c.ok ? 1 : 0);
      EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{fields == 1 ? "GET1VALUE" : "GET2VALUES"});
      std::vector<std::string> expected_shown{"Value:", "old"};
      if (fields == 2) expected_shown.insert(expected_shown.end(), {"Second value:", "old"});
      EXPECT_EQ(shown, expected_shown);
      EXPECT_STREQ(value1.data(), c.expected.c_str());
      if (fields == 2) {
        if (c.ok && c.typed) {
          EXPECT_STREQ(value2.data(), "2nd");
        } else if (!c.ok) {
          EXPECT_EQ(value2, before2);
        }
      }
      if (!c.ok) {
        EXPECT_EQ(value1, Filled("old"));
      }
    }
  }
}

TEST_F(KestrinTest, ValuePromptsAreNeitherCentredNorGivenTheHostFont) {
  win::Font font("MS Sans Serif", 14);
  host_.font = font.get();
  char label[] = "Value:";
  Buffer value = Filled("1");
  win::HFONT seen = font.get();
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    seen = reinterpret_cast<win::HFONT>(win::SendDlgItemMessage(dlg, 8003, win::WM_GETFONT, 0, 0));
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(DLOG_Get1Value(label, value.data()), 0);
  EXPECT_EQ(seen, nullptr);
}

TEST_F(KestrinTest, PromptsWithoutTheirValuesOpenNothing) {
  char label[] = "Value:";
  Buffer value = Filled("old");
  t::User user;
  EXPECT_EQ(DLOG_WhichHilo(nullptr, 1, 1), 0);
  short one = 0;
  EXPECT_EQ(DLOG_DataOrientDlog(&one, nullptr), 0);
  EXPECT_EQ(DLOG_Get1Value(nullptr, value.data()), 0);
  EXPECT_EQ(DLOG_Get1Value(label, nullptr), 0);
  EXPECT_EQ(DLOG_Get2Values(label, nullptr, value.data(), value.data()), 0);
  EXPECT_TRUE(user.dialogs_opened().empty());
  EXPECT_EQ(value, Filled("old"));
}

TEST_F(KestrinTest, PromptsBeforeInitOpenNothing) {
  InitDialogsDLL(nullptr, nullptr, 0);
  char label[] = "Value:";
  Buffer value = Filled("old");
  short choice = 2, a = 1, b = 1;
  t::User user;
  EXPECT_EQ(DLOG_WhichHilo(&choice, 1, 1), 0);
  EXPECT_EQ(DLOG_DataOrientDlog(&a, &b), 0);
  EXPECT_EQ(DLOG_Get1Value(label, value.data()), 0);
  EXPECT_TRUE(user.dialogs_opened().empty());
  EXPECT_EQ(choice, 2);
  EXPECT_EQ(value, Filled("old"));
}

TEST_F(KestrinTest, PromptLayoutsFit) {
  char label1[] = "Value:", label2[] = "Second value:";
  Buffer v1 = Filled("1"), v2 = Filled("2");
  short choice = 0, a = 0, b = 0;
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    qvtest::ExpectLayoutFits(dlg, *module_->dialog(win::DialogTemplateName(dlg)));
    t::PressKey(dlg, t::Key::Escape);
  });
  DLOG_WhichHilo(&choice, 1, 1);
  DLOG_DataOrientDlog(&a, &b);
  DLOG_Get1Value(label1, v1.data());
  DLOG_Get2Values(label1, label2, v1.data(), v2.data());
  EXPECT_EQ(user.dialogs_opened().size(), 4u);
}

}  // namespace
