// A full redraw of the largest level against copying the same number of
// pixels with memcpy: how many plain copies one redraw costs.
#include <cstring>

#include "bench_levels.h"
#include "bench_support.h"
#include "render/default_sprites.h"
#include "render/level_renderer.h"

namespace {

void BM_DrawLevelVsCopy(benchmark::State& state) {
  const int cell = static_cast<int>(state.range(0));
  const auto map = pyrovel::bench::typicalLevel();
  const pyrovel::SpriteStrip strip(
      std::make_shared<const pyrovel::ImageLibrary>(pyrovel::makeDefaultImageLibrary()),
      pyrovel::makeDefaultObjectTable());
  const int side = pyrovel::kMaxLevelSide * cell;
  pyrovel::PixelBuffer out(side, side), source(side, side, 0xff123456u), copy(side, side);
  const std::size_t bytes = source.pixels.size() * sizeof(std::uint32_t);
  pyrovel::drawLevel(*map, 1, pyrovel::kGameLayer, strip, cell, out);  // sprites scaled once
  pyrovel::bench::compareTimes(
      state, "full redraw of a 128 x 128 level at " + std::to_string(cell) + " pixels a cell",
      "memcpy of as many pixels", 0,
      [&] {
        pyrovel::drawLevel(*map, 1, pyrovel::kGameLayer, strip, cell, out);
        benchmark::DoNotOptimize(out.pixels.data());
      },
      [&] {
        std::memcpy(copy.pixels.data(), source.pixels.data(), bytes);
        benchmark::DoNotOptimize(copy.pixels.data());
        benchmark::ClobberMemory();
      });
}
BENCHMARK(BM_DrawLevelVsCopy)
    ->Arg(16)
    ->Arg(32)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
