#pragma once
// Code tables written down the way their lists read: single codes, runs of
// codes that all give one result, and runs whose results count up with the
// codes. Byte-sized tables are expanded at compile time into flat arrays;
// sparse wide tables (16-bit codes) stay as sorted runs and are searched.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pyrovel {

struct CodeRun {
  int first;      // first code of the run
  int last;       // last code of the run (inclusive)
  int result;     // result of `first`
  bool countsUp;  // the results go up by one with each code
};

// One code.
constexpr CodeRun code(int c, int result) {
  return {c, c, result, false};
}
// Codes first..last all give `result`.
constexpr CodeRun codesTo(int first, int last, int result) {
  return {first, last, result, false};
}
// Codes first..last give firstResult, firstResult + 1, ...
constexpr CodeRun codesUp(int first, int last, int firstResult) {
  return {first, last, firstResult, true};
}

constexpr int resultOf(const CodeRun& run, int c) {
  return run.countsUp ? run.result + (c - run.first) : run.result;
}

// True when no code is listed twice and every code lies in 0..size-1: a
// transcription slip then fails to compile instead of silently winning.
template <std::size_t M>
constexpr bool runsAreDisjoint(const std::array<CodeRun, M>& runs, int size) {
  for (std::size_t i = 0; i < M; ++i) {
    if (runs[i].first > runs[i].last || runs[i].first < 0 || runs[i].last >= size) return false;
    for (std::size_t j = i + 1; j < M; ++j) {
      if (runs[i].first <= runs[j].last && runs[j].first <= runs[i].last) return false;
    }
  }
  return true;
}

// Sorted by code and not overlapping, as the binary search needs.
template <std::size_t M>
constexpr bool runsAreSorted(const std::array<CodeRun, M>& runs) {
  for (std::size_t i = 0; i < M; ++i) {
    if (runs[i].first > runs[i].last) return false;
    if (i > 0 && runs[i - 1].last >= runs[i].first) return false;
  }
  return true;
}

// Expands the runs into a flat array of N results; unlisted codes give `unknown`.
template <std::size_t N, std::size_t M>
constexpr std::array<std::int16_t, N> expandCodeRuns(const std::array<CodeRun, M>& runs,
                                                     int unknown) {
  std::array<std::int16_t, N> table{};
  table.fill(static_cast<std::int16_t>(unknown));
  for (const CodeRun& run : runs) {
    for (int c = run.first; c <= run.last; ++c) {
      table[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(resultOf(run, c));
    }
  }
  return table;
}

// Looks a code up in sorted runs.
inline int lookupCodeRuns(std::span<const CodeRun> runs, int c, int unknown) {
  auto it = std::upper_bound(runs.begin(), runs.end(), c,
                             [](int value, const CodeRun& run) { return value < run.first; });
  if (it == runs.begin()) return unknown;
  --it;
  return c <= it->last ? resultOf(*it, c) : unknown;
}

}  // namespace pyrovel
