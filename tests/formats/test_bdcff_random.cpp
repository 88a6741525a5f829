#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "formats/bdcff_objects.h"
#include "formats/bdcff_random.h"

namespace pyrovel {
namespace {

// Worked by hand from the documented 6510 routine, seed 10 (S1 = 0, S2 = 10):
//  1: T1 = 0 (S1 even), T2 = 10/2 = 5; R = 10 + 0 = 10, C = 0; R = 10 + 0 + 19 = 29,
//     C = 0, S2 = 29; R = 0 + 0 + 0 = 0, C = 0; S1 = 0 + 0 + 5 = 5.
//  2: T1 = 128 (5 odd), T2 = 29/2 = 14; R = 29 + 128 = 157, C = 0; R = 157 + 19 = 176,
//     C = 0, S2 = 176; R = 5 + 0 + 128 = 133, C = 0; S1 = 133 + 0 + 14 = 147.
//  3: T1 = 128 (147 odd), T2 = 176/2 = 88; R = 176 + 0 = 176, C = 0; R = 176 + 19 = 195,
//     C = 0, S2 = 195; R = 147 + 0 + 128 = 275 -> 19, C = 1; S1 = 19 + 1 + 88 = 108.
//  4: T1 = 0 (108 even), T2 = 195/2 = 97; R = 195 + 128 = 323 -> 67, C = 1;
//     R = 67 + 1 + 19 = 87, C = 0, S2 = 87; R = 108 + 0 + 0 = 108, C = 0;
//     S1 = 108 + 0 + 97 = 205.
TEST(C64Random, SeedTenGivesTheHandWorkedSequence) {
  C64Random r(10);
  EXPECT_EQ(r.next(), 5);
  EXPECT_EQ(r.seed2(), 29);
  EXPECT_EQ(r.next(), 147);
  EXPECT_EQ(r.seed2(), 176);
  EXPECT_EQ(r.next(), 108);
  EXPECT_EQ(r.seed2(), 195);
  EXPECT_EQ(r.next(), 205);
  EXPECT_EQ(r.seed2(), 87);
}

// Both carries at once: S2 = 255 (odd) overflows in the first addition,
// 255 + 128 = 383 -> 127 with C = 1, then 127 + 1 + 19 = 147; S1 = 0 + 0 + 0,
// then + 127 (255/2) = 127.
TEST(C64Random, CarriesChainThroughTheSteps) {
  C64Random r(255);
  EXPECT_EQ(r.next(), 127);
  EXPECT_EQ(r.seed2(), 147);
}

// The documented routine step by step, against the generator's tables:
// every seed, for more steps than the largest cave takes.
TEST(C64Random, TablesFollowTheDocumentedRoutineForEverySeed) {
  for (int seed = 0; seed < 256; ++seed) {
    C64Random fast(seed);
    unsigned s1 = 0, s2 = static_cast<unsigned>(seed);
    for (int i = 0; i < 128 * 128; ++i) {
      const unsigned t1 = (s1 & 1u) ? 0x80u : 0u, t2 = s2 >> 1;
      unsigned r = s2 + ((s2 & 1u) ? 0x80u : 0u);
      unsigned c = r > 0xFF;
      r = (r & 0xFF) + c + 0x13;
      c = r > 0xFF;
      s2 = r & 0xFF;
      r = s1 + c + t1;
      c = r > 0xFF;
      s1 = ((r & 0xFF) + c + t2) & 0xFF;
      ASSERT_EQ(fast.next(), static_cast<int>(s1)) << "seed " << seed << ", step " << i;
    }
  }
}

// The laid-out values give every seed the generator's own sequence, for
// more values than the largest cave takes (going round the cycle many
// times), and a fill from them writes what the cell-by-cell fill writes.
TEST(C64Random, LaidOutValuesAreTheGeneratorsForEverySeed) {
  const C64RandomRuns& runs = C64RandomRuns::get();
  EXPECT_LT(runs.states(), 8192u);  // tails and cycle, not the 65536 states
  for (int seed = 0; seed < 256; ++seed) {
    C64Random step(seed);
    std::size_t taken = 0;
    runs.forEachPiece(seed, 128 * 126 + 5, [&](const std::uint8_t* values, std::size_t count) {
      for (std::size_t i = 0; i < count; ++i, ++taken) {
        ASSERT_EQ(values[i], step.next()) << "seed " << seed << ", value " << taken;
      }
    });
    EXPECT_EQ(taken, 128u * 126u + 5u);
  }
  const std::array<RandomFillEntry, 4> entries{{{1, 60}, {2, 50}, {3, 9}, {4, 2}}};
  for (const auto& [w, h, seed] : {std::tuple{40, 22, 7}, {128, 128, 200}, {3, 3, 0}, {5, 2, 9}}) {
    std::vector<Cell> cells(static_cast<std::size_t>(w) * kGridSide, 99);
    const std::array<Cell, 256> pick = randomFillPick(0, entries);
    RandomFillColumns fill;
    fill.width = w;
    fill.height = h;
    fill.seed = seed;
    fill.pick = pick.data();
    fill.cells = cells.data();
    fill.step = kGridSide;
    c64RandomFillColumns(fill);
    std::vector<Cell> expected(cells.size(), 99);
    c64RandomFill(w, h, seed, 0, entries, [&](int x, int y, int object) {
      expected[static_cast<std::size_t>(x) * kGridSide + static_cast<std::size_t>(y)] =
          static_cast<Cell>(object);
    });
    EXPECT_EQ(cells, expected) << w << " x " << h << ", seed " << seed;
  }
}

TEST(C64Random, OnlyTheSeedsLowByteCounts) {
  C64Random a(10), b(256 + 10);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.next(), b.next());
}

// The fill against Peter Broadribb's published decode of Boulder Dash I,
// cave A, difficulty 1 (seed 10; Space 60, Boulder 50, Diamond 9 in 256):
// rows 1 to 4 inside the border, with the cave's own objects left out.
TEST(C64Random, FillMatchesThePublishedCaveA) {
  std::vector<std::string> rows(22, std::string(40, '?'));
  const std::array<RandomFillEntry, 4> entries{{{' ', 60}, {'r', 50}, {'d', 9}, {' ', 0}}};
  c64RandomFill(40, 22, 10, '.', entries, [&](int x, int y, int object) {
    rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = static_cast<char>(object);
  });
  EXPECT_EQ(rows[0], std::string(40, '?'));  // the top and bottom rows are not filled
  EXPECT_EQ(rows[21], std::string(40, '?'));
  EXPECT_EQ(rows[1].substr(1, 38), "...... ..d.r .....r.r....... ....r....");
  EXPECT_EQ(rows[2].substr(1, 38),
            ".r.r...... .........rd..r.... ..... ..");  // (3, 2) is the inbox
  EXPECT_EQ(rows[3].substr(1, 38), ".......... ..r.....r.r..r........r....");
  EXPECT_EQ(rows[4].substr(1, 37), "r.rr.........r......r..r....r...r....");
}

// A long run of values is passed over by the cycle every seed's generator
// reaches, landing where stepping through them would.
TEST(C64Random, SkippingLandsWhereSteppingDoes) {
  for (int seed = 0; seed < 256; ++seed) {
    for (const long steps : {0L, 5L, 8192L, 8193L, 20000L, 100003L}) {
      C64Random skipped(seed), stepped(seed);
      skipC64Random(skipped, steps);
      for (long i = 0; i < steps; ++i) stepped.next();
      ASSERT_EQ(skipped.seed1(), stepped.seed1()) << seed << " " << steps;
      ASSERT_EQ(skipped.seed2(), stepped.seed2()) << seed << " " << steps;
    }
  }
}

// A random rectangle reaching far off the cave draws what the cells inside
// would take, row by row.
TEST(C64Random, ARandomRectangleFarOffTheCaveDrawsItsCellsInside) {
  BdcffGrid g(5, 4, 1);
  applyBdcffObject(g, "RandomFillC64=-3000 -2000 3 2 9 SPACE DIAMOND 128");
  C64Random random(9);
  for (int y = -2000; y <= 2; ++y) {
    for (int x = -3000; x <= 3; ++x) {
      const int value = random.next();
      if (x >= 0 && y >= 0) {
        EXPECT_EQ(g.at(x, y), value < 128 ? 13 : 0) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(g.at(4, 3), 1);
}

}  // namespace
}  // namespace pyrovel
