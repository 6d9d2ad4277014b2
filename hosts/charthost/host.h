// SPDX-License-Identifier: MIT
#pragma once
// The chart engine's host object: context help is printed (or recorded), the
// dialog font is "MS Sans Serif" 8 unless the host is told to have none.

#include "kestrin/kestrin.h"
#include "platform/win/gdi.h"

#include <memory>
#include <ostream>
#include <utility>
#include <vector>

namespace charthost {

class ChartHost final : public kestrin::Host {
 public:
  ChartHost(std::ostream* out, bool with_font);
  void Help(int context_id, int command) override;
  win::HFONT DialogFont() const override;
  const std::vector<std::pair<int, int>>& help_calls() const { return help_; }

 private:
  std::ostream* out_;
  std::unique_ptr<win::Font> font_;
  std::vector<std::pair<int, int>> help_;
};

}  // namespace charthost
