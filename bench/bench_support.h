#pragma once
// Every benchmark compares a figure with a reference measured in the same
// run, both timed the same way: interleaved rounds, the best round of each.
// Each comparison becomes one row of the table `make bench` prints and
// writes to docs/performance.md.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "io/process.h"

namespace pyrovel::bench {

using Clock = std::chrono::steady_clock;

struct Row {
  std::string figure;     // what is measured
  std::string reference;  // what it is compared with
  std::string unit;       // of both values: "ms", "MiB", ...
  double value = 0, referenceValue = 0;
  double limit = 0;  // the largest ratio that meets the goal; 0: no goal
  double ratio() const { return referenceValue > 0 ? value / referenceValue : 0; }
};

std::vector<Row>& table();

// Puts the row in the table and on the benchmark's line as counters.
void record(benchmark::State& state, const Row& row);

template <typename F>
double secondsOf(F& f) {
  const auto start = Clock::now();
  f();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Timing {
  double figure = 1e30, reference = 1e30;  // seconds, best round of each
};

// Runs figure and reference in turn, `rounds` times, keeping the best of each.
template <typename F, typename R>
Timing timeBoth(F&& figure, R&& reference, int rounds = 7) {
  Timing t;
  for (int r = 0; r < rounds; ++r) {
    t.figure = std::min(t.figure, secondsOf(figure));
    t.reference = std::min(t.reference, secondsOf(reference));
  }
  return t;
}

// A benchmark made of one comparison: times both sides, records the row in
// milliseconds and sets the benchmark's own time to the figure's.
template <typename F, typename R>
void compareTimes(benchmark::State& state, std::string what, std::string against, double limit,
                  F&& figure, R&& reference, int rounds = 7) {
  Row row{std::move(what), std::move(against), "ms", 0, 0, limit};
  for (auto _ : state) {
    const Timing t = timeBoth(figure, reference, rounds);
    state.SetIterationTime(t.figure);
    row.value = t.figure * 1e3;
    row.referenceValue = t.reference * 1e3;
  }
  record(state, row);
}

// Commands of the bench program besides running the benchmarks, chosen by
// the first argument: programs for whole-process figures and references.
using Command = int (*)(int argc, char** argv);
void addCommand(const char* name, Command run);

}  // namespace pyrovel::bench
