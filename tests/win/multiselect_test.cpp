// SPDX-License-Identifier: MIT
// Multi-select list boxes: the user's clicks toggle items, the procedure
// reads and sets the selection of several items.

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/multiselect_list.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

constexpr const char* kModule = R"(
dialog "Lists" {
  caption "Lists"
  size 160 100
  listbox 201 "" 4 4 70 60 multiselect notify
  listbox 202 "" 80 4 70 60 notify
  listbox 203 "" 4 70 70 20 multiselect hidden
  button IDOK "OK" 80 70 30 14 default
}
)";

std::vector<int> Selected(HWND dlg, int id) {
  std::array<int, 8> items{};
  int n = ListBox_GetSelItems(GetDlgItem(dlg, id), items);
  return n < 0 ? std::vector<int>{-1} : std::vector<int>(items.begin(), items.begin() + n);
}

// Opens "Lists" with five items in each list, runs the test's steps inside it.
void WithLists(const std::function<void(HWND)>& steps, std::vector<unsigned>* notifications = nullptr) {
  auto module = ResourceModule::Parse(kModule);
  ASSERT_NE(module, nullptr);
  t::User user;
  user.OnDialog(steps);
  auto proc = [&](HWND dlg, UINT msg, WPARAM wp, LPARAM) -> INT_PTR {
    if (msg == WM_INITDIALOG) {
      for (int id : {201, 202, 203})
        for (const char* s : {"a", "b", "c", "d", "e"}) ListBox_AddString(GetDlgItem(dlg, id), s);
      return 1;
    }
    if (msg == WM_COMMAND && LOWORD(wp) == 201 && notifications) notifications->push_back(HIWORD(wp));
    if (msg == WM_COMMAND && LOWORD(wp) == IDOK) EndDialog(dlg, IDOK);
    return 0;
  };
  DialogBoxParam(module->handle(), "Lists", nullptr, proc);
}

TEST(MultiSelectList, ClicksToggleItemsAndNotify) {
  struct Case {
    std::vector<int> clicks;
    std::vector<int> selected;
  };
  const std::vector<Case> cases{
      {{}, {}}, {{3}, {3}}, {{4, 0, 2}, {0, 2, 4}}, {{1, 1}, {}}, {{0, 1, 2, 3, 4, 2}, {0, 1, 3, 4}}};
  for (const Case& c : cases) {
    std::vector<int> selected;
    int count = -2;
    std::vector<unsigned> notes;
    WithLists(
        [&](HWND dlg) {
          for (int i : c.clicks) EXPECT_TRUE(t::ToggleItem(dlg, 201, i));
          selected = Selected(dlg, 201);
          count = ListBox_GetSelCount(GetDlgItem(dlg, 201));
          t::PressKey(dlg, t::Key::Enter);
        },
        &notes);
    EXPECT_EQ(selected, c.selected);
    EXPECT_EQ(count, static_cast<int>(c.selected.size()));
    EXPECT_EQ(notes, std::vector<unsigned>(c.clicks.size(), LBN_SELCHANGE));
  }
}

TEST(MultiSelectList, SetSelAndTheLimitOfGetSelItems) {
  WithLists([](HWND dlg) {
    HWND list = GetDlgItem(dlg, 201);
    EXPECT_EQ(ListBox_SetSel(list, true, -1), 0);
    EXPECT_EQ(Selected(dlg, 201), (std::vector<int>{0, 1, 2, 3, 4}));
    std::array<int, 2> two{};
    EXPECT_EQ(ListBox_GetSelItems(list, two), 2);
    EXPECT_EQ(two, (std::array<int, 2>{0, 1}));
    EXPECT_EQ(ListBox_SetSel(list, false, 1), 0);
    EXPECT_FALSE(ListBox_GetSel(list, 1));
    EXPECT_TRUE(ListBox_GetSel(list, 2));
    EXPECT_EQ(ListBox_SetSel(list, true, 5), LB_ERR);
    EXPECT_EQ(ListBox_SetSel(list, true, -2), LB_ERR);
    EXPECT_FALSE(ListBox_GetSel(list, 7));
    ListBox_DeleteString(list, 0);  // the others keep their selection
    EXPECT_EQ(Selected(dlg, 201), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ListBox_SetSel(list, false, -1), 0);
    EXPECT_EQ(ListBox_GetSelCount(list), 0);
    t::PressKey(dlg, t::Key::Enter);
  });
}

TEST(MultiSelectList, RefusesWhatTheUserCouldNotDo) {
  WithLists([](HWND dlg) {
    EXPECT_FALSE(t::ToggleItem(dlg, 203, 0));  // hidden
    EXPECT_FALSE(t::ToggleItem(dlg, 201, 5));
    EXPECT_FALSE(t::ToggleItem(dlg, 201, -1));
    EXPECT_FALSE(t::ToggleItem(dlg, IDOK, 0));  // not a list
    EXPECT_EQ(ListBox_GetSelCount(GetDlgItem(dlg, IDOK)), LB_ERR);
    EXPECT_EQ(Selected(dlg, IDOK), std::vector<int>{-1});
    EXPECT_EQ(ListBox_GetSelCount(nullptr), LB_ERR);
    // a single-select list still selects one item at a time
    EXPECT_TRUE(t::SelectItem(dlg, 202, 1));
    EXPECT_TRUE(t::SelectItem(dlg, 202, 3));
    EXPECT_EQ(Selected(dlg, 202), std::vector<int>{3});
    t::PressKey(dlg, t::Key::Enter);
  });
}

}  // namespace
