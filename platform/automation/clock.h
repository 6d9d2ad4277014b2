#pragma once
// The clock: today and now, injectable for tests.

#include <optional>

#include "platform/automation/variant.h"

namespace automation {

Date Now();    // local date and time
Date Today();  // local date, time 00:00

// Replaces the clock for its lifetime (tests).
class ScopedClock {
 public:
  explicit ScopedClock(Date fixed_now);
  ~ScopedClock();
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  std::optional<Date> previous_;
};

}  // namespace automation
