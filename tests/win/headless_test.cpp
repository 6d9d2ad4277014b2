// SPDX-License-Identifier: MIT
// Without a Qt application object nothing shows: dialogs fail, boxes print.

#include "platform/win/dialog.h"
#include "platform/win/resource.h"
#include "platform/win/window.h"

#include <gtest/gtest.h>

namespace {

TEST(Headless, DialogsFailWithoutAnApplication) {
  auto module = win::ResourceModule::Parse("dialog \"A\" { size 10 10 }");
  ASSERT_NE(module, nullptr);
  bool called = false;
  EXPECT_EQ(win::DialogBoxParam(module->handle(), "A", nullptr,
                                [&](win::HWND, win::UINT, win::WPARAM, win::LPARAM) -> win::INT_PTR {
                                  called = true;
                                  return 0;
                                }),
            -1);
  EXPECT_FALSE(called);
  EXPECT_FALSE(win::PostMessage(nullptr, win::WM_USER, 0, 0));
  EXPECT_EQ(win::GetSystemMetrics(win::SM_CXSCREEN), 1024);
}

}  // namespace
