// SPDX-License-Identifier: MIT
// The dialog manager, controls and automation, through a small module.

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/resource.h"
#include "platform/win/shell.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

constexpr const char* kModule = R"(
dialog "Plain" {
  caption "Plain"
  size 160 120
  checkbox 101 "Manual box" 4 4 70 10
  autocheckbox 102 "Auto box" 4 16 70 10
  radio 103 "Manual radio" 4 28 70 10
  autoradio 104 "Option A" 80 4 70 10 group
  autoradio 105 "Option B" 80 16 70 10
  edit 106 "start" 4 40 70 12
  combobox 107 "" 4 56 70 60
  listbox 108 "" 80 28 70 40 notify
  listbox 109 "" 80 70 70 20
  button 110 "Hidden" 4 72 30 14 hidden
  button 111 "Disabled" 40 72 30 14 disabled
  static 112 "&Name && more" 4 90 70 8
  button 113 "Other" 4 100 30 14
  button IDOK "OK" 80 100 30 14
  button IDCANCEL "Cancel" 120 100 30 14
}
dialog "WithDefault" {
  size 100 40
  button 113 "Go" 4 4 40 14 default
  button IDOK "OK" 50 4 40 14
}
dialog 77 {
  size 50 20
}
dialog "DisabledDefault" {
  size 100 40
  button 113 "Go" 4 4 40 14 default disabled
}
)";

struct Message {
  UINT msg;
  unsigned id;
  unsigned code;
};

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    module_ = ResourceModule::Parse(kModule, &error);
    ASSERT_NE(module_, nullptr) << error;
  }

  // Opens a template; the procedure records what it gets and ends on IDOK/IDCANCEL.
  INT_PTR Open(const char* name, std::function<void(HWND)> on_init = {}) {
    return DialogBoxParam(module_->handle(), name, nullptr,
                          [this, on_init](HWND dlg, UINT msg, WPARAM wp, LPARAM lp) -> INT_PTR {
                            if (msg == WM_INITDIALOG) {
                              init_param_ = lp;
                              if (on_init) on_init(dlg);
                              return 1;
                            }
                            if (msg == WM_COMMAND || msg == WM_HELP || msg == WM_CLOSE || msg >= WM_USER)
                              seen_.push_back({msg, LOWORD(wp), HIWORD(wp)});
                            if (msg == WM_USER + 5) {
                              PostMessage(dlg, WM_USER + 6, 0, 0);
                              return 1;
                            }
                            if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL ||
                                                      LOWORD(wp) == 113)) {
                              EndDialog(dlg, LOWORD(wp));
                              return 1;
                            }
                            return 0;
                          },
                          1234);
  }

  bool Saw(UINT msg, unsigned id, unsigned code) const {
    for (const Message& m : seen_)
      if (m.msg == msg && m.id == id && m.code == code) return true;
    return false;
  }

  std::unique_ptr<ResourceModule> module_;
  std::vector<Message> seen_;
  LPARAM init_param_ = 0;
};

TEST_F(Dialogs, MissingTemplateOrModuleFails) {
  t::User user;
  EXPECT_EQ(DialogBoxParam(module_->handle(), "Nothing", nullptr, {}), -1);
  EXPECT_EQ(DialogBoxParam(nullptr, "Plain", nullptr, {}), -1);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

TEST_F(Dialogs, TemplatesByNumber) {
  t::User user;
  user.OnDialog([](HWND dlg) { EndDialog(dlg, 3); });
  EXPECT_EQ(DialogBoxParam(module_->handle(), 77, nullptr, {}), 3);
  EXPECT_EQ(DialogBoxParam(module_->handle(), "77", nullptr, {}), -1);
  EXPECT_EQ(DialogBoxParam(module_->handle(), 78, nullptr, {}), -1);
  EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{"#77"});
}

