#pragma once
// The original C64 game's predictable random generator, as Peter Broadribb
// documented its 6510 code ("Inside BoulderDash"), and the BDCFF random
// fill that uses it (RandSeed / RandomFill).
//
// One step, with S1 and S2 the two state bytes and C the carry:
//   T1 = 128 when S1 is odd, else 0;  T2 = S2 / 2
//   R = S2 + (128 when S2 is odd);     C = R > 255;  R &= 255
//   R = R + C + 0x13;                  C = R > 255;  S2 = R & 255
//   R = S1 + C + T1;                   C = R > 255;  R &= 255
//   S1 = (R + C + T2) & 255            -> the value is the new S1
// A cave's seed starts the generator with S1 = 0 and S2 = seed.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

namespace c64_random_detail {

struct S2Step {
  std::uint8_t next = 0;   // S2 after the step
  std::uint8_t carry = 0;  // the carry S2's step hands on to S1's
};
struct Tables {
  std::array<S2Step, 256> s2{};
  std::array<std::array<std::uint8_t, 256>, 2> s1{};  // S1 + C + T1 with its carry, mod 256
};

// The steps above, worked out once for every value.
constexpr Tables makeTables() {
  Tables t;
  for (unsigned v = 0; v < 256; ++v) {
    unsigned r = v + ((v & 1u) ? 0x80u : 0u);
    const unsigned carry = r > 0xFF;
    r = (r & 0xFF) + carry + 0x13;
    t.s2[v] = {static_cast<std::uint8_t>(r & 0xFF), static_cast<std::uint8_t>(r > 0xFF)};
    for (unsigned c = 0; c < 2; ++c) {
      const unsigned q = v + c + ((v & 1u) ? 0x80u : 0u);
      t.s1[c][v] = static_cast<std::uint8_t>((q & 0xFF) + (q > 0xFF));
    }
  }
  return t;
}
inline constexpr Tables kTables = makeTables();

}  // namespace c64_random_detail

class C64Random {
 public:
  explicit C64Random(int seed) : seed1_(0), seed2_(static_cast<std::uint8_t>(seed & 0xFF)) {}
  // The next value, 0..255. S2 runs on its own, so its steps come from a
  // table; S1's step is a table of S1 and S2's carry plus T2. (A cave's fill
  // reads the same values laid out ahead, C64RandomRuns.)
  int next() {
    using c64_random_detail::kTables;
    const c64_random_detail::S2Step& s2 = kTables.s2[seed2_];
    seed1_ = static_cast<std::uint8_t>(kTables.s1[s2.carry][seed1_] + (seed2_ >> 1));
    seed2_ = s2.next;
    return seed1_;
  }
  int seed1() const { return seed1_; }
  int seed2() const { return seed2_; }

 private:
  std::uint8_t seed1_;
  std::uint8_t seed2_;
};

// Takes `steps` values of a generator started from a seed (S1 = 0): a long
// run is cut short, since such a generator is on the cycle of 949 states
// after its tail (C64RandomRuns).
inline void skipC64Random(C64Random& random, long steps) {
  constexpr long kPastEveryTail = 4096, kCycle = 949;
  if (steps > 2 * kPastEveryTail) steps = kPastEveryTail + (steps - kPastEveryTail) % kCycle;
  for (long i = 0; i < steps; ++i) random.next();
}

// The generator's values from every seed, worked out once. Its state is
// two bytes and a cave's generator starts at (0, seed), so there are only
// 256 ways to start; every one of them runs, after a tail of at most about
// two thousand steps, into the same cycle of 949 states, and the tails
// share most of their states. All those states are laid out in runs of
// consecutive values: a fill reads its values straight from memory instead
// of waiting on each step of the generator for the next.
class C64RandomRuns {
 public:
  static const C64RandomRuns& get();

  // Calls take(values, count) with the first `n` values of the generator
  // seeded with `seed` (as C64Random gives them), piece by piece.
  template <typename Take>
  void forEachPiece(int seed, std::size_t n, Take&& take) const {
    std::size_t at = start_[static_cast<std::size_t>(seed & 0xFF)];
    while (n > 0) {
      const Run& run = runOf(at);
      const std::size_t count = std::min(n, static_cast<std::size_t>(run.end) - at);
      take(values_.data() + at, count);
      n -= count;
      at = at + count == run.end ? run.next : at + count;
    }
  }

  std::size_t states() const { return values_.size(); }

 private:
  C64RandomRuns();
  struct Run {
    std::uint16_t begin, end;  // the values [begin, end)
    std::uint16_t next;        // where the values go on after the run
  };
  const Run& runOf(std::size_t at) const {
    // The runs lie one after the other.
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), at,
                                        [](std::size_t a, const Run& r) { return a < r.begin; });
    return *(after - 1);
  }

  std::vector<std::uint8_t> values_;  // S1 of each state laid out
  std::vector<Run> runs_;
  std::array<std::uint16_t, 256> start_{};  // the first value of each seed
};

// One element of a random fill: where the generator's value is below
// `probability` (0..255) the cell takes `object`; a later entry wins.
struct RandomFillEntry {
  int object = 0;
  int probability = 0;
};

namespace c64_random_detail {
// Cells [from, to) set to `value`, four at a time (a pick is made per cave).
inline void fillCells(Cell* from, Cell* to, Cell value) {
  const std::uint64_t four = value * 0x0001000100010001ull;
  for (; to - from >= 4; from += 4) std::memcpy(from, &four, sizeof four);
  for (; from < to; ++from) *from = value;
}
}  // namespace c64_random_detail

// What each of the generator's 256 values gives: `initial`, or the object
// of the last entry whose probability is above the value.
inline std::array<Cell, 256> randomFillPick(int initial,
                                            const std::array<RandomFillEntry, 4>& entries) {
  std::array<Cell, 256> pick;
  // Each entry takes the values below its probability and a later one wins:
  // from the last entry back, each takes the values from where the later
  // ones stop up to its probability, and `initial` the rest.
  std::size_t covered = 0;
  for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
    const auto below = static_cast<std::size_t>(std::clamp(e->probability, 0, 256));
    if (below <= covered) continue;
    c64_random_detail::fillCells(pick.data() + covered, pick.data() + below,
                                 static_cast<Cell>(e->object));
    covered = below;
  }
  c64_random_detail::fillCells(pick.data() + covered, pick.data() + pick.size(),
                               static_cast<Cell>(initial));
  return pick;
}

// The game's cave fill: every cell of rows 1..height-2, left to right and
// top to bottom, takes one value of the generator (the border columns too,
// although the border is drawn over them afterwards) and becomes
// `initial` or the last entry whose probability is above the value.
// `put(x, y, object)` receives each cell.
template <typename Put>
void c64RandomFill(int width, int height, int seed, int initial,
                   const std::array<RandomFillEntry, 4>& entries, Put&& put) {
  const std::array<Cell, 256> pick = randomFillPick(initial, entries);
  C64Random random(seed);
  for (int y = 1; y < height - 1; ++y) {
    for (int x = 0; x < width; ++x) put(x, y, pick[static_cast<std::size_t>(random.next())]);
  }
}

// The same fill of one cave, straight into cells kept column by column:
// cell (x, y) at cells[x * step + y].
struct RandomFillColumns {
  int width = 0, height = 0, seed = 0;
  const Cell* pick = nullptr;  // 256 entries: randomFillPick()
  Cell* cells = nullptr;
  std::size_t step = 0;
};

// Runs the fill of one cave (c64RandomFill, straight into its cells).
void c64RandomFillColumns(const RandomFillColumns& fill);

}  // namespace pyrovel
