// SPDX-License-Identifier: MIT
// A host without a Qt application object: dialogs report failure, boxes print.

#include "kestrin/kestrin.h"
#include "platform/win/resource.h"

#include <gtest/gtest.h>

namespace {

class NoHelp final : public kestrin::Host {
 public:
  void Help(int, int) override {}
  win::HFONT DialogFont() const override { return nullptr; }
};

TEST(KestrinHeadless, DialogsReturnZeroAndChangeNothing) {
  auto module = win::ResourceModule::Load(QV_KESTRIN_MODULE);
  ASSERT_NE(module, nullptr);
  NoHelp host;
  InitDialogsDLL(&host, module->handle(), 1);
  short flags[3] = {1, 1, 1}, position = 2, format = 3;
  EXPECT_EQ(DLOG_BarOpt(flags, &position, &format, 0, 0), 0);
  EXPECT_EQ(flags[0] + flags[1] + flags[2], 3);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(format, 3);
}

TEST(KestrinHeadless, MessageBoxPrintsAndAnswers) {
  auto module = win::ResourceModule::Load(QV_KESTRIN_MODULE);
  ASSERT_NE(module, nullptr);
  NoHelp host;
  InitDialogsDLL(&host, module->handle(), 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(MSG_Box(0, 3022), win::IDOK);
  EXPECT_EQ(MSG_Box(3, 3026), win::IDNO);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find(std::string(*module->string(3022))), std::string::npos);
  EXPECT_NE(err.find(std::string(*module->string(3021))), std::string::npos);
}

}  // namespace