TEST_F(Dialogs, FocusMovesToTheControl) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    EXPECT_TRUE(t::HasFocus(dlg, 101));  // the first control that takes the focus
    SetFocus(GetDlgItem(dlg, 106));
    EXPECT_TRUE(t::HasFocus(dlg, 106));
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 106));
    t::PressKey(dlg, t::Key::Enter);  // an edit with the focus: Enter is the dialog's
  });
  EXPECT_EQ(Open("Plain"), IDOK);
}

TEST_F(Dialogs, InitGetsTheParameterAndEndDialogGivesTheResult) {
  t::User user;
  user.OnDialog("plain", [](HWND dlg) { EXPECT_TRUE(EndDialog(dlg, 77)); });
  EXPECT_EQ(Open("Plain"), 77);
  EXPECT_EQ(init_param_, 1234);
  EXPECT_EQ(user.dialogs_opened(), std::vector<std::string>{"Plain"});
  EXPECT_EQ(user.left_open(), 0);
}

TEST_F(Dialogs, EndDialogDuringInitShowsNothing) {
  t::User user;
  EXPECT_EQ(Open("Plain", [](HWND dlg) { EndDialog(dlg, 5); }), 5);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

struct KeyCase {
  const char* dialog;
  t::Key key;
  UINT msg;       // what the procedure gets
  unsigned id;
  INT_PTR result;
};

class Keys : public Dialogs, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, DialogManagerKeys) {
  const KeyCase& c = GetParam();
  t::User user;
  user.OnDialog([&](HWND dlg) { t::PressKey(dlg, c.key); });
  EXPECT_EQ(Open(c.dialog), c.result);
  EXPECT_TRUE(Saw(c.msg, c.id, 0)) << "message " << c.msg << " id " << c.id;
}

INSTANTIATE_TEST_SUITE_P(
    Manager, Keys,
    ::testing::Values(KeyCase{"Plain", t::Key::Enter, WM_COMMAND, IDOK, IDOK},           // no default: IDOK
                      KeyCase{"WithDefault", t::Key::Enter, WM_COMMAND, 113, 113},       // the default button
                      KeyCase{"Plain", t::Key::Escape, WM_COMMAND, IDCANCEL, IDCANCEL},
                      KeyCase{"WithDefault", t::Key::Escape, WM_COMMAND, IDCANCEL, IDCANCEL},  // no Cancel button
                      KeyCase{"Plain", t::Key::F1, WM_HELP, 0, IDCANCEL}));             // then left open

TEST_F(Dialogs, CloseBoxSendsCloseThenCancel) {
  t::User user;
  user.OnDialog([](HWND dlg) { t::CloseBox(dlg); });
  EXPECT_EQ(Open("Plain"), IDCANCEL);
  ASSERT_GE(seen_.size(), 2u);
  EXPECT_EQ(seen_[0].msg, WM_CLOSE);
  EXPECT_TRUE(Saw(WM_COMMAND, IDCANCEL, BN_CLICKED));
  EXPECT_EQ(user.left_open(), 0);
}

TEST_F(Dialogs, DisabledDefaultButtonIgnoresEnter) {
  t::User user;
  user.OnDialog([](HWND dlg) { t::PressKey(dlg, t::Key::Enter); });
  EXPECT_EQ(Open("DisabledDefault"), IDCANCEL);
  EXPECT_FALSE(Saw(WM_COMMAND, 113, BN_CLICKED));
  EXPECT_EQ(user.left_open(), 1);
}

TEST_F(Dialogs, AfterEachStepSeesTheStateAfterTheAction) {
  t::User user;
  std::vector<bool> after;
  user.AfterEachStep([&](HWND dlg) { after.push_back(t::IsChecked(dlg, 102)); });
  user.OnDialog([](HWND dlg) {
    t::Click(dlg, 102);
    t::Click(dlg, 102);
    t::Click(dlg, 110);  // hidden: not a step
    t::PressKey(dlg, t::Key::Enter);
  });
  EXPECT_EQ(Open("Plain"), IDOK);
  EXPECT_EQ(after, (std::vector<bool>{true, false, false}));  // after Enter too: ended, not yet gone
}

TEST_F(Dialogs, LeftOpenDialogIsCancelled) {
  t::User user;
  EXPECT_EQ(Open("Plain"), IDCANCEL);
  EXPECT_EQ(user.left_open(), 1);
}

