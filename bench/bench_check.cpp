// The level checker on the largest levelmap, against reading that levelmap
// from disk: checking all of it may cost at most twice the read.
#include "bench_levels.h"
#include "bench_support.h"
#include "check/level_check.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"

namespace {

using namespace pyrovel;

// The largest levelmap with its game layers shaped like played levels, so
// that every rule runs in full: a solid wall border, dirt with rocks, gems
// and walls, the player in one corner and the exit in the other.
std::unique_ptr<Levelmap> playableLevelmap() {
  auto map = bench::fullLevelmap();
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    map->header(slot).setLevelTime(200);
    map->header(slot).setDiamondsToCollect(50);
    for (int x = 0; x < kMaxLevelSide; ++x) {
      for (int y = 0; y < kMaxLevelSide; ++y) {
        const bool border = x == 0 || y == 0 || x == kMaxLevelSide - 1 || y == kMaxLevelSide - 1;
        const int mix = (x * 7 + y * 13 + slot) % 23;
        map->cell(kGameLayer, slot, x, y) = static_cast<Cell>(border     ? 6
                                                              : mix == 0 ? 13
                                                              : mix == 1 ? 3
                                                              : mix == 2 ? 17
                                                              : mix == 3 ? 0
                                                                         : 1);
      }
    }
    map->cell(kGameLayer, slot, 1, 1) = 2;
    map->cell(kGameLayer, slot, kMaxLevelSide - 2, kMaxLevelSide - 2) = 7;
  }
  return map;
}

void BM_CheckFullLevelmap(benchmark::State& state) {
  const auto map = playableLevelmap();
  SilentFrontend ui;
  const std::string path = bench::tempPath("prvl_bench_check.map");
  writeLevel(*map, ui, path);
  bench::compareTimes(
      state, "checking every level of 100 of 128 x 128, both layers",
      "reading that levelmap from disk in process", 2.0,
      [&] { benchmark::DoNotOptimize(checkLevelmap(*map, {}).size()); },
      [&] {
        Levelmap target;
        readGrot3Level(target, readFileBytes(path), path);
        benchmark::DoNotOptimize(target.cell(kGameLayer, 100, 127, 127));
      });
}
BENCHMARK(BM_CheckFullLevelmap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
