// SPDX-License-Identifier: MIT
#include "platform/win/msgbox.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace win;

TEST(MessageBox, HookSeesTextCaptionStyleAndAnswers) {
  std::vector<MessageBoxRequest> seen;
  ScopedMessageBoxHook hook([&](const MessageBoxRequest& r) {
    seen.push_back(r);
    return IDYES;
  });
  EXPECT_EQ(MessageBox(nullptr, "Continuar?", "Título", MB_YESNO | MB_ICONQUESTION), IDYES);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Continuar?");
  EXPECT_EQ(seen[0].caption, "Título");
  EXPECT_EQ(seen[0].style, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(seen[0].owner, nullptr);
}

TEST(MessageBox, NoCaptionGivesProgramTitle) {
  SetProgramTitle("Programa");
  std::string caption;
  ScopedMessageBoxHook hook([&](const MessageBoxRequest& r) {
    caption = r.caption;
    return IDOK;
  });
  MessageBox(nullptr, "x", "", MB_OK);
  EXPECT_EQ(caption, "Programa");
  SetProgramTitle("");
}

TEST(MessageBox, HooksNestAndRestore) {
  int outer = 0, inner = 0;
  ScopedMessageBoxHook a([&](const MessageBoxRequest&) { ++outer; return IDOK; });
  {
    ScopedMessageBoxHook b([&](const MessageBoxRequest&) { ++inner; return IDOK; });
    MessageBox(nullptr, "1", "c", MB_OK);
  }
  MessageBox(nullptr, "2", "c", MB_OK);
  EXPECT_EQ(inner, 1);
  EXPECT_EQ(outer, 1);
}

TEST(MessageBox, ExactCaptionKeepsAnEmptyCaption) {
  SetProgramTitle("Programa");
  std::vector<std::string> captions;
  ScopedMessageBoxHook hook([&](const MessageBoxRequest& r) {
    captions.push_back(r.caption);
    return IDOK;
  });
  MessageBoxExactCaption(nullptr, "x", "", MB_OK);
  MessageBoxExactCaption(nullptr, "x", "Título", MB_OK);
  MessageBox(nullptr, "x", "", MB_OK);
  EXPECT_EQ(captions, (std::vector<std::string>{"", "Título", "Programa"}));
  SetProgramTitle("");
}

struct HeadlessCase {
  unsigned style;
  int answer;
};

class Headless : public ::testing::TestWithParam<HeadlessCase> {};

TEST_P(Headless, WithoutQtApplicationWritesToStandardErrorAndAnswers) {
  testing::internal::CaptureStderr();
  int answer = MessageBox(nullptr, "Valor inválido", "Função", GetParam().style);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(answer, GetParam().answer);
  EXPECT_NE(err.find("Função"), std::string::npos);
  EXPECT_NE(err.find("Valor inválido"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Styles, Headless,
                         ::testing::Values(HeadlessCase{MB_OK | MB_ICONEXCLAMATION, IDOK},
                                           HeadlessCase{MB_YESNO | MB_ICONQUESTION, IDNO},
                                           HeadlessCase{MB_OKCANCEL, IDOK}));

}  // namespace
