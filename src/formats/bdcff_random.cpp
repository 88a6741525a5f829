#include "formats/bdcff_random.h"

#include <algorithm>

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
  const Cell* const pick = fill.pick.data();
  const std::size_t step = fill.step, width = static_cast<std::size_t>(fill.width);
  Cell* row = fill.cells + 1;  // column 0 of the row being filled, from row 1
  std::size_t x = 0;
  const std::size_t cells = static_cast<std::size_t>(fill.height - 2) * width;
  C64RandomRuns::get().forEachPiece(fill.seed, cells,
                                    [&](const std::uint8_t* values, std::size_t count) {
                                      while (count > 0) {
                                        // Along the row as far as it or the piece goes.
                                        const std::size_t along = std::min(count, width - x);
                                        Cell* cell = row + x * step;
                                        for (std::size_t i = 0; i < along; ++i)
                                          cell[i * step] = pick[values[i]];
                                        values += along;
                                        count -= along;
                                        x += along;
                                        if (x == width) {
                                          x = 0;
                                          ++row;
                                        }
                                      }
                                    });
}

}  // namespace pyrovel
