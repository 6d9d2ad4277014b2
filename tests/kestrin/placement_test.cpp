// SPDX-License-Identifier: MIT
// The value prompts under a window manager (fluxbox): they open at their
// template's place from the owner's client area, as the owner stands on the
// screen, wherever the manager put the owner or the user moved it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>
#include <string>

#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/testing.h"
#include "platform/win/window.h"
#include "tests/kestrin/kestrin_fixture.h"
#include "tests/support/x_screen.h"

namespace {

namespace t = win::testing;

struct PromptCase {
  const char* name;
  std::function<int()> open;
};

struct OwnerCase {
  const char* name;
  bool moved_by_the_user;  // else where the window manager put it
};

class UnderWindowManager : public qvtest::KestrinTest,
                           public ::testing::WithParamInterface<std::tuple<PromptCase, OwnerCase>> {
 protected:
  void SetUp() override {
    if (!xtest::OnXServer() || !xtest::WindowManagerRunning())
      GTEST_SKIP() << "needs a window manager: the CTest fixture wm";
    KestrinTest::SetUp();
    t::PinScreenSize(0, 0);
  }
  void TearDown() override {
    SetDialogsDLLFrameWnd(nullptr);
    if (frame_ != nullptr) win::DestroyWindow(frame_);
    KestrinTest::TearDown();
  }
  win::HWND frame_ = nullptr;
};

TEST_P(UnderWindowManager, APromptOpensAtTheOwnersClientArea) {
  const auto& [prompt, owner] = GetParam();
  frame_ = win::CreateMainWindow("Chart host", 480, 320, {});
  win::ShowWindow(frame_, win::SW_SHOW);
  if (owner.moved_by_the_user) {
    ASSERT_TRUE(xtest::WaitUntilManaged(t::NativeWindow(frame_)));
    ASSERT_TRUE(xtest::MoveByWindowManager(t::NativeWindow(frame_), 150, 90));
  }
  SetDialogsDLLFrameWnd(frame_);
  win::POINT dialog{-1, -1}, client{-2, -2};
  t::User user;
  user.OnDialog([&](win::HWND dlg) {
    ASSERT_TRUE(xtest::WaitUntilManaged(t::NativeWindow(dlg)));
    // Where the dialog settles: a manager's own placement is corrected.
    QElapsedTimer clock;
    clock.start();
    do {
      dialog = xtest::FramePosition(t::NativeWindow(dlg));
      client = xtest::ScreenPosition(t::NativeWindow(frame_));
      if (dialog.x == client.x && dialog.y == client.y) break;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(10);
    } while (clock.elapsed() < 2000);
    t::PressKey(dlg, t::Key::Escape);
  });
  EXPECT_EQ(prompt.open(), 0);
  // The templates give no position: the dialog's corner on the client area's.
  EXPECT_EQ(dialog.x, client.x);
  EXPECT_EQ(dialog.y, client.y);
}

char label1[] = "Valor:", label2[] = "Outro:", value1[40] = "1", value2[40] = "2";

INSTANTIATE_TEST_SUITE_P(
    Prompts, UnderWindowManager,
    ::testing::Combine(::testing::Values(PromptCase{"Get1Value", [] { return DLOG_Get1Value(label1, value1); }},
                                         PromptCase{"Get2Values",
                                                    [] { return DLOG_Get2Values(label1, label2, value1, value2); }}),
                       ::testing::Values(OwnerCase{"PlacedByTheWindowManager", false},
                                         OwnerCase{"MovedByTheUser", true})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

}  // namespace
