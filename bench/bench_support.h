#pragma once
// Ratios against a baseline measured in the same run: each benchmark times
// its own loop and reports how many times slower it is than the baseline
// operation (for example a raw read of the same bytes) as the counter
// "x_baseline".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace pyrovel::bench {

using Clock = std::chrono::steady_clock;

// Seconds per call of f: the best of several rounds, to keep noise out of
// the baseline.
template <typename F>
double secondsPerCall(F&& f, int callsPerRound = 5, int rounds = 5) {
  double best = 1e30;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (int i = 0; i < callsPerRound; ++i) f();
    const std::chrono::duration<double> d = Clock::now() - start;
    best = std::min(best, d.count() / callsPerRound);
  }
  return best;
}

// Runs the benchmark loop over `body` and reports its time per call relative
// to `baseline` (seconds per call of the baseline operation).
template <typename F>
void runAgainstBaseline(benchmark::State& state, double baseline, F&& body) {
  const auto start = Clock::now();
  for (auto _ : state) body();
  const std::chrono::duration<double> d = Clock::now() - start;
  const double perCall =
      d.count() / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
  state.counters["x_baseline"] = baseline > 0 ? perCall / baseline : 0;
}

}  // namespace pyrovel::bench
