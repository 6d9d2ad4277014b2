// SPDX-License-Identifier: MIT
// The rules every Kestrin dialog shares, shown on the data-label dialogs.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/vantrel/vantrel.h"
#include "platform/win/gdi.h"
#include "platform/win/window.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <cstring>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

constexpr int kHelp = kestrin::kHelpButton;

TEST_F(KestrinTest, SetUpExportsReturnTheirArgument) {
  EXPECT_EQ(InitDialogsDLL(&host_, module_->handle(), 0), &host_);
  EXPECT_EQ(EnableDialogsHelp(7), 7);
  auto frame = reinterpret_cast<win::HWND>(0x1234);
  EXPECT_EQ(SetDialogsDLLFrameWnd(frame), frame);
  SetDialogsDLLFrameWnd(nullptr);
}

struct HelpCase {
  int help_flag;
  bool button_visible;
  int calls;  // F1 and the Help button
};

class HelpRules : public KestrinTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpRules, FlagShowsTheButtonAndCallsTheHost) {
  EnableDialogsHelp(GetParam().help_flag);
  t::User user;
  bool visible = !GetParam().button_visible;
  user.OnDialog([&](win::HWND dlg) {
    visible = t::IsVisible(dlg, kHelp);
    t::PressKey(dlg, t::Key::F1);
    EXPECT_EQ(t::Click(dlg, kHelp), GetParam().button_visible);
    t::PressKey(dlg, t::Key::Escape);
  });
  short flags[1] = {0}, position = 0, format = 1;
  EXPECT_EQ(DLOG_ScatOpt(flags, &position, &format), 0);
  EXPECT_EQ(visible, GetParam().button_visible);
  ASSERT_EQ(static_cast<int>(host_.help.size()), GetParam().calls);
  for (auto [id, command] : host_.help) {
    EXPECT_EQ(id, 536);
    EXPECT_EQ(command, 11);
  }
}

INSTANTIATE_TEST_SUITE_P(Flags, HelpRules,
                         ::testing::Values(HelpCase{0, false, 0}, HelpCase{1, true, 2}, HelpCase{-5, true, 2}));

struct CentreCase {
  int screen_width, screen_height;
  int left, top;  // of the 315 x 153 bar dialog
};

class Centring : public KestrinTest, public ::testing::WithParamInterface<CentreCase> {};

TEST_P(Centring, XHalfwayYAtAThird) {
  const CentreCase& c = GetParam();
  t::PinScreenSize(c.screen_width, c.screen_height);
  t::User user;
  win::RECT r;
  user.OnDialog([&](win::HWND dlg) {
    win::GetWindowRect(dlg, &r);
    t::PressKey(dlg, t::Key::Escape);
  });
  short flags[3] = {}, position = 0, format = 1;
  DLOG_BarOpt(flags, &position, &format, 0, 0);
  EXPECT_EQ(r.width(), 315);
  EXPECT_EQ(r.height(), 153);
  EXPECT_EQ(r.left, c.left);
  EXPECT_EQ(r.top, c.top);
}

// Smaller screens than the dialog put it at negative coordinates, the
// divisions truncated towards zero.
INSTANTIATE_TEST_SUITE_P(Screens, Centring,
                         ::testing::Values(CentreCase{1024, 768, 354, 205}, CentreCase{800, 600, 242, 149},
                                           CentreCase{200, 100, -57, -17}, CentreCase{314, 150, 0, -1}));

struct FormatCase {
  short format;        // 1-based, as the caller passes it
  int selected;        // 0-based in the combo
};

class Formats : public KestrinTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(Formats, OutsideTheTableSelectsTheFirstAndOkReturnsOne) {
  t::User user;
  int selected = -2;
  int count = 0;
  user.OnDialog([&](win::HWND dlg) {
    selected = t::Selection(dlg, 8012);
    count = t::Count(dlg, 8012);
    t::PressKey(dlg, t::Key::Enter);
  });
  short flags[1] = {1}, position = 2, format = GetParam().format;
  EXPECT_EQ(DLOG_SpecOpt(flags, &position, &format), 1);
  EXPECT_EQ(count, GetSFTableSize());
  EXPECT_EQ(selected, GetParam().selected);
  EXPECT_EQ(format, GetParam().selected + 1);
  EXPECT_EQ(position, 2);
}

INSTANTIATE_TEST_SUITE_P(Indexes, Formats,
                         ::testing::Values(FormatCase{0, 0}, FormatCase{1, 0}, FormatCase{5, 4}, FormatCase{10, 9},
                                           FormatCase{11, 0}, FormatCase{-3, 0}, FormatCase{32767, 0}));

