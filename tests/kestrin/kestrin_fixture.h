// SPDX-License-Identifier: MIT
#pragma once
// A host, the chart host's resource module and the library initialised with them.

#include "kestrin/kestrin.h"
#include "platform/win/resource.h"
#include "platform/win/testing.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qvtest {

class RecordingHost final : public kestrin::Host {
 public:
  void Help(int context_id, int command) override { help.emplace_back(context_id, command); }
  win::HFONT DialogFont() const override { return font; }
  std::vector<std::pair<int, int>> help;
  win::HFONT font = nullptr;
};

class KestrinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    module_ = win::ResourceModule::Load(QV_KESTRIN_MODULE, &error);
    ASSERT_NE(module_, nullptr) << error;
    win::testing::PinScreenSize(kScreenWidth, kScreenHeight);
    InitDialogsDLL(&host_, module_->handle(), 1);
    SetDialogsDLLFrameWnd(nullptr);
    kestrin::SetApplicationMainWindow(nullptr);
  }
  void TearDown() override {
    InitDialogsDLL(nullptr, nullptr, 0);
    win::testing::PinScreenSize(kScreenWidth, kScreenHeight);
  }

  RecordingHost host_;
  std::unique_ptr<win::ResourceModule> module_;
};

// A box and whether it should show.
struct Visibility {
  int id;
  bool visible;
};

// The ids of `expected` that show otherwise in the dialog `open` opens
// (closed with Escape once looked at); all of them when no dialog opened.
inline std::vector<int> WronglyShown(const std::function<void()>& open, const std::vector<Visibility>& expected) {
  std::vector<int> wrong;
  bool opened = false;
  win::testing::User user;
  user.OnDialog([&](win::HWND dlg) {
    opened = true;
    for (const Visibility& e : expected)
      if (win::testing::IsVisible(dlg, e.id) != e.visible) wrong.push_back(e.id);
    win::testing::PressKey(dlg, win::testing::Key::Escape);
  });
  open();
  if (!opened)
    for (const Visibility& e : expected) wrong.push_back(e.id);
  return wrong;
}

}  // namespace qvtest
