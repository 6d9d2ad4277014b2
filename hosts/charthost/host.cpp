// SPDX-License-Identifier: MIT
#include "hosts/charthost/host.h"

namespace charthost {

ChartHost::ChartHost(std::ostream* out, bool with_font)
    : out_(out), font_(with_font ? std::make_unique<win::Font>("MS Sans Serif", 8) : nullptr) {}

void ChartHost::Help(int context_id, int command) {
  help_.emplace_back(context_id, command);
  if (out_) *out_ << "help(" << context_id << ", " << command << ")\n" << std::flush;
}

win::HFONT ChartHost::DialogFont() const {
  return font_ ? font_->get() : nullptr;
}

}  // namespace charthost
