// SPDX-License-Identifier: MIT
#pragma once
// Timing shared by the benchmark programs.

#include <algorithm>
#include <chrono>
#include <utility>

namespace bench {

// Seconds that one call of f takes.
template <class F>
double Time(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of `runs` calls of each of two functions (first, second), taking
// turns so that a busy moment of the machine does not fall on one of them
// only; `untimed` runs before each turn, outside the timing.
template <class First, class Second, class Untimed>
std::pair<double, double> BestInTurns(int runs, First&& first, Second&& second, Untimed&& untimed) {
  std::pair<double, double> best{1e300, 1e300};
  for (int run = 0; run < runs; ++run) {
    untimed();
    best.first = std::min(best.first, Time(first));
    best.second = std::min(best.second, Time(second));
  }
  return best;
}

}  // namespace bench
