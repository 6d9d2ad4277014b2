// SPDX-License-Identifier: MIT
#pragma once
// One Qt application per test program, the offscreen screen pinned.

#include "platform/win/testing.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvtest {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

class GuiEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    app_ = std::make_unique<win::testing::GuiApplication>();
    win::testing::PinScreenSize(kScreenWidth, kScreenHeight);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<win::testing::GuiApplication> app_;
};

// gtest owns the environment.
inline ::testing::Environment* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace qvtest