TEST_F(KestrinTest, FormatComboListsTheSdkNamesInOrder) {
  t::User user;
  std::vector<std::string> names;
  user.OnDialog([&](win::HWND dlg) {
    for (int i = 0; i < t::Count(dlg, 8012); ++i) names.push_back(t::ItemText(dlg, 8012, i));
    t::PressKey(dlg, t::Key::Escape);
  });
  short flags[1] = {}, position = 0, format = 1;
  DLOG_ScatOpt(flags, &position, &format);
  ASSERT_EQ(static_cast<int>(names.size()), GetSFTableSize());
  for (int i = 0; i < GetSFTableSize(); ++i) {
    char name[64];
    GetSFTableEntry(i, name);
    EXPECT_EQ(names[i], name);
  }
}

TEST_F(KestrinTest, SecondLoadDlgStringOverwritesTheFirst) {
  const char* first = kestrin::LoadDlgString(3018);
  std::string first_text = first;
  const char* second = kestrin::LoadDlgString(3019);
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, module_->string(3019)->data());
  EXPECT_NE(first_text, first);
  EXPECT_STREQ(kestrin::LoadDlgString(4444), "");
}

TEST_F(KestrinTest, ModuleHoldsEveryStringTheDialogsLoad) {
  for (int id = 3018; id <= 3038; ++id) {
    ASSERT_TRUE(module_->string(id).has_value()) << id;
    EXPECT_STREQ(kestrin::LoadDlgString(id), std::string(*module_->string(id)).c_str()) << id;
    EXPECT_FALSE(module_->string(id)->empty()) << id;
  }
}

struct BoxCase {
  int type;
  int text_id;
  int caption_id;  // 0: empty caption
  unsigned style;
  int answer;
};

