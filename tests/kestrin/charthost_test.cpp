// charthost's dialog table: arguments in, the values written back out.

#include "hosts/charthost/dialogs.h"
#include "tests/kestrin/kestrin_fixture.h"

#include <sstream>

namespace {

namespace t = win::testing;
using qvtest::KestrinTest;

struct HostCase {
  const char* dialog;
  std::vector<std::string> args;
  bool press_ok;
  const char* printed;
};

class Charthost : public KestrinTest, public ::testing::WithParamInterface<HostCase> {};

TEST_P(Charthost, PrintsWhatTheDialogWroteBack) {
  const HostCase& c = GetParam();
  const charthost::DialogEntry* entry = charthost::FindDialog(c.dialog);
  ASSERT_NE(entry, nullptr);
  t::User user;
  user.OnDialog([&](win::HWND dlg) { t::PressKey(dlg, c.press_ok ? t::Key::Enter : t::Key::Escape); });
  std::ostringstream out, err;
  EXPECT_TRUE(entry->run(c.args, out, err)) << err.str();
  EXPECT_EQ(out.str(), c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, Charthost,
    ::testing::Values(HostCase{"DLOG_BarOpt", {"1,0,1", "2", "3", "0", "0"}, true,
                               "result=1 flags=1,0,1 position=2 format=3\n"},
                      HostCase{"DLOG_BarOpt", {"1,1,1", "2", "3"}, true,
                               "result=1 flags=0,1,1 position=2 format=3\n"},  // 8002 starts unchecked
                      HostCase{"dlog_scatopt", {}, true, "result=1 flags=0 position=0 format=1\n"},
                      HostCase{"DLOG_HiloOpt", {"1,1", "1", "2", "3"}, false,
                               "result=0 flags=1,1 position=1 format=2 style=3\n"},
                      HostCase{"DLOG_LineOpt", {"0,1", "4", "9", "5", "0"}, true,
                               "result=1 flags=0,1 position=4 format=9\n"}),
    [](const auto& info) { return std::string(info.param.dialog) + "_" + std::to_string(info.index); });

TEST_F(KestrinTest, CharthostRefusesMalformedArguments) {
  t::User user;
  std::ostringstream out, err;
  const std::vector<std::string> bad_flag{"1,x", "0"}, bad_position{"1", "two"};
  EXPECT_FALSE(charthost::FindDialog("DLOG_AreaOpt")->run(bad_flag, out, err));
  EXPECT_NE(err.str().find("not a number: x"), std::string::npos);
  EXPECT_FALSE(charthost::FindDialog("DLOG_AreaOpt")->run(bad_position, out, err));
  EXPECT_EQ(charthost::FindDialog("DLOG_Nothing"), nullptr);
  EXPECT_TRUE(user.dialogs_opened().empty());
  EXPECT_EQ(out.str(), "");
}

}  // namespace