struct ClickCase {
  int id;
  bool clickable;
  bool checked_after;  // for boxes and radios
};

class Clicks : public Dialogs, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(Clicks, ManualBoxesNotifyWithoutToggling) {
  const ClickCase& c = GetParam();
  t::User user;
  bool checked = false;
  user.OnDialog([&](HWND dlg) {
    EXPECT_EQ(t::Click(dlg, c.id), c.clickable);
    checked = t::IsChecked(dlg, c.id);
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  EXPECT_EQ(Saw(WM_COMMAND, static_cast<unsigned>(c.id), BN_CLICKED), c.clickable);
  EXPECT_EQ(checked, c.checked_after);
}

INSTANTIATE_TEST_SUITE_P(Controls, Clicks,
                         ::testing::Values(ClickCase{101, true, false},   // non-automatic check box
                                           ClickCase{102, true, true},    // automatic check box
                                           ClickCase{103, true, false},   // non-automatic radio
                                           ClickCase{104, true, true},    // automatic radio
                                           ClickCase{110, false, false},  // hidden
                                           ClickCase{111, false, false},  // disabled
                                           ClickCase{106, false, false},  // an edit is not clicked
                                           ClickCase{999, false, false}));

TEST_F(Dialogs, AutomaticRadiosAreAnExclusivePair) {
  t::User user;
  std::vector<std::pair<bool, bool>> states;
  user.OnDialog([&](HWND dlg) {
    t::Click(dlg, 104);
    states.emplace_back(t::IsChecked(dlg, 104), t::IsChecked(dlg, 105));
    t::Click(dlg, 105);
    states.emplace_back(t::IsChecked(dlg, 104), t::IsChecked(dlg, 105));
    t::Click(dlg, 105);
    states.emplace_back(t::IsChecked(dlg, 104), t::IsChecked(dlg, 105));
    CheckDlgButton(dlg, 105, BST_UNCHECKED);  // the program may clear both
    states.emplace_back(t::IsChecked(dlg, 104), t::IsChecked(dlg, 105));
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  std::vector<std::pair<bool, bool>> expected{{true, false}, {false, true}, {false, true}, {false, false}};
  EXPECT_EQ(states, expected);
}

TEST_F(Dialogs, CheckRadioButtonChecksOneOfTheRange) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    CheckDlgButton(dlg, 101, BST_CHECKED);
    CheckDlgButton(dlg, 103, BST_CHECKED);
    CheckRadioButton(dlg, 101, 103, 102);
    EXPECT_FALSE(t::IsChecked(dlg, 101));
    EXPECT_TRUE(t::IsChecked(dlg, 102));
    EXPECT_FALSE(t::IsChecked(dlg, 103));
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
}

TEST_F(Dialogs, EditChangeComesFromTypingAndFromSettingText) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    EXPECT_EQ(t::Text(dlg, 106), "4000000000");  // set at init
    t::Type(dlg, 106, "  -42x");
    bool ok = false;
    EXPECT_EQ(GetDlgItemInt(dlg, 106, &ok, true), -42);
    EXPECT_TRUE(ok);
    EXPECT_EQ(GetDlgItemInt(dlg, 106, &ok, false), 0);
    EXPECT_FALSE(ok);
    char small[4];
    EXPECT_EQ(GetDlgItemText(dlg, 106, small), 3);
    EXPECT_STREQ(small, "  -");
    EndDialog(dlg, IDOK);
  });
  int changes_at_init = 0;
  Open("Plain", [&](HWND dlg) {
    SetDlgItemInt(dlg, 106, 4000000000L, false);
    EXPECT_EQ(GetDlgItemText(dlg, 106), "4000000000");
    changes_at_init = static_cast<int>(seen_.size());
  });
  EXPECT_EQ(changes_at_init, 1);
  EXPECT_TRUE(Saw(WM_COMMAND, 106, EN_CHANGE));
  int changes = 0;
  for (const Message& m : seen_) changes += m.id == 106 && m.code == EN_CHANGE;
  EXPECT_EQ(changes, 2);
}