class MessageBoxes : public KestrinTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxes, TextCaptionAndStyleByType) {
  const BoxCase& c = GetParam();
  t::User user;
  user.AnswerMessageBoxes([](const win::MessageBoxRequest& r) {
    return (r.style & win::MB_TYPEMASK) == win::MB_YESNO ? win::IDYES : win::IDOK;
  });
  EXPECT_EQ(MSG_Box(c.type, c.text_id), c.answer);
  ASSERT_EQ(user.message_boxes().size(), 1u);
  const win::MessageBoxRequest& box = user.message_boxes()[0];
  EXPECT_EQ(box.text, std::string(*module_->string(c.text_id)));
  EXPECT_EQ(box.caption, c.caption_id ? std::string(*module_->string(c.caption_id)) : std::string());
  EXPECT_EQ(box.style, c.style);
  EXPECT_EQ(box.owner, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageBoxes,
    ::testing::Values(BoxCase{0, 3022, 3018, win::MB_ICONEXCLAMATION, win::IDOK},
                      BoxCase{1, 3023, 3019, win::MB_ICONSTOP, win::IDOK},
                      BoxCase{2, 3038, 3020, win::MB_ICONINFORMATION, win::IDOK},
                      BoxCase{3, 3026, 3021, win::MB_ICONQUESTION | win::MB_YESNO, win::IDYES},
                      // text and caption both from the one shared buffer: both right
                      BoxCase{1, 3020, 3019, win::MB_ICONSTOP, win::IDOK},
                      BoxCase{4, 3022, 0, win::MB_OK, win::IDOK}, BoxCase{-1, 3022, 0, win::MB_OK, win::IDOK}));

TEST_F(KestrinTest, MessageBoxOwnerIsTheRegisteredMainWindow) {
  t::User user;
  win::HWND seen = nullptr;
  user.OnDialog([&](win::HWND dlg) {
    kestrin::SetApplicationMainWindow(dlg);
    MSG_Box(0, 3022);
    seen = user.message_boxes().at(0).owner;
    t::PressKey(dlg, t::Key::Escape);
  });
  short flags[1] = {}, position = 0, format = 1;
  DLOG_AreaOpt(flags, &position, &format);
  EXPECT_NE(seen, nullptr);
  kestrin::SetApplicationMainWindow(nullptr);
}

TEST_F(KestrinTest, FrameWindowOwnsTheDialogsAndLeavesTheirBoxesEnabled) {
  win::HWND frame = win::CreateMainWindow("Chart", 400, 300, {});
  ASSERT_NE(frame, nullptr);
  SetDialogsDLLFrameWnd(frame);
  t::User user;
  win::HWND owner = nullptr;
  user.OnDialog([&](win::HWND dlg) {
    owner = win::GetParent(dlg);
    EXPECT_TRUE(t::Click(dlg, 8001));
    t::PressKey(dlg, t::Key::Enter);
  });
  short flags[1] = {0}, position = 2, format = 1;
  EXPECT_EQ(DLOG_AreaOpt(flags, &position, &format), 1);
  EXPECT_EQ(owner, frame);
  EXPECT_EQ(flags[0], 1);
  SetDialogsDLLFrameWnd(nullptr);
  win::DestroyWindow(frame);
}

TEST_F(KestrinTest, HostFontGoesToTheDialogAndEveryControl) {
  win::Font font("MS Sans Serif", 10, win::FW_BOLD);
  for (win::HFONT given : {static_cast<win::HFONT>(nullptr), font.get()}) {
    host_.font = given;
    t::User user;
    std::vector<win::LRESULT> fonts;
    user.OnDialog([&](win::HWND dlg) {
      fonts.push_back(win::SendMessage(dlg, win::WM_GETFONT, 0, 0));
      win::EnumChildWindows(dlg, [&](win::HWND child) {
        fonts.push_back(win::SendMessage(child, win::WM_GETFONT, 0, 0));
        return true;
      });
      t::PressKey(dlg, t::Key::Escape);
    });
    short flags[2] = {}, position = 0, format = 1;
    DLOG_LineOpt(flags, &position, &format, 0, 0);
    ASSERT_GT(fonts.size(), 5u);
    for (win::LRESULT f : fonts) EXPECT_EQ(f, reinterpret_cast<win::LRESULT>(given));
  }
}

TEST_F(KestrinTest, BeforeInitialisationNothingOpensAndNothingChanges) {
  InitDialogsDLL(nullptr, nullptr, 1);
  t::User user;
  short flags[3] = {1, 0, 1}, position = 3, format = 4;
  EXPECT_EQ(DLOG_BarOpt(flags, &position, &format, 0, 0), 0);
  EXPECT_EQ(flags[0], 1);
  EXPECT_EQ(flags[1], 0);
  EXPECT_EQ(flags[2], 1);
  EXPECT_EQ(position, 3);
  EXPECT_EQ(format, 4);
  InitDialogsDLL(nullptr, module_->handle(), 1);  // a module but no host
  EXPECT_EQ(DLOG_BarOpt(flags, &position, &format, 0, 0), 0);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

TEST_F(KestrinTest, MissingTemplateReturnsZeroAndChangesNothing) {
  auto empty = win::ResourceModule::Parse("strings { 3018 \"x\" }");
  ASSERT_NE(empty, nullptr);
  InitDialogsDLL(&host_, empty->handle(), 1);
  t::User user;
  short flags[2] = {5, 6}, position = 1, format = 2, style = 3;
  EXPECT_EQ(DLOG_HiloOpt(flags, &position, &format, &style, 0, 1, 1), 0);
  EXPECT_EQ(flags[0], 5);
  EXPECT_EQ(flags[1], 6);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(format, 2);
  EXPECT_EQ(style, 3);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

TEST_F(KestrinTest, NullArgumentsOpenNothing) {
  t::User user;
  short flags[1] = {}, position = 0, format = 1;
  EXPECT_EQ(DLOG_ScatOpt(nullptr, &position, &format), 0);
  EXPECT_EQ(DLOG_ScatOpt(flags, nullptr, &format), 0);
  EXPECT_EQ(DLOG_HiloOpt(flags, &position, &format, nullptr, 0, 0, 0), 0);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

// The dialog really renders: labels, combos and buttons put ink on the
// window's background, and the group hidden by its master leaves none.
TEST_F(KestrinTest, DialogRendersItsControls) {
  struct Shot {
    t::Image image;
    win::RECT box, combo, ok;
  };
  auto grab = [&](short master) {
    Shot shot;
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      shot.image = t::Grab(dlg);
      shot.box = t::ControlRect(dlg, 8002);
      shot.combo = t::ControlRect(dlg, 8011);
      shot.ok = t::ControlRect(dlg, win::IDOK);
      t::PressKey(dlg, t::Key::Escape);
    });
    short flags[1] = {master}, position = 1, format = 3;
    DLOG_ScatOpt(flags, &position, &format);
    return shot;
  };
  auto ink = [](const Shot& s, const win::RECT& r) {
    std::uint32_t background = s.image.at(2, s.image.height - 2);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += s.image.at(x, y) != background;
    return n;
  };
  Shot on = grab(1), off = grab(0);
  ASSERT_EQ(on.image.width, 315);
  ASSERT_EQ(on.image.height, 107);
  EXPECT_GT(ink(on, on.box), 50);
  EXPECT_GT(ink(on, on.ok), 200);
  EXPECT_GT(ink(on, on.combo), 200);
  EXPECT_EQ(ink(off, off.combo), 0);
  EXPECT_GT(ink(off, off.box), 50);
}

}  // namespace
