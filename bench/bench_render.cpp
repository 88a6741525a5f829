// A full redraw of the largest level against copying the same number of
// pixels with memcpy, in the same run: the "ratio" counter says how many
// plain copies one redraw costs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "render/default_sprites.h"
#include "render/level_renderer.h"

namespace {

using Clock = std::chrono::steady_clock;

pyrovel::Levelmap fullLevel() {
  pyrovel::Levelmap map;
  map.header(1).setWidth(128);
  map.header(1).setHeight(128);
  unsigned seed = 7;
  for (int x = 0; x < 128; ++x) {
    for (int y = 0; y < 128; ++y) {
      seed = seed * 1103515245u + 12345u;
      // Mostly dirt and rocks, like a real level, with every other object sprinkled in.
      const int pick = static_cast<int>((seed >> 16) % 100);
      map.cell(pyrovel::kGameLayer, 1, x, y) = pick < 50   ? 1
                                               : pick < 65 ? 3
                                               : pick < 75 ? 0
                                                           : (pick * 37) % 256;
    }
  }
  return map;
}

void BM_DrawlevelVsCopy(benchmark::State& state) {
  const int cell = static_cast<int>(state.range(0));
  const pyrovel::Levelmap map = fullLevel();
  const pyrovel::SpriteStrip strip(
      std::make_shared<const pyrovel::ImageLibrary>(pyrovel::makeDefaultImageLibrary()),
      pyrovel::makeDefaultObjectTable());
  pyrovel::PixelBuffer out(128 * cell, 128 * cell);
  pyrovel::PixelBuffer source(128 * cell, 128 * cell, 0xff123456u), copy(128 * cell, 128 * cell);
  const std::size_t bytes = source.pixels.size() * sizeof(std::uint32_t);
  pyrovel::drawLevel(map, 1, pyrovel::kGameLayer, strip, cell,
                     out);  // sprites scaled once, as the view does

  double drawSeconds = 0, copySeconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    pyrovel::drawLevel(map, 1, pyrovel::kGameLayer, strip, cell, out);
    benchmark::DoNotOptimize(out.pixels.data());
    const auto t1 = Clock::now();
    std::memcpy(copy.pixels.data(), source.pixels.data(), bytes);
    benchmark::DoNotOptimize(copy.pixels.data());
    benchmark::ClobberMemory();
    const auto t2 = Clock::now();
    drawSeconds += std::chrono::duration<double>(t1 - t0).count();
    copySeconds += std::chrono::duration<double>(t2 - t1).count();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["redraw_ms"] = drawSeconds / n * 1e3;
  state.counters["memcpy_ms"] = copySeconds / n * 1e3;
  state.counters["ratio"] = copySeconds > 0 ? drawSeconds / copySeconds : 0;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_DrawlevelVsCopy)->Arg(16)->Arg(32)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