TEST_F(Dialogs, ComboSelectionNotifiesOnlyTheUsersChoice) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    HWND combo = GetDlgItem(dlg, 107);
    EXPECT_EQ(ComboBox_GetCurSel(combo), -1);
    EXPECT_EQ(ComboBox_SetCurSel(combo, 1), 1);
    EXPECT_EQ(ComboBox_SetCurSel(combo, 3), CB_ERR);
    EXPECT_EQ(t::Selection(dlg, 107), -1);
    EXPECT_FALSE(t::SelectItem(dlg, 107, 3));
    EXPECT_TRUE(t::SelectItem(dlg, 107, 2));
    EXPECT_EQ(ComboBox_GetCurSel(combo), 2);
    EXPECT_EQ(GetWindowText(combo), "three");
    EndDialog(dlg, IDOK);
  });
  Open("Plain", [](HWND dlg) {
    HWND combo = GetDlgItem(dlg, 107);
    for (const char* s : {"one", "two", "three"}) ComboBox_AddString(combo, s);
    EXPECT_EQ(ComboBox_GetCount(combo), 3);
    EXPECT_EQ(ComboBox_GetText(combo, 1), "two");
  });
  int selchanges = 0;
  for (const Message& m : seen_) selchanges += m.id == 107 && m.code == CBN_SELCHANGE;
  EXPECT_EQ(selchanges, 1);
}

TEST_F(Dialogs, ListNotifiesWhenAskedTo) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    for (int id : {108, 109}) {
      HWND list = GetDlgItem(dlg, id);
      ListBox_AddString(list, "a");
      ListBox_AddString(list, "b");
      ListBox_AddString(list, "c");
      EXPECT_EQ(ListBox_SetCurSel(list, 0), 0);
      EXPECT_TRUE(t::SelectItem(dlg, id, 1));
      EXPECT_TRUE(t::DoubleClickItem(dlg, id, 2));
      EXPECT_EQ(ListBox_GetCurSel(list), 2);
      EXPECT_EQ(ListBox_DeleteString(list, 0), 2);
      EXPECT_EQ(ListBox_GetText(list, 0), "b");
      EXPECT_EQ(ListBox_SetCurSel(list, 7), LB_ERR);
      EXPECT_EQ(ListBox_GetCurSel(list), -1);
    }
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  int selchanges = 0, dblclicks = 0, from_plain_list = 0;
  for (const Message& m : seen_) {
    selchanges += m.id == 108 && m.code == LBN_SELCHANGE;
    dblclicks += m.id == 108 && m.code == LBN_DBLCLK;
    from_plain_list += m.id == 109;
  }
  EXPECT_EQ(selchanges, 2);
  EXPECT_EQ(dblclicks, 1);
  EXPECT_EQ(from_plain_list, 0);
}

TEST_F(Dialogs, ShowEnableAndTexts) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    EXPECT_FALSE(t::IsVisible(dlg, 110));
    EXPECT_FALSE(t::IsEnabled(dlg, 111));
    EXPECT_FALSE(ShowWindow(GetDlgItem(dlg, 110), SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, 110)));
    EXPECT_TRUE(EnableWindow(GetDlgItem(dlg, 111), true));
    EXPECT_TRUE(t::Click(dlg, 111));
    EXPECT_EQ(t::Text(dlg, 112), "&Name && more");
    EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dlg, 112)), 112);
    EXPECT_EQ(GetParent(GetDlgItem(dlg, 112)), dlg);
    EXPECT_EQ(GetDlgItem(dlg, 4242), nullptr);
    EXPECT_EQ(DialogTemplateName(dlg), "Plain");
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  EXPECT_TRUE(Saw(WM_COMMAND, 111, BN_CLICKED));
}

