// SPDX-License-Identifier: MIT
// The colour chooser: what a test's user sees and answers, and the chooser
// without an answer.

#include "platform/win/color_chooser.h"
#include "platform/win/testing.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace {

using namespace win;
namespace t = win::testing;

TEST(ColorChooser, TheUserSeesTheRequestAndAnswersIt) {
  struct Case {
    std::optional<COLORREF> answer;
    bool edits_custom;
    bool with_custom;
  };
  for (Case c : {Case{RGB(10, 20, 30), false, true}, Case{std::nullopt, false, true}, Case{RGB(1, 2, 3), true, true},
                 Case{std::nullopt, true, true}, Case{RGB(9, 9, 9), false, false}}) {
    std::array<COLORREF, kCustomColorCount> custom;
    custom.fill(RGB(255, 255, 255));
    custom[0] = RGB(5, 6, 7);
    t::User user;
    user.AnswerColorChoosers([&](CHOOSECOLOR& r) {
      if (c.edits_custom && r.lpCustColors) r.lpCustColors[3] = RGB(40, 50, 60);
      return c.answer;
    });
    CHOOSECOLOR request;
    request.rgbResult = RGB(100, 110, 120);
    request.lpCustColors = c.with_custom ? custom.data() : nullptr;
    request.Flags = CC_RGBINIT | CC_FULLOPEN;
    EXPECT_EQ(ChooseColor(&request), c.answer.has_value());
    EXPECT_EQ(request.rgbResult, c.answer.value_or(RGB(100, 110, 120)));
    ASSERT_EQ(user.color_choosers().size(), 1u);
    const t::ColorChooserRequest& seen = user.color_choosers()[0];
    EXPECT_EQ(seen.initial, RGB(100, 110, 120));
    EXPECT_EQ(seen.flags, CC_RGBINIT | CC_FULLOPEN);
    EXPECT_EQ(seen.custom.size(), c.with_custom ? std::size_t{kCustomColorCount} : 0u);
    if (c.with_custom) {
      EXPECT_EQ(seen.custom[0], RGB(5, 6, 7));
      EXPECT_EQ(custom[3], c.edits_custom ? RGB(40, 50, 60) : RGB(255, 255, 255));
    }
  }
}

TEST(ColorChooser, ADefaultUserCancelsAndNullIsRefused) {
  t::User user;
  CHOOSECOLOR request;
  request.rgbResult = RGB(1, 1, 1);
  EXPECT_FALSE(ChooseColor(&request));
  EXPECT_EQ(request.rgbResult, RGB(1, 1, 1));
  EXPECT_EQ(user.color_choosers().size(), 1u);
  EXPECT_FALSE(ChooseColor(nullptr));
}

}  // namespace
