// SPDX-License-Identifier: MIT
// Every dialog charthost can open, as it shows at start and after each click
// of its check boxes and radios: the layout check on what is visible then,
// with the texts and combo entries the dialog set.

#include "hosts/charthost/dialogs.h"
#include "platform/win/dialog.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/kestrin/layout_check.h"
#include "tests/win/idle_paints.h"

#include <set>
#include <sstream>
#include <string>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

bool IsSwitch(win::ControlKind kind) {
  return kind == win::ControlKind::CheckBox || kind == win::ControlKind::AutoCheckBox ||
         kind == win::ControlKind::Radio || kind == win::ControlKind::AutoRadio;
}

TEST_F(KestrinTest, EveryDialogLaysOutWhatItShows) {
  std::set<std::string> checked;
  for (const charthost::DialogEntry& entry : charthost::Dialogs()) {
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      std::string name = win::DialogTemplateName(dlg);
      const win::DialogTemplate* dialog = module_->dialog(name);
      ASSERT_NE(dialog, nullptr) << name;
      checked.insert(dialog->name.text());
      auto report = [&](const std::string& when) {
        for (const std::string& problem : qvtest::OpenLayoutProblems(dlg, *dialog))
          ADD_FAILURE() << entry.name << " " << when << ": " << problem;
      };
      report("at start");
      for (const win::ControlTemplate& c : dialog->controls) {
        if (c.id == win::IDC_STATIC || !IsSwitch(c.kind)) continue;
        if (t::Click(dlg, c.id)) report("after a click on " + std::to_string(c.id));
      }
      t::PressKey(dlg, t::Key::Escape);
    });
    std::ostringstream out, err;
    EXPECT_TRUE(entry.run({}, out, err)) << entry.name << ": " << err.str();
  }
  for (const win::DialogTemplate& dialog : module_->dialogs())
    EXPECT_TRUE(checked.contains(dialog.name.text())) << dialog.name.text() << " was never opened";
}

// A caller's label of three lines shows whole in the value prompts.
TEST_F(KestrinTest, PromptLabelsShowThreeLines) {
  const std::string label = "The number of decimal places that every value of the chart's axis shows, from 0 to 9";
  for (const char* name : {"DLOG_Get1Value", "DLOG_Get2Values"}) {
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      const win::DialogTemplate* dialog = module_->dialog(win::DialogTemplateName(dlg));
      ASSERT_NE(dialog, nullptr);
      for (const std::string& problem : qvtest::OpenLayoutProblems(dlg, *dialog)) ADD_FAILURE() << name << ": " << problem;
      t::PressKey(dlg, t::Key::Escape);
    });
    std::ostringstream out, err;
    const std::vector<std::string> args{label, label};
    EXPECT_TRUE(charthost::FindDialog(name)->run(args, out, err)) << err.str();
  }
}

// Every dialog charthost opens, left alone, paints nothing more.
TEST_F(KestrinTest, EveryDialogIsQuietWhenIdle) {
  using std::chrono::milliseconds;
  std::set<std::string> checked;
  for (const charthost::DialogEntry& entry : charthost::Dialogs()) {
    t::User user;
    user.OnDialog([&](win::HWND dlg) {
      checked.insert(win::DialogTemplateName(dlg));
      EXPECT_EQ(qvtest::PaintsWhileIdle(milliseconds(100), milliseconds(250)), 0) << entry.name;
      t::PressKey(dlg, t::Key::Escape);
    });
    std::ostringstream out, err;
    EXPECT_TRUE(entry.run({}, out, err)) << entry.name << ": " << err.str();
  }
  for (const win::DialogTemplate& dialog : module_->dialogs())
    EXPECT_TRUE(checked.contains(dialog.name.text())) << dialog.name.text() << " was never opened";
}

}  // namespace