TEST_F(Dialogs, PostedMessagesArriveInTheModalLoopSentOnesAtOnce) {
  t::User user;
  user.OnDialog([this](HWND dlg) {
    EXPECT_TRUE(PostMessage(dlg, WM_USER + 5, 0, 0));
    EXPECT_FALSE(Saw(WM_USER + 5, 0, 0));
    t::ProcessPosted();  // delivers 5, whose handler posts 6, delivered too
    EXPECT_TRUE(Saw(WM_USER + 6, 0, 0));
    EXPECT_EQ(SendMessage(dlg, WM_USER + 5, 0, 0), 1);
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
}

TEST_F(Dialogs, StaleHandlesFailQuietly) {
  HWND stale = nullptr;
  t::User user;
  user.OnDialog([&](HWND dlg) {
    stale = GetDlgItem(dlg, 101);
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  ASSERT_NE(stale, nullptr);
  EXPECT_FALSE(IsWindow(stale));
  EXPECT_FALSE(SetWindowText(stale, "x"));
  EXPECT_FALSE(EndDialog(stale, 1));
  EXPECT_FALSE(PostMessage(stale, WM_USER, 0, 0));
}

TEST_F(Dialogs, SetFontDefaultsToTheFontAndBack) {
  t::User user;
  Font bold("MS Sans Serif", 10, FW_BOLD);
  user.OnDialog([&](HWND dlg) {
    HWND box = GetDlgItem(dlg, 101);
    SendMessage(box, WM_SETFONT, reinterpret_cast<WPARAM>(bold.get()), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessage(box, WM_GETFONT, 0, 0)), bold.get());
    SendMessage(box, WM_SETFONT, 0, 0);
    EXPECT_EQ(SendMessage(box, WM_GETFONT, 0, 0), 0);
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
}

TEST_F(Dialogs, GeometryAndScreen) {
  t::User user;
  user.OnDialog([](HWND dlg) {
    RECT r;
    ASSERT_TRUE(GetWindowRect(dlg, &r));
    EXPECT_EQ(r.width(), 240);   // 160 dialog units of 6 / 4
    EXPECT_EQ(r.height(), 195);  // 120 of 13 / 8
    EXPECT_TRUE(MoveWindow(dlg, -30, -40, 240, 195));
    ASSERT_TRUE(GetWindowRect(dlg, &r));
    EXPECT_EQ(r, (RECT{-30, -40, 210, 155}));
    EXPECT_EQ(t::ControlRect(dlg, 113), (RECT{6, 163, 51, 185}));
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), qvtest::kScreenWidth);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), qvtest::kScreenHeight);
}

TEST_F(Dialogs, MessageBoxesBeepsAndShellAreRecordedAndAnswered) {
  t::User user;
  user.AnswerMessageBoxes([](const MessageBoxRequest& r) { return r.text == "yes?" ? IDYES : IDOK; });
  user.AnswerShellRequests(42);
  user.OnDialog([](HWND dlg) {
    EXPECT_EQ(MessageBox(dlg, "yes?", "Q", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBoxExactCaption(nullptr, "plain", "", MB_OK), IDOK);
    MessageBeep(0);
    EXPECT_EQ(ShellExecute(dlg, "open", "/tmp/log.txt"), 42);
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  ASSERT_EQ(user.message_boxes().size(), 2u);
  EXPECT_EQ(user.message_boxes()[0].caption, "Q");
  EXPECT_EQ(user.message_boxes()[0].style, MB_YESNO | MB_ICONQUESTION);
  EXPECT_NE(user.message_boxes()[0].owner, nullptr);
  EXPECT_EQ(user.message_boxes()[1].caption, "");
  EXPECT_EQ(user.beeps(), std::vector<unsigned>{0});
  ASSERT_EQ(user.shell_requests().size(), 1u);
  EXPECT_EQ(user.shell_requests()[0].verb, "open");
  EXPECT_EQ(user.shell_requests()[0].file, "/tmp/log.txt");
}

TEST_F(Dialogs, NestedDialogsGetTheirOwnActions) {
  t::User user;
  std::vector<std::string> order;
  user.OnDialog("WithDefault", [&](HWND dlg) {
    order.push_back("inner");
    EndDialog(dlg, 9);
  });
  INT_PTR inner = 0;
  user.OnDialog("Plain", [&](HWND dlg) {
    order.push_back("outer");
    inner = DialogBoxParam(module_->handle(), "WithDefault", dlg, {});
    order.push_back("outer again");
    EndDialog(dlg, IDOK);
  });
  EXPECT_EQ(Open("Plain"), IDOK);
  EXPECT_EQ(inner, 9);
  EXPECT_EQ(order, (std::vector<std::string>{"outer", "inner", "outer again"}));
}

TEST_F(Dialogs, GrabRendersTheControls) {
  t::User user;
  t::Image image;
  RECT box;
  user.OnDialog([&](HWND dlg) {
    image = t::Grab(dlg);
    box = t::ControlRect(dlg, 101);
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  ASSERT_EQ(image.width, 240);
  ASSERT_EQ(image.height, 195);
  std::uint32_t background = image.at(image.width - 2, image.height / 2 + 10);
  int inked = 0;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) inked += image.at(x, y) != background;
  EXPECT_GT(inked, 30);  // the box and its label are drawn
}

TEST_F(Dialogs, ListEntriesEndInAnEllipsisOrAreCut) {
  t::User user;
  std::vector<std::uint32_t> ellipsis, cut, ellipsis_again;
  user.OnDialog([&](HWND dlg) {
    HWND list = GetDlgItem(dlg, 108);
    ListBox_AddString(list, std::string(60, 'W'));
    const RECT r = t::ControlRect(dlg, 108);
    auto row = [&] {  // the list's first entry as drawn
      const t::Image image = t::Grab(dlg);
      std::vector<std::uint32_t> pixels;
      for (int y = r.top + 2; y < r.top + 14; ++y)
        for (int x = r.left + 2; x < r.right - 2; ++x) pixels.push_back(image.at(x, y));
      return pixels;
    };
    ellipsis = row();
    EXPECT_TRUE(ListBox_SetEllipsis(list, false));
    cut = row();
    EXPECT_TRUE(ListBox_SetEllipsis(list, true));
    ellipsis_again = row();
    EXPECT_FALSE(ListBox_SetEllipsis(GetDlgItem(dlg, 107), false));  // a combo box
    EXPECT_FALSE(ListBox_SetEllipsis(nullptr, false));
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  ASSERT_FALSE(ellipsis.empty());
  EXPECT_TRUE(ellipsis != cut) << "the entry is drawn the same either way";
  EXPECT_TRUE(ellipsis == ellipsis_again);
}

// Cut in the middle, an entry keeps its end: two entries that differ only
// there are drawn apart, which an ellipsis at their end hides.
TEST_F(Dialogs, ListEntriesCutInTheMiddleKeepTheirEnds) {
  t::User user;
  std::vector<std::uint32_t> bars_at_end, pies_at_end, bars_in_middle, pies_in_middle;
  user.OnDialog([&](HWND dlg) {
    HWND list = GetDlgItem(dlg, 108);
    auto drawn = [&](ListEllipsis where, const char* last) {  // the list with one entry
      EXPECT_TRUE(ListBox_SetEllipsis(list, where));
      ListBox_ResetContent(list);
      ListBox_AddString(list, std::string(60, 'W') + last);
      return t::Grab(list).argb;
    };
    bars_at_end = drawn(ListEllipsis::End, "Bars");
    pies_at_end = drawn(ListEllipsis::End, "Pies");
    bars_in_middle = drawn(ListEllipsis::Middle, "Bars");
    pies_in_middle = drawn(ListEllipsis::Middle, "Pies");
    EXPECT_FALSE(ListBox_SetEllipsis(GetDlgItem(dlg, 107), ListEllipsis::Middle));  // a combo box
    EndDialog(dlg, IDOK);
  });
  Open("Plain");
  ASSERT_FALSE(bars_in_middle.empty());
  EXPECT_TRUE(bars_at_end == pies_at_end) << "the ends show with the ellipsis at the end";
  EXPECT_TRUE(bars_in_middle != pies_in_middle) << "both entries read the same";
}

}  // namespace
