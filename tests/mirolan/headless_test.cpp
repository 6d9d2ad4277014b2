// SPDX-License-Identifier: MIT
// Without a Qt application object the dialog shows nothing and reports 1.

#include <gtest/gtest.h>

#include <cstring>

#include "mirolan/mirolan.h"
#include "tests/mirolan/fixture.h"

namespace {

TEST(Headless, PromptReturnsOneAndLeavesTheBlock) {
  mirolantest::TempFolder dir;
  mirolantest::WriteChart(dir / "Gallery/Bars/a.kwx", "Bars");
  mirolan::NewChartBlock block{};
  std::strcpy(block.root, dir.path().c_str());
  std::strcpy(block.file_name, "before");
  std::strcpy(block.folder, "before");
  EXPECT_NE(InitNewDialogDLL(0, nullptr), nullptr);
  EXPECT_EQ(PromptNewDialog(&block), mirolan::kNotChosen);
  EXPECT_STREQ(block.file_name, "before");
  EXPECT_STREQ(block.folder, "before");
}

}  // namespace
