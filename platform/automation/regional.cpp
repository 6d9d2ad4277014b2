// SPDX-License-Identifier: MIT
#include "platform/automation/regional.h"

namespace automation {

namespace {
RegionalSettings& current() {
  static RegionalSettings settings = RegionalSettings::brazil();
  return settings;
}
}  // namespace

const RegionalSettings& regional() { return current(); }

ScopedRegionalSettings::ScopedRegionalSettings(RegionalSettings s) : previous_(std::move(current())) {
  current() = std::move(s);
}

ScopedRegionalSettings::~ScopedRegionalSettings() { current() = std::move(previous_); }

}  // namespace automation
