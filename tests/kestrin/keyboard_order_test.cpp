// SPDX-License-Identifier: MIT
// Every dialog charthost opens, driven from the keyboard: Tab visits the
// controls in the template's order with one stop per option group (its
// selected option), and Enter and Escape from every tab stop do what they do
// from the start: Enter is OK (or the focused push button), Escape is Cancel.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "hosts/charthost/dialogs.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/testing.h"
#include "tests/kestrin/kestrin_fixture.h"

namespace {

namespace t = win::testing;
using win::HWND;
using win::ControlKind;

bool IsRadio(ControlKind k) { return k == ControlKind::Radio || k == ControlKind::AutoRadio; }

class EveryDialog : public qvtest::KestrinTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Opens the dialog, lets `act` be the user, and returns what charthost printed.
  std::string Run(const std::function<void(HWND)>& act) {
    const charthost::DialogEntry* entry = charthost::FindDialog(GetParam());
    t::User user;
    user.OnDialog([&](HWND dlg) {
      if (win::DialogTemplateName(dlg) == name_ || name_.empty()) {
        name_ = win::DialogTemplateName(dlg);
        act(dlg);
      }
    });
    std::ostringstream out, err;
    EXPECT_TRUE(entry->run({}, out, err)) << err.str();
    return out.str() + " boxes=" + std::to_string(user.message_boxes().size());
  }
  // The focused control's id after Tab pressed `tabs` times from the start.
  static int TabTo(HWND dlg, int tabs) {
    for (int i = 0; i < tabs; ++i) t::PressKey(dlg, t::Key::Tab);
    HWND focus = win::GetFocus();
    return focus ? win::GetDlgCtrlID(focus) : 0;
  }
  std::string name_;
};

TEST_P(EveryDialog, TabFollowsTheTemplateAndEnterAndEscapeWorkFromEveryStop) {
  // One cycle of Tab from the first focus, and the template as written.
  std::vector<int> stops;
  std::vector<int> expected_ids;
  std::string start = Run([&](HWND dlg) {
    const win::DialogTemplate* tpl = module_->dialog(win::DialogTemplateName(dlg));
    ASSERT_NE(tpl, nullptr);
    const auto& controls = tpl->controls;
    // Every shown, enabled control that takes keys is a stop; an option group is one, its selected option.
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const win::ControlTemplate& c = controls[i];
      if (c.id == win::IDC_STATIC || !t::IsVisible(dlg, c.id) || !t::IsEnabled(dlg, c.id)) continue;
      if (c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox || c.kind == ControlKind::Image ||
          c.kind == ControlKind::Custom)
        continue;
      if (IsRadio(c.kind)) {
        bool group_start = i == 0 || !IsRadio(controls[i - 1].kind) || c.style.group;
        std::size_t last = i;
        if (!group_start) continue;
        while (last + 1 < controls.size() && IsRadio(controls[last + 1].kind) && !controls[last + 1].style.group) ++last;
        int stop = 0;
        for (std::size_t k = i; k <= last; ++k) {
          int id = controls[k].id;
          if (!t::IsVisible(dlg, id) || !t::IsEnabled(dlg, id)) continue;
          if (t::IsChecked(dlg, id)) { stop = id; break; }
          if (!stop) stop = id;
        }
        if (stop) expected_ids.push_back(stop);
        continue;
      }
      expected_ids.push_back(c.id);
    }
    int first = TabTo(dlg, 0);
    stops.push_back(first);
    for (std::size_t n = 0; n < expected_ids.size() + 2; ++n) {
      int id = TabTo(dlg, 1);
      if (id == first) break;
      stops.push_back(id);
    }
  });
  ASSERT_FALSE(stops.empty());
  // The cycle from the first stop is the template's order.
  auto at = std::find(expected_ids.begin(), expected_ids.end(), stops.front());
  ASSERT_NE(at, expected_ids.end()) << "first focus " << stops.front();
  std::vector<int> cycle(at, expected_ids.end());
  cycle.insert(cycle.end(), expected_ids.begin(), at);
  EXPECT_EQ(stops, cycle);

  // Enter from a stop is OK, or the focused push button; Escape is Cancel.
  const std::string ok = Run([](HWND dlg) { t::Click(dlg, win::IDOK) || t::PressKey(dlg, t::Key::Enter); });
  const std::string cancel = Run([](HWND dlg) { t::PressKey(dlg, t::Key::Escape); });
  for (std::size_t k = 0; k < stops.size(); ++k) {
    const int id = stops[k];
    std::string by_click;
    bool is_button = false;
    std::string entered = Run([&](HWND dlg) {
      ASSERT_EQ(TabTo(dlg, static_cast<int>(k)), id);
      const win::ControlTemplate* c = nullptr;
      for (const auto& ct : module_->dialog(win::DialogTemplateName(dlg))->controls)
        if (ct.id == id) c = &ct;
      is_button = c && c->kind == ControlKind::Button && !c->style.owner_draw && id != win::IDOK;
      t::PressKey(dlg, t::Key::Enter);
    });
    if (is_button) by_click = Run([&](HWND dlg) { t::Click(dlg, id); });
    EXPECT_EQ(entered, is_button ? by_click : ok) << "Enter on " << id;
    std::string escaped = Run([&](HWND dlg) {
      ASSERT_EQ(TabTo(dlg, static_cast<int>(k)), id);
      t::PressKey(dlg, t::Key::Escape);
    });
    EXPECT_EQ(escaped, cancel) << "Escape on " << id;
  }
  EXPECT_NE(ok, cancel);  // OK with the values as given (TablDiv refuses its zeros)
  EXPECT_NE(cancel.find("result=0"), std::string::npos) << cancel;
}

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const charthost::DialogEntry& e : charthost::Dialogs()) {
    std::string n = e.name;
    if (n != "MSG_Box" && n != "DLOG_SelectRGB") names.push_back(n);  // no dialog template of ours
  }
  return names;
}

INSTANTIATE_TEST_SUITE_P(Charthost, EveryDialog, ::testing::ValuesIn(Names()),
                         [](const auto& info) { return info.param; });

}  // namespace
