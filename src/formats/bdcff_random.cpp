#include "formats/bdcff_random.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pyrovel {

namespace {

// One step of the generator on a whole state, S1 in the high byte.
unsigned nextState(unsigned state) {
  using c64_random_detail::kTables;
  const unsigned s1 = state >> 8, s2 = state & 0xFF;
  const c64_random_detail::S2Step& step = kTables.s2[s2];
  const unsigned next1 = (kTables.s1[step.carry][s1] + (s2 >> 1)) & 0xFF;
  return next1 << 8 | step.next;
}

}  // namespace

C64RandomRuns::C64RandomRuns() {
  // Where each of the 65536 states was laid out, if it was.
  constexpr std::uint16_t kNotYet = 0xFFFF;
  std::vector<std::uint16_t> laidOut(1u << 16, kNotYet);
  values_.reserve(8192);
  for (unsigned seed = 0; seed < 256; ++seed) {
    unsigned state = nextState(seed);  // S1 = 0, S2 = seed, one step on: the first value
    if (laidOut[state] != kNotYet) {
      start_[seed] = laidOut[state];  // inside an earlier seed's run
      continue;
    }
    // A new run, as far as the walk meets a state laid out before (the
    // first seed's run goes round the whole cycle back to where it met it).
    const auto begin = static_cast<std::uint16_t>(values_.size());
    start_[seed] = begin;
    while (laidOut[state] == kNotYet) {
      laidOut[state] = static_cast<std::uint16_t>(values_.size());
      values_.push_back(static_cast<std::uint8_t>(state >> 8));
      state = nextState(state);
    }
    runs_.push_back({begin, static_cast<std::uint16_t>(values_.size()), laidOut[state]});
  }
}

const C64RandomRuns& C64RandomRuns::get() {
  static const C64RandomRuns runs;
  return runs;
}

void c64RandomFillColumns(const RandomFillColumns& fill) {
  if (fill.width <= 0 || fill.height <= 2) return;
  const auto width = static_cast<std::size_t>(std::min(fill.width, kMaxLevelSide));
  const auto rows = static_cast<std::size_t>(std::min(fill.height, kMaxLevelSide) - 2);
  // The cave's values row by row, copied out of the runs, so that a column
  // can then be written four cells at a time: its cells lie together, its
  // values a row apart.
  std::array<std::uint8_t, kMaxLevelSide * kMaxLevelSide> values;
  std::size_t gathered = 0;
  C64RandomRuns::get().forEachPiece(fill.seed, rows * width,
                                    [&](const std::uint8_t* piece, std::size_t count) {
                                      std::memcpy(values.data() + gathered, piece, count);
                                      gathered += count;
                                    });
  const Cell* const pick = fill.pick;
  for (std::size_t x = 0; x < width; ++x) {
    Cell* const column = fill.cells + x * fill.step + 1;  // from row 1
    const std::uint8_t* value = values.data() + x;
    std::size_t y = 0;
    if constexpr (std::endian::native == std::endian::little) {
      for (; y + 4 <= rows; y += 4, value += 4 * width) {
        const std::uint64_t four = std::uint64_t{pick[value[0]]} |
                                   std::uint64_t{pick[value[width]]} << 16 |
                                   std::uint64_t{pick[value[2 * width]]} << 32 |
                                   std::uint64_t{pick[value[3 * width]]} << 48;
        std::memcpy(column + y, &four, sizeof four);
      }
    }
    for (; y < rows; ++y, value += width) column[y] = pick[*value];
  }
}

}  // namespace pyrovel
