// SPDX-License-Identifier: MIT
// Calls per second of extenso over a fixed mix of amounts, on one thread.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "verbanum/extenso.h"

namespace {

constexpr std::array<const char*, 8> kMix = {
    "1",
    "21",
    "1,05",
    "R$ 1.234,56",
    "1.001.000,50",
    "2.000.000",
    "123.456.789.012.345.678",
    "999.999.999.999.999.999,99",
};

void BM_ExtensoMix(benchmark::State& state) {
  std::string buffer(511, ' ');
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(extenso(kMix[i], buffer.data()));
    benchmark::ClobberMemory();
    i = (i + 1) % kMix.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExtensoMix);

}  // namespace

BENCHMARK_MAIN();
