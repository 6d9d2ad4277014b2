// SPDX-License-Identifier: MIT
// charthost's dialogs: arguments in, the values written back out.

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
    ::testing::Values(
        HostCase{"DLOG_BarOpt", {"1,0,1", "2", "3", "0", "0"}, true,
                 "result=1 flags=1,0,1 position=2 format=3\n"},
        HostCase{"DLOG_BarOpt", {"1,1,1", "2", "3"}, true,
                 "result=1 flags=0,1,1 position=2 format=3\n"},  // 8002 starts unchecked
        HostCase{"dlog_scatopt", {}, true, "result=1 flags=0 position=0 format=1\n"},
        HostCase{"DLOG_HiloOpt", {"1,1", "1", "2", "3"}, false,
                 "result=0 flags=1,1 position=1 format=2 style=3\n"},
        HostCase{"DLOG_LineOpt", {"0,1", "4", "9", "5", "0"}, true,
                 "result=1 flags=0,1 position=4 format=9\n"},
        HostCase{"DLOG_3DDisp", {"1,0,1"}, true, "result=1 flags=1,0,1,0,0,0,0,0,0,0,0,0,0,0\n"},
        HostCase{"dlog_piedisp", {"1,1", "1"}, false, "result=0 flags=1,1,0,0,0,0,0,0,0\n"},
        HostCase{"DLOG_ScatDisp", {"0", "2", "3"}, true,
                 "result=1 flags=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 offsets=1,0 format=1\n"},
        HostCase{"DLOG_2DGridLines", {"0,1,0,2,3,0,5"}, true, "result=1 record=0,1,1,2,3,1,5\n"},
        HostCase{"DLOG_3DSCGridLines", {"1,0,1", "1", "2", "3", "4"}, true,
                 "result=1 boxes=1,0,1 mode=1 counts=2,3,4\n"},
        HostCase{"DLOG_ScaleRange", {"1", "2.5", "-1", "0", "0", "0", "0", "1"}, true,
                 "result=1 manual=1 first=-1 second=2.5 choice=0 box8010=0 box8009=0\n"},
        HostCase{"DLOG_NumberFormat", {"5"}, true, "result=1 format=1\n"},
        HostCase{"DLOG_AxisSplit", {"0,1", "3"}, true, "result=1 axes=0,1\n"},
        HostCase{"DLOG_HistIntv", {"1", "4"}, true, "result=1 mode=1 count=4\n"},
        HostCase{"DLOG_TablStat", {"1,0,1"}, false, "result=0 record=1,0,1\n"},
        HostCase{"DLOG_CurveFit", {}, true,
                 "result=1 flags=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 kept=0 values=9,0,9 extra=0\n"},
        HostCase{"DLOG_Legend", {"1", "0", "2", "0", "9", "6"}, true,
                 "result=1 show=1 second=0 placement=2 mode=0 count=6\n"}),
    [](const auto& info) { return std::string(info.param.dialog) + "_" + std::to_string(info.index); });

TEST_F(KestrinTest, CharthostRefusesMalformedArguments) {
  struct Bad {
    const char* dialog;
    std::vector<std::string> args;
    const char* error;
  };
  const Bad cases[] = {{"DLOG_AreaOpt", {"1,x", "0"}, "not a number: x"},
                       {"DLOG_AreaOpt", {"1", "two"}, "not a number: two"},
                       {"DLOG_ScaleRange", {"1", "x"}, "not a number: x"},
                       {"DLOG_TablLine", {"1,y"}, "not a number: y"}};
  t::User user;
  for (const Bad& c : cases) {
    const charthost::DialogEntry* entry = charthost::FindDialog(c.dialog);
    ASSERT_NE(entry, nullptr) << c.dialog;
    std::ostringstream out, err;
    EXPECT_FALSE(entry->run(c.args, out, err)) << c.dialog;
    EXPECT_NE(err.str().find(c.error), std::string::npos) << c.dialog << ": " << err.str();
    EXPECT_EQ(out.str(), "") << c.dialog;
  }
  EXPECT_EQ(charthost::FindDialog("DLOG_Nothing"), nullptr);
  EXPECT_TRUE(user.dialogs_opened().empty());
}

}  // namespace
