// SPDX-License-Identifier: MIT
#pragma once
// The clock: today and now, injectable for tests.

#include "platform/export.h"

#include <optional>

#include "platform/automation/variant.h"

namespace automation {

QV_EXPORT Date Now();    // local date and time
QV_EXPORT Date Today();  // local date, time 00:00

// Replaces the clock for its lifetime (tests).
class QV_EXPORT ScopedClock {
 public:
  explicit ScopedClock(Date fixed_now);
  ~ScopedClock();
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  std::optional<Date> previous_;
};

}  // namespace automation
